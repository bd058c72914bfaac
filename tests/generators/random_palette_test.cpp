#include "generators/random_palette.h"

#include <gtest/gtest.h>

#include <set>

#include "core/random_sequence.h"

namespace {

Palette withColors(std::initializer_list<ShapeColor> colors) {
    Palette p;
    for (ShapeColor c : colors) addPaletteColor(p, c);
    return p;
}

// The triples the sequence gives from a seed, one draw per channel.
std::vector<ShapeColor> triples(uint32_t seed, int n) {
    seedRandom(seed);
    std::vector<ShapeColor> out;
    for (int i = 0; i < n; ++i) {
        ShapeColor c;
        c.red = uint8_t(nextRandom() & 0xFF);
        c.green = uint8_t(nextRandom() & 0xFF);
        c.blue = uint8_t(nextRandom() & 0xFF);
        out.push_back(c);
    }
    return out;
}

TEST(PaletteEntries, RemovingMovesTheRestDownAndRefusesWhatIsNotThere) {
    const ShapeColor a{1, 0, 0}, b{2, 0, 0}, c{3, 0, 0};
    const struct {
        int32_t k;
        bool removed;
        std::vector<ShapeColor> left;
    } cases[] = {
        {0, true, {b, c}},      {1, true, {a, c}},       {2, true, {a, b}},       {3, false, {a, b, c}},
        {-1, false, {a, b, c}}, {255, false, {a, b, c}}, {256, false, {a, b, c}},
    };
    for (const auto& t : cases) {
        Palette p = withColors({a, b, c});
        EXPECT_EQ(removePaletteEntry(p, t.k), t.removed) << t.k;
        ASSERT_EQ(p.count, int32_t(t.left.size())) << t.k;
        for (size_t i = 0; i < t.left.size(); ++i) EXPECT_EQ(p.colors[i], t.left[i]) << t.k;
        EXPECT_TRUE(paletteHolds(p, t.left.back()));
        EXPECT_FALSE(paletteHolds(p, ShapeColor{9, 9, 9}));
    }
    // Only entries count: a color past the last one is not held.
    Palette p = withColors({a});
    p.colors[1] = b;
    EXPECT_FALSE(paletteHolds(p, b));
}

TEST(RandomPalette, AppendsDistinctColorsInTheOrderOfTheSequence) {
    const std::vector<ShapeColor> drawn = triples(77, 4);
    // A color already present is drawn again: the first triple is skipped here.
    Palette p = withColors({drawn[0], ShapeColor{5, 5, 5}});
    EXPECT_TRUE(addRandomPaletteColors(p, 3, 77));
    ASSERT_EQ(p.count, 5);
    EXPECT_EQ(p.colors[2], drawn[1]);
    EXPECT_EQ(p.colors[3], drawn[2]);
    EXPECT_EQ(p.colors[4], drawn[3]);

    // Nothing is added for 0 or less, but the sequence is seeded all the same.
    for (int32_t n : {0, -4}) {
        Palette q = withColors({drawn[0]});
        seedRandom(1);
        EXPECT_TRUE(addRandomPaletteColors(q, n, 77));
        EXPECT_EQ(q.count, 1);
        EXPECT_EQ(randomState(), 77u);
    }
}

TEST(RandomPalette, StopsWhenThePaletteIsFull) {
    Palette p;
    EXPECT_FALSE(addRandomPaletteColors(p, 300, 1234));
    EXPECT_EQ(p.count, 256);
    std::set<uint32_t> distinct;
    for (int32_t i = 0; i < p.count; ++i) distinct.insert(packShapeColor(p.colors[i]));
    EXPECT_EQ(distinct.size(), 256u);
    EXPECT_FALSE(addRandomPaletteColors(p, 1, 99)) << "a full palette takes nothing";
    EXPECT_EQ(p.count, 256);
}

}  // namespace
