#include "render/parkingThread.h"

namespace gyrelune {

ParkingThread::~ParkingThread() {
    end();
}

void ParkingThread::resume() {
    if (!thread_.joinable()) thread_ = std::thread(&ParkingThread::body, this);
    {
        std::lock_guard lock(mutex_);
        run_ = Run::running;
    }
    wake_.notify_all();
}

void ParkingThread::park(const std::function<void()>& rouse) {
    stopAsked_.store(true);
    rouse();
    {
        std::unique_lock lock(mutex_);
        run_ = Run::parked;
        wake_.notify_all();
        wake_.wait(lock, [&] { return parked_; });
    }
    stopAsked_.store(false);
}

void ParkingThread::end() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard lock(mutex_);
        run_ = Run::exit;
    }
    wake_.notify_all();
    thread_.join();
}

void ParkingThread::body() {
    std::unique_lock lock(mutex_);
    for (;;) {
        parked_ = true;
        wake_.notify_all();
        wake_.wait(lock, [&] { return run_ != Run::parked; });
        if (run_ == Run::exit) return;
        parked_ = false;
        lock.unlock();
        work_(stopAsked_);
        lock.lock();
    }
}

} // namespace gyrelune
