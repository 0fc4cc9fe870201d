#pragma once
// One step of the default map (the three default formulas, each fed the
// previous point) four ways: through evaluate, through the evaluation loop
// that evaluate replaced, written by hand with the same rounding after every
// operation (the limit for any evaluator with this rounding), and through
// muparser in double (a peer without the rounding).

#include "bench/formula/previousProgram.h"
#include "formula/extendedMath.h"
#include "formula/formula.h"
#include "formula/real48.h"

#include <muParser.h>

#include <cmath>

namespace gyrelune::bench {

inline const char* const defaultFormulas[3] = {"sin(x*y*4.36/pi)+y*0.453+0.45",
                                               "1.795*cos(x)-1.5324*sin(x*1.65/pi)",
                                               "1.93*cos(y*x)+0.49*sin(x)"};

struct Point {
    double x = 1, y = 1, z = 1;
};

// The three formulas compiled, with each one's x, y and z table index (or -1).
struct CompiledFormulas {
    Formula f[3];
    int slot[3][3];

    CompiledFormulas() {
        const char* names[3] = {"x", "y", "z"};
        for (int i = 0; i < 3; ++i) {
            (void)f[i].compile(defaultFormulas[i]); // well formed
            for (int v = 0; v < 3; ++v)
                slot[i][v] = f[i].findVariable(names[v]);
        }
    }

    void setPoint(const Point& p) {
        const double in[3] = {p.x, p.y, p.z};
        for (int i = 0; i < 3; ++i)
            for (int v = 0; v < 3; ++v)
                if (slot[i][v] >= 0) f[i].setVariableAt(slot[i][v], Real48::fromExactDouble(in[v]));
    }
};

struct EngineMap {
    CompiledFormulas formulas;

    Point step(const Point& p) {
        formulas.setPoint(p);
        EvaluationCode code;
        const double x = double(formulas.f[0].evaluate(code));
        const double y = double(formulas.f[1].evaluate(code));
        const double z = double(formulas.f[2].evaluate(code));
        return {x, y, z};
    }
};

struct PreviousMap {
    CompiledFormulas formulas;
    previous::PreviousEvaluator old[3] = {previousEvaluator(formulas.f[0]),
                                          previousEvaluator(formulas.f[1]),
                                          previousEvaluator(formulas.f[2])};

    Point step(const Point& p) {
        const double in[3] = {p.x, p.y, p.z};
        for (int i = 0; i < 3; ++i)
            for (int v = 0; v < 3; ++v)
                if (formulas.slot[i][v] >= 0)
                    old[i].setVariable(formulas.slot[i][v],
                                       previous::Real48::fromExactDouble(in[v]));
        std::int32_t code;
        const double x = double(old[0].evaluate(code));
        const double y = double(old[1].evaluate(code));
        const double z = double(old[2].evaluate(code));
        return {x, y, z};
    }
};

inline double r(long double v) {
    double out;
    return roundToReal48(v, out) ? out : 0.0;
}

// A literal as the engine stores it.
inline double literal(const char* text) {
    Formula f;
    (void)f.compile(text); // a plain literal
    EvaluationCode code;
    return double(f.evaluate(code));
}

struct HandWrittenMap {
    const long double pi = literal("pi"), c436 = literal("4.36"), c0453 = literal("0.453"),
                      c045 = literal("0.45"), c1795 = literal("1.795"), c15324 = literal("1.5324"),
                      c165 = literal("1.65"), c193 = literal("1.93"), c049 = literal("0.49");

    Point step(const Point& p) const {
        const long double x = p.x, y = p.y;
        const double t = r(sinExtended(r(r(r(x * y) * c436) / pi)));
        const double newX = r(r((long double)t + r(y * c0453)) + c045);
        const double a = r(c1795 * r(cosExtended(x)));
        const double b = r(c15324 * r(sinExtended(r(r(x * c165) / pi))));
        const double newY = r((long double)a - b);
        const double c = r(c193 * r(cosExtended(r(y * x))));
        const double d = r(c049 * r(sinExtended(x)));
        const double newZ = r((long double)c + d);
        return {newX, newY, newZ};
    }
};

struct MuParserMap {
    double x = 1, y = 1, z = 1;
    mu::Parser p[3];

    MuParserMap() {
        for (int i = 0; i < 3; ++i) {
            p[i].DefineConst("pi", M_PI);
            p[i].DefineVar("x", &x);
            p[i].DefineVar("y", &y);
            p[i].DefineVar("z", &z);
            p[i].SetExpr(defaultFormulas[i]);
        }
    }

    Point step(const Point&) {
        const double nx = p[0].Eval(), ny = p[1].Eval(), nz = p[2].Eval();
        x = nx, y = ny, z = nz;
        return {x, y, z};
    }
};

} // namespace gyrelune::bench
