// Where the view puts a point: rotation, projection, Centre's fit, other sizes.
#include "render/viewGeometry.h"

#include <gtest/gtest.h>

#include <numbers>

namespace gyrelune {
namespace {

struct Point {
    double x, y, z;
};

Point rotated(Real48 ax, Real48 ay, Real48 az, Point p) {
    EXPECT_TRUE(Rotation(ax, ay, az).apply(p.x, p.y, p.z));
    return p;
}

void expectNear(Point got, Point want) {
    EXPECT_NEAR(got.x, want.x, 1e-9);
    EXPECT_NEAR(got.y, want.y, 1e-9);
    EXPECT_NEAR(got.z, want.z, 1e-9);
}

// A quarter turn about each axis, counter-clockwise seen from the axis' positive end.
TEST(Rotation, AQuarterTurnAboutEachAxisLandsWhereArithmeticSays) {
    const Real48 quarter = Real48::fromExtended(std::numbers::pi_v<long double> / 2), none;
    const Point p{1, 2, 3};
    expectNear(rotated(quarter, none, none, p), {1, -3, 2});
    expectNear(rotated(none, quarter, none, p), {3, 2, -1});
    expectNear(rotated(none, none, quarter, p), {-2, 1, 3});
    // Three quarter turns in the order X, then Y, then Z.
    expectNear(rotated(quarter, quarter, quarter, p), {3, 2, -1});
    // No angle: stored points pass through untouched.
    Point same = p;
    EXPECT_TRUE(Rotation().isIdentity());
    EXPECT_TRUE(Rotation().view(same.x, same.y, same.z));
    EXPECT_EQ(same.x, 1);
    EXPECT_EQ(same.z, 3);
}

ViewGeometry fittedView(int width, int height) {
    Ranges range;
    range.widen(-1, 0.25, 2);
    range.widen(3, 1.25, 5);
    return ViewGeometry(Rotation(), Real48(), Real48(), Real48(), width, height).fitted(range);
}

// x spans 4 units and y 1: on 200 x 100 the width needs more units per
// pixel, so it fills 95 % of 200 pixels; on 200 x 20 the height does.
TEST(ViewGeometry, CentreFitsTheLongerSideAt95PercentAroundThePictureMiddle) {
    const ViewGeometry wide = fittedView(200, 100);
    EXPECT_EQ(wide.zoom().toDouble(), 47.5);
    EXPECT_EQ(wide.centreX().toDouble(), 1);
    EXPECT_EQ(wide.centreY().toDouble(), 0.75);
    EXPECT_EQ(fittedView(200, 20).zoom().toDouble(), 19);
    long long px = 0, py = 0;
    ASSERT_TRUE(wide.project(3, 1.25, px, py));
    EXPECT_EQ(px, 195); // 100 + 47.5 * 2
    EXPECT_EQ(py, 26);  // 50 - 23.75
    ASSERT_TRUE(wide.project(1.5, 0.75, px, py));
    EXPECT_EQ(px, 124); // 100 + 23.75
    EXPECT_FALSE(wide.project(1e14, 0, px, py));

    // Three times the picture: the same figure three times larger.
    const ViewGeometry large = wide.scaled(3);
    EXPECT_EQ(large.width(), 600);
    EXPECT_EQ(large.zoom().toDouble(), 142.5);
    ASSERT_TRUE(large.project(3, 1.25, px, py));
    EXPECT_EQ(px, 585);
    EXPECT_EQ(py, 79); // 150 - 71.25
    EXPECT_EQ(wide.resized(400, 50).zoom().toDouble(), 95);
}

} // namespace
} // namespace gyrelune
