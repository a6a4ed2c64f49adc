#pragma once
// One entry of a resource tree list: the folders and the file (or folder) it
// names, in path order. The tree control's items point at the components.
#include "common/TaggedList.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

class CTreeEntry;

class CTreeComponent {
public:
    virtual ~CTreeComponent() = default;

    QString name;
    int32_t folder = 1;     // 1 folder, 0 file
    int32_t removalMark = 0;
    CTreeEntry* entry = nullptr; // the entry that owns this component
};

class CTreeEntry {
public:
    virtual ~CTreeEntry() = default;

    // Appends a component (a folder unless `folder` is 0) and returns it.
    CTreeComponent* AddComponent(const QString& name, int32_t folder);
    // The position of this very component, -1 when it is not one of ours.
    int PositionOf(const CTreeComponent* component) const { return components.IndexOf(component); }

    int32_t root = 0; // 1 only for the entry that stands for the top level
    CTaggedList<CTreeComponent> components;
    // An entry the tree cannot hold (a line or a name too long for it) has no
    // components: it keeps its lines as they were read, each ending in "\n",
    // and is written back so, never shown.
    QByteArray keptLines;
};
