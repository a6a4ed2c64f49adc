// Text read from files is kept as its bytes; text typed is UTF-8; text shown
// is UTF-8 or else Latin-1; string fields stay one line and are cut without
// splitting a character.
#include "helpers/QtPrinters.h"
#include "support/FieldLine.h"
#include "support/TextCodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, EveryByteStringComesBackByteForByteAndIsShownReadably)
{
    QByteArray everyHighByte;
    for (int b = 0x80; b <= 0xFF; ++b)
        everyHighByte += char(b);
    const struct {
        const char* name;
        QByteArray bytes;
        QString shown;
    } rows[] = {
        {"ASCII", "bat.wav", QStringLiteral("bat.wav")},
        {"UTF-8", "caf\xc3\xa9.wav", QStringLiteral("caf\u00e9.wav")},
        {"Latin-1", "caf\xe9.wav", QStringLiteral("caf\u00e9.wav")},
        {"Latin-1 and UTF-8 in one line", "\xe9 \xc3\xa9", QStringLiteral("\u00e9 \u00c3\u00a9")},
        {"a byte-order mark", "\xef\xbb\xbfname", QStringLiteral("\ufeffname")},
        {"a character cut short at the end", "ab\xc3", QStringLiteral("ab\u00c3")},
        {"an overlong form", "\xc0\xaf", QStringLiteral("\u00c0\u00af")},
        {"an encoded surrogate", "\xed\xa0\x80", QStringLiteral("\u00ed\u00a0\u0080")},
        {"beyond U+10FFFF", "\xf4\x90\x80\x80", QString::fromLatin1("\xf4\x90\x80\x80")},
        {"a four-byte character", "\xf0\x9f\x98\x80", QString::fromUtf8("\xf0\x9f\x98\x80")},
        {"every byte from 0x80 to 0xFF", everyHighByte, QString::fromLatin1(everyHighByte)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString kept = DecodeText(row.bytes);
        EXPECT_EQ(EncodeText(kept), row.bytes);
        EXPECT_EQ(DisplayText(kept), row.shown);
        EXPECT_EQ(DisplayBytes(row.bytes), row.shown);
    }
}

TEST(TextCodec, TypedTextIsUtf8AndNeverPassesForAKeptByte)
{
    const QString typed = QStringLiteral("caf") + QChar(0xDCE9) + QStringLiteral("\u00e9");
    EXPECT_EQ(EncodeText(TypedText(typed)), QByteArray("caf\xef\xbf\xbd\xc3\xa9"));
    const QString pair = QString::fromUtf8("\xf0\x9f\x98\x80");
    EXPECT_EQ(TypedText(pair), pair);
}

TEST(FieldBytes, AFieldStaysOneLineAndACutNeverSplitsAUtf8Character)
{
    const QByteArray a61(61, 'a');
    const struct {
        const char* name;
        QString text;
        int limit;
        QByteArray field;
    } rows[] = {
        {"LF", QStringLiteral("A\nB"), 62, "A"},
        {"CR LF", QStringLiteral("A\r\nB"), 62, "A"},
        {"CR", QStringLiteral("A\rB"), 62, "A"},
        {"NUL", QStringLiteral("A") + QChar(0) + QStringLiteral("B"), 62, "A"},
        {"a line break first", QStringLiteral("\nB"), 62, ""},
        {"a two-byte letter that does not fit", QString::fromLatin1(a61) + QStringLiteral("\u00e9"), 62, a61},
        {"a two-byte letter that just fits", QString(60, QLatin1Char('a')) + QStringLiteral("\u00e9"), 62,
         QByteArray(60, 'a') + "\xc3\xa9"},
        {"a four-byte character that does not fit", QString(59, QLatin1Char('a')) + QString::fromUtf8("\xf0\x9f\x98\x80"),
         62, QByteArray(59, 'a')},
        {"kept bytes that are not UTF-8 are cut where the limit falls", DecodeText(a61 + "\xe9\xe9"), 62,
         a61 + "\xe9"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(TextFieldBytes(row.text, row.limit), row.field);
        EXPECT_EQ(OneLineText(row.text), DecodeText(OneLine(EncodeText(row.text))));
    }
    EXPECT_EQ(FieldBytes(QByteArray("bat\r\nrat", 8), 32), QByteArray("bat"));
    EXPECT_EQ(FieldBytes(QByteArray(40, 'c'), 32), QByteArray(32, 'c'));
}

TEST(CutBytes, ThePieceOfALongerLineIsCutBeforeTheCharacterItSplits)
{
    // The first 63 bytes of a longer UTF-8 line end inside a character.
    const QByteArray piece = QByteArray(62, 'a') + "\xc3";
    EXPECT_EQ(CutBytes(piece, 62), QByteArray(62, 'a'));
    EXPECT_EQ(CutBytes(QByteArray(61, 'a') + "\xc3\xa9", 62), QByteArray(61, 'a'));
    EXPECT_EQ(CutBytes(QByteArray(61, 'a') + "\xe9x", 62), QByteArray(61, 'a') + "\xe9");
    EXPECT_EQ(CutBytes("short", 62), QByteArray("short"));
}
