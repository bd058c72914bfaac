// vospren-cli's make-seamless step: its words, its refusals and its result.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_line.h"
#include "cli/step_table.h"
#include "filters/make_seamless.h"
#include "tests/filters/test_pictures.h"
#include "tests/support/fake_interaction.h"
#include "tests/support/picture_compare.h"

namespace {

int exitOf(const std::vector<std::string>& args, std::string* err = nullptr) {
    std::ostringstream out, errors;
    const int code = runCommandLine(args, out, errors, false);
    if (err) *err = errors.str();
    return code;
}

TEST(MakeSeamlessStep, UnknownWordsAreUsageErrorsAndEveryGoodPairRuns) {
    struct Case {
        const char* method;
        const char* axes;
        int exit;
    };
    const Case cases[] = {{"periodic", "both", kExitOk},    {"blend", "x", kExitOk},     {"periodic", "y", kExitOk},
                          {"Periodic", "both", kExitUsage}, {"blend", "xy", kExitUsage}, {"smooth", "x", kExitUsage},
                          {"blend", "", kExitUsage}};
    for (const Case& c : cases) {
        std::string err;
        EXPECT_EQ(exitOf({"new", "9", "7", "noise", "50", "0", "4", "make-seamless", c.method, c.axes}, &err), c.exit)
            << c.method << " " << c.axes << ": " << err;
    }
    EXPECT_EQ(exitOf({"new", "9", "7", "make-seamless", "blend"}), kExitUsage);
    // Without a picture: refused.
    EXPECT_EQ(exitOf({"make-seamless", "blend", "both"}), kExitRefused);
}

TEST(MakeSeamlessStep, RefusesSmallPicturesAndGivesTheFiltersResult) {
    std::ostringstream err;
    CliInteraction ui{err, false};
    CliContext context{ui, err, ""};
    const Step* step = stepTable().find("make-seamless");
    ASSERT_NE(step, nullptr);

    context.picture = makeBusyPicture(3, 9, 1);
    EXPECT_FALSE(step->run(context, {"periodic", "both"}));
    EXPECT_NE(err.str().find(kMinimumSizeMessage), std::string::npos);

    context.picture = makePhotoLikePicture(23, 17);
    PicturePtr expected = copyPicture(context.picture.get());
    FakeInteraction quiet;
    makeSeamless(expected.get(), {SeamlessMethod::Blend, SeamlessAxes::Vertical}, quiet);
    EXPECT_TRUE(step->run(context, {"blend", "y"}));
    EXPECT_EQ(firstDifference(*expected, *context.picture), "");
}

}  // namespace
