#pragma once
// The part of the Ui port that shows the map designer's dialogs, each on the
// object it edits, giving back how it ended.
#include <QString>

class CMapCell;
class CGroup;
class CGroupList;
class CNameList;
struct QuestProperties;

class CMapDialogPort {
public:
    virtual ~CMapDialogPort() = default;

    // "Enter Quest Name" (dialog 138). False when cancelled.
    virtual bool AskQuestName(QString& name) = 0;
    // Screen Properties (dialog 130) on a cell; returns its result code.
    virtual int ScreenPropertiesDialog(CMapCell& cell, int column, int row) = 0;
    // Group Properties (dialog 139) on a group of the list, with the sound list
    // for the music choice. Its Delete Group button removes the group from the list.
    virtual int GroupPropertiesDialog(CGroup& group, CGroupList& groups, CNameList& soundList) = 0;
    // Move/Copy Screen (dialog 171); false when cancelled.
    virtual bool MoveScreenDialog(int& column, int& row) = 0;
    // Quest Properties (dialog 160); the values change only on OK. False when cancelled.
    virtual bool QuestPropertiesDialog(QuestProperties& properties) = 0;
};
