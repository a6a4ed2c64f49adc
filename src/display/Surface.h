#pragma once
// One image of the drawing layer: 16-bit pixels (5 bits red, 6 green, 5 blue)
// and an optional key colour whose pixels are left out when it is copied.
#include "common/Rect.h"
#include "display/DisplayResult.h"

#include <QImage>

#include <vector>

class CSurface {
public:
    // Makes the image; width and height must be positive.
    HResult Create(int width, int height);
    void Release();
    bool IsValid() const { return !m_image.isNull(); }

    // Kept beside the image (only Create and Release change them): the
    // drawing loops ask for them for every sprite they copy.
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Pixels from the start of one row to the start of the next.
    qsizetype Stride() const { return m_stride; }

    // Copies a bitmap (or the part from sx, sy of width x height; 0 means the
    // bitmap's own size), stretched, over the whole surface.
    HResult DrawBitmap(const QImage& bitmap, int sx = 0, int sy = 0, int width = 0, int height = 0);
    // Makes the colour the surface's key colour.
    HResult SetColourKey(Colour colour);
    HResult Fill(Colour colour);
    HResult FillRect(Colour colour, int left, int top, int right, int bottom);
    // The same with the surface's own pixel value, cut at the surface.
    void FillPixels(uint16_t value, int left, int top, int right, int bottom);
    // The surface's pixel value for a colour. kNoColour gives the pixel at (0, 0).
    uint32_t ConvertColour(Colour colour) const;

    bool colourKeyed = false;
    uint16_t KeyValue() const { return m_keyValue; }

    // How each row stands to the key value: all key, none, or some. Worked out
    // again when the pixels or the key changed since it was last asked (every
    // change to the pixels goes through the image, which counts its changes).
    enum RowKind : uint8_t { kSomeKeyRow, kAllKeyRow, kNoKeyRow };
    const uint8_t* KeyRowKinds() const;

    // Direct access to the pixels ("lock"): row-major 16-bit values.
    uint16_t* Row(int y) { return reinterpret_cast<uint16_t*>(m_image.scanLine(y)); }
    const uint16_t* Row(int y) const { return reinterpret_cast<const uint16_t*>(m_image.constScanLine(y)); }
    uint16_t Pixel(int x, int y) const { return Row(y)[x]; }
    void SetPixel(int x, int y, uint16_t value) { Row(y)[x] = value; }

    QImage& Image() { return m_image; }
    const QImage& Image() const { return m_image; }

    // Copies the whole of `source` stretched over the whole of this surface
    // (nearest pixel), ignoring key colours.
    HResult StretchFrom(const CSurface& source);

private:
    QImage m_image;
    int m_width = 0;
    int m_height = 0;
    qsizetype m_stride = 0;
    uint16_t m_keyValue = 0;
    mutable std::vector<uint8_t> m_rowKinds;
    mutable qint64 m_rowKindsImage = 0; // the image's cache key they were worked out for
    mutable uint16_t m_rowKindsKey = 0;
};

// The 16-bit value (5-6-5) of a colour with red in the low byte.
uint16_t ToPixel565(Colour colour);
