#pragma once
// Seedable subtractive pseudo-random generator (Knuth's kind, seed constant 161803398).
// The same seed always gives the same sequence on every build.
#include <cstddef>
#include <cstdint>

// Completes the library's opaque generator record.
struct RandomGenerator {
    std::int32_t next;        // first index into state, 0 after seeding
    std::int32_t nextSecond;  // second index, secondStart after seeding
    std::int32_t* state;      // stateSize entries; entry 0 is never used
    std::int32_t stateSize;
    std::int32_t last;  // stateSize - 1
    std::int32_t secondStart;
};

namespace tolvanea {

// A generator with a zeroed state, or null when stateSize is below 2, secondStart lies
// outside 0..stateSize-1 (the draw step would index outside the state) or memory is short.
RandomGenerator* createRandomGenerator(std::int32_t stateSize, std::int32_t secondStart);
void destroyRandomGenerator(RandomGenerator* g);

void seedRandomGenerator(RandomGenerator* g, std::int32_t seed);

// One raw draw, 0 <= v < 2147483647.
std::int32_t drawRandom(RandomGenerator* g);

double randomUnit(RandomGenerator* g);
double randomUnitWide(RandomGenerator* g);
std::int32_t randomInRange(RandomGenerator* g, std::int32_t min, std::int32_t max);
std::int32_t randomBelow(RandomGenerator* g, std::int32_t max);
void randomBytes(RandomGenerator* g, std::uint8_t* buffer, std::int64_t length);

}  // namespace tolvanea
