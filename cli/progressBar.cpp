#include "cli/progressBar.h"

#include <algorithm>
#include <cstdio>

namespace gyrelune::cli {
namespace {

constexpr int barWidth = 40;
constexpr auto redrawEvery = std::chrono::milliseconds(100);

} // namespace

void ProgressBar::update(double share, const std::string& detail) {
    if (!shown_) return;
    const int percent = int(std::clamp(share, 0.0, 1.0) * 100);
    if (percent == percent_ && detail == detail_) return;
    percent_ = percent;
    detail_ = detail;
    const auto now = std::chrono::steady_clock::now();
    if (drawn_ && now - last_ < redrawEvery) return;
    last_ = now;
    draw();
}

void ProgressBar::finish() {
    if (!shown_ || percent_ < 0) return;
    draw();
    std::fputc('\n', stderr);
}

void ProgressBar::draw() {
    const int filled = percent_ * barWidth / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%%%s%s ", std::string(std::size_t(filled), '#').c_str(),
                 std::string(std::size_t(barWidth - filled), ' ').c_str(), percent_,
                 detail_.empty() ? "" : "  ", detail_.c_str());
    std::fflush(stderr);
    drawn_ = true;
}

} // namespace gyrelune::cli
