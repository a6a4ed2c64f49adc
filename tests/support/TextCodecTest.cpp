// Text read from files is kept as its bytes; text typed is UTF-8; text shown
// is UTF-8 or else Latin-1. (The cuts of string fields are tested with the
// map file's.)
#include "helpers/QtPrinters.h"
#include "support/io/TextCodec.h"

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
        {"a character whose second half looks like a kept byte", "\xf0\x9f\x82\x80 \xe9",
         QString::fromLatin1("\xf0\x9f\x82\x80 \xe9")},
        {"the same in UTF-8 alone", "\xf0\x9f\x82\x80", QString::fromUtf8("\xf0\x9f\x82\x80")},
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
