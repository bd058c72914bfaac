#include <string>

#include "cli/arguments.h"
#include "cli/step_table.h"
#include "exchange/image_library.h"
#include "exchange/picture_file.h"

void registerFileSteps(StepTable& table) {
    table.add({"load", 1, "load FILE", "import a picture file (any size) through the image library",
               [](const std::vector<std::string>& a) { return a[0].empty() ? 0 : -1; },
               [](CliContext& c, const std::vector<std::string>& a) {
                   PicturePtr loaded = c.importPicture(a[0]);
                   if (!loaded) return false;
                   c.picture = std::move(loaded);
                   return true;
               }});

    table.add({"save", 1, "save FILE", "export the picture; the extension (.bmp, .png, .jpg) picks the format",
               [](const std::vector<std::string>& a) { return hasFileExtension(a[0]) ? -1 : 0; },
               [](CliContext& c, const std::vector<std::string>& a) {
                   if (!c.requirePicture()) return false;
                   const ImageLibrary* lib = c.imageLibrary();
                   std::string reason;
                   if (!lib || !writePictureFile(*lib, *c.picture, a[0], &reason)) return c.refuseExport(a[0], reason);
                   return true;
               },
               "Please enter extension eg(.jpg)"});
}
