#include "quest/QuestMap.h"

#include <algorithm>
#include <limits>
#include <new>
#include <type_traits>
#include <vector>

static_assert(std::is_trivially_copyable_v<CMapCell> && std::is_trivially_destructible_v<CMapCell>,
              "the grid's cells live in zeroed pages, never constructed or destroyed one by one");

CQuestMap::CQuestMap() : m_grid(MapZeroedPages(sizeof(CMapCell) * kMapCellCount, false))
{
    if (!m_grid.start)
        throw std::bad_alloc();
    m_cells = static_cast<CMapCell*>(m_grid.start);
}

CQuestMap::~CQuestMap()
{
    UnmapZeroedPages(m_grid);
}

void CQuestMap::ResetGrid()
{
    // Empty cells are zero bytes: the pages written since the grid was made
    // are handed back and read as zeros again.
    ZeroPages(m_grid);
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
    return int(std::count_if(m_cells, m_cells + kMapCellCount, [](const CMapCell& c) { return c.HoldsScreen(); }));
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
