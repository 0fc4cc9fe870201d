#include "renderThread.h"

#include "raceAnnotations.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <exception>

namespace gyrelune {

TattrSzal::TattrSzal(QObject* parent) : QThread(parent) {
    core_.onSaveFailed = [this](const std::string& fileName, const std::string& reason) {
        emit saveFailed(QString::fromStdString(fileName), QString::fromStdString(reason));
    };
}

TattrSzal::~TattrSzal() {
    shutdown();
}

void TattrSzal::resumeThread() {
    if (stopRequested_.load()) return;
    {
        std::lock_guard lock(gateMutex_);
        paused_.store(false);
    }
    gateOpened_.notify_all();
    if (!started_) {
        started_ = true;
        start(QThread::NormalPriority);
    }
}

void TattrSzal::suspendThread() {
    paused_.store(true);
}

bool TattrSzal::isSuspended() const {
    return paused_.load();
}

void TattrSzal::shutdown() {
    {
        std::lock_guard lock(gateMutex_);
        stopRequested_.store(true);
    }
    gateOpened_.notify_all();
    if (!started_) return;
    // The loop may be blocked in a synchronised call onto this thread: serve
    // it while waiting, or neither side would move.
    const bool servesCalls = thread() == QThread::currentThread();
    while (!wait(QDeadlineTimer(5))) {
        if (servesCalls) QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
    markAcquire(this);
}

void TattrSzal::run() {
    while (!stopRequested_.load(std::memory_order_relaxed)) {
        waitAtGate();
        if (stopRequested_.load(std::memory_order_relaxed)) break;
        core_.executePass(*this);
    }
    markRelease(this); // joined in shutdown
}

void TattrSzal::waitAtGate() {
    if (!paused_.load(std::memory_order_acquire)) return;
    std::unique_lock lock(gateMutex_);
    gateOpened_.wait(lock, [this] { return !paused_.load() || stopRequested_.load(); });
}

void TattrSzal::runOnUiThread(void (*work)(TattrSzal&, RenderCore&), RenderCore& core) {
    CallInFlight call{work, &core, {}};
    callInFlight_ = &call;
    markRelease(&callInFlight_);
    QMetaObject::invokeMethod(this, "serveCallInFlight", Qt::BlockingQueuedConnection);
    markAcquire(&callInFlight_);
    callInFlight_ = nullptr;
    if (call.failure) std::rethrow_exception(call.failure);
}

// UI thread; the render thread waits in runOnUiThread meanwhile.
void TattrSzal::serveCallInFlight() {
    markAcquire(&callInFlight_);
    CallInFlight* call = callInFlight_;
    try {
        call->work(*this, *call->core);
    } catch (...) {
        call->failure = std::current_exception();
    }
    markRelease(&callInFlight_);
}

void TattrSzal::synchronisedRestart(RenderCore& core) {
    runOnUiThread([](TattrSzal&, RenderCore& c) { c.applyPendingSettings(); }, core);
}

void TattrSzal::synchronisedHandOff(RenderCore& core) {
    runOnUiThread([](TattrSzal& t, RenderCore& c) { c.handOffPicture(t.sink_); }, core);
}

} // namespace gyrelune
