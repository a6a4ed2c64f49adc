#include "NewCommand.h"

#include "console/ConsoleUi.h"

#include "quest/Quest.h"
#include "support/paths/QuestPaths.h"

const CommandSpec kNewCommand{
    QStringLiteral("tessell new NAME"),
    QStringLiteral("Makes a new quest exactly as the editor's New does, with the same checks and messages: its "
                   "folder\nquestdata\\NAME from the templates and its map file save\\NAME.qss. The name keeps its "
                   "bytes."),
    {},
    QString(),
};

int NewCommand(const QStringList& args)
{
    ParsedCommand parsed;
    if (const int code = ParseCommand(kNewCommand, args, parsed); code >= 0)
        return code;
    const QString name = parsed.names[0];
    CConsoleUi ui;
    CQuest quest(ui, ui, ui);
    if (!quest.files.NewQuestNamed(name))
        return 1;
    if (ui.messageCount > 0)
        return 1;
    PrintError(QStringLiteral("Made quest \"%1\" in %2 with its map file %3")
                   .arg(name, QuestFolderPath(name), MapFilePath(name)));
    return 0;
}
