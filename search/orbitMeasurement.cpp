#include "search/orbitMeasurement.h"

#include "search/correlationDimension.h"
#include "search/lyapunovExponents.h"

#include <algorithm>
#include <cmath>

namespace gyrelune {
namespace {

constexpr int haltPollSteps = 4096;

long double largestMagnitude(const OrbitPoint& p) {
    return std::max({std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
}

// Steps the main orbit; false with the verdict when it escapes or fails.
bool advance(OrbitStage& map, OrbitPoint& point, double escapeBound, Behaviour& verdict) {
    EvaluationCodes codes;
    const bool stored = map.step(point, codes);
    if (codes.first() != EvaluationCode::ok) {
        verdict = Behaviour::fails;
        return false;
    }
    if (!stored || !(largestMagnitude(point) <= escapeBound)) {
        verdict = Behaviour::escapes;
        return false;
    }
    return true;
}

void widen(std::array<CoordinateRange, 3>& ranges, const OrbitPoint& p, bool first) {
    const double c[3] = {double(p.x), double(p.y), double(p.z)};
    for (std::size_t i = 0; i < 3; ++i) {
        if (first) ranges[i] = {c[i], c[i]};
        ranges[i].minimum = std::min(ranges[i].minimum, c[i]);
        ranges[i].maximum = std::max(ranges[i].maximum, c[i]);
    }
}

Behaviour byExponents(const std::array<double, 3>& lyapunov, double zero) {
    if (lyapunov[1] > zero) return Behaviour::hyperchaotic;
    if (lyapunov[0] > zero) return Behaviour::chaotic;
    if (lyapunov[0] >= -zero) return Behaviour::quasiPeriodic;
    return Behaviour::cycle; // contracting onto a cycle too long or slow to be seen
}

} // namespace

const char* behaviourName(Behaviour behaviour) {
    static const char* const names[] = {"escapes", "fixed-point",  "cycle", "quasi-periodic",
                                        "chaotic", "hyperchaotic", "fails"};
    return names[std::size_t(behaviour)];
}

int shortestPeriod(const std::vector<OrbitPoint>& points, double tolerance) {
    if (points.size() < 2) return 0;
    const OrbitPoint& last = points.back();
    const long double within = tolerance * std::max(largestMagnitude(last), 1.0L);
    for (std::size_t p = 1; p < points.size(); ++p) {
        const OrbitPoint& q = points[points.size() - 1 - p];
        if (std::fabs(q.x - last.x) <= within && std::fabs(q.y - last.y) <= within &&
            std::fabs(q.z - last.z) <= within)
            return int(p);
    }
    return 0;
}

Inspection inspectOrbit(OrbitStage& map, OrbitPoint start, const InspectionSettings& settings,
                        const std::atomic<bool>* halt) {
    Inspection result;
    Behaviour stopped = Behaviour::fails;
    bool ended = false;
    for (std::int64_t i = 0; i < settings.transientSteps && !ended; ++i)
        ended = !advance(map, start, settings.escapeBound, stopped);
    SpectrumAccumulator spectrum;
    std::vector<SamplePoint> sample;
    const std::int64_t sampleEvery =
        std::max<std::int64_t>(1, settings.steps / std::max(settings.samplePoints, 1));
    std::vector<OrbitPoint> recent(std::size_t(std::max(settings.longestCycle, 1)) + 1);
    std::int64_t step = 0;
    for (; step < settings.steps && !ended; ++step) {
        if (halt && step % haltPollSteps == 0 && halt->load(std::memory_order_relaxed)) break;
        Matrix3 jacobian;
        if (differenceJacobian(map, start, jacobian)) spectrum.advance(jacobian);
        if (!advance(map, start, settings.escapeBound, stopped)) ended = true;
        widen(result.ranges, start, step == 0);
        recent[std::size_t(step % std::int64_t(recent.size()))] = start;
        if (step % sampleEvery == 0 && sample.size() < std::size_t(settings.samplePoints))
            sample.push_back({double(start.x), double(start.y), double(start.z)});
    }
    result.stepsDone = step;
    result.lyapunov = spectrum.exponents();
    result.meanLogDeterminant = spectrum.meanLogDeterminant();
    if (ended) {
        result.behaviour = stopped;
        return result;
    }
    result.kaplanYorke = kaplanYorkeDimension(result.lyapunov);
    result.correlationDimension = correlationDimension(sample);
    // The ring, oldest first.
    std::vector<OrbitPoint> ordered;
    const std::size_t kept = std::size_t(std::min<std::int64_t>(step, std::int64_t(recent.size())));
    for (std::size_t i = 0; i < kept; ++i)
        ordered.push_back(recent[std::size_t((step - std::int64_t(kept) + std::int64_t(i)) %
                                             std::int64_t(recent.size()))]);
    result.period = shortestPeriod(ordered, settings.cycleTolerance);
    if (result.period == 1)
        result.behaviour = Behaviour::fixedPoint;
    else if (result.period > 1)
        result.behaviour = Behaviour::cycle;
    else
        result.behaviour = byExponents(result.lyapunov, settings.zeroExponent);
    return result;
}

} // namespace gyrelune
