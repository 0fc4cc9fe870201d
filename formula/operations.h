#pragma once
// The one table of the language's operations (what the tokeniser reads, how
// tightly each binds, how many operands it takes) and the arithmetic of each
// in extended precision, before its result is stored as a 6-byte real.

#include "formula/extendedMath.h"
#include "formula/formula.h"

#include <cmath>
#include <cstddef>

namespace gyrelune::formula_detail {

struct Operation {
    const char* symbol; // as written in a formula
    std::uint8_t code;
    std::uint8_t priority; // higher binds tighter; equal priorities group to the left
    std::uint8_t operands;
};

constexpr std::uint8_t groupingPriority = 0, sumPriority = 1, productPriority = 2,
                       functionPriority = 3;

// Parentheses first, then one entry per operation code, in code order.
inline constexpr Operation operationTable[] = {
    {"(", opNone, groupingPriority, 0},
    {")", opNone, groupingPriority, 0},
    {"abs", opAbs, functionPriority, 1},
    {"int", opInt, functionPriority, 1},
    {"sh", opSh, functionPriority, 1},
    {"sin", opSin, functionPriority, 1},
    {"sqrt", opSqrt, functionPriority, 1},
    {"sqr", opSqr, functionPriority, 1},
    {"ch", opCh, functionPriority, 1},
    {"cos", opCos, functionPriority, 1},
    {"lg", opLg, functionPriority, 1},
    {"+", opAdd, sumPriority, 2},
    {"-", opSub, sumPriority, 2},
    {"*", opMul, productPriority, 2},
    {"/", opDiv, productPriority, 2},
    // Never read as such: a "-" where no operand has come since "(" or the start.
    {"-", opNeg, productPriority, 1},
};

constexpr std::size_t firstCodedEntry = 2;

constexpr const Operation& operationOf(std::uint8_t code) {
    return operationTable[firstCodedEntry + code - 1];
}

constexpr bool tableInCodeOrder() {
    for (std::uint8_t code = opAbs; code <= opNeg; ++code)
        if (operationOf(code).code != code) return false;
    return std::size(operationTable) == firstCodedEntry + opNeg;
}
static_assert(tableInCodeOrder());

inline bool isBinary(std::uint8_t code) noexcept {
    return code != opNone && operationOf(code).operands == 2;
}

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

} // namespace gyrelune::formula_detail
