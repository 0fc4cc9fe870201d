#include "search/lyapunovExponents.h"

#include "formula/real48.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace gyrelune {
namespace {

constexpr double relativeStep = 1e-4;
// A tangent vector whose image is this much thinner than before the frame
// was made orthogonal lies in the span of the others: the map collapsed it.
constexpr double collapseRatio = 1e-12;
constexpr double minusInfinity = -std::numeric_limits<double>::infinity();

using Vector3 = std::array<double, 3>;

double dot(const Vector3& a, const Vector3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vector3 column(const Matrix3& m, int k) {
    return {m[0][std::size_t(k)], m[1][std::size_t(k)], m[2][std::size_t(k)]};
}

void setColumn(Matrix3& m, int k, const Vector3& v) {
    for (std::size_t i = 0; i < 3; ++i)
        m[i][std::size_t(k)] = v[i];
}

double determinant(const Matrix3& m) {
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// A unit vector orthogonal to the first k columns of frame (k = 1 or 2).
Vector3 orthogonalTo(const Matrix3& frame, int k) {
    const Vector3 a = column(frame, 0);
    if (k == 2) {
        const Vector3 b = column(frame, 1);
        return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    }
    // The axis a is least along, made orthogonal to a.
    std::size_t axis = 0;
    for (std::size_t i = 1; i < 3; ++i)
        if (std::fabs(a[i]) < std::fabs(a[axis])) axis = i;
    Vector3 v{0, 0, 0};
    v[axis] = 1;
    const double along = dot(v, a);
    for (std::size_t i = 0; i < 3; ++i)
        v[i] -= along * a[i];
    const double norm = std::sqrt(dot(v, v));
    for (double& c : v)
        c /= norm;
    return v;
}

bool mapAt(OrbitStage& map, OrbitPoint point, OrbitPoint& image) {
    EvaluationCodes codes;
    if (!map.step(point, codes) || codes.first() != EvaluationCode::ok) return false;
    image = point;
    return true;
}

} // namespace

bool differenceJacobian(OrbitStage& map, const OrbitPoint& point, Matrix3& jacobian) {
    const long double centre[3] = {point.x, point.y, point.z};
    for (std::size_t axis = 0; axis < 3; ++axis) {
        const long double step = relativeStep * std::max(std::fabs(centre[axis]), 1.0L);
        // The neighbours as the map will read them: stored as 6-byte reals.
        double high, low;
        if (!roundToReal48(centre[axis] + step, high) || !roundToReal48(centre[axis] - step, low))
            return false;
        OrbitPoint above = point, below = point, aboveImage, belowImage;
        (axis == 0 ? above.x : axis == 1 ? above.y : above.z) = high;
        (axis == 0 ? below.x : axis == 1 ? below.y : below.z) = low;
        if (!mapAt(map, above, aboveImage) || !mapAt(map, below, belowImage)) return false;
        const long double width = (long double)high - (long double)low;
        jacobian[0][axis] = double((aboveImage.x - belowImage.x) / width);
        jacobian[1][axis] = double((aboveImage.y - belowImage.y) / width);
        jacobian[2][axis] = double((aboveImage.z - belowImage.z) / width);
    }
    return true;
}

SpectrumAccumulator::SpectrumAccumulator() : frame_{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}} {}

void SpectrumAccumulator::advance(const Matrix3& jacobian) {
    Matrix3 next{};
    for (int k = 0; k < 3; ++k) {
        const Vector3 q = column(frame_, k);
        Vector3 w;
        for (std::size_t i = 0; i < 3; ++i)
            w[i] = dot(jacobian[i], q);
        const double imageNorm = std::sqrt(dot(w, w));
        // Modified Gram-Schmidt against the columns already done.
        for (int j = 0; j < k; ++j) {
            const Vector3 done = column(next, j);
            const double along = dot(done, w);
            for (std::size_t i = 0; i < 3; ++i)
                w[i] -= along * done[i];
        }
        const double norm = std::sqrt(dot(w, w));
        if (!(norm > collapseRatio * imageNorm) || norm == 0) {
            ++collapses_[std::size_t(k)];
            setColumn(next, k, k == 0 ? q : orthogonalTo(next, k));
            continue;
        }
        logSums_[std::size_t(k)] += std::log((long double)norm);
        for (double& c : w)
            c /= norm;
        setColumn(next, k, w);
    }
    frame_ = next;
    const double det = std::fabs(determinant(jacobian));
    if (det > 0)
        logDeterminantSum_ += std::log((long double)det);
    else
        ++singular_;
    ++steps_;
}

std::array<double, 3> SpectrumAccumulator::exponents() const {
    std::array<double, 3> result{};
    for (std::size_t k = 0; k < 3; ++k)
        result[k] = collapses_[k]
                        ? minusInfinity
                        : double(logSums_[k] / (long double)std::max<std::int64_t>(steps_, 1));
    std::sort(result.begin(), result.end(), std::greater<>());
    return result;
}

double SpectrumAccumulator::meanLogDeterminant() const {
    if (singular_) return minusInfinity;
    return double(logDeterminantSum_ / (long double)std::max<std::int64_t>(steps_, 1));
}

double kaplanYorkeDimension(const std::array<double, 3>& exponents) {
    double sum = 0;
    for (std::size_t j = 0; j < 3; ++j) {
        if (sum + exponents[j] < 0) {
            if (j == 0) return 0;
            return double(j) + sum / std::fabs(exponents[j]);
        }
        sum += exponents[j];
    }
    return 3;
}

} // namespace gyrelune
