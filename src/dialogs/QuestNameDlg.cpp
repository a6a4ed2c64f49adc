#include "dialogs/QuestNameDlg.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/FieldChecks.h"
#include "dialogs/OneLineFields.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CQuestNameDlg::CQuestNameDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Enter Quest Name"));
    m_prompt = new QLabel(this);
    m_prompt->setObjectName(QStringLiteral("1059"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("1008"));
    m_name->setMaxLength(kQuestNameLength);
    auto* buttons = OkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_name);
    layout->addWidget(buttons);
    KeepFieldsToOneLine(this);
}

void CQuestNameDlg::showEvent(QShowEvent* event)
{
    m_prompt->setText(prompt);
    m_name->setText(name);
    QDialog::showEvent(event);
}

void CQuestNameDlg::accept()
{
    CFieldExchange exchange(this);
    if (!exchange.MaxChars(m_name, name, kQuestNameLength))
        return;
    if (name.isEmpty()) {
        ShowDialogMessage(this, QStringLiteral("That is not a valid Quest Name"), QStringLiteral("Error"));
        return;
    }
    QDialog::accept();
}
