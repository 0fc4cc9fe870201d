#pragma once
#include <cstdint>
#include <string>

namespace gyrelune {

// The integer at the start of a text: blanks skipped, an optional sign, then
// decimal digits (hexadecimal after "$", "x", "X", "0x", "0X"); reading stops
// at the first other character. The minus counts only when the whole text was
// read. No leading number gives 0; magnitudes beyond 32 bits are clamped.
std::int32_t leadingInteger(const std::string& text);

} // namespace gyrelune
