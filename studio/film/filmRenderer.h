#pragma once
// Film frames through the studio's density renderer, without flicker: every
// frame walks the same orbits (same seed, same points), is coloured over one
// depth range for the whole film and shown against one exposure for the whole
// film, so an unchanging film gives identical frames. Both are worked out the
// same way by every process that renders a part of the film.

#include "studio/film/filmOutput.h"
#include "studio/film/filmPlan.h"
#include "studio/studioSettings.h"
#include "studio/toneMapping.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace gyrelune {

struct FilmLook {
    int width = 1280, height = 720;
    std::uint64_t points = 1000000; // per frame
    int supersample = 2;
    Look look = Look::window;
    int threads = 0; // 0: one per core
    std::uint64_t seed = 0;
    // The image window the keys were framed in.
    int windowWidth = 576, windowHeight = 551;
};

// The share of the frame in hand that is done, 0 to 1.
using FrameProgress = std::function<void(double)>;

class FilmRenderer {
  public:
    FilmRenderer(FilmPlan plan, const FilmLook& look);

    // The depth range and exposure of the whole film, from frames spread over
    // it. False if stop was raised.
    bool prepare(const std::atomic<bool>* stop = nullptr, const FrameProgress& progress = {});
    // One frame, after prepare(). False if stop was raised.
    bool renderFrame(int frame, RgbFrame& out, const std::atomic<bool>* stop = nullptr,
                     const FrameProgress& progress = {});

    const FilmPlan& plan() const { return plan_; }
    DepthRange depthRange() const { return depth_; }
    double exposure() const { return reference_; }

  private:
    StudioSettings frameStudioSettings(int frame) const;

    FilmPlan plan_;
    FilmLook look_;
    DepthRange depth_;
    double reference_ = 0;
};

} // namespace gyrelune
