#include "formula/formulaField.h"

namespace gyrelune {

bool FormulaField::CompileAndMark() {
    compiled_.text = text;
    bool error;
    compiled_.Compile(error);
    // Unbalanced parentheses are malformed like any other fault, not a
    // text to leave in its old colours.
    marking_ = error || !compiled_.parenthesesBalanced() ? Marking::error : Marking::normal;
    if (onMarked) onMarked(marking_);
    return error;
}

} // namespace gyrelune
