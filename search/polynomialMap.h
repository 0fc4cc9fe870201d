#pragma once
// Invented maps: every coordinate a polynomial of the given order in x and y
// (and z), with one coefficient per monomial. A two-dimensional map draws
// with the previous x as its depth (Z new = x).

#include <array>
#include <string>
#include <vector>

namespace gyrelune {

struct PolynomialMap {
    int order = 2;      // 2 quadratic, 3 cubic
    int dimensions = 2; // 2 or 3
};

// 12 for a 2-D quadratic map, 30 for a 3-D one, 20 and 60 for cubic ones.
int coefficientCount(const PolynomialMap& map);

// k1, k2, ... in the order polynomialFormulas takes them.
std::vector<std::string> coefficientNames(const PolynomialMap& map);

// X new, Y new and Z new with the coefficients' texts (names or numbers, a
// leading '-' allowed) in order: the constant first, then x, y, (z,) then
// the higher monomials.
std::array<std::string, 3> polynomialFormulas(const PolynomialMap& map,
                                              const std::vector<std::string>& coefficients);

} // namespace gyrelune
