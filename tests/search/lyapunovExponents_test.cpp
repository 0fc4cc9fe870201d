// The Lyapunov spectrum, the dimensions and the verdicts against published
// values and maps whose answers are known exactly.
#include "search/correlationDimension.h"
#include "search/orbitMeasurement.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gyrelune {
namespace {

Inspection inspect(const std::string& x, const std::string& y, const std::string& z,
                   OrbitPoint start, std::int64_t steps = 200000) {
    OrbitStage map;
    EXPECT_TRUE(map.compile({x, y, z}));
    InspectionSettings settings;
    settings.steps = steps;
    return inspectOrbit(map, start, settings);
}

// Hénon (a = 1.4, b = 0.3): largest exponent 0.41922 (Sprott, "Chaos and
// Time-Series Analysis"), the sum log b; Kaplan-Yorke 1.2583; correlation
// dimension 1.21 (Grassberger and Procaccia 1983). z' = z/2 adds log 1/2.
TEST(Spectrum, HenonMatchesPublishedValues) {
    const Inspection henon = inspect("1-1.4*sqr x+y", "0.3*x", "0.5*z", {0.1L, 0.1L, 1});
    EXPECT_EQ(henon.behaviour, Behaviour::chaotic);
    EXPECT_NEAR(henon.lyapunov[0], 0.41922, 0.01);
    EXPECT_NEAR(henon.lyapunov[1], std::log(0.5), 1e-6);
    EXPECT_NEAR(henon.lyapunov[2], std::log(0.3) - 0.41922, 0.01);
    EXPECT_NEAR(henon.meanLogDeterminant, std::log(0.15), 1e-6);
    EXPECT_NEAR(henon.lyapunov[0] + henon.lyapunov[1] + henon.lyapunov[2], std::log(0.15), 1e-6);
    EXPECT_NEAR(henon.correlationDimension, 1.21, 0.06);
    // With z' = x the depth copies x and the third direction collapses.
    const Inspection flat = inspect("1-1.4*sqr x+y", "0.3*x", "x", {0.1L, 0.1L, 0});
    EXPECT_EQ(flat.lyapunov[2], -INFINITY);
    EXPECT_NEAR(flat.kaplanYorke, 1.2583, 0.01);
    EXPECT_NEAR(flat.ranges[0].minimum, -1.2847, 0.01);
    EXPECT_NEAR(flat.ranges[0].maximum, 1.2730, 0.01);
}

// Logistic map at r = 4: ln 2 exactly. A linear map: the logs of its
// eigenvalues' magnitudes, 0.6 and 0.3 for the x-y block, 0.8 for z.
TEST(Spectrum, LogisticAndLinearMaps) {
    const Inspection logistic = inspect("4*x*(1-x)", "0", "0", {0.3L, 0, 0});
    EXPECT_EQ(logistic.behaviour, Behaviour::chaotic);
    EXPECT_NEAR(logistic.lyapunov[0], std::log(2.0), 0.01);
    EXPECT_EQ(logistic.kaplanYorke, 1);
    const Inspection linear = inspect("0.5*x+0.2*y", "0.1*x+0.4*y", "-0.8*z", {1, 1, 1}, 2000);
    EXPECT_EQ(linear.behaviour, Behaviour::fixedPoint);
    EXPECT_NEAR(linear.lyapunov[0], std::log(0.8), 1e-6);
    EXPECT_NEAR(linear.lyapunov[1], std::log(0.6), 1e-3);
    EXPECT_NEAR(linear.lyapunov[2], std::log(0.3), 1e-3);
    EXPECT_NEAR(linear.meanLogDeterminant, std::log(0.144), 1e-6);
}

// Hénon with b = 0.3: a stable fixed point below a = 0.3675, a 2-cycle up to
// 0.9125; an escape above the attractor's range; a failed evaluation.
TEST(Spectrum, Verdicts) {
    const Inspection fixedPoint = inspect("1-0.2*sqr x+y", "0.3*x", "0", {0, 0, 0}, 5000);
    EXPECT_EQ(fixedPoint.behaviour, Behaviour::fixedPoint);
    const Inspection cycle = inspect("1-0.5*sqr x+y", "0.3*x", "0", {0, 0, 0}, 5000);
    EXPECT_EQ(cycle.behaviour, Behaviour::cycle);
    EXPECT_EQ(cycle.period, 2);
    EXPECT_LT(cycle.lyapunov[0], 0);
    EXPECT_EQ(inspect("1-1.5*sqr x+y", "0.3*x", "0", {2, 2, 0}).behaviour, Behaviour::escapes);
    EXPECT_EQ(inspect("1/(x-x)", "y", "z", {1, 1, 1}).behaviour, Behaviour::fails);
    const Inspection rotation =
        inspect("x*cos 1-y*sin 1", "x*sin 1+y*cos 1", "0", {0.5L, 0, 0}, 20000);
    EXPECT_EQ(rotation.behaviour, Behaviour::quasiPeriodic);
}

} // namespace
} // namespace gyrelune
