#pragma once
// A scripted stand-in for the person at the editor: records every message box
// and dialog the core asks for, and answers from queues the test fills.
#include "document/UiPort.h"
#include "helpers/QtPrinters.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

struct RecordedMessage {
    QString text;
    QString caption;
    CUiPort::Buttons buttons;
};

class CFakeUi : public CUiPort {
public:
    int MessageBox(const QString& text, const QString& caption, Buttons buttons) override;
    void SetWindowTitle(const QString& title) override { windowTitle = title; }
    void SetMenu(MenuId menu) override { menus.push_back(menu); }
    void RequestFrame() override { ++framesRequested; }
    void SetScrollPosition(ScrollBarKind bar, int position) override
    {
        (bar == HorizontalBar ? horizontalPosition : verticalPosition) = position;
    }
    QString ChooseOpenFile(const QString& defaultExtension, const QString& initialName,
                           const QString& filter) override;
    bool AskQuestName(QString& name) override;
    bool AskName(const QString& title, const QString& prompt, QString& name) override;
    void ShowAbout() override { calls << QStringLiteral("About"); }
    void Quit(int code) override { quitCodes.push_back(code); }
    int ScreenPropertiesDialog(CMapCell& cell, int column, int row) override;
    int GroupPropertiesDialog(CGroup& group, CGroupList& groups, CNameList& soundList) override;
    bool MoveScreenDialog(int& column, int& row) override;
    bool QuestPropertiesDialog(QuestProperties& properties) override;
    int ScriptErrorsDialog() override;
    void Progress(const QString& step, int done, int total) override;

    void ShowScrollBars(bool shown) override { scrollBarsShown = shown; }
    void ResizeMainFrame(int width, int height) override { frameSizes.push_back({width, height}); }
    int ScreenWidth() override { return screenWidth; }
    void FocusMainWindow() override { ++focusReturns; }
    void CreateEntityWindow(int clientX, int clientY) override
    {
        entityWindowAt = {clientX, clientY};
        entityWindowShown = false;
        ++entityWindowsMade;
    }
    void SetEntity(CPlacedSprite* placed, int worldX, int worldY, const QString& type,
                   std::function<void(int visit)> nameChanged) override
    {
        entity = placed;
        entityWorld = {worldX, worldY};
        entityType = type;
        entityNameChanged = std::move(nameChanged);
    }
    void ShowEntityWindow(bool shown) override { entityWindowShown = shown; }
    void CloseEntityWindow() override { entityWindowShown = false; ++entityWindowsClosed; }

    int SpritePropertiesDialog(CDesignerSprite& sprite, CSheetDesigner& designer) override;
    bool RedefineSpriteDialog(CRect& rectangle) override;
    void SpriteListDialog(CSheetDesigner& designer) override;
    bool SheetPropertiesDialog(QString& title) override;
    void AnimatedSpriteDialog(CSpriteAnimation& animation, CSheetDesigner& designer) override;

    int ResourceManagerDialog(CResourceManager& manager) override;
    int TrackPopup(const CPopupMenu& menu, int x, int y) override;
    void PlaySound(const QString& logicalPath) override { soundsPlayed << logicalPath; }
    int SheetEntitiesDialog(CSheetEntitiesImport& import) override;

    // What happened, in order.
    std::vector<RecordedMessage> messages;
    QStringList calls;
    QString windowTitle;
    std::vector<int> menus;
    std::vector<int> quitCodes;
    int horizontalPosition = 0;
    int verticalPosition = 0;
    int framesRequested = 0;
    // The screen designer's window and entity window.
    int screenWidth = 1280;
    bool scrollBarsShown = true;
    std::vector<std::pair<int, int>> frameSizes;
    int focusReturns = 0;
    std::pair<int, int> entityWindowAt{-1, -1};
    int entityWindowsMade = 0;
    int entityWindowsClosed = 0;
    bool entityWindowShown = false;
    CPlacedSprite* entity = nullptr;
    std::pair<int, int> entityWorld{0, 0};
    QString entityType;
    std::function<void(int visit)> entityNameChanged;

    // Answers, taken from the front; an empty queue gives the cancel answer.
    std::deque<int> messageAnswers;    // for message boxes with more than OK
    // Lets a test look around while a message box stands.
    std::function<void(const RecordedMessage&)> onMessage;
    std::deque<QString> fileAnswers;   // chosen paths; "" cancels
    std::deque<QString> nameAnswers;   // names typed; a missing answer cancels
    std::deque<int> dialogResults;     // result codes of dialogs
    std::deque<std::pair<int, int>> cellAnswers; // move/copy targets
    // Lets a test act as a dialog would on the object it was opened on.
    std::function<void(QuestProperties&)> onQuestProperties;
    std::function<void(CMapCell&)> onScreenProperties;
    std::function<void(CGroup&, CGroupList&)> onGroupProperties;
    // The sheet designer's dialogs: what the person does there. Without one
    // the sprite properties end from dialogResults (Cancel when empty), the
    // title from titleAnswers (Cancel when empty), the others do nothing.
    std::function<int(CDesignerSprite&, CSheetDesigner&)> onSpriteProperties;
    std::function<bool(CRect&)> onRedefineSprite;
    std::function<void(CSheetDesigner&)> onSpriteList;
    std::function<void(CSpriteAnimation&, CSheetDesigner&)> onAnimatedSprite;
    std::deque<QString> titleAnswers;
    // The resource managers: the dialog's person (nothing happens without
    // one), the popup's choices (an empty queue dismisses it), what the sheet
    // entities dialog does (without one it is cancelled) and the sounds played.
    std::function<int(CResourceManager&)> onResourceManager;
    std::deque<int> popupAnswers;
    std::function<int(CSheetEntitiesImport&)> onSheetEntities;
    QStringList soundsPlayed;

    QStringList MessageTexts() const;

private:
    int NextResult(int whenEmpty);
};
