#include "sheets/DesignerSprite.h"

#include "sheets/SheetFileReader.h"
#include "sheets/SheetFileWriter.h"

#include <algorithm>

CRect DesignerRect(int32_t x, int32_t y, int32_t w, int32_t h)
{
    const CRect r = SheetRect(x, y, w, h); // held so that doubling cannot overflow
    return CRect{ToDesignerUnits(r.left), ToDesignerUnits(r.top), ToDesignerUnits(r.right),
                 ToDesignerUnits(r.bottom)};
}

SheetFileFrame SheetFrame(const CRect& d)
{
    // Widths from edges far apart (a hand-redefined rectangle) are taken in 64
    // bits and held, so that the file never gets a wrapped number.
    auto half = [](int64_t v) { return int32_t(std::clamp<int64_t>(v / 2, INT32_MIN, INT32_MAX)); };
    return SheetFileFrame{half(int64_t(d.left) + 4), half(int64_t(d.top) + 4), half(int64_t(d.right) - d.left),
                          half(int64_t(d.bottom) - d.top)};
}

void CDesignerSprite::SetRead(int32_t x, int32_t y, int32_t w, int32_t h)
{
    rectangle = DesignerRect(x, y, w, h);
    frameRead = FrameRead{SheetFileFrame{x, y, w, h}, rectangle};
}

SheetFileFrame CDesignerSprite::FileFrame() const
{
    if (frameRead && frameRead->rectangle == rectangle)
        return frameRead->frame;
    return SheetFrame(rectangle);
}
