#include "render/viewGeometry.h"

#include "formula/extendedMath.h"

#include <cmath>

namespace gyrelune {
namespace {

// No rotated coordinate of a point within this bound can reach the stored
// range's limit: each stage at most adds two magnitudes, five times the largest
// after three stages.
constexpr double rotationSafe = 0x1p124;

constexpr long double fitMargin = 0.95L;

inline bool store(long double value, double& out) noexcept {
    return roundToReal48(value, out);
}

} // namespace

Rotation::Rotation(Real48 angleX, Real48 angleY, Real48 angleZ)
    : sinA_(sinExtended(angleX.toExtended())), cosA_(cosExtended(angleX.toExtended())),
      sinB_(sinExtended(angleY.toExtended())), cosB_(cosExtended(angleY.toExtended())),
      sinC_(sinExtended(angleZ.toExtended())), cosC_(cosExtended(angleZ.toExtended())),
      identity_(angleX == Real48() && angleY == Real48() && angleZ == Real48()) {}

bool Rotation::apply(double& x, double& y, double& z) const noexcept {
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

bool Rotation::fits(double x, double y, double z) const noexcept {
    if (identity_) return true;
    if (std::fabs(x) < rotationSafe && std::fabs(y) < rotationSafe && std::fabs(z) < rotationSafe)
        return true;
    return apply(x, y, z);
}

ViewFit ViewGeometry::fit(const Ranges& range, long double width, long double height) noexcept {
    const long double xMax = range.xMax.toExtended(), xMin = range.xMin.toExtended();
    const long double yMax = range.yMax.toExtended(), yMin = range.yMin.toExtended();
    ViewFit fit;
    // The middle of two 6-byte values is always a 6-byte value.
    Real48::tryFromExtended((xMax + xMin) / 2, fit.centreX);
    Real48::tryFromExtended((yMax + yMin) / 2, fit.centreY);
    if ((xMax - xMin) / width > (yMax - yMin) / height) {
        if (xMax == xMin) return fit;
        fit.zoom = width / (xMax - xMin) * fitMargin;
    } else {
        if (yMax == yMin) return fit;
        fit.zoom = height / (yMax - yMin) * fitMargin;
    }
    fit.zoomChanged = true;
    return fit;
}

ViewGeometry ViewGeometry::fitted(const Ranges& range) const noexcept {
    ViewGeometry view = *this;
    if (width_ <= 0 || height_ <= 0) return view;
    const ViewFit fit = ViewGeometry::fit(range, width_, height_);
    view.centreX_ = fit.centreX;
    view.centreY_ = fit.centreY;
    if (fit.zoomChanged) Real48::tryFromExtended(fit.zoom, view.zoom_);
    return view;
}

ViewGeometry ViewGeometry::scaled(int k) const {
    ViewGeometry view = *this;
    view.zoom_ = Real48::fromExtended(zoom_.toExtended() * k);
    view.width_ = width_ * k;
    view.height_ = height_ * k;
    return view;
}

ViewGeometry ViewGeometry::resized(int width, int height) const {
    ViewGeometry view = *this;
    if (width_ > 0) view.zoom_ = Real48::fromExtended(zoom_.toExtended() * width / width_);
    view.width_ = width;
    view.height_ = height;
    return view;
}

} // namespace gyrelune
