#pragma once
// The formula engine: compiles a one-line formula into Polish order with a
// table of its named variables and evaluates it in 6-byte real arithmetic.

#include "formula/real48.h"

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
    Token* next = nullptr; // operator stack link, used only while compiling
};
// A formula in Polish (postfix) order; never holds parentheses.
using PostfixQueue = std::vector<Token>;

class Formula {
  public:
    std::string text;

    void Compile(bool& error);
    // Returns a 6-byte value as an extended real; code is the evaluation code 0..4.
    long double Evaluate(std::int32_t& code);
    void SetVariable(const std::string& name, Real48 value);
    int FindVariable(const std::string& name) const;

    const PostfixQueue& queue() const { return queue_; }
    const VariableTable& variables() const { return variables_; }
    // Sets the value of table entry index (as found by FindVariable); no name lookup.
    void setVariableAt(int index, Real48 value) { variables_[std::size_t(index)].value = value; }
    // False when the last Compile stopped on unbalanced parentheses.
    bool parenthesesBalanced() const { return balanced_; }
    // Replaces the table by a copy of another (the render thread's take-over).
    void replaceVariables(const VariableTable& table);

  private:
    struct Instruction {
        std::uint8_t code; // opNone: push operand
        std::int32_t slot; // variable slot, or -1 for a constant / unknown name
        double constant;   // constant value (6-byte value held as double)
    };

    void buildProgram();
    void resolveSlots();
    template <bool Checked> long double run(std::int32_t& code);

    PostfixQueue queue_;
    VariableTable variables_;
    std::vector<Instruction> program_;
    std::vector<double> stack_;
    bool balanced_ = true;
    bool wellFormed_ = false; // no operation can underflow and one value remains
};

// Tokeniser and literal reader, shared with the reference evaluator's tests.
namespace formula_detail {
// Reads a number literal at the front of s (s[pos] is a digit). Advances pos.
// Sets tooLarge when the literal's magnitude is beyond the 6-byte range.
Real48 readLiteral(const std::string& s, std::size_t& pos, bool& tooLarge);
} // namespace formula_detail

} // namespace gyrelune
