#include "document/QuestDoc.h"

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
    screenDesigner = std::make_unique<CScreenDesigner>(&ui);
    sheetDesigner = std::make_unique<CSheetDesigner>(&ui);
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
        BackToMap();
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
    screenDesigner->OpenScreen(column, row);
    ui.RequestFrame();
}

void CQuestDoc::BackToMap()
{
    activeDesigner = mapDesigner.get();
    mapDesigner->activate();
    ui.RequestFrame();
}

bool CQuestDoc::SaveOnExit()
{
    // Without an open quest there is no map file to write (it would be "save\.qss").
    if (g_questName.isEmpty() || mapDesigner->files.SaveMapFile())
        return true;
    // The failure has been shown; leaving now would lose the quest's map.
    return ui.MessageBox(QStringLiteral("The map file could not be saved. Leave anyway?"),
                         QStringLiteral("Tessellmancery"), CUiPort::ButtonsYesNo)
        == CUiPort::AnswerYes;
}

void CQuestDoc::EditMainScript()
{
    LaunchEditor(MainScriptPath());
}
