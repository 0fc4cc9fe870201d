#pragma once
// The evaluation algorithm exactly as stated, token by token with name lookup
// and a growing stack; the fast evaluator must agree with it bit for bit.

#include "formula/formula.h"

namespace gyrelune {

long double referenceEvaluate(const Formula& formula, EvaluationCode& code);

} // namespace gyrelune
