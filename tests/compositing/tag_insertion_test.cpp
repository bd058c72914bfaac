// Insertion into the picture against the per-cell definition, the dialog's text
// conversions, and the wheel and key steps.
#include "compositing/tag_insertion.h"

#include <gtest/gtest.h>

#include <vector>

#include "compositing/tag_insert_inputs.h"
#include "tests/compositing/insert_oracle.h"
#include "tests/filters/test_pictures.h"
#include "tests/support/picture_compare.h"

namespace {

TEST(TagInsertion, StampsOneCopyAsDefinedInBothModes) {
    SettingsGuard guard;
    const struct {
        int32_t tw, th, px, py;
        uint8_t level, blendLevel;
    } cases[] = {
        {9, 7, 20, 15, 255, 255},   {9, 7, 38, 1, 200, 255}, {16, 12, -7, -40, 127, 255}, {5, 50, 1000, -999, 255, 90},
        {60, 45, 39, 29, 180, 255}, {11, 11, 0, 0, 0, 255},  {1, 1, -1, -1, 255, 1},
    };
    for (const auto& c : cases) {
        for (uint8_t connectable : {0, 1}) {
            paintSettings().connectable = connectable;
            paintSettings().blendLevel = c.blendLevel;
            PicturePtr tagColors = makeBusyPicture(c.tw, c.th, 8);
            std::vector<uint8_t> tag(tagColors->pixels, tagColors->pixels + size_t(c.tw) * c.th * 4);
            for (size_t i = 0; i < size_t(c.tw) * c.th; ++i) tag[i * 4 + 3] = (i % 7 == 3) ? 0 : uint8_t(i * 53 + 1);
            PicturePtr actual = makeBusyPicture(40, 30, 4);
            PicturePtr expected = makeBusyPicture(40, 30, 4);
            const TagFootprint f = insertTagAt(*actual, tag.data(), c.tw, c.th, c.px, c.py, c.level);
            oracle::insertTag(*expected, tag.data(), c.tw, c.th, c.px, c.py, c.level);
            ASSERT_EQ(firstDifference(*expected, *actual), "")
                << c.tw << "x" << c.th << " at " << c.px << "," << c.py << " connectable " << int(connectable);
            EXPECT_EQ(f.x, c.px % 40 - c.tw / 2);
            EXPECT_EQ(f.y, c.py % 30 - c.th / 2);
        }
    }
}

TEST(TagInsertValues, DialogTextsBecomeTheBlockAndBack) {
    // Mix: modulo 256, at most 100, then a level; the field shows it back rounded down.
    const struct {
        const char* text;
        uint8_t level;
        int32_t shown;
    } mixes[] = {{"50", 127, 49},  {"300", 112, 43}, {"256", 0, 0},  {"100", 255, 100}, {"99", 252, 98},
                 {"-1", 255, 100}, {"", 0, 0},       {"20", 51, 20}, {"  7x", 17, 6}};
    for (const auto& m : mixes) {
        EXPECT_EQ(insertLevelFromMixText(m.text), m.level) << m.text;
        EXPECT_EQ(mixPercentShown(insertLevelFromMixText(m.text)), m.shown) << m.text;
    }
    // Rotation: modulo 65536, read from the first 31 characters.
    EXPECT_EQ(insertAngleFromText("400"), 400);
    EXPECT_EQ(insertAngleFromText("70000"), 4464);
    EXPECT_EQ(insertAngleFromText("-5"), 65531);
    EXPECT_EQ(insertAngleFromText(std::string(31, '0') + "7"), 0);
    EXPECT_EQ(insertAngleFromText(std::string(29, '0') + "12"), 12);

    // Path: 259 bytes at most, never half a character.
    StoredTagInsert block;
    storeInsertFile(block, std::string(300, 'a'));
    EXPECT_EQ(insertFileOf(block), std::string(259, 'a'));
    const std::string accented = std::string(258, 'a') + "\xC3\xA9";  // the é straddles byte 259
    storeInsertFile(block, accented);
    EXPECT_EQ(insertFileOf(block), std::string(258, 'a'));
    storeInsertFile(block, "/tmp/t.png");
    EXPECT_EQ(insertFileOf(block), "/tmp/t.png");
    EXPECT_EQ(block.insertFile[10], '\0');
    EXPECT_EQ(block.insertFile[11], 'a') << "bytes after the terminator stay as held";
}

TEST(TagInsertValues, WheelAndKeypadSteps) {
    EXPECT_EQ(wheelStep(0, true).level, 10);
    EXPECT_TRUE(wheelStep(245, true).reload);
    EXPECT_EQ(wheelStep(245, true).level, 255);
    EXPECT_EQ(wheelStep(250, true).level, 255);
    EXPECT_FALSE(wheelStep(250, true).reload);
    EXPECT_EQ(wheelStep(10, false).level, 0);
    EXPECT_TRUE(wheelStep(10, false).reload);
    EXPECT_EQ(wheelStep(5, false).level, 0);
    EXPECT_FALSE(wheelStep(5, false).reload);

    EXPECT_EQ(angleAfterKeypadMinus(3), 358);
    EXPECT_EQ(angleAfterKeypadPlus(358), 3);
    EXPECT_EQ(angleAfterKeypadMinus(1000), 995);
    EXPECT_EQ(angleAfterKeypadPlus(65535), 20);
}

}  // namespace

// The combo the dialog fills from a stored history, which reading it stores back:
// "Browse ..." once, entries sorted without regard to case, none that begins another.
TEST(TagInsertValues, StoredHistoryComesBackAsTheComboShowsIt) {
    using List = std::vector<std::string>;
    const struct {
        List stored, shown;
    } cases[] = {
        {{}, {"Browse ..."}},
        {{"Browse ..."}, {"Browse ..."}},
        {{"/z/b.png", "/A/a.png", "Browse ..."}, {"/A/a.png", "/z/b.png", "Browse ..."}},
        {{"/t/tag.png", "/T/TAG"}, {"/t/tag.png", "Browse ..."}},
        {{"/t/TAG", "/t/tag.png"}, {"/t/TAG", "/t/tag.png", "Browse ..."}},
        {{"c.png", "b.png"}, {"b.png", "Browse ...", "c.png"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(insertComboEntries(c.stored), c.shown);
        EXPECT_EQ(insertComboEntries(insertComboEntries(c.stored)), c.shown)
            << "reading and showing again changes nothing";
    }
}
