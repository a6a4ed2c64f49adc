// Straight lines and copies take shorter roads than the general stepping and
// pixel-by-pixel scaling; they must set exactly the same pixels.
#include "display/Display.h"
#include "display/LineBatch.h"
#include "display/PixelMemory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {
constexpr int kW = 64;
constexpr int kH = 48;

// The stepping rule of every line, pixel by pixel.
void ReferenceLine(CSurface& s, int x1, int y1, int x2, int y2, uint16_t value)
{
    const int dx = x2 - x1, dy = y2 - y1;
    const bool mainIsY = std::abs(dy) > std::abs(dx);
    const int m = mainIsY ? dy : dx, o = mainIsY ? dx : dy;
    const double slope = m == 0 ? double(o) : double(o) / std::abs(m);
    const int step = m >= 0 ? 1 : -1;
    double a = 0;
    for (int i = 0; i != m; i += step, a += slope) {
        const int along = int(std::trunc(a));
        const int x = mainIsY ? x1 + along : x1 + i;
        const int y = mainIsY ? y1 + i : y1 + along;
        if (x >= 0 && x < kW && y >= 0 && y < kH)
            s.SetPixel(x, y, value);
    }
}

bool SamePixels(const CSurface& a, const CSurface& b)
{
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}
} // namespace

TEST(StraightLines, SetThePixelsOfTheSteppingRuleInEveryDirectionAndAtEveryEdge)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-20, 80);
    CDisplay display;
    display.Initialise(nullptr, kW, kH);
    CSurface expected;
    expected.Create(kW, kH);
    for (int n = 0; n < 2000; ++n) {
        const int x1 = coordinate(random), y1 = coordinate(random);
        int x2 = coordinate(random), y2 = coordinate(random);
        (n % 2 ? x2 : y2) = n % 2 ? x1 : y1; // vertical or horizontal
        display.Clear(0);
        expected.Image().fill(0);
        display.Line(x1, y1, x2, y2, 0xBEEF);
        ReferenceLine(expected, x1, y1, x2, y2, 0xBEEF);
        ASSERT_TRUE(SamePixels(expected, *display.BackBuffer())) << x1 << "," << y1 << " to " << x2 << "," << y2;
    }
}

TEST(UnscaledCopies, MatchThePixelRuleWithKeysSourceRectanglesAndClipping)
{
    constexpr int kSourceWidth = 70;
    std::mt19937 random(11);
    std::uniform_int_distribution<int> place(-40, 70);
    CSurface source;
    source.Create(kSourceWidth, 20); // rows of one block of sixteen pixels, of several, and shorter
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < kSourceWidth; ++x)
            source.SetPixel(x, y, (x + y) % 3 == 0 ? 0x07E0 : uint16_t(x * 100 + y + 1));
    CSurface destination;
    destination.Create(kW, kH);
    for (int n = 0; n < 1000; ++n) {
        source.colourKeyed = n % 2 == 0;
        if (source.colourKeyed)
            source.SetColourKey(kKeyGreen);
        const CRect sourceRect{place(random) / 4, place(random) / 4, 5 + place(random), 5 + place(random) / 2};
        const CRect clip{place(random) / 2, place(random) / 2, 20 + place(random), 20 + place(random)};
        const int x = place(random), y = place(random);
        destination.Image().fill(0x1111);
        CopySurface(source, sourceRect, destination, x, y, 1, clip);
        // Every destination pixel: from the source where the rectangle, the
        // source, the clip and the destination all allow it and no key says no.
        for (int dy = 0; dy < kH; ++dy)
            for (int dx = 0; dx < kW; ++dx) {
                const int sx = sourceRect.left + (dx - x);
                const int sy = sourceRect.top + (dy - y);
                const bool inside = sx >= qMax(0, sourceRect.left) && sx < qMin(kSourceWidth, sourceRect.right)
                                    && sy >= qMax(0, sourceRect.top) && sy < qMin(20, sourceRect.bottom)
                                    && dx >= clip.left && dx < clip.right && dy >= clip.top && dy < clip.bottom;
                uint16_t want = 0x1111;
                if (inside && !(source.colourKeyed && source.Pixel(sx, sy) == 0x07E0))
                    want = source.Pixel(sx, sy);
                ASSERT_EQ(want, destination.Pixel(dx, dy)) << "copy " << n << " at " << dx << "," << dy;
            }
    }
}

TEST(ScaledCopies, SetThePixelsOfTheBlockRuleWhereverTheClipCutsThem)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> coordinate(-30, 70);
    CSurface source;
    source.Create(13, 9);
    source.SetColourKey(Rgb(0, 255, 0));
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 13; ++x)
            source.SetPixel(x, y, (x + y) % 4 == 0 ? 0x07E0 : uint16_t(x * 100 + y + 1));
    for (int n = 0; n < 600; ++n) {
        const int scale = 2 + n % 2;
        source.colourKeyed = n % 3 != 0;
        CSurface got, expected;
        for (CSurface* s : {&got, &expected}) {
            s->Create(kW, kH);
            s->Image().fill(0);
        }
        const CRect part{coordinate(random) / 8, coordinate(random) / 8, 13, 9};
        const CRect clip{coordinate(random), coordinate(random), coordinate(random), coordinate(random)};
        const int x = coordinate(random), y = coordinate(random);
        CopySurface(source, part, got, x, y, scale, clip);
        // The block rule: every source pixel of the part, unless it is the key,
        // covers scale x scale pixels, cut at the clip and the surface.
        for (int sy = std::max(part.top, 0); sy < part.bottom; ++sy)
            for (int sx = std::max(part.left, 0); sx < part.right; ++sx) {
                const uint16_t v = source.Pixel(sx, sy);
                if (source.colourKeyed && v == source.KeyValue())
                    continue;
                for (int ry = 0; ry < scale; ++ry)
                    for (int rx = 0; rx < scale; ++rx) {
                        const int dx = x + (sx - part.left) * scale + rx, dy = y + (sy - part.top) * scale + ry;
                        if (dx >= std::max(clip.left, 0) && dx < std::min(clip.right, kW) && dy >= std::max(clip.top, 0)
                            && dy < std::min(clip.bottom, kH))
                            expected.SetPixel(dx, dy, v);
                    }
            }
        ASSERT_TRUE(SamePixels(expected, got)) << n << ": " << x << "," << y << " x" << scale;
    }
}

TEST(DrawSurfaceOverClear, SetsThePixelsOfAClearFollowedByAKeyedCopy)
{
    // Wide enough for rows of several blocks of sixteen pixels and a tail.
    constexpr int kSourceWidth = 37;
    CSurface source;
    source.Create(kSourceWidth, 9);
    source.SetColourKey(Rgb(0, 255, 0));
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < kSourceWidth; ++x)
            source.SetPixel(x, y, (x * y) % 5 == 0 ? 0x07E0 : uint16_t(x * 100 + y + 1));
    // Lines over it, drawn band by band: down every row, across the bands'
    // edges, overlapping, cut at the edges; and one slanting, drawn after.
    const std::vector<CLineBatch::Added> straight{
        {5, -1, 5, 60, 0x0001}, {0, 31, 70, 31, 0x0002}, {3, 33, 3, 20, 0x0003}, {-5, 32, 8, 32, 0x0004}};
    std::vector<CLineBatch::Added> slanting = straight;
    slanting.push_back({0, 0, 19, 47, 0x0005});
    for (const std::vector<CLineBatch::Added>* lines : std::initializer_list<decltype(&straight)>{nullptr, &straight, &slanting})
        for (const int width : {20, 26, 40, 64, 80})
            for (const int scale : {1, 2, 3})
                for (const bool keyed : {true, false}) {
                    source.colourKeyed = keyed;
                    CDisplay one, two;
                    one.Initialise(nullptr, width, kH);
                    two.Initialise(nullptr, width, kH);
                    two.BackBuffer()->Image().fill(0x1234); // whatever was there before
                    one.Clear(0xFFFF);
                    one.DrawSurface(0, 0, &source, nullptr, scale);
                    CLineBatch batch;
                    for (const CLineBatch::Added& l : lines ? *lines : std::vector<CLineBatch::Added>()) {
                        one.Line(l.x1, l.y1, l.x2, l.y2, l.value);
                        batch.Line(l.x1, l.y1, l.x2, l.y2, l.value);
                    }
                    ASSERT_EQ(S_OK, two.DrawSurfaceOverClear(&source, scale, 0xFFFF, lines ? &batch : nullptr));
                    ASSERT_EQ(one.BackBuffer()->Image(), two.BackBuffer()->Image())
                        << width << " x" << scale << keyed << (lines ? lines->size() : 0);
                    EXPECT_TRUE(batch.Empty());
                }
}

TEST(DrawBitmap, ABitmapOfTheSurfacesSizeConvertsEveryPixelAsTheColourRuleDoes)
{
    std::mt19937 random(3);
    QImage bitmap(17, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 17; ++x)
            bitmap.setPixel(x, y, random() & 0xFFFFFF);
    const QImage packed = bitmap.convertToFormat(QImage::Format_RGB888);
    CSurface whole, wholePacked, stretched;
    whole.Create(17, 5);
    wholePacked.Create(17, 5);
    stretched.Create(34, 5);
    ASSERT_EQ(S_OK, whole.DrawBitmap(bitmap));
    ASSERT_EQ(S_OK, wholePacked.DrawBitmap(packed));
    ASSERT_EQ(S_OK, stretched.DrawBitmap(bitmap));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 17; ++x) {
            const QRgb c = bitmap.pixel(x, y);
            const uint16_t expected = ToPixel565(Rgb(uint8_t(qRed(c)), uint8_t(qGreen(c)), uint8_t(qBlue(c))));
            ASSERT_EQ(expected, whole.Pixel(x, y)) << x << "," << y;
            ASSERT_EQ(expected, wholePacked.Pixel(x, y)) << x << "," << y;
            ASSERT_EQ(expected, stretched.Pixel(2 * x + 1, y)) << x << "," << y;
        }
}

TEST(ScaledCopies, MatchThePixelRuleWithKeysSourceRectanglesAndClipping)
{
    std::mt19937 random(13);
    std::uniform_int_distribution<int> place(-40, 70);
    CSurface source;
    source.Create(30, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            source.SetPixel(x, y, (x + y) % 3 == 0 ? 0x07E0 : uint16_t(x * 100 + y + 1));
    CSurface destination;
    destination.Create(kW, kH);
    auto floorDiv = [](int a, int b) { return int(std::floor(double(a) / b)); };
    for (int n = 0; n < 1000; ++n) {
        const int scale = 2 + n % 3 / 2; // 2, 2, 3
        source.colourKeyed = n % 2 == 0;
        if (source.colourKeyed)
            source.SetColourKey(kKeyGreen);
        const CRect sourceRect{place(random) / 4, place(random) / 4, 5 + place(random) / 2, 5 + place(random) / 2};
        const CRect clip{place(random) / 2, place(random) / 2, 20 + place(random), 20 + place(random)};
        const int x = place(random), y = place(random);
        destination.Image().fill(0x1111);
        CopySurface(source, sourceRect, destination, x, y, scale, clip);
        for (int dy = 0; dy < kH; ++dy)
            for (int dx = 0; dx < kW; ++dx) {
                const int sx = sourceRect.left + floorDiv(dx - x, scale);
                const int sy = sourceRect.top + floorDiv(dy - y, scale);
                const bool inside = dx >= x && dy >= y && sx >= qMax(0, sourceRect.left)
                                    && sx < qMin(30, sourceRect.right) && sy >= qMax(0, sourceRect.top)
                                    && sy < qMin(20, sourceRect.bottom) && dx >= clip.left && dx < clip.right
                                    && dy >= clip.top && dy < clip.bottom;
                uint16_t want = 0x1111;
                if (inside && !(source.colourKeyed && source.Pixel(sx, sy) == 0x07E0))
                    want = source.Pixel(sx, sy);
                ASSERT_EQ(want, destination.Pixel(dx, dy)) << "copy " << n << " scale " << scale << " at " << dx << ","
                                                           << dy;
            }
    }
}

TEST(ScaledCopies, AnEmptyClipAtTheLastRowOrColumnWritesNothing)
{
    CSurface source;
    source.Create(8, 8);
    source.Fill(Rgb(255, 0, 0));
    CSurface destination;
    destination.Create(kW, kH);
    for (const CRect clip : {CRect{0, kH, kW, kH}, CRect{kW, 0, kW, kH}, CRect{10, 5, 10, 20}, CRect{3, 9, 40, 9}}) {
        destination.Image().fill(0x1111);
        CopySurface(source, CRect{0, 0, 8, 8}, destination, 1, kH - 9, 2, clip);
        CopySurface(source, CRect{0, 0, 8, 8}, destination, kW - 9, 1, 3, clip);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                ASSERT_EQ(0x1111, destination.Pixel(x, y)) << x << "," << y;
    }
}

TEST(ZeroedImages, LargeOnesStartAsZeroAndRowsOfWholeKilobytesGetALineMore)
{
    const struct {
        int width, height;
        QImage::Format format;
        qsizetype bytesPerLine;
    } rows[] = {
        {1024, 768, QImage::Format_RGB16, 2048 + 64},  // the back buffer, on huge pages
        {1023, 1025, QImage::Format_RGB16, 2048 + 64}, // an odd row padded to a whole word, then a line
        {700, 400, QImage::Format_RGB32, 2800},
        {1024, 96, QImage::Format_RGB16, 2048},        // too small to be worth it: as Qt lays it out
    };
    for (const auto& r : rows) {
        QImage made = ZeroedImage(r.width, r.height, r.format);
        ASSERT_FALSE(made.isNull()) << r.width;
        EXPECT_EQ(r.bytesPerLine, made.bytesPerLine()) << r.width;
        EXPECT_EQ(r.bytesPerLine * r.height, made.sizeInBytes()) << r.width;
        const uchar* bits = made.constBits();
        EXPECT_TRUE(std::all_of(bits, bits + made.sizeInBytes(), [](uchar b) { return b == 0; })) << r.width;
        // Written to its last pixel, kept like a frame (into an image of
        // either layout), copied and dropped without a fault.
        made.setPixel(r.width - 1, r.height - 1, 0x5A);
        for (QImage kept : {QImage(), QImage(r.width, r.height, r.format)}) {
            ASSERT_TRUE(CopyIntoKept(made, kept)) << r.width;
            EXPECT_EQ(made, kept) << r.width;
        }
        EXPECT_EQ(made.pixel(r.width - 1, r.height - 1), made.copy().pixel(r.width - 1, r.height - 1));
    }
}
