#pragma once
#include <cstdint>

namespace gyrelune {

// How an evaluation went; the numbers are those `gyrelune-cli eval` prints.
enum class EvaluationCode : std::int32_t {
    ok = 0,
    malformed = 1,      // an operation short of operands, or values left over; the value is 0
    divisionByZero = 2, // the quotient is 0 and evaluation goes on
    negativeRoot = 3,   // sqrt of a negative value; the value is 0
    nonPositiveLog = 4, // lg of zero or a negative value; the value is 0
};

} // namespace gyrelune
