// tessell: the editor's companion on the command line, run in a base
// directory. It uses the same code as the editor and needs no display.
#include "BuildCommand.h"
#include "CheckCommand.h"
#include "console/ConsoleUi.h"
#include "DemoQuest.h"
#include "MapImageCommand.h"
#include "QuestArchiveCommand.h"

#include "display/Display.h"
#include "quest/Quest.h"
#include "quest/MapFile.h"
#include "quest/QuestMap.h"
#include "screens/PreviewWriter.h"
#include "screens/Screen.h"
#include "sheets/SheetLibrary.h"
#include "support/platform/DiagnosticLog.h"
#include "support/paths/Globals.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace {

int Usage()
{
    PrintError(QStringLiteral("usage: tessell new NAME\n"
                              "       tessell previews QUEST   rewrite every screen's preview from its screen file\n"
                              "       tessell demo             write the sample sheet file and make the quest Demo\n")
               + BuildUsage() + CheckUsage() + MapImageUsage() + QuestArchiveUsage().trimmed().prepend(QStringLiteral("       ")));
    return 2;
}

int NewQuest(const QStringList& args)
{
    if (args.size() != 1)
        return Usage();
    CConsoleUi ui;
    CQuest quest(ui, ui, ui);
    if (!quest.files.NewQuestNamed(args[0]))
        return 1;
    if (ui.messageCount > 0)
        return 1;
    PrintError(QStringLiteral("Made quest \"%1\" in %2 with its map file %3")
                   .arg(args[0], QuestFolderPath(args[0]), MapFilePath(args[0])));
    return 0;
}

// Rewrites the preview file of every screen of the quest's map file from the
// screen file and the quest's sheets, with the editor's own rendering (after a
// sheet changed, the map shows the new look without opening every screen).
int RewritePreviews(const QStringList& args)
{
    if (args.size() != 1)
        return Usage();
    CConsoleUi ui;
    const QString quest = args[0];
    const QString mapPath = MapFilePath(quest);
    QFile mapFile(NativePath(mapPath));
    if (!IsSafeFileName(quest) || !mapFile.open(QIODevice::ReadOnly)) {
        PrintError(QStringLiteral("No map file %1 for the quest \"%2\"").arg(mapPath, quest));
        return 1;
    }
    CQuestMap map;
    const MapFileReading reading = ReadMapFileBytes(mapFile.readAll(), map);
    if (!reading.isMapFile) {
        ui.MessageBox(QStringLiteral("Invalid Map File"), mapPath, CMessagePort::ButtonsOk);
        return 1;
    }
    g_questName = quest;
    CDisplay display;
    if (display.Initialise(nullptr, 1024, 768) != S_OK) {
        PrintError(QStringLiteral("The display could not be made"));
        return 1;
    }
    CSheetLibrary library(&display, ui);
    int written = 0;
    for (const MapFileReading::Cell& cell : reading.screens) {
        CScreen screen(&display, &ui, &library);
        if (screen.Create() != S_OK)
            return 1;
        screen.mapCellX = cell.column;
        screen.mapCellY = cell.row;
        if (!screen.Load())
            PrintError(QStringLiteral("%1: no screen file, written as an empty screen").arg(screen.FilePath()));
        screen.Render();
        written += WritePreviewFile(*screen.preview, screen.BasePath(), &display, ui);
    }
    PrintError(QStringLiteral("Rewrote %1 preview(s) of the quest \"%2\"").arg(written).arg(quest));
    return ui.messageCount == 0 ? 0 : 1;
}

int MakeDemo(const QStringList& args)
{
    if (!args.isEmpty())
        return Usage();
    CConsoleUi ui;
    CDisplay display;
    if (display.Initialise(nullptr, 1024, 768) != S_OK)
        return 1;
    const int result = MakeDemoQuest(display, ui);
    if (result == 0)
        PrintError(QStringLiteral("Made the sheet file \"sprite sheets\\meadow.spt\" and the quest \"Demo\""));
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return Usage();
    g_baseDirectory = QDir::currentPath();
    const QString command = args.takeFirst();
    if (command == QLatin1String("new"))
        return NewQuest(args);
    if (command == QLatin1String("previews"))
        return RewritePreviews(args);
    if (command == QLatin1String("demo"))
        return MakeDemo(args);
    if (command == QLatin1String("build"))
        return BuildCommand(args);
    if (command == QLatin1String("check"))
        return CheckCommand(args);
    if (command == QLatin1String("map-image"))
        return MapImageCommand(args);
    if (command == QLatin1String("qst"))
        return QuestArchiveCommand(args);
    return Usage();
}
