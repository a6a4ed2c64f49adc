#pragma once
// The start dialog (135): create a new quest, open one, or leave.
#include <QDialog>

class CQuestDoc;

class CStartDlg : public QDialog {
    Q_OBJECT
public:
    enum Result { QuestCreated = 0, QuestOpened = 4001, ExitChosen = 4002 };
    CStartDlg(CQuestDoc& document, QWidget* parent = nullptr);

    // The close box and Escape do nothing here.
    void reject() override {}

private:
    CQuestDoc& m_document;
};
