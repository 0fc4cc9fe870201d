// The render thread's protocol with the UI thread (this test's main thread).

#include "render/renderThread.h"
#include "renderTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>
#include <vector>

using namespace gyrelune;
using namespace gyrelune::test;

namespace {

// Serves the render thread's synchronised calls for up to ms milliseconds.
bool serveUntil(const std::function<bool()>& done, int ms = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}
// Waits without serving anything.
bool waitUntil(const std::function<bool()>& done, int ms = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Records what each hand-off sees; runs on the UI thread while the loop waits.
struct RecordingSink : PictureSink {
    struct HandOff {
        std::thread::id thread;
        std::int32_t steps, points;
        Real48 zoom;
    };
    RenderCore* core = nullptr;
    std::vector<HandOff> handOffs;
    int ready = 0;
    void drawPicture(const PixelBuffer&) override {
        handOffs.push_back({std::this_thread::get_id(), core->stepsSinceHandOff(),
                            core->pointCount(), core->zoom()});
    }
    void setPictureReady() override { ++ready; }
    int count() const { return int(handOffs.size()); }
};

class RenderThreadTest : public testing::Test {
  protected:
    RecordingSink sink; // outlives the thread, which may hand off while it shuts down
    RenderThread thread;

    void start(long double zoom = 111.78418L) {
        sink.core = &thread.core();
        thread.setPictureSink(&sink);
        thread.core().setUp(200, 200);
        Settings s;
        s.x = "sin(x*y*4.36/pi)+y*0.453+0.45";
        s.y = "1.795*cos(x)-1.5324*sin(x*1.65/pi)";
        s.z = "1.93*cos(y*x)+0.49*sin(x)";
        s.zoom = zoom;
        s.centreX = 0.29L;
        s.centreY = -0.362L;
        s.gain = 1500;
        writePending(thread.core(), s);
        thread.resumeThread();
    }
};

TEST_F(RenderThreadTest, HandsOffEvery1000StepsOnTheUiThread) {
    start();
    ASSERT_TRUE(serveUntil([&] { return sink.count() >= 5; }));
    thread.shutdown();
    EXPECT_EQ(sink.ready, sink.count());
    for (const auto& h : sink.handOffs) {
        EXPECT_EQ(h.thread, std::this_thread::get_id());
        EXPECT_EQ(h.steps, 1000);
    }
    // The first restart was taken over before the first hand-off.
    EXPECT_EQ(sink.handOffs.front().zoom, Real48::fromExtended(111.78418L));
    EXPECT_GT(sink.handOffs.back().points, sink.handOffs.front().points);
    EXPECT_NE(thread.core().published().ranges.xMax, Real48());
}

TEST_F(RenderThreadTest, RestartIsTakenOverOnlyThroughTheUiThread) {
    start();
    ASSERT_TRUE(serveUntil([&] { return sink.count() >= 1; }));
    Settings s;
    s.x = "sin(x*y*4.36/pi)+y*0.453+0.45";
    s.zoom = 50;
    writePending(thread.core(), s);
    // Nothing served: the loop comes to wait for the UI thread and stays there.
    ASSERT_TRUE(waitUntil([&] { return thread.awaitsUiThread(); }));
    EXPECT_TRUE(thread.core().restartRequested());
    const int before = sink.count();
    ASSERT_TRUE(serveUntil([&] {
        return sink.count() > before && sink.handOffs.back().zoom == Real48::fromExtended(50);
    }));
    EXPECT_FALSE(thread.core().restartRequested());
}

TEST_F(RenderThreadTest, StopThenContinueKeepsTheOrbitCountersAndPicture) {
    start();
    ASSERT_TRUE(serveUntil([&] { return sink.count() >= 2; }));
    thread.suspendThread();
    EXPECT_TRUE(thread.isSuspended());
    // A call in flight completes, then the loop stops at its gate.
    ASSERT_TRUE(serveUntil([&] { return thread.standsAtGate(); }));
    const std::int32_t frozen = thread.core().published().pointCount;
    const int handOffs = sink.count();
    QCoreApplication::processEvents();
    EXPECT_TRUE(thread.standsAtGate());
    EXPECT_EQ(thread.core().published().pointCount, frozen);
    EXPECT_EQ(sink.count(), handOffs);

    thread.resumeThread();
    EXPECT_FALSE(thread.isSuspended());
    ASSERT_TRUE(serveUntil([&] { return sink.count() > handOffs; }));
    EXPECT_GT(sink.handOffs.back().points, frozen); // counted on, not reset
    EXPECT_EQ(sink.handOffs.back().steps, 1000);
}

TEST_F(RenderThreadTest, SaveRequestedWhileStoppedHappensAfterContinue) {
    QTemporaryDir dir;
    const QString target = dir.filePath("stopped.bmp");
    start();
    ASSERT_TRUE(serveUntil([&] { return sink.count() >= 1; }));
    thread.suspendThread();
    ASSERT_TRUE(serveUntil([&] { return thread.standsAtGate(); }));
    thread.core().requestSave(target.toStdString());
    QCoreApplication::processEvents();
    EXPECT_FALSE(QFile::exists(target));
    thread.resumeThread();
    EXPECT_TRUE(serveUntil([&] { return QFile::exists(target); }));
}

TEST_F(RenderThreadTest, ShutdownServesASynchronisedCallInFlight) {
    start(42);
    // Nothing served: the loop blocks in the restart it takes over at step 101.
    ASSERT_TRUE(waitUntil([&] { return thread.awaitsUiThread(); }));
    EXPECT_TRUE(thread.core().restartRequested());
    thread.shutdown();
    EXPECT_FALSE(thread.isRunning());
    EXPECT_FALSE(thread.core().restartRequested());
    EXPECT_EQ(thread.core().zoom(), Real48::fromExtended(42));
    thread.shutdown(); // again: nothing left to do
}

TEST_F(RenderThreadTest, ShutdownWhileSuspended) {
    start();
    ASSERT_TRUE(serveUntil([&] { return sink.count() >= 1; }));
    thread.suspendThread();
    ASSERT_TRUE(serveUntil([&] { return thread.standsAtGate(); }));
    thread.shutdown();
    EXPECT_FALSE(thread.isRunning());
    thread.resumeThread(); // stays down
    EXPECT_FALSE(thread.isRunning());
}

} // namespace
