#include "search/fillGrid.h"

#include <algorithm>
#include <cmath>

namespace gyrelune {

ViewRotation::ViewRotation(const std::array<double, 3>& angles)
    : identity_(angles[0] == 0 && angles[1] == 0 && angles[2] == 0),
      sinA_(std::sin((long double)angles[0])), cosA_(std::cos((long double)angles[0])),
      sinB_(std::sin((long double)angles[1])), cosB_(std::cos((long double)angles[1])),
      sinC_(std::sin((long double)angles[2])), cosC_(std::cos((long double)angles[2])) {}

void ViewRotation::apply(long double x, long double y, long double z, double& outX,
                         double& outY) const {
    if (identity_) {
        outX = double(x);
        outY = double(y);
        return;
    }
    const long double y1 = y * cosA_ - z * sinA_, z1 = y * sinA_ + z * cosA_;
    const long double x2 = x * cosB_ + z1 * sinB_;
    outX = double(x2 * cosC_ - y1 * sinC_);
    outY = double(x2 * sinC_ + y1 * cosC_);
}

FillGrid::FillGrid(int columns, int rows)
    : columns_(std::max(columns, 1)), rows_(std::max(rows, 1)),
      lit_(std::size_t(columns_) * std::size_t(rows_)) {}

void FillGrid::clear() {
    empty_ = true;
    xs_.clear();
    ys_.clear();
}

void FillGrid::widenRange(double x, double y) {
    if (empty_) {
        xMin_ = xMax_ = x;
        yMin_ = yMax_ = y;
        empty_ = false;
        return;
    }
    xMin_ = std::min(xMin_, x);
    xMax_ = std::max(xMax_, x);
    yMin_ = std::min(yMin_, y);
    yMax_ = std::max(yMax_, y);
}

void FillGrid::keep(double x, double y) {
    xs_.push_back(x);
    ys_.push_back(y);
}

double FillGrid::litShare() {
    if (xs_.empty()) return 0;
    const double width = xMax_ - xMin_, height = yMax_ - yMin_;
    // Centre's choice: the axis that needs more units per pixel sets the zoom.
    double zoom = 0;
    if (width / columns_ > height / rows_)
        zoom = columns_ / width * 0.95;
    else if (height > 0)
        zoom = rows_ / height * 0.95;
    const double centreX = (xMax_ + xMin_) / 2, centreY = (yMax_ + yMin_) / 2;
    std::fill(lit_.begin(), lit_.end(), 0);
    std::size_t count = 0;
    for (std::size_t i = 0; i < xs_.size(); ++i) {
        const long column = columns_ / 2 + std::lround(zoom * (xs_[i] - centreX));
        const long row = rows_ / 2 - std::lround(zoom * (ys_[i] - centreY));
        if (column < 0 || column >= columns_ || row < 0 || row >= rows_) continue;
        std::uint8_t& cell = lit_[std::size_t(row) * std::size_t(columns_) + std::size_t(column)];
        count += !cell;
        cell = 1;
    }
    return double(count) / double(lit_.size());
}

} // namespace gyrelune
