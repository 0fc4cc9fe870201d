#pragma once
// The frozen previous interpreter's input, read from a formula compiled by
// today's engine: its queue as a plain instruction list.

#include "bench/previous/operations.h"
#include "bench/previous/previousEvaluator.h"
#include "formula/formula.h"

#include <vector>

namespace gyrelune::bench {

// No default: an operation added to the engine must be mapped here first.
inline std::uint8_t previousOperation(std::uint8_t code) {
    switch (OperationCode(code)) {
    case opNone:
        return previous::opNone;
    case opAbs:
        return previous::opAbs;
    case opInt:
        return previous::opInt;
    case opSh:
        return previous::opSh;
    case opSin:
        return previous::opSin;
    case opSqrt:
        return previous::opSqrt;
    case opSqr:
        return previous::opSqr;
    case opCh:
        return previous::opCh;
    case opCos:
        return previous::opCos;
    case opLg:
        return previous::opLg;
    case opAdd:
        return previous::opAdd;
    case opSub:
        return previous::opSub;
    case opMul:
        return previous::opMul;
    case opDiv:
        return previous::opDiv;
    case opNeg:
        return previous::opNeg;
    }
    return previous::opNone;
}

// Variables keep the engine's table slots, so setVariableAt's indices serve both.
inline previous::PreviousEvaluator previousEvaluator(const Formula& formula) {
    std::vector<previous::Instruction> program;
    for (const Token& t : formula.queue()) {
        if (!t.isOperation) {
            const int slot = t.operand.isVariable ? formula.findVariable(t.operand.name) : -1;
            const bool variable = t.operand.isVariable && slot >= 0;
            program.push_back({variable ? previous::pushVariable : previous::pushConstant, slot,
                               t.operand.isVariable ? 0.0 : t.operand.value.toDouble()});
            continue;
        }
        const std::uint8_t code = previousOperation(t.operation.code);
        if (code != previous::opNone) program.push_back({code, -1, 0.0});
    }
    return previous::PreviousEvaluator(std::move(program), formula.variables().size());
}

} // namespace gyrelune::bench
