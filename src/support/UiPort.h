#pragma once
// Everything the core needs from a person goes through the Ui port, one
// interface per area: messages and files, the main window, the map's dialogs,
// the screen designer's window and entity window, the sheet designer's dialogs,
// the resource managers.
// Each part of the core takes only the areas it uses, so that a test's fake
// implements only what it exercises. The editor implements the whole port with
// real windows, the command-line tool on the console.
#include "support/MapDialogPort.h"
#include "support/MessagePort.h"
#include "support/ResourceManagerPort.h"
#include "support/ScreenDesignerPort.h"
#include "support/SheetDesignerPort.h"
#include "support/WindowPort.h"

class CUiPort : public CMessagePort,
                public CWindowPort,
                public CMapDialogPort,
                public CScreenDesignerPort,
                public CSheetDesignerPort,
                public CResourceManagerPort {};
