#pragma once
// Makes the sample content with the editor's own code: the sheet file of the
// sample sheet "meadow" and the quest "Demo", whose screens are painted through
// the screen model and saved with their previews and scripts.
#include "CommandLine.h"

#include <QStringList>

class CConsoleUi;
class CDisplay;

// Writes "sprite sheets\meadow.spt" and makes the quest "Demo". Nothing is
// written when Demo exists, or when meadow.spt differs from the sample and
// `replaceSheet` is not set. 0 on success.
int MakeDemoQuest(CDisplay& display, CConsoleUi& ui, bool replaceSheet);

// "tessell demo [--force]".
int DemoCommand(const QStringList& args);

extern const CommandSpec kDemoCommand;
