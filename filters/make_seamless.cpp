#include "filters/make_seamless.h"

#include <cstring>
#include <memory>
#include <new>

#include "filters/make_seamless_blend.h"
#include "filters/make_seamless_periodic.h"

SeamlessOutcome makeSeamless(Picture* picture, SeamlessOptions options, Interaction& ui) {
    if (!picture || picture->width < 4 || picture->height < 4) return SeamlessOutcome::TooSmall;
    // A key press left over from before the command is cleared, its answer ignored.
    if (ui.escapePressed()) ui.askYesNo(kInterruptQuestion, kMainCaption, Interaction::Icon::Warning);

    const bool alongX = seamlessAlongX(options.axes);
    const bool alongY = seamlessAlongY(options.axes);
    if (options.method == SeamlessMethod::Blend) {
        // All channels in one short pass.
        seamlessBlend(*picture, alongX, alongY);
        ui.progress(3);
        return SeamlessOutcome::Done;
    }
    const size_t plane = size_t(picture->width) * size_t(picture->height) * 4;
    std::unique_ptr<uint8_t[]> out(new uint8_t[plane]);
    // Alpha stays 255; the channels fill in the rest.
    for (size_t k = 3; k < plane; k += 4) out[k] = 255;
    for (int channel = 0; channel < 3; ++channel) {
        if (channel > 0 && interruptRequested(ui)) return SeamlessOutcome::Stopped;
        seamlessPeriodicChannel(*picture, channel, alongX, alongY, out.get());
        ui.progress(channel + 1);
    }
    std::memcpy(picture->pixels, out.get(), plane);
    return SeamlessOutcome::Done;
}
