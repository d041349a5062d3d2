// Measurement over rods of the modified disc. The chain's blocks (K1 0.5,
// Zc 11, Zp 12, a 50/12, rp 100, rrp 10, Δrp 0.375, Δrrp 0.52) were worked
// through by hand from the formulas (π = 3.141592654).
#include <gtest/gtest.h>

#include <cmath>

#include "cycloid/calc/cex_measurement.h"

using namespace cycloid;

namespace {
RodInputs rods() { return {0.5, 11, 12, 50.0 / 12, 100, 10, 0.375, 0.52}; }
}  // namespace

TEST(CexRods, SetUpOfTheChain) {
    auto s = rodSetup(rods());
    ASSERT_TRUE(s);
    EXPECT_NEAR(s->phiExact * 180 / 3.141592654, 52.0201, 5e-5);
    EXPECT_EQ(s->phi0, 53);
    EXPECT_EQ(s->n, 5u);
    EXPECT_NEAR(s->point.x, 9.2018, 5e-5);
    EXPECT_NEAR(s->point.y, 88.1981, 5e-5);
    EXPECT_NEAR(s->point.KA, -2.16521, 5e-6);
    EXPECT_NEAR(s->Rt0, 21.9462, 5e-5);
    EXPECT_NEAR(s->RL, 108.1220, 5e-5);
    EXPECT_NEAR(s->Ln, 257.9353, 5e-5);
    EXPECT_DOUBLE_EQ(spanLowerDeviation(s->Ln).EI, -0.115);
}

TEST(CexRods, SetUpRefusedOutsideItsRange) {
    RodInputs in = rods();
    in.K1 = 1.0 / 13;   // below 1/Zp
    EXPECT_FALSE(rodSetup(in));
    in.K1 = 1.01;
    EXPECT_FALSE(rodSetup(in));
    in = rods();
    in.rrp = 0;
    EXPECT_FALSE(rodSetup(in));
}

TEST(CexRods, RoundOffToAStockRod) {
    auto s = rodSetup(rods());
    ASSERT_TRUE(s);
    // Rt 22.0 lies between Rt0 and w(53°): the bracket starts at φexact.
    auto r = roundOffRod(rods(), *s, 22.0, 5);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->point.phi * 180 / 3.141592654, 52.215, 5e-4);
    EXPECT_NEAR(r->Ln, 258.160, 5e-4);
    EXPECT_LE(std::fabs(r->point.w - 22.0), 0.0001);
    EXPECT_LE(r->refineSteps, 20);
    // Both directions of the walk.
    for (double Rt : {18.3, 20.0, 25.0, 27.43}) {
        auto q = roundOffRod(rods(), *s, Rt, 5);
        ASSERT_TRUE(q) << Rt;
        EXPECT_LE(std::fabs(q->point.w - Rt), 0.0001) << Rt;
    }
    EXPECT_FALSE(roundOffRod(rods(), *s, s->Rt0, 5));
}

TEST(CexRods, SpanTableAndFolding) {
    EXPECT_DOUBLE_EQ(spanLowerDeviation(50).EI, -0.052);
    EXPECT_TRUE(spanLowerDeviation(50).note);
    EXPECT_DOUBLE_EQ(spanLowerDeviation(50.001).EI, -0.062);
    EXPECT_DOUBLE_EQ(spanLowerDeviation(800).EI, -0.175);
    EXPECT_DOUBLE_EQ(spanLowerDeviation(800.1).EI, -0.23);
    EXPECT_EQ(foldedSpanCount(7, 11), 3u);
    EXPECT_EQ(foldedSpanCount(10, 11), 5u);
    EXPECT_EQ(foldedSpanCount(9, 11), 1u);
    EXPECT_EQ(foldedSpanCount(5, 11), 5u);
}
