#pragma once
// The render loop on two cores: a thread of its own runs the orbit stage ahead
// (OrbitStage::next: storing the point and iterating the map) and hands
// the points in batches through a bounded single-producer single-consumer
// ring to the thread that runs the passes, which does everything else. The
// points come in the same order as on one thread, so the picture, the counts
// and the hand-offs are the same after every pass; before a restart the orbit
// thread is stopped and the orbit taken back to the last point used.
//
// Adaptive: it measures the points per second of each way now and then and
// keeps the faster; with fewer than two processors it stays on one thread.

#include "render/renderCore.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace gyrelune {

class OrbitPipeline : public RenderCore::OrbitFeed {
  public:
    enum class Mode { oneThread, twoThreads, adaptive };

    // The core that owns the orbit must be set up; the orbit thread starts
    // with the first point asked for, and owns the orbit stage until it settles.
    explicit OrbitPipeline(OrbitStage& orbit, Mode mode = Mode::adaptive);
    ~OrbitPipeline() override; // stop()
    OrbitPipeline(const OrbitPipeline&) = delete;
    OrbitPipeline& operator=(const OrbitPipeline&) = delete;

    StoredOrbitPoint next() override {
        if (current_ && index_ < current_->count) return current_->points[index_++];
        return nextSlowly();
    }
    void settle() override;
    // Settles and ends the orbit thread; the core is as one thread would have left it.
    void stop();
    // The time since the last point does not count towards the measured rates
    // (the loop stood still, for example at its pause gate).
    void restartMeasurement();

    struct Statistics {
        std::uint64_t oneThreadPoints = 0, twoThreadPoints = 0;
        std::uint64_t ringEmptyWaits = 0, ringFullWaits = 0; // blocking waits of each side
        int modeSwitches = 0;
    };
    Statistics statistics() const;
    bool runsOnTwoThreads() const { return twoThreads_; }

    static constexpr std::uint32_t batchSize = 2048;
    static constexpr std::uint64_t slotCount = 8;

  private:
    struct Batch {
        OrbitState start, end; // the orbit stage's state before and after the batch
        std::uint32_t count = 0;
        StoredOrbitPoint points[batchSize];
    };
    enum class Run { parked, running, exit };
    using Clock = std::chrono::steady_clock;

    StoredOrbitPoint nextSlowly();
    StoredOrbitPoint nextFromRing();
    void endWindow();
    void switchTo(bool twoThreads);
    void startProducer();
    void parkProducer();
    void produce();
    void orbitThreadBody();
    bool waitForBatch();

    OrbitStage& orbit_; // the orbit thread's while it runs
    const Mode mode_;
    std::unique_ptr<Batch[]> slots_;
    std::thread thread_;

    // Ring positions in batches; the slot of position p is p % slotCount.
    std::atomic<std::uint64_t> produced_{0}, consumed_{0};
    std::atomic<bool> stopAsked_{false};
    std::atomic<bool> producerWaiting_{false}, consumerWaiting_{false};
    std::atomic<std::uint64_t> ringFullWaits_{0};
    std::mutex mutex_;
    std::condition_variable wake_;
    Run run_ = Run::parked;  // guarded by mutex_
    bool parked_ = true;     // guarded by mutex_: the orbit thread is in its park
    bool producing_ = false; // the consumer's view: the orbit thread was started

    // The consumer's side (the thread running the passes).
    Batch* current_ = nullptr;
    std::uint32_t index_ = 0;
    OrbitState resume_; // the orbit stage's state after the last batch taken whole
    bool twoThreads_ = false;

    // Measuring: windows of points in one way, the rates compared.
    std::uint64_t windowLeft_ = 0, windowSize_ = 0;
    Clock::time_point windowStart_;
    int windowsInCycle_ = 0;
    bool probing_ = false, warmingUp_ = true, bestTwoThreads_ = true;
    double bestRate_ = 0;
    bool measurementValid_ = true;
    Statistics statistics_;
};

} // namespace gyrelune
