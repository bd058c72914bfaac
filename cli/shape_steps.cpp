#include "cli/declared_steps.h"
#include "cli/step_table.h"
#include "generators/circle_generator.h"
#include "generators/polygon_generator.h"
#include "generators/rectangle_generator.h"
#include "generators/vector_generator.h"
#include "params/declarations.h"
#include "params/parameter_blocks.h"

namespace {

// The checks of the window's standard flow, then the values stored in the
// dialog's block as its OK stores them, then the generator; a step ends early at
// Ctrl+C and the next one starts.
template <class Params>
Step generator(const BlockDeclaration& block, Params& params, void (*draw)(Picture*, const Params&, Interaction&)) {
    return declaredStep(block, 0, [&block, &params, draw](CliContext& c, const std::vector<std::string>& a) {
        if (!c.requirePicture()) return false;
        storeArguments(block, 0, a, &params);
        draw(c.picture.get(), params, c.ui);
        c.ui.finishProgress();
        return true;
    });
}

}  // namespace

void registerShapeSteps(StepTable& table) {
    table.add(generator(circleDeclaration(), circleParams(), drawCircles));
    table.add(generator(rectangleDeclaration(), rectangleParams(), drawRectangles));
    table.add(generator(polygonDeclaration(), polygonParams(), drawPolygons));
    table.add(generator(vectorDeclaration(), vectorParams(), drawVectors));
}
