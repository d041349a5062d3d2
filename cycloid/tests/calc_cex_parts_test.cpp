// Page 2's part sizes and the output-pin design. The example (Zc 11, Zp 12,
// Rp 100, Rrp 10, a 50/12, bc 15, Tc 630.234, bore 80, X2 10, X1 2, l 52.5,
// μ 0.3, E 206000, [σf] 180, Kw 1.35) was worked through by hand from the
// formulas (π = 3.141592654): Δj = 0.021/2 + 0.145/2 + 0.02 = 0.103,
// dfc = 200 − 8.3333 − 20 − 0.206 = 171.4607, Dw = (171.4607 + 80)/2,
// f = sin 18°·125.7303 − 5 − 8.3333 − 0.15 = 25.3695 = drw, five passes.
#include <gtest/gtest.h>

#include <cmath>

#include "cycloid/calc/cex_parts.h"

using namespace cycloid;

namespace {
OutputPinInputs example() {
    OutputPinInputs in;
    in.a = 50.0 / 12;
    in.dp = 200;
    in.dfc = rootDiameter(200, 50.0 / 12, 20, 0.103);
    in.Di = 80;
    in.Dw = (in.dfc + 80) / 2;
    in.X2 = 10;
    in.X1 = 2;
    in.Tc = 630.234;
    in.bc = 15;
    in.l = 52.5;
    return in;
}
}  // namespace

TEST(CexParts, Rules) {
    EXPECT_EQ(proposedOutputPins(400), 16);
    EXPECT_EQ(proposedOutputPins(399.9), 12);
    EXPECT_EQ(proposedOutputPins(100), 8);
    EXPECT_EQ(proposedOutputPins(99.9), 6);
    EXPECT_EQ(proposedOutputPins(200), 10);
    EXPECT_FALSE(presetRadialClearance(121, 400, 4));
    EXPECT_TRUE(presetRadialClearance(100, 800, 4));
    EXPECT_FALSE(presetRadialClearance(100, 800.01, 4));
    // x = dp − 2a − drp at or below 50 takes the first band: 0.01/2 + 0.1/2 + 0.02.
    EXPECT_NEAR(*presetRadialClearance(3, 60, 4), 0.075, 1e-12);
    EXPECT_NEAR(proposedPinHoleCircle(100, 164), 105, 0);   // (45 + 164)/2 = 104.5 → 105
    EXPECT_NEAR(proposedPinHoleCircle(100, 163.98), 104, 0);
    EXPECT_DOUBLE_EQ(pinHoleUpperDeviation(180), 0.04);
    EXPECT_DOUBLE_EQ(pinHoleUpperDeviation(180.01), 0.045);
    EXPECT_DOUBLE_EQ(pinHoleUpperDeviation(6), 0.012);
    EXPECT_DOUBLE_EQ(pinHoleUpperDeviation(6.01), 0.015);
    EXPECT_DOUBLE_EQ(pinHoleClearance(550), 0.15);
    EXPECT_DOUBLE_EQ(pinHoleClearance(550.1), 0.25);
}

TEST(CexParts, TheExampleDiameters) {
    EXPECT_NEAR(*presetRadialClearance(20, 200, 50.0 / 12), 0.103, 1e-12);
    EXPECT_NEAR(rootDiameter(200, 50.0 / 12, 20, 0.103), 171.4607, 5e-5);
    EXPECT_NEAR(tipDiameter(200, 50.0 / 12, 20, 0.103), 188.1273, 5e-5);
    EXPECT_DOUBLE_EQ(proposedPinHoleCircle(200, rootDiameter(200, 50.0 / 12, 20, 0.103)), 131);
    EXPECT_NEAR((rootDiameter(200, 50.0 / 12, 20, 0.103) + 80) / 2, 125.7303, 5e-5);
}

TEST(CexParts, OutputPinDesignOfTheExample) {
    auto r = designOutputPins(example());
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->drw, 25.3695, 5e-5);
    EXPECT_NEAR(r->dsw, 17.7586, 5e-5);
    EXPECT_NEAR(r->Qmax, 2539.34, 5e-3);
    EXPECT_NEAR(r->epsMax, 0.13193, 5e-6);
    EXPECT_EQ(r->Nz, 4);
    EXPECT_NEAR(r->Sf, 4.399, 5e-4);
    EXPECT_EQ(r->passes, 5);
    EXPECT_NEAR(pinHoleDiameter(50.0 / 12, r->drw, 200), 33.8528, 5e-5);
}

TEST(CexParts, OutputPinDesignWithoutResult) {
    // P = 0.2 kW: in the third pass no pin carries load.
    OutputPinInputs in = example();
    in.Tc = 9549 * 0.2 * 11 * 0.9 / 1500;
    EXPECT_FALSE(designOutputPins(in));
    // μ ≥ 1: the root of a negative number.
    in = example();
    in.mu = 1.2;
    EXPECT_FALSE(designOutputPins(in));
    // Sizes that leave no sleeve.
    in = example();
    in.Di = 110;
    EXPECT_FALSE(designOutputPins(in));
    in = example();
    in.X2 = 0;
    EXPECT_FALSE(designOutputPins(in));
    // One pass: the same checks.
    EXPECT_FALSE(checkOutputPins(example(), 25.3695, 17.7586, 0));
    EXPECT_FALSE(checkOutputPins(example(), -1, 17.7586, 2539));
    auto one = checkOutputPins(example(), 25.3695, 17.7586, 2539.34);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->Nz, 4);
}

TEST(CexParts, BearingBoresOffered) {
    auto l = offeredBores(rollingBores(), 80, 100);
    ASSERT_FALSE(l.empty());
    EXPECT_DOUBLE_EQ(l.front(), 76.5);
    EXPECT_DOUBLE_EQ(l.back(), 100);
    EXPECT_EQ(l.size(), 10u);
    // Nothing below Dimin: from the first entry; Dimax beyond the table: to its end.
    l = offeredBores(rollingBores(), 30, 400);
    EXPECT_DOUBLE_EQ(l.front(), 41.5);
    EXPECT_DOUBLE_EQ(l.back(), 360);
    // Dimin above the whole table: the last entry alone.
    l = offeredBores(slidingBores(), 260, 325);
    ASSERT_EQ(l.size(), 1u);
    EXPECT_DOUBLE_EQ(l.front(), 240);
    // Dimax below the table.
    l = offeredBores(slidingBores(), 1, 2);
    ASSERT_EQ(l.size(), 1u);
    EXPECT_DOUBLE_EQ(l.front(), 3);
}
