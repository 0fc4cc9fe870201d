#include "previousEvaluator.h"

#include "operations.h"

#include <utility>

namespace gyrelune::previous {
namespace {

// Evaluation code of a guard that the operation trips (2, 3 or 4), else 0.
[[gnu::always_inline]] inline int guardCode(std::uint8_t code, long double a,
                                            long double right) noexcept {
    switch (code) {
    case opSqrt:
        return a < 0 ? 3 : 0;
    case opLg:
        return a <= 0 ? 4 : 0;
    case opDiv:
        return right == 0 ? 2 : 0;
    default:
        return 0;
    }
}

// The stored result: the 6-byte rounding of compute(), or 0 where it fails.
[[gnu::always_inline]] inline double storedResult(std::uint8_t code, long double a,
                                                  long double b) noexcept {
    double out;
    return roundToReal48(compute(code, a, b), out) ? out : 0.0;
}
} // namespace

PreviousEvaluator::PreviousEvaluator(std::vector<Instruction> program, std::size_t variableCount)
    : program_(std::move(program)), variables_(variableCount) {
    int depth = 0;
    wellFormed_ = true;
    for (const Instruction& ins : program_) {
        if (ins.code == pushConstant || ins.code == pushVariable) {
            ++depth;
            continue;
        }
        const int needs = ins.code >= opAdd && ins.code <= opDiv ? 2 : 1;
        if (depth < needs) wellFormed_ = false;
        depth = depth - needs + 1;
    }
    wellFormed_ = wellFormed_ && depth == 1;
    stack_.assign(program_.size() + 1, 0.0);
}

long double PreviousEvaluator::evaluate(std::int32_t& code) {
    return wellFormed_ ? run<false>(code) : run<true>(code);
}

template <bool Checked> long double PreviousEvaluator::run(std::int32_t& code) {
    code = 0;
    double* const base = stack_.data();
    double* sp = base;
    const Real48* vars = variables_.data();
    for (const Instruction& ins : program_) {
        switch (ins.code) {
        case pushConstant:
            *sp++ = ins.constant;
            continue;
        case pushVariable:
            *sp++ = vars[ins.slot].toDouble();
            continue;
        default:
            break;
        }
        if (Checked && sp == base) {
            code = 1;
            continue;
        }
        long double a = *--sp, b = 0.0L;
        if (ins.code >= opAdd && ins.code <= opDiv) {
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

} // namespace gyrelune::previous
