#pragma once
#include <string_view>

namespace gyrelune {

// NaN or an infinity as other programs write them: nan, inf or infinity (any
// case) as a name in the text, or the whole text a number beyond the 6-byte
// range such as 1e4000. The formula language has no such values: it reads
// those names as variables of value 0 and such numbers not at all.
bool spellsNonFinite(std::string_view text);

} // namespace gyrelune
