#include "helpers/DecimalCommaLocale.h"
#include "helpers/TempBase.h"
#include "support/io/LineHelpers.h"
#include "support/io/TextFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <optional>

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

// Numbers in files are in the C form under any locale: the application object
// sets the user's locale, and a decimal-comma one must change nothing.
TEST(FloatLines, AreInTheCFormUnderADecimalCommaLocaleToo)
{
    const struct {
        float value;
        const char* text;
    } written[] = {{5.0f, "5.000000"}, {1.5f, "1.500000"}, {-0.25f, "-0.250000"}, {0.0f, "0.000000"},
                   {4.0000005f, "4.000000"}, {1234567.0f, "1234567.000000"}};
    const struct {
        const char* line;
        float value;
    } read[] = {{"1.500000", 1.5f}, {"  -2.5e1", -25.0f}, {"+4.25x", 4.25f}, {"1,5", 1.0f},
                {"abc", 0.0f},      {"", 0.0f},          {"+-1", 0.0f},      {".5", 0.5f},
                {"1e999", std::numeric_limits<float>::infinity()}, {"-1e-999", 0.0f}};
    for (bool comma : {false, true}) {
        std::optional<CDecimalCommaScope> scope;
        if (comma) {
            ASSERT_TRUE(CDecimalCommaLocale::Get().Ready()) << CDecimalCommaLocale::Get().Error().toStdString();
            scope.emplace();
            ASSERT_TRUE(scope->Active());
        }
        for (const auto& w : written) {
            EXPECT_EQ(QByteArray(w.text), FloatText(w.value)) << w.text << (comma ? " (comma locale)" : "");
            CTempBase base(true);
            CTextWriter file;
            ASSERT_TRUE(file.Open(QStringLiteral("speed.txt")));
            WriteFloatLine(w.value, file);
            ASSERT_TRUE(file.Commit());
            EXPECT_EQ(QByteArray(w.text) + "\r\n", base.Read(QStringLiteral("speed.txt")));
        }
        for (const auto& r : read) {
            CTextReader file = Reader(QByteArray(r.line) + "\r\n");
            EXPECT_EQ(r.value, ReadFloatLine(file)) << r.line << (comma ? " (comma locale)" : "");
        }
    }
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

TEST(TextReader, GivesWholeLinesWithoutTheirEnds)
{
    const struct {
        QByteArray bytes;
        int buffer;
        QList<QByteArray> lines;
    } cases[] = {
        {"ab\r\ncd\n", 64, {"ab", "cd"}},
        {"ab\n", 4, {"ab"}},
        {"abc\nd\n", 4, {"abc", "d"}},        // the line end arrives as a piece of its own
        {"abcdefgh\nx\n", 4, {"abcdefgh", "x"}}, // pieces joined
        {QByteArray("a\0b\nc\n", 6), 64, {"a", "c"}},
        {QByteArray("abcde\0fgh\nz\n", 12), 4, {"abcdefgh", "z"}}, // each piece stops at its NUL
        {"\n\nlast", 64, {"", "", "last"}},
        {"", 64, {}},
    };
    for (const auto& c : cases) {
        CTextReader file = Reader(c.bytes);
        QList<QByteArray> lines;
        QByteArray line = "stale";
        while (file.GetWholeLine(line, c.buffer))
            lines << line;
        EXPECT_EQ(lines, c.lines) << c.bytes.toStdString() << " in " << c.buffer;
        EXPECT_TRUE(line.isEmpty());
    }
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
