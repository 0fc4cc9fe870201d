#pragma once
// The formula engine: compiles a one-line formula into Polish order with a
// table of its named variables and evaluates it in 6-byte real arithmetic.

#include "formula/evaluationCode.h"
#include "formula/program.h"
#include "formula/real48.h"
#include "formula/token.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace gyrelune {

// Longer texts are refused unread: evaluating one would take minutes per
// picture, and no map of three variables needs that much.
inline constexpr std::size_t maximumFormulaLength = 4096;

// What compiling a text found: well formed, or the first fault and where.
struct CompileResult {
    enum class Fault : std::uint8_t {
        none,
        unbalancedParentheses, // at the unmatched parenthesis
        numberTooLarge,        // at the literal beyond the 6-byte range
        missingOperand,        // at the operation that runs short
        extraOperand,          // at the value left over
        tooLong,               // at maximumFormulaLength: the text is not read
    };
    Fault fault = Fault::none;
    std::size_t position = 0; // offset into the text; 0 when well formed

    bool wellFormed() const { return fault == Fault::none; }
};

class Formula {
  public:
    // The text last given to compile, or set to be compiled later (the render
    // thread compiles a pending formula's text when it takes it over).
    std::string text;

    // Sets text and compiles it; every variable starts at 0. A text over
    // maximumFormulaLength is a fault and compiles to the empty queue.
    [[nodiscard]] CompileResult compile(std::string newText);
    // The value as an extended real; the 6-byte rounding of every step is kept.
    long double evaluate(EvaluationCode& code) noexcept;
    // Sets a variable by name; a name the table lacks changes nothing.
    void setVariable(const std::string& name, Real48 value);
    // The table index of a name, or -1.
    int findVariable(const std::string& name) const;

    const PostfixQueue& queue() const { return queue_; }
    const VariableTable& variables() const { return variables_; }
    // Sets the value of table entry index (as found by findVariable); no name lookup.
    void setVariableAt(int index, Real48 value) {
        variables_[std::size_t(index)].value = value;
        program_.setVariable(std::size_t(index), value);
    }
    // False when the last compile stopped on unbalanced parentheses.
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
