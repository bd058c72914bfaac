#include "core/plane_memory.h"

#include <cstdint>
#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

constexpr size_t kLargePage = size_t(2) << 20;
// Below this a plane keeps the allocator's usual small pages: rounding up to whole
// large pages wastes at most an eighth from here on, and pictures of that size are
// few (the undo history keeps smaller ones by the dozen).
constexpr size_t kLargePlane = size_t(16) << 20;

}  // namespace

void* allocatePlaneMemory(size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (bytes >= kLargePlane && bytes <= SIZE_MAX - kLargePage) {
        const size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
        if (void* memory = std::aligned_alloc(kLargePage, rounded)) {
            // Only advice: where large pages are off or scarce, small ones are used.
            ::madvise(memory, rounded, MADV_HUGEPAGE);
            return memory;
        }
        return nullptr;
    }
#endif
    return std::malloc(bytes ? bytes : 1);
}

void adviseLargePages(void* memory, size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (!memory || bytes < kLargePlane) return;
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(memory) + kLargePage - 1) / kLargePage * kLargePage;
    const uintptr_t end = (reinterpret_cast<uintptr_t>(memory) + bytes) / kLargePage * kLargePage;
    if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}
