#pragma once
// The colour window's list editing and gradient strip, without widgets.
// Lists shorter than two stops (only a document brings them) are handled
// without reading outside the list.

#include "formula/real48.h"
#include "render/colourStops.h"

#include <cstdint>

namespace gyrelune {

// The strip's colour (0x00BBGGRR) at depth z over [zMin, zMax] ([-1, 1] when
// the two are equal): the stops spread evenly, channels interpolated and
// rounded ties to even; black where a segment has no extent. No stops give
// black; one stop gives that stop's colour everywhere.
std::int32_t colourAtDepth(Real48 z, const ColourStops& stops, Real48 zMin, Real48 zMax);

// The depth shown by strip column c of width columns: zMin + (zMax - zMin) * c /
// width, or 2c / width - 1 while zMin equals zMax. Throws FloatingPointOverflow.
Real48 stripDepth(int column, int width, Real48 zMin, Real48 zMax);

// The three swatches: the Zmin colour (stop 0), the Zmax colour (the last stop)
// and the background; black for a missing stop.
struct SwatchColours {
    std::int32_t zMin = 0, zMax = 0, background = 0;
};
SwatchColours swatchColours(const ColourStops& stops, std::int32_t background);

// A chosen colour into stop 0 / the last stop (an empty list gains the stop).
void setZMinColour(ColourStops& stops, std::int32_t colour);
void setZMaxColour(ColourStops& stops, std::int32_t colour);

// "Új": the chosen colour becomes the last intermediate stop, before Zmax.
void insertIntermediateColour(ColourStops& stops, std::int32_t colour);

// "Eldob": drops the stop before Zmax when there are more than two stops.
// Returns whether the list changed.
bool dropIntermediateColour(ColourStops& stops);

} // namespace gyrelune
