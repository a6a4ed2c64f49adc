#include "display/Display.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {
using PixelSet = std::set<std::pair<int, int>>;

void Ready(CDisplay& display, int width = 64, int height = 48)
{
    EXPECT_EQ(S_OK, display.Initialise(nullptr, width, height));
    display.Clear(0);
}

PixelSet SetPixels(const CDisplay& display)
{
    PixelSet set;
    const CSurface* b = display.BackBuffer();
    for (int y = 0; y < b->Height(); ++y)
        for (int x = 0; x < b->Width(); ++x)
            if (b->Pixel(x, y) != 0)
                set.insert({x, y});
    return set;
}
} // namespace

TEST(DisplayLine, LeavesOutTheEndPoint)
{
    CDisplay display;
    Ready(display);
    display.Line(10, 10, 10, 10, 0xFFFF);
    EXPECT_TRUE(SetPixels(display).empty());
    display.Line(0, 0, 3, 0, 0xFFFF);
    EXPECT_EQ((PixelSet{{0, 0}, {1, 0}, {2, 0}}), SetPixels(display));
}

TEST(DisplayLine, SteepLinesStepAlongY)
{
    CDisplay display;
    Ready(display);
    display.Line(0, 0, 2, 5, 0xFFFF);
    EXPECT_EQ((PixelSet{{0, 0}, {0, 1}, {0, 2}, {1, 3}, {1, 4}}), SetPixels(display));
}

TEST(DisplayLine, RunsBackwardsWithTruncationTowardZero)
{
    CDisplay display;
    Ready(display);
    display.Line(5, 3, 0, 0, 0xFFFF);
    // x steps -1 from 5; y moves by -0.6 per step, cut toward zero.
    EXPECT_EQ((PixelSet{{5, 3}, {4, 3}, {3, 2}, {2, 2}, {1, 1}}), SetPixels(display));
}

TEST(DisplayLine, IsClippedAtTheRightEdgeWithoutWrapping)
{
    CDisplay display;
    Ready(display, 16, 8);
    display.Line(12, 2, 24, 2, 0xFFFF);
    EXPECT_EQ((PixelSet{{12, 2}, {13, 2}, {14, 2}, {15, 2}}), SetPixels(display));
    display.Line(-5, -5, 2, 2, 0x1234); // also clipped at the top and left
    EXPECT_EQ(0x1234, display.BackBuffer()->Pixel(0, 0));
    EXPECT_EQ(0x1234, display.BackBuffer()->Pixel(1, 1));
    EXPECT_EQ(0, display.BackBuffer()->Pixel(2, 2));
}

TEST(DisplayOutline, LeavesTheFarCornerUnset)
{
    CDisplay display;
    Ready(display);
    display.Outline(0, 0, 4, 4, 255);
    const PixelSet set = SetPixels(display);
    EXPECT_EQ(0u, set.count({4, 4}));
    EXPECT_EQ(1u, set.count({4, 0}));
    EXPECT_EQ(1u, set.count({0, 4}));
    EXPECT_EQ(1u, set.count({4, 3}));
    EXPECT_EQ(15u, set.size());
    EXPECT_EQ(255, display.BackBuffer()->Pixel(2, 0));
}

TEST(DisplayFill, WritesTheRawValueCutAtTheEdges)
{
    CDisplay display;
    Ready(display, 10, 10);
    display.FillRect(0xFFFFFF, -5, 8, 3, 20); // white passes its low 16 bits
    EXPECT_EQ(0xFFFF, display.BackBuffer()->Pixel(0, 9));
    EXPECT_EQ(0xFFFF, display.BackBuffer()->Pixel(2, 8));
    EXPECT_EQ(0, display.BackBuffer()->Pixel(3, 8));
    EXPECT_EQ(0, display.BackBuffer()->Pixel(0, 7));
    EXPECT_EQ(6u, SetPixels(display).size());
}

TEST(DisplayResults, OperationsWithoutABackBuffer)
{
    CDisplay display;
    EXPECT_EQ(E_POINTER, display.Clear(0));
    std::unique_ptr<CSurface> surface;
    EXPECT_EQ(E_POINTER, display.CreateSurface(&surface, 4, 4));
    EXPECT_EQ(E_POINTER, display.Present());
    ASSERT_EQ(S_OK, display.Initialise(nullptr, 1024, 768));
    EXPECT_EQ(1024, display.BackBuffer()->Width());
    EXPECT_EQ(768, display.BackBuffer()->Height());
    EXPECT_EQ(E_INVALIDARG, display.CreateSurface(nullptr, 4, 4));
    EXPECT_EQ(E_INVALIDARG, display.DrawSurface(0, 0, nullptr, nullptr, 1));
    EXPECT_EQ(S_OK, display.CreateSurface(&surface, 4, 4));
    ASSERT_TRUE(surface);
    EXPECT_EQ(4, surface->Width());
    EXPECT_EQ(E_FAIL, display.CreateSurfaceFromBitmap(&surface, QStringLiteral("/nonexistent/x.bmp")));
}

TEST(SurfaceColours, ConvertToFiveSixFive)
{
    CSurface surface;
    ASSERT_EQ(S_OK, surface.Create(2, 2));
    EXPECT_EQ(0xFFFFu, surface.ConvertColour(Rgb(255, 255, 255)));
    EXPECT_EQ(0x07E0u, surface.ConvertColour(kKeyGreen));
    EXPECT_EQ(0xF800u, surface.ConvertColour(Rgb(255, 0, 0)));
    EXPECT_EQ(0x001Fu, surface.ConvertColour(Rgb(0, 0, 255)));
    EXPECT_EQ(0x0000u, surface.ConvertColour(Rgb(7, 3, 7))); // below one step of each channel
    surface.SetPixel(0, 0, 0xABCD);
    EXPECT_EQ(0xABCDu, surface.ConvertColour(kNoColour)); // read, not set
    EXPECT_EQ(0xABCD, surface.Pixel(0, 0));
    surface.SetColourKey(kKeyGreen);
    EXPECT_TRUE(surface.colourKeyed);
    EXPECT_EQ(0x07E0, surface.KeyValue());
    surface.Fill(Rgb(255, 255, 255));
    surface.FillRect(Rgb(255, 0, 0), 1, 1, 5, 5);
    EXPECT_EQ(0xFFFF, surface.Pixel(0, 1));
    EXPECT_EQ(0xF800, surface.Pixel(1, 1));
}

TEST(DrawSurface, KeyedCopyLeavesKeyPixelsAlone)
{
    CDisplay display;
    Ready(display, 8, 8);
    display.Clear(0x1111);
    CSurface sprite;
    sprite.Create(2, 2);
    sprite.Fill(Rgb(255, 0, 0));
    sprite.SetPixel(1, 1, 0x07E0);
    sprite.SetColourKey(kKeyGreen);
    display.DrawSurface(3, 3, &sprite, nullptr, 1);
    EXPECT_EQ(0xF800, display.BackBuffer()->Pixel(3, 3));
    EXPECT_EQ(0x1111, display.BackBuffer()->Pixel(4, 4)); // key colour left out
    sprite.colourKeyed = false;
    display.DrawSurface(3, 3, &sprite, nullptr, 1);
    EXPECT_EQ(0x07E0, display.BackBuffer()->Pixel(4, 4)); // an unkeyed copy writes every pixel
}

TEST(DrawSurface, ScalesByWholeNumbersAndCutsAtTheBackBuffer)
{
    CDisplay display;
    Ready(display, 8, 8);
    CSurface sprite;
    sprite.Create(3, 1);
    sprite.SetPixel(0, 0, 1);
    sprite.SetPixel(1, 0, 2);
    sprite.SetPixel(2, 0, 3);
    const CRect part{1, 0, 3, 1};
    display.DrawSurface(5, 6, &sprite, &part, 2);
    EXPECT_EQ(2, display.BackBuffer()->Pixel(5, 6));
    EXPECT_EQ(2, display.BackBuffer()->Pixel(6, 7));
    EXPECT_EQ(3, display.BackBuffer()->Pixel(7, 6));
    EXPECT_EQ(0, display.BackBuffer()->Pixel(4, 6));
}

TEST(DrawSurfaceOnto, NeedsAKeyedSourceAndCutsTilesAtTheClipRectangle)
{
    CDisplay display;
    Ready(display);
    CSurface tile, target;
    tile.Create(4, 4);
    tile.Fill(Rgb(0, 0, 255));
    target.Create(10, 10);
    target.Fill(Rgb(255, 255, 255));
    EXPECT_EQ(E_FAIL, display.DrawSurfaceOnto(0, 0, &tile, &target, nullptr, 1, nullptr));
    tile.SetColourKey(kKeyGreen);
    const CRect clip{0, 0, 6, 5};
    EXPECT_EQ(S_OK, display.DrawSurfaceOnto(4, 2, &tile, &target, nullptr, 1, &clip));
    EXPECT_EQ(0x001F, target.Pixel(5, 4));
    EXPECT_EQ(0xFFFF, target.Pixel(6, 4)); // cut off, not squeezed
    EXPECT_EQ(0xFFFF, target.Pixel(5, 5));
    EXPECT_EQ(0x001F, target.Pixel(4, 2));
}

TEST(DisplayPresent, HandsTheWholeBackBufferOver)
{
    CDisplay display;
    Ready(display, 4, 4);
    display.FillRect(0xF800, 0, 0, 1, 1);
    QImage shown;
    display.SetPresenter([&shown](const QImage& frame) { shown = frame.copy(); });
    EXPECT_EQ(S_OK, display.Present());
    EXPECT_EQ(1, display.PresentCount());
    ASSERT_EQ(QSize(4, 4), shown.size());
    EXPECT_EQ(QColor(Qt::red).rgb(), shown.pixel(0, 0));
}

TEST(DisplayText, DrawsInTheTextColourOnATransparentBackground)
{
    CDisplay display;
    Ready(display, 64, 24);
    display.Clear(0xFFFF);
    ASSERT_EQ(S_OK, display.Text(nullptr, QStringLiteral("12,34"), 2, 2, Rgb(255, 255, 255), Rgb(0, 0, 0)));
    int inked = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 64; ++x)
            inked += display.BackBuffer()->Pixel(x, y) != 0xFFFF;
    EXPECT_GT(inked, 10);
    EXPECT_EQ(0xFFFF, display.BackBuffer()->Pixel(63, 23));
}

TEST(CreateSurfaceFromBitmap, LoadsABitmapFile)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(QColor(0, 255, 0));
    image.setPixel(2, 1, qRgb(255, 0, 0));
    const QString path = QDir::tempPath() + QStringLiteral("/tessell-display-test.bmp");
    ASSERT_TRUE(image.save(path, "BMP"));
    CDisplay display;
    Ready(display);
    std::unique_ptr<CSurface> surface;
    ASSERT_EQ(S_OK, display.CreateSurfaceFromBitmap(&surface, path));
    EXPECT_EQ(3, surface->Width());
    EXPECT_EQ(0x07E0, surface->Pixel(0, 0));
    EXPECT_EQ(0xF800, surface->Pixel(2, 1));
    QFile::remove(path);
}
