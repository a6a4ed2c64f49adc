#include "support/FieldLine.h"

#include "support/TextFile.h"

bool ReadFieldLine(CTextReader& file, QByteArray& line, int bufferSize)
{
    QByteArray piece;
    if (!file.GetLine(piece, bufferSize))
        return false;
    if (piece.endsWith('\n')) {
        piece.chop(1);
    } else {
        QByteArray rest;
        while (file.GetLine(rest, bufferSize) && !rest.endsWith('\n')) {
        }
    }
    line = piece;
    return true;
}

QByteArray FieldBytes(const QByteArray& text, int size)
{
    QByteArray field = text;
    for (const char stop : {'\r', '\n', '\0'}) {
        const int at = int(field.indexOf(stop));
        if (at >= 0)
            field.truncate(at);
    }
    field.truncate(size);
    return field;
}
