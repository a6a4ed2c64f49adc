#pragma once
// The part of the Ui port that shows the map designer's dialogs, each on the
// object it edits, giving back how it ended. Without a person each dialog is
// cancelled (Unanswered.h).
#include "support/ui/MessagePort.h"

class CMapCell;
class CGroup;
class CGroupList;
class CNameList;

class CMapDialogPort {
public:
    virtual ~CMapDialogPort() = default;

    // Screen Properties (dialog 130) on a cell; returns its result code.
    virtual int ScreenPropertiesDialog([[maybe_unused]] CMapCell& cell, [[maybe_unused]] int column,
                                       [[maybe_unused]] int row)
    {
        LogUnanswered("ScreenPropertiesDialog");
        return CMessagePort::AnswerCancel;
    }
    // Group Properties (dialog 139) on a group of the list, with the sound list
    // for the music choice. Its Delete Group button removes the group from the list.
    virtual int GroupPropertiesDialog([[maybe_unused]] CGroup& group, [[maybe_unused]] CGroupList& groups,
                                      [[maybe_unused]] CNameList& soundList)
    {
        LogUnanswered("GroupPropertiesDialog");
        return CMessagePort::AnswerCancel;
    }
    // Move/Copy Screen (dialog 171); false when cancelled.
    virtual bool MoveScreenDialog([[maybe_unused]] int& column, [[maybe_unused]] int& row)
    {
        LogUnanswered("MoveScreenDialog");
        return false;
    }
};
