// Whole lines are taken at once where they fit the buffer; what a reader gives
// must be what reading the same bytes piece by piece gives.
#include "support/io/FieldLine.h"
#include "support/io/TextFile.h"

#include <gtest/gtest.h>

namespace {
// The plain way: the line read piece by piece, the rest of a longer line
// skipped.
QList<QByteArray> FieldLinesPieceByPiece(const QByteArray& bytes, int buffer)
{
    CTextReader file;
    file.OpenBytes(bytes);
    QList<QByteArray> lines;
    QByteArray piece;
    while (file.GetLine(piece, buffer)) {
        QByteArray rest = piece;
        while (!rest.endsWith('\n') && file.GetLine(rest, buffer)) {
        }
        lines << (piece.endsWith('\n') ? piece.chopped(1) : piece);
    }
    return lines;
}
} // namespace

TEST(TextReader, FieldLinesAreThePiecesThatEndTheirLines)
{
    const struct {
        QByteArray bytes;
        int buffer;
    } cases[] = {
        {"12\r\n-3\r\ncode\r\n\r\n", 32},
        {"abc\nd\n", 4},              // the line feed just past the buffer
        {"ab\nc\n", 4},               // the line feed the buffer's last byte
        {"abcdefgh\nxy\n", 4},        // a longer line cut, its rest skipped
        {QByteArray("a\0b\ncd\n", 7), 64},
        {QByteArray("ab\0\r\n\0\r\n", 8), 64},
        {"a\rb\r\r\nc\r", 64},        // lone CRs stay
        {"\r\n\r\nlast", 64},
        {"no end", 3},
        {"", 64},
    };
    for (const auto& c : cases) {
        CTextReader file;
        file.OpenBytes(c.bytes);
        QList<QByteArray> lines;
        QByteArray line;
        while (ReadFieldLine(file, line, c.buffer))
            lines << line;
        EXPECT_EQ(lines, FieldLinesPieceByPiece(c.bytes, c.buffer)) << c.bytes.toStdString() << " in " << c.buffer;
    }
}

TEST(TextReader, TurnsEveryCrLfIntoLfAndKeepsLoneCrs)
{
    const QByteArray cases[] = {"a\r\nb", "\r\r\n\r", "\r", "\r\n", "x\n\r\n\ry\r\n", "plain"};
    for (const QByteArray& bytes : cases) {
        CTextReader file;
        file.OpenBytes(bytes);
        QByteArray all;
        QByteArray piece;
        while (file.GetLine(piece, 1024))
            all += piece;
        EXPECT_EQ(all, QByteArray(bytes).replace("\r\n", "\n")) << bytes.toStdString();
    }
}
