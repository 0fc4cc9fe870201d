// The loop: restart take-over, the orbit's random restarts, resizing.

#include "renderTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

using namespace gyrelune;
using namespace gyrelune::test;

namespace {

class Loop : public testing::Test {
  protected:
    RandomGenerator random;
    RenderCore core{random};
    DirectDriver driver;

    void passUntilHandOff() {
        const int before = driver.handOffs;
        while (driver.handOffs == before)
            core.executePass(driver);
    }
};

TEST_F(Loop, RestartTakenOverOnlyAfter101StepsSinceAHandOff) {
    drawNow(core, {});
    passUntilHandOff();
    ASSERT_EQ(core.stepsSinceHandOff(), 0);
    Settings later;
    later.zoom = 2;
    writePending(core, later);
    int steps = 0;
    while (driver.restarts == 0) {
        core.executePass(driver);
        ++steps;
    }
    EXPECT_EQ(steps - 1, 101); // the pass that takes it over comes after 101 steps
    EXPECT_EQ(core.zoom(), Real48::fromExtended(2));
    EXPECT_FALSE(core.restartRequested());
    EXPECT_EQ(core.stepsSinceHandOff(), 1);

    while (core.stepsSinceHandOff() < 500)
        core.executePass(driver);
    writePending(core, {});
    core.executePass(driver);
    EXPECT_EQ(driver.restarts, 2);
    EXPECT_EQ(core.zoom(), Real48::fromExtended(1));
}

TEST_F(Loop, TwoDrawsBetweenPassesGiveOneRestartWithTheLaterSettings) {
    drawNow(core, {});
    for (int i = 0; i < 200; ++i)
        core.executePass(driver);
    Settings first, second;
    first.zoom = 3;
    first.x = "x*0.5";
    second.zoom = 4;
    second.x = "x*0.25";
    writePending(core, first);
    writePending(core, second);
    for (int i = 0; i < 3000; ++i)
        core.executePass(driver);
    EXPECT_EQ(driver.restarts, 1);
    EXPECT_EQ(core.zoom(), Real48::fromExtended(4));
    EXPECT_EQ(core.activeFormulaX().text, "x*0.25");
}

// A Draw served on the UI thread right after the take-over must not be lost.
TEST_F(Loop, RequestRaisedJustAfterTheTakeOverStaysStanding) {
    struct DrawAfterRestart : DirectDriver {
        void synchronisedRestart(RenderCore& core) override {
            DirectDriver::synchronisedRestart(core);
            core.requestRestart();
        }
    } eager;
    drawNow(core, {});
    for (int i = 0; i < 200; ++i)
        core.executePass(eager);
    writePending(core, {});
    core.executePass(eager);
    EXPECT_EQ(eager.restarts, 1);
    EXPECT_TRUE(core.restartRequested());
}

struct KeepingSink : PictureSink {
    PixelBuffer kept;
    int ready = 0, failuresLeft = 0;
    void drawPicture(const PixelBuffer& picture) override {
        kept = picture;
        throw std::runtime_error("window gone");
    }
    void setPictureReady() override {
        if (failuresLeft > 0) {
            --failuresLeft;
            throw std::runtime_error("not ready");
        }
        ++ready;
    }
};

TEST_F(Loop, HandOffPublishesEvenWhenDrawingFailsAndIsRetriedAfterAFailure) {
    KeepingSink sink;
    driver.sink = &sink;
    Settings s;
    s.x = "sin(x*y*4.36/pi)+y*0.453+0.45";
    s.y = "1.795*cos(x)-1.5324*sin(x*1.65/pi)";
    s.z = "1.93*cos(y*x)+0.49*sin(x)";
    s.zoom = 30;
    drawNow(core, s);
    passUntilHandOff();
    EXPECT_EQ(sink.ready, 1);
    EXPECT_EQ(core.stepsSinceHandOff(), 0);
    EXPECT_EQ(core.published().ranges.zMax, core.ranges().zMax);
    EXPECT_TRUE(sink.kept == core.picture());

    sink.failuresLeft = 1;
    passUntilHandOff();
    EXPECT_EQ(core.stepsSinceHandOff(), 1000);
    core.executePass(driver);
    EXPECT_EQ(sink.ready, 2);
    EXPECT_EQ(core.stepsSinceHandOff(), 0);
}

TEST_F(Loop, FormulaTextUnchangedKeepsTheFormulaButTakesNewParameterValues) {
    Settings s;
    s.x = "x*a";
    drawNow(core, s);
    RenderSettings settings = core.submitted();
    settings.formulaX.setVariable("a", Real48::fromExtended(0.5));
    core.submit(settings);
    core.applyPendingSettings();
    ASSERT_EQ(core.activeFormulaX().variables().size(), 2u);
    EXPECT_EQ(core.activeFormulaX().variables()[1].value, Real48::fromExtended(0.5));
    plotAt(core, 3, 0.5, 0.5);
    EXPECT_EQ(core.orbitX(), 1.5L);
}

TEST_F(Loop, RunawayMapNeverStopsTheLoop) {
    Settings s;
    s.x = "x*2";
    s.y = "y*2";
    s.z = "z*2";
    drawNow(core, s);
    for (int i = 0; i < 3000; ++i)
        core.executePass(driver);
    EXPECT_EQ(driver.handOffs, 3);
    // Doubling overflows to 0, where the orbit stays.
    EXPECT_EQ(core.orbitX(), 0.0L);
    EXPECT_EQ(core.ranges().xMax, Real48::fromExtended(std::ldexp(1.0L, 126)));
    EXPECT_EQ(core.ranges().xMin, Real48());
    EXPECT_EQ(core.published().ranges.xMax, core.ranges().xMax);
}

TEST(RestartPoints, FollowTheGeneratorFromSeedZero) {
    RandomGenerator g;
    const std::uint32_t expected[] = {0, 31, 861, 202, 272, 671};
    for (std::uint32_t e : expected)
        EXPECT_EQ(g.draw(1000), e);

    RandomGenerator first, second;
    RenderCore a(first), b(second);
    drawNow(a, {});
    drawNow(b, {});
    for (RenderCore* core : {&a, &b}) {
        // An orbit beyond the stored range fails and restarts at a random point.
        plotAt(*core, 1e39L, 0, 0);
        EXPECT_EQ(core->orbitX(), 0.0L);
        EXPECT_EQ(core->orbitY(), 31 / 100.0L);
        EXPECT_EQ(core->orbitZ(), 861 / 100.0L);
        plotAt(*core, 0, -1e39L, 0);
        EXPECT_EQ(core->orbitX(), 202 / 100.0L);
        EXPECT_EQ(core->orbitY(), 272 / 100.0L);
        EXPECT_EQ(core->orbitZ(), 671 / 100.0L);
    }
    EXPECT_EQ(first.seed(), second.seed());
}

TEST_F(Loop, RotatedPointBeyondTheRangeRestartsTheOrbit) {
    Settings s;
    s.angleZ = std::acos(-1.0L) / 4;
    drawNow(core, s);
    plotAt(core, 1.6e38L, 1.6e38L, 0.5L); // Y' would be about 2.26e38
    EXPECT_EQ(core.orbitY(), 31 / 100.0L);
    EXPECT_EQ(core.stepsSinceHandOff(), 0);
    EXPECT_EQ(core.ranges().xMax, Real48());
    core.plotStep();
    EXPECT_EQ(core.stepsSinceHandOff(), 1);

    core.setOrbit(1e39L, 0, 0);
    EXPECT_THROW(core.iterateMap(), FloatingPointOverflow);
    EXPECT_EQ(core.orbitX(), 1e39L);
}

TEST_F(Loop, WidthOnlyResizeReachesEveryColumn) {
    drawNow(core, {});
    core.setClientSize(150, 100);
    core.requestRestart();
    core.applyPendingSettings();
    ASSERT_EQ(core.gridWidth(), 150);
    ASSERT_EQ(core.gridHeight(), 100);
    EXPECT_EQ(core.picture().width(), 150);
    EXPECT_EQ(core.picture().height(), 100);
    plotAt(core, -60, 0.5, 0);
    plotAt(core, -60, 0.5, 3);
    plotAt(core, 70, 0.25, 2); // column 145, beyond the old width
    EXPECT_EQ(core.pointCount(), 3);
    EXPECT_NE(core.cell(145, 50).accGreen, Real48());
}

TEST_F(Loop, ClientAreaUnderTwoPixelsTakesNoPointUntilARestartAtALargerSize) {
    drawNow(core, {});
    for (auto [width, height] : {std::pair(1, 100), std::pair(100, 1), std::pair(0, 0)}) {
        core.setClientSize(width, height);
        core.applyPendingSettings();
        for (int x = -2; x <= 2; ++x)
            for (int y = -2; y <= 2; ++y)
                plotAt(core, x / 4.0L, y / 4.0L, x);
        EXPECT_EQ(core.pointCount(), 0) << width << "x" << height;
    }
    core.setClientSize(10, 10);
    core.applyPendingSettings();
    plotAt(core, 0, 0, 0.5L);
    EXPECT_EQ(core.pointCount(), 1);
}

} // namespace
