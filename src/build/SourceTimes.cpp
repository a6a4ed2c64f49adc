#include "build/SourceTimes.h"

#include "build/FileTime.h"
#include "support/io/NativeFile.h"
#include "support/paths/Globals.h"
#include "support/paths/LogicalPath.h"

#include <QDir>

#include <string>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// The path with forward slashes into `native` and the place of its last
// slash (-1 for none), when it is folders and a name joined by either slash,
// none of them empty, "." or "..", and holds nothing a drive or a native path
// could start with; else false.
bool PlainRelative(const QByteArray& path, std::string& native, qsizetype& lastSlash)
{
    const qsizetype size = path.size();
    native.resize(size_t(size));
    lastSlash = -1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= size; ++i) {
        const char c = i < size ? path[i] : '/';
        if (c == ':' || c == '\0')
            return false;
        if (c != '/' && c != '\\') {
            native[size_t(i)] = c;
            continue;
        }
        const qsizetype length = i - start;
        if (length == 0 || (path[start] == '.' && (length == 1 || (length == 2 && path[start + 1] == '.'))))
            return false;
        if (i < size) {
            native[size_t(i)] = '/';
            lastSlash = i;
        }
        start = i + 1;
    }
    return true;
}
#endif

} // namespace

bool TakeSourceTime(const QString& logicalPath, uint64_t& time)
{
    return LastWriteFileTime(NativePathAsWritten(logicalPath), time)
        || LastWriteFileTime(NativePath(logicalPath), time);
}

CSourceTimes::CSourceTimes()
{
#ifdef Q_OS_UNIX
    if (!g_baseDirectory.isEmpty())
        m_base = ::open(NativePathBytes(QDir::cleanPath(g_baseDirectory)).constData(),
                        O_PATH | O_DIRECTORY | O_CLOEXEC);
#endif
}

CSourceTimes::~CSourceTimes()
{
#ifdef Q_OS_UNIX
    if (m_folder >= 0 && m_folder != m_base)
        ::close(m_folder);
    if (m_base >= 0)
        ::close(m_base);
#endif
}

bool CSourceTimes::Take(const QByteArray& listed, const QString& logicalPath, uint64_t& time)
{
#ifdef Q_OS_UNIX
    qsizetype slash = -1;
    if (m_base >= 0 && PlainRelative(listed, m_path, slash)) {
        const size_t folderLength = slash < 0 ? 0 : size_t(slash);
        if (m_folder < 0 || m_folderPath.compare(0, std::string::npos, m_path, 0, folderLength) != 0) {
            if (m_folder >= 0 && m_folder != m_base)
                ::close(m_folder);
            m_folderPath.assign(m_path, 0, folderLength);
            m_folder = folderLength == 0 ? m_base : ::openat(m_base, m_folderPath.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        }
        struct stat info;
        if (m_folder >= 0 && ::fstatat(m_folder, m_path.c_str() + slash + 1, &info, 0) == 0) {
            if (!S_ISREG(info.st_mode))
                return false;
            return FileTimeFromUnix(int64_t(info.st_mtim.tv_sec), int64_t(info.st_mtim.tv_nsec), time);
        }
    }
#else
    (void)listed;
#endif
    return TakeSourceTime(logicalPath, time);
}
