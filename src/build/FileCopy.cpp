#include "build/FileCopy.h"

#include <vector>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <unistd.h>
#endif

namespace {

constexpr qint64 kCopyBuffer = 1 << 20;

CopyStatus CopyThroughBuffer(QFile& from, QFile& to, const ScrambleKey* key, qint64& copied)
{
    thread_local std::vector<char> buffer(kCopyBuffer);
    for (;;) {
        const qint64 got = from.read(buffer.data(), qint64(buffer.size()));
        if (got < 0)
            return CopyStatus::ReadFailed;
        if (got == 0)
            return CopyStatus::Done;
        if (key)
            Scramble(*key, buffer.data(), size_t(got));
        if (to.write(buffer.data(), got) != got)
            return CopyStatus::WriteFailed;
        copied += got;
    }
}

} // namespace

CopyStatus AppendFileBytes(QFile& from, QFile& to, const ScrambleKey* key, qint64& copied)
{
    copied = 0;
#ifdef Q_OS_LINUX
    if (!key) {
        // copy_file_range moves the bytes between the files' pages without a
        // round trip through this process. Both descriptors' offsets advance;
        // the QFile objects are only closed afterwards.
        const int in = from.handle();
        const int out = to.handle();
        for (;;) {
            const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, size_t(1) << 30, 0);
            if (n > 0) {
                copied += n;
                continue;
            }
            if (n == 0)
                return CopyStatus::Done;
            if (errno == EINTR)
                continue;
            if (copied == 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP))
                break; // not for these files: copy through the buffer
            // Which side failed: a read of the source tells.
            char probe;
            return ::pread(in, &probe, 1, 0) < 0 ? CopyStatus::ReadFailed : CopyStatus::WriteFailed;
        }
    }
#endif
    return CopyThroughBuffer(from, to, key, copied);
}
