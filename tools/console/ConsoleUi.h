#pragma once
// The Ui port on the console, for what a quest needs of a person: every message
// box becomes its caption and text on standard error; questions are answered
// with the safe choice (No, Cancel); dialogs are cancelled; the window calls
// do nothing.
#include "quest/QuestDialogPort.h"
#include "support/ui/MessagePort.h"
#include "support/ui/WindowPort.h"

class CConsoleUi : public CMessagePort, public CWindowPort, public CQuestDialogPort {
public:
    int MessageBox(const QString& text, const QString& caption, Buttons buttons) override;
    int ScriptErrorsDialog() override;
    void Progress(const QString& step, int done, int total) override;

    int messageCount = 0;
};

// Writes one line to standard error.
void PrintError(const QString& line);
// Writes one line to standard output: a command's result.
void PrintOut(const QString& line);
