#include "generators/ui/generator_commands.h"

#include "command/command_runner.h"
#include "core/paint_settings.h"
#include "core/shape_color.h"
#include "generators/fill_color.h"
#include "generators/ui/circle_dialog.h"
#include "generators/ui/color_chooser.h"
#include "generators/ui/mix_dialog.h"
#include "generators/ui/polygon_dialog.h"
#include "generators/ui/rectangle_dialog.h"
#include "generators/ui/vector_dialog.h"
#include "params/parameter_blocks.h"
#include "ui/dialog_drawing.h"

void runCircleCommand(PictureHost& host) {
    runDialogDrawing(host, circleDialog, [](Picture& p, Interaction& ui) { drawCircles(&p, circleParams(), ui); });
}

void runRectangleCommand(PictureHost& host) {
    runDialogDrawing(host, rectangleDialog,
                     [](Picture& p, Interaction& ui) { drawRectangles(&p, rectangleParams(), ui); });
}

void runPolygonCommand(PictureHost& host) {
    runDialogDrawing(host, polygonDialog, [](Picture& p, Interaction& ui) { drawPolygons(&p, polygonParams(), ui); });
}

void runVectorCommand(PictureHost& host) {
    runDialogDrawing(host, vectorDialog, [](Picture& p, Interaction& ui) { drawVectors(&p, vectorParams(), ui); });
}

void runFillColorCommand(PictureHost& host) {
    std::optional<uint32_t> chosen;
    PictureCommand command;
    command.confirm = [&] {
        chosen = chooseColor(host.dialogParent());
        return chosen.has_value();
    };
    // The question comes after the snapshot.
    command.run = [&](Picture& picture, Interaction& ui) {
        const bool fullMix = ui.askYesNo(kFillColorQuestion, kFillColorCaption, Interaction::Icon::None);
        fillColor(&picture, shapeColorFromPacked(*chosen), fullMix);
        return true;
    };
    runPictureCommand(host, command);
}

void runBlendColorCommand(PictureHost& host) {
    if (const std::optional<uint32_t> chosen = chooseColor(host.dialogParent())) {
        paintSettings().blendColor = *chosen;
    }
}

void runNoBlendColorCommand(PictureHost&) { paintSettings().blendColor = PaintSettings::kNoBlendColor; }

void runMixageCommand(PictureHost& host) { mixDialog(host.dialogParent()).run(); }
