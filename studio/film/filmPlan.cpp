// Every quantity of a key becomes one channel of numbers; frames interpolate
// the channels and turn them back into settings.
#include "studio/film/filmPlan.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gyrelune {
namespace {

bool isParameter(const std::string& name) {
    return name != "x" && name != "y" && name != "z";
}

bool sameFormulas(const RenderSettings& a, const RenderSettings& b) {
    return a.formulaX.text == b.formulaX.text && a.formulaY.text == b.formulaY.text &&
           a.formulaZ.text == b.formulaZ.text;
}

// The value of the first variable of that name, as the formulas share it.
long double parameterValue(const RenderSettings& settings, const std::string& name) {
    for (const Formula* formula : {&settings.formulaX, &settings.formulaY, &settings.formulaZ})
        for (const Variable& variable : formula->variables())
            if (variable.name == name) return variable.value.toExtended();
    return 0;
}

void setParameter(RenderSettings& settings, const std::string& name, Real48 value) {
    for (Formula* formula : {&settings.formulaX, &settings.formulaY, &settings.formulaZ}) {
        const auto& variables = formula->variables();
        for (std::size_t i = 0; i < variables.size(); ++i)
            if (variables[i].name == name) formula->setVariableAt(int(i), value);
    }
}

std::size_t commonStopCount(const std::vector<RenderSettings>& keys) {
    std::size_t count = 0;
    for (const RenderSettings& key : keys)
        count = std::max(count, key.colours.size());
    return count;
}

bool zoomIsGeometric(const std::vector<RenderSettings>& keys) {
    return std::all_of(keys.begin(), keys.end(),
                       [](const RenderSettings& key) { return key.zoom.toExtended() > 0; });
}

// Channel layout: angles X, Y, Z; zoom; centre X, Y; gain; parameters; stops.
std::vector<long double> channelsOf(const RenderSettings& key,
                                    const std::vector<std::string>& names, std::size_t stopCount,
                                    bool geometricZoom) {
    const long double zoom = key.zoom.toExtended();
    std::vector<long double> channels{
        key.angleX.toExtended(),  key.angleY.toExtended(),
        key.angleZ.toExtended(),  geometricZoom ? std::log(zoom) : zoom,
        key.centreX.toExtended(), key.centreY.toExtended(),
        (long double)key.gain};
    for (const std::string& name : names)
        channels.push_back(parameterValue(key, name));
    for (const ColourStop& stop : resampleStops(key.colours, stopCount))
        channels.insert(channels.end(),
                        {(long double)stop.red, (long double)stop.green, (long double)stop.blue});
    return channels;
}

std::uint8_t toByte(long double value) {
    return std::uint8_t(std::clamp(std::lround(value), 0L, 255L));
}

long double smoothStep(long double s) {
    return s * s * (3 - 2 * s);
}

bool wholeTurns(const FilmPlan& plan) {
    return plan.turn && plan.turn->degrees != 0 && std::fmod(plan.turn->degrees, 360) == 0 &&
           plan.keys.size() == 1 && !plan.sweep;
}

bool returnsToStart(const FilmPlan& plan) {
    return plan.loop || wholeTurns(plan);
}

// Key index k of the film's sequence, wrapping round in a loop.
const std::vector<long double>& keyChannels(const std::vector<std::vector<long double>>& keys,
                                            int k, bool loop) {
    const int count = int(keys.size());
    if (loop) return keys[std::size_t((k % count + count) % count)];
    return keys[std::size_t(std::clamp(k, 0, count - 1))];
}

// Catmull-Rom through the keys (tangents zero at the ends of an open film,
// which eases in and out), or straight lines.
std::vector<long double> interpolate(const std::vector<std::vector<long double>>& keys,
                                     long double progress, FilmEase ease, bool loop) {
    const int segments = int(keys.size()) - (loop ? 0 : 1);
    if (segments <= 0) return keys.front();
    const long double position = progress * segments;
    const int k = std::min(int(position), segments - 1);
    const long double s = position - k;
    const auto& p0 = keyChannels(keys, k, loop);
    const auto& p1 = keyChannels(keys, k + 1, loop);
    std::vector<long double> out(p0.size());
    if (ease == FilmEase::linear) {
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = p0[i] + (p1[i] - p0[i]) * s;
        return out;
    }
    const auto& before = keyChannels(keys, k - 1, loop);
    const auto& after = keyChannels(keys, k + 2, loop);
    const bool firstEnd = !loop && k == 0, lastEnd = !loop && k + 1 == segments;
    const long double h00 = 2 * s * s * s - 3 * s * s + 1, h10 = s * s * s - 2 * s * s + s;
    const long double h01 = 3 * s * s - 2 * s * s * s, h11 = s * s * s - s * s;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const long double m0 = firstEnd ? 0 : (p1[i] - before[i]) / 2;
        const long double m1 = lastEnd ? 0 : (after[i] - p0[i]) / 2;
        out[i] = h00 * p0[i] + h10 * m0 + h01 * p1[i] + h11 * m1;
    }
    return out;
}

// The background: interpolated by its bytes, or (a system colour among the
// keys) the nearest key's.
std::int32_t frameBackground(const FilmPlan& plan, long double progress) {
    const int segments = int(plan.keys.size()) - (plan.loop ? 0 : 1);
    if (segments <= 0) return plan.keys.front().background;
    const long double position = progress * segments;
    const int k = std::min(int(position), segments - 1);
    const long double s = position - k;
    const std::int32_t a = plan.keys[std::size_t(k)].background;
    const std::int32_t b = plan.keys[std::size_t((k + 1) % int(plan.keys.size()))].background;
    if (a < 0 || b < 0) return s < 0.5L ? a : b;
    const long double t = plan.ease == FilmEase::smooth ? smoothStep(s) : s;
    auto mix = [t](int shift, std::int32_t x, std::int32_t y) {
        const long double from = (x >> shift) & 0xFF, to = (y >> shift) & 0xFF;
        return toByte(from + (to - from) * t);
    };
    return packColour(mix(0, a, b), mix(8, a, b), mix(16, a, b));
}

// Progress of the shorthands: a loop sweeps there and back; whole turns run
// evenly; otherwise the ease applies.
long double shorthandProgress(const FilmPlan& plan, long double progress) {
    if (plan.loop) progress = 1 - std::fabs(2 * progress - 1);
    if (plan.ease == FilmEase::smooth && !wholeTurns(plan)) return smoothStep(progress);
    return progress;
}

void applyShorthands(const FilmPlan& plan, long double progress, RenderSettings& frame) {
    const long double t = shorthandProgress(plan, progress);
    if (plan.turn) {
        Real48* angles[3] = {&frame.angleX, &frame.angleY, &frame.angleZ};
        Real48& angle = *angles[plan.turn->axis];
        // A whole turn runs on with the progress itself, never back.
        const long double turned = plan.loop && wholeTurns(plan) ? progress : t;
        angle =
            Real48::fromExtended(angle.toExtended() + plan.turn->degrees * turned *
                                                          std::numbers::pi_v<long double> / 180);
    }
    if (plan.sweep) {
        const long double value = plan.sweep->from + (plan.sweep->to - plan.sweep->from) * t;
        setParameter(frame, plan.sweep->name, Real48::fromExtended(value));
    }
}

} // namespace

std::vector<std::string> parameterNames(const RenderSettings& settings) {
    std::vector<std::string> names;
    for (const Formula* formula : {&settings.formulaX, &settings.formulaY, &settings.formulaZ})
        for (const Variable& variable : formula->variables())
            if (isParameter(variable.name) &&
                std::find(names.begin(), names.end(), variable.name) == names.end())
                names.push_back(variable.name);
    return names;
}

ColourStops resampleStops(const ColourStops& stops, std::size_t count) {
    if (stops.size() == count || stops.empty()) return stops;
    ColourStops out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const long double at = count == 1 ? 0 : (long double)i * (stops.size() - 1) / (count - 1);
        const std::size_t below = std::min(std::size_t(at), stops.size() - 1);
        const std::size_t above = std::min(below + 1, stops.size() - 1);
        const long double s = at - below;
        auto mix = [s](std::uint8_t a, std::uint8_t b) { return toByte(a + (b - a) * s); };
        out[i] = {mix(stops[below].red, stops[above].red),
                  mix(stops[below].green, stops[above].green),
                  mix(stops[below].blue, stops[above].blue)};
    }
    return out;
}

std::string filmPlanProblem(const FilmPlan& plan) {
    if (plan.keys.empty()) return "a film needs at least one keyframe";
    if (plan.frameCount < 1) return "a film needs at least one frame";
    for (std::size_t k = 1; k < plan.keys.size(); ++k)
        if (!sameFormulas(plan.keys[0], plan.keys[k]))
            return "keyframe " + std::to_string(k + 1) +
                   " has other formulas than keyframe 1; every keyframe needs the same three";
    if (plan.sweep) {
        const auto names = parameterNames(plan.keys[0]);
        if (std::find(names.begin(), names.end(), plan.sweep->name) == names.end())
            return "'" + plan.sweep->name + "' is not a parameter of the formulas";
    }
    if (plan.turn && (plan.turn->axis < 0 || plan.turn->axis > 2))
        return "the turn's axis must be X, Y or Z";
    return {};
}

long double frameProgress(const FilmPlan& plan, int frame) {
    if (returnsToStart(plan)) return (long double)frame / plan.frameCount;
    if (plan.frameCount < 2) return 0;
    return (long double)frame / (plan.frameCount - 1);
}

RenderSettings frameSettings(const FilmPlan& plan, int frame) {
    const long double progress = frameProgress(plan, frame);
    const std::vector<std::string> names = parameterNames(plan.keys[0]);
    const std::size_t stopCount = commonStopCount(plan.keys);
    const bool geometricZoom = zoomIsGeometric(plan.keys);
    std::vector<std::vector<long double>> keys;
    for (const RenderSettings& key : plan.keys)
        keys.push_back(channelsOf(key, names, stopCount, geometricZoom));
    const std::vector<long double> c = interpolate(keys, progress, plan.ease, plan.loop);

    RenderSettings out = plan.keys[0];
    out.angleX = Real48::fromExtended(c[0]);
    out.angleY = Real48::fromExtended(c[1]);
    out.angleZ = Real48::fromExtended(c[2]);
    out.zoom = Real48::fromExtended(geometricZoom ? std::exp(c[3]) : c[3]);
    out.centreX = Real48::fromExtended(c[4]);
    out.centreY = Real48::fromExtended(c[5]);
    out.gain = std::int32_t(std::max(0L, std::lround(c[6])));
    std::size_t i = 7;
    for (const std::string& name : names)
        setParameter(out, name, Real48::fromExtended(c[i++]));
    out.colours.resize(stopCount);
    for (ColourStop& stop : out.colours) {
        stop = {toByte(c[i]), toByte(c[i + 1]), toByte(c[i + 2])};
        i += 3;
    }
    out.background = frameBackground(plan, progress);
    applyShorthands(plan, progress, out);
    return out;
}

} // namespace gyrelune
