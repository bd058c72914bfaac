#include "compositing/ui/compositing_commands.h"

#include "compositing/circle_mix.h"
#include "compositing/tag_stamping.h"
#include "compositing/ui/circle_mix_dialog.h"
#include "compositing/ui/tag_dialog.h"
#include "core/paint_settings.h"
#include "params/parameter_blocks.h"
#include "ui/picture_host.h"

void runTagCommand(PictureHost& host, const ImageLibrary& library) {
    if (!host.requirePicture()) return;
    if (!tagDialog(host.dialogParent()).run()) return;
    host.showEscapeInformation();
    host.saveUndoSnapshot();
    const PaintSettings& s = paintSettings();
    stampTags(host.currentPicture(), tagParams(), s.blendColor, s.rotationAntiAlias != 0, library, host.interaction());
    host.refreshView();
}

void runCircleMixCommand(PictureHost& host, const ImageLibrary& library) {
    if (!host.requirePicture()) return;
    if (!circleMixDialog(host.dialogParent()).run()) return;
    host.showEscapeInformation();
    host.saveUndoSnapshot();
    mixCircles(host.currentPicture(), circleMixParams(), paintSettings().rotationAntiAlias != 0, library,
               host.interaction());
    host.refreshView();
}
