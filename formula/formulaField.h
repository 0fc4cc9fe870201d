#pragma once
// A formula edit field without its widget: the text, the formula compiled from
// it and the error marking. The widget and the headless tools share it.

#include "formula/formula.h"

#include <functional>
#include <string>

namespace gyrelune {

class FormulaField {
  public:
    enum class Marking { none, normal, error };

    explicit FormulaField(std::string initialText = {}) : text(std::move(initialText)) {}

    std::string text;

    // Compiles text and marks it; unbalanced parentheses mark it as an error.
    // A malformed field simply reads 0.
    CompileResult compileAndMark();
    // Value of the text last compiled (an empty queue gives 0).
    long double evaluate(EvaluationCode& code) { return compiled_.evaluate(code); }
    // The value alone: a field's failing evaluation shows as its value 0.
    long double evaluate() {
        EvaluationCode code;
        return compiled_.evaluate(code);
    }
    // The value stored as a 6-byte real; throws FloatingPointOverflow.
    Real48 value() { return Real48::fromExtended(evaluate()); }

    Marking marking() const { return marking_; }
    // Called whenever the marking is set (the widget recolours itself).
    std::function<void(Marking)> onMarked;

  private:
    Formula compiled_;
    Marking marking_ = Marking::none;
};

} // namespace gyrelune
