#pragma once
// How the map draws a cell's block and a group's outline. The map designer
// draws its view with these, and the map image draws the whole map with them,
// so the two always look alike.
#include <cstdint>

class CDisplay;
class CLineBatch;
class CSurface;

// A cell's block with its top-left corner at (left, top): the picture copied
// with its key colour left out (what lies beneath shows through), or, without
// one, a black block holding a white one inset by 2 pixels on each side.
void DrawCellBlock(CDisplay& target, const CSurface* picture, int left, int top, int width, int height);

// A group's outline: its rectangle (in the pixels of a target of that size)
// drawn as two outlines inset by 2 and by 3 pixels, with the raw value, added
// to the lines drawn next into the target.
void DrawGroupOutline(CLineBatch& lines, int targetWidth, int targetHeight, int64_t left, int64_t top, int64_t right,
                      int64_t bottom, uint32_t value);

// The raw values the map outlines its groups with.
constexpr uint32_t kGroupOutlineValue = 255;
constexpr uint32_t kSelectedGroupOutlineValue = 65280;
