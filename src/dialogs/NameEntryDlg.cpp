#include "dialogs/NameEntryDlg.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/FieldChecks.h"
#include "dialogs/OneLineFields.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CNameEntryDlg::CNameEntryDlg(QWidget* parent) : QDialog(parent)
{
    m_prompt = new QLabel(this);
    m_prompt->setObjectName(QStringLiteral("1029"));
    m_prompt->setWordWrap(true);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("1016"));
    m_name->setMaxLength(kEntryNameLength);
    auto* buttons = OkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_name);
    layout->addWidget(buttons);
    setMinimumWidth(300);
    KeepFieldsToOneLine(this);
}

void CNameEntryDlg::showEvent(QShowEvent* event)
{
    setWindowTitle(title);
    m_prompt->setText(prompt);
    m_name->setText(name);
    QDialog::showEvent(event);
}

void CNameEntryDlg::accept()
{
    CFieldExchange exchange(this);
    QString typed;
    if (!exchange.MaxChars(m_name, typed, kEntryNameLength))
        return;
    if (typed.isEmpty()) {
        ShowDialogMessage(this, QStringLiteral("Invalid name"), QStringLiteral("Error"));
        return;
    }
    if (typed[0] >= QLatin1Char('0') && typed[0] <= QLatin1Char('9')) {
        ShowDialogMessage(this, QStringLiteral("The first character of name cannot be a number"),
                          QStringLiteral("Error"));
        return;
    }
    name = typed;
    QDialog::accept();
}
