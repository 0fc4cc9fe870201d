#include "formula/referenceEvaluator.h"
#include "formula/operations.h"

namespace gyrelune {
namespace {

using namespace formula_detail;

Real48 operandValue(const Formula& formula, const Token& t) {
    if (!t.operand.isVariable) return t.operand.value;
    const int i = formula.FindVariable(t.operand.name);
    return i >= 0 ? formula.variables()[std::size_t(i)].value : Real48();
}

// Pops the operands of op and pushes its stored result, or sets the code.
void applyOperation(std::uint8_t op, std::vector<Real48>& stack, std::int32_t& code) {
    if (stack.empty()) {
        code = 1;
        return;
    }
    long double right = stack.back().toExtended(), left = right;
    stack.pop_back();
    if (isBinary(op)) {
        if (stack.empty()) {
            code = 1;
            return;
        }
        left = stack.back().toExtended();
        stack.pop_back();
    }
    if ((op == opDiv && right == 0) || (op == opSqrt && left < 0) || (op == opLg && left <= 0)) {
        code = op == opDiv ? 2 : op == opSqrt ? 3 : 4;
        stack.push_back(Real48());
        return;
    }
    Real48 r;
    if (!Real48::tryFromExtended(compute(op, left, isBinary(op) ? right : 0.0L), r)) r = Real48();
    stack.push_back(r);
}

} // namespace

long double referenceEvaluate(const Formula& formula, std::int32_t& code) {
    code = 0;
    std::vector<Real48> stack;
    for (const Token& t : formula.queue()) {
        if (!t.isOperation)
            stack.push_back(operandValue(formula, t));
        else if (t.operation.code != opNone)
            applyOperation(t.operation.code, stack, code);
    }
    Real48 result;
    if (code == 0 && !stack.empty()) {
        result = stack.back();
        stack.pop_back();
        if (!stack.empty()) code = 1;
    }
    if (code == 2) result = stack.empty() ? Real48() : stack.back();
    return code == 0 || code == 2 ? result.toExtended() : 0.0L;
}

} // namespace gyrelune
