#include "cli/arguments.h"
#include "cli/step_table.h"
#include "generators/circle_generator.h"
#include "generators/polygon_generator.h"
#include "generators/rectangle_generator.h"
#include "generators/vector_generator.h"
#include "params/parameter_blocks.h"

namespace {
int32_t arg(const std::vector<std::string>& a, size_t i) { return *parseInt32(a[i]); }

// The window's standard flow, with the values stored in the dialog's block as its
// OK stores them; a step ends early at Ctrl+C and the next one starts.
template <class Draw>
Step::Runner generator(Draw draw) {
    return [draw](CliContext& c, const std::vector<std::string>& a) {
        PictureCommand command;
        command.escapeInformation = true;
        command.run = [&](Picture&, Interaction&) {
            draw(c, a);
            return true;
        };
        return c.run(command);
    };
}
}  // namespace

void registerShapeSteps(StepTable& table) {
    table.add({"circles", 3, "circles RAYMIN RAYMAX COUNT",
               "filled discs, radius from RAYMIN up to RAYMAX (excluded); COUNT <= 0 draws until Ctrl+C", allInt32(),
               generator([](CliContext& c, const std::vector<std::string>& a) {
                   CircleParams& q = circleParams();
                   q.rayMin = arg(a, 0);
                   q.rayMax = arg(a, 1);
                   q.circleCount = arg(a, 2);
                   drawCircles(c.picture.get(), q, c.ui);
               })});

    table.add({"rectangles", 5, "rectangles XMIN YMIN XMAX YMAX COUNT",
               "filled rectangles, sizes from the minimums up to the maximums (excluded)", allInt32(),
               generator([](CliContext& c, const std::vector<std::string>& a) {
                   RectangleParams& q = rectangleParams();
                   q.xMin = arg(a, 0);
                   q.yMin = arg(a, 1);
                   q.xMax = arg(a, 2);
                   q.yMax = arg(a, 3);
                   q.rectangleCount = arg(a, 4);
                   drawRectangles(c.picture.get(), q, c.ui);
               })});

    table.add(
        {"polygons", 6, "polygons RAYMIN RAYMAX ANGMIN ANGMAX COUNT FILL",
         "star-like polygons: vertex distances and angle steps (degrees) from their ranges; FILL 1 fills, 0 outlines",
         allInt32(), generator([](CliContext& c, const std::vector<std::string>& a) {
             PolygonParams& q = polygonParams();
             q.rayMin = arg(a, 0);
             q.rayMax = arg(a, 1);
             q.angMin = arg(a, 2);
             q.angMax = arg(a, 3);
             q.polygonCount = arg(a, 4);
             q.polygonFill = arg(a, 5) != 0 ? 1 : 0;
             drawPolygons(c.picture.get(), q, c.ui);
         })});

    table.add({"vectors", 6, "vectors LENMIN LENMAX WMIN WMAX COUNT FILL",
               "thick strokes: lengths and weights from their ranges; FILL 1 fills, 0 outlines", allInt32(),
               generator([](CliContext& c, const std::vector<std::string>& a) {
                   VectorParams& q = vectorParams();
                   q.lengthMin = arg(a, 0);
                   q.lengthMax = arg(a, 1);
                   q.weightMin = arg(a, 2);
                   q.weightMax = arg(a, 3);
                   q.vectorCount = arg(a, 4);
                   q.vectorFill = arg(a, 5) != 0 ? 1 : 0;
                   drawVectors(c.picture.get(), q, c.ui);
               })});
}
