#include "filters/noise_filter.h"

#include <gtest/gtest.h>

#include "core/random_sequence.h"
#include "filters/random_draws.h"
#include "tests/filters/test_pictures.h"
#include "tests/support/fake_interaction.h"
#include "tests/support/picture_compare.h"

namespace {

// The filter as defined, one pixel and one draw at a time.
bool noiseOracle(Picture* picture, bool monochrome, uint8_t noisePercent, int32_t seed, uint32_t clock) {
    const double amp = double(noisePercent) / 100.0 * 255.0;
    if (amp <= 2.0) return false;
    const int32_t a = int32_t(amp);
    seedRandom(seed != 0 ? uint32_t(seed) : clock);
    auto offset = [a] {
        int32_t d = nextRandom() % a;
        const int32_t s = nextRandom();
        if ((s & 0x1FFF) < 0x1000) d = -d;
        return d;
    };
    auto clamp = [](int32_t v) { return uint8_t(v < 0 ? 0 : v > 255 ? 255 : v); };
    for (int32_t y = 0; y < picture->height; ++y) {
        for (int32_t x = 0; x < picture->width; ++x) {
            int32_t mx = 0, my = 0;
            mapPoint(picture, x, y, &mx, &my);
            uint8_t r = 0, g = 0, b = 0;
            getPixel(picture, mx, my, &r, &g, &b);
            int32_t dr, dg, db;
            if (monochrome) {
                dr = dg = db = offset();
            } else {
                dr = offset();
                dg = offset();
                db = offset();
            }
            storePixel(picture, x, y, clamp(r + dr), clamp(g + dg), clamp(b + db));
        }
    }
    return true;
}

TEST(RandomDraws, BulkDrawsContinueTheSequenceExactly) {
    inBothWidths([](bool wide) {
        for (size_t count : {size_t(0), size_t(1), size_t(7), size_t(8), size_t(9), size_t(31), size_t(4099)}) {
            std::vector<uint16_t> bulk(count);
            const uint32_t end = fillRandomDraws(0xDEADBEEFu, bulk.data(), count);
            seedRandom(0xDEADBEEFu);
            for (size_t i = 0; i < count; ++i) ASSERT_EQ(bulk[i], nextRandom()) << "draw " << i << " of " << count;
            EXPECT_EQ(end, randomState()) << count << (wide ? " wide" : "");
        }
    });
}

TEST(NoiseOffsets, ExactForEveryDrawAndEveryAmplitudeAPercentageCanGive) {
    // Every magnitude draw, each paired once with a sign draw that has bit 12 set and
    // once with one that has it clear (0x1FFF vs 0x2FFF: only the low 13 bits count).
    std::vector<uint16_t> draws(2 * 2 * 32768);
    for (uint32_t n = 0; n < 32768; ++n) {
        draws[4 * n] = uint16_t(n);
        draws[4 * n + 1] = 0x1FFF;
        draws[4 * n + 2] = uint16_t(n);
        draws[4 * n + 3] = 0x2FFF;
    }
    std::vector<int16_t> offsets(2 * 32768);
    inBothWidths([&](bool wide) {
        for (int32_t a = 2; a <= 650; ++a) {
            noiseOffsets(draws.data(), offsets.data(), 2 * 32768, a);
            for (int32_t n = 0; n < 32768; ++n) {
                if (offsets[size_t(2 * n)] != n % a || offsets[size_t(2 * n + 1)] != -(n % a))
                    FAIL() << n << " mod " << a << " gave " << offsets[size_t(2 * n)] << " and "
                           << offsets[size_t(2 * n + 1)] << (wide ? " wide" : "");
            }
        }
    });
}

TEST(NoiseFilter, MatchesThePixelByPixelDefinition) {
    SettingsGuard guard;
    FakeInteraction clock(1234567);
    struct Case {
        int32_t w, h;
        bool mono;
        uint8_t percent;
        int32_t seed;
        bool connectable;
    };
    const Case cases[] = {
        {17, 9, false, 10, 42, true},
        {17, 9, true, 10, 42, true},
        {5, 31, false, 100, -7, false},
        {5, 31, true, 255, 99, false},
        {64, 3, false, 1, 5, true},
        {1, 1, true, 50, 1, true},
        {23, 13, false, 33, 0, true},
        {4, 4, true, 2, 0, true},
        {40, 40, false, 200, 777, true},
        // More pixels than the filter takes in one go.
        {70, 65, false, 30, 11, true},
        {129, 64, true, 30, 12, false},
    };
    inBothWidths([&](bool wide) {
        for (const Case& c : cases) {
            paintSettings().connectable = c.connectable ? 1 : 0;
            PicturePtr expected = makeBusyPicture(c.w, c.h, 3);
            PicturePtr actual = makeBusyPicture(c.w, c.h, 3);
            ASSERT_TRUE(noiseOracle(expected.get(), c.mono, c.percent, c.seed, 1234567));
            const uint32_t stateAfter = randomState();
            seedRandom(1);
            ASSERT_TRUE(noiseFilter(actual.get(), c.mono, c.percent, c.seed, clock));
            EXPECT_EQ(firstDifference(*expected, *actual), "")
                << c.w << "x" << c.h << " mono " << c.mono << " " << int(c.percent) << "% seed " << c.seed
                << (wide ? " wide" : "");
            EXPECT_EQ(randomState(), stateAfter) << "the sequence must be left where the last draw left it";
        }
    });
}

TEST(NoiseFilter, SeededResultsArePinned) {
    SettingsGuard guard;
    FakeInteraction clock(0);
    PicturePtr color = makeBusyPicture(61, 37, 11);
    ASSERT_TRUE(noiseFilter(color.get(), false, 25, 20190218, clock));
    EXPECT_EQ(pixelCrc32(*color), 142533309u);
    PicturePtr mono = makeBusyPicture(61, 37, 11);
    ASSERT_TRUE(noiseFilter(mono.get(), true, 25, 20190218, clock));
    EXPECT_EQ(pixelCrc32(*mono), 3843175062u);
}

TEST(NoiseFilter, SmallestAmplitudeMovesEachChannelByAtMostOne) {
    FakeInteraction clock(0);
    PicturePtr before = makeBusyPicture(32, 16, 5);
    PicturePtr after = makeBusyPicture(32, 16, 5);
    ASSERT_TRUE(noiseFilter(after.get(), false, 1, 9, clock));
    int changed = 0;
    for (size_t i = 0; i < size_t(32 * 16 * 4); ++i) {
        const int d = int(after->pixels[i]) - int(before->pixels[i]);
        ASSERT_LE(std::abs(d), 1);
        changed += d != 0;
    }
    EXPECT_GT(changed, 100);
}

TEST(NoiseFilter, MonochromeNoiseKeepsGreyGreyAndClampsAtBothEnds) {
    FakeInteraction clock(0);
    PicturePtr black(createPicture(20, 20, 0));
    for (int32_t i = 0; i < 20 * 20; ++i) std::fill_n(black->pixels + i * 4, 3, 0);
    ASSERT_TRUE(noiseFilter(black.get(), true, 60, 3, clock));
    PicturePtr white(createPicture(20, 20, 0));
    ASSERT_TRUE(noiseFilter(white.get(), false, 60, 3, clock));
    bool someGrey = false, someDarker = false;
    for (int32_t i = 0; i < 20 * 20; ++i) {
        const uint8_t* k = black->pixels + i * 4;
        ASSERT_EQ(k[0], k[1]);
        ASSERT_EQ(k[1], k[2]);
        ASSERT_EQ(k[3], 255);
        someGrey |= k[0] > 0;
        const uint8_t* w = white->pixels + i * 4;
        someDarker |= w[0] < 255 || w[1] < 255 || w[2] < 255;
    }
    EXPECT_TRUE(someGrey);
    EXPECT_TRUE(someDarker);
}

TEST(NoiseFilter, ZeroPercentDrawsNothingAndSeedZeroTakesTheClock) {
    FakeInteraction clock(1700000000);
    PicturePtr p = makeBusyPicture(8, 8, 1);
    const uint32_t crc = pixelCrc32(*p);
    seedRandom(77);
    EXPECT_FALSE(noiseFilter(p.get(), false, 0, 5, clock));
    EXPECT_EQ(pixelCrc32(*p), crc);
    EXPECT_EQ(randomState(), 77u);

    PicturePtr byClock = makeBusyPicture(8, 8, 1);
    PicturePtr bySeed = makeBusyPicture(8, 8, 1);
    ASSERT_TRUE(noiseFilter(byClock.get(), false, 40, 0, clock));
    ASSERT_TRUE(noiseFilter(bySeed.get(), false, 40, 1700000000, clock));
    EXPECT_EQ(firstDifference(*bySeed, *byClock), "");
    FakeInteraction later(1700000001);
    PicturePtr nextSecond = makeBusyPicture(8, 8, 1);
    ASSERT_TRUE(noiseFilter(nextSecond.get(), false, 40, 0, later));
    EXPECT_NE(firstDifference(*byClock, *nextSecond), "");
}

}  // namespace
