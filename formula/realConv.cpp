#include "realConv.h"

#include <cmath>
#include <cstdio>

namespace gyrelune {

std::string RealToText(int decimals, Real48 value) {
    decimals = decimals < 1 ? 1 : decimals > 9 ? 9 : decimals;
    long long m = 1;
    for (int i = 0; i < decimals; ++i)
        m *= 10;
    const long double scaled = value.toExtended() * m;
    if (std::fabs(scaled) >= 9223372036854775807.0L) {
        // Beyond the 64-bit range: the plain decimal expansion, same layout.
        char buffer[128];
        std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, value.toExtended());
        return buffer;
    }
    const long long k = roundHalfEven(scaled);
    std::string digits = std::to_string(k < 0 ? -(unsigned long long)k : (unsigned long long)k);
    const std::string sign = k < 0 ? "-" : "";
    if (digits.size() <= std::size_t(decimals))
        return sign + "0." + std::string(std::size_t(decimals) - digits.size(), '0') + digits;
    return sign + digits.insert(digits.size() - std::size_t(decimals), ".");
}

} // namespace gyrelune
