#include "filters/ui/filter_commands.h"

#include "command/command_runner.h"
#include "core/paint_settings.h"
#include "filters/noise_filter.h"
#include "filters/render_connectable.h"
#include "filters/sharpen_filter.h"
#include "filters/ui/noise_dialog.h"
#include "filters/ui/sharpen_dialog.h"
#include "ui/picture_host.h"

void runNoiseCommand(PictureHost& host) {
    PictureCommand command;
    command.confirm = [&] { return noiseDialog(host.dialogParent()).run(); };
    command.run = [](Picture& picture, Interaction& ui) {
        const NoiseParams& p = noiseParams();
        return noiseFilter(&picture, p.monochrome != 0, p.noisePercent, p.seed, ui);
    };
    runPictureCommand(host, command);
}

// Sharpen and render connectable work on any size, and without a picture they
// change nothing (sharpen still lets the strength be edited). A picture too wide
// for their row buffers is left as it was, with the runner's message.
void runSharpenCommand(PictureHost& host) {
    PictureCommand command;
    command.needs = PictureCommand::Needs::AnyPicture;
    command.confirm = [&] { return sharpenDialog(host.dialogParent()).run(); };
    command.run = [](Picture& picture, Interaction&) {
        sharpenFilter(&picture, sharpenParams().sharpenPercent, paintSettings().connectable != 0);
        return true;
    };
    runPictureCommand(host, command);
}

void runRenderConnectableCommand(PictureHost& host) {
    PictureCommand command;
    command.needs = PictureCommand::Needs::AnyPicture;
    command.run = [](Picture& picture, Interaction&) {
        renderConnectable(&picture);
        return true;
    };
    runPictureCommand(host, command);
}
