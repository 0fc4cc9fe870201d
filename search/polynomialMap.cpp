#include "search/polynomialMap.h"

namespace gyrelune {
namespace {

// The monomials up to the order, constant first: "", "x", "y", "x*x", ...
std::vector<std::string> monomials(const PolynomialMap& map) {
    const std::string variables[3] = {"x", "y", "z"};
    std::vector<std::string> result{""};
    std::vector<std::vector<int>> previous{{}}; // variable indices, non-decreasing
    for (int degree = 1; degree <= map.order; ++degree) {
        std::vector<std::vector<int>> next;
        for (const std::vector<int>& term : previous)
            for (int v = term.empty() ? 0 : term.back(); v < map.dimensions; ++v) {
                std::vector<int> longer = term;
                longer.push_back(v);
                std::string text;
                for (int index : longer)
                    text += (text.empty() ? "" : "*") + variables[index];
                result.push_back(text);
                next.push_back(longer);
            }
        previous = next;
    }
    return result;
}

std::string polynomial(const std::vector<std::string>& terms,
                       const std::vector<std::string>& coefficients, std::size_t first) {
    std::string text;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        std::string coefficient = coefficients[first + i];
        const bool negative = !coefficient.empty() && coefficient[0] == '-';
        if (negative) coefficient.erase(0, 1);
        if (negative)
            text += '-';
        else if (!text.empty())
            text += '+';
        text += coefficient;
        if (!terms[i].empty()) text += "*" + terms[i];
    }
    return text;
}

} // namespace

int coefficientCount(const PolynomialMap& map) {
    return int(monomials(map).size()) * map.dimensions;
}

std::vector<std::string> coefficientNames(const PolynomialMap& map) {
    std::vector<std::string> names;
    // Appended rather than concatenated: GCC 12 at -O3 misreads "k" + string as an overlapping
    // copy.
    for (int i = 1; i <= coefficientCount(map); ++i)
        names.push_back(std::string("k").append(std::to_string(i)));
    return names;
}

std::array<std::string, 3> polynomialFormulas(const PolynomialMap& map,
                                              const std::vector<std::string>& coefficients) {
    const std::vector<std::string> terms = monomials(map);
    std::array<std::string, 3> formulas{"x", "x", "x"};
    for (int axis = 0; axis < map.dimensions; ++axis)
        formulas[std::size_t(axis)] =
            polynomial(terms, coefficients, std::size_t(axis) * terms.size());
    return formulas;
}

} // namespace gyrelune
