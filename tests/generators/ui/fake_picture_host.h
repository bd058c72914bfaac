#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "ui/picture_host.h"

// An Interaction with a fixed clock, scripted answers and a record of questions.
class FakeInteraction : public Interaction {
public:
    struct Question {
        std::string text;
        std::string caption;
        Icon icon;
    };

    bool escapePressed() override { return false; }
    bool askYesNo(const std::string& text, const std::string& caption, Icon icon) override {
        questions.push_back({text, caption, icon});
        return answerYes;
    }
    void showMessage(const std::string& text, const std::string&, Icon) override { messages.push_back(text); }
    int64_t clockSeconds() override { return clock; }

    int64_t clock = 1'234'567;
    bool answerYes = true;
    std::vector<Question> questions;
    std::vector<std::string> messages;
};

// The window's services as the command handlers see them, with every call logged
// in order ("require", "info", "snapshot", "refresh", ...).
class FakePictureHost : public PictureHost {
public:
    Picture* currentPicture() override { return picture.get(); }
    void replacePicture(PicturePtr p) override { picture = std::move(p); }
    void saveUndoSnapshot() override {
        log.push_back("snapshot");
        undo = copyPicture(picture.get());
    }
    void refreshView() override { log.push_back("refresh"); }
    bool checkPictureSize(int width, int height) override {
        if (width >= 4 && height >= 4) return true;
        log.push_back("too small");
        return false;
    }
    bool requirePicture() override {
        log.push_back("require");
        if (!picture) {
            log.push_back("not initialized");
            return false;
        }
        return checkPictureSize(picture->width, picture->height);
    }
    void showEscapeInformation() override { log.push_back("info"); }
    Interaction& interaction() override { return ui; }
    QWidget* dialogParent() override { return &owner; }
    void runConfigurationDialog() override { log.push_back("configuration"); }

    PicturePtr picture;
    PicturePtr undo;
    FakeInteraction ui;
    std::vector<std::string> log;
    QWidget owner;
};
