#pragma once
// The commands' one progress line on standard error: a bar of the share done
// and a few words, redrawn at most ten times a second.

#include <chrono>
#include <string>

namespace gyrelune::cli {

class ProgressBar {
  public:
    explicit ProgressBar(bool shown) : shown_(shown) {}
    // share from 0 to 1; detail follows the percentage.
    void update(double share, const std::string& detail = {});
    // Draws the last state and ends the line.
    void finish();

  private:
    void draw();

    bool shown_, drawn_ = false;
    int percent_ = -1;
    std::string detail_;
    std::chrono::steady_clock::time_point last_{};
};

} // namespace gyrelune::cli
