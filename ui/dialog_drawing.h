#pragma once
#include <functional>

#include "command/command_runner.h"
#include "ui/picture_host.h"

// Runs a drawing command (drawingCommand) whose dialog is the single instance that
// `dialog` gives: its OK stores the block, `draw` reads it.
template <class Dialog>
void runDialogDrawing(PictureHost& host, Dialog& (*dialog)(QWidget*),
                      std::function<void(Picture&, Interaction&)> draw) {
    runPictureCommand(host, drawingCommand([&] { return dialog(host.dialogParent()).run(); }, std::move(draw)));
}
