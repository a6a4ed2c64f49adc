// The shorter roads of the drawing layer: texts put from the pixels they gave
// before, lines drawn row by row, and keyed copies that skip or copy whole
// rows. Each must give exactly the pixels of the plain way.
#include "display/Display.h"
#include "display/LineBatch.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {
bool SameSurfaces(const CSurface& a, const CSurface& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

// Grounds that repeat every 30 pixels across and 20 down.
const std::vector<std::pair<const char*, std::function<uint16_t(int, int)>>> kGrounds = {
    {"white", [](int, int) { return uint16_t(0xFFFF); }},
    {"grey", [](int, int) { return uint16_t(0xC618); }},
    {"stripes", [](int x, int y) { return uint16_t(((x / 3 + y / 2) % 5) * 0x3333); }},
    {"key green and dots", [](int x, int y) { return uint16_t(x % 3 && y % 2 ? 0x1234 : 0x07E0); }},
};

void Paint(CDisplay& display, const std::function<uint16_t(int, int)>& ground)
{
    CSurface& b = *display.BackBuffer();
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            b.SetPixel(x, y, ground(x, y));
}
} // namespace

TEST(ReusedTexts, GiveThePixelsOfTextsDrawnAfreshWhereverTheyStand)
{
    const QStringList texts = {QStringLiteral("0,0"), QStringLiteral("12,34"), QStringLiteral("Sprites: 56 Fill: Wq"),
                               QStringLiteral("gjpqy|ÄÉ")};
    const std::vector<Colour> colours = {Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(200, 30, 90)};
    CDisplay reusing;
    reusing.Initialise(nullptr, 240, 120);
    int reused = 0;
    for (const auto& [groundName, ground] : kGrounds)
        for (const QString& text : texts)
            for (Colour colour : colours) {
                // Kept at one place, put at another over the same ground.
                Paint(reusing, ground);
                reusing.Text(nullptr, text, 30, 20, 0, colour);
                Paint(reusing, ground);
                reusing.Text(nullptr, text, 90, 60, 0, colour);
                CDisplay fresh;
                fresh.Initialise(nullptr, 240, 120);
                Paint(fresh, ground);
                fresh.Text(nullptr, text, 90, 60, 0, colour);
                ASSERT_EQ(0, fresh.TextsReused());
                EXPECT_TRUE(SameSurfaces(*fresh.BackBuffer(), *reusing.BackBuffer()))
                    << text.toStdString() << " on " << groundName << " in " << colour;
                EXPECT_EQ(++reused, reusing.TextsReused()) << text.toStdString() << " on " << groundName;
            }
}

TEST(ReusedTexts, AreDrawnAfreshOverOtherGroundOrWhereTheEdgeCutsThem)
{
    struct Case {
        const char* what;
        int x, y;
        bool reusable;
    };
    const Case cases[] = {{"same ground", 40, 30, true}, {"other ground", 40, 30, false},
                          {"cut at the left", -4, 30, false}, {"cut at the bottom", 40, 112, false},
                          {"cut at the right", 222, 30, false}};
    for (const Case& c : cases) {
        CDisplay reusing, fresh;
        for (CDisplay* d : {&reusing, &fresh})
            d->Initialise(nullptr, 240, 120);
        Paint(reusing, kGrounds[2].second);
        reusing.Text(nullptr, QStringLiteral("12,34"), c.x, c.y, 0, 0);
        const auto& ground = c.reusable ? kGrounds[2].second : kGrounds[3].second;
        Paint(reusing, ground);
        reusing.Text(nullptr, QStringLiteral("12,34"), c.x, c.y, 0, 0);
        Paint(fresh, ground);
        fresh.Text(nullptr, QStringLiteral("12,34"), c.x, c.y, 0, 0);
        EXPECT_TRUE(SameSurfaces(*fresh.BackBuffer(), *reusing.BackBuffer())) << c.what;
        EXPECT_EQ(c.reusable ? 1 : 0, reusing.TextsReused()) << c.what;
    }
}

TEST(ReusedTexts, AreDrawnAfreshWhereOnePixelUnderThemChanged)
{
    // Every place in and around the text's rectangle, so that no row, block
    // or last pixel of it goes unlooked-at.
    CDisplay reusing;
    reusing.Initialise(nullptr, 120, 60);
    const QString text = QStringLiteral("12,34");
    for (int y = 24; y < 50; ++y)
        for (int x = 34; x < 80; ++x) {
            Paint(reusing, kGrounds[2].second);
            reusing.Text(nullptr, text, 40, 30, 0, 0);
            Paint(reusing, kGrounds[2].second);
            reusing.BackBuffer()->SetPixel(x, y, 0x07E0);
            reusing.Text(nullptr, text, 40, 30, 0, 0);
            CDisplay fresh; // keeps nothing from before
            fresh.Initialise(nullptr, 120, 60);
            Paint(fresh, kGrounds[2].second);
            fresh.BackBuffer()->SetPixel(x, y, 0x07E0);
            fresh.Text(nullptr, text, 40, 30, 0, 0);
            ASSERT_TRUE(SameSurfaces(*fresh.BackBuffer(), *reusing.BackBuffer())) << x << "," << y;
        }
}

TEST(LineBatches, SetThePixelsOfTheirLinesDrawnOneByOneInOrder)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<int> coordinate(-15, 75);
    std::uniform_int_distribution<int> kind(0, 9);
    for (int n = 0; n < 300; ++n) {
        CDisplay batched, oneByOne;
        for (CDisplay* d : {&batched, &oneByOne}) {
            d->Initialise(nullptr, 64, 48);
            d->Clear(0x1111);
        }
        CLineBatch lines;
        const int count = 1 + n % 25;
        for (int i = 0; i < count; ++i) {
            int x1 = coordinate(random), y1 = coordinate(random), x2 = coordinate(random), y2 = coordinate(random);
            const int k = kind(random);
            if (k < 4)
                x2 = x1; // upright, the most of every outline
            else if (k < 8)
                y2 = y1;
            const uint32_t value = 0x100u * uint32_t(i + 1) + uint32_t(k);
            if (k == 9) {
                lines.Outline(x1, y1, x2, y2, value);
                oneByOne.Outline(x1, y1, x2, y2, value);
            } else {
                lines.Line(x1, y1, x2, y2, value);
                oneByOne.Line(x1, y1, x2, y2, value);
            }
        }
        // In bands of rows, where every line is straight; then all at once.
        CDisplay banded;
        banded.Initialise(nullptr, 64, 48);
        banded.Clear(0x1111);
        bool straight = true;
        for (int top = -5; top < 55 && straight; top += 1 + n % 13)
            straight = lines.DrawRows(banded, top, top + 1 + n % 13);
        if (straight)
            EXPECT_TRUE(SameSurfaces(*oneByOne.BackBuffer(), *banded.BackBuffer())) << "bands of batch " << n;
        else
            EXPECT_TRUE(SameSurfaces(CSurface(*banded.BackBuffer()), [] {
                CSurface untouched;
                untouched.Create(64, 48);
                untouched.Image().fill(0x1111);
                return untouched;
            }())) << "a slanting line drew in bands in batch " << n;
        // In blocks that tile the surface and more, row by row of blocks.
        CDisplay tiled;
        tiled.Initialise(nullptr, 64, 48);
        tiled.Clear(0x1111);
        const int blockWidth = 7 + n % 11;
        const int blockHeight = 5 + n % 9;
        bool tiledStraight = true;
        for (int top = -5; top < 55; top += blockHeight)
            for (int left = -5; left < 70; left += blockWidth)
                tiledStraight = lines.DrawWithin(tiled, {left, top, left + blockWidth, top + blockHeight}) && tiledStraight;
        EXPECT_EQ(straight, tiledStraight) << "blocks of batch " << n;
        EXPECT_TRUE(SameSurfaces(straight ? *oneByOne.BackBuffer() : *banded.BackBuffer(), *tiled.BackBuffer()))
            << "blocks of batch " << n;
        lines.DrawInto(batched);
        ASSERT_TRUE(lines.Empty());
        ASSERT_TRUE(SameSurfaces(*oneByOne.BackBuffer(), *batched.BackBuffer())) << "batch " << n;
    }
}

TEST(KeyedCopies, SkipRowsOfKeyAndCopyRowsWithoutItAndSeeEveryChangeOfPixelsOrKey)
{
    CSurface source;
    source.Create(20, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 20; ++x) // rows: all key, none, some, all key, none, some
            source.SetPixel(x, y, y % 3 == 0 || (y % 3 == 2 && x % 4 == 1) ? 0x07E0 : uint16_t(0x100 * y + x + 1));
    source.SetColourKey(kKeyGreen);
    auto check = [&](const char* when) {
        CSurface got;
        got.Create(30, 10);
        got.Image().fill(0x2222);
        CopySurface(source, CRect{0, 0, 20, 6}, got, 3, 2, 1, CRect{0, 0, 30, 10});
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 30; ++x) {
                const int sx = x - 3, sy = y - 2;
                uint16_t want = 0x2222;
                if (sx >= 0 && sx < 20 && sy >= 0 && sy < 6 && source.Pixel(sx, sy) != source.KeyValue())
                    want = source.Pixel(sx, sy);
                ASSERT_EQ(want, got.Pixel(x, y)) << when << " at " << x << "," << y;
            }
    };
    check("first copy");
    source.SetPixel(7, 0, 0xABCD); // a row of key no longer
    source.SetPixel(2, 1, 0x07E0); // a row without key no longer
    check("after pixels changed");
    source.FillRect(Rgb(255, 0, 0), 0, 4, 20, 5);
    check("after a rectangle was filled");
    source.SetColourKey(Rgb(255, 0, 0));
    check("after the key changed");
}
