// A map file's bytes as the editor and every command-line tool read them. The
// model read from any input must write back and read back the same, and the
// build's and the designer's checks on the model must not fail on it.
#include "FuzzBase.h"

#include "map/MapDesigner.h"
#include "quest/MapFile.h"
#include "quest/Quest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    static CFuzzUi ui;
    // One grid for the run, replaced by every read.
    static CQuest* quest = new CQuest(ui, ui, ui);
    static CMapDesigner* designer = new CMapDesigner(*quest, ui, ui, ui);
    const MapFileReading reading
        = ReadMapFileBytes(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), quest->map);
    if (!reading.isMapFile)
        return 0;
    for (const MapFileReading::Cell& cell : reading.screens)
        FuzzCheck(CQuestMap::ValidCellCoordinates(cell.column, cell.row), "only cells on the grid are named");

    quest->build.StartPositionOnScreen();
    quest->build.AllScreensInGroups();
    quest->map.NextGroupId();
    quest->map.FindGroupAt(200, 100);
    designer->RebuildVisibleCells();

    const QByteArray first = MapFileBytes(quest->map);
    FuzzCheck(ReadMapFileBytes(first, quest->map).isMapFile, "a written map file is a map file");
    FuzzCheck(MapFileBytes(quest->map) == first, "a saved map file reads back the same");
    return 0;
}
