// The quest archive: its bytes, the result codes, scrambling, and reading it
// back (including damaged files).
#include "helpers/QtPrinters.h"
#include "helpers/TempBase.h"

#include "build/ArchiveReader.h"
#include "build/VirtualArchive.h"

#include <QDir>
#include <QFile>

#include <csignal>

#include <sys/resource.h>

#include <gtest/gtest.h>

namespace {

const QString kQst = QStringLiteral("output\\Forest.qst");

class VirtualArchiveTest : public ::testing::Test {
protected:
    QByteArray Built(CVirtualArchive& archive)
    {
        EXPECT_EQ(archive.Build(), CVirtualArchive::BuildOk);
        return base.Read(kQst);
    }
    QString LogTail() const { return QString::fromUtf8(base.Read(QStringLiteral("ErrorChk.txt"))); }

    CTempBase base;
};

TEST_F(VirtualArchiveTest, ASingleEmptyFile)
{
    base.Write(QStringLiteral("empty.txt"), "");
    CVirtualArchive archive(kQst);
    ASSERT_TRUE(archive.AddFile(QStringLiteral("empty.txt"), QStringLiteral("NAME"), 0));
    EXPECT_EQ(Built(archive), QByteArray("Virtual Archive File~1~NAME~0~0~0~"));
    // The data file is not left behind.
    EXPECT_FALSE(base.Exists(QStringLiteral("tempQST")));
}

TEST_F(VirtualArchiveTest, TwoFilesFollowEachOtherInOrder)
{
    base.Write(QStringLiteral("save\\Forest.qss"), "0123456789");
    base.Write(QStringLiteral("questdata\\Forest\\screens\\1-0.lnd"), "abcde");
    CVirtualArchive archive(kQst);
    ASSERT_TRUE(archive.AddFile(QStringLiteral("save\\Forest.qss"), QStringLiteral("qss"), 0));
    ASSERT_TRUE(archive.AddFile(QStringLiteral("questdata\\Forest\\screens\\1-0.lnd"), QStringLiteral("1-0.lnd"), 0));
    EXPECT_EQ(Built(archive), QByteArray("Virtual Archive File~2~qss~0~0~10~1-0.lnd~0~10~15~0123456789abcde"));
    ASSERT_EQ(archive.Headers().Count(), 2);
    EXPECT_EQ(archive.Headers().At(1)->start, 10);
    EXPECT_EQ(archive.Headers().At(1)->end, 15);
}

TEST_F(VirtualArchiveTest, ScrambledBytesCombineBackWithTheKey)
{
    QByteArray plain;
    for (int i = 0; i < 3000; ++i)
        plain += char(i * 7);
    base.Write(QStringLiteral("a.bin"), plain);
    base.Write(QStringLiteral("b.bin"), "zz");
    CVirtualArchive archive(kQst);
    ASSERT_TRUE(archive.AddFile(QStringLiteral("b.bin"), QStringLiteral("b"), 0));
    ASSERT_TRUE(archive.AddFile(QStringLiteral("a.bin"), QStringLiteral("a"), 1));
    const QByteArray bytes = Built(archive);
    const QByteArray directory = "Virtual Archive File~2~b~0~0~2~a~1~2~3002~";
    ASSERT_TRUE(bytes.startsWith(directory));
    const QByteArray stored = bytes.mid(directory.size() + 2);
    ASSERT_EQ(stored.size(), plain.size());
    const ScrambleKey& key = archive.Key();
    EXPECT_EQ(key, kScrambleKey);
    int differing = 0;
    for (int i = 0; i < plain.size(); ++i) {
        ASSERT_EQ(char(((uint8_t(stored[i]) ^ key[0]) ^ key[1]) ^ key[2]), plain[i]) << i;
        differing += stored[i] != plain[i];
    }
    if ((key[0] ^ key[1] ^ key[2]) != 0) {
        EXPECT_EQ(differing, plain.size());
    }
    CArchiveReader reader;
    ASSERT_TRUE(reader.Open(base.Path(kQst))) << reader.Error().toStdString();
    ASSERT_TRUE(reader.Verify());
    QByteArray back;
    ASSERT_TRUE(reader.Read(1, back));
    EXPECT_EQ(back, plain);
    ASSERT_TRUE(reader.Read(0, back));
    EXPECT_EQ(back, QByteArray("zz"));
}

TEST_F(VirtualArchiveTest, FilesOfManyCopyBuffersArriveWhole)
{
    // Larger than any buffer a copy goes through, and of odd lengths.
    QByteArray first(300001, 0), second(450003, 0);
    for (int i = 0; i < first.size(); ++i)
        first[i] = char(i * 131 + i / 7);
    for (int i = 0; i < second.size(); ++i)
        second[i] = char(i * 17 + i / 3);
    base.Write(QStringLiteral("first.bin"), first);
    base.Write(QStringLiteral("second.bin"), second);
    CVirtualArchive archive(kQst);
    ASSERT_TRUE(archive.AddFile(QStringLiteral("first.bin"), QStringLiteral("1"), 0));
    ASSERT_TRUE(archive.AddFile(QStringLiteral("second.bin"), QStringLiteral("2"), 1));
    const QByteArray directory = "Virtual Archive File~2~1~0~0~300001~2~1~300001~750004~";
    QByteArray scrambled = second;
    Scramble(archive.Key(), scrambled.data(), size_t(scrambled.size()));
    const QByteArray bytes = Built(archive);
    EXPECT_EQ(bytes.size(), directory.size() + first.size() + second.size());
    EXPECT_TRUE(bytes == directory + first + scrambled);
}

TEST_F(VirtualArchiveTest, AnyNonZeroFlagIsStoredAsOne)
{
    base.Write(QStringLiteral("a"), "x");
    CVirtualArchive archive(kQst);
    ASSERT_TRUE(archive.AddFile(QStringLiteral("a"), QStringLiteral("a"), 7));
    EXPECT_TRUE(Built(archive).startsWith("Virtual Archive File~1~a~1~0~1~"));
}

TEST_F(VirtualArchiveTest, NoFilesGivesThreeAndWritesNothing)
{
    base.Write(kQst, "OLD");
    CVirtualArchive archive(kQst);
    EXPECT_EQ(archive.Build(), CVirtualArchive::NoFiles);
    EXPECT_FALSE(base.Exists(QStringLiteral("tempQST")));
    EXPECT_EQ(base.Read(kQst), QByteArray("OLD"));
}

TEST_F(VirtualArchiveTest, AVanishedSourceGivesFourAndKeepsTheOldArchive)
{
    base.Write(kQst, "OLD");
    base.Write(QStringLiteral("a"), "aaa");
    base.Write(QStringLiteral("b"), "bbb");
    CVirtualArchive archive(kQst);
    ASSERT_TRUE(archive.AddFile(QStringLiteral("a"), QStringLiteral("a"), 0));
    ASSERT_TRUE(archive.AddFile(QStringLiteral("b"), QStringLiteral("b"), 0));
    QFile::remove(base.Path(QStringLiteral("b")));
    EXPECT_EQ(archive.Build(), CVirtualArchive::SourceUnreadable);
    EXPECT_EQ(base.Read(kQst), QByteArray("OLD"));
}

TEST_F(VirtualArchiveTest, AnUncreatableDataFileGivesTwo)
{
    base.Write(kQst, "OLD");
    base.Write(QStringLiteral("a"), "aaa");
    QDir().mkpath(base.Path(QStringLiteral("tempQST")));
    CVirtualArchive archive(kQst);
    ASSERT_TRUE(archive.AddFile(QStringLiteral("a"), QStringLiteral("a"), 0));
    EXPECT_EQ(archive.Build(), CVirtualArchive::TempNotCreated);
    EXPECT_EQ(base.Read(kQst), QByteArray("OLD"));
}

TEST_F(VirtualArchiveTest, AnUnwritableArchiveGivesFive)
{
    base.Write(QStringLiteral("a"), "aaa");
    CVirtualArchive archive(QStringLiteral("nofolder\\Forest.qst"));
    ASSERT_TRUE(archive.AddFile(QStringLiteral("a"), QStringLiteral("a"), 0));
    EXPECT_EQ(archive.Build(), CVirtualArchive::ArchiveNotWritten);
    EXPECT_FALSE(base.Exists(QStringLiteral("nofolder")));
}

TEST_F(VirtualArchiveTest, AFullDiskWhileWritingLeavesThePreviousArchiveWhole)
{
    base.Write(kQst, "OLD");
    base.Write(QStringLiteral("a"), QByteArray(3000, 'a'));
    base.Write(QStringLiteral("b"), QByteArray(3000, 'b'));
    CVirtualArchive archive(kQst);
    ASSERT_TRUE(archive.AddFile(QStringLiteral("a"), QStringLiteral("a"), 0));
    ASSERT_TRUE(archive.AddFile(QStringLiteral("b"), QStringLiteral("b"), 1));
    // A file size limit makes writes fail past 4 KiB, as a full disk would.
    struct rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = old;
    tight.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const int result = archive.Build();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_EQ(result, CVirtualArchive::TempNotCreated);
    EXPECT_EQ(base.Read(kQst), QByteArray("OLD"));
    EXPECT_FALSE(base.Exists(QStringLiteral("tempQST")));
    EXPECT_EQ(QDir(base.Path(QStringLiteral("output"))).entryList(QDir::Files), QStringList{"Forest.qst"});
}

TEST_F(VirtualArchiveTest, AnArchiveThatCannotBePutInPlaceGivesFive)
{
    // Something else (here a folder) stands where the archive goes.
    base.Write(QStringLiteral("output\\Forest.qst\\keep.txt"), "keep");
    base.Write(QStringLiteral("a"), "aaa");
    CVirtualArchive archive(kQst);
    ASSERT_TRUE(archive.AddFile(QStringLiteral("a"), QStringLiteral("a"), 0));
    EXPECT_EQ(archive.Build(), CVirtualArchive::ArchiveNotWritten);
    EXPECT_EQ(base.Read(QStringLiteral("output\\Forest.qst\\keep.txt")), QByteArray("keep"));
    EXPECT_FALSE(base.Exists(QStringLiteral("tempQST")));
}

TEST_F(VirtualArchiveTest, AFileWhoseSizeIsNotKnownAheadIsStillStoredWhole)
{
    // /proc files report no size but have bytes: the directory is then
    // written after the data.
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "no /proc";
    base.Write(QStringLiteral("a"), "0123456789");
    CVirtualArchive archive(kQst);
    ASSERT_TRUE(archive.AddFile(QStringLiteral("a"), QStringLiteral("a"), 1));
    ASSERT_TRUE(archive.AddFile(QStringLiteral("/proc/self/cmdline"), QStringLiteral("cmdline"), 0));
    ASSERT_EQ(archive.Build(), CVirtualArchive::BuildOk);
    CArchiveReader reader;
    ASSERT_TRUE(reader.Open(base.Path(kQst))) << reader.Error().toStdString();
    EXPECT_TRUE(reader.Verify()) << reader.Error().toStdString();
    ASSERT_EQ(reader.Entries().size(), 2u);
    EXPECT_EQ(reader.Entries()[1].start, 10);
    QByteArray bytes;
    ASSERT_TRUE(reader.Read(1, bytes));
    EXPECT_TRUE(bytes.contains("test_build")) << bytes.toStdString();
    ASSERT_TRUE(reader.Read(0, bytes));
    EXPECT_EQ(bytes, QByteArray("0123456789"));
}

TEST_F(VirtualArchiveTest, AddFileRefusesMissingSourcesAndUnstorableNames)
{
    base.Write(QStringLiteral("a"), "x");
    CVirtualArchive archive(kQst);
    EXPECT_FALSE(archive.AddFile(QStringLiteral("missing.amx"), QStringLiteral("m.amx"), 0));
    EXPECT_TRUE(LogTail().endsWith("\r\nCouldn't add File to archive\r\nmissing.amx"));
    EXPECT_FALSE(archive.AddFile(QStringLiteral("output"), QStringLiteral("dir"), 0));
    EXPECT_FALSE(archive.AddFile(QStringLiteral("a"), QStringLiteral("bad~name"), 0));
    EXPECT_TRUE(LogTail().endsWith("\r\nCouldn't add File to archive\r\na - archive name cannot be stored: bad~name"));
    EXPECT_FALSE(archive.AddFile(QStringLiteral("a"), QString(64, QLatin1Char('n')), 0));
    EXPECT_FALSE(archive.AddFile(QStringLiteral("a"), QString(), 0));
    EXPECT_TRUE(archive.AddFile(QStringLiteral("a"), QString(63, QLatin1Char('n')), 0));
    EXPECT_EQ(archive.Files().Count(), 1);
}

TEST_F(VirtualArchiveTest, NamesKeepTheCallersOrder)
{
    base.Write(QStringLiteral("f"), "1");
    CVirtualArchive archive(kQst);
    for (const char* name : {"zeta", "alpha", "main.amx", "GS0.amx"})
        ASSERT_TRUE(archive.AddFile(QStringLiteral("f"), QLatin1String(name), 0));
    EXPECT_EQ(Built(archive),
              QByteArray("Virtual Archive File~4~zeta~0~0~1~alpha~0~1~2~main.amx~0~2~3~GS0.amx~0~3~4~1111"));
}

// Reading damaged archives: one clear message each, never a crash.
class ArchiveReaderTest : public VirtualArchiveTest {
protected:
    QString OpenError(const QByteArray& bytes)
    {
        base.Write(QStringLiteral("x.qst"), bytes);
        CArchiveReader reader;
        if (!reader.Open(base.Path(QStringLiteral("x.qst"))))
            return reader.Error();
        if (!reader.Verify())
            return QStringLiteral("verify: ") + reader.Error();
        return QStringLiteral("ok");
    }
};

TEST_F(ArchiveReaderTest, NamesWhatIsWrong)
{
    EXPECT_EQ(OpenError("Virtual Archive File~1~NAME~0~0~0~"), QStringLiteral("ok"));
    EXPECT_EQ(OpenError("Virtual Archive File~0~"), QStringLiteral("ok"));
    EXPECT_EQ(OpenError("Virtual Archive Fil"),
              QStringLiteral("not a quest archive: it does not begin with \"Virtual Archive File~\""));
    EXPECT_EQ(OpenError("Virtual Archive File~2000000000~a~0~0~0~"),
              QStringLiteral("damaged archive: the entry count 2000000000 is larger than the file can hold"));
    EXPECT_EQ(OpenError("Virtual Archive File~99999999999~"),
              QStringLiteral("damaged archive: the entry count is longer than 10 characters"));
    EXPECT_EQ(OpenError("Virtual Archive File~x~"),
              QStringLiteral("damaged archive: the entry count \"x\" is not a number from 0 to 2147483647"));
    EXPECT_EQ(OpenError("Virtual Archive File~1~NAME~0~0~0"),
              QStringLiteral("damaged archive: entry 1: the file ends inside the end"));
    EXPECT_EQ(OpenError("Virtual Archive File~1~NAME~0~-1~0~"),
              QStringLiteral("damaged archive: entry 1: the start \"-1\" is not a number from 0 to 2147483647"));
    EXPECT_EQ(OpenError("Virtual Archive File~1~NAME~2~0~0~"),
              QStringLiteral("damaged archive: entry 1 (\"NAME\"): the scramble flag is 2, not 0 or 1"));
    EXPECT_EQ(OpenError("Virtual Archive File~1~NAME~0~5~4~xxxxxxxxxxxxxxxx"),
              QStringLiteral("damaged archive: entry 1 (\"NAME\") ends at 4, before its start 5"));
    EXPECT_EQ(OpenError("Virtual Archive File~1~" + QByteArray(64, 'n') + "~0~0~0~"),
              QStringLiteral("damaged archive: entry 1: the name is longer than 63 characters"));
    EXPECT_EQ(OpenError("Virtual Archive File~1~~0~0~0~xxxxxxxxxx"),
              QStringLiteral("damaged archive: entry 1 has an empty name"));
    EXPECT_EQ(OpenError("Virtual Archive File~2~a~0~0~2~b~0~3~4~xxxx"),
              QStringLiteral("verify: damaged archive: entry 2 (\"b\") starts at 3, not at 2 where the previous one "
                             "ends"));
    EXPECT_EQ(OpenError("Virtual Archive File~1~a~0~0~2~xxx"),
              QStringLiteral("verify: damaged archive: the data area holds 3 bytes, the directory describes 2"));
    EXPECT_EQ(OpenError("Virtual Archive File~1~a~0~0~2~x"),
              QStringLiteral("verify: damaged archive: the data area holds 1 bytes, the directory describes 2"));
}

TEST_F(ArchiveReaderTest, AnEntryBeyondTheDataIsNotRead)
{
    base.Write(QStringLiteral("x.qst"), "Virtual Archive File~1~a~0~0~2000000000~x");
    CArchiveReader reader;
    ASSERT_TRUE(reader.Open(base.Path(QStringLiteral("x.qst"))));
    QByteArray bytes;
    EXPECT_FALSE(reader.Read(0, bytes));
    EXPECT_EQ(reader.Error(),
              QStringLiteral("damaged archive: entry 1 (\"a\") ends at 2000000000, beyond the data area of 1 bytes"));
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_FALSE(reader.Read(1, bytes));
    EXPECT_FALSE(reader.Open(base.Path(QStringLiteral("missing.qst"))));
    EXPECT_TRUE(reader.Error().startsWith(QStringLiteral("cannot open ")));
}

} // namespace
