#include "dialogs/StartDlg.h"

#include "document/QuestDoc.h"

#include <QPushButton>
#include <QVBoxLayout>

CStartDlg::CStartDlg(CQuestDoc& document, QWidget* parent) : QDialog(parent), m_document(document)
{
    setWindowTitle(QStringLiteral("Vantraglen Tessellmancery"));
    auto* create = new QPushButton(QStringLiteral("Create a &new Quest"), this);
    create->setObjectName(QStringLiteral("1006"));
    create->setToolTip(QStringLiteral("Create a new quest"));
    auto* open = new QPushButton(QStringLiteral("&Open an existing Quest"), this);
    open->setObjectName(QStringLiteral("1005"));
    open->setToolTip(QStringLiteral("Open an existing quest"));
    auto* exit = new QPushButton(QStringLiteral("E&xit"), this);
    exit->setObjectName(QStringLiteral("1007"));
    exit->setToolTip(QStringLiteral("Exit the Tessellmancery"));
    for (QPushButton* b : {create, open, exit})
        b->setAutoDefault(false);
    setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(create);
    layout->addWidget(open);
    layout->addWidget(exit);
    connect(create, &QPushButton::clicked, this, [this] {
        if (m_document.StartCreateQuest())
            done(QuestCreated);
    });
    connect(open, &QPushButton::clicked, this, [this] {
        if (m_document.StartOpenQuest() == 1)
            done(QuestOpened);
    });
    connect(exit, &QPushButton::clicked, this, [this] { done(ExitChosen); });
}
