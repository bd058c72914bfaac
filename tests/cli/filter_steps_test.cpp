// The command line's filter steps, run in-process on a picture of our own.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "cli/command_line.h"
#include "cli/step_table.h"
#include "filters/noise_filter.h"
#include "filters/render_connectable.h"
#include "filters/sharpen_filter.h"
#include "tests/filters/test_pictures.h"
#include "tests/support/fake_interaction.h"
#include "tests/support/picture_compare.h"

namespace {

struct StepRun {
    std::ostringstream err;
    CliInteraction ui{err, false};
    CliContext context{ui, err, ""};

    bool run(const std::string& word, std::vector<std::string> args) {
        const Step* step = stepTable().find(word);
        EXPECT_NE(step, nullptr) << word;
        if (!step) return false;
        EXPECT_EQ(int(args.size()), step->arity);
        if (step->validate) EXPECT_EQ(step->validate(args), -1) << word;
        return step->run(context, args);
    }
};

int usageOf(std::vector<std::string> args, std::string* err = nullptr) {
    std::ostringstream out, errors;
    const int code = runCommandLine(args, out, errors, false);
    if (err) *err = errors.str();
    return code;
}

TEST(FilterSteps, RunTheFiltersOnTheCurrentPicture) {
    SettingsGuard guard;
    StepRun r;
    r.context.picture = makeBusyPicture(30, 20, 9);
    PicturePtr expected = makeBusyPicture(30, 20, 9);

    ASSERT_TRUE(r.run("noise", {"300", "1", "77"}));  // 300 keeps its low 8 bits: 44
    FakeInteraction clock(0);
    noiseFilter(expected.get(), true, 44, 77, clock);
    ASSERT_EQ(firstDifference(*expected, *r.context.picture), "");

    paintSettings().connectable = 0;
    ASSERT_TRUE(r.run("sharpen", {"35"}));
    sharpenFilter(expected.get(), 35, false);
    ASSERT_EQ(firstDifference(*expected, *r.context.picture), "");

    ASSERT_TRUE(r.run("render-connectable", {}));
    renderConnectable(expected.get());
    ASSERT_EQ(firstDifference(*expected, *r.context.picture), "");
}

TEST(FilterSteps, NoiseWithSeedZeroTakesTheSeedStep) {
    SettingsGuard guard;
    StepRun r;
    r.ui.setSeed(4242);
    r.context.picture = makeBusyPicture(9, 9, 1);
    ASSERT_TRUE(r.run("noise", {"20", "0", "0"}));
    PicturePtr expected = makeBusyPicture(9, 9, 1);
    FakeInteraction clock(4242);
    noiseFilter(expected.get(), false, 20, 0, clock);
    EXPECT_EQ(firstDifference(*expected, *r.context.picture), "");
}

TEST(FilterSteps, RefusalsFollowTheWindow) {
    SettingsGuard guard;
    StepRun r;
    for (const char* word : {"sharpen", "render-connectable", "seam-report", "noise"}) {
        r.err.str("");
        std::vector<std::string> args;
        if (std::string(word) == "sharpen") args = {"10"};
        if (std::string(word) == "noise") args = {"10", "0", "1"};
        EXPECT_FALSE(r.run(word, args)) << word;
        EXPECT_NE(r.err.str().find(kNoPictureMessage), std::string::npos) << word;
    }
    // Only noise insists on 4 x 4.
    r.context.picture = makeBusyPicture(3, 3, 2);
    EXPECT_TRUE(r.run("sharpen", {"10"}));
    EXPECT_TRUE(r.run("render-connectable", {}));
    r.err.str("");
    EXPECT_FALSE(r.run("noise", {"10", "0", "1"}));
    EXPECT_NE(r.err.str().find(kMinimumSizeMessage), std::string::npos);
}

TEST(FilterSteps, BadArgumentsAreUsageErrorsBeforeAnythingRuns) {
    std::string err;
    EXPECT_EQ(usageOf({"new", "8", "8", "sharpen", "101"}, &err), kExitUsage);
    EXPECT_NE(err.find("'101'"), std::string::npos) << err;
    EXPECT_EQ(usageOf({"new", "8", "8", "sharpen", "-5"}), kExitUsage);
    EXPECT_EQ(usageOf({"new", "8", "8", "noise", "10", "2", "1"}, &err), kExitUsage);
    EXPECT_NE(err.find("MONO"), std::string::npos) << err;
    EXPECT_EQ(usageOf({"new", "8", "8", "noise", "10", "1", "x"}), kExitUsage);
    EXPECT_EQ(usageOf({"new", "8", "8", "noise", "10", "1"}), kExitUsage);
    EXPECT_EQ(usageOf({"render-connectable"}), kExitRefused);
    EXPECT_EQ(usageOf({"new", "8", "8", "sharpen", "100", "render-connectable", "noise", "5", "0", "3"}), kExitOk);
}

TEST(FilterSteps, SeamReportPrintsBothAxes) {
    StepRun r;
    r.context.picture = makePhotoLikePicture(40, 30);
    std::ostringstream captured;
    std::streambuf* old = std::cout.rdbuf(captured.rdbuf());
    const bool ok = r.run("seam-report", {});
    std::cout.rdbuf(old);
    ASSERT_TRUE(ok);
    const std::string text = captured.str();
    EXPECT_EQ(text.rfind("seam columns ", 0), 0u) << text;
    EXPECT_NE(text.find("\nseam rows "), std::string::npos) << text;
    EXPECT_NE(text.find("wrap "), std::string::npos);
}

}  // namespace
