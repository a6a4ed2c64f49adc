#include "PreviewsCommand.h"

#include "console/ConsoleUi.h"

#include "display/Display.h"
#include "quest/MapFile.h"
#include "quest/QuestMap.h"
#include "screens/HoleRecord.h"
#include "screens/PreviewWriter.h"
#include "screens/Screen.h"
#include "sheets/SheetLibrary.h"
#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"
#include "support/paths/Globals.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"

#include <QFile>

const CommandSpec kPreviewsCommand{
    QStringLiteral("tessell previews QUEST"),
    QStringLiteral("Rewrites the preview of every screen on the quest's map from its screen file and the quest's "
                   "sheets,\nwith the editor's own rendering (useful after a sheet changed). A screen that cannot "
                   "be rendered whole\nkeeps its preview; it is named on standard error and the exit code is 1."),
    {},
    QString(),
};

namespace {

// Why the screen cannot be drawn as it is, or an empty string when it can:
// every element's sprite must stand on a sheet whose bitmap loaded.
QString RenderProblem(const CScreen& screen)
{
    if (screen.fileEnd.EndsEarly())
        return ScreenFileEndText(screen.fileEnd);
    auto missing = [](const CPlacedSprite& element) {
        return HoleKind(element.code) == 0 && (!element.sprite || !element.sheet || !element.sheet->surface);
    };
    for (const CPlacedSprite* placed : screen.placedSprites)
        if (missing(*placed))
            return QStringLiteral("Sprite code \"%1\" is on no sheet that loaded").arg(DecodeText(placed->code));
    for (const CFill* fill : screen.fills)
        if (missing(fill->tile))
            return QStringLiteral("Sprite code \"%1\" is on no sheet that loaded").arg(DecodeText(fill->tile.code));
    return QString();
}

} // namespace

int PreviewsCommand(const QStringList& args)
{
    ParsedCommand parsed;
    if (const int code = ParseCommand(kPreviewsCommand, args, parsed); code >= 0)
        return code;
    CConsoleUi ui;
    const QString quest = parsed.names[0];
    const QString mapPath = MapFilePath(quest);
    QFile mapFile;
    if (!IsSafeFileName(quest) || !OpenLogicalFileForReading(mapFile, mapPath)) {
        PrintError(QStringLiteral("No map file %1 for the quest \"%2\"").arg(mapPath, quest));
        return 1;
    }
    CQuestMap map;
    const MapFileReading reading = ReadMapFileBytes(mapFile.readAll(), map);
    if (!reading.isMapFile) {
        ui.MessageBox(QStringLiteral("Invalid Map File"), mapPath, CMessagePort::ButtonsOk);
        return 1;
    }
    if (reading.EndsEarly())
        PrintError(mapPath + QStringLiteral(": ") + MapFileEndText(reading)
                   + QStringLiteral(", so only the screens it names are drawn"));
    g_questName = quest;
    CDisplay display;
    if (display.Initialise(nullptr, 1024, 768) != S_OK) {
        PrintError(QStringLiteral("The display could not be made"));
        return 1;
    }
    CSheetLibrary library(&display, ui);
    int written = 0;
    int kept = 0;
    for (const MapFileReading::Cell& cell : reading.screens) {
        CScreen screen(&display, &ui, &library);
        if (screen.Create() != S_OK)
            return 1;
        screen.mapCellX = cell.column;
        screen.mapCellY = cell.row;
        const QString problem =
            screen.Load() ? RenderProblem(screen) : QStringLiteral("There is no screen file to draw from");
        if (!problem.isEmpty()) {
            PrintError(QStringLiteral("%1: %2, so the preview %3 is left as it is")
                           .arg(screen.FilePath(), problem, PreviewPath(cell.column, cell.row)));
            ++kept;
            continue;
        }
        screen.Render();
        written += WritePreviewFile(*screen.preview, screen.BasePath(), &display, ui);
    }
    PrintError(QStringLiteral("Rewrote %1 preview(s) of the quest \"%2\"").arg(written).arg(quest));
    if (kept > 0)
        PrintError(QStringLiteral("Left %1 preview(s) as they are").arg(kept));
    return ui.messageCount == 0 && kept == 0 && !reading.EndsEarly() ? 0 : 1;
}
