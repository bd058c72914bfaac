#include "filters/ui/filter_commands.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include "filters/noise_filter.h"
#include "filters/render_connectable.h"
#include "filters/sharpen_filter.h"
#include "params/parameter_blocks.h"
#include "tests/filters/test_pictures.h"
#include "tests/support/dialog_controls.h"
#include "tests/support/fake_picture_host.h"
#include "tests/support/modal_driver.h"
#include "tests/support/picture_compare.h"

namespace {

using Log = std::vector<std::string>;
const std::string kNotInitialized = "message: The picture is not initialized,please goto File->New";

class FilterCommands : public ::testing::Test {
protected:
    void SetUp() override {
        noiseParams() = NoiseParams{};
        sharpenParams() = SharpenParams{};
    }
    SettingsGuard settings;
    FakePictureHost host;
};

bool hasLabel(QDialog& d, const QString& text) {
    for (QLabel* l : d.findChildren<QLabel*>())
        if (l->text() == text) return true;
    return false;
}

TEST_F(FilterCommands, WithoutAPictureNoiseRefusesAndTheOthersChangeNothing) {
    {
        ModalDriver driver([](QDialog& d) { d.reject(); });
        runNoiseCommand(host);
        EXPECT_FALSE(driver.fired()) << "no dialog may open";
        EXPECT_EQ(host.log, (Log{"require", kNotInitialized}));
        ASSERT_EQ(host.ui.messages.size(), 1u);
        EXPECT_EQ(host.ui.messages[0].caption, "KorvintePicture");
        EXPECT_EQ(host.ui.messages[0].icon, Interaction::Icon::Error);
    }
    host.log.clear();
    {
        // Sharpen still shows its dialog; after OK there is nothing to change.
        ModalDriver driver([](QDialog& d) { press(d, "ok"); });
        runSharpenCommand(host);
        EXPECT_TRUE(driver.fired());
        EXPECT_EQ(host.log, Log{});
    }
    {
        ModalDriver driver([](QDialog& d) { d.reject(); });
        runRenderConnectableCommand(host);
        EXPECT_FALSE(driver.fired());
        EXPECT_EQ(host.log, Log{});
    }
}

TEST_F(FilterCommands, NoiseChecksTheSizeButSharpenAndRenderDoNot) {
    host.picture = makeBusyPicture(3, 3, 1);
    {
        ModalDriver driver([](QDialog& d) { d.reject(); });
        runNoiseCommand(host);
        EXPECT_FALSE(driver.fired());
        EXPECT_EQ(host.log, (Log{"require", "message: The picture should be have a minimum size 4,4"}));
    }
    host.log.clear();
    {
        ModalDriver driver([](QDialog& d) { press(d, "ok"); });
        runSharpenCommand(host);
        EXPECT_TRUE(driver.fired());
        EXPECT_EQ(host.log, (Log{"snapshot", "refresh"}));
    }
    host.log.clear();
    const uint32_t crc = pixelCrc32(*host.picture);
    runRenderConnectableCommand(host);
    EXPECT_EQ(host.log, (Log{"snapshot", "refresh"}));
    EXPECT_EQ(pixelCrc32(*host.picture), crc) << "a side below 4 leaves the picture as it was";
}

TEST_F(FilterCommands, NoiseDialogStoresItsFieldsAndTheFilterRunsWithThem) {
    host.picture = makeBusyPicture(12, 9, 2);
    PicturePtr expected = makeBusyPicture(12, 9, 2);
    noiseParams().seed = -3;
    noiseParams().noisePercent = 7;
    ModalDriver driver([](QDialog& d) {
        EXPECT_EQ(editOf(d, 1035)->text(), "7");
        EXPECT_EQ(editOf(d, 1037)->text(), "-3");
        auto* mono = d.findChild<QCheckBox*>("check1036");
        ASSERT_NE(mono, nullptr);
        EXPECT_EQ(mono->text(), "Monochromatique");
        EXPECT_FALSE(mono->isChecked());
        EXPECT_TRUE(hasLabel(d, "%"));
        EXPECT_TRUE(hasLabel(d, "Germe : "));
        editOf(d, 1035)->setText("300");  // a byte field keeps the low 8 bits: 44
        editOf(d, 1037)->setText("  12345xyz");
        mono->setChecked(true);
        press(d, "ok");
    });
    runNoiseCommand(host);
    EXPECT_EQ(driver.title(), "Filter Noise");
    EXPECT_EQ(noiseParams().noisePercent, 44);
    EXPECT_EQ(noiseParams().seed, 12345);
    EXPECT_EQ(noiseParams().monochrome, 1);
    EXPECT_EQ(host.log, (Log{"require", "snapshot", "refresh"}));
    ASSERT_TRUE(host.undo);
    EXPECT_EQ(firstDifference(*expected, *host.undo), "");
    ASSERT_TRUE(noiseFilter(expected.get(), true, 44, 12345, host.ui));
    EXPECT_EQ(firstDifference(*expected, *host.picture), "");
}

TEST_F(FilterCommands, NoiseCancelChangesNothingAndZeroPercentSkipsTheRefresh) {
    host.picture = makeBusyPicture(8, 8, 3);
    const uint32_t crc = pixelCrc32(*host.picture);
    noiseParams().noisePercent = 20;
    {
        ModalDriver driver([](QDialog& d) {
            editOf(d, 1035)->setText("90");
            press(d, "cancel");
        });
        runNoiseCommand(host);
        EXPECT_TRUE(driver.fired());
    }
    EXPECT_EQ(noiseParams().noisePercent, 20);
    EXPECT_EQ(host.log, Log{"require"});
    {
        ModalDriver driver([](QDialog& d) {
            editOf(d, 1035)->setText("0");
            press(d, "ok");
        });
        runNoiseCommand(host);
    }
    EXPECT_EQ(host.log, (Log{"require", "require", "snapshot"}));
    EXPECT_EQ(pixelCrc32(*host.picture), crc);
}

TEST_F(FilterCommands, SharpenDialogStaysOpenOutsideZeroToHundred) {
    host.picture = makeBusyPicture(10, 10, 4);
    PicturePtr expected = makeBusyPicture(10, 10, 4);
    sharpenParams().sharpenPercent = 30;
    std::vector<bool> openAfter;
    ModalDriver driver([&](QDialog& d) {
        EXPECT_EQ(editOf(d, 1003)->text(), "30");
        EXPECT_TRUE(hasLabel(d, "%"));
        for (const char* typed : {"101", "-5", "abc5"}) {
            editOf(d, 1003)->setText(typed);
            press(d, "ok");
            openAfter.push_back(d.isVisible());
        }
    });
    runSharpenCommand(host);
    EXPECT_EQ(driver.title(), "Sharpen");
    // "abc5" reads as 0, which is in range.
    EXPECT_EQ(openAfter, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(sharpenParams().sharpenPercent, 0);
    EXPECT_EQ(host.log, (Log{"snapshot", "refresh"}));
    EXPECT_EQ(firstDifference(*expected, *host.picture), "") << "strength 0 changes nothing";

    host.log.clear();
    ModalDriver again([&](QDialog& d) {
        editOf(d, 1003)->setText("100");
        press(d, "ok");
    });
    runSharpenCommand(host);
    EXPECT_EQ(sharpenParams().sharpenPercent, 100);
    EXPECT_EQ(host.log, (Log{"snapshot", "refresh"}));
    EXPECT_EQ(firstDifference(*expected, *host.undo), "");
    sharpenFilter(expected.get(), 100, true);
    EXPECT_EQ(firstDifference(*expected, *host.picture), "");
}

TEST_F(FilterCommands, SharpenCancelAfterARefusedValueKeepsTheLastGoodStrength) {
    host.picture = makeBusyPicture(6, 6, 5);
    sharpenParams().sharpenPercent = 40;
    ModalDriver driver([](QDialog& d) {
        editOf(d, 1003)->setText("250");
        press(d, "ok");
        press(d, "cancel");
    });
    runSharpenCommand(host);
    EXPECT_TRUE(driver.fired());
    EXPECT_EQ(sharpenParams().sharpenPercent, 40);
    EXPECT_TRUE(host.log.empty());
}

TEST_F(FilterCommands, SharpenFollowsConnectableMode) {
    paintSettings().connectable = 0;
    host.picture = makeBusyPicture(9, 7, 6);
    PicturePtr expected = makeBusyPicture(9, 7, 6);
    ModalDriver driver([](QDialog& d) {
        editOf(d, 1003)->setText("60");
        press(d, "ok");
    });
    runSharpenCommand(host);
    sharpenFilter(expected.get(), 60, false);
    EXPECT_EQ(firstDifference(*expected, *host.picture), "");
}

TEST_F(FilterCommands, RenderConnectableRunsWithoutADialog) {
    host.picture = makeBusyPicture(16, 12, 7);
    PicturePtr expected = makeBusyPicture(16, 12, 7);
    ModalDriver driver([](QDialog& d) { d.reject(); });
    runRenderConnectableCommand(host);
    EXPECT_FALSE(driver.fired());
    EXPECT_EQ(host.log, (Log{"snapshot", "refresh"}));
    ASSERT_TRUE(renderConnectable(expected.get()));
    EXPECT_EQ(firstDifference(*expected, *host.picture), "");
}

}  // namespace
