#include "build/ArchiveReader.h"
#include "build/CompileList.h"
#include "build/NameListExport.h"
#include "build/VirtualArchive.h"
#include "document/QuestDoc.h"
#include "helpers/FakeUi.h"
#include "helpers/FileBytes.h"
#include "helpers/TempBase.h"
#include "quest/Quest.h"
#include "support/paths/Globals.h"
#include "support/platform/Settings.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <functional>
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// The quest "Trail" of the fixtures: screens (0,0) and (1,0) in group 0, an
// empty group 1, the entities bat and guard (guard's script holds "main()"),
// the sheet forest, and the sounds theme.mid and hit.wav.
struct BuildFixture : ::testing::Test {
    CTempBase base;
    CFakeUi ui;
    CQuestDoc doc{ui};
    CQuest& quest = doc.quest;

    BuildFixture()
    {
        EXPECT_TRUE(CopyTree(QStringLiteral(TESSELL_FIXTURES_DIR "/trail"), base.root));
        for (const char* cell : {"0-0", "1-0"})
            base.Write(QStringLiteral("questdata\\Trail\\screens\\%1.bmp").arg(QLatin1String(cell)), WhitePreview());
        quest.files.LoadMapFile(QStringLiteral("save\\Trail.qss"), QStringLiteral("Trail"));
        EXPECT_TRUE(ui.messages.empty());
        WriteSetting(QStringLiteral("options"), QStringLiteral("VGlocation"), QStringLiteral("none"));
        ui.calls.clear();
    }

    std::vector<ArchiveEntry> Directory()
    {
        CArchiveReader reader;
        EXPECT_TRUE(reader.Open(base.Path(QStringLiteral("output\\Trail.qst")))) << reader.Error().toStdString();
        EXPECT_TRUE(reader.Verify()) << reader.Error().toStdString();
        return reader.Entries();
    }

    QStringList Names()
    {
        QStringList names;
        for (const ArchiveEntry& e : Directory())
            names << QString::fromLatin1(e.name) + QLatin1Char(':') + QString::number(e.scramble);
        return names;
    }

    void Touch(const QString& logical, int secondsLater)
    {
        QFile file(base.Path(logical));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(secondsLater),
                                     QFileDevice::FileModificationTime));
    }
};

} // namespace

TEST_F(BuildFixture, AQuestBuildsIntoAnArchiveInTheBuildsOrder)
{
    ASSERT_EQ(1, quest.build.BuildQuest(true));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Success!\nWrote QST file, you can now\nload this into Vantraglen"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("output\\Trail.qst"), ui.messages[0].caption);
    EXPECT_EQ((QStringList{"qss:1", "ESbat.amx:0", "ESguard.amx:0", "entities.txt:1", "0-0.lnd:1", "LS0-0.amx:0",
                           "1-0.lnd:1", "LS1-0.amx:0", "GS0.amx:0", "GS1.amx:0", "main.amx:0", "forest.spt:1",
                           "forest.bmp:0", "sheets.txt:1", "theme.mid:1", "hit.wav:1", "soundlist.txt:1"}),
              Names());

    // Every entry is its source, byte for byte.
    const std::vector<std::pair<const char*, const char*>> sources = {
        {"qss", "save\\Trail.qss"},
        {"ESbat.amx", "entities\\amx\\bat.amx"},
        {"entities.txt", "output\\temp\\entities.txt"},
        {"0-0.lnd", "questdata\\Trail\\screens\\0-0.lnd"},
        {"LS1-0.amx", "questdata\\Trail\\scripts\\screen\\amx\\1-0.amx"},
        {"GS1.amx", "questdata\\Trail\\scripts\\group\\amx\\1.amx"},
        {"main.amx", "questdata\\Trail\\scripts\\main\\amx\\main.amx"},
        {"forest.spt", "sprite sheets\\forest.spt"},
        {"forest.bmp", "sprite sheets\\forest.bmp"},
        {"theme.mid", "sounds\\theme.mid"},
        {"hit.wav", "sounds\\hit.wav"}};
    CArchiveReader reader;
    ASSERT_TRUE(reader.Open(base.Path(QStringLiteral("output\\Trail.qst"))));
    for (const auto& [name, source] : sources) {
        int index = -1;
        for (size_t i = 0; i < reader.Entries().size(); ++i)
            if (reader.Entries()[i].name == name)
                index = int(i);
        ASSERT_GE(index, 0) << name;
        QByteArray bytes;
        ASSERT_TRUE(reader.Read(index, bytes));
        EXPECT_EQ(base.Read(QString::fromLatin1(source)), bytes) << name;
        EXPECT_FALSE(bytes.isEmpty()) << name;
    }
    // guard's script holds "main()": flag 0; bat's has none: flag 1.
    EXPECT_EQ(QByteArray("bat\r\n1\r\nguard\r\n0\r\n"), base.Read(QStringLiteral("output\\temp\\entities.txt")));
    EXPECT_EQ(QByteArray("forest\r\n"), base.Read(QStringLiteral("output\\temp\\sheets.txt")));
    EXPECT_EQ(QByteArray("theme.mid\r\nhit.wav\r\n"), base.Read(QStringLiteral("output\\temp\\soundlist.txt")));
    EXPECT_EQ(7, quest.build.CompileList().CompilerRuns());
    EXPECT_TRUE(ui.calls.filter(QStringLiteral("Progress")).size() >= 7); // a long build tells how far it is
}

TEST_F(BuildFixture, OnlyChangedScriptsAreCompiledAgain)
{
    ASSERT_EQ(1, quest.build.BuildQuest(false));
    const int first = quest.build.CompileList().CompilerRuns();
    ASSERT_EQ(1, quest.build.BuildQuest(false));
    EXPECT_EQ(first, quest.build.CompileList().CompilerRuns()); // nothing changed: no compiler run
    Touch(QStringLiteral("questdata\\Trail\\scripts\\screen\\1-0.ves"), 120);
    ASSERT_EQ(1, quest.build.BuildQuest(false));
    EXPECT_EQ(first + 1, quest.build.CompileList().CompilerRuns());
    EXPECT_TRUE(ui.messages.empty()); // no success message without asking for it

    doc.OnCommand(ID_RECOMPILE_ALL);
    EXPECT_EQ(first + 1 + 7, quest.build.CompileList().CompilerRuns());
}

TEST_F(BuildFixture, AScriptWithErrorsStopsTheBuildAndKeepsTheOldQuestFile)
{
    ASSERT_EQ(1, quest.build.BuildQuest(false));
    const QByteArray previous = base.Read(QStringLiteral("output\\Trail.qst"));
    base.Write(QStringLiteral("questdata\\Trail\\scripts\\group\\1.ves"), "main()\r\n{\r\n    b = 2;\r\n}\r\n");
    Touch(QStringLiteral("questdata\\Trail\\scripts\\group\\1.ves"), 300);
    ui.dialogResults = {CUiPort::AnswerOk};
    EXPECT_EQ(0, quest.build.BuildQuest(true));
    EXPECT_TRUE(ui.calls.contains(QStringLiteral("ScriptErrors")));
    EXPECT_TRUE(ui.messages.empty()); // neither success nor another message
    EXPECT_EQ(previous, base.Read(QStringLiteral("output\\Trail.qst")));
    EXPECT_TRUE(base.Read(QStringLiteral("compiler\\errors.txt")).contains("Error [017]"));
}

TEST_F(BuildFixture, IncludeSoundOffLeavesTheSoundsOut)
{
    quest.map.properties.includeSound = 0;
    ASSERT_EQ(1, quest.build.BuildQuest(false));
    const QStringList names = Names();
    EXPECT_EQ(QStringLiteral("soundlist.txt:1"), names.last());
    EXPECT_FALSE(names.contains(QStringLiteral("theme.mid:1")));
    EXPECT_FALSE(names.contains(QStringLiteral("hit.wav:1")));
    EXPECT_EQ(QByteArray(), base.Read(QStringLiteral("output\\temp\\soundlist.txt")));
    EXPECT_EQ(0, Directory().back().Size());
    EXPECT_TRUE(names.contains(QStringLiteral("forest.spt:1")));
}

TEST_F(BuildFixture, ASoundNamedInLatin1IsArchivedUnderItsOwnBytes)
{
    // A sound list made on a single-byte system: "caf\xe9.wav", the file of
    // those bytes in "sounds\".
    const QByteArray name = "caf\xe9.wav";
    const QByteArray onDisk = QFile::encodeName(base.root) + "/sounds/" + name;
    const int fd = ::open(onDisk.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "RIFF", 4), 4);
    ::close(fd);
    base.Write(QStringLiteral("questdata\\Trail\\soundlist.txt"), name + "\r\n" + name + "\r\n");

    ASSERT_EQ(1, quest.build.BuildQuest(false));
    EXPECT_EQ(base.Read(QStringLiteral("output\\temp\\soundlist.txt")), name + "\r\n");
    CArchiveReader reader;
    ASSERT_TRUE(reader.Open(base.Path(QStringLiteral("output\\Trail.qst"))));
    int index = -1;
    for (size_t i = 0; i < reader.Entries().size(); ++i)
        if (reader.Entries()[i].name == name)
            index = int(i);
    ASSERT_GE(index, 0) << "the sound is in the quest file under its own bytes";
    QByteArray bytes;
    ASSERT_TRUE(reader.Read(index, bytes));
    EXPECT_EQ(bytes, QByteArray("RIFF"));
    EXPECT_FALSE(base.Read(QStringLiteral("ErrorChk.txt")).contains("Couldn't add File to archive"));
}

TEST_F(BuildFixture, TheStartPositionMustLieOnAScreen)
{
    quest.map.properties.startX = 320; // the border between (0,0) and (1,0)
    quest.map.properties.startY = 120;
    EXPECT_TRUE(quest.build.StartPositionOnScreen());
    quest.map.Cell(1, 0).holdsScreen = false;
    EXPECT_TRUE(quest.build.StartPositionOnScreen()); // through (0,0) alone
    quest.map.properties.startX = 641;
    EXPECT_FALSE(quest.build.StartPositionOnScreen());
    EXPECT_EQ(0, quest.build.BuildQuest(true));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("The player's starting position has to be on\na screen, change this in the quest "
                             "properties\nOption screen"),
              ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Attention"), ui.messages[0].caption);
    EXPECT_FALSE(base.Exists(QStringLiteral("output\\Trail.qst")));
}

TEST_F(BuildFixture, AQuestWithoutScreensFailsTheStartCheck)
{
    quest.map.Cell(0, 0).holdsScreen = false;
    quest.map.Cell(1, 0).holdsScreen = false;
    EXPECT_FALSE(quest.build.StartPositionOnScreen());
    EXPECT_EQ(0, quest.build.BuildQuest(true));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Attention"), ui.messages[0].caption);
}

TEST_F(BuildFixture, EveryScreenMustLieInAGroup)
{
    CGroup* group = quest.map.groups.groups.At(0);
    group->right = 192; // exactly the centre of cell (1,0): still inside
    EXPECT_TRUE(quest.build.AllScreensInGroups());
    group->right = 191;
    EXPECT_FALSE(quest.build.AllScreensInGroups());
    EXPECT_EQ(0, quest.build.BuildQuest(true));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("One or more of your screens is not in a group, you can\ncreate a group by right-clicking "
                             "and dragging in the map\ndesigner, please put all you screens in a group and try again."),
              ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Attention"), ui.messages[0].caption);
}

TEST_F(BuildFixture, MissingPiecesAreReportedAndNeverCalledSuccess)
{
    QFile::remove(base.Path(QStringLiteral("questdata\\Trail\\screens\\1-0.lnd")));
    EXPECT_EQ(0, quest.build.BuildQuest(true));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Couldn't Write LND file to the archive"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("questdata\\Trail\\screens\\1-0.lnd"), ui.messages[0].caption);

    ui.messages.clear();
    base.Write(QStringLiteral("questdata\\Trail\\screens\\1-0.lnd"), "0\r\n0\r\n");
    // A file where the lists' folder belongs: the build makes a missing
    // folder, but cannot make this one.
    QDir(base.Path(QStringLiteral("output\\temp"))).removeRecursively();
    base.Write(QStringLiteral("output\\temp"), "");
    EXPECT_EQ(0, quest.build.BuildQuest(true));
    ASSERT_EQ(1u, ui.messages.size()); // a failed build always says why
    EXPECT_EQ(QStringLiteral("Couldn't create the list file for the engine"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("output\\temp\\entities.txt"), ui.messages[0].caption);

    ui.messages.clear();
    QFile::remove(base.Path(QStringLiteral("output\\temp")));
    QDir(base.Path(QStringLiteral("output"))).mkdir(QStringLiteral("Trail.qst")); // a folder where the file goes
    EXPECT_EQ(0, quest.build.BuildQuest(true));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Could not write QST file"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Error"), ui.messages[0].caption);
}

TEST_F(BuildFixture, AListedFileThatCannotBeReadIsNamedInTheResultNeverABareSuccess)
{
    const QString success = QStringLiteral("Success!\nWrote QST file, you can now\nload this into Vantraglen\n\n"
                                           "Left out of the quest file:\n");
    const struct {
        const char* removed;
        bool showSuccess; // Write Quest file; without it, Test Quest and Recompile all
        QString message;
        const char* caption;
    } rows[] = {
        {"sprite sheets\\forest.bmp", true,
         success + QStringLiteral("sprite sheet \"forest\": sprite sheets\\forest.bmp could not be read"),
         "output\\Trail.qst"},
        {"sprite sheets\\forest.spt", false,
         QStringLiteral("Wrote QST file, but left out of it:\n"
                        "sprite sheet \"forest\": sprite sheets\\forest.spt could not be read"),
         "Warning"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.removed);
        const QString removed = QLatin1String(r.removed);
        const QByteArray bytes = base.Read(removed);
        QFile::remove(base.Path(removed));
        ui.messages.clear();
        EXPECT_EQ(1, quest.build.BuildQuest(r.showSuccess));
        ASSERT_EQ(1u, ui.messages.size());
        EXPECT_EQ(r.message, ui.messages[0].text);
        EXPECT_EQ(QLatin1String(r.caption), ui.messages[0].caption);
        base.Write(removed, bytes);
    }
}

TEST_F(BuildFixture, NamesThatWouldLeaveTheirFolderOrBreakTheArchiveAreLeftOutAndSaidSo)
{
    base.Write(QStringLiteral("secret.wav"), "private");
    base.Write(QStringLiteral("questdata\\Trail\\soundlist.txt"),
               "..\\secret.wav\r\n..\\secret.wav\r\n/etc/passwd\r\n/etc/passwd\r\nhit.wav\r\nhit.wav\r\n");
    // A tree list cannot hold a backslash inside a name, but a hand-edited one can.
    base.Write(QStringLiteral("questdata\\Trail\\entitylist.txt"), "x\r\n..\r\na..b\r\na..b\r\nbat\r\nbat\r\n");
    base.Write(QStringLiteral("entities\\a..b.ves"), base.Read(QStringLiteral("entities\\bat.ves")));
    base.Write(QStringLiteral("questdata\\Trail\\sheets.txt"), "forest\r\nforest\r\nc:forest\r\nc:forest\r\n");
    ASSERT_EQ(1, quest.build.BuildQuest(true));
    const QStringList names = Names();
    EXPECT_TRUE(names.contains(QStringLiteral("ESa..b.amx:0")));
    EXPECT_TRUE(names.contains(QStringLiteral("hit.wav:1")));
    EXPECT_FALSE(names.contains(QStringLiteral("/etc/passwd:1")));
    EXPECT_FALSE(names.contains(QStringLiteral("ES...amx:0")));
    EXPECT_EQ(QByteArray("hit.wav\r\n"), base.Read(QStringLiteral("output\\temp\\soundlist.txt")));
    EXPECT_EQ(QByteArray("a..b\r\n1\r\nbat\r\n1\r\n"), base.Read(QStringLiteral("output\\temp\\entities.txt")));
    EXPECT_EQ(QByteArray("forest\r\n"), base.Read(QStringLiteral("output\\temp\\sheets.txt")));
    EXPECT_TRUE(base.Read(QStringLiteral("ErrorChk.txt")).contains("/etc/passwd"));
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Success!\nWrote QST file, you can now\nload this into Vantraglen\n\n"
                             "Left out of the quest file:\n"
                             "entity \"..\": the name stands for a folder, not a file\n"
                             "sprite sheet \"c:forest\": the name holds a drive colon\n"
                             "sound \"..\\secret.wav\": the name holds a path separator\n"
                             "sound \"/etc/passwd\": the name holds a path separator"),
              ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("output\\Trail.qst"), ui.messages[0].caption);
}

TEST(ResourceNames, OnlyWhatLeavesTheFolderOrBreaksTheArchiveIsRefused)
{
    const QString sixty(60, QLatin1Char('n'));
    const struct {
        QString name;
        QString archiveName;
        QString problem;
    } cases[] = {
        {QStringLiteral("a..b"), QStringLiteral("ESa..b.amx"), QString()},
        {QStringLiteral("theme.mid"), QStringLiteral("theme.mid"), QString()},
        {QStringLiteral("what? <it>"), QStringLiteral("what? <it>"), QString()},
        {sixty, sixty, QString()},
        {QString(), QString(), QStringLiteral("the name is empty")},
        {QStringLiteral("."), QStringLiteral("."), QStringLiteral("the name stands for a folder, not a file")},
        {QStringLiteral(".."), QStringLiteral(".."), QStringLiteral("the name stands for a folder, not a file")},
        {QStringLiteral("..\\x"), QStringLiteral("..\\x"), QStringLiteral("the name holds a path separator")},
        {QStringLiteral("a/b"), QStringLiteral("a/b"), QStringLiteral("the name holds a path separator")},
        {QStringLiteral("c:x"), QStringLiteral("c:x"), QStringLiteral("the name holds a drive colon")},
        {QStringLiteral("bat\r"), QStringLiteral("bat\r"), QStringLiteral("the name holds a control character")},
        {QStringLiteral("a~b"), QStringLiteral("a~b"),
         QStringLiteral("the name holds \"~\", which the quest file cannot store")},
        {sixty, QStringLiteral("ES") + sixty + QStringLiteral(".amx"),
         QStringLiteral("its name in the quest file would be longer than 63 bytes")},
        {QString(32, QChar(0xE9)), QString(32, QChar(0xE9)), // 64 bytes as UTF-8
         QStringLiteral("its name in the quest file would be longer than 63 bytes")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.problem, ResourceNameProblem(c.name, c.archiveName)) << c.name.toStdString();
}

namespace {
// A stand-in engine that records how it was started.
void WriteEngine(const CTempBase& base, const QString& folder)
{
    const QString path = base.Path(folder + QStringLiteral("\\engine"));
    base.Write(folder + QStringLiteral("\\engine"),
               "#!/bin/sh\npwd > started.txt\ntr '\\000' '\\n' < /proc/$$/cmdline | tail -n +3 >> started.txt\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QByteArray WaitForFile(const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            if (bytes.count('\n') >= 2)
                return bytes;
        }
        QThread::msleep(20);
    }
    return QByteArray();
}
} // namespace

TEST_F(BuildFixture, TestQuestAsksForTheEngineBuildsAndStartsIt)
{
    WriteEngine(base, QStringLiteral("the engine"));
    base.Write(QStringLiteral("save\\Trail.qss"), base.Read(QStringLiteral("save\\Trail.qss")));
    // Cancelling the engine's file dialog starts nothing.
    doc.OnCommand(ID_TEST_QUEST);
    EXPECT_FALSE(base.Exists(QStringLiteral("output\\Trail.qst")));
    ASSERT_EQ(1, ui.calls.size());
    EXPECT_EQ(QStringLiteral("ChooseOpenFile(*.exe|Vantraglen.exe|Vantraglen.exe |*.exe|All Files (*)|*||)"), ui.calls[0]);

    ui.fileAnswers = {base.Path(QStringLiteral("the engine\\engine"))};
    doc.OnCommand(ID_TEST_QUEST);
    EXPECT_EQ(base.Path(QStringLiteral("the engine\\engine")),
              ReadSetting(QStringLiteral("options"), QStringLiteral("VGlocation"), QString()).toString());
    const QByteArray started = WaitForFile(base.Path(QStringLiteral("the engine\\started.txt")));
    const QList<QByteArray> lines = started.split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(QDir(base.Path(QStringLiteral("the engine"))).canonicalPath().toUtf8(), lines[0]);
    // "1" is the program name; the quest file's full path, blanks and all, is one argument.
    EXPECT_EQ(base.Path(QStringLiteral("output\\Trail.qst")).toUtf8(), lines[1]);
    EXPECT_TRUE(ui.messages.empty()); // no success message on the way
}

TEST_F(BuildFixture, TestQuestNeverStartsTheEngineAfterAFailedBuild)
{
    WriteEngine(base, QStringLiteral("engine"));
    WriteSetting(QStringLiteral("options"), QStringLiteral("VGlocation"), base.Path(QStringLiteral("engine\\engine")));
    quest.map.properties.startX = -500;
    doc.OnCommand(ID_TEST_QUEST);
    QThread::msleep(300);
    EXPECT_FALSE(base.Exists(QStringLiteral("engine\\started.txt")));
    EXPECT_EQ(1u, ui.messages.size());

    // With the screen designer active the quest file on disk is used as it is.
    base.Write(QStringLiteral("output\\Trail.qst"), "old");
    doc.OpenScreenDesigner(0, 0);
    doc.OnCommand(ID_TEST_QUEST);
    EXPECT_FALSE(WaitForFile(base.Path(QStringLiteral("engine\\started.txt"))).isEmpty());
    EXPECT_EQ(QByteArray("old"), base.Read(QStringLiteral("output\\Trail.qst")));
}

TEST_F(BuildFixture, AnEngineThatCannotStartIsSaidSo)
{
    const QString engine = base.Path(QStringLiteral("engine\\engine"));
    WriteSetting(QStringLiteral("options"), QStringLiteral("VGlocation"), engine);
    // Without the run bit, and with an interpreter that is missing.
    for (const char* program : {"#!/bin/sh\n", "#!/no/such/sh\n"}) {
        base.Write(QStringLiteral("engine\\engine"), program);
        QFile::setPermissions(engine, program[3] == 'b' ? QFile::ReadOwner : QFile::ReadOwner | QFile::ExeOwner);
        ui.messages.clear();
        EXPECT_FALSE(quest.build.TestQuest(true));
        ASSERT_EQ(1u, ui.messages.size());
        EXPECT_EQ(QStringLiteral("Couldn't find or run Vantraglen!"), ui.messages[0].text);
        EXPECT_EQ(engine, ui.messages[0].caption);
    }
}

TEST_F(BuildFixture, RecompileAllFromAnotherDesignerOnlyEmptiesTheList)
{
    ASSERT_EQ(1, quest.build.BuildQuest(false));
    EXPECT_NE(QByteArray(), base.Read(QStringLiteral("compiler\\compilelist.txt")));
    const int runs = quest.build.CompileList().CompilerRuns();
    doc.OpenScreenDesigner(0, 0);
    doc.OnCommand(ID_RECOMPILE_ALL);
    EXPECT_EQ(QByteArray(), base.Read(QStringLiteral("compiler\\compilelist.txt")));
    EXPECT_EQ(runs, quest.build.CompileList().CompilerRuns());
}

TEST_F(BuildFixture, CopyQuestCopiesTheFolderAndTheMapFile)
{
    doc.OnCommand(ID_COPY_QUEST); // cancelled
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(QStringList{QStringLiteral("AskName(Enter name for Quest Copy|Enter a name for the copied quest:)")},
              ui.calls);
    EXPECT_FALSE(base.Exists(QStringLiteral("questdata\\Meadow")));

    ui.nameAnswers = {QStringLiteral("Meadow")};
    doc.OnCommand(ID_COPY_QUEST);
    ASSERT_EQ(1u, ui.messages.size());
    EXPECT_EQ(QStringLiteral("Quest Copied!"), ui.messages[0].text);
    EXPECT_EQ(QStringLiteral("Complete"), ui.messages[0].caption);
    EXPECT_EQ(base.Read(QStringLiteral("save\\Trail.qss")), base.Read(QStringLiteral("save\\Meadow.qss")));
    QStringList trail, meadow;
    for (const QString& e : base.Listing()) {
        if (e.startsWith(QStringLiteral("questdata/Trail/")))
            trail << e.mid(16);
        if (e.startsWith(QStringLiteral("questdata/Meadow/")))
            meadow << e.mid(17);
    }
    EXPECT_EQ(trail, meadow);
    EXPECT_EQ(base.Read(QStringLiteral("questdata\\Trail\\scripts\\main\\main.ves")),
              base.Read(QStringLiteral("questdata\\Meadow\\scripts\\main\\main.ves")));
    EXPECT_EQ(QStringLiteral("Trail"), g_questName);

    // Onto an existing quest, an empty name or one with path characters: refused.
    for (const char* bad : {"Meadow", "Trail", "", "..", "../x"}) {
        ui.messages.clear();
        ui.nameAnswers = {QString::fromLatin1(bad)};
        const QStringList before = base.Listing();
        doc.OnCommand(ID_COPY_QUEST);
        ASSERT_EQ(1u, ui.messages.size()) << bad;
        EXPECT_EQ(QStringLiteral("Error"), ui.messages[0].caption) << bad;
        EXPECT_EQ(before, base.Listing()) << bad;
    }
}

TEST_F(BuildFixture, ACopyThatFailsPartWayLeavesNothingAndCanBeRetried)
{
    const QString map = base.Path(QStringLiteral("save\\Trail.qss"));
    // A folder so deep that its copy, one character longer, passes the
    // system's path limit.
    QString deep = base.Path(QStringLiteral("questdata\\Trail"));
    while (deep.size() < 4095 - 250)
        deep += QLatin1Char('/') + QString(200, QLatin1Char('d'));
    deep += QLatin1Char('/') + QString(4095 - int(deep.size()) - 1, QLatin1Char('e'));
    const struct {
        const char* breakage;
        std::function<void()> breakIt, mendIt;
    } cases[] = {
        {"no map file", [&] { QFile::rename(map, map + QStringLiteral(".away")); },
         [&] { QFile::rename(map + QStringLiteral(".away"), map); }},
        {"a path too long", [&] { ASSERT_TRUE(QDir().mkpath(deep)); },
         [&] { QDir(deep.left(int(base.Path(QStringLiteral("questdata\\Trail")).size()) + 201)).removeRecursively(); }},
    };
    for (const auto& c : cases) {
        c.breakIt();
        const QStringList before = base.Listing();
        ui.messages.clear();
        ui.nameAnswers = {QStringLiteral("Meadow")};
        doc.OnCommand(ID_COPY_QUEST);
        ASSERT_EQ(1u, ui.messages.size()) << c.breakage;
        EXPECT_EQ(QStringLiteral("Couldn't copy the quest, not every file could be copied"), ui.messages[0].text);
        EXPECT_EQ(before, base.Listing()) << c.breakage;
        c.mendIt();
        ui.messages.clear();
        ui.nameAnswers = {QStringLiteral("Meadow")};
        doc.OnCommand(ID_COPY_QUEST);
        ASSERT_EQ(1u, ui.messages.size()) << c.breakage;
        EXPECT_EQ(QStringLiteral("Quest Copied!"), ui.messages[0].text) << c.breakage;
        EXPECT_EQ(base.Read(QStringLiteral("save\\Trail.qss")), base.Read(QStringLiteral("save\\Meadow.qss")));
        QDir(base.Path(QStringLiteral("questdata\\Meadow"))).removeRecursively();
        QFile::remove(base.Path(QStringLiteral("save\\Meadow.qss")));
    }
}
