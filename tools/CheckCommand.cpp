#include "CheckCommand.h"

#include "console/ConsoleUi.h"

#include "quest/QuestCheck.h"

QString CheckUsage()
{
    return QStringLiteral("       tessell check QUEST   list what would stop the build or leave the quest wrong, "
                          "building nothing\n");
}

int CheckCommand(const QStringList& args)
{
    if (args.size() != 1) {
        PrintError(QStringLiteral("usage: ") + CheckUsage().trimmed());
        return 2;
    }
    const QString quest = args[0];
    const std::vector<QuestProblem> problems = CheckQuest(quest);
    for (const QuestProblem& problem : problems)
        PrintOut(problem.path + QStringLiteral(": ") + problem.text);
    if (problems.empty())
        PrintOut(QStringLiteral("No problems in the quest \"%1\"").arg(quest));
    else
        PrintOut(QStringLiteral("%1 %2 in the quest \"%3\"")
                     .arg(problems.size())
                     .arg(problems.size() == 1 ? QStringLiteral("problem") : QStringLiteral("problems"), quest));
    return problems.empty() ? 0 : 1;
}
