#pragma once
// The part of the Ui port every area of the core uses: a message box, a file
// chooser, a name typed in, the script errors list and a long job's progress.
// Each call has a quiet default (Unanswered.h), so an implementation overrides
// only what it shows.
#include "support/ui/Unanswered.h"

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
    virtual int MessageBox(const QString& text, const QString& caption, Buttons buttons = ButtonsOk)
    {
        LogUnanswered("MessageBox", caption + QStringLiteral(": ") + text);
        return QuietAnswer(buttons);
    }
    // The system's file-open dialog; the chosen full (native) path, or an empty
    // string when cancelled. The filter is in the "Name|*.ext|Name|*.ext||" form.
    virtual QString ChooseOpenFile([[maybe_unused]] const QString& defaultExtension, const QString& initialName,
                                   [[maybe_unused]] const QString& filter)
    {
        LogUnanswered("ChooseOpenFile", initialName);
        return QString();
    }
    // The name dialog (151) with a caller's title and prompt. False when cancelled.
    virtual bool AskName(const QString& title, [[maybe_unused]] const QString& prompt, [[maybe_unused]] QString& name)
    {
        LogUnanswered("AskName", title);
        return false;
    }
    // Script errors (dialog 169), listing "compiler\errors.txt"; returns 5005
    // for Edit Script, the OK or cancel answer otherwise.
    virtual int ScriptErrorsDialog()
    {
        LogUnanswered("ScriptErrorsDialog");
        return AnswerOk;
    }
    // A long job tells how far it is: `done` of `total` steps, what it does now.
    virtual void Progress([[maybe_unused]] const QString& step, [[maybe_unused]] int done,
                          [[maybe_unused]] int total)
    {
    }

    // The answer that changes nothing: No to a question, Cancel where there is
    // one, OK to a message.
    static int QuietAnswer(Buttons buttons)
    {
        if (buttons == ButtonsYesNo || buttons == ButtonsYesNoDefaultNo)
            return AnswerNo;
        return buttons == ButtonsYesNoCancel ? AnswerCancel : AnswerOk;
    }
};
