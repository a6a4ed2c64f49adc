#include "dialogs/DialogDriving.h"
#include "dialogs/ResourceHostStub.h"
#include "dialogs/ResourceManagerDlg.h"
#include "dialogs/ResourceTreeView.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "resources/ResourceManager.h"
#include "support/Globals.h"

#include <QLabel>
#include <QStandardItemModel>

using namespace dialogdriving;

namespace {
const QByteArray kEntityTree = "Enemies\\\r\nEnemies\\\r\nEnemies\\Cave\\bat\r\nbat\r\nwisp\r\nwisp\r\n";
const QString kEntityFile = QStringLiteral("questdata\\Forest\\entitylist.txt");

// A manager dialog open on the quest Forest, driven with real mouse and key
// events on its tree.
struct ManagerDialog : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CResourceHostStub host;
    std::unique_ptr<CResourceManager> manager;
    std::unique_ptr<CResourceManagerDlg> dialog;

    void Open(const ResourceManagerKind& kind, const QString& treeFile, const QByteArray& bytes)
    {
        g_questName = QStringLiteral("Forest");
        base.Write(treeFile, bytes);
        manager = std::make_unique<CResourceManager>(kind, ui, ui, host);
        manager->Initialise();
        dialog = MakeResourceManagerDlg(*manager);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    CResourceTreeView* Tree() { return dialog->TreeView(); }
    QModelIndex Find(const QString& text)
    {
        const QModelIndexList found = manager->tree.match(manager->tree.index(0, 0), Qt::DisplayRole, text, 1,
                                                          Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_FALSE(found.isEmpty()) << text.toStdString();
        return found.value(0);
    }
    QPoint OnLabel(const QString& text) { return Tree()->LabelRect(Find(text)).center(); }
    void Press(Qt::MouseButton button, const QPoint& at)
    {
        QTest::mouseClick(Tree()->viewport(), button, {}, at);
    }
    QString Selected()
    {
        const QModelIndexList selected = Tree()->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? QString() : selected.constFirst().data().toString();
    }
    QStringList Popups() const { return ui.calls.filter(QStringLiteral("TrackPopup")); }
};

const QString kFilePopup = QStringLiteral("Edit this Script...=3022|Remove this Script=3024");
const QString kFolderPopup =
    QStringLiteral("Create New Folder...=3020|Add File to Folder...=3021|Remove this Folder=3023");
} // namespace

TEST_F(ManagerDialog, EachManagerShowsItsTitleTreeHelpAndButtons)
{
    const struct {
        const ResourceManagerKind& kind;
        const char* title;
        const char* tree;
        const char* createNew; // null: no such button
        const char* help;
    } rows[] = {
        {EntityManagerKind(), "Entity Manager", "1015", "1028", "entities"},
        {SoundManagerKind(), "Sound Manager", "1020", nullptr, "sounds"},
        {SheetManagerKind(), "Sprite Sheet Manager", "1019", "1027", "sprite sheets"},
    };
    for (const auto& r : rows) {
        Open(r.kind, QStringLiteral("questdata\\Forest\\") + r.kind.treeFile, "");
        EXPECT_EQ(QLatin1String(r.title), dialog->windowTitle());
        auto* tree = Control<QTreeView>(*dialog, r.tree);
        ASSERT_NE(nullptr, tree);
        EXPECT_TRUE(tree->isHeaderHidden());
        EXPECT_EQ(r.kind.titleLine, manager->tree.index(0, 0).data().toString());
        const QString help = QStringLiteral("The above tree list contains all the %1 in your quest - Right-click on "
                                            "a node in the tree list to add/delete/edit files.")
                                 .arg(QLatin1String(r.help));
        EXPECT_EQ(1, dialog->findChildren<QLabel*>().count());
        EXPECT_EQ(help, dialog->findChild<QLabel*>()->text());
        EXPECT_EQ(QStringLiteral("OK"), Label(*dialog, "1"));
        QStringList buttons;
        for (const QPushButton* button : dialog->findChildren<QPushButton*>())
            buttons << button->objectName() + QLatin1Char('=') + button->text();
        const QStringList expected = r.createNew ? QStringList{QLatin1String(r.createNew) + "=Create New", "1=OK"}
                                                 : QStringList{"1=OK"};
        EXPECT_EQ(expected, buttons) << r.title;
        dialog.reset();
    }
}

TEST_F(ManagerDialog, FoldersOpenSoThatEveryFileIsSeen)
{
    Open(EntityManagerKind(), kEntityFile, kEntityTree);
    EXPECT_TRUE(Tree()->isExpanded(Find(QStringLiteral("Enemies"))));
    EXPECT_TRUE(Tree()->isExpanded(Find(QStringLiteral("Cave"))));
    EXPECT_TRUE(Tree()->visualRect(Find(QStringLiteral("bat"))).isValid());
}

TEST_F(ManagerDialog, ARightClickCountsOnlyOnTheSelectedItemsLabelOrIcon)
{
    Open(EntityManagerKind(), kEntityFile, kEntityTree);
    Press(Qt::RightButton, OnLabel(QStringLiteral("bat")));
    EXPECT_TRUE(Popups().isEmpty());
    EXPECT_EQ(QString(), Selected()); // the unselected item stays unselected

    Press(Qt::LeftButton, OnLabel(QStringLiteral("bat")));
    EXPECT_EQ(QStringLiteral("bat"), Selected());
    EXPECT_TRUE(Popups().isEmpty());

    // The label is the text's own width: the rest of the row is not the item.
    const QRect label = Tree()->LabelRect(Find(QStringLiteral("bat")));
    EXPECT_LT(label.width(), Tree()->viewport()->width() / 2);
    Press(Qt::RightButton, QPoint(label.right() + 8, label.center().y()));
    EXPECT_TRUE(Popups().isEmpty());

    Press(Qt::RightButton, label.center());
    const QPoint control = Tree()->mapToGlobal(QPoint(0, 0));
    const QString at = QStringLiteral("TrackPopup(%1,%2|").arg(control.x() + label.right() + 1).arg(control.y() + label.top());
    EXPECT_EQ(QStringList{at + kFilePopup + ")"}, Popups());

    Press(Qt::RightButton, Tree()->IconRect(Find(QStringLiteral("bat"))).center());
    EXPECT_EQ(2, Popups().size());
    EXPECT_EQ(kEntityTree, base.Read(kEntityFile)); // dismissed popups change nothing
}

TEST_F(ManagerDialog, TheFilePopupRemovesTheEntryAndTheTitleLinesAddsAtTheTopLevel)
{
    Open(EntityManagerKind(), kEntityFile, kEntityTree);
    Press(Qt::LeftButton, OnLabel(QStringLiteral("bat")));
    ui.popupAnswers = {3024};
    Press(Qt::RightButton, OnLabel(QStringLiteral("bat")));
    EXPECT_EQ(QByteArray("Enemies\\\r\nEnemies\\\r\nwisp\r\nwisp\r\n"), base.Read(kEntityFile));

    const QString title = EntityManagerKind().titleLine;
    Press(Qt::LeftButton, OnLabel(title));
    ui.popupAnswers = {3020};
    ui.nameAnswers = {QStringLiteral("Bosses")};
    Press(Qt::RightButton, OnLabel(title));
    EXPECT_TRUE(Popups().constLast().endsWith(kFolderPopup + ")"));
    EXPECT_EQ(QByteArray("Enemies\\\r\nEnemies\\\r\nwisp\r\nwisp\r\nBosses\\\r\nBosses\\\r\n"), base.Read(kEntityFile));
    EXPECT_EQ(title, Selected()); // the title line's right-click is consumed
}

TEST_F(ManagerDialog, DeleteRemovesTheSelectedFolderOrFileAndNothingWithoutASelection)
{
    Open(EntityManagerKind(), kEntityFile, kEntityTree);
    QTest::keyClick(Tree(), Qt::Key_Delete);
    EXPECT_EQ(kEntityTree, base.Read(kEntityFile));

    Press(Qt::LeftButton, OnLabel(QStringLiteral("Cave")));
    QTest::keyClick(Tree(), Qt::Key_Delete);
    EXPECT_EQ(QByteArray("Enemies\\\r\nEnemies\\\r\nEnemies\\\r\nEnemies\\\r\nwisp\r\nwisp\r\n"), base.Read(kEntityFile));

    Press(Qt::LeftButton, OnLabel(QStringLiteral("wisp")));
    QTest::keyClick(Tree(), Qt::Key_Delete);
    EXPECT_EQ(QByteArray("Enemies\\\r\nEnemies\\\r\nEnemies\\\r\nEnemies\\\r\n"), base.Read(kEntityFile));

    Press(Qt::LeftButton, OnLabel(QStringLiteral("Enemies")));
    QTest::keyClick(Tree(), Qt::Key_Delete);
    EXPECT_EQ(QByteArray(), base.Read(kEntityFile));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ManagerDialog, EditingASheetEndsTheManagerWithZero)
{
    Open(SheetManagerKind(), QStringLiteral("questdata\\Forest\\sheets.txt"), "Outdoors\\meadow\r\nmeadow\r\n");
    Press(Qt::LeftButton, OnLabel(QStringLiteral("meadow")));
    QTest::mouseDClick(Tree()->viewport(), Qt::LeftButton, {}, OnLabel(QStringLiteral("meadow")));
    EXPECT_EQ(QStringList{QStringLiteral("meadow")}, host.sheetsOpened);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(dialog->EndedByManager());
    EXPECT_EQ(0, dialog->result());
}

TEST_F(ManagerDialog, CreateNewSheetAddsItAtTheTopAndOpensItInTheDesigner)
{
    Open(SheetManagerKind(), QStringLiteral("questdata\\Forest\\sheets.txt"), "Outdoors\\meadow\r\nmeadow\r\n");
    base.Write(QStringLiteral("cave.bmp"), "BM");
    Press(Qt::LeftButton, OnLabel(QStringLiteral("Outdoors"))); // a folder is selected
    ui.fileAnswers = {base.Path(QStringLiteral("cave.bmp"))};
    Click(*dialog, "1027");
    EXPECT_EQ(QByteArray("Outdoors\\meadow\r\nmeadow\r\ncave\r\ncave\r\n"),
              base.Read(QStringLiteral("questdata\\Forest\\sheets.txt")));
    EXPECT_EQ(QByteArray("BM"), base.Read(QStringLiteral("sprite sheets\\cave.bmp")));
    EXPECT_EQ(QStringList{QStringLiteral("cave")}, host.sheetsOpened);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ManagerDialog, OkOnlyCloses)
{
    Open(SoundManagerKind(), QStringLiteral("questdata\\Forest\\soundlist.txt"), "boom.wav\r\nboom.wav\r\n");
    Click(*dialog, "1");
    EXPECT_EQ(QDialog::Accepted, dialog->result());
    EXPECT_FALSE(dialog->EndedByManager());
    EXPECT_EQ(QByteArray("boom.wav\r\nboom.wav\r\n"), base.Read(QStringLiteral("questdata\\Forest\\soundlist.txt")));
}
