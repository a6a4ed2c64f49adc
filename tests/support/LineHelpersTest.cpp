#include "support/LineHelpers.h"
#include "support/TextFile.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
CTextReader Reader(const QByteArray& bytes)
{
    CTextReader file;
    file.OpenBytes(bytes);
    return file;
}
} // namespace

TEST(ReadIntLine, ReadsTheStandardDecimalConversion)
{
    CTextReader file = Reader("12abc\r\n  -45\r\n+7\nx9\n\n");
    EXPECT_EQ(12, ReadIntLine(file));
    EXPECT_EQ(-45, ReadIntLine(file));
    EXPECT_EQ(7, ReadIntLine(file));
    EXPECT_EQ(0, ReadIntLine(file)); // no digits
    EXPECT_EQ(0, ReadIntLine(file)); // empty line
    EXPECT_EQ(0, ReadIntLine(file)); // end of file
}

TEST(ReadIntLine, TakesAtMost31CharactersPerLine)
{
    // A 40-character line arrives as a piece of 31 and then the rest.
    CTextReader file = Reader(QByteArray(31, '1') + "234567891\n");
    EXPECT_EQ(2147483647, ReadIntLine(file)); // held at the 32-bit limit
    EXPECT_EQ(234567891, ReadIntLine(file));
}

TEST(ParseDecimalInt, HoldsValuesBeyondThirtyTwoBits)
{
    EXPECT_EQ(2147483647, ParseDecimalInt("99999999999"));
    EXPECT_EQ(-2147483647 - 1, ParseDecimalInt("-2147483648"));
    EXPECT_EQ(-2147483647 - 1, ParseDecimalInt("-99999999999"));
    EXPECT_EQ(-1, ParseDecimalInt(" \t-1junk"));
}

TEST(ReadTextLine, CopiesSizeCharactersWithoutTerminatorWhenTheLineIsLonger)
{
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    CTextReader file = Reader(QByteArray(40, 'a') + "\r\n");
    ASSERT_EQ(1, ReadTextLine(buffer, 32, file));
    EXPECT_EQ(0, std::memcmp(buffer, QByteArray(32, 'a').constData(), 32));
    EXPECT_EQ('#', buffer[32]); // no terminating zero was written
}

TEST(ReadTextLine, CopiesShortTextWithItsZeroAndLeavesTheBufferAtTheEnd)
{
    char buffer[32];
    std::memset(buffer, '#', sizeof buffer);
    CTextReader file = Reader("bat\r\n");
    ASSERT_EQ(1, ReadTextLine(buffer, 32, file));
    EXPECT_STREQ("bat", buffer);
    EXPECT_EQ(0, ReadTextLine(buffer, 32, file));
    EXPECT_STREQ("bat", buffer);
}

TEST(ReadStringLine, CutsTheLineEndAndReadsAtMost63Characters)
{
    QString text = QStringLiteral("old");
    CTextReader file = Reader(QByteArray(70, 'z') + "\nnext\n");
    ASSERT_EQ(1, ReadStringLine(text, file));
    EXPECT_EQ(QString(63, QLatin1Char('z')), text);
    ASSERT_EQ(1, ReadStringLine(text, file));
    EXPECT_EQ(QStringLiteral("zzzzzzz"), text); // the rest of the long line
    ASSERT_EQ(1, ReadStringLine(text, file));
    EXPECT_EQ(QStringLiteral("next"), text);
    EXPECT_EQ(0, ReadStringLine(text, file));
    EXPECT_EQ(QStringLiteral("next"), text);
}

TEST(ReadFloatLine, ReadsAFloatAndZeroAtTheEnd)
{
    CTextReader file = Reader("5.000000\r\n");
    EXPECT_FLOAT_EQ(5.0f, ReadFloatLine(file));
    EXPECT_FLOAT_EQ(0.0f, ReadFloatLine(file));
}

TEST(TextReader, GivesPiecesOfTheBufferSizeAndKeepsLineEnds)
{
    CTextReader file = Reader("abcdef\r\ngh\rij\n");
    QByteArray piece;
    ASSERT_TRUE(file.GetLine(piece, 4));
    EXPECT_EQ(QByteArray("abc"), piece);
    ASSERT_TRUE(file.GetLine(piece, 4));
    EXPECT_EQ(QByteArray("def"), piece);
    ASSERT_TRUE(file.GetLine(piece, 4));
    EXPECT_EQ(QByteArray("\n"), piece);
    ASSERT_TRUE(file.GetLine(piece, 64));
    EXPECT_EQ(QByteArray("gh\rij\n"), piece); // a lone CR is no line end
    EXPECT_FALSE(file.GetLine(piece, 64));
}

TEST(TextReader, StopsTheTextAtANulByteButKeepsTheLineEnd)
{
    CTextReader file = Reader(QByteArray("ab\0cd\nef\n", 9));
    QByteArray piece;
    ASSERT_TRUE(file.GetLine(piece, 64));
    EXPECT_EQ(QByteArray("ab\n"), piece);
    ASSERT_TRUE(file.GetLine(piece, 64));
    EXPECT_EQ(QByteArray("ef\n"), piece);
}

TEST(TextReader, SeeksBackToARememberedPosition)
{
    CTextReader file = Reader("one\r\ntwo\r\n");
    QByteArray piece;
    file.GetLine(piece, 64);
    const qint64 mark = file.Tell();
    file.GetLine(piece, 64);
    EXPECT_EQ(QByteArray("two\n"), piece);
    file.Seek(mark);
    file.GetLine(piece, 64);
    EXPECT_EQ(QByteArray("two\n"), piece);
}
