#pragma once
// The correlation dimension of a sample of orbit points (Grassberger and
// Procaccia): C(r), the share of pairs closer than r, grows as r^D on the
// small scales; D is the slope of log C against log r where C runs from
// about 1e-4 (or 50 pairs, for a small sample) to 100 times that.

#include <array>
#include <vector>

namespace gyrelune {

using SamplePoint = std::array<double, 3>;

// 0 for fewer than 20 points or a sample without a scaling range (a cycle).
double correlationDimension(const std::vector<SamplePoint>& sample);

} // namespace gyrelune
