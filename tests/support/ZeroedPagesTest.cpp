// Zeroed pages: huge ones where asked, and zeros again once dropped.
#include "support/platform/ZeroedPages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

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

TEST(ZeroedPages, ReadAsZerosAgainOnceZeroed)
{
    for (const bool huge : {false, true}) {
        const ZeroedPages pages = MapZeroedPages(size_t(3) << 20, huge);
        ASSERT_NE(nullptr, pages.start);
        auto* bytes = static_cast<volatile uint8_t*>(pages.start);
        bytes[0] = 1;
        bytes[pages.length - 1] = 2;
        ZeroPages(pages);
        EXPECT_EQ(0, bytes[0] | bytes[pages.length - 1]) << huge;
        bytes[0] = 3; // still writable
        EXPECT_EQ(3, bytes[0]);
        UnmapZeroedPages(pages);
    }
}
