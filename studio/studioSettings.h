#pragma once
// What a studio render is made of: the document's settings as Draw hands them
// to the window's renderer, the window they were framed in, the poster's size
// and supersampling, how many points, the seed and the set of orbits.
//
// Orbit k (k = 0, 1, 2, ...) is a fixed walk: its start point and its restart
// stream come from (seed, k) alone, it skips `transient` iterations and then
// counts `orbitLength` points. The whole render of N points is orbits
// 0 .. ceil(N / orbitLength) - 1; a shard I/N (I from 0) takes the orbits k
// with k % N == I of them.

#include "render/renderSettings.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace gyrelune {

// The orbits k in [begin, end) with k % shardCount == shardIndex.
struct OrbitPiece {
    std::uint64_t begin = 0, end = 0;
    std::uint32_t shardIndex = 0, shardCount = 1;
    friend bool operator==(const OrbitPiece&, const OrbitPiece&) = default;
};
using OrbitSet = std::vector<OrbitPiece>;

// The rotated depth mapped onto the colour stops: low gets the first stop,
// high the last; depths beyond take the end stops.
struct DepthRange {
    double low = 0, high = 0;
    friend bool operator==(const DepthRange&, const DepthRange&) = default;
};

// Where the rotated X-Y plane lands on the poster: a rotated point (X, Y)
// falls at poster pixel (width / 2 + zoom (X - centreX), height / 2 - zoom (Y - centreY)),
// in continuous pixel units with pixel p covering [p, p + 1).
struct PosterView {
    double zoom = 0, centreX = 0, centreY = 0;
    friend bool operator==(const PosterView&, const PosterView&) = default;
};

struct StudioSettings {
    RenderSettings document;
    // The image window the document was framed in; the poster shows that view
    // scaled by min(width / windowWidth, height / windowHeight). 576 x 551 is
    // the image window's client size as the program starts.
    int windowWidth = 576, windowHeight = 551;
    int width = 0, height = 0; // the poster, in pixels
    int supersample = 2;       // s x s cells per poster pixel
    bool fit = false;          // frame the figure as Centre does instead
    std::uint64_t seed = 0;
    std::uint64_t points = 0; // of the whole render, all shards together
    std::uint32_t orbitLength = 65536;
    std::uint32_t transient = 1024;
    std::uint32_t shardIndex = 0, shardCount = 1; // 0-based
    int threads = 0;                              // 0: one per core
    // Given from outside (a film keeps one for all its frames); else the pre-pass finds it.
    std::optional<DepthRange> depthRange;
};

// Orbits of a render of `points` points: ceil(points / orbitLength).
std::uint64_t orbitCountFor(std::uint64_t points, std::uint32_t orbitLength);

// The orbits [begin, end) of the settings' shard.
OrbitPiece shardPiece(const StudioSettings& settings, std::uint64_t begin, std::uint64_t end);

} // namespace gyrelune
