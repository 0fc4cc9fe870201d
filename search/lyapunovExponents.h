#pragma once
// The Lyapunov spectrum by the QR method: three tangent vectors carried by
// the map's Jacobian and made orthonormal again after every step; the mean
// logs of the stretches along them are the exponents. The Jacobian comes from
// central differences of the map as the renderer evaluates it.

#include "render/orbitStage.h"

#include <array>
#include <cstdint>

namespace gyrelune {

using Matrix3 = std::array<std::array<double, 3>, 3>; // [row][column]

// The map's Jacobian at point by central differences, each step 1e-4 of the
// coordinate's size (at least 1e-4): the 6-byte rounding (2^-40) then costs
// about 1e-8 relative, and the truncation of a cubic term as much. False when
// a neighbouring point cannot be stored or fails to evaluate.
bool differenceJacobian(OrbitStage& map, const OrbitPoint& point, Matrix3& jacobian);

class SpectrumAccumulator {
  public:
    SpectrumAccumulator();
    // One step: the tangent frame carried by the Jacobian at the current point.
    void advance(const Matrix3& jacobian);
    std::int64_t steps() const { return steps_; }
    // Mean log stretch per step, largest first; minus infinity for a direction
    // the map collapses (a formula that ignores a coordinate).
    std::array<double, 3> exponents() const;
    // Mean log |det J| per step: the exponents' sum.
    double meanLogDeterminant() const;

  private:
    Matrix3 frame_; // columns: the orthonormal tangent vectors
    std::array<long double, 3> logSums_{};
    std::array<std::int64_t, 3> collapses_{};
    long double logDeterminantSum_ = 0;
    std::int64_t singular_ = 0, steps_ = 0;
};

// 0 when the largest exponent is negative; the Kaplan-Yorke formula otherwise
// (exponents largest first).
double kaplanYorkeDimension(const std::array<double, 3>& exponents);

} // namespace gyrelune
