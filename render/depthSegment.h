#pragma once
// The colour stops' places over a depth range and the segment a depth falls
// in; shared by the render core's colouring and the colour window's strip.

#include <cstddef>

namespace gyrelune {

// The depth of stop k of n spread evenly over [low, low + span], in extended precision.
inline long double stopDepth(long double low, long double span, std::size_t k, std::size_t n) {
    return span * static_cast<long double>(k) / static_cast<long double>(n - 1) + low;
}

// The upper stop i of the segment (stop i - 1 to stop i) that holds depth z,
// for n >= 2 stops whose depths depthOf(k) gives: a depth at a stop belongs to
// the segment that ends there, one beyond the last interior stop to the last.
template <typename DepthOf>
std::size_t depthSegment(std::size_t n, long double z, const DepthOf& depthOf) {
    std::size_t i = 1;
    while (i < n - 1 && depthOf(i) < z)
        ++i;
    return i;
}

} // namespace gyrelune
