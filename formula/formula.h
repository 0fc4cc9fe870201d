#pragma once
// The formula engine: compiles a one-line formula into Polish order with a
// table of its named variables and evaluates it in 6-byte real arithmetic.

#include "formula/program.h"
#include "formula/real48.h"
#include "formula/token.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gyrelune {

// Longer texts are refused unread: evaluating one would take minutes per
// picture, and no map of three variables needs that much.
inline constexpr std::size_t maximumFormulaLength = 4096;

class Formula {
  public:
    std::string text;

    // A text over maximumFormulaLength is an error and compiles to the empty queue.
    void Compile(bool& error);
    // Returns a 6-byte value as an extended real; code is the evaluation code 0..4.
    long double Evaluate(std::int32_t& code);
    void SetVariable(const std::string& name, Real48 value);
    int FindVariable(const std::string& name) const;

    const PostfixQueue& queue() const { return queue_; }
    const VariableTable& variables() const { return variables_; }
    // Sets the value of table entry index (as found by FindVariable); no name lookup.
    void setVariableAt(int index, Real48 value) {
        variables_[std::size_t(index)].value = value;
        program_.setVariable(std::size_t(index), value);
    }
    // False when the last Compile stopped on unbalanced parentheses.
    bool parenthesesBalanced() const { return balanced_; }
    // Replaces the table by a copy of another (the render thread's take-over).
    void replaceVariables(const VariableTable& table);

  private:
    PostfixQueue queue_;
    VariableTable variables_;
    formula_detail::Program program_;
    bool balanced_ = true;
};

// Tokeniser and literal reader, shared with the reference evaluator's tests.
namespace formula_detail {
// Reads a number literal at the front of s (s[pos] is a digit). Advances pos.
// Sets tooLarge when the literal's magnitude is beyond the 6-byte range.
Real48 readLiteral(const std::string& s, std::size_t& pos, bool& tooLarge);
} // namespace formula_detail

} // namespace gyrelune
