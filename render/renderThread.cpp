#include "render/renderThread.h"

#include "render/pictureFile.h"
#include "render/raceAnnotations.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <exception>

namespace gyrelune {

RenderThread::RenderThread(QObject* parent) : QThread(parent) {
    core_.setPictureWriter(pictureFileWriter());
    core_.setSaveFailedHandler([this](const std::string& fileName, const std::string& reason) {
        emit saveFailed(QString::fromStdString(fileName), QString::fromStdString(reason));
    });
}

RenderThread::~RenderThread() {
    shutdown();
}

void RenderThread::resumeThread() {
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

void RenderThread::suspendThread() {
    paused_.store(true);
}

bool RenderThread::isSuspended() const {
    return paused_.load();
}

void RenderThread::shutdown() {
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

void RenderThread::run() {
    OrbitPipeline pipeline(core_.orbit(), pipelineMode_);
    while (!stopRequested_.load(std::memory_order_relaxed)) {
        if (waitAtGate()) pipeline.restartMeasurement();
        if (stopRequested_.load(std::memory_order_relaxed)) break;
        core_.executePass(*this, &pipeline);
    }
    pipeline.stop();
    markRelease(this); // joined in shutdown
}

bool RenderThread::waitAtGate() {
    if (!paused_.load(std::memory_order_acquire)) return false;
    std::unique_lock lock(gateMutex_);
    atGate_.store(true);
    gateOpened_.wait(lock, [this] { return !paused_.load() || stopRequested_.load(); });
    atGate_.store(false);
    return true;
}

void RenderThread::runOnUiThread(void (*work)(RenderThread&, RenderCore&), RenderCore& core) {
    CallInFlight call{work, &core, {}};
    callInFlight_ = &call;
    markRelease(&callInFlight_);
    awaitingUi_.store(true);
    QMetaObject::invokeMethod(this, "serveCallInFlight", Qt::BlockingQueuedConnection);
    awaitingUi_.store(false);
    markAcquire(&callInFlight_);
    callInFlight_ = nullptr;
    if (call.failure) std::rethrow_exception(call.failure);
}

// UI thread; the render thread waits in runOnUiThread meanwhile.
void RenderThread::serveCallInFlight() {
    markAcquire(&callInFlight_);
    CallInFlight* call = callInFlight_;
    try {
        call->work(*this, *call->core);
    } catch (...) {
        call->failure = std::current_exception();
    }
    markRelease(&callInFlight_);
}

void RenderThread::synchronisedRestart(RenderCore& core) {
    runOnUiThread([](RenderThread&, RenderCore& c) { c.applyPendingSettings(); }, core);
}

void RenderThread::synchronisedHandOff(RenderCore& core) {
    runOnUiThread([](RenderThread& t, RenderCore& c) { c.handOffPicture(t.sink_); }, core);
}

} // namespace gyrelune
