// Large containers live on mapped huge pages, small ones on the heap; growth
// from one to the other keeps every element.
#include "support/platform/ZeroedPages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

TEST(HugePageAllocator, KeepsEveryElementAsAContainerGrowsFromTheHeapOntoHugePagesAndBack)
{
    std::vector<uint32_t, HugePageAllocator<uint32_t>> cells;
    // 400 bytes, then 1.2 MB and 2.8 MB mapped, then 40 KB on the heap again.
    for (const size_t count : {size_t(100), size_t(300000), size_t(700000), size_t(10000)}) {
        const size_t kept = std::min(cells.size(), count);
        cells.resize(count);
        cells.shrink_to_fit(); // the last one moves back to the heap
        for (size_t i = 0; i < kept; ++i)
            ASSERT_EQ(uint32_t(i * 2654435761u), cells[i]) << count;
        for (size_t i = kept; i < count; ++i)
            cells[i] = uint32_t(i * 2654435761u);
    }
}

TEST(ZeroedPages, HugeOnesStartOnAHugePageAndAreWholeHugePagesOfZeros)
{
    const ZeroedPages pages = MapZeroedPages(size_t(3) << 20, true);
    ASSERT_NE(nullptr, pages.start);
    EXPECT_EQ(0u, reinterpret_cast<uintptr_t>(pages.start) % (size_t(2) << 20));
    ASSERT_EQ(size_t(4) << 20, pages.length);
    auto* bytes = static_cast<volatile uint8_t*>(pages.start);
    EXPECT_EQ(0, bytes[0] | bytes[pages.length / 2] | bytes[pages.length - 1]);
    bytes[pages.length - 1] = 1; // the whole length is writable
    UnmapZeroedPages(pages);
}
