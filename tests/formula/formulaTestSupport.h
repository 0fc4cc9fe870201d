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
    int code; // the evaluation code's number
    bool error;
};

// Compiles text, sets the given variables, evaluates once.
inline Outcome run(const std::string& text,
                   std::initializer_list<std::pair<const char*, long double>> values = {}) {
    Formula f;
    Outcome out{};
    out.error = !f.compile(text).wellFormed();
    for (const auto& [name, value] : values)
        f.setVariable(name, Real48::fromExtended(value));
    EvaluationCode code;
    out.value = f.evaluate(code);
    out.code = int(code);
    return out;
}

inline std::string tableOf(const Formula& f) {
    std::string names;
    for (const Variable& v : f.variables())
        names += (names.empty() ? "" : ",") + v.name;
    return names;
}

} // namespace gyrelune::testing
