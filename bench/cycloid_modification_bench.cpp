// The whole profile-modification scan of the worked example (Zc 11, Zp 12,
// rp 100, rrp 10, a 50/12, K1 0.5, δ 0.1116122°, Δj 0.145): 1001 candidates
// of 101 points each.
#include <benchmark/benchmark.h>

#include "cycloid/calc/cex_profile.h"

static void BM_OptimumModification(benchmark::State& state) {
    cycloid::ModificationInputs in;
    in.rp = 100;
    in.rrp = 10;
    in.K1 = 0.5;
    in.a = 50.0 / 12;
    in.delta = 0.1116122;
    in.dj = 0.145;
    in.Zc = 11;
    in.Zp = 12;
    for (auto _ : state) benchmark::DoNotOptimize(cycloid::optimumModification(in));
}
BENCHMARK(BM_OptimumModification)->Unit(benchmark::kMillisecond);
