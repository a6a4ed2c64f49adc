#pragma once
// Reads the usual sprite sheet bitmap itself: an uncompressed Windows bitmap
// of 24 or 32 bits a pixel, straight into the 16-bit pixels of a surface,
// which gives the pixels of Qt's reader followed by CSurface::DrawBitmap in a
// fraction of the time. Every other bitmap is left to Qt's reader.
#include <QString>

#include <memory>

class CSurface;
class QIODevice;

// Whether a Windows bitmap ("BM") holds all the pixels its headers promise:
// an empty string when it does or when it is no Windows bitmap (another kind
// of picture is Qt's to read), otherwise why not, on one line ("The sheet
// bitmap ends early: its headers promise 196662 bytes, the file holds 1000").
// Qt's reader would show such a bitmap with its missing rows black, so no
// bitmap that ends early is loaded anywhere; the quest check and the build
// report it with this text. Reads only the headers; the device stays where
// it was.
QString BitmapEndProblem(QIODevice& device);

// The surface of the bitmap read from the device, or null when it is not such
// a bitmap whole (another kind, compressed, cut short or larger than Qt
// reads). Reads the headers and the rows, nothing past them.
std::unique_ptr<CSurface> ReadPlainBitmap(QIODevice& device);
