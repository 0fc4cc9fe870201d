#pragma once
// Baseline JFIF encoder on libjpeg. The window's pictures: three components
// from the picture's red, green and blue, quality 90, libjpeg's defaults
// otherwise. The studio's files go through the same rows writer.

#include "render/pixelBuffer.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace gyrelune {

struct JpegLayout {
    int width = 0, height = 0;
    int quality = 90;
    bool fullChroma = false; // no halved chroma (thin coloured lines stay sharp)
    int dotsPerInch = 0;     // 0: none recorded
};

// Fills one row of width x 3 bytes, red, green, blue.
using JpegRowFiller = void (*)(void* context, int y, std::uint8_t* rgb);

// Encodes the rows into file; row is scratch space of at least width x 3
// bytes. Returns an empty string on success, else libjpeg's message.
std::string writeJpegRows(std::FILE* file, const JpegLayout& layout, JpegRowFiller fill,
                          void* context, std::uint8_t* row);

class JpegEncoder {
  public:
    // Encodes the picture into file. Returns an empty string on success, else libjpeg's message.
    std::string write(const PixelBuffer& picture, std::FILE* file);

  private:
    std::vector<std::uint8_t> row_; // one picture row in red, green, blue order
};

} // namespace gyrelune
