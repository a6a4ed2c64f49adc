#include "document/Commands.h"

#include "document/QuestDoc.h"
#include "document/UiPort.h"
#include "resources/ResourceManagerKind.h"
#include "support/io/TextCodec.h"
#include "support/paths/Globals.h"
#include "support/platform/RecentFiles.h"

#include <QDir>
#include <QUndoStack>

#include <algorithm>

namespace {
// The check marks show the screen designer's flags while it is active.
bool SnapChecked(const CQuestDoc& d)
{
    return d.ScreenDesignerActive() && d.screenDesigner->snapToWidth != 0;
}
bool StackChecked(const CQuestDoc& d)
{
    return d.ScreenDesignerActive() && d.screenDesigner->stackAtBottom != 0;
}
bool DoubleSizeChecked(const CQuestDoc& d)
{
    return d.ScreenDesignerActive() && d.screenDesigner->doubleSize != 0;
}

void About(CQuestDoc& d)
{
    d.ui.ShowAbout();
}

// "&Undo Stamp tree\tCtrl+Z": what the active designer would take back (or
// make again), "&Undo\tCtrl+Z" when nothing.
QString HistoryLabel(const CQuestDoc& d, bool undo)
{
    const QUndoStack* stack = d.ActiveUndoStack();
    QString label = undo ? QStringLiteral("&Undo") : QStringLiteral("&Redo");
    if (stack && (undo ? stack->canUndo() : stack->canRedo())) {
        QString text = undo ? stack->undoText() : stack->redoText();
        // A sprite's code may hold anything; in the label it is plain text.
        text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('&'), QStringLiteral("&&"));
        label += QLatin1Char(' ') + text;
    }
    return label + (undo ? QStringLiteral("\tCtrl+Z") : QStringLiteral("\tCtrl+Shift+Z"));
}
QString UndoLabel(const CQuestDoc& d)
{
    return HistoryLabel(d, true);
}
QString RedoLabel(const CQuestDoc& d)
{
    return HistoryLabel(d, false);
}
bool CanUndo(const CQuestDoc& d)
{
    return d.ActiveUndoStack() && d.ActiveUndoStack()->canUndo();
}
bool CanRedo(const CQuestDoc& d)
{
    return d.ActiveUndoStack() && d.ActiveUndoStack()->canRedo();
}

// Undo and Redo stand in the screen and the sheet menu alike and act on the
// designer that is active.
CommandInfo HistoryRow(bool undo, MenuId menu)
{
    if (undo)
        return {ID_UNDO, menu, "&Edit", "&Undo\tCtrl+Z", menu == kScreenMenu ? "Ctrl+Z" : "", Guard::ScreenOrSheet,
                [](CQuestDoc& d) { d.UndoEdit(); }, nullptr, QString(), UndoLabel, CanUndo};
    return {ID_REDO, menu, "&Edit", "&Redo\tCtrl+Shift+Z", menu == kScreenMenu ? "Ctrl+Shift+Z; Ctrl+Y" : "",
            Guard::ScreenOrSheet, [](CQuestDoc& d) { d.RedoEdit(); }, nullptr, QString(), RedoLabel, CanRedo};
}

// "&1 save\Forest.qss": the recently used file's number and its path, below
// the base directory where it lies there.
template <int index>
QString RecentFileLabel(const CQuestDoc&)
{
    const QString path = RecentFiles().value(index);
    if (path.isEmpty())
        return QString();
    QString shown = QDir(g_baseDirectory).relativeFilePath(path);
    if (shown.startsWith(QLatin1String("..")))
        shown = path;
    else
        shown.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QStringLiteral("&%1 ").arg(index + 1) + DisplayText(shown).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// The recently used file's row: it opens as Open opens a chosen file, once
// the designer has let go of its work.
template <int index>
void OpenRecent(CQuestDoc& d)
{
    if (d.AskAboutUnsavedWork())
        d.quest.files.OpenRecentQuest(index);
}

template <int index>
CommandInfo RecentFileRow()
{
    return {ID_FILE_MRU_FILE1 + index, kMapMenu, "&File", "Recent File", "", Guard::Map, OpenRecent<index>,
            nullptr, QString(), RecentFileLabel<index>};
}

const CommandInfo kAbout = {ID_APP_ABOUT, kInitialMenu, "&Help", "&About quest...", "", Guard::None, About};

CommandInfo AboutIn(MenuId menu)
{
    CommandInfo about = kAbout;
    about.menu = menu;
    return about;
}
} // namespace

const std::vector<CommandInfo>& CommandTable()
{
    static const QString kQuestResources = QStringLiteral("Quest Resources");
    using D = CQuestDoc&;
    static const std::vector<CommandInfo> table = {
        // Map menu (134)
        // Another quest replaces this one: the active designer asks about its
        // unsaved work first, as every way out does.
        {ID_NEW_QUEST, kMapMenu, "&File", "&New\tCtrl+N", "Ctrl+N", Guard::Map,
         [](D d) {
             if (d.AskAboutUnsavedWork())
                 d.quest.files.NewQuestCommand();
         }},
        {ID_OPEN_QUEST, kMapMenu, "&File", "&Open\tCtrl+O", "", Guard::Map,
         [](D d) {
             if (d.AskAboutUnsavedWork())
                 d.quest.files.OpenQuest(true);
         }},
        {ID_SAVE_MAP, kMapMenu, "&File", "&Save\tCtrl+S", "Ctrl+S", Guard::Map,
         [](D d) { d.quest.files.SaveMapFile(); }},
        {ID_COPY_QUEST, kMapMenu, "&File", "&Create Copy of Quest...", "", Guard::Map,
         [](D d) { d.quest.build.CopyQuest(); }},
        {ID_WRITE_QUEST, kMapMenu, "&File", "&Write Quest file\tCtrl+Q", "Ctrl+Q", Guard::Map,
         [](D d) { d.quest.build.BuildQuest(true); }},
        // Recompile all empties the compile list in every mode; it builds only from the map.
        {ID_RECOMPILE_ALL, kMapMenu, "&File", "&Recompile all scripts", "", Guard::None,
         [](D d) { d.quest.build.RecompileAllScripts(d.MapDesignerActive()); }},
        {ID_TEST_QUEST, kMapMenu, "&File", "&Test Quest in Vantraglen...\tCtrl+T", "Ctrl+T", Guard::None,
         [](D d) { d.quest.build.TestQuest(d.MapDesignerActive()); }},
        {ID_FIND_ENGINE, kMapMenu, "&File", "&Find Vantraglen.exe...\tCtrl+F", "Ctrl+F", Guard::None,
         [](D d) { d.quest.build.FindEngine(); }},
        // The recently used quests open as Open opens a chosen file.
        RecentFileRow<0>(), RecentFileRow<1>(), RecentFileRow<2>(), RecentFileRow<3>(),
        // The main window's close asks the active designer about its unsaved
        // work and saves the map file, and may keep the program open.
        {ID_EXIT, kMapMenu, "&File", "E&xit", "", Guard::None, [](D d) { d.ui.Quit(0); }},
        // The dialog changes the five values only on OK.
        {ID_QUEST_PROPERTIES, kMapMenu, "&Quest", "Quest &Properties...\tCtrl+P", "Ctrl+P", Guard::Map,
         [](D d) { d.ui.QuestPropertiesDialog(d.quest.map.properties); }},
        {ID_EDIT_MAIN_SCRIPT, kMapMenu, "&Quest", "Edit &Main Script...\tCtrl+M", "Ctrl+M", Guard::Map,
         [](D d) { d.EditMainScript(); }},
        // The managers stand in the Quest menu's "Quest Resources" submenu.
        {ID_ENTITY_MANAGER, kMapMenu, "&Quest", "&Entity Manager...\tCtrl+E", "Ctrl+E", Guard::None,
         [](D d) { d.RunResourceManager(EntityManagerKind()); }, nullptr, kQuestResources},
        {ID_SOUND_MANAGER, kMapMenu, "&Quest", "&Sound Manager...\tCtrl+O", "Ctrl+O", Guard::None,
         [](D d) { d.RunResourceManager(SoundManagerKind()); }, nullptr, kQuestResources},
        // The manager may have added or removed sheets.
        {ID_GRAPHICS_MANAGER, kMapMenu, "&Quest", "&Graphics Manager...\tCtrl+G", "Ctrl+G", Guard::None,
         [](D d) {
             d.RunResourceManager(SheetManagerKind());
             d.quest.ReadSheetList();
         },
         nullptr, kQuestResources},
        AboutIn(kMapMenu),
        // Screen menu (133)
        // Ctrl+S saves what the active designer edits.
        {ID_SAVE_SCREEN, kScreenMenu, "&Screen", "&Save Screen", "Ctrl+S", Guard::None,
         [](D d) { d.screenDesigner->SaveScreen(); }},
        {ID_CLEAR_SCREEN, kScreenMenu, "&Screen", "Clear Screen", "", Guard::Screen,
         [](D d) { d.screenDesigner->ClearScreen(); }},
        {ID_EDIT_SCREEN_SCRIPT, kScreenMenu, "&Screen", "&Edit script for this screen", "", Guard::Screen,
         [](D d) { d.screenDesigner->EditScript(); }},
        // Ctrl+B sends this one in every mode; each designer asks about its
        // unsaved work before it leaves.
        {ID_BACK_TO_MAP, kScreenMenu, "&Screen", "&Back to Map layout\tCtrl+B", "Ctrl+B", Guard::ScreenOrSheet,
         [](D d) { d.LeaveToMap(); }},
        HistoryRow(true, kScreenMenu),
        HistoryRow(false, kScreenMenu),
        {ID_DELETE_LAST_SPRITE, kScreenMenu, "&Edit", "Delete last &Sprite\tt", "T", Guard::Screen,
         [](D d) { d.screenDesigner->DeleteLastSprite(); }},
        {ID_DELETE_LAST_FILL, kScreenMenu, "&Edit", "Delete last &Fill\tf", "F", Guard::Screen,
         [](D d) { d.screenDesigner->DeleteLastFill(); }},
        {ID_SNAP_TO_WIDTH, kScreenMenu, "&Edit", "&Snap to Width\tInsert", "Ins", Guard::Screen,
         [](D d) { d.screenDesigner->ToggleSnap(); }, SnapChecked},
        {ID_STACK_AT_BOTTOM, kScreenMenu, "&Edit", "Stack Sprites at bottom", "", Guard::Screen,
         [](D d) { d.screenDesigner->ToggleStack(); }, StackChecked},
        {ID_DOUBLE_SIZE, kScreenMenu, "&View", "Show &double size", "", Guard::Screen,
         [](D d) { d.screenDesigner->ToggleDoubleSize(); }, DoubleSizeChecked},
        {ID_MOVE_SCREEN_UP, kScreenMenu, "Move Screen", "&Up\tCtrl+up", "Ctrl+Up", Guard::Screen,
         [](D d) { d.screenDesigner->GoToNeighbour(0, -1); }},
        {ID_MOVE_SCREEN_LEFT, kScreenMenu, "Move Screen", "&Left\tCtrl+Left", "Ctrl+Left", Guard::Screen,
         [](D d) { d.screenDesigner->GoToNeighbour(-1, 0); }},
        {ID_MOVE_SCREEN_RIGHT, kScreenMenu, "Move Screen", "&Right\tCtrl+Right", "Ctrl+Right", Guard::Screen,
         [](D d) { d.screenDesigner->GoToNeighbour(1, 0); }},
        {ID_MOVE_SCREEN_DOWN, kScreenMenu, "Move Screen", "&Down\tCtrl+Down", "Ctrl+Down", Guard::Screen,
         [](D d) { d.screenDesigner->GoToNeighbour(0, 1); }},
        AboutIn(kScreenMenu),
        // Sheet menu (161)
        {ID_SAVE_SHEET, kSheetMenu, "&Sheet", "&Save Sheet", "Ctrl+S", Guard::Sheet,
         [](D d) { d.sheetDesigner->Save(); }},
        {ID_SHEET_PROPERTIES, kSheetMenu, "&Sheet", "Sprite sheet properties...", "", Guard::Sheet,
         [](D d) { d.sheetDesigner->SheetProperties(); }},
        {ID_BACK_TO_MAP_SHEET, kSheetMenu, "&Sheet", "&Back to map Layout\tCtrl+B", "", Guard::ScreenOrSheet,
         [](D d) { d.LeaveToMap(); }},
        HistoryRow(true, kSheetMenu),
        HistoryRow(false, kSheetMenu),
        {ID_CREATE_SPRITE, kSheetMenu, "S&prites", "&Create Sprite...\tCtrl+C", "Ctrl+C", Guard::Sheet,
         [](D d) { d.sheetDesigner->CreateSprite(); }},
        {ID_CREATE_ANIMATED, kSheetMenu, "S&prites", "Create &Animated Sprite\tCtrl+A", "Ctrl+A", Guard::Sheet,
         [](D d) { d.sheetDesigner->CreateAnimatedSprite(); }},
        {ID_LIST_SPRITES, kSheetMenu, "S&prites", "&List Sprites...", "", Guard::Sheet,
         [](D d) { d.sheetDesigner->ListSprites(); }},
        {ID_CYCLE_COLOURS, kSheetMenu, "S&prites", "&Cycle selection colours\tSpace", "Space", Guard::Sheet,
         [](D d) { d.sheetDesigner->CycleSelectionColour(); }},
        AboutIn(kSheetMenu),
        // The frame's initial menu (128)
        kAbout,
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
    static const std::vector<Accelerator> table = [] {
        std::vector<Accelerator> keys;
        for (const CommandInfo& c : CommandTable()) {
            for (const QString& key : c.key.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
                auto it = std::find_if(keys.begin(), keys.end(), [&key](const Accelerator& a) { return a.key == key; });
                if (it == keys.end())
                    keys.push_back({key, {c.id}});
                else
                    it->commands.push_back(c.id);
            }
        }
        return keys;
    }();
    return table;
}

const Accelerator* FindAccelerator(const QString& key)
{
    for (const Accelerator& a : AcceleratorTable())
        if (a.key == key)
            return &a;
    return nullptr;
}
