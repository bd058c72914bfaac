#pragma once

#include <string>

#include "command/command_host.h"

class QWidget;

// What the main window offers every command handler beyond the standard flow's
// host (command/command_host.h): the view, an owner for dialogs and the
// configuration command.
class PictureHost : public CommandHost {
public:
    // Back to zoom 1 with the view at the picture's top-left corner, as after a
    // clipboard import. Hosts without a view have nothing to do.
    virtual void resetView() {}
    // Owner for dialogs and message boxes.
    virtual QWidget* dialogParent() = 0;
    // The main window's "Configuration ..." command, for dialogs that offer it too.
    virtual void runConfigurationDialog() = 0;
    // A line for the status bar; hosts without one say nothing.
    virtual void showStatus(const std::string& /*text*/) {}
};
