#pragma once
// How an orbit point becomes a pixel: the rotation by the three angles, the
// projection onto a picture of W x H, and Centre's fit of a range into the
// picture. The window renderer, Centre, the search and the studio share it.

#include "formula/real48.h"
#include "render/renderSettings.h"
#include "render/roundToInteger.h"

#include <cmath>

namespace gyrelune {

// Rotation about X by angle X, then about Y, then about Z; each stage stored
// as 6-byte reals before the next.
class Rotation {
  public:
    Rotation() = default; // all angles zero
    Rotation(Real48 angleX, Real48 angleY, Real48 angleZ);

    // True when every angle is zero: the rotation leaves stored points as they are.
    bool isIdentity() const { return identity_; }
    // Rotates a stored point; false (point unchanged) when a stage cannot be stored.
    bool apply(double& x, double& y, double& z) const noexcept;
    // As the renderer rotates: stored points of an identity rotation are
    // passed through (only the signs of zeros could differ).
    bool view(double& x, double& y, double& z) const noexcept {
        if (identity_ && x != 0 && y != 0 && z != 0) return true;
        return apply(x, y, z);
    }
    // Whether apply succeeds on a stored point, cheaply for most points.
    bool fits(double x, double y, double z) const noexcept;

  private:
    long double sinA_ = 0, cosA_ = 1, sinB_ = 0, cosB_ = 1, sinC_ = 0, cosC_ = 1;
    bool identity_ = true;
};

// Centre's choice of a view for a range: the centre on the range's middle,
// the zoom so that the side needing more units per pixel fills 95 %.
struct ViewFit {
    Real48 centreX, centreY;
    long double zoom = 0;     // not yet stored: it may be beyond the 6-byte range
    bool zoomChanged = false; // false for a range of no extent on that side
};

class ViewGeometry {
  public:
    ViewGeometry() = default;
    ViewGeometry(Rotation rotation, Real48 zoom, Real48 centreX, Real48 centreY, int width,
                 int height)
        : rotation_(rotation), zoom_(zoom), centreX_(centreX), centreY_(centreY), width_(width),
          height_(height) {}

    const Rotation& rotation() const { return rotation_; }
    Real48 zoom() const { return zoom_; }
    Real48 centreX() const { return centreX_; }
    Real48 centreY() const { return centreY_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setPictureSize(int width, int height) {
        width_ = width;
        height_ = height;
    }

    // The pixel of a rotated point; false for a point too far out to land on
    // any picture. The picture's centre is (W/2, H/2), rows grow downwards.
    bool project(double x, double y, long long& px, long long& py) const noexcept {
        // Beyond this a point is off any picture; it also keeps the rounding
        // away from the integer conversion's overflow.
        constexpr long double farAway = 1e15L;
        const long double across = zoom_.toExtended() * (x - centreX_.toExtended());
        const long double down = zoom_.toExtended() * (y - centreY_.toExtended());
        if (!(std::fabs(across) < farAway) || !(std::fabs(down) < farAway)) return false;
        px = width_ / 2 + roundToInteger(across);
        py = height_ / 2 - roundToInteger(down);
        return true;
    }

    // Centre's fit of a range into a picture of width x height (both above 0).
    static ViewFit fit(const Ranges& range, long double width, long double height) noexcept;
    // This view with the centre and zoom of fit(range, W, H); the zoom stays
    // for a picture of no area or a zoom that cannot be stored.
    ViewGeometry fitted(const Ranges& range) const noexcept;

    // The same view on a picture k times larger: the figure k times larger.
    ViewGeometry scaled(int k) const;
    // The same view on a picture of another size: the centre stays in the
    // middle, and the figure keeps its share of the picture's width.
    ViewGeometry resized(int width, int height) const;

  private:
    Rotation rotation_;
    Real48 zoom_, centreX_, centreY_;
    int width_ = 0, height_ = 0;
};

} // namespace gyrelune
