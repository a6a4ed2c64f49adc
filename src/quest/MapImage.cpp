#include "quest/MapImage.h"

#include "display/Display.h"
#include "display/LineBatch.h"
#include "quest/MapDrawing.h"
#include "quest/QuestMap.h"
#include "screens/Screen.h"
#include "sheets/SheetLibrary.h"
#include "support/ui/MessagePort.h"

#include <memory>

CellArea UsedCellArea(const CQuestMap& map)
{
    CellArea area{kMapColumns, kMapRows, -1, -1};
    for (int index = 0; index < kMapCellCount; ++index) {
        if (!map.CellAt(index).HoldsScreen())
            continue;
        const int column = index % kMapColumns;
        const int row = index / kMapColumns;
        area.left = std::min(area.left, column);
        area.top = std::min(area.top, row);
        area.right = std::max(area.right, column);
        area.bottom = std::max(area.bottom, row);
    }
    return area;
}

namespace {

// Renders each screen from its screen file, one at a time, into one screen's
// preview surface.
class CScreenPainter {
public:
    explicit CScreenPainter(CDisplay& display, CMessagePort& ui)
        : m_library(&display, ui), m_screen(&display, &ui, &m_library)
    {
        m_ready = m_screen.Create() == S_OK;
    }
    const CSurface* Paint(int column, int row)
    {
        if (!m_ready)
            return nullptr;
        m_screen.mapCellX = column;
        m_screen.mapCellY = row;
        m_screen.Load(); // a missing screen file is an empty screen
        m_screen.Render();
        return m_screen.preview.get();
    }

private:
    CSheetLibrary m_library;
    CScreen m_screen;
    bool m_ready = false;
};

} // namespace

QImage DrawMapImage(const CQuestMap& map, MapImageCells cells, CMessagePort& ui, QString& problem)
{
    const CellArea area = UsedCellArea(map);
    if (area.IsEmpty()) {
        problem = QStringLiteral("The map holds no screen");
        return QImage();
    }
    const bool full = cells == MapImageCells::Screens;
    const int cellWidth = full ? kScreenSurfaceWidth : kCellWidth;
    const int cellHeight = full ? kScreenSurfaceHeight : kCellHeight;
    const int64_t width = int64_t(area.Columns()) * cellWidth;
    const int64_t height = int64_t(area.Rows()) * cellHeight;
    CDisplay canvas;
    if (width * height > kMapImagePixelLimit || canvas.Initialise(nullptr, int(width), int(height)) != S_OK) {
        problem = QStringLiteral("The map image would be %1 x %2 pixels, more than can be made").arg(width).arg(height);
        return QImage();
    }
    canvas.Clear(0);
    std::unique_ptr<CScreenPainter> painter;
    if (full)
        painter = std::make_unique<CScreenPainter>(canvas, ui);

    const int total = area.Columns() * area.Rows();
    int done = 0;
    for (int row = area.top; row <= area.bottom; ++row) {
        for (int column = area.left; column <= area.right; ++column) {
            const CMapCell& cell = map.Cell(column, row);
            const CSurface* picture = cell.preview.get();
            if (picture && painter)
                picture = painter->Paint(column, row);
            DrawCellBlock(canvas, picture, (column - area.left) * cellWidth, (row - area.top) * cellHeight, cellWidth,
                          cellHeight);
            if (++done % 100 == 0 && done < total)
                ui.Progress(QStringLiteral("cells drawn"), done, total);
        }
    }
    // Groups are in map units, a cell 128 x 96; at full size a cell is larger.
    const int64_t originX = int64_t(area.left) * kCellWidth;
    const int64_t originY = int64_t(area.top) * kCellHeight;
    auto x = [&](int64_t v) { return (v - originX) * cellWidth / kCellWidth; };
    auto y = [&](int64_t v) { return (v - originY) * cellHeight / kCellHeight; };
    CLineBatch lines;
    for (const CGroup* group : map.groups.groups)
        DrawGroupOutline(lines, canvas.width, canvas.height, x(group->left), y(group->top), x(group->right),
                         y(group->bottom), kGroupOutlineValue);
    lines.DrawInto(canvas);
    return canvas.BackBuffer()->Image();
}
