#pragma once
// Finding a folder's entries by name ignoring letter case, for quests made on
// case-insensitive systems. A folder's listing is read once and kept while the
// folder stays unchanged, so that a quest whose every file is named in other
// case does not read its big screens folder once per file.
#include <QString>
#include <QStringList>

// The entries of `folder` whose names equal `name` but for letter case (none,
// one, or several when the folder holds names that differ only in case).
QStringList EntriesIgnoringCase(const QString& folder, const QString& name);
