#include "support/platform/Settings.h"

#include <QSettings>

namespace {
QSettings& Store()
{
    static QSettings settings(QStringLiteral("Tessellmancery v2"), QStringLiteral("Tessellmancery v2"));
    return settings;
}
} // namespace

QVariant ReadSetting(const QString& section, const QString& entry, const QVariant& defaultValue)
{
    return Store().value(section + QLatin1Char('/') + entry, defaultValue);
}

void WriteSetting(const QString& section, const QString& entry, const QVariant& value)
{
    Store().setValue(section + QLatin1Char('/') + entry, value);
    Store().sync();
}

void RemoveSetting(const QString& section, const QString& entry)
{
    Store().remove(section + QLatin1Char('/') + entry);
    Store().sync();
}
