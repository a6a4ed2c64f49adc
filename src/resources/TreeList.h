#pragma once
// A quest's resource tree (entities, sounds or sheets) as the user arranged it,
// kept in a tree list file of the quest folder and shown in a tree control.
//
// The file holds two lines per entry: the path line (components joined by "\",
// a trailing "\" when the last one is a folder) and the name line (the last
// component alone, "\" again for a folder). The tree control is a
// QStandardItemModel; every item made for a component carries that component
// (ComponentOf), the title item carries nothing.
#include "build/NameList.h"
#include "common/TaggedList.h"
#include "resources/TreeEntry.h"

#include <QIcon>
#include <QPersistentModelIndex>
#include <QString>

#include <cstdint>
#include <vector>

class CMessagePort;
class QStandardItem;
class QStandardItemModel;

class CTreeList {
public:
    // Roles of the tree items: the component pointer and the image index.
    static constexpr int kComponentRole = Qt::UserRole + 1;
    static constexpr int kImageRole = Qt::UserRole + 2;
    // The file is read with a 256-byte line buffer: a path line holds at most
    // 255 characters with its line end, a component at most 127.
    static constexpr int kMaxPathLine = kTreeListPathLimit;
    static constexpr int kMaxComponent = kTreeListComponentLimit;

    explicit CTreeList(CMessagePort& ui);
    virtual ~CTreeList();

    // Reads the file (a logical path) and appends the root entry. 0, with the
    // message "Couldn't open Tree List", when it cannot be opened.
    int Load(const QString& fileName);
    // Rewrites the file remembered by Load; an empty list leaves it untouched.
    int Save();
    // Rebuilds the whole tree control from the entries under a title line.
    void FillTree(const QString& title);

    // Add a file or a folder below `folder` (a folder component of `entry`, or
    // the root entry and its "\" for the title line); saved at once and merged
    // into the control. 0 for a null entry or a name the file cannot hold.
    int AddFile(CTreeEntry* entry, CTreeComponent* folder, const QString& name);
    int AddFolder(CTreeEntry* entry, CTreeComponent* folder, const QString& name);
    // Cuts every entry that runs through a folder of that name at that depth
    // back to the folder's parent; files on disk are not touched.
    void RemoveFolder(CTreeEntry* entry, CTreeComponent* folder);
    // Removes one entry; the root entry is never removed.
    void RemoveEntry(CTreeEntry* entry);

    void SetTreeControl(QStandardItemModel* tree) { m_tree = tree; }
    QStandardItemModel* TreeControl() const { return m_tree; }
    void SetImageOffset(int32_t offset) { m_imageOffset = offset; }
    int32_t ImageOffset() const { return m_imageOffset; }

    CTreeEntry* RootEntry() const { return m_rootEntry; }
    const CTaggedList<CTreeEntry>& Entries() const { return m_entries; }
    const QString& FileName() const { return m_fileName; }
    const QString& Title() const { return m_title; }
    const std::vector<QIcon>& Images() const { return m_images; }

    // The component an item was made for; null for the title item.
    static CTreeComponent* ComponentOf(const QStandardItem* item);
    // Whether a name can become one component of the file: a file or a folder
    // (which may be empty-named).
    static bool IsUsableName(const QString& name, int32_t isFolder);

private:
    int AddEntry(CTreeEntry* entry, CTreeComponent* folder, const QString& name, int32_t isFolder);
    void Merge(CTreeEntry& entry);
    QStandardItem* MakeItem(CTreeComponent& component, bool last);
    void ShowOpenFailure();

    CMessagePort& m_ui;
    CTaggedList<CTreeEntry> m_entries;
    QStandardItemModel* m_tree = nullptr;
    CTreeEntry* m_rootEntry = nullptr;
    std::vector<QIcon> m_images;
    QString m_fileName;
    QString m_title;
    int32_t m_imageOffset = 0;
    QPersistentModelIndex m_titleIndex;
};

// The path line of an entry as the file stores it ("Enemies\Cave\bat",
// "Bosses\").
QString TreePathLine(const CTreeEntry& entry);
