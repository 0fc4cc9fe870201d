// The loop with the orbit stage on a thread of its own draws what one thread draws.

#include "render/orbitPipeline.h"
#include "render/renderThread.h"
#include "renderTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <thread>

using namespace gyrelune;
using namespace gyrelune::test;

namespace {

Settings defaultAttractor() {
    Settings s;
    s.x = "sin(x*y*4.36/pi)+y*0.453+0.45";
    s.y = "1.795*cos(x)-1.5324*sin(x*1.65/pi)";
    s.z = "1.93*cos(y*x)+0.49*sin(x)";
    s.zoom = 40;
    s.centreX = 0.29L;
    s.centreY = -0.362L;
    s.gain = 1500;
    return s;
}

// A runaway map; rotated, its points overflow the stored range.
Settings runaway(bool rotated) {
    Settings s;
    s.x = "x*1.9+1";
    s.y = "y*1.7+0.5";
    s.z = "z*1.3+x";
    s.zoom = 30;
    if (rotated) {
        s.angleX = 0.5;
        s.angleY = 0.7;
        s.angleZ = 0.9;
    }
    s.stops = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}, {9, 9, 9}, {0, 90, 0}};
    return s;
}

struct Loop {
    RandomGenerator random;
    RenderCore core{random};
    DirectDriver driver;
};

void expectSameState(const RenderCore& a, const RenderCore& b, const RandomGenerator& ra,
                     const RandomGenerator& rb) {
    EXPECT_TRUE(a.picture() == b.picture());
    EXPECT_EQ(a.pointCount(), b.pointCount());
    EXPECT_EQ(a.stepsSinceHandOff(), b.stepsSinceHandOff());
    EXPECT_TRUE(a.ranges() == b.ranges());
    EXPECT_TRUE(a.published().ranges == b.published().ranges);
    EXPECT_EQ(a.orbitX(), b.orbitX());
    EXPECT_EQ(a.orbitZ(), b.orbitZ());
    EXPECT_EQ(ra.seed(), rb.seed());
}

// Runs both loops for `passes`, writing `later` as a Draw would at each pass of `draws`.
// Returns the random generator's seed at the end.
std::uint32_t expectSameLoop(OrbitPipeline::Mode mode, const Settings& first, int passes,
                             const std::map<int, Settings>& draws = {}) {
    Loop single, piped;
    drawNow(single.core, first, 120, 90);
    drawNow(piped.core, first, 120, 90);
    {
        OrbitPipeline pipeline(piped.core.orbit(), mode);
        for (int pass = 0; pass < passes; ++pass) {
            if (const auto draw = draws.find(pass); draw != draws.end()) {
                writePending(single.core, draw->second);
                writePending(piped.core, draw->second);
            }
            single.core.executePass(single.driver);
            piped.core.executePass(piped.driver, &pipeline);
        }
        pipeline.stop();
        if (mode == OrbitPipeline::Mode::adaptive) {
            EXPECT_GT(pipeline.statistics().modeSwitches, 0);
        }
    }
    EXPECT_EQ(single.driver.restarts, piped.driver.restarts);
    EXPECT_EQ(single.driver.handOffs, piped.driver.handOffs);
    expectSameState(single.core, piped.core, single.random, piped.random);
    return single.random.seed();
}

TEST(OrbitPipeline, DrawsWhatOneThreadDraws) {
    expectSameLoop(OrbitPipeline::Mode::twoThreads, defaultAttractor(), 60000);
    Settings rotated = defaultAttractor();
    rotated.angleX = 0.3;
    rotated.angleZ = -1.1;
    expectSameLoop(OrbitPipeline::Mode::twoThreads, rotated, 30000);
}

// The map's values always store (the formula engine keeps them in range); the
// rotated point of a runaway orbit does not, and restarts it at random.
TEST(OrbitPipeline, RestartsAtRandomInTheSameOrder) {
    expectSameLoop(OrbitPipeline::Mode::twoThreads, runaway(false), 30000);
    EXPECT_NE(expectSameLoop(OrbitPipeline::Mode::twoThreads, runaway(true), 30000), 0u);
}

// Restarts flush the ring wherever they fall in a batch.
TEST(OrbitPipeline, NewSettingsTakeOverAtTheSamePass) {
    Settings smaller = defaultAttractor();
    smaller.zoom = 20;
    const std::map<int, Settings> draws = {
        {700, runaway(true)}, {5000, smaller}, {5001, defaultAttractor()}, {9123, runaway(false)}};
    expectSameLoop(OrbitPipeline::Mode::twoThreads, defaultAttractor(), 20000, draws);
}

// Switching between one and two threads keeps the orbit where it was.
TEST(OrbitPipeline, AdaptiveSwitchesWithoutChangingThePicture) {
    const std::map<int, Settings> draws = {{100000, runaway(true)}};
    expectSameLoop(OrbitPipeline::Mode::adaptive, defaultAttractor(), 300000, draws);
}

struct KeepingSink : PictureSink {
    RenderCore* core = nullptr;
    std::vector<std::pair<std::int32_t, PixelBuffer>> pictures; // point count, picture
    void drawPicture(const PixelBuffer& picture) override {
        if (pictures.size() < 12) pictures.emplace_back(core->pointCount(), picture);
    }
    void setPictureReady() override {}
};

TEST(OrbitPipeline, TheRenderThreadHandsOffWhatTheHeadlessLoopDraws) {
    KeepingSink sink;
    RenderThread thread;
    thread.setPipelineMode(OrbitPipeline::Mode::twoThreads);
    sink.core = &thread.core();
    thread.setPictureSink(&sink);
    thread.core().setUp(120, 90);
    writePending(thread.core(), defaultAttractor());
    thread.resumeThread();
    QElapsedTimer clock;
    clock.start();
    while (sink.pictures.size() < 12 && clock.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    thread.shutdown();
    ASSERT_EQ(sink.pictures.size(), 12u);

    Loop headless;
    drawNow(headless.core, defaultAttractor(), 120, 90);
    for (const auto& [points, picture] : sink.pictures) {
        while (headless.driver.handOffs < 1 || headless.core.stepsSinceHandOff() != 0)
            headless.core.executePass(headless.driver);
        EXPECT_EQ(headless.core.pointCount(), points);
        EXPECT_TRUE(headless.core.picture() == picture);
        headless.core.executePass(headless.driver);
    }
}

} // namespace
