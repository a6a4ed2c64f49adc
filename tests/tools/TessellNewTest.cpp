#include "helpers/TempBase.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {
struct ToolRun {
    int exitCode;
    QString error;
};

ToolRun Tessell(const CTempBase& base, const QStringList& arguments)
{
    QProcess process;
    process.setWorkingDirectory(base.root);
    process.start(QStringLiteral(TESSELL_BINARY_DIR "/tools/tessell"), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}
} // namespace

TEST(TessellNew, MakesExactlyTheQuestFolderAndTheMapFile)
{
    CTempBase base;
    const QStringList before = base.Listing();
    const ToolRun run = Tessell(base, {QStringLiteral("new"), QStringLiteral("Forest")});
    EXPECT_EQ(0, run.exitCode) << run.error.toStdString();
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
    ToolRun again = Tessell(base, {QStringLiteral("new"), QStringLiteral("Forest")});
    EXPECT_NE(0, again.exitCode);
    EXPECT_EQ(QStringLiteral("Error: A quest called \"Forest\" already exists, please choose another name\n"), again.error);
    ToolRun escape = Tessell(base, {QStringLiteral("new"), QStringLiteral("../Elsewhere")});
    EXPECT_NE(0, escape.exitCode);
    EXPECT_TRUE(escape.error.startsWith(QStringLiteral("Error: A quest name may not hold")));
    EXPECT_NE(0, Tessell(base, {QStringLiteral("new")}).exitCode);
    EXPECT_NE(0, Tessell(base, {QStringLiteral("bogus")}).exitCode);
    EXPECT_EQ(before, base.Listing());
}
