#pragma once
// Sine and cosine in extended precision through the x87 fsin/fcos
// instructions; arguments of magnitude 2^63 or more give 0.

#include <cmath>

namespace gyrelune::previous {

inline long double sinExtended(long double a) noexcept {
    if (std::fabs(a) >= 9223372036854775808.0L) return 0.0L;
    long double r;
    asm("fsin" : "=t"(r) : "0"(a));
    return r;
}

inline long double cosExtended(long double a) noexcept {
    if (std::fabs(a) >= 9223372036854775808.0L) return 0.0L;
    long double r;
    asm("fcos" : "=t"(r) : "0"(a));
    return r;
}

} // namespace gyrelune::previous
