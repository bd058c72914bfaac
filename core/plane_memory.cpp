#include "core/plane_memory.h"

#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {
// The large page size, and the least plane worth laying on them.
constexpr size_t kLargePage = size_t(2) << 20;
constexpr size_t kLargePlane = 2 * kLargePage;
}  // namespace

void* allocatePlane(size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (bytes >= kLargePlane) {
        const size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
        void* plane = std::aligned_alloc(kLargePage, rounded);
        // Only a wish: the plane works the same on small pages.
        if (plane) (void)madvise(plane, rounded, MADV_HUGEPAGE);
        return plane;
    }
#endif
    return std::malloc(bytes ? bytes : 1);
}
