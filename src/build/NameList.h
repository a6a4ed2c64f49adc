#pragma once
// A flat list of resource names read from one of the quest's tree list files
// (entities, sounds or sheets): the name lines that are not folders, in file
// order.
#include "common/TaggedList.h"

#include <QString>
#include <QStringList>

class CMessagePort;

class CNameList {
public:
    virtual ~CNameList() = default;

    // Refills the list from the tree list at the logical path. When it cannot
    // be opened the message is shown (caption: the path) and the old names stay.
    void ReadTreeFile(const QString& path, const QString& message, CMessagePort& ui);
    // Whether the list holds exactly this name.
    bool Contains(const QString& name) const;
    // The music choices of the group dialog: nothing for an empty list,
    // otherwise " " (no music) and then every name without ".wav".
    QStringList MusicChoices() const;

    QStringList Names() const;
    void Clear() { m_names.Clear(); }
    void Append(const QString& name);

private:
    CTaggedList<QString> m_names;
};

// What is shown when one of the three tree lists cannot be read into its name
// list (caption: the path).
extern const char kEntityListMissing[]; // "Couldnt open entity List"
extern const char kSheetListMissing[];  // "Couldnt open sheets List"
extern const char kSoundListMissing[];  // "Couldnt open sound List"

// A name is held in a 32-character field.
constexpr int kResourceNameLength = 32;
