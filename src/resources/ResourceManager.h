#pragma once
// One resource manager (entities, sounds or sprite sheets): its tree list in a
// tree, its popups and tree control, and what its commands do with files. The
// dialog around it (141, 154 or 153) only shows the tree and forwards clicks.
#include "resources/PopupMenu.h"
#include "resources/ResourceManagerKind.h"
#include "resources/ResourceTreeCtrl.h"
#include "resources/TreeList.h"

#include <QStandardItemModel>

class CMessagePort;
class CResourceHost;
class CResourceManagerPort;

class CResourceManager {
public:
    CResourceManager(const ResourceManagerKind& kind, CMessagePort& messages, CResourceManagerPort& ui,
                     CResourceHost& host);

    // The dialog's start: the quest's tree file loaded (a failure leaves the
    // tree empty) and shown under the title line.
    void Initialise();
    // The "Create New" button (entities and sheets).
    void CreateNew();

    // The commands' work on files, by mode: adding an existing file below a
    // folder, and editing or playing a file.
    void AddFileByMode(CTreeEntry* entry, CTreeComponent* folder);
    void EditOrPlay(const CTreeComponent& file);
    // Switches to the sheet designer on a sheet and ends the dialog with 0
    // (unless the person stays in the designer they are in).
    void EditSheet(const QString& sheetName);

    // Whether a command asked the dialog to end, and with which result.
    bool EndRequested() const { return m_endResult >= 0; }
    int EndResult() const { return m_endResult; }

    CMessagePort& Messages() const { return m_messages; }
    CResourceManagerPort& Ui() const { return m_ui; }

    const ResourceManagerKind& kind;
    CTreeList treeList;
    QStandardItemModel tree;
    CPopupMenu popups[3]; // the folder popup, the file popup and a spare
    CResourceTreeCtrl treeCtrl;

private:
    void AddEntityScript(CTreeEntry* entry, CTreeComponent* folder);
    void AddSheet(CTreeEntry* entry, CTreeComponent* folder);
    void AddSound(CTreeEntry* entry, CTreeComponent* folder);
    void CreateEntity();
    void CreateSheet();
    // Adds a name at the top level, whatever is selected.
    void AddAtTopLevel(const QString& name);
    // Whether the tree takes a name below a folder; when not, says why.
    bool MayAdd(CTreeEntry* entry, CTreeComponent* folder, const QString& name);
    // Whether a chosen file may be copied over what lies at the destination
    // (asked when that is another file); CopyInto copies it, or says it failed.
    bool MayCopy(const QString& chosen, const QString& destination);
    bool CopyInto(const QString& chosen, const QString& destination, const char* failure);
    // Asks before a new resource replaces a file of the same name.
    bool MayReplace(const QString& path, const QString& question, const QString& caption);

    CMessagePort& m_messages;
    CResourceManagerPort& m_ui;
    CResourceHost& m_host;
    int m_endResult = -1;
};
