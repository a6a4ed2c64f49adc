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

    void accept() override;

protected:
    // The prompt and the name are shown as the caller set them.
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_prompt;
    QLineEdit* m_name;
};

// The longest quest name the dialog takes.
constexpr int kQuestNameLength = 64;
