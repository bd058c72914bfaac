// Plane geometry through GeometryTable: tolerances, edge rules and the line stepper.
#include "runtime_host.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace {

const GeometryTable& geometry() { return *runtimeRoot().geometryTable; }

using Points = std::vector<std::pair<int32_t, int32_t>>;

Points stepped(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    Points points;
    geometry().stepLine(reinterpret_cast<RtWord>(&points), x1, y1, x2, y2,
                        [](RtWord context, int32_t x, int32_t y, int32_t one) {
                            EXPECT_EQ(one, 1);
                            reinterpret_cast<Points*>(context)->emplace_back(x, y);
                        });
    return points;
}

TEST(Geometry, IntegerPolygonCountsLeftEdgesNotRightOnes) {
    const int32_t xs[] = {0, 10, 10, 0}, ys[] = {0, 0, 10, 10};
    EXPECT_EQ(geometry().polygonContains(4, xs, ys, 5, 5), 1);
    EXPECT_EQ(geometry().polygonContains(4, xs, ys, 10, 5), 0);
    EXPECT_EQ(geometry().polygonContains(4, xs, ys, 0, 5), 1);
    EXPECT_EQ(geometry().polygonContains(4, xs, ys, 5, 10), 0);  // top edge excluded
    EXPECT_EQ(geometry().polygonContains(4, xs, ys, 5, 0), 1);   // bottom edge included
    EXPECT_EQ(geometry().polygonContains(0, xs, ys, 5, 5), 0);
    EXPECT_EQ(geometry().polygonContains(-3, xs, ys, 5, 5), 0);
}

TEST(Geometry, IntegerPolygonTruncatesTheCrossingAndSurvivesHugeCoordinates) {
    // Edge from (3,10) to (0,0): at py = 5 the crossing 1.5 comes out as 3 + trunc(-1.5) = 2.
    const int32_t xs[] = {0, 3, 20, 20}, ys[] = {0, 10, 10, 0};
    EXPECT_EQ(geometry().polygonContains(4, xs, ys, 1, 5), 0);
    EXPECT_EQ(geometry().polygonContains(4, xs, ys, 0, 5), 0);
    EXPECT_EQ(geometry().polygonContains(4, xs, ys, 2, 5), 1);
    // A triangle spanning most of the 32-bit range: a 32-bit product would overflow.
    const int32_t bx[] = {-2000000000, 2000000000, 0}, by[] = {-2000000000, -2000000000, 2000000000};
    EXPECT_EQ(geometry().polygonContains(3, bx, by, 0, 0), 1);
    EXPECT_EQ(geometry().polygonContains(3, bx, by, 1999000000, 1999000000), 0);
    EXPECT_EQ(geometry().polygonContains(3, bx, by, -1999000000, 1999000000), 0);
}

TEST(Geometry, RealPolygonUsesTheSameRule) {
    const double xs[] = {0, 10, 10, 0}, ys[] = {0, 0, 10, 10};
    EXPECT_EQ(geometry().polygonContainsReal(4, xs, ys, 5, 5), 1);
    EXPECT_EQ(geometry().polygonContainsReal(4, xs, ys, 10, 5), 0);
    EXPECT_EQ(geometry().polygonContainsReal(4, xs, ys, 0, 5), 1);
    EXPECT_EQ(geometry().polygonContainsReal(4, xs, ys, 9.999, 9.999), 1);
    const double tx[] = {0, 3, 20, 20}, ty[] = {0, 10, 10, 0};
    EXPECT_EQ(geometry().polygonContainsReal(4, tx, ty, 1, 5), 0);
    EXPECT_EQ(geometry().polygonContainsReal(4, tx, ty, 1.6, 5), 1);  // no truncation here
}

TEST(Geometry, LineIntersections) {
    double x = -1, y = -1;
    Segment a{0, 0, 10, 10}, b{0, 10, 10, 0};
    ASSERT_EQ(geometry().lineIntersection(&a, &b, &x, &y), 1);
    EXPECT_DOUBLE_EQ(x, 5);
    EXPECT_DOUBLE_EQ(y, 5);

    Segment p{0, 0, 10, 5}, q{0, 3, 10, 8};
    EXPECT_EQ(geometry().lineIntersection(&p, &q, &x, &y), 0);

    Segment v{3, 0, 3, 9}, d{0, 0, 6, 6};
    ASSERT_EQ(geometry().lineIntersection(&v, &d, &x, &y), 1);
    EXPECT_DOUBLE_EQ(x, 3);
    EXPECT_DOUBLE_EQ(y, 3);
    ASSERT_EQ(geometry().lineIntersection(&d, &v, &x, &y), 1);
    EXPECT_DOUBLE_EQ(x, 3);
    EXPECT_DOUBLE_EQ(y, 3);

    Segment v2{5, 0, 5.00001, 9}, h1{0, 1, 9, 1}, h2{0, 4, 9, 4.00005};
    EXPECT_EQ(geometry().lineIntersection(&v, &v2, &x, &y), 0);   // both vertical within tolerance
    EXPECT_EQ(geometry().lineIntersection(&h1, &h2, &x, &y), 0);  // both horizontal
    // A vertical and a horizontal line do meet.
    ASSERT_EQ(geometry().lineIntersection(&v, &h1, &x, &y), 1);
    EXPECT_DOUBLE_EQ(x, 3);
    EXPECT_DOUBLE_EQ(y, 1);
}

TEST(Geometry, SegmentCrossingIsStrictAtTheFirstSegmentsEnds) {
    Segment a{0, 0, 10, 0}, b{5, -5, 5, 5}, atEnd{10, -5, 10, 5};
    EXPECT_EQ(geometry().segmentsCross(&a, &b), 1);
    EXPECT_EQ(geometry().segmentsCross(&a, &atEnd), 0);
    EXPECT_EQ(geometry().segmentsCross(&atEnd, &a), 1);
    Segment far{20, -5, 20, 5};
    EXPECT_EQ(geometry().segmentsCross(&a, &far), 0);
    EXPECT_EQ(geometry().segmentsCross(&far, &a), 0);
}

TEST(Geometry, OffsetSquareAndDistance) {
    Segment s{0, 0, 10, 0}, out{};
    geometry().offsetSegment(&s, 2, &out);
    EXPECT_NEAR(out.x1, 0, 1e-8);
    EXPECT_NEAR(out.y1, -2, 1e-12);
    EXPECT_NEAR(out.x2, 10, 1e-8);
    EXPECT_NEAR(out.y2, -2, 1e-12);
    Segment up{0, 0, 0, 10};
    geometry().offsetSegment(&up, 3, &out);
    EXPECT_NEAR(out.x1, 3, 1e-8);
    EXPECT_NEAR(out.x2, 3, 1e-8);
    EXPECT_NEAR(out.y2, 10, 1e-8);

    EXPECT_EQ(geometry().square(-3), 9);
    EXPECT_EQ(geometry().distance(1, 1, 4, 5), 5);
}

TEST(Geometry, StepLineReportsBothPassesFromTheSecondEnd) {
    EXPECT_EQ(stepped(0, 0, 4, 2), (Points{{4, 2}, {2, 1}, {0, 0}, {4, 2}, {3, 1}, {2, 1}, {1, 0}, {0, 0}}));
    EXPECT_EQ(stepped(2, 5, 2, 5), (Points{{2, 5}, {2, 5}}));
    // Reversed direction: steps go up toward the first end.
    EXPECT_EQ(stepped(4, 2, 0, 0), (Points{{0, 0}, {2, 1}, {4, 2}, {0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}));
    // Horizontal: the first pass has a single point at the first x.
    EXPECT_EQ(stepped(0, 3, 2, 3), (Points{{0, 3}, {2, 3}, {1, 3}, {0, 3}}));
    // Negative coordinates truncate toward zero, not down.
    EXPECT_EQ(stepped(0, 0, -4, -2),
              (Points{{-4, -2}, {-2, -1}, {0, 0}, {-4, -2}, {-3, -1}, {-2, -1}, {-1, 0}, {0, 0}}));
}

TEST(Geometry, StepLineAtTheEdgesOfTheIntegerRange) {
    Points p = stepped(INT_MAX - 1, INT_MIN, INT_MAX, INT_MIN + 1);
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p.front(), (std::pair<int32_t, int32_t>{INT_MAX, INT_MIN + 1}));
    EXPECT_EQ(p.back(), (std::pair<int32_t, int32_t>{INT_MAX - 1, INT_MIN}));
    geometry().stepLine(0, 0, 0, 1, 1, nullptr);  // no plot function: nothing happens
}

}  // namespace
