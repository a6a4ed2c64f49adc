#pragma once
// Everything the core needs from a person goes through this one interface: a
// message box, a file chooser, a modal dialog and its result, the menu bar, the
// window title, the scroll bars. The editor implements it with real windows,
// the command-line tool on the console, and the tests with a scripted fake.
#include "common/Designer.h"

#include <QString>

class CMapCell;
class CGroup;
class CGroupList;
class CNameList;
struct QuestProperties;

class CUiPort {
public:
    enum Buttons { ButtonsOk, ButtonsYesNo, ButtonsYesNoCancel };
    // The platform's answers, as dialogs and message boxes return them.
    enum Answer { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

    virtual ~CUiPort() = default;

    // A message box with one fixed sentence; returns the button pressed.
    virtual int MessageBox(const QString& text, const QString& caption, Buttons buttons = ButtonsOk) = 0;
    virtual void SetWindowTitle(const QString& title) = 0;
    // Makes menu 128, 133, 134 or 161 the main window's menu bar.
    virtual void SetMenu(int menuId) = 0;
    virtual void SetScrollPosition(ScrollBarKind bar, int position) = 0;
    // The system's file-open dialog; the chosen full (native) path, or an empty
    // string when cancelled. The filter is in the "Name|*.ext|Name|*.ext||" form.
    virtual QString ChooseOpenFile(const QString& defaultExtension, const QString& initialName,
                                   const QString& filter) = 0;
    // "Enter Quest Name" (dialog 138). False when cancelled.
    virtual bool AskQuestName(QString& name) = 0;
    // The name dialog (151) with a caller's title and prompt. False when cancelled.
    virtual bool AskName(const QString& title, const QString& prompt, QString& name) = 0;
    virtual void ShowAbout() = 0;
    // Asks the application to end with this code.
    virtual void Quit(int code) = 0;

    // Screen Properties (dialog 130) on a cell; returns its result code.
    virtual int ScreenPropertiesDialog(CMapCell& cell, int column, int row) = 0;
    // Group Properties (dialog 139) on a group of the list, with the sound list
    // for the music choice. Its Delete Group button removes the group from the list.
    virtual int GroupPropertiesDialog(CGroup& group, CGroupList& groups, CNameList& soundList) = 0;
    // Move/Copy Screen (dialog 171); false when cancelled.
    virtual bool MoveScreenDialog(int& column, int& row) = 0;
    // Quest Properties (dialog 160); the values change only on OK. False when cancelled.
    virtual bool QuestPropertiesDialog(QuestProperties& properties) = 0;
    // Script errors (dialog 169), listing "compiler\errors.txt"; returns 5005
    // for Edit Script, the OK or cancel answer otherwise.
    virtual int ScriptErrorsDialog() = 0;
    // A long build tells how far it is: `done` of `total` steps, what it does now.
    virtual void Progress(const QString& step, int done, int total) = 0;
};
