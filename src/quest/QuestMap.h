#pragma once
// The quest map model: 256 x 256 cells in grid order (row by row), the groups
// and the quest properties.
#include "quest/Group.h"
#include "quest/MapCell.h"
#include "quest/PreviewCache.h"
#include "quest/QuestProperties.h"
#include "support/platform/ZeroedPages.h"


class CQuestMap {
public:
    CQuestMap();
    ~CQuestMap();
    CQuestMap(const CQuestMap&) = delete;
    CQuestMap& operator=(const CQuestMap&) = delete;

    // Empties every cell (previews dropped) and the group list.
    void ResetGrid();
    void ResetProperties() { properties = QuestProperties(); }
    void NewModel()
    {
        ResetGrid();
        ResetProperties();
    }

    CMapCell& Cell(int column, int row) { return m_cells[size_t(row) * kMapColumns + size_t(column)]; }
    const CMapCell& Cell(int column, int row) const { return m_cells[size_t(row) * kMapColumns + size_t(column)]; }
    CMapCell& CellAt(int index) { return m_cells[size_t(index)]; }
    const CMapCell& CellAt(int index) const { return m_cells[size_t(index)]; }
    // Where a cell of this grid lies: its index in grid order, its column and row.
    int IndexOf(const CMapCell& cell) const { return int(&cell - m_cells); }
    int ColumnOf(const CMapCell& cell) const { return IndexOf(cell) % kMapColumns; }
    int RowOf(const CMapCell& cell) const { return IndexOf(cell) / kMapColumns; }
    // The first cell in grid order at exactly this map position, or none.
    CMapCell* FindCellByMapPosition(int x, int y);
    static bool ValidCellCoordinates(int column, int row) { return IsMapCell(column, row); }
    int ScreenCount() const;

    // The picture of the cell's screen, read when it is not held: null for a
    // cell without a screen, one whose preview could not be written and one
    // whose preview file no longer opens. Each is drawn as an empty cell.
    const CSurface* Preview(int column, int row);
    // The cell holds a screen whose preview is in the file now, read again when
    // next drawn; or holds none.
    void SetScreen(int column, int row, bool holdsScreen);

    CPreviewCache previews;
    // Counts the grid's resets: what was found on the old grid is stale.
    unsigned Generation() const { return m_generation; }

    // 0 for no groups, else one more than the largest id (ids below 0 count as 0);
    // when the largest id is the largest int, the smallest id no group has.
    int NextGroupId() const;
    CGroup* FindGroupAt(int px, int py, int ox = 0, int oy = 0) const;
    CGroup* SelectGroupAt(int px, int py, int ox = 0, int oy = 0);
    // Whether the rectangle, taken half-open, shares any area with a group.
    bool RectangleOverlapsGroup(int left, int top, int right, int bottom) const;

    CGroupList groups;
    QuestProperties properties;

private:
    // Half a megabyte of zeroed pages: only the pages of cells that hold a
    // screen are ever written, and an emptied grid gives its pages back.
    ZeroedPages m_grid;
    CMapCell* m_cells = nullptr;
    unsigned m_generation = 0;
};
