#include "screens/ScreenFixture.h"

#include <QElapsedTimer>

namespace {
// The blue test sprite: 16 x 16 with a keyed 4 x 4 hole at (6..9, 6..9).
bool BlueIsKeyedAt(int lx, int ly)
{
    return lx >= 6 && lx < 10 && ly >= 6 && ly < 10;
}
} // namespace

TEST_F(ScreenTest, AnEmptyScreenIsWhite)
{
    screen->Render();
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            ASSERT_EQ(kWhite, Pixel(x, y));
}

TEST_F(ScreenTest, FillsAreTiledFromTheirCornerAndCutAtTheirEdges)
{
    // 24 x 20 is not a whole number of 16 x 16 tiles: the second column and row are cut.
    screen->AddFill(Item("blue"), 101, 50, 125, 70);
    for (int y = 40; y < 80; ++y) {
        for (int x = 90; x < 140; ++x) {
            const bool inside = x >= 101 && x < 125 && y >= 50 && y < 70;
            const int lx = (x - 101) % 16;
            const int ly = (y - 50) % 16;
            const uint16_t expected = inside && !BlueIsKeyedAt(lx, ly) ? kBlue565 : kWhite;
            ASSERT_EQ(expected, Pixel(x, y)) << x << "," << y;
        }
    }
}

TEST_F(ScreenTest, AHole001FillIsOnlyARedDashedOutline)
{
    screen->AddFill(Item("hole001"), 40, 40, 140, 80);
    int red = 0;
    int white = 0;
    for (int x = 40; x < 140; ++x)
        (Pixel(x, 40) == kRed565 ? red : white) += 1;
    EXPECT_GT(red, 40);   // drawn
    EXPECT_GT(white, 10); // with gaps
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) {
            const uint16_t p = Pixel(x, y);
            ASSERT_TRUE(p == kWhite || p == kRed565) << x << "," << y; // never the black tile
            const bool onOutline = x == 40 || x == 140 || y == 40 || y == 80;
            if (p == kRed565) {
                ASSERT_TRUE(onOutline) << x << "," << y;
            }
        }
    // The right and bottom sides are drawn too.
    int right = 0;
    int bottom = 0;
    for (int y = 40; y <= 80; ++y)
        right += Pixel(140, y) == kRed565;
    for (int x = 40; x <= 140; ++x)
        bottom += Pixel(x, 80) == kRed565;
    EXPECT_GT(right, 15);
    EXPECT_GT(bottom, 40);
}

TEST_F(ScreenTest, AHole002FillIsOnlyAGreenDashedOutlineOverEverythingElse)
{
    screen->AddFill(Item("hole002"), 10, 10, 60, 60);
    Place("blue", 0, 0); // a sprite added later still lies under the outline
    EXPECT_EQ(kGreen565, Pixel(10, 10));
    EXPECT_EQ(kBlue565, Pixel(11, 11));
    EXPECT_EQ(kWhite, Pixel(30, 30));
}

TEST_F(ScreenTest, OnTopFillsLieAboveNormalSpritesAndOnTopSpritesAboveThem)
{
    screen->AddFill(Item("yellow"), 4, 4, 12, 12); // on-top fill, added first
    Place("blue", 0, 0);                            // normal sprite, added later
    Place("cyan", 8, 8);                            // on-top sprite
    screen->AddFill(Item("red"), 0, 0, 40, 40);     // normal fill, added last
    EXPECT_EQ(kYellow565, Pixel(5, 5));
    EXPECT_EQ(kCyan565, Pixel(9, 9));
    EXPECT_EQ(kBlue565, Pixel(1, 1));
    EXPECT_EQ(kRed565, Pixel(30, 30));
}

TEST_F(ScreenTest, KeyedPixelsShowWhatLiesBeneath)
{
    screen->AddFill(Item("red"), 0, 0, 32, 32);
    Place("blue", 0, 0);
    EXPECT_EQ(kRed565, Pixel(7, 7));
    EXPECT_EQ(kBlue565, Pixel(5, 5));
}

TEST_F(ScreenTest, SpritesAndFillsOverTheEdgesAreClipped)
{
    Place("blue", 310, -8);
    EXPECT_EQ(kBlue565, Pixel(319, 7));
    EXPECT_EQ(kBlue565, Pixel(315, 0));
    EXPECT_EQ(kWhite, Pixel(318, 0)); // the keyed middle, row 8 of the sprite
    EXPECT_EQ(kWhite, Pixel(310, 8));
    screen->AddFill(Item("red"), 300, 230, 640, 480);
    EXPECT_EQ(kRed565, Pixel(319, 239));
}

TEST_F(ScreenTest, HugeOrDegenerateFillsRenderAtOnce)
{
    // A hand-made file: a fill of a billion units and a tile of no size.
    base.Write(QStringLiteral("sprite sheets\\flat.spt"), sheetfixture::Still("", "flat", 0, 0, 0, 8, true, "FALSE")
                                                              .prepend("Flat\r\n"));
    sheetfixture::WriteBitmap(base, QStringLiteral("flat"), sheetfixture::TilesImage());
    sheetfixture::ListSheets(base, QStringLiteral("Q"), {"tiles", "flat"});
    library = std::make_unique<CSheetLibrary>(&display, ui);
    screen = NewScreen(1, 2);
    base.Write(QStringLiteral("questdata\\Q\\screens\\1-2.lnd"),
               "0\r\n2\r\n-2000000000\r\n-2000000001\r\n2000000000\r\n2000000000\r\nblue\r\n0\r\n0\r\n100\r\n100\r\nflat\r\n");
    ASSERT_EQ(1, screen->Load());
    QElapsedTimer timer;
    timer.start();
    screen->Render();
    EXPECT_LT(timer.elapsed(), 5000);
    // Tiles keep their steps from the fill's corner at -1000000000, -1000000000.
    const int lx = int((0 + 1000000000LL) % 16);
    EXPECT_EQ(BlueIsKeyedAt(lx, lx) ? kWhite : kBlue565, Pixel(0, 0));
    EXPECT_EQ(BlueIsKeyedAt((100 + 1000000000LL) % 16, (50 + 1000000000LL) % 16) ? kWhite : kBlue565,
              Pixel(100, 50));
}

TEST_F(ScreenTest, AHighlightedSpriteGetsItsFrame)
{
    CPlacedSprite* placed = Place("blue", 20, 30);
    placed->highlighted = 1;
    screen->Render();
    EXPECT_EQ(kBlack565, Pixel(20, 30));
    EXPECT_EQ(kBlack565, Pixel(36, 40));
    EXPECT_EQ(std::make_tuple(20, 30), std::make_tuple(placed->frameX, placed->frameY));
}
