// Depth colouring: per-cell accumulators and the pixel shading derived from them.

#include "render/depthSegment.h"
#include "render/raster.h"
#include "render/roundToInteger.h"
#include "render/shadeChannel.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gyrelune {
namespace {

inline void addTo(Real48& accumulator, long double amount) {
    if (!Real48::tryFromExtended(accumulator.toExtended() + amount, accumulator))
        throw FloatingPointOverflow();
}

inline long long channelValue(Real48 accumulator, long double sqrtPeak, double sqrtPeakDouble,
                              std::int32_t gain, std::uint8_t background) noexcept {
    const double a = accumulator.toDouble();
    const long long distance = channelDistance(a, sqrtPeak, sqrtPeakDouble, gain);
    const long long sign = a > 0 ? 1 : a < 0 ? -1 : 0;
    return sign * distance + background;
}

inline long long clampByte(long long v) noexcept {
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

inline bool sameBits(Real48 a, Real48 b) noexcept {
    const double da = a.toDouble(), db = b.toDouble();
    return std::memcmp(&da, &db, sizeof da) == 0;
}

} // namespace

// The stops' depths and their stored bounds follow the depth range, which
// settles soon: they are worked out again only when it changed.
void Raster::takeStopDepths() {
    const std::size_t n = colours_.size();
    const long double zMin = ranges_.zMin.toExtended(), span = ranges_.zMax.toExtended() - zMin;
    stopDepths_.resize(n);
    stopBounds_.resize(n);
    stopBoundStored_.resize(n);
    for (std::size_t k = 0; k < n; ++k) {
        stopDepths_[k] = stopDepth(zMin, span, k, n);
        stopBoundStored_[k] = Real48::tryFromExtended(stopDepths_[k], stopBounds_[k]);
    }
    stopDepthsZMin_ = ranges_.zMin;
    stopDepthsZMax_ = ranges_.zMax;
    stopDepthsValid_ = true;
}

void Raster::accumulate(int px, int py, double z) {
    const std::size_t n = colours_.size();
    // A list of fewer than two stops has no segment: the point is counted
    // (the points-per-second read-out stays alive) but adds no colour.
    if (n >= 2) {
        if (!stopDepthsValid_ || !sameBits(stopDepthsZMin_, ranges_.zMin) ||
            !sameBits(stopDepthsZMax_, ranges_.zMax))
            takeStopDepths();
        const std::size_t cellIndex = std::size_t(px) * std::size_t(height_ + 1) + std::size_t(py);
        PixelCell& c = pixelGrid_[cellIndex];
        const std::size_t i = depthSegment(n, z, [this](std::size_t k) { return stopDepths_[k]; });
        if (!stopBoundStored_[i - 1] || !stopBoundStored_[i]) throw FloatingPointOverflow();
        const Real48 lo = stopBounds_[i - 1], hi = stopBounds_[i];
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
            if (!cellTouched_[cellIndex]) {
                cellTouched_[cellIndex] = 1;
                touchedCells_.push_back(std::uint32_t(cellIndex));
            }
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
            sqrtPeakDouble_ = double(sqrtPeak_);
        }
        if (peakMagnitude_ != Real48()) shade(px, py);
    }
    ++pointCount_;
    if ((pointCount_ + 1) % 10000 == 0) reshadeAll();
}

void Raster::shade(int column, int row) noexcept {
    if (peakMagnitude_ == Real48()) return;
    const PixelCell& c =
        pixelGrid_[std::size_t(column) * std::size_t(height_ + 1) + std::size_t(row)];
    long long v[3] = {channelValue(c.accRed, sqrtPeak_, sqrtPeakDouble_, gain_, backRed_),
                      channelValue(c.accGreen, sqrtPeak_, sqrtPeakDouble_, gain_, backGreen_),
                      channelValue(c.accBlue, sqrtPeak_, sqrtPeakDouble_, gain_, backBlue_)};
    // What a channel cannot show beyond 0 or 255 is shared out over all three.
    long long excess = 0;
    for (long long k : v)
        excess += k > 255 ? k - 255 : k < 0 ? k : 0;
    const long long share = roundedThird(excess);
    for (long long& k : v)
        k = clampByte(k + share);
    if (v[0] == backRed_ && v[1] == backGreen_ && v[2] == backBlue_) return;
    std::uint8_t* pixel = pixels_ + row * stride_ + 3 * std::ptrdiff_t(column);
    pixel[0] = std::uint8_t(v[2]);
    pixel[1] = std::uint8_t(v[1]);
    pixel[2] = std::uint8_t(v[0]);
}

// Brings every pixel up to the current peak. Each shade writes only its own
// pixel, so only the cells that ever took colour are visited, in the grid's
// order (memory order; the few new ones are sorted in); a cell with no colour
// shades to the background, which is never written, and is passed over.
void Raster::reshadeAll() noexcept {
    if (peakMagnitude_ == Real48()) return;
    const auto firstNew = touchedCells_.begin() + std::ptrdiff_t(sortedTouchedCells_);
    std::sort(firstNew, touchedCells_.end());
    std::inplace_merge(touchedCells_.begin(), firstNew, touchedCells_.end());
    sortedTouchedCells_ = touchedCells_.size();
    const std::size_t rows = std::size_t(height_ + 1);
    for (const std::uint32_t index : touchedCells_) {
        const PixelCell& c = pixelGrid_[index];
        if (c.accRed.toDouble() == 0 && c.accGreen.toDouble() == 0 && c.accBlue.toDouble() == 0)
            continue;
        shade(int(index / rows), int(index % rows));
    }
}

} // namespace gyrelune
