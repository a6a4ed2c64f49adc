#include "dialogs/AnimatedSpriteDlg.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/FieldChecks.h"
#include "dialogs/SpriteListBox.h"
#include "sheets/SheetDesigner.h"
#include "sheets/SpriteAnimation.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QListWidget* List(QWidget* parent, const char* id, const QString& tip)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(id));
    list->setToolTip(tip);
    return list;
}

void Attention(QWidget* parent, const QString& text)
{
    ShowDialogMessage(parent, text, QStringLiteral("Attention"));
}
} // namespace

CAnimatedSpriteDlg::CAnimatedSpriteDlg(CSpriteAnimation* animation, CSheetDesigner* designer, QWidget* parent)
    : QDialog(parent), m_animation(animation), m_designer(designer)
{
    setWindowTitle(QStringLiteral("Animated Sprite Properties"));
    m_frames = List(this, "1045", QStringLiteral("Sprites in this animation"));
    m_available = List(this, "1046", QStringLiteral("All the Sprites on this sheet"));
    auto* add = ActionButton(this, QStringLiteral("<< &Add"), "1047", QStringLiteral("Add the selected sprite to the animation"));
    auto* remove = ActionButton(this, QStringLiteral("&Remove >>"), "1048",
                          QStringLiteral("Remove the selected sprite from the animation"));
    m_speed = new QLineEdit(this);
    m_speed->setObjectName(QStringLiteral("1049"));
    m_speed->setToolTip(QStringLiteral("How fast the frames of animation change"));
    if (m_animation)
        m_speed->setText(QString::number(double(m_animation->speed), 'g', 6));

    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(add);
    middle->addWidget(remove);
    middle->addStretch(1);
    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Sprites in the animation:"), this), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Available Sprites:"), this), 0, 2);
    lists->addWidget(m_frames, 1, 0);
    lists->addLayout(middle, 1, 1);
    lists->addWidget(m_available, 1, 2);
    auto* speedRow = new QHBoxLayout;
    speedRow->addWidget(new QLabel(QStringLiteral("Animation speed:"), this));
    speedRow->addWidget(m_speed);
    speedRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(speedRow);
    layout->addWidget(OkCancelButtons(this));

    connect(add, &QPushButton::clicked, this, &CAnimatedSpriteDlg::Add);
    connect(remove, &QPushButton::clicked, this, &CAnimatedSpriteDlg::Remove);
    RefillFrames();
    if (m_designer)
        FillSpriteList(m_available, m_designer->SpriteLines());
}

int CAnimatedSpriteDlg::exec()
{
    if (!m_animation || !m_designer)
        return Rejected;
    return QDialog::exec();
}

void CAnimatedSpriteDlg::RefillFrames()
{
    if (m_animation)
        FillSpriteList(m_frames, m_animation->FrameLines());
}

void CAnimatedSpriteDlg::Add()
{
    if (!m_animation)
        return;
    CDesignerSprite* sprite = SelectedSprite(m_available);
    if (!sprite) {
        Attention(this, QStringLiteral("Please select a sprite to add to the animation\nfrom the list on the right."));
        return;
    }
    if (sprite->animated && sprite->animation != m_animation) {
        Attention(this, QStringLiteral("This sprite is already in an animation, it cannot\nbe in more than one."));
        return;
    }
    m_animation->AddFrame(sprite);
    RefillFrames();
}

void CAnimatedSpriteDlg::Remove()
{
    if (!m_animation)
        return;
    CDesignerSprite* sprite = SelectedSprite(m_frames);
    if (!sprite) {
        Attention(this, QStringLiteral("Please select a sprite to remove from the animation\nfrom the list on the left."));
        return;
    }
    m_animation->RemoveFrame(sprite);
    RefillFrames();
}

void CAnimatedSpriteDlg::accept()
{
    CFieldExchange exchange(this);
    double speed = 0;
    if (exchange.Number(m_speed, speed))
        exchange.NumberRange(m_speed, speed, kLowestSpeed, kHighestSpeed);
    if (!exchange.Ok())
        return;
    if (m_animation)
        m_animation->speed = float(speed);
    QDialog::accept();
}
