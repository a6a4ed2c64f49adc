#pragma once
// How the bytes of text files become strings and back. Files made by this
// program are UTF-8; files from elsewhere may hold single-byte text, which is
// read as Latin-1 so that no byte is lost.
#include <QByteArray>
#include <QString>

QString DecodeText(const QByteArray& bytes);
QByteArray EncodeText(const QString& text);
