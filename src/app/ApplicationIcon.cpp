#include "app/ApplicationIcon.h"
#include "app/IconMadeWhenUsed.h"

namespace {
constexpr int kShippedSizes[] = {16, 32, 48, 64, 128, 256};
} // namespace

QIcon ApplicationIcon()
{
    QList<QSize> sizes;
    for (int size : kShippedSizes)
        sizes << QSize(size, size);
    return IconMadeWhenUsed(
        [] {
            QIcon icon;
            for (int size : kShippedSizes)
                icon.addFile(QStringLiteral(":/icons/app-%1.png").arg(size), QSize(size, size));
            return icon;
        },
        sizes);
}
