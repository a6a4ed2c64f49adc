#include "support/io/NativeFolders.h"

#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#endif

#ifdef Q_OS_UNIX

namespace {

QByteArray Bytes(const QString& nativePath)
{
    return NativePathBytes(nativePath);
}

} // namespace

std::vector<FolderEntry> ListNativeFolder(const QString& nativeFolder)
{
    std::vector<FolderEntry> entries;
    const QByteArray folder = Bytes(nativeFolder);
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return entries;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        FolderEntry e;
        e.name = DecodeText(name);
        const QByteArray path = folder + '/' + name;
        struct stat info;
        if (::lstat(path.constData(), &info) != 0) {
            info.st_mode = 0;
        } else if (S_ISLNK(info.st_mode)) {
            e.isLink = true;
            if (::stat(path.constData(), &info) != 0)
                info.st_mode = 0; // a broken link
        }
        e.isFolder = S_ISDIR(info.st_mode);
        e.isFile = S_ISREG(info.st_mode);
        entries.push_back(std::move(e));
    }
    ::closedir(dir);
    return entries;
}

qint64 NativeModifiedMs(const QString& nativePath)
{
    struct stat info;
    if (::stat(Bytes(nativePath).constData(), &info) != 0)
        return -1;
    return qint64(info.st_mtim.tv_sec) * 1000 + qint64(info.st_mtim.tv_nsec) / 1000000;
}

bool NativePathExists(const QString& nativePath)
{
    struct stat info;
    return ::lstat(Bytes(nativePath).constData(), &info) == 0;
}

bool IsNativeFolder(const QString& nativePath)
{
    struct stat info;
    return ::stat(Bytes(nativePath).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsNativeReadable(const QString& nativePath)
{
    return ::access(Bytes(nativePath).constData(), R_OK) == 0;
}

bool IsNativeWritable(const QString& nativePath)
{
    return ::access(Bytes(nativePath).constData(), W_OK) == 0;
}

bool MakeNativeFolder(const QString& nativePath, bool parents)
{
    if (IsNativeFolder(nativePath))
        return true;
    if (parents) {
        const QString clean = QDir::cleanPath(nativePath);
        const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
        if (slash > 0 && !MakeNativeFolder(clean.left(slash), true))
            return false;
    }
    return ::mkdir(Bytes(nativePath).constData(), 0777) == 0 || (errno == EEXIST && IsNativeFolder(nativePath));
}

bool RemoveNativeFile(const QString& nativePath)
{
    return ::unlink(Bytes(nativePath).constData()) == 0 || errno == ENOENT;
}

bool RemoveNativeTree(const QString& nativePath)
{
    struct stat info;
    const QByteArray path = Bytes(nativePath);
    if (::lstat(path.constData(), &info) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(info.st_mode))
        return ::unlink(path.constData()) == 0;
    bool removed = true;
    for (const FolderEntry& entry : ListNativeFolder(nativePath))
        removed = RemoveNativeTree(nativePath + QLatin1Char('/') + entry.name) && removed;
    return ::rmdir(path.constData()) == 0 && removed;
}

bool RenameNative(const QString& fromNativePath, const QString& toNativePath)
{
    return ::rename(Bytes(fromNativePath).constData(), Bytes(toNativePath).constData()) == 0;
}

QString CurrentNativeFolder()
{
    QByteArray buffer(4096, '\0');
    while (!::getcwd(buffer.data(), size_t(buffer.size()))) {
        if (errno != ERANGE)
            return QDir::currentPath();
        buffer.resize(buffer.size() * 2);
    }
    return DecodeText(QByteArray(buffer.constData()));
}

#else

std::vector<FolderEntry> ListNativeFolder(const QString& nativeFolder)
{
    std::vector<FolderEntry> entries;
    QDirIterator it(nativeFolder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        entries.push_back({it.fileName(), info.isDir(), info.isFile(), info.isSymLink()});
    }
    return entries;
}

qint64 NativeModifiedMs(const QString& nativePath)
{
    const QDateTime modified = QFileInfo(nativePath).lastModified();
    return modified.isValid() ? modified.toMSecsSinceEpoch() : -1;
}

bool NativePathExists(const QString& nativePath)
{
    const QFileInfo info(nativePath);
    return info.exists() || info.isSymLink();
}

bool IsNativeFolder(const QString& nativePath)
{
    return QFileInfo(nativePath).isDir();
}

bool IsNativeReadable(const QString& nativePath)
{
    return QFileInfo(nativePath).isReadable();
}

bool IsNativeWritable(const QString& nativePath)
{
    return QFileInfo(nativePath).isWritable();
}

bool MakeNativeFolder(const QString& nativePath, bool parents)
{
    return parents ? QDir().mkpath(nativePath) : (QDir().mkdir(nativePath) || IsNativeFolder(nativePath));
}

bool RemoveNativeFile(const QString& nativePath)
{
    return QFile::remove(nativePath) || !NativePathExists(nativePath);
}

bool RemoveNativeTree(const QString& nativePath)
{
    return QFileInfo(nativePath).isDir() ? QDir(nativePath).removeRecursively() : RemoveNativeFile(nativePath);
}

bool RenameNative(const QString& fromNativePath, const QString& toNativePath)
{
    QFile::remove(toNativePath);
    return QFile::rename(fromNativePath, toNativePath);
}

QString CurrentNativeFolder()
{
    return QDir::currentPath();
}

#endif
