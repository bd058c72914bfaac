#include "filters/seam_measure.h"

#include <gtest/gtest.h>

#include <cmath>

#include "filters/render_connectable.h"
#include "tests/filters/test_pictures.h"

namespace {

TEST(SeamMeasure, PhotoLikePictureHasASeamUntilRenderedConnectable) {
    SettingsGuard guard;
    PicturePtr p = makePhotoLikePicture(160, 120);
    const SeamMeasure before = seamMeasure(*p);
    EXPECT_GT(before.columns.ratio, 20.0);
    EXPECT_GT(before.rows.ratio, 20.0);

    ASSERT_TRUE(renderConnectable(p.get()));
    // The weights change fastest near the edges, so the lines around the seam differ a
    // little more than the picture's average: the seam stays within a factor of two.
    const SeamMeasure after = seamMeasure(*p);
    EXPECT_GT(after.columns.ratio, 0.5);
    EXPECT_LT(after.columns.ratio, 2.0);
    EXPECT_GT(after.rows.ratio, 0.5);
    EXPECT_LT(after.rows.ratio, 2.0);
}

TEST(SeamMeasure, BothWidthsAgreeOnABusyPicture) {
    PicturePtr p = makeBusyPicture(97, 61, 12);
    SeamMeasure m[2];
    inBothWidths([&](bool wide) { m[wide] = seamMeasure(*p); });
    EXPECT_EQ(m[0].columns.wrap, m[1].columns.wrap);
    EXPECT_EQ(m[0].columns.inside, m[1].columns.inside);
    EXPECT_EQ(m[0].rows.wrap, m[1].rows.wrap);
    EXPECT_EQ(m[0].rows.inside, m[1].rows.inside);
    EXPECT_GT(m[0].rows.inside, 0.0);
}

TEST(SeamMeasure, DefinitionOnASmallPicture) {
    // Red 10, 20, 40 across, the same in every row; green and blue flat.
    PicturePtr p(createPicture(3, 2, 0));
    for (int32_t y = 0; y < 2; ++y) {
        storePixel(p.get(), 0, y, 10, 0, 0);
        storePixel(p.get(), 1, y, 20, 0, 0);
        storePixel(p.get(), 2, y, 40, 0, 0);
    }
    const SeamMeasure m = seamMeasure(*p);
    EXPECT_DOUBLE_EQ(m.columns.wrap, 30.0 / 3);
    EXPECT_DOUBLE_EQ(m.columns.inside, (10.0 + 20.0) / 6);
    EXPECT_DOUBLE_EQ(m.columns.ratio, 2.0);
    // Rows are identical: no difference anywhere, so the seam is like any other line.
    EXPECT_DOUBLE_EQ(m.rows.ratio, 1.0);

    storePixel(p.get(), 1, 1, 20, 9, 0);
    const SeamMeasure bumped = seamMeasure(*p);
    EXPECT_DOUBLE_EQ(bumped.rows.wrap, 9.0 / 9);
    EXPECT_DOUBLE_EQ(bumped.rows.inside, 9.0 / 9);

    // A single column is its own neighbour across the wrap.
    PicturePtr narrow(createPicture(1, 5, 0));
    storePixel(narrow.get(), 0, 2, 0, 0, 0);
    EXPECT_DOUBLE_EQ(seamMeasure(*narrow).columns.ratio, 1.0);
    // Top and bottom rows are both white: no step across the wrap, two inside.
    EXPECT_DOUBLE_EQ(seamMeasure(*narrow).rows.ratio, 0.0);
}

}  // namespace
