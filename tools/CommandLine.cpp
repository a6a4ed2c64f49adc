#include "CommandLine.h"

#include "console/ConsoleUi.h"

namespace {

bool IsOption(const QString& argument)
{
    return argument.startsWith(QLatin1Char('-'));
}

} // namespace

QString CommandHelp(const CommandSpec& spec)
{
    QString text = QStringLiteral("usage: ") + spec.usage + QLatin1Char('\n') + spec.description + QLatin1Char('\n');
    if (!spec.optionHelp.isEmpty())
        text += spec.optionHelp + QLatin1Char('\n');
    return text;
}

int UsageError(const CommandSpec& spec, const QString& why)
{
    PrintError(QStringLiteral("tessell: ") + why);
    PrintError(QStringLiteral("usage: ") + spec.usage);
    return 2;
}

int ParseCommand(const CommandSpec& spec, const QStringList& arguments, ParsedCommand& parsed)
{
    parsed = ParsedCommand();
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (optionsEnded || !IsOption(argument)) {
            parsed.names << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == QLatin1String("--help")) {
            PrintOut(CommandHelp(spec).chopped(1));
            return 0;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (equals > 0 && spec.options.contains(argument.left(equals + 1))) {
            parsed.values.insert(argument.left(equals), argument.mid(equals + 1));
            continue;
        }
        if (spec.options.contains(argument)) {
            if (!parsed.flags.contains(argument))
                parsed.flags << argument;
            continue;
        }
        if (spec.options.contains(argument + QLatin1Char('=')))
            return UsageError(spec, QStringLiteral("the option %1 needs a value (%1=...)").arg(argument));
        return UsageError(spec, QStringLiteral("unknown option \"%1\"").arg(argument));
    }
    if (parsed.names.size() < spec.minNames)
        return UsageError(spec, parsed.names.isEmpty() ? QStringLiteral("a name is missing")
                                                       : QStringLiteral("too few names"));
    if (parsed.names.size() > spec.maxNames)
        return UsageError(spec, QStringLiteral("too many names: \"%1\" is one more than the command takes")
                                    .arg(parsed.names.at(spec.maxNames)));
    return -1;
}
