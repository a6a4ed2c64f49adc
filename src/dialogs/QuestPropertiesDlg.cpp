#include "dialogs/QuestPropertiesDlg.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/FieldChecks.h"
#include "dialogs/OneLineFields.h"
#include "quest/QuestProperties.h"
#include "support/io/TextCodec.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CQuestPropertiesDlg::CQuestPropertiesDlg(QuestProperties* properties, QWidget* parent)
    : QDialog(parent), m_properties(properties)
{
    setWindowTitle(QStringLiteral("Quest Properties"));
    if (m_properties) {
        finalVersion = m_properties->finalVersion;
        includeSound = m_properties->includeSound;
        fullName = m_properties->fullName;
        startX = m_properties->startX;
        startY = m_properties->startY;
    }
    m_startX = new QLineEdit(QString::number(startX), this);
    m_startX->setObjectName(QStringLiteral("1022"));
    m_startX->setToolTip(QStringLiteral("X coordinate of the players starting position"));
    m_startY = new QLineEdit(QString::number(startY), this);
    m_startY->setObjectName(QStringLiteral("1023"));
    m_startY->setToolTip(QStringLiteral("Y coordinate of the players starting position"));
    m_finalVersion = new QCheckBox(QStringLiteral("Final Version"), this);
    m_finalVersion->setObjectName(QStringLiteral("1025"));
    m_finalVersion->setToolTip(QStringLiteral("Check this if you plan to release this version"));
    m_finalVersion->setChecked(finalVersion != 0);
    m_includeSound = new QCheckBox(QStringLiteral("Include Sound"), this);
    m_includeSound->setObjectName(QStringLiteral("1026"));
    m_includeSound->setToolTip(QStringLiteral("Compiles sound files into the quest file"));
    m_includeSound->setChecked(includeSound != 0);
    m_fullName = new QLineEdit(this);
    m_fullName->setObjectName(QStringLiteral("1008"));
    m_fullName->setToolTip(QStringLiteral("Enter a title for your quest"));
    m_fullName->setMaxLength(kFullNameLength);
    m_fullName->setText(DisplayText(fullName));

    auto* start = new QFormLayout;
    start->addRow(QStringLiteral("X Coordinate:"), m_startX);
    start->addRow(QStringLiteral("Y Coordinate:"), m_startY);
    auto* startNote = new QLabel(
        QStringLiteral("Coordinates need to be in world units, relative to the upper left corner of the map."), this);
    startNote->setWordWrap(true);
    auto* name = new QFormLayout;
    name->addRow(QStringLiteral("Quest Name:"), m_fullName);
    auto* nameNote = new QLabel(QStringLiteral("The full name of your quest as displayed in the game."), this);
    nameNote->setWordWrap(true);
    auto* buttons = OkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(start);
    layout->addWidget(startNote);
    layout->addSpacing(8);
    layout->addLayout(name);
    layout->addWidget(nameNote);
    layout->addSpacing(8);
    layout->addWidget(m_finalVersion);
    layout->addWidget(m_includeSound);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    KeepFieldsToOneLine(this);
}

int CQuestPropertiesDlg::exec()
{
    if (!m_properties)
        return Rejected;
    return QDialog::exec();
}

void CQuestPropertiesDlg::accept()
{
    CFieldExchange exchange(this);
    int32_t x = 0;
    int32_t y = 0;
    QString name;
    exchange.Integer(m_startX, x);
    exchange.Integer(m_startY, y);
    exchange.MaxChars(m_fullName, name, kFullNameLength);
    if (!exchange.Ok())
        return;
    startX = x;
    startY = y;
    // A name read from the map file keeps its bytes unless it was edited.
    if (name != DisplayText(fullName))
        fullName = name;
    finalVersion = m_finalVersion->isChecked() ? 1 : 0;
    includeSound = m_includeSound->isChecked() ? 1 : 0;
    // The start position is checked by the build, not here.
    if (m_properties) {
        m_properties->startX = startX;
        m_properties->startY = startY;
        m_properties->finalVersion = finalVersion;
        m_properties->includeSound = includeSound;
        m_properties->fullName = fullName;
    }
    QDialog::accept();
}
