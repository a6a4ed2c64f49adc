#pragma once
// A picture of the whole map: the smallest rectangle of cells that holds every
// screen, each cell drawn as the map designer draws its block (from the
// screen's preview, or from its screen file rendered at full size), with the
// groups outlined over them as the map designer outlines them.
#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>

class CMessagePort;
class CQuestMap;

// A rectangle of cells, edges included; empty when right < left.
struct CellArea {
    int left = 0, top = 0, right = -1, bottom = -1;
    bool IsEmpty() const { return right < left || bottom < top; }
    int Columns() const { return right - left + 1; }
    int Rows() const { return bottom - top + 1; }
};

// The smallest rectangle of cells holding every cell that holds a screen.
CellArea UsedCellArea(const CQuestMap& map);

enum class MapImageCells {
    Previews, // 128 x 96 a cell, each screen from its preview
    Screens,  // 320 x 240 a cell, each screen rendered from its screen file and the quest's sheets
};

// No map image is made larger than this many pixels.
constexpr int64_t kMapImagePixelLimit = int64_t(1) << 28;

// The picture of the map's used area, in the display's 16-bit pixels; screens
// are rendered with the quest's sheets (g_questName). Every hundredth cell is
// reported as progress. A null image, with `problem` saying why, when the map
// holds no screen or the picture would be too large.
QImage DrawMapImage(const CQuestMap& map, MapImageCells cells, CMessagePort& ui, QString& problem);

// No band of a map image drawn a row of cells at a time is wider than this.
constexpr int64_t kMapImageBandWidthLimit = int64_t(1) << 20;

// The same picture a row of cells at a time, top down, for pictures larger
// than memory: `take` gets each band and the whole picture's size, and
// answers false to stop. False, with `problem` saying why, when the map holds
// no screen or a band could not be made or taken.
bool DrawMapImageInBands(const CQuestMap& map, MapImageCells cells, CMessagePort& ui, QString& problem,
                         const std::function<bool(const QImage& band, int width, int height)>& take);
