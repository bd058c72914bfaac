#pragma once
#include <cstdint>
#include <memory>

// One coverage byte per cell over a picture's size, indexed like the pixel plane.
struct CoverageMask {
    int32_t width = 0;
    int32_t height = 0;
    int32_t reserved = 0;
    uint8_t* bytes = nullptr;
};

// A zeroed mask, or null for negative or oversized dimensions or out of memory.
CoverageMask* createCoverageMask(int32_t width, int32_t height);
void freeCoverageMask(CoverageMask* mask);

struct CoverageMaskDeleter {
    void operator()(CoverageMask* m) const { freeCoverageMask(m); }
};
using CoverageMaskPtr = std::unique_ptr<CoverageMask, CoverageMaskDeleter>;

// Both wrap in connectable mode; false when the cell does not exist.
bool getMask(const CoverageMask* mask, int32_t x, int32_t y, uint8_t* out);
bool setMask(CoverageMask* mask, int32_t x, int32_t y, uint8_t value);
