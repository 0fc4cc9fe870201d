#include "core/parameterInterval.h"

#include "formula/realToText.h"

namespace gyrelune {

Real48 sliderValue(Real48 minimum, Real48 maximum, int position) {
    const long double low = minimum.toExtended();
    const long double span = maximum.toExtended() - low;
    return Real48::fromExtended(low + span * position / parameterSliderMaximum);
}

std::optional<int> sliderPosition(Real48 minimum, Real48 maximum, Real48 value) {
    if (minimum == maximum) return std::nullopt;
    const long double low = minimum.toExtended();
    long double scaled =
        (value.toExtended() - low) / (maximum.toExtended() - low) * parameterSliderMaximum;
    // Clamp before rounding: far outside values must not leave the integer range.
    if (scaled < -1.0L) scaled = -1.0L;
    if (scaled > parameterSliderMaximum + 1.0L) scaled = parameterSliderMaximum + 1.0L;
    const long long position = roundHalfEven(scaled);
    if (position < 0) return 0;
    if (position > parameterSliderMaximum) return parameterSliderMaximum;
    return int(position);
}

ParameterInterval scaleInterval(Real48 value, Real48 minimum, Real48 maximum,
                                IntervalScaling scaling) {
    const long double v = value.toExtended();
    const Real48 below = Real48::fromExtended(v - minimum.toExtended());
    const Real48 above = Real48::fromExtended(maximum.toExtended() - v);
    const bool twice = scaling == IntervalScaling::twice;
    const Real48 newBelow =
        Real48::fromExtended(twice ? below.toExtended() * 2 : below.toExtended() / 2);
    const Real48 newAbove =
        Real48::fromExtended(twice ? above.toExtended() * 2 : above.toExtended() / 2);
    return {Real48::fromExtended(v - newBelow.toExtended()),
            Real48::fromExtended(v + newAbove.toExtended())};
}

void intervalEndChanged(FormulaField& field) {
    // The field's mark is the outcome; a malformed end keeps the interval as it was.
    if (!field.text.empty() && field.text.back() != '.') field.compileAndMark();
}

std::string parameterText(Real48 value) {
    return realToText(5, value);
}

} // namespace gyrelune
