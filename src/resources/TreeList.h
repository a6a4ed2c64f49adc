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
#include <functional>
#include <memory>
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
    // into the control. 0 for a null entry; 0 with a message saying why for a
    // name the file cannot hold, a name already in that folder, or a file
    // that could not be written (the tree then stays as the file holds it).
    int AddFile(CTreeEntry* entry, CTreeComponent* folder, const QString& name);
    int AddFolder(CTreeEntry* entry, CTreeComponent* folder, const QString& name);
    // Why adding would be refused (the message AddFile or AddFolder would
    // show), or an empty string; nothing is changed or shown.
    QString AddProblem(CTreeEntry* entry, CTreeComponent* folder, const QString& name, int32_t isFolder) const;
    // Cuts every entry that runs through a folder of that name at that depth
    // back to the folder's parent; files on disk are not touched. When the
    // file cannot be written nothing changes.
    void RemoveFolder(CTreeEntry* entry, CTreeComponent* folder);
    // Removes one entry; the root entry is never removed. When the file
    // cannot be written the entry stays.
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
    // Whether some entry, in any folder, names this file.
    bool ListsFile(const QString& name) const;
    // How many entries of the file the tree cannot show (kept as read).
    int KeptEntryCount() const;

    // The component an item was made for; null for the title item.
    static CTreeComponent* ComponentOf(const QStandardItem* item);
    // Whether a name can become one component of the file: a file or a folder
    // (which may be empty-named). NameProblem says why not, as the person is
    // told, or gives an empty string.
    static bool IsUsableName(const QString& name, int32_t isFolder);
    static QString NameProblem(const QString& name, int32_t isFolder);

private:
    int AddEntry(CTreeEntry* entry, CTreeComponent* folder, const QString& name, int32_t isFolder);
    // The entry an add would make, or null with the reason it is refused.
    std::unique_ptr<CTreeEntry> Compose(CTreeEntry& entry, CTreeComponent* folder, const QString& name,
                                        int32_t isFolder, QString& problem) const;
    void Merge(CTreeEntry& entry);
    // Writes the file: each entry cut to the number of components `written`
    // gives it (all of them without one; none leaves it out), the entries the
    // tree cannot hold as they were read. 0 after the message on failure.
    int Write(const std::function<int(const CTreeEntry&)>& written);
    // Whether the folder of a new entry already shows an item of its name.
    bool Shows(const CTreeEntry& fresh) const;
    void Refuse(const QString& why);
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
// "Bosses\"), or of its first `count` components.
QString TreePathLine(const CTreeEntry& entry, int count = -1);
