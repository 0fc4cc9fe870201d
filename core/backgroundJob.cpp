#include "core/backgroundJob.h"

#include <exception>

namespace gyrelune {

BackgroundJob::~BackgroundJob() {
    stopAndWait();
}

void BackgroundJob::start(Work work) {
    if (thread_.joinable()) thread_.join(); // a finished job whose result was not taken
    control_.stop = false;
    control_.fraction = 0;
    finished_ = false;
    thread_ = std::thread([this, work = std::move(work)] {
        std::string result;
        try {
            result = work(control_);
        } catch (const std::exception& failure) {
            result = failure.what();
        }
        {
            const std::lock_guard lock(resultMutex_);
            result_ = std::move(result);
        }
        finished_ = true;
    });
}

std::string BackgroundJob::stopAndWait() {
    requestStop();
    if (!thread_.joinable()) return {};
    thread_.join();
    const std::lock_guard lock(resultMutex_);
    return std::move(result_);
}

std::optional<std::string> BackgroundJob::takeResult() {
    if (!thread_.joinable() || !finished_) return std::nullopt;
    thread_.join();
    const std::lock_guard lock(resultMutex_);
    return std::move(result_);
}

} // namespace gyrelune
