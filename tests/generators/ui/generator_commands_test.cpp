#include "generators/ui/generator_commands.h"

#include <gtest/gtest.h>
#include <cstring>
#include <functional>

#include "core/paint_settings.h"
#include "generators/circle_generator.h"
#include "generators/fill_color.h"
#include "generators/polygon_generator.h"
#include "generators/rectangle_generator.h"
#include "generators/ui/circle_dialog.h"
#include "generators/ui/color_chooser.h"
#include "generators/ui/polygon_dialog.h"
#include "generators/ui/rectangle_dialog.h"
#include "generators/ui/vector_dialog.h"
#include "generators/vector_generator.h"
#include "params/parameter_blocks.h"
#include "tests/support/dialog_controls.h"
#include "tests/support/fake_picture_host.h"
#include "tests/support/modal_driver.h"
#include "tests/support/picture_compare.h"

namespace {

using Log = std::vector<std::string>;
const std::string kNotInitialized = "message: The picture is not initialized,please goto File->New";
const std::string kMinimumSize = "message: The picture should be have a minimum size 4,4";

// Puts a replacement color chooser in place for one test.
class ChooserScope {
public:
    explicit ChooserScope(std::optional<uint32_t> answer)
        : previous_(setColorChooser([this, answer](QWidget*) {
              ++asked;
              return answer;
          })) {}
    ~ChooserScope() { setColorChooser(previous_); }
    int asked = 0;

private:
    ColorChooser previous_;
};

class CommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetPaintSettings();
        circleParams() = CircleParams{};
        rectangleParams() = RectangleParams{};
        polygonParams() = PolygonParams{};
        vectorParams() = VectorParams{};
    }
    void TearDown() override { resetPaintSettings(); }

    void givePicture(int w, int h) { host.picture = createPicture(w, h, 0); }

    FakePictureHost host;
};

// One generator command with what a test needs to drive and to reproduce it.
struct GeneratorCase {
    const char* name;
    void (*command)(PictureHost&);
    int countEdit;  // the dialog's Count field
    std::function<void(Picture*, Interaction&)> drawDirectly;
};

std::vector<GeneratorCase> generatorCases() {
    return {
        {"circle", runCircleCommand, 1010, [](Picture* p, Interaction& ui) { drawCircles(p, circleParams(), ui); }},
        {"rectangle", runRectangleCommand, 1009,
         [](Picture* p, Interaction& ui) { drawRectangles(p, rectangleParams(), ui); }},
        {"polygon", runPolygonCommand, 1019, [](Picture* p, Interaction& ui) { drawPolygons(p, polygonParams(), ui); }},
        {"vector", runVectorCommand, 1022, [](Picture* p, Interaction& ui) { drawVectors(p, vectorParams(), ui); }},
    };
}

TEST_F(CommandTest, PictureCommandsWithoutAPictureStopBeforeAnyDialog) {
    std::vector<void (*)(PictureHost&)> commands{runCircleCommand, runRectangleCommand, runPolygonCommand,
                                                 runVectorCommand, runFillColorCommand};
    ChooserScope chooser(0x000000FFu);
    for (auto* command : commands) {
        host.log.clear();
        command(host);
        EXPECT_EQ(host.log, (Log{"require", kNotInitialized}));
    }
    EXPECT_EQ(chooser.asked, 0);
    givePicture(3, 8);
    for (auto* command : commands) {
        host.log.clear();
        command(host);
        EXPECT_EQ(host.log, (Log{"require", kMinimumSize}));
    }
    EXPECT_EQ(chooser.asked, 0);
}

TEST_F(CommandTest, GeneratorFlowAndCancel) {
    for (const GeneratorCase& c : generatorCases()) {
        SCOPED_TRACE(c.name);
        givePicture(40, 30);
        PicturePtr before(copyPicture(host.picture.get()));
        host.undo.reset();
        host.log.clear();
        {
            ModalDriver cancel([&](QDialog& d) {
                setText(d, c.countEdit, "3");
                press(d, "cancel");
            });
            c.command(host);
            EXPECT_TRUE(cancel.fired());
        }
        EXPECT_EQ(host.log, Log{"require"});
        EXPECT_EQ(host.undo, nullptr);
        EXPECT_TRUE(samePixels(host.picture.get(), before.get()));

        host.log.clear();
        ModalDriver ok([&](QDialog& d) {
            setText(d, c.countEdit, "3");
            press(d, "ok");
        });
        c.command(host);
        EXPECT_TRUE(ok.fired());
        EXPECT_EQ(host.log, (Log{"require", "escape information", "snapshot", "refresh"}));
        EXPECT_TRUE(samePixels(host.undo.get(), before.get()));
        EXPECT_FALSE(samePixels(host.picture.get(), before.get()));
    }
}

TEST_F(CommandTest, GeneratorWithAFixedClockDrawsWhatTheGeneratorDrawsWithThatSeed) {
    for (const GeneratorCase& c : generatorCases()) {
        SCOPED_TRACE(c.name);
        for (const uint8_t connectable : {uint8_t(1), uint8_t(0)}) {
            resetPaintSettings();
            paintSettings().connectable = connectable;
            paintSettings().mixFromPercent = 40;  // blended shapes: order and count of writes matter
            givePicture(57, 33);
            PicturePtr expected(copyPicture(host.picture.get()));
            host.ui.clock = 0x1'2345'6789LL;  // only the low 32 bits seed
            ModalDriver ok([&](QDialog& d) {
                setText(d, c.countEdit, "25");
                press(d, "ok");
            });
            c.command(host);
            ASSERT_TRUE(ok.fired());

            paintSettings().blendLevel = 255;
            FakeInteraction sameClock(0x2345'6789LL);
            c.drawDirectly(expected.get(), sameClock);
            EXPECT_TRUE(samePixels(host.picture.get(), expected.get())) << "connectable " << int(connectable);
        }
    }
}

TEST_F(CommandTest, FillColorYesReplacesEveryPixelWhateverTheBlendLevel) {
    givePicture(6, 5);
    PicturePtr before(copyPicture(host.picture.get()));
    paintSettings().blendLevel = 100;
    ChooserScope chooser(0x00332211u);
    host.ui.answerYes = true;
    runFillColorCommand(host);
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_EQ(host.log, (Log{"require", "snapshot", "ask: Click on yes for Full 100% Mix", "refresh"}));
    ASSERT_EQ(host.ui.questions.size(), 1u);
    EXPECT_EQ(host.ui.questions[0].text, "Click on yes for Full 100% Mix");
    EXPECT_EQ(host.ui.questions[0].caption, "FillColor");
    EXPECT_EQ(host.ui.questions[0].icon, Interaction::Icon::None);
    EXPECT_TRUE(samePixels(host.undo.get(), before.get()));
    for (int i = 0; i < 6 * 5; ++i) {
        const uint8_t* cell = host.picture->pixels + i * 4;
        ASSERT_EQ(cell[0], 0x11);
        ASSERT_EQ(cell[1], 0x22);
        ASSERT_EQ(cell[2], 0x33);
        ASSERT_EQ(cell[3], 255);
    }
}

TEST_F(CommandTest, FillColorNoBlendsWithTheLevelTheLastShapeLeft) {
    givePicture(6, 5);
    ChooserScope chooser(0x00000000u);
    host.ui.answerYes = false;
    paintSettings().blendLevel = 128;
    runFillColorCommand(host);
    // White under black at level 128: 255 * 127 / 255 = 127 in every channel.
    for (int i = 0; i < 6 * 5; ++i) {
        const uint8_t* cell = host.picture->pixels + i * 4;
        ASSERT_EQ(cell[0], 127);
        ASSERT_EQ(cell[1], 127);
        ASSERT_EQ(cell[2], 127);
    }
    // Right after start-up the level is 255: plain replacement.
    resetPaintSettings();
    runFillColorCommand(host);
    for (int i = 0; i < 6 * 5; ++i) ASSERT_EQ(host.picture->pixels[i * 4], 0);
}

TEST_F(CommandTest, FillColorCancelledTakesNoSnapshotAndAsksNothing) {
    givePicture(6, 5);
    PicturePtr before(copyPicture(host.picture.get()));
    ChooserScope chooser(std::nullopt);
    runFillColorCommand(host);
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_EQ(host.log, Log{"require"});
    EXPECT_TRUE(host.ui.questions.empty());
    EXPECT_EQ(host.undo, nullptr);
    EXPECT_TRUE(samePixels(host.picture.get(), before.get()));
}

TEST_F(CommandTest, BlendColorCommandsNeedNoPictureAndTouchNone) {
    {
        ChooserScope chooser(std::nullopt);
        runBlendColorCommand(host);
        EXPECT_EQ(paintSettings().blendColor, 0x00FFFFFFu);
    }
    {
        ChooserScope chooser(0x00102030u);
        runBlendColorCommand(host);
        EXPECT_EQ(chooser.asked, 1);
        EXPECT_EQ(paintSettings().blendColor, 0x00102030u);
    }
    runNoBlendColorCommand(host);
    EXPECT_EQ(paintSettings().blendColor, PaintSettings::kNoBlendColor);
    EXPECT_TRUE(host.log.empty());
    EXPECT_EQ(host.picture, nullptr);
}

TEST_F(CommandTest, MixageEditsTheSettingsWithoutAPicture) {
    {
        ModalDriver cancel([](QDialog& d) {
            setText(d, 1034, "10");
            press(d, "cancel");
        });
        runMixageCommand(host);
        EXPECT_TRUE(cancel.fired());
    }
    EXPECT_EQ(paintSettings().mixFromPercent, 100);
    ModalDriver ok([](QDialog& d) {
        setText(d, 1034, "300");
        setText(d, 1033, "60");
        press(d, "ok");
    });
    runMixageCommand(host);
    EXPECT_TRUE(ok.fired());
    EXPECT_EQ(ok.title(), "Mix");
    EXPECT_EQ(paintSettings().mixFromPercent, 44);
    EXPECT_EQ(paintSettings().mixToPercent, 60);
    EXPECT_TRUE(host.log.empty());
}

}  // namespace
