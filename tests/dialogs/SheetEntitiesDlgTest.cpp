#include "dialogs/DialogDriving.h"
#include "dialogs/SheetEntitiesDlg.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "resources/ResourceHostFake.h"
#include "resources/SheetEntityImport.h"
#include "support/paths/Globals.h"

#include <QLabel>

using namespace dialogdriving;

namespace {
const QString kEntities = QStringLiteral("questdata\\Forest\\entitylist.txt");
const QString kSounds = QStringLiteral("questdata\\Forest\\soundlist.txt");

struct SheetEntitiesDialog : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CFakeResourceHost host;
    SheetEntitiesDialog()
    {
        g_questName = QStringLiteral("Forest");
        base.Write(QStringLiteral("entities\\bat#.ves"), "PlaySound(\"flap.wav\");\r\n");
        base.Write(QStringLiteral("sounds\\flap.wav"), "RIFF");
    }
    // An import of a sheet's entities onto fresh tree files.
    std::unique_ptr<CSheetEntitiesImport> Import(std::initializer_list<const char*> names)
    {
        base.Write(kEntities, "wisp\r\nwisp\r\n");
        base.Write(kSounds, "");
        auto import = std::make_unique<CSheetEntitiesImport>(ui, host);
        for (const char* name : names) {
            auto record = std::make_unique<CSheetEntityRecord>();
            record->name = QLatin1String(name);
            import->records.Append(std::move(record), "SPTEntry");
        }
        return import;
    }
};
} // namespace

TEST_F(SheetEntitiesDialog, OpensWithTheNamesTheSoundsCheckedAndNoFolder)
{
    auto import = Import({"bat1", "bat2"});
    CSheetEntitiesDlg dialog(*import);
    EXPECT_EQ(QStringLiteral("Sprite Sheet Contains Entities"), dialog.windowTitle());
    EXPECT_EQ(QStringLiteral("Entities on sheet:"), dialog.findChild<QLabel*>()->text());
    EXPECT_EQ((QStringList{"bat1", "bat2"}), Lines(dialog, "1056"));
    EXPECT_EQ(QStringLiteral("Add any sounds from entity scripts"), Label(dialog, "1057"));
    EXPECT_TRUE(Control<QCheckBox>(dialog, "1057")->isChecked());
    EXPECT_EQ(QString(), Text(dialog, "1058"));
    EXPECT_EQ(QStringLiteral("OK|Cancel"), Label(dialog, "1") + "|" + Label(dialog, "2"));
}

TEST_F(SheetEntitiesDialog, OkAddsTheEntitiesWithTheTypedFolderAndTheCheckBoxAsSet)
{
    const QByteArray bats = "wisp\r\nwisp\r\nBats\\\r\nBats\\\r\nBats\\bat#\r\nbat#\r\n";
    const struct {
        const char* typed;
        bool untick;
        const char* button;
        QByteArray entities, sounds;
    } rows[] = {
        {"Bats", false, "1", bats, "Bats\\\r\nBats\\\r\nBats\\flap.wav\r\nflap.wav\r\n"},
        {"Bats", true, "1", bats, ""},
        {"Bats\nsecond line", true, "1", bats, ""}, // a pasted line break ends the name
        {"Bats", false, "2", "wisp\r\nwisp\r\n", ""},
    };
    for (const auto& r : rows) {
        auto import = Import({"bat1", "bat2"});
        CSheetEntitiesDlg dialog(*import);
        dialog.show();
        Control<QLineEdit>(dialog, "1058")->insert(QString::fromUtf8(r.typed));
        if (r.untick)
            QTest::mouseClick(Control<QCheckBox>(dialog, "1057"), Qt::LeftButton, {}, QPoint(6, 6));
        Click(dialog, r.button);
        EXPECT_EQ(r.button[0] == '1' ? QDialog::Accepted : QDialog::Rejected, dialog.result());
        EXPECT_EQ(r.entities, base.Read(kEntities)) << r.typed << r.untick;
        EXPECT_EQ(r.sounds, base.Read(kSounds)) << r.typed << r.untick;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SheetEntitiesDialog, AMissingScriptIsWarnedAboutWhileTheDialogStands)
{
    auto import = Import({"bat1", "ghost"});
    CSheetEntitiesDlg dialog(*import);
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
