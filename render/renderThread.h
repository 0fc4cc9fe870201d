#pragma once
// RenderThread, the render thread: runs the render core's loop without end.
// Stop and Continue close and open a pause gate that the loop passes every
// step; restarts and hand-offs run synchronised on the UI thread.

#include "render/orbitPipeline.h"
#include "render/renderCore.h"

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>

namespace gyrelune {

class RenderThread : public QThread, private RenderCore::Driver {
    Q_OBJECT
  public:
    // Created suspended: the loop does not run until the first resumeThread().
    explicit RenderThread(QObject* parent = nullptr);
    ~RenderThread() override; // stops in order (see shutdown)

    RenderCore& core() { return core_; }

    // The image window's side of the hand-off; set on the UI thread before the first resume.
    void setPictureSink(PictureSink* sink) { sink_ = sink; }
    // How the loop uses the processors (adaptive unless set before the first resume).
    void setPipelineMode(OrbitPipeline::Mode mode) { pipelineMode_ = mode; }

    // UI thread. The first resume starts the thread.
    void resumeThread();
    void suspendThread();
    bool isSuspended() const;
    // Ends the loop and joins the thread; serves a synchronised call in
    // flight so that neither side waits for the other.
    void shutdown();

    // Where the loop stands: stopped at its pause gate, or waiting for a
    // synchronised call to be served on the UI thread.
    bool standsAtGate() const { return atGate_.load(); }
    bool awaitsUiThread() const { return awaitingUi_.load(); }

  signals:
    // A save request that wrote nothing (emitted on the render thread).
    void saveFailed(const QString& fileName, const QString& reason);

  protected:
    void run() override;

  private:
    void synchronisedRestart(RenderCore& core) override;
    void synchronisedHandOff(RenderCore& core) override;
    // True when the loop stood still there.
    bool waitAtGate();
    // Runs work on the UI thread and waits for it; rethrows what it threw.
    void runOnUiThread(void (*work)(RenderThread&, RenderCore&), RenderCore& core);
    Q_INVOKABLE void serveCallInFlight();

    struct CallInFlight {
        void (*work)(RenderThread&, RenderCore&);
        RenderCore* core;
        std::exception_ptr failure;
    };

    RenderCore core_;
    PictureSink* sink_ = nullptr;
    OrbitPipeline::Mode pipelineMode_ = OrbitPipeline::Mode::adaptive;
    std::atomic<bool> paused_{true};
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> atGate_{false}, awaitingUi_{false};
    bool started_ = false;
    mutable std::mutex gateMutex_;
    std::condition_variable gateOpened_;
    CallInFlight* callInFlight_ = nullptr; // set by the render thread around a synchronised call
};

} // namespace gyrelune
