#include "dialogs/DialogDriving.h"
#include "dialogs/ResourceHostStub.h"
#include "dialogs/SheetEntitiesDlg.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "resources/SheetEntityImport.h"
#include "support/Globals.h"

#include <QLabel>

using namespace dialogdriving;

namespace {
const QString kEntities = QStringLiteral("questdata\\Forest\\entitylist.txt");
const QString kSounds = QStringLiteral("questdata\\Forest\\soundlist.txt");

struct SheetEntitiesDialog : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CResourceHostStub host;
    CSheetEntitiesImport import{ui, host};
    SheetEntitiesDialog()
    {
        g_questName = QStringLiteral("Forest");
        base.Write(kEntities, "wisp\r\nwisp\r\n");
        base.Write(kSounds, "");
        base.Write(QStringLiteral("entities\\bat#.ves"), "PlaySound(\"flap.wav\");\r\n");
        base.Write(QStringLiteral("sounds\\flap.wav"), "RIFF");
        for (const char* name : {"bat1", "bat2"}) {
            auto record = std::make_unique<CSheetEntityRecord>();
            record->name = QLatin1String(name);
            import.records.Append(std::move(record), "SPTEntry");
        }
    }
};
} // namespace

TEST_F(SheetEntitiesDialog, OpensWithTheNamesTheSoundsCheckedAndNoFolder)
{
    CSheetEntitiesDlg dialog(import);
    EXPECT_EQ(QStringLiteral("Sprite Sheet Contains Entities"), dialog.windowTitle());
    EXPECT_EQ((QStringList{"bat1", "bat2"}), Lines(dialog, "1056"));
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Entities on sheet:")));
    auto* sounds = Control<QCheckBox>(dialog, "1057");
    EXPECT_EQ(QStringLiteral("Add any sounds from entity scripts"), sounds->text());
    EXPECT_TRUE(sounds->isChecked());
    EXPECT_EQ(QString(), Text(dialog, "1058"));
    EXPECT_EQ(QStringLiteral("OK"), Label(dialog, "1"));
    EXPECT_EQ(QStringLiteral("Cancel"), Label(dialog, "2"));
}

TEST_F(SheetEntitiesDialog, OkAddsTheEntitiesWithTheTypedFolderAndTheCheckBoxAsSet)
{
    const struct {
        bool untick;
        QByteArray entities, sounds;
    } rows[] = {
        {false, "wisp\r\nwisp\r\nBats\\\r\nBats\\\r\nBats\\bat#\r\nbat#\r\n", "Bats\\\r\nBats\\\r\nBats\\flap.wav\r\nflap.wav\r\n"},
        {true, "wisp\r\nwisp\r\nBats\\\r\nBats\\\r\nBats\\bat#\r\nbat#\r\n", ""},
    };
    for (const auto& r : rows) {
        base.Write(kEntities, "wisp\r\nwisp\r\n");
        base.Write(kSounds, "");
        CSheetEntitiesImport fresh{ui, host};
        for (const QString& name : import.Names()) {
            auto record = std::make_unique<CSheetEntityRecord>();
            record->name = name;
            fresh.records.Append(std::move(record), "SPTEntry");
        }
        CSheetEntitiesDlg dialog(fresh);
        dialog.show();
        Retype(dialog, "1058", QStringLiteral("Bats"));
        if (r.untick)
            QTest::mouseClick(Control<QCheckBox>(dialog, "1057"), Qt::LeftButton, {}, QPoint(6, 6));
        Click(dialog, "1");
        EXPECT_EQ(QDialog::Accepted, dialog.result());
        EXPECT_EQ(QStringLiteral("Bats"), fresh.folder);
        EXPECT_EQ(r.untick ? 0 : 1, fresh.addSounds);
        EXPECT_EQ(r.entities, base.Read(kEntities)) << r.untick;
        EXPECT_EQ(r.sounds, base.Read(kSounds)) << r.untick;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SheetEntitiesDialog, APastedLineBreakEndsTheFolderName)
{
    CSheetEntitiesDlg dialog(import);
    dialog.show();
    Control<QLineEdit>(dialog, "1058")->insert(QStringLiteral("Bats\nsecond line"));
    Click(dialog, "1");
    EXPECT_EQ(QStringLiteral("Bats"), import.folder);
    EXPECT_EQ(QByteArray("wisp\r\nwisp\r\nBats\\\r\nBats\\\r\nBats\\bat#\r\nbat#\r\n"), base.Read(kEntities));
}

TEST_F(SheetEntitiesDialog, CancelAddsNothing)
{
    CSheetEntitiesDlg dialog(import);
    dialog.show();
    Retype(dialog, "1058", QStringLiteral("Bats"));
    Click(dialog, "2");
    EXPECT_EQ(QDialog::Rejected, dialog.result());
    EXPECT_EQ(QByteArray("wisp\r\nwisp\r\n"), base.Read(kEntities));
    EXPECT_EQ(QByteArray(), base.Read(kSounds));
}

TEST_F(SheetEntitiesDialog, AMissingScriptIsWarnedAboutWhileTheDialogStands)
{
    auto record = std::make_unique<CSheetEntityRecord>();
    record->name = QStringLiteral("ghost");
    import.records.Append(std::move(record), "SPTEntry");
    CSheetEntitiesDlg dialog(import);
    dialog.show();
    bool stood = false;
    ui.onMessage = [&](const RecordedMessage&) { stood = dialog.isVisible(); };
    Click(dialog, "1");
    EXPECT_TRUE(stood);
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Not all the entities on the sheet could be found, you\nmight want to add them to your "
                             "entities\\ directory"),
              ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Warning"), ui.messages[0].caption);
    EXPECT_EQ(QByteArray("wisp\r\nwisp\r\nbat#\r\nbat#\r\n"), base.Read(kEntities));
}
