#pragma once
// A bounded single-producer single-consumer ring of batches of orbit points:
// one thread fills batches in order, another takes them whole in the same
// order. Each side spins a little, then blocks, on a full or an empty ring.

#include "render/orbitStage.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

namespace gyrelune {

class PointRing {
  public:
    static constexpr std::uint32_t batchSize = 2048;
    static constexpr std::uint64_t slotCount = 8;

    struct Batch {
        OrbitState start, end; // the orbit stage's state before and after the batch
        std::uint32_t count = 0;
        StoredOrbitPoint points[batchSize];
    };

    PointRing();

    // Empties the ring; neither side may be using it.
    void clear();

    // ---- The producer's side.
    // The slot to fill next, once there is room; nullptr once stop is raised.
    Batch* slotToFill(const std::atomic<bool>& stop);
    // Hands the slot just filled to the consumer.
    void publishFilled();
    // Rouses a producer waiting for room, to see a stop raised meanwhile.
    void wakeProducer();

    // ---- The consumer's side.
    // The next filled batch, waiting for it when there is none yet.
    Batch& takeNext();
    // Frees the batch taken last for the producer.
    void releaseTaken();

    std::uint64_t emptyWaits() const { return emptyWaits_; } // the consumer's blocking waits
    std::uint64_t fullWaits() const { return fullWaits_.load(std::memory_order_relaxed); }

  private:
    bool hasRoom(std::uint64_t position) const {
        return position - consumed_.load(std::memory_order_acquire) < slotCount;
    }

    std::unique_ptr<Batch[]> slots_;
    // Ring positions in batches; the slot of position p is p % slotCount.
    std::atomic<std::uint64_t> produced_{0}, consumed_{0};
    std::atomic<bool> producerWaiting_{false}, consumerWaiting_{false};
    std::atomic<std::uint64_t> fullWaits_{0};
    std::uint64_t emptyWaits_ = 0;
    std::mutex mutex_;
    std::condition_variable wake_;
};

} // namespace gyrelune
