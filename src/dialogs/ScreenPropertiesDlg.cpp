#include "dialogs/ScreenPropertiesDlg.h"

#include "common/DialogResults.h"
#include "dialogs/DialogMessage.h"
#include "map/MapCell.h"
#include "support/Globals.h"
#include "support/LaunchEditor.h"
#include "support/QuestPaths.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton* Button(QWidget* parent, const QString& text, const char* id, const QString& tip)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(id));
    button->setAutoDefault(false);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    return button;
}
} // namespace

CScreenPropertiesDlg::CScreenPropertiesDlg(CMapCell* cell, QWidget* parent) : QDialog(parent), m_cell(cell)
{
    setWindowTitle(QStringLiteral("Screen Properties"));
    auto* edit = Button(this, QStringLiteral("&Edit Screen"), "1000", QStringLiteral("Edit the appearance of this screen"));
    auto* script = Button(this, QStringLiteral("Edit &Script"), "1001", QStringLiteral("Edit the script file for this screen"));
    auto* remove = Button(this, QStringLiteral("&Delete Screen"), "1002", QStringLiteral("Delete this screen completely"));
    auto* group = Button(this, QStringLiteral("Edit &Group"), "1004", QStringLiteral("Edit the group this screen is in"));
    auto* move = Button(this, QStringLiteral("&Move Screen"), "1005", QString());
    auto* copy = Button(this, QStringLiteral("&Copy Screen"), "1006", QString());
    m_inside = new QCheckBox(QStringLiteral("Screen is Inside"), this);
    m_inside->setObjectName(QStringLiteral("1003"));
    m_inside->setToolTip(QStringLiteral("Check if this screen is in a room or dungeon etc.."));
    auto* ok = Button(this, QStringLiteral("OK"), "1", QString());
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
    LaunchEditor(ScreenScriptPath(m_cell->Column(), m_cell->Row()), g_baseDirectory);
}

void CScreenPropertiesDlg::DeleteScreen()
{
    const int answer = ShowDialogMessage(this, QStringLiteral("Are you sure? - this cannot be undone"),
                                         QStringLiteral("Delete Screen"), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        done(kDeleteScreen);
}
