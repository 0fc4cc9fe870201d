// The density renderer's rate on one and two threads beside the orbit stage
// alone (the formulas only, one thread), in alternating rounds; medians of
// wall-clock rates, and of rates per CPU second (the process's user and system
// time), which a machine busy with other work changes far less.
//
//   studio_bench [--rounds R] [--orbits N]

#include "render/orbitStage.h"
#include "studio/densityRenderer.h"
#include "studioTestSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <vector>

using namespace gyrelune;

namespace {

double seconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double cpuSeconds() {
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    auto time = [](const timeval& t) { return double(t.tv_sec) + 1e-6 * double(t.tv_usec); };
    return time(use.ru_utime) + time(use.ru_stime);
}

struct Rate {
    double wall, cpu; // points per second, per CPU second
};

Rate rateOf(std::uint64_t points, double wallStart, double cpuStart) {
    return {double(points) / (seconds() - wallStart), double(points) / (cpuSeconds() - cpuStart)};
}

StudioSettings benchSettings() {
    StudioSettings s = smallStudioSettings();
    s.document.angleX = Real48();
    s.width = std::getenv("W") ? std::atoi(std::getenv("W")) : 1920;
    s.height = s.width * 9 / 16;
    s.orbitLength = 65536;
    s.transient = 1024;
    return s;
}

// Points per second of the renderer over `orbits` orbits.
Rate rendererRate(int threads, std::uint64_t orbits) {
    StudioSettings s = benchSettings();
    s.threads = threads;
    DensityRenderer renderer(s);
    Accumulation grid;
    grid.header = renderer.header();
    grid.allocate();
    const double start = seconds(), cpuStart = cpuSeconds();
    renderer.render(grid, 0, orbits);
    return rateOf(orbits * s.orbitLength, start, cpuStart);
}

// Points per second of the orbit stage alone: the same walks, no grid.
Rate orbitStageRate(std::uint64_t orbits) {
    const StudioSettings s = benchSettings();
    OrbitStage stage(0u);
    stage.setIdentity();
    stage.takeFormulas(s.document.formulaX, s.document.formulaY, s.document.formulaZ);
    double sink = 0;
    const double start = seconds(), cpuStart = cpuSeconds();
    for (std::uint64_t k = 0; k < orbits; ++k) {
        stage.restore({0, 0, 0, std::uint32_t(k)});
        stage.restartAtRandom();
        for (std::uint32_t i = 0; i < s.transient + s.orbitLength; ++i)
            sink += stage.next().x;
    }
    const Rate rate = rateOf(orbits * s.orbitLength, start, cpuStart);
    if (sink == 42) std::puts("");
    return rate;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    int rounds = 5;
    std::uint64_t orbits = 16;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--rounds")) rounds = std::atoi(argv[i + 1]);
        if (!std::strcmp(argv[i], "--orbits")) orbits = std::strtoull(argv[i + 1], nullptr, 10);
    }
    std::vector<double> stage, one, two, stageCpu, oneCpu, twoCpu;
    for (int r = 0; r < rounds; ++r) {
        const Rate a = orbitStageRate(orbits / 2), b = rendererRate(1, orbits / 2),
                   c = rendererRate(2, orbits);
        stage.push_back(a.wall);
        one.push_back(b.wall);
        two.push_back(c.wall);
        stageCpu.push_back(a.cpu);
        oneCpu.push_back(b.cpu);
        twoCpu.push_back(c.cpu);
        std::printf("round %d: orbit stage %.3g, renderer 1 thread %.3g, 2 threads %.3g points/s "
                    "(per CPU second: %.3g, %.3g, %.3g)\n",
                    r + 1, a.wall, b.wall, c.wall, a.cpu, b.cpu, c.cpu);
    }
    const double s = median(stage), r1 = median(one), r2 = median(two);
    const double sc = median(stageCpu), r1c = median(oneCpu), r2c = median(twoCpu);
    std::printf("\nmedians, wall clock (points/s): orbit stage alone %.4g; renderer 1 thread %.4g; "
                "2 threads %.4g\n",
                s, r1, r2);
    std::printf("2 threads / 1 thread: %.2fx (target 1.9x)\n", r2 / r1);
    std::printf("renderer per thread / orbit stage: %.1f %% (target 85 %%)\n", 100 * r1 / s);
    std::printf("per CPU second: orbit stage %.4g; renderer 1 thread %.4g; 2 threads %.4g\n", sc,
                r1c, r2c);
    std::printf("renderer / orbit stage per CPU second: %.1f %%; 2 threads' work per CPU second "
                "/ 1 thread's: %.1f %%\n",
                100 * r1c / sc, 100 * r2c / r1c);
    return 0;
}
