#include "compositing/ui/compositing_commands.h"

#include "command/command_runner.h"
#include "compositing/circle_mix.h"
#include "compositing/tag_stamping.h"
#include "compositing/ui/circle_mix_dialog.h"
#include "compositing/ui/tag_dialog.h"
#include "core/paint_settings.h"
#include "params/parameter_blocks.h"
#include "ui/picture_host.h"

namespace {

template <class Dialog, class Run>
void runCompositing(PictureHost& host, Dialog& (*dialog)(QWidget*), Run run) {
    PictureCommand command;
    command.confirm = [&] { return dialog(host.dialogParent()).run(); };
    command.escapeInformation = true;
    command.run = [&](Picture& picture, Interaction& ui) {
        run(&picture, ui);
        return true;
    };
    runPictureCommand(host, command);
}

}  // namespace

void runTagCommand(PictureHost& host, const ImageLibrary& library) {
    runCompositing(host, tagDialog, [&](Picture* picture, Interaction& ui) {
        const PaintSettings& s = paintSettings();
        stampTags(picture, tagParams(), s.blendColor, s.rotationAntiAlias != 0, library, ui);
    });
}

void runCircleMixCommand(PictureHost& host, const ImageLibrary& library) {
    runCompositing(host, circleMixDialog, [&](Picture* picture, Interaction& ui) {
        mixCircles(picture, circleMixParams(), paintSettings().rotationAntiAlias != 0, library, ui);
    });
}
