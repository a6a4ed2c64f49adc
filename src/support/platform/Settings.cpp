#include "support/platform/Settings.h"

#include <QCoreApplication>
#include <QSettings>

namespace {
const char kSettingsKey[] = "Tessellmancery v2";

QSettings& Store()
{
    static QSettings settings{QLatin1String(kSettingsKey), QLatin1String(kSettingsKey)};
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

void ReplaceSettings(const QString& section, const QList<QPair<QString, QVariant>>& entries)
{
    for (const auto& [entry, value] : entries) {
        if (value.isNull())
            Store().remove(section + QLatin1Char('/') + entry);
        else
            Store().setValue(section + QLatin1Char('/') + entry, value);
    }
    Store().sync();
}

void NameTheApplication()
{
    QCoreApplication::setOrganizationName(QLatin1String(kSettingsKey));
    QCoreApplication::setApplicationName(QLatin1String(kSettingsKey));
}
