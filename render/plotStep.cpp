// One orbit point, in two stages: the orbit stage (OrbitStage) stores the
// point and iterates the map; the raster stage rotates, projects, tracks the
// range and accumulates. Neither depends on the other's results, so the orbit
// stage can run ahead on a thread of its own.

#include "render/renderCore.h"

namespace gyrelune {

void RenderCore::plotStep() {
    rasterStep(orbit_.next());
}

void RenderCore::orbitStep(StoredOrbitPoint& point) noexcept {
    point = orbit_.next();
}

void RenderCore::rasterStep(StoredOrbitPoint point) {
    if (point.failed()) return; // nothing drawn, not counted
    double x = point.x, y = point.y, z = point.z;
    view_.rotation().view(x, y, z);
    // The picture's middle follows the window at once, before the restart.
    view_.setPictureSize(clientWidth(), clientHeight());
    long long px = 0, py = 0;
    const bool onPicture = view_.project(x, y, px, py);
    ranges_.widen(x, y, z);
    if (onPicture && px >= 1 && px <= gridWidth_ - 1 && py >= 1 && py <= gridHeight_ - 1)
        accumulate(int(px), int(py), z);
    ++stepsSinceHandOff_;
}

void RenderCore::iterateMap() {
    EvaluationCodes ignored;
    if (!orbit_.advance(ignored)) throw FloatingPointOverflow();
}

} // namespace gyrelune
