#include "BuildCommand.h"

#include "console/ConsoleUi.h"

#include "quest/Quest.h"
#include "support/io/NativeFile.h"
#include "support/paths/Globals.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"

const CommandSpec kBuildCommand{
    QStringLiteral("tessell build [--recompile] QUEST"),
    QStringLiteral("Builds output\\QUEST.qst as \"Write Quest file\" does: every message box on standard error as "
                   "its caption and text,\nthe script errors as the lines the errors dialog lists, progress one line "
                   "a step. Exit code 0 only when the quest file was written."),
    {QStringLiteral("--recompile")},
    QStringLiteral("  --recompile  compile every script again, as \"Recompile all scripts\" does"),
};

int BuildCommand(const QStringList& args)
{
    ParsedCommand parsed;
    if (const int code = ParseCommand(kBuildCommand, args, parsed); code >= 0)
        return code;
    const QString quest = parsed.names[0];
    const QString mapFile = MapFilePath(quest);
    if (!IsSafeFileName(quest) || !IsLogicalFile(mapFile)) {
        PrintError(QStringLiteral("Error: there is no quest \"%1\" here (no map file %2)").arg(quest, mapFile));
        return 1;
    }
    CConsoleUi ui;
    CQuest questData(ui, ui, ui);
    const MapFileReading reading = questData.files.LoadMapFile(mapFile, quest);
    if (!reading.isMapFile)
        return 1; // the map file could not be read; the message is out
    if (parsed.Has(QStringLiteral("--recompile")))
        questData.build.RecompileAllScripts(false);
    if (!questData.build.BuildQuest(true))
        return 1;
    PrintError(QStringLiteral("Wrote %1").arg(NativePath(QuestArchivePath())));
    return 0;
}
