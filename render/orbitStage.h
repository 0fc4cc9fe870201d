#pragma once
// The orbit: the three map formulas, the orbit point and the random restarts.
// Every formula gets the old point, each coordinate stored as a 6-byte real,
// then X, Y and Z are evaluated in that order. The window renderer, the
// search and the studio all iterate through it.

#include "formula/evaluationCode.h"
#include "formula/formula.h"
#include "render/randomGenerator.h"
#include "render/viewGeometry.h"

#include <array>
#include <cstdint>
#include <string>

namespace gyrelune {

// An orbit point as the formulas give it (not yet stored).
struct OrbitPoint {
    long double x = 0, y = 0, z = 0;
};

// An orbit point stored as 6-byte reals; x is NaN for a step whose point
// could not be stored (or rotated), where the orbit restarted at random.
struct StoredOrbitPoint {
    double x = 0, y = 0, z = 0;
    bool failed() const { return x != x; }
};

// The evaluation codes of one step, formula by formula.
struct EvaluationCodes {
    EvaluationCode x = EvaluationCode::ok, y = EvaluationCode::ok, z = EvaluationCode::ok;
    // The first code that is not ok, in the order X, Y, Z.
    EvaluationCode first() const {
        return x != EvaluationCode::ok ? x : y != EvaluationCode::ok ? y : z;
    }
};

// All an orbit carries from step to step: saved and set back exactly.
struct OrbitState {
    long double x = 0, y = 0, z = 0;
    std::uint32_t randomSeed = 0;
};

class OrbitStage {
  public:
    // Restarts draw from a generator of the stage's own, seeded so.
    explicit OrbitStage(std::uint32_t seed = 0);
    // Restarts draw from the given generator (the window renderer's is the process's).
    explicit OrbitStage(RandomGenerator& random);
    OrbitStage(const OrbitStage& other);
    OrbitStage& operator=(const OrbitStage& other);

    // The formulas x, y and z of every axis (the renderer's start).
    void setIdentity();
    // Compiles the three texts; false when one of them is malformed.
    bool compile(const std::array<std::string, 3>& texts);
    // Takes the formulas of a Draw: compiled again only where the text
    // changed, the variables copied.
    void takeFormulas(const Formula& x, const Formula& y, const Formula& z);
    // Sets a parameter in every formula that uses it.
    void setParameter(const std::string& name, Real48 value);
    const Formula& formula(int axis) const { return formulas_[std::size_t(axis)]; }

    // The view's rotation: a point it cannot rotate restarts the orbit.
    void setRotation(const Rotation& rotation) { rotation_ = rotation; }

    // The next point: the current one stored, and the orbit one step on.
    // A point that cannot be stored or rotated restarts the orbit at random
    // and comes out failed.
    StoredOrbitPoint next() noexcept {
        EvaluationCodes codes;
        return next(codes);
    }
    StoredOrbitPoint next(EvaluationCodes& codes) noexcept;
    // One step of any point; false (point unchanged) when it cannot be stored.
    bool step(OrbitPoint& point, EvaluationCodes& codes) noexcept;
    // One step of the orbit without restarts; false (orbit unchanged) when
    // the point cannot be stored.
    bool advance(EvaluationCodes& codes) noexcept { return step(point_, codes); }
    void restartAtRandom() noexcept;

    OrbitPoint point() const { return point_; }
    void setPoint(const OrbitPoint& point) { point_ = point; }
    OrbitState state() const { return {point_.x, point_.y, point_.z, random_->seed()}; }
    void restore(const OrbitState& state);

  private:
    OrbitPoint iterate(double x, double y, double z, EvaluationCodes& codes) noexcept;
    void resolveSlots();

    RandomGenerator ownRandom_;
    RandomGenerator* random_;
    std::array<Formula, 3> formulas_;
    // Table slots of x, y, z in each formula (-1: not used).
    std::array<std::array<int, 3>, 3> slots_{};
    OrbitPoint point_;
    Rotation rotation_;
};

} // namespace gyrelune
