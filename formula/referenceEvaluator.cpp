#include "formula/referenceEvaluator.h"
#include "formula/operations.h"

namespace gyrelune {

long double referenceEvaluate(const Formula& formula, std::int32_t& code) {
    using namespace formula_detail;
    code = 0;
    std::vector<Real48> stack;
    for (const Token& t : formula.queue()) {
        if (!t.isOperation) {
            if (!t.operand.isVariable) {
                stack.push_back(t.operand.value);
            } else {
                const int i = formula.FindVariable(t.operand.name);
                stack.push_back(i >= 0 ? formula.variables()[std::size_t(i)].value : Real48());
            }
            continue;
        }
        const std::uint8_t op = t.operation.code;
        if (op == opNone) continue;
        if (stack.empty()) {
            code = 1;
            continue;
        }
        long double right = stack.back().toExtended(), left = right;
        stack.pop_back();
        if (isBinary(op)) {
            if (stack.empty()) {
                code = 1;
                continue;
            }
            left = stack.back().toExtended();
            stack.pop_back();
        }
        if ((op == opDiv && right == 0) || (op == opSqrt && left < 0) ||
            (op == opLg && left <= 0)) {
            code = op == opDiv ? 2 : op == opSqrt ? 3 : 4;
            stack.push_back(Real48());
            continue;
        }
        Real48 r;
        if (!Real48::tryFromExtended(compute(op, left, isBinary(op) ? right : 0.0L), r))
            r = Real48();
        stack.push_back(r);
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
