#include "compositing/ui/compositing_commands.h"

#include "compositing/circle_mix.h"
#include "compositing/tag_stamping.h"
#include "compositing/ui/circle_mix_dialog.h"
#include "compositing/ui/tag_dialog.h"
#include "core/paint_settings.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_drawing.h"

void runTagCommand(PictureHost& host, const ImageLibrary& library) {
    runDialogDrawing(host, tagDialog, [&](Picture& picture, Interaction& ui) {
        const PaintSettings& s = paintSettings();
        stampTags(&picture, tagParams(), s.blendColor, s.rotationAntiAlias != 0, library, ui);
    });
}

void runCircleMixCommand(PictureHost& host, const ImageLibrary& library) {
    runDialogDrawing(host, circleMixDialog, [&](Picture& picture, Interaction& ui) {
        mixCircles(&picture, circleMixParams(), paintSettings().rotationAntiAlias != 0, library, ui);
    });
}
