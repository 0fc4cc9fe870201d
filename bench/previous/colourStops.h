#pragma once
// Depth colours as the previous core took them: the stop list (first stop =
// farthest points) and the packed colour value 0x00BBGGRR.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gyrelune::previous {

struct ColourStop {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const ColourStop&, const ColourStop&) = default;
};
using ColourStops = std::vector<ColourStop>;

// Red, yellow, green, blue.
inline ColourStops defaultColourStops() {
    return {{255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 0, 255}};
}

// A negative value (a system-colour code) leaves the outputs unchanged.
inline void splitColour(std::int32_t colour, std::uint8_t& red, std::uint8_t& green,
                        std::uint8_t& blue) {
    if (colour < 0) return;
    red = std::uint8_t(colour);
    green = std::uint8_t(colour >> 8);
    blue = std::uint8_t(colour >> 16);
}

// The depth of stop k of n spread evenly over [low, low + span], in extended precision.
inline long double stopDepth(long double low, long double span, std::size_t k, std::size_t n) {
    return span * static_cast<long double>(k) / static_cast<long double>(n - 1) + low;
}

// The upper stop i of the segment (stop i - 1 to stop i) that holds depth z,
// for n >= 2 stops: a depth at a stop belongs to the segment that ends there.
template <typename DepthOf>
std::size_t depthSegment(std::size_t n, long double z, const DepthOf& depthOf) {
    std::size_t i = 1;
    while (i < n - 1 && depthOf(i) < z)
        ++i;
    return i;
}

} // namespace gyrelune::previous
