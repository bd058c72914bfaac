#include "large_pages.h"

#include <cstdint>
#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

void* allocateLargeBuffer(size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr size_t kLargePage = size_t(2) << 20;
    // Below two large pages the rounding would waste more than it saves.
    if (bytes >= 2 * kLargePage && bytes <= SIZE_MAX - kLargePage) {
        const size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
        void* memory = std::aligned_alloc(kLargePage, rounded);
        // Only advice: where large pages are off or scarce, small ones are used.
        if (memory) ::madvise(memory, rounded, MADV_HUGEPAGE);
        return memory;
    }
#endif
    return std::malloc(bytes ? bytes : 1);
}
