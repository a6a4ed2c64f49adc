#pragma once
// The part of the Ui port every area of the core uses: a message box, a file
// chooser, a name typed in, the script errors list and a long job's progress.
#include <QString>

class CMessagePort {
public:
    // ButtonsYesNoDefaultNo asks a question whose Yes loses work: No is the
    // button that a pressed Return chooses.
    enum Buttons { ButtonsOk, ButtonsYesNo, ButtonsYesNoCancel, ButtonsYesNoDefaultNo };
    // The platform's answers, as dialogs and message boxes return them.
    enum Answer { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

    virtual ~CMessagePort() = default;

    // A message box with one fixed sentence; returns the button pressed.
    virtual int MessageBox(const QString& text, const QString& caption, Buttons buttons = ButtonsOk) = 0;
    // The system's file-open dialog; the chosen full (native) path, or an empty
    // string when cancelled. The filter is in the "Name|*.ext|Name|*.ext||" form.
    virtual QString ChooseOpenFile(const QString& defaultExtension, const QString& initialName,
                                   const QString& filter) = 0;
    // The name dialog (151) with a caller's title and prompt. False when cancelled.
    virtual bool AskName(const QString& title, const QString& prompt, QString& name) = 0;
    // Script errors (dialog 169), listing "compiler\errors.txt"; returns 5005
    // for Edit Script, the OK or cancel answer otherwise.
    virtual int ScriptErrorsDialog() = 0;
    // A long job tells how far it is: `done` of `total` steps, what it does now.
    virtual void Progress(const QString& step, int done, int total) = 0;
};
