#pragma once
#include "CommandLine.h"

#include <QStringList>

// "tessell qst list FILE", "tessell qst extract FILE DIR", "tessell qst verify
// FILE": the quest archive seen from the command line. Returns the exit code:
// 0 done, 1 damaged archive or failure (one message on standard error),
// 2 bad usage.
int QuestArchiveCommand(const QStringList& args);

extern const CommandSpec kQstCommand;
