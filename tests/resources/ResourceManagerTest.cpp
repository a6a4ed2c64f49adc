// The resource managers without their window: which clicks count, the popups,
// and what each command leaves in the tree file and the resource folders.
#include "resources/ResourceManagerFixture.h"

#include <QFileInfo>

namespace {

const QString kFolderPopup =
    QStringLiteral("Create New Folder...=3020|Add File to Folder...=3021|Remove this Folder=3023");

TEST_F(ResourceManagerTest, OnlyAClickOnTheSelectedItemsTextOrIconOpensAPopup)
{
    Open(EntityManagerKind(), QStringLiteral("entitylist.txt"), Lines({"Cave\\bat", "bat", "wisp", "wisp"}));
    QStandardItem* bat = Item(QStringLiteral("bat"));
    QStandardItem* cave = Item(QStringLiteral("Cave"));
    QStandardItem* title = Item(QStringLiteral("Entities in project:"));
    const QString filePopup = QStringLiteral("TrackPopup(40,50|Edit this Script...=3022|Remove this Script=3024)");
    const QString folderPopup = QStringLiteral("TrackPopup(40,50|") + kFolderPopup + QLatin1Char(')');
    struct Case {
        TreeClick click;
        QString popup;  // empty: none
        bool passedOn;  // to the control's own handling
    } cases[] = {
        {{bat, true, Item(QStringLiteral("wisp")), 40, 50}, QString(), false}, // not the selected item
        {{bat, false, bat, 40, 50}, QString(), false},                         // beside its text
        {{nullptr, true, bat, 40, 50}, QString(), false},                      // on no item
        {{bat, true, bat, 40, 50}, filePopup, true},
        {{cave, true, cave, 40, 50}, folderPopup, true},
        {{title, true, title, 40, 50}, folderPopup, false},
    };
    for (const Case& c : cases) {
        ui.calls.clear();
        EXPECT_EQ(manager->treeCtrl.RightButtonDown(c.click), c.passedOn) << c.popup.toStdString();
        EXPECT_EQ(ui.calls, c.popup.isEmpty() ? QStringList() : QStringList({c.popup}));
    }
}

TEST_F(ResourceManagerTest, AddingAFileOnTheTitleLineAddsItAtTheTopLevel)
{
    Open(EntityManagerKind(), QStringLiteral("entitylist.txt"), Lines({"Cave\\bat", "bat"}));
    base.Write(QStringLiteral("entities\\ghost.ves"), "script");
    ui.fileAnswers.push_back(base.Path(QStringLiteral("entities\\ghost.ves")));
    Pick(QStringLiteral("Entities in project:"), ID_ADD_FILE);
    EXPECT_EQ(ui.calls.value(1), QStringLiteral("ChooseOpenFile(*.ves|entities\\*.ves|Script files "
                                                "(*.ves)|*.ves|All Files (*.*)|*.*||)"));
    EXPECT_EQ(TreeFile(), Lines({"Cave\\bat", "bat", "ghost", "ghost"}));
    // In a folder the file goes below it.
    ui.fileAnswers.push_back(base.Path(QStringLiteral("entities\\ghost.ves")));
    Pick(QStringLiteral("Cave"), ID_ADD_FILE);
    EXPECT_EQ(TreeFile(), Lines({"Cave\\bat", "bat", "ghost", "ghost", "Cave\\ghost", "ghost"}));
}

TEST_F(ResourceManagerTest, SoundNamesUpTo19CharactersAreCopiedIntoSoundsAndLongerOnesRefused)
{
    Open(SoundManagerKind(), QStringLiteral("soundlist.txt"), QByteArray());
    base.Write(QStringLiteral("elsewhere\\abcdefghijklmno.wav"), "RIFF19");
    base.Write(QStringLiteral("elsewhere\\abcdefghijklmnop.wav"), "RIFF20");
    for (const char* name : {"abcdefghijklmno.wav", "abcdefghijklmnop.wav", "gone.wav"}) {
        ui.fileAnswers.push_back(base.Path(QStringLiteral("elsewhere\\") + QLatin1String(name)));
        Pick(QStringLiteral("Sound Files in Project:"), ID_ADD_FILE);
    }
    EXPECT_EQ(base.Read(QStringLiteral("sounds\\abcdefghijklmno.wav")), "RIFF19");
    EXPECT_FALSE(base.Exists(QStringLiteral("sounds\\abcdefghijklmnop.wav")));
    EXPECT_EQ(TreeFile(), Lines({"abcdefghijklmno.wav", "abcdefghijklmno.wav"}));
    EXPECT_EQ(ui.MessageTexts(), QStringList({QStringLiteral("Sound filename too long, please rename it to under 20 "
                                                             "characters"),
                                              QStringLiteral("Couldn't copy the selected Sound file")}));
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Error"));
}

TEST_F(ResourceManagerTest, ASoundAlreadyInSoundsIsAddedWithoutACopy)
{
    Open(SoundManagerKind(), QStringLiteral("soundlist.txt"), Lines({"Music\\", "Music\\"}));
    base.Write(QStringLiteral("sounds\\theme.mid"), "MThd");
    const QString path = base.Path(QStringLiteral("sounds\\theme.mid"));
    QFile stamp(path);
    ASSERT_TRUE(stamp.open(QIODevice::ReadWrite));
    const QDateTime old = QDateTime::currentDateTime().addDays(-3);
    ASSERT_TRUE(stamp.setFileTime(old, QFileDevice::FileModificationTime));
    stamp.close();
    ui.fileAnswers.push_back(path);
    Pick(QStringLiteral("Music"), ID_ADD_FILE);
    EXPECT_EQ(QFileInfo(path).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
    EXPECT_EQ(TreeFile(), Lines({"Music\\", "Music\\", "Music\\theme.mid", "theme.mid"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ResourceManagerTest, PlayingAndEditingGoByMode)
{
    Open(SoundManagerKind(), QStringLiteral("soundlist.txt"), Lines({"Music\\theme.mid", "theme.mid"}));
    // A double click counts on the selected file only.
    manager->treeCtrl.DoubleClick(TreeClick{Item(QStringLiteral("theme.mid")), true, nullptr, 0, 0});
    manager->treeCtrl.DoubleClick(TreeClick{Item(QStringLiteral("Music")), true, Item(QStringLiteral("Music")), 0, 0});
    EXPECT_TRUE(ui.soundsPlayed.isEmpty());
    manager->treeCtrl.DoubleClick(On(QStringLiteral("theme.mid")));
    Pick(QStringLiteral("theme.mid"), ID_EDIT_FILE);
    EXPECT_EQ(ui.soundsPlayed, QStringList({QStringLiteral("sounds\\theme.mid"), QStringLiteral("sounds\\theme.mid")}));
    EXPECT_FALSE(manager->EndRequested());
}

TEST_F(ResourceManagerTest, EditThisSheetSwitchesToTheDesignerAndEndsTheDialogWithZero)
{
    Open(SheetManagerKind(), QStringLiteral("sheets.txt"), Lines({"meadow", "meadow"}));
    host.allowSwitch = false; // the designer in use kept its unsaved work
    Pick(QStringLiteral("meadow"), ID_EDIT_FILE);
    EXPECT_FALSE(manager->EndRequested());
    host.allowSwitch = true;
    Pick(QStringLiteral("meadow"), ID_EDIT_FILE);
    EXPECT_EQ(host.switches, QStringList({QStringLiteral("meadow"), QStringLiteral("meadow")}));
    EXPECT_TRUE(manager->EndRequested());
    EXPECT_EQ(manager->EndResult(), 0);
}

TEST_F(ResourceManagerTest, CreateNewEntityGoesToTheTopLevelFromTheTemplateAndAsksBeforeReplacing)
{
    Open(EntityManagerKind(), QStringLiteral("entitylist.txt"), Lines({"Cave\\bat", "bat"}));
    manager->treeCtrl.LeftButtonDown(On(QStringLiteral("Cave"))); // a folder is selected
    ui.nameAnswers = {QStringLiteral("ghost"), QStringLiteral("ghost"), QStringLiteral("..")};
    manager->CreateNew();
    EXPECT_EQ(ui.calls.value(0), QStringLiteral("AskName(New Entity|Enter name for entity:)"));
    EXPECT_EQ(base.Read(QStringLiteral("entities\\ghost.ves")), base.Read(QStringLiteral("questdata\\standardentity.txt")));
    EXPECT_EQ(TreeFile(), Lines({"Cave\\bat", "bat", "ghost", "ghost"}));

    base.Write(QStringLiteral("entities\\ghost.ves"), "my own script");
    manager->CreateNew(); // answered No: the script stays
    EXPECT_EQ(base.Read(QStringLiteral("entities\\ghost.ves")), "my own script");
    manager->CreateNew(); // ".." would name a file outside entities
    EXPECT_EQ(TreeFile(), Lines({"Cave\\bat", "bat", "ghost", "ghost"}));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text,
              QStringLiteral("The entity script entities\\ghost.ves already exists. Replace it with a new script?"));
    EXPECT_EQ(ui.messages[0].buttons, CMessagePort::ButtonsYesNoDefaultNo);
    EXPECT_EQ(ui.messages[1].caption, QStringLiteral("New Entity"));
}

TEST_F(ResourceManagerTest, CreateNewSheetCopiesTheBitmapMakesAnEmptySheetAndOpensIt)
{
    Open(SheetManagerKind(), QStringLiteral("sheets.txt"), Lines({"Outdoor\\meadow", "meadow"}));
    base.Write(QStringLiteral("pictures\\caves.bmp"), "BMcaves");
    ui.fileAnswers = {base.Path(QStringLiteral("pictures\\missing.bmp")), base.Path(QStringLiteral("pictures\\caves.bmp"))};
    manager->CreateNew();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't copy the selected BMP file"));
    EXPECT_FALSE(base.Exists(QStringLiteral("sprite sheets\\missing.spt")));
    manager->CreateNew();
    EXPECT_EQ(ui.calls.value(0), QStringLiteral("ChooseOpenFile(*.bmp||Bitmap files (*.bmp)|*.bmp||)"));
    EXPECT_EQ(base.Read(QStringLiteral("sprite sheets\\caves.bmp")), "BMcaves");
    EXPECT_TRUE(base.Exists(QStringLiteral("sprite sheets\\caves.spt")));
    EXPECT_EQ(base.Read(QStringLiteral("sprite sheets\\caves.spt")), QByteArray());
    EXPECT_EQ(TreeFile(), Lines({"Outdoor\\meadow", "meadow", "caves", "caves"}));
    EXPECT_EQ(host.switches, QStringList({QStringLiteral("caves")}));
    EXPECT_EQ(manager->EndResult(), 0);

    // A sheet that exists is not emptied without a question (answered No).
    ui.fileAnswers.push_back(base.Path(QStringLiteral("pictures\\caves.bmp")));
    base.Write(QStringLiteral("sprite sheets\\caves.spt"), "Caves\r\n");
    manager->CreateNew();
    EXPECT_EQ(ui.messages.back().text,
              QStringLiteral("The sheet sprite sheets\\caves.spt already exists. Replace it with an empty sheet?"));
    EXPECT_EQ(base.Read(QStringLiteral("sprite sheets\\caves.spt")), "Caves\r\n");
    EXPECT_EQ(host.switches.size(), 1);
}

} // namespace
