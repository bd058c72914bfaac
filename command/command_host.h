#pragma once

#include "core/interaction.h"
#include "core/picture.h"

// What a picture command needs from wherever it runs: the main window, vospren-cli
// or a test. The command runner (command_runner.h) drives a command through it.
class CommandHost {
public:
    virtual ~CommandHost() = default;

    // Null until the first New or import.
    virtual Picture* currentPicture() = 0;
    // Frees the picture it replaces.
    virtual void replacePicture(PicturePtr picture) = 0;
    // Called just before the picture changes. The window keeps the picture from
    // before as an undo step and marks the picture as changed since its last file.
    virtual void saveUndoSnapshot() = 0;
    // After the run: the window redraws, vospren-cli ends its progress line.
    virtual void refreshView() = 0;
    // The Escape information dialog, unless the user switched it off.
    virtual void showEscapeInformation() = 0;
    virtual Interaction& interaction() = 0;

    // Shows "The picture should be have a minimum size 4,4" and returns false below 4 x 4.
    virtual bool checkPictureSize(int width, int height);
    // Steps 1 and 2 of the standard flow: a picture exists and is at least 4 x 4,
    // each failure reported with its message.
    virtual bool requirePicture();
    // For the commands that work on a picture of any size: false without one. The
    // window says nothing then; vospren-cli refuses with the no-picture message.
    virtual bool requireAnyPicture() { return currentPicture() != nullptr; }

protected:
    // Shows `problem` (error icon, main caption) when there is one; true without.
    bool passes(const char* problem);
};
