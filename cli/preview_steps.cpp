#include <string>

#include "cli/arguments.h"
#include "cli/step_table.h"
#include "compositing/preview_display.h"
#include "compositing/tag_insert_inputs.h"
#include "compositing/tag_insertion.h"
#include "core/paint_settings.h"
#include "exchange/image_library.h"
#include "params/parameter_blocks.h"

namespace {

// A number as a dialog's text field would hold it: an optional sign and digits, of
// any length (the dialog's own conversion then keeps what it keeps).
bool isNumberText(const std::string& word) {
    const size_t start = (!word.empty() && (word[0] == '-' || word[0] == '+')) ? 1 : 0;
    if (start == word.size()) return false;
    for (size_t i = start; i < word.size(); ++i) {
        if (word[i] < '0' || word[i] > '9') return false;
    }
    return true;
}

bool insertTag(CliContext& c, const std::vector<std::string>& a) {
    if (!c.picture) return c.refuse(kNoPictureMessage);
    // What the insertion dialog's fields would hand over.
    TagInsertParams& p = tagInsertParams();
    storeInsertFile(p, a[0]);
    p.insertAngle = insertAngleFromText(a[3]);
    p.insertAntiAlias = a[4] == "1" ? 1 : 0;
    p.insertLevel = insertLevelFromMixText(a[5]);
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
    table.add({"preview", 3, "preview ZOOM FRAME FILE",
               "write the 3 x 3 preview as shown (ZOOM 1..16, FRAME 1: \"Cadre Resolution\") through the image "
               "library",
               [](const std::vector<std::string>& a) {
                   const auto zoom = parseInt32(a[0]);
                   if (!zoom || *zoom < kPreviewMinZoom || *zoom > kPreviewMaxZoom) return 0;
                   if (!isZeroOrOne(a[1])) return 1;
                   return hasFileExtension(a[2]) ? -1 : 2;
               },
               [](CliContext& c, const std::vector<std::string>& a) {
                   return writePreview(c, *parseInt32(a[0]), a[1] == "1", a[2]);
               },
               "ZOOM is 1..16, FRAME 0 or 1, FILE ends in .bmp, .png or .jpg"});

    table.add({"insert-tag", 6, "insert-tag FILE X Y ANGLE ANTIALIAS MIX",
               "stamp FILE once as a click in the preview at picture position X, Y would (ANGLE and MIX as typed "
               "in the insertion dialog, ANTIALIAS 0 or 1)",
               [](const std::vector<std::string>& a) {
                   if (a[0].empty()) return 0;
                   if (!parseInt32(a[1])) return 1;
                   if (!parseInt32(a[2])) return 2;
                   if (!isNumberText(a[3])) return 3;
                   if (!isZeroOrOne(a[4])) return 4;
                   return isNumberText(a[5]) ? -1 : 5;
               },
               insertTag, "X and Y are whole numbers, ANGLE and MIX whole numbers as typed, ANTIALIAS 0 or 1"});
}
