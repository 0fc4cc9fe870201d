#pragma once
// How much of a small picture an orbit lights once the view is fitted to the
// orbit's X-Y range as Centre fits it (the longer side at 95 %).

#include <array>
#include <cstdint>
#include <vector>

namespace gyrelune {

// The renderer's rotation about X, then Y, then Z (angles in radians).
class ViewRotation {
  public:
    explicit ViewRotation(const std::array<double, 3>& angles = {0, 0, 0});
    void apply(long double x, long double y, long double z, double& outX, double& outY) const;

  private:
    bool identity_;
    long double sinA_, cosA_, sinB_, cosB_, sinC_, cosC_;
};

class FillGrid {
  public:
    FillGrid(int columns, int rows);

    // Starts a new orbit; keeps the memory.
    void clear();
    // Every point after the start widens the range, as the renderer's does.
    void widenRange(double x, double y);
    // A point that is counted; call widenRange for it too.
    void keep(double x, double y);
    // Lit cells / all cells over the kept points.
    double litShare();

  private:
    int columns_, rows_;
    bool empty_ = true;
    double xMin_ = 0, xMax_ = 0, yMin_ = 0, yMax_ = 0;
    std::vector<double> xs_, ys_;
    std::vector<std::uint8_t> lit_;
};

} // namespace gyrelune
