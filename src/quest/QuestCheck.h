#pragma once
// The quest check: reads everything a build of the quest reads, with the
// editor's own readers, and lists what would stop the build or leave the
// quest wrong in the engine. It compiles nothing and writes nothing.
#include <QString>

#include <vector>

// The kinds of problem, in the order they are reported.
enum class QuestProblemKind {
    MapFile,       // the map file cannot be read, or holds what the editor passes over
    BuildCheck,    // what the build itself refuses: compile list, start position, screens outside groups
    ScreenFiles,   // a screen on the map without its screen file, preview or script
    Scripts,       // a group or the quest without its script
    SpriteCodes,   // an element whose sprite code no sheet of the quest holds
    Entities,      // an entity sprite that is not in the quest's entity list, or has no script
    Sounds,        // a sound a script plays that "sounds\" does not hold
    ResourceLists, // a tree list that cannot be read, or that names a file that does not exist
};

struct QuestProblem {
    QuestProblemKind kind;
    QString path; // the logical path of the file the problem lies in
    QString text; // what is wrong, on one line
    bool operator==(const QuestProblem&) const = default;
};

// Checks the quest whose map file is save\{quest}.qss below g_baseDirectory
// (g_questName becomes the quest once its map file is read). The problems come
// grouped by kind, in the order above, each kind in the order they were found
// (screens in grid order). Texts the build shows are the build's own.
std::vector<QuestProblem> CheckQuest(const QString& quest);
