// Color-space conversions through ColourTable, with their truncations.
#include "runtime_host.h"

#include <gtest/gtest.h>

#include <array>

namespace {

const ColourTable& colors() { return *runtimeRoot().colorTable; }

using Bytes = std::array<int, 3>;

Bytes hsl(uint8_t r, uint8_t g, uint8_t b) {
    uint8_t h = 1, s = 1, l = 1;
    colors().rgbToHsl(r, g, b, &h, &s, &l, 1);
    return {h, s, l};
}

Bytes rgbFromHsl(uint8_t h, uint8_t s, uint8_t l) {
    uint8_t r = 1, g = 1, b = 1;
    colors().hslToRgb(h, s, l, &r, &g, &b, 1);
    return {r, g, b};
}

Bytes hsv(uint8_t r, uint8_t g, uint8_t b) {
    uint16_t h = 1, s = 1, v = 1;
    EXPECT_EQ(colors().rgbToHsv(r, g, b, &h, &s, &v, 1), 1);
    return {h, s, v};
}

Bytes rgbFromHsv(uint16_t h, uint16_t s, uint16_t v) {
    uint8_t r = 1, g = 1, b = 1;
    EXPECT_EQ(colors().hsvToRgb(h, s, v, &r, &g, &b, 1), 1);
    return {r, g, b};
}

TEST(Color, RgbToHslTruncatesAndRedWrapsToTheTopHue) {
    EXPECT_EQ(hsl(255, 0, 0), (Bytes{255, 255, 127}));
    EXPECT_EQ(hsl(255, 255, 255), (Bytes{0, 0, 254}));
    EXPECT_EQ(hsl(0, 255, 0), (Bytes{85, 255, 127}));
    EXPECT_EQ(hsl(0, 0, 255), (Bytes{170, 255, 127}));
    EXPECT_EQ(hsl(0, 0, 0), (Bytes{0, 0, 0}));
    // Red the maximum but green not the minimum: the other branch of the red rule.
    EXPECT_EQ(hsl(255, 128, 0), (Bytes{21, 255, 127}));
    EXPECT_EQ(hsl(255, 0, 128), (Bytes{233, 255, 127}));
}

TEST(Color, HslToRgbScalesBy256) {
    EXPECT_EQ(rgbFromHsl(0, 0, 255), (Bytes{254, 254, 254}));
    EXPECT_EQ(rgbFromHsl(0, 255, 128), (Bytes{254, 0, 0}));
    EXPECT_EQ(rgbFromHsl(0, 0, 0), (Bytes{0, 0, 0}));
    EXPECT_EQ(rgbFromHsl(85, 255, 128), (Bytes{2, 254, 0}));  // hue 85/256 is just short of a third
    EXPECT_EQ(rgbFromHsl(170, 255, 64), (Bytes{0, 2, 127}));
}

TEST(Color, RgbToHsvInDegreesAndPercent) {
    EXPECT_EQ(hsv(255, 128, 0), (Bytes{30, 100, 100}));
    EXPECT_EQ(hsv(0, 0, 255), (Bytes{240, 100, 100}));
    EXPECT_EQ(hsv(0, 255, 0), (Bytes{120, 100, 100}));
    EXPECT_EQ(hsv(128, 128, 128), (Bytes{0, 0, 50}));
    EXPECT_EQ(hsv(255, 0, 128), (Bytes{329, 100, 100}));
}

TEST(Color, HsvToRgbSextantsAndTheHueOf360) {
    EXPECT_EQ(rgbFromHsv(0, 100, 100), (Bytes{255, 0, 0}));
    EXPECT_EQ(rgbFromHsv(360, 100, 100), (Bytes{255, 0, 255}));
    EXPECT_EQ(rgbFromHsv(120, 100, 100), (Bytes{0, 255, 0}));
    EXPECT_EQ(rgbFromHsv(240, 50, 50), (Bytes{63, 63, 127}));
    EXPECT_EQ(rgbFromHsv(0, 0, 50), (Bytes{127, 127, 127}));
    EXPECT_EQ(rgbFromHsv(90, 100, 100), (Bytes{127, 255, 0}));
}

TEST(Color, DisabledCallsTouchNothingAndNullOutputsAreSkipped) {
    uint8_t r = 7, g = 8, b = 9;
    colors().hslToRgb(0, 255, 128, &r, &g, &b, 0);
    colors().rgbToHsl(255, 0, 0, &r, &g, &b, 0);
    EXPECT_EQ((Bytes{r, g, b}), (Bytes{7, 8, 9}));
    EXPECT_EQ(colors().hsvToRgb(0, 100, 100, &r, &g, &b, 0), 1);
    EXPECT_EQ((Bytes{r, g, b}), (Bytes{7, 8, 9}));
    uint16_t h = 3, s = 4, v = 5;
    EXPECT_EQ(colors().rgbToHsv(0, 0, 255, &h, &s, &v, 0), 1);
    EXPECT_EQ((Bytes{h, s, v}), (Bytes{3, 4, 5}));

    colors().hslToRgb(0, 255, 128, nullptr, &g, nullptr, 1);
    EXPECT_EQ(g, 0);
    colors().rgbToHsv(0, 0, 255, &h, nullptr, nullptr, 1);
    EXPECT_EQ(h, 240);
    colors().rgbToHsl(0, 255, 0, nullptr, nullptr, &b, 1);
    EXPECT_EQ(b, 127);
    colors().hsvToRgb(0, 100, 100, nullptr, nullptr, &b, 1);
    EXPECT_EQ(b, 0);
}

TEST(Color, OutOfRangePercentagesDoNotCrash) {
    uint8_t r, g, b;
    EXPECT_EQ(colors().hsvToRgb(65535, 65535, 65535, &r, &g, &b, 1), 1);
    EXPECT_EQ(colors().hsvToRgb(300, 200, 100, &r, &g, &b, 1), 1);
}

}  // namespace
