// Depth colouring: per-cell accumulators and the pixel shading derived from them.

#include "previousCore.h"

#include <cmath>

namespace gyrelune::previous {
namespace {

inline void addTo(Real48& accumulator, long double amount) {
    if (!Real48::tryFromExtended(accumulator.toExtended() + amount, accumulator))
        throw FloatingPointOverflow();
}

inline long long channelValue(long double accumulator, long double sqrtPeak, std::int32_t gain,
                              std::uint8_t background) noexcept {
    const long long distance = std::llrintl(std::sqrt(std::fabs(accumulator / sqrtPeak)) * gain);
    const long long sign = accumulator > 0 ? 1 : accumulator < 0 ? -1 : 0;
    return sign * distance + background;
}

inline long long clampByte(long long v) noexcept {
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

} // namespace

void PreviousCore::accumulate(int px, int py, double z) {
    const std::size_t n = colours_.size();
    // A list of fewer than two stops has no segment: the point is counted
    // (the points-per-second read-out stays alive) but adds no colour.
    if (n >= 2) {
        PixelCell& c = pixelGrid_[std::size_t(px) * std::size_t(gridHeight_ + 1) + std::size_t(py)];
        const long double zMin = ranges_.zMin.toExtended(), span = ranges_.zMax.toExtended() - zMin;
        const auto threshold = [&](std::size_t k) { return stopDepth(zMin, span, k, n); };
        const std::size_t i = depthSegment(n, z, threshold);
        const Real48 lo = Real48::fromExtended(threshold(i - 1));
        const Real48 hi = Real48::fromExtended(threshold(i));
        if (hi == lo) {
            c = PixelCell{};
        } else {
            const ColourStop& from = colours_[i - 1];
            const ColourStop& to = colours_[i];
            const long double along = z - lo.toExtended(),
                              width = hi.toExtended() - lo.toExtended();
            auto gradient = [&](std::uint8_t a, std::uint8_t b) {
                return along * (int(b) - int(a)) / width + a;
            };
            addTo(c.accRed, (gradient(from.red, to.red) - backRed_) / 255);
            addTo(c.accGreen, (gradient(from.green, to.green) - backGreen_) / 255);
            addTo(c.accBlue, (gradient(from.blue, to.blue) - backBlue_) / 255);
        }
        const long double r = c.accRed.toExtended(), g = c.accGreen.toExtended(),
                          b = c.accBlue.toExtended();
        const long double m = r * r + g * g + b * b;
        if (m > peakMagnitude_.toExtended()) {
            peakMagnitude_ = Real48::fromExtended(m);
            sqrtPeak_ = std::sqrt(peakMagnitude_.toExtended());
        }
        if (peakMagnitude_ != Real48()) shade(px, py);
    }
    ++pointCount_;
    if ((pointCount_ + 1) % 10000 == 0) reshadeAll();
}

void PreviousCore::shade(int column, int row) noexcept {
    if (peakMagnitude_ == Real48()) return;
    const PixelCell& c =
        pixelGrid_[std::size_t(column) * std::size_t(gridHeight_ + 1) + std::size_t(row)];
    long long v[3] = {channelValue(c.accRed.toExtended(), sqrtPeak_, gain_, backRed_),
                      channelValue(c.accGreen.toExtended(), sqrtPeak_, gain_, backGreen_),
                      channelValue(c.accBlue.toExtended(), sqrtPeak_, gain_, backBlue_)};
    // What a channel cannot show beyond 0 or 255 is shared out over all three.
    long long excess = 0;
    for (long long k : v)
        excess += k > 255 ? k - 255 : k < 0 ? k : 0;
    const long long share = std::llrintl(excess / 3.0L);
    for (long long& k : v)
        k = clampByte(k + share);
    if (v[0] == backRed_ && v[1] == backGreen_ && v[2] == backBlue_) return;
    std::uint8_t* pixel = pixels_ + row * stride_ + 3 * std::ptrdiff_t(column);
    pixel[0] = std::uint8_t(v[2]);
    pixel[1] = std::uint8_t(v[1]);
    pixel[2] = std::uint8_t(v[0]);
}

// Brings every pixel up to the current peak. Cells of column W and row H
// have no pixel, and a cell with no colour shades to the background, which
// is never written; both are passed over.
void PreviousCore::reshadeAll() noexcept {
    if (peakMagnitude_ == Real48()) return;
    const PixelCell* c = pixelGrid_.data();
    for (int column = 0; column <= gridWidth_; ++column) {
        for (int row = 0; row <= gridHeight_; ++row, ++c) {
            if (column == gridWidth_ || row == gridHeight_) continue;
            if (c->accRed.toDouble() == 0 && c->accGreen.toDouble() == 0 &&
                c->accBlue.toDouble() == 0)
                continue;
            shade(column, row);
        }
    }
}

} // namespace gyrelune::previous
