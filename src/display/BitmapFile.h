#pragma once
// Reads the usual sprite sheet bitmap itself: an uncompressed Windows bitmap
// of 24 or 32 bits a pixel, straight into the 16-bit pixels of a surface,
// which gives the pixels of Qt's reader followed by CSurface::DrawBitmap in a
// fraction of the time. Every other bitmap is left to Qt's reader.
#include <memory>

class CSurface;
class QIODevice;

// The surface of the bitmap read from the device, or null when it is not such
// a bitmap whole (another kind, compressed, cut short or larger than Qt
// reads). Reads the headers and the rows, nothing past them.
std::unique_ptr<CSurface> ReadPlainBitmap(QIODevice& device);

// Whether the device holds a Windows bitmap whose headers or pixels (and so
// its colour table) the end of the file cuts short: such a file is not loaded by any
// reader (Qt's would make up the missing rows). Other files are left to the
// readers to judge. Reads from the device's start.
bool BitmapCutShort(QIODevice& device);
