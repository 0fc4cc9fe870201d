#include "fuzz/formula/formulaFuzzCheck.h"

#include "formula/formula.h"
#include "formula/formulaField.h"
#include "formula/leadingInteger.h"
#include "formula/realToText.h"
#include "formula/referenceEvaluator.h"

#include <array>
#include <cstring>

namespace gyrelune::fuzzcheck {
namespace {

bool sameBits(long double a, long double b) {
    const double da = double(a), db = double(b);
    return std::memcmp(&da, &db, sizeof da) == 0 && a == b;
}

// The fast evaluator against the plain one, and the result's own shape.
std::string compareEvaluators(Formula& formula, const char* stage) {
    EvaluationCode fastCode, slowCode;
    const long double fast = formula.evaluate(fastCode);
    const long double slow = referenceEvaluate(formula, slowCode);
    const std::string where = std::string(stage) + ": ";
    if (fastCode != slowCode || !sameBits(fast, slow)) return where + "evaluators disagree";
    const int number = int(fastCode);
    if (number < 0 || number > 4) return where + "code out of range";
    if (number != 0 && number != 2 && fast != 0) return where + "failure code with a value";
    double stored;
    if (!roundToReal48(fast, stored) || stored != fast) return where + "result is no 6-byte value";
    EvaluationCode againCode;
    if (!sameBits(formula.evaluate(againCode), fast) || againCode != fastCode)
        return where + "second evaluation differs";
    return {};
}

std::string checkTextForms(const std::string& text, long double value) {
    const int decimals = int(text.size() % 11); // 0..10, beyond the usual range on purpose
    const std::string written = realToText(decimals, Real48::fromExactDouble(double(value)));
    const std::size_t dot = written.find('.');
    const int shown = decimals < 1 ? 1 : decimals > 9 ? 9 : decimals;
    if (dot == std::string::npos || written.size() - dot - 1 != std::size_t(shown))
        return "realToText layout";
    (void)leadingInteger(text);
    return {};
}

} // namespace

std::string checkFormulaInput(const std::uint8_t* data, std::size_t size) {
    const auto* begin = reinterpret_cast<const char*>(data);
    const void* newline = std::memchr(begin, '\n', size);
    const std::size_t textLength =
        newline ? std::size_t(static_cast<const char*>(newline) - begin) : size;
    const std::string text(begin, textLength);

    Formula formula;
    const CompileResult result = formula.compile(text);
    if (result.wellFormed() ? result.position != 0 : result.position >= text.size())
        return "fault outside the text";

    Formula again;
    const CompileResult againResult = again.compile(text);
    if (againResult.fault != result.fault || againResult.position != result.position ||
        again.queue().size() != formula.queue().size() ||
        again.variables().size() != formula.variables().size())
        return "two compilations differ";
    for (std::size_t i = 0; i < formula.variables().size(); ++i)
        if (again.variables()[i].name != formula.variables()[i].name ||
            formula.variables()[i].value != Real48())
            return "variable table differs or is not cleared";

    if (std::string failure = compareEvaluators(formula, "all zero"); !failure.empty())
        return failure;

    std::size_t at = textLength + 1;
    for (std::size_t i = 0; i < formula.variables().size() && at + 6 <= size; ++i, at += 6) {
        std::array<std::uint8_t, 6> bytes;
        std::memcpy(bytes.data(), data + at, 6);
        formula.setVariable(formula.variables()[i].name, Real48::fromBytes(bytes));
    }
    if (std::string failure = compareEvaluators(formula, "set"); !failure.empty()) return failure;

    // A table that lacks the first name: that name must count as 0.
    if (!formula.variables().empty()) {
        VariableTable shorter(formula.variables().begin() + 1, formula.variables().end());
        formula.replaceVariables(shorter);
        if (std::string failure = compareEvaluators(formula, "shorter table"); !failure.empty())
            return failure;
    }

    FormulaField field(text);
    if (field.compileAndMark().fault != result.fault) return "edit field disagrees on the error";
    EvaluationCode fieldCode, code;
    const long double fieldValue = field.evaluate(fieldCode);
    const long double value = again.evaluate(code);
    if (fieldCode != code || !sameBits(fieldValue, value))
        return "edit field disagrees on the value";

    return checkTextForms(text, value);
}

} // namespace gyrelune::fuzzcheck
