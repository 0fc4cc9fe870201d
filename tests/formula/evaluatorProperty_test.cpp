// The fast evaluator against the plain one on many random formulas, well
// formed and malformed, with random variable values: value and code must
// agree bit for bit.

#include "formula/formula.h"
#include "formula/referenceEvaluator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

using namespace gyrelune;

namespace {

class FormulaGenerator {
  public:
    explicit FormulaGenerator(unsigned seed) : rng_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    // Mostly well formed: a random expression tree written out.
    std::string expression(int depth) {
        static const char* const functions[] = {"abs", "int", "sh",  "sin", "sqrt",
                                                "sqr", "ch",  "cos", "lg"};
        static const char* const operators[] = {"+", "-", "*", "/"};
        if (depth <= 0 || below(4) == 0) return operand();
        switch (below(5)) {
        case 0:
            return "(" + expression(depth - 1) + ")";
        case 1:
            return std::string(functions[below(9)]) + "(" + expression(depth - 1) + ")";
        case 2:
            return "(-" + expression(depth - 1) + ")";
        default:
            return expression(depth - 1) + space() + operators[below(4)] + space() +
                   expression(depth - 1);
        }
    }

    // Token soup: mostly malformed.
    std::string soup() {
        static const char* const tokens[] = {"+",    "-",  "*", "/", "(",  ")", "sin", "sh",
                                             "sqrt", "lg", "x", "y", "pi", "2", " ",   "0"};
        std::string text;
        for (int n = below(12); n >= 0; --n)
            text += tokens[below(16)];
        return text;
    }

    Real48 value() {
        switch (below(6)) {
        case 0:
            return Real48();
        case 1:
            return Real48::fromExtended(below(21) - 10);
        case 2:
            return Real48::fromExtended(std::ldexp(1.0L, below(254) - 127) * (below(2) ? 1 : -1));
        default: {
            std::array<std::uint8_t, 6> bytes;
            for (auto& b : bytes)
                b = std::uint8_t(below(256));
            if (below(2)) bytes[0] = std::uint8_t(120 + below(20)); // near 1
            return Real48::fromBytes(bytes);
        }
        }
    }

  private:
    std::string space() { return below(3) == 0 ? " " : ""; }

    std::string operand() {
        static const char* const names[] = {"x", "y", "z", "a1", "X", ".5"};
        static const char* const literals[] = {
            "0", "1", "2.5", "0.001", "1000", "4.36", "2147483648", "0.0000000001", "1e30"};
        switch (below(3)) {
        case 0:
            return literals[below(8)];
        case 1:
            return below(6) == 0 ? "pi" : names[below(6)];
        default:
            return names[below(3)];
        }
    }

    std::mt19937 rng_;
};

bool sameBits(long double a, long double b) {
    const double da = double(a), db = double(b);
    return std::memcmp(&da, &db, sizeof da) == 0;
}

TEST(EvaluatorProperty, FastAgreesWithReferenceBitForBit) {
    FormulaGenerator gen(20240611);
    int codesSeen[5] = {};
    int compileErrors = 0;
    for (int round = 0; round < 20000; ++round) {
        Formula f;
        compileErrors +=
            !f.compile(round % 4 == 3 ? gen.soup() : gen.expression(1 + gen.below(6))).wellFormed();
        for (int trial = 0; trial < 4; ++trial) {
            for (std::size_t i = 0; i < f.variables().size(); ++i)
                f.setVariableAt(int(i), gen.value());
            if (trial == 3 && !f.variables().empty()) { // a table without its first name
                f.replaceVariables(VariableTable(f.variables().begin() + 1, f.variables().end()));
            }
            EvaluationCode fastCode, slowCode;
            const long double fast = f.evaluate(fastCode);
            const long double slow = referenceEvaluate(f, slowCode);
            ASSERT_TRUE(sameBits(fast, slow) && fastCode == slowCode)
                << f.text << ": " << double(fast) << " code " << int(fastCode) << " against "
                << double(slow) << " code " << int(slowCode);
            ++codesSeen[int(fastCode)];
        }
    }
    for (int code = 0; code < 5; ++code)
        EXPECT_GT(codesSeen[code], 50) << "code " << code;
    EXPECT_GT(compileErrors, 1000);
}

} // namespace
