#include "helpers/TempBase.h"
#include "support/LineHelpers.h"
#include "support/TextFile.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

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
