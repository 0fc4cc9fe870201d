#include "search/orbitClassifier.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace gyrelune {
namespace {

constexpr int haltPollSteps = 256;

long double largestMagnitude(const OrbitPoint& p) {
    return std::max({std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
}

// One step of the main and the nearby orbit; logStretch is the log of how much
// the distance between them grew. False when the nearby point cannot be stored.
bool stretchStep(OrbitStage& orbit, OrbitPoint& main, OrbitOffset& offset, double separation,
                 long double& logStretch, EvaluationCodes& codes) {
    const long double distance = separation * std::max(largestMagnitude(main), 1e-6L);
    double nearby[3];
    if (!roundToReal48(main.x + distance * offset.x, nearby[0]) ||
        !roundToReal48(main.y + distance * offset.y, nearby[1]) ||
        !roundToReal48(main.z + distance * offset.z, nearby[2]))
        return false;
    OrbitPoint other{nearby[0], nearby[1], nearby[2]};
    const long double before = std::sqrt((other.x - main.x) * (other.x - main.x) +
                                         (other.y - main.y) * (other.y - main.y) +
                                         (other.z - main.z) * (other.z - main.z));
    EvaluationCodes otherCodes;
    if (!orbit.step(main, codes) || !orbit.step(other, otherCodes) || before == 0) return false;
    const long double dx = other.x - main.x, dy = other.y - main.y, dz = other.z - main.z;
    const long double after = std::sqrt(dx * dx + dy * dy + dz * dz);
    if (after > 0) {
        offset = {dx / after, dy / after, dz / after};
        logStretch = std::log(after / before);
    } else {
        // The two met within the rounding: the most that can be said.
        const long double quantum = 0x1.0p-40L * std::max(largestMagnitude(main), 1e-30L);
        logStretch = std::log(quantum / before);
    }
    return true;
}

} // namespace

const char* verdictName(Verdict verdict) {
    static const char* const names[verdictCount] = {"accepted",   "evaluation failed", "escaped",
                                                    "settled",    "not chaotic",       "too thin",
                                                    "interrupted"};
    return names[std::size_t(verdict)];
}

OrbitClassifier::OrbitClassifier(const ClassifierSettings& settings)
    : settings_(settings), fill_(settings.fillColumns, settings.fillRows,
                                 Rotation(Real48::fromExtended(settings.angles[0]),
                                          Real48::fromExtended(settings.angles[1]),
                                          Real48::fromExtended(settings.angles[2]))),
      recent_(std::size_t(std::max(settings.longestCycle, 1))) {}

void OrbitClassifier::remember(const OrbitPoint& point) {
    recent_[recentCount_++ % recent_.size()] = point;
}

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

std::optional<Verdict> OrbitClassifier::advance(OrbitStage& orbit, Walk& walk, int step,
                                                bool measuring, const std::atomic<bool>* halt) {
    if (halt && step % haltPollSteps == 0 && halt->load(std::memory_order_relaxed))
        return Verdict::interrupted;
    EvaluationCodes codes;
    walk.logStretch = 0;
    const bool stepped = measuring ? stretchStep(orbit, walk.point, walk.offset,
                                                 settings_.separation, walk.logStretch, codes)
                                   : orbit.step(walk.point, codes);
    if (codes.first() != 0) return Verdict::evaluationFailed;
    if (!stepped || !(largestMagnitude(walk.point) <= settings_.escapeBound))
        return Verdict::escaped;
    const std::size_t period = recent_.size();
    if (step % period == 0 && recentCount_ >= period && settledOnCycle(walk.point))
        return Verdict::settled;
    remember(walk.point);
    if (!fill_.widenRange(walk.point)) return Verdict::escaped;
    return std::nullopt;
}

Classification OrbitClassifier::classify(OrbitStage& orbit, OrbitPoint start,
                                         const std::atomic<bool>* halt) {
    fill_.clear();
    // The renderer's range has the start point too, unless unrotated (1, 1, 1).
    fill_.widenRange(start);
    recentCount_ = 0;
    Walk walk{start, {}, 0};
    const int measureFrom = settings_.transientSteps + settings_.alignSteps;
    const int measureTo = measureFrom + settings_.measuredSteps;
    long double stretchSum = 0;
    for (int step = 1; step <= measureTo; ++step) {
        if (const auto verdict = advance(orbit, walk, step, step > settings_.transientSteps, halt))
            return {*verdict, 0, 0};
        if (step <= measureFrom) continue;
        stretchSum += walk.logStretch;
        fill_.keepLast();
    }
    Classification result;
    result.exponent = double(stretchSum / std::max(settings_.measuredSteps, 1));
    if (result.exponent <= settings_.minimumExponent) {
        result.verdict = Verdict::notChaotic;
        return result;
    }
    // A chaotic orbit may still leave or settle later; the range it covers
    // meanwhile is what Centre fits the view to.
    for (int step = measureTo + 1; step <= measureTo + settings_.confirmationSteps; ++step) {
        if (const auto verdict = advance(orbit, walk, step, false, halt)) return {*verdict, 0, 0};
        fill_.keepLast();
    }
    result.fill = fill_.litShare();
    result.verdict = result.fill < settings_.minimumFill ? Verdict::tooThin : Verdict::accepted;
    return result;
}

double largestLyapunovExponent(OrbitStage& orbit, OrbitPoint start, int transientSteps,
                               int measuredSteps, double separation) {
    EvaluationCodes codes;
    for (int step = 0; step < transientSteps; ++step)
        orbit.step(start, codes);
    OrbitOffset offset;
    long double sum = 0;
    constexpr int alignSteps = 100; // the offset turns into the stretching direction
    for (int step = 0; step < alignSteps; ++step) {
        long double ignored;
        if (!stretchStep(orbit, start, offset, separation, ignored, codes)) break;
    }
    for (int step = 0; step < measuredSteps; ++step) {
        long double logStretch = 0;
        if (!stretchStep(orbit, start, offset, separation, logStretch, codes)) break;
        sum += logStretch;
    }
    return double(sum / std::max(measuredSteps, 1));
}

} // namespace gyrelune
