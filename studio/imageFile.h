#pragma once
// Picture files of the studio: PNG (8 or 16 bits per channel), JPEG, TIFF
// (16 bits) and OpenEXR (linear float), chosen by the name's extension. Each
// is written beside its target and renamed over it only when complete. Rows
// are asked for top to bottom, one at a time, so a large picture can be
// written while it is being finished, without a second copy of it.

#include "studio/image.h"

#include <cstdint>
#include <functional>
#include <string>

namespace gyrelune {

enum class ImageFileFormat { none, png, jpeg, tiff, exr };

// By the extension, in any case: .png, .jpg/.jpeg, .tif/.tiff, .exr.
ImageFileFormat imageFileFormatOf(const std::string& path);

struct ImageFileOptions {
    int depth = 16;         // bits per channel of a PNG, 8 or 16; TIFF has 16, JPEG 8
    int jpegQuality = 95;   // 1 to 100
    double dotsPerInch = 0; // recorded in the file when positive
};

// A picture to write: exactly one of the two row makers is set. Display
// levels go to an EXR decoded to linear light; linear light goes to the
// other formats sRGB-encoded and clipped to white.
struct ImageRows {
    int width = 0, height = 0;
    std::function<void(int y, std::uint16_t* rgb)> levels;
    std::function<void(int y, float* rgb)> linear;
};

// Why such a picture cannot be written to path (unknown extension, size or
// depth the format cannot hold); empty if it can. Worth asking before a long
// render.
std::string imageFileProblem(const std::string& path, int width, int height,
                             const ImageFileOptions& options);

// Empty on success, else a message naming the path and the reason.
std::string writeImageFile(const std::string& path, const ImageRows& rows,
                           const ImageFileOptions& options = {});
std::string writeImageFile(const std::string& path, const Image16& image,
                           const ImageFileOptions& options = {});
std::string writeImageFile(const std::string& path, const ImageFloat& image,
                           const ImageFileOptions& options = {});

} // namespace gyrelune
