#include "dialogs/MoveScreenDlg.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/FieldChecks.h"
#include "dialogs/OneLineFields.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CMoveScreenDlg::CMoveScreenDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Move/Copy Screen"));
    auto* text = new QLabel(QStringLiteral("Enter the Coordinates of the Cell you want to move this screen to:"), this);
    text->setWordWrap(true);
    m_column = new QLineEdit(QString::number(column), this);
    m_column->setObjectName(QStringLiteral("1061"));
    m_row = new QLineEdit(QString::number(row), this);
    m_row->setObjectName(QStringLiteral("1062"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("X-Coordinate"), m_column);
    form->addRow(QStringLiteral("Y-Coordinate"), m_row);
    auto* buttons = OkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(form);
    layout->addWidget(buttons);
    KeepFieldsToOneLine(this);
}

void CMoveScreenDlg::accept()
{
    CFieldExchange exchange(this);
    uint32_t c = 0;
    uint32_t r = 0;
    exchange.Unsigned(m_column, c);
    exchange.IntegerRange(m_column, c, 0, 255);
    exchange.Unsigned(m_row, r);
    exchange.IntegerRange(m_row, r, 0, 255);
    if (!exchange.Ok())
        return;
    column = c;
    row = r;
    QDialog::accept();
}
