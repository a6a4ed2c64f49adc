#pragma once
#include "CommandLine.h"

#include <QStringList>

// "tessell new NAME": a new quest exactly as the editor's New makes it.
int NewCommand(const QStringList& args);

extern const CommandSpec kNewCommand;
