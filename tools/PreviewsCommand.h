#pragma once
#include "CommandLine.h"

#include <QStringList>

// "tessell previews QUEST": rewrites the preview of every screen on the map
// from its screen file and the quest's sheets, with the editor's rendering. A
// preview is rewritten only from a screen rendered whole (its file read to
// the end, every sprite it names found on a sheet that loaded); any other
// keeps its old file, its cell is named on standard error and the exit code
// is 1.
int PreviewsCommand(const QStringList& args);

extern const CommandSpec kPreviewsCommand;
