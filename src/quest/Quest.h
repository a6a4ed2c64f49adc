#pragma once
// One quest, whole: its map model, its files on disk, its build and the
// entity, sound and sheet name lists read from its tree lists. The document
// owns one for the whole run and hands it to the designers; the command-line
// tool uses one without any designer. A new or opened quest replaces its
// contents, never the object.
#include "build/NameList.h"
#include "quest/QuestBuild.h"
#include "quest/QuestFiles.h"
#include "quest/QuestMap.h"

class CMessagePort;
class CQuestDialogPort;
class CWindowPort;

class CQuest {
public:
    CQuest(CMessagePort& messages, CWindowPort& window, CQuestDialogPort& dialogs);

    // The name lists read again from the quest's tree lists; a list that
    // cannot be read says so and keeps its names.
    void ReadEntityList();
    void ReadSoundList();
    void ReadSheetList();

    CQuestMap map;
    CNameList entityList;
    CNameList soundList;
    CNameList sheetList;
    CQuestFiles files;
    CQuestBuild build;

private:
    CMessagePort& m_messages;
};
