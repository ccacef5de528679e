// Cost of the number texts that every listing line passes through.
#include <benchmark/benchmark.h>

#include "foundation/SigFig.h"

static void BM_SigFig4Dec3(benchmark::State& state) {
    double x = 1.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kx::SigFig4Dec3(x));
        x = x * 1.37 + 0.1;
        if (x > 1e8) x = 1.0;
    }
}
BENCHMARK(BM_SigFig4Dec3);
