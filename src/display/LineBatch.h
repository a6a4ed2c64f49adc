#pragma once
// Lines gathered for one go over the back buffer. Drawing them sets exactly
// the pixels of CDisplay::Line called for each in the order they were added,
// but straight lines are walked row by row: a tall line written down its
// column touches a new stretch of memory at every pixel, while the rows of
// many lines side by side are written while they are at hand.
#include <cstdint>
#include <vector>

class CDisplay;

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
    void Clear() { m_lines.clear(); }
    bool Empty() const { return m_lines.empty(); }

    struct Added {
        int x1, y1, x2, y2;
        uint32_t value;
    };
private:
    std::vector<Added> m_lines;
};
