#pragma once
// A pen for outlines on a surface: a colour, a width and a solid or dotted
// line. A pen of width w covers w pixels across each line, centred on it (the
// extra pixel of an even width lies before the line); a dotted pen draws two
// pixels and leaves two along each line.
#include "common/Rect.h"
#include "display/DisplayResult.h"

#include <vector>

class CSurface;

enum class PenStyle { Solid, Dotted };

struct CPen {
    Colour colour = 0;
    int width = 1;
    PenStyle style = PenStyle::Solid;
};

// Draws the closed outline through (left, top), (right, top), (right,
// bottom), (left, bottom) and back to (left, top) with the pen, cut at the
// surface's edges.
void DrawOutline(CSurface& surface, const CRect& rect, const CPen& pen);
// Draws the outline of every rectangle with the pen: the pixels of
// DrawOutline called for each (all of one value, so in any order), the edges
// running down drawn row by row across all of them.
void DrawOutlines(CSurface& surface, const std::vector<CRect>& rects, const CPen& pen);
