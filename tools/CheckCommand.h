#pragma once
#include <QStringList>

// "tessell check QUEST": one line per problem ("path: what is wrong") on
// standard output, grouped by kind, then a count line. Exit code 0 when there
// is no problem, 1 when there is one, 2 for bad usage.
int CheckCommand(const QStringList& args);

// The usage line of the command.
QString CheckUsage();
