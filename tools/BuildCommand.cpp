#include "BuildCommand.h"

#include "console/ConsoleUi.h"

#include "quest/Quest.h"
#include "support/paths/Globals.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"

#include <QFileInfo>

QString BuildUsage()
{
    return QStringLiteral("       tessell build [--recompile] QUEST   build output\\QUEST.qst as Write Quest file does\n");
}

int BuildCommand(const QStringList& args)
{
    QStringList rest = args;
    const bool recompile = rest.removeAll(QStringLiteral("--recompile")) > 0;
    if (rest.size() != 1) {
        PrintError(QStringLiteral("usage:") + BuildUsage().mid(6));
        return 2;
    }
    const QString quest = rest[0];
    const QString mapFile = MapFilePath(quest);
    if (!IsSafeFileName(quest) || !QFileInfo::exists(NativePath(mapFile))) {
        PrintError(QStringLiteral("Error: there is no quest \"%1\" here (no map file %2)").arg(quest, mapFile));
        return 1;
    }
    CConsoleUi ui;
    CQuest questData(ui, ui, ui);
    if (!questData.files.LoadMapFile(mapFile, quest).isMapFile)
        return 1; // the map file could not be read; the message is out
    if (recompile)
        questData.build.RecompileAllScripts(false);
    if (!questData.build.BuildQuest(true))
        return 1;
    PrintError(QStringLiteral("Wrote %1").arg(NativePath(QuestArchivePath())));
    return 0;
}
