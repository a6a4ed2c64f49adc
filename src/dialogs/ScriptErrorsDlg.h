#pragma once
// "Error(s) found in script" (dialog 169): lists the error lines the compiler
// wrote into compiler\errors.txt and offers to open the faulty script.
// Ends with kEditScript (5005) for "&Edit Script", Accepted for OK.
#include <QDialog>

class QListWidget;

class CScriptErrorsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CScriptErrorsDlg(QWidget* parent = nullptr);

    // Refills the list from the error file: every line holding "Error [" or
    // "Fatal [", read in pieces of at most 511 characters as the compiler's
    // 512-byte line buffer gives them. A missing file leaves the list empty.
    void ReadErrorFile();

    QListWidget* ErrorList() const { return m_list; }

private:
    QListWidget* m_list;
};
