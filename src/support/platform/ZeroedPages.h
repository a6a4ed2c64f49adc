#pragma once
// Anonymous memory straight from the system, zero until written. A buffer of
// a megabyte or more that is written whole soon after it is made (a back
// buffer, the map's grid of cells) is mapped in 2 MB huge pages where the
// system offers them: its first touch then costs a fault or two instead of
// one fault per 4 KB page, which under a virtual machine is most of the time
// it takes to fill it.
#include <cstddef>
#include <new>

// The size from which a buffer is worth huge pages.
constexpr size_t kWorthHugePages = size_t(1) << 20;

struct ZeroedPages {
    void* start = nullptr; // null: there was no memory
    size_t length = 0;     // what was mapped, whole pages
};

// At least `bytes`; with `hugePages`, on a huge page boundary and its length
// whole huge pages, so that every page of it can be a huge one (a hint: where
// the system gives none, it is plain memory). Where the platform maps no such
// memory, `start` is null.
ZeroedPages MapZeroedPages(size_t bytes, bool hugePages);
void UnmapZeroedPages(const ZeroedPages& pages);

// Storage of `bytes`: from kWorthHugePages on, mapped whole huge pages (plain
// pages of the same length where the system gives no huge ones), below it
// from the heap; null when there is no memory.
void* AllocateOnHugePages(size_t bytes);
// Frees what AllocateOnHugePages gave for the same `bytes`.
void FreeOnHugePages(void* start, size_t bytes) noexcept;

// A container's storage through AllocateOnHugePages: for one of a megabyte or
// more that is filled as soon as it is made.
template <class T>
struct HugePageAllocator {
    using value_type = T;
    HugePageAllocator() = default;
    template <class U>
    HugePageAllocator(const HugePageAllocator<U>&) noexcept
    {
    }
    T* allocate(size_t count)
    {
        if (count > size_t(-1) / sizeof(T))
            throw std::bad_array_new_length();
        void* start = AllocateOnHugePages(count * sizeof(T));
        if (!start)
            throw std::bad_alloc();
        return static_cast<T*>(start);
    }
    void deallocate(T* start, size_t count) noexcept { FreeOnHugePages(start, count * sizeof(T)); }
    template <class U>
    bool operator==(const HugePageAllocator<U>&) const noexcept
    {
        return true;
    }
};
