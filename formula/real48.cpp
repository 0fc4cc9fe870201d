#include "formula/real48.h"

#include <cfenv>
#include <cmath>

namespace gyrelune {

std::array<std::uint8_t, 6> Real48::toBytes() const noexcept {
    std::array<std::uint8_t, 6> bytes{};
    if (value_ == 0.0) return bytes;
    std::uint64_t bits;
    std::memcpy(&bits, &value_, 8);
    const int exp = int((bits >> 52) & 0x7ff) - 1023;
    const std::uint64_t fraction = (bits >> 13) & ((std::uint64_t(1) << 39) - 1);
    const std::uint64_t field = fraction | (std::uint64_t(bits >> 63) << 39);
    bytes[0] = std::uint8_t(exp + 129);
    for (int i = 0; i < 5; ++i)
        bytes[1 + i] = std::uint8_t(field >> (8 * i));
    return bytes;
}

Real48 Real48::fromBytes(const std::array<std::uint8_t, 6>& bytes) noexcept {
    if (bytes[0] == 0) return Real48();
    std::uint64_t field = 0;
    for (int i = 0; i < 5; ++i)
        field |= std::uint64_t(bytes[1 + i]) << (8 * i);
    const std::uint64_t fraction = field & ((std::uint64_t(1) << 39) - 1);
    const std::uint64_t bits = ((field >> 39) << 63) |
                               (std::uint64_t(int(bytes[0]) - 129 + 1023) << 52) | (fraction << 13);
    double d;
    std::memcpy(&d, &bits, 8);
    return fromExactDouble(d);
}

long long roundHalfEven(long double x) {
    // The default environment rounds to nearest, ties to even.
    return std::llrintl(x);
}

} // namespace gyrelune
