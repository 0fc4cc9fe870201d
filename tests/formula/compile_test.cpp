#include "formulaTestSupport.h"

#include <gtest/gtest.h>

using namespace gyrelune;
using namespace gyrelune::testing;

namespace {

Formula compiled(const std::string& text, bool& error) {
    Formula f;
    error = !f.compile(text).wellFormed();
    return f;
}

std::string tableAfterCompile(const std::string& text) {
    bool error;
    return tableOf(compiled(text, error));
}

TEST(CompileTables, DefaultFormulasInOrderOfFirstAppearance) {
    EXPECT_EQ(tableAfterCompile("sin(x*y*4.36/pi)+y*0.453+0.45"), "x,y");
    EXPECT_EQ(tableAfterCompile("1.93*cos(y*x)+0.49*sin(x)"), "y,x");
    EXPECT_EQ(tableAfterCompile("1.795*cos(x)-1.5324*sin(x*1.65/pi)"), "x");
    EXPECT_EQ(run("sin(x*y*4.36/pi)+y*0.453+0.45").value, r48(0.45L));

    bool error;
    const Formula f = compiled("1.795*cos(x)-1.5324*sin(x*1.65/pi)", error);
    EXPECT_FALSE(error);
    int subtractions = 0;
    for (const Token& t : f.queue())
        subtractions += t.isOperation && t.operation.code == opSub;
    EXPECT_EQ(subtractions, 1);
}

TEST(CompileTables, RecompilingResetsValuesAndKeepsOrder) {
    Formula f;
    ASSERT_TRUE(f.compile("b+a*b+c").wellFormed());
    f.setVariable("a", Real48::fromExtended(5));
    f.setVariable("nope", Real48::fromExtended(7)); // not in the table: nothing changes
    EXPECT_EQ(f.findVariable("a"), 1);
    EXPECT_EQ(f.findVariable("A"), -1);
    EXPECT_EQ(f.variables()[1].value.toExtended(), 5.0L);
    ASSERT_TRUE(f.compile(f.text).wellFormed());
    EXPECT_EQ(tableOf(f), "b,a,c");
    for (const Variable& v : f.variables())
        EXPECT_EQ(v.value.toExtended(), 0.0L);
}

TEST(CompileTokens, KeywordsAreRecognisedByPrefix) {
    EXPECT_EQ(run("sinx", {{"x", 1}}).value, run("sin(x)", {{"x", 1}}).value);
    EXPECT_EQ(tableAfterCompile("cost"), "t");
    EXPECT_EQ(run("cost", {{"t", 0}}).value, 1.0L);
    EXPECT_EQ(run("sqrtx", {{"x", 9}}).value, 3.0L);
    EXPECT_EQ(run("sqrx", {{"x", 9}}).value, 81.0L);
    const Outcome pie = run("pie");
    EXPECT_TRUE(pie.error); // "pi" then the name e: two operands
    EXPECT_EQ(tableAfterCompile("pie"), "e");
    EXPECT_EQ(tableAfterCompile("x2+k_1+.5+s+c+sq+l+p+a+i"), "x2,k_1,.5,s,c,sq,l,p,a,i");
    EXPECT_EQ(tableAfterCompile("X+x"), "X,x");
    EXPECT_TRUE(run("SIN(x)").error);
}

TEST(CompileTokens, SpacesChangeNothing) {
    const Outcome plain = run("x*2+1", {{"x", 3}});
    for (const char* text : {"x*2+1   ", "  x * 2 + 1", "x *2+ 1 "}) {
        const Outcome spaced = run(text, {{"x", 3}});
        EXPECT_EQ(spaced.value, plain.value) << text;
        EXPECT_FALSE(spaced.error) << text;
    }
    EXPECT_EQ(plain.value, 7.0L);
}

TEST(CompileLiterals, DecimalLiterals) {
    EXPECT_EQ(run("1.5").value, 1.5L);
    EXPECT_EQ(run("5.").value, 5.0L);
    EXPECT_EQ(tableAfterCompile(".5"), ".5");
    EXPECT_EQ(run(".5").value, 0.0L);
    EXPECT_EQ(run(".5", {{".5", 2}}).value, 2.0L);
    EXPECT_EQ(run("0.1").value, r48(0.1L));
    const Outcome dots = run("1.2.3");
    EXPECT_TRUE(dots.error);
    EXPECT_EQ(tableAfterCompile("1.2.3"), ".3");
    EXPECT_TRUE(run("1e5").error);
    EXPECT_EQ(tableAfterCompile("1e5"), "e5");
}

TEST(CompileLiterals, ShortLiteralsAreHeldAsADoubleFirst) {
    // Integer part plus fraction / 10^n goes through a double before the
    // 6-byte rounding; here that double rounding decides the last bit.
    EXPECT_EQ(double(run("0.000018957").value), 1.895700000001388e-05);
    // Ten fraction digits are read exactly and rounded once.
    EXPECT_EQ(double(run("0.0000189570").value), 1.8956999999986124e-05);
}

TEST(CompileLiterals, LongLiteralsAreReadExactly) {
    EXPECT_EQ(run("2147483647").value, 2147483647.0L);
    EXPECT_EQ(run("2147483648").value, 2147483648.0L);
    EXPECT_EQ(run("4294967297.5").value, 4294967297.5L);
    EXPECT_EQ(run("1099511627777").value, 1099511627778.0L); // a tie: away from zero
    EXPECT_EQ(run("1099511627776.99999999999999999999").value, 1099511627776.0L);
    EXPECT_EQ(run("0.1234567891").value, r48(0.1234567891L));
    const Outcome e38 = run("100000000000000000000000000000000000000");
    EXPECT_FALSE(e38.error);
    EXPECT_EQ(e38.value, r48(1e38L));
}

TEST(CompileLiterals, LiteralsBeyondTheRangeAreErrors) {
    for (const char* text : {"1000000000000000000000000000000000000000",
                             "x+170141183460469231731687303715884105727"}) {
        const Outcome o = run(text, {{"x", 1}});
        EXPECT_TRUE(o.error) << text;
        EXPECT_EQ(o.code, 0) << text; // the literal counts as 0
    }
    EXPECT_EQ(run("x+170141183460469231731687303715884105727", {{"x", 1}}).value, 1.0L);
}

std::string queueOf(const std::string& text) {
    bool error;
    const Formula f = compiled(text, error);
    std::string out;
    for (const Token& t : f.queue())
        out += (out.empty() ? "" : " ") +
               (t.isOperation          ? t.operation.code == opNeg ? "neg" : t.operation.symbol
                : t.operand.isVariable ? t.operand.name
                                       : "#");
    return out;
}

TEST(CompilePolish, QueueOrder) {
    EXPECT_EQ(queueOf("-x*y"), "x neg y *");
    EXPECT_EQ(queueOf("x-y*z"), "x y z * -");
    EXPECT_EQ(queueOf("sin x*y"), "x sin y *");
    EXPECT_EQ(queueOf("2*sin x"), "# x sin *");
    EXPECT_EQ(queueOf("sin(cos(x))"), "x cos sin");
    EXPECT_EQ(queueOf("-sqr x"), "x sqr neg");
    EXPECT_EQ(queueOf("a/(b-c)/d"), "a b c - / d /");
    EXPECT_EQ(queueOf("sin cos x"), "sin x cos");
    EXPECT_EQ(queueOf("2*-3"), "# * # -");
}

TEST(CompilePolish, NegationAndPrecedence) {
    EXPECT_EQ(run("(-x)", {{"x", 2}}).value, -2.0L);
    EXPECT_EQ(run("sin(-x)", {{"x", 1}}).value, -run("sin(x)", {{"x", 1}}).value);
    EXPECT_EQ(run("-sqr x", {{"x", 3}}).value, -9.0L);
    EXPECT_EQ(run("2*(-3)").value, -6.0L);
    EXPECT_EQ(run("()-x", {{"x", 4}}).value, -4.0L);
    EXPECT_EQ(run("10-4-3").value, 3.0L);
    EXPECT_EQ(run("24/4/2").value, 3.0L);
}

TEST(CompileErrors, MalformedTextsKeepTheirQueueAndTable) {
    for (const char* text : {"x y", "2x", "2pi", "1e5", "x(y)", "+x", "x*", "2*-3", "x--y",
                             "sin cos x", "sin -x", "SIN(x)", "*", "sin"}) {
        bool error;
        const Formula f = compiled(text, error);
        EXPECT_TRUE(error) << text;
        EXPECT_FALSE(f.queue().empty()) << text;
        EvaluationCode code;
        EXPECT_EQ(Formula(f).evaluate(code), 0.0L) << text;
        EXPECT_EQ(code, EvaluationCode::malformed) << text;
    }
}

TEST(CompileErrors, TheFaultAndWhereItShows) {
    using Fault = CompileResult::Fault;
    const struct {
        const char* text;
        Fault fault;
        std::size_t position;
    } cases[] = {{"x+1", Fault::none, 0},
                 {"x y", Fault::extraOperand, 2},
                 {"2*x+", Fault::missingOperand, 3},
                 {"  *x", Fault::missingOperand, 2},
                 {"(a))b", Fault::unbalancedParentheses, 3},
                 {"((a)", Fault::unbalancedParentheses, 0},
                 {"x+(1*(y)", Fault::unbalancedParentheses, 2},
                 {"1+2e40+100000000000000000000000000000000000000000", Fault::numberTooLarge, 7},
                 {"(1", Fault::unbalancedParentheses, 0}};
    for (const auto& c : cases) {
        Formula f;
        const CompileResult result = f.compile(c.text);
        EXPECT_EQ(result.fault, c.fault) << c.text;
        EXPECT_EQ(result.position, c.position) << c.text;
        EXPECT_EQ(f.text, c.text);
    }
}

TEST(CompileErrors, UnbalancedParenthesesLeaveAnEmptyQueue) {
    struct Case {
        const char* text;
        const char* table;
    } cases[] = {{"(x", "x"},   {"x)", "x"},    {")x(", ""},
                 {"a)b(", "a"}, {"(a))b", "a"}, {"((a)", "a"}};
    for (const Case& c : cases) {
        bool error;
        Formula f = compiled(c.text, error);
        EXPECT_TRUE(error) << c.text;
        EXPECT_TRUE(f.queue().empty()) << c.text;
        EXPECT_EQ(tableOf(f), c.table) << c.text;
        EvaluationCode code;
        EXPECT_EQ(f.evaluate(code), 0.0L);
        EXPECT_EQ(code, EvaluationCode::ok);
    }
}

TEST(CompileErrors, OverlongTextsAreRefusedUnread) {
    std::string text = "x";
    while (text.size() < maximumFormulaLength)
        text += "+x";
    bool error;
    EXPECT_FALSE(compiled(text.substr(0, maximumFormulaLength - 1), error).queue().empty());
    EXPECT_FALSE(error);
    Formula f;
    const CompileResult result = f.compile(text + "+x");
    EXPECT_EQ(result.fault, CompileResult::Fault::tooLong);
    EXPECT_EQ(result.position, maximumFormulaLength);
    EXPECT_TRUE(f.queue().empty());
    EXPECT_TRUE(f.variables().empty());
}

TEST(CompileErrors, NumericTroubleInTheTrialIsNoError) {
    for (const char* text : {"1/x", "sqrt(x-1)", "lg x", "1/0", "", "   ", "()", "(())"}) {
        bool error;
        compiled(text, error);
        EXPECT_FALSE(error) << '"' << text << '"';
    }
}

} // namespace
