#include "cli/declared_steps.h"
#include "cli/step_table.h"
#include "generators/circle_generator.h"
#include "generators/polygon_generator.h"
#include "generators/rectangle_generator.h"
#include "generators/vector_generator.h"
#include "params/declarations.h"
#include "params/parameter_blocks.h"

namespace {

// The window's standard flow, with the values stored in the dialog's block as its
// OK stores them; a step ends early at Ctrl+C and the next one starts.
template <class Params>
Step generator(const BlockDeclaration& block, Params& params, void (*draw)(Picture*, const Params&, Interaction&)) {
    return declaredStep(block, 0, [&block, &params, draw](CliContext& c, const std::vector<std::string>& a) {
        return c.run(drawingCommand(nullptr, [&](Picture& picture, Interaction& ui) {
            storeArguments(block, 0, a, &params);
            draw(&picture, params, ui);
        }));
    });
}

}  // namespace

void registerShapeSteps(StepTable& table) {
    table.add(generator(circleDeclaration(), circleParams(), drawCircles));
    table.add(generator(rectangleDeclaration(), rectangleParams(), drawRectangles));
    table.add(generator(polygonDeclaration(), polygonParams(), drawPolygons));
    table.add(generator(vectorDeclaration(), vectorParams(), drawVectors));
}
