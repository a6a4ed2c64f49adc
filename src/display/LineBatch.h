#pragma once
// Lines gathered for one go over the back buffer. Drawing them sets exactly
// the pixels of CDisplay::Line called for each in the order they were added,
// but straight lines are walked row by row: a tall line written down its
// column touches a new stretch of memory at every pixel, while the rows of
// many lines side by side are written while they are at hand.
#include "common/Rect.h"

#include <cstdint>
#include <vector>

class CDisplay;
class CSurface;

class CLineBatch {
public:
    void Line(int x1, int y1, int x2, int y2, uint32_t value);
    // The four lines of CDisplay::Outline.
    void Outline(int left, int top, int right, int bottom, uint32_t value);
    // Draws every line added, in order, and forgets them.
    void DrawInto(CDisplay& display);
    // Draws the lines' pixels in the rows [top, bottom) only and keeps the
    // lines, when every line is straight (false, drawing nothing, otherwise):
    // rows that nothing drawn later reaches can take their lines while they
    // are at hand.
    bool DrawRows(CDisplay& display, int top, int bottom);
    // The same for the pixels inside `area` only: a block just drawn takes its
    // lines while its pixels are still in the nearest cache. Areas of one band
    // of rows, asked one after another, share the work of finding its lines.
    bool DrawWithin(CDisplay& display, const CRect& area);
    void Clear();
    bool Empty() const { return m_lines.empty(); }

    struct Added {
        int x1, y1, x2, y2;
        uint32_t value;
    };
    // A straight line cut at the back buffer: the pixels [left, right) x [top, bottom).
    struct Span {
        int left, top, right, bottom;
        uint16_t value;
    };
private:
    // The lines as spans over a surface of this size, false when a line slants.
    bool SpansFor(const CSurface& surface);

    std::vector<Added> m_lines;
    std::vector<Span> m_spans; // of m_lines, cut at a surface of m_spansWidth x m_spansHeight
    int m_spansWidth = -1;
    int m_spansHeight = -1;
    bool m_straight = false;
    std::vector<Span> m_band; // the spans that reach the rows [m_bandTop, m_bandBottom)
    int m_bandTop = 0;
    int m_bandBottom = 0;
};
