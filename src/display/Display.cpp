#include "display/BitmapFile.h"
#include "display/Display.h"
#include "display/LineBatch.h"
#include "display/VectorCode.h"
#include "support/io/NativeFile.h"

#include <QFile>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <vector>


namespace {
const QFont& DefaultTextFont()
{
    static const QFont font = [] {
        QFont chosen(QStringLiteral("Sans Serif"));
        chosen.setPixelSize(11);
        return chosen;
    }();
    return font;
}

// Every pixel a text in the default font can change, from its top-left
// position: its line box and its ink (from the baseline), with a margin for
// the edges of smoothed glyphs.
QRect DefaultTextBox(const QString& text)
{
    const QFontMetrics metrics(DefaultTextFont());
    const QRect line(0, 0, metrics.horizontalAdvance(text), metrics.height());
    const QRect ink = metrics.boundingRect(text).translated(0, metrics.ascent());
    constexpr int kMargin = 3;
    return line.united(ink).adjusted(-kMargin, -kMargin, kMargin, kMargin);
}
} // namespace

CDisplay::CDisplay() : m_texts(DefaultTextBox) {}

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
        // The file is found by the bytes of its name. The usual sheet bitmap
        // goes straight into the surface's pixels; a bitmap that ends early is
        // not loaded at all (Qt's reader would make its missing rows black).
        QFile file;
        if (!OpenNativeFile(file, name, QIODevice::ReadOnly) || !BitmapEndProblem(file).isEmpty())
            return E_FAIL;
        if (std::unique_ptr<CSurface> plain = ReadPlainBitmap(file)) {
            *out = std::move(plain);
            return S_OK;
        }
        file.seek(0);
        QImageReader reader(&file);
        bitmap = reader.read();
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
    if (m_backBuffer)
        m_backBuffer->FillPixels(uint16_t(value), left, top, right, bottom);
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
            const qsizetype stride = m_backBuffer->Stride();
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
    // Text starts at its top edge: below the back buffer nothing of it shows.
    if (y >= m_backBuffer->Height())
        return S_OK;
    const QColor pen(int(textColour & 0xFF), int((textColour >> 8) & 0xFF), int((textColour >> 16) & 0xFF));
    if (font) {
        QPainter painter(&m_backBuffer->Image());
        painter.setPen(pen);
        painter.setFont(*font);
        painter.drawText(QRect(x, y, 4096, 4096), Qt::AlignLeft | Qt::AlignTop, text);
        return S_OK;
    }
    const QFont& defaultFont = DefaultTextFont();
    if (m_texts.Reuse(*m_backBuffer, text, textColour, x, y))
        return S_OK;
    m_texts.DrawAndKeep(*m_backBuffer, text, textColour, x, y, [&] {
        QPainter painter(&m_backBuffer->Image());
        painter.setPen(pen);
        painter.setFont(defaultFont);
        constexpr qsizetype kLayoutsKept = 256;
        auto it = m_textLayouts.find(text);
        if (it == m_textLayouts.end()) {
            if (m_textLayouts.size() >= kLayoutsKept)
                m_textLayouts.clear();
            it = m_textLayouts.insert(text, QStaticText(text));
            it->setPerformanceHint(QStaticText::AggressiveCaching);
        }
        // Drawn from its top-left corner, as the text of a rectangle aligned to its top.
        painter.drawStaticText(x, y, *it);
    });
    return S_OK;
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

namespace {

// The surface scaled over the back buffer's rows [top, bottom) (a whole
// number of scaled rows from the top), its key pixels and the rest in the
// background value.
TESSELL_ROW_LOOP
void DrawOverClearLoop(const CSurface& surface, int scale, uint32_t background, CSurface& backBuffer, int top,
                       int bottom)
{
    const uint16_t fill = uint16_t(background);
    const uint16_t key = surface.KeyValue();
    const bool keyed = surface.colourKeyed;
    const int width = backBuffer.Width();
    const int covered = std::min<int64_t>(width, int64_t(surface.Width()) * scale);
    const qsizetype stride = backBuffer.Stride();
    uint16_t* const rows = backBuffer.Row(0);
    // Each scaled row is made once, in the first row it covers, and then
    // copied to the others: whole-row copies are the cheapest way to write the
    // back buffer.
    const int height = std::min(bottom, backBuffer.Height());
    for (int sy = top / scale; int64_t(sy) * scale < height; ++sy) {
        uint16_t* __restrict line = rows + qsizetype(sy) * scale * stride;
        if (sy < surface.Height()) {
            const uint16_t* __restrict from = surface.Row(sy);
            if (scale == 2 && covered % 2 == 0) {
                // Each source pixel twice; the key's pixels in the background.
                const int n = covered / 2;
                int i = 0;
                // Sixteen at a time: the key's pixels replaced, then each pixel
                // paired with itself in two blocks of sixteen (one AVX2
                // instruction each where the processor has it).
                const uint16_t keyValue = keyed ? key : 0;
                const uint16_t keyedBits = keyed ? 0xFFFF : 0;
                const Block16 keys = Block16{} + keyValue;
                const Block16 fills = Block16{} + fill;
                const Block16 keyedMask = Block16{} + keyedBits;
                for (; i + 16 <= n; i += 16) {
                    Block16 v;
                    std::memcpy(&v, from + i, sizeof v);
                    const Block16 isKey = (Block16)(v == keys) & keyedMask;
                    const Block16 shown = (isKey & fills) | (v & ~isKey);
                    const Block16 low = __builtin_shufflevector(shown, shown, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7);
                    const Block16 high =
                        __builtin_shufflevector(shown, shown, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 14, 14, 15, 15);
                    std::memcpy(line + 2 * i, &low, sizeof low);
                    std::memcpy(line + 2 * i + 16, &high, sizeof high);
                }
                for (; i < n; ++i) {
                    const uint16_t value = keyed && from[i] == key ? fill : from[i];
                    line[2 * i] = line[2 * i + 1] = value;
                }
            } else {
                for (int dx = 0; dx < covered; ++dx) {
                    const uint16_t value = from[dx / scale];
                    line[dx] = keyed && value == key ? fill : value;
                }
            }
            std::fill(line + covered, line + width, fill);
        } else {
            std::fill(line, line + width, fill); // below the surface: the background only
        }
        const int last = int(std::min<int64_t>(height, (int64_t(sy) + 1) * scale));
        for (int dy = sy * scale + 1; dy < last; ++dy)
            std::memcpy(rows + dy * stride, line, size_t(width) * sizeof(uint16_t));
    }
}

const auto DrawOverClearRows = ChooseRowLoop<DrawOverClearLoop>();

} // namespace

HResult CDisplay::DrawSurfaceOverClear(const CSurface* surface, int scale, uint32_t background, CLineBatch* lines)
{
    if (!surface || !surface->IsValid() || scale < 1)
        return E_INVALIDARG;
    if (!m_backBuffer)
        return E_POINTER;
    // In bands of a few dozen rows, each band taking its lines at once: a
    // line down the whole back buffer would otherwise fetch again every row
    // it crosses.
    const int band = scale * std::max(1, 32 / scale);
    bool banded = lines != nullptr;
    for (int top = 0; top < m_backBuffer->Height(); top += band) {
        DrawOverClearRows(*surface, scale, background, *m_backBuffer, top, top + band);
        if (banded)
            banded = lines->DrawRows(*this, top, top + band);
    }
    if (lines) {
        if (!banded)
            lines->DrawInto(*this);
        lines->Clear();
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
