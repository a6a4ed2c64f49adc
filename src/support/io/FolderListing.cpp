#include "support/io/FolderListing.h"

#include "support/io/NativeFolders.h"

#include <QDateTime>
#include <QHash>
#include <QMultiHash>

namespace {

// A listing is trusted only while its folder's modification time is the one
// it was read under, and only when that time lies well before the reading: a
// coarse file-system clock (two seconds on some) can give a change made just
// after an earlier one the same time.
constexpr qint64 kSettledMs = 5000;
constexpr qsizetype kMaxFolders = 64;

struct Listing {
    qint64 modified = 0;
    QMultiHash<QString, QString> byFoldedName;
};

QHash<QString, Listing>& Listings()
{
    static QHash<QString, Listing> listings;
    return listings;
}

} // namespace

QStringList EntriesIgnoringCase(const QString& folder, const QString& name)
{
    const qint64 modified = NativeModifiedMs(folder);
    if (modified < 0)
        return {};
    const QString folded = name.toCaseFolded();
    QHash<QString, Listing>& listings = Listings();
    const auto kept = listings.constFind(folder);
    if (kept != listings.constEnd() && kept->modified == modified)
        return kept->byFoldedName.values(folded);
    const qint64 readAt = QDateTime::currentMSecsSinceEpoch();
    Listing listing;
    listing.modified = modified;
    // Every entry, whatever bytes its name holds.
    for (const FolderEntry& entry : ListNativeFolder(folder))
        listing.byFoldedName.insert(entry.name.toCaseFolded(), entry.name);
    const QStringList matches = listing.byFoldedName.values(folded);
    if (modified < readAt - kSettledMs) {
        if (listings.size() >= kMaxFolders)
            listings.clear();
        listings.insert(folder, std::move(listing));
    } else {
        listings.remove(folder);
    }
    return matches;
}
