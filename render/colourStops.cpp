#include "render/colourStops.h"

namespace gyrelune {

ColourStops defaultColourStops() {
    return {{255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 0, 255}};
}

void splitColour(std::int32_t colour, std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue) {
    if (colour < 0) return;
    red = std::uint8_t(colour);
    green = std::uint8_t(colour >> 8);
    blue = std::uint8_t(colour >> 16);
}

} // namespace gyrelune
