// A preview is read eight bytes at a time where it can be; every pixel must be
// what reading each line into a 10-byte buffer and converting it gives.
#include "display/Surface.h"
#include "helpers/DecimalCommaLocale.h"
#include "helpers/TempBase.h"
#include "quest/PreviewReader.h"
#include "support/io/LineHelpers.h"
#include "support/io/TextFile.h"
#include "support/paths/Globals.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {
// The plain way: pieces of at most nine characters, CR LF as one line feed.
std::vector<uint16_t> PixelsPieceByPiece(const QByteArray& bytes)
{
    CTextReader file;
    file.OpenBytes(bytes);
    std::vector<uint16_t> pixels;
    QByteArray piece;
    for (int i = 0; i < kPreviewWidth * kPreviewHeight; ++i)
        pixels.push_back(file.GetLine(piece, 10) ? uint16_t(uint32_t(ParseDecimalInt(piece))) : 0);
    return pixels;
}
} // namespace

TEST(PreviewFileLines, GiveThePixelsOfTheirPiecesWhateverTheirLength)
{
    // Lines of every length around the eight bytes read at once, and the bytes
    // just outside the digits ('/' and ':') and far above them next to digits.
    const QByteArray lines[] = {
        "7\r\n",        "12\n",          "123\r\n",       "1234\r\n",    "12345\r\n",      "65535\n",
        "123456\r\n",   "1234567\r\n",   "12345678\r\n",  "123456789\r\n", "0\r\n",        "00042\r\n",
        "4:2\r\n",      "4/2\r\n",       "9\xfa\r\n",     "8\xff""1\r\n", "\r\n",         "\n",
        " 5\r\n",       "6 \r\n",        "-3\r\n",        "77\r7\r\n",   "5\r",            "99999\r\r\n",
        "123456\n",     "1234567\n",     QByteArray("12\0" "3\r\n", 6),
    };
    const int kinds = int(std::size(lines));
    for (int shift = 0; shift < 3; ++shift) {
        SCOPED_TRACE(shift);
        QByteArray bytes;
        for (int k = 0; k < kPreviewWidth * kPreviewHeight; ++k)
            bytes += lines[(k * 7 + k / kinds + shift) % kinds];
        bytes.chop(shift); // the last lines cut short, nearer the end than eight bytes
        CTempBase base;
        g_questName = QStringLiteral("Forest");
        const QString path = QStringLiteral("questdata\\Forest\\screens\\0-0.bmp");
        base.Write(path, bytes);
        CSurface surface;
        ASSERT_EQ(surface.Create(kPreviewWidth, kPreviewHeight), S_OK);
        ASSERT_TRUE(ReadPreviewFile(path, surface));
        const std::vector<uint16_t> expected = PixelsPieceByPiece(bytes);
        int wrong = 0;
        for (int i = 0; i < kPreviewWidth * kPreviewHeight; ++i)
            wrong += surface.Pixel(i % kPreviewWidth, i / kPreviewWidth) != expected[size_t(i)];
        EXPECT_EQ(wrong, 0);
    }
}

TEST(PreviewFileLines, AreCountedWithoutReadingAPixelAsReadingThemCountsThem)
{
    // Short lines in every place around the 64 bytes looked at at once, cut at
    // every offset near the end, and lines long enough to give more than one
    // value, wholly inside a block and across two.
    QByteArray shortLines, mixed;
    for (int k = 0; k < kPreviewWidth * kPreviewHeight; ++k) {
        shortLines += QByteArray::number(k * 37 % 65536) + (k % 5 ? "\r\n" : "\n");
        mixed += k % 997 == 3 ? QByteArray("123456789012\r\n") : QByteArray::number(k % 9) + "\r\n";
    }
    const QByteArray eightBytes = QByteArray("1234567\r\n").repeated(9000);
    const QByteArray nineBytes = QByteArray("1234567\r\n").repeated(7) + "12345678\r\n" + shortLines;
    QByteArray acrossBlocks = QByteArray("1\n").repeated(30) + "123" + QByteArray(9, 'x') + "\n";
    acrossBlocks += shortLines;
    const QByteArray cases[] = {
        shortLines,
        shortLines.left(5000),
        shortLines.left(5001),
        shortLines.left(5002),
        shortLines.left(5003) + "\r",
        shortLines.left(64 * 700),
        shortLines.left(64 * 700 + 1),
        shortLines + QByteArray("9").repeated(kPreviewLines * 20),
        eightBytes,
        eightBytes + "12345678",
        eightBytes + "123456789",
        eightBytes + "123456789\n1\r\n",
        nineBytes.left(4000),
        acrossBlocks.left(3000),
        mixed.left(20000),
        QByteArray("\r\r\n").repeated(3000),
        QByteArray(100, 'z'),
        QByteArray(),
    };
    CTempBase base;
    g_questName = QStringLiteral("Forest");
    const QString path = QStringLiteral("questdata\\Forest\\screens\\0-0.bmp");
    ASSERT_TRUE(CDecimalCommaLocale::Get().Ready()) << CDecimalCommaLocale::Get().Error().toStdString();
    for (size_t i = 0; i < 2 * std::size(cases); ++i) {
        SCOPED_TRACE(i);
        // The second time round under a locale that writes numbers with a decimal comma.
        std::unique_ptr<CDecimalCommaScope> comma;
        if (i >= std::size(cases))
            comma = std::make_unique<CDecimalCommaScope>();
        base.Write(path, cases[i % std::size(cases)]);
        CSurface surface;
        ASSERT_EQ(surface.Create(kPreviewWidth, kPreviewHeight), S_OK);
        int read = -2;
        ASSERT_TRUE(ReadPreviewFile(path, surface, &read));
        EXPECT_EQ(PreviewLinesHeld(path), read);
    }
    EXPECT_EQ(PreviewLinesHeld(QStringLiteral("questdata\\Forest\\screens\\9-9.bmp")), -1);
}
