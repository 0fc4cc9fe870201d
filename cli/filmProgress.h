#pragma once
// The film commands' progress bar on standard error: frames done of all, the
// time left by the pace so far.

#include <chrono>

namespace gyrelune::cli {

class FilmProgressBar {
  public:
    FilmProgressBar(bool shown, int total);
    // done whole frames, plus the share of the frame in hand (0 to 1).
    void update(int done, double partial = 0);
    void finish(); // ends the line

  private:
    bool shown_;
    int total_;
    int lastTenths_ = -1;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

} // namespace gyrelune::cli
