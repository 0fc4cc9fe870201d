#pragma once
#include "formula/formula.h"

#include <string>

namespace gyrelune::formula_detail {

// Reads the next token of s from pos on; false when only blanks remain.
// A name that the table does not hold yet is appended to variables.
// tooLarge is set for a literal beyond the 6-byte range.
bool nextToken(const std::string& s, std::size_t& pos, Token& token, VariableTable& variables,
               bool& tooLarge);

} // namespace gyrelune::formula_detail
