#pragma once
// The framework's list of the most recently used files, kept in the settings
// (section "Recent File List", entries "File1" to "File4"), the newest first.
#include <QString>
#include <QStringList>

constexpr int kRecentFileCount = 4;

QStringList RecentFiles();
// Puts a file (a native path) at the top of the list, once; the oldest beyond
// four goes.
void AddRecentFile(const QString& path);
void RemoveRecentFile(const QString& path);
