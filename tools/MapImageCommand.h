#pragma once
#include <QStringList>

// "tessell map-image QUEST FILE.png [--full]": a PNG of the map's used area,
// each cell from its preview or, with --full, rendered from its screen file.
// Exit code 0 when the image was written, 1 when not (the reason on standard
// error), 2 for bad usage.
int MapImageCommand(const QStringList& args);

// The usage line of the command.
QString MapImageUsage();
