#pragma once
// One round of checks on an arbitrary input: the text before the first
// newline is compiled as a formula, the bytes after it (6 at a time, in the
// stored byte layout) become the variables' values. Shared by the fuzzer and
// by the test that replays the inputs it found.

#include <cstddef>
#include <cstdint>
#include <string>

namespace gyrelune::fuzzcheck {

// Empty when the input passes; otherwise what went wrong.
std::string checkFormulaInput(const std::uint8_t* data, std::size_t size);

} // namespace gyrelune::fuzzcheck
