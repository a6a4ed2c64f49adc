#include "sheets/SheetFileReader.h"

#include "support/io/FieldLine.h"
#include "support/io/LineHelpers.h"
#include "support/io/TextFile.h"

#include <algorithm>

namespace {

constexpr int32_t kCoordinateLimit = 1 << 29;

int32_t Hold(int32_t v)
{
    return std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
}

bool ReadNumber(CTextReader& file, int32_t& value)
{
    QByteArray line;
    if (!ReadFieldLine(file, line))
        return false;
    value = ParseDecimalInt(line);
    return true;
}

bool ReadRect(CTextReader& file, CRect& rect)
{
    int32_t x = 0, y = 0, w = 0, h = 0;
    if (!ReadNumber(file, x) || !ReadNumber(file, y) || !ReadNumber(file, w) || !ReadNumber(file, h))
        return false;
    rect = SheetRect(x, y, w, h);
    return true;
}

// Reads one block. False when the end of the file cut it short.
bool ReadBlock(CTextReader& file, CSheetSprite& sprite, int& codeLine)
{
    QByteArray line;
    if (!ReadFieldLine(file, line))
        return false;
    for (;;) {
        if (LineHas(line, "[ENTITY]"))
            sprite.entity = 1;
        else if (LineHas(line, "[BACKGROUND]"))
            sprite.background = 1;
        else
            break;
        if (!ReadFieldLine(file, line))
            return false;
    }
    sprite.code = FieldBytes(line, kCodeLength);
    codeLine = file.LinesRead();

    if (!ReadFieldLine(file, line))
        return false;
    if (LineHas(line, "ANIMATED")) {
        sprite.animated = 1;
        int32_t frames = 0;
        if (!ReadNumber(file, frames))
            return false;
        QByteArray speed; // carried by the file, not needed to paint screens
        if (!ReadFieldLine(file, speed))
            return false;
        // The frames end with the file, whatever the count says.
        for (int32_t i = 0; i < frames; ++i) {
            CRect rect;
            if (!ReadRect(file, rect))
                return false;
            sprite.rectangles.Append(std::make_unique<CRect>(rect), "Rect");
        }
    } else {
        // That line was already x of a still sprite.
        int32_t y = 0, w = 0, h = 0;
        const int32_t x = ParseDecimalInt(line);
        if (!ReadNumber(file, y) || !ReadNumber(file, w) || !ReadNumber(file, h))
            return false;
        sprite.rectangles.Append(std::make_unique<CRect>(SheetRect(x, y, w, h)), "Rect");
        const qint64 position = file.Tell();
        if (ReadFieldLine(file, line) && LineHas(line, "[FILL]"))
            sprite.fill = 1;
        else
            file.Seek(position);
    }

    QByteArray mask;
    if (!ReadFieldLine(file, mask))
        return false;
    if (!ReadFieldLine(file, line))
        return false;
    if (LineHas(line, "TRUE"))
        sprite.onTop = 1;
    else if (LineHas(line, "FALSE"))
        sprite.onTop = 0;
    // Alpha and the end line are not looked at, but a block needs them whole.
    return ReadFieldLine(file, line) && ReadFieldLine(file, line);
}

} // namespace

CRect SheetRect(int32_t x, int32_t y, int32_t w, int32_t h)
{
    x = Hold(x);
    y = Hold(y);
    return CRect{x, y, x + Hold(w), y + Hold(h)};
}

bool ReadSheetFile(CTextReader& file, QByteArray& title, CTaggedList<CSheetSprite>& sprites,
                   std::vector<int>* codeLines)
{
    if (!ReadFieldLine(file, title))
        return false;
    while (!file.AtEnd()) {
        auto sprite = std::make_unique<CSheetSprite>();
        int codeLine = 0;
        if (!ReadBlock(file, *sprite, codeLine))
            break;
        sprites.Append(std::move(sprite), "sprite");
        if (codeLines)
            codeLines->push_back(codeLine);
    }
    return true;
}
