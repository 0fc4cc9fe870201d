// Rotation, projection, range tracking and the blank picture.

#include "renderTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace gyrelune;
using namespace gyrelune::test;

namespace {

class Raster : public testing::Test {
  protected:
    RandomGenerator random;
    RenderCore core{random};

    // Gives the range the depth 0 to 3, at pixels out of the way.
    void depthRangeZeroToThree() {
        plotAt(core, -40, 30, 0);
        plotAt(core, -40, 30, 3);
    }
    bool rangeEmpty() const {
        const Real48 zero;
        return core.ranges().xMax == zero && core.ranges().xMin == zero &&
               core.ranges().yMax == zero && core.ranges().yMin == zero &&
               core.ranges().zMax == zero && core.ranges().zMin == zero;
    }
};

TEST_F(Raster, BlankPictureIsBackgroundInsideAOnePixelBlackRing) {
    Settings s;
    s.background = packColour(10, 20, 30);
    drawNow(core, s, 7, 5);
    const PixelBuffer& p = core.picture();
    ASSERT_EQ(p.stride(), 24); // 7 pixels of 3 bytes, padded to 4
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            const bool ring = x == 0 || y == 0 || x == 6 || y == 4;
            const Rgb expected = ring ? Rgb{0, 0, 0} : Rgb{10, 20, 30};
            EXPECT_EQ(pixelAt(p, x, y), expected) << x << "," << y;
        }
    }
    s.background = -16777201; // a system-colour code counts as black
    drawNow(core, s, 7, 5);
    EXPECT_EQ(pixelAt(core.picture(), 3, 2), (Rgb{0, 0, 0}));
    EXPECT_EQ(core.backgroundColour(), 0);
}

TEST_F(Raster, StartPointIsLeftOutUnlessTheRotationMovesAllThreeCoordinates) {
    drawNow(core, {});
    for (int i = 0; i < 50; ++i)
        core.plotStep();
    EXPECT_TRUE(rangeEmpty());

    Settings oneAxis;
    oneAxis.angleX = 0.5;
    drawNow(core, oneAxis);
    core.plotStep();
    EXPECT_TRUE(rangeEmpty());

    Settings allAxes;
    allAxes.angleX = 0.3;
    allAxes.angleY = 0.4;
    allAxes.angleZ = 0.5;
    drawNow(core, allAxes);
    core.plotStep();
    EXPECT_FALSE(rangeEmpty());
    EXPECT_EQ(core.ranges().xMax, core.ranges().xMin);
}

TEST_F(Raster, RangeRestartsAfterOnlyTheOriginWasSeen) {
    drawNow(core, {});
    plotAt(core, 0, 0, 0);
    EXPECT_TRUE(rangeEmpty());
    plotAt(core, 0.5, 0.25, 2);
    EXPECT_EQ(core.ranges().xMin, Real48::fromExtended(0.5));
    EXPECT_EQ(core.ranges().zMin, Real48::fromExtended(2));
    plotAt(core, -0.5, 3, -2);
    EXPECT_EQ(core.ranges().xMin, Real48::fromExtended(-0.5));
    EXPECT_EQ(core.ranges().xMax, Real48::fromExtended(0.5));
    EXPECT_EQ(core.ranges().yMax, Real48::fromExtended(3));
    EXPECT_EQ(core.ranges().zMin, Real48::fromExtended(-2));
    EXPECT_EQ(core.ranges().zMax, Real48::fromExtended(2));
}

TEST_F(Raster, ProjectionRoundsHalvesToEvenAndCentresOddWidthsOnTheLowerHalf) {
    Settings s;
    drawNow(core, s, 401, 100);
    depthRangeZeroToThree();
    plotAt(core, 0, 0, 2);      // column 200, row 50
    plotAt(core, 2.5, 0.5, 2);  // 2.5 -> 2, 0.5 -> 0
    plotAt(core, 3.5, -1.5, 2); // 3.5 -> 4, -1.5 -> -2
    EXPECT_EQ(core.cell(200, 50).accGreen, Real48::fromExtended(1));
    EXPECT_EQ(core.cell(202, 50).accGreen, Real48::fromExtended(1));
    EXPECT_EQ(core.cell(204, 52).accGreen, Real48::fromExtended(1));

    s.zoom = 10;
    s.centreX = -1;
    s.centreY = 2;
    drawNow(core, s, 100, 100);
    depthRangeZeroToThree();
    plotAt(core, 0.5, 1, 2); // 50 + 15, 50 - (-10)
    EXPECT_EQ(core.cell(65, 60).accGreen, Real48::fromExtended(1));
}

TEST_F(Raster, EdgesZeroAreNeverPlottedButTheLastColumnAndRowAre) {
    drawNow(core, {});
    depthRangeZeroToThree();
    const int counted = core.pointCount();
    plotAt(core, -50, 0, 2); // column 0
    plotAt(core, 0, 50, 2);  // row 0
    plotAt(core, 50, 0, 2);  // column 100 = W
    plotAt(core, 0, -50, 2); // row 100 = H
    EXPECT_EQ(core.pointCount(), counted);
    EXPECT_EQ(pixelAt(core.picture(), 0, 50), (Rgb{0, 0, 0}));
    plotAt(core, 49, 0, 2);  // column 99
    plotAt(core, 0, -49, 2); // row 99
    EXPECT_EQ(core.pointCount(), counted + 2);
    EXPECT_EQ(pixelAt(core.picture(), 99, 50).green, 255);
    EXPECT_EQ(pixelAt(core.picture(), 50, 99).green, 255);
}

TEST_F(Raster, FarPointsAreNotDrawnButWidenTheRange) {
    drawNow(core, {});
    depthRangeZeroToThree();
    const int counted = core.pointCount();
    for (long double far : {1e6L, 1e30L, -1.7e38L}) {
        plotAt(core, far, 0.5, 2);
        plotAt(core, 0.5, far, 2);
    }
    EXPECT_EQ(core.pointCount(), counted);
    EXPECT_EQ(core.stepsSinceHandOff(), 8);
    EXPECT_EQ(core.ranges().xMax, Real48::fromExtended(1e30L));
    EXPECT_EQ(core.ranges().yMin, Real48::fromExtended(-1.7e38L));
}

TEST_F(Raster, FlatFigureLeavesThePictureAtTheBackground) {
    Settings s;
    s.x = "sin(x*y*4.36/pi)+y*0.453+0.45";
    s.y = "1.795*cos(x)-1.5324*sin(x*1.65/pi)";
    s.z = std::string("0");
    s.zoom = 40;
    s.centreX = 0.29L;
    s.centreY = -0.362L;
    s.background = packColour(0, 0, 80);
    drawNow(core, s, 200, 200);
    const PixelBuffer blank = core.picture();
    for (int i = 0; i < 25000; ++i)
        core.plotStep();
    EXPECT_GT(core.pointCount(), 10000);
    EXPECT_EQ(core.ranges().zMax, core.ranges().zMin);
    EXPECT_EQ(core.peakMagnitude(), Real48());
    EXPECT_TRUE(core.picture() == blank);
}

} // namespace
