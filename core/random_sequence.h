#pragma once
#include <cstdint>

class Interaction;

// The one pseudo-random sequence every random operation draws from. Its exact
// recurrence fixes every generated picture for a given seed, so the platform's
// own generator must never stand in for it.

// state = seed
void seedRandom(uint32_t seed);

// state = state * 214013 + 2531011 (mod 2^32); returns (state >> 16) & 0x7FFF, 0..32767.
int32_t nextRandom();

// The current state (tests and the configuration of reproducible runs).
uint32_t randomState();

// The seed a generator takes when it starts: the clock's whole seconds since
// 1970-01-01 UTC, low 32 bits.
uint32_t clockSeed(Interaction& ui);
