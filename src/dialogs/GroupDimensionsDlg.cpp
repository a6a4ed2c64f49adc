#include "dialogs/GroupDimensionsDlg.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/FieldChecks.h"
#include "dialogs/OneLineFields.h"
#include "quest/Group.h"
#include "quest/MapCell.h"
#include "support/io/LineHelpers.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {
constexpr int kCornerLength = 6;
}

CGroupDimensionsDlg::CGroupDimensionsDlg(CGroup* group, QWidget* parent) : QDialog(parent), m_group(group)
{
    setWindowTitle(QStringLiteral("Edit Group's dimensions"));
    auto field = [this](const char* id) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(id));
        edit->setMaxLength(kCornerLength);
        return edit;
    };
    m_left = field("1014");
    m_top = field("1015");
    m_right = field("1016");
    m_bottom = field("1017");
    if (m_group) {
        m_left->setText(QString::number(m_group->left / kCellWidth));
        m_top->setText(QString::number(m_group->top / kCellHeight));
        m_right->setText(QString::number(m_group->right / kCellWidth));
        m_bottom->setText(QString::number(m_group->bottom / kCellHeight));
    }
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("X"), this), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("Y"), this), 0, 2, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("Top left:"), this), 1, 0);
    grid->addWidget(m_left, 1, 1);
    grid->addWidget(m_top, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Bottom right:"), this), 2, 0);
    grid->addWidget(m_right, 2, 1);
    grid->addWidget(m_bottom, 2, 2);
    auto* buttons = OkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    KeepFieldsToOneLine(this);
}

int CGroupDimensionsDlg::exec()
{
    if (!m_group)
        return Rejected;
    return QDialog::exec();
}

void CGroupDimensionsDlg::accept()
{
    CFieldExchange exchange(this);
    QString left, top, right, bottom;
    exchange.MaxChars(m_left, left, kCornerLength);
    exchange.MaxChars(m_top, top, kCornerLength);
    exchange.MaxChars(m_right, right, kCornerLength);
    exchange.MaxChars(m_bottom, bottom, kCornerLength);
    if (!exchange.Ok())
        return;
    if (m_group) {
        // Each field counts whole cells; text that is no number counts 0.
        m_group->left = ParseDecimalInt(left.toLatin1()) * kCellWidth;
        m_group->top = ParseDecimalInt(top.toLatin1()) * kCellHeight;
        m_group->right = ParseDecimalInt(right.toLatin1()) * kCellWidth;
        m_group->bottom = ParseDecimalInt(bottom.toLatin1()) * kCellHeight;
        // Corners typed the wrong way round would give a group that contains
        // no point, which no click could reach again.
        if (m_group->left > m_group->right)
            std::swap(m_group->left, m_group->right);
        if (m_group->top > m_group->bottom)
            std::swap(m_group->top, m_group->bottom);
    }
    QDialog::accept();
}
