#pragma once
// Depth colours: the stop list (first stop = farthest points, last = nearest)
// and the packed colour value 0x00BBGGRR.

#include <cstdint>
#include <vector>

namespace gyrelune {

struct ColourStop {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const ColourStop&, const ColourStop&) = default;
};
using ColourStops = std::vector<ColourStop>;

// Red, yellow, green, blue.
ColourStops defaultColourStops();

inline std::int32_t packColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return std::int32_t(red) | std::int32_t(green) << 8 | std::int32_t(blue) << 16;
}

// Splits a non-negative colour value into its bytes; a negative value (a
// system-colour code) leaves the outputs unchanged.
void splitColour(std::int32_t colour, std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue);

} // namespace gyrelune
