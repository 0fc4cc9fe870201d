#pragma once
// A shaded channel's distance from the background: the Round of
// sqrt(|a / sqrt(P)|) * G in extended precision. The fast form works it out in
// double precision, whose result lies within 1e-15 of the extended one
// relative to it, and falls back to the extended form only when that is close
// enough to a half to round the other way; so both give the same integer.

#include "render/roundToInteger.h"

#include <cmath>
#include <cstdint>

namespace gyrelune {

inline long long exactChannelDistance(long double accumulator, long double sqrtPeak,
                                      std::int32_t gain) noexcept {
    return roundToInteger(std::sqrt(std::fabs(accumulator / sqrtPeak)) * gain);
}

// sqrtPeakDouble is sqrtPeak rounded to double; accumulator is a stored 6-byte value.
inline long long channelDistance(double accumulator, long double sqrtPeak, double sqrtPeakDouble,
                                 std::int32_t gain) noexcept {
    const double value = std::sqrt(std::fabs(accumulator / sqrtPeakDouble)) * double(gain);
    // Any rounding will do here (only a value far from a half is used), and
    // a truncation is one instruction where nearbyint is a library call.
    const double nearest = double((long long)(value + std::copysign(0.5, value)));
    const double margin = 1e-12 * (std::fabs(value) + 1);
    if (std::fabs(value - nearest) < 0.5 - margin) return (long long)nearest;
    return exactChannelDistance(accumulator, sqrtPeak, gain);
}

// Round(n / 3), halves to even (a third is never a half).
inline long long roundedThird(long long n) noexcept {
    long long quotient = n / 3, remainder = n % 3; // truncated towards zero
    if (remainder == 2) ++quotient;
    if (remainder == -2) --quotient;
    return quotient;
}

} // namespace gyrelune
