#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

// Memory for a large pixel plane, released with std::free. Planes of 16 MiB and more are asked for in whole 2 MiB pages
// where the system offers them: a fresh 64 MiB plane then costs 32 page faults instead of 16384, and its release is as
// cheap. The contents are undefined; null when memory runs out.
void* allocatePlaneMemory(size_t bytes);

struct PlaneMemoryRelease {
    void operator()(uint8_t* p) const { std::free(p); }
};

// Bytes from allocatePlaneMemory that are released when they go.
using PlaneBytes = std::unique_ptr<uint8_t[], PlaneMemoryRelease>;

// `bytes` of plane memory, contents undefined; null when memory runs out.
inline PlaneBytes allocatePlaneBytes(size_t bytes) {
    return PlaneBytes(static_cast<uint8_t*>(allocatePlaneMemory(bytes)));
}

// Asks for large pages under the whole 2 MiB pages inside a buffer of `bytes` (16 MiB
// and more) that has not been written yet (memory fresh from any allocator): its first writes then
// fault a large page at a time. Only advice; nothing changes for memory already in use.
void adviseLargePages(void* memory, size_t bytes);
