#pragma once
// The encoders behind writeImageFile, one per format. Each returns an empty
// text on success, else the library's reason.

#include "studio/imageFile.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace gyrelune {

// Hands out the picture's rows in the form an encoder wants, converting
// between display levels and linear light when the picture has the other.
class RowSource {
  public:
    explicit RowSource(const ImageRows& rows);
    int width() const { return rows_.width; }
    int height() const { return rows_.height; }
    const std::uint16_t* levels(int y);
    const float* linear(int y);

  private:
    const ImageRows& rows_;
    std::vector<std::uint16_t> levels_;
    std::vector<float> linear_;
};

std::string encodePng(RowSource& rows, std::FILE* file, const ImageFileOptions& options);
std::string encodeJpeg(RowSource& rows, std::FILE* file, const ImageFileOptions& options);
std::string encodeTiff(RowSource& rows, int descriptor, const ImageFileOptions& options);
std::string encodeExr(RowSource& rows, std::FILE* file, const ImageFileOptions& options);

} // namespace gyrelune
