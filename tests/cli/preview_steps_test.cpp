// The preview and insert-tag steps through the whole command line and the real image
// library: the written preview read back against the display image, and inserted
// tags against the per-cell definition with the dialog's readings of the texts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <sstream>

#include "cli/command_line.h"
#include "compositing/preview_display.h"
#include "compositing/rotate_block.h"
#include "compositing/tag_image.h"
#include "core/paint_settings.h"
#include "exchange/picture_file.h"
#include "params/parameter_blocks.h"
#include "tests/cli/cli_test.h"
#include "tests/compositing/insert_oracle.h"
#include "tests/support/fake_interaction.h"

namespace {

class PreviewSteps : public CliTest {};

TEST_F(PreviewSteps, PreviewFileIsTheShownDisplayImage) {
    ASSERT_EQ(run({"seed", "5", "new", "100", "60", "circles", "4", "20", "40", "save", path("p.png")}), 0);
    PicturePtr picture = loadPictureFile(library_, path("p.png"));
    ASSERT_TRUE(picture);
    for (auto [zoom, frame] : {std::pair{1, 0}, {3, 1}, {7, 1}, {16, 0}}) {
        const std::string out = path("pv" + std::to_string(zoom) + ".png");
        ASSERT_EQ(run({"load", path("p.png"), "preview", std::to_string(zoom), std::to_string(frame), out}), 0)
            << err_.str();
        PicturePtr written = loadPictureFile(library_, out);
        ASSERT_TRUE(written);
        PreviewDisplay d;
        buildPreviewDisplay(*picture, zoom, frame == 1, d);
        const std::vector<uint8_t> rgb = shownRgb(d);
        ASSERT_EQ(written->width, d.shownWidth());
        ASSERT_EQ(written->height, d.shownHeight());
        for (size_t i = 0; i < rgb.size() / 3; ++i) {
            ASSERT_EQ(0, std::memcmp(&written->pixels[i * 4], &rgb[i * 3], 3)) << "zoom " << zoom << " pixel " << i;
        }
    }
    // 100 x 60 at zoom 3: copies of 33 x 20.
    PicturePtr z3 = loadPictureFile(library_, path("pv3.png"));
    EXPECT_EQ(z3->width, 99);
    EXPECT_EQ(z3->height, 60);

    EXPECT_EQ(run({"new", "5", "5", "preview", "6", "0", path("e.png")}), 1);
    EXPECT_NE(err_.str().find("is empty"), std::string::npos);
    EXPECT_EQ(run({"preview", "1", "0", path("e.png")}), 1);
    EXPECT_EQ(run({"new", "8", "8", "preview", "17", "0", path("e.png")}), 2);
    EXPECT_EQ(run({"new", "8", "8", "preview", "1", "2", path("e.png")}), 2);
}

TEST_F(PreviewSteps, InsertTagReadsTheTextsAsTheDialogAndStampsOneCopy) {
    // A tag without opacity whose white frame the blend color makes transparent.
    ASSERT_EQ(run({"seed", "8", "new", "23", "17", "rectangles", "2", "2", "9", "9", "30", "save", path("tag.bmp")}),
              0);
    ASSERT_EQ(run({"seed", "2", "new", "80", "50", "circles", "3", "15", "60", "save", path("base.png")}), 0);
    PicturePtr base = loadPictureFile(library_, path("base.png"));
    FakeInteraction ui;
    const std::optional<TagImage> tag = loadTagImage(library_, path("tag.bmp"), 0x00FFFFFF, ui);
    ASSERT_TRUE(tag);

    const struct {
        const char *x, *y, *angle, *antiAlias, *mix;
        double rotation;  // the angle as stored
        uint8_t level;
        bool connectable;
        int32_t blendLevel;
    } cases[] = {
        {"40", "25", "0", "0", "100", 0, 255, true, 255},          {"75", "-3", "30", "1", "50", 30, 127, true, 255},
        {"-7", "-60", "400", "0", "300", 400, 112, true, 255},     {"-7", "-60", "400", "1", "256", 400, 0, true, 255},
        {"1000", "999", "70000", "0", "99", 4464, 252, true, 255}, {"78", "48", "45", "1", "80", 45, 204, false, 255},
        {"2", "1", "-5", "0", "60", 65531, 153, true, 89},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"load", path("base.png")};
        if (!c.connectable) args.insert(args.begin(), {"connectable", "off"});
        // A mix range sets the blend level the last generator leaves behind.
        if (c.blendLevel != 255) {
            args.insert(args.begin(), {"seed", "1", "mix", "35", "35", "new", "4", "4", "circles", "1", "1", "1"});
        }
        args.insert(args.end(),
                    {"insert-tag", path("tag.bmp"), c.x, c.y, c.angle, c.antiAlias, c.mix, "save", path("out.png")});
        resetPaintSettings();
        ASSERT_EQ(run(args), 0) << err_.str();
        EXPECT_EQ(tagInsertParams().insertLevel, c.level) << c.mix;
        EXPECT_EQ(tagInsertParams().insertAngle, uint16_t(c.rotation)) << c.angle;

        paintSettings().connectable = c.connectable ? 1 : 0;
        paintSettings().blendLevel = uint8_t(c.blendLevel);
        PicturePtr expected = copyPicture(base.get());
        const std::optional<TagImage> rotated =
            c.rotation == 0 ? tag
                            : rotateBlock(tag->cells(), tag->width, tag->height, c.rotation, c.antiAlias[0] == '1');
        ASSERT_TRUE(rotated);
        oracle::insertTag(*expected, rotated->cells(), rotated->width, rotated->height, std::stoi(c.x), std::stoi(c.y),
                          c.level);
        PicturePtr actual = loadPictureFile(library_, path("out.png"));
        ASSERT_TRUE(actual);
        EXPECT_EQ(0, std::memcmp(expected->pixels, actual->pixels, size_t(80) * 50 * 4))
            << "at " << c.x << "," << c.y << " angle " << c.angle;
        // A level of 0 leaves the picture as it was; every other case stamps something.
        EXPECT_EQ(c.level == 0, std::memcmp(base->pixels, actual->pixels, size_t(80) * 50 * 4) == 0) << c.mix;
        resetPaintSettings();
    }

    EXPECT_EQ(run({"new", "8", "8", "insert-tag", path("none.png"), "1", "1", "0", "0", "50"}), 1);
    EXPECT_NE(err_.str().find("Error openging file"), std::string::npos);
    EXPECT_EQ(run({"insert-tag", path("tag.bmp"), "1", "1", "0", "0", "50"}), 1);
    EXPECT_EQ(run({"new", "8", "8", "insert-tag", path("tag.bmp"), "1", "1", "4x", "0", "50"}), 2);
    EXPECT_EQ(run({"new", "8", "8", "insert-tag", path("tag.bmp"), "1", "1", "0", "2", "50"}), 2);
}

}  // namespace
