#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "support/io/NativeFile.h"
#include "support/paths/Globals.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/platform/DiagnosticLog.h"
#include "support/platform/LaunchEditor.h"
#include "support/platform/Processes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <utime.h>

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

TEST(LogicalPath, IsJoinedToTheBaseAndCleaned)
{
    CTempBase base(true);
    const QString saved = g_baseDirectory;
    for (const char* folder : {"/srv/quests", "/srv/quests/", "/srv/./quests", "/srv/x/../quests", "/", "//srv"}) {
        g_baseDirectory = QLatin1String(folder);
        for (const char* logical : {"questdata\\Forest\\2-1.lnd", "a\\.\\b", "a\\\\b", "a\\..\\b", "..\\x", "a\\",
                                    ".", "...\\x", ".x\\..y", "a\\b\\.."}) {
            const QString expected = QDir::cleanPath(g_baseDirectory + QLatin1Char('/')
                                                     + QString::fromLatin1(logical).replace(QLatin1Char('\\'), QLatin1Char('/')));
            EXPECT_EQ(NativePathAsWritten(QLatin1String(logical)), expected) << folder << " " << logical;
            // (Not at the root, where a missing path is looked up as "//...".)
            if (g_baseDirectory != QLatin1String("/")) {
                EXPECT_EQ(NativePath(QLatin1String(logical)), expected) << folder << " " << logical;
            }
        }
    }
    g_baseDirectory = saved;
    EXPECT_EQ(NativePathAsWritten(QStringLiteral("/tmp\\x\\..\\y")), QStringLiteral("/tmp/y"));
    EXPECT_EQ(NativePathAsWritten(QStringLiteral(":\\icons\\a.bmp")), QStringLiteral(":/icons/a.bmp")); // a resource
}

TEST(LogicalPath, APathNotFoundAsWrittenIsFoundIgnoringCase)
{
    CTempBase base(true);
    for (const char* file : {"Quest/Screens/2-1.lnd", "Amb/x.txt", "Amb/X.TXT"}) {
        QDir().mkpath(QFileInfo(base.root + QLatin1Char('/') + QLatin1String(file)).path());
        QFile(base.root + QLatin1Char('/') + QLatin1String(file)).open(QIODevice::WriteOnly);
    }
    const struct {
        const char* logical;
        const char* native;
    } cases[] = {
        {"Quest\\Screens\\2-1.lnd", "Quest/Screens/2-1.lnd"},
        {"quest\\SCREENS\\2-1.LND", "Quest/Screens/2-1.lnd"},
        {"QUEST\\screens\\new.lnd", "Quest/Screens/new.lnd"},                 // a new file keeps its name
        {"quest\\Scripts\\main\\main.ves", "Quest/Scripts/main/main.ves"}, // and so does a new folder
        {"Amb\\x.txt", "Amb/x.txt"},
        {"amb", "Amb"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(base.root + QLatin1Char('/') + QLatin1String(c.native), NativePath(QLatin1String(c.logical)))
            << c.logical;
    EXPECT_EQ(base.Read(QStringLiteral("ErrorChk.txt")), QByteArray("<missing>"));
    // Several matches: said in the log, and the path is used as written.
    QFile(base.root + QStringLiteral("/ErrorChk.txt")).open(QIODevice::WriteOnly);
    EXPECT_EQ(base.root + QStringLiteral("/amb/x.Txt"), NativePath(QStringLiteral("amb\\x.Txt")));
    EXPECT_EQ(base.Read(QStringLiteral("ErrorChk.txt")),
              QByteArray("\r\nMore than one file matches this path but for letter case, it is used as written: "
                         "amb\\x.Txt"));
}

TEST(LogicalPath, AFileOnlyReadIsFoundAsWrittenOrIgnoringCase)
{
    CTempBase base(true);
    base.Write(QStringLiteral("Quest\\Screens\\2-1.lnd"), "abc");
    QDir().mkpath(base.root + QStringLiteral("/Quest/Folder"));
    const struct {
        const char* logical;
        bool found;
    } cases[] = {
        {"Quest\\Screens\\2-1.lnd", true},
        {"quest\\SCREENS\\2-1.LND", true},
        {"Quest\\Screens\\1-2.lnd", false},
        {"quest\\folder", false}, // a folder is no file
    };
    for (const auto& c : cases) {
        qint64 size = -1;
        EXPECT_EQ(IsLogicalFile(QLatin1String(c.logical), &size), c.found) << c.logical;
        EXPECT_EQ(size, c.found ? 3 : -1) << c.logical;
        QFile file;
        EXPECT_EQ(OpenLogicalFileForReading(file, QLatin1String(c.logical)), c.found) << c.logical;
        if (c.found) {
            EXPECT_EQ(file.readAll(), QByteArray("abc")) << c.logical;
        }
    }
    // Never for writing: a new file would miss the one in other case.
    QFile file;
    EXPECT_FALSE(OpenLogicalFileForReading(file, QStringLiteral("quest\\screens\\2-1.lnd"), QIODevice::ReadWrite));
    EXPECT_EQ(base.Read(QStringLiteral("Quest\\Screens\\2-1.lnd")), QByteArray("abc"));
    EXPECT_EQ(QDir(base.root + QStringLiteral("/Quest")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({"Folder", "Screens"}));
}

TEST(LogicalPath, AFolderListingKeptForLookupsSeesLaterChanges)
{
    CTempBase base(true);
    const QString folder = base.root + QStringLiteral("/Old");
    QDir().mkpath(folder);
    QFile(folder + QStringLiteral("/A.txt")).open(QIODevice::WriteOnly);
    const utimbuf longAgo{1577836800, 1577836800};
    ASSERT_EQ(0, utime(QFile::encodeName(folder).constData(), &longAgo));
    EXPECT_EQ(folder + QStringLiteral("/A.txt"), NativePath(QStringLiteral("old\\a.TXT")));
    QFile(folder + QStringLiteral("/B.txt")).open(QIODevice::WriteOnly);
    QFile::remove(folder + QStringLiteral("/A.txt"));
    EXPECT_EQ(folder + QStringLiteral("/B.txt"), NativePath(QStringLiteral("old\\b.TXT")));
    EXPECT_EQ(folder + QStringLiteral("/a.TXT"), NativePath(QStringLiteral("old\\a.TXT")));
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
    CFakeUi ui;
    EXPECT_EQ(QStringLiteral("entities\\bat.ves"),
              LaunchEditor(ui, QStringLiteral("bat.ves"), QStringLiteral("entities")));
    const QByteArray recorded = WaitFor(base, QStringLiteral("args.txt"));
    const QList<QByteArray> lines = recorded.split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(base.Path(QStringLiteral("entities\\bat.ves")).toUtf8(), lines[1]);
    EXPECT_EQ(QDir(base.root).canonicalPath().toUtf8(), lines[2]);
}

TEST(LaunchEditor, SaysSoWhenTheEditorIsMissing)
{
    CTempBase base(true);
    CFakeUi ui;
    EXPECT_EQ(QStringLiteral("x.ves"), LaunchEditor(ui, QStringLiteral("x.ves")));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldn't find or run the script editor!"), ui.messages[0].text);
}

TEST(LaunchEditor, AStartThatFailsOrGivesUpAtOnceIsShownAndOneThatRunsIsNot)
{
    const QFile::Permissions runnable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const struct {
        const char* what;
        QByteArray program; // null: the shipped cgenie
        QFile::Permissions permissions;
        QByteArray message; // empty: none
    } rows[] = {
        {"without the run bit", "#!/bin/sh\nexit 0\n", QFile::ReadOwner | QFile::WriteOwner,
         "Couldn't find or run the script editor!"},
        {"its interpreter missing", "#!/no/such/sh\nexit 0\n", runnable, "Couldn't find or run the script editor!"},
        {"giving up at once", "#!/bin/sh\necho 'no editor here' >&2\nexit 1\n", runnable, "no editor here"},
        {"the shipped cgenie without an editor", QByteArray(), runnable,
         "cgenie: no editor found; set VISUAL or EDITOR, or install xdg-utils"},
        {"an editor that stays", "#!/bin/sh\nexec sleep 2 </dev/null >/dev/null 2>&1\n", runnable, ""},
    };
    // Nothing the shipped cgenie looks for can be found (in this test program only).
    const QByteArray path = qgetenv("PATH");
    qunsetenv("VISUAL");
    qunsetenv("EDITOR");
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        CTempBase base(true);
        QDir().mkpath(base.Path(QStringLiteral("editor")));
        if (r.program.isNull()) {
            QFile::copy(QStringLiteral(TESSELL_SOURCE_DIR "/workspace/editor/cgenie"), base.Path(QStringLiteral("editor\\cgenie")));
            qputenv("PATH", base.Path(QStringLiteral("editor")).toUtf8());
        } else {
            base.Write(QStringLiteral("editor\\cgenie"), r.program);
        }
        QFile::setPermissions(base.Path(QStringLiteral("editor\\cgenie")), r.permissions);
        CFakeUi ui;
        LaunchEditor(ui, QStringLiteral("bat.ves"), QStringLiteral("entities"));
        qputenv("PATH", path);
        EXPECT_EQ(ui.MessageTexts(), r.message.isEmpty() ? QStringList() : QStringList{QString::fromUtf8(r.message)});
        for (const RecordedMessage& m : ui.messages)
            EXPECT_EQ(QStringLiteral("cgenie.exe"), m.caption);
    }
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
