#pragma once
// Small helpers shared by the formula tests.

#include "formula/formula.h"
#include "formula/real48.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

namespace gyrelune::testing {

// x rounded to the 6-byte real, back in extended.
inline long double r48(long double x) {
    return Real48::fromExtended(x).toExtended();
}

struct Outcome {
    long double value;
    std::int32_t code;
    bool error;
};

// Compiles text, sets the given variables, evaluates once.
inline Outcome run(const std::string& text,
                   std::initializer_list<std::pair<const char*, long double>> values = {}) {
    Formula f;
    f.text = text;
    Outcome out{};
    f.Compile(out.error);
    for (const auto& [name, value] : values)
        f.SetVariable(name, Real48::fromExtended(value));
    out.value = f.Evaluate(out.code);
    return out;
}

inline std::string tableOf(const Formula& f) {
    std::string names;
    for (const Variable& v : f.variables())
        names += (names.empty() ? "" : ",") + v.name;
    return names;
}

} // namespace gyrelune::testing
