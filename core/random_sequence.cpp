#include "core/random_sequence.h"

#include "core/interaction.h"

namespace {
uint32_t g_state = 0;
}

void seedRandom(uint32_t seed) { g_state = seed; }

int32_t nextRandom() {
    g_state = g_state * kRandomMultiplier + kRandomIncrement;
    return randomDrawOf(g_state);
}

uint32_t randomState() { return g_state; }

uint32_t clockSeed(Interaction& ui) { return static_cast<uint32_t>(static_cast<uint64_t>(ui.clockSeconds())); }
