#pragma once
#include "formula/real48.h"

#include <string>

namespace gyrelune {

// Fixed-point text with exactly `decimals` decimals and a "." separator.
// Decimals outside 1..9 are taken as the nearest of 1 and 9.
std::string realToText(int decimals, Real48 value);

} // namespace gyrelune
