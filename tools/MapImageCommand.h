#pragma once
#include "CommandLine.h"

#include <QStringList>

// "tessell map-image QUEST FILE [--full]": a picture of the map's used area,
// each cell from its preview or, with --full, rendered from its screen file,
// in the format the file's suffix names. Exit code 0 when the image was
// written, 1 when not (the reason on standard error), 2 for bad usage.
int MapImageCommand(const QStringList& args);

extern const CommandSpec kMapImageCommand;
