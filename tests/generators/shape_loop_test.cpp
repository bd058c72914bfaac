#include "generators/shape_loop.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/paint_settings.h"
#include "core/random_sequence.h"
#include "generators/circle_generator.h"
#include "generators/rectangle_generator.h"
#include "tests/support/fake_interaction.h"

TEST(ShapeLoop, SizesComeFromTheRangeOrItsMagnitude) {
    seedRandom(7);
    std::set<int64_t> seen;
    for (int i = 0; i < 5000; ++i) seen.insert(drawInRange(8, 32));
    EXPECT_EQ(*seen.begin(), 8);
    EXPECT_EQ(*seen.rbegin(), 31) << "the upper bound itself never occurs";
    seen.clear();
    for (int i = 0; i < 5000; ++i) seen.insert(drawInRange(32, 8));
    EXPECT_EQ(*seen.begin(), 32);
    EXPECT_EQ(*seen.rbegin(), 55) << "a reversed range runs over its magnitude";

    // An empty range is its minimum and consumes no draw.
    seedRandom(99);
    EXPECT_EQ(drawInRange(5, 5), 5);
    EXPECT_EQ(randomState(), 99u);
    // Extreme bounds do not overflow.
    EXPECT_GE(drawInRange(INT32_MIN, INT32_MAX), INT32_MIN);
    EXPECT_LE(drawInRange(INT32_MAX, INT32_MIN), int64_t(INT32_MAX) + 32767);
}

namespace {
// One run of a generator with a fixed clock, ended by its count or by Escape answered
// Yes after `stopAfter` shapes; what it leaves behind for what runs next.
struct RunEnd {
    uint32_t state;
    uint8_t level;
    std::vector<int64_t> progressed;
};

RunEnd runShapes(int kind, int32_t count, int stopAfter) {
    PicturePtr p(createPicture(37, 29, 0));
    FakeInteraction ui(4242);
    if (stopAfter > 0) ui.escapeAtPolls = {stopAfter + 1};  // poll 1 opens the run
    if (kind == 0) drawRectangles(p.get(), RectangleParams{2, 3, 20, 15, count}, ui);
    if (kind == 1) drawCircles(p.get(), CircleParams{1, 12, count}, ui);
    return RunEnd{randomState(), paintSettings().blendLevel, ui.progressed};
}
}  // namespace

TEST(ShapeLoop, AnInterruptedRunLeavesTheSequenceAndLevelOfItsLastShape) {
    // Shapes take their draws one shape early; a run stopped after k shapes must still
    // leave the sequence and the blend level as a run of exactly k shapes does.
    const struct {
        int kind;  // 0 rectangles, 1 circles
        int stopAfter;
        uint8_t connectable;
    } cases[] = {{0, 1, 1}, {0, 4, 0}, {0, 9, 1}, {1, 1, 0}, {1, 5, 1}, {1, 8, 0}};
    for (const auto& c : cases) {
        resetPaintSettings();
        paintSettings().connectable = c.connectable;
        paintSettings().mixFromPercent = 10;
        paintSettings().mixToPercent = 95;  // a level drawn per shape
        const RunEnd stopped = runShapes(c.kind, 0, c.stopAfter);
        const RunEnd counted = runShapes(c.kind, c.stopAfter, 0);
        EXPECT_EQ(stopped.progressed.size(), size_t(c.stopAfter)) << c.kind << " " << c.stopAfter;
        EXPECT_EQ(stopped.state, counted.state) << c.kind << " " << c.stopAfter;
        EXPECT_EQ(stopped.level, counted.level) << c.kind << " " << c.stopAfter;
    }
}
