#include "app/ApplicationIcon.h"

#include <QIconEngine>
#include <QPainter>

namespace {

constexpr int kShippedSizes[] = {16, 32, 48, 64, 128, 256};

class CApplicationIconEngine final : public QIconEngine {
public:
    QIconEngine* clone() const override { return new CApplicationIconEngine; }
    QString key() const override { return QStringLiteral("tessellmancery.application"); }
    bool isNull() override { return false; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int size : kShippedSizes)
            sizes << QSize(size, size);
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Pictures().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Pictures().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Pictures().pixmap(size, scale, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Pictures().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

private:
    // Every size, read once for all the icon's copies.
    static const QIcon& Pictures()
    {
        static const QIcon pictures = [] {
            QIcon icon;
            for (int size : kShippedSizes)
                icon.addFile(QStringLiteral(":/icons/app-%1.png").arg(size), QSize(size, size));
            return icon;
        }();
        return pictures;
    }
};

} // namespace

QIcon ApplicationIcon()
{
    return QIcon(new CApplicationIconEngine);
}
