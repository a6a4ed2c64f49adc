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
        Put(out, cell.x / kCellWidth);
        Put(out, cell.y / kCellHeight);
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
int32_t ReadMapInt(CTextReader& file)
{
    QByteArray line;
    return ReadFieldLine(file, line, 32) ? ParseDecimalInt(line) : 0;
}

void ReadMapString(QString& text, CTextReader& file)
{
    QByteArray line;
    if (ReadFieldLine(file, line, 64))
        text = DecodeText(CutBytes(line, kMapStringFieldLimit));
}
} // namespace

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
    // Counts come from a file people edit: the records end with the file, not
    // with the count.
    const int32_t cells = ReadMapInt(file);
    for (int32_t k = 0; k < cells && !file.AtEnd(); ++k) {
        const int32_t column = ReadMapInt(file);
        const int32_t row = ReadMapInt(file);
        const int32_t inside = ReadMapInt(file);
        if (!CQuestMap::ValidCellCoordinates(column, row)) {
            ++reading.cellsOffGrid;
            continue;
        }
        map.Cell(column, row).inside = inside;
        reading.screens.push_back({column, row});
    }
    const int32_t groups = ReadMapInt(file);
    for (int32_t k = 0; k < groups && !file.AtEnd(); ++k) {
        auto group = std::make_unique<CGroup>();
        group->id = ReadMapInt(file);
        group->left = ReadMapInt(file);
        group->top = ReadMapInt(file);
        group->right = ReadMapInt(file);
        group->bottom = ReadMapInt(file);
        group->reserved = ReadMapInt(file);
        ReadMapString(group->music, file);
        map.groups.Append(std::move(group));
    }
    QuestProperties& p = map.properties;
    p.startX = ReadMapInt(file);
    p.startY = ReadMapInt(file);
    ReadMapString(p.fullName, file);
    p.finalVersion = ReadMapInt(file);
    p.includeSound = ReadMapInt(file);
    return reading;
}
