#pragma once
// A film as keyframes: the settings of every frame interpolated between key
// settings that share their formulas, plus the turntable and sweep shorthands.

#include "render/renderSettings.h"

#include <optional>
#include <string>
#include <vector>

namespace gyrelune {

enum class FilmEase { linear, smooth };

struct FilmTurn {
    int axis = 1; // 0: X, 1: Y, 2: Z
    long double degrees = 0;
};

struct FilmSweep {
    std::string name;
    long double from = 0, to = 0;
};

struct FilmPlan {
    std::vector<RenderSettings> keys; // the same formulas in every key
    int frameCount = 1;
    FilmEase ease = FilmEase::smooth;
    bool loop = false; // the last key runs back to the first
    std::optional<FilmTurn> turn;
    std::optional<FilmSweep> sweep;
};

// Why the keys cannot make a film, empty when they can: different formulas,
// no keys, or a sweep of a name that is not a parameter of the formulas.
std::string filmPlanProblem(const FilmPlan& plan);

// Where frame lies in the film, 0 to 1. A film that returns to its start
// (a loop, or whole turns) stops one frame short of 1 so that it repeats
// without a doubled frame.
long double frameProgress(const FilmPlan& plan, int frame);

// The settings of one frame. The plan must have no problem.
RenderSettings frameSettings(const FilmPlan& plan, int frame);

// Colour stops resampled to count stops spread over the same depth range.
ColourStops resampleStops(const ColourStops& stops, std::size_t count);

// The parameters of the formulas (their variables other than x, y and z), in
// order of first appearance.
std::vector<std::string> parameterNames(const RenderSettings& settings);

} // namespace gyrelune
