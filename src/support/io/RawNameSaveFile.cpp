#include "support/io/RawNameSaveFile.h"

#include "support/io/TextCodec.h"

#ifdef Q_OS_UNIX
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#endif

CRawNameSaveFile::~CRawNameSaveFile()
{
    Cancel();
}

#ifdef Q_OS_UNIX

bool CRawNameSaveFile::Open(const QString& nativePath)
{
    Cancel();
    m_target = EncodeText(nativePath);
    QByteArray name = m_target + ".XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return false;
    // The file gets the mode the target has, or a new file's usual one.
    struct stat info;
    mode_t mode = 0;
    if (::stat(m_target.constData(), &info) == 0) {
        mode = info.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    m_temp = name;
    if (!m_file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        ::unlink(m_temp.constData());
        m_temp.clear();
        return false;
    }
    return true;
}

bool CRawNameSaveFile::Write(const QByteArray& bytes)
{
    return m_file.isOpen() && m_file.write(bytes) == bytes.size();
}

bool CRawNameSaveFile::Commit()
{
    if (!m_file.isOpen())
        return false;
    const bool flushed = m_file.flush() && ::fsync(m_file.handle()) == 0;
    m_file.close();
    const bool placed = flushed && ::rename(m_temp.constData(), m_target.constData()) == 0;
    if (!placed)
        ::unlink(m_temp.constData());
    m_temp.clear();
    return placed;
}

void CRawNameSaveFile::Cancel()
{
    if (m_file.isOpen())
        m_file.close();
    if (!m_temp.isEmpty())
        ::unlink(m_temp.constData());
    m_temp.clear();
}

#else

bool CRawNameSaveFile::Open(const QString&)
{
    return false;
}

bool CRawNameSaveFile::Write(const QByteArray&)
{
    return false;
}

bool CRawNameSaveFile::Commit()
{
    return false;
}

void CRawNameSaveFile::Cancel() {}

#endif
