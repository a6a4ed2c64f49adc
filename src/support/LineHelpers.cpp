#include "support/LineHelpers.h"

#include "support/TextCodec.h"
#include "support/TextFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

void WriteIntLine(int32_t value, CTextWriter& file)
{
    file.Line(QByteArray::number(value));
}

void WriteFloatLine(float value, CTextWriter& file)
{
    char text[512];
    std::snprintf(text, sizeof text, "%f", double(value));
    file.Line(QByteArray(text));
}

void WriteTextLine(const QString& text, CTextWriter& file)
{
    file.Line(text);
}

int32_t ParseDecimalInt(const char* text, size_t length)
{
    const char* p = text;
    const char* const end = text + length;
    while (p < end && std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-'))
        negative = *p++ == '-';
    // The digits as one unsigned number; a run too long for it is held at the
    // largest value, which the clamp below brings into 32 bits.
    uint64_t magnitude = 0;
    const std::from_chars_result read = std::from_chars(p, end, magnitude);
    if (read.ptr == p)
        return 0;
    if (read.ec == std::errc::result_out_of_range)
        magnitude = std::numeric_limits<uint64_t>::max();
    const uint64_t limit = negative ? uint64_t(std::numeric_limits<int32_t>::max()) + 1
                                    : uint64_t(std::numeric_limits<int32_t>::max());
    const int64_t value = int64_t(std::min(magnitude, limit));
    return int32_t(negative ? -value : value);
}

int32_t ParseDecimalInt(const QByteArray& text)
{
    return ParseDecimalInt(text.constData(), size_t(text.size()));
}

int32_t ReadIntLine(CTextReader& file)
{
    QByteArray piece;
    if (!file.GetLine(piece, 32))
        return 0;
    return ParseDecimalInt(piece);
}

float ReadFloatLine(CTextReader& file)
{
    QByteArray piece;
    if (!file.GetLine(piece, 32))
        return 0.0f;
    return std::strtof(piece.constData(), nullptr);
}

int ReadTextLine(char* buffer, int size, CTextReader& file)
{
    QByteArray piece;
    if (!file.GetLine(piece, 64))
        return 0;
    piece = StripLineFeed(piece);
    if (piece.size() >= size) {
        std::memcpy(buffer, piece.constData(), size_t(size));
    } else {
        std::memcpy(buffer, piece.constData(), size_t(piece.size()));
        buffer[piece.size()] = '\0';
    }
    return 1;
}

int ReadByteLine(QByteArray& text, CTextReader& file, int bufferSize)
{
    QByteArray piece;
    if (!file.GetLine(piece, bufferSize))
        return 0;
    text = StripLineFeed(piece);
    return 1;
}

int ReadStringLine(QString& text, CTextReader& file)
{
    QByteArray bytes;
    if (!ReadByteLine(bytes, file))
        return 0;
    text = DecodeText(bytes);
    return 1;
}
