#pragma once
// Chooses whether the orbit stage runs on the loop's own thread or on one of
// its own: it times windows of points in the current way, now and then
// probes the other way, and keeps whichever was faster.

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace gyrelune {

class ThreadCountChooser {
  public:
    // When not adaptive, it stays with the way it starts with.
    ThreadCountChooser(bool adaptive, bool twoThreads);

    bool twoThreads() const { return twoThreads_; }
    // Points taken in the current window.
    void count(std::uint64_t points) { windowLeft_ -= std::min(windowLeft_, points); }
    bool windowOver() const { return windowLeft_ == 0; }
    // Measures the window that ended and picks the way of the next.
    void endWindow();
    // The time since the last point does not count (the loop stood still).
    void restartMeasurement() { measurementValid_ = false; }
    int switches() const { return switches_; }

  private:
    using Clock = std::chrono::steady_clock;
    void switchTo(bool twoThreads);
    void startWindow();

    bool twoThreads_;
    std::uint64_t windowLeft_ = 0, windowSize_ = 0;
    Clock::time_point windowStart_;
    int windowsInCycle_ = 0;
    bool probing_ = false, warmingUp_ = true, bestTwoThreads_ = true;
    double bestRate_ = 0;
    bool measurementValid_ = true;
    int switches_ = 0;
};

} // namespace gyrelune
