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
