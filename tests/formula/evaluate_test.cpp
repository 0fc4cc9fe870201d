#include "formulaTestSupport.h"

#include <gtest/gtest.h>

using namespace gyrelune;
using namespace gyrelune::testing;

namespace {

struct Case {
    const char* text;
    long double x;
    long double value;
    int code;
};

void expectCases(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        const Outcome o = run(c.text, {{"x", c.x}});
        EXPECT_EQ(o.value, c.value) << c.text << " with x=" << double(c.x);
        EXPECT_EQ(o.code, c.code) << c.text << " with x=" << double(c.x);
        EXPECT_FALSE(o.error) << c.text;
    }
}

TEST(EvaluateOperations, Functions) {
    expectCases({
        {"int(-2.7)", 0, -2, 0},
        {"int x", 2.7L, 2, 0},
        {"abs(-3)", 0, 3, 0},
        {"abs x", 3, 3, 0},
        {"sqr 3", 0, 9, 0},
        {"sqrt 16", 0, 4, 0},
        {"sqrt 0", 0, 0, 0},
        {"ch 0", 0, 1, 0},
        {"sh 0", 0, 0, 0},
        {"lg 100", 0, 2, 0},
        {"lg 1", 0, 0, 0},
        {"lg 0.001", 0, -3, 0},
        {"sin 0", 0, 0, 0},
        {"cos 0", 0, 1, 0},
        {"-x", 5, -5, 0},
        {"x/4", 10, 2.5L, 0},
        {"pi", 0, r48(3.14159265358979323846264338327950288L), 0},
    });
    EXPECT_NEAR(double(run("sh 1").value), std::sinh(1.0), 1e-11);
    EXPECT_NEAR(double(run("ch 1").value), std::cosh(1.0), 1e-11);
    EXPECT_NEAR(double(run("sh(0-2)").value), std::sinh(-2.0), 1e-11);
    EXPECT_NEAR(double(run("sin(pi/6)").value), 0.5, 1e-11);
}

TEST(EvaluateOperations, HyperbolicCutOffs) {
    const long double tiny = std::ldexp(1.0L, -54);  // below 1e-16
    const long double small = std::ldexp(1.0L, -53); // above it
    expectCases(
        {{"sh x", tiny, 0, 0}, {"sh x", -tiny, 0, 0}, {"ch x", tiny, 1, 0}, {"ch x", -tiny, 1, 0}});
    const long double sh = run("sh x", {{"x", small}}).value;
    EXPECT_NE(sh, 0.0L);
    EXPECT_NEAR(double(sh / small), 1.0, 1e-3);
}

TEST(EvaluateOperations, SineAndCosineOfHugeArgumentsAreZero) {
    const long double limit = std::ldexp(1.0L, 63);
    expectCases({{"sin x", limit, 0, 0},
                 {"cos x", limit, 0, 0},
                 {"cos x", -limit, 0, 0},
                 {"sin x", std::ldexp(1.0L, 100), 0, 0}});
    const long double below = r48(limit - std::ldexp(1.0L, 23));
    ASSERT_LT(below, limit);
    const long double s = run("sin x", {{"x", below}}).value,
                      c = run("cos x", {{"x", below}}).value;
    EXPECT_NEAR(double(s * s + c * c), 1.0, 1e-9);
}

TEST(EvaluateOperations, EveryIntermediateResultIsRounded) {
    const long double quarterUlp = std::ldexp(1.0L, -41), halfUlp = std::ldexp(1.0L, -40);
    EXPECT_EQ(run("(x+y)-x", {{"x", 1}, {"y", quarterUlp}}).value, 0.0L);
    EXPECT_EQ(run("(x+y)-x", {{"x", 1}, {"y", halfUlp}}).value, 2 * halfUlp);
    const long double third = r48(1.0L / 3);
    EXPECT_EQ(run("1/3").value, third);
    EXPECT_EQ(run("1/3*3").value, r48(third * 3));
}

TEST(EvaluateCodes, GuardsGiveZeroAndACode) {
    expectCases({
        {"x/0", 5, 0, 2},
        {"(x+1)/0", 5, 0, 2},
        {"1/x", 0, 0, 2},
        {"1/0+5", 0, 5, 2},
        {"sqrt(-1)+5", 0, 0, 3},
        {"sqrt(x)", -1e-30L, 0, 3},
        {"lg 0", 0, 0, 4},
        {"lg(-1)+5", 0, 0, 4},
        {"lg x * 2", -3, 0, 4},
    });
}

TEST(EvaluateCodes, TheLastErrorMetIsReported) {
    expectCases({
        {"1/0+sqrt(-1)", 0, 0, 3},
        {"sqrt(-1)+1/0+7", 0, 7, 2},
        {"lg 0+sqrt(-1)", 0, 0, 3},
        {"sqrt(-1)+lg 0", 0, 0, 4},
        {"(+1)7+1/0", 0, 7, 2}, // short of operands first, then a division by zero
    });
}

TEST(EvaluateCodes, OverflowAndFailuresGiveZeroWithoutACode) {
    expectCases({
        {"sh 100", 0, 0, 0},
        {"ch 100", 0, 0, 0},
        {"sh(0-100)", 0, 0, 0},
        {"x*x", 1e30L, 0, 0},
        {"x*x+1", 1e30L, 1, 0},
        {"1/x", std::ldexp(1.0L, -128), 0, 0},
        {"x/1000", std::ldexp(1.0L, -120), 0, 0},
        {"x+x", std::ldexp(1.5L, 126), 0, 0},
    });
    EXPECT_NE(run("ch 80").value, 0.0L);
}

TEST(EvaluateVariables, TableReplacedByTheOwner) {
    Formula f;
    ASSERT_TRUE(f.compile("x-y").wellFormed());
    EvaluationCode code;
    const Real48 one = Real48::fromExtended(1), two = Real48::fromExtended(2);
    f.replaceVariables({{"y", two}, {"x", one}}); // other order: names resolved again
    EXPECT_EQ(f.evaluate(code), -1.0L);
    f.replaceVariables({{"y", two}}); // x is missing: it counts as 0
    EXPECT_EQ(f.evaluate(code), -2.0L);
    EXPECT_EQ(code, EvaluationCode::ok);
    f.replaceVariables({{"x", one}, {"y", two}, {"x", two}}); // the first x wins
    EXPECT_EQ(f.evaluate(code), -1.0L);
    f.setVariableAt(f.findVariable("y"), Real48::fromExtended(-3));
    EXPECT_EQ(f.evaluate(code), 4.0L);
}

TEST(EvaluateVariables, EmptyQueuesAndTheText) {
    Formula fresh; // never compiled
    EvaluationCode code = EvaluationCode::malformed;
    EXPECT_EQ(fresh.evaluate(code), 0.0L);
    EXPECT_EQ(code, EvaluationCode::ok);

    Formula f;
    ASSERT_TRUE(f.compile("x+1").wellFormed());
    f.text = "x+2"; // evaluation works from the compiled queue only
    EXPECT_EQ(f.evaluate(code), 1.0L);
    for (const char* empty : {"", "   ", "()"}) {
        const Outcome o = run(empty);
        EXPECT_EQ(o.value, 0.0L);
        EXPECT_EQ(o.code, 0);
    }
}

} // namespace
