#include "display/Surface.h"

#include "display/PixelMemory.h"
#include "display/VectorCode.h"

#include <QPainter>

uint16_t ToPixel565(Colour colour)
{
    const uint32_t r = colour & 0xFF;
    const uint32_t g = (colour >> 8) & 0xFF;
    const uint32_t b = (colour >> 16) & 0xFF;
    return uint16_t(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

HResult CSurface::Create(int width, int height)
{
    if (width <= 0 || height <= 0)
        return E_INVALIDARG;
    m_image = ZeroedImage(width, height, QImage::Format_RGB16);
    if (m_image.isNull()) {
        Release();
        return E_FAIL;
    }
    m_width = m_image.width();
    m_height = m_image.height();
    m_stride = m_image.bytesPerLine() / qsizetype(sizeof(uint16_t));
    colourKeyed = false;
    return S_OK;
}

void CSurface::Release()
{
    m_image = QImage();
    m_width = m_height = 0;
    m_stride = 0;
}

namespace {

// The bitmap's pixels over the whole surface, stretched by nearest pixel when
// the sizes differ.
TESSELL_ROW_LOOP
void ConvertBitmapLoop(const QImage& bitmap, CSurface& surface)
{
    const bool sameSize = bitmap.width() == surface.Width() && bitmap.height() == surface.Height();
    if (sameSize && (bitmap.format() == QImage::Format_RGB32 || bitmap.format() == QImage::Format_ARGB32)) {
        // What the bitmap reader gives for a sheet: read in place, no conversion.
        for (int y = 0; y < surface.Height(); ++y) {
            const QRgb* p = reinterpret_cast<const QRgb*>(bitmap.constScanLine(y));
            uint16_t* dst = surface.Row(y);
            for (int x = 0, w = surface.Width(); x < w; ++x)
                dst[x] = uint16_t(((uint32_t(qRed(p[x])) >> 3) << 11) | ((uint32_t(qGreen(p[x])) >> 2) << 5)
                                  | (uint32_t(qBlue(p[x])) >> 3));
        }
        return;
    }
    const QImage source =
        bitmap.format() == QImage::Format_RGB888 ? bitmap : bitmap.convertToFormat(QImage::Format_RGB888);
    if (sameSize) {
        // The usual case, a sheet loaded at its own size: row by row.
        for (int y = 0; y < surface.Height(); ++y) {
            const uchar* p = source.constScanLine(y);
            uint16_t* dst = surface.Row(y);
            for (int x = 0, w = surface.Width(); x < w; ++x, p += 3)
                dst[x] = uint16_t(((uint32_t(p[0]) >> 3) << 11) | ((uint32_t(p[1]) >> 2) << 5) | (uint32_t(p[2]) >> 3));
        }
        return;
    }
    // Plain copy of source pixels, stretched by nearest pixel.
    for (int y = 0; y < surface.Height(); ++y) {
        const int syy = int(int64_t(y) * source.height() / surface.Height());
        const uchar* src = source.constScanLine(syy);
        uint16_t* dst = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x) {
            const int sxx = int(int64_t(x) * source.width() / surface.Width());
            const uchar* p = src + sxx * 3;
            dst[x] = ToPixel565(Rgb(p[0], p[1], p[2]));
        }
    }
}

const auto ConvertBitmap = ChooseRowLoop<ConvertBitmapLoop>();

// `rows` rows of `count` pixels from `first`, each row `stride` pixels on,
// set to one value (in the baseline's 16-byte stores the screen designer's
// grey areas took a tenth of its frame).
TESSELL_ROW_LOOP
void FillRowsLoop(uint16_t* first, qsizetype stride, int count, int rows, uint16_t value)
{
    for (int r = 0; r < rows; ++r, first += stride) {
        uint16_t* __restrict row = first;
        for (int x = 0; x < count; ++x)
            row[x] = value;
    }
}

const auto FillRows = ChooseRowLoop<FillRowsLoop>();

} // namespace

HResult CSurface::DrawBitmap(const QImage& bitmap, int sx, int sy, int width, int height)
{
    if (bitmap.isNull() || m_image.isNull())
        return E_INVALIDARG;
    if (width == 0)
        width = bitmap.width();
    if (height == 0)
        height = bitmap.height();
    const bool whole = sx == 0 && sy == 0 && width == bitmap.width() && height == bitmap.height();
    ConvertBitmap(whole ? bitmap : bitmap.copy(sx, sy, width, height), *this);
    return S_OK;
}

HResult CSurface::SetColourKey(Colour colour)
{
    if (m_image.isNull())
        return E_FAIL;
    m_keyValue = uint16_t(ConvertColour(colour));
    colourKeyed = true;
    return S_OK;
}

HResult CSurface::Fill(Colour colour)
{
    if (m_image.isNull())
        return E_FAIL;
    m_image.fill(uint(ConvertColour(colour)));
    return S_OK;
}

HResult CSurface::FillRect(Colour colour, int left, int top, int right, int bottom)
{
    if (m_image.isNull())
        return E_FAIL;
    FillPixels(uint16_t(ConvertColour(colour)), left, top, right, bottom);
    return S_OK;
}

void CSurface::FillPixels(uint16_t value, int left, int top, int right, int bottom)
{
    left = qMax(left, 0);
    top = qMax(top, 0);
    right = qMin(right, Width());
    bottom = qMin(bottom, Height());
    if (left < right && top < bottom)
        FillRows(Row(top) + left, m_stride, right - left, bottom - top, value);
}

uint32_t CSurface::ConvertColour(Colour colour) const
{
    if (colour == kNoColour)
        return m_image.isNull() ? 0u : Pixel(0, 0);
    return ToPixel565(colour);
}

HResult CSurface::StretchFrom(const CSurface& source)
{
    if (m_image.isNull() || !source.IsValid())
        return E_INVALIDARG;
    for (int y = 0; y < Height(); ++y) {
        const uint16_t* src = source.Row(int(int64_t(y) * source.Height() / Height()));
        uint16_t* dst = Row(y);
        for (int x = 0; x < Width(); ++x)
            dst[x] = src[int64_t(x) * source.Width() / Width()];
    }
    return S_OK;
}

const uint8_t* CSurface::KeyRowKinds() const
{
    const qint64 image = m_image.cacheKey();
    if (m_rowKinds.size() != size_t(Height()) || m_rowKindsImage != image || m_rowKindsKey != m_keyValue) {
        m_rowKinds.resize(size_t(Height()));
        const int w = Width();
        for (int y = 0; y < Height(); ++y) {
            const uint16_t* row = Row(y);
            int keys = 0;
            for (int x = 0; x < w; ++x)
                keys += row[x] == m_keyValue;
            m_rowKinds[size_t(y)] = keys == 0 ? kNoKeyRow : keys == w ? kAllKeyRow : kSomeKeyRow;
        }
        m_rowKindsImage = image;
        m_rowKindsKey = m_keyValue;
    }
    return m_rowKinds.data();
}
