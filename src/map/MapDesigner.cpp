#include "map/MapDesigner.h"

#include "common/DialogResults.h"
#include "display/Display.h"
#include "display/LineBatch.h"
#include "map/MapDialogPort.h"
#include "map/MapHost.h"
#include "quest/MapDrawing.h"
#include "quest/QuestFolder.h"
#include "support/paths/QuestPaths.h"
#include "support/ui/MessagePort.h"
#include "support/ui/WindowPort.h"

#include <algorithm>
#include <cstdlib>

CMapDesigner::CMapDesigner(CQuest& quest, CMessagePort& messages, CWindowPort& window, CMapDialogPort& dialogs,
                           CMapHost* host)
    : m_quest(quest), m_messages(messages), m_window(window), m_dialogs(dialogs), m_host(host)
{
    // A few previews at a time, so that input is never kept waiting.
    m_readAround.setInterval(0);
    QObject::connect(&m_readAround, &QTimer::timeout, [this] {
        if (!IsActive() || !ReadPreviewsAround(8))
            m_readAround.stop();
    });
}

CMapDesigner::~CMapDesigner() = default;

bool CMapDesigner::IsActive() const
{
    return !m_host || m_host->MapDesignerActive();
}

void CMapDesigner::ScrollTo(int32_t x, int32_t y)
{
    m_scrollX = std::clamp(x, 0, kScrollLimitX);
    m_scrollY = std::clamp(y, 0, kScrollLimitY);
}

void CMapDesigner::activate()
{
    m_window.SetMenu(kMapMenu);
}

void CMapDesigner::RebuildVisibleCells()
{
    m_visibleCells.fill(nullptr);
    m_visibleCount = 0;
    const int i0 = m_scrollX / kCellWidth - 1;
    const int j0 = m_scrollY / kCellHeight - 1;
    for (int j = j0; j <= j0 + 9; ++j)
        for (int i = i0; i <= i0 + 9; ++i)
            if (CQuestMap::ValidCellCoordinates(i, j))
                m_visibleCells[size_t(m_visibleCount++)] = &m_quest.map.Cell(i, j);
}

void CMapDesigner::draw(CDisplay* target)
{
    if (!target || !target->IsReady())
        return;
    RebuildVisibleCells();
    // The outlines go over the view last, in this order.
    CLineBatch lines;
    if (m_drag.dragging) {
        lines.Outline(m_drag.x1 + 4, m_drag.y1 + 4, m_drag.x2 - 4, m_drag.y2 - 4, 255);
        lines.Outline(m_drag.x1 + 5, m_drag.y1 + 5, m_drag.x2 - 5, m_drag.y2 - 5, 255);
    }
    for (CGroup* group : m_quest.map.groups.groups)
        DrawGroupInView(lines, *target, *group, kGroupOutlineValue);
    if (m_quest.map.groups.selected)
        DrawGroupInView(lines, *target, *m_quest.map.groups.selected, kSelectedGroupOutlineValue);
    // Each block takes its outlines as soon as it is drawn, while its pixels
    // are at hand (the view is more than the cache holds); the view beyond the
    // blocks takes them last. Blocks never overlap, so every pixel ends as if
    // the outlines were drawn over the whole view at the end.
    bool straight = true;
    CRect blocks{target->width, target->height, 0, 0}; // the blocks' union
    for (int k = 0; k < m_visibleCount; ++k) {
        const CMapCell& cell = *m_visibleCells[size_t(k)];
        const CRect block{BlockLeft(cell), BlockTop(cell), BlockLeft(cell) + kCellWidth, BlockTop(cell) + kCellHeight};
        blocks = {std::min(blocks.left, block.left), std::min(blocks.top, block.top),
                  std::max(blocks.right, block.right), std::max(blocks.bottom, block.bottom)};
        // Blocks wholly outside the back buffer would leave no pixel.
        if (block.left >= target->width || block.top >= target->height || block.right <= 0 || block.bottom <= 0)
            continue;
        // The preview's green pixels are left out and show what lies beneath.
        const CSurface* preview = m_quest.map.Preview(m_quest.map.ColumnOf(cell), m_quest.map.RowOf(cell));
        DrawCellBlock(*target, preview, block.left, block.top, kCellWidth, kCellHeight);
        // Every cell shows its coordinates, the ones a screen is moved to.
        target->Text(nullptr, CellLabel(k, cell), block.left + 5, block.top + 5, Rgb(255, 255, 255), Rgb(0, 0, 0));
        straight = straight && lines.DrawWithin(*target, block);
    }
    if (!straight) {
        lines.DrawInto(*target);
    } else if (blocks.left >= blocks.right) {
        lines.DrawWithin(*target, {0, 0, target->width, target->height});
    } else {
        const int w = target->width;
        const int h = target->height;
        for (const CRect& beyond : {CRect{0, 0, w, blocks.top}, CRect{0, blocks.bottom, w, h},
                                    CRect{0, blocks.top, blocks.left, blocks.bottom},
                                    CRect{blocks.right, blocks.top, w, blocks.bottom}})
            lines.DrawWithin(*target, beyond);
    }
    ListCellsAround();
    if (m_nextAround < m_cellsAround.size() && !m_readAround.isActive())
        m_readAround.start();
}

int CMapDesigner::BlockLeft(const CMapCell& cell) const
{
    return CellLeft(m_quest.map.IndexOf(cell)) - m_scrollX;
}

int CMapDesigner::BlockTop(const CMapCell& cell) const
{
    return CellTop(m_quest.map.IndexOf(cell)) - m_scrollY;
}

const QString& CMapDesigner::CellLabel(int slot, const CMapCell& cell)
{
    Label& label = m_labels[size_t(slot)];
    const int index = m_quest.map.IndexOf(cell);
    if (label.cell != index) {
        label.cell = index;
        label.text = QStringLiteral("%1,%2").arg(index % kMapColumns).arg(index / kMapColumns);
    }
    return label.text;
}

void CMapDesigner::ListCellsAround()
{
    const int column = m_scrollX / kCellWidth - 1;
    const int row = m_scrollY / kCellHeight - 1;
    // Listed already for this place: a cell put on the map since is read
    // when it is drawn.
    const std::array<unsigned, 3> listedFor{unsigned(column), unsigned(row), m_quest.map.Generation()};
    if (listedFor == m_listedFor)
        return;
    m_listedFor = listedFor;
    m_cellsAround.clear();
    m_nextAround = 0;
    // The view's 10 x 10 cells and one screen (8 x 8 cells) on every side,
    // ring by ring outwards; only when they all fit in the cache beside the
    // view, or reading ahead would drop what is drawn.
    constexpr int kView = 10;
    constexpr int kScreen = 8;
    if ((kView + 2 * kScreen) * (kView + 2 * kScreen) * 2 > int(m_quest.map.previews.Capacity()))
        return;
    for (int ring = 1; ring <= kScreen; ++ring)
        for (int j = row - ring; j < row + kView + ring; ++j)
            for (int i = column - ring; i < column + kView + ring; ++i) {
                const bool onRing = j == row - ring || j == row + kView + ring - 1 || i == column - ring
                    || i == column + kView + ring - 1;
                if (onRing && CQuestMap::ValidCellCoordinates(i, j) && m_quest.map.Cell(i, j).HoldsScreen())
                    m_cellsAround.push_back(j * kMapColumns + i);
            }
}

bool CMapDesigner::ReadPreviewsAround(int count)
{
    CPreviewCache& previews = m_quest.map.previews;
    while (m_nextAround < m_cellsAround.size() && count > 0) {
        const int index = m_cellsAround[m_nextAround++];
        const int column = index % kMapColumns;
        const int row = index / kMapColumns;
        if (previews.Holds(column, row))
            continue;
        m_quest.map.Preview(column, row);
        --count;
    }
    return m_nextAround < m_cellsAround.size();
}

void CMapDesigner::DrawGroupInView(CLineBatch& lines, const CDisplay& target, const CGroup& group, uint32_t value)
{
    DrawGroupOutline(lines, target.width, target.height, int64_t(group.left) - m_scrollX,
                     int64_t(group.top) - m_scrollY, int64_t(group.right) - m_scrollX,
                     int64_t(group.bottom) - m_scrollY, value);
}

void CMapDesigner::DrawAndPresent()
{
    if (!display || !display->IsReady())
        return;
    if (!IsActive())
        return;
    draw(display);
    display->Present();
}

void CMapDesigner::onMouseMove(uint32_t flags, int x, int y)
{
    (void)flags;
    const bool canDraw = display && display->IsReady();
    if (canDraw) {
        draw(display);
        for (int k = 0; k < m_visibleCount; ++k) {
            const CMapCell& cell = *m_visibleCells[size_t(k)];
            const int left = BlockLeft(cell);
            const int top = BlockTop(cell);
            if (left < x && x < left + kCellWidth && top < y && y < top + kCellHeight) {
                display->FillRect(0, left + 60, top + 44, left + 68, top + 52);
                break;
            }
        }
    }
    if (m_drag.dragging) {
        m_drag.x2 = Snap(x, Horizontal);
        m_drag.y2 = Snap(y, Vertical);
    }
    // The highlight follows on the next frame.
    m_quest.map.SelectGroupAt(x, y, m_scrollX, m_scrollY);
    if (canDraw)
        display->Present();
}

int CMapDesigner::Snap(int value, Axis axis)
{
    RebuildVisibleCells();
    int result = 0;
    int64_t nearest = 999; // only distances below this count
    for (int k = 0; k < m_visibleCount; ++k) {
        const CMapCell& cell = *m_visibleCells[size_t(k)];
        const int edge = axis == Horizontal ? BlockLeft(cell) : BlockTop(cell);
        const int64_t distance = std::abs(int64_t(edge) - value);
        if (distance < nearest) {
            nearest = distance;
            result = edge;
        }
    }
    return result;
}

void CMapDesigner::onRButtonDown(uint32_t flags, int x, int y)
{
    (void)flags;
    if (CGroup* group = m_quest.map.FindGroupAt(x, y, m_scrollX, m_scrollY)) {
        OpenGroupProperties(*group);
        DrawAndPresent();
        return;
    }
    m_drag.x1 = m_drag.x2 = Snap(x, Horizontal);
    m_drag.y1 = m_drag.y2 = Snap(y, Vertical);
    m_drag.dragging = 1;
}

void CMapDesigner::onRButtonUp(uint32_t flags, int x, int y)
{
    (void)flags;
    (void)x;
    (void)y;
    if (!m_drag.dragging)
        return;
    m_drag.dragging = 0;
    if (AddGroup(m_drag.x1, m_drag.y1, m_drag.x2, m_drag.y2, m_scrollX, m_scrollY))
        m_quest.files.SaveMapFile();
    DrawAndPresent();
}

int CMapDesigner::AddGroup(int x1, int y1, int x2, int y2, int sx, int sy)
{
    if (x1 == x2 || y1 == y2)
        return 0;
    const int left = std::min(x1, x2) + sx;
    const int top = std::min(y1, y2) + sy;
    const int right = std::max(x1, x2) + sx;
    const int bottom = std::max(y1, y2) + sy;
    if (m_quest.map.RectangleOverlapsGroup(left, top, right, bottom)) {
        m_messages.MessageBox(QStringLiteral("Groups may not overlap one another"), QStringLiteral("Error"));
        return 0;
    }
    auto group = std::make_unique<CGroup>();
    group->left = left;
    group->top = top;
    group->right = right;
    group->bottom = bottom;
    group->id = m_quest.map.NextGroupId();
    CopyFileReplacing(ScreenScriptTemplatePath(), GroupScriptPath(group->id));
    m_quest.map.groups.Append(std::move(group));
    return 1;
}

void CMapDesigner::OpenGroupProperties(CGroup& group)
{
    m_dialogs.GroupPropertiesDialog(group, m_quest.map.groups, m_quest.soundList);
}

void CMapDesigner::onLButtonDown(uint32_t flags, int x, int y)
{
    (void)flags;
    if (m_drag.dragging)
        return;
    RebuildVisibleCells();
    for (int k = 0; k < m_visibleCount; ++k) {
        CMapCell& cell = *m_visibleCells[size_t(k)];
        const int left = BlockLeft(cell);
        const int top = BlockTop(cell);
        if (left < x && x < left + kCellWidth && top < y && y < top + kCellHeight) {
            ScreenPropertiesAction(cell);
            return;
        }
    }
}

void CMapDesigner::ScreenPropertiesAction(CMapCell& cell)
{
    const int index = m_quest.map.IndexOf(cell);
    const int column = index % kMapColumns;
    const int row = index / kMapColumns;
    const int result = m_dialogs.ScreenPropertiesDialog(cell, column, row);
    switch (result) {
    case kEditScreen:
        if (m_host)
            m_host->OpenScreenDesigner(column, row);
        return;
    case kDeleteScreen:
        // The dialog has asked its own question before ending with this code.
        m_quest.files.DeleteScreen(cell);
        m_quest.files.SaveMapFile();
        break;
    case kEditGroup:
        if (CGroup* group = m_quest.map.FindGroupAt(CellLeft(index) + 5, CellTop(index) + 5))
            OpenGroupProperties(*group);
        else
            m_messages.MessageBox(QStringLiteral("This screen is not in any group, right-click \nand drag to create a group"),
                           QStringLiteral("Error"));
        break;
    case kMoveScreen:
    case kCopyScreen: {
        int destColumn = 0;
        int destRow = 0;
        if (m_dialogs.MoveScreenDialog(destColumn, destRow))
            m_quest.files.MoveOrCopyScreen(cell, destColumn, destRow, result == kCopyScreen);
        break;
    }
    default:
        break;
    }
    DrawAndPresent();
}

void CMapDesigner::onHScroll(int code, int position)
{
    Scroll(code, position, m_scrollX, kScrollLimitX, HorizontalBar);
}

void CMapDesigner::onVScroll(int code, int position)
{
    Scroll(code, position, m_scrollY, kScrollLimitY, VerticalBar);
}

void CMapDesigner::Scroll(int code, int position, int32_t& scroll, int32_t limit, ScrollBarKind bar)
{
    int64_t moved = scroll;
    switch (code) {
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        moved = position;
        break;
    case SB_LINELEFT:
        moved -= 5;
        break;
    case SB_LINERIGHT:
        moved += 5;
        break;
    case SB_PAGELEFT:
        moved -= 500;
        break;
    case SB_PAGERIGHT:
        moved += 500;
        break;
    default:
        return;
    }
    // The bar follows the position it shows, so the two never part.
    scroll = int32_t(std::clamp<int64_t>(moved, 0, limit));
    m_window.SetScrollPosition(bar, scroll);
    if (display && display->IsReady() && IsActive()) {
        display->Clear(0);
        draw(display);
        display->Present();
    }
}

