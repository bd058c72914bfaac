#include <string>

#include "cli/arguments.h"
#include "cli/declared_steps.h"
#include "cli/step_table.h"
#include "compositing/preview_display.h"
#include "compositing/tag_insert_inputs.h"
#include "compositing/tag_insertion.h"
#include "core/paint_settings.h"
#include "exchange/image_library.h"
#include "params/declarations.h"
#include "params/parameter_blocks.h"

namespace {

bool insertTag(CliContext& c, const std::vector<std::string>& a) {
    if (!c.picture) return c.refuse(kNoPictureMessage);
    // What the insertion dialog's fields would hand over.
    TagInsertParams& p = tagInsertParams();
    storeArguments(tagInsertDeclaration(), 0, a, &p);
    // The dialog shows the stored history in its combo and reading it stores the combo.
    p.insertHistory = insertComboEntries(p.insertHistory);
    const ImageLibrary* lib = c.imageLibrary();
    if (!lib) return false;
    // The loader reports an unreadable file itself.
    const std::optional<TagImage> tag = loadInsertTag(*lib, p, paintSettings().blendColor, c.ui);
    if (!tag) return false;
    insertTagAt(*c.picture, tag->cells(), tag->width, tag->height, *parseInt32(a[1]), *parseInt32(a[2]), p.insertLevel);
    return true;
}

bool writePreview(CliContext& c, int32_t zoom, bool frame, const std::string& path) {
    if (!c.picture) return c.refuse(kNoPictureMessage);
    PreviewDisplay display;
    if (buildPreviewDisplay(*c.picture, zoom, frame, display) == PreviewBuild::TooLarge) {
        return c.refuse("The preview of this picture at zoom " + std::to_string(zoom) +
                        " is too large; choose a higher zoom");
    }
    if (display.empty()) {
        return c.refuse("The preview of a " + std::to_string(c.picture->width) + " x " +
                        std::to_string(c.picture->height) + " picture at zoom " + std::to_string(zoom) + " is empty");
    }
    const std::vector<uint8_t> rgb = shownRgb(display);
    const ImageLibrary* lib = c.imageLibrary();
    if (!lib || !lib->saveToDisk ||
        !lib->saveToDisk(path.c_str(), rgb.data(), display.shownWidth(), display.shownHeight(), 0)) {
        return c.refuseExport(path);
    }
    return true;
}

}  // namespace

void registerPreviewSteps(StepTable& table) {
    table.add(declaredStep({"preview",
                            "write the 3 x 3 preview as shown (ZOOM 1..16, FRAME 1: \"Cadre Resolution\") through "
                            "the image library",
                            "ZOOM is 1..16, FRAME 0 or 1, FILE ends in .bmp, .png or .jpg",
                            {{"ZOOM", 0, ArgumentForm::Number, {}, kPreviewMinZoom, kPreviewMaxZoom},
                             {"FRAME", 1, ArgumentForm::ZeroOrOne},
                             {"FILE", 2, ArgumentForm::FileName}}},
                           [](CliContext& c, const std::vector<std::string>& a) {
                               return writePreview(c, *parseInt32(a[0]), a[1] == "1", a[2]);
                           }));

    table.add(declaredStep(tagInsertDeclaration(), 0, insertTag));
}
