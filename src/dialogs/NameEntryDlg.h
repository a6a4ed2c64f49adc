#pragma once
// The name dialog (151): asks for a new name (a folder in a resource manager,
// the copy of a quest) under the caller's title and prompt.
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

class CNameEntryDlg : public QDialog {
    Q_OBJECT
public:
    explicit CNameEntryDlg(QWidget* parent = nullptr);
    void accept() override;

    // Set by the caller before opening; the name is read after OK.
    QString title;
    QString prompt;
    QString name;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_prompt;
    QLineEdit* m_name;
};

// The longest name the dialog takes.
constexpr int kEntryNameLength = 20;
