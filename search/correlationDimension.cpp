#include "search/correlationDimension.h"

#include <algorithm>
#include <cmath>

namespace gyrelune {
namespace {

constexpr double binsPerUnit = 20;   // of ln r
constexpr double spanned = 40;       // ln r below the sample's diameter
constexpr double lowestShare = 1e-4; // where the fit starts at the earliest
constexpr double shareSpan = 100;    // the fit's range of C
constexpr int fewestBins = 4;

double squaredDiameter(const std::vector<SamplePoint>& sample) {
    SamplePoint low = sample.front(), high = sample.front();
    for (const SamplePoint& p : sample)
        for (std::size_t i = 0; i < 3; ++i) {
            low[i] = std::min(low[i], p[i]);
            high[i] = std::max(high[i], p[i]);
        }
    double sum = 0;
    for (std::size_t i = 0; i < 3; ++i)
        sum += (high[i] - low[i]) * (high[i] - low[i]);
    return sum;
}

// Pairs per bin of ln r, from the sample's diameter down.
std::vector<double> pairHistogram(const std::vector<SamplePoint>& sample, double top) {
    std::vector<double> bins(std::size_t(spanned * binsPerUnit) + 1, 0);
    for (std::size_t i = 0; i < sample.size(); ++i)
        for (std::size_t j = i + 1; j < sample.size(); ++j) {
            const double dx = sample[i][0] - sample[j][0], dy = sample[i][1] - sample[j][1],
                         dz = sample[i][2] - sample[j][2];
            const double squared = dx * dx + dy * dy + dz * dz;
            if (squared == 0) continue; // below every radius
            const double depth = (top - 0.5 * std::log(squared)) * binsPerUnit;
            bins[std::size_t(std::clamp(depth, 0.0, double(bins.size() - 1)))] += 1;
        }
    return bins;
}

} // namespace

double correlationDimension(const std::vector<SamplePoint>& sample) {
    if (sample.size() < 20) return 0;
    const double diameterSquared = squaredDiameter(sample);
    if (!(diameterSquared > 0) || !std::isfinite(diameterSquared)) return 0;
    const double top = 0.5 * std::log(diameterSquared) + 1e-9;
    const std::vector<double> bins = pairHistogram(sample, top);
    const double pairs = double(sample.size()) * double(sample.size() - 1) / 2;
    const double low = std::max(lowestShare, 50 / pairs), high = low * shareSpan;
    // C at each bin's upper edge, from the smallest radii up.
    double below = 0, n = 0, sumX = 0, sumY = 0, sumXX = 0, sumXY = 0;
    for (std::size_t b = bins.size(); b-- > 0;) {
        below += bins[b];
        const double share = below / pairs;
        if (share < low || share > high) continue;
        const double x = top - double(b) / binsPerUnit, y = std::log(share);
        n += 1;
        sumX += x;
        sumY += y;
        sumXX += x * x;
        sumXY += x * y;
    }
    const double spread = n * sumXX - sumX * sumX;
    if (n < fewestBins || !(spread > 0)) return 0;
    return std::max(0.0, (n * sumXY - sumX * sumY) / spread);
}

} // namespace gyrelune
