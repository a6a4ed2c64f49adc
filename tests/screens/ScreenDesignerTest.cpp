#include "screens/ScreenDesignerFixture.h"

#include "common/MenuId.h"
#include "common/VirtualKeys.h"
#include "helpers/FileBytes.h"

#include <QFileInfo>

#include <functional>

TEST_F(ScreenDesignerTest, OpenLoadsTheBlockAroundTheCellAndSetsTheWindowUp)
{
    base.Write(QStringLiteral("questdata\\Q\\screens\\2-3.lnd"), Lines({"1", "20", "40", "blue", "", "0", "0"}));
    Open(1, 2);
    EXPECT_EQ(designer->Screen(1, 1), designer->current);
    EXPECT_EQ(std::make_pair(0, 1), std::make_pair(designer->Screen(0, 0)->mapCellX, designer->Screen(0, 0)->mapCellY));
    EXPECT_EQ(1, designer->Screen(2, 2)->placedSprites.Count()); // the neighbour at 2-3
    EXPECT_EQ(std::vector<int>{kScreenMenu}, ui.menus);
    EXPECT_FALSE(ui.scrollBarsShown);
    EXPECT_TRUE(ui.frameSizes.empty()); // normal size leaves the frame alone
    EXPECT_EQ(std::make_pair(470, 100), ui.entityWindowAt);
    EXPECT_FALSE(ui.entityWindowShown);
    EXPECT_EQ(1, ui.focusReturns);
    EXPECT_EQ(1, host.entityListReads);
    // The strip holds the sheet's background and entity sprites, fills none.
    QByteArrayList strip, fills;
    for (CPlacedSprite* item : designer->spritePalette->items)
        strip << item->code;
    for (CPlacedSprite* item : designer->fillPalette->items)
        fills << item->code;
    EXPECT_EQ((QByteArrayList{"blue", "ent", "cyan"}), strip);
    EXPECT_EQ((QByteArrayList{"red", "yellow", "hole001", "hole002"}), fills);
}

TEST_F(ScreenDesignerTest, TheMapsCornerShowsEmptyNeighboursThatAreNeverRead)
{
    // A file named like a cell off the map must not be taken for one.
    base.Write(QStringLiteral("questdata\\Q\\screens\\-1--1.lnd"), Lines({"1", "20", "40", "blue", "", "0", "0"}));
    Open(0, 0);
    EXPECT_EQ(0, designer->Screen(0, 0)->placedSprites.Count());
    EXPECT_EQ(-1, designer->Screen(0, 0)->mapCellX);
}

TEST_F(ScreenDesignerTest, DoubleSizeFollowsTheSettingUnlessTheScreenIsNarrow)
{
    WriteSetting(QStringLiteral("Options"), QStringLiteral("Zoom"), 1);
    Open();
    EXPECT_EQ(1, designer->doubleSize);
    EXPECT_EQ(1, g_doubleSize);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{1024, 768}}), ui.frameSizes);
    EXPECT_EQ(std::make_pair(740, 160), ui.entityWindowAt);

    ui.screenWidth = 899;
    Open();
    EXPECT_EQ(0, designer->doubleSize);
    EXPECT_EQ(0, g_doubleSize);
    EXPECT_EQ(1, ReadSetting(QStringLiteral("Options"), QStringLiteral("Zoom"), 0).toInt()); // the profile stays
}

TEST_F(ScreenDesignerTest, SnappingRoundsUpToTheStepLessOneOrTwo)
{
    Open();
    const struct {
        int snap, doubleSize, v, step, expected;
    } rows[] = {
        {1, 0, 100, 0, 103}, {1, 0, 104, 0, 103}, {1, 0, 105, 0, 111}, {1, 0, 0, 0, -1}, {1, 0, -5, 0, -1},
        {1, 0, 100, 16, 111}, {0, 0, 101, 0, 101}, {0, 0, 100, 0, 99}, {1, 1, 100, 0, 110}, {0, 1, 101, 0, 102},
    };
    for (const auto& r : rows) {
        designer->snapToWidth = r.snap;
        designer->doubleSize = r.doubleSize;
        EXPECT_EQ(r.expected, designer->Snap(r.v, r.step)) << r.snap << r.doubleSize << " " << r.v << " " << r.step;
    }
}

TEST_F(ScreenDesignerTest, AStampedSpriteSnapsAndMayReachOverTheEdge)
{
    Open();
    Carry("blue"); // 16 x 16
    ASSERT_NE(nullptr, designer->carried);
    designer->onLButtonDown(0, 100, 100);
    ASSERT_EQ(1, Current().placedSprites.Count());
    EXPECT_EQ(std::make_pair(72, 72), std::make_pair(Current().placedSprites.Tail()->x, Current().placedSprites.Tail()->y));
    EXPECT_EQ(1, designer->repeat.spritePlaced);
    EXPECT_EQ("blue", designer->carried->code); // still carried

    designer->onLButtonDown(0, 17, 17); // snaps to 23: the left edge at -8, partly off the screen
    ASSERT_EQ(2, Current().placedSprites.Count());
    EXPECT_EQ(-8, Current().placedSprites.Tail()->x);
    designer->onLButtonDown(0, 9, 9); // snaps to 15: wholly outside
    designer->onLButtonDown(0, 359, 100); // right of the screen's far edge
    EXPECT_EQ(2, Current().placedSprites.Count());
}

TEST_F(ScreenDesignerTest, TheRepeatStepsOneSpriteAtATimeAndSkipsWhatLeavesTheScreen)
{
    Open();
    Carry("blue");
    designer->onLButtonDown(0, 100, 100); // at 72, 72
    for (uint32_t key : {uint32_t('3'), uint32_t('R'), uint32_t('E')})
        designer->onKeyDown(key, 1, 0);
    QList<int> xs;
    for (CPlacedSprite* p : Current().placedSprites)
        xs << p->x;
    EXPECT_EQ((QList<int>{72, 88, 104, 120}), xs);
    EXPECT_EQ(0, designer->repeat.armed);
    designer->onKeyDown('E', 1, 0); // not armed again: nothing
    EXPECT_EQ(4, Current().placedSprites.Count());
    // With Ctrl held no letter or digit acts (Ctrl+S is pressed out of habit).
    for (uint32_t key : {uint32_t(VK_CONTROL), uint32_t('R'), uint32_t('5'), uint32_t('S'), uint32_t('W')})
        designer->onKeyDown(key, 1, 0);
    designer->onKeyUp(VK_CONTROL, 1, 0);
    EXPECT_EQ(std::make_pair(4, 3), std::make_pair(Current().placedSprites.Count(), designer->repeat.count));

    // From the right edge: the first copies leave the screen, and the corner
    // walks on west past the ones it skipped.
    designer->onLButtonDown(0, 340, 100); // snaps to 343: left edge at 312
    ASSERT_EQ(312, Current().placedSprites.Tail()->x);
    for (uint32_t key : {uint32_t('0'), uint32_t('R'), uint32_t('E')})
        designer->onKeyDown(key, 1, 0);
    EXPECT_EQ(5, Current().placedSprites.Count()); // all ten east copies off the screen
    for (uint32_t key : {uint32_t('2'), uint32_t('R'), uint32_t('W')})
        designer->onKeyDown(key, 1, 0);
    ASSERT_EQ(7, Current().placedSprites.Count());
    EXPECT_EQ(280, Current().placedSprites.Tail()->x);
}

TEST_F(ScreenDesignerTest, AFillDragEndsOnlyInsideTheAcceptedArea)
{
    Open();
    ChooseFill("red");
    ASSERT_NE(nullptr, designer->chosenFill);
    EXPECT_EQ(1, designer->chosenFill->highlighted);
    designer->onRButtonDown(0, 50, 50);
    ASSERT_EQ(1, designer->fillDrag.running);
    EXPECT_EQ(55, designer->fillDrag.startX);
    designer->onRButtonUp(0, 400, 300); // beyond 351 x 271: the drag goes on
    EXPECT_EQ(1, designer->fillDrag.running);
    EXPECT_TRUE(Current().fills.IsEmpty());
    designer->onRButtonUp(0, 100, 100);
    EXPECT_EQ(0, designer->fillDrag.running);
    ASSERT_EQ(1, Current().fills.Count());
    const CFill* f = Current().fills.Head();
    EXPECT_EQ(std::make_tuple(40, 40, 88, 88), std::make_tuple(f->left, f->top, f->right, f->bottom));

    ChooseFill("yellow");
    EXPECT_EQ(0, designer->fillPalette->items.Head()->highlighted);
    designer->onRButtonDown(0, 400, 100); // outside the screen: no drag
    EXPECT_EQ(0, designer->fillDrag.running);
}

TEST_F(ScreenDesignerTest, UpAndDownSkipSheetsWithNothingForTheStrip)
{
    const QByteArray fillsOnly = QByteArray("Only fills\r\n") + sheetfixture::Still("[BACKGROUND]\r\n", "f", 0, 0, 8, 8, true, "FALSE");
    const QByteArray other = QByteArray("Other\r\n") + sheetfixture::Still("[BACKGROUND]\r\n", "o", 0, 0, 8, 8, false, "FALSE");
    sheetfixture::WriteSheet(base, QStringLiteral("fills"), sheetfixture::TilesImage(), fillsOnly);
    sheetfixture::WriteSheet(base, QStringLiteral("other"), sheetfixture::TilesImage(), other);
    sheetfixture::ListSheets(base, QStringLiteral("Q"), {"tiles", "fills", "other"});
    // Opening steps on from the first sheet, past the one of fills only.
    Open();
    ASSERT_EQ(1, designer->spritePalette->items.Count());
    EXPECT_EQ("o", designer->spritePalette->items.Head()->code);
    Carry("o");
    designer->onKeyDown(VK_DOWN, 1, 0); // round to the first
    EXPECT_EQ("blue", designer->spritePalette->items.Head()->code);
    EXPECT_EQ(nullptr, designer->carried);
    designer->onKeyDown(VK_DOWN, 1, 0);
    EXPECT_EQ("o", designer->spritePalette->items.Head()->code);
    designer->onKeyDown(VK_UP, 1, 0);
    EXPECT_EQ("blue", designer->spritePalette->items.Head()->code);
}

TEST_F(ScreenDesignerTest, PickingAnEntityShowsItsWindowAndAnythingElseHidesIt)
{
    Open(1, 2);
    Carry("ent");
    designer->onLButtonDown(0, 63, 79); // the entity at 40, 56
    designer->onRButtonDown(0, 0, 0);   // drop it
    designer->onLButtonDown(0, 60, 75);
    ASSERT_EQ(1, designer->selection.active);
    CPlacedSprite* ent = Current().placedSprites.Tail();
    EXPECT_EQ(ent, ui.entity);
    EXPECT_TRUE(ui.entityWindowShown);
    EXPECT_EQ(std::make_pair(320, 480), ui.entityWorld);
    EXPECT_EQ(QStringLiteral("ent"), ui.entityType);
    EXPECT_EQ(2, ui.focusReturns);
    EXPECT_EQ((std::tuple{55, 71, 63, 79}),
              std::tuple(designer->selection.rect.left, designer->selection.rect.top, designer->selection.rect.right,
                         designer->selection.rect.bottom));
    Current().modified = 0;
    ent->entityName = "bat"; // the window stores the name, then tells
    ui.entityNameChanged(1);
    EXPECT_EQ(1, Current().modified);

    designer->onLButtonDown(0, 200, 200); // nothing there
    EXPECT_FALSE(ui.entityWindowShown);
    EXPECT_EQ(nullptr, ui.entity);

    designer->onLButtonDown(0, 60, 75);
    designer->onKeyDown(VK_DELETE, 1, 0);
    EXPECT_TRUE(Current().placedSprites.IsEmpty());
    EXPECT_EQ(0, designer->selection.active);
    EXPECT_EQ(nullptr, ui.entity); // the window keeps nothing that is gone
}

TEST_F(ScreenDesignerTest, EachQuestionWithEachAnswer)
{
    Open();
    Carry("blue");
    designer->onLButtonDown(0, 100, 100);
    const QString lnd = base.Path(QStringLiteral("questdata\\Q\\screens\\1-2.lnd"));

    ui.messageAnswers = {CUiPort::AnswerCancel};
    EXPECT_FALSE(designer->BackToMap());
    EXPECT_EQ(0, host.returns);
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Save the current screen?"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Tessellmancery"), ui.messages[0].caption);
    EXPECT_EQ(CUiPort::ButtonsYesNoCancel, ui.messages[0].buttons);

    ui.messageAnswers = {CUiPort::AnswerNo};
    designer->ClearScreen();
    EXPECT_EQ(QStringLiteral("Are you sure you want to clear the screen?"), ui.messages.back().text);
    EXPECT_EQ(QStringLiteral("Confirm"), ui.messages.back().caption);
    EXPECT_EQ(1, Current().placedSprites.Count());

    ui.messageAnswers = {CUiPort::AnswerNo};
    designer->ToggleDoubleSize();
    EXPECT_EQ(QStringLiteral("This will save the current screen, continue?"), ui.messages.back().text);
    EXPECT_EQ(QStringLiteral("Attention"), ui.messages.back().caption);
    EXPECT_EQ(0, designer->doubleSize);
    EXPECT_FALSE(QFileInfo::exists(lnd));

    QDir().mkpath(lnd); // a folder in the file's place: the save fails, nothing is toggled
    ui.messageAnswers = {CUiPort::AnswerYes};
    designer->ToggleDoubleSize();
    EXPECT_EQ(QStringLiteral("Couldn't Open LND file for saving"), ui.messages.back().text);
    EXPECT_EQ(std::make_pair(0, 1), std::make_pair(designer->doubleSize, Current().placedSprites.Count()));
    EXPECT_EQ(0, ReadSetting(QStringLiteral("Options"), QStringLiteral("Zoom"), 0).toInt());
    QDir(lnd).removeRecursively();
    ui.messageAnswers = {CUiPort::AnswerYes};
    designer->ToggleDoubleSize();
    EXPECT_EQ(1, designer->doubleSize);
    EXPECT_TRUE(QFileInfo::exists(lnd)); // saved before opening again
    EXPECT_EQ(1, ReadSetting(QStringLiteral("Options"), QStringLiteral("Zoom"), 0).toInt());
    EXPECT_EQ(1, Current().placedSprites.Count()); // read back from its file

    ui.messageAnswers = {CUiPort::AnswerYes};
    designer->ClearScreen();
    EXPECT_TRUE(Current().placedSprites.IsEmpty());

    ui.messageAnswers = {CUiPort::AnswerNo};
    EXPECT_TRUE(designer->BackToMap()); // not saved: the file keeps the sprite
    EXPECT_EQ(1, host.returns);
    EXPECT_TRUE(ui.scrollBarsShown);
    EXPECT_EQ(1, ui.entityWindowsClosed);
    EXPECT_EQ(Lines({"1", "144", "144", "blue", "", "0"}), base.Read(QStringLiteral("questdata\\Q\\screens\\1-2.lnd")));
}

TEST_F(ScreenDesignerTest, NeighboursAreClampedToTheMapAndAskFirst)
{
    Open(0, 255);
    designer->onMouseMove(0, 100, 50); // the world's (85, 61235)
    designer->onKeyDown(VK_CONTROL, 1, 0);
    designer->onKeyDown(VK_RIGHT, 1, 0);
    EXPECT_EQ(std::make_pair(320 + 85, 61235), std::make_pair(designer->worldX, designer->worldY)); // at once
    designer->onKeyDown(VK_LEFT, 1, 0);
    designer->onKeyUp(VK_CONTROL, 1, 0);
    designer->GoToNeighbour(-1, 0);
    designer->GoToNeighbour(0, 1);
    EXPECT_EQ(std::make_pair(0, 255), std::make_pair(designer->cellX, designer->cellY));
    Carry("blue");
    designer->onLButtonDown(0, 100, 100);
    ui.messageAnswers = {CUiPort::AnswerCancel};
    designer->GoToNeighbour(1, 0);
    EXPECT_EQ(0, designer->cellX);
    ui.messageAnswers = {CUiPort::AnswerYes};
    designer->GoToNeighbour(1, -1);
    EXPECT_EQ(std::make_pair(1, 254), std::make_pair(designer->cellX, designer->cellY));
    EXPECT_EQ(nullptr, designer->carried);
    EXPECT_TRUE(QFileInfo::exists(base.Path(QStringLiteral("questdata\\Q\\screens\\0-255.lnd"))));
    // The screen just left is now the neighbour down and to the left.
    EXPECT_EQ(1, designer->Screen(0, 2)->placedSprites.Count());
    EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 255}}), host.saved);
}

TEST_F(ScreenDesignerTest, SaveWritesTheScreenItsPreviewAndItsScriptFromTheTemplate)
{
    base.Write(QStringLiteral("questdata\\standardscreen.ves"), "// screen script\r\n");
    Open(1, 2);
    Carry("blue");
    designer->onLButtonDown(0, 100, 100);
    ChooseFill("red");
    designer->onRButtonDown(0, 50, 50);
    designer->onRButtonUp(0, 100, 100);
    designer->SaveScreen();
    EXPECT_EQ(Lines({"1", "144", "144", "blue", "", "1", "80", "80", "176", "176", "red"}),
              base.Read(QStringLiteral("questdata\\Q\\screens\\1-2.lnd")));
    const QByteArray preview = base.Read(QStringLiteral("questdata\\Q\\screens\\1-2.bmp"));
    const QList<QByteArray> pixels = preview.split('\n');
    ASSERT_EQ(128 * 96 + 1, pixels.size());
    // The preview is the screen at 2 / 5: the red fill from 40, 40 to 88, 88
    // covers the preview's 16 to 35, the blue sprite's top-left is at 28, 28.
    auto at = [&](int x, int y) { return pixels[y * 128 + x].trimmed(); };
    EXPECT_EQ("65535", at(5, 5));
    EXPECT_EQ(QByteArray::number(0xF800), at(17, 17));
    EXPECT_EQ(QByteArray::number(0x001F), at(30, 30));
    EXPECT_EQ("// screen script\r\n", base.Read(QStringLiteral("questdata\\Q\\scripts\\screen\\1-2.ves")));
    EXPECT_EQ((std::vector<std::pair<int, int>>{{1, 2}}), host.saved);
    EXPECT_EQ(0, Current().modified);
}

TEST_F(ScreenDesignerTest, AFrameInBothSizes)
{
    for (int doubleSize : {0, 1}) {
        WriteSetting(QStringLiteral("Options"), QStringLiteral("Zoom"), doubleSize);
        Open();
        const int s = designer->Scale();
        ChooseFill("red"); // at (355, 5): its frame is one pixel wide in both sizes
        designer->draw(&display);
        EXPECT_EQ(std::make_pair(0, 0xF800), std::make_pair(int(BackPixel(355 * s, 8 * s)), int(BackPixel(355 * s + 1, 8 * s))));
        const uint16_t grey = display.BackBuffer()->ConvertColour(Rgb(200, 200, 200));
        EXPECT_EQ(grey, BackPixel(400 * s, 100 * s)) << s;        // right of the composite
        EXPECT_EQ(grey, BackPixel(100 * s, 272 * s)) << s;        // below it
        EXPECT_EQ(0, BackPixel(350 * s, 100 * s)) << s;           // the separator
        EXPECT_EQ(0, BackPixel(100 * s, 15 * s)) << s;            // the current screen's frame
        EXPECT_EQ(0xFFFF, BackPixel(100 * s, 100 * s)) << s;      // the empty screen
        EXPECT_EQ(0x001F, BackPixel(5 * s, 285 * s)) << s;        // blue, first on the strip
        EXPECT_EQ(0xF800, BackPixel(358 * s, 8 * s)) << s;        // red, first fill tile
        if (s == 2)
            continue;
        EXPECT_EQ(0xFFFF, BackPixel(1023, 767)); // outside the work surface in normal size
    }
}

TEST_F(ScreenDesignerTest, AFrameKeepsTheLastFramesPalettesOnlyWhileNothingTheyShowChanged)
{
    struct Case {
        const char* what;
        std::function<void()> change;
        bool palettesChange;
    };
    const std::vector<Case> cases = {
        {"the strip scrolled", [&] { designer->onKeyDown(VK_RIGHT, 1, 0); }, true},
        {"the fill tiles scrolled", [&] { designer->onKeyDown(VK_PRIOR, 1, 0); }, true},
        {"a sheet's pixels changed", [&] { designer->library->selectedSheet->surface->FillRect(Rgb(0, 0, 0), 8, 0, 24, 16); }, true},
        {"the grey area written over", [&] { designer->work->FillRect(Rgb(0, 0, 0), 400, 100, 420, 120); }, false},
    };
    for (const Case& c : cases) {
        Open();
        designer->draw(&display);
        const QImage before = display.BackBuffer()->Image().copy();
        c.change();
        designer->draw(&display);
        const QImage kept = display.BackBuffer()->Image().copy();
        // Any write to the work surface has the palettes drawn anew.
        designer->work->Image().bits();
        designer->draw(&display);
        const QImage anew = c.palettesChange ? display.BackBuffer()->Image().copy() : before;
        EXPECT_EQ(anew, kept) << c.what;
        EXPECT_EQ(c.palettesChange, anew != before) << c.what;
    }
}

TEST_F(ScreenDesignerTest, TheKeyGreenOutlinesOfHole002ShowInTheDesignerInTheNextGreen)
{
    base.Write(QStringLiteral("questdata\\Q\\screens\\1-2.lnd"),
               Lines({"0", "2", "40", "40", "120", "120", "hole001", "200", "40", "280", "120", "hole002"}));
    Open();
    designer->draw(&display);
    // (20, 20) is a corner of the red hole001 outline, (100, 20) of the hole002 one.
    EXPECT_EQ(std::make_pair(0xF800, 0xF800), std::make_pair(int(Current().preview->Pixel(20, 20)), int(BackPixel(35, 35))));
    EXPECT_EQ(std::make_pair(0x07E0, 0x07C0), std::make_pair(int(Current().preview->Pixel(100, 20)), int(BackPixel(115, 35))));
}
