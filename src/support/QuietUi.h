#pragma once
// A Ui port with nobody at it: questions get the safe answer (No, Cancel),
// dialogs are cancelled, and nothing is shown. The command-line tool, the fuzz
// targets and the benchmarks build on it and override what they need.
#include "support/UiPort.h"

class CQuietUi : public CUiPort {
public:
    int MessageBox(const QString&, const QString&, Buttons buttons) override
    {
        if (buttons == ButtonsYesNo || buttons == ButtonsYesNoDefaultNo)
            return AnswerNo;
        return buttons == ButtonsYesNoCancel ? AnswerCancel : AnswerOk;
    }
    QString ChooseOpenFile(const QString&, const QString&, const QString&) override { return QString(); }
    bool AskName(const QString&, const QString&, QString&) override { return false; }
    int ScriptErrorsDialog() override { return AnswerOk; }
    void Progress(const QString&, int, int) override {}

    void SetWindowTitle(const QString&) override {}
    void SetMenu(MenuId) override {}
    void SetScrollPosition(ScrollBarKind, int) override {}
    void RequestFrame() override {}
    void ShowAbout() override {}
    void Quit(int) override {}

    bool AskQuestName(QString&) override { return false; }
    int ScreenPropertiesDialog(CMapCell&, int, int) override { return AnswerCancel; }
    int GroupPropertiesDialog(CGroup&, CGroupList&, CNameList&) override { return AnswerCancel; }
    bool MoveScreenDialog(int&, int&) override { return false; }
    bool QuestPropertiesDialog(QuestProperties&) override { return false; }

    void ShowScrollBars(bool) override {}
    void ResizeMainFrame(int, int) override {}
    int ScreenWidth() override { return 1280; }
    void FocusMainWindow() override {}
    void CreateEntityWindow(int, int) override {}
    void SetEntity(CPlacedSprite*, int, int, const QString&, std::function<void()>) override {}
    void ShowEntityWindow(bool) override {}
    void CloseEntityWindow() override {}

    int SpritePropertiesDialog(CDesignerSprite&, CSheetDesigner&) override { return AnswerCancel; }
    bool RedefineSpriteDialog(CRect&) override { return false; }
    void SpriteListDialog(CSheetDesigner&) override {}
    bool SheetPropertiesDialog(QString&) override { return false; }
    void AnimatedSpriteDialog(CSpriteAnimation&, CSheetDesigner&) override {}

    int ResourceManagerDialog(CResourceManager&) override { return AnswerCancel; }
    int TrackPopup(const CPopupMenu&, int, int) override { return 0; }
    void PlaySound(const QString&) override {}
    int SheetEntitiesDialog(CSheetEntitiesImport&) override { return AnswerCancel; }
};
