#pragma once
#include "CommandLine.h"

#include <QStringList>

// tessell build [--recompile] QUEST: the editor's "Write Quest file" (or
// "Recompile all scripts") on the command line. 0 only when the quest file
// was written.
int BuildCommand(const QStringList& args);

extern const CommandSpec kBuildCommand;
