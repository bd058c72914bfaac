#include "failing_allocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> armed{false};
std::atomic<std::size_t> remaining{0};
std::atomic<std::size_t> refused{0};

bool mayAllocate() {
    if (!armed.load()) return true;
    std::size_t left = remaining.load();
    while (left > 0) {
        if (remaining.compare_exchange_weak(left, left - 1)) return true;
    }
    refused.fetch_add(1);
    return false;
}

void* allocate(std::size_t size) {
    if (!mayAllocate()) return nullptr;
    return std::malloc(size != 0 ? size : 1);
}

void* allocateAligned(std::size_t size, std::align_val_t alignment) {
    if (!mayAllocate()) return nullptr;
    const auto align = static_cast<std::size_t>(alignment);
    void* block = nullptr;
    return posix_memalign(&block, align < sizeof(void*) ? sizeof(void*) : align, size != 0 ? size : 1) == 0 ? block
                                                                                                            : nullptr;
}

void* allocateOrThrow(std::size_t size) {
    if (void* block = allocate(size)) return block;
    throw std::bad_alloc();
}

void* allocateAlignedOrThrow(std::size_t size, std::align_val_t alignment) {
    if (void* block = allocateAligned(size, alignment)) return block;
    throw std::bad_alloc();
}

}  // namespace

AllocationFailure::AllocationFailure(std::size_t allowed) {
    refused = 0;
    remaining = allowed;
    armed = true;
}

AllocationFailure::~AllocationFailure() { armed = false; }

bool AllocationFailure::refusedAny() const { return refused.load() > 0; }

// Every form, so that no allocation of the process escapes the switch and
// every block is released by the same allocator that made it.
void* operator new(std::size_t size) { return allocateOrThrow(size); }
void* operator new[](std::size_t size) { return allocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new(std::size_t size, std::align_val_t alignment) { return allocateAlignedOrThrow(size, alignment); }
void* operator new[](std::size_t size, std::align_val_t alignment) { return allocateAlignedOrThrow(size, alignment); }
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return allocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return allocateAligned(size, alignment);
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete(void* block, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { std::free(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { std::free(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept { std::free(block); }
