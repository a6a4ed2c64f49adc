#pragma once
// How every `tessell` command reads its arguments: options first or among the
// names, each named exactly; "--help" prints the command's usage on standard
// output; "--" ends the options, so that only after it may a name begin with
// "-"; an unknown option or a wrong number of names is named on standard
// error with the usage, and the command ends with exit code 2.
#include <QHash>
#include <QString>
#include <QStringList>

struct CommandSpec {
    QString usage;        // "tessell check [--format=text|json] QUEST"
    QString description;  // what the command does, a line or two
    QStringList options;  // "--full", or "--format=" for one that takes a value
    QString optionHelp;   // the lines that explain the options, if any
    int minNames = 1;
    int maxNames = 1;
};

struct ParsedCommand {
    QStringList names;
    QStringList flags;             // the plain options given
    QHash<QString, QString> values; // "--format" -> "json"
    bool Has(const QString& flag) const { return flags.contains(flag); }
};

// Reads the arguments after the command's name. -1 when the command goes on;
// otherwise the exit code to end with, its text printed (0 after "--help", 2
// for bad usage).
int ParseCommand(const CommandSpec& spec, const QStringList& arguments, ParsedCommand& parsed);

// The usage text of a command: the usage line, the description and the
// options' lines.
QString CommandHelp(const CommandSpec& spec);
// Ends a command for bad usage: "tessell: " + why, then the usage line; 2.
int UsageError(const CommandSpec& spec, const QString& why);
