#include "app/ApplicationStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

#include <functional>
#include <memory>
#include <utility>

namespace {

// An icon made on its first use; its copies share what was made.
class CIconMadeWhenUsed : public QIconEngine {
public:
    explicit CIconMadeWhenUsed(std::function<QIcon()> make)
        : m_made(std::make_shared<Made>(Made{std::move(make), QIcon(), false}))
    {
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    // Not null before it is made: the styles' arrows always have an image.
    bool isNull() override { return m_made->done && m_made->icon.isNull(); }
    QString key() const override { return QStringLiteral("CIconMadeWhenUsed"); }
    QIconEngine* clone() const override { return new CIconMadeWhenUsed(*this); }

private:
    struct Made {
        std::function<QIcon()> make;
        QIcon icon;
        bool done;
    };
    const QIcon& Icon()
    {
        if (!m_made->done) {
            m_made->icon = m_made->make();
            m_made->make = nullptr;
            m_made->done = true;
        }
        return m_made->icon;
    }
    std::shared_ptr<Made> m_made;
};

} // namespace

QIcon CApplicationStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // The option is the caller's for this call only; the widget may be gone
    // when the arrow is first drawn.
    const QPointer<const QWidget> owner(widget);
    const QPointer<const QStyle> base(baseStyle());
    return QIcon(new CIconMadeWhenUsed([base, owner, icon] {
        return base ? base->standardIcon(icon, nullptr, owner.data()) : QIcon();
    }));
}
