// Stands in for the frame renderer while the studio's density renderer is not
// part of the build: every film fails with a message instead of a link error.
#include "studio/film/filmRenderer.h"

namespace gyrelune {
namespace {

[[noreturn]] void unbuilt() {
    throw FilmError("this build has no density renderer to render film frames");
}

} // namespace

FilmRenderer::FilmRenderer(FilmPlan plan, const FilmLook& look)
    : plan_(std::move(plan)), look_(look) {}

bool FilmRenderer::prepare(const std::atomic<bool>*, const FrameProgress&) {
    unbuilt();
}

bool FilmRenderer::renderFrame(int, RgbFrame&, const std::atomic<bool>*, const FrameProgress&) {
    unbuilt();
}

} // namespace gyrelune
