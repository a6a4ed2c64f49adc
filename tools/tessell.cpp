// tessell: the editor's companion on the command line, run in a base
// directory. It uses the same code as the editor and needs no display.
#include "BuildCommand.h"
#include "CheckCommand.h"
#include "CommandLine.h"
#include "DemoQuest.h"
#include "MapImageCommand.h"
#include "NewCommand.h"
#include "PreviewsCommand.h"
#include "QuestArchiveCommand.h"
#include "console/ConsoleUi.h"

#include "support/io/NativeFolders.h"
#include "support/paths/BaseDirectory.h"
#include "support/paths/Globals.h"
#include "support/platform/Arguments.h"
#include "support/platform/Settings.h"

#include <QCoreApplication>

namespace {

struct Command {
    const char* name;
    const CommandSpec& spec;
    int (*run)(const QStringList& args);
};

const Command kCommands[] = {
    {"new", kNewCommand, NewCommand},
    {"build", kBuildCommand, BuildCommand},
    {"check", kCheckCommand, CheckCommand},
    {"map-image", kMapImageCommand, MapImageCommand},
    {"previews", kPreviewsCommand, PreviewsCommand},
    {"demo", kDemoCommand, DemoCommand},
    {"qst", kQstCommand, QuestArchiveCommand},
};

QString Usage()
{
    QString text = QStringLiteral("usage: tessell [--base DIR] COMMAND [OPTIONS] NAME...\n"
                                  "       (in DIR, else in the folder it is started in when that holds questdata,\n"
                                  "       else in the user's data folder, made from the installed base directory)\n"
                                  "       tessell --help | --version\n"
                                  "       tessell COMMAND --help   what the command does and its options\n"
                                  "Names never begin with \"-\", unless they come after \"--\".\n"
                                  "Commands:\n");
    for (const Command& command : kCommands)
        text += QStringLiteral("  ") + command.spec.usage + QLatin1Char('\n');
    return text.chopped(1);
}

int BadUsage(const QString& why)
{
    PrintError(QStringLiteral("tessell: ") + why);
    PrintError(Usage());
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    NameTheApplication();
    QStringList args = ProgramArguments(argc, argv);
    QString base;
    if (!args.isEmpty() && args.first() == QLatin1String("--base")) {
        if (args.size() < 2)
            return BadUsage(QStringLiteral("--base needs a folder"));
        base = args[1];
        args = args.mid(2);
    }
    if (args.isEmpty())
        return BadUsage(QStringLiteral("a command is missing"));
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("help")) {
        PrintOut(Usage());
        return 0;
    }
    if (command == QLatin1String("--version")) {
        PrintOut(QStringLiteral("tessell (Tessellmancery) ") + QLatin1String(TESSELL_VERSION));
        return 0;
    }
    if (command.startsWith(QLatin1Char('-')))
        return BadUsage(QStringLiteral("unknown option \"%1\"").arg(command));
    // An archive's files are named on the command line; every other command
    // works in a base directory.
    if (command == QLatin1String("qst") && base.isEmpty()) {
        g_baseDirectory = CurrentNativeFolder();
    } else {
        const BaseDirectoryChoice chosen = ChooseBaseDirectory(base);
        g_baseDirectory = chosen.path;
        if (!chosen.madeFrom.isEmpty())
            PrintError(QStringLiteral("tessell: made the base directory %1 from the installed one, %2")
                           .arg(chosen.path, chosen.madeFrom));
        if (!chosen.problem.isEmpty()) {
            PrintError(QStringLiteral("tessell: ") + chosen.problem);
            return 1;
        }
    }
    for (const Command& c : kCommands)
        if (command == QLatin1String(c.name))
            return c.run(args);
    return BadUsage(QStringLiteral("unknown command \"%1\"").arg(command));
}
