#include "studio/film/filmPlan.h"
#include "studio/film/frameRange.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>

namespace gyrelune {
namespace {

// A folder of its own, so that test runs side by side do not meet.
std::filesystem::path uniqueFolder(const char* name) {
    std::string pattern = (std::filesystem::temp_directory_path() / name).string() + "-XXXXXX";
    return ::mkdtemp(pattern.data());
}

constexpr long double degree = std::numbers::pi_v<long double> / 180;

RenderSettings key(const std::string& formulaY, long double a, long double angleYDegrees,
                   long double zoom, ColourStops colours) {
    RenderSettings settings;
    EXPECT_TRUE(settings.formulaX.compile("a*y").wellFormed());
    EXPECT_TRUE(settings.formulaY.compile(formulaY).wellFormed());
    EXPECT_TRUE(settings.formulaZ.compile("b").wellFormed());
    settings.formulaX.setVariableAt(settings.formulaX.findVariable("a"), Real48::fromExtended(a));
    settings.angleY = Real48::fromExtended(angleYDegrees * degree);
    settings.zoom = Real48::fromExtended(zoom);
    settings.gain = 100;
    settings.colours = std::move(colours);
    settings.background = packColour(0, 0, 200);
    return settings;
}

long double parameter(const RenderSettings& settings, const char* name) {
    return settings.formulaX.variables()[std::size_t(settings.formulaX.findVariable(name))]
        .value.toExtended();
}

FilmPlan twoKeys(FilmEase ease, int frames) {
    FilmPlan plan;
    plan.keys = {key("x", 1, 0, 100, {{255, 0, 0}, {0, 0, 255}}),
                 key("x", 3, 90, 400, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {200, 100, 50}})};
    plan.keys[1].gain = 300;
    plan.keys[1].background = packColour(100, 0, 0);
    plan.ease = ease;
    plan.frameCount = frames;
    return plan;
}

TEST(FilmPlan, LinearFramesAtAndBetweenKeys) {
    const FilmPlan plan = twoKeys(FilmEase::linear, 5);
    const RenderSettings first = frameSettings(plan, 0), middle = frameSettings(plan, 2),
                         last = frameSettings(plan, 4);
    EXPECT_DOUBLE_EQ(double(parameter(first, "a")), 1);
    EXPECT_DOUBLE_EQ(double(parameter(middle, "a")), 2);
    EXPECT_DOUBLE_EQ(double(parameter(last, "a")), 3);
    EXPECT_NEAR(double(middle.angleY.toExtended() / degree), 45, 1e-9);
    EXPECT_NEAR(double(last.angleY.toExtended() / degree), 90, 1e-9);
    EXPECT_NEAR(middle.zoom.toDouble(), 200, 1e-6); // geometric: the square root of 100 * 400
    EXPECT_EQ(middle.gain, 200);
    // The first key's two stops spread over four: red, 2/3 red, 1/3 red, blue.
    ASSERT_EQ(first.colours.size(), 4u);
    EXPECT_EQ(first.colours[1], (ColourStop{170, 0, 85}));
    EXPECT_EQ(middle.colours[3], (ColourStop{100, 50, 153}));
    EXPECT_EQ(last.colours, plan.keys[1].colours);
    EXPECT_EQ(middle.background, packColour(50, 0, 100));
}

TEST(FilmPlan, SmoothEasesInAndOutAndPassesThroughEveryKey) {
    FilmPlan plan = twoKeys(FilmEase::smooth, 5);
    // A quarter of the way: smoothstep(1/4) = 5/32 of the change.
    EXPECT_NEAR(double(parameter(frameSettings(plan, 1), "a")), 1 + 2 * 5.0 / 32, 1e-9);
    plan.keys.push_back(plan.keys[0]);
    EXPECT_DOUBLE_EQ(double(parameter(frameSettings(plan, 2), "a")), 3);
    EXPECT_DOUBLE_EQ(double(parameter(frameSettings(plan, 4), "a")), 1);
    // A loop back to the first key: frame 2 of 6 is the middle key, none is doubled.
    plan.loop = true;
    plan.frameCount = 6;
    EXPECT_DOUBLE_EQ(double(parameter(frameSettings(plan, 2), "a")), 3);
    EXPECT_NEAR(double(frameProgress(plan, 5)), 5.0 / 6, 1e-12);
}

TEST(FilmPlan, TurnAndSweepShorthands) {
    FilmPlan plan;
    plan.keys = {key("x", 1, 10, 100, {{1, 2, 3}})};
    plan.frameCount = 4;
    plan.ease = FilmEase::smooth;
    plan.turn = FilmTurn{1, 360};
    // Whole turns run evenly and stop a frame short of the start.
    EXPECT_NEAR(double(frameSettings(plan, 1).angleY.toExtended() / degree), 100, 1e-9);
    EXPECT_NEAR(double(frameSettings(plan, 3).angleY.toExtended() / degree), 280, 1e-9);
    plan.turn.reset();
    plan.sweep = FilmSweep{"a", -1, 2};
    plan.ease = FilmEase::linear;
    EXPECT_DOUBLE_EQ(double(parameter(frameSettings(plan, 3), "a")), 2);
    EXPECT_DOUBLE_EQ(double(parameter(frameSettings(plan, 1), "a")), 0);
}

TEST(FilmPlan, KeysThatCannotMakeAFilm) {
    FilmPlan plan = twoKeys(FilmEase::linear, 2);
    EXPECT_EQ(filmPlanProblem(plan), "");
    plan.keys[1] = key("x*b", 1, 0, 1, {});
    EXPECT_EQ(filmPlanProblem(plan),
              "keyframe 2 has other formulas than keyframe 1; every keyframe needs the same three");
    plan.keys.pop_back();
    plan.sweep = FilmSweep{"x", 0, 1};
    EXPECT_EQ(filmPlanProblem(plan), "'x' is not a parameter of the formulas");
}

TEST(FrameRange, ParsingNamesAndFolders) {
    std::string error;
    EXPECT_EQ(parseFrameRange("10-19", 20, error), (FrameRange{10, 19}));
    EXPECT_EQ(parseFrameRange("7", 20, error), (FrameRange{7, 7}));
    EXPECT_FALSE(parseFrameRange("10-20", 20, error));
    EXPECT_EQ(error, "frames 10-20 are not within the film's frames 0-19");
    for (const char* bad : {"5-3", "-3", "a-b", "1-", "1-2-3"})
        EXPECT_FALSE(parseFrameRange(bad, 20, error)) << bad;
    EXPECT_EQ(frameCountOf(2, 10), 20);
    EXPECT_EQ(framePart(0, 3, 20), (FrameRange{0, 5}));
    EXPECT_EQ(framePart(2, 3, 20), (FrameRange{13, 19}));
    EXPECT_EQ(framePart(0, 3, 2).count(), 0);
    EXPECT_EQ(frameFileName(42), "frame-000042.png");
    EXPECT_EQ(frameNumberOf("frame-000042.png"), 42);
    EXPECT_FALSE(frameNumberOf(".frame-000042.png.abc123"));

    const auto folder = uniqueFolder("gyrelune-frame-range-test");
    for (int frame : {0, 1, 3})
        std::ofstream(folder / frameFileName(frame)) << "x";
    EXPECT_EQ(framesToRender(folder.string(), {1, 4}), (std::vector<int>{2, 4}));
    EXPECT_FALSE(frameFilesOf(folder.string(), error));
    EXPECT_EQ(error, "frame 2 is missing from '" + folder.string() + "'");
    std::ofstream(folder / frameFileName(2)) << "x";
    EXPECT_EQ(frameFilesOf(folder.string(), error)->size(), 4u);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace gyrelune
