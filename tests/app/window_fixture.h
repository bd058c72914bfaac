#pragma once
#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "core/paint_settings.h"
#include "exchange/image_library.h"
#include "tests/support/modal_driver.h"
#include "ui/program_settings.h"

// A main window whose message boxes, questions and own dialogs are answered by the
// test, with what was shown recorded.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetPaintSettings();
        QSettings(kSettingsOrganization, kSettingsApplication).clear();
        window = std::make_unique<CvosprenDlg>(library);
        window->qtInteraction().setMessageHook(
            [this](const std::string& text, const std::string&, Interaction::Icon) { messages.push_back(text); });
        window->qtInteraction().setQuestionHook([this](const std::string& text, const std::string&, Interaction::Icon) {
            questions.push_back(text);
            return answer;
        });
        window->setDialogRunner([this](QDialog& dialog) {
            dialogs.push_back(dialog.metaObject()->className());
            if (answerDialog) return answerDialog(dialog);
            dialog.reject();
            return int(QDialog::Rejected);
        });
    }
    void TearDown() override {
        window.reset();
        resetPaintSettings();
    }

    // Runs "New" with the size given, answering the dialog with OK.
    void newPicture(int width, int height);

    // A picture whose pixels all differ, so that any mix-up of pixels shows.
    static PicturePtr patternedPicture(int width, int height) {
        PicturePtr p = createPicture(width, height, 0);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                storePixel(p.get(), x, y, uint8_t(x * 7 + y), uint8_t(y * 13), uint8_t(x ^ y));
        return p;
    }

    ImageLibrary library;  // unloaded unless a test binds one
    std::unique_ptr<CvosprenDlg> window;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::string> dialogs;
    bool answer = true;
    std::function<int(QDialog&)> answerDialog;
};
