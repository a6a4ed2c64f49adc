// The group dialogs: Group Properties with its music choice from the quest's
// sound list, and the group's dimensions in cells.
#include "build/NameList.h"
#include "common/DialogResults.h"
#include "dialogs/DialogDriving.h"
#include "dialogs/GroupDimensionsDlg.h"
#include "dialogs/GroupPropertiesDlg.h"
#include "helpers/FakeUi.h"
#include "helpers/QtPrinters.h"
#include "helpers/TempBase.h"
#include "quest/Group.h"
#include "support/paths/Globals.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace dialogdriving;

namespace {
// A tree list file: a path line and a name line per entry.
QByteArray TreeFile(const QStringList& names)
{
    QByteArray bytes;
    for (const QString& n : names)
        bytes += "sounds\\" + n.toLatin1() + "\r\n" + n.toLatin1() + "\r\n";
    return bytes;
}

QStringList ComboEntries(QComboBox* combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}
} // namespace

namespace {
struct GroupDialogFixture : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CGroupList groups;
    CNameList sounds;
    CGroup* group;
    GroupDialogFixture()
    {
        g_questName = QStringLiteral("Forest");
        auto g = std::make_unique<CGroup>();
        g->left = 256;
        g->top = 96;
        g->right = 640;
        g->bottom = 288;
        g->id = 7;
        group = groups.Append(std::move(g));
        SetSounds({QStringLiteral("theme.mid"), QStringLiteral("hit.wav"), QStringLiteral("town.mod")});
    }
    void SetSounds(const QStringList& names) const
    {
        base.Write(QStringLiteral("questdata\\Forest\\soundlist.txt"), TreeFile(names));
    }
    QComboBox* Music(QWidget& dialog) { return Control<QComboBox>(dialog, "1021"); }
};
} // namespace

TEST_F(GroupDialogFixture, OffersTheSoundListsMusicAndTooltips)
{
    CGroupPropertiesDlg dialog(group, &groups, &sounds, &ui);
    EXPECT_EQ(QStringLiteral("Group Properties"), dialog.windowTitle());
    dialog.show();
    EXPECT_EQ((QStringList{QStringLiteral(" "), QStringLiteral("theme.mid"), QStringLiteral("town.mod")}),
              ComboEntries(Music(dialog)));
    EXPECT_EQ(-1, Music(dialog)->currentIndex()); // a new group has no music
    EXPECT_EQ(QStringLiteral("&Edit Group"), Control<QPushButton>(dialog, "1009")->text());
    EXPECT_EQ(QStringLiteral("&Delete Group"), Control<QPushButton>(dialog, "1010")->text());
    EXPECT_EQ(QStringLiteral("&Edit Group's Script"), Control<QPushButton>(dialog, "1011")->text());
    EXPECT_EQ(QStringLiteral("Edit the group's dimensions"), Control<QPushButton>(dialog, "1009")->toolTip());
    EXPECT_EQ(QStringLiteral("Remove the group"), Control<QPushButton>(dialog, "1010")->toolTip());
    EXPECT_EQ(QStringLiteral("Edit this group's script file"), Control<QPushButton>(dialog, "1011")->toolTip());
    EXPECT_EQ(QStringLiteral("Select music to play in this group"), Music(dialog)->toolTip());
    bool labelled = false;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        labelled |= label->text() == QStringLiteral("Group's music:");
    EXPECT_TRUE(labelled);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GroupDialogFixture, TheGroupsMusicIsSelectedAndOkStoresTheChoice)
{
    group->music = QStringLiteral("town.mod");
    {
        CGroupPropertiesDlg dialog(group, &groups, &sounds, &ui);
        dialog.show();
        EXPECT_EQ(2, Music(dialog)->currentIndex());
        Music(dialog)->setCurrentIndex(1);
        Click(dialog, "1");
        EXPECT_EQ(QDialog::Accepted, dialog.result());
    }
    EXPECT_EQ(QStringLiteral("theme.mid"), group->music);
    {
        // The blank entry stands for no music and is stored as one blank.
        CGroupPropertiesDlg dialog(group, &groups, &sounds, &ui);
        dialog.show();
        Music(dialog)->setCurrentIndex(0);
        Click(dialog, "1");
    }
    EXPECT_EQ(QStringLiteral(" "), group->music);
    {
        CGroupPropertiesDlg dialog(group, &groups, &sounds, &ui);
        dialog.show();
        EXPECT_EQ(0, Music(dialog)->currentIndex());
    }
    // The combo box finds the first entry that begins with the name, in any case.
    group->music = QStringLiteral("THEME");
    CGroupPropertiesDlg dialog(group, &groups, &sounds, &ui);
    dialog.show();
    EXPECT_EQ(1, Music(dialog)->currentIndex());
}

TEST_F(GroupDialogFixture, MusicNotInTheListSelectsNothingAndOkKeepsIt)
{
    group->music = QStringLiteral("gone.mid");
    CGroupPropertiesDlg dialog(group, &groups, &sounds, &ui);
    dialog.show();
    EXPECT_EQ(-1, Music(dialog)->currentIndex());
    Click(dialog, "1");
    EXPECT_EQ(QStringLiteral("gone.mid"), group->music);
}

TEST_F(GroupDialogFixture, AnEmptySoundListOffersNothingAndOkKeepsTheMusic)
{
    SetSounds({});
    sounds.Append(QStringLiteral("stale.mid")); // the list is read again on opening
    group->music = QStringLiteral("theme.mid");
    CGroupPropertiesDlg dialog(group, &groups, &sounds, &ui);
    dialog.show();
    EXPECT_EQ(0, Music(dialog)->count());
    Click(dialog, "1");
    EXPECT_EQ(QStringLiteral("theme.mid"), group->music);
}

TEST_F(GroupDialogFixture, AMissingSoundListIsReportedAndTheOldNamesStay)
{
    QFile::remove(base.Path(QStringLiteral("questdata\\Forest\\soundlist.txt")));
    sounds.Append(QStringLiteral("old.mid"));
    CGroupPropertiesDlg dialog(group, &groups, &sounds, &ui);
    dialog.show();
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldnt open sound List"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("questdata\\Forest\\soundlist.txt"), ui.messages[0].caption);
    EXPECT_EQ((QStringList{QStringLiteral(" "), QStringLiteral("old.mid")}), ComboEntries(Music(dialog)));
}

TEST_F(GroupDialogFixture, DeleteGroupRemovesItWithoutApplyingTheMusic)
{
    groups.selected = group;
    CGroupPropertiesDlg dialog(group, &groups, &sounds, &ui);
    dialog.show();
    Music(dialog)->setCurrentIndex(1);
    Click(dialog, "1010");
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(0, groups.Count());
    EXPECT_EQ(nullptr, groups.selected);
}

TEST_F(GroupDialogFixture, WithoutAGroupOrASoundListItEndsAtOnce)
{
    CGroupPropertiesDlg noGroup(nullptr, &groups, &sounds, &ui);
    EXPECT_EQ(QDialog::Rejected, noGroup.exec());
    CGroupPropertiesDlg noSounds(group, &groups, nullptr, &ui);
    EXPECT_EQ(QDialog::Rejected, noSounds.exec());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GroupDialogFixture, EditGroupOpensTheDimensionsInCellsAndStoresMapUnits)
{
    CGroupPropertiesDlg dialog(group, &groups, &sounds, &ui);
    dialog.show();
    QStringList shown;
    QTimer::singleShot(0, [&] {
        QWidget* dimensions = QApplication::activeModalWidget();
        ASSERT_NE(nullptr, dimensions);
        EXPECT_EQ(QStringLiteral("Edit Group's dimensions"), dimensions->windowTitle());
        for (const char* id : {"1014", "1015", "1016", "1017"})
            shown << Text(*dimensions, id);
        Retype(*dimensions, "1014", QStringLiteral("3"));
        Click(*dimensions, "1");
    });
    Click(dialog, "1009");
    EXPECT_EQ((QStringList{QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("3")}), shown);
    EXPECT_EQ(384, group->left);
    EXPECT_EQ(96, group->top);
    EXPECT_EQ(640, group->right);
    EXPECT_EQ(288, group->bottom);
    EXPECT_TRUE(dialog.isVisible()); // the properties stay open
}

TEST_F(GroupDialogFixture, EditGroupsScriptOpensItsScriptAndStaysOpen)
{
    InstallRecordingEditor(base);
    CGroupPropertiesDlg dialog(group, &groups, &sounds, &ui);
    dialog.show();
    Click(dialog, "1011");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(base.Path(QStringLiteral("questdata\\Forest\\scripts\\group\\7.ves")), LaunchedScript(base));
}

TEST(GroupDimensionsDlg, FieldsAreReadAsLeadingDecimalsAndCancelKeepsTheGroup)
{
    CGroup group;
    group.left = 256;
    group.top = 96;
    group.right = 640;
    group.bottom = 288;
    {
        CGroupDimensionsDlg dialog(&group);
        dialog.show();
        for (const char* id : {"1014", "1015", "1016", "1017"})
            EXPECT_EQ(6, Control<QLineEdit>(dialog, id)->maxLength());
        Retype(dialog, "1014", QStringLiteral("9"));
        Click(dialog, "2");
    }
    EXPECT_EQ(256, group.left);
    CGroupDimensionsDlg dialog(&group);
    dialog.show();
    Retype(dialog, "1014", QStringLiteral(" 1x"));
    Retype(dialog, "1015", QStringLiteral("abc"));
    Retype(dialog, "1016", QStringLiteral("+4"));
    Retype(dialog, "1017", QStringLiteral("-2"));
    Click(dialog, "1");
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_EQ(128, group.left);
    EXPECT_EQ(512, group.right);
    // Bottom above top is turned round, so the group still holds its cells.
    EXPECT_EQ(-192, group.top);
    EXPECT_EQ(0, group.bottom);
}

// ---- The name dialog ----

