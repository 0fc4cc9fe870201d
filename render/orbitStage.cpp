#include "render/orbitStage.h"

#include <limits>

namespace gyrelune {
namespace {

constexpr double failedMark = std::numeric_limits<double>::quiet_NaN();

inline bool store(long double value, double& out) noexcept {
    return roundToReal48(value, out);
}

} // namespace

OrbitStage::OrbitStage(RandomGenerator& random) : random_(&random) {}

OrbitStage::OrbitStage(std::uint32_t seed) : random_(&ownRandom_) {
    ownRandom_.setSeed(seed);
}

OrbitStage::OrbitStage(const OrbitStage& other)
    : ownRandom_(other.ownRandom_),
      random_(other.random_ == &other.ownRandom_ ? &ownRandom_ : other.random_),
      formulas_(other.formulas_), slots_(other.slots_), point_(other.point_),
      rotation_(other.rotation_) {}

OrbitStage& OrbitStage::operator=(const OrbitStage& other) {
    if (this == &other) return *this;
    ownRandom_ = other.ownRandom_;
    random_ = other.random_ == &other.ownRandom_ ? &ownRandom_ : other.random_;
    formulas_ = other.formulas_;
    slots_ = other.slots_;
    point_ = other.point_;
    rotation_ = other.rotation_;
    return *this;
}

void OrbitStage::setIdentity() {
    compile({"x", "y", "z"});
}

bool OrbitStage::compile(const std::array<std::string, 3>& texts) {
    bool wellFormed = true;
    for (std::size_t i = 0; i < 3; ++i) {
        wellFormed = formulas_[i].compile(texts[i]).wellFormed() && wellFormed;
    }
    resolveSlots();
    return wellFormed;
}

void OrbitStage::takeFormulas(const Formula& x, const Formula& y, const Formula& z) {
    const Formula* given[3] = {&x, &y, &z};
    for (std::size_t i = 0; i < 3; ++i) {
        // A malformed text evaluates as compiled; Draw reported it already.
        if (given[i]->text != formulas_[i].text) (void)formulas_[i].compile(given[i]->text);
        formulas_[i].replaceVariables(given[i]->variables());
    }
    resolveSlots();
}

void OrbitStage::setParameter(const std::string& name, Real48 value) {
    for (Formula& formula : formulas_)
        formula.setVariable(name, value);
}

void OrbitStage::resolveSlots() {
    for (std::size_t i = 0; i < 3; ++i)
        slots_[i] = {formulas_[i].findVariable("x"), formulas_[i].findVariable("y"),
                     formulas_[i].findVariable("z")};
}

StoredOrbitPoint OrbitStage::next(EvaluationCodes& codes) noexcept {
    double x, y, z;
    if (!store(point_.x, x) || !store(point_.y, y) || !store(point_.z, z) ||
        !rotation_.fits(x, y, z)) {
        // Beyond the stored range: leave the point as a failed iteration
        // would, or every later pass would fail on it again.
        restartAtRandom();
        codes = {};
        return {failedMark, 0, 0};
    }
    point_ = iterate(x, y, z, codes);
    return {x, y, z};
}

bool OrbitStage::step(OrbitPoint& point, EvaluationCodes& codes) noexcept {
    double x, y, z;
    if (!store(point.x, x) || !store(point.y, y) || !store(point.z, z)) return false;
    point = iterate(x, y, z, codes);
    return true;
}

// All three formulas get the old point (already stored) before any is evaluated.
OrbitPoint OrbitStage::iterate(double x, double y, double z, EvaluationCodes& codes) noexcept {
    const Real48 old[3] = {Real48::fromExactDouble(x), Real48::fromExactDouble(y),
                           Real48::fromExactDouble(z)};
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t axis = 0; axis < 3; ++axis)
            if (slots_[i][axis] >= 0) formulas_[i].setVariableAt(slots_[i][axis], old[axis]);
    OrbitPoint next;
    next.x = formulas_[0].evaluate(codes.x);
    next.y = formulas_[1].evaluate(codes.y);
    next.z = formulas_[2].evaluate(codes.z);
    return next;
}

void OrbitStage::restartAtRandom() noexcept {
    point_.x = random_->draw(1000) / 100.0L;
    point_.y = random_->draw(1000) / 100.0L;
    point_.z = random_->draw(1000) / 100.0L;
}

void OrbitStage::restore(const OrbitState& state) {
    point_ = {state.x, state.y, state.z};
    random_->setSeed(state.randomSeed);
}

} // namespace gyrelune
