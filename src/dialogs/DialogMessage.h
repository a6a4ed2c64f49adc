#pragma once
// The message boxes that dialogs show about their own input. Tests replace the
// shower to read what a person would have seen.
#include "support/ui/MessagePort.h"

#include <QMessageBox>
#include <QString>

#include <functional>

using MessageShower = std::function<int(QWidget* parent, const QString& text, const QString& caption,
                                        QMessageBox::StandardButtons buttons)>;

// Shows a message box and returns the standard button pressed.
// The default button (chosen by Return) is the style's unless one is given.
int ShowDialogMessage(QWidget* parent, const QString& text, const QString& caption,
                      QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                      QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
// Replaces how messages are shown; an empty function restores real boxes.
void SetMessageShower(MessageShower shower);

// The message port of a dialog's own work (starting the script editor from
// it): its messages are owned by the dialog, which stays open after them.
class CDialogMessages : public CMessagePort {
public:
    explicit CDialogMessages(QWidget* dialog) : m_dialog(dialog) {}
    int MessageBox(const QString& text, const QString& caption, Buttons buttons = ButtonsOk) override;

private:
    QWidget* m_dialog;
};
