#pragma once
// Baseline JFIF encoder on libjpeg: three components from the picture's red,
// green and blue, quality 90, libjpeg's defaults otherwise.

#include "render/pixelBuffer.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace gyrelune {

class JpegEncoder {
  public:
    // Encodes the picture into file. Returns an empty string on success, else libjpeg's message.
    std::string write(const PixelBuffer& picture, std::FILE* file);

  private:
    std::vector<std::uint8_t> row_; // one picture row in red, green, blue order
};

} // namespace gyrelune
