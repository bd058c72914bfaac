#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/about_box.h"
#include "app/command_ids.h"
#include "app/configuration_dialog.h"
#include "app/escape_information.h"
#include "app/escape_information_dialog.h"
#include "app/new_picture_dialog.h"
#include "generators/ui/color_button.h"
#include "params/parameter_blocks.h"
#include "window_fixture.h"

namespace {
// Every label, check box and button text of a dialog, in the order they were made.
std::vector<std::string> textsOf(QDialog& dialog) {
    std::vector<std::string> texts;
    for (QObject* child : dialog.findChildren<QObject*>()) {
        if (auto* l = qobject_cast<QLabel*>(child); l && !l->text().isEmpty()) texts.push_back(l->text().toStdString());
        if (auto* g = qobject_cast<QGroupBox*>(child)) texts.push_back(g->title().toStdString());
        if (auto* b = qobject_cast<QAbstractButton*>(child); b && !b->text().isEmpty())
            texts.push_back(b->text().toStdString());
    }
    return texts;
}

int accept(QDialog& d) {
    d.accept();
    return QDialog::Accepted;
}
}  // namespace

TEST_F(WindowTest, NewPictureDialogKeepsItsValuesAndMirrorsConnectable) {
    newPictureParams() = NewPictureParams{};
    cdinitimg& dialog = window->newPictureDialog();
    EXPECT_EQ(dialog.windowTitle(), "New Picture");
    EXPECT_FALSE(dialog.bendBox()->isVisibleTo(&dialog));

    int shownX = 0;
    answerDialog = [&](QDialog&) {
        shownX = dialog.xField()->text().toInt();
        EXPECT_TRUE(dialog.bendBox()->isChecked());
        dialog.xField()->setText("640");
        dialog.yField()->setText("  48px");
        return accept(dialog);
    };
    window->runCommand(cmd::New);
    EXPECT_EQ(shownX, 512);
    EXPECT_EQ(newPictureParams().pictureWidth, 640);
    EXPECT_EQ(newPictureParams().pictureHeight, 48);
    EXPECT_EQ(paintSettings().connectable, 1) << "the hidden box hands connectable mode back unchanged";

    paintSettings().connectable = 0;
    answerDialog = [&](QDialog&) {
        shownX = dialog.xField()->text().toInt();
        EXPECT_FALSE(dialog.bendBox()->isChecked());
        dialog.xField()->setText("77");
        dialog.reject();
        return int(QDialog::Rejected);
    };
    window->runCommand(cmd::New);
    EXPECT_EQ(shownX, 640) << "offered again the next time";
    EXPECT_EQ(newPictureParams().pictureWidth, 640) << "Cancel keeps the values";
    EXPECT_EQ(paintSettings().connectable, 0);
    EXPECT_EQ(window->currentPicture()->width, 640);
}

TEST_F(WindowTest, ConfigurationOkCopiesEveryFieldAndKeepsLowByte) {
    paintSettings().mixFromPercent = 30;  // as "Mixage ..." would leave it
    paintSettings().blendColor = 0x00123456;
    CDConfig& dialog = window->configurationDialog();
    EXPECT_EQ(dialog.windowTitle(), "Configuration");
    EXPECT_EQ(textsOf(dialog),
              (std::vector<std::string>{"Connectable", "No blend color", "BlendColor : ", "% Mixage",
                                        "From : ", "To : ", "Tools", "Rotation Anti Alias (Fast Speed if unchecked)",
                                        "OK", "Cancel"}));
    answerDialog = [&](QDialog&) {
        EXPECT_EQ(dialog.fromField()->text(), "30");
        EXPECT_EQ(dialog.swatch()->color(), 0x00123456u);
        EXPECT_TRUE(dialog.connectableBox()->isChecked());
        EXPECT_FALSE(dialog.noBlendColorBox()->isChecked());
        dialog.fromField()->setText("300");
        dialog.toField()->setText("90");
        dialog.connectableBox()->setChecked(false);
        dialog.antiAliasBox()->setChecked(true);
        dialog.swatch()->setColor(0x00ABCDEF);
        return accept(dialog);
    };
    window->runCommand(cmd::Configuration);
    const PaintSettings& s = paintSettings();
    EXPECT_EQ(s.mixFromPercent, 44);
    EXPECT_EQ(s.mixToPercent, 90);
    EXPECT_EQ(s.connectable, 0);
    EXPECT_EQ(s.rotationAntiAlias, 1);
    EXPECT_EQ(s.blendColor, 0x00ABCDEFu);
    EXPECT_EQ(configParams().configMixFrom, 44);
}

TEST_F(WindowTest, ConfigurationCancelChangesNothing) {
    const PaintSettings before = paintSettings();
    CDConfig& dialog = window->configurationDialog();
    answerDialog = [&](QDialog&) {
        dialog.fromField()->setText("5");
        dialog.connectableBox()->setChecked(false);
        dialog.noBlendColorBox()->click();
        dialog.antiAliasBox()->setChecked(true);
        dialog.reject();
        return int(QDialog::Rejected);
    };
    window->runCommand(cmd::Configuration);
    const PaintSettings& s = paintSettings();
    EXPECT_EQ(s.connectable, before.connectable);
    EXPECT_EQ(s.blendColor, before.blendColor);
    EXPECT_EQ(s.mixFromPercent, before.mixFromPercent);
    EXPECT_EQ(s.rotationAntiAlias, before.rotationAntiAlias);
}

TEST_F(WindowTest, NoBlendColorHidesTheSwatchWhichKeepsItsColor) {
    CDConfig& dialog = window->configurationDialog();
    paintSettings().blendColor = 0x00336699;
    answerDialog = [&](QDialog&) {
        EXPECT_TRUE(dialog.swatch()->isVisibleTo(&dialog));
        dialog.noBlendColorBox()->click();
        EXPECT_FALSE(dialog.swatch()->isVisibleTo(&dialog));
        EXPECT_FALSE(dialog.blendColorLabel()->isVisibleTo(&dialog));
        return accept(dialog);
    };
    window->runCommand(cmd::Configuration);
    EXPECT_EQ(paintSettings().blendColor, PaintSettings::kNoBlendColor);

    answerDialog = [&](QDialog&) {
        EXPECT_TRUE(dialog.noBlendColorBox()->isChecked());
        EXPECT_FALSE(dialog.swatch()->isVisibleTo(&dialog));
        EXPECT_EQ(dialog.swatch()->color(), 0x00336699u);
        dialog.noBlendColorBox()->click();  // back to a blend color: the old one returns
        EXPECT_TRUE(dialog.swatch()->isVisibleTo(&dialog));
        return accept(dialog);
    };
    window->runCommand(cmd::Configuration);
    EXPECT_EQ(paintSettings().blendColor, 0x00336699u);
}

TEST_F(WindowTest, EscapeInformationIsShownUntilSwitchedOffForGood) {
    QSettings settings(kSettingsOrganization, kSettingsApplication);
    int shown = 0;
    answerDialog = [&](QDialog& d) {
        ++shown;
        auto& info = static_cast<cdechap&>(d);
        EXPECT_EQ(info.windowTitle(), "Information !");
        EXPECT_EQ(textsOf(info),
                  (std::vector<std::string>{"You can stopped the working picture with 'echap' key pressed",
                                            "Don't show this information !", "OK"}));
        info.dontShowBox()->setChecked(true);
        info.reject();  // closed without OK: the box does not count
        return int(QDialog::Rejected);
    };
    window->showEscapeInformation();
    EXPECT_EQ(settings.value("dontshowinformation1").toInt(), 0);
    answerDialog = [&](QDialog& d) {
        ++shown;
        static_cast<cdechap&>(d).dontShowBox()->setChecked(true);
        return accept(d);
    };
    window->showEscapeInformation();
    settings.sync();
    EXPECT_EQ(settings.value("dontshowinformation1").toInt(), 1);
    window->showEscapeInformation();
    EXPECT_EQ(shown, 2) << "not shown once switched off";

    // A later run reads the flag back.
    window.reset();
    SetUp();
    QSettings(kSettingsOrganization, kSettingsApplication).setValue("dontshowinformation1", 1);
    window->showEscapeInformation();
    EXPECT_EQ(shown, 2);
}

TEST_F(WindowTest, AboutBoxesShowTheirTexts) {
    answerDialog = [&](QDialog& d) {
        if (auto* box = qobject_cast<cfaboutbox*>(&d)) {
            EXPECT_EQ(box->windowTitle(), "About Box");
            EXPECT_TRUE(box->textField()->isReadOnly());
            EXPECT_EQ(box->textField()->toPlainText(), window->windowTitle());
        } else {
            EXPECT_EQ(d.windowTitle(), "About vospren");
            EXPECT_EQ(textsOf(d), (std::vector<std::string>{"vospren, Version 0.4", "OK"}));
        }
        return accept(d);
    };
    window->runCommand(cmd::AboutBox);
    window->runCommand(cmd::AboutVospren);
    EXPECT_EQ(dialogs, (std::vector<std::string>{"cfaboutbox", "AboutVospren"}));
}

TEST_F(WindowTest, PlacementIsStoredOnExitAndReadBack) {
    {
        QSettings settings(kSettingsOrganization, kSettingsApplication);
        EXPECT_FALSE(settings.contains("left"));
    }
    EXPECT_EQ(window->geometry(), QRect(1, 1, 511, 511)) << "no stored values: (1, 1), 511 x 511";

    window->setGeometry(40, 50, 300, 200);
    window->runCommand(32776);
    {
        QSettings settings(kSettingsOrganization, kSettingsApplication);
        EXPECT_EQ(settings.value("left").toInt(), 40);
        EXPECT_EQ(settings.value("top").toInt(), 50);
        EXPECT_EQ(settings.value("right").toInt(), 340);
        EXPECT_EQ(settings.value("bottom").toInt(), 250);
    }
    window = std::make_unique<CvosprenDlg>(library);
    EXPECT_EQ(window->geometry(), QRect(40, 50, 300, 200));

    QSettings settings(kSettingsOrganization, kSettingsApplication);
    settings.setValue("right", 10);  // damaged: right of left
    settings.sync();
    window = std::make_unique<CvosprenDlg>(library);
    EXPECT_EQ(window->geometry(), QRect(40, 50, 511, 200));
    settings.setValue("left", -2147483647);
    settings.setValue("right", 2147483647);
    settings.sync();
    window = std::make_unique<CvosprenDlg>(library);
    EXPECT_EQ(window->geometry().width(), 511) << "a span past any screen counts as damaged";
}
