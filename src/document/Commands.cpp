#include "document/Commands.h"

const std::vector<CommandInfo>& CommandTable()
{
    static const std::vector<CommandInfo> table = {
        // Map menu (134)
        {ID_NEW_QUEST, kMapMenu, "&File", "&New\tCtrl+N", Guard::Map},
        {ID_OPEN_QUEST, kMapMenu, "&File", "&Open\tCtrl+O", Guard::Map},
        {ID_SAVE_MAP, kMapMenu, "&File", "&Save\tCtrl+S", Guard::Map},
        {ID_COPY_QUEST, kMapMenu, "&File", "&Create Copy of Quest...", Guard::Map},
        {ID_WRITE_QUEST, kMapMenu, "&File", "&Write Quest file\tCtrl+Q", Guard::Map},
        {ID_RECOMPILE_ALL, kMapMenu, "&File", "&Recompile all scripts", Guard::None}, // builds only from the map
        {ID_TEST_QUEST, kMapMenu, "&File", "&Test Quest in Vantraglen...\tCtrl+T", Guard::None},
        {ID_FIND_ENGINE, kMapMenu, "&File", "&Find Vantraglen.exe...\tCtrl+F", Guard::None},
        {ID_EXIT, kMapMenu, "&File", "E&xit", Guard::None},
        {ID_QUEST_PROPERTIES, kMapMenu, "&Quest", "Quest &Properties...\tCtrl+P", Guard::Map},
        {ID_EDIT_MAIN_SCRIPT, kMapMenu, "&Quest", "Edit &Main Script...\tCtrl+M", Guard::Map},
        {ID_ENTITY_MANAGER, kMapMenu, "&Resources", "&Entity Manager...\tCtrl+E", Guard::None},
        {ID_SOUND_MANAGER, kMapMenu, "&Resources", "&Sound Manager...\tCtrl+O", Guard::None},
        {ID_GRAPHICS_MANAGER, kMapMenu, "&Resources", "&Graphics Manager...\tCtrl+G", Guard::None},
        {ID_APP_ABOUT, kMapMenu, "&Help", "&About quest...", Guard::None},
        // Screen menu (133)
        {ID_SAVE_SCREEN, kScreenMenu, "&Screen", "&Save Screen", Guard::None},
        {ID_CLEAR_SCREEN, kScreenMenu, "&Screen", "Clear Screen", Guard::Screen},
        {ID_EDIT_SCREEN_SCRIPT, kScreenMenu, "&Screen", "&Edit script for this screen", Guard::Screen},
        {ID_BACK_TO_MAP, kScreenMenu, "&Screen", "&Back to Map layout\tCtrl+B", Guard::ScreenOrSheet},
        {ID_DELETE_LAST_SPRITE, kScreenMenu, "&Edit", "Delete last &Sprite\tt", Guard::Screen},
        {ID_DELETE_LAST_FILL, kScreenMenu, "&Edit", "Delete last &Fill\tf", Guard::Screen},
        {ID_SNAP_TO_WIDTH, kScreenMenu, "&Edit", "&Snap to Width\tInsert", Guard::Screen},
        {ID_STACK_AT_BOTTOM, kScreenMenu, "&Edit", "Stack Sprites at bottom", Guard::Screen},
        {ID_DOUBLE_SIZE, kScreenMenu, "&View", "Show &double size", Guard::Screen},
        {ID_MOVE_SCREEN_UP, kScreenMenu, "Move Screen", "&Up\tCtrl+up", Guard::Screen},
        {ID_MOVE_SCREEN_LEFT, kScreenMenu, "Move Screen", "&Left\tCtrl+Left", Guard::Screen},
        {ID_MOVE_SCREEN_RIGHT, kScreenMenu, "Move Screen", "&Right\tCtrl+Right", Guard::Screen},
        {ID_MOVE_SCREEN_DOWN, kScreenMenu, "Move Screen", "&Down\tCtrl+Down", Guard::Screen},
        {ID_APP_ABOUT, kScreenMenu, "&Help", "&About quest...", Guard::None},
        // Sheet menu (161)
        {ID_SAVE_SHEET, kSheetMenu, "&Sheet", "&Save Sheet", Guard::Sheet},
        {ID_SHEET_PROPERTIES, kSheetMenu, "&Sheet", "Sprite sheet properties...", Guard::Sheet},
        {ID_BACK_TO_MAP_SHEET, kSheetMenu, "&Sheet", "&Back to map Layout\tCtrl+B", Guard::ScreenOrSheet},
        {ID_CREATE_SPRITE, kSheetMenu, "S&prites", "&Create Sprite...\tCtrl+C", Guard::Sheet},
        {ID_CREATE_ANIMATED, kSheetMenu, "S&prites", "Create &Animated Sprite\tCtrl+A", Guard::Sheet},
        {ID_LIST_SPRITES, kSheetMenu, "S&prites", "&List Sprites...", Guard::Sheet},
        {ID_CYCLE_COLOURS, kSheetMenu, "S&prites", "&Cycle selection colours\tSpace", Guard::Sheet},
        {ID_APP_ABOUT, kSheetMenu, "&Help", "&About quest...", Guard::None},
        // The frame's initial menu (128)
        {ID_APP_ABOUT, kInitialMenu, "&Help", "&About quest...", Guard::None},
    };
    return table;
}

const CommandInfo* FindCommand(int id)
{
    for (const CommandInfo& c : CommandTable())
        if (c.id == id)
            return &c;
    return nullptr;
}

const std::vector<Accelerator>& AcceleratorTable()
{
    static const std::vector<Accelerator> table = {
        {"Ctrl+B", ID_BACK_TO_MAP},       {"T", ID_DELETE_LAST_SPRITE},   {"F", ID_DELETE_LAST_FILL},
        {"Ins", ID_SNAP_TO_WIDTH},        {"Ctrl+E", ID_ENTITY_MANAGER},  {"Ctrl+O", ID_SOUND_MANAGER},
        {"Ctrl+G", ID_GRAPHICS_MANAGER},  {"Ctrl+M", ID_EDIT_MAIN_SCRIPT}, {"Ctrl+P", ID_QUEST_PROPERTIES},
        {"Ctrl+N", ID_NEW_QUEST},         {"Ctrl+Q", ID_WRITE_QUEST},     {"Ctrl+T", ID_TEST_QUEST},
        {"Ctrl+C", ID_CREATE_SPRITE},     {"Ctrl+A", ID_CREATE_ANIMATED},
    };
    return table;
}
