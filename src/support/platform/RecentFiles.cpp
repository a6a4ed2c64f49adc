#include "support/platform/RecentFiles.h"

#include "support/io/TextCodec.h"
#include "support/platform/Settings.h"

#include <QDir>

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString Entry(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

bool SameFile(const QString& a, const QString& b)
{
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

void Store(const QStringList& files)
{
    QList<QPair<QString, QVariant>> entries;
    for (int i = 0; i < kRecentFileCount; ++i) {
        if (i >= files.size()) {
            entries.append({Entry(i), QVariant()});
            continue;
        }
        // A name that is not UTF-8 is kept as its bytes.
        const QString& file = files[i];
        entries.append({Entry(i), HoldsRawBytes(file) ? QVariant(EncodeText(file)) : QVariant(file)});
    }
    ReplaceSettings(kSection, entries);
}

} // namespace

QStringList RecentFiles()
{
    QStringList files;
    for (int i = 0; i < kRecentFileCount; ++i) {
        const QVariant value = ReadSetting(kSection, Entry(i), QVariant());
        const QString file =
            value.typeId() == QMetaType::QByteArray ? DecodeText(value.toByteArray()) : value.toString();
        if (!file.isEmpty())
            files << file;
    }
    return files;
}

void AddRecentFile(const QString& path)
{
    const QStringList before = RecentFiles();
    QStringList files = before;
    files.removeIf([&path](const QString& file) { return SameFile(file, path); });
    files.prepend(path);
    files = files.mid(0, kRecentFileCount);
    // Opening the file opened last changes nothing: the settings file is not
    // written again (a write locks it and waits for the disk).
    if (files != before)
        Store(files);
}

void RemoveRecentFile(const QString& path)
{
    QStringList files = RecentFiles();
    files.removeIf([&path](const QString& file) { return SameFile(file, path); });
    Store(files);
}
