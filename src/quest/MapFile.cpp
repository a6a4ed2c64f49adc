#include "quest/MapFile.h"

#include "quest/QuestMap.h"
#include "support/io/FieldLine.h"
#include "support/io/LineHelpers.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"

const char kMapFileMagic[] = "Vantraglen Tessellmancery Map File";

QString MapStringField(const QString& text)
{
    return DecodeText(TextFieldBytes(text, kMapStringFieldLimit));
}

namespace {
void Put(QByteArray& out, int32_t value)
{
    out += QByteArray::number(value) + "\r\n";
}
void Put(QByteArray& out, const QString& text)
{
    out += TextFieldBytes(text, kMapStringFieldLimit) + "\r\n";
}
} // namespace

QByteArray MapFileBytes(const CQuestMap& map)
{
    QByteArray out;
    out += QByteArray(kMapFileMagic) + "\r\n";
    Put(out, map.ScreenCount());
    for (int i = 0; i < kMapCellCount; ++i) {
        const CMapCell& cell = map.CellAt(i);
        if (!cell.HoldsScreen())
            continue;
        Put(out, i % kMapColumns);
        Put(out, i / kMapColumns);
        Put(out, cell.inside);
    }
    Put(out, map.groups.Count());
    for (CGroup* g : map.groups.groups) {
        Put(out, g->id);
        Put(out, g->left);
        Put(out, g->top);
        Put(out, g->right);
        Put(out, g->bottom);
        Put(out, g->reserved);
        Put(out, g->music);
    }
    const QuestProperties& p = map.properties;
    Put(out, p.startX);
    Put(out, p.startY);
    Put(out, p.fullName);
    Put(out, p.finalVersion);
    Put(out, p.includeSound);
    return out;
}

namespace {
// Map file lines are read into fixed buffers (32 bytes for a number, 64 for a
// string). The rest of a hand-made overlong line is passed over, so that it
// cannot shift every field after it into the wrong place. A string keeps what
// the writer can write back, kMapStringFieldLimit bytes, so that what is shown
// after loading is what the next save writes.
//
// The first field the file ends before is noted, so that nobody takes what
// was read for the whole quest.
class CMapFileLines {
public:
    CMapFileLines(CTextReader& file, MapFileReading& reading) : m_file(file), m_reading(reading) {}

    int32_t Int(const char* field)
    {
        QByteArray line;
        if (ReadFieldLine(m_file, line, 32))
            return ParseDecimalInt(line);
        NoteEnd(QLatin1String(field));
        return 0;
    }
    void String(QString& text, const char* field)
    {
        QByteArray line;
        if (ReadFieldLine(m_file, line, 64))
            text = DecodeText(CutBytes(line, kMapStringFieldLimit));
        else
            NoteEnd(QLatin1String(field));
    }
    // A count promised records that the file does not hold.
    bool RecordMissing(const char* kind, int32_t k, int32_t count)
    {
        if (!m_file.AtEnd())
            return false;
        NoteEnd(QStringLiteral("%1 record %2 of %3").arg(QLatin1String(kind)).arg(k + 1).arg(count));
        return true;
    }

private:
    void NoteEnd(const QString& field)
    {
        if (m_reading.EndsEarly())
            return;
        m_reading.endsEarlyAtLine = qMax(1, m_file.LinesRead());
        m_reading.missingField = field;
    }
    CTextReader& m_file;
    MapFileReading& m_reading;
};
} // namespace

QString MapFileEndText(const MapFileReading& reading)
{
    return QStringLiteral("The map file ends early at line %1, before %2")
        .arg(reading.endsEarlyAtLine)
        .arg(reading.missingField);
}

MapFileReading ReadMapFileBytes(const QByteArray& bytes, CQuestMap& map)
{
    MapFileReading reading;
    CTextReader file;
    file.OpenBytes(bytes);
    QByteArray magic;
    if (!ReadFieldLine(file, magic, 64) || magic != kMapFileMagic)
        return reading;
    reading.isMapFile = true;
    map.ResetGrid();
    // A truncated file leaves the defaults rather than the last quest's values.
    map.ResetProperties();
    CMapFileLines lines(file, reading);
    // Counts come from a file people edit: the records end with the file, not
    // with the count.
    const int32_t cells = lines.Int("the count of screens");
    for (int32_t k = 0; k < cells && !lines.RecordMissing("cell", k, cells); ++k) {
        const int32_t column = lines.Int("a cell record's column");
        const int32_t row = lines.Int("a cell record's row");
        const int32_t inside = lines.Int("a cell record's inside flag");
        if (!CQuestMap::ValidCellCoordinates(column, row)) {
            ++reading.cellsOffGrid;
            continue;
        }
        map.Cell(column, row).inside = inside;
        reading.screens.push_back({column, row});
    }
    const int32_t groups = lines.Int("the count of groups");
    for (int32_t k = 0; k < groups && !lines.RecordMissing("group", k, groups); ++k) {
        auto group = std::make_unique<CGroup>();
        group->id = lines.Int("a group record's id");
        group->left = lines.Int("a group record's left edge");
        group->top = lines.Int("a group record's top edge");
        group->right = lines.Int("a group record's right edge");
        group->bottom = lines.Int("a group record's bottom edge");
        group->reserved = lines.Int("a group record's reserved value");
        lines.String(group->music, "a group record's music");
        map.groups.Append(std::move(group));
    }
    QuestProperties& p = map.properties;
    p.startX = lines.Int("the player's start X");
    p.startY = lines.Int("the player's start Y");
    lines.String(p.fullName, "the quest's full name");
    p.finalVersion = lines.Int("the quest's \"Final Version\" flag");
    p.includeSound = lines.Int("the quest's \"Include Sound\" flag");
    return reading;
}
