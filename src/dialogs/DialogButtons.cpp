#include "dialogs/DialogButtons.h"

#include <QDialog>
#include <QPushButton>

QDialogButtonBox* OkCancelButtons(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QPushButton* ActionButton(QWidget* parent, const QString& text, const char* id, const QString& tip)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(id));
    button->setAutoDefault(false);
    button->setToolTip(tip);
    return button;
}
