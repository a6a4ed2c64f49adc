#pragma once
// A scripted stand-in for the person at the editor: records every message box
// and dialog the core asks for, and answers from queues the test fills.
#include "helpers/QtPrinters.h"
#include "support/UiPort.h"

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

    // What happened, in order.
    std::vector<RecordedMessage> messages;
    QStringList calls;
    QString windowTitle;
    std::vector<int> menus;
    std::vector<int> quitCodes;
    int horizontalPosition = 0;
    int verticalPosition = 0;
    int framesRequested = 0;

    // Answers, taken from the front; an empty queue gives the cancel answer.
    std::deque<int> messageAnswers;    // for message boxes with more than OK
    std::deque<QString> fileAnswers;   // chosen paths; "" cancels
    std::deque<QString> nameAnswers;   // names typed; a missing answer cancels
    std::deque<int> dialogResults;     // result codes of dialogs
    std::deque<std::pair<int, int>> cellAnswers; // move/copy targets
    // Lets a test act as a dialog would on the object it was opened on.
    std::function<void(QuestProperties&)> onQuestProperties;
    std::function<void(CMapCell&)> onScreenProperties;
    std::function<void(CGroup&, CGroupList&)> onGroupProperties;

    QStringList MessageTexts() const;

private:
    int NextResult(int whenEmpty);
};
