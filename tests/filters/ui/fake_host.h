#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "ui/picture_host.h"

// The window's services as the filter commands see them; every call is logged in order
// ("snapshot", "refresh", "message: <text>", ...).
class RecordingHost : public PictureHost, public Interaction {
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
        showMessage("The picture should be have a minimum size 4,4", kMainCaption, Icon::Error);
        return false;
    }
    bool requirePicture() override {
        if (!picture) {
            showMessage("The picture is not initialized,please goto File->New", kMainCaption, Icon::Error);
            return false;
        }
        return checkPictureSize(picture->width, picture->height);
    }
    void showEscapeInformation() override { log.push_back("escape information"); }
    Interaction& interaction() override { return *this; }
    QWidget* dialogParent() override { return &owner; }
    void runConfigurationDialog() override { log.push_back("configuration"); }

    bool escapePressed() override { return false; }
    bool askYesNo(const std::string& text, const std::string&, Icon) override {
        log.push_back("ask: " + text);
        return true;
    }
    void showMessage(const std::string& text, const std::string& caption, Icon icon) override {
        log.push_back("message: " + text);
        captions.push_back(caption);
        icons.push_back(icon);
    }
    int64_t clockSeconds() override { return 1550520958; }

    PicturePtr picture;
    PicturePtr undo;
    std::vector<std::string> log;
    std::vector<std::string> captions;
    std::vector<Icon> icons;
    QWidget owner;
};
