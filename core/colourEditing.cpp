#include "core/colourEditing.h"

#include "render/depthSegment.h"

#include <cmath>

namespace gyrelune {
namespace {

std::int32_t packStop(const ColourStop& stop) {
    return packColour(stop.red, stop.green, stop.blue);
}

// Round ties to even, then the low 8 bits, for any magnitude.
std::uint8_t channelByte(long double value) {
    long double byte = std::fmod(std::nearbyint(value), 256.0L);
    if (byte < 0) byte += 256;
    return std::uint8_t(byte);
}

} // namespace

std::int32_t colourAtDepth(Real48 z, const ColourStops& stops, Real48 zMin, Real48 zMax) {
    const std::size_t n = stops.size();
    if (n == 0) return 0;
    if (n == 1) return packStop(stops[0]);
    long double low = zMin.toExtended(), high = zMax.toExtended();
    if (zMin == zMax) {
        low = -1;
        high = 1;
    }
    const long double depth = z.toExtended();
    const auto depthOf = [&](std::size_t k) { return stopDepth(low, high - low, k, n); };
    const std::size_t i = depthSegment(n, depth, depthOf);
    Real48 a, b;
    Real48::tryFromExtended(depthOf(i - 1), a);
    Real48::tryFromExtended(depthOf(i), b);
    if (a == b) return 0;

    const ColourStop& lo = stops[i - 1];
    const ColourStop& hi = stops[i];
    const long double t = depth - a.toExtended(), span = b.toExtended() - a.toExtended();
    const auto channel = [&](std::uint8_t from, std::uint8_t to) {
        return channelByte(t * (long double)(to - from) / span + from);
    };
    return packColour(channel(lo.red, hi.red), channel(lo.green, hi.green),
                      channel(lo.blue, hi.blue));
}

Real48 stripDepth(int column, int width, Real48 zMin, Real48 zMax) {
    if (width <= 0) return zMin;
    if (zMin == zMax) return Real48::fromExtended(2.0L * column / width - 1);
    const long double low = zMin.toExtended();
    return Real48::fromExtended(low + (zMax.toExtended() - low) * column / width);
}

SwatchColours swatchColours(const ColourStops& stops, std::int32_t background) {
    SwatchColours colours;
    colours.background = background;
    if (!stops.empty()) {
        colours.zMin = packStop(stops.front());
        colours.zMax = packStop(stops.back());
    }
    return colours;
}

void setZMinColour(ColourStops& stops, std::int32_t colour) {
    if (stops.empty()) stops.emplace_back();
    ColourStop& stop = stops.front();
    splitColour(colour, stop.red, stop.green, stop.blue);
}

void setZMaxColour(ColourStops& stops, std::int32_t colour) {
    if (stops.empty()) stops.emplace_back();
    ColourStop& stop = stops.back();
    splitColour(colour, stop.red, stop.green, stop.blue);
}

void insertIntermediateColour(ColourStops& stops, std::int32_t colour) {
    // With no Zmax to keep, the colour becomes the only stop.
    if (stops.empty()) {
        setZMinColour(stops, colour);
        return;
    }
    stops.push_back(stops.back());
    ColourStop& place = stops[stops.size() - 2];
    splitColour(colour, place.red, place.green, place.blue);
}

bool dropIntermediateColour(ColourStops& stops) {
    if (stops.size() <= 2) return false;
    stops[stops.size() - 2] = stops.back();
    stops.pop_back();
    return true;
}

} // namespace gyrelune
