#include "render/orbitPipeline.h"

#include <sched.h>

namespace gyrelune {
namespace {

int processorsAvailable() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0) return 1;
    return CPU_COUNT(&set);
}

OrbitPipeline::Mode modeFor(OrbitPipeline::Mode asked) {
    const bool alone = asked == OrbitPipeline::Mode::adaptive && processorsAvailable() < 2;
    return alone ? OrbitPipeline::Mode::oneThread : asked;
}

} // namespace

OrbitPipeline::OrbitPipeline(OrbitStage& orbit, Mode mode)
    : orbit_(orbit), chooser_(modeFor(mode) == Mode::adaptive, modeFor(mode) != Mode::oneThread),
      orbitThread_([this](const std::atomic<bool>& stopAsked) { produce(stopAsked); }) {}

OrbitPipeline::~OrbitPipeline() {
    stop();
}

void OrbitPipeline::stop() {
    settle();
    orbitThread_.end();
}

StoredOrbitPoint OrbitPipeline::nextSlowly() {
    if (chooser_.windowOver()) {
        chooser_.endWindow();
        if (!chooser_.twoThreads()) settle();
    }
    if (chooser_.twoThreads()) return nextFromRing();
    chooser_.count(1);
    ++oneThreadPoints_;
    return orbit_.next();
}

StoredOrbitPoint OrbitPipeline::nextFromRing() {
    if (current_) {
        resume_ = current_->end;
        current_ = nullptr;
        ring_.releaseTaken();
    }
    if (!producing_) startProducer();
    current_ = &ring_.takeNext();
    index_ = 0;
    chooser_.count(PointRing::batchSize);
    twoThreadPoints_ += current_->count;
    return current_->points[index_++];
}

void OrbitPipeline::settle() {
    if (!producing_) return;
    orbitThread_.park([this] { ring_.wakeProducer(); });
    producing_ = false;
    if (current_ && index_ < current_->count) {
        // Part of a batch was taken: the orbit stage again up to the last point used.
        orbit_.restore(current_->start);
        for (std::uint32_t i = 0; i < index_; ++i)
            orbit_.next();
    } else {
        orbit_.restore(current_ ? current_->end : resume_);
    }
    current_ = nullptr;
    index_ = 0;
}

void OrbitPipeline::startProducer() {
    resume_ = orbit_.state();
    ring_.clear();
    orbitThread_.resume();
    producing_ = true;
}

// Fills batches until asked to stop; a batch cut short by the request is dropped.
void OrbitPipeline::produce(const std::atomic<bool>& stopAsked) {
    while (PointRing::Batch* batch = ring_.slotToFill(stopAsked)) {
        batch->start = orbit_.state();
        for (std::uint32_t n = 0; n < PointRing::batchSize; ++n) {
            if (n % 256 == 0 && stopAsked.load(std::memory_order_relaxed)) return;
            batch->points[n] = orbit_.next();
        }
        batch->count = PointRing::batchSize;
        batch->end = orbit_.state();
        ring_.publishFilled();
    }
}

OrbitPipeline::Statistics OrbitPipeline::statistics() const {
    return {oneThreadPoints_, twoThreadPoints_, ring_.emptyWaits(), ring_.fullWaits(),
            chooser_.switches()};
}

} // namespace gyrelune
