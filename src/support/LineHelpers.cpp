#include "support/LineHelpers.h"

#include "support/TextCodec.h"
#include "support/TextFile.h"

#include <cctype>
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

int32_t ParseDecimalInt(const QByteArray& text)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && std::isspace(static_cast<unsigned char>(text.at(i))))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == '+' || text.at(i) == '-')) {
        negative = text.at(i) == '-';
        ++i;
    }
    int64_t value = 0;
    const int64_t cap = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    while (i < n && text.at(i) >= '0' && text.at(i) <= '9') {
        value = value * 10 + (text.at(i) - '0');
        if (value > cap)
            value = cap;
        ++i;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int32_t>::max())
        value = std::numeric_limits<int32_t>::max();
    return int32_t(value);
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
