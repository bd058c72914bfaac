#include <string>

#include "cli/arguments.h"
#include "cli/declared_steps.h"
#include "cli/step_table.h"
#include "command/command_texts.h"
#include "core/shape_color.h"
#include "generators/fill_color.h"
#include "params/declarations.h"
#include "params/parameter_blocks.h"

void registerPictureSteps(StepTable& table) {
    table.add(declaredStep(newPictureDeclaration(), 0, [](CliContext& c, const std::vector<std::string>& a) {
        // The dialog's OK keeps the size before the command checks it.
        NewPictureParams& p = newPictureParams();
        storeArguments(newPictureDeclaration(), 0, a, &p);
        const int32_t w = p.pictureWidth, h = p.pictureHeight;
        if (const char* problem = pictureSizeProblem(w, h)) return c.refuse(problem);
        PicturePtr picture = createPicture(w, h, 0);
        if (!picture) return c.refuse(noMemoryForPictureText(w, h));
        c.picture = std::move(picture);
        return true;
    }));

    table.add(declaredStep({"fill",
                            "fill the whole picture with one colour (\"Fill Color ...\" answered Yes)",
                            "",
                            {{"RRGGBB", 0, ArgumentForm::Rgb}}},
                           [](CliContext& c, const std::vector<std::string>& a) {
                               PictureCommand command;
                               command.run = [&](Picture& picture, Interaction&) {
                                   fillColor(&picture, shapeColorFromPacked(*parseHexColor(a[0])), true);
                                   return true;
                               };
                               return c.run(command);
                           }));
}
