#include "random_generator.h"

#include <cstdlib>
#include <new>

namespace tolvanea {
namespace {

constexpr std::int32_t MBIG = 2147483647;
constexpr std::int32_t MSEED = 161803398;
constexpr double unitScale = 1.0 / MBIG;

// Seeds above MSEED start the state from a negative value, and the differences then
// leave 32 bits; the sequence is defined by two's-complement wrap-around.
inline std::int32_t wrappingDifference(std::int32_t a, std::int32_t b) {
    return std::int32_t(std::uint32_t(a) - std::uint32_t(b));
}

}  // namespace

RandomGenerator* createRandomGenerator(std::int32_t stateSize, std::int32_t secondStart) {
    if (stateSize < 2 || secondStart < 0 || secondStart >= stateSize) return nullptr;
    // Zeroed so that a generator drawn from before its first seed is at least deterministic.
    auto* state = static_cast<std::int32_t*>(std::calloc(std::size_t(stateSize), sizeof(std::int32_t)));
    if (!state) return nullptr;
    auto* g = new (std::nothrow) RandomGenerator{0, secondStart, state, stateSize, stateSize - 1, secondStart};
    if (!g) std::free(state);
    return g;
}

void destroyRandomGenerator(RandomGenerator* g) {
    if (!g) return;
    std::free(g->state);
    delete g;
}

void seedRandomGenerator(RandomGenerator* g, std::int32_t seed) {
    if (!g) return;
    std::int32_t* st = g->state;
    const std::int32_t last = g->last;
    // |INT32_MIN| does not fit; it is taken as the largest seed, like -2147483647.
    std::int32_t s = seed == INT32_MIN ? MBIG : std::abs(seed);
    std::int32_t mj = MSEED - s;
    st[last] = mj;
    std::int32_t mk = 1;
    for (std::int32_t i = 1; i < last; ++i) {
        auto ii = std::int32_t((21 * std::int64_t(i)) % last);
        st[ii] = mk;
        std::int32_t stored = mk;
        mk = wrappingDifference(mj, mk);
        if (mk < 0) mk += MBIG;
        mj = stored;
    }
    for (int round = 0; round < 4; ++round)
        for (std::int32_t i = 1; i < g->stateSize; ++i) {
            std::int32_t v = wrappingDifference(st[i], st[1 + (i + 30) % last]);
            if (v < 0) v += MBIG;
            st[i] = v;
        }
    g->next = 0;
    g->nextSecond = g->secondStart;
}

std::int32_t drawRandom(RandomGenerator* g) {
    if (++g->next >= g->stateSize) g->next = 1;
    if (++g->nextSecond >= g->stateSize) g->nextSecond = 1;
    std::int32_t v = wrappingDifference(g->state[g->next], g->state[g->nextSecond]);
    if (v == MBIG) v = MBIG - 1;
    if (v < 0) v += MBIG;
    g->state[g->next] = v;
    return v;
}

double randomUnit(RandomGenerator* g) { return drawRandom(g) * unitScale; }

double randomUnitWide(RandomGenerator* g) {
    std::int32_t x = drawRandom(g);
    if (drawRandom(g) % 2 == 0) x = -x;
    double d = x;
    d += 2147483646.0;
    return d / 4294967293.0;
}

std::int32_t randomInRange(RandomGenerator* g, std::int32_t min, std::int32_t max) {
    if (min > max) return min;
    std::int64_t range = std::int64_t(max) - min;
    // Ranges past 31 bits need more resolution than one draw gives.
    if (range > MBIG) return std::int32_t(std::int64_t(randomUnitWide(g) * double(range)) + min);
    return std::int32_t(min + std::int64_t(randomUnit(g) * double(range)));
}

std::int32_t randomBelow(RandomGenerator* g, std::int32_t max) {
    if (max < 0) return max;
    return std::int32_t(drawRandom(g) * unitScale * max);
}

void randomBytes(RandomGenerator* g, std::uint8_t* buffer, std::int64_t length) {
    if (!buffer) return;
    for (std::int64_t i = 0; i < length; ++i) buffer[i] = std::uint8_t(drawRandom(g));
}

}  // namespace tolvanea
