#include "support/platform/ZeroedPages.h"

#include <QtGlobal>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace {
constexpr size_t kHugePage = size_t(2) << 20;
} // namespace

ZeroedPages MapZeroedPages(size_t bytes, bool hugePages)
{
#ifdef Q_OS_LINUX
    if (!hugePages) {
        void* start = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        return start == MAP_FAILED ? ZeroedPages{} : ZeroedPages{start, bytes};
    }
    if (bytes > SIZE_MAX - 2 * kHugePage)
        return {};
    // A huge page more than needed, then the ends cut off to leave whole
    // huge pages on a boundary.
    const size_t length = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* spare = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (spare == MAP_FAILED)
        return {};
    const auto from = reinterpret_cast<uintptr_t>(spare);
    const uintptr_t aligned = (from + kHugePage - 1) & ~uintptr_t(kHugePage - 1);
    if (aligned > from)
        munmap(spare, aligned - from);
    if (const size_t tail = from + length + kHugePage - (aligned + length))
        munmap(reinterpret_cast<void*>(aligned + length), tail);
    void* start = reinterpret_cast<void*>(aligned);
    madvise(start, length, MADV_HUGEPAGE);
    return {start, length};
#else
    (void)hugePages;
    void* start = std::calloc(bytes ? bytes : 1, 1);
    return start ? ZeroedPages{start, bytes} : ZeroedPages{};
#endif
}

void UnmapZeroedPages(const ZeroedPages& pages)
{
#ifdef Q_OS_LINUX
    if (pages.start)
        munmap(pages.start, pages.length);
#else
    std::free(pages.start);
#endif
}

void ZeroPages(const ZeroedPages& pages)
{
    if (!pages.start)
        return;
#ifdef Q_OS_LINUX
    // Private anonymous pages read as zeros once they are dropped.
    if (madvise(pages.start, pages.length, MADV_DONTNEED) == 0)
        return;
#endif
    std::memset(pages.start, 0, pages.length);
}
