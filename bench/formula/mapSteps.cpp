// Runs N steps of one variant of the default map, for instruction counts:
//   valgrind --tool=callgrind --toggle-collect='*runSteps*' formula_map_steps new 100000
// gives the instructions of N steps alone in the collected total.

#include "bench/formula/defaultMaps.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using namespace gyrelune::bench;

template <typename Map> [[gnu::noinline]] Point runSteps(Map& map, long steps) {
    Point p;
    for (long i = 0; i < steps; ++i)
        p = map.step(p);
    return p;
}

template <typename Map> int run(long steps) {
    Map map;
    const Point p = runSteps(map, steps);
    std::printf("%ld steps, last point %.17g %.17g %.17g\n", steps, p.x, p.y, p.z);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const char* variant = argc > 1 ? argv[1] : "";
    const long steps = argc > 2 ? std::atol(argv[2]) : 100000;
    if (std::strcmp(variant, "new") == 0) return run<EngineMap>(steps);
    if (std::strcmp(variant, "old") == 0) return run<PreviousMap>(steps);
    if (std::strcmp(variant, "hand") == 0) return run<HandWrittenMap>(steps);
    if (std::strcmp(variant, "muparser") == 0) return run<MuParserMap>(steps);
    std::fprintf(stderr, "usage: formula_map_steps new|old|hand|muparser [steps]\n");
    return 2;
}
