#include "formula/nonFinite.h"

#include "formula/formula.h"

#include <charconv>
#include <cmath>
#include <string>

namespace gyrelune {
namespace {

bool isNonFiniteName(const std::string& name) {
    std::string lower;
    for (const char c : name)
        lower += char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower == "nan" || lower == "inf" || lower == "infinity";
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Whether the whole text is a number (in C's notation) that no 6-byte real holds.
bool isNumberOutOfRange(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size() || text.empty()) return false;
    if (error == std::errc::result_out_of_range) // too large, or too small: then it is 0
        return text.find("e-") == std::string_view::npos &&
               text.find("E-") == std::string_view::npos;
    Real48 stored;
    return error == std::errc() &&
           (!std::isfinite(value) || !Real48::tryFromExtended(value, stored));
}

} // namespace

bool spellsNonFinite(std::string_view text) {
    text = trimmed(text);
    if (isNumberOutOfRange(text)) return true;
    if (text.size() > maximumFormulaLength) return false;
    Formula formula;
    (void)formula.compile(std::string(text));
    for (const auto& variable : formula.variables())
        if (isNonFiniteName(variable.name)) return true;
    return false;
}

} // namespace gyrelune
