#include "filters/random_draws.h"

#include "core/random_sequence.h"
#include "core/wide_pass.h"

namespace {

constexpr uint32_t kMul = kRandomMultiplier;
constexpr uint32_t kAdd = kRandomIncrement;
constexpr int kLanes = 8;
constexpr RandomJump kJump = randomJump(kLanes);

inline uint16_t drawOf(uint32_t state) { return randomDrawOf(state); }

WIDE_PASS_BODY uint32_t fillDraws(uint32_t state, uint16_t* out, size_t count) {
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
