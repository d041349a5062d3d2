// One calculation of each small-module mounting pattern (mn 0.5, u 2, the
// examples' centre distances): tooth counts, geometry, efficiency and the
// two rod dimensions, each with its 1e-6 rad inverse-involute search.
#include <benchmark/benchmark.h>

#include "smallmodule/calc/smcy_calc.h"

namespace {

using namespace smallmodule;

void pattern(benchmark::State& state, Pattern p, double sigma, double aw, SplitOption option) {
    SmInput in;
    in.pattern = p;
    in.mn = 0.5;
    in.u = 2;
    in.aw = aw;
    in.sigma = sigma;
    const HelixSplit split{option, 0};
    for (auto _ : state) benchmark::DoNotOptimize(calculate(in, split));
}

BENCHMARK_CAPTURE(pattern, parallel, Pattern::Parallel, 0.0, 12.75, SplitOption::Equal)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(pattern, helicalSpur, Pattern::HelicalSpur, 10.0, 13.0, SplitOption::Equal)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(pattern, helicalSumEqual, Pattern::HelicalSum, 45.0, 15.0, SplitOption::Equal)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(pattern, helicalSumOptimised, Pattern::HelicalSum, 45.0, 15.0, SplitOption::Optimised)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(pattern, perpendicular, Pattern::Perpendicular, 90.0, 17.7, SplitOption::Equal)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
