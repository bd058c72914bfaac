// The global allocation functions of this test program, with a switch that
// makes them fail the way a full memory does: once armed, the allocations go
// through until `allowed` of them have been made, and every one after that
// fails (std::bad_alloc, or null for the nothrow forms) until disarmed. The
// runtime library, loaded into the process, allocates through them too.
#pragma once

#include <cstddef>

class AllocationFailure {
public:
    explicit AllocationFailure(std::size_t allowed);
    ~AllocationFailure();
    AllocationFailure(const AllocationFailure&) = delete;
    AllocationFailure& operator=(const AllocationFailure&) = delete;

    // Whether some allocation was refused while armed.
    bool refusedAny() const;
};
