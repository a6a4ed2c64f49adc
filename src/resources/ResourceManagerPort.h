#pragma once
// The part of the Ui port that shows the resource managers: the manager dialog
// itself, its popup menus, a sound played, and the dialog that offers a
// sheet's entities. Without a person each dialog is cancelled and each popup
// dismissed (Unanswered.h).
#include "support/ui/MessagePort.h"

#include <QString>

class CPopupMenu;
class CResourceManager;
class CSheetEntitiesImport;

class CResourceManagerPort {
public:
    virtual ~CResourceManagerPort() = default;

    // The manager dialog of the manager's kind (141, 154 or 153), modal, on the
    // manager's tree; returns how it ended.
    virtual int ResourceManagerDialog([[maybe_unused]] CResourceManager& manager)
    {
        LogUnanswered("ResourceManagerDialog");
        return CMessagePort::AnswerCancel;
    }
    // Shows a popup menu at a point of the screen, owned by the editor's view;
    // the command chosen, 0 when it was dismissed.
    virtual int TrackPopup([[maybe_unused]] const CPopupMenu& menu, [[maybe_unused]] int x, [[maybe_unused]] int y)
    {
        LogUnanswered("TrackPopup");
        return 0;
    }
    // Starts playing a sound file (a logical path) and returns at once. A sound
    // that cannot be played (no audio output, a format nothing plays) is
    // reported by a message, never left silent.
    virtual void PlaySound(const QString& logicalPath) { LogUnanswered("PlaySound", logicalPath); }
    // "Sprite Sheet Contains Entities" (dialog 170) on the entities not found.
    // Its OK runs import.Confirm() while the dialog still stands; returns how it
    // ended (OK 1, Cancel 2).
    virtual int SheetEntitiesDialog([[maybe_unused]] CSheetEntitiesImport& import)
    {
        LogUnanswered("SheetEntitiesDialog");
        return CMessagePort::AnswerCancel;
    }
};
