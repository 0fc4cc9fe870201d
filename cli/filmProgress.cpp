#include "cli/filmProgress.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace gyrelune::cli {

FilmProgressBar::FilmProgressBar(bool shown, int total) : shown_(shown), total_(total) {}

void FilmProgressBar::update(int done, double partial) {
    if (!shown_ || total_ <= 0) return;
    const double fraction = (done + partial) / total_;
    // Every whole frame shows, and tenths of a percent between them.
    const int tenths = done * 1000 + int(partial * 1000);
    if (tenths == lastTenths_) return;
    lastTenths_ = tenths;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    const int filled = std::min(30, int(fraction * 30));
    std::string left = "--:--";
    if (fraction > 0.001) {
        const long remaining = long(seconds / fraction * (1 - fraction) + 0.5);
        char text[32];
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", remaining / 3600, remaining / 60 % 60,
                      remaining % 60);
        left = text;
    }
    std::fprintf(stderr, "\r[%s%s] %d/%d frames, %s left ",
                 std::string(std::size_t(filled), '#').c_str(),
                 std::string(std::size_t(30 - filled), ' ').c_str(), done, total_, left.c_str());
    std::fflush(stderr);
}

void FilmProgressBar::finish() {
    if (!shown_) return;
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

} // namespace gyrelune::cli
