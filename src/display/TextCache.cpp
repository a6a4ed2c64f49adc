#include "display/TextCache.h"

#include <cstring>

namespace {
// Texts kept at most: a frame draws a few labels and status lines.
constexpr qsizetype kKeptTexts = 256;

qsizetype Stride(const CSurface& surface)
{
    return surface.Stride();
}

void Read(const CSurface& surface, const QRect& at, std::vector<uint16_t>& out)
{
    const size_t w = size_t(at.width());
    out.resize(w * size_t(at.height()));
    const uint16_t* row = surface.Row(at.top()) + at.left();
    for (int y = 0; y < at.height(); ++y, row += Stride(surface))
        std::memcpy(out.data() + size_t(y) * w, row, w * sizeof(uint16_t));
}

bool Same(const CSurface& surface, const QRect& at, const std::vector<uint16_t>& pixels)
{
    const size_t w = size_t(at.width());
    if (pixels.size() != w * size_t(at.height()))
        return false;
    const uint16_t* row = surface.Row(at.top()) + at.left();
    for (int y = 0; y < at.height(); ++y, row += Stride(surface))
        if (std::memcmp(pixels.data() + size_t(y) * w, row, w * sizeof(uint16_t)))
            return false;
    return true;
}
} // namespace

QRect CTextCache::Placed(const CSurface& surface, const QRect& box, int x, int y)
{
    const QRect at = box.translated(x, y);
    const QRect whole(0, 0, surface.Width(), surface.Height());
    return whole.contains(at) ? at : QRect();
}

bool CTextCache::Reuse(CSurface& surface, const QString& text, Colour colour, int x, int y)
{
    // One look-up: what was kept holds the text's rectangle too.
    const auto kept = m_kept.constFind(Key{text, colour});
    if (kept == m_kept.cend())
        return false;
    const QRect at = Placed(surface, kept->box, x, y);
    if (at.isEmpty() || !Same(surface, at, kept->under))
        return false;
    const size_t w = size_t(at.width());
    uint16_t* row = surface.Row(at.top()) + at.left();
    for (int y = 0; y < at.height(); ++y, row += Stride(surface))
        std::memcpy(row, kept->result.data() + size_t(y) * w, w * sizeof(uint16_t));
    ++m_reused;
    return true;
}

void CTextCache::DrawAndKeep(CSurface& surface, const QString& text, Colour colour, int x, int y,
                             const std::function<void()>& draw)
{
    auto box = m_boxes.find(text);
    if (box == m_boxes.end()) {
        if (m_boxes.size() >= kKeptTexts)
            m_boxes.clear();
        box = m_boxes.insert(text, m_measure(text));
    }
    const QRect at = Placed(surface, *box, x, y);
    if (at.isEmpty()) {
        draw();
        return;
    }
    Kept kept;
    kept.box = *box;
    Read(surface, at, kept.under);
    draw();
    Read(surface, at, kept.result);
    if (m_kept.size() >= kKeptTexts)
        m_kept.clear();
    m_kept.insert(Key{text, colour}, std::move(kept));
}
