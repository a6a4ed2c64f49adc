#include "common/DialogResults.h"
#include "display/Display.h"
#include "document/QuestDoc.h"
#include "helpers/FakeUi.h"
#include "helpers/QtPrinters.h"
#include "helpers/TempBase.h"
#include "map/MapDesigner.h"
#include "support/paths/Globals.h"

#include <QDir>

#include <gtest/gtest.h>

#include <climits>

namespace {
// A preview whose every pixel is `value`, except a key-green band across rows
// 40 to 49 that must let the frame beneath show through.
QByteArray PreviewBytes(uint16_t value)
{
    QByteArray bytes;
    for (int j = 0; j < 96; ++j)
        for (int i = 0; i < 128; ++i)
            bytes += QByteArray::number((j >= 40 && j < 50) ? 0x07E0 : value) + "\r\n";
    return bytes;
}

struct DesignerFixture : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CQuestDoc doc{ui};
    CMapDesigner& designer = *doc.mapDesigner;
    CQuest& quest = doc.quest;
    CDisplay display;

    DesignerFixture()
    {
        EXPECT_TRUE(quest.files.NewQuestNamed(QStringLiteral("Forest")));
        display.Initialise(nullptr, 1024, 768);
        designer.display = &display;
        ui.menus.clear();
    }
    ~DesignerFixture() override { designer.display = nullptr; }

    QString Screen(int c, int r, const char* ext) const
    {
        return QStringLiteral("questdata\\Forest\\screens\\%1-%2.%3").arg(c).arg(r).arg(QLatin1String(ext));
    }
    QString Script(int c, int r) const { return QStringLiteral("questdata\\Forest\\scripts\\screen\\%1-%2.ves").arg(c).arg(r); }

    // A saved screen: its three files on disk and its preview loaded.
    void MakeScreen(int c, int r, uint16_t colour)
    {
        base.Write(Screen(c, r, "lnd"), QStringLiteral("screen %1-%2").arg(c).arg(r).toLatin1());
        base.Write(Screen(c, r, "bmp"), PreviewBytes(colour));
        base.Write(Script(c, r), QStringLiteral("script %1-%2").arg(c).arg(r).toLatin1());
        quest.files.LoadPreview(quest.map.Cell(c, r), c, r);
        ASSERT_TRUE(quest.map.Cell(c, r).HoldsScreen());
    }

    CGroup* AddGroupAt(int left, int top, int right, int bottom)
    {
        auto group = std::make_unique<CGroup>();
        group->left = left;
        group->top = top;
        group->right = right;
        group->bottom = bottom;
        group->id = quest.map.NextGroupId();
        return quest.map.groups.Append(std::move(group));
    }

    uint16_t Pixel(int x, int y) const { return display.BackBuffer()->Pixel(x, y); }
    QByteArray MapFile() const { return base.Read(QStringLiteral("save\\Forest.qss")); }
};

std::vector<std::pair<int, int>> VisibleCoordinates(CMapDesigner& designer, const CQuestMap& map)
{
    designer.RebuildVisibleCells();
    std::vector<std::pair<int, int>> cells;
    for (int k = 0; k < designer.VisibleCount(); ++k) {
        const CMapCell& cell = *designer.VisibleCells()[size_t(k)];
        cells.emplace_back(map.ColumnOf(cell), map.RowOf(cell));
    }
    return cells;
}
} // namespace

TEST_F(DesignerFixture, VisibleCellsAtTheOriginAreTheFirstNineColumnsAndRowsInRowOrder)
{
    const auto cells = VisibleCoordinates(designer, quest.map);
    ASSERT_EQ(81u, cells.size());
    EXPECT_EQ(std::make_pair(0, 0), cells.front());
    EXPECT_EQ(std::make_pair(8, 0), cells[8]);
    EXPECT_EQ(std::make_pair(0, 1), cells[9]);
    EXPECT_EQ(std::make_pair(8, 8), cells.back());
    for (size_t k = 81; k < CMapDesigner::kVisibleSlots; ++k)
        EXPECT_EQ(nullptr, designer.VisibleCells()[k]);

    designer.ScrollTo(300, designer.ScrollY()); // columns 1 to 10
    designer.ScrollTo(designer.ScrollX(), 200); // rows 1 to 10
    const auto moved = VisibleCoordinates(designer, quest.map);
    ASSERT_EQ(100u, moved.size());
    EXPECT_EQ(std::make_pair(1, 1), moved.front());
    EXPECT_EQ(std::make_pair(10, 10), moved.back());

    designer.ScrollTo(32768, 24576);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{255, 255}}), VisibleCoordinates(designer, quest.map));
}

TEST_F(DesignerFixture, ScrollingMovesByLineAndPageAndHoldsTheLimits)
{
    designer.ScrollTo(3, designer.ScrollY());
    designer.onHScroll(SB_LINELEFT, 0);
    EXPECT_EQ(0, designer.ScrollX()); // not -2
    EXPECT_EQ(0, ui.horizontalPosition);
    designer.onHScroll(SB_LINERIGHT, 0);
    EXPECT_EQ(5, designer.ScrollX());
    designer.onHScroll(SB_PAGERIGHT, 0);
    EXPECT_EQ(505, designer.ScrollX());
    EXPECT_EQ(505, ui.horizontalPosition);
    designer.onHScroll(SB_PAGELEFT, 0);
    EXPECT_EQ(5, designer.ScrollX());
    designer.onHScroll(SB_THUMBTRACK, 1234);
    EXPECT_EQ(1234, designer.ScrollX());
    designer.onHScroll(SB_THUMBPOSITION, 40000);
    EXPECT_EQ(32768, designer.ScrollX());
    designer.onHScroll(SB_PAGERIGHT, 0);
    EXPECT_EQ(32768, designer.ScrollX());
    EXPECT_EQ(32768, ui.horizontalPosition);
    designer.onHScroll(8, 77); // a code the designer does not know
    EXPECT_EQ(32768, designer.ScrollX());

    designer.onVScroll(SB_THUMBTRACK, 24300);
    designer.onVScroll(SB_PAGERIGHT, 0);
    EXPECT_EQ(24576, designer.ScrollY());
    EXPECT_EQ(24576, ui.verticalPosition);
    designer.onVScroll(SB_LINELEFT, 0);
    EXPECT_EQ(24571, designer.ScrollY());
    EXPECT_EQ(32768, designer.ScrollX()); // the other bar is left alone
}

TEST_F(DesignerFixture, EveryScrollClearsDrawsAndPresentsAFrame)
{
    display.FillRect(1234, 0, 0, 1024, 768);
    const int presented = display.PresentCount();
    designer.onHScroll(SB_THUMBTRACK, 31744); // the last 8 columns fill 1024 pixels
    designer.onVScroll(SB_THUMBTRACK, 24480); // only row 255 remains: the rest is cleared
    EXPECT_EQ(presented + 2, display.PresentCount());
    EXPECT_EQ(0, Pixel(0, 0));    // the frame of cell (248, 255)
    EXPECT_EQ(0, Pixel(500, 400)); // below the map: cleared, not left as it was
    EXPECT_EQ(0xFFFF, Pixel(64, 48));
}

TEST_F(DesignerFixture, EmptyCellsAreBlackFramedWhiteBlocksWithTheirCoordinates)
{
    designer.draw(&display);
    // Cell (1, 2) lies at (128, 192).
    EXPECT_EQ(0, Pixel(128, 192));
    EXPECT_EQ(0, Pixel(129, 193));
    EXPECT_EQ(0xFFFF, Pixel(130, 194));
    EXPECT_EQ(0xFFFF, Pixel(253, 285));
    EXPECT_EQ(0, Pixel(254, 286));
    EXPECT_EQ(0xFFFF, Pixel(128 + 100, 192 + 80));
    // The label "1,2" is written in black from (133, 197).
    int dark = 0;
    for (int y = 197; y < 197 + 16; ++y)
        for (int x = 133; x < 133 + 30; ++x)
            if (Pixel(x, y) != 0xFFFF)
                ++dark;
    EXPECT_GT(dark, 10);
    for (int y = 197; y < 197 + 16; ++y)
        EXPECT_EQ(0xFFFF, Pixel(128 + 5 - 2, y)); // nothing written left of the label
}

TEST_F(DesignerFixture, PreviewsAreCopiedWithTheirKeyColourLeftOut)
{
    MakeScreen(2, 1, 0x1234);
    display.FillRect(0xABCD, 0, 0, 1024, 768);
    designer.draw(&display);
    EXPECT_EQ(0x1234, Pixel(256, 96));
    EXPECT_EQ(0x1234, Pixel(383, 96 + 39));
    EXPECT_EQ(0xABCD, Pixel(300, 96 + 40)); // key green: what lay beneath shows
    EXPECT_EQ(0xABCD, Pixel(300, 96 + 49));
    EXPECT_EQ(0x1234, Pixel(300, 96 + 50));
    EXPECT_EQ(0x1234, Pixel(383, 191));
    EXPECT_EQ(0, Pixel(384, 96)); // the empty cell beside it
    // A screen's block shows its coordinates "2,1" too, over the preview.
    int inked = 0;
    for (int y = 101; y < 101 + 16; ++y)
        for (int x = 261; x < 261 + 30; ++x)
            inked += Pixel(x, y) != 0x1234 && Pixel(x, y) != 0xABCD;
    EXPECT_GT(inked, 10);
}

TEST_F(DesignerFixture, GroupsAreTwoOutlinesAndTheSelectedOneIsDrawnAgainInItsOwnColour)
{
    CGroup* first = AddGroupAt(128, 96, 384, 288);
    AddGroupAt(512, 96, 640, 192);
    designer.draw(&display);
    EXPECT_EQ(255, Pixel(130, 98));  // inset by 2
    EXPECT_EQ(255, Pixel(131, 99));  // inset by 3
    EXPECT_EQ(0xFFFF, Pixel(132, 100));
    EXPECT_EQ(255, Pixel(200, 98));
    EXPECT_EQ(255, Pixel(514, 150));
    quest.map.groups.selected = first;
    designer.draw(&display);
    EXPECT_EQ(65280, Pixel(130, 98));
    EXPECT_EQ(65280, Pixel(381, 285 - 1));
    EXPECT_EQ(255, Pixel(514, 150));

    // Scrolled: drawn where the map position lands in the view.
    designer.ScrollTo(100, 50);
    designer.draw(&display);
    EXPECT_EQ(65280, Pixel(30, 48));
}

TEST_F(DesignerFixture, AGroupFarBeyondTheViewDrawsOnlyItsVisibleEdges)
{
    AddGroupAt(INT_MIN + 10, -1000000000, INT_MAX - 10, 192);
    designer.draw(&display);
    EXPECT_EQ(255, Pixel(0, 190));
    EXPECT_EQ(255, Pixel(1023, 189));
    EXPECT_EQ(0, Pixel(512, 0)); // top and side edges are far outside
}

TEST_F(DesignerFixture, SnapTakesTheNearestVisibleCellEdgeAndTheFirstOnATie)
{
    EXPECT_EQ(128, designer.Snap(150, CMapDesigner::Horizontal));
    EXPECT_EQ(0, designer.Snap(64, CMapDesigner::Horizontal)); // 0 and 128 are both 64 away
    EXPECT_EQ(128, designer.Snap(65, CMapDesigner::Horizontal));
    EXPECT_EQ(96, designer.Snap(140, CMapDesigner::Vertical));
    EXPECT_EQ(1024, designer.Snap(1023, CMapDesigner::Horizontal));
    designer.ScrollTo(10, designer.ScrollY());
    EXPECT_EQ(-10, designer.Snap(0, CMapDesigner::Horizontal));
    EXPECT_EQ(0, designer.Snap(5000, CMapDesigner::Horizontal)); // every edge is 999 or more away
}

TEST_F(DesignerFixture, ARightDragSnapsToCellEdgesMakesTheGroupAndItsScriptAndSavesTheMap)
{
    designer.onRButtonDown(0, 150, 110); // inside cell (1, 1)
    EXPECT_EQ(1, designer.Drag().dragging);
    EXPECT_EQ(128, designer.Drag().x1);
    EXPECT_EQ(96, designer.Drag().y1);
    designer.onMouseMove(0, 300, 200); // inside cell (2, 2): nearest edges 256 and 192
    EXPECT_EQ(256, designer.Drag().x2);
    EXPECT_EQ(192, designer.Drag().y2);
    designer.onMouseMove(0, 300, 200); // a frame shows the rectangle as the last move left it
    EXPECT_EQ(255, Pixel(128 + 4, 150)); // the drag rectangle
    EXPECT_EQ(255, Pixel(128 + 5, 150));
    designer.onMouseMove(0, 370, 270); // nearest edges 384 and 288
    designer.onRButtonUp(0, 370, 270);
    EXPECT_EQ(0, designer.Drag().dragging);
    ASSERT_EQ(1, quest.map.groups.Count());
    const CGroup* group = *quest.map.groups.groups.begin();
    EXPECT_EQ((std::vector<int>{128, 96, 384, 288, 0}),
              (std::vector<int>{group->left, group->top, group->right, group->bottom, group->id}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(base.Read(QStringLiteral("questdata\\standardscreen.ves")),
              base.Read(QStringLiteral("questdata\\Forest\\scripts\\group\\0.ves")));
    EXPECT_TRUE(MapFile().contains("\r\n1\r\n0\r\n128\r\n96\r\n384\r\n288\r\n0\r\n\r\n160\r\n"));
}

TEST_F(DesignerFixture, ADragWhileScrolledStoresMapUnits)
{
    designer.ScrollTo(1000, 500);
    designer.onRButtonDown(0, 30, 80); // edges at 24 and 76 in the view
    designer.onMouseMove(0, 280, 170);
    designer.onRButtonUp(0, 280, 170);
    ASSERT_EQ(1, quest.map.groups.Count());
    const CGroup* group = *quest.map.groups.groups.begin();
    EXPECT_EQ((std::vector<int>{1024, 576, 1280, 672}),
              (std::vector<int>{group->left, group->top, group->right, group->bottom}));
}

TEST_F(DesignerFixture, AnEmptyDragAddsNothingAndAnOverlappingOneIsRefused)
{
    const QByteArray saved = MapFile();
    designer.onRButtonDown(0, 150, 110);
    designer.onRButtonUp(0, 150, 110);
    EXPECT_EQ(0, quest.map.groups.Count());
    EXPECT_TRUE(ui.messages.empty());

    AddGroupAt(128, 96, 384, 288);
    designer.onRButtonDown(0, 10, 10);
    designer.onMouseMove(0, 250, 200); // (0, 0) to (256, 192) shares cell (1, 1) with the group
    designer.onRButtonUp(0, 250, 200);
    EXPECT_EQ(1, quest.map.groups.Count());
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Groups may not overlap one another"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Error"), ui.messages[0].caption);
    EXPECT_EQ(saved, MapFile()); // not saved

    // Touching edges are no overlap; a drag may run up and to the left.
    designer.onRButtonDown(0, 520, 190);
    designer.onMouseMove(0, 380, 100);
    designer.onRButtonUp(0, 380, 100);
    EXPECT_EQ(2, quest.map.groups.Count());
    EXPECT_EQ(1u, ui.messages.size());
}

TEST_F(DesignerFixture, ARightClickInsideAGroupOpensItsPropertiesWithoutADrag)
{
    AddGroupAt(0, 0, 128, 96);
    AddGroupAt(256, 96, 512, 288);
    designer.ScrollTo(100, designer.ScrollY());
    designer.onRButtonDown(0, 300, 150); // map point (400, 150)
    EXPECT_EQ(0, designer.Drag().dragging);
    EXPECT_EQ(QStringList{QStringLiteral("GroupProperties(1)")}, ui.calls);
    designer.onRButtonUp(0, 300, 150);
    EXPECT_EQ(2, quest.map.groups.Count());
}

TEST_F(DesignerFixture, DeletingAGroupFromItsDialogForgetsIt)
{
    CGroup* group = AddGroupAt(0, 0, 128, 96);
    quest.map.groups.selected = group;
    ui.onGroupProperties = [](CGroup& g, CGroupList& groups) { groups.Remove(&g); };
    designer.onRButtonDown(0, 50, 50);
    EXPECT_EQ(0, quest.map.groups.Count());
    EXPECT_EQ(nullptr, quest.map.groups.selected);
    EXPECT_EQ(0xFFFF, Pixel(2 + 10, 2 + 10)); // the next frame has no trace of it
    EXPECT_EQ(0, designer.Drag().dragging);
}

TEST_F(DesignerFixture, MouseMovesMarkTheHoveredCellAndSelectTheGroupForTheNextFrame)
{
    AddGroupAt(128, 0, 256, 96);
    const int presented = display.PresentCount();
    designer.onMouseMove(0, 150, 50); // inside cell (1, 0) and the group
    EXPECT_EQ(presented + 1, display.PresentCount());
    EXPECT_EQ(0, Pixel(128 + 60, 44));
    EXPECT_EQ(0, Pixel(128 + 67, 51));
    EXPECT_EQ(0xFFFF, Pixel(128 + 68, 52));
    EXPECT_EQ(quest.map.groups.groups.Head(), quest.map.groups.selected);
    EXPECT_EQ(255, Pixel(130, 2)); // highlight not yet drawn
    designer.onMouseMove(0, 20, 20);
    EXPECT_EQ(65280, Pixel(130, 2)); // the highlight, one frame late
    EXPECT_EQ(0xFFFF, Pixel(128 + 60, 44)); // the marker followed the mouse
    EXPECT_EQ(0, Pixel(60, 44));
    designer.onMouseMove(0, 20, 20);
    EXPECT_EQ(nullptr, quest.map.groups.selected);
    EXPECT_EQ(255, Pixel(130, 2));
    // A point on a cell's edge is inside no block: no marker.
    designer.onMouseMove(0, 128, 50);
    EXPECT_EQ(0xFFFF, Pixel(60, 44));
    EXPECT_EQ(0xFFFF, Pixel(128 + 60, 44));
}

TEST_F(DesignerFixture, ALeftClickOpensTheScreenPropertiesOfAnyCellAndEditScreenHandsOver)
{
    designer.ScrollTo(128, designer.ScrollY());
    designer.onLButtonDown(0, 300, 100); // map (428, 100): cell (3, 1), empty
    EXPECT_EQ(QStringList{QStringLiteral("ScreenProperties(3,1)")}, ui.calls);
    EXPECT_EQ(doc.mapDesigner.get(), doc.activeDesigner);
    designer.onLButtonDown(0, 128, 100); // on an edge: no cell
    EXPECT_EQ(1, ui.calls.size());

    ui.dialogResults = {kEditScreen};
    designer.onLButtonDown(0, 10, 10); // cell (1, 0)
    EXPECT_EQ(doc.screenDesigner.get(), doc.activeDesigner);
    EXPECT_EQ(1, doc.screenDesigner->cellX);
    EXPECT_EQ(0, doc.screenDesigner->cellY);
    EXPECT_EQ(std::vector<int>{133}, ui.menus);
}

TEST_F(DesignerFixture, TheLeftButtonDoesNothingWhileADragIsUnderWay)
{
    designer.onRButtonDown(0, 150, 110);
    designer.onLButtonDown(0, 150, 110);
    EXPECT_TRUE(ui.calls.isEmpty());
}

TEST_F(DesignerFixture, DeleteScreenEmptiesTheCellAndItsThreeFilesAndSavesTheMap)
{
    MakeScreen(2, 1, 0x1234);
    quest.files.SaveMapFile();
    ui.dialogResults = {kDeleteScreen};
    designer.onLButtonDown(0, 300, 100);
    EXPECT_FALSE(quest.map.Cell(2, 1).HoldsScreen());
    for (const QString& path : {Screen(2, 1, "lnd"), Screen(2, 1, "bmp"), Script(2, 1)}) {
        EXPECT_TRUE(base.Exists(path)) << path.toStdString();
        EXPECT_EQ(QByteArray(), base.Read(path)) << path.toStdString();
    }
    EXPECT_TRUE(MapFile().startsWith("Vantraglen Tessellmancery Map File\r\n0\r\n"));
    EXPECT_EQ(0xFFFF, Pixel(300, 100)); // the next frame shows the empty cell
}

TEST_F(DesignerFixture, DeletingAnEmptyCellMakesItsFilesEmpty)
{
    quest.files.DeleteScreen(quest.map.Cell(7, 7));
    EXPECT_EQ(QByteArray(), base.Read(Screen(7, 7, "lnd")));
    EXPECT_EQ(QByteArray(), base.Read(Screen(7, 7, "bmp")));
    EXPECT_EQ(QByteArray(), base.Read(Script(7, 7)));
}

TEST_F(DesignerFixture, EditGroupFindsTheCellsGroupOrSaysThereIsNone)
{
    ui.dialogResults = {kEditGroup};
    designer.onLButtonDown(0, 300, 100); // cell (2, 1)
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("This screen is not in any group, right-click \nand drag to create a group"),
              ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Error"), ui.messages[0].caption);

    AddGroupAt(0, 0, 100, 100);
    AddGroupAt(256, 96, 384, 192);
    ui.dialogResults = {kEditGroup};
    designer.onLButtonDown(0, 300, 100);
    EXPECT_EQ((QStringList{QStringLiteral("ScreenProperties(2,1)"), QStringLiteral("ScreenProperties(2,1)"),
                           QStringLiteral("GroupProperties(1)")}),
              ui.calls);
    EXPECT_EQ(1u, ui.messages.size());
}

TEST_F(DesignerFixture, CopyingAScreenKeepsTheSourceAndCarriesTheInsideFlag)
{
    MakeScreen(2, 1, 0x1234);
    quest.map.Cell(2, 1).inside = 1;
    ui.dialogResults = {kCopyScreen};
    ui.cellAnswers = {{5, 6}};
    designer.onLButtonDown(0, 300, 100);
    EXPECT_EQ((QStringList{QStringLiteral("ScreenProperties(2,1)"), QStringLiteral("MoveScreen")}), ui.calls);
    EXPECT_TRUE(ui.messages.empty());
    const CMapCell& copy = quest.map.Cell(5, 6);
    ASSERT_TRUE(copy.HoldsScreen());
    EXPECT_EQ(1, copy.inside);
    EXPECT_EQ(0x1234, quest.map.Preview(5, 6)->Pixel(0, 0));
    EXPECT_TRUE(quest.map.Cell(2, 1).HoldsScreen());
    EXPECT_EQ(QByteArray("screen 2-1"), base.Read(Screen(5, 6, "lnd")));
    EXPECT_EQ(QByteArray("script 2-1"), base.Read(Script(5, 6)));
    EXPECT_EQ(base.Read(Screen(2, 1, "bmp")), base.Read(Screen(5, 6, "bmp")));
    EXPECT_EQ(QByteArray("screen 2-1"), base.Read(Screen(2, 1, "lnd")));
    EXPECT_EQ(QByteArray("script 2-1"), base.Read(Script(2, 1)));
}

TEST_F(DesignerFixture, MovingAScreenLeavesTheSourceEmptyWithItsThreeFilesEmpty)
{
    MakeScreen(2, 1, 0x1234);
    ui.dialogResults = {kMoveScreen};
    ui.cellAnswers = {{0, 0}};
    designer.onLButtonDown(0, 300, 100);
    EXPECT_TRUE(quest.map.Cell(0, 0).HoldsScreen());
    EXPECT_FALSE(quest.map.Cell(2, 1).HoldsScreen());
    EXPECT_EQ(QByteArray("screen 2-1"), base.Read(Screen(0, 0, "lnd")));
    for (const QString& path : {Screen(2, 1, "lnd"), Screen(2, 1, "bmp"), Script(2, 1)})
        EXPECT_EQ(QByteArray(), base.Read(path)) << path.toStdString();
    EXPECT_EQ(0x1234, Pixel(60, 60)); // the frame shows the screen in its new place
    EXPECT_EQ(0xFFFF, Pixel(300, 100));
}

TEST_F(DesignerFixture, MovingOntoAnOccupiedCellAsksFirstAndNoChangesNothing)
{
    MakeScreen(2, 1, 0x1234);
    MakeScreen(3, 1, 0x4321);
    quest.files.MoveOrCopyScreen(quest.map.Cell(2, 1), 3, 1, false);
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Destination map cell is currently used, do you want to overwrite it?"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Moving Screen"), ui.messages[0].caption);
    EXPECT_EQ(CUiPort::ButtonsYesNo, ui.messages[0].buttons);
    EXPECT_EQ(0x4321, quest.map.Preview(3, 1)->Pixel(0, 0));
    EXPECT_TRUE(quest.map.Cell(2, 1).HoldsScreen());
    EXPECT_EQ(QByteArray("screen 3-1"), base.Read(Screen(3, 1, "lnd")));
    EXPECT_EQ(QByteArray("screen 2-1"), base.Read(Screen(2, 1, "lnd")));

    ui.messageAnswers = {CUiPort::AnswerYes};
    quest.files.MoveOrCopyScreen(quest.map.Cell(2, 1), 3, 1, false);
    EXPECT_EQ(0x1234, quest.map.Preview(3, 1)->Pixel(0, 0));
    EXPECT_FALSE(quest.map.Cell(2, 1).HoldsScreen());
    EXPECT_EQ(QByteArray("screen 2-1"), base.Read(Screen(3, 1, "lnd")));
}

TEST_F(DesignerFixture, MovingOrCopyingAScreenOntoItselfCannotCopyItsFiles)
{
    MakeScreen(2, 1, 0x1234);
    EXPECT_EQ(0, quest.files.CopyScreenFiles(2, 1, 2, 1));
    for (bool copy : {false, true}) {
        ui.messages.clear();
        ui.messageAnswers = {CUiPort::AnswerYes};
        quest.files.MoveOrCopyScreen(quest.map.Cell(2, 1), 2, 1, copy);
        ASSERT_EQ(2u, ui.messages.size());
        EXPECT_EQ(QStringLiteral("Couldn't copy screen files"), ui.messages[1].text);
        EXPECT_EQ(QStringLiteral("Error"), ui.messages[1].caption);
        EXPECT_TRUE(quest.map.Cell(2, 1).HoldsScreen());
        EXPECT_EQ(QByteArray("screen 2-1"), base.Read(Screen(2, 1, "lnd")));
    }
}

TEST_F(DesignerFixture, AMoveWhoseCopyFailsHalfWayKeepsItsSource)
{
    MakeScreen(2, 1, 0x1234);
    // The destination's script cannot be written: a folder stands in its place.
    QDir().mkpath(base.Path(Script(4, 4)));
    quest.files.MoveOrCopyScreen(quest.map.Cell(2, 1), 4, 4, false);
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldn't copy screen files"), ui.messages[0].text);
    EXPECT_TRUE(quest.map.Cell(2, 1).HoldsScreen());
    EXPECT_EQ(QByteArray("screen 2-1"), base.Read(Screen(2, 1, "lnd")));
    EXPECT_EQ(QByteArray("script 2-1"), base.Read(Script(2, 1)));
    // What did arrive is shown where it arrived.
    EXPECT_TRUE(quest.map.Cell(4, 4).HoldsScreen());
}

TEST_F(DesignerFixture, FilesAScreenDoesNotHaveArePassedOver)
{
    MakeScreen(2, 1, 0x1234);
    QFile::remove(base.Path(Script(2, 1)));
    bool complete = false;
    EXPECT_EQ(1, quest.files.CopyScreenFiles(2, 1, 6, 6, &complete));
    EXPECT_TRUE(complete);
    EXPECT_FALSE(base.Exists(Script(6, 6)));
    EXPECT_EQ(QByteArray("screen 2-1"), base.Read(Screen(6, 6, "lnd")));
}

TEST_F(DesignerFixture, ACancelledMoveDialogChangesNothing)
{
    MakeScreen(2, 1, 0x1234);
    ui.dialogResults = {kMoveScreen};
    designer.onLButtonDown(0, 300, 100);
    EXPECT_EQ((QStringList{QStringLiteral("ScreenProperties(2,1)"), QStringLiteral("MoveScreen")}), ui.calls);
    EXPECT_TRUE(quest.map.Cell(2, 1).HoldsScreen());
    EXPECT_EQ(1, quest.map.ScreenCount());
}

TEST_F(DesignerFixture, LoadPreviewReadsRowsInOrderAndAMissingFileLeavesTheCellEmpty)
{
    QByteArray bytes;
    for (int i = 0; i < 128 * 96; ++i)
        bytes += QByteArray::number(i % 65536) + "\n"; // LF alone is read too
    base.Write(Screen(9, 9, "bmp"), bytes);
    CMapCell& cell = quest.map.Cell(9, 9);
    quest.files.LoadPreview(cell, 9, 9);
    ASSERT_TRUE(cell.HoldsScreen());
    EXPECT_EQ(5, quest.map.Preview(9, 9)->Pixel(5, 0));
    EXPECT_EQ(128 * 3 + 7, quest.map.Preview(9, 9)->Pixel(7, 3));
    EXPECT_TRUE(quest.map.Preview(9, 9)->colourKeyed);
    EXPECT_EQ(0x07E0, quest.map.Preview(9, 9)->KeyValue());

    quest.files.LoadPreview(quest.map.Cell(9, 10), 9, 10);
    EXPECT_FALSE(quest.map.Cell(9, 10).HoldsScreen());
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldn't open screen preview"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("questdata\\Forest\\screens\\9-10.bmp"), ui.messages[0].caption);

    QFile::remove(base.Path(Screen(9, 9, "bmp")));
    quest.files.LoadPreview(cell, 9, 9); // a reload that fails drops the old preview
    EXPECT_FALSE(cell.HoldsScreen());
}

TEST_F(DesignerFixture, SavingWithNoQuestOpenWritesNoFile)
{
    g_questName.clear();
    quest.files.SaveMapFile();
    EXPECT_FALSE(base.Exists(QStringLiteral("save\\.qss")));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldn't Open Save file"), ui.messages[0].text);
}

TEST_F(DesignerFixture, NothingIsDrawnWhileAnotherDesignerIsActive)
{
    doc.OpenScreenDesigner(0, 0);
    const int presented = display.PresentCount();
    designer.onHScroll(SB_LINERIGHT, 0);
    EXPECT_EQ(5, designer.ScrollX());
    EXPECT_EQ(presented, display.PresentCount());
}
