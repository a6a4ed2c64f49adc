#pragma once
// The Ui port on the console: every message box becomes its caption and text
// on standard error; questions are answered with the safe choice (No, Cancel);
// dialogs are cancelled.
#include "support/UiPort.h"

class CConsoleUi : public CUiPort {
public:
    int MessageBox(const QString& text, const QString& caption, Buttons buttons) override;
    void SetWindowTitle(const QString&) override {}
    void SetMenu(int) override {}
    void SetScrollPosition(ScrollBarKind, int) override {}
    QString ChooseOpenFile(const QString&, const QString&, const QString&) override { return QString(); }
    bool AskQuestName(QString&) override { return false; }
    bool AskName(const QString&, const QString&, QString&) override { return false; }
    void ShowAbout() override {}
    void Quit(int) override {}
    int ScreenPropertiesDialog(CMapCell&, int, int) override { return AnswerCancel; }
    int GroupPropertiesDialog(CGroup&, CGroupList&, CNameList&) override { return AnswerCancel; }
    bool MoveScreenDialog(int&, int&) override { return false; }
    bool QuestPropertiesDialog(QuestProperties&) override { return false; }
    int ScriptErrorsDialog() override;
    void Progress(const QString& step, int done, int total) override;

    int messageCount = 0;
};

// Writes one line to standard error.
void PrintError(const QString& line);
