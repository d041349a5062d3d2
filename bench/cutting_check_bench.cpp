// One check run of the internal worked example with both gears shaped by
// one cutter: two inverse involutes at the fine step 4e-8 rad.
#include <benchmark/benchmark.h>

#include "cylindrical/calc/cutter_scheme.h"
#include "cylindrical/calc/cutting_check.h"

namespace {

void BM_InternalPairSameCutter(benchmark::State& state) {
    using namespace cylindrical;
    const double alpha20 = 20 * 3.141592653589793 / 180;
    const DesignedPair pair{.z1 = 20, .z2 = 34, .mn = 2, .alphaN = alpha20, .beta = 0, .haStar = 1,
                            .xn1 = 0.4026, .xn2 = 1.0129, .a = 15, .internal = true};
    const double d0 = cutterReferenceDiameter(17, 2);
    const Cutter cutter{.z0 = 17, .d0 = d0, .da0 = cutterTipDiameter(d0, 1.25, 0, 2), .ha0 = 1.25, .x0 = 0};
    const CutterScheme scheme{.pinionHobbed = 0, .gearHobbed = 0, .sameCutter = 1, .cutter1 = cutter,
                              .cutter2 = cutter};
    for (auto _ : state) {
        auto r = checkDesignedPair(pair, scheme);
        benchmark::DoNotOptimize(r);
        if (!r) state.SkipWithError("check refused");
    }
}
BENCHMARK(BM_InternalPairSameCutter);

}  // namespace
