#include "document/QuestDoc.h"

#include "document/UiPort.h"
#include "resources/ResourceManager.h"
#include "support/paths/Globals.h"
#include "support/paths/QuestPaths.h"
#include "support/platform/LaunchEditor.h"

#include <algorithm>

CQuestDoc::CQuestDoc(CUiPort& port) : ui(port), quest(port, port, port)
{
    mapDesigner = std::make_unique<CMapDesigner>(quest, ui, ui, ui, this);
    screenDesigner = std::make_unique<CScreenDesigner>(ui, ui, ui, this);
    sheetDesigner = std::make_unique<CSheetDesigner>(ui, ui, ui, this);
    activeDesigner = mapDesigner.get();
}

// The designers go before the quest they may borrow from.
CQuestDoc::~CQuestDoc()
{
    mapDesigner.reset();
    screenDesigner.reset();
    sheetDesigner.reset();
}

bool CQuestDoc::GuardAllows(Guard guard) const
{
    switch (guard) {
    case Guard::None:
        return true;
    case Guard::Map:
        return MapDesignerActive();
    case Guard::Screen:
        return ScreenDesignerActive();
    case Guard::Sheet:
        return SheetDesignerActive();
    case Guard::ScreenOrSheet:
        return ScreenDesignerActive() || SheetDesignerActive();
    }
    return false;
}

bool CQuestDoc::IsChecked(int id) const
{
    const CommandInfo* command = FindCommand(id);
    return command && command->checked && command->checked(*this);
}

void CQuestDoc::OnCommand(int id)
{
    const CommandInfo* command = FindCommand(id);
    if (command && GuardAllows(command->guard))
        command->run(*this);
}

void CQuestDoc::OnAccelerator(const QString& key)
{
    const Accelerator* accelerator = FindAccelerator(key);
    if (!accelerator || accelerator->commands.empty())
        return;
    if (accelerator->commands.size() == 1) {
        OnCommand(accelerator->commands.front());
        return;
    }
    const MenuId shown = ScreenDesignerActive() ? kScreenMenu : SheetDesignerActive() ? kSheetMenu : kMapMenu;
    for (const CommandInfo& c : CommandTable()) {
        const auto& ids = accelerator->commands;
        if (c.menu == shown && std::find(ids.begin(), ids.end(), c.id) != ids.end()) {
            OnCommand(c.id);
            return;
        }
    }
}

QString CQuestDoc::CurrentLabel(int id) const
{
    const CommandInfo* command = FindCommand(id);
    if (!command)
        return QString();
    return command->currentLabel ? command->currentLabel(*this) : command->label;
}

bool CQuestDoc::IsEnabled(int id) const
{
    const CommandInfo* command = FindCommand(id);
    return command && (!command->enabled || command->enabled(*this));
}

QUndoStack* CQuestDoc::ActiveUndoStack() const
{
    if (ScreenDesignerActive())
        return &screenDesigner->undoStack;
    if (SheetDesignerActive())
        return &sheetDesigner->undoStack;
    return nullptr;
}

void CQuestDoc::UndoEdit()
{
    if (ScreenDesignerActive())
        screenDesigner->Undo();
    else if (SheetDesignerActive())
        sheetDesigner->Undo();
}

void CQuestDoc::RedoEdit()
{
    if (ScreenDesignerActive())
        screenDesigner->Redo();
    else if (SheetDesignerActive())
        sheetDesigner->Redo();
}

bool CQuestDoc::StartCreateQuest()
{
    return quest.files.NewQuestCommand();
}

int CQuestDoc::StartOpenQuest()
{
    return quest.files.OpenQuest(false);
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

void CQuestDoc::LeaveToMap()
{
    if (ScreenDesignerActive())
        screenDesigner->BackToMap();
    else if (SheetDesignerActive())
        sheetDesigner->BackToMap();
    else
        BackToMap();
}

bool CQuestDoc::SwitchToSheetDesigner(const QString& sheetName)
{
    // Leaving the screen or sheet designer asks about its unsaved work first,
    // as its own way back to the map does.
    if (ScreenDesignerActive() && !screenDesigner->BackToMap())
        return false;
    if (SheetDesignerActive() && !sheetDesigner->BackToMap())
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

bool CQuestDoc::AskAboutUnsavedWork()
{
    if (ScreenDesignerActive())
        return screenDesigner->AskToSave();
    if (SheetDesignerActive())
        return sheetDesigner->AskToSave();
    return true;
}

bool CQuestDoc::SaveOnExit()
{
    if (!AskAboutUnsavedWork())
        return false;
    // Without an open quest there is no map file to write (it would be "save\.qss").
    if (g_questName.isEmpty() || quest.files.SaveMapFile())
        return true;
    // The failure has been shown; leaving now would lose the quest's map.
    return ui.MessageBox(QStringLiteral("The map file could not be saved. Leave anyway?"),
                         QStringLiteral("Tessellmancery"), CUiPort::ButtonsYesNoDefaultNo)
        == CUiPort::AnswerYes;
}

void CQuestDoc::EditMainScript()
{
    LaunchEditor(ui, MainScriptPath());
}

void CQuestDoc::ScreenSaved(int column, int row, bool previewWritten)
{
    if (!CQuestMap::ValidCellCoordinates(column, row))
        return;
    CMapCell& cell = quest.map.Cell(column, row);
    if (previewWritten)
        quest.files.LoadPreview(cell, column, row);
    // The screen file was written: the screen stays on the map (and in the
    // map file) even when its preview could not be, drawn as a cell without
    // one rather than as it was before the save.
    if (!previewWritten || !cell.HoldsScreen()) {
        quest.map.SetScreen(column, row, true);
        cell.previewUnwritten = true;
    }
}

void CQuestDoc::ViewFocusGained()
{
    if (ScreenDesignerActive())
        screenDesigner->FocusGained();
}
