// The map reads its previews when it draws them and keeps only some. Every
// frame over a scroll must show what the map showed when every preview was
// read as the quest opened and kept: the plain way, done here beside it.
#include "display/Display.h"
#include "display/LineBatch.h"
#include "document/QuestDoc.h"
#include "helpers/DecimalCommaLocale.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "map/MapDesigner.h"
#include "quest/MapDrawing.h"
#include "quest/PreviewReader.h"
#include "support/io/NativeFile.h"
#include "support/paths/QuestPaths.h"

#include <QDir>

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int kColumns = 19; // screens on columns 0 to 18 and rows 0 to 13
constexpr int kRows = 14;

// Every preview different; some missing, some a folder, some damaged.
QByteArray PreviewOf(int c, int r)
{
    QByteArray bytes;
    const int lines = (c * 7 + r) % 23 == 0 ? 5000 : 12288; // ends early
    for (int k = 0; k < lines; ++k) {
        const int value = (k * 37 + c * 1009 + r * 17) % 65536;
        if ((c + r) % 17 == 0 && k % 300 == 0)
            bytes += "12x4" + QByteArray::number(value) + "\r\n"; // not a number
        else if ((c * 3 + r) % 19 == 0 && k % 500 == 0)
            bytes += "0000000000" + QByteArray::number(value) + "\n"; // longer than a line is read
        else
            bytes += QByteArray::number(k % 97 == 0 ? 0x07E0 : value) + ((k & 1) ? "\n" : "\r\n");
    }
    return bytes;
}

struct PreviewsOnDemand : ::testing::TestWithParam<bool> {
    CTempBase base;
    CFakeUi ui;
    CQuestDoc doc{ui};
    CMapDesigner& designer = *doc.mapDesigner;
    CQuest& quest = doc.quest;
    CDisplay display, plain;
    std::map<int, std::unique_ptr<CSurface>> kept; // the plain way: every preview read at once
    std::vector<RecordedMessage> plainMessages;

    void SetUp() override
    {
        ASSERT_TRUE(quest.files.NewQuestNamed(QStringLiteral("Forest")));
        QByteArray map = "Vantraglen Tessellmancery Map File\r\n" + QByteArray::number(kColumns * kRows) + "\r\n";
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) {
                map += QByteArray::number(c) + "\r\n" + QByteArray::number(r) + "\r\n0\r\n";
                if ((c * 5 + r * 3) % 31 == 0)
                    continue; // no preview
                if ((c + r * 2) % 41 == 0)
                    QDir().mkpath(base.Path(PreviewPath(c, r))); // opens as no file does
                else
                    base.Write(PreviewPath(c, r), PreviewOf(c, r));
            }
        // The third group, hand-edited, runs past the map's last row and column.
        map += "3\r\n0\r\n0\r\n0\r\n640\r\n480\r\n0\r\n\r\n1\r\n1280\r\n960\r\n2560\r\n1920\r\n0\r\n\r\n"
               "2\r\n32000\r\n24000\r\n33000\r\n25000\r\n0\r\n\r\n"
               "160\r\n120\r\nForest\r\n0\r\n1\r\n";
        base.Write(MapFilePath(), map);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) {
                auto surface = std::make_unique<CSurface>();
                surface->Create(kPreviewWidth, kPreviewHeight);
                surface->SetColourKey(kKeyGreen);
                if (ReadPreviewFile(PreviewPath(c, r), *surface))
                    kept[r * kMapColumns + c] = std::move(surface);
                else
                    plainMessages.push_back({QStringLiteral("Couldn't open screen preview"), PreviewPath(c, r), {}});
            }
        display.Initialise(nullptr, 1024, 768);
        plain.Initialise(nullptr, 1024, 768);
        designer.display = &display;
    }
    void TearDown() override { designer.display = nullptr; }

    // The frame as the map drew it from the previews it kept.
    void DrawPlainFrame()
    {
        plain.Clear(0);
        designer.RebuildVisibleCells();
        for (int k = 0; k < designer.VisibleCount(); ++k) {
            const CMapCell& cell = *designer.VisibleCells()[size_t(k)];
            const int column = quest.map.ColumnOf(cell);
            const int row = quest.map.RowOf(cell);
            const auto found = kept.find(row * kMapColumns + column);
            const int left = column * 128 - designer.ScrollX();
            const int top = row * 96 - designer.ScrollY();
            DrawCellBlock(plain, found == kept.end() ? nullptr : found->second.get(), left, top, 128, 96);
            plain.Text(nullptr, QStringLiteral("%1,%2").arg(column).arg(row), left + 5, top + 5,
                       Rgb(255, 255, 255), Rgb(0, 0, 0));
        }
        CLineBatch lines;
        for (const CGroup* g : quest.map.groups.groups)
            DrawGroupOutline(lines, 1024, 768, int64_t(g->left) - designer.ScrollX(), int64_t(g->top) - designer.ScrollY(),
                             int64_t(g->right) - designer.ScrollX(), int64_t(g->bottom) - designer.ScrollY(),
                             kGroupOutlineValue);
        lines.DrawInto(plain);
    }

    // Scrolls across the quest and beyond it and back, where the cache has
    // dropped what it read first; every frame compared whole.
    void ScrollAcross(bool readAhead)
    {
        struct Step {
            bool horizontal;
            int code, position;
        };
        const Step steps[] = {{true, 1, 0},     {false, 3, 0},    {true, 5, 1500}, {false, 5, 700},
                              {true, 5, 2811},  {true, 4, 32768}, {false, 4, 24200}, {true, 5, 32300},
                              {true, 5, 0},     {false, 5, 0},
                              {true, 5, 1000},  {false, 2, 0}};
        int frame = 0;
        for (const Step& step : steps) {
            step.horizontal ? designer.onHScroll(step.code, step.position) : designer.onVScroll(step.code, step.position);
            if (readAhead)
                while (designer.ReadPreviewsAround(50)) {
                }
            DrawPlainFrame();
            ASSERT_TRUE(display.BackBuffer()->Image() == plain.BackBuffer()->Image())
                << "frame " << frame << " at " << designer.ScrollX() << "," << designer.ScrollY();
            ++frame;
        }
    }
};

TEST_P(PreviewsOnDemand, OpenSaysWhatReadingEveryPreviewSaidAndEveryFrameOfAScrollDrawsTheSamePixels)
{
    std::unique_ptr<CDecimalCommaScope> comma;
    if (GetParam()) {
        ASSERT_TRUE(CDecimalCommaLocale::Get().Ready()) << CDecimalCommaLocale::Get().Error().toStdString();
        comma = std::make_unique<CDecimalCommaScope>();
        ASSERT_TRUE(comma->Active());
    }
    ui.messages.clear();
    ASSERT_TRUE(quest.files.LoadMapFile(MapFilePath(), QStringLiteral("Forest")).isMapFile);
    ASSERT_EQ(plainMessages.size(), ui.messages.size());
    for (size_t k = 0; k < plainMessages.size(); ++k)
        EXPECT_EQ(std::make_pair(plainMessages[k].text, plainMessages[k].caption),
                  std::make_pair(ui.messages[k].text, ui.messages[k].caption));
    EXPECT_EQ(int(kept.size()), quest.map.ScreenCount());

    // Few kept: the scroll drops previews and reads them again.
    quest.map.previews.SetCapacity(90);
    ScrollAcross(false);
    EXPECT_LE(quest.map.previews.Count(), 90u);
    // As the editor keeps them, reading the cells around the view ahead.
    quest.map.previews.SetCapacity(CPreviewCache::kDefaultCapacity);
    ScrollAcross(true);
    EXPECT_GT(quest.map.previews.Count(), 200u); // the cells around the view too
}

TEST_P(PreviewsOnDemand, ACellOffTheMapHasNoPreviewAndStandsForNoCellOnIt)
{
    CPreviewCache& previews = quest.map.previews;
    // (256, 0) would be cell (0, 1) were a cell found by row x 256 + column alone.
    for (const auto& [column, row] : {std::pair{256, 0}, {-1, 2}, {0, 256}, {5, -1}}) {
        EXPECT_EQ(nullptr, previews.Preview(column, row)) << column << "," << row;
        EXPECT_FALSE(previews.Holds(column, row)) << column << "," << row;
    }
    EXPECT_EQ(0u, previews.Count());
    const CSurface* cell = previews.Preview(0, 1);
    ASSERT_NE(nullptr, cell);
    EXPECT_EQ(kept.at(1 * kMapColumns + 0)->Image(), cell->Image());
}

INSTANTIATE_TEST_SUITE_P(Locales, PreviewsOnDemand, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "DecimalComma" : "C"; });

} // namespace
