#pragma once
// Finished pictures of the studio: RGB, rows top to bottom, three channels per
// pixel. Image16 holds display levels (sRGB-encoded, 0 to 65535); ImageFloat
// holds linear light, 1 being white, with no upper bound.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gyrelune {

template <class Sample> struct RgbImage {
    int width = 0, height = 0;
    std::vector<Sample> samples; // width * height * 3

    RgbImage() = default;
    RgbImage(int w, int h) : width(w), height(h), samples(std::size_t(w) * std::size_t(h) * 3) {}
    Sample* row(int y) { return samples.data() + std::size_t(y) * std::size_t(width) * 3; }
    const Sample* row(int y) const {
        return samples.data() + std::size_t(y) * std::size_t(width) * 3;
    }
};

using Image16 = RgbImage<std::uint16_t>;
using ImageFloat = RgbImage<float>;

} // namespace gyrelune
