// One trial of the measurement calculators per solve mode (spur gear Z 20,
// mn 2, da 44): the span, chord and pin dimension with its 1e-6 rad search.
#include <benchmark/benchmark.h>

#include "measurement/calc/pair_measure.h"
#include "measurement/calc/single_measure.h"

namespace {

using namespace measurement;

void singleTrialMode(benchmark::State& state, GearType type, SolveMode mode, double da) {
    const SingleInput in{.type = type, .mode = mode, .mn = 2, .z = type == GearType::External ? 20u : 60u, .da = da};
    for (auto _ : state) benchmark::DoNotOptimize(singleTrial(in));
}

BENCHMARK_CAPTURE(singleTrialMode, externalHelixGiven, GearType::External, SolveMode::HelixGiven, 44.0)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(singleTrialMode, externalShiftGiven, GearType::External, SolveMode::ShiftGiven, 44.0)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(singleTrialMode, internalHelixGiven, GearType::Internal, SolveMode::HelixGiven, 116.0)
    ->Unit(benchmark::kMicrosecond);

// The pair Z1 20, Z2 40 at a' 61 (4e-6 rad search for both pins).
void pairTrialExternal(benchmark::State& state) {
    const PairInput in{.mesh = MeshType::External, .mn = 2, .z1 = 20, .z2 = 40, .da1 = 44, .da2 = 84, .aw = 61};
    for (auto _ : state) benchmark::DoNotOptimize(pairTrial(in, {}));
}
BENCHMARK(pairTrialExternal)->Unit(benchmark::kMicrosecond);

}  // namespace
