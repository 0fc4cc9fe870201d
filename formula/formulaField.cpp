#include "formula/formulaField.h"

namespace gyrelune {

CompileResult FormulaField::compileAndMark() {
    const CompileResult result = compiled_.compile(text);
    if (compiled_.parenthesesBalanced()) {
        marking_ = result.wellFormed() ? Marking::normal : Marking::error;
        if (onMarked) onMarked(marking_);
    }
    return result;
}

} // namespace gyrelune
