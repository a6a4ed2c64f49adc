#pragma once
// A quest's own folder below "questdata\" and how a new one is made from the
// templates there.
#include <QString>

// Makes questdata\{quest}\ with its sub-folders, marker and list files, then
// copies the templates. Returns 1.
int CreateQuestFolder(const QString& questName);
// Copies the main-script and list templates into the quest folder, replacing
// what is there.
void CopyTemplates(const QString& questName);
// Creates (or empties) folder + name. 1, or 0 after logging the failure.
int CreateEmptyFile(const QString& folder, const QString& name);
// Copies a logical file over another, replacing it. False when that failed.
bool CopyFileReplacing(const QString& fromLogical, const QString& toLogical);

// Copies a quest's folder with everything below it, then its map file
// (logical paths), to places that must not exist yet. When any part fails,
// what the copy made is removed again and false is returned; the source quest
// is never touched.
bool CopyQuestFolder(const QString& fromFolder, const QString& toFolder, const QString& fromMapFile,
                     const QString& toMapFile);

// Why a name cannot become a new quest's folder, or an empty string when it can.
QString QuestNameProblem(const QString& name);
