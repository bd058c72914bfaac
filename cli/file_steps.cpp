#include <string>

#include "cli/declared_steps.h"
#include "cli/step_table.h"
#include "command/command_texts.h"
#include "exchange/image_library.h"
#include "exchange/picture_file.h"

void registerFileSteps(StepTable& table) {
    table.add(declaredStep({"load", "import a picture file (any size) through the image library", "", {{"FILE"}}},
                           [](CliContext& c, const std::vector<std::string>& a) {
                               PicturePtr loaded = c.importPicture(a[0]);
                               if (!loaded) return false;
                               c.picture = std::move(loaded);
                               return true;
                           }));

    table.add(declaredStep({"save",
                            "export the picture; the extension (.bmp, .png, .jpg) picks the format",
                            kNoExtensionMessage,
                            {{"FILE", 0, ArgumentForm::FileName}}},
                           [](CliContext& c, const std::vector<std::string>& a) {
                               if (!c.requirePicture()) return false;
                               const ImageLibrary* lib = c.imageLibrary();
                               std::string reason;
                               if (!lib || !writePictureFile(*lib, *c.picture, a[0], &reason))
                                   return c.refuseExport(a[0], reason);
                               return true;
                           }));
}
