// The orbit stage: what each formula's evaluation reports, and the saved state.
#include "render/orbitStage.h"

#include <gtest/gtest.h>

namespace gyrelune {
namespace {

// Each failure in each formula comes out as that formula's code; the others stay 0.
TEST(OrbitStage, ReportsEachEvaluationCodeOfEachFormula) {
    const std::pair<const char*, std::int32_t> failures[] = {
        {"x y", 1}, {"1/(x-x)", 2}, {"sqrt(0-1-x*x)", 3}, {"lg(x-x)", 4}};
    for (const auto& [text, code] : failures) {
        for (std::size_t axis = 0; axis < 3; ++axis) {
            std::array<std::string, 3> texts = {"x/2", "y/2", "z/2"};
            texts[axis] = text;
            OrbitStage orbit;
            orbit.compile(texts);
            OrbitPoint point{1, 2, 3};
            EvaluationCodes codes;
            ASSERT_TRUE(orbit.step(point, codes));
            const std::int32_t got[3] = {std::int32_t(codes.x), std::int32_t(codes.y),
                                         std::int32_t(codes.z)};
            for (std::size_t k = 0; k < 3; ++k)
                EXPECT_EQ(got[k], k == axis ? code : 0) << text << " in formula " << axis;
            EXPECT_EQ(std::int32_t(codes.first()), code);
        }
    }
}

// A failed point restarts the orbit from the stage's own generator; a saved
// state set back repeats the orbit exactly.
TEST(OrbitStage, RestartsFromItsOwnGeneratorAndRepeatsFromASavedState) {
    OrbitStage orbit(7);
    orbit.compile({"x*10", "y", "z"});
    orbit.setPoint({1e300L, 0, 0});
    EXPECT_TRUE(orbit.next().failed());
    EXPECT_EQ(orbit.point().x, 2.19L);
    EXPECT_EQ(orbit.point().y, 8.39L);
    EXPECT_EQ(orbit.point().z, 2.51L);
    const OrbitState saved = orbit.state();
    const StoredOrbitPoint first = orbit.next();
    orbit.next();
    orbit.restore(saved);
    EXPECT_EQ(orbit.next().x, first.x);
}

} // namespace
} // namespace gyrelune
