#include <string>

#include "cli/arguments.h"
#include "cli/step_table.h"
#include "compositing/preview_display.h"
#include "core/paint_settings.h"
#include "exchange/image_library.h"

namespace {

bool hasExtension(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    return dot != std::string::npos && (slash == std::string::npos || dot > slash) && dot + 1 < path.size();
}

bool isZeroOrOne(const std::string& word) { return word == "0" || word == "1"; }

bool writePreview(CliContext& c, int32_t zoom, bool frame, const std::string& path) {
    if (!c.picture) return c.refuse(kNoPictureMessage);
    PreviewDisplay display;
    if (buildPreviewDisplay(*c.picture, zoom, frame, display) == PreviewBuild::TooLarge) {
        return c.refuse("The preview of this picture at zoom " + std::to_string(zoom) +
                        " is too large; choose a higher zoom");
    }
    if (display.empty()) {
        return c.refuse("The preview of a " + std::to_string(c.picture->width) + " x " +
                        std::to_string(c.picture->height) + " picture at zoom " + std::to_string(zoom) +
                        " is empty");
    }
    const std::vector<uint8_t> rgb = shownRgb(display);
    const ImageLibrary* lib = c.imageLibrary();
    if (!lib || !lib->saveToDisk ||
        !lib->saveToDisk(path.c_str(), rgb.data(), display.shownWidth(), display.shownHeight(), 0)) {
        c.refuse("Failure export image " + path);
        return c.refuse("Erreur exportation");
    }
    return true;
}

} // namespace

void registerPreviewSteps(StepTable& table) {
    table.add({"preview", 3, "preview ZOOM FRAME FILE",
               "write the 3 x 3 preview as shown (ZOOM 1..16, FRAME 1: \"Cadre Resolution\") through the image "
               "library",
               [](const std::vector<std::string>& a) {
                   const auto zoom = parseInt32(a[0]);
                   if (!zoom || *zoom < kPreviewMinZoom || *zoom > kPreviewMaxZoom) return 0;
                   if (!isZeroOrOne(a[1])) return 1;
                   return hasExtension(a[2]) ? -1 : 2;
               },
               [](CliContext& c, const std::vector<std::string>& a) {
                   return writePreview(c, *parseInt32(a[0]), a[1] == "1", a[2]);
               },
               "ZOOM is 1..16, FRAME 0 or 1, FILE ends in .bmp, .png or .jpg"});
}
