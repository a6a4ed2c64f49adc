#pragma once
#include <QString>

// Opens a script in the external editor ("editor\cgenie" below the base
// directory) without waiting. The script is folder + "\" + file when a folder
// is given, otherwise the file alone; both logical. Returns the logical script
// path handed over (for callers and tests); a failed start is not reported.
QString LaunchEditor(const QString& file, const QString& folder = QString());
