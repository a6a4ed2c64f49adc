#include "screens/ScreenFile.h"

#include "screens/Screen.h"
#include "support/io/FieldLine.h"
#include "support/io/LineHelpers.h"
#include "support/io/TextFile.h"

namespace {

void Line(QByteArray& out, const QByteArray& text)
{
    out += text;
    out += "\r\n";
}

// Doubled coordinates are written as the 32-bit values the file holds.
void Doubled(QByteArray& out, int32_t value)
{
    Line(out, QByteArray::number(int32_t(uint32_t(value) * 2u)));
}

bool ReadHalved(CTextReader& file, int32_t& value)
{
    QByteArray line;
    if (!ReadFieldLine(file, line))
        return false;
    value = ParseDecimalInt(line) / 2; // C division truncates toward zero
    return true;
}

bool ReadCount(CTextReader& file, int32_t& count)
{
    QByteArray line;
    if (!ReadFieldLine(file, line))
        return false;
    count = ParseDecimalInt(line);
    return true;
}

} // namespace

QByteArray ScreenFileBytes(const CScreen& screen)
{
    QByteArray out;
    Line(out, QByteArray::number(screen.placedSprites.Count()));
    for (const CPlacedSprite* placed : screen.placedSprites) {
        Doubled(out, placed->x);
        Doubled(out, placed->y);
        Line(out, FieldBytes(placed->code, kCodeLength));
        // An element whose code no sheet holds is written back as it was read.
        const bool unresolved = !placed->sprite && placed->entityName.isEmpty();
        const bool unnamedEntity = placed->IsEntity() && placed->entityName.isEmpty();
        Line(out, unnamedEntity ? QByteArray("*")
                                : FieldBytes(unresolved ? placed->starredName : placed->entityName, kCodeLength));
    }
    Line(out, QByteArray::number(screen.fills.Count()));
    for (const CFill* fill : screen.fills) {
        Doubled(out, fill->left);
        Doubled(out, fill->top);
        Doubled(out, fill->right);
        Doubled(out, fill->bottom);
        Line(out, FieldBytes(fill->tile.code, kCodeLength));
    }
    return out;
}

QString ScreenFileEndText(const ScreenFileEnd& end)
{
    return QStringLiteral("The screen file ends early at line %1, before %2").arg(end.atLine).arg(end.missing);
}

ScreenFileEnd ReadScreenFile(CTextReader& file, CScreen& screen)
{
    auto endedAt = [&file](const QString& missing) { return ScreenFileEnd{qMax(1, file.LinesRead()), missing}; };
    int32_t count = 0;
    if (!ReadCount(file, count))
        return file.LinesRead() == 0 ? ScreenFileEnd() : endedAt(QStringLiteral("the count of sprites"));
    QByteArray line;
    for (int32_t i = 0; i < count; ++i) {
        // Worded only when the file ends: most screens hold hundreds of sprites.
        auto missing = [&] { return endedAt(QStringLiteral("sprite %1 of %2").arg(i + 1).arg(count)); };
        auto placed = std::make_unique<CPlacedSprite>();
        if (!ReadHalved(file, placed->x) || !ReadHalved(file, placed->y) || !ReadFieldLine(file, line))
            return missing();
        placed->code = FieldBytes(line, kCodeLength);
        if (!ReadFieldLine(file, line))
            return missing();
        placed->entityName = line.startsWith('*') ? QByteArray() : FieldBytes(line, kCodeLength);
        if (line.startsWith('*'))
            placed->starredName = FieldBytes(line, kCodeLength);
        screen.Resolve(*placed);
        screen.placedSprites.Append(std::move(placed), "sprite");
    }
    if (!ReadCount(file, count))
        return endedAt(QStringLiteral("the count of fills"));
    for (int32_t i = 0; i < count; ++i) {
        auto fill = std::make_unique<CFill>();
        int32_t l = 0, t = 0, r = 0, b = 0;
        if (!ReadHalved(file, l) || !ReadHalved(file, t) || !ReadHalved(file, r) || !ReadHalved(file, b)
            || !ReadFieldLine(file, line))
            return endedAt(QStringLiteral("fill %1 of %2").arg(i + 1).arg(count));
        // Stored as read: a hand-made file's edges are kept the way round they came.
        fill->left = l;
        fill->top = t;
        fill->right = r;
        fill->bottom = b;
        fill->tile.code = FieldBytes(line, kCodeLength);
        screen.Resolve(fill->tile);
        CFill* raw = screen.fills.Append(std::move(fill), "Fill");
        screen.AddHoleRecord(raw->tile.code, CRect{l, t, r, b}, raw);
    }
    return ScreenFileEnd();
}
