#pragma once
// One cell of the quest map. A cell holds a screen exactly when it has a
// preview; there is no other mark of a used cell.
#include "display/Surface.h"

#include <cstdint>
#include <memory>

class CMapCell {
public:
    int32_t x = -999;    // map position: column x 128
    int32_t y = -999;    // map position: row x 96
    int32_t inside = 0;  // the screen is in a room or dungeon
    std::unique_ptr<CSurface> preview;

    bool HoldsScreen() const { return preview != nullptr; }
    int Column() const { return x / 128; }
    int Row() const { return y / 96; }
};

constexpr int kMapColumns = 256;
constexpr int kMapRows = 256;
constexpr int kMapCellCount = kMapColumns * kMapRows;
constexpr int kCellWidth = 128;  // a cell's block on the map, in map units
constexpr int kCellHeight = 96;
constexpr int kScreenWidth = 320; // a screen in world units
constexpr int kScreenHeight = 240;
