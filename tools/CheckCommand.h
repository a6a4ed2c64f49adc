#pragma once
#include "CommandLine.h"

#include <QStringList>

// "tessell check [--format=text|json] QUEST": one line per problem on
// standard output, "FILE:LINE: message" where the line is known and
// "FILE: message" where it is not, grouped by kind, then a count line; or
// one JSON object. Exit code 0 when there is no problem, 1 when there is one,
// 2 for bad usage.
int CheckCommand(const QStringList& args);

extern const CommandSpec kCheckCommand;
