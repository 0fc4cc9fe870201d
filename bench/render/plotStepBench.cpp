// Points per second of the full plot step for the default attractor at
// 600x600: the render core, the same step written by hand with the same
// arithmetic (the limit), and the hand loop driven by muparser in double
// (the peer). Also the cost of one hand-off.

#include "formula/formula.h"
#include "handLoop.h"
#include "handMap.h"
#include "render/renderCore.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

using namespace gyrelune;
using namespace gyrelune::bench;

struct MuparserMap {
    double x = 0, y = 0, z = 0;
    mu::Parser parsers[3];

    MuparserMap() {
        for (int i = 0; i < 3; ++i) {
            parsers[i].DefineConst("pi", M_PI);
            parsers[i].DefineVar("x", &x);
            parsers[i].DefineVar("y", &y);
            parsers[i].DefineVar("z", &z);
            parsers[i].SetExpr(formulaTexts[i]);
        }
    }
    MuparserMap(const MuparserMap&) = delete;

    void step(const double in[3], long double out[3]) {
        x = in[0], y = in[1], z = in[2];
        for (int i = 0; i < 3; ++i)
            out[i] = parsers[i].Eval();
    }
};

// The limit only measures something if it draws exactly what the core draws.
bool handLoopMatchesCore(int steps) {
    RandomGenerator random;
    RenderCore core(random);
    setUpDefault(core, side);
    HandLoop<HandMap> hand;
    for (int i = 0; i < steps; ++i) {
        core.plotStep();
        hand.step();
    }
    const PixelBuffer& p = core.picture();
    const bool samePicture =
        p.stride() == hand.stride() &&
        std::memcmp(p.bits(), hand.picture().data(), hand.picture().size()) == 0;
    return samePicture && core.pointCount() == hand.pointCount() &&
           core.orbitX() == hand.orbit()[0] && core.orbitZ() == hand.orbit()[2];
}

void BM_PlotStepCore(benchmark::State& state) {
    RandomGenerator random;
    RenderCore core(random);
    setUpDefault(core, side);
    for (auto _ : state)
        core.plotStep();
    state.SetItemsProcessed(state.iterations());
    state.counters["plotted"] = double(core.pointCount()) / double(state.iterations());
}
BENCHMARK(BM_PlotStepCore);

void BM_PlotStepHandWrittenLimit(benchmark::State& state) {
    HandLoop<HandMap> loop;
    for (auto _ : state)
        loop.step();
    state.SetItemsProcessed(state.iterations());
    benchmark::DoNotOptimize(loop.picture().data());
}
BENCHMARK(BM_PlotStepHandWrittenLimit);

void BM_PlotStepMuparserPeer(benchmark::State& state) {
    HandLoop<MuparserMap> loop;
    for (auto _ : state)
        loop.step();
    state.SetItemsProcessed(state.iterations());
    benchmark::DoNotOptimize(loop.picture().data());
}
BENCHMARK(BM_PlotStepMuparserPeer);

// Copies every picture, as a window refreshing on every hand-off would.
struct DiscardingSink : PictureSink {
    PixelBuffer kept;
    void drawPicture(const PixelBuffer& picture) override {
        kept = picture;
        benchmark::DoNotOptimize(kept.bits());
    }
    void setPictureReady() override {}
};

// Publishing the range plus the deep copy of the 600x600 picture.
void BM_HandOff(benchmark::State& state) {
    RandomGenerator random;
    RenderCore core(random);
    setUpDefault(core, side);
    for (int i = 0; i < 100000; ++i)
        core.plotStep();
    DiscardingSink sink;
    for (auto _ : state)
        core.handOffPicture(&sink);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HandOff);

// Prints the core's share of the limit's rate after the table.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        // The median of repetitions where there are any, else the one run.
        for (const Run& run : runs) {
            const auto it = run.counters.find("items_per_second");
            if (it == run.counters.end()) continue;
            if (run.aggregate_name.empty() || run.aggregate_name == "median")
                rates_[run.run_name.function_name] = it->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const double core = rates_["BM_PlotStepCore"],
                     limit = rates_["BM_PlotStepHandWrittenLimit"],
                     peer = rates_["BM_PlotStepMuparserPeer"];
        if (core > 0 && limit > 0)
            std::printf("core / hand-written limit: %.1f %% (target 70 %%)\n", 100 * core / limit);
        if (core > 0 && peer > 0) std::printf("core / muparser peer: %.1f %%\n", 100 * core / peer);
    }

  private:
    std::map<std::string, double> rates_;
};

} // namespace

int main(int argc, char** argv) {
    if (!handLoopMatchesCore(300000)) {
        std::fprintf(stderr, "the hand-written loop does not draw what the core draws\n");
        return 1;
    }
    std::printf("hand-written loop draws exactly what the core draws (300000 steps)\n");
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
