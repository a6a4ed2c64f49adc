// tessell check reads a quest as a build would and names every problem with
// its file, building and writing nothing.
#include "helpers/DecimalCommaLocale.h"
#include "helpers/TempBase.h"
#include "tools/ToolRun.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

// The quest "Flawed" of the fixtures, laid over Trail's shared entities,
// sounds and sheets, has at least one problem of every kind; its imp1 sprite
// finds its script imp#.ves by the "#" rule, and the hole fill needs no sheet.
TEST(TessellCheck, NamesEveryProblemOfTheFlawedQuestWithItsFileGroupedByKind)
{
    CTempBase base;
    ASSERT_TRUE(CopyTree(QStringLiteral(TESSELL_FIXTURES_DIR "/trail"), base.root));
    ASSERT_TRUE(CopyTree(QStringLiteral(TESSELL_FIXTURES_DIR "/flawed"), base.root));
    // A compile list that is a folder can neither be read nor made.
    ASSERT_TRUE(QDir(base.root).mkpath(QStringLiteral("compiler/compilelist.txt")));
    const QStringList before = base.Listing();

    const ToolText run = Tessell(base, {QStringLiteral("check"), QStringLiteral("Flawed")});
    EXPECT_EQ(1, run.exitCode) << run.err.toStdString();
    const QString q = QStringLiteral("questdata\\Flawed\\");
    const QString early = QStringLiteral(":1: The preview ends early at line 1, a preview holds 12288 lines: the rest "
                                         "of the map's picture of this screen is black");
    const QString noPlaySound = QStringLiteral(": Error [017]: undefined symbol \"PlaySound\"");
    const QStringList expected = {
        "save\\Flawed.qss: A cell record lies off the 256 x 256 grid, the editor passes over it",
        "compiler\\compilelist.txt: Can't build compile list!",
        "save\\Flawed.qss: The player's starting position has to be on a screen, change this in the quest "
        "properties Option screen",
        q + "screens\\0-2.lnd: One or more of your screens is not in a group, you can create a group by "
            "right-clicking and dragging in the map designer, please put all you screens in a group and try again.",
        q + "screens\\3-0.bmp: Couldn't open screen preview",
        q + "screens\\0-0.bmp" + early,
        q + "screens\\1-0.lnd: Couldn't Write LND file to the archive",
        q + "screens\\1-0.bmp" + early,
        q + "screens\\2-0.bmp" + early,
        q + "scripts\\screen\\2-0.ves: The screen's script is missing, the build cannot compile it",
        q + "screens\\0-2.bmp" + early,
        q + "scripts\\group\\1.ves: The group's script is missing, the build cannot compile it",
        q + "scripts\\main\\main.ves: The main script is missing, the build cannot compile it",
        // The scripts the build would compile are compiled, and the compiler
        // knows no PlaySound; the line of the unclosed string is its too.
        "entities\\imp#.ves:4" + noPlaySound,
        q + "scripts\\screen\\0-0.ves:3" + noPlaySound,
        q + "scripts\\screen\\0-0.ves:4" + noPlaySound,
        q + "scripts\\screen\\0-0.ves:5" + noPlaySound,
        q + "scripts\\screen\\0-0.ves:6" + noPlaySound,
        q + "screens\\0-0.lnd: Sprite code \"stump\" is on no sheet of the quest, so it is never drawn",
        q + "screens\\0-0.lnd: Entity \"wolf\" is not in the quest's entity list " + q + "entitylist.txt",
        q + "screens\\0-0.lnd: Entity \"ghost\" is not in the quest's entity list " + q + "entitylist.txt",
        q + "screens\\0-0.lnd: Entity \"ghost\" has no script entities\\ghost.ves",
        "entities\\imp#.ves:4: Plays the sound \"growl.wav\", but there is no file sounds\\growl.wav",
        q + "scripts\\screen\\0-0.ves:3: Plays the sound \"hit.wav\", which the quest's sound list " + q
            + "soundlist.txt does not name, so the build leaves it out of the quest file",
        q + "scripts\\screen\\0-0.ves:4: Plays the sound \"roar.wav\", but there is no file sounds\\roar.wav",
        q + "entitylist.txt:8: Names \"troll\", but there is no file entities\\troll.ves",
        q + "entitylist.txt:10: Resource name left out of the quest file, the name holds a path separator: ..\\evil",
        q + "sheets.txt:6: Names \"moss\", but there is no file sprite sheets\\moss.bmp",
        q + "soundlist.txt:4: Names \"chime.wav\", but there is no file sounds\\chime.wav",
        "29 problems in the quest \"Flawed\"",
    };
    EXPECT_EQ(expected, run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    EXPECT_EQ(QString(), run.err);
    EXPECT_EQ(before, base.Listing()); // nothing compiled, nothing written

    const CDecimalCommaLocale& locale = CDecimalCommaLocale::Get();
    ASSERT_TRUE(locale.Ready()) << locale.Error().toStdString();
    EXPECT_EQ(run.out, Tessell(base, {QStringLiteral("check"), QStringLiteral("Flawed")}, locale.Environment()).out);
}

TEST(TessellCheck, TheShippedDemoChecksClean)
{
    CTempBase base(true);
    ASSERT_TRUE(base.CopyShippedWorkspace());
    const QStringList before = base.Listing();
    const ToolText run = Tessell(base, {QStringLiteral("check"), QStringLiteral("Demo")});
    EXPECT_EQ(0, run.exitCode);
    EXPECT_EQ(QStringLiteral("No problems in the quest \"Demo\"\n"), run.out);
    EXPECT_EQ(before, base.Listing());
}

TEST(TessellCheck, AQuestItCannotReadIsOneProblemAndBadUsageIsExitCodeTwo)
{
    CTempBase base;
    base.Write(QStringLiteral("save\\Odd.qss"), "Vantraglen Tessellmancery Map File \r\n0\r\n");
    const struct {
        QStringList args;
        int exitCode;
        QString out;
    } cases[] = {
        {{"check", "Nowhere"}, 1,
         "save\\Nowhere.qss: Couldn't Open Save file for reading\n1 problem in the quest \"Nowhere\"\n"},
        {{"check", "Odd"}, 1, "save\\Odd.qss: Invalid Map File\n1 problem in the quest \"Odd\"\n"},
        {{"check", "..\\save\\Odd"}, 1,
         "save\\..\\save\\Odd.qss: Couldn't Open Save file for reading\n1 problem in the quest \"..\\save\\Odd\"\n"},
        {{"check"}, 2, ""},
        {{"check", "Odd", "Even"}, 2, ""},
    };
    for (const auto& c : cases) {
        const ToolText run = Tessell(base, c.args);
        EXPECT_EQ(c.exitCode, run.exitCode) << c.args.join(' ').toStdString();
        EXPECT_EQ(c.out, run.out) << c.args.join(' ').toStdString();
        if (c.exitCode == 2) {
            EXPECT_TRUE(run.err.contains(QStringLiteral("\nusage: tessell check [--format=text|json] QUEST\n")))
                << run.err.toStdString();
        }
    }
}
