// Page 3's clearances and page 4's profile, optimisation and point files.
// Expected values are worked out by hand from the formulas (π = 3.141592654):
// IT7 with drp 16: 0.018 + 0.045; the chain (drp 20, dp 200, DW 125.7303,
// IT7, sliders at 25): ΔR 0.075, Δwl 0.049, Δpt 0.045, Δc = 0.049·200/125.7303
// + 0.045 + 0.075 = 0.19794, Δj = 0.05 + 0.02 + 0.075, δ = Δc/100·180/π.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "cycloid/calc/cex_clearance.h"
#include "cycloid/calc/cex_profile.h"

using namespace cycloid;

TEST(CexClearance, TablesAndTheirEnds) {
    EXPECT_NEAR(*lubricationClearance(16, 3), 0.063, 1e-12);
    EXPECT_NEAR(*lubricationClearance(120, 4), 0.054 + 0.093, 1e-12);
    EXPECT_NEAR(*lubricationClearance(3, 1), 0.004 + 0.022, 1e-12);
    EXPECT_FALSE(lubricationClearance(120.01, 3));
    EXPECT_FALSE(lubricationClearance(0, 3));
    EXPECT_FALSE(lubricationClearance(16, 0));
    EXPECT_DOUBLE_EQ(*rootDeviation(400), -0.125);
    EXPECT_DOUBLE_EQ(*rootDeviation(800), -0.16);
    EXPECT_FALSE(rootDeviation(800.01));
    EXPECT_FALSE(rootDeviation(0));
    EXPECT_NEAR(radialClearance(-0.125, 0.063), 0.1455, 1e-12);
    // Sliders: 30 takes the first band; the last bands end at 0.09.
    EXPECT_DOUBLE_EQ(pinHoleToleranceRange(30)->min, 0.025);
    EXPECT_DOUBLE_EQ(pitchToleranceRange(30)->max, 0.025);
    EXPECT_FALSE(pinHoleToleranceRange(29.99));
    EXPECT_FALSE(pitchToleranceRange(800.01));
    EXPECT_DOUBLE_EQ(pinHoleToleranceRange(700)->max, 0.09);
    EXPECT_DOUBLE_EQ(pitchToleranceRange(700)->min, 0.08);
    EXPECT_DOUBLE_EQ(pitchToleranceRange(700)->max, 0.09);
    auto r = *pinHoleToleranceRange(200);
    EXPECT_DOUBLE_EQ(toleranceAt(r, 0), 0.046);
    EXPECT_DOUBLE_EQ(toleranceAt(r, 50), 0.052);
    EXPECT_NEAR(toleranceAt(r, 25), 0.049, 1e-15);
}

TEST(CexClearance, TheChain) {
    double dR = *lubricationClearance(20, 3);
    EXPECT_NEAR(dR, 0.075, 1e-12);
    double dwl = toleranceAt(*pinHoleToleranceRange(200), 25);
    double dpt = toleranceAt(*pitchToleranceRange(200), 25);
    EXPECT_NEAR(dpt, 0.045, 1e-12);
    double dc = sideClearance(dwl, 200, 125.73033333333333, dpt, dR);
    EXPECT_NEAR(dc, 0.19794, 5e-6);
    EXPECT_NEAR(radialClearance(*rootDeviation(200), dR), 0.145, 1e-12);
    double delta = angularModification(dc, 200);
    EXPECT_NEAR(delta, 0.113414, 5e-7);
    // The typed angle gives back the side clearance of the button.
    EXPECT_NEAR(sideClearanceOfAngle(delta, 200), dc, 1e-15);
}

namespace {
ModificationInputs example(double delta) {
    ModificationInputs in;
    in.rp = 100;
    in.rrp = 10;
    in.K1 = 0.5;
    in.a = 50.0 / 12;
    in.delta = delta;
    in.dj = 0.145;
    in.Zc = 11;
    in.Zp = 12;
    return in;
}
}  // namespace

TEST(CexProfile, PointsOfTheProfile) {
    // φ = 0: x = R − a − r, y = 0.
    Profile p{100, 10, 0.5, 50.0 / 12, 0, 11, 12};
    EXPECT_NEAR(p.at(0).x, 85.8333, 5e-5);
    EXPECT_NEAR(p.at(0).y, 0, 1e-12);
    // K = 1 at φ = 0 has no point.
    Profile k1{100, 10, 1, 50.0 / 12, 0, 11, 12};
    EXPECT_FALSE(std::isfinite(k1.at(0).x));
}

TEST(CexProfile, OptimumOfTheExamples) {
    auto m = optimumModification(example(0.1116122));
    ASSERT_TRUE(m);
    EXPECT_NEAR(m->drrp, 0.5125, 1e-12);
    EXPECT_NEAR(m->drp, 0.3675, 1e-12);
    EXPECT_NEAR(m->ds, 0.13717, 5e-6);
    EXPECT_NEAR(m->K1m, 0.49817, 5e-6);
    auto chain = optimumModification(example(0.113414));
    ASSERT_TRUE(chain);
    EXPECT_NEAR(chain->drrp, 0.52, 1e-12);
    EXPECT_NEAR(chain->drp, 0.375, 1e-12);
    // The fast scan equals the gap function bit for bit.
    double k = 0;
    EXPECT_EQ(meanProfileGap(example(0.1116122), m->drrp, &k), m->ds);
    EXPECT_NEAR(k, 12 * (50.0 / 12) / (100 + 0.5125 - 0.145), 1e-15);
}

TEST(CexProfile, NoOptimum) {
    ModificationInputs in = example(0.1116122);
    in.rrp = 0;   // step 0: every candidate is 0
    EXPECT_FALSE(optimumModification(in));
    in = example(0.1116122);
    in.K1 = 1;   // S = 0 at φ = 0: every gap is NaN
    EXPECT_FALSE(optimumModification(in));
    // A small turn: the best Δrrp 0.14 is below Δj, Δrp = −0.005.
    auto m = optimumModification(example(0.02));
    ASSERT_TRUE(m);
    EXPECT_NEAR(m->drrp, 0.14, 1e-12);
    EXPECT_LT(m->drp, 0);
}

TEST(CexProfile, PointFiles) {
    auto in = example(0.1116122);
    auto dda = ddaFileBytes(in);
    auto mda = mdaFileBytes(in, 0.3675, 0.5125);
    ASSERT_EQ(dda.size(), 12832u);
    ASSERT_EQ(mda.size(), 6416u);
    double x, y;
    std::memcpy(&x, &dda[401 * 16], 8);   // the standard curve's first point
    std::memcpy(&y, &dda[401 * 16 + 8], 8);
    EXPECT_NEAR(x, 85.8333, 5e-5);
    EXPECT_NEAR(y, 0, 1e-12);
    std::memcpy(&x, &mda[0], 8);
    EXPECT_NEAR(x, 85.6883, 5e-5);   // 100.3675 − 4.1667 − 10.5125
    EXPECT_TRUE(pointsFinite(dda));
    in.K1 = 1;
    EXPECT_FALSE(pointsFinite(ddaFileBytes(in)));
}

TEST(CexProfile, PointFileNames) {
    EXPECT_EQ(ddaDefaultName("/d/work.old/gear.cxd"), "/d/work.old/gear.DDA");
    EXPECT_EQ(mdaDefaultName("/d/work.old/gear.cxd"), "/d/work.old/gear.MDA");
    EXPECT_EQ(mdaDefaultName("/d/gear.v2.cxd"), "/d/gear.MDA");
    EXPECT_EQ(ddaDefaultName("/d/gear.v2.cxd"), "/d/gear.v2.DDA");
    EXPECT_EQ(ddaDefaultName(""), "");
    bool renamed = false;
    EXPECT_EQ(ddaFileName("/d/x.dda", &renamed), "/d/x.DDA");
    EXPECT_TRUE(renamed);
    EXPECT_EQ(ddaFileName("/d/x.DDA", &renamed), "/d/x.DDA");
    EXPECT_FALSE(renamed);
    EXPECT_EQ(mdaFileName("/d/a.b/x", &renamed), "/d/a.b/x.MDA");
    EXPECT_TRUE(renamed);
    EXPECT_EQ(mdaFileName("/d/x.y.mda", &renamed), "/d/x.MDA");
}

TEST(CexProfile, ScanRulesTiesAndNaN) {
    // A flat stretch: every candidate from 0.3 on ties at 0.5; the first wins.
    auto r = scanCandidates(11, 0.1, [](double c) { return c < 0.25 ? 1.0 : 0.5; });
    EXPECT_NEAR(r.best, 0.3, 1e-12);
    EXPECT_DOUBLE_EQ(r.bestGap, 0.5);
    // Nothing better than the start: best stays 0.
    r = scanCandidates(11, 0.1, [](double) { return 1.0; });
    EXPECT_DOUBLE_EQ(r.best, 0);
    // Gaps that are not numbers never win.
    r = scanCandidates(11, 0.1, [](double c) { return c == 0 ? 1.0 : std::nan(""); });
    EXPECT_DOUBLE_EQ(r.best, 0);
    r = scanCandidates(11, 0.1, [](double) { return std::nan(""); });
    EXPECT_DOUBLE_EQ(r.best, 0);
}
