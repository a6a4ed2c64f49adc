#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "quest/Quest.h"
#include "quest/QuestFolder.h"
#include "support/paths/Globals.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {
const QStringList kForestListing = {
    "questdata/Forest/",
    "questdata/Forest/entitylist.txt",
    "questdata/Forest/screens/",
    "questdata/Forest/screens/keep.me",
    "questdata/Forest/scripts/",
    "questdata/Forest/scripts/group/",
    "questdata/Forest/scripts/group/amx/",
    "questdata/Forest/scripts/group/amx/keep.me",
    "questdata/Forest/scripts/main/",
    "questdata/Forest/scripts/main/amx/",
    "questdata/Forest/scripts/main/amx/keep.me",
    "questdata/Forest/scripts/main/main.ves",
    "questdata/Forest/scripts/screen/",
    "questdata/Forest/scripts/screen/amx/",
    "questdata/Forest/scripts/screen/amx/keep.me",
    "questdata/Forest/sheets.txt",
    "questdata/Forest/soundlist.txt",
};

QStringList Below(const QStringList& listing, const QString& prefix)
{
    QStringList kept;
    for (const QString& entry : listing)
        if (entry.startsWith(prefix))
            kept << entry;
    return kept;
}
} // namespace

TEST(NewQuest, MakesTheQuestFolderFromTheTemplatesAndAnEmptyMapFile)
{
    CTempBase base;
    base.Write(QStringLiteral("questdata\\entitylist.txt"), "bat\r\nbat\r\n");
    CFakeUi ui;
    CQuest quest(ui, ui, ui);
    const QStringList before = base.Listing();
    ASSERT_TRUE(quest.files.NewQuestNamed(QStringLiteral("Forest")));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(QStringLiteral("Forest"), g_questName);
    EXPECT_EQ(QStringLiteral("Forest - Tessellmancery"), ui.windowTitle);

    QStringList added = base.Listing();
    for (const QString& entry : before)
        added.removeOne(entry);
    QStringList expected = kForestListing;
    expected << "save/Forest.qss";
    expected.sort();
    EXPECT_EQ(expected, added);
    EXPECT_EQ(base.Read(QStringLiteral("questdata\\standardmain.ves")),
              base.Read(QStringLiteral("questdata\\Forest\\scripts\\main\\main.ves")));
    EXPECT_EQ(QByteArray("bat\r\nbat\r\n"), base.Read(QStringLiteral("questdata\\Forest\\entitylist.txt")));
    EXPECT_EQ(QByteArray(), base.Read(QStringLiteral("questdata\\Forest\\sheets.txt")));
    EXPECT_EQ(QByteArray(), base.Read(QStringLiteral("questdata\\Forest\\screens\\keep.me")));
    EXPECT_EQ(QByteArray("Vantraglen Tessellmancery Map File\r\n0\r\n0\r\n160\r\n120\r\nUntitled Quest\r\n0\r\n1\r\n"),
              base.Read(QStringLiteral("save\\Forest.qss")));
}

TEST(NewQuest, AMissingTemplateLeavesTheEmptyFile)
{
    CTempBase base;
    QFile::remove(base.Path(QStringLiteral("questdata\\standardmain.ves")));
    QFile::remove(base.Path(QStringLiteral("questdata\\soundlist.txt")));
    CFakeUi ui;
    CQuest quest(ui, ui, ui);
    ASSERT_TRUE(quest.files.NewQuestNamed(QStringLiteral("Forest")));
    EXPECT_EQ(QByteArray(), base.Read(QStringLiteral("questdata\\Forest\\scripts\\main\\main.ves")));
    EXPECT_EQ(QByteArray(), base.Read(QStringLiteral("questdata\\Forest\\soundlist.txt")));
}

TEST(NewQuest, AnotherOpenQuestIsLeftUntouched)
{
    CTempBase base;
    CFakeUi ui;
    CQuest quest(ui, ui, ui);
    ASSERT_TRUE(quest.files.NewQuestNamed(QStringLiteral("Forest")));
    quest.map.properties.fullName = QStringLiteral("Deep Forest");
    quest.map.Cell(1, 1).holdsScreen = true;
    quest.files.SaveMapFile();
    const QByteArray forestMap = base.Read(QStringLiteral("save\\Forest.qss"));
    const QStringList forestFiles = Below(base.Listing(), QStringLiteral("questdata/Forest/"));

    ASSERT_TRUE(quest.files.NewQuestNamed(QStringLiteral("Meadow")));
    EXPECT_EQ(forestMap, base.Read(QStringLiteral("save\\Forest.qss")));
    EXPECT_EQ(forestFiles, Below(base.Listing(), QStringLiteral("questdata/Forest/")));
    EXPECT_EQ(0, quest.map.ScreenCount());
    EXPECT_EQ(QStringLiteral("Untitled Quest"), quest.map.properties.fullName);
}

TEST(NewQuest, RefusesExistingAndUnsafeNamesBeforeTouchingAnything)
{
    CTempBase base;
    CFakeUi ui;
    CQuest quest(ui, ui, ui);
    ASSERT_TRUE(quest.files.NewQuestNamed(QStringLiteral("Forest")));
    base.Write(QStringLiteral("questdata\\Forest\\scripts\\main\\main.ves"), "edited");
    const QStringList before = base.Listing();

    EXPECT_FALSE(quest.files.NewQuestNamed(QStringLiteral("Forest")));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("A quest called \"Forest\" already exists, please choose another name"),
              ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Error"), ui.messages[0].caption);
    EXPECT_EQ(QByteArray("edited"), base.Read(QStringLiteral("questdata\\Forest\\scripts\\main\\main.ves")));

    for (const char* bad : {"", "..", "../escape", "a\\b", "a/b", "c:", "x.y", " lead", "tab\tname"}) {
        ui.messages.clear();
        EXPECT_FALSE(quest.files.NewQuestNamed(QString::fromLatin1(bad))) << bad;
        ASSERT_EQ(1u, ui.messages.size()) << bad;
        EXPECT_EQ(QStringLiteral("Error"), ui.messages[0].caption);
    }
    EXPECT_EQ(QStringLiteral("That is not a valid Quest Name"), QuestNameProblem(QString()));
    EXPECT_EQ(before, base.Listing());
    EXPECT_EQ(QStringLiteral("Forest"), g_questName);
    // A name that begins with a digit is a fine quest name.
    EXPECT_TRUE(QuestNameProblem(QStringLiteral("2nd Forest")).isEmpty());
}

TEST(CreateEmptyFile, LogsWhatCouldNotBeCreated)
{
    CTempBase base(true);
    EXPECT_EQ(1, CreateEmptyFile(QString(), QStringLiteral("a.txt")));
    EXPECT_EQ(QByteArray(), base.Read(QStringLiteral("a.txt")));
    EXPECT_EQ(0, CreateEmptyFile(QStringLiteral("missing"), QStringLiteral("b.txt")));
    EXPECT_EQ(QByteArray("\r\nFile Could Not be Created: \r\nb.txt"), base.Read(QStringLiteral("ErrorChk.txt")));
}
