#include "search/orbitMap.h"

namespace gyrelune {

bool OrbitMap::compile(const std::array<std::string, 3>& texts) {
    bool wellFormed = true;
    for (std::size_t i = 0; i < 3; ++i) {
        wellFormed = formulas_[i].compile(texts[i]).wellFormed() && wellFormed;
        slots_[i] = {formulas_[i].findVariable("x"), formulas_[i].findVariable("y"),
                     formulas_[i].findVariable("z")};
    }
    return wellFormed;
}

void OrbitMap::assign(const Formula& x, const Formula& y, const Formula& z) {
    formulas_ = {x, y, z};
    // The table holds the values Draw wrote; the program is built from it.
    for (std::size_t i = 0; i < 3; ++i)
        formulas_[i].replaceVariables(formulas_[i].variables());
    for (std::size_t i = 0; i < 3; ++i)
        slots_[i] = {formulas_[i].findVariable("x"), formulas_[i].findVariable("y"),
                     formulas_[i].findVariable("z")};
}

void OrbitMap::setParameter(const std::string& name, Real48 value) {
    for (Formula& formula : formulas_)
        formula.setVariable(name, value);
}

bool OrbitMap::step(OrbitPoint& point, EvaluationCode& code) {
    Real48 old[3];
    if (!Real48::tryFromExtended(point.x, old[0]) || !Real48::tryFromExtended(point.y, old[1]) ||
        !Real48::tryFromExtended(point.z, old[2]))
        return false;
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t axis = 0; axis < 3; ++axis)
            if (slots_[i][axis] >= 0) formulas_[i].setVariableAt(slots_[i][axis], old[axis]);
    EvaluationCode codes[3];
    point.x = formulas_[0].evaluate(codes[0]);
    point.y = formulas_[1].evaluate(codes[1]);
    point.z = formulas_[2].evaluate(codes[2]);
    constexpr auto ok = EvaluationCode::ok;
    code = codes[0] != ok ? codes[0] : codes[1] != ok ? codes[1] : codes[2];
    return true;
}

} // namespace gyrelune
