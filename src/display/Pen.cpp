#include "display/Pen.h"

#include "display/Surface.h"

#include <algorithm>
#include <cstdint>

namespace {

struct Band {
    int64_t left, top, right, bottom; // inclusive
};

// The surface's pixels, asked of the image once for all the bands of an
// outline (asking for every row costs more than drawing a short band's two
// pixels).
struct Pixels {
    uint16_t* first;
    qsizetype stride;
    int64_t width, height;
};

// Fills the band, cut at the surface; a dotted band leaves out every other
// pair of pixels along its length (by x when it runs across, by y when down),
// counted from its start.
void FillBand(const Pixels& pixels, Band band, uint16_t value, bool dotted, bool across)
{
    const int64_t left = std::max<int64_t>(band.left, 0);
    const int64_t top = std::max<int64_t>(band.top, 0);
    const int64_t right = std::min<int64_t>(band.right, pixels.width - 1);
    const int64_t bottom = std::min<int64_t>(band.bottom, pixels.height - 1);
    if (left > right || top > bottom)
        return;
    const qsizetype stride = pixels.stride;
    uint16_t* row = pixels.first + top * stride;
    if (!dotted && left == right - 1) {
        // An edge of a width-2 pen running down: two pixels a row.
        for (int64_t y = top; y <= bottom; ++y, row += stride)
            row[left] = row[right] = value;
        return;
    }
    for (int64_t y = top; y <= bottom; ++y, row += stride) {
        if (!dotted) {
            std::fill(row + left, row + right + 1, value);
            continue;
        }
        if (!across) {
            if ((((y - band.top) >> 1) & 1) == 0)
                std::fill(row + left, row + right + 1, value);
            continue;
        }
        for (int64_t x = left; x <= right; ++x)
            if ((((x - band.left) >> 1) & 1) == 0)
                row[x] = value;
    }
}

} // namespace

void DrawOutline(CSurface& surface, const CRect& rect, const CPen& pen)
{
    if (!surface.IsValid() || pen.width < 1)
        return;
    const int64_t before = pen.width / 2;         // pixels before the line
    const int64_t after = pen.width - 1 - before; // and after it
    const int64_t left = std::min(rect.left, rect.right);
    const int64_t right = std::max(rect.left, rect.right);
    const int64_t top = std::min(rect.top, rect.bottom);
    const int64_t bottom = std::max(rect.top, rect.bottom);
    // Most outlines of a large sheet lie off the surface.
    if (right + after < 0 || bottom + after < 0 || left - before >= surface.Width() || top - before >= surface.Height())
        return;
    const uint16_t value = ToPixel565(pen.colour);
    const bool dotted = pen.style == PenStyle::Dotted;
    const Pixels pixels{surface.Row(0), surface.Image().bytesPerLine() / qsizetype(sizeof(uint16_t)), surface.Width(),
                        surface.Height()};
    // Each edge with the pen's width around it, the corners covered.
    for (int64_t y : {int64_t(rect.top), int64_t(rect.bottom)})
        FillBand(pixels, {left - before, y - before, right + after, y + after}, value, dotted, true);
    for (int64_t x : {int64_t(rect.left), int64_t(rect.right)})
        FillBand(pixels, {x - before, top - before, x + after, bottom + after}, value, dotted, false);
}
