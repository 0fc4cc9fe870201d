#pragma once
// How much of its own extent a figure lights: the rotated points binned into
// a fixed grid spanning their X-Y range, whatever the picture's size, so that
// the picture size changes only the pictures.

#include <cstdint>
#include <vector>

namespace gyrelune {

class FillGrid {
  public:
    static constexpr int side = 256;
    FillGrid();

    // Starts a new figure; keeps the memory.
    void clear();
    void keep(double x, double y, double depth);
    // Whether the depths differ, so the depth colours show.
    bool hasDepth() const;
    int litCells();
    // Lit cells / all cells.
    double litShare() { return double(litCells()) / double(side * side); }

  private:
    double xMin_ = 0, xMax_ = 0, yMin_ = 0, yMax_ = 0, depthMin_ = 0, depthMax_ = 0;
    std::vector<double> xs_, ys_;
    std::vector<std::uint8_t> lit_;
};

} // namespace gyrelune
