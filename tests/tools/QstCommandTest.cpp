// tessell qst list | extract | verify on archives the editor writes and on
// damaged or hostile ones.
#include "helpers/QtPrinters.h"
#include "helpers/TempBase.h"

#include "build/VirtualArchive.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct QstRun {
    int exitCode;
    QString out;
    QString error;
};

QstRun Qst(const CTempBase& base, const QStringList& arguments)
{
    QProcess process;
    process.setWorkingDirectory(base.root);
    process.start(QStringLiteral(TESSELL_BINARY_DIR "/tools/tessell"), QStringList{QStringLiteral("qst")} + arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

class QstCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        base.Write(QStringLiteral("save\\Forest.qss"), "0123456789");
        base.Write(QStringLiteral("empty"), "");
        base.Write(QStringLiteral("list.txt"), "bat\r\n1\r\n");
        CVirtualArchive archive(QStringLiteral("output\\Forest.qst"));
        ASSERT_TRUE(archive.AddFile(QStringLiteral("save\\Forest.qss"), QStringLiteral("qss"), 1));
        ASSERT_TRUE(archive.AddFile(QStringLiteral("empty"), QStringLiteral("main.amx"), 0));
        ASSERT_TRUE(archive.AddFile(QStringLiteral("list.txt"), QStringLiteral("entities list.txt"), 1));
        ASSERT_EQ(archive.Build(), 0);
    }

    CTempBase base;
};

TEST_F(QstCommandTest, ListPrintsOneLinePerEntry)
{
    const QstRun run = Qst(base, {QStringLiteral("list"), QStringLiteral("output/Forest.qst")});
    EXPECT_EQ(run.exitCode, 0) << run.error.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("qss\t1\t0\t10\t10\nmain.amx\t0\t10\t10\t0\nentities list.txt\t1\t10\t18\t8\n"));
}

TEST_F(QstCommandTest, VerifyAcceptsAGoodArchive)
{
    const QstRun run = Qst(base, {QStringLiteral("verify"), QStringLiteral("output/Forest.qst")});
    EXPECT_EQ(run.exitCode, 0) << run.error.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("output/Forest.qst: 3 entries, 18 data bytes, OK\n"));
}

TEST_F(QstCommandTest, ExtractWritesEveryEntryUnscrambled)
{
    const QstRun run = Qst(base, {QStringLiteral("extract"), QStringLiteral("output/Forest.qst"), QStringLiteral("out dir")});
    EXPECT_EQ(run.exitCode, 0) << run.error.toStdString();
    EXPECT_EQ(base.Read(QStringLiteral("out dir\\qss")), QByteArray("0123456789"));
    EXPECT_EQ(base.Read(QStringLiteral("out dir\\main.amx")), QByteArray());
    EXPECT_EQ(base.Read(QStringLiteral("out dir\\entities list.txt")), QByteArray("bat\r\n1\r\n"));
    EXPECT_EQ(QDir(base.Path(QStringLiteral("out dir"))).entryList(QDir::Files).size(), 3);
}

TEST_F(QstCommandTest, ExtractRefusesNamesThatLeaveTheFolder)
{
    for (const QByteArray& name : {QByteArray("../evil"), QByteArray(".."), QByteArray("/tmp/evil"), QByteArray("a\\b")}) {
        base.Write(QStringLiteral("bad.qst"), "Virtual Archive File~2~ok~0~0~1~" + name + "~0~1~2~xy");
        const QstRun run = Qst(base, {QStringLiteral("extract"), QStringLiteral("bad.qst"), QStringLiteral("out")});
        EXPECT_EQ(run.exitCode, 1) << name.toStdString();
        EXPECT_EQ(run.error, QStringLiteral("bad.qst: refusing entry 2 (\"%1\"): its name would leave out\n")
                                 .arg(QString::fromUtf8(name)));
        EXPECT_FALSE(base.Exists(QStringLiteral("out")));
        EXPECT_FALSE(base.Exists(QStringLiteral("evil")));
    }
}

TEST_F(QstCommandTest, DamagedArchivesGetOneMessageAndFail)
{
    const struct {
        QByteArray bytes;
        QString message;
    } cases[] = {
        {"PK\x03\x04", "not a quest archive: it does not begin with \"Virtual Archive File~\""},
        {"Virtual Archive File~2147483647~", "damaged archive: the entry count 2147483647 is larger than the file can hold"},
        {"Virtual Archive File~1~abc~0~0~", "damaged archive: entry 1: the file ends inside the end"},
        {"Virtual Archive File~1~a~0~0~5~xy", "damaged archive: the data area holds 2 bytes, the directory describes 5"},
    };
    for (const auto& c : cases) {
        base.Write(QStringLiteral("bad.qst"), c.bytes);
        for (const char* command : {"verify", "extract"}) {
            QStringList arguments{QLatin1String(command), QStringLiteral("bad.qst")};
            if (QLatin1String(command) == QLatin1String("extract"))
                arguments << QStringLiteral("out");
            const QstRun run = Qst(base, arguments);
            EXPECT_EQ(run.exitCode, 1) << command << " " << c.bytes.toStdString();
            EXPECT_EQ(run.error, QStringLiteral("bad.qst: ") + c.message + QLatin1Char('\n'));
            EXPECT_FALSE(base.Exists(QStringLiteral("out")));
        }
    }
    const QstRun missing = Qst(base, {QStringLiteral("list"), QStringLiteral("nothing.qst")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.error.startsWith(QStringLiteral("nothing.qst: cannot open nothing.qst")));
}

TEST_F(QstCommandTest, ListPrintsWhatItCanReadThenNamesTheDamageAndFails)
{
    const QByteArray good = base.Read(QStringLiteral("output\\Forest.qst"));
    const struct {
        QByteArray bytes;
        QString out;
        QString message;
    } cases[] = {
        {good.left(good.size() - 3), "qss\t1\t0\t10\t10\nmain.amx\t0\t10\t10\t0\nentities list.txt\t1\t10\t18\t8\n",
         "damaged archive: the data area holds 15 bytes, the directory describes 18"},
        {"Virtual Archive File~2~a~0~0~4~b~0~2~6~abcdef", "a\t0\t0\t4\t4\nb\t0\t2\t6\t4\n",
         "damaged archive: entry 2 (\"b\") starts at 2, not at 4 where the previous one ends"},
        {"Virtual Archive File~2~a~0~0~1~bbbbbbb~0~1", "a\t0\t0\t1\t1\n",
         "damaged archive: entry 2: the file ends inside the start"},
        {"PK\x03\x04", "", "not a quest archive: it does not begin with \"Virtual Archive File~\""},
    };
    for (const auto& c : cases) {
        base.Write(QStringLiteral("bad.qst"), c.bytes);
        const QstRun run = Qst(base, {QStringLiteral("list"), QStringLiteral("bad.qst")});
        EXPECT_EQ(run.exitCode, 1) << c.bytes.toStdString();
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.error, QStringLiteral("bad.qst: ") + c.message + QLatin1Char('\n'));
    }
}

TEST_F(QstCommandTest, BadUsageExitsTwo)
{
    EXPECT_EQ(Qst(base, {}).exitCode, 2);
    EXPECT_EQ(Qst(base, {QStringLiteral("list")}).exitCode, 2);
    EXPECT_EQ(Qst(base, {QStringLiteral("extract"), QStringLiteral("a.qst")}).exitCode, 2);
    EXPECT_EQ(Qst(base, {QStringLiteral("pack"), QStringLiteral("a.qst")}).exitCode, 2);
}

} // namespace
