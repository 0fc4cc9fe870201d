#include "render/orbitPipeline.h"

#include <limits>
#include <sched.h>

namespace gyrelune {
namespace {

// Points per measured window (some 20 to 40 ms) and per probe of the other
// way, windows between two probes, and how much faster a probe must be to be
// taken.
constexpr std::uint64_t windowPoints = 1 << 16, probePoints = 1 << 14;
constexpr int windowsPerProbe = 64;
constexpr double probeMargin = 1.02;
// Points after a switch before the window's clock starts: the ring fills up
// (or the orbit thread parks) first.
constexpr std::uint64_t warmUpPoints = 4 * OrbitPipeline::batchSize;
// Checks of the ring before a side blocks.
constexpr int spinsBeforeBlocking = 1000;

int processorsAvailable() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0) return 1;
    return CPU_COUNT(&set);
}

inline void relax() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

} // namespace

OrbitPipeline::OrbitPipeline(OrbitStage& orbit, Mode mode)
    : orbit_(orbit),
      mode_(mode == Mode::adaptive && processorsAvailable() < 2 ? Mode::oneThread : mode),
      slots_(std::make_unique<Batch[]>(slotCount)) {
    twoThreads_ = mode_ != Mode::oneThread;
    windowLeft_ =
        mode_ == Mode::adaptive ? windowPoints : std::numeric_limits<std::uint64_t>::max();
    // The first probe of one thread comes right after the first window.
    windowsInCycle_ = windowsPerProbe - 1;
    windowStart_ = Clock::now();
}

OrbitPipeline::~OrbitPipeline() {
    stop();
}

void OrbitPipeline::stop() {
    settle();
    if (!thread_.joinable()) return;
    {
        std::lock_guard lock(mutex_);
        run_ = Run::exit;
    }
    wake_.notify_all();
    thread_.join();
}

StoredOrbitPoint OrbitPipeline::nextSlowly() {
    if (windowLeft_ == 0) endWindow();
    if (twoThreads_) return nextFromRing();
    --windowLeft_;
    ++statistics_.oneThreadPoints;
    return orbit_.next();
}

StoredOrbitPoint OrbitPipeline::nextFromRing() {
    const std::uint64_t taken = consumed_.load(std::memory_order_relaxed);
    if (current_) {
        resume_ = current_->end;
        current_ = nullptr;
        consumed_.store(taken + 1);
        if (producerWaiting_.load()) {
            std::lock_guard lock(mutex_);
            wake_.notify_all();
        }
    }
    if (!producing_) startProducer();
    const std::uint64_t next = consumed_.load(std::memory_order_relaxed);
    if (produced_.load(std::memory_order_acquire) == next && !waitForBatch())
        return nextSlowly(); // cannot happen: the orbit thread only stops when asked
    current_ = &slots_[next % slotCount];
    index_ = 0;
    windowLeft_ -= std::min<std::uint64_t>(windowLeft_, batchSize);
    statistics_.twoThreadPoints += current_->count;
    return current_->points[index_++];
}

bool OrbitPipeline::waitForBatch() {
    const std::uint64_t next = consumed_.load(std::memory_order_relaxed);
    for (int spin = 0; spin < spinsBeforeBlocking; ++spin) {
        if (produced_.load(std::memory_order_acquire) != next) return true;
        relax();
    }
    std::unique_lock lock(mutex_);
    consumerWaiting_.store(true);
    ++statistics_.ringEmptyWaits;
    wake_.wait(lock, [&] { return produced_.load() != next || run_ != Run::running; });
    consumerWaiting_.store(false);
    return produced_.load(std::memory_order_acquire) != next;
}

// Measures the window that ended; after a probe keeps the faster way.
void OrbitPipeline::endWindow() {
    if (warmingUp_) {
        warmingUp_ = false;
        windowSize_ = windowLeft_ = probing_ ? probePoints : windowPoints;
        windowStart_ = Clock::now();
        measurementValid_ = true;
        return;
    }
    const Clock::time_point now = Clock::now();
    const double seconds = std::chrono::duration<double>(now - windowStart_).count();
    const double rate = measurementValid_ && seconds > 0 ? double(windowSize_) / seconds : 0;
    if (probing_) {
        probing_ = false;
        windowsInCycle_ = 0;
        if (rate > bestRate_ * probeMargin) {
            bestTwoThreads_ = twoThreads_;
            bestRate_ = rate;
        } else {
            switchTo(bestTwoThreads_);
        }
    } else {
        // The mean of the last windows of this way, against which a probe is judged.
        if (rate > 0) bestRate_ = bestRate_ > 0 ? 0.75 * bestRate_ + 0.25 * rate : rate;
        bestTwoThreads_ = twoThreads_;
        if (++windowsInCycle_ >= windowsPerProbe) {
            probing_ = true;
            switchTo(!twoThreads_);
        }
    }
    windowSize_ = windowLeft_ = warmingUp_ ? warmUpPoints : windowPoints;
    windowStart_ = Clock::now();
    measurementValid_ = true;
}

void OrbitPipeline::restartMeasurement() {
    measurementValid_ = false;
}

void OrbitPipeline::switchTo(bool twoThreads) {
    if (twoThreads == twoThreads_) return;
    if (!twoThreads) settle();
    twoThreads_ = twoThreads;
    ++statistics_.modeSwitches;
    warmingUp_ = true;
}

void OrbitPipeline::settle() {
    if (!producing_) return;
    parkProducer();
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
    produced_.store(0);
    consumed_.store(0);
    if (!thread_.joinable()) thread_ = std::thread(&OrbitPipeline::orbitThreadBody, this);
    {
        std::lock_guard lock(mutex_);
        run_ = Run::running;
    }
    wake_.notify_all();
    producing_ = true;
}

void OrbitPipeline::parkProducer() {
    stopAsked_.store(true);
    {
        std::unique_lock lock(mutex_);
        run_ = Run::parked;
        wake_.notify_all();
        wake_.wait(lock, [&] { return parked_; });
    }
    stopAsked_.store(false);
    producing_ = false;
}

void OrbitPipeline::orbitThreadBody() {
    std::unique_lock lock(mutex_);
    for (;;) {
        parked_ = true;
        wake_.notify_all();
        wake_.wait(lock, [&] { return run_ != Run::parked; });
        if (run_ == Run::exit) return;
        parked_ = false;
        lock.unlock();
        produce();
        lock.lock();
    }
}

// Fills batches until asked to stop; a batch cut short by the request is dropped.
void OrbitPipeline::produce() {
    while (!stopAsked_.load(std::memory_order_relaxed)) {
        const std::uint64_t position = produced_.load(std::memory_order_relaxed);
        if (position - consumed_.load(std::memory_order_acquire) >= slotCount) {
            bool room = false;
            for (int spin = 0; spin < spinsBeforeBlocking && !room; ++spin) {
                room = position - consumed_.load(std::memory_order_acquire) < slotCount;
                relax();
            }
            if (room) continue;
            std::unique_lock lock(mutex_);
            producerWaiting_.store(true);
            ringFullWaits_.fetch_add(1, std::memory_order_relaxed);
            wake_.wait(
                lock, [&] { return stopAsked_.load() || position - consumed_.load() < slotCount; });
            producerWaiting_.store(false);
            continue;
        }
        Batch& batch = slots_[position % slotCount];
        batch.start = orbit_.state();
        std::uint32_t n = 0;
        for (; n < batchSize; ++n) {
            if (n % 256 == 0 && stopAsked_.load(std::memory_order_relaxed)) return;
            batch.points[n] = orbit_.next();
        }
        batch.count = n;
        batch.end = orbit_.state();
        produced_.store(position + 1);
        if (consumerWaiting_.load()) {
            std::lock_guard lock(mutex_);
            wake_.notify_all();
        }
    }
}

OrbitPipeline::Statistics OrbitPipeline::statistics() const {
    Statistics s = statistics_;
    s.ringFullWaits = ringFullWaits_.load(std::memory_order_relaxed);
    return s;
}

} // namespace gyrelune
