#include "filters/ui/filter_commands.h"

#include <new>

#include "app/picture_host.h"
#include "core/paint_settings.h"
#include "filters/noise_filter.h"
#include "filters/render_connectable.h"
#include "filters/sharpen_filter.h"
#include "filters/ui/noise_dialog.h"
#include "filters/ui/sharpen_dialog.h"

namespace {

constexpr const char* kNotInitialized = "The picture is not initialized,please goto File->New";
constexpr const char* kNoMemory = "Not enough memory to filter this picture";

// The one check sharpen and render connectable make: a picture must exist (they work
// on any size).
bool havePicture(PictureHost& host) {
    if (host.currentPicture()) return true;
    host.interaction().showMessage(kNotInitialized, kMainCaption, Interaction::Icon::Error);
    return false;
}

} // namespace

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

void runSharpenCommand(PictureHost& host) {
    if (!havePicture(host)) return;
    if (!sharpenDialog(host.dialogParent()).run()) return;
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
    if (!havePicture(host)) return;
    host.saveUndoSnapshot();
    try {
        renderConnectable(host.currentPicture());
    } catch (const std::bad_alloc&) {
        host.interaction().showMessage(kNoMemory, kMainCaption, Interaction::Icon::Error);
    }
    host.refreshView();
}
