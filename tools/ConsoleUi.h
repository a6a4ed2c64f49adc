#pragma once
// The Ui port on the console: every message box becomes its caption and text
// on standard error; questions are answered with the safe choice (No, Cancel);
// dialogs are cancelled.
#include "support/QuietUi.h"

class CConsoleUi : public CQuietUi {
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
