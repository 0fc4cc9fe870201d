// Points per second of the whole render loop (gyrelune-cli render's passes)
// for the default attractor at 600x600, side by side in one process:
// the core as it was before the loop was split in two stages (a frozen copy),
// today's loop on one thread, the two-stage pipeline, the adaptive loop, and
// the hand-written exact loop. The variants run in alternating rounds so that
// a change in the machine's load hits them alike; rates are medians over the
// rounds, in wall-clock time. Also the single-thread cost of each stage.
//
//   render_loop_bench [--rounds N] [--passes N] [--spin]
// --spin keeps a process spinning on the last processor meanwhile.

#include "handLoop.h"
#include "handMap.h"
#include "previousMap.h"
#include "render/orbitPipeline.h"
#include "render/renderCore.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace gyrelune;
using namespace gyrelune::bench;
using Clock = std::chrono::steady_clock;

struct PublishOnly : RenderCore::Driver {
    void synchronisedRestart(RenderCore& core) override { core.applyPendingSettings(); }
    void synchronisedHandOff(RenderCore& core) override { core.handOffPicture(nullptr); }
};
struct PreviousPublishOnly : previous::PreviousCore::Driver {
    void synchronisedRestart(previous::PreviousCore& core) override { core.applyPendingSettings(); }
    void synchronisedHandOff(previous::PreviousCore& core) override {
        core.handOffPicture(nullptr);
    }
};

struct Variant {
    Variant(const char* label, std::function<void(std::uint64_t)> loop)
        : name(label), run(std::move(loop)) {}
    const char* name;
    std::function<void(std::uint64_t passes)> run;
    std::vector<double> rates;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

std::string cpuName() {
    std::ifstream info("/proc/cpuinfo");
    for (std::string line; std::getline(info, line);)
        if (line.rfind("model name", 0) == 0) return line.substr(line.find(':') + 2);
    return "unknown";
}

std::string loadAverage() {
    std::ifstream load("/proc/loadavg");
    std::string one, five, fifteen;
    load >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// A child process that spins on the last processor until killed.
pid_t startSpinner() {
    const pid_t child = fork();
    if (child != 0) return child;
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(int(sysconf(_SC_NPROCESSORS_ONLN)) - 1, &set);
    sched_setaffinity(0, sizeof set, &set);
    volatile unsigned long spin = 0;
    for (;;)
        spin = spin + 1;
}

double threadCpuNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
}

// CPU time per point of each stage alone, on this thread.
void stageBreakdown(std::uint64_t points) {
    RandomGenerator random;
    RenderCore core(random);
    setUpDefault(core, side);
    std::vector<StoredOrbitPoint> orbit(points);
    const double start = threadCpuNs();
    for (StoredOrbitPoint& point : orbit)
        point = core.orbit().next();
    const double orbitDone = threadCpuNs();
    for (const StoredOrbitPoint& point : orbit)
        core.rasterStep(point);
    const double rasterDone = threadCpuNs();
    std::printf("stages on one thread, CPU per point: orbit (store, three formulas) %.0f ns, "
                "raster (rotation ... shading) %.0f ns\n",
                (orbitDone - start) / double(points), (rasterDone - orbitDone) / double(points));
}

} // namespace

int main(int argc, char** argv) {
    int rounds = 5;
    std::uint64_t passes = 1000000;
    bool spin = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--rounds") && i + 1 < argc) rounds = std::atoi(argv[++i]);
        if (!std::strcmp(argv[i], "--passes") && i + 1 < argc)
            passes = std::strtoull(argv[++i], nullptr, 10);
        if (!std::strcmp(argv[i], "--spin")) spin = true;
    }
    const pid_t spinner = spin ? startSpinner() : 0;
    std::printf("CPU: %s; %ld processors; load average before: %s%s\n", cpuName().c_str(),
                sysconf(_SC_NPROCESSORS_ONLN), loadAverage().c_str(),
                spin ? "; a process spins on the last processor" : "");

    previous::RandomGenerator previousRandom;
    RandomGenerator oneRandom, twoRandom, adaptiveRandom;
    previous::PreviousCore previousCore(previousRandom);
    EngineOrbitMap previousMap(formulaTexts);
    RenderCore oneCore(oneRandom), twoCore(twoRandom), adaptiveCore(adaptiveRandom);
    setUpPrevious(previousCore, previousMap, side);
    for (RenderCore* core : {&oneCore, &twoCore, &adaptiveCore})
        setUpDefault(*core, side);
    PreviousPublishOnly previousDriver;
    PublishOnly driver;
    OrbitPipeline two(twoCore.orbit(), OrbitPipeline::Mode::twoThreads);
    OrbitPipeline adaptive(adaptiveCore.orbit(), OrbitPipeline::Mode::adaptive);
    HandLoop<HandMap> hand;

    std::vector<Variant> variants = {
        {"previous core, one thread",
         [&](std::uint64_t n) {
             for (std::uint64_t i = 0; i < n; ++i)
                 previousCore.executePass(previousDriver);
         }},
        {"today's loop, one thread",
         [&](std::uint64_t n) {
             for (std::uint64_t i = 0; i < n; ++i)
                 oneCore.executePass(driver);
         }},
        {"pipeline, two threads",
         [&](std::uint64_t n) {
             for (std::uint64_t i = 0; i < n; ++i)
                 twoCore.executePass(driver, &two);
         }},
        {"adaptive loop",
         [&](std::uint64_t n) {
             adaptive.restartMeasurement();
             for (std::uint64_t i = 0; i < n; ++i)
                 adaptiveCore.executePass(driver, &adaptive);
         }},
        {"hand-written exact loop, one thread",
         [&](std::uint64_t n) {
             for (std::uint64_t i = 0; i < n; ++i)
                 hand.step();
         }},
    };
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t k = 0; k < variants.size(); ++k) {
            Variant& v = variants[(k + std::size_t(round)) % variants.size()];
            const Clock::time_point start = Clock::now();
            v.run(passes);
            v.rates.push_back(double(passes) /
                              std::chrono::duration<double>(Clock::now() - start).count());
        }
    }
    two.stop();
    adaptive.stop();

    const bool same =
        samePicture(previousCore.picture(), oneCore.picture()) &&
        oneCore.picture() == twoCore.picture() && twoCore.picture() == adaptiveCore.picture() &&
        std::memcmp(oneCore.picture().bits(), hand.picture().data(), hand.picture().size()) == 0 &&
        previousCore.pointCount() == adaptiveCore.pointCount() &&
        oneRandom.seed() == twoRandom.seed();
    const double before = median(variants[0].rates);
    std::printf("%-38s %14s %10s\n", "loop", "points/s", "/ previous");
    for (const Variant& v : variants)
        std::printf("%-38s %14.0f %10.2f\n", v.name, median(v.rates), median(v.rates) / before);
    const OrbitPipeline::Statistics s = adaptive.statistics();
    std::printf("adaptive: %llu points on one thread, %llu on two, %d switches\n",
                (unsigned long long)s.oneThreadPoints, (unsigned long long)s.twoThreadPoints,
                s.modeSwitches);
    const OrbitPipeline::Statistics t = two.statistics();
    std::printf("pipeline: the raster side waited for an empty ring %llu times, the orbit side "
                "for a full one %llu times\n",
                (unsigned long long)t.ringEmptyWaits, (unsigned long long)t.ringFullWaits);
    stageBreakdown(passes);
    std::printf("load average after: %s\n", loadAverage().c_str());
    if (spinner) {
        kill(spinner, SIGKILL);
        waitpid(spinner, nullptr, 0);
    }
    std::printf("%s\n",
                same ? "all loops drew the same picture" : "THE LOOPS DREW DIFFERENT PICTURES");
    return same ? 0 : 1;
}
