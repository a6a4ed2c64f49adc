#pragma once
// The map designer: the editor's home mode. It holds the quest map model and
// shows it as a scrollable map of screen previews with the groups drawn over it.
#include "common/Designer.h"
#include "common/DialogResults.h"
#include "map/QuestMap.h"

#include <QString>

#include <array>
#include <memory>

class CCompileList;
class CUiPort;
class CVirtualArchive;

class CMapDesigner : public CDesigner {
public:
    explicit CMapDesigner(CUiPort* ui);
    ~CMapDesigner() override;

    void activate() override;
    void draw(CDisplay* display) override;
    void onMouseMove(uint32_t flags, int x, int y) override;
    void onLButtonDown(uint32_t flags, int x, int y) override;
    void onHScroll(int code, int position) override;
    void onVScroll(int code, int position) override;
    void onRButtonDown(uint32_t flags, int x, int y) override;
    void onRButtonUp(uint32_t flags, int x, int y) override;

    // The cells that can show in the view at the scroll position, row by row;
    // only the first 100 slots can be filled.
    void RebuildVisibleCells();
    static constexpr int kVisibleSlots = 200;
    std::array<CMapCell*, kVisibleSlots> visibleCells{};
    int visibleCount = 0;
    // A cell's block in the view.
    int BlockLeft(const CMapCell& cell) const { return cell.x - scrollX; }
    int BlockTop(const CMapCell& cell) const { return cell.y - scrollY; }

    enum Axis { Horizontal, Vertical };
    // The visible cell edge nearest to a view coordinate (0 when none is near).
    int Snap(int value, Axis axis);

    // Adds a group dragged from (x1, y1) to (x2, y2) in view pixels at this
    // scroll position and makes its script. 1 when a group was added.
    int AddGroup(int x1, int y1, int x2, int y2, int scrollX, int scrollY);
    // The group properties dialog on a group, with the document's sound list.
    void OpenGroupProperties(CGroup& group);
    // The screen properties dialog on a cell, and what its result asks for.
    void ScreenPropertiesAction(CMapCell& cell);

    // Empties a cell and its three files (they stay on disk with no content).
    void DeleteScreen(CMapCell& cell);
    // Copies a screen's .lnd, .bmp and script over another cell's. 0 when the
    // cells are the same; 1 otherwise, with `complete` false when a file that
    // exists could not be copied.
    int CopyScreenFiles(int sourceColumn, int sourceRow, int destColumn, int destRow, bool* complete = nullptr);
    void MoveOrCopyScreen(CMapCell& cell, int destColumn, int destRow, bool copy);

    // The three files of a cell's screen.
    static QString ScreenFilePath(int column, int row);
    static QString ScreenScriptPath(int column, int row);

    // The map file save\{quest}.qss. Both show their own messages.
    void SaveMapFile();
    void LoadMapFile(const QString& path, const QString& questName);
    // Lets the user choose a map file and loads it. 1 when a file was chosen
    // and loading attempted, 0 when cancelled.
    int OpenQuest(bool askToSave);
    // Asks for a name and makes a new quest; false when cancelled or refused.
    bool NewQuestCommand();
    // Makes a new quest of that name (g_questName is set here). False, with a
    // message, when the name cannot be used; nothing is touched then.
    bool NewQuestNamed(const QString& name);

    // Reloads a cell's preview from questdata\{quest}\screens\{column}-{row}.bmp.
    void LoadPreview(CMapCell& cell, int column, int row);
    static QString PreviewPath(int column, int row);

    // The quest build: checks the quest, compiles what changed, writes the lists
    // for the engine and packs output\{quest}.qst. 1 when the quest file was written.
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
    // output\{quest}.qst
    static QString QuestArchivePath();

    std::unique_ptr<CCompileList> compileList;
    std::unique_ptr<CVirtualArchive> archive; // the last build's

    // How far the map scrolls, in map units.
    static constexpr int32_t kScrollLimitX = 32768;
    static constexpr int32_t kScrollLimitY = 24576;

    CQuestMap map;
    int32_t scrollX = 0;
    int32_t scrollY = 0;
    // The group being dragged out with the right button, in view pixels.
    int32_t dragX1 = 0, dragY1 = 0, dragX2 = 0, dragY2 = 0;
    int32_t dragging = 0;
    CUiPort* ui;

private:
    void NewQuest();
    // Draws a frame into the display and presents it, when there is a display.
    void DrawAndPresent();
    void Scroll(int code, int position, int32_t& scroll, int32_t limit, ScrollBarKind bar);
    void DrawGroupOutline(CDisplay* target, const CGroup& group, uint32_t value);
};
