// Lyapunov exponents against published values, and the orbits the search rejects.
#include "render/renderCore.h"
#include "search/fillGrid.h"
#include "search/orbitClassifier.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gyrelune {
namespace {

OrbitStage compiled(const std::string& x, const std::string& y, const std::string& z) {
    OrbitStage orbit;
    EXPECT_TRUE(orbit.compile({x, y, z}));
    return orbit;
}

// Logistic (y, z ignored), Hénon, and a contraction; each within a tolerance
// that 40 000 steps leave well clear of.
TEST(LyapunovExponent, MatchesPublishedValues) {
    OrbitStage logistic = compiled("4*x*(1-x)", "0", "0");
    EXPECT_NEAR(largestLyapunovExponent(logistic, {0.3L, 0, 0}, 1000, 40000), std::log(2.0), 0.02);
    OrbitStage henon = compiled("1-1.4*sqr x+y", "0.3*x", "0");
    EXPECT_NEAR(largestLyapunovExponent(henon, {0.1L, 0.1L, 0}, 1000, 40000), 0.419, 0.01);
    OrbitStage halving = compiled("0.5*x", "0", "0");
    EXPECT_NEAR(largestLyapunovExponent(halving, {1, 1, 1}, 0, 1000), std::log(0.5), 1e-9);
}

TEST(OrbitClassifier, RejectsWhatRunsAwaySettlesOrFails) {
    OrbitClassifier classifier{ClassifierSettings{}};
    OrbitStage runaway = compiled("x*2", "y*2", "z*2");
    EXPECT_EQ(classifier.classify(runaway, {1, 1, 1}).verdict, Verdict::escaped);
    OrbitStage fixedPoint = compiled("0.5*x+0.2", "0.3*y-x", "0.1*z");
    EXPECT_EQ(classifier.classify(fixedPoint, {1, 1, 1}).verdict, Verdict::settled);
    OrbitStage twoCycle = compiled("0.3-x", "0", "0");
    EXPECT_EQ(classifier.classify(twoCycle, {1, 1, 1}).verdict, Verdict::settled);
    for (const std::array<std::string, 3>& failing :
         {std::array<std::string, 3>{"1/(x-x)", "y/2", "z/2"},
          {"x/2", "sqrt(0-1-y*y)", "z/2"},
          {"x/2", "y/2", "lg(z-z)"}}) {
        OrbitStage orbit = compiled(failing[0], failing[1], failing[2]);
        EXPECT_EQ(classifier.classify(orbit, {1, 1, 1}).verdict, Verdict::evaluationFailed);
    }
    // A rotation by an irrational angle neither settles nor stretches.
    OrbitStage rotation = compiled("x*cos 1-y*sin 1", "x*sin 1+y*cos 1", "0");
    EXPECT_EQ(classifier.classify(rotation, {0.5L, 0, 0}).verdict, Verdict::notChaotic);

    // Hénon's attractor is chaotic but too thin a curve to light enough pixels.
    OrbitStage henonMap = compiled("1-1.4*sqr x+y", "0.3*x", "0");
    const Classification henon = classifier.classify(henonMap, {0, 0, 0});
    EXPECT_EQ(henon.verdict, Verdict::tooThin);
    EXPECT_NEAR(henon.exponent, 0.419, 0.05);
    OrbitStage defaultMap =
        compiled("sin(x*y*4.36/pi)+y*0.453+0.45", "1.795*cos(x)-1.5324*sin(x*1.65/pi)",
                 "1.93*cos(y*x)+0.49*sin(x)");
    const Classification drawn = classifier.classify(defaultMap, {1, 1, 1});
    EXPECT_EQ(drawn.verdict, Verdict::accepted);
    EXPECT_GT(drawn.fill, 0.05);
}

// The search measures its fill in the view the renderer's Centre would
// choose after drawing the same orbit.
TEST(FillGrid, SeesTheOrbitAsTheRendererAndCentreDo) {
    const std::array<std::string, 3> texts = {"sin(x*y*4.36/pi)+y*0.453+0.45",
                                              "1.795*cos(x)-1.5324*sin(x*1.65/pi)",
                                              "1.93*cos(y*x)+0.49*sin(x)"};
    RenderCore core;
    core.setUp(300, 200);
    RenderSettings settings = core.pendingSettings;
    Formula* pending[3] = {&settings.formulaX, &settings.formulaY, &settings.formulaZ};
    for (std::size_t i = 0; i < 3; ++i) {
        bool error;
        pending[i]->text = texts[i];
        pending[i]->Compile(error);
    }
    settings.zoom = Real48::fromExtended(100);
    settings.angleX = Real48::fromExtended(0.5);
    settings.angleY = Real48::fromExtended(-1.25);
    settings.angleZ = Real48::fromExtended(2);
    core.pendingSettings = settings;
    core.applyPendingSettings();
    for (int step = 0; step < 3000; ++step)
        core.plotStep();
    const ViewFit centre = ViewGeometry::fit(core.ranges(), 300, 200);

    OrbitStage orbit = compiled(texts[0], texts[1], texts[2]);
    FillGrid grid(300, 200, Rotation(settings.angleX, settings.angleY, settings.angleZ));
    OrbitPoint point{1, 1, 1};
    grid.widenRange(point);
    EvaluationCodes codes;
    for (int step = 1; step < 3000; ++step) {
        ASSERT_TRUE(orbit.step(point, codes));
        ASSERT_TRUE(grid.widenRange(point));
    }
    const ViewGeometry view = grid.view();
    EXPECT_EQ(view.zoom().toDouble(), Real48::fromExtended(centre.zoom).toDouble());
    EXPECT_EQ(view.centreX().toDouble(), centre.centreX.toDouble());
    EXPECT_EQ(view.centreY().toDouble(), centre.centreY.toDouble());
    EXPECT_NEAR(view.zoom().toDouble(), 33.997, 0.001);
}

} // namespace
} // namespace gyrelune
