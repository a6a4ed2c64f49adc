#pragma once
// The sounds a script plays: on every line that holds "PlaySound(", the name
// between the line's first two double quotes. Lines are read 127 characters at
// a time, so a longer line is looked at in pieces.
#include <QString>
#include <QStringList>

// The names in the order the script plays them, each once. Empty when the
// script cannot be opened.
QStringList SoundsPlayedBy(const QString& scriptPath);
