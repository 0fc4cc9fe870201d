#pragma once
// How much of a small picture an orbit lights in the renderer's view of it:
// the points rotated as the renderer rotates them, and the view fitted to
// their range as Centre fits it.

#include "render/orbitStage.h"
#include "render/viewGeometry.h"

#include <cstdint>
#include <vector>

namespace gyrelune {

class FillGrid {
  public:
    FillGrid(int columns, int rows, const Rotation& rotation = {});

    // Starts a new orbit; keeps the memory.
    void clear();
    // Every point after the start widens the range, as the renderer's does.
    // False when the point cannot be stored or rotated.
    bool widenRange(const OrbitPoint& point);
    // Counts the point last given to widenRange.
    void keepLast();
    // The view fitted to the range so far, as Centre fits it.
    ViewGeometry view() const { return view_.fitted(range_); }
    // Lit cells / all cells over the kept points.
    double litShare();

  private:
    ViewGeometry view_;
    Ranges range_;
    double lastX_ = 0, lastY_ = 0;
    std::vector<double> xs_, ys_;
    std::vector<std::uint8_t> lit_;
};

} // namespace gyrelune
