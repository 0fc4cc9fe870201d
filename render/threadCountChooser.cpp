#include "render/threadCountChooser.h"

#include "render/pointRing.h"

#include <limits>

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
constexpr std::uint64_t warmUpPoints = 4 * PointRing::batchSize;

} // namespace

ThreadCountChooser::ThreadCountChooser(bool adaptive, bool twoThreads)
    : twoThreads_(twoThreads),
      windowLeft_(adaptive ? windowPoints : std::numeric_limits<std::uint64_t>::max()),
      // The first probe of the other way comes right after the first window.
      windowsInCycle_(windowsPerProbe - 1) {
    windowStart_ = Clock::now();
}

void ThreadCountChooser::endWindow() {
    if (warmingUp_) {
        warmingUp_ = false;
        windowSize_ = windowLeft_ = probing_ ? probePoints : windowPoints;
        startWindow();
        return;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - windowStart_).count();
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
    startWindow();
}

void ThreadCountChooser::startWindow() {
    windowStart_ = Clock::now();
    measurementValid_ = true;
}

void ThreadCountChooser::switchTo(bool twoThreads) {
    if (twoThreads == twoThreads_) return;
    twoThreads_ = twoThreads;
    ++switches_;
    warmingUp_ = true;
}

} // namespace gyrelune
