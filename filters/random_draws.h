#pragma once
#include <cstddef>
#include <cstdint>

// Draws of the program's random sequence in bulk: out[i] is what the (i+1)-th call of
// nextRandom() would return after seedRandom(state). Returns the state after the last
// draw, so seedRandom(result) continues the sequence exactly where a loop of nextRandom()
// calls would have left it. Lanes that advance eight steps at a time let the compiler
// run them side by side instead of waiting on one multiply chain.
uint32_t fillRandomDraws(uint32_t state, uint16_t* out, size_t count);
