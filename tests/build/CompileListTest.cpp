// The compile list: its file, the rebuild rule and the compiler's outcomes,
// with the real compiler (tools/sc on embryo_cc) and with scripted stand-ins.
#include "helpers/FakeUi.h"
#include "helpers/QtPrinters.h"
#include "helpers/TempBase.h"

#include "build/CompileList.h"
#include "build/FileTime.h"
#include "build/ScriptErrors.h"
#include "build/SourceTimes.h"
#include "common/DialogResults.h"
#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/paths/LogicalPath.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString kMain = QStringLiteral("questdata\\Forest\\scripts\\main\\main.ves");
const QString kMainAmx = QStringLiteral("questdata\\Forest\\scripts\\main\\amx\\main.amx");
const QByteArray kSound = "main()\n{\n    new a = 1;\n    a = a + 1;\n}\n";
const QByteArray kBroken = "main()\n{\n    new a = b;\n}\n";

// Keeps the lines the script errors dialog lists when it opens.
class CListingUi : public CFakeUi {
public:
    int ScriptErrorsDialog() override
    {
        listed = ReadScriptErrors();
        return CFakeUi::ScriptErrorsDialog();
    }
    QStringList listed;
};

class CompileListTest : public ::testing::Test {
protected:
    void Script(const QString& path, const QByteArray& text)
    {
        base.Write(path, text);
        QDir().mkpath(base.Path(CCompileList::OutputPath(path)).section(QLatin1Char('/'), 0, -2));
    }

    // A stand-in compiler: a shell script.
    void FakeCompiler(const QByteArray& body)
    {
        const QString path = base.Path(QStringLiteral("compiler\\sc"));
        QFile::remove(path);
        base.Write(QStringLiteral("compiler\\sc"), "#!/bin/sh\n" + body + "\n");
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    }

    void SetTime(const QString& path, const QDateTime& when)
    {
        QFile file(base.Path(path));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
    }

    uint64_t TimeOf(const QString& path)
    {
        uint64_t t = 0;
        EXPECT_TRUE(LastWriteFileTime(base.Path(path), t));
        return t;
    }

    // The three lines of one entry as the file holds them.
    static QByteArray Triple(const QString& path, uint64_t time)
    {
        return path.toUtf8() + "\r\n" + QByteArray::number(int32_t(FileTimeHigh(time))) + "\r\n"
               + QByteArray::number(int32_t(FileTimeLow(time))) + "\r\n";
    }

    CTempBase base;
    CListingUi ui;
    CCompileList list{ui};
};

TEST(FileTimeTest, CountsHundredNanosecondTicksSince1601)
{
    CTempBase base;
    base.Write(QStringLiteral("a.ves"), "x");
    QFile file(base.Path(QStringLiteral("a.ves")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(1970, 1, 1), QTime(0, 0, 1, 500), Qt::UTC),
                                 QFileDevice::FileModificationTime));
    uint64_t t = 0;
    ASSERT_TRUE(LastWriteFileTime(base.Path(QStringLiteral("a.ves")), t));
    EXPECT_EQ(t, 116444736000000000ULL + 15000000ULL);
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2024, 5, 17), QTime(12, 30, 0), Qt::UTC),
                                 QFileDevice::FileModificationTime));
    ASSERT_TRUE(LastWriteFileTime(base.Path(QStringLiteral("a.ves")), t));
    EXPECT_EQ(t, 133604226000000000ULL);
    EXPECT_FALSE(LastWriteFileTime(base.Path(QStringLiteral("missing.ves")), t));
    EXPECT_FALSE(LastWriteFileTime(base.Path(QStringLiteral("compiler")), t));
}

TEST_F(CompileListTest, OutputPathGoesIntoTheAmxFolder)
{
    EXPECT_EQ(CCompileList::OutputPath(QStringLiteral("questdata\\Forest\\scripts\\screen\\3-4.ves")),
              QStringLiteral("questdata\\Forest\\scripts\\screen\\amx\\3-4.amx"));
    EXPECT_EQ(CCompileList::OutputPath(QStringLiteral("entities\\bat.ves")), QStringLiteral("entities\\amx\\bat.amx"));
    EXPECT_EQ(CCompileList::OutputPath(QStringLiteral("x.ves")), QStringLiteral("amx\\x.amx"));
}

TEST_F(CompileListTest, NegativeHalvesRoundTrip)
{
    const QByteArray file = "questdata\\Forest\\scripts\\main\\main.ves\r\n-2147483648\r\n-1\r\n"
                            "entities\\bat.ves\r\n30000000\r\n-559038737\r\n"
                            "entities\\Bat.ves\r\n0\r\n7\r\n";
    base.Write(QStringLiteral("compiler\\compilelist.txt"), file);
    ASSERT_EQ(list.LoadCompileList(), 1);
    ASSERT_EQ(list.Entries().Count(), 3);
    EXPECT_EQ(list.Entries().At(0)->compiledAt, 0x80000000FFFFFFFFULL);
    EXPECT_EQ(list.Entries().At(1)->compiledAt, (uint64_t(30000000) << 32) | 0xDEADBEEFULL);
    EXPECT_EQ(list.Entries().At(2)->compiledAt, 7u);
    // Sources that do not exist have no time and are not created.
    EXPECT_FALSE(list.Entries().At(0)->currentKnown);
    EXPECT_FALSE(base.Exists(kMain));
    base.Write(QStringLiteral("compiler\\compilelist.txt"), "");
    ASSERT_EQ(list.SaveCompileList(), 1);
    EXPECT_EQ(base.Read(QStringLiteral("compiler\\compilelist.txt")), file);
}

TEST_F(CompileListTest, ReadingKeepsTheTriplesAligned)
{
    // An overlong path, a number line with blanks and letters, and a last
    // triple cut short.
    const QString longPath = QStringLiteral("entities\\") + QString(140, QLatin1Char('p')) + QStringLiteral(".ves");
    base.Write(QStringLiteral("compiler\\compilelist.txt"),
               longPath.toUtf8() + "\r\n1\r\n2\r\n\n3\n4\nentities\\a.ves\n   12abc\n-3\nentities\\b.ves\n5\n");
    ASSERT_EQ(list.LoadCompileList(), 1);
    ASSERT_EQ(list.Entries().Count(), 3);
    EXPECT_EQ(list.Entries().At(0)->sourcePath, longPath);
    EXPECT_EQ(list.Entries().At(0)->compiledAt, MakeFileTime(1, 2));
    EXPECT_EQ(list.Entries().At(1)->sourcePath, QStringLiteral("entities\\a.ves"));
    EXPECT_EQ(list.Entries().At(1)->compiledAt, MakeFileTime(12, 0xFFFFFFFDu));
    EXPECT_EQ(list.Entries().At(2)->compiledAt, MakeFileTime(5, 0));
}

TEST_F(CompileListTest, AMissingListIsCreatedEmpty)
{
    ASSERT_EQ(list.LoadCompileList(), 1);
    EXPECT_EQ(base.Read(QStringLiteral("compiler\\compilelist.txt")), QByteArray());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CompileListTest, AListThatCannotBeMadeStopsWithTheMessage)
{
    QDir(base.Path(QStringLiteral("compiler"))).removeRecursively();
    EXPECT_EQ(list.LoadCompileList(), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't Create compilelist.txt"));
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(base.Read(QStringLiteral("ErrorChk.txt")).endsWith("\r\nCouldn't Create compilelist.txt"));
}

TEST_F(CompileListTest, ASoundScriptCompilesAndIsRecorded)
{
    Script(kMain, kSound);
    ASSERT_EQ(list.LoadCompileList(), 1);
    EXPECT_EQ(list.CompileIfChanged(kMain), 1);
    EXPECT_EQ(list.CompilerRuns(), 1);
    EXPECT_TRUE(base.Exists(kMainAmx));
    EXPECT_TRUE(base.Read(kMainAmx).size() > 0);
    EXPECT_EQ(base.Read(QStringLiteral("compiler\\compilelist.txt")), Triple(kMain, TimeOf(kMain)));
    EXPECT_EQ(base.Read(QStringLiteral("compiler\\errors.txt")), QByteArray());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(ui.calls.contains(QStringLiteral("ScriptErrors")));
}

TEST_F(CompileListTest, AnUnchangedScriptIsNotCompiledEvenWithoutItsAmx)
{
    Script(kMain, kSound);
    ASSERT_EQ(list.LoadCompileList(), 1);
    ASSERT_EQ(list.CompileIfChanged(kMain), 1);
    QFile::remove(base.Path(kMainAmx));
    CCompileList next(ui);
    ASSERT_EQ(next.LoadCompileList(), 1);
    EXPECT_EQ(next.CompileIfChanged(kMain), 1);
    EXPECT_EQ(next.CompilerRuns(), 0);
    EXPECT_FALSE(base.Exists(kMainAmx));
}

TEST_F(CompileListTest, APathListedTwiceIsJudgedByItsFirstEntry)
{
    Script(kMain, kSound);
    const QString other = QStringLiteral("questdata\\Forest\\scripts\\other.ves");
    Script(other, kSound);
    const struct {
        uint64_t first, second;
        int compilerRuns;
    } rows[] = {{TimeOf(kMain), 0, 0}, {0, TimeOf(kMain), 1}};
    for (const auto& r : rows) {
        // Asked for in the list's order, and again after the entry before its second.
        base.Write(QStringLiteral("compiler\\compilelist.txt"),
                   Triple(kMain, r.first) + Triple(other, TimeOf(other)) + Triple(kMain, r.second));
        CCompileList twice(ui);
        ASSERT_EQ(twice.LoadCompileList(), 1);
        for (const QString& path : {kMain, other, kMain})
            EXPECT_EQ(twice.CompileIfChanged(path), 1);
        EXPECT_EQ(twice.CompilerRuns(), r.compilerRuns) << r.first;
    }
}

TEST_F(CompileListTest, TouchingASourceEarlierOrLaterRecompiles)
{
    Script(kMain, kSound);
    SetTime(kMain, QDateTime(QDate(2020, 1, 1), QTime(10, 0), Qt::UTC));
    ASSERT_EQ(list.LoadCompileList(), 1);
    ASSERT_EQ(list.CompileIfChanged(kMain), 1);
    for (const QDateTime& when : {QDateTime(QDate(2021, 1, 1), QTime(10, 0), Qt::UTC),
                                  QDateTime(QDate(2019, 1, 1), QTime(10, 0), Qt::UTC),
                                  QDateTime(QDate(2019, 1, 1), QTime(10, 0, 0, 1), Qt::UTC)}) {
        SetTime(kMain, when);
        CCompileList next(ui);
        ASSERT_EQ(next.LoadCompileList(), 1);
        EXPECT_EQ(next.CompileIfChanged(kMain), 1);
        EXPECT_EQ(next.CompilerRuns(), 1) << when.toString().toStdString();
        EXPECT_EQ(base.Read(QStringLiteral("compiler\\compilelist.txt")), Triple(kMain, TimeOf(kMain)));
    }
}

TEST_F(CompileListTest, ASourceSavedDuringABuildCountsAsChangedNextTime)
{
    Script(kMain, kSound);
    SetTime(kMain, QDateTime(QDate(2020, 1, 1), QTime(10, 0), Qt::UTC));
    ASSERT_EQ(list.LoadCompileList(), 1);
    ASSERT_EQ(list.CompileIfChanged(kMain), 1);
    // Within the same build the time taken at loading counts.
    SetTime(kMain, QDateTime(QDate(2020, 2, 1), QTime(10, 0), Qt::UTC));
    EXPECT_EQ(list.CompileIfChanged(kMain), 1);
    EXPECT_EQ(list.CompilerRuns(), 1);
}

TEST_F(CompileListTest, PathsDifferingInCaseAreTwoEntries)
{
    const QString lower = QStringLiteral("entities\\bat.ves");
    const QString upper = QStringLiteral("entities\\Bat.ves");
    Script(lower, kSound);
    // Written as named: a logical path finds an existing file whatever its case.
    QFile file(base.root + QStringLiteral("/entities/Bat.ves"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kSound);
    file.close();
    ASSERT_EQ(list.LoadCompileList(), 1);
    ASSERT_EQ(list.CompileIfChanged(lower), 1);
    ASSERT_EQ(list.CompileIfChanged(upper), 1);
    EXPECT_EQ(list.CompilerRuns(), 2);
    EXPECT_EQ(base.Read(QStringLiteral("compiler\\compilelist.txt")),
              Triple(lower, TimeOf(lower)) + Triple(upper, TimeOf(upper)));
    CCompileList next(ui);
    ASSERT_EQ(next.LoadCompileList(), 1);
    EXPECT_EQ(next.CompileIfChanged(upper), 1);
    // Matches both files but for case: used as written, so compiled, and fails.
    EXPECT_EQ(next.CompileIfChanged(QStringLiteral("entities\\BAT.ves")), 0);
    EXPECT_EQ(next.CompilerRuns(), 1);
}

TEST_F(CompileListTest, ABrokenScriptShowsItsErrorsAndIsNotRecorded)
{
    Script(kMain, kBroken);
    ASSERT_EQ(list.LoadCompileList(), 1);
    EXPECT_EQ(list.CompileIfChanged(kMain), 0);
    EXPECT_TRUE(ui.calls.contains(QStringLiteral("ScriptErrors")));
    EXPECT_EQ(ui.listed, QStringList{kMain + QStringLiteral("(3) Error [017]: undefined symbol \"b\"")});
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(base.Exists(kMainAmx));
    EXPECT_EQ(list.Entries().Count(), 0);
    EXPECT_EQ(base.Read(QStringLiteral("compiler\\compilelist.txt")), QByteArray());
    // Still broken: compiled again next time.
    EXPECT_EQ(list.CompileIfChanged(kMain), 0);
    EXPECT_EQ(list.CompilerRuns(), 2);
}

TEST_F(CompileListTest, EditScriptOpensTheFailedSourceInTheEditor)
{
    Script(kMain, kBroken);
    base.Write(QStringLiteral("editor\\cgenie"), "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/opened.tmp\"\n"
                                                  "mv \"$(dirname \"$0\")/opened.tmp\" \"$(dirname \"$0\")/opened\"\n");
    const QString editor = base.Path(QStringLiteral("editor\\cgenie"));
    QFile::setPermissions(editor, QFile::permissions(editor) | QFileDevice::ExeOwner);
    ui.dialogResults.push_back(kEditScript);
    ASSERT_EQ(list.LoadCompileList(), 1);
    EXPECT_EQ(list.Compile(kMain), 0);
    // The editor is started without waiting; give it a moment.
    QElapsedTimer timer;
    timer.start();
    while (!base.Exists(QStringLiteral("editor\\opened")) && timer.elapsed() < 20000)
        QThread::msleep(20);
    EXPECT_EQ(base.Read(QStringLiteral("editor\\opened")), base.Path(kMain).toUtf8());
}

TEST_F(CompileListTest, BlanksInPathsReachTheCompilerWhole)
{
    const QString script = QStringLiteral("questdata\\My Quest\\scripts\\screen\\3-4.ves");
    Script(script, kSound);
    ASSERT_EQ(list.LoadCompileList(), 1);
    EXPECT_EQ(list.Compile(script), 1);
    EXPECT_TRUE(base.Exists(QStringLiteral("questdata\\My Quest\\scripts\\screen\\amx\\3-4.amx")));
    Script(script, kBroken);
    EXPECT_EQ(list.Compile(script), 0);
    EXPECT_EQ(ui.listed, QStringList{script + QStringLiteral("(3) Error [017]: undefined symbol \"b\"")});
}

TEST_F(CompileListTest, TheCompilerGetsOneArgumentPerPath)
{
    FakeCompiler("printf '%s\\n' \"$@\" > compiler/args.txt\npwd > compiler/pwd.txt\nexit 0");
    const QString script = QStringLiteral("questdata\\My Quest\\scripts\\main\\main.ves");
    Script(script, kSound);
    ASSERT_EQ(list.LoadCompileList(), 1);
    EXPECT_EQ(list.Compile(script), 1);
    // Relative to the base directory it runs in, with the platform's separators.
    EXPECT_EQ(base.Read(QStringLiteral("compiler\\args.txt")),
              QByteArray("questdata/My Quest/scripts/main/main.ves\n-oquestdata/My Quest/scripts/main/amx/main.amx\n"
                         "-ecompiler/errors.txt\n"));
    EXPECT_EQ(QDir(QString::fromUtf8(base.Read(QStringLiteral("compiler\\pwd.txt")).trimmed())).canonicalPath(),
              QDir(base.root).canonicalPath());
}

TEST_F(CompileListTest, WarningsOnlyCountAsSuccess)
{
    Script(kMain, "main()\n{\n    new unused;\n}\n");
    ASSERT_EQ(list.LoadCompileList(), 1);
    EXPECT_EQ(list.Compile(kMain), 1);
    EXPECT_TRUE(base.Exists(kMainAmx));
    EXPECT_EQ(base.Read(QStringLiteral("compiler\\errors.txt")),
              (kMain + QStringLiteral("(4) Warning [203]: symbol is never used: \"unused\"\r\n")).toUtf8());
    EXPECT_EQ(list.Entries().Count(), 1);
}

TEST_F(CompileListTest, HowTheCompilerEndedDecidesTheMessage)
{
    const QString cannotRun = QStringLiteral("Couldn't find or run the Compiler!");
    const QString hasErrors = QStringLiteral("One or more of your scripts has errors, Your QST file will not\nbe "
                                             "built until you have fixed these errors.");
    const struct {
        const char* compiler;
        QString text;
        QString caption;
    } cases[] = {
        {"#!/bin/sh\nexit 5\n", hasErrors, kMain},
        {"#!/bin/sh\nexit 127\n", hasErrors, kMain},           // the script's own code
        {"#!/bin/sh\nkill -KILL $$\n", hasErrors, kMain},      // killed by a signal
        {"exit 0\n", cannotRun, QStringLiteral("sc.exe")},      // no "#!" line: exec refuses it
        {"#!/no/such/shell\nexit 0\n", cannotRun, QStringLiteral("sc.exe")},
    };
    Script(kMain, kSound);
    const QString sc = base.Path(QStringLiteral("compiler\\sc"));
    for (const auto& c : cases) {
        QFile::remove(sc);
        base.Write(QStringLiteral("compiler\\sc"), c.compiler);
        QFile::setPermissions(sc, QFile::permissions(sc) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
        base.Write(QStringLiteral("ErrorChk.txt"), "");
        ui.messages.clear();
        ASSERT_EQ(list.LoadCompileList(), 1);
        EXPECT_EQ(list.Compile(kMain), 0) << c.compiler;
        ASSERT_EQ(ui.messages.size(), 1u) << c.compiler;
        EXPECT_EQ(ui.messages[0].text, c.text) << c.compiler;
        EXPECT_EQ(ui.messages[0].caption, c.caption) << c.compiler;
        EXPECT_EQ(base.Read(QStringLiteral("ErrorChk.txt")), c.text == cannotRun ? "\r\n" + cannotRun.toUtf8() : "")
            << c.compiler;
        EXPECT_EQ(list.Entries().Count(), 0);
        EXPECT_FALSE(ui.calls.contains(QStringLiteral("ScriptErrors")));
    }
}

TEST_F(CompileListTest, AMissingCompilerIsReportedAndLogged)
{
    QFile::remove(base.Path(QStringLiteral("compiler\\sc")));
    Script(kMain, kSound);
    ASSERT_EQ(list.LoadCompileList(), 1);
    EXPECT_EQ(list.CompileIfChanged(kMain), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't find or run the Compiler!"));
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("sc.exe"));
    EXPECT_TRUE(base.Read(QStringLiteral("ErrorChk.txt")).endsWith("\r\nCouldn't find or run the Compiler!"));
    EXPECT_EQ(list.Entries().Count(), 0);
}

TEST_F(CompileListTest, ASourceWithoutATimeIsCompiled)
{
    base.Write(QStringLiteral("compiler\\compilelist.txt"), Triple(kMain, 0));
    ASSERT_EQ(list.LoadCompileList(), 1);
    EXPECT_EQ(list.CompileIfChanged(kMain), 0);
    EXPECT_EQ(list.CompilerRuns(), 1);
    EXPECT_TRUE(ui.listed.join(QLatin1Char('\n')).contains(QStringLiteral("Fatal [100]")));
    EXPECT_FALSE(base.Exists(kMain));
}

TEST_F(CompileListTest, RecompileAllEmptiesTheList)
{
    Script(kMain, kSound);
    ASSERT_EQ(list.LoadCompileList(), 1);
    ASSERT_EQ(list.CompileIfChanged(kMain), 1);
    EXPECT_EQ(list.RecompileAll(), 1);
    EXPECT_EQ(base.Read(QStringLiteral("compiler\\compilelist.txt")), QByteArray());
    ASSERT_EQ(list.LoadCompileList(), 1);
    EXPECT_EQ(list.CompileIfChanged(kMain), 1);
    EXPECT_EQ(list.CompilerRuns(), 2);
    EXPECT_EQ(base.Read(QStringLiteral("compiler\\compilelist.txt")), Triple(kMain, TimeOf(kMain)));
}

TEST_F(CompileListTest, RecompileAllWithoutTheFolderIsLogged)
{
    QDir(base.Path(QStringLiteral("compiler"))).removeRecursively();
    EXPECT_EQ(list.RecompileAll(), 0);
    EXPECT_TRUE(base.Read(QStringLiteral("ErrorChk.txt")).endsWith("\r\nOnRecompileAll() - Cant open Compile List! ***"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CompileListTest, AFailedRewriteKeepsTheOldListAndSaysSo)
{
    const QByteArray old = Triple(QStringLiteral("entities\\bat.ves"), 5);
    base.Write(QStringLiteral("compiler\\compilelist.txt"), old);
    Script(kMain, kSound);
    ASSERT_EQ(list.LoadCompileList(), 1);
    CTextWriter::FailWritesAfter(10);
    EXPECT_EQ(list.Compile(kMain), 1);
    CTextWriter::FailWritesAfter(-1);
    EXPECT_EQ(base.Read(QStringLiteral("compiler\\compilelist.txt")), old);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't Create compilelist.txt"));
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Error"));
}

TEST_F(CompileListTest, TheWorkspaceTemplatesCompileCleanly)
{
    const QString workspace = QStringLiteral(TESSELL_SOURCE_DIR "/workspace/questdata/");
    int n = 0;
    for (const char* name : {"standardmain.ves", "standardscreen.ves", "standardentity.txt"}) {
        QFile file(workspace + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QString script = QStringLiteral("questdata\\Forest\\t%1.ves").arg(n++);
        Script(script, file.readAll());
        ASSERT_EQ(list.LoadCompileList(), 1);
        EXPECT_EQ(list.Compile(script), 1) << name;
        EXPECT_EQ(base.Read(QStringLiteral("compiler\\errors.txt")), QByteArray()) << name;
    }
}

TEST_F(CompileListTest, TimesLookedUpFolderByFolderAreTheTimesEachPathGivesAlone)
{
    for (const char* name : {"entities\\a.ves", "entities\\b.ves", "entities\\top.ves", "top.ves",
                             "questdata\\Forest\\scripts\\Deep.ves"})
        base.Write(QLatin1String(name), name);
    // The same name in two folders, at other times: each is looked up in its own.
    SetTime(QStringLiteral("top.ves"), QDateTime::currentDateTimeUtc().addSecs(-3600));
    QDir().mkpath(base.Path(QStringLiteral("entities\\folder.ves"))); // a folder, not a script
    const QByteArray rawName = "entities\\caf\xe9.ves";               // not UTF-8: found by its bytes
    QFile raw;
    ASSERT_TRUE(OpenNativeFile(raw, NativePath(DecodeText(rawName)), QIODevice::WriteOnly));
    raw.close();
    const struct {
        QByteArray listed;
        bool known;
    } rows[] = {
        {"entities\\a.ves", true},
        {"entities/b.ves", true},
        {"top.ves", true}, // in the base directory itself
        {"entities\\a.ves", true},
        {"questdata\\forest\\scripts\\deep.ves", true}, // another letter case
        {"entities\\..\\top.ves", true},
        {"entities\\\\b.ves", true},
        {QFile::encodeName(base.Path(QStringLiteral("top.ves"))), true},
        {"entities\\missing.ves", false},
        {"entities\\folder.ves", false},
        {"C:\\top.ves", false},
        {rawName, true},
        {"entities\\b.ves", true},
    };
    QByteArray list;
    for (const auto& r : rows)
        list += r.listed + "\n0\n0\n";
    base.Write(QStringLiteral("compiler\\compilelist.txt"), list);
    CCompileList compiled(ui);
    ASSERT_EQ(1, compiled.LoadCompileList());
    ASSERT_EQ(qsizetype(std::size(rows)), compiled.Entries().Count());
    size_t i = 0;
    for (const CEntry* entry : compiled.Entries()) {
        const auto& r = rows[i++];
        uint64_t alone = 0;
        EXPECT_EQ(r.known, TakeSourceTime(entry->sourcePath, alone)) << r.listed.constData();
        EXPECT_EQ(r.known, entry->currentKnown) << r.listed.constData();
        EXPECT_EQ(r.known ? alone : 0, entry->current) << r.listed.constData();
    }
}

} // namespace
