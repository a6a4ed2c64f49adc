// A preview is read eight bytes at a time where it can be; every pixel must be
// what reading each line into a 10-byte buffer and converting it gives.
#include "display/Surface.h"
#include "helpers/TempBase.h"
#include "quest/PreviewReader.h"
#include "support/io/LineHelpers.h"
#include "support/io/TextFile.h"
#include "support/paths/Globals.h"

#include <gtest/gtest.h>

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
