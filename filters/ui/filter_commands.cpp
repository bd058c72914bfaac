#include "filters/ui/filter_commands.h"

#include <new>

#include "core/paint_settings.h"
#include "filters/noise_filter.h"
#include "filters/render_connectable.h"
#include "filters/sharpen_filter.h"
#include "filters/ui/noise_dialog.h"
#include "filters/ui/sharpen_dialog.h"
#include "ui/picture_host.h"

namespace {

constexpr const char* kNoMemory = "Not enough memory to filter this picture";

}  // namespace

void runNoiseCommand(PictureHost& host) {
    if (!host.requirePicture()) return;
    if (!noiseDialog(host.dialogParent()).run()) return;
    host.saveUndoSnapshot();
    const NoiseParams& p = noiseParams();
    // Too small an amplitude draws nothing, and then there is nothing to refresh.
    if (noiseFilter(host.currentPicture(), p.monochrome != 0, p.noisePercent, p.seed, host.interaction())) {
        host.refreshView();
    }
}

// Sharpen and render connectable make no picture or size check: they work on any
// size, and without a picture they change nothing (sharpen still lets the strength
// be edited).
void runSharpenCommand(PictureHost& host) {
    if (!sharpenDialog(host.dialogParent()).run()) return;
    if (!host.currentPicture()) return;
    host.saveUndoSnapshot();
    try {
        sharpenFilter(host.currentPicture(), sharpenParams().sharpenPercent, paintSettings().connectable != 0);
    } catch (const std::bad_alloc&) {
        // A picture far wider than anything "New" makes; it is left as it was.
        host.interaction().showMessage(kNoMemory, kMainCaption, Interaction::Icon::Error);
    }
    host.refreshView();
}

void runRenderConnectableCommand(PictureHost& host) {
    if (!host.currentPicture()) return;
    host.saveUndoSnapshot();
    try {
        renderConnectable(host.currentPicture());
    } catch (const std::bad_alloc&) {
        host.interaction().showMessage(kNoMemory, kMainCaption, Interaction::Icon::Error);
    }
    host.refreshView();
}
