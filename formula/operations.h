#pragma once
// The arithmetic of one operation, in extended precision, before the result
// is stored as a 6-byte real. Forced inline: as calls they pass long doubles
// through memory, which cost Evaluate about a fifth of its time.

#include "formula/extendedMath.h"
#include "formula/formula.h"

#include <cmath>

namespace gyrelune::formula_detail {

constexpr long double hyperbolicCutOff = 1e-16L;

// Evaluation code of a guard that the operation trips (2, 3 or 4), else 0.
[[gnu::always_inline]] inline int guardCode(std::uint8_t code, long double a,
                                            long double right) noexcept {
    switch (code) {
    case opSqrt:
        return a < 0 ? 3 : 0;
    case opLg:
        return a <= 0 ? 4 : 0;
    case opDiv:
        return right == 0 ? 2 : 0;
    default:
        return 0;
    }
}

// The unrounded result; a is the single operand or the left one.
[[gnu::always_inline]] inline long double compute(std::uint8_t code, long double a,
                                                  long double b) noexcept {
    switch (code) {
    case opAbs:
        return std::fabs(a);
    case opInt:
        return std::trunc(a);
    case opSh:
        return std::fabs(a) <= hyperbolicCutOff ? 0.0L : (std::exp(a) - std::exp(-a)) / 2;
    case opSin:
        return sinExtended(a);
    case opSqrt:
        return std::sqrt(a);
    case opSqr:
        return a * a;
    case opCh:
        return std::fabs(a) <= hyperbolicCutOff ? 1.0L : (std::exp(a) + std::exp(-a)) / 2;
    case opCos:
        return cosExtended(a);
    case opLg:
        return std::log10(a);
    case opAdd:
        return a + b;
    case opSub:
        return a - b;
    case opMul:
        return a * b;
    case opDiv:
        return a / b;
    case opNeg:
        return -a;
    default:
        return 0.0L;
    }
}

inline bool isBinary(std::uint8_t code) noexcept {
    return code >= opAdd && code <= opDiv;
}

// The stored result: the 6-byte rounding of compute(), or 0 where it fails.
[[gnu::always_inline]] inline double storedResult(std::uint8_t code, long double a,
                                                  long double b) noexcept {
    double out;
    return roundToReal48(compute(code, a, b), out) ? out : 0.0;
}

} // namespace gyrelune::formula_detail
