#include "strFunctUNIT.h"

#include <gtest/gtest.h>

using namespace gyrelune;

TEST(FormulaSmoke, DefaultFormulaAtZero) {
    TstrFunctUNIT f;
    f.text = "sin(x*y*4.36/pi)+y*0.453+0.45";
    bool error;
    f.Compile(error);
    EXPECT_FALSE(error);
    std::int32_t code;
    EXPECT_EQ(f.Evaluate(code), Real48::fromExtended(0.45L).toExtended());
    EXPECT_EQ(code, 0);
}
