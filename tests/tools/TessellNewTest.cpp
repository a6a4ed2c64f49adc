#include "helpers/TempBase.h"
#include "tools/ToolRun.h"

#include <QProcess>

#include <gtest/gtest.h>

TEST(TessellNew, MakesExactlyTheQuestFolderAndTheMapFile)
{
    CTempBase base;
    const QStringList before = base.Listing();
    const ToolText run = Tessell(base, {QStringLiteral("new"), QStringLiteral("Forest")});
    EXPECT_EQ(0, run.exitCode) << run.err.toStdString();
    QStringList added = base.Listing();
    for (const QString& entry : before)
        added.removeOne(entry);
    QStringList expected = {
        "questdata/Forest/", "questdata/Forest/entitylist.txt", "questdata/Forest/screens/",
        "questdata/Forest/screens/keep.me", "questdata/Forest/scripts/", "questdata/Forest/scripts/group/",
        "questdata/Forest/scripts/group/amx/", "questdata/Forest/scripts/group/amx/keep.me",
        "questdata/Forest/scripts/main/", "questdata/Forest/scripts/main/amx/",
        "questdata/Forest/scripts/main/amx/keep.me", "questdata/Forest/scripts/main/main.ves",
        "questdata/Forest/scripts/screen/", "questdata/Forest/scripts/screen/amx/",
        "questdata/Forest/scripts/screen/amx/keep.me", "questdata/Forest/sheets.txt",
        "questdata/Forest/soundlist.txt", "save/Forest.qss"};
    expected.sort();
    EXPECT_EQ(expected, added);
    EXPECT_EQ(QByteArray("Vantraglen Tessellmancery Map File\r\n0\r\n0\r\n160\r\n120\r\nUntitled Quest\r\n0\r\n1\r\n"),
              base.Read(QStringLiteral("save\\Forest.qss")));
}

TEST(TessellNew, RefusesWithAMessageAndANonZeroExit)
{
    CTempBase base;
    ASSERT_EQ(0, Tessell(base, {QStringLiteral("new"), QStringLiteral("Forest")}).exitCode);
    const QStringList before = base.Listing();
    ToolText again = Tessell(base, {QStringLiteral("new"), QStringLiteral("Forest")});
    EXPECT_NE(0, again.exitCode);
    EXPECT_EQ(QStringLiteral("Error: A quest called \"Forest\" already exists, please choose another name\n"), again.err);
    ToolText escape = Tessell(base, {QStringLiteral("new"), QStringLiteral("../Elsewhere")});
    EXPECT_NE(0, escape.exitCode);
    EXPECT_TRUE(escape.err.startsWith(QStringLiteral("Error: A quest name may not hold")));
    EXPECT_NE(0, Tessell(base, {QStringLiteral("new")}).exitCode);
    EXPECT_NE(0, Tessell(base, {QStringLiteral("bogus")}).exitCode);
    EXPECT_EQ(before, base.Listing());
}
