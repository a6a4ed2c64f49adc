#include "helpers/FileBytes.h"

QByteArray Lines(std::initializer_list<QByteArray> lines)
{
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + "\r\n";
    return out;
}

QByteArray WhitePreview()
{
    QByteArray bytes;
    for (int i = 0; i < 128 * 96; ++i)
        bytes += "65535\r\n";
    return bytes;
}
