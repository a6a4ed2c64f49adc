// The map file save\Fuzz.qss as the map designer opens it, with the previews
// of the cells it names. Whatever was read must write back and read back the
// same; the designer's checks on the model must not fail on it.
#include "FuzzBase.h"

#include "map/MapDesigner.h"
#include "map/MapFile.h"

namespace {

// A valid preview (all white) for two cells, so that their records load.
void WritePreviews()
{
    QByteArray preview;
    for (int i = 0; i < 128 * 96; ++i)
        preview += "65535\r\n";
    FuzzWrite(CMapDesigner::PreviewPath(0, 0), preview);
    FuzzWrite(CMapDesigner::PreviewPath(2, 1), preview);
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
