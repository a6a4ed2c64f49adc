#include "resources/ResourceTreeCtrl.h"

#include "common/VirtualKeys.h"
#include "resources/PopupMenu.h"
#include "resources/ResourceManager.h"
#include "resources/TreeList.h"
#include "support/ui/MessagePort.h"

#include <QStandardItem>

bool CResourceTreeCtrl::ApplyClickRule(const TreeClick& click)
{
    if (!click.item || !click.onLabelOrIcon || click.item != click.selected)
        return false;
    currentComponent = CTreeList::ComponentOf(click.item);
    return true;
}

bool CResourceTreeCtrl::LeftButtonDown(const TreeClick& click)
{
    ApplyClickRule(click);
    return true;
}

bool CResourceTreeCtrl::RightButtonDown(const TreeClick& click)
{
    if (!ApplyClickRule(click))
        return false;
    const bool onFile = currentComponent && !currentComponent->folder;
    const CPopupMenu* popup = onFile ? filePopup : folderPopup;
    // The title line's popup is consumed; any other item's click goes on to
    // the control when its popup was dismissed. A command consumes it: the
    // tree it acted on may have been rebuilt, with nothing selected, and the
    // control would select whatever item now stands in that row.
    const bool titleLine = currentComponent == nullptr;
    const int command = popup ? popup->Track(click.popupX, click.popupY, m_manager.Ui()) : 0;
    if (command)
        Command(command);
    return !titleLine && command == 0;
}

bool CResourceTreeCtrl::DoubleClick(const TreeClick& click)
{
    if (click.item && click.onLabelOrIcon && click.item == click.selected) {
        CTreeComponent* component = CTreeList::ComponentOf(click.item);
        if (component && !component->folder) {
            currentComponent = component;
            Command(ID_EDIT_FILE);
        }
    }
    return true;
}

bool CResourceTreeCtrl::KeyDown(int virtualKey, QStandardItem* selected)
{
    if (virtualKey != VK_DELETE || !selected)
        return true;
    currentComponent = CTreeList::ComponentOf(selected);
    // No question is asked: the files on disk stay, only the tree changes.
    Command(!currentComponent || currentComponent->folder ? ID_REMOVE_FOLDER : ID_REMOVE_FILE);
    return true;
}

void CResourceTreeCtrl::Command(int command)
{
    switch (command) {
    case ID_NEW_FOLDER:
    case ID_ADD_FILE:
    case ID_REMOVE_FOLDER:
        FolderCommand(command);
        break;
    case ID_EDIT_FILE:
        if (currentComponent && !currentComponent->folder)
            m_manager.EditOrPlay(*currentComponent);
        break;
    case ID_REMOVE_FILE:
        if (treeList && currentComponent && !currentComponent->folder) {
            treeList->RemoveEntry(currentComponent->entry);
            currentComponent = nullptr; // it went with its entry
        }
        break;
    default:
        break;
    }
}

void CResourceTreeCtrl::FolderCommand(int command)
{
    if (!treeList)
        return;
    // The title line stands for the top level: the root entry's "\" folder.
    CTreeComponent* folder = currentComponent;
    if (!folder) {
        CTreeEntry* root = treeList->RootEntry();
        if (!root)
            return; // the tree file could not be read: there is no top level
        folder = root->components.Head();
    }
    CTreeEntry* entry = folder->entry;
    switch (command) {
    case ID_NEW_FOLDER: {
        QString name;
        if (m_manager.Messages().AskName(QStringLiteral("New Folder"), QStringLiteral("Enter name of new folder:"),
                                         name))
            treeList->AddFolder(entry, folder, name);
        break;
    }
    case ID_ADD_FILE:
        m_manager.AddFileByMode(entry, folder);
        break;
    case ID_REMOVE_FOLDER:
        treeList->RemoveFolder(entry, folder);
        currentComponent = nullptr; // it may have been cut from its entry
        break;
    default:
        break;
    }
}
