#include "dialogs/RedefineSpriteDlg.h"

#include "common/Rect.h"
#include "dialogs/DialogButtons.h"
#include "dialogs/FieldChecks.h"
#include "sheets/DesignerSprite.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CRedefineSpriteDlg::CRedefineSpriteDlg(CRect* rectangle, QWidget* parent) : QDialog(parent), m_rectangle(rectangle)
{
    setWindowTitle(QStringLiteral("Redefine sprite's dimentions"));
    if (m_rectangle) {
        topLeftX = ToSheetPixels(m_rectangle->left);
        topLeftY = ToSheetPixels(m_rectangle->top);
        bottomRightX = ToSheetPixels(m_rectangle->right);
        bottomRightY = ToSheetPixels(m_rectangle->bottom);
    }
    const int32_t values[4] = {topLeftX, topLeftY, bottomRightX, bottomRightY};
    const char* ids[4] = {"1044", "1045", "1046", "1047"};
    const QString labels[4] = {QStringLiteral("Top-left X:"), QStringLiteral("Top-left Y:"),
                               QStringLiteral("Bottom-right X:"), QStringLiteral("Bottom-right Y:")};
    auto* fields = new QFormLayout;
    for (int i = 0; i < 4; ++i) {
        m_fields[i] = new QLineEdit(QString::number(values[i]), this);
        m_fields[i]->setObjectName(QLatin1String(ids[i]));
        fields->addRow(labels[i], m_fields[i]);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(OkCancelButtons(this));
}

int CRedefineSpriteDlg::exec()
{
    if (!m_rectangle)
        return Rejected;
    return QDialog::exec();
}

void CRedefineSpriteDlg::accept()
{
    CFieldExchange exchange(this);
    int32_t typed[4] = {};
    for (int i = 0; i < 4; ++i)
        exchange.Integer(m_fields[i], typed[i]);
    if (!exchange.Ok())
        return;
    topLeftX = typed[0];
    topLeftY = typed[1];
    bottomRightX = typed[2];
    bottomRightY = typed[3];
    if (m_rectangle)
        *m_rectangle = CRect{ToDesignerUnits(topLeftX), ToDesignerUnits(topLeftY), ToDesignerUnits(bottomRightX),
                             ToDesignerUnits(bottomRightY)};
    QDialog::accept();
}
