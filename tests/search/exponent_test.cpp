// The orbits the search rejects and accepts.
#include "render/renderCore.h"
#include "search/orbitClassifier.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gyrelune {
namespace {

OrbitMap compiled(const std::string& x, const std::string& y, const std::string& z) {
    OrbitMap map;
    EXPECT_TRUE(map.compile({x, y, z}));
    return map;
}

TEST(OrbitClassifier, RejectsWhatRunsAwaySettlesOrFails) {
    OrbitClassifier classifier{ClassifierSettings{}};
    OrbitMap runaway = compiled("x*2", "y*2", "z*2");
    EXPECT_EQ(classifier.classify(runaway, {1, 1, 1}).verdict, Verdict::escaped);
    OrbitMap fixedPoint = compiled("0.5*x+0.2", "0.3*y-x", "0.1*z");
    EXPECT_EQ(classifier.classify(fixedPoint, {1, 1, 1}).verdict, Verdict::settled);
    OrbitMap twoCycle = compiled("0.3-x", "0", "0");
    EXPECT_EQ(classifier.classify(twoCycle, {1, 1, 1}).verdict, Verdict::settled);
    OrbitMap division = compiled("1/(x-x)", "y", "z");
    EXPECT_EQ(classifier.classify(division, {1, 1, 1}).verdict, Verdict::evaluationFailed);
    // A rotation by an irrational angle neither settles nor stretches.
    OrbitMap rotation = compiled("x*cos 1-y*sin 1", "x*sin 1+y*cos 1", "0");
    EXPECT_EQ(classifier.classify(rotation, {0.5L, 0, 0}).verdict, Verdict::notChaotic);

    // Hénon's attractor is accepted with its depth, flat without it.
    OrbitMap flatMap = compiled("1-1.4*sqr x+y", "0.3*x", "0");
    EXPECT_EQ(classifier.classify(flatMap, {0, 0, 0}).verdict, Verdict::flat);
    OrbitMap henonMap = compiled("1-1.4*sqr x+y", "0.3*x", "x");
    const Classification henon = classifier.classify(henonMap, {0, 0, 0});
    EXPECT_EQ(henon.verdict, Verdict::accepted);
    EXPECT_NEAR(henon.exponents[0], 0.419, 0.03);
    EXPECT_NEAR(henon.correlationDimension, 1.2, 0.15);
    OrbitMap defaultMap =
        compiled("sin(x*y*4.36/pi)+y*0.453+0.45", "1.795*cos(x)-1.5324*sin(x*1.65/pi)",
                 "1.93*cos(y*x)+0.49*sin(x)");
    const Classification drawn = classifier.classify(defaultMap, {1, 1, 1});
    EXPECT_EQ(drawn.verdict, Verdict::accepted);
    EXPECT_GT(drawn.fill, 5 * henon.fill);
}

// The search's main orbit is the renderer's orbit, bit for bit.
TEST(OrbitMap, WalksTheRenderersOrbit) {
    const std::array<std::string, 3> texts = {
        "sin(x*y*a/pi)+y*b+c", "1.795*cos(x)-1.5324*sin(x*1.65/pi)", "1.93*cos(y*x)+0.49*sin(x)"};
    OrbitMap map;
    ASSERT_TRUE(map.compile(texts));
    RenderCore core;
    core.setUp(16, 16);
    RenderSettings settings = core.pendingSettings;
    Formula* pending[3] = {&settings.formulaX, &settings.formulaY, &settings.formulaZ};
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(pending[i]->compile(texts[std::size_t(i)]).wellFormed());
    const std::pair<const char*, double> parameters[] = {{"a", 4.36}, {"b", 0.453}, {"c", 0.45}};
    for (const auto& [name, value] : parameters) {
        map.setParameter(name, Real48::fromExtended(value));
        settings.formulaX.setVariable(name, Real48::fromExtended(value));
    }
    core.pendingSettings = settings;
    core.applyPendingSettings();
    OrbitPoint point{1, 1, 1};
    for (int step = 0; step < 5000; ++step) {
        EvaluationCode code;
        ASSERT_TRUE(map.step(point, code));
        core.iterateMap();
        ASSERT_EQ(point.x, core.orbitX()) << step;
        ASSERT_EQ(point.y, core.orbitY()) << step;
        ASSERT_EQ(point.z, core.orbitZ()) << step;
    }
}

} // namespace
} // namespace gyrelune
