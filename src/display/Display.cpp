#include "display/Display.h"

#include "support/NativeFile.h"

#include <QFile>
#include <QPainter>

#include <algorithm>

#include <cmath>
#include <cstring>

CDisplay::~CDisplay()
{
    Release();
}

HResult CDisplay::Initialise(void* window, int w, int h)
{
    m_window = window;
    width = w;
    height = h;
    Release();
    auto buffer = std::make_unique<CSurface>();
    if (buffer->Create(w, h) != S_OK)
        return E_FAIL;
    m_backBuffer = std::move(buffer);
    return S_OK;
}

HResult CDisplay::Release()
{
    m_backBuffer.reset();
    return S_OK;
}

HResult CDisplay::CreateSurface(std::unique_ptr<CSurface>* out, int w, int h)
{
    if (!IsReady())
        return E_POINTER;
    if (!out)
        return E_INVALIDARG;
    auto surface = std::make_unique<CSurface>();
    const HResult result = surface->Create(w, h);
    if (result != S_OK)
        return result;
    *out = std::move(surface);
    return S_OK;
}

HResult CDisplay::CreateSurfaceFromBitmap(std::unique_ptr<CSurface>* out, const QString& name)
{
    if (!out)
        return E_INVALIDARG;
    QImage bitmap(QStringLiteral(":/") + name);
    if (bitmap.isNull()) {
        // Opened by the bytes of its name: sheet names come from the lists.
        QFile file;
        if (OpenNativeFile(file, name, QIODevice::ReadOnly))
            bitmap.load(&file, nullptr);
    }
    if (bitmap.isNull())
        return E_FAIL;
    auto surface = std::make_unique<CSurface>();
    HResult result = surface->Create(bitmap.width(), bitmap.height());
    if (result == S_OK)
        result = surface->DrawBitmap(bitmap);
    if (result != S_OK)
        return result;
    *out = std::move(surface);
    return S_OK;
}

HResult CDisplay::Clear(uint32_t value)
{
    if (!m_backBuffer)
        return E_POINTER;
    m_backBuffer->Image().fill(uint(value & 0xFFFF));
    return S_OK;
}

void CDisplay::FillRect(uint32_t value, int left, int top, int right, int bottom)
{
    if (!m_backBuffer)
        return;
    left = qMax(left, 0);
    top = qMax(top, 0);
    right = qMin(right, m_backBuffer->Width());
    bottom = qMin(bottom, m_backBuffer->Height());
    for (int y = top; y < bottom; ++y) {
        uint16_t* row = m_backBuffer->Row(y);
        std::fill(row + left, row + qMax(left, right), uint16_t(value));
    }
}

void CDisplay::Line(int x1, int y1, int x2, int y2, uint32_t value)
{
    if (!m_backBuffer)
        return;
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    if (dx == 0 || dy == 0) {
        // A straight line sets the same pixels as the stepping below (from the
        // start up to, not including, the end), cut at the edges once.
        if (dx == 0 && dy == 0)
            return;
        const int w = m_backBuffer->Width();
        const int h = m_backBuffer->Height();
        if (dy == 0) {
            if (y1 < 0 || y1 >= h)
                return;
            const int from = qMax(dx > 0 ? x1 : x2 + 1, 0);
            const int to = qMin(dx > 0 ? x2 : x1 + 1, w);
            uint16_t* row = m_backBuffer->Row(y1);
            for (int x = from; x < to; ++x)
                row[x] = uint16_t(value);
        } else {
            if (x1 < 0 || x1 >= w)
                return;
            const int from = qMax(dy > 0 ? y1 : y2 + 1, 0);
            const int to = qMin(dy > 0 ? y2 : y1 + 1, h);
            if (from >= to)
                return;
            const qsizetype stride = m_backBuffer->Image().bytesPerLine() / qsizetype(sizeof(uint16_t));
            uint16_t* pixel = m_backBuffer->Row(from) + x1;
            for (int y = from; y < to; ++y, pixel += stride)
                *pixel = uint16_t(value);
        }
        return;
    }
    const bool mainIsY = std::abs(dy) > std::abs(dx);
    const int m = mainIsY ? dy : dx;
    const int o = mainIsY ? dx : dy;
    const double slope = m == 0 ? double(o) : double(o) / std::abs(m);
    const int step = m >= 0 ? 1 : -1;
    const int w = m_backBuffer->Width();
    const int h = m_backBuffer->Height();
    double a = 0.0;
    for (int i = 0; i != m; i += step, a += slope) {
        const int along = int(std::trunc(a));
        const int x = mainIsY ? x1 + along : x1 + i;
        const int y = mainIsY ? y1 + i : y1 + along;
        if (x >= 0 && x < w && y >= 0 && y < h)
            m_backBuffer->SetPixel(x, y, uint16_t(value));
    }
}

void CDisplay::Outline(int left, int top, int right, int bottom, uint32_t value)
{
    Line(left, top, right, top, value);
    Line(left, top, left, bottom, value);
    Line(right, top, right, bottom, value);
    Line(left, bottom, right, bottom, value);
}

HResult CDisplay::Text(const QFont* font, const QString& text, int x, int y, Colour background, Colour textColour)
{
    (void)background; // the background stays transparent
    if (!m_backBuffer)
        return E_POINTER;
    QPainter painter(&m_backBuffer->Image());
    QFont chosen = font ? *font : QFont(QStringLiteral("Sans Serif"));
    if (!font)
        chosen.setPixelSize(11);
    painter.setFont(chosen);
    painter.setPen(QColor(int(textColour & 0xFF), int((textColour >> 8) & 0xFF), int((textColour >> 16) & 0xFF)));
    painter.drawText(QRect(x, y, 4096, 4096), Qt::AlignLeft | Qt::AlignTop, text);
    return S_OK;
}

void CopySurface(const CSurface& source, const CRect& sourceRect, CSurface& destination, int x, int y, int scale,
                 const CRect& clip)
{
    if (scale < 1)
        return;
    // Clip the source rectangle to the source surface.
    CRect src = sourceRect;
    const int shiftX = qMax(0, -src.left);
    const int shiftY = qMax(0, -src.top);
    src.left += shiftX;
    src.top += shiftY;
    x += shiftX * scale;
    y += shiftY * scale;
    src.right = qMin(src.right, source.Width());
    src.bottom = qMin(src.bottom, source.Height());
    if (src.right <= src.left || src.bottom <= src.top)
        return;
    const int clipLeft = qMax(clip.left, 0);
    const int clipTop = qMax(clip.top, 0);
    const int clipRight = qMin(clip.right, destination.Width());
    const int clipBottom = qMin(clip.bottom, destination.Height());
    const bool keyed = source.colourKeyed;
    const uint16_t key = source.KeyValue();
    if (scale == 1) {
        // Unscaled copies (map previews, sprites) are most of every frame: cut
        // once, then copy whole rows, keeping the destination's pixel wherever
        // the source has the key (a form the compiler turns into vector code).
        const int left = qMax(x, clipLeft);
        const int top = qMax(y, clipTop);
        const int right = qMin(x + (src.right - src.left), clipRight);
        const int bottom = qMin(y + (src.bottom - src.top), clipBottom);
        const int count = right - left;
        for (int dy = top; dy < bottom && count > 0; ++dy) {
            const uint16_t* __restrict from = source.Row(src.top + (dy - y)) + src.left + (left - x);
            uint16_t* __restrict to = destination.Row(dy) + left;
            if (!keyed) {
                std::memcpy(to, from, size_t(count) * sizeof(uint16_t));
                continue;
            }
            int i = 0;
            for (; i + 16 <= count; i += 16)
                for (int k = i; k < i + 16; ++k)
                    to[k] = from[k] == key ? to[k] : from[k];
            for (; i < count; ++i)
                to[i] = from[i] == key ? to[i] : from[i];
        }
        return;
    }
    // Scaled copies (the designers' work surfaces, doubled onto the back
    // buffer) fill whole frames: each source pixel covers scale x scale
    // destination pixels. The source pixels whose block lies wholly inside the
    // clip are copied in a tight loop; only the ones cut by its edges are
    // checked pixel by pixel.
    const int64_t firstWhole = src.left + std::max<int64_t>(0, (int64_t(clipLeft) - x + scale - 1) / scale);
    const int64_t endWhole = std::min<int64_t>(src.right, src.left + (int64_t(clipRight) - x) / scale);
    for (int sy = src.top; sy < src.bottom; ++sy) {
        const uint16_t* srow = source.Row(sy);
        for (int ry = 0; ry < scale; ++ry) {
            const int dy = y + (sy - src.top) * scale + ry;
            if (dy < clipTop)
                continue;
            if (dy >= clipBottom)
                return;
            uint16_t* drow = destination.Row(dy);
            auto edgePixel = [&](int sx) {
                const uint16_t value = srow[sx];
                if (keyed && value == key)
                    return;
                const int dx0 = x + (sx - src.left) * scale;
                for (int rx = 0; rx < scale; ++rx) {
                    const int dx = dx0 + rx;
                    if (dx >= clipLeft && dx < clipRight)
                        drow[dx] = value;
                }
            };
            if (endWhole <= firstWhole) {
                for (int sx = src.left; sx < src.right; ++sx)
                    edgePixel(sx);
                continue;
            }
            for (int sx = src.left; sx < int(firstWhole); ++sx)
                edgePixel(sx);
            uint16_t* __restrict to = drow + x + (firstWhole - src.left) * scale;
            const uint16_t* __restrict from = srow + firstWhole;
            const int count = int(endWhole - firstWhole);
            if (scale == 2) {
                // Each source pixel becomes one 32-bit pair, kept or replaced
                // whole: a form the compiler turns into vector code.
                const uint32_t keyMask = keyed ? 0xFFFFFFFFu : 0;
                for (int i = 0; i < count; ++i) {
                    const uint32_t value = from[i];
                    const uint32_t pair = value | (value << 16);
                    uint32_t old;
                    std::memcpy(&old, to + 2 * i, sizeof old);
                    const uint32_t keep = keyMask & (0u - uint32_t(value == key));
                    const uint32_t out = (pair & ~keep) | (old & keep);
                    std::memcpy(to + 2 * i, &out, sizeof out);
                }
            } else {
                for (int i = 0; i < count; ++i) {
                    const uint16_t value = from[i];
                    if (keyed && value == key)
                        continue;
                    for (int rx = 0; rx < scale; ++rx)
                        to[i * scale + rx] = value;
                }
            }
            for (int sx = int(endWhole); sx < src.right; ++sx)
                edgePixel(sx);
        }
    }
}

HResult CDisplay::DrawSurface(int x, int y, const CSurface* surface, const CRect* source, int scale)
{
    if (!surface || !surface->IsValid())
        return E_INVALIDARG;
    if (!m_backBuffer)
        return E_POINTER;
    const CRect whole{0, 0, surface->Width(), surface->Height()};
    const CRect bounds{0, 0, m_backBuffer->Width(), m_backBuffer->Height()};
    CopySurface(*surface, source ? *source : whole, *m_backBuffer, x, y, scale, bounds);
    return S_OK;
}

HResult CDisplay::DrawSurfaceOverClear(const CSurface* surface, int scale, uint32_t background)
{
    if (!surface || !surface->IsValid() || scale < 1)
        return E_INVALIDARG;
    if (!m_backBuffer)
        return E_POINTER;
    const uint16_t fill = uint16_t(background);
    const uint16_t key = surface->KeyValue();
    const bool keyed = surface->colourKeyed;
    const int width = m_backBuffer->Width();
    const int covered = std::min<int64_t>(width, int64_t(surface->Width()) * scale);
    for (int dy = 0; dy < m_backBuffer->Height(); ++dy) {
        uint16_t* __restrict to = m_backBuffer->Row(dy);
        const int sy = dy / scale;
        if (sy >= surface->Height()) {
            std::fill(to, to + width, fill);
            continue;
        }
        const uint16_t* __restrict from = surface->Row(sy);
        if (scale == 2 && covered % 2 == 0) {
            // One 32-bit pair per source pixel, with no read of what was there.
            const uint32_t fillPair = uint32_t(fill) | (uint32_t(fill) << 16);
            // Rows of a 16-bit image start on 4-byte boundaries.
            using Pairs = uint32_t __attribute__((may_alias));
            Pairs* __restrict pairs = reinterpret_cast<Pairs*>(to);
            const int n = covered / 2;
            if (keyed) {
                for (int i = 0; i < n; ++i) {
                    const uint32_t value = from[i];
                    pairs[i] = value == key ? fillPair : value | (value << 16);
                }
            } else {
                for (int i = 0; i < n; ++i) {
                    const uint32_t value = from[i];
                    pairs[i] = value | (value << 16);
                }
            }
        } else {
            for (int dx = 0; dx < covered; ++dx) {
                const uint16_t value = from[dx / scale];
                to[dx] = keyed && value == key ? fill : value;
            }
        }
        std::fill(to + covered, to + width, fill);
    }
    return S_OK;
}

HResult CDisplay::DrawSurfaceOnto(int x, int y, const CSurface* source, CSurface* destination,
                                  const CRect* sourceRect, int scale, const CRect* clip)
{
    if (!source || !destination || !source->IsValid() || !destination->IsValid())
        return E_INVALIDARG;
    if (!source->colourKeyed)
        return E_FAIL;
    const CRect whole{0, 0, source->Width(), source->Height()};
    const CRect bounds{0, 0, destination->Width(), destination->Height()};
    CopySurface(*source, sourceRect ? *sourceRect : whole, *destination, x, y, scale, clip ? *clip : bounds);
    return S_OK;
}

HResult CDisplay::Present()
{
    if (!m_backBuffer)
        return E_POINTER;
    ++m_presentCount;
    if (m_presenter)
        m_presenter(m_backBuffer->Image());
    return S_OK;
}
