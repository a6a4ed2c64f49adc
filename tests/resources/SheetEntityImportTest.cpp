// Bringing a sheet's entities and their sounds into the quest's tree files.
#include "helpers/FakeUi.h"
#include "helpers/FileBytes.h"
#include "helpers/TempBase.h"
#include "resources/ResourceHostFake.h"

#include "resources/SheetEntityImport.h"
#include "support/paths/Globals.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QString kEntities = QStringLiteral("questdata\\Forest\\entitylist.txt");
const QString kSounds = QStringLiteral("questdata\\Forest\\soundlist.txt");

// A sheet of sprites, each "code" or "code!" for one marked as an entity.
QByteArray Sheet(std::initializer_list<const char*> codes)
{
    QByteArray bytes = "Caves\r\n";
    for (const char* code : codes) {
        QByteArray c(code);
        if (c.endsWith('!')) {
            c.chop(1);
            bytes += "[ENTITY]\r\n";
        }
        bytes += c + "\r\n0\r\n0\r\n16\r\n16\r\n";
    }
    return bytes;
}

class SheetEntityImportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_questName = QStringLiteral("Forest");
        base.Write(kEntities, Lines({"wisp", "wisp"}));
        base.Write(kSounds, QByteArray());
    }

    // Imports the sheet; the dialog, when shown, is answered with OK and these
    // fields. Returns the names it listed, or "no dialog".
    QString Import(const QByteArray& sheet, const QString& folder = QString(), int addSounds = 1)
    {
        base.Write(QStringLiteral("sprite sheets\\caves.spt"), sheet);
        QString listed = QStringLiteral("no dialog");
        ui.onSheetEntities = [&](CSheetEntitiesImport& import) {
            listed = import.Names().join(QLatin1Char(','));
            EXPECT_EQ(import.addSounds, 1); // checked at first
            EXPECT_TRUE(import.folder.isEmpty());
            import.folder = folder;
            import.addSounds = addSounds;
            import.Confirm();
            return 1;
        };
        ImportSheetEntities(QStringLiteral("caves"), ui, ui, host);
        return listed;
    }

    CTempBase base;
    CFakeUi ui;
    CFakeResourceHost host;
};

TEST_F(SheetEntityImportTest, ASheetWithoutEntitiesOrWithOnlyKnownOnesShowsNothing)
{
    EXPECT_EQ(Import(Sheet({"rock", "tree"})), QStringLiteral("no dialog"));
    EXPECT_EQ(Import(Sheet({"rock", "wisp!"})), QStringLiteral("no dialog"));
    EXPECT_EQ(base.Read(kEntities), Lines({"wisp", "wisp"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SheetEntityImportTest, OneHashScriptStandsForEveryCodeItMatches)
{
    base.Write(QStringLiteral("entities\\bat#.ves"), "main() {}\r\n");
    EXPECT_EQ(Import(Sheet({"bat1!", "rock", "bat2!"})), QStringLiteral("bat1,bat2"));
    EXPECT_EQ(base.Read(kEntities), Lines({"wisp", "wisp", "bat#", "bat#"}));
    EXPECT_TRUE(ui.messages.empty());
    // Now in the list, the hash form finds both codes.
    EXPECT_EQ(Import(Sheet({"bat7!"})), QStringLiteral("no dialog"));
}

TEST_F(SheetEntityImportTest, AFolderOfOneCharacterIsNoFolderAndALongOneIsCutToAComponent)
{
    base.Write(QStringLiteral("entities\\ghost.ves"), "");
    Import(Sheet({"ghost!"}), QStringLiteral("G"));
    EXPECT_EQ(base.Read(kEntities), Lines({"wisp", "wisp", "ghost", "ghost"}));
    EXPECT_EQ(base.Read(kSounds), QByteArray());
    // 100 two-byte letters: cut at 63 of them (126 bytes), never inside one.
    base.Write(kEntities, QByteArray());
    Import(Sheet({"ghost!"}), QString(100, QChar(0xE9)), 0);
    const QByteArray folder = QString(63, QChar(0xE9)).toUtf8();
    EXPECT_EQ(base.Read(kEntities), Lines({folder + '\\', folder + '\\', folder + "\\ghost", "ghost"}));
}

TEST_F(SheetEntityImportTest, EntitiesAndTheirSoundsGoIntoTheFolderEachSoundOnce)
{
    base.Write(QStringLiteral("entities\\ghost.ves"),
               "main()\r\n{\r\n  PlaySound(\"boo.wav\", 1); PlaySound(\"boo.wav\");\r\n  PlaySound(\"boo.wav\");\r\n"
               "  PlaySound(\"none.wav\");\r\n  PlaySound(\"open\r\n}\r\n");
    base.Write(QStringLiteral("entities\\bat.ves"), "PlaySound(\"boo.wav\")\r\nPlaySound(\"flap.mid\")\r\n");
    base.Write(QStringLiteral("sounds\\boo.wav"), "RIFF");
    base.Write(QStringLiteral("sounds\\flap.mid"), "MThd");
    EXPECT_EQ(Import(Sheet({"ghost!", "bat!", "elf!"}), QStringLiteral("Cave")), QStringLiteral("ghost,bat,elf"));
    EXPECT_EQ(base.Read(kEntities),
              Lines({"wisp", "wisp", "Cave\\", "Cave\\", "Cave\\ghost", "ghost", "Cave\\bat", "bat"}));
    EXPECT_EQ(base.Read(kSounds),
              Lines({"Cave\\", "Cave\\", "Cave\\boo.wav", "boo.wav", "Cave\\flap.mid", "flap.mid"}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Not all the entities on the sheet could be found, you\nmight want to "
                                                  "add them to your entities\\ directory"));
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Warning"));
}

TEST_F(SheetEntityImportTest, AListWithoutItsLastLineEndStillGetsWholeLines)
{
    base.Write(kEntities, "wisp\r\nwisp");
    base.Write(QStringLiteral("entities\\ghost.ves"), "");
    Import(Sheet({"ghost!"}));
    EXPECT_EQ(base.Read(kEntities), Lines({"wisp", "wisp", "ghost", "ghost"}));
}

TEST_F(SheetEntityImportTest, UnreadableFilesAreLoggedOrShown)
{
    // A sheet that cannot be read: two log lines, nothing shown.
    ImportSheetEntities(QStringLiteral("nowhere"), ui, ui, host);
    EXPECT_TRUE(ui.calls.isEmpty());
    EXPECT_TRUE(base.Read(QStringLiteral("ErrorChk.txt"))
                    .contains("\r\n*** Couldn't Open Sheet file to add Entities and Sound ***\r\nnowhere"));
    // An entity list that cannot be read while checking the folder.
    base.Write(QStringLiteral("entities\\ghost.ves"), "");
    QFile::remove(base.Path(kEntities));
    Import(Sheet({"ghost!"}), QStringLiteral("Cave"));
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, QStringLiteral("Couldn't open entitylist.txt"));
    EXPECT_EQ(ui.messages.back().caption, kEntities);
    EXPECT_TRUE(base.Read(QStringLiteral("ErrorChk.txt")).contains("\r\n*** Couldnt open EntityList.txt ***\r\n"));
    EXPECT_FALSE(base.Exists(kEntities));
    EXPECT_EQ(base.Read(kSounds), QByteArray());
}

TEST_F(SheetEntityImportTest, AnEntityListThatCannotTakeAppendsIsReported)
{
    base.Write(QStringLiteral("entities\\ghost.ves"), "");
    // A folder where the list should be: it can be neither read nor appended to.
    QFile::remove(base.Path(kEntities));
    ASSERT_TRUE(QDir().mkpath(base.Path(kEntities)));
    Import(Sheet({"ghost!"}));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldnt open entity List"));
    EXPECT_EQ(ui.messages[1].text, QStringLiteral("Couldn't open entitylist.txt"));
    EXPECT_EQ(ui.messages[1].caption, kEntities);
}

} // namespace
