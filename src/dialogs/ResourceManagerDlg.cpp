#include "dialogs/ResourceManagerDlg.h"

#include "dialogs/ResourceTreeView.h"
#include "resources/ResourceManager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CResourceManagerDlg::CResourceManagerDlg(CResourceManager& manager, QWidget* parent)
    : QDialog(parent), m_manager(manager)
{
    const ResourceManagerKind& kind = manager.kind;
    setWindowTitle(kind.dialogTitle);
    m_tree = new CResourceTreeView(manager, this);
    m_tree->setObjectName(QString::number(kind.treeControlId));
    m_tree->afterEvent = [this] { EndIfRequested(); };
    auto* help = new QLabel(kind.helpText, this);
    help->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    if (kind.createNewButtonId) {
        auto* createNew = new QPushButton(QStringLiteral("Create New"), this);
        createNew->setObjectName(QString::number(kind.createNewButtonId));
        createNew->setAutoDefault(false);
        connect(createNew, &QPushButton::clicked, this, &CResourceManagerDlg::CreateNew);
        buttons->addWidget(createNew);
    }
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tree, 1);
    layout->addWidget(help);
    layout->addLayout(buttons);
    resize(340, 460);
    m_tree->setFocus();
}

void CResourceManagerDlg::CreateNew()
{
    m_manager.CreateNew();
    EndIfRequested();
}

void CResourceManagerDlg::EndIfRequested()
{
    if (!m_manager.EndRequested() || m_endedByManager)
        return;
    m_endedByManager = true;
    done(m_manager.EndResult());
}

CEntityManagerDlg::CEntityManagerDlg(CResourceManager& manager, QWidget* parent)
    : CResourceManagerDlg(manager, parent)
{
}

const ResourceManagerKind& CEntityManagerDlg::Kind()
{
    return EntityManagerKind();
}

CSoundManagerDlg::CSoundManagerDlg(CResourceManager& manager, QWidget* parent)
    : CResourceManagerDlg(manager, parent)
{
}

const ResourceManagerKind& CSoundManagerDlg::Kind()
{
    return SoundManagerKind();
}

CSheetManagerDlg::CSheetManagerDlg(CResourceManager& manager, QWidget* parent)
    : CResourceManagerDlg(manager, parent)
{
}

const ResourceManagerKind& CSheetManagerDlg::Kind()
{
    return SheetManagerKind();
}

std::unique_ptr<CResourceManagerDlg> MakeResourceManagerDlg(CResourceManager& manager, QWidget* parent)
{
    const ResourceMode mode = manager.kind.mode;
    if (mode == CSoundManagerDlg::Kind().mode)
        return std::make_unique<CSoundManagerDlg>(manager, parent);
    if (mode == CSheetManagerDlg::Kind().mode)
        return std::make_unique<CSheetManagerDlg>(manager, parent);
    return std::make_unique<CEntityManagerDlg>(manager, parent);
}
