#pragma once
// The three default formulas written out by hand, each operation rounded as
// the formula engine rounds it: the map of the hand-written exact loop.

#include "formula/extendedMath.h"
#include "formula/formula.h"
#include "formula/real48.h"
#include "render/renderSettings.h"

#include <cstdint>

namespace gyrelune::bench {

inline const char* const formulaTexts[3] = {"sin(x*y*4.36/pi)+y*0.453+0.45",
                                            "1.795*cos(x)-1.5324*sin(x*1.65/pi)",
                                            "1.93*cos(y*x)+0.49*sin(x)"};

// The default attractor on a core at side x side.
template <typename Core> void setUpDefault(Core& core, int side) {
    core.setUp(side, side);
    RenderSettings settings = core.submitted();
    Formula* pending[3] = {&settings.formulaX, &settings.formulaY, &settings.formulaZ};
    for (int i = 0; i < 3; ++i) {
        (void)pending[i]->compile(formulaTexts[i]); // well formed
    }
    settings.zoom = Real48::fromExtended(111.78418L);
    settings.centreX = Real48::fromExtended(0.290L);
    settings.centreY = Real48::fromExtended(-0.362L);
    settings.gain = 1500;
    settings.background = 0;
    core.submit(settings);
    core.applyPendingSettings();
}

// A literal as the formula engine stores it.
inline double literal(const char* text) {
    Formula f;
    (void)f.compile(text); // a plain literal
    EvaluationCode code;
    return double(f.evaluate(code));
}

inline double r(long double v) {
    double out;
    return roundToReal48(v, out) ? out : 0.0; // as the engine: a failed result is 0
}

// The three default formulas, each operation rounded as the engine rounds it.
struct HandMap {
    long double pi = literal("pi"), c436 = literal("4.36"), c0453 = literal("0.453"),
                c045 = literal("0.45"), c1795 = literal("1.795"), c15324 = literal("1.5324"),
                c165 = literal("1.65"), c193 = literal("1.93"), c049 = literal("0.49");

    void step(const double in[3], long double out[3]) const {
        const long double x = in[0], y = in[1];
        double t = r(r(r(x * y) * c436) / pi);
        t = r(sinExtended(t));
        out[0] = r(r((long double)t + r(y * c0453)) + c045);
        const double a = r(c1795 * r(cosExtended(x)));
        const double b = r(c15324 * r(sinExtended(r(r(x * c165) / pi))));
        out[1] = r((long double)a - b);
        const double c = r(c193 * r(cosExtended(r(y * x))));
        const double d = r(c049 * r(sinExtended(x)));
        out[2] = r((long double)c + d);
    }
};

} // namespace gyrelune::bench
