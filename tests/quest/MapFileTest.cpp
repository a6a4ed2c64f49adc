#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "quest/MapFile.h"
#include "quest/Quest.h"
#include "support/io/TextFile.h"
#include "support/paths/Globals.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {
const QByteArray kExample = "Vantraglen Tessellmancery Map File\r\n1\r\n2\r\n1\r\n1\r\n1\r\n0\r\n256\r\n96\r\n384\r\n192\r\n0\r\n\r\n"
                            "160\r\n120\r\nUntitled Quest\r\n0\r\n1\r\n";

void GiveScreen(CMapCell& cell)
{
    cell.holdsScreen = true;
}

// A preview file of 12,288 lines, so that a cell of a loaded map holds a screen.
void WritePreview(const CTempBase& base, const QString& quest, int column, int row)
{
    QByteArray bytes;
    for (int i = 0; i < 128 * 96; ++i)
        bytes += "65535\r\n";
    base.Write(QStringLiteral("questdata\\%1\\screens\\%2-%3.bmp").arg(quest).arg(column).arg(row), bytes);
}

struct MapFixture : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CQuest quest{ui, ui, ui};
    MapFixture() { g_questName = QStringLiteral("Forest"); }
};
} // namespace

TEST_F(MapFixture, AnEmptyModelWritesTheMagicTwoZerosAndTheProperties)
{
    quest.files.SaveMapFile();
    EXPECT_EQ(QByteArray("Vantraglen Tessellmancery Map File\r\n0\r\n0\r\n160\r\n120\r\nUntitled Quest\r\n0\r\n1\r\n"),
              base.Read(QStringLiteral("save\\Forest.qss")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MapFixture, TheExampleFileRoundTripsByteForByte)
{
    WritePreview(base, QStringLiteral("Forest"), 2, 1);
    base.Write(QStringLiteral("save\\Forest.qss"), kExample);
    quest.files.LoadMapFile(base.Path(QStringLiteral("save\\Forest.qss")), QStringLiteral("Forest"));
    ASSERT_TRUE(ui.messages.empty());
    EXPECT_TRUE(quest.map.Cell(2, 1).HoldsScreen());
    EXPECT_EQ(1, quest.map.Cell(2, 1).inside);
    EXPECT_EQ(1, quest.map.ScreenCount());
    ASSERT_EQ(1, quest.map.groups.Count());
    EXPECT_EQ(QStringLiteral("Forest - Tessellmancery"), ui.windowTitle);
    base.Write(QStringLiteral("save\\Forest.qss"), "");
    quest.files.SaveMapFile();
    EXPECT_EQ(kExample, base.Read(QStringLiteral("save\\Forest.qss")));
}

TEST_F(MapFixture, SaveThenLoadGivesBackCellsGroupsAndProperties)
{
    GiveScreen(quest.map.Cell(0, 0));
    GiveScreen(quest.map.Cell(255, 255));
    quest.map.Cell(255, 255).inside = 1;
    for (auto [c, r] : {std::pair{0, 0}, std::pair{255, 255}})
        WritePreview(base, QStringLiteral("Forest"), c, r);
    auto g1 = std::make_unique<CGroup>();
    g1->id = 3;
    g1->left = 0; g1->top = 0; g1->right = 128; g1->bottom = 96;
    g1->music = QStringLiteral("theme.mid");
    g1->reserved = -7;
    quest.map.groups.Append(std::move(g1));
    auto g2 = std::make_unique<CGroup>();
    g2->id = 0;
    g2->left = -5; g2->top = 10; g2->right = 20; g2->bottom = 30;
    quest.map.groups.Append(std::move(g2));
    quest.map.properties = {-320, 480, QStringLiteral("The Long Road"), 1, 0};
    quest.files.SaveMapFile();

    CQuest other(ui, ui, ui);
    other.files.LoadMapFile(QStringLiteral("save\\Forest.qss"), QStringLiteral("Forest"));
    ASSERT_TRUE(ui.messages.empty());
    EXPECT_EQ(2, other.map.ScreenCount());
    EXPECT_EQ(0, other.map.Cell(0, 0).inside);
    EXPECT_EQ(1, other.map.Cell(255, 255).inside);
    ASSERT_EQ(2, other.map.groups.Count());
    const CGroup* a = other.map.groups.groups.At(0);
    const CGroup* b = other.map.groups.groups.At(1);
    EXPECT_EQ(3, a->id);
    EXPECT_EQ(128, a->right);
    EXPECT_EQ(QStringLiteral("theme.mid"), a->music);
    EXPECT_EQ(-7, a->reserved);
    EXPECT_EQ(0, b->id);
    EXPECT_EQ(-5, b->left);
    EXPECT_EQ(QString(), b->music);
    EXPECT_EQ(quest.map.properties, other.map.properties);
}

TEST_F(MapFixture, LongStringFieldsAreCutSoThatWhatIsSavedIsWhatLoads)
{
    quest.map.properties.fullName = QString(62, QLatin1Char('n'));
    quest.files.SaveMapFile();
    CQuest other(ui, ui, ui);
    other.files.LoadMapFile(QStringLiteral("save\\Forest.qss"), QStringLiteral("Forest"));
    EXPECT_EQ(QString(62, QLatin1Char('n')), other.map.properties.fullName);
    EXPECT_EQ(1, other.map.properties.includeSound);

    // Longer names would spill into the next line of the file: they are cut.
    quest.map.properties.fullName = QString(80, QLatin1Char('m'));
    auto group = std::make_unique<CGroup>();
    group->music = QString(70, QLatin1Char('q'));
    quest.map.groups.Append(std::move(group));
    quest.files.SaveMapFile();
    EXPECT_EQ(QString(62, QLatin1Char('m')), quest.map.properties.fullName);
    other.files.LoadMapFile(QStringLiteral("save\\Forest.qss"), QStringLiteral("Forest"));
    EXPECT_EQ(quest.map.properties, other.map.properties);
    EXPECT_EQ(QString(62, QLatin1Char('q')), other.map.groups.groups.At(0)->music);

    // A name of many-byte characters is cut at a character boundary.
    quest.map.properties.fullName = QString(40, QChar(0x00E9));
    quest.files.SaveMapFile();
    EXPECT_EQ(QString(31, QChar(0x00E9)), quest.map.properties.fullName);
}

TEST_F(MapFixture, AMagicLineWithATrailingBlankIsRefused)
{
    GiveScreen(quest.map.Cell(4, 4));
    base.Write(QStringLiteral("save\\Bad.qss"), "Vantraglen Tessellmancery Map File \r\n0\r\n0\r\n");
    quest.files.LoadMapFile(QStringLiteral("save\\Bad.qss"), QStringLiteral("Bad"));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Invalid Map File"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("save\\Bad.qss"), ui.messages[0].caption);
    EXPECT_TRUE(quest.map.Cell(4, 4).HoldsScreen()); // the model is unchanged
    EXPECT_EQ(QStringLiteral("Forest"), g_questName);
}

TEST_F(MapFixture, AMissingFileIsReportedWithItsPath)
{
    quest.files.LoadMapFile(QStringLiteral("save\\Nowhere.qss"), QStringLiteral("Nowhere"));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldn't Open Save file for reading"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("save\\Nowhere.qss"), ui.messages[0].caption);
}

TEST_F(MapFixture, AScreenWithoutPreviewDropsOutOfTheMap)
{
    base.Write(QStringLiteral("save\\Forest.qss"), kExample);
    quest.files.LoadMapFile(QStringLiteral("save\\Forest.qss"), QStringLiteral("Forest"));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldn't open screen preview"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("questdata\\Forest\\screens\\2-1.bmp"), ui.messages[0].caption);
    EXPECT_FALSE(quest.map.Cell(2, 1).HoldsScreen());
    EXPECT_EQ(1, quest.map.groups.Count());
    quest.files.SaveMapFile();
    EXPECT_TRUE(base.Read(QStringLiteral("save\\Forest.qss")).startsWith("Vantraglen Tessellmancery Map File\r\n0\r\n1\r\n"));
}

TEST_F(MapFixture, HandEditedCountsAndCellsCannotRunWild)
{
    WritePreview(base, QStringLiteral("Forest"), 1, 1);
    // A cell outside the grid is skipped; a huge count ends with the file.
    base.Write(QStringLiteral("save\\Forest.qss"),
               "Vantraglen Tessellmancery Map File\r\n2000000000\r\n300\r\n1\r\n0\r\n1\r\n1\r\n1\r\n");
    quest.files.LoadMapFile(QStringLiteral("save\\Forest.qss"), QStringLiteral("Forest"));
    EXPECT_EQ(1, quest.map.ScreenCount());
    EXPECT_EQ(1, quest.map.Cell(1, 1).inside);
    EXPECT_EQ(0, quest.map.groups.Count());
    EXPECT_EQ(QuestProperties().fullName, quest.map.properties.fullName);

    base.Write(QStringLiteral("save\\Forest.qss"),
               "Vantraglen Tessellmancery Map File\r\n-1\r\n-5\r\n10\r\n20\r\nName\r\n1\r\n0\r\n");
    quest.files.LoadMapFile(QStringLiteral("save\\Forest.qss"), QStringLiteral("Forest"));
    EXPECT_EQ(0, quest.map.ScreenCount());
    EXPECT_EQ(0, quest.map.groups.Count());
    EXPECT_EQ(10, quest.map.properties.startX); // the two counts were -1 and -5
    EXPECT_EQ(20, quest.map.properties.startY);
    EXPECT_EQ(QStringLiteral("Name"), quest.map.properties.fullName);
}

TEST_F(MapFixture, AFailedSaveLeavesTheOldFileAndSaysSo)
{
    base.Write(QStringLiteral("save\\Forest.qss"), kExample);
    CTextWriter::FailWritesAfter(20); // the disk fills up half-way
    quest.files.SaveMapFile();
    CTextWriter::FailWritesAfter(-1);
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldn't Open Save file"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("save\\Forest.qss"), ui.messages[0].caption);
    EXPECT_EQ(kExample, base.Read(QStringLiteral("save\\Forest.qss")));

    ui.messages.clear();
    QDir(base.Path(QStringLiteral("save"))).removeRecursively(); // the folder is gone
    quest.files.SaveMapFile();
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldn't Open Save file"), ui.messages[0].text);
}

TEST_F(MapFixture, OpenQuestAsksToSaveAndTakesTheNameBeforeTheFirstDot)
{
    WritePreview(base, QStringLiteral("Meadow"), 2, 1);
    base.Write(QStringLiteral("save\\Meadow.qss"), kExample);
    EXPECT_EQ(0, quest.files.OpenQuest(true)); // cancelled file dialog
    ASSERT_EQ(1, ui.calls.size());
    EXPECT_EQ(QStringLiteral("ChooseOpenFile(*.qss|save\\*.qss|QSS files (*.qss)|*.qss|All Files (*.*)|*.*||)"),
              ui.calls[0]);

    ui.fileAnswers = {base.Path(QStringLiteral("save\\Meadow.qss"))};
    ui.messageAnswers = {CUiPort::AnswerCancel};
    EXPECT_EQ(0, quest.files.OpenQuest(true));
    EXPECT_EQ(QStringLiteral("Forest"), g_questName);
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Do you want to save the current quest?"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Attention"), ui.messages[0].caption);
    EXPECT_EQ(CUiPort::ButtonsYesNoCancel, ui.messages[0].buttons);

    ui.fileAnswers = {base.Path(QStringLiteral("save\\Meadow.qss"))};
    ui.messageAnswers = {CUiPort::AnswerYes};
    EXPECT_EQ(1, quest.files.OpenQuest(true));
    EXPECT_TRUE(base.Exists(QStringLiteral("save\\Forest.qss"))); // Yes saved the current quest first
    EXPECT_EQ(QStringLiteral("Meadow"), g_questName);
    EXPECT_TRUE(quest.map.Cell(2, 1).HoldsScreen());

    ui.messages.clear();
    ui.fileAnswers = {base.Path(QStringLiteral("save\\Meadow.qss"))};
    EXPECT_EQ(1, quest.files.OpenQuest(false)); // the start dialog's way: no question
    EXPECT_TRUE(ui.messages.empty());
}

TEST(MapModel, GroupsTouchingAtAnEdgeDoNotOverlap)
{
    CQuestMap map;
    auto g = std::make_unique<CGroup>();
    g->left = 128; g->top = 96; g->right = 384; g->bottom = 288;
    map.groups.Append(std::move(g));
    EXPECT_FALSE(map.RectangleOverlapsGroup(384, 96, 512, 288)); // right edge = left edge
    EXPECT_FALSE(map.RectangleOverlapsGroup(0, 0, 128, 96));
    EXPECT_TRUE(map.RectangleOverlapsGroup(383, 287, 512, 400)); // one interior unit shared
    EXPECT_TRUE(map.RectangleOverlapsGroup(0, 0, 1000, 1000));
}

TEST(MapModel, NextGroupIdIsOneMoreThanTheLargest)
{
    CQuestMap map;
    EXPECT_EQ(0, map.NextGroupId());
    auto make = [&map](int id) {
        auto g = std::make_unique<CGroup>();
        g->id = id;
        return map.groups.Append(std::move(g));
    };
    make(0);
    CGroup* three = make(3);
    EXPECT_EQ(4, map.NextGroupId());
    CGroup* four = make(4);
    map.groups.selected = four;
    map.groups.Remove(four);
    EXPECT_EQ(nullptr, map.groups.selected);
    EXPECT_EQ(4, map.NextGroupId());
    map.groups.Remove(three);
    EXPECT_EQ(1, map.NextGroupId());
    map.groups.Clear();
    make(-9);
    EXPECT_EQ(1, map.NextGroupId()); // ids below 0 count as 0
}

TEST(MapModel, PointsAndCellsAreFoundByTheirExactPositions)
{
    CQuestMap map;
    auto g = std::make_unique<CGroup>();
    g->left = 0; g->top = 0; g->right = 128; g->bottom = 96;
    CGroup* group = map.groups.Append(std::move(g));
    EXPECT_EQ(group, map.FindGroupAt(128, 96));           // edges are inside
    EXPECT_EQ(group, map.FindGroupAt(100, 50, 28, 46));   // offset added
    EXPECT_EQ(nullptr, map.FindGroupAt(129, 0));
    EXPECT_EQ(nullptr, map.SelectGroupAt(500, 500));
    EXPECT_EQ(group, map.SelectGroupAt(5, 5));
    EXPECT_EQ(group, map.groups.selected);
    EXPECT_EQ(&map.Cell(3, 2), map.FindCellByMapPosition(384, 192));
    EXPECT_EQ(nullptr, map.FindCellByMapPosition(385, 192));
    EXPECT_EQ(nullptr, map.FindCellByMapPosition(-128, 0));
    EXPECT_TRUE(CQuestMap::ValidCellCoordinates(255, 0));
    EXPECT_FALSE(CQuestMap::ValidCellCoordinates(256, 0));
    EXPECT_FALSE(CQuestMap::ValidCellCoordinates(0, -1));
    EXPECT_EQ(3, map.ColumnOf(map.Cell(3, 2)));
    EXPECT_EQ(2, map.RowOf(map.Cell(3, 2)));
    EXPECT_EQ(2 * 256 + 3, map.IndexOf(map.Cell(3, 2)));
}
