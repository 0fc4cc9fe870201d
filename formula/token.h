#pragma once
// The pieces of a compiled formula: its variables, tokens and Polish queue.

#include "formula/real48.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace gyrelune {

// One variable of a formula.
struct Variable {
    std::string name;
    Real48 value;
};
// The variable table, in order of first appearance.
using VariableTable = std::vector<Variable>;

enum OperationCode : std::uint8_t {
    opNone = 0,
    opAbs = 1,
    opInt = 2,
    opSh = 3,
    opSin = 4,
    opSqrt = 5,
    opSqr = 6,
    opCh = 7,
    opCos = 8,
    opLg = 9,
    opAdd = 10,
    opSub = 11,
    opMul = 12,
    opDiv = 13,
    opNeg = 14,
};

// One token.
struct Token {
    bool isOperation = false;
    struct {
        bool isVariable = false;
        std::string name;
        Real48 value;
    } operand;
    struct {
        std::string symbol;
        std::uint8_t code = opNone;
        std::uint8_t priority = 0;
    } operation;
    std::size_t position = 0; // where the token starts in the text
    Token* next = nullptr;    // operator stack link, used only while compiling
};
// A formula in Polish (postfix) order; never holds parentheses.
using PostfixQueue = std::vector<Token>;

} // namespace gyrelune
