#pragma once
// The map designer: the editor's home mode. It holds the quest map model and
// shows it as a scrollable map of screen previews with the groups drawn over it.
#include "common/Designer.h"
#include "map/QuestMap.h"

#include <QString>

class CUiPort;

class CMapDesigner : public CDesigner {
public:
    explicit CMapDesigner(CUiPort* ui);
    ~CMapDesigner() override;

    void activate() override;
    void draw(CDisplay* display) override;

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

    CQuestMap map;
    int32_t scrollX = 0;
    int32_t scrollY = 0;
    CUiPort* ui;

private:
    void NewQuest();
};
