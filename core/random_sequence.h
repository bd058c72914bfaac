#pragma once
#include <cstdint>

class Interaction;

// The one pseudo-random sequence every random operation draws from. Its exact
// recurrence fixes every generated picture for a given seed, so the platform's
// own generator must never stand in for it.

// The recurrence's constants: state = state * kRandomMultiplier + kRandomIncrement (mod 2^32).
inline constexpr uint32_t kRandomMultiplier = 214013u;
inline constexpr uint32_t kRandomIncrement = 2531011u;

// The value a draw returns for the state it leaves: 0..32767.
inline constexpr uint16_t randomDrawOf(uint32_t state) { return uint16_t((state >> 16) & 0x7FFFu); }

// The recurrence applied n times is again affine: state -> mul * state + add (mod 2^32).
struct RandomJump {
    uint32_t mul = 1;
    uint32_t add = 0;
    constexpr uint32_t operator()(uint32_t state) const { return state * mul + add; }
};

// The jump over n draws, by repeated squaring (so any n costs at most 64 steps).
constexpr RandomJump randomJump(uint64_t n) {
    RandomJump result;
    RandomJump power{kRandomMultiplier, kRandomIncrement};
    for (; n != 0; n >>= 1) {
        if (n & 1) result = RandomJump{result.mul * power.mul, result.add * power.mul + power.add};
        power = RandomJump{power.mul * power.mul, power.add * power.mul + power.add};
    }
    return result;
}

// The one state of the sequence. Read and written only through the functions below;
// it lives here so that a draw costs a multiply and an add where it is taken, which
// shapes drawn by the million notice.
namespace random_sequence_detail {
inline uint32_t state = 0;
}

// state = seed
inline void seedRandom(uint32_t seed) { random_sequence_detail::state = seed; }

// state = state * 214013 + 2531011 (mod 2^32); returns (state >> 16) & 0x7FFF, 0..32767.
inline int32_t nextRandom() {
    uint32_t& state = random_sequence_detail::state;
    state = state * kRandomMultiplier + kRandomIncrement;
    return randomDrawOf(state);
}

// The current state (tests and the configuration of reproducible runs).
inline uint32_t randomState() { return random_sequence_detail::state; }

// The seed a generator takes when it starts: the clock's whole seconds since
// 1970-01-01 UTC, low 32 bits.
uint32_t clockSeed(Interaction& ui);
