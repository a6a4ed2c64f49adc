#include "display/TextCache.h"

#include "display/VectorCode.h"

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

// Whether `w` pixels at `row` are the ones at `kept` (w at least 8): in
// blocks of eight, the last moved back to end with the row.
TESSELL_ROW_LOOP
bool SameRow(const uint16_t* row, const uint16_t* kept, int w)
{
    Block8 differ{};
    auto compare = [&](int at) {
        Block8 a, b;
        std::memcpy(&a, row + at, sizeof a);
        std::memcpy(&b, kept + at, sizeof b);
        differ |= a ^ b;
    };
    for (int i = 0; i + 8 <= w; i += 8)
        compare(i);
    compare(w - 8);
    uint64_t halves[2];
    std::memcpy(halves, &differ, sizeof halves);
    return (halves[0] | halves[1]) == 0;
}

// Puts the kept result into the w x h rectangle at `rows` when the pixels
// there are the kept ones under it; whether it did. A text's rectangle is a
// few dozen pixels wide: calls into the C library for each of its rows cost
// more than their work, so rows of eight pixels or more are done inline.
TESSELL_ROW_LOOP
bool PutWhereSameLoop(uint16_t* rows, qsizetype stride, int w, int h, const uint16_t* under, const uint16_t* result)
{
    const size_t bytes = size_t(w) * sizeof(uint16_t);
    const uint16_t* row = rows;
    for (int y = 0; y < h; ++y, row += stride) {
        const uint16_t* kept = under + size_t(y) * size_t(w);
        if (w >= 8 ? !SameRow(row, kept, w) : std::memcmp(row, kept, bytes) != 0)
            return false;
    }
    uint16_t* out = rows;
    for (int y = 0; y < h; ++y, out += stride) {
        const uint16_t* from = result + size_t(y) * size_t(w);
        if (w < 8) {
            std::memcpy(out, from, bytes);
            continue;
        }
        Block8 block;
        for (int i = 0; i + 8 <= w; i += 8) {
            std::memcpy(&block, from + i, sizeof block);
            std::memcpy(out + i, &block, sizeof block);
        }
        std::memcpy(&block, from + w - 8, sizeof block);
        std::memcpy(out + w - 8, &block, sizeof block);
    }
    return true;
}

const auto PutWhereSame = ChooseRowLoop<PutWhereSameLoop>();
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
    const size_t pixels = size_t(at.width()) * size_t(at.height());
    if (at.isEmpty() || kept->under.size() != pixels || kept->result.size() != pixels
        || !PutWhereSame(surface.Row(at.top()) + at.left(), Stride(surface), at.width(), at.height(),
                         kept->under.data(), kept->result.data()))
        return false;
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
