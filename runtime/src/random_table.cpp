// RandomTable: seedable subtractive generators.
#include "entry_guard.h"
#include "random_generator.h"
#include "table_fill.h"

using namespace tolvanea;

namespace {

RandomGenerator* createRandom(int32_t stateSize, int32_t secondStart) {
    return createRandomGenerator(stateSize, secondStart);
}

RandomGenerator* createStandardRandom() { return createRandomGenerator(56, 21); }

void destroyRandom(RandomGenerator* g) { destroyRandomGenerator(g); }

void seedGenerator(RandomGenerator* g, int32_t seed) { seedRandomGenerator(g, seed); }

// The draws refuse a null generator with a neutral result rather than crash.
double nextUnit(RandomGenerator* g) { return g ? randomUnit(g) : 0.0; }

void advanceRandom(RandomGenerator* g) {
    if (g) drawRandom(g);
}

double nextUnitWide(RandomGenerator* g) { return g ? randomUnitWide(g) : 0.0; }

int32_t nextInRange(RandomGenerator* g, int32_t min, int32_t max) { return g ? randomInRange(g, min, max) : min; }

int32_t nextBelow(RandomGenerator* g, int32_t max) { return g ? randomBelow(g, max) : (max < 0 ? max : 0); }

void nextBytes(RandomGenerator* g, void* buffer, uint32_t length) {
    if (g) randomBytes(g, static_cast<uint8_t*>(buffer), length);
}

}  // namespace

void fillRandomTable(RandomTable* table) {
    table->size = sizeof(RandomTable);
    table->createRandom = guarded<createRandom>;
    table->createStandardRandom = guarded<createStandardRandom>;
    table->destroyRandom = guarded<destroyRandom>;
    table->seedGenerator = guarded<seedGenerator>;
    table->nextUnit = guarded<nextUnit>;
    table->advanceRandom = guarded<advanceRandom>;
    table->nextUnitWide = guarded<nextUnitWide>;
    table->nextInRange = guarded<nextInRange>;
    table->nextBelow = guarded<nextBelow>;
    table->nextUnit2 = guarded<nextUnit>;
    table->nextBytes = guarded<nextBytes>;
}
