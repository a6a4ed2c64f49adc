#include "common/MenuId.h"
#include "common/VirtualKeys.h"
#include "helpers/FileBytes.h"
#include "sheets/SheetDesignerFixture.h"

namespace {
constexpr uint16_t kGround = 0x5555, kBlue = 0x001F, kRed = 0xF800, kYellow = 0xFFE0;
const QByteArray kMeadow = Lines({"Meadow", "[BACKGROUND]", "grass", "0", "0", "8", "8", "[FILL]", "", "FALSE",
                                  "255", "[EE]"});

struct SheetDesignerOnMeadow : SheetDesignerTest {
    SheetDesignerOnMeadow()
    {
        WriteSheetFile(kMeadow);
        designer.originX = 50;
        designer.drag = CRect{1, 2, 3, 4};
        designer.Open(QStringLiteral("meadow"));
    }
};
} // namespace

TEST_F(SheetDesignerOnMeadow, OpenReadsTheSheetShowsItsMenuAndDrawsItTwiceItsSize)
{
    EXPECT_EQ(std::vector<int>{kSheetMenu}, ui.menus);
    EXPECT_EQ(QByteArray("Meadow"), designer.title);
    EXPECT_EQ(QByteArrayList{"grass"}, Codes());
    EXPECT_EQ(CRect(-4, -4, 12, 12), designer.sprites.Head()->rectangle);
    EXPECT_EQ((std::array<int, 4>{7, 7, 0, 0}),
              (std::array<int, 4>{designer.originX, designer.originY, designer.modified, designer.dragging}));
    EXPECT_EQ(CRect(-5, -5, -5, -5), designer.drag);
    designer.draw(&display);
    // The sheet at (7, 7) doubled and unkeyed, the ground around it; the grass
    // outline on its rectangle moved by (10, 10), two pixels wide.
    const struct {
        int x, y;
        uint16_t value;
    } pixels[] = {{6, 30, kGround}, {7, 7, kRed},   {20, 20, kRed},     {134, 70, kBlue}, {135, 30, kGround},
                  {60, 72, kGround}, {5, 6, kBlue}, {22, 15, kBlue}, {7, 8, kRed}};
    for (const auto& p : pixels)
        EXPECT_EQ(p.value, Pixel(p.x, p.y)) << p.x << "," << p.y;
    EXPECT_EQ((QStringList{QStringLiteral("MouseX = -3, MouseY = -3"), QStringLiteral("Width = 0, Height = 0")}),
              designer.StatusLines());
}

TEST_F(SheetDesignerOnMeadow, ASheetWithoutItsBitmapIsReportedAndTheDesignerGoesBackKeepingItsSprites)
{
    designer.Open(QStringLiteral("missing"));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldn't Load Sprite Sheet"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("sprite sheets\\missing.bmp"), ui.messages[0].caption);
    EXPECT_EQ(1, host.returns);
    EXPECT_EQ(QByteArrayList{"grass"}, Codes());
    designer.draw(&display); // nothing is drawn from a missing bitmap
    EXPECT_EQ(kGround, Pixel(7, 7));
    // Nor from one cut short: its header says 64 x 32, and Qt's reader would
    // make up the rows the file lacks.
    base.Write(QStringLiteral("sprite sheets\\cut.bmp"), base.Read(QStringLiteral("sprite sheets\\meadow.bmp")).left(100));
    designer.Open(QStringLiteral("cut"));
    EXPECT_EQ(QStringLiteral("sprite sheets\\cut.bmp"), ui.messages.back().caption);
    EXPECT_EQ(std::make_pair(2, false), std::make_pair(host.returns, designer.surface != nullptr));
}

TEST_F(SheetDesignerOnMeadow, AReleaseThatWentToADialogStillEndsTheDrag)
{
    designer.onLButtonDown(MK_LBUTTON, 40, 40);
    designer.onMouseMove(MK_LBUTTON, 72, 56);
    designer.CreateSprite(); // Ctrl+C while holding: released in the dialog, which Escape closes
    designer.onMouseMove(0, 120, 120);
    designer.onMouseMove(MK_LBUTTON, 200, 200); // held again, without a press here
    EXPECT_EQ(std::make_pair(0, CRect(31, 31, 63, 47)), std::make_pair(designer.dragging, designer.drag));
}

TEST_F(SheetDesignerTest, APointerSnapsUpToTheGridLessNineAndShowsHalfItLessThree)
{
    const struct {
        int x;
        bool doubleSize;
        int snapped, mouseX;
    } rows[] = {{33, false, 31, 12}, {40, false, 31, 12}, {41, false, 39, 16}, {33, true, 30, 12},
                {0, false, -9, -7},  {-3, false, -9, -7}, {-9, false, -17, -11}};
    for (const auto& r : rows) {
        host.doubleSize = r.doubleSize;
        designer.onMouseMove(0, r.x, 100);
        EXPECT_EQ(r.snapped, designer.pointerX) << r.x;
        EXPECT_EQ(QStringLiteral("MouseX = %1, MouseY = 44").arg(r.mouseX), designer.StatusLines()[0]) << r.x;
    }
}

TEST_F(SheetDesignerOnMeadow, ADragBecomesASpriteInDesignerUnitsAndTheFileInPixels)
{
    Drag(40, 40, 72, 56);
    EXPECT_EQ(CRect(31, 31, 63, 47), designer.drag);
    EXPECT_EQ(QStringLiteral("Width = 16, Height = 8"), designer.StatusLines()[1]);
    NameSprites({"stone"});
    designer.CreateSprite();
    EXPECT_EQ(CRect(21, 21, 53, 37), Sprite("stone")->rectangle);
    EXPECT_EQ(CRect(31, 31, 63, 47), designer.drag); // the drag stays
    EXPECT_EQ(1, designer.modified);
    EXPECT_EQ(CSheetDesigner::SaveResult::Saved, designer.Save());
    EXPECT_EQ(0, designer.modified);
    EXPECT_EQ(kMeadow + Lines({"[BACKGROUND]", "stone", "12", "12", "16", "8", "", "FALSE", "255", "[EE]"}),
              SheetFile());
}

TEST_F(SheetDesignerOnMeadow, TheArrowsMoveTheSheetUnderADragMadeBefore)
{
    Drag(40, 40, 72, 56);
    const int frames = display.PresentCount();
    for (uint32_t key : std::initializer_list<uint32_t>{VK_RIGHT, VK_RIGHT, VK_DOWN, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, 'A'})
        designer.onKeyDown(key, 1, 0);
    EXPECT_EQ(frames + 7, display.PresentCount()); // every arrow draws; A does nothing
    EXPECT_EQ(std::make_pair(23, 15), std::make_pair(designer.originX, designer.originY));
    Cut("stone", 31, 31, 63, 47);
    EXPECT_EQ(CRect(5, 13, 37, 29), Sprite("stone")->rectangle); // x 4, y 8 in the file
    designer.onMouseMove(0, 40, 40); // the reading ignores the view's origin
    EXPECT_EQ(QStringLiteral("MouseX = 12, MouseY = 12"), designer.StatusLines()[0]);
}

TEST_F(SheetDesignerOnMeadow, CreateNeedsADragAndANonEmptyOneAndNormalisesItAndEscapeKeepsTheNewSprite)
{
    designer.CreateSprite();
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("You have to drag out an area to create your sprite from,\nusing the left mouse button "
                             "before you can create a sprite."),
              ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Attention"), ui.messages[0].caption);
    Drag(40, 40, 40, 90); // no width
    designer.CreateSprite();
    EXPECT_EQ(1, designer.sprites.Count());
    Drag(72, 56, 40, 40); // up and to the left
    EXPECT_EQ(QStringLiteral("Width = -16, Height = -8"), designer.StatusLines()[1]);
    designer.CreateSprite(); // the person presses Escape
    EXPECT_EQ(CRect(31, 31, 63, 47), designer.drag);
    const CDesignerSprite* fresh = designer.sprites.Tail();
    EXPECT_EQ(QByteArray(), fresh->code);
    EXPECT_EQ(CRect(21, 21, 53, 37), fresh->rectangle);
    EXPECT_EQ(std::make_tuple(1, 255u, 0, 0, 0),
              std::make_tuple(fresh->background, fresh->alpha, fresh->fill, fresh->entity, fresh->onTop));
    EXPECT_EQ(1u, ui.messages.size());
}

TEST_F(SheetDesignerOnMeadow, HoveringFindsTheLastSpriteUnderThePointerEdgesIncludedButNotWhileDragging)
{
    Cut("big", 23, 23, 71, 71);
    Cut("small", 47, 47, 63, 63);
    designer.onMouseMove(0, 72, 72); // snaps to (63, 63): the small one's corner
    EXPECT_EQ(Sprite("small"), designer.hovered);
    EXPECT_EQ(0, Pixel(70, 63)); // the black cross, over the outlines
    EXPECT_EQ(QStringLiteral("small - Right-Click to edit this sprite"), designer.StatusLines().value(2));
    designer.onMouseMove(0, 200, 200);
    EXPECT_EQ(nullptr, designer.hovered);
    designer.onLButtonDown(MK_LBUTTON, 40, 40);
    designer.onMouseMove(MK_LBUTTON, 72, 72);
    EXPECT_EQ(nullptr, designer.hovered);
}

TEST_F(SheetDesignerOnMeadow, ARightClickOpensEveryOverlappingSpriteInTurnUntilOneIsDeleted)
{
    Cut("first", 23, 23, 63, 63);
    Cut("second", 47, 47, 71, 71);
    Cut("apart", 95, 95, 111, 111);
    ui.calls.clear();
    ui.onSpriteProperties = nullptr;
    designer.onRButtonDown(0, 64, 64); // (55, 55)
    EXPECT_EQ((QStringList{QStringLiteral("SpriteProperties(first)"), QStringLiteral("SpriteProperties(second)")}),
              ui.calls);
    ui.calls.clear();
    ui.dialogResults = {5001};
    designer.hovered = Sprite("first");
    designer.onRButtonDown(0, 64, 64);
    EXPECT_EQ(QStringList{QStringLiteral("SpriteProperties(first)")}, ui.calls);
    EXPECT_EQ((QByteArrayList{"grass", "second", "apart"}), Codes());
    EXPECT_EQ(nullptr, designer.hovered);
}

TEST_F(SheetDesignerOnMeadow, SpaceCyclesTheSixDottedSelectionPensBackToYellow)
{
    designer.drag = CRect{300, 300, 340, 340};
    for (uint16_t value : {0x0000, 0xFFFF, 0x07E0, 0x001F, 0xF81F, int(kYellow)}) {
        designer.onKeyDown(VK_SPACE, 1, 0);
        EXPECT_EQ(std::make_tuple(value, kGround, value), std::make_tuple(Pixel(300, 299), Pixel(302, 299), Pixel(339, 304)));
    }
    EXPECT_EQ(0, designer.selectionColour);
}

TEST_F(SheetDesignerOnMeadow, BackToMapAsksAboutChangesAndStaysWhenTheSheetCouldNotBeWritten)
{
    EXPECT_TRUE(designer.BackToMap()); // nothing changed: no question
    Cut("stone", 31, 31, 63, 47);
    ui.messageAnswers = {CUiPort::AnswerCancel, CUiPort::AnswerNo};
    EXPECT_FALSE(designer.BackToMap());
    EXPECT_TRUE(designer.BackToMap());
    EXPECT_EQ(2, host.returns);
    EXPECT_EQ(kMeadow, SheetFile());
    ASSERT_EQ(2u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Do you want to save your changes?"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Tessellmancery"), ui.messages[0].caption);
    EXPECT_EQ(CUiPort::ButtonsYesNoCancel, ui.messages[0].buttons);
    designer.sheetName = QStringLiteral("no\\such"); // a name that cannot be written
    ui.messageAnswers = {CUiPort::AnswerYes};
    EXPECT_FALSE(designer.BackToMap());
    EXPECT_EQ(QStringLiteral("Couldn't open SPT file for writing"), ui.messages.back().text);
    designer.sheetName = QStringLiteral("meadow");
    ui.messageAnswers = {CUiPort::AnswerYes};
    EXPECT_TRUE(designer.BackToMap());
    EXPECT_EQ(3, host.returns);
    EXPECT_TRUE(SheetFile().contains("stone"));
}

TEST_F(SheetDesignerOnMeadow, DeletingEverySpriteAndSavingLeavesTheOldFileAndTheSheetModified)
{
    designer.DeleteSprite(designer.sprites.Head());
    EXPECT_EQ(CSheetDesigner::SaveResult::NothingToWrite, designer.Save());
    EXPECT_EQ(kMeadow, SheetFile());
    EXPECT_EQ(1, designer.modified);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SheetDesignerTest, TheTitleChangesOnOkAndAnUntouchedOneKeepsItsBytes)
{
    WriteSheetFile("Pr\xE9" "\r\n" + kMeadow.mid(8));
    designer.Open(QStringLiteral("meadow"));
    designer.SheetProperties(); // cancelled
    EXPECT_EQ(0, designer.modified);
    ui.titleAnswers = {QString::fromUtf8("Pr\xC3\xA9"), QStringLiteral("Fields")};
    designer.SheetProperties();
    EXPECT_EQ(QByteArray("Pr\xE9"), designer.title);
    EXPECT_EQ(1, designer.modified);
    designer.SheetProperties();
    designer.Save();
    EXPECT_TRUE(SheetFile().startsWith("Fields\r\n[BACKGROUND]\r\ngrass\r\n"));
}
