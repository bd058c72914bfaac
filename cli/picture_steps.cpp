#include <string>

#include "cli/arguments.h"
#include "cli/declared_steps.h"
#include "cli/step_table.h"
#include "core/shape_color.h"
#include "generators/fill_color.h"
#include "params/declarations.h"
#include "params/parameter_blocks.h"

void registerPictureSteps(StepTable& table) {
    table.add(declaredStep(newPictureDeclaration(), 0, [](CliContext& c, const std::vector<std::string>& a) {
        // The dialog's OK keeps the size before the command checks it.
        NewPictureParams& p = newPictureParams();
        storeArguments(newPictureDeclaration(), 0, a, &p);
        if (const char* problem = pictureSizeProblem(p.pictureWidth, p.pictureHeight)) return c.refuse(problem);
        PicturePtr picture = createPicture(p.pictureWidth, p.pictureHeight, 0);
        if (!picture) return c.refuse("Not enough memory for a picture of " + a[0] + " x " + a[1]);
        c.picture = std::move(picture);
        return true;
    }));

    table.add({"fill", 1, "fill RRGGBB", "fill the whole picture with one colour (\"Fill Color ...\" answered Yes)",
               [](const std::vector<std::string>& a) { return parseHexColour(a[0]) ? -1 : 0; },
               [](CliContext& c, const std::vector<std::string>& a) {
                   if (!c.requirePicture()) return false;
                   fillColor(c.picture.get(), shapeColorFromPacked(*parseHexColour(a[0])), true);
                   return true;
               }});
}
