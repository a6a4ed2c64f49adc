#include "support/io/LineHelpers.h"

#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

void WriteIntLine(int32_t value, CTextWriter& file)
{
    file.Line(QByteArray::number(value));
}

void WriteFloatLine(float value, CTextWriter& file)
{
    file.Line(FloatText(value));
}

QByteArray FloatText(float value)
{
    // What "%f" prints in the C locale; std::to_chars never looks at the locale.
    char text[400]; // the longest float, 3.4e38, has 39 digits before the point
    const std::to_chars_result r = std::to_chars(text, text + sizeof text, double(value), std::chars_format::fixed, 6);
    return QByteArray(text, int(r.ptr - text));
}

void WriteTextLine(const QString& text, CTextWriter& file)
{
    file.Line(text);
}

namespace {

// White space as the C locale has it, whatever the user's locale says.
bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

int32_t ParseDecimalInt(const char* text, size_t length)
{
    const char* p = text;
    const char* const end = text + length;
    while (p < end && IsCSpace(*p))
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

float ParseDecimalFloat(const QByteArray& text)
{
    const char* p = text.constData();
    const char* end = p + text.size();
    while (p < end && IsCSpace(*p))
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    if (p == end || *p == '+' || *p == '-')
        return 0.0f;
    float value = 0.0f;
    const std::from_chars_result r = std::from_chars(p, end, value, std::chars_format::general);
    if (r.ec == std::errc::invalid_argument)
        return 0.0f;
    if (r.ec == std::errc::result_out_of_range) {
        // Too large gives infinity, too small zero, as the standard conversion does.
        double wide = 0.0;
        const std::from_chars_result w = std::from_chars(p, end, wide, std::chars_format::general);
        bool large = w.ec == std::errc() ? std::fabs(wide) >= 1.0 : false;
        if (w.ec == std::errc::result_out_of_range) {
            const char* e = std::find_if(p, w.ptr, [](char c) { return c == 'e' || c == 'E'; });
            large = e + 1 < w.ptr && e[1] != '-';
        }
        value = large ? std::numeric_limits<float>::infinity() : float(wide);
    }
    return negative ? -value : value;
}

float ReadFloatLine(CTextReader& file)
{
    QByteArray piece;
    if (!file.GetLine(piece, 32))
        return 0.0f;
    return ParseDecimalFloat(piece);
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
