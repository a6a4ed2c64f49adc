#pragma once
// The document: lives for the whole run and owns the quest, the three
// designers and which designer is active. Menu commands arrive here and act
// only while the designer they belong to is active.
#include "document/Commands.h"
#include "map/MapDesigner.h"
#include "map/MapHost.h"
#include "quest/Quest.h"
#include "resources/ResourceHost.h"
#include "screens/ScreenDesigner.h"
#include "screens/ScreenHost.h"
#include "sheets/SheetDesigner.h"
#include "sheets/SheetHost.h"

#include <memory>

class CUiPort;
class QUndoStack;
struct ResourceManagerKind;

class CQuestDoc : public CMapHost, public CScreenHost, public CSheetHost, public CResourceHost {
public:
    explicit CQuestDoc(CUiPort& ui);
    ~CQuestDoc() override;

    // Runs a menu command.
    void OnCommand(int id);
    // Runs the command an accelerator key sends now: of several, the one in
    // the menu of the active designer.
    void OnAccelerator(const QString& key);
    // Whether a menu item shows its check mark.
    bool IsChecked(int id) const;
    // A menu item's text now (its label, unless it changes) and whether it
    // can be chosen (greyed when not).
    QString CurrentLabel(int id) const;
    bool IsEnabled(int id) const;
    bool GuardAllows(Guard guard) const;
    bool ScreenDesignerActive() const { return activeDesigner == screenDesigner.get(); }
    bool SheetDesignerActive() const { return activeDesigner == sheetDesigner.get(); }

    // The start dialog's buttons. Create: true when a quest was made (the
    // dialog ends); Open: 1 when a file was chosen.
    bool StartCreateQuest();
    int StartOpenQuest();

    // Mode switches; each asks the view for a frame of the designer now active.
    void OpenScreenDesigner(int column, int row) override;
    // The sheet manager's way into the sheet designer, on a sheet list name.
    void OpenSheetDesigner(const QString& sheetName);
    void BackToMap();
    // Back to the map from the screen or sheet designer, once it has asked
    // about its unsaved work.
    void LeaveToMap();
    // What the resource managers ask: the sheet designer on a sheet, after the
    // screen or sheet designer active now has asked about its unsaved work.
    bool SwitchToSheetDesigner(const QString& sheetName) override;

    // What the designers and managers ask of the document.
    bool MapDesignerActive() const override { return activeDesigner == mapDesigner.get(); }
    CNameList& EntityList() override { return quest.entityList; }
    CNameList& SoundList() override { return quest.soundList; }
    void ReturnToMap() override { BackToMap(); }
    bool ScreenDoubleSize() const override { return screenDesigner->doubleSize != 0; }
    void ReloadEntityList() override { quest.ReadEntityList(); }
    void ScreenSaved(int column, int row, bool previewWritten) override;
    // The view gained the keyboard focus.
    void ViewFocusGained();

    // Every way out of the program or the quest asks the active designer
    // about its unsaved work first: the screen designer's "Save the current
    // screen?", the sheet designer's "Do you want to save your changes?".
    // False on Cancel or when the work could not be saved.
    bool AskAboutUnsavedWork();
    // The way out of the program (Exit and the window's close both end here):
    // the active designer's question, then the map file. True when the
    // program may end: the file was written, no quest is open, or the user
    // chose to leave without it.
    bool SaveOnExit();

    // The edit history of the active designer (the screen or the sheet
    // designer's), or null; Undo and Redo act on it.
    QUndoStack* ActiveUndoStack() const;
    void UndoEdit();
    void RedoEdit();

    void EditMainScript();
    // Runs one resource manager dialog on the quest's tree file.
    void RunResourceManager(const ResourceManagerKind& kind);

    CUiPort& ui;
    CQuest quest;
    std::unique_ptr<CMapDesigner> mapDesigner;
    std::unique_ptr<CScreenDesigner> screenDesigner;
    std::unique_ptr<CSheetDesigner> sheetDesigner;
    CDesigner* activeDesigner = nullptr;
};
