#include "generators/ui/generator_commands.h"

#include "core/paint_settings.h"
#include "core/shape_color.h"
#include "generators/fill_color.h"
#include "generators/ui/circle_dialog.h"
#include "generators/ui/colour_chooser.h"
#include "generators/ui/mix_dialog.h"
#include "generators/ui/polygon_dialog.h"
#include "generators/ui/rectangle_dialog.h"
#include "generators/ui/vector_dialog.h"
#include "params/parameter_blocks.h"
#include "ui/picture_host.h"

namespace {

// The flow every random generator shares: a picture of at least 4 x 4, the
// dialog confirmed, the word about Escape, the undo snapshot, the run, the refresh.
template <class Dialog, class Draw>
void runGenerator(PictureHost& host, Dialog& (*dialog)(QWidget*), Draw draw) {
    if (!host.requirePicture()) return;
    if (!dialog(host.dialogParent()).run()) return;
    host.showEscapeInformation();
    host.saveUndoSnapshot();
    draw(host.currentPicture(), host.interaction());
    host.refreshView();
}

}  // namespace

void runCircleCommand(PictureHost& host) {
    runGenerator(host, circleDialog, [](Picture* p, Interaction& ui) { drawCircles(p, circleParams(), ui); });
}

void runRectangleCommand(PictureHost& host) {
    runGenerator(host, rectangleDialog, [](Picture* p, Interaction& ui) { drawRectangles(p, rectangleParams(), ui); });
}

void runPolygonCommand(PictureHost& host) {
    runGenerator(host, polygonDialog, [](Picture* p, Interaction& ui) { drawPolygons(p, polygonParams(), ui); });
}

void runVectorCommand(PictureHost& host) {
    runGenerator(host, vectorDialog, [](Picture* p, Interaction& ui) { drawVectors(p, vectorParams(), ui); });
}

void runFillColorCommand(PictureHost& host) {
    if (!host.requirePicture()) return;
    const std::optional<uint32_t> chosen = chooseColour(host.dialogParent());
    if (!chosen) return;
    host.saveUndoSnapshot();
    const bool fullMix = host.interaction().askYesNo(kFillColorQuestion, kFillColorCaption, Interaction::Icon::None);
    fillColor(host.currentPicture(), shapeColorFromPacked(*chosen), fullMix);
    host.refreshView();
}

void runBlendColorCommand(PictureHost& host) {
    if (const std::optional<uint32_t> chosen = chooseColour(host.dialogParent())) {
        paintSettings().blendColor = *chosen;
    }
}

void runNoBlendColorCommand(PictureHost&) { paintSettings().blendColor = PaintSettings::kNoBlendColor; }

void runMixageCommand(PictureHost& host) { mixDialog(host.dialogParent()).run(); }
