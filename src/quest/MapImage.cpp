#include "quest/MapImage.h"

#include "display/Display.h"
#include "display/LineBatch.h"
#include "quest/MapDrawing.h"
#include "quest/PreviewReader.h"
#include "quest/QuestMap.h"
#include "screens/Screen.h"
#include "sheets/SheetLibrary.h"
#include "support/paths/QuestPaths.h"
#include "support/ui/MessagePort.h"

#include <functional>
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

// Each cell's picture: the screen rendered from its screen file, or its
// preview read into the one surface (the map may hold 65,536 of them), or
// none for a cell drawn empty.
class CCellPictures {
public:
    CCellPictures(CDisplay& canvas, MapImageCells cells, CMessagePort& ui)
    {
        if (cells == MapImageCells::Screens) {
            m_painter = std::make_unique<CScreenPainter>(canvas, ui);
        } else {
            m_preview.Create(kPreviewWidth, kPreviewHeight);
            m_preview.SetColourKey(kKeyGreen);
        }
    }
    const CSurface* Picture(const CQuestMap& map, int column, int row)
    {
        const CMapCell& cell = map.Cell(column, row);
        if (!cell.HoldsScreen())
            return nullptr;
        if (m_painter)
            return m_painter->Paint(column, row);
        if (cell.previewUnwritten || !ReadPreviewFile(PreviewPath(column, row), m_preview))
            return nullptr;
        return &m_preview;
    }

private:
    std::unique_ptr<CScreenPainter> m_painter;
    CSurface m_preview;
};

struct MapImageLayout {
    CellArea area;
    int cellWidth = 0, cellHeight = 0;
    int64_t width = 0, height = 0;
    MapImageLayout(const CQuestMap& map, MapImageCells cells) : area(UsedCellArea(map))
    {
        const bool full = cells == MapImageCells::Screens;
        cellWidth = full ? kScreenSurfaceWidth : kCellWidth;
        cellHeight = full ? kScreenSurfaceHeight : kCellHeight;
        width = int64_t(area.Columns()) * cellWidth;
        height = int64_t(area.Rows()) * cellHeight;
    }
    // The groups' outlines over the picture's rows from `top` on, drawn into
    // a canvas that holds those rows. Groups are in map units, a cell 128 x
    // 96; at full size a cell is larger.
    void DrawGroups(const CQuestMap& map, CDisplay& canvas, int64_t top) const
    {
        const int64_t originX = int64_t(area.left) * kCellWidth;
        const int64_t originY = int64_t(area.top) * kCellHeight;
        auto x = [&](int64_t v) { return (v - originX) * cellWidth / kCellWidth; };
        auto y = [&](int64_t v) { return (v - originY) * cellHeight / kCellHeight - top; };
        CLineBatch lines;
        for (const CGroup* group : map.groups.groups)
            DrawGroupOutline(lines, canvas.width, canvas.height, x(group->left), y(group->top), x(group->right),
                             y(group->bottom), kGroupOutlineValue);
        lines.DrawInto(canvas);
    }
};

} // namespace

QImage DrawMapImage(const CQuestMap& map, MapImageCells cells, CMessagePort& ui, QString& problem)
{
    const MapImageLayout layout(map, cells);
    const CellArea& area = layout.area;
    if (area.IsEmpty()) {
        problem = QStringLiteral("The map holds no screen");
        return QImage();
    }
    CDisplay canvas;
    if (layout.width * layout.height > kMapImagePixelLimit
        || canvas.Initialise(nullptr, int(layout.width), int(layout.height)) != S_OK) {
        problem = QStringLiteral("The map image would be %1 x %2 pixels, more than can be made")
                      .arg(layout.width)
                      .arg(layout.height);
        return QImage();
    }
    canvas.Clear(0);
    CCellPictures pictures(canvas, cells, ui);
    const int total = area.Columns() * area.Rows();
    int done = 0;
    for (int row = area.top; row <= area.bottom; ++row) {
        for (int column = area.left; column <= area.right; ++column) {
            DrawCellBlock(canvas, pictures.Picture(map, column, row), (column - area.left) * layout.cellWidth,
                          (row - area.top) * layout.cellHeight, layout.cellWidth, layout.cellHeight);
            if (++done % 100 == 0 && done < total)
                ui.Progress(QStringLiteral("cells drawn"), done, total);
        }
    }
    layout.DrawGroups(map, canvas, 0);
    return canvas.BackBuffer()->Image();
}

bool DrawMapImageInBands(const CQuestMap& map, MapImageCells cells, CMessagePort& ui, QString& problem,
                         const std::function<bool(const QImage& band, int width, int height)>& take)
{
    const MapImageLayout layout(map, cells);
    const CellArea& area = layout.area;
    if (area.IsEmpty()) {
        problem = QStringLiteral("The map holds no screen");
        return false;
    }
    // One row of cells at a time.
    CDisplay canvas;
    if (layout.width > kMapImageBandWidthLimit
        || canvas.Initialise(nullptr, int(layout.width), layout.cellHeight) != S_OK) {
        problem = QStringLiteral("The map image would be %1 pixels wide, more than can be made").arg(layout.width);
        return false;
    }
    CCellPictures pictures(canvas, cells, ui);
    const int total = area.Columns() * area.Rows();
    int done = 0;
    for (int row = area.top; row <= area.bottom; ++row) {
        canvas.Clear(0);
        for (int column = area.left; column <= area.right; ++column) {
            DrawCellBlock(canvas, pictures.Picture(map, column, row), (column - area.left) * layout.cellWidth, 0,
                          layout.cellWidth, layout.cellHeight);
            if (++done % 100 == 0 && done < total)
                ui.Progress(QStringLiteral("cells drawn"), done, total);
        }
        layout.DrawGroups(map, canvas, int64_t(row - area.top) * layout.cellHeight);
        if (!take(canvas.BackBuffer()->Image(), int(layout.width), int(layout.height))) {
            problem = QStringLiteral("it could not be written whole");
            return false;
        }
    }
    return true;
}
