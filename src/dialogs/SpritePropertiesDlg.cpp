#include "dialogs/SpritePropertiesDlg.h"

#include "common/DialogResults.h"
#include "dialogs/ByteLimit.h"
#include "dialogs/DialogButtons.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/FieldChecks.h"
#include "sheets/DesignerSprite.h"
#include "sheets/SheetDesigner.h"
#include "sheets/SheetDesignerPort.h"
#include "support/io/FieldLine.h"
#include "support/io/TextCodec.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>

QString ShownCode(const QByteArray& bytes)
{
    return DisplayBytes(bytes);
}

QByteArray TypedCodeBytes(const QString& typed, const QByteArray& old)
{
    if (typed == ShownCode(old))
        return old;
    QString cut = TypedText(typed);
    while (EncodeText(cut).size() > kCodeLength)
        cut.chop(cut.size() >= 2 && cut.at(cut.size() - 1).isLowSurrogate() ? 2 : 1);
    return EncodeText(cut);
}

namespace {
QLineEdit* Edit(QWidget* parent, const char* id, const QString& text, const QString& tip)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(id));
    edit->setToolTip(tip);
    // As the platform's limit: typing stops at the field's length, a longer
    // text already there is kept for the check on OK to report.
    edit->setMaxLength(std::max<int>(kSpriteCodeChars, int(text.size())));
    edit->setText(text);
    // The sheet file keeps 32 bytes of a code.
    LimitToBytes(edit, kCodeLength);
    return edit;
}

QCheckBox* Box(QWidget* parent, const char* id, const QString& label, const QString& tip, int32_t checked)
{
    auto* box = new QCheckBox(label, parent);
    box->setObjectName(QLatin1String(id));
    box->setToolTip(tip);
    box->setChecked(checked != 0);
    return box;
}

} // namespace

CSpritePropertiesDlg::CSpritePropertiesDlg(CDesignerSprite* sprite, CSheetDesigner* designer, QWidget* parent)
    : QDialog(parent), m_sprite(sprite), m_designer(designer)
{
    setWindowTitle(QStringLiteral("Sprite Properties"));
    if (m_sprite) {
        code = ShownCode(m_sprite->code);
        maskCode = ShownCode(m_sprite->maskCode);
        alpha = m_sprite->alpha;
        background = m_sprite->background;
        onTop = m_sprite->onTop;
        fill = m_sprite->fill;
        entity = m_sprite->entity;
    }
    m_code = Edit(this, "1030", code, QStringLiteral("Unique identifier for this sprite"));
    m_mask = Edit(this, "1031", maskCode, QStringLiteral("Identifier of sprite used for collision detection"));
    m_alpha = new QLineEdit(QString::number(alpha), this);
    m_alpha->setObjectName(QStringLiteral("1032"));
    m_alpha->setToolTip(QStringLiteral("How transparent the sprite is in the game"));
    m_alpha->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_alpha));
    m_background = Box(this, "1034", QStringLiteral("Background sprite"),
                       QStringLiteral("Makes sprite appear in Screen Designer"), background);
    m_onTop = Box(this, "1035", QStringLiteral("On top layer"),
                  QStringLiteral("Makes sprite appear above others - like treetops"), onTop);
    m_fill = Box(this, "1036", QStringLiteral("Display as a Fill tile"),
                 QStringLiteral("Makes sprite a fill tile in the Screen Designer"), fill);
    m_entity = Box(this, "1037", QStringLiteral("Sprite represents an Entity"),
                   QStringLiteral("Places an entity in the game, rather than this sprite"), entity);
    auto* redefine = ActionButton(this, QStringLiteral("Redefine"), "1043", QStringLiteral("Redefine this sprites rectangle"));
    auto* remove = ActionButton(this, QStringLiteral("&Delete"), "1041", QStringLiteral("Deletes this sprite"));
    auto* ok = ActionButton(this, QStringLiteral("OK"), "1", QString());
    ok->setDefault(true);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Sprite Code"), m_code);
    fields->addRow(QStringLiteral("Sprite Mask Code"), m_mask);
    fields->addRow(QStringLiteral("Alpha value (0-255)"), m_alpha);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(redefine);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    for (QCheckBox* box : {m_background, m_onTop, m_fill, m_entity})
        layout->addWidget(box);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &CSpritePropertiesDlg::accept);
    connect(remove, &QPushButton::clicked, this, [this] { done(kDeleteSprite); });
    connect(redefine, &QPushButton::clicked, this, &CSpritePropertiesDlg::Redefine);
}

int CSpritePropertiesDlg::exec()
{
    if (!m_sprite || !m_designer)
        return Rejected;
    return QDialog::exec();
}

void CSpritePropertiesDlg::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void CSpritePropertiesDlg::Redefine()
{
    if (m_sprite && m_designer)
        m_designer->Port().RedefineSpriteDialog(m_sprite->rectangle);
}

void CSpritePropertiesDlg::Error(const QString& text, QLineEdit* field)
{
    ShowDialogMessage(this, text, QStringLiteral("Error"));
    if (!field)
        field = m_code;
    field->setFocus();
    field->selectAll();
}

void CSpritePropertiesDlg::accept()
{
    CFieldExchange exchange(this);
    uint32_t typedAlpha = 0;
    QString typedMask;
    QString typedCode;
    if (exchange.Unsigned(m_alpha, typedAlpha))
        exchange.IntegerRange(m_alpha, typedAlpha, 0, 255);
    exchange.MaxChars(m_mask, typedMask, kSpriteCodeChars);
    exchange.MaxChars(m_code, typedCode, kSpriteCodeChars);
    if (!exchange.Ok())
        return;
    // A field left as it was shown keeps its bytes (TypedCodeBytes).
    const bool maskEdited = typedMask != maskCode;
    if (typedCode.isEmpty()) {
        Error(QStringLiteral("The sprite code you have entered is invalid"));
        return;
    }
    if (typedCode[0] >= QLatin1Char('0') && typedCode[0] <= QLatin1Char('9')) {
        Error(QStringLiteral("The first character of the sprite code cannot be a number."));
        return;
    }
    // The sheet file takes a line holding a marker's text for that marker.
    if (typedCode.contains(QLatin1String("[ENTITY]")) || typedCode.contains(QLatin1String("[BACKGROUND]"))) {
        Error(QStringLiteral("The sprite code cannot contain [ENTITY] or [BACKGROUND]."));
        return;
    }
    // After a still sprite's size the reader looks for "[FILL]" on the mask's line.
    if (maskEdited && typedMask.contains(QLatin1String("[FILL]"))) {
        Error(QStringLiteral("The sprite mask code cannot contain [FILL]."), m_mask);
        return;
    }
    const QByteArray codeBytes = TypedCodeBytes(typedCode, m_sprite ? m_sprite->code : QByteArray());
    if (m_designer && m_designer->CodeInUse(codeBytes, m_sprite)) {
        Error(QStringLiteral("That sprite code is already in use on this sheet\nPlease choose another one"));
        return;
    }
    code = typedCode;
    maskCode = typedMask;
    alpha = typedAlpha;
    background = m_background->isChecked() ? 1 : 0;
    onTop = m_onTop->isChecked() ? 1 : 0;
    fill = m_fill->isChecked() ? 1 : 0;
    entity = m_entity->isChecked() ? 1 : 0;
    if (m_sprite) {
        m_sprite->code = codeBytes;
        m_sprite->maskCode = TypedCodeBytes(maskCode, m_sprite->maskCode);
        m_sprite->alpha = alpha;
        m_sprite->background = background;
        m_sprite->onTop = onTop;
        m_sprite->fill = fill;
        m_sprite->entity = entity;
    }
    QDialog::accept();
}
