#include "support/platform/ZeroedPages.h"

#include <QtGlobal>

#include <cstdint>
#include <cstdlib>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace {
constexpr size_t kHugePage = size_t(2) << 20;

// Whole huge pages: what a large allocation maps, whichever pages it gets.
size_t LargeLength(size_t bytes)
{
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}
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
    const size_t length = LargeLength(bytes);
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
    (void)bytes;
    (void)hugePages;
    return {};
#endif
}

void UnmapZeroedPages(const ZeroedPages& pages)
{
#ifdef Q_OS_LINUX
    if (pages.start)
        munmap(pages.start, pages.length);
#else
    (void)pages;
#endif
}

void* AllocateOnHugePages(size_t bytes)
{
#ifdef Q_OS_LINUX
    // Large ones are always mapped, the same length either way, so that
    // freeing knows from the size alone how they were made.
    if (bytes >= kWorthHugePages) {
        if (bytes > SIZE_MAX - 2 * kHugePage)
            return nullptr;
        ZeroedPages pages = MapZeroedPages(bytes, true);
        if (!pages.start)
            pages = MapZeroedPages(LargeLength(bytes), false);
        return pages.start;
    }
#endif
    return std::malloc(bytes ? bytes : 1);
}

void FreeOnHugePages(void* start, size_t bytes) noexcept
{
    if (!start)
        return;
#ifdef Q_OS_LINUX
    if (bytes >= kWorthHugePages) {
        UnmapZeroedPages({start, LargeLength(bytes)});
        return;
    }
#endif
    std::free(start);
}
