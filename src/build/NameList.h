#pragma once
// A flat list of resource names read from one of the quest's tree list files
// (entities, sounds or sheets): the name lines that are not folders, in file
// order.
#include "common/TaggedList.h"

#include <QString>
#include <QStringList>

#include <vector>

class CMessagePort;

// What reading a tree list found besides its names, for the quest check: the
// line of every name, and each line the two readers of the format (this flat
// one the build uses, and the resource managers' tree) would take apart.
struct TreeListReading {
    struct Name {
        QString name;       // as the list holds it, cut to the name field
        QString wholeLine;  // the whole name line, when it was cut
        int line = 0;       // the name line's number
    };
    std::vector<Name> names;
    struct Oddity {
        int line = 0;
        QString text;
    };
    std::vector<Oddity> oddities;
};

class CNameList {
public:
    virtual ~CNameList() = default;

    // Refills the list from the tree list at the logical path. When it cannot
    // be opened the message is shown (caption: the path) and the old names
    // stay. With `reading`, also says where each name stands and what in the
    // file the readers would not take as it stands.
    void ReadTreeFile(const QString& path, const QString& message, CMessagePort& ui,
                      TreeListReading* reading = nullptr);
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
// The resource managers read a tree list with a 256-byte line buffer: a path
// line holds at most 254 characters besides its line end, a component at most
// 127. They leave out an entry that does not fit.
constexpr int kTreeListPathLimit = 254;
constexpr int kTreeListComponentLimit = 127;
