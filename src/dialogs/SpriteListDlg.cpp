#include "dialogs/SpriteListDlg.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/SpriteListBox.h"
#include "sheets/SheetDesigner.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CSpriteListDlg::CSpriteListDlg(CSheetDesigner* designer, QWidget* parent) : QDialog(parent), m_designer(designer)
{
    setWindowTitle(QStringLiteral("Sprite List"));
    auto* label = new QLabel(QStringLiteral("Sprites on this sheet:"), this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("1038"));
    m_list->setToolTip(QStringLiteral("List of sprites on this sheet"));
    label->setBuddy(m_list);
    auto* edit = ActionButton(this, QStringLiteral("Edit Sprite"), "1039", QStringLiteral("Edits the selected sprite"));
    auto* animation = ActionButton(this, QStringLiteral("Edit Animation"), "1040",
                             QStringLiteral("Edits the animation the selected sprite is in"));
    auto* remove = ActionButton(this, QStringLiteral("Delete Sprite"), "1041", QStringLiteral("Deletes the selected sprite"));
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    ok->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(edit);
    buttons->addWidget(animation);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* row = new QHBoxLayout;
    row->addWidget(m_list, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(row);

    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(edit, &QPushButton::clicked, this, &CSpriteListDlg::EditSprite);
    connect(animation, &QPushButton::clicked, this, &CSpriteListDlg::EditAnimation);
    connect(remove, &QPushButton::clicked, this, &CSpriteListDlg::DeleteSprite);
    Refill();
}

int CSpriteListDlg::exec()
{
    if (!m_designer)
        return Rejected;
    return QDialog::exec();
}

void CSpriteListDlg::Refill()
{
    if (m_designer)
        FillSpriteList(m_list, m_designer->SpriteLines());
}

void CSpriteListDlg::EditSprite()
{
    CDesignerSprite* sprite = SelectedSprite(m_list);
    if (!sprite || !m_designer)
        return;
    m_designer->EditSpriteProperties(sprite);
    Refill();
}

void CSpriteListDlg::DeleteSprite()
{
    CDesignerSprite* sprite = SelectedSprite(m_list);
    if (!sprite || !m_designer)
        return;
    m_designer->DeleteSprite(sprite);
    Refill();
}

void CSpriteListDlg::EditAnimation()
{
    CDesignerSprite* sprite = SelectedSprite(m_list);
    if (!sprite || !m_designer)
        return;
    if (!sprite->animated) {
        ShowDialogMessage(this,
                          QStringLiteral("This sprite is not part of an animated sprite\npress Ctrl+A to create an "
                                         "animated sprite"),
                          QStringLiteral("Attention"));
        return;
    }
    m_designer->EditAnimation(sprite->animation);
}
