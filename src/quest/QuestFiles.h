#pragma once
// The quest's files as the map designer works on them: New, Open and Save of
// the map file, each cell's preview, and the screen files that move, copy and
// delete with a screen. Every operation shows its own messages.
#include "quest/MapFile.h"

#include <QString>

class CMapCell;
class CQuestDialogPort;
class CMessagePort;
class CQuestMap;
class CWindowPort;

class CQuestFiles {
public:
    CQuestFiles(CQuestMap& map, CMessagePort& messages, CWindowPort& window, CQuestDialogPort& dialogs);

    // The map file save\{quest}.qss. False, after its message, when it could
    // not be written.
    bool SaveMapFile();
    // What the map file named (isMapFile false when it could not be read; the
    // message is out then), whether or not each screen's preview loaded. A
    // file that ends early is loaded as far as it goes, and says so.
    MapFileReading LoadMapFile(const QString& path, const QString& questName);
    // Whether the map file on disk is one that ended early when it was loaded
    // and has not been saved since: a build must not take it, nor rewrite it
    // unasked. The text says where it ends.
    bool MapFileEndsEarly() const { return !m_mapFileEnd.isEmpty(); }
    const QString& MapFileEnd() const { return m_mapFileEnd; }
    // Lets the user choose a map file and loads it. 1 when a file was chosen
    // and loading attempted, 0 when cancelled.
    int OpenQuest(bool askToSave);
    // Open once the file is chosen (a native path): asks to save the current
    // quest when asked to, loads the file and puts it at the top of the
    // recently used files. 1 when loading was attempted, 0 when cancelled.
    int OpenQuestFile(const QString& chosen, bool askToSave);
    // One of the recently used quests (0 the newest), opened as Open opens a
    // chosen file. A file that has gone is taken off the list, with a
    // message. 1 when loading was attempted.
    int OpenRecentQuest(int index);
    // Asks for a name and makes a new quest; false when cancelled or refused.
    bool NewQuestCommand();
    // Makes a new quest of that name (g_questName is set here). False, with a
    // message, when the name cannot be used; nothing is touched then.
    bool NewQuestNamed(const QString& name);

    // Puts the screen of questdata\{quest}\screens\{column}-{row}.bmp on the
    // cell when that preview file opens (it is read when the cell is drawn);
    // otherwise says so and leaves the cell empty.
    void LoadPreview(CMapCell& cell, int column, int row);

    // Empties a cell and its three files (they stay on disk with no content).
    void DeleteScreen(CMapCell& cell);
    // Copies a screen's .lnd, .bmp and script over another cell's. 0 when the
    // cells are the same; 1 otherwise, with `complete` false when a file that
    // exists could not be copied.
    int CopyScreenFiles(int sourceColumn, int sourceRow, int destColumn, int destRow, bool* complete = nullptr);
    // Moves or copies a cell's screen to another cell, asking before it
    // replaces a screen there.
    void MoveOrCopyScreen(CMapCell& cell, int destColumn, int destRow, bool copy);

private:
    void NewQuest();
    // LoadPreview, told whether the file was seen to open already.
    void SetPreview(CMapCell& cell, int column, int row, bool opens);

    CQuestMap& m_map;
    CMessagePort& m_messages;
    CWindowPort& m_window;
    CQuestDialogPort& m_dialogs;
    QString m_mapFileEnd; // MapFileEndText of a map file that ended early, until it is saved
};
