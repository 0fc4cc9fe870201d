// The evaluator: threaded code over the program's steps. Each step jumps
// straight to the next step's handler (one indirect jump per step, predicted
// per handler), loads its operands from their cells onto the x87 stack, and
// stores the 6-byte rounding of its result into its cell from the integer
// registers that did the rounding.

#include "formula/formula.h"
#include "formula/operations.h"
#include "formula/program.h"

namespace gyrelune {
namespace formula_detail {
namespace {

[[gnu::always_inline]] inline void store(double& cell, long double value) noexcept {
    if (!roundToReal48(value, cell)) cell = 0.0; // overflow, infinity or NaN
}

} // namespace

// Within run: the jump to the next step's handler, a step that stores its
// operation's rounded result, and a guard that stores 0 with a failure code.
#define GYRELUNE_NEXT goto* handlers[(++step)->kind]
#define GYRELUNE_DO(op)                                                                            \
    store(cell[step->result], compute(op, cell[step->left], cell[step->right]));                   \
    GYRELUNE_NEXT
#define GYRELUNE_GUARD(failed, failureCode)                                                        \
    if (failed) {                                                                                  \
        status = failureCode;                                                                      \
        cell[step->result] = 0.0;                                                                  \
        GYRELUNE_NEXT;                                                                             \
    }

long double Program::run(EvaluationCode& code) noexcept {
    // In step-kind order: finish, the operation codes 1..14, short of operands.
    static const void* const handlers[] = {
        &&finish, &&abs, &&trunc, &&sh,  &&sin, &&sqrt, &&sqr, &&ch,
        &&cos,    &&lg,  &&add,   &&sub, &&mul, &&div,  &&neg, &&shortOfOperands};
    double* const cell = cells_.data();
    const Step* step = steps_.data();
    std::int32_t status = 0;
    goto* handlers[step->kind];
    // clang-format off
abs:   GYRELUNE_DO(opAbs);
trunc: GYRELUNE_DO(opInt);
sh:    GYRELUNE_DO(opSh);
sin:   GYRELUNE_DO(opSin);
sqrt:  GYRELUNE_GUARD(cell[step->left] < 0, 3) GYRELUNE_DO(opSqrt);
sqr:   GYRELUNE_DO(opSqr);
ch:    GYRELUNE_DO(opCh);
cos:   GYRELUNE_DO(opCos);
lg:    GYRELUNE_GUARD(cell[step->left] <= 0, 4) GYRELUNE_DO(opLg);
add:   GYRELUNE_DO(opAdd);
sub:   GYRELUNE_DO(opSub);
mul:   GYRELUNE_DO(opMul);
div:   GYRELUNE_GUARD(cell[step->right] == 0, 2) GYRELUNE_DO(opDiv);
neg:   GYRELUNE_DO(opNeg);
shortOfOperands: status = 1; GYRELUNE_NEXT;
    // clang-format on
finish:
    if (status == 0 && step->right) status = 1; // more than one value left
    code = EvaluationCode(status);
    return status == 0 || status == 2 ? cell[step->left] : 0.0L;
}

#undef GYRELUNE_NEXT
#undef GYRELUNE_DO
#undef GYRELUNE_GUARD

} // namespace formula_detail

long double Formula::evaluate(EvaluationCode& code) noexcept {
    return program_.run(code);
}

} // namespace gyrelune
