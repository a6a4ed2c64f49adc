#include "app/MainFrame.h"
#include "app/QuestView.h"
#include "app/WidgetUi.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/DialogMessage.h"
#include "display/Display.h"
#include "document/QuestDoc.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "support/paths/Globals.h"
#include "support/platform/RecentFiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QShortcut>
#include <QTest>
#include <QTimer>

#include <deque>
#include <memory>

#include <gtest/gtest.h>

namespace {
struct FrameFixture : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CQuestDoc doc{ui};
    CMainFrame frame{doc};
    FrameFixture()
    {
        ui.nameAnswers = {QStringLiteral("Forest")};
        doc.StartCreateQuest();
    }
};

QStringList MenuTitles(QMenuBar* bar)
{
    QStringList titles;
    for (QAction* a : bar->actions())
        titles << a->text();
    return titles;
}
} // namespace

TEST_F(FrameFixture, TheFirstUpdateMakesTheDisplayAndTheScrollRanges)
{
    frame.show();
    frame.View()->InitialUpdate();
    ASSERT_NE(nullptr, frame.View()->Display());
    EXPECT_EQ(1024, frame.View()->Display()->BackBuffer()->Width());
    EXPECT_EQ(768, frame.View()->Display()->BackBuffer()->Height());
    EXPECT_EQ(frame.View()->Display(), doc.mapDesigner->display);
    EXPECT_EQ(frame.View()->Display(), doc.screenDesigner->display);
    EXPECT_EQ(24576, frame.View()->verticalScrollBar()->maximum());
    EXPECT_EQ(32767, frame.View()->horizontalScrollBar()->maximum());
    EXPECT_EQ(0, frame.View()->horizontalScrollBar()->minimum());
    EXPECT_EQ(std::vector<int>{134}, ui.menus); // the map designer's activate
}

TEST_F(FrameFixture, MenusAreBuiltFromTheirCommands)
{
    EXPECT_EQ(QStringList{QStringLiteral("&Help")}, MenuTitles(frame.menuBar()));
    frame.SetMenu(kMapMenu);
    EXPECT_EQ((QStringList{QStringLiteral("&File"), QStringLiteral("&Quest"), QStringLiteral("&Help")}),
              MenuTitles(frame.menuBar()));
    ASSERT_NE(nullptr, frame.MenuAction(ID_OPEN_QUEST));
    EXPECT_EQ(QStringLiteral("&Open\tCtrl+O"), frame.MenuAction(ID_OPEN_QUEST)->text());
    EXPECT_TRUE(frame.MenuAction(ID_OPEN_QUEST)->shortcut().isEmpty()); // the label shows a key it does not have
    EXPECT_EQ(nullptr, frame.MenuAction(ID_SAVE_SCREEN));
    frame.SetMenu(kScreenMenu);
    EXPECT_TRUE(frame.MenuAction(ID_DOUBLE_SIZE)->isCheckable());
    EXPECT_EQ(QStringLiteral("&Up\tCtrl+up"), frame.MenuAction(ID_MOVE_SCREEN_UP)->text());
}

TEST_F(FrameFixture, SwitchingMenusLeavesOnlyTheCurrentMenusAlive)
{
    frame.SetMenu(kMapMenu);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const qsizetype once = frame.findChildren<QMenu*>().size();
    for (int i = 0; i < 200; ++i)
        frame.SetMenu(i % 2 ? kScreenMenu : kSheetMenu);
    frame.SetMenu(kMapMenu);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(once, frame.findChildren<QMenu*>().size());
    EXPECT_GE(once, 4); // &File, &Quest, &Resources, &Help
}

TEST_F(FrameFixture, TheWindowAndTheAboutBoxShowTheProgramIcon)
{
    const QIcon shown = frame.windowIcon();
    EXPECT_FALSE(shown.isNull());
    EXPECT_EQ(6, shown.availableSizes().size());
    for (int size : {16, 48, 256}) // the shipped pictures, read when asked for
        EXPECT_EQ(QImage(QStringLiteral(":/icons/app-%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32),
                  shown.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32))
            << size;
    CAboutDlg about(&frame);
    const QLabel* icon = about.findChild<QLabel*>(QStringLiteral("icon"));
    ASSERT_NE(nullptr, icon);
    EXPECT_FALSE(icon->pixmap().isNull());
}

TEST_F(FrameFixture, CtrlOReachesTheSoundManagerCommandNotOpen)
{
    const auto shortcuts = frame.findChildren<QShortcut*>();
    EXPECT_EQ(24, shortcuts.size());
    QShortcut* ctrlO = nullptr;
    for (QShortcut* s : shortcuts)
        if (s->key() == QKeySequence(QStringLiteral("Ctrl+O")))
            ctrlO = s;
    ASSERT_NE(nullptr, ctrlO);
    frame.View()->InitialUpdate();
    ui.calls.clear();
    emit ctrlO->activated();
    EXPECT_TRUE(ui.calls.filter(QStringLiteral("ChooseOpenFile")).isEmpty());
}

namespace {
// What a person saw on the way out, and on which window.
struct ShownMessage {
    QString text;
    QString caption;
    bool ownerVisible;
};
} // namespace

TEST_F(FrameFixture, TheManagersStandInQuestResourcesAndTheRecentQuestsInTheFileMenu)
{
    for (const QString& file : RecentFiles())
        RemoveRecentFile(file);
    ASSERT_TRUE(doc.quest.files.NewQuestNamed(QStringLiteral("Moor")));
    for (const char* quest : {"Forest", "Moor"}) {
        ui.fileAnswers = {base.Path(QStringLiteral("save\\%1.qss").arg(QLatin1String(quest)))};
        ui.messageAnswers = {CUiPort::AnswerNo}; // to saving the quest open now
        doc.OnCommand(ID_OPEN_QUEST);
    }
    frame.SetMenu(kMapMenu);
    // The item and the drop-down each sits in, with the separators and the items shown.
    QStringList shown;
    for (int id : {ID_ENTITY_MANAGER, ID_SOUND_MANAGER, ID_GRAPHICS_MANAGER, ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE2,
                   ID_FILE_MRU_FILE3}) {
        const QAction* item = frame.MenuAction(id);
        const auto* menu = qobject_cast<QMenu*>(item->parent());
        const auto* above = qobject_cast<QMenu*>(menu->parent());
        shown << (above ? above->title() + QLatin1Char('>') : QString()) + menu->title() + QLatin1Char(':')
                     + (item->isVisible() ? item->text() : QStringLiteral("hidden"));
    }
    EXPECT_EQ((QStringList{"&Quest>Quest Resources:&Entity Manager...\tCtrl+E",
                           "&Quest>Quest Resources:&Sound Manager...\tCtrl+O",
                           "&Quest>Quest Resources:&Graphics Manager...\tCtrl+G", "&File:&1 save\\Moor.qss",
                           "&File:&2 save\\Forest.qss", "&File:hidden"}),
              shown);
}

TEST(LeavingTheEditor, TheMapFileIsSavedOnceWhileTheWindowStandsAndTheUserMayStay)
{
    CTempBase base;
    g_questName = QStringLiteral("Forest");
    CWidgetUi ui;
    CQuestDoc doc(ui);
    auto frame = std::make_unique<CMainFrame>(doc);
    ui.SetFrame(frame.get());
    frame->show();
    frame->View()->InitialUpdate();
    std::vector<ShownMessage> shown;
    std::deque<int> answers;
    SetMessageShower([&](QWidget* owner, const QString& text, const QString& caption, QMessageBox::StandardButtons) {
        shown.push_back({text, caption, owner && owner->window() == frame.get() && owner->isVisible()});
        if (answers.empty())
            return int(QMessageBox::Ok);
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    });
    QDir(base.Path(QStringLiteral("save"))).mkdir(QStringLiteral("Forest.qss")); // the map file cannot be written
    const auto expectAskedOnce = [&] {
        ASSERT_EQ(2u, shown.size());
        EXPECT_EQ(QStringLiteral("Couldn't Open Save file"), shown[0].text);
        EXPECT_EQ(QStringLiteral("save\\Forest.qss"), shown[0].caption);
        EXPECT_EQ(QStringLiteral("The map file could not be saved. Leave anyway?"), shown[1].text);
        EXPECT_EQ(QStringLiteral("Tessellmancery"), shown[1].caption);
        EXPECT_TRUE(shown[0].ownerVisible && shown[1].ownerVisible);
    };
    // The window manager's close and Exit alike: No keeps the editor open.
    answers = {QMessageBox::Ok, QMessageBox::No};
    EXPECT_FALSE(frame->close());
    expectAskedOnce();
    EXPECT_TRUE(frame->isVisible());
    shown.clear();
    answers = {QMessageBox::Ok, QMessageBox::No};
    doc.OnCommand(ID_EXIT);
    expectAskedOnce();
    EXPECT_TRUE(frame->isVisible());
    // Yes leaves; nothing is saved or shown again as the window goes.
    shown.clear();
    answers = {QMessageBox::Ok, QMessageBox::Yes};
    doc.OnCommand(ID_EXIT);
    expectAskedOnce();
    EXPECT_FALSE(frame->isVisible());
    frame.reset();
    EXPECT_EQ(2u, shown.size());
    SetMessageShower({});
}

TEST_F(FrameFixture, ClosingTheWindowWritesTheMapFile)
{
    frame.show();
    QFile::remove(base.Path(QStringLiteral("save\\Forest.qss")));
    EXPECT_TRUE(frame.close());
    EXPECT_TRUE(base.Exists(QStringLiteral("save\\Forest.qss")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ViewInput, MouseAndKeyCodesAreThePlatformsOwn)
{
    EXPECT_EQ(0x0001u, MouseKeyFlags(Qt::LeftButton, Qt::NoModifier));
    EXPECT_EQ(0x000Au, MouseKeyFlags(Qt::RightButton, Qt::ControlModifier));
    EXPECT_EQ(uint32_t('T'), VirtualKey(Qt::Key_T));
    EXPECT_EQ(0u, VirtualKey(Qt::Key_Period));
    EXPECT_EQ(0x2Du, VirtualKey(Qt::Key_Insert));
    EXPECT_EQ(0x26u, VirtualKey(Qt::Key_Up));
}

// A question whose Yes loses work answers No to a pressed Return.
TEST(WidgetMessages, ReturnChoosesNoWhenYesWouldLoseWork)
{
    CWidgetUi ui;
    for (const auto& [buttons, answer] : {std::pair{CUiPort::ButtonsYesNoDefaultNo, int(CUiPort::AnswerNo)},
                                          std::pair{CUiPort::ButtonsOk, int(CUiPort::AnswerOk)}}) {
        QTimer::singleShot(0, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Return);
        });
        EXPECT_EQ(answer, ui.MessageBox(QStringLiteral("Leave anyway?"), QStringLiteral("Tessellmancery"), buttons));
    }
}

TEST_F(FrameFixture, TheScreenAndSheetMenusBeginTheirEditMenuWithUndoAndRedoGreyedWithNothingToUndo)
{
    for (MenuId menu : {kScreenMenu, kSheetMenu}) {
        frame.SetMenu(menu);
        QMenu* edit = nullptr;
        for (QAction* a : frame.menuBar()->actions())
            if (a->text() == QStringLiteral("&Edit"))
                edit = a->menu();
        ASSERT_NE(nullptr, edit);
        QStringList items;
        for (QAction* a : edit->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text() + (a->isEnabled() ? "" : " (greyed)"));
        EXPECT_EQ((QStringList{"&Undo\tCtrl+Z (greyed)", "&Redo\tCtrl+Shift+Z (greyed)"}), items.mid(0, 2));
    }
    EXPECT_EQ((QStringList{"&Sheet", "&Edit", "S&prites", "&Help"}), MenuTitles(frame.menuBar()));
}

TEST_F(FrameFixture, CtrlSPressedInTheScreenDesignerSavesTheScreen)
{
    frame.show();
    frame.View()->InitialUpdate();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    doc.OpenScreenDesigner(1, 1);
    const QString screen = QStringLiteral("questdata\\Forest\\screens\\1-1.lnd");
    ASSERT_FALSE(base.Exists(screen));
    QTest::keyClick(frame.View(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ("0\r\n0\r\n", base.Read(screen));
}
