#pragma once
// The sheet designer's editable sprite: its rectangle in designer units, its
// code and flags, and the animation it is a frame of.
#include "common/Rect.h"
#include "sheets/SheetFileWriter.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

class CSpriteAnimation;

class CDesignerSprite {
public:
    virtual ~CDesignerSprite() = default;

    CRect rectangle;            // designer units (below)
    QByteArray code;            // unique on the sheet
    int32_t onTop = 0;
    QByteArray maskCode;        // the collision mask's code; empty for none
    int32_t fill = 0;
    int32_t entity = 0;
    int32_t background = 1;
    uint32_t alpha = 255;
    int32_t animated = 0;
    CSpriteAnimation* animation = nullptr; // borrowed; the animation that holds it

    // The x, y, w, h the sheet file gave and the rectangle made of them.
    // Designer units cannot hold every value a file may hold; while the
    // rectangle is the one read, the values read are written back.
    struct FrameRead {
        SheetFileFrame frame;
        CRect rectangle;
        bool operator==(const FrameRead&) const = default;
    };
    std::optional<FrameRead> frameRead;
    void SetRead(int32_t x, int32_t y, int32_t w, int32_t h);
    // The rectangle in the file's units (bitmap pixels).
    SheetFileFrame FileFrame() const;
};

// One line of a list of sprites as the dialogs show it, carrying its sprite.
struct SpriteLine {
    QString text;
    CDesignerSprite* sprite;
};

// The designer keeps rectangles in the coordinates of the doubled picture,
// shifted by 4: a sheet-file value v is 2v - 4 there, and a designer value d
// is (d + 4) / 2 in the file (divisions toward zero).
// Values no sheet reaches (typed into Redefine) are held at the 32-bit limits.
constexpr int32_t ToDesignerUnits(int32_t v)
{
    const int64_t d = 2 * int64_t(v) - 4;
    return int32_t(d < INT32_MIN ? INT32_MIN : d > INT32_MAX ? INT32_MAX : d);
}
constexpr int32_t ToSheetPixels(int32_t d)
{
    return int32_t((int64_t(d) + 4) / 2);
}
// A sheet file's x, y, w, h as a designer rectangle, and back.
CRect DesignerRect(int32_t x, int32_t y, int32_t w, int32_t h);
SheetFileFrame SheetFrame(const CRect& designerRect);
