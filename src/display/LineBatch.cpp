#include "display/LineBatch.h"

#include "display/Display.h"

#include <algorithm>
#include <limits>

namespace {
using Span = CLineBatch::Span;

// Draws the spans so that every pixel ends with the value of the last span
// over it: row by row, each row's spans in the order they were added.
void DrawRowByRow(CSurface& surface, const std::vector<Span>& spans)
{
    if (spans.empty())
        return;
    std::vector<int> byTop(spans.size());
    for (size_t i = 0; i < spans.size(); ++i)
        byTop[i] = int(i);
    std::stable_sort(byTop.begin(), byTop.end(), [&](int a, int b) { return spans[a].top < spans[b].top; });
    std::vector<int> active; // in the order added
    const qsizetype stride = surface.Stride();
    uint16_t* rows = surface.Row(0);
    size_t next = 0;
    int firstEnd = std::numeric_limits<int>::max(); // the first row past an active span
    int y = spans[size_t(byTop[0])].top;
    while (next < byTop.size() || !active.empty()) {
        if (active.empty())
            y = std::max(y, spans[size_t(byTop[next])].top);
        bool changed = false;
        for (; next < byTop.size() && spans[size_t(byTop[next])].top == y; ++next) {
            active.push_back(byTop[next]);
            firstEnd = std::min(firstEnd, spans[size_t(byTop[next])].bottom);
            changed = true;
        }
        if (changed)
            std::sort(active.begin(), active.end());
        uint16_t* row = rows + qsizetype(y) * stride;
        for (int i : active) {
            const Span& s = spans[size_t(i)];
            if (s.right - s.left == 1)
                row[s.left] = s.value;
            else
                std::fill(row + s.left, row + s.right, s.value);
        }
        ++y;
        if (y < firstEnd)
            continue;
        active.erase(std::remove_if(active.begin(), active.end(), [&](int i) { return spans[size_t(i)].bottom <= y; }),
                     active.end());
        firstEnd = std::numeric_limits<int>::max();
        for (int i : active)
            firstEnd = std::min(firstEnd, spans[size_t(i)].bottom);
    }
}
} // namespace

void CLineBatch::Line(int x1, int y1, int x2, int y2, uint32_t value)
{
    m_lines.push_back({x1, y1, x2, y2, value});
    m_spansWidth = -1;
}

void CLineBatch::Clear()
{
    m_lines.clear();
    m_spansWidth = -1;
}

void CLineBatch::Outline(int left, int top, int right, int bottom, uint32_t value)
{
    Line(left, top, right, top, value);
    Line(left, top, left, bottom, value);
    Line(right, top, right, bottom, value);
    Line(left, bottom, right, bottom, value);
}

// The pixels of a straight line, as Line sets them (from the start up to, not
// including, the end), cut at the surface and to the rows [top, bottom).
// False for a slanting line.
static bool StraightSpan(const CLineBatch::Added& line, int w, int top, int bottom, Span* out)
{
    const int dx = line.x2 - line.x1;
    const int dy = line.y2 - line.y1;
    if (dx != 0 && dy != 0)
        return false;
    Span s{};
    s.value = uint16_t(line.value);
    if (dy == 0) {
        s.top = line.y1;
        s.bottom = line.y1 + 1;
        s.left = dx > 0 ? line.x1 : line.x2 + 1;
        s.right = dx > 0 ? line.x2 : line.x1 + 1;
    } else {
        s.left = line.x1;
        s.right = line.x1 + 1;
        s.top = dy > 0 ? line.y1 : line.y2 + 1;
        s.bottom = dy > 0 ? line.y2 : line.y1 + 1;
    }
    if (dx == 0 && dy == 0)
        s.right = s.left; // no pixel
    s.left = std::max(s.left, 0);
    s.top = std::max(s.top, top);
    s.right = std::min(s.right, w);
    s.bottom = std::min(s.bottom, bottom);
    *out = s;
    return true;
}

void CLineBatch::DrawInto(CDisplay& display)
{
    CSurface* surface = display.BackBuffer();
    if (!surface) {
        Clear();
        return;
    }
    std::vector<Span> spans;
    for (const Added& line : m_lines) {
        Span s;
        if (!StraightSpan(line, surface->Width(), 0, surface->Height(), &s)) {
            // A slanting line keeps its place in the order: what came before is drawn first.
            DrawRowByRow(*surface, spans);
            spans.clear();
            display.Line(line.x1, line.y1, line.x2, line.y2, line.value);
        } else if (s.left < s.right && s.top < s.bottom) {
            spans.push_back(s);
        }
    }
    DrawRowByRow(*surface, spans);
    Clear();
}

bool CLineBatch::DrawRows(CDisplay& display, int top, int bottom)
{
    CSurface* surface = display.BackBuffer();
    if (!surface)
        return false;
    std::vector<Span> spans;
    for (const Added& line : m_lines) {
        Span s;
        if (!StraightSpan(line, surface->Width(), std::max(top, 0), std::min(bottom, surface->Height()), &s))
            return false;
        if (s.left < s.right && s.top < s.bottom)
            spans.push_back(s);
    }
    DrawRowByRow(*surface, spans);
    return true;
}

bool CLineBatch::SpansFor(const CSurface& surface)
{
    if (m_spansWidth == surface.Width() && m_spansHeight == surface.Height())
        return m_straight;
    m_spansWidth = surface.Width();
    m_spansHeight = surface.Height();
    m_spans.clear();
    m_band.clear();
    m_bandTop = m_bandBottom = 0;
    m_straight = true;
    for (const Added& line : m_lines) {
        Span s;
        if (!StraightSpan(line, m_spansWidth, 0, m_spansHeight, &s)) {
            m_straight = false;
            m_spans.clear();
            break;
        }
        if (s.left < s.right && s.top < s.bottom)
            m_spans.push_back(s);
    }
    return m_straight;
}

bool CLineBatch::DrawWithin(CDisplay& display, const CRect& area)
{
    CSurface* surface = display.BackBuffer();
    if (!surface || !SpansFor(*surface))
        return false;
    const int top = std::max(area.top, 0);
    const int bottom = std::min(area.bottom, m_spansHeight);
    const int left = std::max(area.left, 0);
    const int right = std::min(area.right, m_spansWidth);
    if (top >= bottom || left >= right)
        return true;
    if (top != m_bandTop || bottom != m_bandBottom) {
        m_bandTop = top;
        m_bandBottom = bottom;
        m_band.clear();
        for (Span s : m_spans) {
            s.top = std::max(s.top, top);
            s.bottom = std::min(s.bottom, bottom);
            if (s.top < s.bottom)
                m_band.push_back(s);
        }
    }
    // Spans drawn whole, one after another, leave every pixel with the value
    // of the last over it; within an area that fits the cache no order of
    // rows is cheaper.
    const qsizetype stride = surface->Stride();
    uint16_t* rows = surface->Row(0);
    for (const Span& s : m_band) {
        const int from = std::max(s.left, left);
        const int to = std::min(s.right, right);
        if (from >= to)
            continue;
        // (The value is read once: a store through the row could be a store
        // to the span, as far as the compiler knows.)
        const uint16_t value = s.value;
        uint16_t* row = rows + qsizetype(s.top) * stride;
        if (to - from == 1)
            for (int y = s.top; y < s.bottom; ++y, row += stride)
                row[from] = value;
        else
            for (int y = s.top; y < s.bottom; ++y, row += stride)
                std::fill(row + from, row + to, value);
    }
    return true;
}
