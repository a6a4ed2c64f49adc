#pragma once
// Reading the lines of the sheet, screen and list files into fixed buffers:
// a line keeps at most bufferSize - 1 characters. The rest of a longer line is
// passed over, so that a hand-made overlong line never shifts every line after
// it by being taken for the next one.
#include <QByteArray>

class CTextReader;

// One line, its line feed cut. False at the end of the file.
bool ReadFieldLine(CTextReader& file, QByteArray& line, int bufferSize = 64);

// Cuts text to a fixed field of `size` bytes (sprite codes and entity names are
// 32), stopping at a line break or NUL so that a written field stays one line.
QByteArray FieldBytes(const QByteArray& text, int size);

// Line texts are recognised by containment ("[ENTITY]" anywhere on the line).
inline bool LineHas(const QByteArray& line, const char* text)
{
    return line.contains(text);
}

constexpr int kCodeLength = 32;
