#pragma once
// The measured read-out of a figure: what its orbit does (search/) and how
// much of its picture it lights.

#include "render/pixelBuffer.h"
#include "render/renderSettings.h"
#include "search/orbitMeasurement.h"

#include <atomic>
#include <cstdint>

namespace gyrelune {

struct LitPixels {
    std::int64_t lit = 0, all = 0;
    double share() const { return all ? double(lit) / double(all) : 0; }
};

// The pixels of picture that differ from the background (0x00BBGGRR).
LitPixels countLitPixels(const PixelBuffer& picture, std::int32_t background);

// The orbit of the map that settings hold (formulas with their parameter
// values, as Draw hands them over), measured from start.
Inspection inspectFigure(const RenderSettings& settings, OrbitPoint start,
                         const InspectionSettings& inspection,
                         const std::atomic<bool>* halt = nullptr);

} // namespace gyrelune
