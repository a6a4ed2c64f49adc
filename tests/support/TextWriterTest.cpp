#include "helpers/TempBase.h"
#include "support/io/LineHelpers.h"
#include "support/io/NativeFolders.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

TEST(TextWriter, WritesEveryHelperWithCrLf)
{
    CTempBase base(true);
    CTextWriter file;
    ASSERT_TRUE(file.Open(QStringLiteral("out.txt")));
    WriteIntLine(-12, file);
    WriteFloatLine(5.0f, file);
    WriteTextLine(QStringLiteral("Forest"), file);
    WriteTextLine(QString(), file);
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(QByteArray("-12\r\n5.000000\r\nForest\r\n\r\n"), base.Read(QStringLiteral("out.txt")));
}

TEST(TextWriter, LeavesTheOldFileWholeUntilCommitted)
{
    CTempBase base(true);
    base.Write(QStringLiteral("keep.txt"), "old contents\r\n");
    {
        CTextWriter file;
        ASSERT_TRUE(file.Open(QStringLiteral("keep.txt")));
        WriteTextLine(QStringLiteral("half"), file);
        // destroyed without Commit: as if writing had failed half-way
    }
    EXPECT_EQ(QByteArray("old contents\r\n"), base.Read(QStringLiteral("keep.txt")));
}

TEST(TextWriter, CannotOpenInAMissingFolder)
{
    CTempBase base(true);
    CTextWriter file;
    EXPECT_FALSE(file.Open(QStringLiteral("missing\\out.txt")));
    EXPECT_FALSE(file.Commit());
    EXPECT_FALSE(base.Exists(QStringLiteral("missing")));
}

TEST(TextFile, ANameThatIsNotUtf8IsReadByItsBytesAndNeverWrittenUnderAnotherName)
{
    CTempBase base(true);
    const QByteArray onDisk = QFile::encodeName(base.root) + "/caf\xe9.txt";
    const int fd = ::open(onDisk.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "line\r\n", 6), 6);
    ::close(fd);
    CTextReader reader;
    ASSERT_TRUE(reader.Open(DecodeText("caf\xe9.txt")));
    QByteArray line;
    EXPECT_TRUE(reader.GetWholeLine(line, 64));
    EXPECT_EQ(line, QByteArray("line"));
    // Qt would write the name as UTF-8, another name; the writer writes it
    // under its own bytes, whole or not at all.
    CTextWriter writer;
    ASSERT_TRUE(writer.Open(DecodeText("caf\xe9.txt")));
    writer.Line(QByteArray("new"));
    EXPECT_EQ(line, QByteArray("line")); // nothing is in place before the commit
    EXPECT_EQ(base.Read(DecodeText("caf\xe9.txt")), QByteArray("line\r\n"));
    EXPECT_TRUE(writer.Commit());
    EXPECT_EQ(base.Read(DecodeText("caf\xe9.txt")), QByteArray("new\r\n"));
    EXPECT_NE(::access((QFile::encodeName(base.root) + "/caf\xef\xbf\xbd.txt").constData(), F_OK), 0);
    EXPECT_EQ(ListNativeFolder(base.root).size(), 1u); // no temporary file left beside it
}
