#include "filters/ui/make_seamless_command.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QDialog>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>

#include "filters/ui/make_seamless_dialog.h"
#include "tests/filters/test_pictures.h"
#include "tests/support/dialog_controls.h"
#include "tests/support/fake_picture_host.h"
#include "tests/support/modal_driver.h"
#include "tests/support/picture_compare.h"
#include "ui/program_settings.h"

namespace {

using Log = std::vector<std::string>;

class MakeSeamlessCommand : public ::testing::Test {
protected:
    // The program's own settings go to a folder of this test's.
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
        QSettings(kSettingsOrganization, kSettingsApplication).clear();
    }
    QTemporaryDir home;
    FakePictureHost host;
};

QComboBox* listOf(QDialog& d, const char* name) {
    auto* list = d.findChild<QComboBox*>(name);
    EXPECT_NE(list, nullptr) << name;
    return list;
}

QStringList itemsOf(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}

TEST_F(MakeSeamlessCommand, RefusesWithoutAPictureOrBelowTheMinimumSize) {
    for (int side : {0, 3}) {
        host.log.clear();
        host.picture = side ? makeBusyPicture(side, 8, 1) : nullptr;
        ModalDriver driver([](QDialog& d) { d.reject(); });
        runMakeSeamlessCommand(host);
        EXPECT_FALSE(driver.fired());
        ASSERT_EQ(host.log.size(), 2u);
        EXPECT_EQ(host.log[0], "require");
    }
}

TEST_F(MakeSeamlessCommand, TheDialogsChoicesRunTheFilterAndAreKeptForNextTime) {
    host.picture = makePhotoLikePicture(31, 20);
    PicturePtr before = copyPicture(host.picture.get());
    {
        ModalDriver driver([](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Make Seamless");
            EXPECT_EQ(formLabels(d), (QStringList{"Method", "Axes"}));
            QComboBox* method = listOf(d, "method");
            QComboBox* axes = listOf(d, "axes");
            EXPECT_EQ(itemsOf(method), (QStringList{"Periodic (keeps detail)", "Blend (keeps contrast)"}));
            EXPECT_EQ(itemsOf(axes), (QStringList{"Both", "Horizontal only", "Vertical only"}));
            EXPECT_EQ(method->currentIndex(), 0);
            EXPECT_EQ(axes->currentIndex(), 0);
            for (int i = 0; i < 2; ++i) EXPECT_FALSE(method->itemData(i, Qt::ToolTipRole).toString().isEmpty());
            EXPECT_TRUE(axes->toolTip().contains("left and right"));
            if (qEnvironmentVariableIsSet("VOSPREN_GRAB_DIR"))
                d.grab().save(qEnvironmentVariable("VOSPREN_GRAB_DIR") + "/make_seamless_dialog.png");
            method->setCurrentIndex(1);
            axes->setCurrentIndex(2);
            press(d, "ok");
        });
        runMakeSeamlessCommand(host);
        EXPECT_TRUE(driver.fired());
    }
    EXPECT_EQ(host.log, (Log{"require", "snapshot", "refresh"}));
    EXPECT_TRUE(samePixels(host.undo.get(), before.get()));
    FakeInteraction quiet;
    makeSeamless(before.get(), {SeamlessMethod::Blend, SeamlessAxes::Vertical}, quiet);
    EXPECT_EQ(firstDifference(*before, *host.picture), "");
    EXPECT_EQ(int(storedSeamlessOptions().method), int(SeamlessMethod::Blend));
    EXPECT_EQ(int(storedSeamlessOptions().axes), int(SeamlessAxes::Vertical));

    // Shown again as chosen; Cancel changes nothing and stores nothing.
    host.log.clear();
    PicturePtr kept = copyPicture(host.picture.get());
    ModalDriver driver([](QDialog& d) {
        EXPECT_EQ(listOf(d, "method")->currentIndex(), 1);
        EXPECT_EQ(listOf(d, "axes")->currentIndex(), 2);
        listOf(d, "axes")->setCurrentIndex(0);
        press(d, "cancel");
    });
    runMakeSeamlessCommand(host);
    EXPECT_EQ(host.log, Log{"require"});
    EXPECT_TRUE(samePixels(kept.get(), host.picture.get()));
    EXPECT_EQ(int(storedSeamlessOptions().axes), int(SeamlessAxes::Vertical));
}

TEST_F(MakeSeamlessCommand, StrangeStoredValuesReadAsTheDefaults) {
    QSettings settings(kSettingsOrganization, kSettingsApplication);
    settings.setValue("makeseamlessmethod", 7);
    settings.setValue("makeseamlessaxes", "x");
    settings.sync();
    EXPECT_EQ(int(storedSeamlessOptions().method), int(SeamlessMethod::Periodic));
    EXPECT_EQ(int(storedSeamlessOptions().axes), int(SeamlessAxes::Both));
}

}  // namespace
