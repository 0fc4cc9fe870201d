#pragma once
// Classifies the orbit of one parameter set: rejected when an evaluation
// fails, when it leaves a large box, settles on a fixed point or short cycle,
// does not stretch (largest Lyapunov exponent at or below a threshold), or
// draws nothing to see (no depth extent, or a handful of cells lit); else
// accepted and measured for ranking: the spectrum, both dimensions and how
// much of its own extent it fills.

#include "render/orbitStage.h"
#include "render/viewGeometry.h"
#include "search/correlationDimension.h"
#include "search/fillGrid.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace gyrelune {

struct ClassifierSettings {
    int transientSteps = 1000; // main orbit only
    int measuredSteps = 6000;  // with the tangent frame
    // The main orbit alone, once the exponent passed: it must neither leave
    // nor settle, and it is what the fill and the dimension see.
    int confirmationSteps = 100000;
    double escapeBound = 1e6;              // |coordinate| beyond it: escaped
    int longestCycle = 64;                 // cycles up to this period are found
    double cycleTolerance = 1e-10;         // relative
    double minimumExponent = 0.01;         // per iteration, natural log
    int minimumLitCells = 16;              // of the fill grid: fewer is "a handful"
    int samplePoints = 600;                // for the correlation dimension
    std::array<double, 3> angles{0, 0, 0}; // the view's rotation, radians
};

enum class Verdict : std::uint8_t {
    accepted,
    evaluationFailed, // an evaluation code other than 0 on the orbit
    escaped,
    settled,    // a fixed point or a cycle up to longestCycle
    notChaotic, // exponent at or below minimumExponent
    flat,       // no depth extent: drawn in the background colour only
    fewPixels,  // lights fewer than minimumLitCells cells
    interrupted,
};
inline constexpr int verdictCount = 8;
const char* verdictName(Verdict verdict);

struct Classification {
    Verdict verdict = Verdict::interrupted;
    std::array<double, 3> exponents{0, 0, 0}; // largest first, measured past the transient
    double kaplanYorke = 0, correlationDimension = 0;
    double fill = 0; // lit share of a fixed grid over the figure's own extent
};

class OrbitClassifier {
  public:
    explicit OrbitClassifier(const ClassifierSettings& settings);

    // halt is polled every few hundred steps; when raised the verdict is interrupted.
    Classification classify(OrbitStage& map, OrbitPoint start,
                            const std::atomic<bool>* halt = nullptr);

  private:
    // One step with its checks; a verdict when the orbit is rejected.
    std::optional<Verdict> advance(OrbitStage& map, OrbitPoint& point, int step,
                                   const std::atomic<bool>* halt);
    bool settledOnCycle(const OrbitPoint& point) const;
    std::optional<Verdict> measureLooks(OrbitStage& map, OrbitPoint& point, int firstStep,
                                        const std::atomic<bool>* halt, Classification& result);

    ClassifierSettings settings_;
    Rotation rotation_; // the renderer's, of the stored point
    FillGrid fill_;
    std::vector<OrbitPoint> recent_; // ring of the last longestCycle points
    std::size_t recentCount_ = 0;
    std::vector<SamplePoint> sample_;
};

} // namespace gyrelune
