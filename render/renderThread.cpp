#include "renderThread.h"

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
}

void TattrSzal::run() {
    while (!stopRequested_.load(std::memory_order_relaxed)) {
        waitAtGate();
        if (stopRequested_.load(std::memory_order_relaxed)) break;
        core_.executePass(*this);
    }
}

void TattrSzal::waitAtGate() {
    if (!paused_.load(std::memory_order_acquire)) return;
    std::unique_lock lock(gateMutex_);
    gateOpened_.wait(lock, [this] { return !paused_.load() || stopRequested_.load(); });
}

namespace {

// Runs work on receiver's (the UI) thread and waits for it; an error raised
// there is carried back and raised again on the calling thread.
template <typename Work> void runBlockingOn(QObject* receiver, Work work) {
    std::exception_ptr failure;
    QMetaObject::invokeMethod(
        receiver,
        [&] {
            try {
                work();
            } catch (...) {
                failure = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (failure) std::rethrow_exception(failure);
}

} // namespace

void TattrSzal::synchronisedRestart(RenderCore& core) {
    runBlockingOn(this, [&core] { core.applyPendingSettings(); });
}

void TattrSzal::synchronisedHandOff(RenderCore& core) {
    runBlockingOn(this, [this, &core] { core.handOffPicture(sink_); });
}

} // namespace gyrelune
