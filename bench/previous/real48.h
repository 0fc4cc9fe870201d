#pragma once
// The 6-byte real as the previous loops stored it (8-bit exponent biased by
// 129, 39-bit fraction with a hidden 1, sign), held as a double.

#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace gyrelune::previous {

class FloatingPointOverflow : public std::runtime_error {
  public:
    FloatingPointOverflow() : std::runtime_error("Floating point overflow") {}
};

// Rounds an extended real to 40 significant bits, halves away from zero.
// Returns false for infinities, NaNs and magnitudes that round to 2^127 or more.
// Magnitudes whose rounded exponent falls below 2^-128 give 0.
inline bool roundToReal48(long double x, double& out) noexcept {
    static_assert(sizeof(long double) >= 10, "needs the x87 extended real");
    std::uint64_t mant;
    std::uint16_t signExp;
    std::memcpy(&mant, &x, 8);
    std::memcpy(&signExp, reinterpret_cast<const char*>(&x) + 8, 2);
    const int exp = signExp & 0x7fff;
    if (exp == 0x7fff) return false;
    std::uint64_t keep = (mant >> 24) + ((mant >> 23) & 1u);
    int unbiased = exp - 16383;
    if (keep >> 40) {
        keep >>= 1;
        ++unbiased;
    }
    if (mant == 0 || unbiased + 129 <= 0) {
        out = 0.0;
        return true;
    }
    if (unbiased + 129 > 255) return false;
    const std::uint64_t bits = (std::uint64_t(signExp >> 15) << 63) |
                               (std::uint64_t(unbiased + 1023) << 52) |
                               ((keep & ((std::uint64_t(1) << 39) - 1)) << 13);
    std::memcpy(&out, &bits, 8);
    return true;
}

class Real48 {
  public:
    constexpr Real48() = default;

    // Throws FloatingPointOverflow where the value cannot be stored.
    static Real48 fromExtended(long double x) {
        Real48 r;
        if (!roundToReal48(x, r.value_)) throw FloatingPointOverflow();
        return r;
    }
    static bool tryFromExtended(long double x, Real48& out) noexcept {
        return roundToReal48(x, out.value_);
    }
    // A double that is already a 6-byte value (no rounding done).
    static constexpr Real48 fromExactDouble(double d) {
        Real48 r;
        r.value_ = d;
        return r;
    }

    long double toExtended() const noexcept { return value_; }
    double toDouble() const noexcept { return value_; }

    friend bool operator==(Real48 a, Real48 b) noexcept { return a.value_ == b.value_; }
    friend bool operator!=(Real48 a, Real48 b) noexcept { return a.value_ != b.value_; }

  private:
    double value_ = 0.0;
};

} // namespace gyrelune::previous
