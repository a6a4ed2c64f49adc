#pragma once
// The manager dialogs' tree control: which clicks count, the popup menus for
// folders and files, the double click and the Delete key, and the commands
// they lead to. The widget reports each click with what lies under it.
#include "resources/ResourceManagerKind.h"

class CPopupMenu;
class CResourceManager;
class CTreeComponent;
class CTreeList;
class QStandardItem;

// A click on the tree as the widget sees it.
struct TreeClick {
    QStandardItem* item = nullptr;     // the item under the point; null for none
    bool onLabelOrIcon = false;        // the point lies on the item's text or image
    QStandardItem* selected = nullptr; // the item selected before the click
    // Where a popup opens: the control's left plus the right of the item's
    // text, and the control's top plus the top of that text (screen pixels).
    int popupX = 0;
    int popupY = 0;
};

class CResourceTreeCtrl {
public:
    explicit CResourceTreeCtrl(CResourceManager& manager) : m_manager(manager) {}

    // Each returns whether the control's own handling (selecting, expanding)
    // should follow.
    bool LeftButtonDown(const TreeClick& click);
    bool RightButtonDown(const TreeClick& click);
    bool DoubleClick(const TreeClick& click);
    bool KeyDown(int virtualKey, QStandardItem* selected);

    // Carries out a popup command on the current component.
    void Command(int command);

    // Borrowed from the manager.
    CPopupMenu* folderPopup = nullptr;
    CPopupMenu* filePopup = nullptr;
    CTreeComponent* currentComponent = nullptr;
    CTreeList* treeList = nullptr;
    ResourceMode mode = ModeEntities;
    // Set only by the Sprite Sheet Manager: editing a sheet closes it.
    CResourceManager* owningDialog = nullptr;

private:
    // A click counts only on the item already selected, on its text or image;
    // then the current component becomes that item's (null for the title).
    bool ApplyClickRule(const TreeClick& click);
    void FolderCommand(int command);

    CResourceManager& m_manager;
};
