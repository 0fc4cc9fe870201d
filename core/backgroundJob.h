#pragma once
// One long piece of work on a thread of its own, such as a poster render: the
// UI thread starts it, reads its progress, may ask it to stop, and picks up
// its result once it has finished. The work reports progress and looks at the
// stop flag itself.

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace gyrelune {

struct JobControl {
    std::atomic<bool> stop{false};
    std::atomic<double> fraction{0}; // of the work done, 0 to 1
};

class BackgroundJob {
  public:
    // The result: empty when done, else why not (a stopped job says so itself).
    using Work = std::function<std::string(JobControl& control)>;

    BackgroundJob() = default;
    ~BackgroundJob(); // stops the work and waits for it
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;

    // Only while no work is running.
    void start(Work work);
    void requestStop() { control_.stop = true; }
    bool stopRequested() const { return control_.stop; }
    // Stops the work and waits for it; its result (empty if none was running).
    std::string stopAndWait();
    bool running() const { return thread_.joinable() && !finished_; }
    double fraction() const { return control_.fraction; }
    // The result once the work has finished (then the job can start again).
    std::optional<std::string> takeResult();

  private:
    JobControl control_;
    std::thread thread_;
    std::atomic<bool> finished_{false};
    std::mutex resultMutex_;
    std::string result_;
};

} // namespace gyrelune
