#include "app/IconMadeWhenUsed.h"

#include <QIconEngine>
#include <QPainter>

#include <memory>
#include <utility>

namespace {

class CIconMadeWhenUsed final : public QIconEngine {
public:
    CIconMadeWhenUsed(std::function<QIcon()> make, QList<QSize> sizes)
        : m_made(std::make_shared<Made>(Made{std::move(make), QIcon(), false})), m_sizes(std::move(sizes))
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
        return m_sizes.isEmpty() ? Icon().availableSizes(mode, state) : m_sizes;
    }
    // Not null before it is made: what is made this way always has a picture.
    bool isNull() override { return m_made->done && m_made->icon.isNull(); }
    QString key() const override { return QStringLiteral("tessellmancery.made-when-used"); }
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
    QList<QSize> m_sizes;
};

} // namespace

QIcon IconMadeWhenUsed(std::function<QIcon()> make, QList<QSize> sizes)
{
    return QIcon(new CIconMadeWhenUsed(std::move(make), std::move(sizes)));
}
