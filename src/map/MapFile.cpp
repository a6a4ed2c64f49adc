#include "map/MapFile.h"

#include "map/QuestMap.h"
#include "support/TextCodec.h"

const char kMapFileMagic[] = "Vantraglen Tessellmancery Map File";

QString CutToBytes(const QString& text, int limit)
{
    QString cut = text;
    while (EncodeText(cut).size() > limit)
        cut.chop(cut.size() >= 2 && cut.at(cut.size() - 1).isLowSurrogate() ? 2 : 1);
    return cut;
}

namespace {
void Put(QByteArray& out, int32_t value)
{
    out += QByteArray::number(value) + "\r\n";
}
void Put(QByteArray& out, const QString& text)
{
    out += EncodeText(CutToBytes(text, kMapStringFieldLimit)) + "\r\n";
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
