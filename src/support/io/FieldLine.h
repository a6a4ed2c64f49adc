#pragma once
// Reading the lines of the sheet, screen and list files into fixed buffers:
// a line keeps at most bufferSize - 1 characters. The rest of a longer line is
// passed over, so that a hand-made overlong line never shifts every line after
// it by being taken for the next one.
#include <QByteArray>
#include <QString>

class CTextReader;

// One line, its line feed cut. False at the end of the file.
bool ReadFieldLine(CTextReader& file, QByteArray& line, int bufferSize = 64);

// Every string field a writer puts on a line goes through OneLine: it is cut
// at its first CR, LF or NUL, so that a field stays one line and the fields
// after it stay where the readers look for them.
QByteArray OneLine(const QByteArray& text);
// The same for a string (a dialog's field).
QString OneLineText(const QString& text);

// Cuts text to a fixed field of `size` bytes (sprite codes and entity names are
// 32) after OneLine. The bytes are cut as they stand: codes are matched byte
// for byte between files.
QByteArray FieldBytes(const QByteArray& text, int size);

// A kept or typed string as a field of at most `limit` bytes, after OneLine:
// its bytes (see EncodeText), cut without splitting a UTF-8 character.
QByteArray TextFieldBytes(const QString& text, int limit);

// Line texts are recognised by containment ("[ENTITY]" anywhere on the line).
inline bool LineHas(const QByteArray& line, const char* text)
{
    return line.contains(text);
}

constexpr int kCodeLength = 32;
