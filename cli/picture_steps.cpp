#include <string>

#include "cli/arguments.h"
#include "cli/step_table.h"
#include "command/command_texts.h"
#include "core/shape_color.h"
#include "generators/fill_color.h"
#include "params/parameter_blocks.h"

void registerPictureSteps(StepTable& table) {
    table.add({"new", 2, "new W H", "a new opaque white picture of W x H pixels (at least 4 x 4)", allInt32(),
               [](CliContext& c, const std::vector<std::string>& a) {
                   const int32_t w = *parseInt32(a[0]), h = *parseInt32(a[1]);
                   // The dialog's OK keeps the size before the command checks it.
                   newPictureParams().pictureWidth = w;
                   newPictureParams().pictureHeight = h;
                   if (const char* problem = pictureSizeProblem(w, h)) return c.refuse(problem);
                   PicturePtr picture = createPicture(w, h, 0);
                   if (!picture) return c.refuse(noMemoryForPictureText(w, h));
                   c.picture = std::move(picture);
                   return true;
               }});

    table.add({"fill", 1, "fill RRGGBB", "fill the whole picture with one colour (\"Fill Color ...\" answered Yes)",
               [](const std::vector<std::string>& a) { return parseHexColour(a[0]) ? -1 : 0; },
               [](CliContext& c, const std::vector<std::string>& a) {
                   PictureCommand command;
                   command.run = [&](Picture& picture, Interaction&) {
                       fillColor(&picture, shapeColorFromPacked(*parseHexColour(a[0])), true);
                       return true;
                   };
                   return c.run(command);
               }});
}
