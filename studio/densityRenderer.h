#pragma once
// The studio's density renderer: many independent orbits of the document's
// map, each iterated with the formulas the window uses, rotated and projected
// into a supersampled grid of cells (studio/accumulation.h), on worker threads.
// The view and the depth range are fixed first by a short pre-pass over
// orbits of their own, the same for every shard, so the grid depends only on
// the settings and the set of orbits rendered.

#include "studio/accumulation.h"
#include "studio/studioSettings.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace gyrelune {

struct RenderProgress {
    std::uint64_t pointsDone = 0, pointsTotal = 0;
    double seconds = 0; // since the render started
};
// Called on the rendering thread about ten times a second.
using ProgressCallback = std::function<void(const RenderProgress&)>;

class DensityRenderer {
  public:
    // Runs the pre-pass (view, depth range); throws std::invalid_argument for
    // settings that cannot be rendered (size below 1, shard out of range).
    explicit DensityRenderer(const StudioSettings& settings);

    const StudioSettings& settings() const { return settings_; }
    // The header of a fresh grid for these settings, with no orbits yet.
    AccumulationHeader header() const;

    // Orbits [begin, end) of the settings' shard, added to `into` (whose
    // header must match header() but for its orbits). False if `stop` was
    // raised: `into` then holds the orbits walked whole, and its header says which.
    bool render(Accumulation& into, std::uint64_t begin, std::uint64_t end,
                const ProgressCallback& progress = {}, const std::atomic<bool>* stop = nullptr);

    // A fresh grid holding the whole of the settings' points (its shard).
    bool renderAll(Accumulation& into, const ProgressCallback& progress = {},
                   const std::atomic<bool>* stop = nullptr);

  private:
    StudioSettings settings_;
    PosterView view_;
    double scale_ = 1; // poster pixels per window pixel
    DepthRange depth_;
    std::uint64_t documentHash_ = 0;
};

// A hash of what of the document shapes the grid.
std::uint64_t documentHash(const RenderSettings& document);

} // namespace gyrelune
