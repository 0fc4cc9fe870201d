#include "formula/referenceEvaluator.h"
#include "formula/operations.h"

namespace gyrelune {
namespace {

using namespace formula_detail;

Real48 operandValue(const Formula& formula, const Token& t) {
    if (!t.operand.isVariable) return t.operand.value;
    const int i = formula.findVariable(t.operand.name);
    return i >= 0 ? formula.variables()[std::size_t(i)].value : Real48();
}

// Pops the operands of op and pushes its stored result, or sets the code.
void applyOperation(std::uint8_t op, std::vector<Real48>& stack, EvaluationCode& code) {
    if (stack.empty()) {
        code = EvaluationCode::malformed;
        return;
    }
    long double right = stack.back().toExtended(), left = right;
    stack.pop_back();
    if (isBinary(op)) {
        if (stack.empty()) {
            code = EvaluationCode::malformed;
            return;
        }
        left = stack.back().toExtended();
        stack.pop_back();
    }
    if ((op == opDiv && right == 0) || (op == opSqrt && left < 0) || (op == opLg && left <= 0)) {
        code = op == opDiv    ? EvaluationCode::divisionByZero
               : op == opSqrt ? EvaluationCode::negativeRoot
                              : EvaluationCode::nonPositiveLog;
        stack.push_back(Real48());
        return;
    }
    Real48 r;
    if (!Real48::tryFromExtended(compute(op, left, isBinary(op) ? right : 0.0L), r)) r = Real48();
    stack.push_back(r);
}

} // namespace

long double referenceEvaluate(const Formula& formula, EvaluationCode& code) {
    code = EvaluationCode::ok;
    std::vector<Real48> stack;
    for (const Token& t : formula.queue()) {
        if (!t.isOperation)
            stack.push_back(operandValue(formula, t));
        else if (t.operation.code != opNone)
            applyOperation(t.operation.code, stack, code);
    }
    Real48 result;
    if (code == EvaluationCode::ok && !stack.empty()) {
        result = stack.back();
        stack.pop_back();
        if (!stack.empty()) code = EvaluationCode::malformed;
    }
    if (code == EvaluationCode::divisionByZero) result = stack.empty() ? Real48() : stack.back();
    return code == EvaluationCode::ok || code == EvaluationCode::divisionByZero
               ? result.toExtended()
               : 0.0L;
}

} // namespace gyrelune
