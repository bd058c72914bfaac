// The command line's filter steps, on pictures of our own read in with "load".
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "cli/command_line.h"
#include "core/picture_checks.h"
#include "filters/noise_filter.h"
#include "filters/render_connectable.h"
#include "filters/sharpen_filter.h"
#include "tests/cli/cli_test.h"
#include "tests/filters/test_pictures.h"
#include "tests/support/fake_interaction.h"
#include "tests/support/picture_compare.h"

namespace {

class FilterSteps : public CliTest {
protected:
    // Saves the picture where "load" can read it back as it is (PNG keeps every bit).
    std::string given(const Picture& picture, const std::string& name) {
        EXPECT_TRUE(savePictureFile(library_, picture, path(name)));
        return path(name);
    }
    // The picture a step left in a file, compared with what the operation makes.
    void expectSaved(const std::string& name, const Picture& expected) {
        PicturePtr got = load(name);
        ASSERT_TRUE(got) << name;
        EXPECT_EQ(firstDifference(expected, *got), "") << name;
    }
};

TEST_F(FilterSteps, RunTheFiltersOnTheCurrentPicture) {
    PicturePtr expected = makeBusyPicture(30, 20, 9);
    const std::string in = given(*expected, "in.png");
    // 300 keeps its low 8 bits: 44.
    ASSERT_EQ(run({"load", in, "noise", "300", "1", "77", "save", path("noise.png"), "connectable", "off", "sharpen",
                   "35", "save", path("sharpen.png"), "render-connectable", "save", path("render.png")}),
              kExitOk)
        << err_.str();

    FakeInteraction clock(0);
    noiseFilter(expected.get(), true, 44, 77, clock);
    expectSaved("noise.png", *expected);
    paintSettings().connectable = 0;
    sharpenFilter(expected.get(), 35, false);
    expectSaved("sharpen.png", *expected);
    renderConnectable(expected.get());
    expectSaved("render.png", *expected);
}

TEST_F(FilterSteps, NoiseWithSeedZeroTakesTheSeedStep) {
    PicturePtr expected = makeBusyPicture(9, 9, 1);
    const std::string in = given(*expected, "in.png");
    ASSERT_EQ(run({"seed", "4242", "load", in, "noise", "20", "0", "0", "save", path("out.png")}), kExitOk)
        << err_.str();
    FakeInteraction clock(4242);
    noiseFilter(expected.get(), false, 20, 0, clock);
    expectSaved("out.png", *expected);
}

TEST_F(FilterSteps, RefusalsFollowTheWindow) {
    const struct {
        std::vector<std::string> step;
    } steps[] = {{{"sharpen", "10"}}, {{"render-connectable"}}, {{"seam-report"}}, {{"noise", "10", "0", "1"}}};
    for (const auto& s : steps) {
        EXPECT_EQ(run(s.step), kExitRefused) << s.step[0];
        EXPECT_NE(err_.str().find(kNoPictureMessage), std::string::npos) << s.step[0] << ": " << err_.str();
    }
    // Only noise insists on 4 x 4.
    const std::string small = given(*makeBusyPicture(3, 3, 2), "small.png");
    EXPECT_EQ(run({"load", small, "sharpen", "10", "render-connectable"}), kExitOk) << err_.str();
    EXPECT_EQ(run({"load", small, "noise", "10", "0", "1"}), kExitRefused);
    EXPECT_NE(err_.str().find(kMinimumSizeMessage), std::string::npos) << err_.str();
}

TEST_F(FilterSteps, BadArgumentsAreUsageErrorsBeforeAnythingRuns) {
    EXPECT_EQ(run({"new", "8", "8", "sharpen", "101"}), kExitUsage);
    EXPECT_NE(err_.str().find("'101'"), std::string::npos) << err_.str();
    EXPECT_EQ(run({"new", "8", "8", "sharpen", "-5"}), kExitUsage);
    EXPECT_EQ(run({"new", "8", "8", "noise", "10", "2", "1"}), kExitUsage);
    EXPECT_NE(err_.str().find("MONO"), std::string::npos) << err_.str();
    EXPECT_EQ(run({"new", "8", "8", "noise", "10", "1", "x"}), kExitUsage);
    EXPECT_EQ(run({"new", "8", "8", "noise", "10", "1"}), kExitUsage);
    EXPECT_EQ(run({"render-connectable"}), kExitRefused);
    EXPECT_EQ(run({"new", "8", "8", "sharpen", "100", "render-connectable", "noise", "5", "0", "3"}), kExitOk);
}

TEST_F(FilterSteps, SeamReportPrintsBothAxes) {
    const std::string in = given(*makePhotoLikePicture(40, 30), "photo.png");
    std::ostringstream captured;
    std::streambuf* old = std::cout.rdbuf(captured.rdbuf());
    const int code = run({"load", in, "seam-report"});
    std::cout.rdbuf(old);
    ASSERT_EQ(code, kExitOk) << err_.str();
    const std::string text = captured.str() + out_.str();
    EXPECT_EQ(text.rfind("seam columns ", 0), 0u) << text;
    EXPECT_NE(text.find("\nseam rows "), std::string::npos) << text;
    EXPECT_NE(text.find("wrap "), std::string::npos);
}

}  // namespace
