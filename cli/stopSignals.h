#pragma once
// Ctrl-C (SIGINT), SIGTERM and SIGHUP ask a long command to stop: it keeps
// what it has done, writes it properly and exits with its usual status, as if
// its time were up. The handlers stay while the results are written, so a
// second signal cannot leave them half-written. One per process at a time.

#include <atomic>

namespace gyrelune::cli {

class StopSignals {
  public:
    StopSignals();  // installs the handlers
    ~StopSignals(); // restores the ones before
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Raised by the first signal; loops poll it.
    const std::atomic<bool>& requested() const;
    // The signal that asked, or 0.
    int signalNumber() const;
};

} // namespace gyrelune::cli
