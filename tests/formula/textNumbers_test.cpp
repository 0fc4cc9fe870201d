#include "formula/leadingInteger.h"
#include "formula/nonFinite.h"
#include "formula/realToText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace gyrelune;

namespace {

std::string text(int decimals, long double value) {
    return realToText(decimals, Real48::fromExtended(value));
}

TEST(RealToText, FixedPointWithExactlyThatManyDecimals) {
    EXPECT_EQ(text(3, 0.05L), "0.050");
    EXPECT_EQ(text(3, 1234.5678L), "1234.568");
    EXPECT_EQ(text(3, -1.5L), "-1.500");
    EXPECT_EQ(text(3, -0.0004L), "0.000"); // nothing left: no minus
    EXPECT_EQ(text(3, 0.0625L), "0.062");  // halves to the even neighbour
    EXPECT_EQ(text(3, 0.1875L), "0.188");
    EXPECT_EQ(text(3, -0.0625L), "-0.062");
    EXPECT_EQ(text(5, 1), "1.00000");
    EXPECT_EQ(text(5, 0), "0.00000");
    EXPECT_EQ(text(5, -2), "-2.00000");
    EXPECT_EQ(text(5, 0.000004L), "0.00000");
    EXPECT_EQ(text(5, 0.000006L), "0.00001");
    EXPECT_EQ(text(3, 111.78418L), "111.784");
    EXPECT_EQ(text(9, 0.5L), "0.500000000");
    EXPECT_EQ(text(1, -12.25L), "-12.2");
}

TEST(RealToText, DecimalsOutsideOneToNineAreClamped) {
    EXPECT_EQ(text(0, 2.25L), "2.2");
    EXPECT_EQ(text(-4, 2.25L), "2.2");
    EXPECT_EQ(text(12, 0.5L), "0.500000000");
}

TEST(RealToText, ValuesBeyondTheSixtyFourBitRange) {
    EXPECT_EQ(text(3, std::ldexp(1.0L, 100)), "1267650600228229401496703205376.000");
    EXPECT_EQ(text(3, -std::ldexp(1.0L, 70)), "-1180591620717411303424.000");
    EXPECT_EQ(text(9, std::ldexp(1.0L, 40)), "1099511627776.000000000");
    EXPECT_EQ(text(3, std::ldexp(1.0L, 52)), "4503599627370496.000"); // still in range
}

TEST(LeadingInteger, ReadsTheIntegerAtTheStart) {
    struct Case {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"90", 90},     {" 90", 90},  {"90abc", 90}, {"90.9", 90}, {"-90", -90}, {"-90.9", 90},
        {"-90abc", 90}, {"-90 ", 90}, {"+90", 90},   {"$10", 16},  {"", 0},      {"abc", 0},
        {"-", 0},       {"  ", 0},    {"x1F", 31},   {"X1f", 31},  {"0x10", 16}, {"0X1f", 31},
        {"-$10", -16},  {"$1g", 1},   {"007", 7},    {"1 2", 1},   {"45.5", 45}, {"- 5", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(leadingInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(LeadingInteger, ClampsBeyondThirtyTwoBits) {
    EXPECT_EQ(leadingInteger("2147483647"), 2147483647);
    EXPECT_EQ(leadingInteger("99999999999"), 2147483647);
    EXPECT_EQ(leadingInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(leadingInteger("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(leadingInteger("-99999999999x"), 2147483647);
    EXPECT_EQ(leadingInteger("$FFFFFFFFFF"), 2147483647);
}

} // namespace

namespace {

TEST(NonFinite, NaNAndInfinityAsOtherProgramsWriteThem) {
    for (const char* text :
         {"nan", " NaN ", "-inf", "+Infinity", "2*inf+x", "1e4000", "-1E39", "1.8e38", "1e99999"})
        EXPECT_TRUE(spellsNonFinite(text)) << text;
    for (const char* text : {"", "0", "1.7e38", "1e-4000", "2*pi", "info", "x+nanb", "1/0", "1e"})
        EXPECT_FALSE(spellsNonFinite(text)) << text;
}

} // namespace
