#pragma once
// One cell of the quest map: whether it holds a screen and the screen's
// inside flag. Its picture is the screen's preview file, which the map reads
// when the cell is drawn (CQuestMap::Preview). Its place is its place in the
// grid (CQuestMap::ColumnOf, RowOf); an empty cell is all zero bytes, so that
// a grid of empty cells is memory the map never has to write.
#include <cstdint>

class CMapCell {
public:
    int32_t inside = 0; // the screen is in a room or dungeon
    // Set when the screen's preview file opened as the map was loaded (or
    // the screen was saved, moved or copied here); a screen whose preview
    // does not open is not on the map.
    bool holdsScreen = false;
    // The screen is on the map but its preview file could not be written: it
    // is drawn as a cell without one, whatever an older file holds.
    bool previewUnwritten = false;

    bool HoldsScreen() const { return holdsScreen; }
};

constexpr int kMapColumns = 256;
constexpr int kMapRows = 256;
constexpr int kMapCellCount = kMapColumns * kMapRows;
constexpr int kCellWidth = 128;  // a cell's block on the map, in map units
constexpr int kCellHeight = 96;
constexpr int kScreenWidth = 320; // a screen in world units
constexpr int kScreenHeight = 240;

// Whether (column, row) is a cell of the map.
constexpr bool IsMapCell(int column, int row)
{
    return column >= 0 && column < kMapColumns && row >= 0 && row < kMapRows;
}
// The top-left corner, in map units, of the cell at `index` in grid order.
constexpr int CellLeft(int index)
{
    return index % kMapColumns * kCellWidth;
}
constexpr int CellTop(int index)
{
    return index / kMapColumns * kCellHeight;
}
