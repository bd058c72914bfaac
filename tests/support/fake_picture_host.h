#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "tests/support/fake_interaction.h"
#include "ui/picture_host.h"

// The window's services as a command sees them, every call logged in order:
// "require", "snapshot", "refresh", "reset view", "escape information", "configuration", and
// the questions and messages of its Interaction ("ask: <text>", "message: <text>"). The picture
// checks show the window's messages through that Interaction.
class FakePictureHost : public PictureHost {
public:
    FakePictureHost() { ui.log = &log; }
    FakePictureHost(const FakePictureHost&) = delete;
    FakePictureHost& operator=(const FakePictureHost&) = delete;

    Picture* currentPicture() override { return picture.get(); }
    void replacePicture(PicturePtr p) override { picture = std::move(p); }
    void saveUndoSnapshot() override;
    void refreshView() override { log.push_back("refresh"); }
    void resetView() override { log.push_back("reset view"); }
    bool requirePicture() override;
    void showEscapeInformation() override { log.push_back("escape information"); }
    Interaction& interaction() override { return ui; }
    QWidget* dialogParent() override { return &owner; }
    void runConfigurationDialog() override { log.push_back("configuration"); }

    PicturePtr picture;
    PicturePtr undo;
    std::vector<std::string> log;
    FakeInteraction ui;
    QWidget owner;
};
