// GeometryTable: polygon tests, line intersection, offsets and the line stepper.
#include "entry_guard.h"
#include "plane_geometry.h"
#include "table_fill.h"

using namespace tolvanea;

namespace {

int32_t polygonContains(int32_t n, const int32_t* xs, const int32_t* ys, int32_t px, int32_t py) {
    return polygonContainsPoint(n, xs, ys, px, py);
}

int32_t polygonContainsReal(int32_t n, const double* xs, const double* ys, double px, double py) {
    return polygonContainsPointReal(n, xs, ys, px, py);
}

RtBool lineIntersection(const Segment* a, const Segment* b, double* x, double* y) {
    double ix, iy;
    if (!a || !b || !intersectLines(*a, *b, ix, iy)) return 0;
    if (x) *x = ix;
    if (y) *y = iy;
    return 1;
}

void offsetSegment(const Segment* segment, double distance, Segment* out) {
    if (segment && out) *out = offsetSegmentBy(*segment, distance);
}

double square(double x) { return x * x; }

double distance(double x1, double y1, double x2, double y2) { return pointDistance(x1, y1, x2, y2); }

RtBool segmentsCross(const Segment* a, const Segment* b) { return a && b && segmentsIntersect(*a, *b) ? 1 : 0; }

void stepLine(RtWord context, int32_t x1, int32_t y1, int32_t x2, int32_t y2, PlotFn plot) {
    if (!plot) return;
    stepLinePoints(x1, y1, x2, y2, [&](int32_t x, int32_t y) { plot(context, x, y, 1); });
}

}  // namespace

void fillGeometryTable(GeometryTable* table) {
    table->size = sizeof(GeometryTable);
    table->polygonContains = guarded<polygonContains>;
    table->polygonContainsReal = guarded<polygonContainsReal>;
    table->lineIntersection = guarded<lineIntersection>;
    table->offsetSegment = guarded<offsetSegment>;
    table->square = guarded<square>;
    table->distance = guarded<distance>;
    table->segmentsCross = guarded<segmentsCross>;
    table->stepLine = guarded<stepLine>;
}
