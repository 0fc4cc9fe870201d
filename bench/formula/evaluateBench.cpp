// One step of the default map (the three default formulas, each fed the
// previous point) through Evaluate, beside the same step written by hand with
// the same rounding after every operation, and beside muparser in double.

#include "formula/extendedMath.h"
#include "formula/formula.h"
#include "formula/real48.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace gyrelune;

const char* const formulaX = "sin(x*y*4.36/pi)+y*0.453+0.45";
const char* const formulaY = "1.795*cos(x)-1.5324*sin(x*1.65/pi)";
const char* const formulaZ = "1.93*cos(y*x)+0.49*sin(x)";

struct Point {
    double x = 1, y = 1, z = 1;
};

// ---- Through the engine.

struct CompiledMap {
    Formula f[3];
    int slot[3][3]; // [formula][x, y, z] table index or -1

    CompiledMap() {
        const char* texts[3] = {formulaX, formulaY, formulaZ};
        const char* names[3] = {"x", "y", "z"};
        for (int i = 0; i < 3; ++i) {
            f[i].text = texts[i];
            bool error;
            f[i].Compile(error);
            for (int v = 0; v < 3; ++v)
                slot[i][v] = f[i].FindVariable(names[v]);
        }
    }

    Point step(const Point& p) {
        const double in[3] = {p.x, p.y, p.z};
        double out[3];
        for (int i = 0; i < 3; ++i) {
            for (int v = 0; v < 3; ++v)
                if (slot[i][v] >= 0) f[i].setVariableAt(slot[i][v], Real48::fromExactDouble(in[v]));
            std::int32_t code;
            out[i] = double(f[i].Evaluate(code));
        }
        return {out[0], out[1], out[2]};
    }
};

// ---- By hand: the limit for an evaluator with this rounding.

inline double r(long double v) {
    double out;
    return roundToReal48(v, out) ? out : 0.0;
}

double literal(const char* text) {
    Formula f;
    f.text = text;
    bool error;
    f.Compile(error);
    std::int32_t code;
    return double(f.Evaluate(code));
}

struct HandWrittenMap {
    const long double pi = literal("pi"), c436 = literal("4.36"), c0453 = literal("0.453"),
                      c045 = literal("0.45"), c1795 = literal("1.795"), c15324 = literal("1.5324"),
                      c165 = literal("1.65"), c193 = literal("1.93"), c049 = literal("0.49");

    Point step(const Point& p) const {
        const long double x = p.x, y = p.y;
        double t = r(x * y);
        t = r(t * c436);
        t = r(t / pi);
        t = r(sinExtended(t));
        const double u = r(y * c0453);
        const double newX = r(r((long double)t + u) + c045);

        double a = r(cosExtended(x));
        a = r(c1795 * a);
        double b = r(x * c165);
        b = r(b / pi);
        b = r(sinExtended(b));
        b = r(c15324 * b);
        const double newY = r((long double)a - b);

        double c = r(y * x);
        c = r(cosExtended(c));
        c = r(c193 * c);
        double d = r(sinExtended(x));
        d = r(c049 * d);
        const double newZ = r((long double)c + d);
        return {newX, newY, newZ};
    }
};

// ---- muparser, in double.

struct MuParserMap {
    double x = 1, y = 1, z = 1;
    mu::Parser p[3];

    MuParserMap() {
        const char* texts[3] = {formulaX, formulaY, formulaZ};
        for (int i = 0; i < 3; ++i) {
            p[i].DefineConst("pi", M_PI);
            p[i].DefineVar("x", &x);
            p[i].DefineVar("y", &y);
            p[i].DefineVar("z", &z);
            p[i].SetExpr(texts[i]);
        }
    }

    void step() {
        const double nx = p[0].Eval(), ny = p[1].Eval(), nz = p[2].Eval();
        x = nx, y = ny, z = nz;
    }
};

// The engine and the hand-written map must walk the same orbit, bit for bit.
void checkSameOrbit() {
    CompiledMap engine;
    HandWrittenMap hand;
    Point a, b;
    for (int i = 0; i < 100000; ++i) {
        a = engine.step(a);
        b = hand.step(b);
        if (a.x != b.x || a.y != b.y || a.z != b.z) {
            std::fprintf(stderr, "orbits part at step %d\n", i);
            std::abort();
        }
    }
}

void BM_EvaluateMap(benchmark::State& state) {
    checkSameOrbit();
    CompiledMap map;
    Point p;
    for (auto _ : state) {
        p = map.step(p);
        benchmark::DoNotOptimize(p);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateMap);

void BM_HandWrittenMap(benchmark::State& state) {
    HandWrittenMap map;
    Point p;
    for (auto _ : state) {
        p = map.step(p);
        benchmark::DoNotOptimize(p);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HandWrittenMap);

void BM_MuParserMap(benchmark::State& state) {
    MuParserMap map;
    for (auto _ : state) {
        map.step();
        benchmark::DoNotOptimize(map.x);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MuParserMap);

} // namespace
