#pragma once
// What an orbit does, measured: its verdict, the Lyapunov spectrum, the
// Kaplan-Yorke and correlation dimensions, and its coordinate ranges.

#include "render/orbitStage.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

namespace gyrelune {

enum class Behaviour : std::uint8_t {
    escapes,
    fixedPoint,
    cycle, // period in Inspection::period, 0 when longer than the longest looked for
    quasiPeriodic,
    chaotic,
    hyperchaotic, // two positive exponents
    fails,        // an evaluation code other than 0 on the orbit
};
const char* behaviourName(Behaviour behaviour); // "fixed-point" and so on

struct InspectionSettings {
    std::int64_t transientSteps = 1000;
    std::int64_t steps = 1000000; // measured, after the transient
    double escapeBound = 1e6;     // |coordinate| beyond it: escaped
    int longestCycle = 1024;
    double cycleTolerance = 1e-10; // relative
    // An exponent within this of 0 counts as 0 (a torus, a rotation).
    double zeroExponent = 0.005;
    int samplePoints = 4000; // for the correlation dimension
};

struct CoordinateRange {
    double minimum = 0, maximum = 0;
};

struct Inspection {
    Behaviour behaviour = Behaviour::fails;
    int period = 0;
    std::array<double, 3> lyapunov{0, 0, 0}; // natural log per step, largest first
    double meanLogDeterminant = 0;
    double kaplanYorke = 0, correlationDimension = 0;
    std::array<CoordinateRange, 3> ranges{}; // x, y, z after the transient
    std::int64_t stepsDone = 0;              // fewer than asked when it escaped or failed
};

// Iterates from start; halt (may be null) is polled now and then and ends the
// measurement early with what was measured so far.
Inspection inspectOrbit(OrbitStage& map, OrbitPoint start, const InspectionSettings& settings,
                        const std::atomic<bool>* halt = nullptr);

// The shortest period p <= longest with the last point p steps after an equal
// one, 0 when none; points holds the last points, oldest first.
int shortestPeriod(const std::vector<OrbitPoint>& points, double tolerance);

} // namespace gyrelune
