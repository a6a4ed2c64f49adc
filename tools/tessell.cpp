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
#include "support/paths/Globals.h"
#include "support/platform/Arguments.h"

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
    QString text = QStringLiteral("usage: tessell COMMAND [OPTIONS] NAME...   (in the base directory)\n"
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
    QStringList args = ProgramArguments(argc, argv);
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
    g_baseDirectory = CurrentNativeFolder();
    for (const Command& c : kCommands)
        if (command == QLatin1String(c.name))
            return c.run(args);
    return BadUsage(QStringLiteral("unknown command \"%1\"").arg(command));
}
