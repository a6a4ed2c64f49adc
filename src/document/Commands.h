#pragma once
// The menu commands: one table holds, for each menu item, its id, menu,
// drop-down, label, accelerator key, the designer that must be active for it
// to act, what it does and, for the three that show one, its check mark.
#include "common/MenuId.h"

#include <QString>

#include <vector>

class CQuestDoc;

enum CommandId {
    ID_SAVE_SCREEN = 32771,
    ID_BACK_TO_MAP = 32772,
    ID_SAVE_MAP = 32773,
    ID_OPEN_QUEST = 32774,
    ID_DELETE_LAST_SPRITE = 32775,
    ID_DELETE_LAST_FILL = 32776,
    ID_CLEAR_SCREEN = 32777,
    ID_SNAP_TO_WIDTH = 32778,
    ID_ENTITY_MANAGER = 32779,
    ID_SOUND_MANAGER = 32782,
    ID_GRAPHICS_MANAGER = 32783,
    ID_EDIT_MAIN_SCRIPT = 32784,
    ID_QUEST_PROPERTIES = 32785,
    ID_NEW_QUEST = 32786,
    ID_WRITE_QUEST = 32787,
    ID_EXIT = 32788,
    ID_RECOMPILE_ALL = 32789,
    ID_TEST_QUEST = 32790,
    ID_FIND_ENGINE = 32791,
    ID_BACK_TO_MAP_SHEET = 32792,
    ID_CREATE_SPRITE = 32793,
    ID_LIST_SPRITES = 32794,
    ID_CYCLE_COLOURS = 32795,
    ID_CREATE_ANIMATED = 32796,
    ID_STACK_AT_BOTTOM = 32797,
    ID_SAVE_SHEET = 32798,
    ID_SHEET_PROPERTIES = 32799,
    ID_MOVE_SCREEN_UP = 32800,
    ID_MOVE_SCREEN_LEFT = 32801,
    ID_MOVE_SCREEN_RIGHT = 32802,
    ID_MOVE_SCREEN_DOWN = 32803,
    ID_EDIT_SCREEN_SCRIPT = 32804,
    ID_DOUBLE_SIZE = 32805,
    ID_COPY_QUEST = 32806,
    // The screen and sheet designers' edit history, in both their menus.
    ID_UNDO = 32807,
    ID_REDO = 32808,
    // The recently used files, as the framework numbers them.
    ID_FILE_MRU_FILE1 = 57616,
    ID_FILE_MRU_FILE2 = 57617,
    ID_FILE_MRU_FILE3 = 57618,
    ID_FILE_MRU_FILE4 = 57619,
    ID_APP_ABOUT = 57664,
};

// Which designer must be active for a command to act.
enum class Guard { None, Map, Screen, Sheet, ScreenOrSheet };

struct CommandInfo {
    int id;
    MenuId menu;   // the menu resource that holds it
    QString popup; // the drop-down it sits in
    QString label; // with its "&" mnemonic and the key shown after a tab
    // Its accelerators (in the form QKeySequence reads, several separated by
    // "; "), or none.
    QString key;
    Guard guard;
    void (*run)(CQuestDoc&);
    // Whether its item shows a check mark now; null for items that have none.
    bool (*checked)(const CQuestDoc&) = nullptr;
    // The submenu of the drop-down that holds it; empty when it sits in the
    // drop-down itself.
    QString submenu = QString();
    // For an item whose text changes (a recently used file, Undo): its text
    // now, empty to hide it. Null for an item whose label is all it shows.
    QString (*currentLabel)(const CQuestDoc&) = nullptr;
    // For an item that is greyed at times: whether it can be chosen now.
    // Null for an item that always can.
    bool (*enabled)(const CQuestDoc&) = nullptr;
};

// Every menu item, in menu order within each menu. A command that stands in
// several menus (About) has a row in each.
const std::vector<CommandInfo>& CommandTable();
// The first row of a command, or null.
const CommandInfo* FindCommand(int id);

// The application's accelerator table: each key of the command table once,
// with the commands whose items show it, in table order. A key shown in
// several menus (Ctrl+S: the map file, the screen, the sheet) sends the
// command of the menu of the designer that is active.
struct Accelerator {
    QString key;
    std::vector<int> commands;
};
const std::vector<Accelerator>& AcceleratorTable();
const Accelerator* FindAccelerator(const QString& key);
