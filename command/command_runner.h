#pragma once
#include <functional>

class CommandHost;
class Interaction;
struct Picture;

// The standard flow of a picture command, written once for the window, vospren-cli
// and the tests: the picture check, the dialog, the Escape information, the undo
// snapshot, the run with its progress and interruption, the out-of-memory report
// and the refresh.
struct PictureCommand {
    // Which picture the command works on.
    enum class Needs {
        // At least 4 x 4, checked before the dialog, each failure with its message.
        SizedPicture,
        // Any size, checked after the dialog (which may still edit its values).
        AnyPicture,
    };
    Needs needs = Needs::SizedPicture;
    // The dialog (the window) or the storing of the step's arguments (vospren-cli);
    // false stops the command. None: the command has no dialog.
    std::function<bool()> confirm;
    // The random generators and the compositing runs show it before the snapshot.
    bool escapeInformation = false;
    // The operation on the current picture. False when it changed nothing, so that
    // there is nothing to refresh. An operation that runs out of memory throws
    // std::bad_alloc (OutOfMemory for a message of its own); what it drew stays.
    std::function<bool(Picture& picture, Interaction& ui)> run;
};

// The random generators and the compositing runs: `confirm` as above, the Escape
// information before the snapshot, then `draw`, after which there is always
// something to refresh.
PictureCommand drawingCommand(std::function<bool()> confirm, std::function<void(Picture&, Interaction&)> draw);

enum class CommandOutcome {
    Refused,      // a picture check failed; its message was shown
    Cancelled,    // the dialog ended without OK
    Done,         // ran, to its end or until interrupted
    OutOfMemory,  // ran out of memory; the message was shown and the view refreshed
};

CommandOutcome runPictureCommand(CommandHost& host, const PictureCommand& command);
