#include "formula/program.h"
#include "formula/operations.h"

#include <algorithm>

namespace gyrelune::formula_detail {
namespace {

// Walks the queue with a stack of cell numbers in place of the value stack.
class Translation {
  public:
    Translation(const VariableTable& variables, std::vector<double>& cells,
                std::vector<Step>& steps, std::uint32_t stackBase)
        : variables_(variables), cells_(cells), steps_(steps), stackBase_(stackBase) {}

    void operand(const Token& t) {
        if (t.operand.isVariable) {
            stack_.push_back(variableCell(t.operand.name));
        } else {
            stack_.push_back(std::uint32_t(cells_.size()));
            cells_.push_back(t.operand.value.toDouble());
        }
    }

    // The evaluator drops whatever such an operation finds and pushes nothing.
    void operation(std::uint8_t code) {
        const std::size_t needs = operationOf(code).operands;
        if (stack_.size() < needs) {
            steps_.push_back({shortOfOperandsStep, 0, 0, 0});
            if (!stack_.empty()) stack_.pop_back();
            return;
        }
        const std::uint32_t right = stack_.back();
        if (needs == 2) stack_.pop_back();
        const std::uint32_t left = stack_.back();
        stack_.pop_back();
        const std::uint32_t result = stackBase_ + std::uint32_t(stack_.size());
        steps_.push_back({code, left, right, result});
        stack_.push_back(result);
        deepest_ = std::max(deepest_, stack_.size());
    }

    void finish() {
        const std::uint32_t top = stack_.empty() ? zeroCell() : stack_.back();
        steps_.push_back({finishStep, top, stack_.size() > 1, 0});
        cells_.resize(stackBase_ + deepest_, 0.0);
    }

  private:
    std::uint32_t zeroCell() const { return std::uint32_t(variables_.size()); }

    // A name missing from the table counts as 0.
    std::uint32_t variableCell(const std::string& name) const {
        for (std::size_t i = 0; i < variables_.size(); ++i)
            if (variables_[i].name == name) return std::uint32_t(i);
        return zeroCell();
    }

    const VariableTable& variables_;
    std::vector<double>& cells_;
    std::vector<Step>& steps_;
    const std::uint32_t stackBase_;
    std::vector<std::uint32_t> stack_;
    std::size_t deepest_ = 0;
};

} // namespace

Program::Program() {
    build({}, {});
}

void Program::build(const PostfixQueue& queue, const VariableTable& variables) {
    steps_.clear();
    cells_.assign(variables.size() + 1, 0.0);
    setVariables(variables);
    const auto constants = std::count_if(queue.begin(), queue.end(), [](const Token& t) {
        return !t.isOperation && !t.operand.isVariable;
    });
    Translation translation(variables, cells_, steps_, std::uint32_t(cells_.size() + constants));
    for (const Token& t : queue) {
        if (!t.isOperation)
            translation.operand(t);
        else if (t.operation.code != opNone) // pushes nothing
            translation.operation(t.operation.code);
    }
    translation.finish();
}

void Program::setVariables(const VariableTable& variables) {
    for (std::size_t i = 0; i < variables.size(); ++i)
        cells_[i] = variables[i].value.toDouble();
}

} // namespace gyrelune::formula_detail
