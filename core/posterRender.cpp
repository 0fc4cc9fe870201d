#include "core/posterRender.h"

#include "studio/densityRenderer.h"
#include "studio/imageFile.h"
#include "studio/toneMapping.h"

#include <algorithm>
#include <thread>

namespace gyrelune {
namespace {

// The render takes most of the time; the tone mapping and the file the rest.
constexpr double renderShare = 0.9;

StudioSettings studioSettings(const PosterDocument& document, const PosterRequest& request) {
    StudioSettings settings;
    settings.document = document.settings;
    settings.windowWidth = document.windowWidth;
    settings.windowHeight = document.windowHeight;
    settings.width = request.size.width;
    settings.height = request.size.height;
    settings.supersample = request.supersample;
    settings.points = request.points();
    // One core stays with the window, which goes on drawing.
    settings.threads = int(std::max(1u, std::thread::hardware_concurrency() - 1));
    return settings;
}

} // namespace

std::string renderPoster(const PosterDocument& document, const PosterRequest& request,
                         JobControl& control) {
    DensityRenderer renderer(studioSettings(document, request));
    Accumulation grid;
    const auto progress = [&control](const RenderProgress& done) {
        if (done.pointsTotal)
            control.fraction = renderShare * double(done.pointsDone) / double(done.pointsTotal);
    };
    if (!renderer.renderAll(grid, progress, &control.stop)) return "stopped";
    ToneSettings tone;
    tone.look = request.look == PosterLook::log ? Look::log : Look::window;
    ToneMapper mapper(grid, tone);
    ImageRows rows{mapper.width(), mapper.height(), nullptr, nullptr};
    if (imageFileFormatOf(request.fileName) == ImageFileFormat::exr)
        rows.linear = [&](int y, float* rgb) { mapper.linearRow(y, rgb); };
    else
        rows.levels = [&](int y, std::uint16_t* rgb) {
            mapper.levelsRow(y, rgb);
            control.fraction = renderShare + (1 - renderShare) * (y + 1) / mapper.height();
        };
    ImageFileOptions options;
    options.dotsPerInch = request.size.dotsPerInch;
    return writeImageFile(request.fileName, rows, options);
}

} // namespace gyrelune
