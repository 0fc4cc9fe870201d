#pragma once
// Rounding an extended real to an integer in the floating-point unit's mode
// (nearest, halves to even) with one fistp, as llrintl does on x86-64 but
// without the call.

namespace gyrelune {

inline long long roundToInteger(long double value) noexcept {
    long long result;
    asm("fistpll %0" : "=m"(result) : "t"(value) : "st");
    return result;
}

} // namespace gyrelune
