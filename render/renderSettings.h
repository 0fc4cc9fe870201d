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
    friend bool operator==(const Ranges&, const Ranges&) = default;
};

} // namespace gyrelune
