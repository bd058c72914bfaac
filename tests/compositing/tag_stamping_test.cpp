#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "compositing/stamp_block.h"
#include "compositing/tag_set.h"
#include "compositing/tag_stamping.h"
#include "core/random_sequence.h"
#include "tests/compositing/fake_tag_library.h"
#include "tests/compositing/stamp_oracle.h"
#include "tests/support/fake_interaction.h"

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kNoKey = 0xFFFFFFFF;

PicturePtr stripedPicture(int32_t w, int32_t h) {
    PicturePtr p = createPicture(w, h, 0);
    for (int32_t i = 0; i < w * h; ++i) {
        p->pixels[i * 4 + 0] = uint8_t(i * 7);
        p->pixels[i * 4 + 1] = uint8_t(i * 13);
        p->pixels[i * 4 + 2] = uint8_t(255 - i);
    }
    return p;
}

class TagStamping : public testing::Test {
protected:
    void SetUp() override {
        resetPaintSettings();
        FakeTagLibrary::files().clear();
        FakeTagLibrary::outstanding() = 0;
    }
    void TearDown() override {
        EXPECT_EQ(FakeTagLibrary::outstanding(), 0) << "every library buffer goes back to the library";
        resetPaintSettings();
    }
    ImageLibrary lib = FakeTagLibrary::library();
    FakeInteraction ui{4242};
};

// The block stamp against its definition: both connectable modes, with and without
// key color, plain and blended levels, blocks over every edge and blocks larger
// than the picture that wrap onto themselves.
TEST_F(TagStamping, BlockStampMatchesItsDefinition) {
    const FakeTagFile tag = framedTag(9, 7, 3, true);
    const FakeTagFile big = framedTag(23, 19, 5, true);
    const FakeTagFile opaque = framedTag(8, 6, 6);
    struct Case {
        const FakeTagFile* block;
        int32_t x, y;
    };
    const Case places[] = {{&tag, 2, 3},   {&tag, -10, 0}, {&tag, -4, -3},   {&tag, 14, 12},
                           {&big, -5, -6}, {&big, 3, 1},   {&opaque, 12, -2}};
    for (uint8_t connectable : {0, 1})
        for (uint32_t key : {kWhite, kNoKey})
            for (uint8_t level : {255, 128}) {
                for (const Case& c : places) {
                    SCOPED_TRACE(testing::Message()
                                 << int(connectable) << " " << key << " " << int(level) << " at " << c.x << "," << c.y);
                    paintSettings().connectable = connectable;
                    paintSettings().blendLevel = level;
                    PicturePtr want = stripedPicture(17, 15), got = stripedPicture(17, 15);
                    oracle::stampBlock(want.get(), c.x, c.y, c.block->cells.data(), c.block->width, c.block->height,
                                       key);
                    stampBlock(got.get(), c.x, c.y, c.block->cells.data(), c.block->width, c.block->height, key);
                    ASSERT_EQ(0, std::memcmp(want->pixels, got->pixels, 17 * 15 * 4));
                }
            }
}

// Whole runs against the definition: positions, tags, blend levels and angles come
// from the draws in their order, over both modes, rotated and not, both rotations.
TEST_F(TagStamping, RunsMatchTheDefinitionDrawForDraw) {
    FakeTagLibrary::files()["/t/a.png"] = framedTag(7, 5, 1);
    FakeTagLibrary::files()["/t/b.png"] = framedTag(4, 9, 2, true);
    FakeTagLibrary::files()["/t/missing.png"].fails = true;
    TagParams params;
    params.tagFiles = {"/t/a.png", "/t/b.png", "/t/missing.png"};
    params.tagCount = 60;
    for (uint8_t connectable : {1, 0})
        for (uint8_t rotation : {0, 1})
            for (bool antiAlias : {false, true})
                for (uint32_t key : {kWhite, kNoKey}) {
                    SCOPED_TRACE(testing::Message() << int(connectable) << int(rotation) << antiAlias << " " << key);
                    paintSettings().connectable = connectable;
                    paintSettings().mixFromPercent = 30;
                    paintSettings().mixToPercent = 90;
                    params.tagRotation = rotation;
                    // What the loader should make of the two readable files.
                    std::vector<std::optional<oracle::Tag>> tags;
                    for (const char* path : {"/t/a.png", "/t/b.png"}) {
                        const FakeTagFile& f = FakeTagLibrary::files()[path];
                        oracle::Tag t{f.width, f.height, f.cells};
                        if (!f.hasAlpha && key != kNoKey)
                            for (size_t i = 0; i < t.cells.size(); i += 4)
                                if (t.cells[i] == 255 && t.cells[i + 1] == 255 && t.cells[i + 2] == 255)
                                    t.cells[i + 3] = 0;
                        tags.push_back(t);
                    }
                    tags.push_back(std::nullopt);

                    PicturePtr want = stripedPicture(31, 23), got = stripedPicture(31, 23);
                    oracle::stampTags(want.get(), tags, params.tagCount, rotation, antiAlias, key, uint32_t(ui.clock));
                    const uint32_t stateAfter = randomState();
                    ui.messages.clear();
                    stampTags(got.get(), params, key, antiAlias, lib, ui);
                    ASSERT_EQ(0, std::memcmp(want->pixels, got->pixels, 31 * 23 * 4));
                    EXPECT_EQ(randomState(), stateAfter);
                    // The unreadable file is reported twice, the run goes on.
                    ASSERT_EQ(ui.messages.size(), 2u);
                    EXPECT_EQ(ui.captionedMessages()[0], "accessfile: Error openging file /t/missing.png error 2");
                    EXPECT_EQ(ui.captionedMessages()[1],
                              "KorvintePicture: The file /t/missing.png has incorrect format");
                }
}

// The loader: key color only for files without opacity of their own, and every
// hostile answer of the library refused with a message before a single read.
TEST_F(TagStamping, LoaderKeyColorAndHostileAnswers) {
    FakeTagLibrary::files()["plain"] = framedTag(3, 3, 9);
    FakeTagLibrary::files()["alpha"] = framedTag(3, 3, 9, true);
    const auto plain = loadTagImage(lib, "plain", kWhite, ui);
    const auto alpha = loadTagImage(lib, "alpha", kWhite, ui);
    const auto kept = loadTagImage(lib, "plain", kNoKey, ui);
    ASSERT_TRUE(plain && alpha && kept);
    EXPECT_EQ(plain->pixels[3], 0);            // white frame made transparent
    EXPECT_EQ(plain->pixels[4 * 4 + 3], 255);  // the centre stays
    EXPECT_EQ(alpha->pixels[3], 0);            // its own opacity (0 at the corner) ...
    EXPECT_EQ(alpha->pixels[1 * 4 + 3], 37);   // ... kept as the file has it
    EXPECT_EQ(kept->pixels[3], 255);
    EXPECT_TRUE(ui.messages.empty());

    FakeTagFile huge;  // announces 2^20 x 2^20 cells, delivers 4 bytes
    huge.width = huge.height = 1 << 20;
    huge.cells.assign(4, 1);
    FakeTagLibrary::files()["huge"] = huge;
    FakeTagFile lying = huge;  // negative size
    lying.width = -3;
    FakeTagLibrary::files()["negative"] = lying;
    FakeTagFile empty;
    empty.width = empty.height = 2;
    empty.nullBuffer = true;
    FakeTagLibrary::files()["empty"] = empty;
    FakeTagLibrary::files()["gone"].fails = true;
    FakeTagLibrary::files()["gone"].error = ENOENT;
    for (const char* path : {"huge", "negative", "empty", "gone", "/"})
        EXPECT_FALSE(loadTagImage(lib, path, kWhite, ui)) << path;
    const std::vector<std::string> want = {
        "accessfile: Error openging file huge error 27", "accessfile: Error openging file negative error 22",
        "accessfile: Error openging file empty error 22", "accessfile: Error openging file gone error 2",
        "accessfile: Error openging file / error 21"};
    EXPECT_EQ(ui.captionedMessages(), want);

    ImageLibrary unbound;
    EXPECT_FALSE(loadTagImage(unbound, "plain", kWhite, ui));
}

// Counts, interruption and progress: a count of 0 runs until Escape is answered
// Yes; a set with no readable file still makes its attempts and changes nothing.
TEST_F(TagStamping, CountsInterruptionAndUnreadableSets) {
    FakeTagLibrary::files()["/a"] = framedTag(5, 5, 4);
    TagParams params;
    params.tagFiles = {"/a"};
    params.tagCount = 0;
    ui.escapeAtPolls = {40};  // the first poll is the start's
    PicturePtr p = stripedPicture(20, 20);
    stampTags(p.get(), params, kWhite, false, lib, ui);
    EXPECT_EQ(ui.progressed.size(), 39u);

    params.tagFiles = {"/nothing"};
    params.tagCount = 25;
    ui.progressed.clear();
    ui.escapeAtPolls.clear();
    PicturePtr before = stripedPicture(20, 20), after = stripedPicture(20, 20);
    stampTags(after.get(), params, kWhite, true, lib, ui);
    EXPECT_EQ(ui.progressed.size(), 25u);
    EXPECT_EQ(0, std::memcmp(before->pixels, after->pixels, 20 * 20 * 4));
}

}  // namespace
