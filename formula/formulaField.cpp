#include "formula/formulaField.h"

namespace gyrelune {

CompileResult FormulaField::compileAndMark() {
    const CompileResult result = compiled_.compile(text);
    // Unbalanced parentheses are marked like any other fault, not left in
    // the old colours, which looked like acceptance.
    marking_ = result.wellFormed() ? Marking::normal : Marking::error;
    if (onMarked) onMarked(marking_);
    return result;
}

} // namespace gyrelune
