#pragma once
// Everything the core needs from a person goes through the Ui port, one
// interface per area, each beside the area it serves: messages and files, the
// main window, the quest's and the map's dialogs, the screen designer's window
// and entity window, the sheet designer's dialogs, the resource managers.
// Each part of the core takes only the areas it uses, and every call has a
// quiet default, so a test's fake overrides only what it exercises. The
// editor implements the whole port with real windows, the command-line tool
// on the console.
#include "map/MapDialogPort.h"
#include "quest/QuestDialogPort.h"
#include "resources/ResourceManagerPort.h"
#include "screens/ScreenDesignerPort.h"
#include "sheets/SheetDesignerPort.h"
#include "support/ui/MessagePort.h"
#include "support/ui/WindowPort.h"

class CUiPort : public CMessagePort,
                public CWindowPort,
                public CQuestDialogPort,
                public CMapDialogPort,
                public CScreenDesignerPort,
                public CSheetDesignerPort,
                public CResourceManagerPort {};
