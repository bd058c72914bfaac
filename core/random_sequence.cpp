#include "core/random_sequence.h"

#include "core/interaction.h"

uint32_t clockSeed(Interaction& ui) { return static_cast<uint32_t>(static_cast<uint64_t>(ui.clockSeconds())); }
