#include "common/MenuId.h"
#include "common/VirtualKeys.h"
#include "helpers/FileBytes.h"
#include "sheets/SheetDesignerFixture.h"

namespace {
constexpr uint16_t kGround = 0x5555, kBlue = 0x001F, kRed = 0xF800, kYellow = 0xFFE0;
const QByteArray kMeadow = Lines({"Meadow", "[BACKGROUND]", "grass", "0", "0", "8", "8", "[FILL]", "", "FALSE",
                                  "255", "[EE]"});
} // namespace

TEST_F(SheetDesignerTest, OpenReadsTheSheetShowsItsMenuAndDrawsItTwiceItsSize)
{
    WriteSheetFile(kMeadow);
    designer.originX = 50;
    designer.drag = CRect{1, 2, 3, 4};
    designer.Open(QStringLiteral("meadow"));
    EXPECT_EQ(std::vector<int>{kSheetMenu}, ui.menus);
    EXPECT_EQ(QByteArray("Meadow"), designer.title);
    EXPECT_EQ(QByteArrayList{"grass"}, Codes());
    EXPECT_EQ(CRect(-4, -4, 12, 12), designer.sprites.Head()->rectangle);
    EXPECT_EQ((std::array<int, 4>{7, 7, 0, 0}),
              (std::array<int, 4>{designer.originX, designer.originY, designer.modified, designer.dragging}));
    EXPECT_EQ(CRect(-5, -5, -5, -5), designer.drag);
    designer.draw(&display);
    // The sheet at (7, 7) doubled and unkeyed; the ground around it.
    EXPECT_EQ(kGround, Pixel(6, 30));
    EXPECT_EQ(kRed, Pixel(7, 7));
    EXPECT_EQ(kRed, Pixel(20, 20));
    EXPECT_EQ(kBlue, Pixel(134, 70));
    EXPECT_EQ(kGround, Pixel(135, 30));
    EXPECT_EQ(kGround, Pixel(60, 72));
    // The grass outline: the sprite's rectangle moved by (10, 10), pen width 2.
    EXPECT_EQ(kBlue, Pixel(5, 6));
    EXPECT_EQ(kBlue, Pixel(22, 15));
    EXPECT_EQ(kRed, Pixel(7, 8)); // inside the pen's two pixels, the sheet again
    EXPECT_EQ((QStringList{QStringLiteral("MouseX = -3, MouseY = -3"), QStringLiteral("Width = 0, Height = 0")}),
              designer.StatusLines());
}

TEST_F(SheetDesignerTest, ASheetWithoutItsBitmapIsReportedAndTheDesignerGoesBackKeepingItsSprites)
{
    WriteSheetFile(kMeadow);
    designer.Open(QStringLiteral("meadow"));
    designer.Open(QStringLiteral("missing"));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldn't Load Sprite Sheet"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("sprite sheets\\missing.bmp"), ui.messages[0].caption);
    EXPECT_EQ(1, host.returns);
    EXPECT_EQ(QByteArrayList{"grass"}, Codes());
    EXPECT_EQ(nullptr, designer.surface);
    designer.draw(&display); // nothing is drawn from a missing bitmap
    EXPECT_EQ(kGround, Pixel(7, 7));
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

TEST_F(SheetDesignerTest, ADragBecomesASpriteInDesignerUnitsAndTheFileInPixels)
{
    WriteSheetFile(kMeadow);
    designer.Open(QStringLiteral("meadow"));
    Drag(40, 40, 72, 56);
    EXPECT_EQ(CRect(31, 31, 63, 47), designer.drag);
    EXPECT_EQ(QStringLiteral("Width = 16, Height = 8"), designer.StatusLines()[1]);
    NameSprites({"stone"});
    designer.CreateSprite();
    EXPECT_EQ(QStringList{QStringLiteral("SpriteProperties()")}, ui.calls);
    ASSERT_EQ(2, designer.sprites.Count());
    EXPECT_EQ(CRect(21, 21, 53, 37), Sprite("stone")->rectangle);
    EXPECT_EQ(CRect(31, 31, 63, 47), designer.drag); // the drag stays
    EXPECT_EQ(1, designer.modified);
    EXPECT_EQ(CSheetDesigner::SaveResult::Saved, designer.Save());
    EXPECT_EQ(0, designer.modified);
    EXPECT_EQ(kMeadow + Lines({"[BACKGROUND]", "stone", "12", "12", "16", "8", "", "FALSE", "255", "[EE]"}),
              SheetFile());
}

TEST_F(SheetDesignerTest, TheArrowsMoveTheSheetUnderADragMadeBefore)
{
    WriteSheetFile(kMeadow);
    designer.Open(QStringLiteral("meadow"));
    Drag(40, 40, 72, 56);
    const int frames = display.PresentCount();
    for (uint32_t key : std::initializer_list<uint32_t>{VK_RIGHT, VK_RIGHT, VK_DOWN, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, 'A'})
        designer.onKeyDown(key, 1, 0);
    EXPECT_EQ(frames + 7, display.PresentCount()); // every arrow draws; A does nothing
    EXPECT_EQ(std::make_pair(23, 15), std::make_pair(designer.originX, designer.originY));
    EXPECT_EQ(CRect(31, 31, 63, 47), designer.drag);
    Cut("stone", 31, 31, 63, 47);
    EXPECT_EQ(CRect(5, 13, 37, 29), Sprite("stone")->rectangle); // x 4, y 8 in the file
    // The pointer's reading ignores the view's origin.
    designer.onMouseMove(0, 40, 40);
    EXPECT_EQ(QStringLiteral("MouseX = 12, MouseY = 12"), designer.StatusLines()[0]);
}

TEST_F(SheetDesignerTest, CreateNeedsADragAndANonEmptyOneAndNormalisesIt)
{
    WriteSheetFile(kMeadow);
    designer.Open(QStringLiteral("meadow"));
    designer.CreateSprite();
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("You have to drag out an area to create your sprite from,\nusing the left mouse button "
                             "before you can create a sprite."),
              ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Attention"), ui.messages[0].caption);
    Drag(40, 40, 40, 90); // no width
    designer.CreateSprite();
    EXPECT_EQ(1, designer.sprites.Count());
    EXPECT_EQ(1u, ui.messages.size());
    Drag(72, 56, 40, 40); // up and to the left
    EXPECT_EQ(QStringLiteral("Width = -16, Height = -8"), designer.StatusLines()[1]);
    designer.CreateSprite(); // the person presses Escape
    EXPECT_EQ(CRect(31, 31, 63, 47), designer.drag);
    const CDesignerSprite* fresh = designer.sprites.Tail();
    EXPECT_EQ(QByteArray(), fresh->code);
    EXPECT_EQ(CRect(21, 21, 53, 37), fresh->rectangle);
    EXPECT_EQ((std::array<uint32_t, 5>{1, 255, 0, 0, 0}),
              (std::array<uint32_t, 5>{uint32_t(fresh->background), fresh->alpha, uint32_t(fresh->fill),
                                       uint32_t(fresh->entity), uint32_t(fresh->onTop)}));
    EXPECT_EQ(1, designer.modified);
}

TEST_F(SheetDesignerTest, HoveringFindsTheLastSpriteUnderThePointerEdgesIncludedButNotWhileDragging)
{
    WriteSheetFile(kMeadow);
    designer.Open(QStringLiteral("meadow"));
    Cut("big", 23, 23, 71, 71);
    Cut("small", 47, 47, 63, 63);
    designer.onMouseMove(0, 72, 72); // snaps to (63, 63): the small one's corner
    EXPECT_EQ(Sprite("small"), designer.hovered);
    EXPECT_EQ(0, Pixel(70, 63)); // the black cross, over the outlines
    EXPECT_EQ(QStringLiteral("small - Right-Click to edit this sprite"), designer.StatusLines().value(2));
    designer.onMouseMove(0, 24, 24);
    EXPECT_EQ(Sprite("grass"), designer.hovered);
    designer.onMouseMove(0, 200, 200);
    EXPECT_EQ(nullptr, designer.hovered);
    designer.onLButtonDown(0, 40, 40);
    designer.onMouseMove(0, 72, 72);
    EXPECT_EQ(nullptr, designer.hovered);
}

TEST_F(SheetDesignerTest, ARightClickOpensEveryOverlappingSpriteInTurnUntilOneIsDeleted)
{
    WriteSheetFile(kMeadow);
    designer.Open(QStringLiteral("meadow"));
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

TEST_F(SheetDesignerTest, SpaceCyclesTheSixSelectionPensBackToYellow)
{
    WriteSheetFile(kMeadow);
    designer.Open(QStringLiteral("meadow"));
    designer.drag = CRect{300, 300, 340, 340};
    const uint16_t expected[] = {0x0000, 0xFFFF, 0x07E0, 0x001F, 0xF81F, kYellow};
    for (uint16_t value : expected) {
        designer.onKeyDown(VK_SPACE, 1, 0);
        // The dotted pen: two pixels drawn, two left, along each edge.
        EXPECT_EQ(value, Pixel(300, 299));
        EXPECT_EQ(kGround, Pixel(302, 299));
        EXPECT_EQ(value, Pixel(339, 304));
    }
    EXPECT_EQ(0, designer.selectionColour);
}

TEST_F(SheetDesignerTest, BackToMapAsksAboutChangesAndStaysWhenTheSheetCouldNotBeWritten)
{
    WriteSheetFile(kMeadow);
    designer.Open(QStringLiteral("meadow"));
    EXPECT_TRUE(designer.BackToMap()); // nothing changed: no question
    EXPECT_TRUE(ui.messages.empty());
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
    EXPECT_EQ(1, designer.modified);
    designer.sheetName = QStringLiteral("meadow");
    ui.messageAnswers = {CUiPort::AnswerYes};
    EXPECT_TRUE(designer.BackToMap());
    EXPECT_EQ(3, host.returns);
    EXPECT_TRUE(SheetFile().contains("stone"));
}

TEST_F(SheetDesignerTest, DeletingEverySpriteAndSavingLeavesTheOldFileAndTheSheetModified)
{
    WriteSheetFile(kMeadow);
    designer.Open(QStringLiteral("meadow"));
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
    ui.titleAnswers = {QString::fromUtf8("Pr\xC3\xA9")};
    designer.SheetProperties();
    EXPECT_EQ(QByteArray("Pr\xE9"), designer.title);
    EXPECT_EQ(1, designer.modified);
    ui.titleAnswers = {QStringLiteral("Fields")};
    designer.SheetProperties();
    EXPECT_EQ(QByteArray("Fields"), designer.title);
    designer.Save();
    EXPECT_TRUE(SheetFile().startsWith("Fields\r\n[BACKGROUND]\r\ngrass\r\n"));
}
