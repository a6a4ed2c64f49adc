#include "BuildCommand.h"

#include "ConsoleUi.h"

#include "document/QuestDoc.h"
#include "map/MapDesigner.h"
#include "support/Globals.h"
#include "support/LogicalPath.h"
#include "support/QuestPaths.h"

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
    CQuestDoc document(ui);
    CMapDesigner& designer = *document.mapDesigner;
    designer.files.LoadMapFile(mapFile, quest);
    if (g_questName != quest)
        return 1; // the map file could not be read; the message is out
    if (recompile)
        designer.build.RecompileAllScripts(false);
    if (!designer.build.BuildQuest(true))
        return 1;
    PrintError(QStringLiteral("Wrote %1").arg(NativePath(QuestArchivePath())));
    return 0;
}
