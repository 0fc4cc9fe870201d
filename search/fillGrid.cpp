#include "search/fillGrid.h"

#include <algorithm>

namespace gyrelune {

FillGrid::FillGrid(int columns, int rows, const Rotation& rotation)
    : view_(rotation, Real48(), Real48(), Real48(), std::max(columns, 1), std::max(rows, 1)),
      lit_(std::size_t(view_.width()) * std::size_t(view_.height())) {}

void FillGrid::clear() {
    range_ = Ranges{};
    xs_.clear();
    ys_.clear();
}

bool FillGrid::widenRange(const OrbitPoint& point) {
    double x, y, z;
    if (!roundToReal48(point.x, x) || !roundToReal48(point.y, y) || !roundToReal48(point.z, z) ||
        !view_.rotation().view(x, y, z))
        return false;
    range_.widen(x, y, z);
    lastX_ = x;
    lastY_ = y;
    return true;
}

void FillGrid::keepLast() {
    xs_.push_back(lastX_);
    ys_.push_back(lastY_);
}

double FillGrid::litShare() {
    if (xs_.empty()) return 0;
    const ViewGeometry fitted = view();
    const int columns = fitted.width(), rows = fitted.height();
    std::fill(lit_.begin(), lit_.end(), 0);
    std::size_t count = 0;
    for (std::size_t i = 0; i < xs_.size(); ++i) {
        long long column = 0, row = 0;
        if (!fitted.project(xs_[i], ys_[i], column, row)) continue;
        if (column < 0 || column >= columns || row < 0 || row >= rows) continue;
        std::uint8_t& cell = lit_[std::size_t(row) * std::size_t(columns) + std::size_t(column)];
        count += !cell;
        cell = 1;
    }
    return double(count) / double(lit_.size());
}

} // namespace gyrelune
