#pragma once
// A compiled formula as the evaluator runs it. The stack depth at every token
// of a Polish queue is fixed by the queue alone, so each value's place is
// known before evaluation: operations name their operands' cells and the cell
// of their result, pushes vanish into the operations that use them, and a
// queue that runs short of operands is marked where it does.

#include "formula/evaluationCode.h"
#include "formula/token.h"

#include <cstdint>
#include <vector>

namespace gyrelune::formula_detail {

// Steps 1..14 are the operation codes.
constexpr std::uint8_t finishStep = 0, shortOfOperandsStep = 15;

struct Step {
    std::uint8_t kind;
    std::uint32_t left;   // the operand's cell (finish: the result's cell)
    std::uint32_t right;  // the right operand's cell (finish: 1 when values are left over)
    std::uint32_t result; // where the stored result goes
};

class Program {
  public:
    Program(); // the empty queue
    void build(const PostfixQueue& queue, const VariableTable& variables);

    // Variable values live in the first cells, in table order.
    void setVariable(std::size_t index, Real48 value) { cells_[index] = value.toDouble(); }
    void setVariables(const VariableTable& variables);

    long double run(EvaluationCode& code) noexcept;

  private:
    std::vector<Step> steps_;
    std::vector<double> cells_; // variables, a zero, constants, then the value stack
};

} // namespace gyrelune::formula_detail
