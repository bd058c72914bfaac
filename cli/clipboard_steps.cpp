#include <string>

#include "cli/declared_steps.h"
#include "cli/step_table.h"
#include "command/command_texts.h"
#include "core/paint_settings.h"
#include "exchange/image_library.h"
#include "exchange/part_clipboard.h"
#include "exchange/picture_file.h"

// The part-clipboard round trip through files, so that a seam can be retouched in
// any editor from a script: part-export writes the picture with its margins,
// part-import reads the edited file back and keeps its centre.
namespace {

bool noMemory(CliContext& c, int64_t width, int64_t height) { return c.refuse(noMemoryForPictureText(width, height)); }

}  // namespace

void registerClipboardSteps(StepTable& table) {
    table.add(declaredStep(
        {"part-export",
         "export the picture with a margin of 1/8 of each side on every side (wrapped in connectable mode)",
         kNoExtensionMessage,
         {{"FILE", 0, ArgumentForm::FileName}}},
        [](CliContext& c, const std::vector<std::string>& a) {
            if (!c.requirePicture()) return false;
            const Picture& picture = *c.picture;
            PicturePtr enlarged = partExportPicture(picture, paintSettings().connectable != 0);
            if (!enlarged) {
                const PartMargins m = partExportMargins(picture.width, picture.height);
                return noMemory(c, int64_t(picture.width) + 2 * m.x, int64_t(picture.height) + 2 * m.y);
            }
            const ImageLibrary* lib = c.imageLibrary();
            std::string reason;
            if (!lib || !writePictureFile(*lib, *enlarged, a[0], &reason)) return c.refuseExport(a[0], reason);
            return true;
        }));

    table.add(declaredStep(
        {"part-import", "import a picture file without its margin of 1/10 of each side on every side", "", {{"FILE"}}},
        [](CliContext& c, const std::vector<std::string>& a) {
            PicturePtr loaded = c.importPicture(a[0]);
            if (!loaded) return false;
            const char* problem =
                pictureSizeProblem(partImportCheckedSide(loaded->width), partImportCheckedSide(loaded->height));
            if (problem) return c.refuse(problem);
            PicturePtr centre = partImportCentre(*loaded);
            if (!centre) return noMemory(c, loaded->width, loaded->height);
            c.picture = std::move(centre);
            return true;
        }));
}
