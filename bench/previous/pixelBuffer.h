#pragma once
// The picture as plain memory: blue, green, red per pixel, rows from the top,
// each padded with zeros to a multiple of four bytes.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gyrelune::previous {

class PixelBuffer {
  public:
    // Keeps the memory when the size is unchanged; the contents are then left as they were.
    void resize(int width, int height) {
        width = width < 0 ? 0 : width;
        height = height < 0 ? 0 : height;
        if (width == width_ && height == height_) return;
        const std::ptrdiff_t stride = (3 * std::ptrdiff_t(width) + 3) / 4 * 4;
        bytes_.assign(std::size_t(stride) * std::size_t(height), 0);
        width_ = width;
        height_ = height;
        stride_ = stride;
    }

    int width() const { return width_; }
    int height() const { return height_; }
    std::ptrdiff_t stride() const { return stride_; }
    std::uint8_t* bits() { return bytes_.data(); }
    const std::uint8_t* bits() const { return bytes_.data(); }
    std::size_t byteCount() const { return bytes_.size(); }
    std::uint8_t* row(int y) { return bytes_.data() + y * stride_; }

  private:
    int width_ = 0, height_ = 0;
    std::ptrdiff_t stride_ = 0;
    std::vector<std::uint8_t> bytes_;
};

} // namespace gyrelune::previous
