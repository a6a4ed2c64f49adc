#pragma once
// "Enter Quest Name" (dialog 138): asks for a new quest's name.
#include <QDialog>

class QLabel;
class QLineEdit;

class CQuestNameDlg : public QDialog {
    Q_OBJECT
public:
    explicit CQuestNameDlg(QWidget* parent = nullptr);

    QString name;
    QString prompt = QStringLiteral("Enter a name for your quest:");

    int exec() override;
    void accept() override;

private:
    QLabel* m_prompt;
    QLineEdit* m_name;
};
