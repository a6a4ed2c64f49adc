#include "support/io/NativeFile.h"

#include "support/io/TextCodec.h"
#include "support/paths/LogicalPath.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

QByteArray NativePathBytes(const QString& nativePath)
{
    if (!HoldsRawBytes(nativePath))
        return QFile::encodeName(nativePath);
    return EncodeText(nativePath);
}

bool OpenNativeFile(QFile& file, const QString& nativePath, QIODevice::OpenMode mode)
{
#ifdef Q_OS_UNIX
    if (HoldsRawBytes(nativePath)) {
        int flags = O_CLOEXEC;
        if (mode & QIODevice::WriteOnly) {
            flags |= (mode & QIODevice::ReadOnly) ? O_RDWR : O_WRONLY;
            flags |= O_CREAT;
            if (mode & QIODevice::Truncate)
                flags |= O_TRUNC;
            if (mode & QIODevice::Append)
                flags |= O_APPEND;
        } else {
            flags |= O_RDONLY;
        }
        const int fd = ::open(EncodeText(nativePath).constData(), flags, 0666);
        if (fd < 0)
            return false;
        struct stat info;
        if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
            ::close(fd);
            return false;
        }
        if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return false;
        }
        return true;
    }
#endif
    file.setFileName(nativePath);
    return file.open(mode);
}

bool IsNativeFile(const QString& nativePath, qint64* size)
{
#ifdef Q_OS_UNIX
    if (HoldsRawBytes(nativePath)) {
        struct stat info;
        if (::stat(EncodeText(nativePath).constData(), &info) != 0 || !S_ISREG(info.st_mode))
            return false;
        if (size)
            *size = qint64(info.st_size);
        return true;
    }
#endif
    const QFileInfo info(nativePath);
    if (!info.isFile())
        return false;
    if (size)
        *size = info.size();
    return true;
}

bool IsSameNativeFile(const QString& first, const QString& second)
{
#ifdef Q_OS_UNIX
    struct stat a, b;
    return ::stat(NativePathBytes(first).constData(), &a) == 0 && ::stat(NativePathBytes(second).constData(), &b) == 0
        && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
#else
    const QString canonical = QFileInfo(first).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(second).canonicalFilePath();
#endif
}

bool OpenLogicalFileForReading(QFile& file, const QString& logicalPath, QIODevice::OpenMode mode)
{
    if (mode & QIODevice::WriteOnly)
        return false; // a file about to be made must be looked up first
    return OpenNativeFile(file, NativePathAsWritten(logicalPath), mode)
        || OpenNativeFile(file, NativePath(logicalPath), mode);
}

bool IsLogicalFile(const QString& logicalPath, qint64* size)
{
    return IsNativeFile(NativePathAsWritten(logicalPath), size) || IsNativeFile(NativePath(logicalPath), size);
}

namespace {
bool CanOpenNativeFileForReading(const QString& nativePath)
{
#ifdef Q_OS_UNIX
    const QByteArray bytes = NativePathBytes(nativePath);
    struct stat info;
    return ::stat(bytes.constData(), &info) == 0 && !S_ISDIR(info.st_mode) && ::access(bytes.constData(), R_OK) == 0;
#else
    const QFileInfo info(nativePath);
    return info.exists() && !info.isDir() && info.isReadable();
#endif
}
} // namespace

bool CanOpenLogicalFileForReading(const QString& logicalPath)
{
    return CanOpenNativeFileForReading(NativePathAsWritten(logicalPath))
        || CanOpenNativeFileForReading(NativePath(logicalPath));
}

CFolderReadCheck::CFolderReadCheck(const QString& nativeFolder)
{
#ifdef Q_OS_UNIX
    m_folder = ::open(NativePathBytes(nativeFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#else
    (void)nativeFolder;
#endif
}

CFolderReadCheck::~CFolderReadCheck()
{
#ifdef Q_OS_UNIX
    if (m_folder >= 0)
        ::close(m_folder);
#endif
}

bool CFolderReadCheck::CanRead(const QByteArray& name) const
{
#ifdef Q_OS_UNIX
    struct stat info;
    return m_folder >= 0 && ::fstatat(m_folder, name.constData(), &info, 0) == 0 && !S_ISDIR(info.st_mode)
        && ::faccessat(m_folder, name.constData(), R_OK, 0) == 0;
#else
    (void)name;
    return false;
#endif
}
