#include "search/fillGrid.h"

#include <algorithm>
#include <cmath>

namespace gyrelune {

FillGrid::FillGrid() : lit_(std::size_t(side) * side) {}

void FillGrid::clear() {
    xs_.clear();
    ys_.clear();
}

void FillGrid::keep(double x, double y, double depth) {
    if (xs_.empty()) {
        xMin_ = xMax_ = x;
        yMin_ = yMax_ = y;
        depthMin_ = depthMax_ = depth;
    }
    xMin_ = std::min(xMin_, x);
    xMax_ = std::max(xMax_, x);
    yMin_ = std::min(yMin_, y);
    yMax_ = std::max(yMax_, y);
    depthMin_ = std::min(depthMin_, depth);
    depthMax_ = std::max(depthMax_, depth);
    xs_.push_back(x);
    ys_.push_back(y);
}

bool FillGrid::hasDepth() const {
    return !xs_.empty() && depthMax_ > depthMin_;
}

int FillGrid::litCells() {
    if (xs_.empty()) return 0;
    // A side without extent is one cell thick.
    const double scaleX = xMax_ > xMin_ ? side / (xMax_ - xMin_) : 0;
    const double scaleY = yMax_ > yMin_ ? side / (yMax_ - yMin_) : 0;
    std::fill(lit_.begin(), lit_.end(), 0);
    int count = 0;
    for (std::size_t i = 0; i < xs_.size(); ++i) {
        const int column = std::min(side - 1, int((xs_[i] - xMin_) * scaleX));
        const int row = std::min(side - 1, int((ys_[i] - yMin_) * scaleY));
        std::uint8_t& cell = lit_[std::size_t(row) * side + std::size_t(column)];
        count += !cell;
        cell = 1;
    }
    return count;
}

} // namespace gyrelune
