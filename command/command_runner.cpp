#include "command/command_runner.h"

#include <new>

#include "command/command_host.h"
#include "command/command_texts.h"
#include "core/out_of_memory.h"

PictureCommand drawingCommand(std::function<bool()> confirm, std::function<void(Picture&, Interaction&)> draw) {
    PictureCommand command;
    command.confirm = std::move(confirm);
    command.escapeInformation = true;
    command.run = [draw = std::move(draw)](Picture& picture, Interaction& ui) {
        draw(picture, ui);
        return true;
    };
    return command;
}

CommandOutcome runPictureCommand(CommandHost& host, const PictureCommand& command) {
    using Needs = PictureCommand::Needs;
    if (command.needs == Needs::SizedPicture && !host.requirePicture()) return CommandOutcome::Refused;
    if (command.confirm && !command.confirm()) return CommandOutcome::Cancelled;
    if (command.needs == Needs::AnyPicture && !host.requireAnyPicture()) return CommandOutcome::Refused;
    if (command.escapeInformation) host.showEscapeInformation();
    host.saveUndoSnapshot();
    Interaction& ui = host.interaction();
    try {
        // Too small a noise amplitude draws nothing, and then there is nothing to refresh.
        if (!command.run(*host.currentPicture(), ui)) return CommandOutcome::Done;
    } catch (const std::bad_alloc& e) {
        reportOutOfMemory(ui, e);
        host.refreshView();
        return CommandOutcome::OutOfMemory;
    }
    host.refreshView();
    return CommandOutcome::Done;
}
