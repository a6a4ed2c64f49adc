#include "dialogs/DialogDriving.h"
#include "dialogs/ResourceManagerDlg.h"
#include "dialogs/ResourceTreeView.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "resources/ResourceHostFake.h"
#include "resources/ResourceManager.h"
#include "support/paths/Globals.h"

#include <QLabel>

using namespace dialogdriving;

namespace {
const QByteArray kEntityTree = "Enemies\\\r\nEnemies\\\r\nEnemies\\Cave\\bat\r\nbat\r\nwisp\r\nwisp\r\n";
const QString kEntityFile = QStringLiteral("questdata\\Forest\\entitylist.txt");
const QString kSheetFile = QStringLiteral("questdata\\Forest\\sheets.txt");

// A manager dialog on the quest Forest, driven with real mouse and key events.
struct ManagerDialog : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CFakeResourceHost host;
    std::unique_ptr<CResourceManager> manager;
    std::unique_ptr<CResourceManagerDlg> dialog;

    void Open(const ResourceManagerKind& kind, const QString& treeFile, const QByteArray& bytes)
    {
        g_questName = QStringLiteral("Forest");
        base.Write(treeFile, bytes);
        dialog.reset();
        manager = std::make_unique<CResourceManager>(kind, ui, ui, host);
        manager->Initialise();
        dialog = MakeResourceManagerDlg(*manager);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    CResourceTreeView* Tree() { return dialog->TreeView(); }
    QModelIndex Find(const QString& text)
    {
        return manager->tree.match(manager->tree.index(0, 0), Qt::DisplayRole, text, 1,
                                   Qt::MatchExactly | Qt::MatchRecursive).value(0);
    }
    QRect Label(const char* text) { return Tree()->LabelRect(Find(QLatin1String(text))); }
    void Press(Qt::MouseButton button, const QPoint& at) { QTest::mouseClick(Tree()->viewport(), button, {}, at); }
    QString Selected()
    {
        const QModelIndexList selected = Tree()->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? QString() : selected.constFirst().data().toString();
    }
    QStringList Popups() const { return ui.calls.filter(QStringLiteral("TrackPopup")); }
};
} // namespace

TEST_F(ManagerDialog, EachManagerShowsItsTitleTreeHelpAndButtons)
{
    const struct {
        const ResourceManagerKind& kind;
        const char *title, *tree, *help, *buttons;
    } rows[] = {
        {EntityManagerKind(), "Entity Manager", "1015", "entities", "1028=Create New|1=OK"},
        {SoundManagerKind(), "Sound Manager", "1020", "sounds", "1=OK"},
        {SheetManagerKind(), "Sprite Sheet Manager", "1019", "sprite sheets", "1027=Create New|1=OK"},
    };
    for (const auto& r : rows) {
        Open(r.kind, QStringLiteral("questdata\\Forest\\") + r.kind.treeFile, "");
        EXPECT_EQ(QLatin1String(r.title), dialog->windowTitle());
        ASSERT_NE(nullptr, Control<QTreeView>(*dialog, r.tree));
        EXPECT_TRUE(Control<QTreeView>(*dialog, r.tree)->isHeaderHidden());
        EXPECT_EQ(r.kind.titleLine, manager->tree.index(0, 0).data().toString());
        EXPECT_EQ(QStringLiteral("The above tree list contains all the %1 in your quest - Right-click on a node in "
                                 "the tree list to add/delete/edit files.")
                      .arg(QLatin1String(r.help)),
                  dialog->findChild<QLabel*>()->text());
        QStringList buttons;
        for (const QPushButton* button : dialog->findChildren<QPushButton*>())
            buttons << button->objectName() + QLatin1Char('=') + button->text();
        EXPECT_EQ(QLatin1String(r.buttons), buttons.join(QLatin1Char('|')));
    }
    Click(*dialog, "1"); // OK only closes
    EXPECT_EQ(QDialog::Accepted, dialog->result());
}

TEST_F(ManagerDialog, ARightClickCountsOnlyOnTheSelectedItemsLabelOrIcon)
{
    Open(EntityManagerKind(), kEntityFile, kEntityTree);
    EXPECT_TRUE(Tree()->isExpanded(Find(QStringLiteral("Cave")))); // every file is in sight
    Press(Qt::RightButton, Label("bat").center());
    EXPECT_EQ(QString(), Selected()); // nothing happens on an item not selected
    Press(Qt::LeftButton, Label("bat").center());
    EXPECT_EQ(QStringLiteral("bat"), Selected());
    // The label is the text's own width: the rest of the row is not the item.
    const QRect label = Label("bat");
    EXPECT_LT(label.width(), Tree()->viewport()->width() / 2);
    Press(Qt::RightButton, QPoint(label.right() + 8, label.center().y()));
    EXPECT_TRUE(Popups().isEmpty());

    Press(Qt::RightButton, label.center());
    const QPoint control = Tree()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(QStringList{QStringLiteral("TrackPopup(%1,%2|Edit this Script...=3022|Remove this Script=3024)")
                              .arg(control.x() + label.right() + 1)
                              .arg(control.y() + label.top())},
              Popups());
    Press(Qt::RightButton, Tree()->IconRect(Find(QStringLiteral("bat"))).center());
    EXPECT_EQ(2, Popups().size());
    EXPECT_EQ(kEntityTree, base.Read(kEntityFile)); // dismissed popups change nothing
}

TEST_F(ManagerDialog, DeleteRemovesTheSelectedFolderOrFileAndNothingWithoutASelection)
{
    Open(EntityManagerKind(), kEntityFile, kEntityTree);
    const struct {
        const char* select; // null: nothing selected
        QByteArray after;
    } rows[] = {
        {nullptr, kEntityTree},
        {"Cave", "Enemies\\\r\nEnemies\\\r\nEnemies\\\r\nEnemies\\\r\nwisp\r\nwisp\r\n"},
        {"wisp", "Enemies\\\r\nEnemies\\\r\nEnemies\\\r\nEnemies\\\r\n"},
        {"Enemies", ""},
    };
    for (const auto& r : rows) {
        if (r.select)
            Press(Qt::LeftButton, Label(r.select).center());
        QTest::keyClick(Tree(), Qt::Key_Delete);
        EXPECT_EQ(r.after, base.Read(kEntityFile)) << (r.select ? r.select : "nothing");
    }
    EXPECT_TRUE(ui.messages.empty()); // no question is asked
}

TEST_F(ManagerDialog, ARemoveFromAPopupLeavesNothingSelectedSoDeleteRemovesNothingMore)
{
    const QByteArray sounds = "ghost.wav\r\nghost.wav\r\nroar.wav\r\nroar.wav\r\nnewsnd.wav\r\nnewsnd.wav\r\nMusic\\\r\nMusic\\\r\n";
    const struct {
        const ResourceManagerKind& kind;
        QByteArray tree;
        const char* item;
        int command;
        QByteArray after;
    } rows[] = {
        {SoundManagerKind(), sounds, "ghost.wav", ID_REMOVE_FILE, sounds.mid(22)},
        {EntityManagerKind(), kEntityTree, "Enemies", ID_REMOVE_FOLDER, "wisp\r\nwisp\r\n"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.item);
        Open(r.kind, QStringLiteral("questdata\\Forest\\") + r.kind.treeFile, r.tree);
        Press(Qt::LeftButton, Label(r.item).center());
        ui.popupAnswers = {r.command};
        Press(Qt::RightButton, Label(r.item).center());
        const QString file = QStringLiteral("questdata\\Forest\\") + r.kind.treeFile;
        EXPECT_EQ(r.after, base.Read(file));
        EXPECT_EQ(QString(), Selected()); // the rebuilt tree, with nothing selected
        QTest::keyClick(Tree(), Qt::Key_Delete);
        EXPECT_EQ(r.after, base.Read(file));
    }
}

TEST_F(ManagerDialog, OpeningASheetInTheDesignerEndsTheManagerWithZero)
{
    for (bool createNew : {false, true}) {
        Open(SheetManagerKind(), kSheetFile, "Outdoors\\meadow\r\nmeadow\r\n");
        Press(Qt::LeftButton, Label(createNew ? "Outdoors" : "meadow").center());
        if (createNew) {
            base.Write(QStringLiteral("cave.bmp"), "BM");
            ui.fileAnswers = {base.Path(QStringLiteral("cave.bmp"))};
            Click(*dialog, "1027");
            // A new sheet goes to the top level, whatever is selected.
            EXPECT_EQ(QByteArray("Outdoors\\meadow\r\nmeadow\r\ncave\r\ncave\r\n"), base.Read(kSheetFile));
        } else {
            QTest::mouseDClick(Tree()->viewport(), Qt::LeftButton, {}, Label("meadow").center());
        }
        EXPECT_EQ(QStringList{createNew ? QStringLiteral("cave") : QStringLiteral("meadow")}, host.switches);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(dialog->EndedByManager());
        EXPECT_EQ(0, dialog->result());
        host.switches.clear();
    }
}
