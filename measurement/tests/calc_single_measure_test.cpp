// The single gear trial: design values, span, chord and pins of external
// and internal gears in both solve modes, and its stops.
#include "measurement/calc/single_measure.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace measurement;

namespace {

constexpr double kTol = 1e-6;
constexpr double kPi = 3.141592653589793;
double deg(double rad) { return rad * 180 / kPi; }

SingleInput spur(std::uint32_t z, double da, GearType type = GearType::External,
                 SolveMode mode = SolveMode::HelixGiven) {
    return {.type = type, .mode = mode, .mn = 2, .z = z, .da = da};
}

}  // namespace

// Worked by hand for the spur external gear Z 20, mn 2, da 44 (αn 20°, ha* 1,
// c* 0.25): d = 40, ha = 2, xn = 0; k′ = tan 20°·20/π − inv 20°·20/π + 0.5;
// W = (20·inv 20° + 2.5π)·cos 20°·2; sc = cos²20°·π; the pin angle is the
// 415 858th step of the 1e-6 search (an exact inverse gives Mp 44.449770).
TEST(SingleTrial, SpurExternalHelixGiven) {
    auto r = singleTrial(spur(20, 44));
    ASSERT_TRUE(r) << r.error();
    EXPECT_NEAR(r->d, 40, kTol);
    EXPECT_NEAR(r->ha, 2, kTol);
    EXPECT_NEAR(r->xn, 0, kTol);
    EXPECT_NEAR(r->hf, 2.5, kTol);
    EXPECT_NEAR(r->df, 35, kTol);
    EXPECT_NEAR(r->db, 37.587705, kTol);
    EXPECT_NEAR(deg(r->alphaAtRad), 31.321258, kTol);
    EXPECT_NEAR(r->dp, 3.36, kTol);
    EXPECT_EQ(r->kw, 3u);
    EXPECT_NEAR(r->w, 15.320879, kTol);
    EXPECT_NEAR(r->sc, 2.774096, kTol);
    EXPECT_NEAR(r->hc, 1.495156, kTol);
    EXPECT_NEAR(r->mp, 44.449785, kTol);
    EXPECT_EQ(r->hint, "");
    auto am = pinPressureAngle(pinGear(spur(20, 44), *r), r->dp);
    ASSERT_TRUE(am);
    EXPECT_NEAR(*am, 0.415858, 1e-9);
    auto dm = pinDeviation(pinGear(spur(20, 44), *r), r->dp, 0.05);
    ASSERT_TRUE(dm);
    EXPECT_NEAR(*dm, 0.123770, kTol);
}

// Table of worked examples.
TEST(SingleTrial, TableOfExamples) {
    struct Case {
        const char* name;
        SingleInput in;
        double w, mp;
        std::uint32_t kw;
    };
    SingleInput shift = spur(20, 44, GearType::External, SolveMode::ShiftGiven);
    const Case cases[] = {
        {"odd Z 21", spur(21, 46), 15.348890, 46.333137, 3},
        {"internal Z 60", spur(60, 116, GearType::Internal), 39.821489, 114.617747, 7},
        {"shift given Z 20", shift, 15.320879, 44.780051, 3},
    };
    for (const Case& c : cases) {
        auto r = singleTrial(c.in);
        ASSERT_TRUE(r) << c.name << ": " << r.error();
        EXPECT_NEAR(r->w, c.w, kTol) << c.name;
        EXPECT_NEAR(r->mp, c.mp, kTol) << c.name;
        EXPECT_EQ(r->kw, c.kw) << c.name;
    }
}

TEST(SingleTrial, ShiftGivenSpurShowsSmallHelixHint) {
    auto r = singleTrial(spur(20, 44, GearType::External, SolveMode::ShiftGiven));
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->betaRad, 0, 1e-12);
    EXPECT_EQ(r->beta, (HelixAngle{0, 0, 0}));
    EXPECT_NEAR(r->dp, 3.456, kTol);
    EXPECT_EQ(r->hint, kMsgSmallHelixExternal);
}

// Internal Z 60, da 116: K = 1/(60·tan²20°), h from the quadratic, Δ = K·h².
TEST(SingleTrial, InternalHelixGiven) {
    auto r = singleTrial(spur(60, 116, GearType::Internal));
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->k, 0.125811, kTol);
    EXPECT_NEAR(r->xn, -0.173151, kTol);
    EXPECT_NEAR(r->df, 124.307396, kTol);
    EXPECT_EQ(r->hint, "考虑了齿顶高系数减少0.17,以避免内齿轮齿顶与小齿轮齿根干涉。\n");
}

// Every stop names its message and gives no result.
TEST(SingleTrial, Stops) {
    struct Case {
        const char* name;
        SingleInput in;
        const char* msg;
    };
    SingleInput helical = spur(28, 55, GearType::Internal);
    SingleInput smallInternalTip = spur(60, 100, GearType::Internal);   // ha 10: 1 − 4·K·ha/mn < 0
    SingleInput noHelix = spur(20, 40, GearType::External, SolveMode::ShiftGiven);  // mt < mn
    SingleInput internalShift = spur(60, 110, GearType::Internal, SolveMode::ShiftGiven);  // Δ < 0 → cos β 0
    SingleInput noShiftRoom = spur(60, 116, GearType::Internal, SolveMode::ShiftGiven);
    noShiftRoom.xn = 1.0;  // (ha* − xn)² = 0
    SingleInput missing = spur(20, 0);
    const Case cases[] = {
        {"internal spur Z 30, K 0.2516", spur(30, 56, GearType::Internal), kMsgInternalInterference},
        {"internal Z 28 β 0°, K 0.2696", helical, kMsgInternalInterference},
        {"internal root of a negative number", smallInternalTip, kMsgUndefinedTip},
        {"external shift given, mt < mn", noHelix, kMsgUndefinedHelix},
        {"internal shift given, ha* = xn", noShiftRoom, kMsgUndefinedHelix},
        {"tip inside the base circle", spur(20, 36), kMsgTipInsideBase},
        {"incomplete", missing, kMsgIncomplete},
    };
    for (const Case& c : cases) {
        auto r = singleTrial(c.in);
        ASSERT_FALSE(r) << c.name;
        EXPECT_EQ(r.error(), c.msg) << c.name;
    }
    auto top = singleTrial(internalShift);
    ASSERT_FALSE(top);
    EXPECT_NE(top.error().find("有可能发生顶切"), std::string::npos);
    // β 15° passes with K 0.2430.
    helical.beta = {15, 0, 0};
    auto ok = singleTrial(helical);
    ASSERT_TRUE(ok) << ok.error();
    EXPECT_NEAR(ok->k, 0.2430, 1e-4);
}

// Zv 12 (Z 12, β 0): 0.9375 − 0.0625·12 = 0.1875, 0.127026·12^0.74446 ≈ 0.808.
TEST(SingleTrial, ShiftWarnings) {
    EXPECT_EQ(shiftWarning(0.15, 12), kMsgUndercut);
    EXPECT_EQ(shiftWarning(0.85, 12), kMsgPointed);
    EXPECT_EQ(shiftWarning(0.5, 12), "");
    // xn 0.15 at Z 12: da = 2·(1 + 0.15)·2 + 24.
    auto r = singleTrial(spur(12, 28.6));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->hint, kMsgUndercut);
    // In the shift-given mode the warning uses this trial's Zv, not the field's.
    SingleInput s = spur(20, 44, GearType::External, SolveMode::ShiftGiven);
    s.xn = 0.5;
    s.da = 2 * (1 + 0.5) * 2 + 40 / std::cos(0.3);  // β 0.3 rad, Zv ≈ 23.4: no warning
    auto h = singleTrial(s);
    ASSERT_TRUE(h) << h.error();
    EXPECT_EQ(h->hint, "");
    EXPECT_NEAR(h->betaRad, 0.3, 1e-9);
}

// The pin term carries the base helix factor: one pin, one Mp (Z 20, mn 2,
// β 15°, xn 0 gives 45.869036 with dp/(mn·Z·cos αn)).
TEST(SingleTrial, HelicalPinUsesNormalTerm) {
    SingleInput in = spur(20, 0);
    in.beta = {15, 0, 0};
    in.da = 2 * 2 + 40 / std::cos(15 * kPi / 180);
    auto r = singleTrial(in);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->xn, 0, 1e-9);
    EXPECT_NEAR(r->mp, 45.869036, kTol);
    EXPECT_NEAR(*pinDimension(pinGear(in, *r), r->dp), r->mp, 1e-12);
}

TEST(SingleTrial, PinLimits) {
    EXPECT_EQ(pinRefusal(GearType::External, 2, 3.0).value_or(""), "测棒直径尽可能接近3.464mm取值");
    EXPECT_FALSE(pinRefusal(GearType::Internal, 2, 3.0));
    EXPECT_FALSE(pinRefusal(GearType::External, 2, 3.2));
    EXPECT_FALSE(pinRefusal(GearType::External, 2, 3.8));
    EXPECT_EQ(pinRefusal(GearType::Internal, 2, 3.5).value_or(""), "测棒直径尽可能接近3.360mm取值");
}

TEST(Sliders, OneScaleBothWays) {
    EXPECT_DOUBLE_EQ(shiftFromSlider(80), 0.45);
    EXPECT_DOUBLE_EQ(shiftFromSlider(50), 0);
    EXPECT_EQ(sliderFromShift(0.45), 80);
    EXPECT_EQ(sliderFromShift(-0.3), 30);
    EXPECT_EQ(sliderFromShift(5), 100);
    EXPECT_EQ(sliderFromShift(-5), 0);
    for (int p = 0; p <= 100; p += 10) EXPECT_EQ(sliderFromShift(shiftFromSlider(p)), p) << p;
}

TEST(Helix, SplitAndJoin) {
    EXPECT_NEAR(helixRadians({15, 30, 36}), 15.51 * kPi / 180, 1e-15);
    HelixAngle h = splitHelix(15.51 * kPi / 180);
    EXPECT_EQ(h.deg, 15u);
    EXPECT_EQ(h.min, 30u);
    EXPECT_NEAR(h.sec, 36, 1e-6);
}
