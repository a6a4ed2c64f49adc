#include "document/QuestDoc.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "support/paths/Globals.h"

#include <QDir>
#include <QFile>

#include <map>
#include <set>

#include <gtest/gtest.h>

namespace {
struct DocFixture : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CQuestDoc doc{ui};
    DocFixture()
    {
        ui.nameAnswers = {QStringLiteral("Forest")};
        EXPECT_TRUE(doc.StartCreateQuest());
        ui.menus.clear();
        ui.calls.clear();
    }
};
} // namespace

TEST_F(DocFixture, AMapCommandDoesNothingWhileAnotherDesignerIsActive)
{
    doc.OpenScreenDesigner(3, 4);
    EXPECT_EQ(doc.screenDesigner.get(), doc.activeDesigner);
    EXPECT_EQ(std::vector<int>{133}, ui.menus);
    base.Write(QStringLiteral("save\\Forest.qss"), "untouched");
    doc.OnCommand(ID_SAVE_MAP);
    doc.OnCommand(ID_NEW_QUEST);
    doc.OnCommand(ID_OPEN_QUEST);
    EXPECT_EQ(QByteArray("untouched"), base.Read(QStringLiteral("save\\Forest.qss")));
    EXPECT_TRUE(ui.calls.isEmpty());
    doc.BackToMap();
    doc.OnCommand(ID_SAVE_MAP);
    EXPECT_TRUE(base.Read(QStringLiteral("save\\Forest.qss")).startsWith("Vantraglen Tessellmancery Map File\r\n"));
}

TEST_F(DocFixture, BackToMapWorksFromTheScreenAndTheSheetDesigner)
{
    doc.OnCommand(ID_BACK_TO_MAP); // the map itself is active: nothing to do
    EXPECT_TRUE(ui.menus.empty());
    doc.OpenScreenDesigner(0, 0);
    doc.OnCommand(ID_BACK_TO_MAP);
    EXPECT_EQ(doc.mapDesigner.get(), doc.activeDesigner);
    EXPECT_EQ((std::vector<int>{133, 134}), ui.menus);
    doc.activeDesigner = doc.sheetDesigner.get();
    doc.OnCommand(ID_BACK_TO_MAP_SHEET);
    EXPECT_EQ(doc.mapDesigner.get(), doc.activeDesigner);
    doc.activeDesigner = doc.sheetDesigner.get();
    doc.OnCommand(ID_BACK_TO_MAP); // Ctrl+B sends this one in every mode
    EXPECT_EQ(doc.mapDesigner.get(), doc.activeDesigner);
}

TEST_F(DocFixture, ExitAsksToCloseAndLeavingWritesTheMapFileEvenWithoutAChange)
{
    QFile::remove(base.Path(QStringLiteral("save\\Forest.qss")));
    doc.OpenScreenDesigner(1, 1); // Exit has no guard
    doc.OnCommand(ID_EXIT);
    EXPECT_EQ(std::vector<int>{0}, ui.quitCodes);
    EXPECT_FALSE(base.Exists(QStringLiteral("save\\Forest.qss"))); // the window's close saves, once
    EXPECT_TRUE(doc.SaveOnExit());
    EXPECT_TRUE(base.Exists(QStringLiteral("save\\Forest.qss")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DocFixture, WhenTheMapFileCannotBeWrittenTheUserMayStay)
{
    QFile::remove(base.Path(QStringLiteral("save\\Forest.qss")));
    QDir(base.Path(QStringLiteral("save"))).mkdir(QStringLiteral("Forest.qss")); // a folder in the file's place
    const struct {
        int answer;
        bool leaves;
    } cases[] = {{CUiPort::AnswerNo, false}, {CUiPort::AnswerYes, true}};
    for (const auto& c : cases) {
        ui.messages.clear();
        ui.messageAnswers = {c.answer};
        EXPECT_EQ(c.leaves, doc.SaveOnExit());
        ASSERT_EQ(2u, ui.messages.size());
        EXPECT_EQ(QStringLiteral("Couldn't Open Save file"), ui.messages[0].text);
        EXPECT_EQ(QStringLiteral("save\\Forest.qss"), ui.messages[0].caption);
        EXPECT_EQ(QStringLiteral("The map file could not be saved. Leave anyway?"), ui.messages[1].text);
        EXPECT_EQ(QStringLiteral("Tessellmancery"), ui.messages[1].caption);
        EXPECT_EQ(CUiPort::ButtonsYesNoDefaultNo, ui.messages[1].buttons);
    }
}

TEST_F(DocFixture, AboutAndTheCheckMarks)
{
    doc.OnCommand(ID_APP_ABOUT);
    EXPECT_EQ(QStringList{QStringLiteral("About")}, ui.calls);
    doc.screenDesigner->doubleSize = 1;
    EXPECT_FALSE(doc.IsChecked(ID_DOUBLE_SIZE)); // only while the screen designer is active
    doc.OpenScreenDesigner(0, 0);
    EXPECT_TRUE(doc.IsChecked(ID_DOUBLE_SIZE));
    EXPECT_TRUE(doc.IsChecked(ID_SNAP_TO_WIDTH)); // snap starts on
    doc.OnCommand(ID_SNAP_TO_WIDTH);
    EXPECT_FALSE(doc.IsChecked(ID_SNAP_TO_WIDTH));
}

TEST_F(DocFixture, TheStartDialogsCreateAndOpen)
{
    // Cancelling the name prompt makes nothing and keeps the start dialog open.
    EXPECT_FALSE(doc.StartCreateQuest());
    EXPECT_EQ(0, doc.StartOpenQuest()); // cancelled file dialog
    ui.fileAnswers = {base.Path(QStringLiteral("save\\Forest.qss"))};
    EXPECT_EQ(1, doc.StartOpenQuest());
    EXPECT_TRUE(ui.messages.empty()); // no question about saving from the start dialog
}

TEST(NoQuestOpen, LeavingWritesNoMapFile)
{
    CTempBase base;
    CFakeUi ui;
    CQuestDoc doc(ui);
    doc.OnCommand(ID_EXIT);
    EXPECT_TRUE(doc.SaveOnExit());
    EXPECT_FALSE(base.Exists(QStringLiteral("save\\.qss")));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(std::vector<int>{0}, ui.quitCodes);
}

TEST(CommandTable, HoldsEveryCommandWithItsGuard)
{
    EXPECT_EQ(Guard::Map, FindCommand(ID_SAVE_MAP)->guard);
    EXPECT_EQ(QStringLiteral("&Save\tCtrl+S"), FindCommand(ID_SAVE_MAP)->label);
    EXPECT_EQ(QStringLiteral("&Open\tCtrl+O"), FindCommand(ID_OPEN_QUEST)->label);
    EXPECT_EQ(QStringLiteral("&Sound Manager...\tCtrl+O"), FindCommand(ID_SOUND_MANAGER)->label);
    EXPECT_EQ(Guard::None, FindCommand(ID_SAVE_SCREEN)->guard);
    EXPECT_EQ(Guard::ScreenOrSheet, FindCommand(ID_BACK_TO_MAP_SHEET)->guard);
    EXPECT_EQ(Guard::None, FindCommand(ID_TEST_QUEST)->guard);
    EXPECT_EQ(kSheetMenu, FindCommand(ID_CREATE_SPRITE)->menu);
    std::set<int> ids;
    for (const CommandInfo& c : CommandTable())
        ids.insert(c.id);
    EXPECT_EQ(41u, ids.size()); // 34 commands of the menus, Undo, Redo, About and the four recently used files
}

TEST(AcceleratorTable, HoldsTheFourteenKeysAndTheKeysTheMenusShow)
{
    // The fourteen keys of old keep their commands; Ctrl+O stays the Sound
    // Manager's. A key shown in several menus sends the active menu's command.
    const std::map<QString, std::vector<int>> expected = {
        {"Ctrl+B", {ID_BACK_TO_MAP}},
        {"T", {ID_DELETE_LAST_SPRITE}},
        {"F", {ID_DELETE_LAST_FILL}},
        {"Ins", {ID_SNAP_TO_WIDTH}},
        {"Ctrl+E", {ID_ENTITY_MANAGER}},
        {"Ctrl+O", {ID_SOUND_MANAGER}},
        {"Ctrl+G", {ID_GRAPHICS_MANAGER}},
        {"Ctrl+M", {ID_EDIT_MAIN_SCRIPT}},
        {"Ctrl+P", {ID_QUEST_PROPERTIES}},
        {"Ctrl+N", {ID_NEW_QUEST}},
        {"Ctrl+Q", {ID_WRITE_QUEST}},
        {"Ctrl+T", {ID_TEST_QUEST}},
        {"Ctrl+C", {ID_CREATE_SPRITE}},
        {"Ctrl+A", {ID_CREATE_ANIMATED}},
        {"Ctrl+S", {ID_SAVE_MAP, ID_SAVE_SCREEN, ID_SAVE_SHEET}},
        {"Ctrl+F", {ID_FIND_ENGINE}},
        {"Space", {ID_CYCLE_COLOURS}},
        {"Ctrl+Up", {ID_MOVE_SCREEN_UP}},
        {"Ctrl+Left", {ID_MOVE_SCREEN_LEFT}},
        {"Ctrl+Right", {ID_MOVE_SCREEN_RIGHT}},
        {"Ctrl+Down", {ID_MOVE_SCREEN_DOWN}},
        {"Ctrl+Z", {ID_UNDO}},
        {"Ctrl+Shift+Z", {ID_REDO}},
        {"Ctrl+Y", {ID_REDO}},
    };
    std::map<QString, std::vector<int>> keys;
    for (const Accelerator& a : AcceleratorTable())
        EXPECT_TRUE(keys.emplace(a.key, a.commands).second) << a.key.toStdString(); // each key once
    EXPECT_EQ(expected, keys);
}

// A quest opened from the start dialog and every mode switch are followed by
// no frame of a designer's own: the view must be asked for one.
TEST_F(DocFixture, OpeningAQuestAndSwitchingModesAskForAFrame)
{
    ui.framesRequested = 0;
    ui.fileAnswers = {base.Path(QStringLiteral("save\\Forest.qss"))};
    EXPECT_EQ(1, doc.StartOpenQuest());
    EXPECT_EQ(1, ui.framesRequested);
    doc.OpenScreenDesigner(1, 1);
    EXPECT_EQ(2, ui.framesRequested);
    doc.OnCommand(ID_BACK_TO_MAP);
    EXPECT_EQ(3, ui.framesRequested);
    // A map file that cannot be read changes nothing on the screen.
    base.Write(QStringLiteral("save\\Broken.qss"), "not a map file\r\n");
    ui.fileAnswers = {base.Path(QStringLiteral("save\\Broken.qss"))};
    EXPECT_EQ(1, doc.StartOpenQuest());
    EXPECT_EQ(3, ui.framesRequested);
}
