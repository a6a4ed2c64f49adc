// A map file's bytes as the editor and every command-line tool read them. The
// model read from any input must write back and read back the same, and the
// build's and the designer's checks on the model must not fail on it.
#include "FuzzBase.h"

#include "map/MapDesigner.h"
#include "map/MapFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    static CFuzzUi ui;
    static CMapDesigner* designer = new CMapDesigner(ui); // one grid for the run, replaced by every read
    const MapFileReading reading
        = ReadMapFileBytes(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), designer->map);
    if (!reading.isMapFile)
        return 0;
    for (const MapFileReading::Cell& cell : reading.screens)
        FuzzCheck(CQuestMap::ValidCellCoordinates(cell.column, cell.row), "only cells on the grid are named");

    designer->build.StartPositionOnScreen();
    designer->build.AllScreensInGroups();
    designer->map.NextGroupId();
    designer->map.FindGroupAt(200, 100);
    designer->RebuildVisibleCells();

    const QByteArray first = MapFileBytes(designer->map);
    FuzzCheck(ReadMapFileBytes(first, designer->map).isMapFile, "a written map file is a map file");
    FuzzCheck(MapFileBytes(designer->map) == first, "a saved map file reads back the same");
    return 0;
}
