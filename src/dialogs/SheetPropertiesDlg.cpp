#include "dialogs/SheetPropertiesDlg.h"

#include "dialogs/ByteLimit.h"
#include "dialogs/DialogButtons.h"
#include "dialogs/FieldChecks.h"
#include "sheets/SheetFileWriter.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

CSheetPropertiesDlg::CSheetPropertiesDlg(const QString& shown, QWidget* parent) : QDialog(parent), title(shown)
{
    setWindowTitle(QStringLiteral("Sprite Sheet Properties"));
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("1052"));
    m_title->setToolTip(QStringLiteral("Enter a name for this sheet"));
    // Typing stops at the limit; a longer title already there is kept for the
    // check on OK.
    m_title->setMaxLength(std::max<int>(kSheetTitleChars, int(title.size())));
    m_title->setText(title);
    // The sheet file keeps 63 bytes of the title.
    LimitToBytes(m_title, kSheetTitleLength);
    m_title->setMinimumWidth(300);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Sheet title:"), m_title);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(OkCancelButtons(this));
}

void CSheetPropertiesDlg::accept()
{
    CFieldExchange exchange(this);
    QString typed;
    if (!exchange.MaxChars(m_title, typed, kSheetTitleChars))
        return;
    title = typed;
    QDialog::accept();
}
