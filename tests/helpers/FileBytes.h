#pragma once
// Bytes of the files the tests write and expect.
#include <QByteArray>

#include <initializer_list>

// The lines of a text file as the program writes it: each ended by CR LF.
QByteArray Lines(std::initializer_list<QByteArray> lines);

// A preview file of a 128 x 96 thumbnail that is white all over.
QByteArray WhitePreview();
