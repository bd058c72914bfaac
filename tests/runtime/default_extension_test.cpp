// The save dialog's extension rule, tested directly: the dialog itself needs a
// user.
#include "default_extension.h"

#include <gtest/gtest.h>

namespace {

using tolvanea::applyDefaultExtension;
using tolvanea::parseFilterList;

const char kFilters[] = "JPEG\0*.jpg\0Bitmap\0bmp\0";

TEST(DefaultExtension, AppendsThePatternOfTheSelectedFilter) {
    EXPECT_EQ(applyDefaultExtension("C:\\x\\pic", "JPEG\0*.jpg\0", 1), "C:\\x\\pic.jpg");
    EXPECT_EQ(applyDefaultExtension("/x/pic", kFilters, 2), "/x/picbmp");  // no star: the whole pattern
    EXPECT_EQ(applyDefaultExtension("pic.png", kFilters, 1), "pic.png");
    EXPECT_EQ(applyDefaultExtension("/x.d/pic", kFilters, 1), "/x.d/pic.jpg");  // a dot in the folder does not count
    EXPECT_EQ(applyDefaultExtension("pic", kFilters, 0), "pic");
    EXPECT_EQ(applyDefaultExtension("pic", kFilters, 3), "pic");  // the list ends first
    EXPECT_EQ(applyDefaultExtension("pic", "", 1), "pic");
}

TEST(DefaultExtension, ParsesFilterPairs) {
    auto filters = parseFilterList(kFilters);
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[1].description, "Bitmap");
    EXPECT_EQ(filters[1].pattern, "bmp");
    EXPECT_TRUE(parseFilterList(nullptr).empty());
    EXPECT_EQ(parseFilterList("Lonely\0").size(), 0u);
}

}  // namespace
