#pragma once
#include <QString>

class CMessagePort;

// Opens a script in the external editor ("editor\cgenie" below the base
// directory) without waiting. The script is folder + "\" + file when a folder
// is given, otherwise the file alone; both logical. Returns the logical script
// path handed over (for callers and tests). An editor that cannot be started,
// or that ends at once with a failure (it found no editor to hand the script
// to), is reported with what it said on stderr.
QString LaunchEditor(CMessagePort& ui, const QString& file, const QString& folder = QString());

// How long the editor's start is watched for a failure, in milliseconds:
// the editor program either hands the script over and goes on, or gives up
// at once.
constexpr int kEditorWatchMs = 500;
