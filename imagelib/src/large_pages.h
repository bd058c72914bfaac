#pragma once
#include <cstddef>

// Memory for a large buffer, released with free(). Buffers of a few megabytes and more
// are asked for in whole 2 MiB pages where the system offers them, which spares most
// of the page faults of fresh memory and makes the release cheap. Not cleared; null
// when memory runs out.
void* allocateLargeBuffer(size_t bytes);
