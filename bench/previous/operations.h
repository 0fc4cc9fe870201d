#pragma once
// The operation codes of the previous interpreter and the arithmetic of each
// in extended precision, before its result is stored as a 6-byte real.

#include "extendedMath.h"

#include <cmath>
#include <cstdint>

namespace gyrelune::previous {

enum OperationCode : std::uint8_t {
    opNone = 0,
    opAbs = 1,
    opInt = 2,
    opSh = 3,
    opSin = 4,
    opSqrt = 5,
    opSqr = 6,
    opCh = 7,
    opCos = 8,
    opLg = 9,
    opAdd = 10,
    opSub = 11,
    opMul = 12,
    opDiv = 13,
    opNeg = 14,
};

constexpr long double hyperbolicCutOff = 1e-16L;

// The unrounded result; a is the single operand or the left one. Forced
// inline: as a call it passes long doubles through memory.
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

} // namespace gyrelune::previous
