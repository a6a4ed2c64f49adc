#include "quest/QuestMap.h"

#include <algorithm>
#include <limits>
#include <vector>

CQuestMap::CQuestMap()
{
    ResetGrid();
}

void CQuestMap::ResetGrid()
{
    // The grid is emptied where it lies: a fresh one would be a second
    // megabyte to map and touch at every open.
    m_cells.resize(kMapCellCount);
    for (int i = 0; i < kMapCellCount; ++i) {
        CMapCell& cell = m_cells[size_t(i)];
        cell = CMapCell();
        cell.x = (i % kMapColumns) * kCellWidth;
        cell.y = (i / kMapColumns) * kCellHeight;
    }
    groups.Clear();
    previews.Clear();
    ++m_generation;
}

const CSurface* CQuestMap::Preview(int column, int row)
{
    if (!ValidCellCoordinates(column, row))
        return nullptr;
    const CMapCell& cell = Cell(column, row);
    if (!cell.holdsScreen || cell.previewUnwritten)
        return nullptr;
    return previews.Preview(column, row);
}

void CQuestMap::SetScreen(int column, int row, bool holdsScreen)
{
    CMapCell& cell = Cell(column, row);
    cell.holdsScreen = holdsScreen;
    cell.previewUnwritten = false;
    previews.Forget(column, row);
}

CMapCell* CQuestMap::FindCellByMapPosition(int x, int y)
{
    if (x < 0 || y < 0 || x % kCellWidth != 0 || y % kCellHeight != 0)
        return nullptr;
    const int column = x / kCellWidth;
    const int row = y / kCellHeight;
    if (!ValidCellCoordinates(column, row))
        return nullptr;
    return &Cell(column, row);
}

int CQuestMap::ScreenCount() const
{
    return int(std::count_if(m_cells.begin(), m_cells.end(), [](const CMapCell& c) { return c.HoldsScreen(); }));
}

int CQuestMap::NextGroupId() const
{
    if (groups.Count() == 0)
        return 0;
    int largest = 0;
    for (CGroup* g : groups.groups)
        largest = std::max(largest, std::max(g->id, 0));
    if (largest < std::numeric_limits<int>::max())
        return largest + 1;
    // A hand-made map file may hold the largest id there is; then the new
    // group takes the smallest id no group has (there are fewer groups than ids).
    std::vector<int> ids;
    for (CGroup* g : groups.groups)
        ids.push_back(g->id);
    std::sort(ids.begin(), ids.end());
    int next = 0;
    for (int id : ids)
        if (id == next)
            ++next;
    return next;
}

CGroup* CQuestMap::FindGroupAt(int px, int py, int ox, int oy) const
{
    for (CGroup* g : groups.groups)
        if (g->Contains(px, py, ox, oy))
            return g;
    return nullptr;
}

CGroup* CQuestMap::SelectGroupAt(int px, int py, int ox, int oy)
{
    groups.selected = FindGroupAt(px, py, ox, oy);
    return groups.selected;
}

bool CQuestMap::RectangleOverlapsGroup(int left, int top, int right, int bottom) const
{
    for (CGroup* g : groups.groups) {
        const int l = std::max(left, g->left);
        const int t = std::max(top, g->top);
        const int r = std::min(right, g->right);
        const int b = std::min(bottom, g->bottom);
        if (l < r && t < b)
            return true;
    }
    return false;
}
