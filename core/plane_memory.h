#pragma once
#include <cstddef>

// Memory for a picture's pixel plane, released with std::free. Large planes are laid on
// the system's large pages where it offers them: a small shape on a big picture touches
// a fresh 4 KiB page on every row, and with small pages each of those rows costs an
// address translation that misses; large pages keep the whole plane within the
// processor's translation cache. Null when memory runs out.
void* allocatePlane(size_t bytes);
