#pragma once
// The three map formulas as the renderer iterates them: every formula is given
// the old point, each coordinate rounded to the 6-byte real, then X, Y and Z
// are evaluated in that order.

#include "formula/formula.h"

#include <array>
#include <cstdint>
#include <string>

namespace gyrelune {

struct OrbitPoint {
    long double x = 0, y = 0, z = 0;
};

class OrbitMap {
  public:
    // Compiles the three texts; false when one of them is malformed.
    bool compile(const std::array<std::string, 3>& texts);
    // Copies formulas compiled elsewhere, with their parameter values.
    void assign(const Formula& x, const Formula& y, const Formula& z);
    // Sets a parameter in every formula that uses it.
    void setParameter(const std::string& name, Real48 value);

    // One iteration. False when the point cannot be stored as 6-byte reals.
    // code is the first failing evaluation code of the three formulas.
    bool step(OrbitPoint& point, EvaluationCode& code);

  private:
    std::array<Formula, 3> formulas_;
    // Table slots of x, y, z in each formula (-1: not used).
    std::array<std::array<int, 3>, 3> slots_{};
};

} // namespace gyrelune
