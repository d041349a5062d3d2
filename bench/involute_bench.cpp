// The inverse involute at the finest search step: the plain loop (one
// tangent per step) against the closed-form search that gives the same bits.
#include <benchmark/benchmark.h>

#include "common/calc/involute.h"

namespace {

// 0.0149 is inv 20° (about 8.7·10⁶ steps), 0.683 the converter's limit near
// 60° (about 2.6·10⁷ steps).
void plainLoop(benchmark::State& state, double value) {
    for (auto _ : state) benchmark::DoNotOptimize(kavrin::arcInvStepPlain(value, kavrin::kInvStepCheck));
}
void fastSearch(benchmark::State& state, double value) {
    for (auto _ : state) benchmark::DoNotOptimize(kavrin::arcInvStep(value, kavrin::kInvStepCheck));
}

BENCHMARK_CAPTURE(plainLoop, inv20deg, 0.0149)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fastSearch, inv20deg, 0.0149)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(plainLoop, limit0683, 0.683)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fastSearch, limit0683, 0.683)->Unit(benchmark::kMicrosecond);

}  // namespace
