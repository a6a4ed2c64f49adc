#include "dialogs/SheetEntitiesDlg.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/OneLineFields.h"
#include "resources/SheetEntityImport.h"
#include "resources/TreeList.h"
#include "support/io/TextCodec.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

CSheetEntitiesDlg::CSheetEntitiesDlg(CSheetEntitiesImport& import, QWidget* parent)
    : QDialog(parent), m_import(import)
{
    setWindowTitle(QStringLiteral("Sprite Sheet Contains Entities"));
    auto* listLabel = new QLabel(QStringLiteral("Entities on sheet:"), this);
    m_entities = new QListWidget(this);
    m_entities->setObjectName(QStringLiteral("1056"));
    for (const QString& name : import.Names())
        m_entities->addItem(DisplayText(name));
    listLabel->setBuddy(m_entities);
    m_addSounds = new QCheckBox(QStringLiteral("Add any sounds from entity scripts"), this);
    m_addSounds->setObjectName(QStringLiteral("1057"));
    m_addSounds->setChecked(import.addSounds != 0);
    auto* folderLabel = new QLabel(QStringLiteral("Add them to the folder:"), this);
    m_folder = new QLineEdit(import.folder, this);
    m_folder->setObjectName(QStringLiteral("1058"));
    // The folder becomes one component of the tree files' lines.
    m_folder->setMaxLength(CTreeList::kMaxComponent);
    folderLabel->setBuddy(m_folder);
    auto* buttons = OkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(m_entities, 1);
    layout->addWidget(m_addSounds);
    layout->addWidget(folderLabel);
    layout->addWidget(m_folder);
    layout->addWidget(buttons);
    setMinimumWidth(300);
    KeepFieldsToOneLine(this);
}

void CSheetEntitiesDlg::accept()
{
    m_import.folder = TypedText(m_folder->text());
    m_import.addSounds = m_addSounds->isChecked() ? 1 : 0;
    m_import.Confirm();
    QDialog::accept();
}
