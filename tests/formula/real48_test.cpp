#include "formulaTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

using namespace gyrelune;
using gyrelune::testing::r48;

namespace {

using Bytes = std::array<std::uint8_t, 6>;

const long double ulpAtOne = std::ldexp(1.0L, -39);

TEST(Real48Rounding, KeepsFortyBitsAndRoundsHalvesAwayFromZero) {
    EXPECT_EQ(r48(1 + ulpAtOne), 1 + ulpAtOne);
    EXPECT_EQ(r48(1 + ulpAtOne / 2), 1 + ulpAtOne);                 // exactly half: up
    EXPECT_EQ(r48(-1 - ulpAtOne / 2), -1 - ulpAtOne);               // and away from zero below 0
    EXPECT_EQ(r48(1 + ulpAtOne / 2 - std::ldexp(1.0L, -63)), 1.0L); // just below half
    EXPECT_EQ(r48(1 + 3 * ulpAtOne / 4), 1 + ulpAtOne);
    EXPECT_EQ(r48(1 + ulpAtOne / 4), 1.0L);
}

TEST(Real48Rounding, CarryRaisesTheExponent) {
    EXPECT_EQ(r48(2 - ulpAtOne / 2), 2.0L);
    EXPECT_EQ(r48(-(2 - ulpAtOne / 4)), -2.0L);
    EXPECT_EQ(r48(2 - ulpAtOne), 2 - ulpAtOne);
    EXPECT_EQ(Real48::fromExtended(2 - ulpAtOne / 2).toBytes()[0], 130);
}

TEST(Real48Rounding, TinyMagnitudesBecomeZero) {
    const long double smallest = std::ldexp(1.0L, -128);
    EXPECT_EQ(r48(smallest), smallest);
    EXPECT_EQ(r48(smallest / 2), 0.0L);
    EXPECT_EQ(r48(-smallest / 2), 0.0L);
    EXPECT_EQ(r48(std::numeric_limits<long double>::denorm_min()), 0.0L);
    // The exponent is judged after rounding: just below the smallest rounds up to it.
    EXPECT_EQ(r48(smallest * (1 - std::ldexp(1.0L, -41))), smallest);
    EXPECT_FALSE(std::signbit(r48(-smallest / 2)));
}

TEST(Real48Rounding, OverflowInfinityAndNaNThrow) {
    const long double largest = std::ldexp(2 - ulpAtOne, 126);
    EXPECT_EQ(r48(largest), largest);
    const long double bad[] = {std::ldexp(1.0L, 127),
                               -std::ldexp(1.0L, 127),
                               std::ldexp(2 - ulpAtOne / 2, 126), // rounds up to 2^127
                               std::numeric_limits<long double>::infinity(),
                               -std::numeric_limits<long double>::infinity(),
                               std::numeric_limits<long double>::quiet_NaN()};
    for (long double x : bad) {
        EXPECT_THROW(Real48::fromExtended(x), FloatingPointOverflow) << double(x);
        Real48 out;
        EXPECT_FALSE(Real48::tryFromExtended(x, out));
    }
    try {
        Real48::fromExtended(1e39L);
    } catch (const FloatingPointOverflow& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
}

TEST(Real48Bytes, LayoutOfKnownValues) {
    struct Case {
        long double value;
        Bytes bytes;
    } cases[] = {
        {0.0L, {0, 0, 0, 0, 0, 0}},
        {1.0L, {0x81, 0, 0, 0, 0, 0}},
        {-1.0L, {0x81, 0, 0, 0, 0, 0x80}},
        {0.5L, {0x80, 0, 0, 0, 0, 0}},
        {3.0L, {0x82, 0, 0, 0, 0, 0x40}},
        {0.1L, {0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C}},
        {std::ldexp(1.0L, -128), {0x01, 0, 0, 0, 0, 0}},
        {-std::ldexp(2 - ulpAtOne, 126), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        const Real48 r = Real48::fromExtended(c.value);
        EXPECT_EQ(r.toBytes(), c.bytes) << double(c.value);
        EXPECT_EQ(Real48::fromBytes(c.bytes), r) << double(c.value);
    }
}

TEST(Real48Bytes, ZeroExponentMeansZeroAndRoundTripsAreExact) {
    EXPECT_EQ(Real48::fromBytes({0, 0xFF, 0x12, 0x34, 0x56, 0xFF}).toExtended(), 0.0L);
    for (int e = 1; e < 256; e += 17) {
        const Bytes b = {std::uint8_t(e), 0x5A, 0xA5, 0x3C, 0xC3, 0x96};
        const Real48 r = Real48::fromBytes(b);
        EXPECT_EQ(r.toBytes(), b);
        EXPECT_EQ(Real48::fromExtended(r.toExtended()), r); // to extended and back is exact
    }
}

TEST(Real48Rounding, RoundHalfEven) {
    EXPECT_EQ(roundHalfEven(2.5L), 2);
    EXPECT_EQ(roundHalfEven(3.5L), 4);
    EXPECT_EQ(roundHalfEven(-2.5L), -2);
    EXPECT_EQ(roundHalfEven(0.5L), 0);
    EXPECT_EQ(roundHalfEven(-0.6L), -1);
}

} // namespace
