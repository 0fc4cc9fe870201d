#pragma once
// The evaluation loop as it stood before the threaded interpreter, kept so that
// the benchmark can measure the old path beside the new one in one process.
// It reads the queue and the variable values of a compiled Formula.

#include "formula/formula.h"

#include <cstdint>
#include <vector>

namespace gyrelune::bench {

class PreviousEvaluator {
  public:
    // formula must outlive this and keep its compiled queue and table shape.
    explicit PreviousEvaluator(const Formula& formula);
    long double evaluate(std::int32_t& code);

  private:
    struct Instruction {
        std::uint8_t code; // opNone: push operand
        std::int32_t slot; // variable slot, or -1 for a constant / unknown name
        double constant;   // constant value (6-byte value held as double)
    };

    template <bool Checked> long double run(std::int32_t& code);

    const Formula& formula_;
    std::vector<Instruction> program_;
    std::vector<double> stack_;
    bool wellFormed_ = false;
};

} // namespace gyrelune::bench
