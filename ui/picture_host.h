#pragma once

#include "core/interaction.h"
#include "core/picture.h"

class QWidget;

// What the main window offers every command handler: the current picture, the
// undo snapshot, the view, the checks of the standard flow and the Interaction
// that long operations report through.
class PictureHost {
public:
    virtual ~PictureHost() = default;

    // Null until the first New or import.
    virtual Picture* currentPicture() = 0;
    // Frees the picture it replaces.
    virtual void replacePicture(PicturePtr picture) = 0;
    virtual void saveUndoSnapshot() = 0;
    virtual void refreshView() = 0;
    // Back to zoom 1 with the view at the picture's top-left corner, as after a
    // clipboard import. Hosts without a view have nothing to do.
    virtual void resetView() {}
    // Shows "The picture should be have a minimum size 4,4" and returns false below 4 x 4.
    virtual bool checkPictureSize(int width, int height) = 0;
    // Steps 1 and 2 of the standard flow: a picture exists and is at least 4 x 4,
    // each failure reported with its message.
    virtual bool requirePicture() = 0;
    // The Escape information dialog, unless the user switched it off.
    virtual void showEscapeInformation() = 0;
    virtual Interaction& interaction() = 0;
    // Owner for dialogs and message boxes.
    virtual QWidget* dialogParent() = 0;
};
