// The map file save\Fuzz.qss as the map designer opens it, with the previews
// of the cells it names. Whatever was read must write back and read back the
// same; the designer's checks on the model must not fail on it.
#include "FuzzBase.h"

#include "map/MapDesigner.h"
#include "map/MapFile.h"

namespace {

// Previews for two cells, so that their records load. A short preview loads
// as well as a whole one (missing lines give 0) and keeps each run quick; the
// preview reader has a target of its own.
void WritePreviews()
{
    FuzzWrite(CMapDesigner::PreviewPath(0, 0), QByteArray("65535\r\n"));
    FuzzWrite(CMapDesigner::PreviewPath(2, 1), QByteArray("31\r\n"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    static CFuzzUi ui;
    static CMapDesigner* designer = [] {
        WritePreviews();
        return new CMapDesigner(&ui); // one grid for the run, replaced by every load
    }();
    const QString path = QStringLiteral("save\\Fuzz.qss");
    FuzzWrite(path, data, size);
    designer->LoadMapFile(path, kFuzzQuest);

    designer->StartPositionOnScreen();
    designer->AllScreensInGroups();
    designer->map.NextGroupId();
    designer->map.FindGroupAt(200, 100);
    designer->RebuildVisibleCells();

    const QByteArray first = MapFileBytes(designer->map);
    FuzzWrite(path, first);
    designer->LoadMapFile(path, kFuzzQuest);
    FuzzCheck(MapFileBytes(designer->map) == first, "a saved map file reads back the same");
    return 0;
}
