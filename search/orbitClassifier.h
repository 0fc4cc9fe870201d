#pragma once
// Classifies the orbit of one parameter set: rejected (a failed evaluation,
// an escape from a large box, a fixed point or short cycle), else measured by
// its largest Lyapunov exponent and by how much of a fitted picture it fills,
// and accepted when both are high enough.

#include "search/fillGrid.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace gyrelune {

struct ClassifierSettings {
    int transientSteps = 1000; // main orbit only
    int alignSteps = 100;      // the nearby orbit turns into the stretching direction
    int measuredSteps = 6000;
    // The main orbit alone, once the exponent passed: it must neither leave
    // nor settle, and its range widens the fill measure's view, as the
    // points drawn before Centre widen Centre's.
    int confirmationSteps = 100000;
    double escapeBound = 1e6; // |coordinate| beyond it: escaped
    // The nearby orbit's distance, relative to the point's largest coordinate
    // (taken as at least 1e-6): far above the 6-byte rounding (2^-40 relative).
    double separation = 1e-8;
    int longestCycle = 64;         // cycles up to this period are found
    double cycleTolerance = 1e-10; // relative
    double minimumExponent = 0.01; // per iteration, natural log
    // The fill measure: the lit share of a picture of this size drawn from the
    // points past the transient and fitted as Centre fits it. A renderer that
    // draws more points into the same view lights at least as much.
    int fillColumns = 600, fillRows = 600;
    double minimumFill = 0.025;
    std::array<double, 3> angles{0, 0, 0}; // the view's rotation, radians
};

enum class Verdict : std::uint8_t {
    accepted,
    evaluationFailed, // an evaluation code other than 0 on the orbit
    escaped,
    settled,    // a fixed point or a cycle up to longestCycle
    notChaotic, // exponent at or below minimumExponent
    tooThin,    // fill below minimumFill
    interrupted,
};
inline constexpr int verdictCount = 7;
const char* verdictName(Verdict verdict);

struct Classification {
    Verdict verdict = Verdict::interrupted;
    double exponent = 0; // measured only past the transient
    double fill = 0;
};

// The unit vector along which the nearby orbit lies.
struct OrbitOffset {
    long double x = 0.57735026918962576451L, y = x, z = x;
};

class OrbitClassifier {
  public:
    explicit OrbitClassifier(const ClassifierSettings& settings);

    // halt is polled every few hundred steps; when raised the verdict is interrupted.
    Classification classify(OrbitStage& orbit, OrbitPoint start,
                            const std::atomic<bool>* halt = nullptr);

  private:
    struct Walk {
        OrbitPoint point;
        OrbitOffset offset;
        long double logStretch;
    };
    // One step with its checks; a verdict when the orbit is rejected.
    std::optional<Verdict> advance(OrbitStage& orbit, Walk& walk, int step, bool measuring,
                                   const std::atomic<bool>* halt);
    bool settledOnCycle(const OrbitPoint& point) const;
    void remember(const OrbitPoint& point);

    ClassifierSettings settings_;
    FillGrid fill_;
    std::vector<OrbitPoint> recent_; // ring of the last longestCycle points
    std::size_t recentCount_ = 0;
};

// The largest Lyapunov exponent of the orbit from start, without any rejection:
// transient steps skipped, 100 steps to turn the nearby orbit into the
// stretching direction, then two nearby orbits renormalised every step.
double largestLyapunovExponent(OrbitStage& orbit, OrbitPoint start, int transientSteps,
                               int measuredSteps, double separation = 1e-8);

} // namespace gyrelune
