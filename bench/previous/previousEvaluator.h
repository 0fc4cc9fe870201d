#pragma once
// The evaluation loop as it stood before the threaded interpreter, kept so that
// the benchmark can measure the old path beside the new one in one process.
// It runs a plain instruction list with a variable table of its own, so that
// nothing of today's engine can move its figures.

#include "real48.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gyrelune::previous {

// Codes beside the operation codes: push a constant, push a variable's value.
constexpr std::uint8_t pushConstant = 0;
constexpr std::uint8_t pushVariable = 15;

// One step of a formula in Polish order.
struct Instruction {
    std::uint8_t code; // an operation code (never opNone), pushConstant or pushVariable
    std::int32_t slot; // the variable's slot for pushVariable
    double constant;   // the value for pushConstant (a 6-byte value)
};

class PreviousEvaluator {
  public:
    // variableCount slots, each 0 until set.
    PreviousEvaluator(std::vector<Instruction> program, std::size_t variableCount);
    void setVariable(int slot, Real48 value) { variables_[std::size_t(slot)] = value; }
    long double evaluate(std::int32_t& code);

  private:
    template <bool Checked> long double run(std::int32_t& code);

    std::vector<Instruction> program_;
    std::vector<Real48> variables_;
    std::vector<double> stack_;
    bool wellFormed_ = false;
};

} // namespace gyrelune::previous
