#include "dialogs/DialogMessage.h"

namespace {
MessageShower& Shower()
{
    static MessageShower shower;
    return shower;
}
} // namespace

int ShowDialogMessage(QWidget* parent, const QString& text, const QString& caption,
                      QMessageBox::StandardButtons buttons)
{
    if (Shower())
        return Shower()(parent, text, caption, buttons);
    QMessageBox box(QMessageBox::NoIcon, caption, text, buttons, parent);
    return box.exec();
}

void SetMessageShower(MessageShower shower)
{
    Shower() = std::move(shower);
}
