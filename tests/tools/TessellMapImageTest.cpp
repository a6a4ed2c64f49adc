// tessell map-image draws the map's used area as the map designer draws its
// cells and groups: from the previews, or with --full from the screens.
#include "helpers/DecimalCommaLocale.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "tools/ToolRun.h"

#include "display/Display.h"
#include "screens/Screen.h"
#include "sheets/SheetLibrary.h"
#include "support/paths/Globals.h"

#include <QImage>
#include <QProcess>

#include <functional>
#include <map>

#include <gtest/gtest.h>

namespace {


// Demo's screens fill columns 1 to 3 and rows 1 to 2; its two groups, in map
// units (128 x 96 a cell), are (128, 96)-(384, 288) and (384, 96)-(512, 288).
// Each is outlined twice, inset by 2 and 3 pixels; an outline's four lines
// each stop short of their end point.
bool OnGroupOutline(int x, int y, int cellWidth, int cellHeight)
{
    struct Edges {
        int left, top, right, bottom; // cell edges, counted from the image's first column and row
    };
    for (const Edges& g : {Edges{0, 0, 2, 2}, Edges{2, 0, 3, 2}}) {
        for (int inset : {2, 3}) {
            const int l = g.left * cellWidth + inset, t = g.top * cellHeight + inset;
            const int r = g.right * cellWidth - inset, b = g.bottom * cellHeight - inset;
            if (((y == t || y == b) && x >= l && x < r) || ((x == l || x == r) && y >= t && y < b))
                return true;
        }
    }
    return false;
}

QImage ReadPng(const CTempBase& base, const QString& name)
{
    return QImage(base.root + QLatin1Char('/') + name).convertToFormat(QImage::Format_RGB16);
}

uint16_t At(const QImage& image, int x, int y)
{
    return reinterpret_cast<const uint16_t*>(image.constScanLine(y))[x];
}

// Counts the pixels of Demo's map image that differ from its cells' pixels
// (column and row on the map, x and y in the cell): a cell's key green lets
// the black beneath show, and the group outlines lie over everything.
int Differences(const QImage& image, int cellWidth, int cellHeight,
                const std::function<uint16_t(int column, int row, int x, int y)>& cellPixel)
{
    int differences = 0;
    for (int iy = 0; iy < image.height(); ++iy) {
        for (int ix = 0; ix < image.width(); ++ix) {
            const uint16_t pixel = cellPixel(ix / cellWidth + 1, iy / cellHeight + 1, ix % cellWidth, iy % cellHeight);
            const uint16_t expected = OnGroupOutline(ix, iy, cellWidth, cellHeight) ? 255 : pixel == 0x07E0 ? 0 : pixel;
            if (At(image, ix, iy) != expected && differences++ < 5)
                ADD_FAILURE() << "pixel " << ix << "," << iy << ": " << At(image, ix, iy) << " for " << expected;
        }
    }
    return differences;
}

} // namespace

TEST(TessellMapImage, DemosImageIsItsPreviewsPixelByPixelWithTheGroupsOutlined)
{
    CTempBase base(true);
    ASSERT_TRUE(base.CopyShippedWorkspace());
    const ToolText run = Tessell(base, {QStringLiteral("map-image"), QStringLiteral("Demo"), QStringLiteral("demo.png")});
    ASSERT_EQ(0, run.exitCode) << run.err.toStdString();
    const QImage image = ReadPng(base, QStringLiteral("demo.png"));
    ASSERT_EQ(QSize(3 * 128, 2 * 96), image.size());
    // A preview file holds one pixel value a line, rows from the top.
    std::map<std::pair<int, int>, QList<QByteArray>> previews;
    for (int column = 1; column <= 3; ++column)
        for (int row = 1; row <= 2; ++row)
            previews[{column, row}] =
                base.Read(QStringLiteral("questdata\\Demo\\screens\\%1-%2.bmp").arg(column).arg(row)).split('\n');
    EXPECT_EQ(0, Differences(image, 128, 96, [&](int column, int row, int x, int y) {
                  return uint16_t(previews[{column, row}].value(y * 128 + x).trimmed().toUInt());
              }));

    const CDecimalCommaLocale& locale = CDecimalCommaLocale::Get();
    ASSERT_TRUE(locale.Ready()) << locale.Error().toStdString();
    ASSERT_EQ(0, Tessell(base, {QStringLiteral("map-image"), QStringLiteral("Demo"), QStringLiteral("comma.png")},
                         locale.Environment())
                     .exitCode);
    EXPECT_EQ(base.Read(QStringLiteral("demo.png")), base.Read(QStringLiteral("comma.png")));
}

TEST(TessellMapImage, FullSizeCellsAreTheScreensAsTheEditorRendersThem)
{
    CTempBase base(true);
    ASSERT_TRUE(base.CopyShippedWorkspace());
    const ToolText run = Tessell(base, {QStringLiteral("map-image"), QStringLiteral("Demo"), QStringLiteral("full.png"),
                                   QStringLiteral("--full")});
    ASSERT_EQ(0, run.exitCode) << run.err.toStdString();
    const QImage image = ReadPng(base, QStringLiteral("full.png"));
    ASSERT_EQ(QSize(3 * 320, 2 * 240), image.size());

    g_questName = QStringLiteral("Demo");
    CFakeUi ui;
    CDisplay display;
    ASSERT_EQ(S_OK, display.Initialise(nullptr, 8, 8));
    CSheetLibrary library(&display, ui);
    std::map<std::pair<int, int>, QImage> screens;
    for (int column = 1; column <= 3; ++column) {
        for (int row = 1; row <= 2; ++row) {
            CScreen screen(&display, &ui, &library);
            ASSERT_EQ(S_OK, screen.Create());
            screen.mapCellX = column;
            screen.mapCellY = row;
            ASSERT_TRUE(screen.Load());
            screen.Render();
            screens[{column, row}] = screen.preview->Image().copy();
        }
    }
    EXPECT_EQ(0, Differences(image, 320, 240, [&](int column, int row, int x, int y) {
                  return reinterpret_cast<const uint16_t*>(screens[{column, row}].constScanLine(y))[x];
              }));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(TessellMapImage, EmptyCellsAreTheDesignersBlocksAndLargeMapsTellTheirProgress)
{
    CTempBase base;
    // Screens at (0, 0) and (10, 10): 121 cells, of which 119 are empty.
    base.Write(QStringLiteral("save\\Wide.qss"), "Vantraglen Tessellmancery Map File\r\n2\r\n0\r\n0\r\n0\r\n10\r\n10\r\n"
                                                 "0\r\n0\r\n160\r\n120\r\nWide\r\n0\r\n1\r\n");
    base.Write(QStringLiteral("save\\Bare.qss"),
               "Vantraglen Tessellmancery Map File\r\n0\r\n0\r\n160\r\n120\r\nBare\r\n0\r\n1\r\n");
    for (const char* cell : {"0-0", "10-10"})
        base.Write(QStringLiteral("questdata\\Wide\\screens\\%1.bmp").arg(QLatin1String(cell)), "1234\r\n");

    ToolText run = Tessell(base, {QStringLiteral("map-image"), QStringLiteral("Wide"), QStringLiteral("wide.png")});
    ASSERT_EQ(0, run.exitCode) << run.err.toStdString();
    EXPECT_EQ(1, run.err.count(QStringLiteral("cells drawn")));
    EXPECT_TRUE(run.err.contains(QStringLiteral("[100/121] cells drawn\n"))) << run.err.toStdString();
    const QImage image = ReadPng(base, QStringLiteral("wide.png"));
    ASSERT_EQ(QSize(11 * 128, 11 * 96), image.size());
    EXPECT_EQ(1234, At(image, 0, 0)); // the preview's first pixel; the rest of it is 0
    EXPECT_EQ(0, At(image, 1, 0));
    const int left = 128, top = 0; // the empty cell (1, 0): black, white from 2 pixels in
    EXPECT_EQ(0, At(image, left + 1, top + 1));
    EXPECT_EQ(0xFFFF, At(image, left + 2, top + 2));
    EXPECT_EQ(0xFFFF, At(image, left + 125, top + 93));
    EXPECT_EQ(0, At(image, left + 126, top + 93));

    const struct {
        QStringList args;
        int exitCode;
        QString error;
    } failures[] = {
        {{"map-image", "Bare", "bare.png"}, 1, "save\\Bare.qss: The map holds no screen, no map image made\n"},
        {{"map-image", "Wide", "no/such/folder/wide.png"}, 1, "[100/121] cells drawn\nCouldn't write the map image no/such/folder/wide.png: "},
        {{"map-image", "Wide"}, 2, "tessell: too few names\nusage: tessell map-image [--full] QUEST FILE"},
    };
    for (const auto& f : failures) {
        run = Tessell(base, f.args);
        EXPECT_EQ(f.exitCode, run.exitCode) << f.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(f.error)) << run.err.toStdString();
    }
    EXPECT_FALSE(base.Exists(QStringLiteral("bare.png")));
}
