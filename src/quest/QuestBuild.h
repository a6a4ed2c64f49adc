#pragma once
// The quest build and the commands around it: Write Quest file, Recompile all
// scripts, Find engine, Test Quest and the quest copy. It owns the compile
// list, reused by every build, and the archive of the last build.
#include <QString>
#include <QStringList>

#include <memory>

class CCompileList;
class CMessagePort;
class CQuest;
class CVirtualArchive;

class CQuestBuild {
public:
    // The build of this quest: its map, its files and its name lists.
    CQuestBuild(CQuest& quest, CMessagePort& messages);
    ~CQuestBuild();

    // Checks the quest, compiles what changed, writes the lists for the engine
    // and packs output\{quest}.qst. 1 when the quest file was written.
    int BuildQuest(bool showSuccess);
    // The player's start lies on a cell that holds a screen (borders count for both).
    bool StartPositionOnScreen() const;
    // Every screen's centre lies in a group.
    bool AllScreensInGroups() const;
    // "Recompile all scripts": empties the compile list, then builds when the
    // map designer is the active designer.
    void RecompileAllScripts(bool mapDesignerActive);
    // Lets the user choose the engine and keeps its path. 1 when chosen.
    int FindEngine();
    // Builds (when the map designer is active) and starts the engine on the
    // quest file. False when nothing was started.
    bool TestQuest(bool mapDesignerActive);
    // Copies the open quest's folder and map file under a new name.
    void CopyQuest();

    CCompileList& CompileList() { return *m_compileList; }
    // The archive of the last build, or none before the first.
    const CVirtualArchive* LastArchive() const { return m_archive.get(); }

private:
    // Each adds its part of the quest to the archive, compiling what changed.
    // False, after its message, when the build must stop.
    bool AddMapFile();
    bool AddScreens();
    bool AddGroups();
    bool AddMainScript();
    bool CollectQuest();
    void Step(const QString& step);

    CQuest& m_quest;
    CMessagePort& m_messages;
    std::unique_ptr<CCompileList> m_compileList;
    std::unique_ptr<CVirtualArchive> m_archive;
    QStringList m_leftOut; // listed resources the last build could not take, one line each
    int m_stepsDone = 0;
    int m_stepsTotal = 0;
};
