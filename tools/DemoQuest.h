#pragma once
// Makes the sample content with the editor's own code: the sheet file of the
// sample sheet "meadow" and the quest "Demo", whose screens are painted through
// the screen model and saved with their previews and scripts.
class CConsoleUi;
class CDisplay;

// Writes "sprite sheets\meadow.spt" and makes the quest "Demo" (which must not
// exist yet). 0 on success.
int MakeDemoQuest(CDisplay& display, CConsoleUi& ui);
