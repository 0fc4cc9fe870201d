#pragma once
// A GIF frame's 256 colours: the most frequent colours of the frame (counted
// in 5-bit-per-channel cells) and every pixel mapped to its nearest one.

#include "studio/film/filmOutput.h"

#include <cstdint>

namespace gyrelune {

// Writes the indices into rows of stride bytes and the palette as 0xAARRGGBB.
void toPaletteFrame(const RgbFrame& frame, std::uint8_t* indices, int stride,
                    std::uint32_t* palette);

} // namespace gyrelune
