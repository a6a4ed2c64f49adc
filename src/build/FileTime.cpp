#include "build/FileTime.h"

#include "support/io/NativeFile.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

bool FileTimeFromUnix(int64_t seconds, int64_t nanoseconds, uint64_t& fileTime)
{
    const int64_t ticks = seconds * 10000000LL + nanoseconds / 100;
    if (ticks < -int64_t(kFileTimeUnixEpoch))
        return false;
    fileTime = uint64_t(ticks + int64_t(kFileTimeUnixEpoch));
    return true;
}

bool LastWriteFileTime(const QString& nativePath, uint64_t& fileTime)
{
#ifdef Q_OS_UNIX
    // stat keeps nanoseconds where QDateTime stops at milliseconds.
    struct stat info;
    if (::stat(NativePathBytes(nativePath).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return FileTimeFromUnix(int64_t(info.st_mtim.tv_sec), int64_t(info.st_mtim.tv_nsec), fileTime);
#else
    const QFileInfo info(nativePath);
    if (!info.isFile())
        return false;
    const QDateTime modified = info.lastModified().toUTC();
    if (!modified.isValid())
        return false;
    const qint64 ms = modified.toMSecsSinceEpoch();
    return FileTimeFromUnix(ms / 1000 - (ms % 1000 < 0 ? 1 : 0), ((ms % 1000 + 1000) % 1000) * 1000000LL, fileTime);
#endif
}
