// Candidates per second with 1 and 2 threads over the same candidates, the
// acceptance rate, and a candidate's cost in map steps of a plain loop run in
// the same process.
#include "search/attractorSearch.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

using namespace gyrelune;

namespace {

SearchSettings benchSettings(unsigned jobs, std::uint64_t candidates) {
    SearchSettings settings;
    settings.formulas = {"sin(x*y*a/pi)+y*b+c", "1.795*cos(x)-1.5324*sin(x*1.65/pi)",
                         "1.93*cos(y*x)+0.49*sin(x)"};
    settings.parameters = {{"a", Real48::fromExtended(3), Real48::fromExtended(6)},
                           {"b", Real48::fromExtended(0), Real48::fromExtended(1)},
                           {"c", Real48::fromExtended(0), Real48::fromExtended(1)}};
    settings.wanted = candidates;
    settings.candidateLimit = candidates;
    settings.timeBudgetSeconds = 1e6;
    settings.jobs = jobs;
    return settings;
}

// Map steps per second of the default attractor, one thread, no search around it.
double referenceStepsPerSecond() {
    OrbitStage orbit;
    orbit.compile(benchSettings(1, 1).formulas);
    orbit.setParameter("a", Real48::fromExtended(4.36));
    orbit.setParameter("b", Real48::fromExtended(0.453));
    orbit.setParameter("c", Real48::fromExtended(0.45));
    OrbitPoint point{1, 1, 1};
    constexpr int steps = 2000000;
    const auto started = std::chrono::steady_clock::now();
    EvaluationCodes codes;
    for (int i = 0; i < steps; ++i)
        orbit.step(point, codes);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (point.x == 12345) std::puts("");
    return steps / seconds;
}

std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// CPU time of the whole process: on a shared machine it shows whether a second
// thread costs extra work, whatever the wall clock does.
double processSeconds() {
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const std::uint64_t candidates = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 200;
    constexpr int repetitions = 3;
    std::printf("load average before: %s\n", loadAverage().c_str());
    const double reference = referenceStepsPerSecond();
    std::vector<double> rates[2], cpuPerCandidate[2];
    SearchOutcome last;
    for (int r = 0; r < repetitions; ++r)
        for (unsigned jobs = 1; jobs <= 2; ++jobs) {
            const double cpuBefore = processSeconds();
            last = runSearch(benchSettings(jobs, candidates));
            rates[jobs - 1].push_back(double(last.examined) / last.seconds);
            cpuPerCandidate[jobs - 1].push_back((processSeconds() - cpuBefore) /
                                                double(last.examined));
        }
    const double one = median(rates[0]), two = median(rates[1]);
    const double cpuOne = median(cpuPerCandidate[0]), cpuTwo = median(cpuPerCandidate[1]);
    std::printf("reference loop: %.0f map steps/s (one thread)\n", reference);
    std::printf("1 thread:  %.1f candidates/s (a candidate costs %.0f reference steps)\n", one,
                reference / one);
    std::printf("2 threads: %.1f candidates/s\n", two);
    std::printf("2 threads / 1 thread: %.2f (target at least 1.8 on an idle two-core machine)\n",
                two / one);
    std::printf("CPU time per candidate: %.2f ms with 1 thread, %.2f ms with 2 (ratio %.3f: "
                "the work a second thread adds)\n",
                cpuOne * 1e3, cpuTwo * 1e3, cpuTwo / cpuOne);
    std::printf("over %llu candidates:", (unsigned long long)last.examined);
    for (int v = 0; v < verdictCount - 1; ++v)
        std::printf(" %s %.1f %%%s", verdictName(Verdict(v)),
                    100.0 * double(last.verdicts[std::size_t(v)]) / double(last.examined),
                    v + 2 < verdictCount ? "," : "\n");
    std::printf("load average after: %s\n", loadAverage().c_str());
    return 0;
}
