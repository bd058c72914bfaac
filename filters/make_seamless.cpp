#include "filters/make_seamless.h"

#include <new>

#include "core/parallel.h"
#include "core/plane_memory.h"
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
    // Red and green go into planes of their own until no stop can come any more; blue,
    // the last, is written into the picture directly, then red and green join it.
    const size_t count = size_t(picture->width) * size_t(picture->height);
    const PlaneBytes planes = allocatePlaneBytes(2 * count);
    if (!planes) throw std::bad_alloc();
    PeriodicWorkspace workspace;
    for (int channel = 0; channel < 3; ++channel) {
        if (channel > 0 && interruptRequested(ui)) return SeamlessOutcome::Stopped;
        if (channel < 2) {
            seamlessPeriodicChannel(*picture, channel, alongX, alongY, planes.get() + size_t(channel) * count, 1,
                                    workspace);
        } else {
            seamlessPeriodicChannel(*picture, channel, alongX, alongY, picture->pixels + channel, 4, workspace);
        }
        ui.progress(channel + 1);
    }
    const uint8_t* red = planes.get();
    const uint8_t* green = red + count;
    parallelRows(int64_t(count), 1 << 16, [&](int64_t begin, int64_t end) {
        uint8_t* p = picture->pixels + size_t(begin) * 4;
        for (size_t k = size_t(begin); k < size_t(end); ++k, p += 4) {
            p[0] = red[k];
            p[1] = green[k];
            p[3] = 255;
        }
    });
    return SeamlessOutcome::Done;
}
