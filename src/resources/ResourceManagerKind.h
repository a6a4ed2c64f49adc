#pragma once
// What tells the three resource managers apart: their dialog, tree, tree file,
// title line, images, popup texts and the way they add and open a file.
#include <QString>

#include <cstdint>

// The manager's mode: what its files are and how one is added or opened.
enum ResourceMode : int32_t { ModeEntities = 0, ModeSheets = 1, ModeSounds = 2 };

// The commands of the managers' popup menus.
enum ResourceCommand {
    ID_NEW_FOLDER = 3020,
    ID_ADD_FILE = 3021,
    ID_EDIT_FILE = 3022,
    ID_REMOVE_FOLDER = 3023,
    ID_REMOVE_FILE = 3024,
};

struct ResourceManagerKind {
    ResourceMode mode;
    int dialogResource;
    QString dialogTitle;
    int treeControlId;
    int createNewButtonId; // 0: the manager has no "Create New" button
    QString treeFile;      // in the quest folder
    QString titleLine;
    int32_t imageOffset;
    QString editFileText;   // the file popup's first item (command 3022)
    QString removeFileText; // its second item (command 3024)
    QString helpText;       // the static text under the tree
};

const ResourceManagerKind& EntityManagerKind();
const ResourceManagerKind& SoundManagerKind();
const ResourceManagerKind& SheetManagerKind();
const ResourceManagerKind& ManagerKindOf(ResourceMode mode);
