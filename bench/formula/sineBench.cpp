// The x87 fsin/fcos that the engine uses, against glibc's sinl/cosl.

#include "formula/extendedMath.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

std::vector<long double> arguments() {
    std::vector<long double> a(1024);
    for (std::size_t i = 0; i < a.size(); ++i)
        a[i] = -20.0L + 40.0L * i / a.size();
    return a;
}

template <long double (*F)(long double)> void runOver(benchmark::State& state) {
    const std::vector<long double> a = arguments();
    for (auto _ : state) {
        long double sum = 0;
        for (long double v : a)
            sum += F(v);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * a.size());
}

long double glibcSin(long double a) {
    return sinl(a);
}
long double glibcCos(long double a) {
    return cosl(a);
}

void BM_fsin(benchmark::State& s) {
    runOver<gyrelune::sinExtended>(s);
}
void BM_sinl(benchmark::State& s) {
    runOver<glibcSin>(s);
}
void BM_fcos(benchmark::State& s) {
    runOver<gyrelune::cosExtended>(s);
}
void BM_cosl(benchmark::State& s) {
    runOver<glibcCos>(s);
}
BENCHMARK(BM_fsin);
BENCHMARK(BM_sinl);
BENCHMARK(BM_fcos);
BENCHMARK(BM_cosl);

} // namespace
