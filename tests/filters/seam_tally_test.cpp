#include "filters/seam_tally.h"

#include <gtest/gtest.h>

#include "core/random_sequence.h"
#include "tests/filters/test_pictures.h"

namespace {

void expectSameMeasure(const SeamMeasure& a, const SeamMeasure& b) {
    EXPECT_EQ(a.columns.wrap, b.columns.wrap);
    EXPECT_EQ(a.columns.inside, b.columns.inside);
    EXPECT_EQ(a.columns.ratio, b.columns.ratio);
    EXPECT_EQ(a.rows.wrap, b.rows.wrap);
    EXPECT_EQ(a.rows.inside, b.rows.inside);
    EXPECT_EQ(a.rows.ratio, b.rows.ratio);
}

TEST(SeamTally, WholePictureEqualsTheSeamMeasure) {
    for (auto [w, h] : {std::pair{97, 61}, {1, 5}, {6, 1}, {2, 2}}) {
        PicturePtr p = makeBusyPicture(w, h, 21);
        inBothWidths([&](bool) { expectSameMeasure(seamMeasureOf(seamTally(*p)), seamMeasure(*p)); });
    }
}

// Rectangles changed anywhere, folded or clipped, some larger than the picture: the
// tally kept up to date region by region always equals a fresh measure.
TEST(SeamTally, StaysExactThroughChangedRegions) {
    for (bool wrap : {true, false}) {
        PicturePtr p = makeBusyPicture(53, 37, 2);
        SeamTally tally = seamTally(*p);
        seedRandom(wrap ? 5 : 6);
        for (int n = 0; n < 60; ++n) {
            const int64_t x = int64_t(nextRandom() % 200) - 80, y = int64_t(nextRandom() % 150) - 60;
            const int64_t w = nextRandom() % (n % 10 == 0 ? 90 : 20), h = nextRandom() % 25;
            const SeamRegion region = seamRegion(*p, x, y, w, h, wrap);
            const SeamInsideSums before = seamInsideSums(*p, region);
            for (int64_t yy = y; yy < y + h; ++yy) {
                for (int64_t xx = x; xx < x + w; ++xx) {
                    int32_t mx = int32_t(xx), my = int32_t(yy);
                    if (wrap) mapConnectable(p->width, p->height, mx, my, &mx, &my);
                    storePixel(p.get(), mx, my, uint8_t(nextRandom()), uint8_t(xx), uint8_t(n * 9));
                }
            }
            updateSeamTally(tally, *p, region, before);
            SCOPED_TRACE(n);
            expectSameMeasure(seamMeasureOf(tally), seamMeasure(*p));
        }
    }
}

}  // namespace
