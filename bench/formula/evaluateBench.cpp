// The default map per step through evaluate, the loop it replaced, the
// hand-written map and muparser, measured in one process; the ratios that
// matter are printed after the table, from each benchmark's fastest run.

#include "bench/formula/defaultMaps.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

using namespace gyrelune::bench;

// Both evaluators must walk the hand-written orbit, bit for bit.
template <typename Map> void checkSameOrbit(const char* name) {
    Map map;
    HandWrittenMap hand;
    Point a, b;
    for (int i = 0; i < 100000; ++i) {
        a = map.step(a);
        b = hand.step(b);
        if (a.x != b.x || a.y != b.y || a.z != b.z) {
            std::fprintf(stderr, "%s parts from the hand-written orbit at step %d\n", name, i);
            std::abort();
        }
    }
}

template <typename Map> void stepMap(benchmark::State& state) {
    Map map;
    Point p;
    for (auto _ : state) {
        p = map.step(p);
        benchmark::DoNotOptimize(p);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(stepMap<EngineMap>)->Name("Map/Evaluate");
BENCHMARK(stepMap<PreviousMap>)->Name("Map/PreviousEvaluate");
BENCHMARK(stepMap<HandWrittenMap>)->Name("Map/HandWritten");
BENCHMARK(stepMap<MuParserMap>)->Name("Map/MuParser");

// Keeps each benchmark's smallest CPU time per iteration, in ns: of its
// single runs, or of its medians when only the aggregates are reported.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if ((run.run_type != Run::RT_Iteration && !median) || run.iterations == 0) continue;
            const double ns = run.cpu_accumulated_time * 1e9 / double(run.iterations);
            auto [at, fresh] = fastest.emplace(run.run_name.str(), ns);
            if (!fresh) at->second = std::min(at->second, ns);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> fastest;
};

void printRatio(const RatioReporter& reporter, const char* label, const std::string& over,
                const std::string& under) {
    const auto a = reporter.fastest.find(over), b = reporter.fastest.find(under);
    if (a == reporter.fastest.end() || b == reporter.fastest.end()) return;
    std::printf("%-28s %6.3f  (%.1f / %.1f ns per step)\n", label, a->second / b->second, a->second,
                b->second);
}

} // namespace

int main(int argc, char** argv) {
    checkSameOrbit<EngineMap>("evaluate");
    checkSameOrbit<PreviousMap>("the previous evaluator");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nCPU time ratios, fastest run (or median) of each:\n");
    printRatio(reporter, "evaluate / hand-written", "Map/Evaluate", "Map/HandWritten");
    printRatio(reporter, "previous / evaluate", "Map/PreviousEvaluate", "Map/Evaluate");
    printRatio(reporter, "previous / hand-written", "Map/PreviousEvaluate", "Map/HandWritten");
    printRatio(reporter, "muparser / hand-written", "Map/MuParser", "Map/HandWritten");
    benchmark::Shutdown();
    return 0;
}
