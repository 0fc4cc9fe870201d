#pragma once
// A thread of its own that runs one piece of work each time it is let go and
// parks in between: resume() lets the work run, park() asks it to stop and
// returns once it has.

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace gyrelune {

class ParkingThread {
  public:
    // The work runs until the flag it is given is raised, and then returns soon.
    using Work = std::function<void(const std::atomic<bool>& stopAsked)>;

    explicit ParkingThread(Work work) : work_(std::move(work)) {}
    ~ParkingThread(); // end()
    ParkingThread(const ParkingThread&) = delete;
    ParkingThread& operator=(const ParkingThread&) = delete;

    // Starts the thread on first use; the work runs until park().
    void resume();
    // Raises the stop flag, calls rouse (to wake the work from waits of its
    // own) and waits until the work has returned.
    void park(const std::function<void()>& rouse);
    // Ends the thread; the work must be parked.
    void end();

  private:
    enum class Run { parked, running, exit };
    void body();

    Work work_;
    std::thread thread_;
    std::atomic<bool> stopAsked_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    Run run_ = Run::parked; // guarded by mutex_
    bool parked_ = true;    // guarded by mutex_: the thread is in its park
};

} // namespace gyrelune
