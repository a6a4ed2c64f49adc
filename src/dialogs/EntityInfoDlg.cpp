#include "dialogs/EntityInfoDlg.h"

#include "dialogs/DialogMessage.h"
#include "dialogs/OneLineFields.h"
#include "screens/PlacedSprite.h"
#include "support/io/TextCodec.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
// The screen file keeps an entity name in 32 bytes: a typed name is cut there
// at a character, never inside one.
QByteArray NameBytes(const QString& text)
{
    return CutBytes(EncodeText(text), 32);
}
} // namespace

CEntityInfoDlg::CEntityInfoDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("152"));
    setWindowTitle(QStringLiteral("Entity information"));
    setModal(false);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("1017"));
    m_name->setMaxLength(kEntityNameLength);
    m_type = new QLabel(this);
    m_type->setObjectName(QStringLiteral("1018"));
    m_screenCoordinates = new QLabel(this);
    m_screenCoordinates->setObjectName(QStringLiteral("1051"));
    m_worldCoordinates = new QLabel(this);
    m_worldCoordinates->setObjectName(QStringLiteral("1052"));
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("This entities name:"), m_name);
    layout->addRow(QStringLiteral("Type:"), m_type);
    layout->addRow(QStringLiteral("Screen:"), m_screenCoordinates);
    layout->addRow(QStringLiteral("World:"), m_worldCoordinates);
    connect(m_name, &QLineEdit::textEdited, this, &CEntityInfoDlg::NameEdited);
    connect(m_name, &QLineEdit::editingFinished, this, [this] { ++m_visit; });
    KeepFieldsToOneLine(this);
}

void CEntityInfoDlg::SetEntity(CPlacedSprite* entity, int worldX, int worldY, const QString& type,
                               std::function<void(int visit)> nameChanged)
{
    ++m_visit;
    m_entity = entity;
    m_worldX = worldX;
    m_worldY = worldY;
    m_nameChanged = std::move(nameChanged);
    m_type->setText(type);
    m_name->setText(entity ? DisplayBytes(entity->entityName) : QString());
}

void CEntityInfoDlg::Show(bool shown)
{
    if (!shown) {
        hide();
        return;
    }
    if (m_entity) {
        m_screenCoordinates->setText(QStringLiteral("x = %1, y = %2").arg(m_entity->x).arg(m_entity->y));
        m_worldCoordinates->setText(
            QStringLiteral("x = %1, y = %2").arg(int64_t(m_worldX) + m_entity->x).arg(int64_t(m_worldY) + m_entity->y));
    }
    show();
}

void CEntityInfoDlg::NameEdited(const QString& text)
{
    if (!m_entity)
        return;
    if (!text.isEmpty() && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9')) {
        ShowDialogMessage(this, QStringLiteral("The first character of the identifier cannot be a number."),
                          QStringLiteral("Error"));
        m_name->setText(DisplayBytes(m_entity->entityName)); // the old name stays
        return;
    }
    m_entity->entityName = NameBytes(TypedText(text));
    if (m_nameChanged)
        m_nameChanged(m_visit);
}
