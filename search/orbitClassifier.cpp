#include "search/orbitClassifier.h"

#include "search/lyapunovExponents.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace gyrelune {
namespace {

constexpr int haltPollSteps = 256;

long double largestMagnitude(const OrbitPoint& p) {
    return std::max({std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
}

} // namespace

const char* verdictName(Verdict verdict) {
    static const char* const names[verdictCount] = {"accepted",   "evaluation failed", "escaped",
                                                    "settled",    "not chaotic",       "flat",
                                                    "few pixels", "interrupted"};
    return names[std::size_t(verdict)];
}

OrbitClassifier::OrbitClassifier(const ClassifierSettings& settings)
    : settings_(settings),
      rotation_(Real48::fromExtended(settings.angles[0]), Real48::fromExtended(settings.angles[1]),
                Real48::fromExtended(settings.angles[2])),
      recent_(std::size_t(std::max(settings.longestCycle, 1))) {}

bool OrbitClassifier::settledOnCycle(const OrbitPoint& point) const {
    const long double tolerance =
        settings_.cycleTolerance * std::max(largestMagnitude(point), 1.0L);
    const std::size_t kept = std::min(recentCount_, recent_.size());
    for (std::size_t i = 0; i < kept; ++i) {
        const OrbitPoint& p = recent_[i];
        if (std::fabs(p.x - point.x) <= tolerance && std::fabs(p.y - point.y) <= tolerance &&
            std::fabs(p.z - point.z) <= tolerance)
            return true;
    }
    return false;
}

std::optional<Verdict> OrbitClassifier::advance(OrbitStage& map, OrbitPoint& point, int step,
                                                const std::atomic<bool>* halt) {
    if (halt && step % haltPollSteps == 0 && halt->load(std::memory_order_relaxed))
        return Verdict::interrupted;
    EvaluationCodes codes;
    const bool stored = map.step(point, codes);
    if (codes.first() != EvaluationCode::ok) return Verdict::evaluationFailed;
    if (!stored || !(largestMagnitude(point) <= settings_.escapeBound)) return Verdict::escaped;
    const std::size_t period = recent_.size();
    if (step % period == 0 && recentCount_ >= period && settledOnCycle(point))
        return Verdict::settled;
    recent_[recentCount_++ % period] = point;
    return std::nullopt;
}

// The confirmation steps: the fill over the figure's own extent, its depth
// extent and a sample for the correlation dimension.
std::optional<Verdict> OrbitClassifier::measureLooks(OrbitStage& map, OrbitPoint& point,
                                                     int firstStep, const std::atomic<bool>* halt,
                                                     Classification& result) {
    fill_.clear();
    sample_.clear();
    const int every =
        std::max(1, settings_.confirmationSteps / std::max(settings_.samplePoints, 1));
    for (int i = 0; i < settings_.confirmationSteps; ++i) {
        if (const auto verdict = advance(map, point, firstStep + i, halt)) return verdict;
        // The point as the renderer draws it: stored, then rotated.
        double x, y, depth;
        if (!roundToReal48(point.x, x) || !roundToReal48(point.y, y) ||
            !roundToReal48(point.z, depth) || !rotation_.view(x, y, depth))
            return Verdict::escaped;
        fill_.keep(x, y, depth);
        if (i % every == 0) sample_.push_back({double(point.x), double(point.y), double(point.z)});
    }
    if (!fill_.hasDepth()) return Verdict::flat;
    if (fill_.litCells() < settings_.minimumLitCells) return Verdict::fewPixels;
    result.fill = fill_.litShare();
    result.correlationDimension = correlationDimension(sample_);
    return std::nullopt;
}

Classification OrbitClassifier::classify(OrbitStage& map, OrbitPoint start,
                                         const std::atomic<bool>* halt) {
    recentCount_ = 0;
    int step = 1;
    for (; step <= settings_.transientSteps; ++step)
        if (const auto verdict = advance(map, start, step, halt)) return {*verdict};
    SpectrumAccumulator spectrum;
    for (int i = 0; i < settings_.measuredSteps; ++i, ++step) {
        Matrix3 jacobian;
        if (differenceJacobian(map, start, jacobian)) spectrum.advance(jacobian);
        if (const auto verdict = advance(map, start, step, halt)) return {*verdict};
    }
    Classification result;
    result.exponents = spectrum.exponents();
    result.kaplanYorke = kaplanYorkeDimension(result.exponents);
    result.verdict = Verdict::notChaotic;
    if (!(result.exponents[0] > settings_.minimumExponent)) return result;
    const auto rejected = measureLooks(map, start, step, halt, result);
    result.verdict = rejected ? *rejected : Verdict::accepted;
    return result;
}

} // namespace gyrelune
