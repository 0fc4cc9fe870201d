// The orbits the search rejects and accepts.
#include "render/renderCore.h"
#include "search/orbitClassifier.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gyrelune {
namespace {

OrbitStage compiled(const std::string& x, const std::string& y, const std::string& z) {
    OrbitStage map;
    EXPECT_TRUE(map.compile({x, y, z}));
    return map;
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

    // Hénon's attractor is accepted with its depth, flat without it.
    OrbitStage flatMap = compiled("1-1.4*sqr x+y", "0.3*x", "0");
    EXPECT_EQ(classifier.classify(flatMap, {0, 0, 0}).verdict, Verdict::flat);
    OrbitStage henonMap = compiled("1-1.4*sqr x+y", "0.3*x", "x");
    const Classification henon = classifier.classify(henonMap, {0, 0, 0});
    EXPECT_EQ(henon.verdict, Verdict::accepted);
    EXPECT_NEAR(henon.exponents[0], 0.419, 0.03);
    EXPECT_NEAR(henon.correlationDimension, 1.2, 0.15);
    OrbitStage defaultMap =
        compiled("sin(x*y*4.36/pi)+y*0.453+0.45", "1.795*cos(x)-1.5324*sin(x*1.65/pi)",
                 "1.93*cos(y*x)+0.49*sin(x)");
    const Classification drawn = classifier.classify(defaultMap, {1, 1, 1});
    EXPECT_EQ(drawn.verdict, Verdict::accepted);
    EXPECT_GT(drawn.fill, 5 * henon.fill);
}

} // namespace
} // namespace gyrelune
