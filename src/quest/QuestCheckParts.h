#pragma once
// The parts of the quest check, each over what the check has read so far.
// They add what they find to one list; the check puts it in order.
#include "build/NameList.h"
#include "quest/QuestCheck.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

class CQuestMap;

class CQuestProblems {
public:
    // `text` may span lines; it is reported on one.
    void Add(QuestProblemKind kind, const QString& path, const QString& text, int line = 0);
    std::vector<QuestProblem>& List() { return m_problems; }

private:
    std::vector<QuestProblem> m_problems;
};

// The quest's three tree lists as the build reads them, with where every
// name stands.
struct QuestLists {
    CNameList entities, sheets, sounds;
    TreeListReading entityReading, sheetReading, soundReading;
    bool entitiesRead = false, sheetsRead = false, soundsRead = false;
};

// Reads the three lists and reports what the build would find wrong in them:
// a list that cannot be read, a name it cannot use, a file it names that does
// not exist, an entry named twice, and the lines the format's readers take
// apart differently.
void CheckResourceLists(CQuestProblems& problems, QuestLists& lists);

// The sounds the script plays that the quest file would lack: no file in
// "sounds\", or (with sound included) a file the sound list does not name.
void CheckPlayedSounds(CQuestProblems& problems, const QString& scriptPath, const QuestLists& lists,
                       bool includeSound);

// What the sheet check leaves for the sprite codes: codes that stand on a
// sheet that could not be loaded are its consequences, not problems of
// their own.
struct SheetCheck {
    QSet<QByteArray> codesOfUnloadedSheets;
    bool someCodesUnknown = false; // a sheet whose file is missing: its codes cannot be told
};

// Every listed sheet's bitmap and sheet file as the build and the editor
// read them, and the sprite codes two sheets define.
SheetCheck CheckSheets(CQuestProblems& problems, const QuestLists& lists);

// The folders and the quest file the build writes: what it cannot make or
// write. The "amx" folders of screen scripts, group scripts and entity
// scripts count when the quest has such scripts; the main script's always.
void CheckBuildOutput(CQuestProblems& problems, bool screens, bool groups, bool entities);

// Compiles the scripts (logical paths, in the build's order) that the compile
// list does not show up to date, into a temporary folder, with the quest's
// compiler, and reports what it says as the build would.
void CheckScriptErrors(CQuestProblems& problems, const QStringList& scripts);

// An entity script's name as a file can carry it.
bool HasEntityScript(const QString& name);
