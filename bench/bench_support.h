#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/interaction.h"

// What the benchmarks share: an Interaction that never interrupts and shows nothing,
// with a clock that stands still, and bytes of a fixed pseudo-random sequence.

class QuietInteraction : public Interaction {
public:
    explicit QuietInteraction(int64_t clock = 1) : clock(clock) {}
    bool escapePressed() override { return false; }
    bool askYesNo(const std::string&, const std::string&, Icon) override { return false; }
    void showMessage(const std::string&, const std::string&, Icon) override {}
    int64_t clockSeconds() override { return clock; }

    int64_t clock;
};

// `count` bytes, the high bytes of a linear congruential sequence started at `seed`:
// the same every run.
inline std::vector<uint8_t> sampleBytes(size_t count, uint32_t seed) {
    std::vector<uint8_t> bytes(count);
    for (uint8_t& b : bytes) {
        seed = seed * 1664525u + 1013904223u;
        b = uint8_t(seed >> 24);
    }
    return bytes;
}
