#pragma once
// The render loop on two cores: a thread of its own runs the orbit stage ahead
// (OrbitStage::next: storing the point and iterating the map) and hands the
// points in batches through a ring (PointRing) to the thread that runs the
// passes, which does everything else. The points come in the same order as on
// one thread, so the picture, the counts and the hand-offs are the same after
// every pass; before a restart the orbit thread is parked and the orbit taken
// back to the last point used.
//
// Adaptive: a ThreadCountChooser times both ways now and then and keeps the
// faster; with fewer than two processors it stays on one thread.

#include "render/orbitStage.h"
#include "render/parkingThread.h"
#include "render/pointRing.h"
#include "render/renderCore.h"
#include "render/threadCountChooser.h"

#include <cstdint>

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
    // Settles and ends the orbit thread; the orbit is as one thread would have left it.
    void stop();
    // The time since the last point does not count towards the measured rates
    // (the loop stood still, for example at its pause gate).
    void restartMeasurement() { chooser_.restartMeasurement(); }

    struct Statistics {
        std::uint64_t oneThreadPoints = 0, twoThreadPoints = 0;
        std::uint64_t ringEmptyWaits = 0, ringFullWaits = 0; // blocking waits of each side
        int modeSwitches = 0;
    };
    Statistics statistics() const;
    bool runsOnTwoThreads() const { return chooser_.twoThreads(); }

  private:
    StoredOrbitPoint nextSlowly();
    StoredOrbitPoint nextFromRing();
    void startProducer();
    void produce(const std::atomic<bool>& stopAsked);

    OrbitStage& orbit_; // the orbit thread's while it produces
    ThreadCountChooser chooser_;
    PointRing ring_;
    ParkingThread orbitThread_;
    bool producing_ = false; // the orbit thread was let go and not parked since

    // The consumer's side (the thread running the passes).
    PointRing::Batch* current_ = nullptr;
    std::uint32_t index_ = 0;
    OrbitState resume_; // the orbit stage's state after the last batch taken whole
    std::uint64_t oneThreadPoints_ = 0, twoThreadPoints_ = 0;
};

} // namespace gyrelune
