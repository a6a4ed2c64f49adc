#include "build/FileCopy.h"

#include <vector>

namespace {

// Small enough to stay in the processor's cache between the read and the
// write: a larger buffer makes every byte slower.
constexpr qint64 kCopyBuffer = 128 * 1024;

} // namespace

CopyStatus AppendFileBytes(QFile& from, QFile& to, const ScrambleKey* key, qint64& copied)
{
    // Plain copies take the same road: the archive's data area starts at no
    // block boundary, so no file system can share blocks with the source, and
    // the kernel's own copy (copy_file_range, a page at a time through a pipe)
    // is slower than a read and a write.
    copied = 0;
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
