#include "document/QuestDoc.h"

#include "resources/ResourceManager.h"
#include "support/Globals.h"
#include "support/LaunchEditor.h"
#include "support/QuestPaths.h"
#include "support/UiPort.h"

CQuestDoc::CQuestDoc(CUiPort& port) : ui(port)
{
    entityList = std::make_unique<CNameList>();
    soundList = std::make_unique<CNameList>();
    sheetList = std::make_unique<CNameList>();
    mapDesigner = std::make_unique<CMapDesigner>(ui, this);
    screenDesigner = std::make_unique<CScreenDesigner>(ui, this);
    sheetDesigner = std::make_unique<CSheetDesigner>(ui, this);
    mapDesigner->document = this;
    screenDesigner->document = this;
    sheetDesigner->document = this;
    activeDesigner = mapDesigner.get();
}

CQuestDoc::~CQuestDoc()
{
    // The designers go before the lists they may borrow from.
    mapDesigner.reset();
    screenDesigner.reset();
    entityList.reset();
    soundList.reset();
    sheetList.reset();
    sheetDesigner.reset();
}

bool CQuestDoc::GuardAllows(Guard guard) const
{
    switch (guard) {
    case Guard::None:
        return true;
    case Guard::Map:
        return activeDesigner == mapDesigner.get();
    case Guard::Screen:
        return activeDesigner == screenDesigner.get();
    case Guard::Sheet:
        return activeDesigner == sheetDesigner.get();
    case Guard::ScreenOrSheet:
        return activeDesigner == screenDesigner.get() || activeDesigner == sheetDesigner.get();
    }
    return false;
}

bool CQuestDoc::IsChecked(int id) const
{
    if (activeDesigner != screenDesigner.get())
        return false;
    switch (id) {
    case ID_SNAP_TO_WIDTH:
        return screenDesigner->snapToWidth != 0;
    case ID_STACK_AT_BOTTOM:
        return screenDesigner->stackAtBottom != 0;
    case ID_DOUBLE_SIZE:
        return screenDesigner->doubleSize != 0;
    default:
        return false;
    }
}

void CQuestDoc::OnCommand(int id)
{
    const CommandInfo* command = FindCommand(id);
    if (!command || !GuardAllows(command->guard))
        return;
    switch (id) {
    case ID_SAVE_MAP:
        mapDesigner->files.SaveMapFile();
        break;
    case ID_OPEN_QUEST:
        mapDesigner->files.OpenQuest(true);
        break;
    case ID_NEW_QUEST:
        mapDesigner->files.NewQuestCommand();
        break;
    case ID_EDIT_MAIN_SCRIPT:
        EditMainScript();
        break;
    case ID_QUEST_PROPERTIES:
        // The dialog changes the five values only on OK.
        ui.QuestPropertiesDialog(mapDesigner->map.properties);
        break;
    case ID_EXIT:
        // The main window's close saves the map file, and may keep the program open.
        ui.Quit(0);
        break;
    case ID_BACK_TO_MAP:
    case ID_BACK_TO_MAP_SHEET:
        // Each designer asks about its unsaved work before it leaves.
        if (activeDesigner == screenDesigner.get())
            screenDesigner->BackToMap();
        else if (activeDesigner == sheetDesigner.get())
            sheetDesigner->BackToMap();
        else
            BackToMap();
        break;
    case ID_SAVE_SHEET:
    case ID_CREATE_SPRITE:
    case ID_LIST_SPRITES:
    case ID_CYCLE_COLOURS:
    case ID_CREATE_ANIMATED:
    case ID_SHEET_PROPERTIES:
        SheetCommand(id);
        break;
    case ID_SAVE_SCREEN:
    case ID_DELETE_LAST_SPRITE:
    case ID_DELETE_LAST_FILL:
    case ID_CLEAR_SCREEN:
    case ID_SNAP_TO_WIDTH:
    case ID_STACK_AT_BOTTOM:
    case ID_DOUBLE_SIZE:
    case ID_MOVE_SCREEN_UP:
    case ID_MOVE_SCREEN_LEFT:
    case ID_MOVE_SCREEN_RIGHT:
    case ID_MOVE_SCREEN_DOWN:
    case ID_EDIT_SCREEN_SCRIPT:
        ScreenCommand(id);
        break;
    case ID_WRITE_QUEST:
        mapDesigner->build.BuildQuest(true);
        break;
    case ID_RECOMPILE_ALL:
        mapDesigner->build.RecompileAllScripts(GuardAllows(Guard::Map));
        break;
    case ID_TEST_QUEST:
        mapDesigner->build.TestQuest(GuardAllows(Guard::Map));
        break;
    case ID_FIND_ENGINE:
        mapDesigner->build.FindEngine();
        break;
    case ID_COPY_QUEST:
        mapDesigner->build.CopyQuest();
        break;
    case ID_ENTITY_MANAGER:
        RunResourceManager(EntityManagerKind());
        break;
    case ID_SOUND_MANAGER:
        RunResourceManager(SoundManagerKind());
        break;
    case ID_GRAPHICS_MANAGER:
        RunResourceManager(SheetManagerKind());
        // The manager may have added or removed sheets.
        sheetList->ReadTreeFile(SheetListPath(), QLatin1String(kSheetListMissing), ui);
        break;
    case ID_APP_ABOUT:
        ui.ShowAbout();
        break;
    default:
        break;
    }
}

bool CQuestDoc::StartCreateQuest()
{
    return mapDesigner->files.NewQuestCommand();
}

int CQuestDoc::StartOpenQuest()
{
    return mapDesigner->files.OpenQuest(false);
}

void CQuestDoc::OpenScreenDesigner(int column, int row)
{
    activeDesigner = screenDesigner.get();
    screenDesigner->OpenAtCell(column, row);
    ui.RequestFrame();
}

void CQuestDoc::OpenSheetDesigner(const QString& sheetName)
{
    activeDesigner = sheetDesigner.get();
    sheetDesigner->Open(sheetName);
    ui.RequestFrame();
}

void CQuestDoc::BackToMap()
{
    activeDesigner = mapDesigner.get();
    mapDesigner->activate();
    ui.RequestFrame();
}

bool CQuestDoc::SwitchToSheetDesigner(const QString& sheetName)
{
    // Leaving the screen or sheet designer asks about its unsaved work first,
    // as its own way back to the map does.
    if (activeDesigner == screenDesigner.get() && !screenDesigner->BackToMap())
        return false;
    if (activeDesigner == sheetDesigner.get() && !sheetDesigner->BackToMap())
        return false;
    OpenSheetDesigner(sheetName);
    return true;
}

void CQuestDoc::RunResourceManager(const ResourceManagerKind& kind)
{
    CResourceManager manager(kind, ui, ui, *this);
    manager.Initialise();
    ui.ResourceManagerDialog(manager);
}

bool CQuestDoc::SaveOnExit()
{
    // Without an open quest there is no map file to write (it would be "save\.qss").
    if (g_questName.isEmpty() || mapDesigner->files.SaveMapFile())
        return true;
    // The failure has been shown; leaving now would lose the quest's map.
    return ui.MessageBox(QStringLiteral("The map file could not be saved. Leave anyway?"),
                         QStringLiteral("Tessellmancery"), CUiPort::ButtonsYesNoDefaultNo)
        == CUiPort::AnswerYes;
}

void CQuestDoc::EditMainScript()
{
    LaunchEditor(MainScriptPath());
}

void CQuestDoc::ScreenCommand(int id)
{
    CScreenDesigner& d = *screenDesigner;
    switch (id) {
    case ID_SAVE_SCREEN:
        d.SaveScreen();
        break;
    case ID_DELETE_LAST_SPRITE:
        d.DeleteLastSprite();
        break;
    case ID_DELETE_LAST_FILL:
        d.DeleteLastFill();
        break;
    case ID_CLEAR_SCREEN:
        d.ClearScreen();
        break;
    case ID_SNAP_TO_WIDTH:
        d.ToggleSnap();
        break;
    case ID_STACK_AT_BOTTOM:
        d.ToggleStack();
        break;
    case ID_DOUBLE_SIZE:
        d.ToggleDoubleSize();
        break;
    case ID_MOVE_SCREEN_UP:
        d.GoToNeighbour(0, -1);
        break;
    case ID_MOVE_SCREEN_LEFT:
        d.GoToNeighbour(-1, 0);
        break;
    case ID_MOVE_SCREEN_RIGHT:
        d.GoToNeighbour(1, 0);
        break;
    case ID_MOVE_SCREEN_DOWN:
        d.GoToNeighbour(0, 1);
        break;
    case ID_EDIT_SCREEN_SCRIPT:
        d.EditScript();
        break;
    default:
        break;
    }
}

void CQuestDoc::SheetCommand(int id)
{
    CSheetDesigner& d = *sheetDesigner;
    switch (id) {
    case ID_SAVE_SHEET:
        d.Save();
        break;
    case ID_CREATE_SPRITE:
        d.CreateSprite();
        break;
    case ID_LIST_SPRITES:
        d.ListSprites();
        break;
    case ID_CYCLE_COLOURS:
        d.CycleSelectionColour();
        break;
    case ID_CREATE_ANIMATED:
        d.CreateAnimatedSprite();
        break;
    case ID_SHEET_PROPERTIES:
        d.SheetProperties();
        break;
    default:
        break;
    }
}

void CQuestDoc::ReloadEntityList()
{
    entityList->ReadTreeFile(EntityListPath(), QLatin1String(kEntityListMissing), ui);
}

void CQuestDoc::ScreenSaved(int column, int row)
{
    if (CQuestMap::ValidCellCoordinates(column, row))
        mapDesigner->files.LoadPreview(mapDesigner->map.Cell(column, row), column, row);
}

void CQuestDoc::ViewFocusGained()
{
    if (activeDesigner == screenDesigner.get())
        screenDesigner->FocusGained();
}
