#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/command_line.h"
#include "compositing/circle_mix.h"
#include "compositing/tag_stamping.h"
#include "core/paint_settings.h"
#include "exchange/image_library.h"
#include "exchange/picture_file.h"
#include "params/parameter_blocks.h"
#include "tests/cli/cli_test.h"
#include "tests/support/fake_interaction.h"

namespace {

class CompositingSteps : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        // Two source pictures: one drawn with translucent discs, one of rectangles on white.
        ASSERT_EQ(run({"seed", "5", "new", "37", "29", "mix", "40", "100", "circles", "3", "12", "40", "save",
                       path("a.png")}),
                  kExitOk);
        ASSERT_EQ(
            run({"seed", "6", "new", "52", "44", "rectangles", "2", "2", "14", "14", "30", "save", path("b.bmp")}),
            kExitOk);
        resetState();
    }
    static PicturePtr white(int32_t w, int32_t h) { return createPicture(w, h, 0); }
};

// Each step stores its block as the dialog's OK would and runs the operation on it:
// the saved pictures are those of the operations called directly with the same
// blocks, settings and seed; unreadable files give both messages and the run goes on.
TEST_F(CompositingSteps, StepsRunTheOperationsOnTheirBlocks) {
    ASSERT_EQ(run({"seed",        "77",       "connectable",    "off",         "anti-alias", "on",          "mix",
                   "30",          "90",       "tag-file",       path("b.bmp"), "tag-file",   path("a.png"), "tag-file",
                   path("A.PNG"), "tag-file", path("gone.png"), "new",         "90",         "70",          "tags",
                   "40",          "1",        "save",           path("t.bmp")}),
              kExitOk)
        << err_.str();
    EXPECT_EQ(err_.str(), "Error openging file " + path("gone.png") + " error 2\nThe file " + path("gone.png") +
                              " has incorrect format\n");
    const std::vector<std::string> listed = {path("a.png"), path("b.bmp"), path("gone.png")};
    EXPECT_EQ(tagParams().tagFiles, listed);  // sorted, the upper-case double left out
    EXPECT_EQ(tagParams().tagCount, 40);
    EXPECT_EQ(tagParams().tagRotation, 1);

    resetState();
    paintSettings().connectable = 0;
    paintSettings().rotationAntiAlias = 1;
    paintSettings().mixFromPercent = 30;
    paintSettings().mixToPercent = 90;
    TagParams tags;
    tags.tagFiles = listed;
    tags.tagCount = 40;
    tags.tagRotation = 1;
    FakeInteraction ui;
    ui.clock = 77;
    PicturePtr want = white(90, 70);
    stampTags(want.get(), tags, 0x00FFFFFF, true, library_, ui);
    PicturePtr got = load("t.bmp");
    ASSERT_TRUE(got);
    EXPECT_EQ(0, std::memcmp(want->pixels, got->pixels, 90 * 70 * 4));

    resetState();
    ASSERT_EQ(run({"seed", "12", "blend-color", "none",       "mix-file", path("b.bmp"), "mix-file",   path("a.png"),
                   "new",  "64", "48",          "circle-mix", "60",       "100",         "4",          "9",
                   "30",   "20", "50",          "1",          "1",        "save",        path("m.bmp")}),
              kExitOk)
        << err_.str();
    resetState();
    paintSettings().blendColor = PaintSettings::kNoBlendColor;
    CircleMixParams mix;
    static_cast<StoredCircleMix&>(mix) = StoredCircleMix{60, 100, 4, 9, 30, 20, 50, 1, 1, {}};
    mix.mixFiles = {path("a.png"), path("b.bmp")};
    ui.clock = 12;
    want = white(64, 48);
    mixCircles(want.get(), mix, false, library_, ui);
    got = load("m.bmp");
    ASSERT_TRUE(got);
    EXPECT_EQ(0, std::memcmp(want->pixels, got->pixels, 64 * 48 * 4));
}

TEST_F(CompositingSteps, BadArgumentsAndEmptyLists) {
    struct Case {
        std::vector<std::string> args;
        int exit;
        const char* mentions;
    };
    for (const Case& c : std::vector<Case>{
             {{"new", "8", "8", "mix-file", "x", "circle-mix", "80", "80", "4", "9", "1", "-1", "50", "0", "0"},
              kExitUsage,
              "Opaque radius percent should have value between 0..100"},
             {{"new", "8", "8", "mix-file", "x", "circle-mix", "80", "80", "4", "9", "1", "60", "50", "0", "0"},
              kExitUsage,
              "Opaque radius percent minimum should be above value opaque radius maximum"},
             {{"new", "8", "8", "mix-file", "x", "circle-mix", "80", "80", "4", "9", "1", "0", "50", "2", "0"},
              kExitUsage,
              "bad ROTATION '2'"},
             {{"new", "8", "8", "tags", "5", "yes"}, kExitUsage, "bad ROTATION 'yes'"},
             {{"anti-alias", "maybe"}, kExitUsage, "'maybe'"},
             {{"new", "8", "8", "tags", "5", "0"}, kExitRefused, "add files with 'tag-file FILE'"},
             {{"new", "8", "8", "circle-mix", "80", "80", "4", "9", "1", "0", "0", "0", "0"},
              kExitRefused,
              "add files with 'mix-file FILE'"},
             {{"tag-file", "x", "tags", "5", "0"}, kExitRefused, "The picture is not initialized"}}) {
        resetState();
        EXPECT_EQ(run(c.args), c.exit) << c.mentions;
        EXPECT_NE(err_.str().find(c.mentions), std::string::npos) << err_.str();
    }
    // Hostile tag files: a directory, a file that is not a picture, a truncated
    // picture, and a bitmap that announces 60000 x 60000 pixels and holds a few
    // bytes. Each gives both messages; the run goes on and draws nothing.
    std::filesystem::create_directory(path("folder"));
    { std::ofstream(path("junk.png")) << "not a picture"; }
    std::vector<char> png(std::filesystem::file_size(path("a.png")));
    std::ifstream(path("a.png"), std::ios::binary).read(png.data(), std::streamsize(png.size()));
    std::ofstream(path("cut.png"), std::ios::binary).write(png.data(), std::streamsize(png.size() / 2));
    {
        std::ofstream bomb(path("bomb.bmp"), std::ios::binary);
        auto u32 = [&](uint32_t v) {
            for (int i = 0; i < 4; ++i) bomb.put(char(v >> (8 * i)));
        };
        bomb << "BM";
        for (uint32_t v : {70u, 0u, 54u, 40u, 60000u, 60000u}) u32(v);
        for (char c : {1, 0, 24, 0}) bomb.put(c);
        for (int i = 0; i < 24; ++i) bomb.put(0);
        bomb << "tiny";
    }
    ASSERT_EQ(run({"tag-file", path("folder"), "tag-file", path("junk.png"), "tag-file", path("cut.png"), "tag-file",
                   path("bomb.bmp"), "new", "20", "20", "tags", "30", "1", "save", path("n.bmp")}),
              kExitOk);
    EXPECT_NE(err_.str().find("Error openging file " + path("folder") + " error 21"), std::string::npos) << err_.str();
    for (const char* name : {"folder", "junk.png", "cut.png", "bomb.bmp"})
        EXPECT_NE(err_.str().find("The file " + path(name) + " has incorrect format"), std::string::npos) << name;
    PicturePtr untouched = load("n.bmp");
    ASSERT_TRUE(untouched);
    for (int32_t i = 0; i < 20 * 20 * 4; ++i) ASSERT_EQ(untouched->pixels[i], 255);
}

}  // namespace
