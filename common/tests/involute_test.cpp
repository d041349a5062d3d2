#include "common/calc/involute.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "common/calc/angle_split.h"
#include "fw/format.h"

using namespace kavrin;

namespace {

constexpr double kPi = 3.141592653589793;

TEST(Involute, KnownValuesAndUnits) {
    // inv 20° as the converter shows it (15 significant digits), from tables of the involute function.
    auto inv20 = invFunc(20, kUnitDegree);
    ASSERT_TRUE(inv20);
    EXPECT_EQ(fw::formatNumber(*inv20), "0.0149043838673364");
    EXPECT_EQ(*invFunc(20 * kPi / 180, kUnitRadian), *inv20);
    // tan 45° − π/4 = 1 − 0.785398…
    EXPECT_NEAR(*invFunc(45, kUnitDegree), 1 - kPi / 4, 1e-15);
    EXPECT_FALSE(invFunc(20, 2));
    EXPECT_FALSE(invFunc(20, -1));
}

TEST(Involute, RangeCheckedFormRefusesOutsideTheOpenQuarter) {
    struct Case { const char* name; double alpha; bool accepted; };
    const Case cases[] = {
        {"zero is outside 0 < α", 0.0, false},
        {"negative", -0.1, false},
        {"π/2 itself", kPi / 2, false},
        {"beyond π/2", 2.0, false},
        {"20°", 20 * kPi / 180, true},
        {"just below π/2", 1.5707963267948, true},
        {"NaN", std::nan(""), false},
    };
    for (const auto& c : cases) {
        auto v = invChecked(c.alpha);
        EXPECT_EQ(v.has_value(), c.accepted) << c.name;
        if (v) {
            EXPECT_EQ(*v, std::tan(c.alpha) - c.alpha) << c.name;
        }
    }
}

TEST(Involute, InverseIsTheFirstStepThatReachesTheValue) {
    double inv20 = *invFunc(20, kUnitDegree);
    auto alpha = arcInvStep(inv20, kInvStepGeometry);
    ASSERT_TRUE(alpha);
    EXPECT_GE(std::tan(*alpha) - *alpha, inv20);
    double before = *alpha - kInvStepGeometry;
    EXPECT_LT(std::tan(before) - before, inv20);
    // The converter's "α=" on inv 20° shows 20°0′0″.
    auto dms = splitDecimalDegrees(*alpha * 180 / kPi);
    ASSERT_TRUE(dms);
    EXPECT_EQ(*dms, (AngleTriple{20, 0, 0}));

    auto deg = arcInvFunc(inv20, kUnitDegree);
    ASSERT_TRUE(deg);
    EXPECT_GE(*deg, 20 - 1e-9);
    EXPECT_LT(*deg, 20 + kInvStepFine * 180 / kPi);
    auto rad = arcInvFunc(inv20, kUnitRadian);
    ASSERT_TRUE(rad);
    EXPECT_EQ(*rad, *arcInvStep(inv20, kInvStepFine));
    EXPECT_EQ(*deg, *rad * (180 / kPi));
    EXPECT_FALSE(arcInvFunc(inv20, 5));
}

TEST(Involute, InverseEdgeValues) {
    struct Case { const char* name; double value; double step; std::optional<double> expected; };
    const Case cases[] = {
        {"zero gives 0 at once", 0.0, kInvStepFine, 0.0},
        {"negative gives 0", -1.0, kInvStepFine, 0.0},
        {"negative with a bad step still gives 0", -1.0, 0.0, 0.0},
        {"NaN target", std::nan(""), kInvStepFine, std::nullopt},
        {"infinite target stops at π/2", INFINITY, 1e-2, std::nullopt},
        {"huge target stops at π/2", 1e17, 1e-3, std::nullopt},
        {"zero step", 0.01, 0.0, std::nullopt},
        {"negative step", 0.01, -1e-6, std::nullopt},
        {"NaN step", 0.01, std::nan(""), std::nullopt},
        // Steps below half an ulp of the angles reached make the sequence stall
        // long before π/2; the search reports it instead of spinning.
        {"stalling step", 1.0, 1e-17, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(arcInvStep(c.value, c.step), c.expected) << c.name;
        if (c.step != 1e-17) {
            EXPECT_EQ(arcInvStepPlain(c.value, c.step), c.expected) << c.name;
        }
    }
}

TEST(Involute, LastAngleBelowHalfPiIsStillFound) {
    // Step 0.1: the terms run 0.1, 0.2, …; the last one below π/2 is the 15th.
    double last = 0;
    for (int k = 0; k < 15; ++k) last += 0.1;
    ASSERT_LT(last, kHalfPi);
    ASSERT_GE(last + 0.1, kHalfPi);
    double invLast = std::tan(last) - last;
    EXPECT_EQ(arcInvStep(invLast, 0.1), last);
    EXPECT_EQ(arcInvStepPlain(invLast, 0.1), last);
    EXPECT_EQ(arcInvStep(std::nextafter(invLast, INFINITY), 0.1), std::nullopt);
    EXPECT_EQ(arcInvStepPlain(std::nextafter(invLast, INFINITY), 0.1), std::nullopt);
}

// Compares the fast search with the plain loop for `count` targets whose
// inverse lies below `maxAngle`, drawn log-uniformly.
void compareWithLoop(double step, int count, double maxAngle, std::uint64_t seed) {
    std::mt19937_64 gen(seed);
    double maxValue = std::tan(maxAngle) - maxAngle;
    std::uniform_real_distribution<double> logValue(std::log(1e-14), std::log(maxValue));
    for (int n = 0; n < count; ++n) {
        double v = std::exp(logValue(gen));
        if (n % 10 == 0) v = *invFunc(step * (1 + n % 97), kUnitRadian);  // exactly on a term's involute
        auto fast = arcInvStep(v, step);
        auto plain = arcInvStepPlain(v, step);
        ASSERT_EQ(fast, plain) << "step " << step << " value " << fw::format("%.17g", v);
    }
}

TEST(InvolutePropertyTest, AgreesWithThePlainLoopAtCoarseSteps) {
    compareWithLoop(1e-3, 3000, 1.5707, 1);
    compareWithLoop(3.7e-4, 3000, 1.5707, 2);
    compareWithLoop(1e-4, 2000, 1.5707, 3);
}

TEST(InvolutePropertyTest, AgreesWithThePlainLoopAtTheCallersSteps) {
    compareWithLoop(kInvStepFine, 300, 0.3, 4);
    compareWithLoop(kInvStepGeometry, 300, 1.05, 5);
    compareWithLoop(kInvStepCheck, 6, 0.02, 6);
}

TEST(InvolutePropertyTest, AgreesWithThePlainLoopForArbitrarySteps) {
    // Random steps hit every rounding case: exact sums, ties to even, steps
    // larger than the first angles, crossings of many exponent ranges.
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> logStep(std::log(2e-4), std::log(0.7));
    std::uniform_real_distribution<double> logValue(std::log(1e-12), std::log(1e17));
    for (int n = 0; n < 3000; ++n) {
        double h = std::exp(logStep(gen));
        double v = std::exp(logValue(gen));
        ASSERT_EQ(arcInvStep(v, h), arcInvStepPlain(v, h))
            << fw::format("step %a value %.17g", h, v);
    }
}

TEST(CheckOddEven, RemainderWithTheSignOfN) {
    struct Case { int n; int expected; };
    const Case cases[] = {{0, 0}, {17, 1}, {20, 0}, {-3, -1}, {-4, 0}, {2147483647, 1}, {-2147483647 - 1, 0}};
    for (const auto& c : cases) EXPECT_EQ(CheckOddEven(c.n), c.expected) << c.n;
}

TEST(AngleSplit, ConverterAndCarryRules) {
    struct Case { const char* name; double degrees; AngleTriple converter; AngleTriple carried; };
    const Case cases[] = {
        // The converter shows 60″ without carry (its documented behaviour).
        {"12.99999", 12.99999, {12, 59, 60}, {13, 0, 0}},
        {"20 exactly", 20.0, {20, 0, 0}, {20, 0, 0}},
        {"zero", 0.0, {0, 0, 0}, {0, 0, 0}},
        // 15.5620585° = 15°33′43.41″ (worked example of the preliminary design).
        {"helix angle", 15.562058500111096, {15, 33, 43}, {15, 33, 43}},
        // 30.25 + 29.5″ = 30°15′29.5″ rounds half up to 30″.
        {"half a second rounds up", 30.25 + 29.5 / 3600, {30, 15, 30}, {30, 15, 30}},
        // A negative helix angle carries too: −10.99999° is −11°0′0″ (by hand:
        // 0.99999 × 60 = 59.9994′, 0.9994 × 60 = 59.964″, rounded 60″).
        {"negative carries", -10.99999, {-10, -59, -60}, {-11, 0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitDecimalDegrees(c.degrees), c.converter) << c.name;
        EXPECT_EQ(splitDegreesCarry(c.degrees), c.carried) << c.name;
    }
    EXPECT_FALSE(splitDecimalDegrees(std::nan("")));
    EXPECT_FALSE(splitDecimalDegrees(1e300));
    EXPECT_FALSE(splitDegreesCarry(-INFINITY));
    EXPECT_DOUBLE_EQ(tripleToDegrees({59, 59, 59}), 59 + 59 / 60.0 + 59 / 3600.0);
    EXPECT_DOUBLE_EQ(tripleToRadians({180, 0, 0}), kPi);
}

// A computed angle is rounded to its shown places first and split after, so
// no part reads 60: an angle a hair below 35° (its split 34°59′59.99999…″)
// shows as 35°0′0.0″, 59.96″ as the next minute.
TEST(AngleSplit, RoundedBeforeItIsShown) {
    struct Case { const char* name; AngleDms in; int places; AngleDms out; const char* shown; };
    const Case cases[] = {
        {"hair below 35°", splitRadiansDms(std::nextafter(35.0, 0.0) * kPi / 180), 1, {35, 0, 0}, "35° 0′0.0″"},
        {"59.96″", {34, 59, 59.96}, 1, {35, 0, 0}, "35° 0′0.0″"},
        {"59.94″ stays", {34, 59, 59.94}, 1, {34, 59, 59.9}, "34°59′59.9″"},
        {"whole seconds", {47, 25, 59.5}, 0, {47, 26, 0}, nullptr},
        {"two places", {37, 28, 26.404}, 2, {37, 28, 26.40}, nullptr},
        // The split's floor holds below zero: −0.5° is −1° + 30′.
        {"negative", {-1, 30, 0.04}, 1, {-1, 30, 0}, nullptr},
        {"negative carry", {-1, 59, 59.97}, 1, {0, 0, 0}, " 0° 0′0.0″"},
    };
    for (const auto& c : cases) {
        const AngleDms r = roundDms(c.in, c.places);
        EXPECT_EQ(r.deg, c.out.deg) << c.name;
        EXPECT_EQ(r.min, c.out.min) << c.name;
        EXPECT_NEAR(r.sec, c.out.sec, 1e-12) << c.name;
        if (c.shown) { EXPECT_EQ(formatDms(c.in), c.shown) << c.name; }
    }
    const AngleDms odd{std::nan(""), 0, 0};
    EXPECT_TRUE(std::isnan(roundDms(odd, 1).deg));
}

}  // namespace

namespace {

TEST(InvoluteConverter, AngleToInvoluteAndBack) {
    struct Case { const char* name; AngleTriple angle; bool accepted; };
    const Case cases[] = {
        {"exactly 60° is refused", {60, 0, 0}, false},
        {"59°59′59″ is accepted", {59, 59, 59}, true},
        {"0° is refused", {0, 0, 0}, false},
        {"20°", {20, 0, 0}, true},
    };
    for (const auto& c : cases) {
        auto v = converterInvolute(tripleToDegrees(c.angle));
        EXPECT_EQ(v.has_value(), c.accepted) << c.name;
    }
    EXPECT_FALSE(converterInvolute(std::nan("")));

    // "α=" on inv 20° shows 20°0′0″; on 0 it shows 0°0′0″.
    auto deg = converterAngle(*converterInvolute(20));
    ASSERT_TRUE(deg);
    EXPECT_EQ(splitDecimalDegrees(*deg), (AngleTriple{20, 0, 0}));
    EXPECT_EQ(splitDecimalDegrees(*converterAngle(0)), (AngleTriple{0, 0, 0}));
    // 0.683 is the largest value accepted; it lies just below 60°.
    auto limit = converterAngle(0.683);
    ASSERT_TRUE(limit);
    EXPECT_GT(*limit, 59.9);
    EXPECT_LT(*limit, 60);
    EXPECT_FALSE(converterAngle(0.6831));
    EXPECT_FALSE(converterAngle(std::nan("")));
}

}  // namespace
