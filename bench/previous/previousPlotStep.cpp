// One orbit point: rotate, project, track the range, iterate, accumulate.

#include "previousCore.h"

#include <cmath>

namespace gyrelune::previous {
namespace {

inline bool store(long double value, double& out) noexcept {
    return roundToReal48(value, out);
}

// Projections beyond this are off any picture; it also keeps the rounding
// away from the integer conversion's overflow.
constexpr long double farAway = 1e15L;

} // namespace

void PreviousCore::plotStep() {
    double x, y, z;
    if (!store(orbitX_, x) || !store(orbitY_, y) || !store(orbitZ_, z) || !rotate(x, y, z)) {
        // Beyond the stored range: leave the point as a failed iteration
        // would, or every later pass would fail on it again.
        restartOrbitAtRandom();
        return;
    }
    long long px = 0, py = 0;
    const bool onPicture = project(x, y, px, py);
    trackRange(x, y, z);
    if (!iterateOrbit()) restartOrbitAtRandom();
    if (onPicture && px >= 1 && px <= gridWidth_ - 1 && py >= 1 && py <= gridHeight_ - 1)
        accumulate(int(px), int(py), z);
    ++stepsSinceHandOff_;
}

// Three stages, each stored as 6-byte reals before the next.
bool PreviousCore::rotate(double& x, double& y, double& z) const noexcept {
    const long double x0 = x, y0 = y, z0 = z;
    double y1, z1, x2, z2, x3, y3;
    if (!store(y0 * cosA_ - z0 * sinA_, y1) || !store(y0 * sinA_ + z0 * cosA_, z1)) return false;
    const long double x1 = x0;
    if (!store(x1 * cosB_ + z1 * sinB_, x2) || !store(z1 * cosB_ - x1 * sinB_, z2)) return false;
    if (!store(x2 * cosC_ - y1 * sinC_, x3) || !store(x2 * sinC_ + y1 * cosC_, y3)) return false;
    x = x3;
    y = y3;
    z = z2;
    return true;
}

// False for a point too far out to land on any picture.
bool PreviousCore::project(double x, double y, long long& px, long long& py) const noexcept {
    const long double across = zoom_.toExtended() * (x - centreX_.toExtended());
    const long double down = zoom_.toExtended() * (y - centreY_.toExtended());
    if (!(std::fabs(across) < farAway) || !(std::fabs(down) < farAway)) return false;
    px = clientWidth() / 2 + std::llrintl(across);
    py = clientHeight() / 2 - std::llrintl(down);
    return true;
}

void PreviousCore::trackRange(double x, double y, double z) noexcept {
    // Keeps the start point (1, 1, 1) of an unrotated orbit out of the range.
    if (x == 1 || y == 1 || z == 1) return;
    const Real48 rx = Real48::fromExactDouble(x), ry = Real48::fromExactDouble(y),
                 rz = Real48::fromExactDouble(z);
    Ranges& r = ranges_;
    if (r.empty()) {
        r.xMax = r.xMin = rx;
        r.yMax = r.yMin = ry;
        r.zMax = r.zMin = rz;
    }
    if (x < r.xMin.toDouble()) r.xMin = rx;
    if (y < r.yMin.toDouble()) r.yMin = ry;
    if (x > r.xMax.toDouble()) r.xMax = rx;
    if (y > r.yMax.toDouble()) r.yMax = ry;
    if (z > r.zMax.toDouble()) r.zMax = rz;
    if (z < r.zMin.toDouble()) r.zMin = rz;
}

void PreviousCore::iterateMap() {
    if (!iterateOrbit()) throw FloatingPointOverflow();
}

// The map gets the old point whole before any coordinate changes.
bool PreviousCore::iterateOrbit() noexcept {
    double point[3];
    if (!roundToReal48(orbitX_, point[0]) || !roundToReal48(orbitY_, point[1]) ||
        !roundToReal48(orbitZ_, point[2]))
        return false;
    long double next[3];
    map_->step(point, next);
    orbitX_ = next[0];
    orbitY_ = next[1];
    orbitZ_ = next[2];
    return true;
}

void PreviousCore::restartOrbitAtRandom() noexcept {
    orbitX_ = random_.draw(1000) / 100.0L;
    orbitY_ = random_.draw(1000) / 100.0L;
    orbitZ_ = random_.draw(1000) / 100.0L;
}

} // namespace gyrelune::previous
