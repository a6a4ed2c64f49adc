#pragma once
// Anonymous memory straight from the system, zero until written: a page that
// is only read costs nothing to fill. A buffer of a megabyte or more that is
// written whole soon after it is made (a back buffer) can be mapped in 2 MB
// huge pages where the system offers them: its first touch then costs a fault
// or two instead of one fault per 4 KB page.
#include <cstddef>

// The size from which a buffer is worth huge pages.
constexpr size_t kWorthHugePages = size_t(1) << 20;

struct ZeroedPages {
    void* start = nullptr; // null: there was no memory
    size_t length = 0;     // what was mapped, whole pages
};

// At least `bytes`; with `hugePages`, on a huge page boundary and its length
// whole huge pages, so that every page of it can be a huge one (a hint: where
// the system gives none, it is plain memory). Where the platform maps no
// pages, zeroed memory from the heap. Null when there is no memory.
ZeroedPages MapZeroedPages(size_t bytes, bool hugePages);
void UnmapZeroedPages(const ZeroedPages& pages);
// Makes every byte zero again; mapped pages are handed back to the system
// rather than written.
void ZeroPages(const ZeroedPages& pages);
