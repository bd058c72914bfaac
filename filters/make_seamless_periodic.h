#pragma once
#include <cstdint>
#include <memory>

#include "core/picture.h"

// The periodic component of one channel (0 red, 1 green, 2 blue) written from `out` on,
// one byte a pixel every `outStep` bytes (4: into the same channel of a plane of the
// picture's layout, `out` pointing at the channel's first byte, which may be the
// picture's own; 1: into a plane of single bytes): the picture minus the smooth field
// s whose periodic discrete Laplacian equals the jumps across the wrapped edges (only
// the left/right jumps when alongY is false, only the top/bottom ones when alongX is
// false), s of mean zero, rounded and clamped to 0..255.
//
// s is solved in the domain of rows transformed along x: there each frequency's column
// is a cyclic tridiagonal system with the jumps on its right-hand side, which two
// first-order recursions solve exactly; one inverse real transform per row brings s
// back. Rows go in blocks of a fixed height, each started from closed forms and shared
// out over the cores, so the bytes do not depend on the number of threads. Needs both sides of at least 4;
// throws std::bad_alloc when its buffers cannot be had.
class PeriodicWorkspace;
void seamlessPeriodicChannel(const Picture& picture, int channel, bool alongX, bool alongY, uint8_t* out,
                             int32_t outStep, PeriodicWorkspace& workspace);

// The working rows of each band's blocks (a block's rows of spectra, several MiB a band
// on large pictures), made by the first channel and kept for the next ones of the same
// width: the channels of one picture then take their memory from the system once.
class PeriodicWorkspace {
public:
    PeriodicWorkspace();
    ~PeriodicWorkspace();
    PeriodicWorkspace(const PeriodicWorkspace&) = delete;
    PeriodicWorkspace& operator=(const PeriodicWorkspace&) = delete;

    struct Bands;
    std::unique_ptr<Bands> bands;
};

// Rows per block.
inline constexpr int32_t kPeriodicBlockRows = 512;
