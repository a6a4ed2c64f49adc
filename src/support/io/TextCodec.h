#pragma once
// How the bytes of text files become strings and back.
//
// Names, paths and texts read from a file are the file's bytes, and are
// written back and used to find files as those same bytes, whatever system
// made them. A string keeps them losslessly: UTF-8 is decoded as UTF-8, and
// every byte that is not part of a UTF-8 character is kept as one of the code
// units U+DC80..U+DCFF (byte 0x80..0xFF), which no UTF-8 text can decode to,
// so EncodeText gives back exactly the bytes DecodeText was given.
//
// What a person types is encoded as UTF-8 (TypedText makes sure nothing in it
// passes for a kept byte). What is shown to a person is decoded from UTF-8,
// falling back to Latin-1 when the bytes are not UTF-8 (DisplayText).
#include <QByteArray>
#include <QString>

QString DecodeText(const QByteArray& bytes);
QByteArray EncodeText(const QString& text);

// Whether a string holds a byte that is not part of a UTF-8 character.
bool HoldsRawBytes(const QString& text);

// Text as a person should see it: a string whose bytes are UTF-8 as it is;
// otherwise its bytes read as Latin-1.
QString DisplayText(const QString& text);
QString DisplayBytes(const QByteArray& bytes);

// Text a person typed or pasted, ready to be kept: lone surrogates (which
// could pass for kept bytes) become U+FFFD.
QString TypedText(const QString& typed);

// Whether the bytes are UTF-8. With `allowCutEnd`, a character that the end of
// the bytes cuts short still counts (the bytes are the first part of a line).
bool IsUtf8(const QByteArray& bytes, bool allowCutEnd = false);

// The first `limit` bytes of a field. When the bytes are UTF-8 the cut never
// splits a character: the character that does not fit is left out whole.
// Bytes that are not UTF-8 are cut at `limit` exactly.
QByteArray CutBytes(const QByteArray& bytes, int limit);
