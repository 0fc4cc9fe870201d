#include "render/pointRing.h"

namespace gyrelune {
namespace {

// Checks of the ring before a side blocks.
constexpr int spinsBeforeBlocking = 1000;

inline void relax() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

} // namespace

PointRing::PointRing() : slots_(std::make_unique<Batch[]>(slotCount)) {}

void PointRing::clear() {
    produced_.store(0);
    consumed_.store(0);
}

PointRing::Batch* PointRing::slotToFill(const std::atomic<bool>& stop) {
    const std::uint64_t position = produced_.load(std::memory_order_relaxed);
    for (int spin = 0; spin < spinsBeforeBlocking && !hasRoom(position); ++spin)
        relax();
    if (!hasRoom(position)) {
        std::unique_lock lock(mutex_);
        producerWaiting_.store(true);
        fullWaits_.fetch_add(1, std::memory_order_relaxed);
        wake_.wait(lock, [&] { return stop.load() || position - consumed_.load() < slotCount; });
        producerWaiting_.store(false);
    }
    if (stop.load(std::memory_order_relaxed)) return nullptr;
    return &slots_[position % slotCount];
}

void PointRing::publishFilled() {
    produced_.store(produced_.load(std::memory_order_relaxed) + 1);
    if (consumerWaiting_.load()) {
        std::lock_guard lock(mutex_);
        wake_.notify_all();
    }
}

void PointRing::wakeProducer() {
    std::lock_guard lock(mutex_);
    wake_.notify_all();
}

PointRing::Batch& PointRing::takeNext() {
    const std::uint64_t next = consumed_.load(std::memory_order_relaxed);
    const auto filled = [&] { return produced_.load(std::memory_order_acquire) != next; };
    for (int spin = 0; spin < spinsBeforeBlocking && !filled(); ++spin)
        relax();
    if (!filled()) {
        std::unique_lock lock(mutex_);
        consumerWaiting_.store(true);
        ++emptyWaits_;
        wake_.wait(lock, [&] { return produced_.load() != next; });
        consumerWaiting_.store(false);
    }
    return slots_[next % slotCount];
}

void PointRing::releaseTaken() {
    consumed_.store(consumed_.load(std::memory_order_relaxed) + 1);
    if (producerWaiting_.load()) wakeProducer();
}

} // namespace gyrelune
