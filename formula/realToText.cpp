#include "formula/realToText.h"

#include <cmath>
#include <cstdio>

namespace gyrelune {

std::string realToText(int decimals, Real48 value) {
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
    const std::size_t places = std::size_t(decimals);
    std::string out = k < 0 ? "-" : "";
    if (digits.size() <= places) {
        out += "0.";
        out.append(places - digits.size(), '0');
        out += digits;
    } else {
        out.append(digits, 0, digits.size() - places);
        out += '.';
        out.append(digits, digits.size() - places, places);
    }
    return out;
}

} // namespace gyrelune
