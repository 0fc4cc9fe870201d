#pragma once
// The mathematics of a parameter window: slider position <-> value over the
// interval [minimum, maximum], and scaling the interval about the value.

#include "formula/formulaField.h"
#include "formula/real48.h"

#include <optional>
#include <string>

namespace gyrelune {

inline constexpr int parameterSliderMaximum = 1000;

// min + (max - min) * position / 1000 in extended precision (multiplying
// first), stored as a 6-byte real. Throws FloatingPointOverflow.
Real48 sliderValue(Real48 minimum, Real48 maximum, int position);

// The slider position of a value, ties to even, clamped to 0..1000; none when
// minimum equals maximum (the slider is left where it is).
std::optional<int> sliderPosition(Real48 minimum, Real48 maximum, Real48 value);

struct ParameterInterval {
    Real48 minimum, maximum;
};
enum class IntervalScaling { halve, twice };

// The interval scaled about value, so that value keeps its slider position.
// Throws FloatingPointOverflow.
ParameterInterval scaleInterval(Real48 value, Real48 minimum, Real48 maximum,
                                IntervalScaling scaling);

// What a text change of a minimum or maximum field does: compile at once,
// unless the text is empty or ends in "." (a number being typed).
void intervalEndChanged(FormulaField& field);

// The text written into a parameter field: five decimals.
std::string parameterText(Real48 value);

} // namespace gyrelune
