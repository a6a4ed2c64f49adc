#pragma once
// The map designer: the editor's home mode. It holds the quest map model and
// shows it as a scrollable map of screen previews with the groups drawn over
// it; a left click opens a cell's screen properties, a right drag makes a
// group. It works on the quest it is given, which the document owns.
#include "common/Designer.h"
#include "quest/Quest.h"

#include <QString>
#include <QTimer>

#include <array>
#include <vector>

class CLineBatch;
class CMapDialogPort;
class CMapHost;
class CMessagePort;
class CWindowPort;

class CMapDesigner : public CDesigner {
public:
    CMapDesigner(CQuest& quest, CMessagePort& messages, CWindowPort& window, CMapDialogPort& dialogs,
                 CMapHost* host = nullptr);
    ~CMapDesigner() override;

    void activate() override;
    void draw(CDisplay* display) override;
    void onMouseMove(uint32_t flags, int x, int y) override;
    void onLButtonDown(uint32_t flags, int x, int y) override;
    void onHScroll(int code, int position) override;
    void onVScroll(int code, int position) override;
    void onRButtonDown(uint32_t flags, int x, int y) override;
    void onRButtonUp(uint32_t flags, int x, int y) override;

    // The cells that can show in the view at the scroll position, row by row;
    // only the first 100 slots can be filled.
    void RebuildVisibleCells();
    static constexpr int kVisibleSlots = 200;
    const std::array<CMapCell*, kVisibleSlots>& VisibleCells() const { return m_visibleCells; }
    int VisibleCount() const { return m_visibleCount; }

    enum Axis { Horizontal, Vertical };
    // The visible cell edge nearest to a view coordinate (0 when none is near).
    int Snap(int value, Axis axis);

    // Adds a group dragged from (x1, y1) to (x2, y2) in view pixels at this
    // scroll position and makes its script. 1 when a group was added.
    int AddGroup(int x1, int y1, int x2, int y2, int scrollX, int scrollY);
    // The group properties dialog on a group, with the quest's sound list.
    void OpenGroupProperties(CGroup& group);
    // The screen properties dialog on a cell, and what its result asks for.
    void ScreenPropertiesAction(CMapCell& cell);

    // The map position shown at the view's top-left corner, in map units.
    int32_t ScrollX() const { return m_scrollX; }
    int32_t ScrollY() const { return m_scrollY; }
    // Moves the view there (held within the map), without a frame.
    void ScrollTo(int32_t x, int32_t y);
    // How far the map scrolls, in map units.
    static constexpr int32_t kScrollLimitX = 32768;
    static constexpr int32_t kScrollLimitY = 24576;

    // The group being dragged out with the right button, in view pixels.
    struct DragRectangle {
        int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        int32_t dragging = 0;
    };
    const DragRectangle& Drag() const { return m_drag; }

    CQuest& Quest() { return m_quest; }

    // Reads the previews of the cells one screen around the view that the
    // map does not hold yet, up to `count` of them, nearest first; false when
    // none is left to read. Frames ask for this on their own while the
    // program is idle, so that a scroll finds its cells read.
    bool ReadPreviewsAround(int count);

private:
    bool IsActive() const;
    // Draws a frame into the display and presents it, when there is a display.
    void DrawAndPresent();
    void Scroll(int code, int position, int32_t& scroll, int32_t limit, ScrollBarKind bar);
    void DrawGroupInView(CLineBatch& lines, const CDisplay& target, const CGroup& group, uint32_t value);
    // The cells around the view at this scroll position that hold a screen,
    // for ReadPreviewsAround; listed again when the view moves a cell.
    void ListCellsAround();
    // A cell's block in the view.
    int BlockLeft(const CMapCell& cell) const;
    int BlockTop(const CMapCell& cell) const;
    // The coordinates a visible cell shows, kept in its slot: they are made
    // again only when another cell comes into that slot.
    const QString& CellLabel(int slot, const CMapCell& cell);

    CQuest& m_quest;
    CMessagePort& m_messages;
    CWindowPort& m_window;
    CMapDialogPort& m_dialogs;
    CMapHost* m_host;
    std::array<CMapCell*, kVisibleSlots> m_visibleCells{};
    int m_visibleCount = 0;
    int32_t m_scrollX = 0;
    int32_t m_scrollY = 0;
    DragRectangle m_drag;
    QTimer m_readAround;              // reads previews around the view while idle
    std::vector<int> m_cellsAround;   // cell indices, nearest first
    size_t m_nextAround = 0;
    std::array<unsigned, 3> m_listedFor{~0u, ~0u, ~0u}; // the view's first cell and the grid they were listed for
    struct Label {
        int cell = -1; // the index of the cell it is of
        QString text;
    };
    std::array<Label, kVisibleSlots> m_labels;
};
