#pragma once
// The line-oriented helpers every text format of the program is read and
// written with: one value per line, integers "%d", floats "%f", always in the
// C form (a point before six decimals) whatever the user's locale.
#include <QByteArray>
#include <QString>

#include <cstdint>

class CTextReader;
class CTextWriter;

void WriteIntLine(int32_t value, CTextWriter& file);
void WriteFloatLine(float value, CTextWriter& file);
void WriteTextLine(const QString& text, CTextWriter& file);

// Reads one line of at most 31 characters as a decimal integer (leading blanks,
// an optional sign, digits up to the first other character). 0 at the end of
// the file or without digits.
int32_t ReadIntLine(CTextReader& file);
// The same for a floating-point number; 0.0 at the end of the file.
float ReadFloatLine(CTextReader& file);
// Reads one line of at most 63 characters, line feed cut. When the text has at
// least `size` characters only its first `size` are copied and no terminating
// zero is added; otherwise the text and its zero are copied. 0 at the end of the
// file (the buffer untouched), else 1.
int ReadTextLine(char* buffer, int size, CTextReader& file);
// Reads one line of at most 63 characters, line feed cut, into a string.
// 0 at the end of the file, else 1.
int ReadStringLine(QString& text, CTextReader& file);
// The same, keeping the raw bytes.
int ReadByteLine(QByteArray& text, CTextReader& file, int bufferSize = 64);

// The standard decimal conversion used by every integer field: leading white
// space, an optional sign, digits up to the first other character; 0 without
// digits. Values beyond 32 bits are held at the nearest 32-bit limit.
int32_t ParseDecimalInt(const QByteArray& text);
int32_t ParseDecimalInt(const char* text, size_t length);
// The same for a floating-point number: leading white space, an optional sign,
// a decimal number with a point and an optional exponent, up to the first other
// character; 0 without one. Too large a value gives infinity.
float ParseDecimalFloat(const QByteArray& text);
// A float as "%f" writes it in the C locale: "5.000000", "-0.250000".
QByteArray FloatText(float value);
