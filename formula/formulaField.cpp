#include "formula/formulaField.h"

namespace gyrelune {

bool FormulaField::CompileAndMark() {
    compiled_.text = text;
    bool error;
    compiled_.Compile(error);
    if (compiled_.parenthesesBalanced()) {
        marking_ = error ? Marking::error : Marking::normal;
        if (onMarked) onMarked(marking_);
    }
    return error;
}

} // namespace gyrelune
