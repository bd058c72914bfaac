#include "core/plane_memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

TEST(PlaneMemory, EverySizeGivesAWholeWritablePlane) {
    // Below, at and above the size where large pages are asked for, and sizes that are
    // not a whole number of them.
    for (size_t bytes : {size_t(0), size_t(4), size_t(4) << 20, (size_t(4) << 20) + 4, (size_t(9) << 20) + 12}) {
        auto* plane = static_cast<uint8_t*>(allocatePlaneMemory(bytes));
        ASSERT_NE(plane, nullptr) << bytes;
        if (bytes > 0) {
            std::memset(plane, 0x5A, bytes);
            EXPECT_EQ(plane[0], 0x5A);
            EXPECT_EQ(plane[bytes - 1], 0x5A);
        }
        std::free(plane);
    }
}
