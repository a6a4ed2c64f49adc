#pragma once
// The quest check: reads everything a build of the quest reads, with the
// editor's own readers, and lists what would stop the build or leave the
// quest wrong in the engine. It writes nothing below the base directory: the
// scripts the build would compile are compiled into a temporary folder.
#include <QString>

#include <vector>

// The kinds of problem, in the order they are reported.
enum class QuestProblemKind {
    MapFile,       // the map file cannot be read, ends early, or holds what the editor passes over
    BuildCheck,    // what the build itself refuses: compile list, start position, screens outside groups
    BuildOutput,   // a folder or file the build writes that it cannot make or write
    ScreenFiles,   // a screen on the map without its screen file, preview or script, or with one cut short
    Scripts,       // a group or the quest without its script
    ScriptErrors,  // what the compiler says of a script the build would compile, or a compiler that cannot run
    Sheets,        // a sheet bitmap that cannot be read whole, a sprite code two sheets define
    SpriteCodes,   // an element whose sprite code no sheet of the quest holds
    Entities,      // an entity sprite that is not in the quest's entity list, or has no script
    Sounds,        // a sound a script plays that "sounds\" or the quest's sound list does not hold
    ResourceLists, // a tree list that cannot be read, names a file that does not exist, or breaks the format
};

struct QuestProblem {
    QuestProblemKind kind;
    QString path;  // the logical path of the file the problem lies in
    int line = 0;  // the line in that file, when the reader knows it; else 0
    QString text;  // what is wrong, on one line
    bool operator==(const QuestProblem&) const = default;
};

// The name of a kind for tools ("map-file", "script-errors", ...).
QString QuestProblemKindName(QuestProblemKind kind);

// Checks the quest whose map file is save\{quest}.qss below g_baseDirectory
// (g_questName becomes the quest once its map file is read). The problems come
// grouped by kind, in the order above, each kind in the order they were found
// (screens in grid order). Texts the build shows are the build's own.
std::vector<QuestProblem> CheckQuest(const QString& quest);
