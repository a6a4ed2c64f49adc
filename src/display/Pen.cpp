#include "display/Pen.h"

#include "display/Surface.h"

#include <algorithm>
#include <cstdint>
#include <vector>

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

// The part of a band running down that lies on the surface; its dots are
// counted from the band's own start.
struct DownBand {
    int64_t left, right, top, bottom, start;
};

// Fills bands running down row by row, all of one value: a band written down
// its column touches a new stretch of memory at every pixel, while the rows
// of many bands side by side are written while they are at hand.
void FillDownBandsByRow(const Pixels& pixels, std::vector<DownBand>& bands, uint16_t value, bool dotted)
{
    std::sort(bands.begin(), bands.end(), [](const DownBand& a, const DownBand& b) { return a.top < b.top; });
    std::vector<DownBand> active;
    size_t next = 0;
    int64_t y = 0;
    while (next < bands.size() || !active.empty()) {
        if (active.empty())
            y = bands[next].top;
        while (next < bands.size() && bands[next].top == y)
            active.push_back(bands[next++]);
        uint16_t* row = pixels.first + y * pixels.stride;
        for (size_t i = 0; i < active.size();) {
            const DownBand& band = active[i];
            if (!dotted || (((y - band.start) >> 1) & 1) == 0) {
                if (band.right == band.left + 1) // a width-2 pen's edge
                    row[band.left] = row[band.right] = value;
                else
                    std::fill(row + band.left, row + band.right + 1, value);
            }
            if (band.bottom == y) {
                active[i] = active.back();
                active.pop_back();
            } else {
                ++i;
            }
        }
        ++y;
    }
}

// Where the outline's bands lie, and whether any of it reaches the surface.
struct OutlineBands {
    Band across[2];
    Band down[2];
};

bool BandsOf(const CSurface& surface, const CRect& rect, const CPen& pen, OutlineBands& bands)
{
    const int64_t before = pen.width / 2;         // pixels before the line
    const int64_t after = pen.width - 1 - before; // and after it
    const int64_t left = std::min(rect.left, rect.right);
    const int64_t right = std::max(rect.left, rect.right);
    const int64_t top = std::min(rect.top, rect.bottom);
    const int64_t bottom = std::max(rect.top, rect.bottom);
    // Most outlines of a large sheet lie off the surface.
    if (right + after < 0 || bottom + after < 0 || left - before >= surface.Width() || top - before >= surface.Height())
        return false;
    // Each edge with the pen's width around it, the corners covered.
    int k = 0;
    for (int64_t y : {int64_t(rect.top), int64_t(rect.bottom)})
        bands.across[k++] = {left - before, y - before, right + after, y + after};
    k = 0;
    for (int64_t x : {int64_t(rect.left), int64_t(rect.right)})
        bands.down[k++] = {x - before, top - before, x + after, bottom + after};
    return true;
}

} // namespace

void DrawOutlines(CSurface& surface, const std::vector<CRect>& rects, const CPen& pen)
{
    if (!surface.IsValid() || pen.width < 1)
        return;
    const uint16_t value = ToPixel565(pen.colour);
    const bool dotted = pen.style == PenStyle::Dotted;
    const Pixels pixels{surface.Row(0), surface.Stride(), surface.Width(),
                        surface.Height()};
    std::vector<DownBand> down;
    down.reserve(rects.size() * 2);
    for (const CRect& rect : rects) {
        OutlineBands bands;
        if (!BandsOf(surface, rect, pen, bands))
            continue;
        for (const Band& band : bands.across)
            FillBand(pixels, band, value, dotted, true);
        for (const Band& band : bands.down) {
            const DownBand cut{std::max<int64_t>(band.left, 0), std::min<int64_t>(band.right, pixels.width - 1),
                               std::max<int64_t>(band.top, 0), std::min<int64_t>(band.bottom, pixels.height - 1),
                               band.top};
            if (cut.left <= cut.right && cut.top <= cut.bottom)
                down.push_back(cut);
        }
    }
    FillDownBandsByRow(pixels, down, value, dotted);
}

void DrawOutline(CSurface& surface, const CRect& rect, const CPen& pen)
{
    if (!surface.IsValid() || pen.width < 1)
        return;
    OutlineBands bands;
    if (!BandsOf(surface, rect, pen, bands))
        return;
    const uint16_t value = ToPixel565(pen.colour);
    const bool dotted = pen.style == PenStyle::Dotted;
    const Pixels pixels{surface.Row(0), surface.Stride(), surface.Width(),
                        surface.Height()};
    for (const Band& band : bands.across)
        FillBand(pixels, band, value, dotted, true);
    for (const Band& band : bands.down)
        FillBand(pixels, band, value, dotted, false);
}
