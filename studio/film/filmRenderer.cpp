#include "studio/film/filmRenderer.h"

#include "studio/accumulation.h"
#include "studio/densityRenderer.h"

#include <algorithm>
#include <vector>

namespace gyrelune {
namespace {

// Frames spread evenly over the film, first and last included.
std::vector<int> sampleFrames(int frameCount, int samples) {
    std::vector<int> frames;
    const int count = std::min(frameCount, samples);
    for (int i = 0; i < count; ++i)
        frames.push_back(count == 1 ? 0 : int((long long)i * (frameCount - 1) / (count - 1)));
    return frames;
}

// The depth pre-pass is cheap: many frames. Exposure needs whole frames: few.
constexpr int depthSamples = 33, exposureSamples = 3;

void toRgb(const Image16& levels, RgbFrame& out) {
    out.width = levels.width;
    out.height = levels.height;
    out.pixels.resize(levels.samples.size());
    for (std::size_t i = 0; i < levels.samples.size(); ++i)
        out.pixels[i] = std::uint8_t((std::uint32_t(levels.samples[i]) * 255 + 32767) / 65535);
}

} // namespace

FilmRenderer::FilmRenderer(FilmPlan plan, const FilmLook& look)
    : plan_(std::move(plan)), look_(look) {}

StudioSettings FilmRenderer::frameStudioSettings(int frame) const {
    StudioSettings s;
    s.document = frameSettings(plan_, frame);
    s.windowWidth = look_.windowWidth;
    s.windowHeight = look_.windowHeight;
    s.width = look_.width;
    s.height = look_.height;
    s.supersample = look_.supersample;
    s.seed = look_.seed;
    s.points = look_.points;
    s.threads = look_.threads;
    return s;
}

bool FilmRenderer::prepare(const std::atomic<bool>* stop, const FrameProgress& progress) {
    bool first = true;
    for (int frame : sampleFrames(plan_.frameCount, depthSamples)) {
        if (stop && *stop) return false;
        const DepthRange d = DensityRenderer(frameStudioSettings(frame)).header().depth;
        depth_ = first ? d : DepthRange{std::min(depth_.low, d.low), std::max(depth_.high, d.high)};
        first = false;
    }
    // The median of a few frames' own exposures, so that one odd frame does
    // not set it.
    std::vector<double> references;
    const std::vector<int> frames = sampleFrames(plan_.frameCount, exposureSamples);
    for (int frame : frames) {
        StudioSettings s = frameStudioSettings(frame);
        s.depthRange = depth_;
        DensityRenderer renderer(s);
        Accumulation grid;
        const double done = double(references.size()) / frames.size();
        auto share = [&](const RenderProgress& p) {
            if (progress && p.pointsTotal)
                progress(done + double(p.pointsDone) / p.pointsTotal / frames.size());
        };
        if (!renderer.renderAll(grid, share, stop)) return false;
        references.push_back(automaticReference(grid, look_.look));
    }
    std::sort(references.begin(), references.end());
    reference_ = references[references.size() / 2];
    return true;
}

bool FilmRenderer::renderFrame(int frame, RgbFrame& out, const std::atomic<bool>* stop,
                               const FrameProgress& progress) {
    StudioSettings s = frameStudioSettings(frame);
    s.depthRange = depth_;
    DensityRenderer renderer(s);
    Accumulation grid;
    auto share = [&progress](const RenderProgress& p) {
        if (progress && p.pointsTotal) progress(double(p.pointsDone) / p.pointsTotal);
    };
    if (!renderer.renderAll(grid, share, stop)) return false;
    ToneSettings tone;
    tone.look = look_.look;
    // A frame with no point in the picture keeps the film's exposure too.
    tone.reference = reference_ > 0 ? reference_ : 1;
    toRgb(toneMapToLevels(grid, tone, look_.threads), out);
    return true;
}

} // namespace gyrelune
