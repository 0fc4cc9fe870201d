#include "formula/formula.h"
#include "formula/operations.h"

namespace gyrelune {
namespace {
constexpr std::uint8_t pushConstant = 0;
constexpr std::uint8_t pushVariable = 15;
} // namespace

void Formula::buildProgram() {
    program_.clear();
    int depth = 0;
    wellFormed_ = true;
    for (const Token& t : queue_) {
        Instruction ins{pushConstant, -1, 0.0};
        if (!t.isOperation) {
            if (t.operand.isVariable)
                ins.code = pushVariable;
            else
                ins.constant = t.operand.value.toDouble();
            ++depth;
        } else {
            ins.code = t.operation.code;
            const int needs = formula_detail::isBinary(ins.code) ? 2 : 1;
            if (ins.code == opNone) continue; // pushes nothing
            if (depth < needs) wellFormed_ = false;
            depth = depth - needs + 1;
        }
        program_.push_back(ins);
    }
    wellFormed_ = wellFormed_ && depth == 1;
    stack_.assign(program_.size() + 1, 0.0);
    resolveSlots();
}

void Formula::resolveSlots() {
    std::size_t i = 0;
    for (const Token& t : queue_) {
        if (t.isOperation && t.operation.code == opNone) continue;
        if (!t.isOperation && t.operand.isVariable) {
            Instruction& ins = program_[i];
            ins.slot = FindVariable(t.operand.name);
            ins.code = ins.slot < 0 ? pushConstant : pushVariable; // an unknown name is 0
            ins.constant = 0.0;
        }
        ++i;
    }
}

long double Formula::Evaluate(std::int32_t& code) {
    return wellFormed_ ? run<false>(code) : run<true>(code);
}

// Checked follows every rule for malformed queues; the unchecked form relies
// on a queue that can neither underflow nor leave extra values.
template <bool Checked> long double Formula::run(std::int32_t& code) {
    using namespace formula_detail;
    code = 0;
    double* const base = stack_.data();
    double* sp = base;
    const Variable* vars = variables_.data();
    for (const Instruction& ins : program_) {
        switch (ins.code) {
        case pushConstant:
            *sp++ = ins.constant;
            continue;
        case pushVariable:
            *sp++ = vars[ins.slot].value.toDouble();
            continue;
        default:
            break;
        }
        if (Checked && sp == base) {
            code = 1;
            continue;
        }
        long double a = *--sp, b = 0.0L;
        if (isBinary(ins.code)) {
            b = a;
            if (Checked && sp == base) {
                code = 1;
                continue;
            }
            a = *--sp;
        }
        if (const int guard = guardCode(ins.code, a, b)) {
            code = guard;
            *sp++ = 0.0;
            continue;
        }
        *sp++ = storedResult(ins.code, a, b);
    }
    if (!Checked) return code == 0 || code == 2 ? base[0] : 0.0L;
    long double result = 0.0L;
    if (code == 0 && sp != base) {
        result = *--sp;
        if (sp != base) code = 1;
    }
    if (code == 2) result = sp != base ? sp[-1] : 0.0;
    return code == 0 || code == 2 ? result : 0.0L;
}

} // namespace gyrelune
