#include "filters/random_block.h"

#include "filters/wide_paths.h"

namespace {

constexpr uint32_t kMul = 214013u;
constexpr uint32_t kAdd = 2531011u;
constexpr int kLanes = 8;

struct Step {
    uint32_t mul;
    uint32_t add;
};

// The affine step state -> mul * state + add applied n times (mod 2^32).
constexpr Step stepPower(int n) {
    Step s{1u, 0u};
    for (int i = 0; i < n; ++i) s = Step{s.mul * kMul, s.add * kMul + kAdd};
    return s;
}

constexpr Step kJump = stepPower(kLanes);

inline uint16_t drawOf(uint32_t state) { return uint16_t((state >> 16) & 0x7FFFu); }

FILTER_PASS_BODY uint32_t fillDraws(uint32_t state, uint16_t* out, size_t count) {
    size_t i = 0;
    if (count >= size_t(kLanes)) {
        uint32_t lane[kLanes];
        uint32_t s = state;
        for (int j = 0; j < kLanes; ++j) {
            s = s * kMul + kAdd;
            lane[j] = s;
        }
        const size_t blocks = count / kLanes;
        for (size_t b = 0; b < blocks; ++b) {
            state = lane[kLanes - 1];  // the state of the last draw of this block
            for (int j = 0; j < kLanes; ++j) {
                out[i + j] = drawOf(lane[j]);
                lane[j] = lane[j] * kJump.mul + kJump.add;
            }
            i += kLanes;
        }
    }
    for (; i < count; ++i) {
        state = state * kMul + kAdd;
        out[i] = drawOf(state);
    }
    return state;
}

}  // namespace

uint32_t fillRandomDraws(uint32_t state, uint16_t* out, size_t count) { return widePass<fillDraws>(state, out, count); }
