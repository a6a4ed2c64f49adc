#pragma once
// Reads the usual sprite sheet bitmap itself: an uncompressed Windows bitmap
// of 24 or 32 bits a pixel, straight into the 16-bit pixels of a surface,
// which gives the pixels of Qt's reader followed by CSurface::DrawBitmap in a
// fraction of the time. Every other bitmap is left to Qt's reader.
#include <QByteArray>

#include <memory>

class CSurface;

// The surface of the bitmap's bytes, or null when they are not such a bitmap
// whole (another kind, compressed, cut short or of an absurd size).
std::unique_ptr<CSurface> ReadPlainBitmap(const QByteArray& bytes);
