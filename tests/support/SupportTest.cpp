#include "helpers/TempBase.h"
#include "support/DiagnosticLog.h"
#include "support/Globals.h"
#include "support/LaunchEditor.h"
#include "support/LogicalPath.h"
#include "support/Processes.h"
#include "support/QuestPaths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

TEST(DiagnosticLog, HeaderThenOneEntryPerLineWithNoNewlineAtTheEnd)
{
    CTempBase base(true);
    InitLog();
    LogLine(QStringLiteral("A"));
    LogLine(QStringLiteral("B"));
    EXPECT_EQ(QByteArray("Tessellmancery error checking file initialised...\r\n********************\r\n\r\nA\r\nB"),
              base.Read(QStringLiteral("ErrorChk.txt")));
    InitLog(); // recreated at every start
    EXPECT_EQ(QByteArray("Tessellmancery error checking file initialised...\r\n********************\r\n"),
              base.Read(QStringLiteral("ErrorChk.txt")));
}

TEST(DiagnosticLog, IsBestEffortWhenTheFileCannotBeWritten)
{
    CTempBase base(true);
    QDir().mkdir(base.Path(QStringLiteral("ErrorChk.txt"))); // a folder in its place
    InitLog();
    LogLine(QStringLiteral("dropped"));
    EXPECT_TRUE(QFileInfo(base.Path(QStringLiteral("ErrorChk.txt"))).isDir());
}

TEST(QuestFilePath, JoinsTheQuestFolderAndTheName)
{
    CTempBase base(true);
    g_questName = QStringLiteral("Forest");
    EXPECT_EQ(QStringLiteral("questdata\\Forest\\sheets.txt"), QuestFilePath(QStringLiteral("sheets.txt")));
}

TEST(LogicalPath, BecomesNativeBelowTheBaseDirectory)
{
    CTempBase base(true);
    EXPECT_EQ(base.root + QStringLiteral("/questdata/Forest/screens/2-1.lnd"),
              NativePath(QStringLiteral("questdata\\Forest\\screens\\2-1.lnd")));
    EXPECT_EQ(base.root + QStringLiteral("/sprite sheets/a.bmp"), NativePath(QStringLiteral("sprite sheets\\a.bmp")));
    EXPECT_EQ(QStringLiteral("/tmp/x"), NativePath(QStringLiteral("/tmp/x")));
    EXPECT_EQ(QStringLiteral("a\\b"), JoinLogical(QStringLiteral("a"), QStringLiteral("b")));
    EXPECT_EQ(QStringLiteral("a\\b"), JoinLogical(QStringLiteral("a\\"), QStringLiteral("b")));
}

TEST(LogicalPath, SafeNamesHoldNoPathCharacters)
{
    EXPECT_TRUE(IsSafeFileName(QStringLiteral("Forest")));
    EXPECT_TRUE(IsSafeFileName(QStringLiteral("2nd quest")));
    for (const char* bad : {"", ".", "..", "a/b", "a\\b", "c:x", "a*", "a?", "a\"b", "a<b", "a>b", "a|b", "a\tb"})
        EXPECT_FALSE(IsSafeFileName(QString::fromLatin1(bad))) << bad;
}

namespace {
// Writes a stand-in program that records its argv, one per line.
void WriteRecorder(const CTempBase& base, const QString& logical, const QString& outputName)
{
    base.Write(logical, QByteArray("#!/bin/sh\n: > \"") + base.Path(outputName).toUtf8()
                            + "\"\nfor a in \"$0\" \"$@\"; do printf '%s\\n' \"$a\" >> \""
                            + base.Path(outputName).toUtf8() + "\"; done\npwd >> \"" + base.Path(outputName).toUtf8()
                            + "\"\nexit 3\n");
    QFile::setPermissions(base.Path(logical), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QByteArray WaitFor(const CTempBase& base, const QString& logical)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        QByteArray bytes = base.Read(logical);
        if (bytes != "<missing>" && bytes.count('\n') >= 3)
            return bytes;
        QThread::msleep(20);
    }
    return base.Read(logical);
}
} // namespace

TEST(LaunchEditor, StartsTheEditorOnTheScriptInTheFolder)
{
    CTempBase base;
    WriteRecorder(base, QStringLiteral("editor\\cgenie"), QStringLiteral("args.txt"));
    EXPECT_EQ(QStringLiteral("entities\\bat.ves"), LaunchEditor(QStringLiteral("bat.ves"), QStringLiteral("entities")));
    const QByteArray recorded = WaitFor(base, QStringLiteral("args.txt"));
    const QList<QByteArray> lines = recorded.split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(base.Path(QStringLiteral("entities\\bat.ves")).toUtf8(), lines[1]);
    EXPECT_EQ(QDir(base.root).canonicalPath().toUtf8(), lines[2]);
}

TEST(LaunchEditor, IsSilentWhenTheEditorIsMissing)
{
    CTempBase base(true);
    EXPECT_EQ(QStringLiteral("x.ves"), LaunchEditor(QStringLiteral("x.ves")));
}

TEST(Processes, RunAndWaitGivesTheExitCodeAndTheChosenProgramName)
{
    CTempBase base(true);
    WriteRecorder(base, QStringLiteral("prog"), QStringLiteral("args.txt"));
    QDir().mkdir(base.Path(QStringLiteral("work dir")));
    EXPECT_EQ(3, RunAndWait(base.Path(QStringLiteral("prog")), QStringLiteral("2"),
                            {QStringLiteral("a b"), QStringLiteral("-o\"x\"")}, base.Path(QStringLiteral("work dir"))));
    const QList<QByteArray> lines = base.Read(QStringLiteral("args.txt")).split('\n');
    ASSERT_GE(lines.size(), 4);
    // A shell script sees its own path as $0; the arguments arrive unsplit.
    EXPECT_EQ(QByteArray("a b"), lines[1]);
    EXPECT_EQ(QByteArray("-o\"x\""), lines[2]);
    EXPECT_EQ(QDir(base.Path(QStringLiteral("work dir"))).canonicalPath().toUtf8(), lines[3]);
    EXPECT_EQ(-1, RunAndWait(base.Path(QStringLiteral("missing")), QStringLiteral("2"), {}, base.root));
    EXPECT_FALSE(StartDetached(base.Path(QStringLiteral("missing")), QStringLiteral("1"), {}, base.root));
}

TEST(Processes, TheProgramNameArgumentIsArgvZero)
{
    CTempBase base(true);
    const QString out = base.Path(QStringLiteral("cmdline.txt"));
    ASSERT_EQ(0, RunAndWait(QStringLiteral("/bin/sh"), QStringLiteral("2"),
                            {QStringLiteral("-c"), QStringLiteral("tr '\\000' '\\n' < /proc/$$/cmdline > '%1'").arg(out)},
                            base.root));
    EXPECT_TRUE(base.Read(QStringLiteral("cmdline.txt")).startsWith("2\n-c\n"));
}
