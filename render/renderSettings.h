#pragma once
// What a Draw hands to the render core, as one value, and the range of the
// rotated coordinates.

#include "formula/formula.h"
#include "formula/real48.h"
#include "render/colourStops.h"

#include <cstdint>

namespace gyrelune {

struct RenderSettings {
    Formula formulaX, formulaY, formulaZ; // "X new", "Y new", "Z new"
    ColourStops colours;
    std::int32_t background = 0; // 0x00BBGGRR, or a negative system-colour code
    Real48 zoom;                 // pixels per unit
    Real48 centreX, centreY;     // the rotated point shown at the picture's centre
    std::int32_t gain = 0;
    Real48 angleX, angleY, angleZ; // radians
};

// All six 0: no point has been taken into the range yet.
struct Ranges {
    Real48 xMax, xMin, yMax, yMin, zMax, zMin;

    bool empty() const { return *this == Ranges{}; }
    // Takes in a rotated point, stored as 6-byte reals. A coordinate of
    // exactly 1 keeps the start point (1, 1, 1) of an unrotated orbit out.
    void widen(double x, double y, double z) noexcept {
        if (x == 1 || y == 1 || z == 1) return;
        const Real48 rx = Real48::fromExactDouble(x), ry = Real48::fromExactDouble(y),
                     rz = Real48::fromExactDouble(z);
        if (empty()) {
            xMax = xMin = rx;
            yMax = yMin = ry;
            zMax = zMin = rz;
        }
        if (x < xMin.toDouble()) xMin = rx;
        if (y < yMin.toDouble()) yMin = ry;
        if (x > xMax.toDouble()) xMax = rx;
        if (y > yMax.toDouble()) yMax = ry;
        if (z > zMax.toDouble()) zMax = rz;
        if (z < zMin.toDouble()) zMin = rz;
    }
    friend bool operator==(const Ranges&, const Ranges&) = default;
};

} // namespace gyrelune
