#include "smallmodule/calc/smcy_calc.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fw/format.h"

using namespace smallmodule;

namespace {

constexpr double kTol = 1e-6;

// (mn, u) -> least pinion teeth, from the table of least tooth counts.
TEST(SmallModuleCalc, LeastPinionTeeth) {
    struct Case {
        double mn, u;
        unsigned z;
    };
    const Case cases[] = {
        {0.5, 3, 15}, {0.4, 6, 15}, {0.5, 6, 14}, {0.3, 1.6, 16}, {1.0, 1.6, 16}, {0.5, 1.59, 17}, {0.1, 1, 17},
        {0.49, 5, 15},
    };
    for (const Case& c : cases) EXPECT_EQ(MinGeersSet(c.mn, c.u), c.z) << "mn " << c.mn << " u " << c.u;
}

TEST(SmallModuleCalc, ShiftSplitBands) {
    // xn1 = k·Σx + C1 by band; Σx = 0.5 gives C1 + k/2.
    struct Case {
        double u, xn1;
    };
    const Case cases[] = {
        {1.0, 0.2825}, {1.2, 0.2825}, {1.3, 0.30875}, {1.6, 0.30875}, {2.0, 0.325}, {2.2, 0.325},
        {2.5, 0.3475}, {3.0, 0.3475}, {3.5, 0.36}, {10, 0.36},
        {17.0 / 18.0, 0.2825},   // below 1 after rounding: the first band
    };
    for (const Case& c : cases) {
        auto s = splitShift(0.5, c.u);
        EXPECT_NEAR(s.xn1, c.xn1, 1e-12) << "u " << c.u;
        EXPECT_NEAR(s.xn1 + s.xn2, 0.5, 1e-12);
    }
}

SmInput input(Pattern p, double mn, double u, double aw, double sigma = 0, double beta1 = 0) {
    SmInput in;
    in.pattern = p;
    in.mn = mn;
    in.u = u;
    in.aw = aw;
    in.sigma = sigma;
    in.beta1 = beta1;
    in.f = 0.05;
    return in;
}

// Pattern 0, mn 0.5, β1 0, u 2, a' 12.75. The values below were worked out
// by hand from the pattern's steps (z1' = 25.5/1.5 = 17; a = a', so Σx = 0
// and the split gives 0.2/−0.2; da = d + 2(1 + xn)·0.5; df = d − 2(1.35 − xn)·0.5;
// the inspection dimensions with zv = z for a spur gear).
TEST(SmallModuleCalc, ParallelSpurExample) {
    auto r = calculate(input(Pattern::Parallel, 0.5, 2, 12.75));
    ASSERT_TRUE(r) << r.error().message;
    EXPECT_EQ(r->g1.z, 17);
    EXPECT_EQ(r->g2.z, 34);
    EXPECT_NEAR(r->a, 12.75, kTol);
    EXPECT_NEAR(r->sumX, 0, kTol);
    EXPECT_NEAR(r->g1.xn, 0.2, kTol);
    EXPECT_NEAR(r->g2.xn, -0.2, kTol);
    EXPECT_NEAR(r->g1.da, 9.7, kTol);
    EXPECT_NEAR(r->g2.da, 17.8, kTol);
    EXPECT_NEAR(r->g1.df, 7.35, kTol);
    EXPECT_NEAR(r->g2.df, 15.45, kTol);
    EXPECT_NEAR(r->g1.alphaAt, 34.569151, kTol);
    EXPECT_NEAR(r->g2.alphaAt, 26.173920, kTol);
    EXPECT_EQ(r->g1.kw, 3);
    EXPECT_NEAR(r->g1.w, 3.877615, kTol);
    EXPECT_EQ(r->g2.kw, 4);
    EXPECT_NEAR(r->g2.w, 5.335920, kTol);
    EXPECT_NEAR(r->dmp, 0.866, kTol);
    EXPECT_NEAR(r->g1.mp, 9.813196, kTol);
    EXPECT_NEAR(r->g2.mp, 18.034090, kTol);
    EXPECT_NEAR(r->eps, 1.569647, kTol);
    EXPECT_NEAR(r->eta, 0.987498, kTol);
    EXPECT_NEAR(r->b, 0.5, kTol);
    EXPECT_NEAR(r->u, 2.0, kTol);
    EXPECT_EQ(r->mnP, 0.5);
    EXPECT_EQ(r->alphaNP, 20.0);

    SmInput noFriction = input(Pattern::Parallel, 0.5, 2, 12.75);
    noFriction.f = 0;
    EXPECT_EQ(calculate(noFriction)->eta, 1.0);
}

TEST(SmallModuleCalc, ParallelHelicalContactIsOneMore) {
    // Helical: B = π·mn/sin β1 and ε = εα + 1.
    auto spur = calculate(input(Pattern::Parallel, 0.5, 2, 12.75));
    auto hel = calculate(input(Pattern::Parallel, 0.5, 2, 13.0, 0, 10));
    ASSERT_TRUE(spur && hel);
    EXPECT_NEAR(hel->b, 3.141592653589793 * 0.5 / std::sin(10 * 3.141592653589793 / 180), 1e-12);
    EXPECT_GT(hel->eps, 1.0);
    EXPECT_NEAR(hel->g1.beta, 10, 0);
    EXPECT_NEAR(hel->g2.beta, 10, 0);
    EXPECT_GT(hel->g1.betaB, 0);
    EXPECT_LT(hel->g1.betaB, 10);
}

// Pattern 1, mn 0.5, Σ 10°, u 2, a' 13 (hand calculation of the pattern's steps).
TEST(SmallModuleCalc, HelicalSpurExample) {
    auto r = calculate(input(Pattern::HelicalSpur, 0.5, 2, 13, 10));
    ASSERT_TRUE(r) << r.error().message;
    EXPECT_EQ(r->g1.z, 17);
    EXPECT_EQ(r->g2.z, 34);
    EXPECT_NEAR(r->g1.beta, 9.856699, kTol);
    EXPECT_EQ(r->g2.beta, 0);
    EXPECT_NEAR(r->alphaNP, 22.125549, kTol);
    EXPECT_NEAR(r->mnP, 0.507196, kTol);
    EXPECT_NEAR(r->sumX, 0.391949, kTol);
    EXPECT_NEAR(r->g1.xn, 0.297987, kTol);
    EXPECT_NEAR(r->g2.xn, 0.093962, kTol);
    EXPECT_NEAR(r->a, 13.000000, kTol);
    EXPECT_NEAR(r->eps, 1.478193, kTol);
    EXPECT_NEAR(r->eta, 0.990573, kTol);
    EXPECT_NEAR(r->b, 0.350984, kTol);
}

// Pattern 2, mn 0.5, Σ 45°, u 2, a' 15, split cancelled: β1 = β2 = 44.5°/2.
TEST(SmallModuleCalc, HelicalSumEqualSplit) {
    auto r = calculate(input(Pattern::HelicalSum, 0.5, 2, 15, 45), {SplitOption::Equal, 0});
    ASSERT_TRUE(r) << r.error().message;
    EXPECT_NEAR(r->g1.beta, 22.25, 1e-12);
    EXPECT_NEAR(r->g2.beta, 22.25, 1e-12);
    EXPECT_EQ(r->g1.z, 19);
    EXPECT_EQ(r->g2.z, 36);
    EXPECT_NEAR(r->u, 1.894737, kTol);
    EXPECT_NEAR(r->aw, 15.041482, kTol);
}

TEST(SmallModuleCalc, OptimisedSplit) {
    auto b = GetOptimizeBita(2, 44.5 * 3.141592653589793 / 180);
    ASSERT_TRUE(b);
    EXPECT_NEAR(*b * 180 / 3.141592653589793, 32.449055, kTol);
    // Already within the tolerance: 0.
    EXPECT_EQ(GetOptimizeBita(2, 1e-6), 0.0);
    // A function that is not a number ends the search as a failure.
    EXPECT_FALSE(GetOptimizeBita(NAN, 0.5));
}

// Pattern 3, mn 0.5, u 2, a' 17.7: z1' 16.760375 is rounded down.
TEST(SmallModuleCalc, PerpendicularRoundsDown) {
    auto r = calculate(input(Pattern::Perpendicular, 0.5, 2, 17.7));
    ASSERT_TRUE(r) << r.error().message;
    EXPECT_EQ(r->g1.z, 16);
    EXPECT_EQ(r->g2.z, 34);
    EXPECT_NEAR(r->g1.beta, 44.75, 1e-12);
    EXPECT_NEAR(r->g1.betaP + r->g2.betaP, 90, 1e-9);
}

TEST(SmallModuleCalc, ToothCountRefusals) {
    struct Case {
        const char* name;
        SmInput in;
        const char* message;   // nullptr: accepted
    };
    const Case cases[] = {
        {"z1' 29.6", input(Pattern::Parallel, 0.5, 2, 22.2), kMsgTooMany0},
        {"z1' 29", input(Pattern::Parallel, 0.5, 2, 21.75), nullptr},
        {"z1' 13.33", input(Pattern::Parallel, 0.5, 2, 10), kMsgTooFew0},
        {"crossed too few", input(Pattern::HelicalSpur, 0.5, 2, 9, 10), kMsgTooFewX},
        {"crossed too many", input(Pattern::HelicalSpur, 0.5, 2, 30, 10), kMsgTooManyX},
    };
    for (const Case& c : cases) {
        auto r = calculate(c.in);
        if (!c.message) {
            EXPECT_TRUE(r) << c.name;
        } else {
            ASSERT_FALSE(r) << c.name;
            EXPECT_EQ(r.error().message, c.message) << c.name;
        }
    }
}

// The actual ratio goes into the u field, which takes 1 to 10: a rounding
// that leaves it outside is refused, and the shown results stay.
TEST(SmallModuleCalc, ActualRatioOutsideItsFieldIsRefused) {
    // u 1, mn 0.5, a' 8.75: z1' 17.5 gives z1 18, z2 35 − 18 = 17.
    auto r = calculate(input(Pattern::Parallel, 0.5, 1, 8.75));
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().message, fw::format(kFmtRatioRange, 17.0 / 18));
    EXPECT_TRUE(r.error().undefined);
    // The shift split of a ratio below 1 still takes the first band.
    EXPECT_NEAR(splitShift(0.3, 17.0 / 18).xn1, 0.445 * 0.3 + 0.06, 1e-12);
}

TEST(SmallModuleCalc, UndefinedGeometryIsRefused) {
    struct Case {
        const char* name;
        SmInput in;
        HelixSplit split;
        const char* message;
    };
    const Case cases[] = {
        // Σ0 < 0: sin βb1/sin β'1 = −1.409538.
        {"pattern 2 Σ 0.2", input(Pattern::HelicalSum, 0.5, 2, 15, 0.2), {}, kMsgBadSplit},
        {"pattern 2 Σ 0.3", input(Pattern::HelicalSum, 0.5, 2, 15, 0.3), {}, kMsgBadSplit},
        {"pattern 2 Σ 0.5", input(Pattern::HelicalSum, 0.5, 2, 15, 0.5), {SplitOption::Optimised, 0}, kMsgBadSplit},
        {"option 2 at Σ − 0.25", input(Pattern::HelicalSum, 0.5, 2, 15, 45), {SplitOption::UserPinion, 44.75},
         kMsgBadSplit},
        {"option 2 at Σ", input(Pattern::HelicalSum, 0.5, 2, 15, 45), {SplitOption::UserPinion, 45}, kMsgBadSplit},
    };
    for (const Case& c : cases) {
        auto r = calculate(c.in, c.split);
        ASSERT_FALSE(r) << c.name;
        EXPECT_EQ(r.error().message, c.message) << c.name;
    }
    // Every accepted split gives finite results.
    for (double b : {22.5, 30.0, 44.0}) {
        auto r = calculate(input(Pattern::HelicalSum, 0.5, 2, 15, 45), {SplitOption::UserPinion, b});
        ASSERT_TRUE(r) << b;
        EXPECT_NEAR(r->g1.beta, b - 0.25, 1e-9);
        EXPECT_NEAR(r->g1.beta + r->g2.beta, 44.5, 1e-9);
    }
}

TEST(SmallModuleCalc, ParallelShiftEditUsesItsOwnRules) {
    // mn 0.5, β1 0, u 2, a' 13.1 (z 17/35, a 13), xn1 0.3: tips with y and
    // the spur contact ratio (the crossed-axis tail would give 9.594344,
    // 18.2, B 0, ε 1.058227).
    SmInput in = input(Pattern::Parallel, 0.5, 2, 13.1);
    auto r = calculate(in);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->g2.z, 35);
    EXPECT_NEAR(r->a, 13, 1e-12);
    auto e = editShift(in, *r, ShiftEdit::Xn1, 0.3);
    ASSERT_TRUE(e) << e.error().message;
    EXPECT_NEAR(e->result.g1.da, 9.794344, kTol);
    EXPECT_NEAR(e->result.g2.da, 18.4, kTol);
    EXPECT_NEAR(e->result.b, 0.5, kTol);
    EXPECT_NEAR(e->result.eps, 1.511255, kTol);
    EXPECT_NEAR(e->result.g1.xn + e->result.g2.xn, r->sumX, 1e-12);
    EXPECT_EQ(e->result.eta, r->eta);
    EXPECT_EQ(e->result.a, r->a);
    EXPECT_FALSE(e->pointedTip);
}

TEST(SmallModuleCalc, ShiftEditRefusalsAndPointedTip) {
    SmInput in = input(Pattern::HelicalSpur, 0.5, 2, 13, 10);
    auto r = calculate(in);
    ASSERT_TRUE(r);
    // z1 17: xmin 0.
    auto small = editShift(in, *r, ShiftEdit::Xn1, -0.01);
    ASSERT_FALSE(small);
    EXPECT_EQ(small.error().message, kMsgXn1Small);
    auto large2 = editShift(in, *r, ShiftEdit::Xn2, r->sumX + 0.01);
    ASSERT_FALSE(large2);
    EXPECT_EQ(large2.error().message, kMsgXn2Large);
    auto ok = editShift(in, *r, ShiftEdit::Xn1, 0);
    ASSERT_TRUE(ok);
    EXPECT_FALSE(ok->pointedTip);
    auto pointed = editShift(in, *r, ShiftEdit::Xn1, 1.0);
    ASSERT_TRUE(pointed) << pointed.error().message;
    EXPECT_TRUE(pointed->pointedTip);
    EXPECT_EQ(pointed->result.g1.xn, 1.0);
    EXPECT_EQ(pointed->result.eta, r->eta);
    EXPECT_EQ(pointed->result.g1.z, r->g1.z);
    auto xn2 = editShift(in, *r, ShiftEdit::Xn2, 0.0);
    ASSERT_TRUE(xn2);
    EXPECT_NEAR(xn2->result.g1.xn, r->sumX, 1e-12);
}

// The rod deviation follows the base-tangent one through the rod angle:
// ΔM = ΔW / (sin αM·cos βb), × cos(π/(2z)) for odd z.
TEST(SmallModuleCalc, RodDeviation) {
    auto r = calculate(input(Pattern::Parallel, 0.5, 2, 12.75));
    ASSERT_TRUE(r);
    for (const SmGear* g : {&r->g1, &r->g2}) {
        RodGear rg{g->z, g->alphaT, g->betaB, g->xn, g->w};
        auto dm = rodDeviation(0.02, rg, 0.5, r->dmp);
        ASSERT_TRUE(dm);
        // A ratio near 1/sin 25°..30° for these gears: 2 to 3 times ΔW.
        EXPECT_GT(*dm, 0.04);
        EXPECT_LT(*dm, 0.06);
    }
    RodGear none{17, 20, 0, 0.2, 0};
    auto refused = rodDeviation(0.02, none, 0.5, 0.866);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message, kMsgNoSpan);
}

}  // namespace

// The findings of a user test: values the fields took that give no usable
// pair are refused by the calculation, naming the quantity.
TEST(SmallModuleCalc, FindingsAreRefused) {
    // Efficiencies of pattern 0 worked out apart (a short script of the
    // pattern's step 13): f 10 gives η 5.890 (mn 0.5, u 2, a' 12.75), f 3
    // gives η −0.183 (mn 0.5, u 1, a' 8.5).
    SmInput f10 = input(Pattern::Parallel, 0.5, 2, 12.75);
    f10.f = 10;
    SmInput f3 = input(Pattern::Parallel, 0.5, 1, 8.5);
    f3.f = 3;
    for (const SmInput& in : {f10, f3}) {
        auto r = calculate(in);
        ASSERT_FALSE(r) << in.f;
        EXPECT_EQ(r.error().message.substr(0, r.error().message.find("η")),
                  fw::format(kFmtEfficiency, in.f, 0.0).substr(0, fw::format(kFmtEfficiency, in.f, 0.0).find("η")));
        EXPECT_TRUE(r.error().undefined);
    }
    EXPECT_NE(calculate(f10).error().message.find("η = 5.890"), std::string::npos);
    EXPECT_NE(calculate(f3).error().message.find("η = -0.183"), std::string::npos);
    // xn1 1e6 kept only with the tip warning gave da2 −999982 mm.
    SmInput p0 = input(Pattern::Parallel, 0.5, 2, 12.75);
    auto r = calculate(p0);
    ASSERT_TRUE(r);
    for (double xn1 : {1e6, 1e3}) {
        auto e = editShift(p0, *r, ShiftEdit::Xn1, xn1);
        ASSERT_FALSE(e) << xn1;
        EXPECT_TRUE(e.error().undefined) << xn1;
    }
    // z1 17 with xn1 1.2 (u 2, a' 13.1): a pinion tip thickness of −0.045 mm.
    SmInput wide = input(Pattern::Parallel, 0.5, 2, 13.1);
    auto w = calculate(wide);
    ASSERT_TRUE(w);
    auto noTip = editShift(wide, *w, ShiftEdit::Xn1, 1.2);
    ASSERT_FALSE(noTip);
    EXPECT_EQ(noTip.error().message, kMsgXn1NoTip);
    auto pointed = editShift(wide, *w, ShiftEdit::Xn1, 0.8);   // 0.115 mm < 0.25·mn: kept, warned
    ASSERT_TRUE(pointed);
    EXPECT_TRUE(pointed->pointedTip);
    // β1 at or beyond 90° makes no pattern-0 gear.
    auto right = calculate(input(Pattern::Parallel, 0.5, 2, 12.75, 0, 370));
    ASSERT_FALSE(right);
}

