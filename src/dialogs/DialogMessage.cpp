#include "dialogs/DialogMessage.h"

#include "support/io/TextCodec.h"

namespace {
MessageShower& Shower()
{
    static MessageShower shower;
    return shower;
}
} // namespace

int ShowDialogMessage(QWidget* parent, const QString& text, const QString& caption,
                      QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    if (Shower())
        return Shower()(parent, text, caption, buttons);
    // Paths and names in messages are shown as a person can read them.
    QMessageBox box(QMessageBox::NoIcon, DisplayText(caption), DisplayText(text), buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return box.exec();
}

void SetMessageShower(MessageShower shower)
{
    Shower() = std::move(shower);
}

int CDialogMessages::MessageBox(const QString& text, const QString& caption, Buttons buttons)
{
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (buttons == ButtonsYesNo || buttons == ButtonsYesNoDefaultNo)
        standard = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == ButtonsYesNoCancel)
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    const QMessageBox::StandardButton defaultButton =
        buttons == ButtonsYesNoDefaultNo ? QMessageBox::No : QMessageBox::NoButton;
    switch (ShowDialogMessage(m_dialog, text, caption, standard, defaultButton)) {
    case QMessageBox::Yes:
        return AnswerYes;
    case QMessageBox::No:
        return AnswerNo;
    case QMessageBox::Cancel:
        return AnswerCancel;
    default:
        return AnswerOk;
    }
}
