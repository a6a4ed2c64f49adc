#include "support/io/FieldLine.h"

#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"

bool ReadFieldLine(CTextReader& file, QByteArray& line, int bufferSize)
{
    if (file.TakeLineWithin(line, bufferSize))
        return true;
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

QByteArray OneLine(const QByteArray& text)
{
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char c = text.at(at);
        if (c == '\r' || c == '\n' || c == '\0')
            return text.left(at);
    }
    return text;
}

QString OneLineText(const QString& text)
{
    const QByteArray bytes = EncodeText(text);
    const QByteArray line = OneLine(bytes);
    return line.size() == bytes.size() ? text : DecodeText(line);
}

QByteArray FieldBytes(const QByteArray& text, int size)
{
    return OneLine(text).left(size);
}

QByteArray TextFieldBytes(const QString& text, int limit)
{
    return CutBytes(OneLine(EncodeText(text)), limit);
}
