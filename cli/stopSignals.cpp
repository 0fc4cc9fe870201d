#include "cli/stopSignals.h"

#include <csignal>

namespace gyrelune::cli {
namespace {

constexpr int stopSignalNumbers[] = {SIGINT, SIGTERM, SIGHUP};

std::atomic<bool> stopRequested{false};
std::atomic<int> stopSignal{0};
struct sigaction previousActions[std::size(stopSignalNumbers)];

static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "signal handlers may only touch lock-free atomics");

extern "C" void requestStop(int signalNumber) {
    int none = 0;
    stopSignal.compare_exchange_strong(none, signalNumber);
    stopRequested = true;
}

} // namespace

StopSignals::StopSignals() {
    stopRequested = false;
    stopSignal = 0;
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    // Writes in progress go on: the loops look at the flag.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(stopSignalNumbers); ++i)
        ::sigaction(stopSignalNumbers[i], &action, &previousActions[i]);
}

StopSignals::~StopSignals() {
    for (std::size_t i = 0; i < std::size(stopSignalNumbers); ++i)
        ::sigaction(stopSignalNumbers[i], &previousActions[i], nullptr);
}

const std::atomic<bool>& StopSignals::requested() const {
    return stopRequested;
}

int StopSignals::signalNumber() const {
    return stopSignal;
}

} // namespace gyrelune::cli
