#include "dialogs/ScreenPropertiesDlg.h"

#include "common/DialogResults.h"
#include "dialogs/DialogButtons.h"
#include "dialogs/DialogMessage.h"
#include "quest/MapCell.h"
#include "support/paths/Globals.h"
#include "support/paths/QuestPaths.h"
#include "support/platform/LaunchEditor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

CScreenPropertiesDlg::CScreenPropertiesDlg(CMapCell* cell, int column, int row, QWidget* parent)
    : QDialog(parent), m_cell(cell), m_column(column), m_row(row)
{
    setWindowTitle(QStringLiteral("Screen Properties"));
    auto* edit = ActionButton(this, QStringLiteral("&Edit Screen"), "1000", QStringLiteral("Edit the appearance of this screen"));
    auto* script = ActionButton(this, QStringLiteral("Edit &Script"), "1001", QStringLiteral("Edit the script file for this screen"));
    auto* remove = ActionButton(this, QStringLiteral("&Delete Screen"), "1002", QStringLiteral("Delete this screen completely"));
    auto* group = ActionButton(this, QStringLiteral("Edit &Group"), "1004", QStringLiteral("Edit the group this screen is in"));
    auto* move = ActionButton(this, QStringLiteral("&Move Screen"), "1005", QString());
    auto* copy = ActionButton(this, QStringLiteral("&Copy Screen"), "1006", QString());
    m_inside = new QCheckBox(QStringLiteral("Screen is Inside"), this);
    m_inside->setObjectName(QStringLiteral("1003"));
    m_inside->setToolTip(QStringLiteral("Check if this screen is in a room or dungeon etc.."));
    auto* ok = ActionButton(this, QStringLiteral("OK"), "1", QString());
    ok->setDefault(true);
    if (m_cell)
        m_inside->setChecked(m_cell->inside != 0);

    auto* grid = new QGridLayout;
    grid->addWidget(edit, 0, 0);
    grid->addWidget(script, 0, 1);
    grid->addWidget(group, 1, 0);
    grid->addWidget(remove, 1, 1);
    grid->addWidget(move, 2, 0);
    grid->addWidget(copy, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_inside);
    layout->addWidget(ok, 0, Qt::AlignRight);

    connect(edit, &QPushButton::clicked, this, [this] { EndApplying(kEditScreen); });
    connect(group, &QPushButton::clicked, this, [this] { EndApplying(kEditGroup); });
    connect(move, &QPushButton::clicked, this, [this] { EndApplying(kMoveScreen); });
    connect(copy, &QPushButton::clicked, this, [this] { EndApplying(kCopyScreen); });
    connect(ok, &QPushButton::clicked, this, [this] { EndApplying(Accepted); });
    connect(script, &QPushButton::clicked, this, &CScreenPropertiesDlg::EditScript);
    connect(remove, &QPushButton::clicked, this, &CScreenPropertiesDlg::DeleteScreen);
}

int CScreenPropertiesDlg::exec()
{
    if (!m_cell)
        return Rejected;
    return QDialog::exec();
}

void CScreenPropertiesDlg::EndApplying(int code)
{
    if (m_cell)
        m_cell->inside = m_inside->isChecked() ? 1 : 0;
    done(code);
}

void CScreenPropertiesDlg::EditScript()
{
    if (!m_cell)
        return;
    CDialogMessages messages(this);
    LaunchEditor(messages, ScreenScriptPath(m_column, m_row), g_baseDirectory);
}

void CScreenPropertiesDlg::DeleteScreen()
{
    const int answer = ShowDialogMessage(this, QStringLiteral("Are you sure? - this cannot be undone"),
                                         QStringLiteral("Delete Screen"), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        done(kDeleteScreen);
}
