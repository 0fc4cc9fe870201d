#pragma once
// What the document reader passes over without a word: an empty or binary
// file, lines ended by a lone CR, a file that stops before its colours, a
// line that should hold a whole number and does not, NaN or infinity in a
// field. The reader still reads such files as it always has; this only says
// what it found, for those who want to tell the user.

#include <string>
#include <string_view>
#include <vector>

namespace gyrelune {

// At most a few warnings, the last one counting the rest; empty for a sound document.
std::vector<std::string> documentWarnings(std::string_view bytes);

} // namespace gyrelune
