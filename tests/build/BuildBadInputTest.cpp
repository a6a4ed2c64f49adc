// The build pipeline's readers on files that were cut short, edited by hand or
// made elsewhere: the compile list, the name lists, the compiler's error file
// and the quest archive, row by row.
#include "helpers/FakeUi.h"
#include "helpers/FileBytes.h"
#include "helpers/QtPrinters.h"
#include "helpers/TempBase.h"

#include "build/ArchiveReader.h"
#include "build/CompileList.h"
#include "build/FileTime.h"
#include "build/NameList.h"
#include "build/ScriptErrors.h"
#include "support/io/TextCodec.h"
#include "support/paths/Globals.h"
#include "support/paths/QuestPaths.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// ---- compile list ------------------------------------------------------

// path:high,low per entry, the halves as the file prints them.
QString Entries(const CCompileList& list)
{
    QStringList entries;
    for (const CEntry* e : list.Entries())
        entries << QStringLiteral("%1:%2,%3")
                       .arg(e->sourcePath)
                       .arg(int32_t(FileTimeHigh(e->compiledAt)))
                       .arg(int32_t(FileTimeLow(e->compiledAt)));
    return entries.join(QLatin1Char('|'));
}

TEST(CompileListBadInputTest, EveryRowGivesItsEntriesAndSavesThemBackTheSame)
{
    const QByteArray longPath = "entities\\" + QByteArray(300, 'p') + ".ves";
    const struct {
        const char* name;
        QByteArray file;
        QString entries;
        QString saved = QString(); // the entries read back after a save, when they differ
    } rows[] = {
        {"cut after the path", Lines({"a.ves", "1", "2", "b.ves"}), "a.ves:1,2|b.ves:0,0"},
        {"cut after the high half", Lines({"a.ves", "5"}), "a.ves:5,0"},
        {"an overlong path is kept whole and the triples stay aligned", Lines({longPath, "1", "2", "b.ves", "3", "4"}),
         QString::fromLatin1(longPath) + QStringLiteral(":1,2|b.ves:3,4")},
        {"an empty file", "", ""},
        {"an empty path line is no entry", Lines({"", "1", "2", "b.ves", "3", "4"}), "b.ves:3,4"},
        {"-1, 0 and 2,000,000,000", Lines({"a.ves", "-1", "0", "b.ves", "2000000000", "-2000000000"}),
         "a.ves:-1,0|b.ves:2000000000,-2000000000"},
        {"numbers beyond 32 bits are held at the limits", Lines({"a.ves", "99999999999", "-99999999999"}),
         "a.ves:2147483647,-2147483648"},
        {"non-numeric numbers", Lines({"a.ves", "abc", "12abc"}), "a.ves:0,12"},
        {"NUL bytes end a line's text", Lines({QByteArray("a.ves\0junk", 10), QByteArray("7\0" "9", 3), "8"}), "a.ves:7,8"},
        {"CR without LF is no line end; a path is written up to its first CR", "a.ves\r5\r6\r", "a.ves\r5\r6\r:0,0",
         "a.ves:0,0"},
        {"LF alone", "a.ves\n5\n6\n", "a.ves:5,6"},
        {"a non-UTF-8 path keeps its bytes", Lines({"caf\xe9.ves", "1", "2"}), DecodeText("caf\xe9.ves:1,2")},
    };
    CTempBase base;
    CFakeUi ui;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        base.Write(CompileListPath(), row.file);
        CCompileList list(ui);
        ASSERT_EQ(list.LoadCompileList(), 1);
        EXPECT_EQ(Entries(list), row.entries);
        // Nothing read is lost when the list is written again.
        ASSERT_EQ(list.SaveCompileList(), 1);
        CCompileList again(ui);
        ASSERT_EQ(again.LoadCompileList(), 1);
        EXPECT_EQ(Entries(again), row.saved.isNull() ? row.entries : row.saved);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST(CompileListBadInputTest, ANonUtf8PathIsSavedByteForByteAndFindsItsSource)
{
    CTempBase base;
    CFakeUi ui;
    const QByteArray source = "entities\\caf\xe9.ves";
    const QByteArray onDisk = QFile::encodeName(base.root) + "/entities/caf\xe9.ves";
    const int fd = ::open(onDisk.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    base.Write(CompileListPath(), Lines({source, "1", "2", "b.ves", "3", "4"}));
    CCompileList list(ui);
    ASSERT_EQ(list.LoadCompileList(), 1);
    list.RecordCompiled(DecodeText(source));
    ASSERT_NE(list.Find(DecodeText(source)), nullptr);
    EXPECT_TRUE(list.Find(DecodeText(source))->currentKnown); // its time was read from the file of those bytes
    const CEntry* entry = list.Find(DecodeText(source));
    ASSERT_EQ(list.SaveCompileList(), 1);
    EXPECT_EQ(base.Read(CompileListPath()),
              Lines({source, QByteArray::number(int32_t(FileTimeHigh(entry->compiledAt))),
                     QByteArray::number(int32_t(FileTimeLow(entry->compiledAt))), "b.ves", "3", "4"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(CompileListBadInputTest, AFolderInPlaceOfTheListStopsTheBuildWithTheMessage)
{
    CTempBase base;
    CFakeUi ui;
    QDir().mkpath(base.Path(CompileListPath()));
    CCompileList list(ui);
    EXPECT_EQ(list.LoadCompileList(), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldn't Create compilelist.txt"));
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(QFileInfo(base.Path(CompileListPath())).isDir()); // nothing was replaced
}

// ---- name lists ----------------------------------------------------------

TEST(NameListBadInputTest, EveryRowGivesItsNames)
{
    const QByteArray ascii31(31, 'a');
    const struct {
        const char* name;
        QByteArray file;
        QStringList names;
    } rows[] = {
        {"a path line without its name line", Lines({"bat", "bat", "Enemies\\rat"}), {"bat"}},
        {"an overlong name line is cut to 32 and the pairs stay",
         Lines({"x", QByteArray(200, 'n'), "rat", "rat"}), {QString(32, QLatin1Char('n')), "rat"}},
        {"an overlong path line keeps the pairing", Lines({QByteArray(300, 'p'), "bat", "rat", "rat"}), {"bat", "rat"}},
        {"an empty file", "", {}},
        {"folders are no names", Lines({"A\\", "A\\", "A\\bat", "bat", "A\\B\\", "B\\"}), {"bat"}},
        {"NUL bytes end a name", Lines({"p", QByteArray("bat\0junk", 8)}), {"bat"}},
        {"CR without LF is no line end", "A\\bat\rbat\r", {}},
        {"LF alone", "A\\bat\nbat\nrat\nrat", {"bat", "rat"}},
        {"a non-UTF-8 name keeps its bytes", Lines({"p", "caf\xe9", "p", QByteArray(31, 'b') + "\xe9\xe9"}),
         {DecodeText("caf\xe9"), DecodeText(QByteArray(31, 'b') + "\xe9")}},
        {"a UTF-8 name is cut before a letter that does not fit",
         Lines({"p", ascii31 + "\xc3\xa9z", "p", QByteArray(30, 'b') + "\xc3\xa9z"}),
         {QString::fromLatin1(ascii31), QString(30, QLatin1Char('b')) + QStringLiteral("\u00e9")}},
    };
    CTempBase base;
    g_questName = QStringLiteral("Forest");
    CFakeUi ui;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        base.Write(QStringLiteral("questdata\\Forest\\soundlist.txt"), row.file);
        CNameList list;
        list.Append(QStringLiteral("old"));
        list.ReadTreeFile(SoundListPath(), QStringLiteral("Couldnt open sound List"), ui);
        EXPECT_EQ(list.Names(), row.names);
    }
    EXPECT_TRUE(ui.messages.empty());

    // A folder in place of the file cannot be read: the message, and the old names stay.
    QFile::remove(base.Path(QStringLiteral("questdata\\Forest\\soundlist.txt")));
    QDir().mkpath(base.Path(QStringLiteral("questdata\\Forest\\soundlist.txt")));
    CNameList list;
    list.Append(QStringLiteral("old"));
    list.ReadTreeFile(SoundListPath(), QStringLiteral("Couldnt open sound List"), ui);
    EXPECT_EQ(list.Names(), QStringList{"old"});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Couldnt open sound List"));
    EXPECT_EQ(ui.messages[0].caption, QStringLiteral("questdata\\Forest\\soundlist.txt"));
}

// ---- the compiler's error file ------------------------------------------

TEST(ScriptErrorsBadInputTest, EveryRowGivesItsListedLines)
{
    const QByteArray longLine = QByteArray(580, 'x') + "Error [017]: abcdefg";
    QByteArray manyWarnings;
    for (int i = 0; i < 100000; ++i)
        manyWarnings += "a.ves(1) Warning [203]: symbol is never used\r\n";
    const struct {
        const char* name;
        QByteArray file;
        QStringList listed;
    } rows[] = {
        {"the last line without its line feed", "a Error [1]\r\nb Fatal [2]", {"a Error [1]", "b Fatal [2]"}},
        {"an overlong line arrives in pieces of 511", longLine + "\r\n",
         {QString::fromLatin1(longLine.mid(511))}},
        {"an empty file", "", {}},
        {"NUL bytes end a line's text", QByteArray("x Error [1]\0tail\r\nab\0 Error [2]\r\n", 33), {"x Error [1]"}},
        {"CR without LF is no line end", "a Error [1]\rb Fatal [2]\r", {"a Error [1]\rb Fatal [2]\r"}},
        {"LF alone", "a Error [1]\nwarning\nb Fatal [2]\n", {"a Error [1]", "b Fatal [2]"}},
        {"other spellings are not listed", "error [1]\r\nError[2]\r\nFATAL [3]\r\n", {}},
        {"a non-UTF-8 line reads as Latin-1", "caf\xe9.ves Error [3]\r\n", {QStringLiteral("caf\u00e9.ves Error [3]")}},
        {"100,000 warnings and one error", manyWarnings + "z Error [4]\r\n", {"z Error [4]"}},
    };
    CTempBase base;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        base.Write(CompilerErrorFilePath(), row.file);
        EXPECT_EQ(ReadScriptErrors(), row.listed);
    }
    QFile::remove(base.Path(CompilerErrorFilePath()));
    EXPECT_EQ(ReadScriptErrors(), QStringList());
    QDir().mkpath(base.Path(CompilerErrorFilePath()));
    EXPECT_EQ(ReadScriptErrors(), QStringList());
}

// ---- the quest archive -----------------------------------------------------

TEST(ArchiveReaderBadInputTest, EveryRowGivesItsVerdict)
{
    const QByteArray V = "Virtual Archive File~";
    const struct {
        const char* name;
        QByteArray file;
        QString opened;   // the error of Open, "" when it opened
        QString verified; // the error of Verify after a good Open, "" when it verified
    } rows[] = {
        {"cut inside the magic", "Virtual Arch", "not a quest archive: it does not begin with \"Virtual Archive File~\"", ""},
        {"cut before the count", V, "damaged archive: the file ends inside the entry count", ""},
        {"cut inside the directory", V + "1~abcdefgh~0~", "damaged archive: entry 1: the file ends inside the start", ""},
        {"cut inside the data", V + "1~a~0~0~5~xy", "", "damaged archive: the data area holds 2 bytes, the directory describes 5"},
        {"an overlong name", V + "1~" + QByteArray(64, 'n') + "~0~0~0~",
         "damaged archive: entry 1: the name is longer than 63 characters", ""},
        {"an overlong number", V + "1~a~0~00000000000~0~",
         "damaged archive: entry 1: the start is longer than 10 characters", ""},
        {"a count of -1", V + "-1~", "damaged archive: the entry count \"-1\" is not a number from 0 to 2147483647", ""},
        {"a count of 0", V + "0~", "", ""},
        {"a count of 0 with data after it", V + "0~xyz", "",
         "damaged archive: the data area holds 3 bytes, the directory describes 0"},
        {"a count of 2,000,000,000", V + "2000000000~a~0~0~0~",
         "damaged archive: the entry count 2000000000 is larger than the file can hold", ""},
        {"non-numeric numbers", V + "1x~", "damaged archive: the entry count \"1x\" is not a number from 0 to 2147483647", ""},
        {"a sign is no digit", V + "1~a~0~+0~0~",
         "damaged archive: entry 1: the start \"+0\" is not a number from 0 to 2147483647", ""},
        {"an empty name", V + "1~~0~0~0~xx", "damaged archive: entry 1 has an empty name", ""},
        {"a scramble flag of 2", V + "1~a~2~0~0~", "damaged archive: entry 1 (\"a\"): the scramble flag is 2, not 0 or 1", ""},
        {"an end before its start", V + "1~a~0~5~3~", "damaged archive: entry 1 (\"a\") ends at 3, before its start 5", ""},
        {"a gap between entries", V + "2~a~0~0~1~b~0~2~3~xyz", "",
         "damaged archive: entry 2 (\"b\") starts at 2, not at 1 where the previous one ends"},
        {"NUL bytes, CR and non-UTF-8 bytes in a name", V + QByteArray("1~a\0\r\xe9~0~0~1~z", 14), "", ""},
    };
    CTempBase base;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        base.Write(QStringLiteral("bad.qst"), row.file);
        CArchiveReader reader;
        const bool opened = reader.Open(base.Path(QStringLiteral("bad.qst")));
        EXPECT_EQ(opened ? QString() : reader.Error(), row.opened);
        if (!opened)
            continue;
        const bool verified = reader.Verify();
        EXPECT_EQ(verified ? QString() : reader.Error(), row.verified);
        // Every entry either reads as long as it is or says why not.
        for (int i = 0; i < int(reader.Entries().size()); ++i) {
            QByteArray bytes;
            if (reader.Read(i, bytes))
                EXPECT_EQ(bytes.size(), reader.Entries()[size_t(i)].Size());
            else
                EXPECT_TRUE(reader.Error().startsWith(QStringLiteral("damaged archive: entry"))) << reader.Error().toStdString();
        }
    }
}

TEST(ArchiveReaderBadInputTest, ANameWithNulCrAndLatin1BytesIsKeptAsItsBytes)
{
    CTempBase base;
    base.Write(QStringLiteral("bad.qst"), QByteArray("Virtual Archive File~1~a\0\r\xe9~0~0~1~z", 35));
    CArchiveReader reader;
    ASSERT_TRUE(reader.Open(base.Path(QStringLiteral("bad.qst"))));
    ASSERT_EQ(reader.Entries().size(), 1u);
    EXPECT_EQ(reader.Entries()[0].name, QByteArray("a\0\r\xe9", 4));
    QByteArray bytes;
    ASSERT_TRUE(reader.Read(0, bytes));
    EXPECT_EQ(bytes, QByteArray("z"));
}

} // namespace
