#pragma once
// The per-user settings of the editor, kept under "Tessellmancery v2".
#include <QString>
#include <QVariant>

QVariant ReadSetting(const QString& section, const QString& entry, const QVariant& defaultValue);
void WriteSetting(const QString& section, const QString& entry, const QVariant& value);
void RemoveSetting(const QString& section, const QString& entry);
// Sets every entry of the section to its value, or removes it where the value
// is null, and writes the settings once (each write locks and syncs the file).
void ReplaceSettings(const QString& section, const QList<QPair<QString, QVariant>>& entries);

// Names the application "Tessellmancery v2" (organisation and application), as
// the settings are kept, so the editor and the command line share one data
// folder (QStandardPaths::AppDataLocation).
void NameTheApplication();
