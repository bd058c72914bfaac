#include "core/plane_memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

TEST(PlaneMemory, EverySizeGivesAWholeWritablePlane) {
    // Below, at and above the size where large pages are asked for, and sizes that are
    // not a whole number of them.
    const size_t large = size_t(16) << 20;
    for (size_t bytes :
         {size_t(0), size_t(4), size_t(4) << 20, large - 4, large, large + 4, large + (size_t(3) << 20) + 12}) {
        const PlaneBytes plane = allocatePlaneBytes(bytes);
        ASSERT_NE(plane, nullptr) << bytes;
        if (bytes > 0) {
            std::memset(plane.get(), 0x5A, bytes);
            EXPECT_EQ(plane[0], 0x5A);
            EXPECT_EQ(plane[bytes - 1], 0x5A);
        }
    }
}
