// Bending stress rating: tooth form, helix, contact ratio, life, stress
// concentration and size factors, σF, σFP and SF. Expected values are
// worked out by hand from the factor tables (arithmetic in the comments).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cylindrical/calc/bending_rating.h"

using namespace cylindrical;

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

RatingResult<double> yFa(double x, double zv, double h = 2.25, MeshType mesh = MeshType::External) {
    return toothFormFactor({.x = x, .zv = zv, .wholeDepth = h, .mesh = mesh});
}

StressCorrection ys(double x, double zv, int material = 0, bool rangeNo = false, bool undercutNo = false) {
    return stressCorrection({.x = x, .zv = zv, .material = material, .mesh = MeshType::External, .mn = 4,
                             .rangeAnsweredNo = rangeNo, .undercutAnsweredNo = undercutNo});
}
}  // namespace

TEST(BendingVirtualTeeth, CubeOfTheHelix) {
    EXPECT_DOUBLE_EQ(virtualToothNumber(20, 0), 20.0);
    // cos 15° = 0.9659258, cos³ = 0.9012213: 20/0.9012213 = 22.192113
    EXPECT_NEAR(virtualToothNumber(20, 15), 22.192113, 1e-6);
}

// ---- YFa ----------------------------------------------------------------------

TEST(BendingFormFactor, EachRowOnItsShift) {
    // Y_k = C_k · zv^E_k, at a zv where neither tip nor undercut check stops.
    struct Case {
        double x, zv, y;
    };
    const Case cases[] = {
        {1.2, 20, 1.824174},   // 1.58245·20^0.0474519, row 0
        {1.1, 20, 1.836000},   // 1.59957·20^0.046017
        {1.0, 20, 1.858069},   // 1.63648·20^0.0423904
        {0.9, 20, 1.876220},   // 1.68542·20^0.0357991
        {0.8, 20, 1.911359},   // 1.75563·20^0.0283692
        {0.7, 20, 1.970081},   // 1.8759·20^0.0163519
        {0.6, 20, 2.038745},   // 2.05332·20^−0.00237787
        {0.5, 20, 2.122267},   // 2.26996·20^−0.0224577
        {0.4, 20, 2.216286},   // 2.52607·20^−0.0436727
        {0.3, 20, 2.316437},   // 2.81619·20^−0.065211
        {0.2, 20, 2.436288},   // 3.19599·20^−0.0906026
        {0.1, 20, 2.575346},   // 3.67433·20^−0.118631
        {0.0, 20, 2.744676},   // 4.28239·20^−0.148494
        {-0.1, 20, 2.934966},  // 5.04528·20^−0.180843
        {-0.2, 20, 3.107451},  // 5.68596·20^−0.201686
        {-0.3, 30, 2.983306},  // 6.19662·30^−0.214916
        {-0.4, 30, 3.087773},  // 6.67484·30^−0.226654
        {-0.5, 30, 3.211583},  // 7.01924·30^−0.229887
        {-0.6, 30, 3.310649},  // 7.36397·30^−0.235051
        {-0.7, 30, 3.457974},  // 7.97303·30^−0.245614, row 19 as stored
        {-0.9, 50, 3.225731},  // 9.43918·50^−0.274464, row 21 as stored
        {-1.0, 50, 3.385752},  // 10.4851·50^−0.28895, row 22
    };
    for (const Case& c : cases) {
        auto r = yFa(c.x, c.zv);
        ASSERT_TRUE(r) << "x " << c.x << ": " << r.error().text;
        EXPECT_NEAR(*r, c.y, 2e-6) << "x " << c.x << " zv " << c.zv;
    }
}

TEST(BendingFormFactor, BetweenRows) {
    struct Case {
        const char* name;
        double x, zv, h, y;
    };
    const Case cases[] = {
        // (Y_11 + Y_12)/2 = (2.575346 + 2.744676)/2
        {"x 0.05", 0.05, 20, 2.25, 2.660011},
        // h 2.0: 2.744676·2/2.25
        {"x 0, h 2", 0, 20, 2.0, 2.439712},
        // Row 20 is skipped: Y_21 + 0.15·(Y_19 − Y_21)/0.2 at zv 30,
        // Y_19 = 3.457974, Y_21 = 9.43918·30^−0.274464 = 3.711228 → 3.521288
        // (with row 20 as stored: 2.3642, 33 % low).
        {"x -0.75 over rows 19/21", -0.75, 30, 2.25, 3.521288},
        // (Y_19 + Y_21)/2 at zv 30
        {"x -0.8, row 20 skipped", -0.8, 30, 2.25, 3.584601},
        // (Y_21 + Y_22)/2 at zv 100: (2.666897 + 2.771230)/2
        {"x -0.95", -0.95, 100, 2.25, 2.719064},
    };
    for (const Case& c : cases) {
        auto r = yFa(c.x, c.zv, c.h);
        ASSERT_TRUE(r) << c.name << ": " << r.error().text;
        EXPECT_NEAR(*r, c.y, 2e-6) << c.name;
    }
}

TEST(BendingFormFactor, RefusalsChangeNothing) {
    const char* range = "变位系数过小或过大，可能导致齿顶\n过薄或发生根切！";
    struct Case {
        const char* name;
        double x, zv;
        const char* text;
    };
    const Case cases[] = {
        {"x 1.5", 1.5, 20, range},
        // Above the last row (1.2) up to the range limit 1.4: used to give nothing.
        {"x 1.2000001", 1.2000001, 20, range},
        {"x 1.4", 1.4, 20, range},
        {"x -1.0000001", -1.0000001, 20, range},
        {"x NaN", kNaN, 20, range},
        // zv 10: Y_0 = 1.58245·10^0.0474519 = 1.765151 < 3.83763·10^−0.268167 = 2.069646
        {"thin tip", 1.2, 10, "变位系数过大，可能导致齿顶过薄！\n须重新配置齿轮的修正。"},
        // zv 20: Y_22 = 4.412045 > 1.0467·20^0.427369 = 3.765669
        {"undercut", -1.0, 20, "变位系数或齿数过小，实际导致根切！\n须重新配置齿轮的修正。"},
        // zv 20: Y_15 = 3.254938 between 1.05806·20^0.367968 = 3.186014 and 3.765669
        {"undercut risk", -0.3, 20, "变位系数或齿数过小，可能导致根切！\n须重新配置齿轮的修正。"},
    };
    for (const Case& c : cases) {
        auto r = yFa(c.x, c.zv);
        ASSERT_FALSE(r) << c.name;
        EXPECT_EQ(r.error().text, c.text) << c.name;
        EXPECT_EQ(r.error().caption, "注意") << c.name;
    }
}

TEST(BendingFormFactor, InternalPairFromDepthAlone) {
    // 2.063 − (2.25 − h)·1.266
    EXPECT_NEAR(*yFa(0.3, 20, 2.25, MeshType::Internal), 2.063, 1e-12);
    EXPECT_NEAR(*yFa(-0.9, 5, 2.0, MeshType::Internal), 1.7465, 1e-12);
    EXPECT_NEAR(*yFa(1.3, 20, 2.5, MeshType::Internal), 2.3795, 1e-12);
    EXPECT_FALSE(yFa(1.5, 20, 2.25, MeshType::Internal));
}

// ---- Yβ, Yε ---------------------------------------------------------------------

TEST(BendingHelixAndContactRatio, Factors) {
    EXPECT_DOUBLE_EQ(helixAngleFactor(1.5, 40), 0.75);         // max(1 − 40/120, 0.75)
    EXPECT_DOUBLE_EQ(helixAngleFactor(0.5, 15), 0.9375);       // max(1 − 0.5·15/120, 0.875)
    EXPECT_NEAR(helixAngleFactor(1.0, 20), 0.8333333, 1e-7);   // max(1 − 20/120, 0.75)
    EXPECT_DOUBLE_EQ(bendingContactRatioFactor(1.6), 0.7);     // 0.2 + 0.8/1.6
    EXPECT_EQ(bendingContactRatioFactor(0), 0.0);              // +inf is not usable
}

// ---- YN -----------------------------------------------------------------------

TEST(BendingLife, MaterialsAndThreshold) {
    struct Case {
        const char* name;
        int m;
        double ne, yN;
    };
    const Case cases[] = {
        {"m0 5000", 0, 5000, 2.5},
        {"m0 9999", 0, 9999, 2.5},
        {"m0 10000", 0, 10000, 2.518551},   // 11.0762·10^(4·−0.16081)
        {"m1 1e6", 1, 1e6, 1.139388},       // 5.4929·10^(6·−0.113855)
        {"m2 1e6", 2, 1e6, 1.078724},       // 2.38713·10^(6·−0.0574943)
        {"m3 1e6", 3, 1e6, 1.011987},       // 1.15267·10^(6·−0.00942168)
    };
    for (const Case& c : cases) {
        auto r = bendingLifeFactor({.cycles = c.ne, .material = c.m});
        ASSERT_TRUE(r) << c.name;
        EXPECT_NEAR(*r, c.yN, 1e-6) << c.name;
    }
    for (double ne : {0.0, -5.0, kNaN}) {
        auto r = bendingLifeFactor({.cycles = ne, .material = 0});
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error().text, "未正确给定设计寿命！");
        EXPECT_EQ(r.error().caption, "注意");
    }
}

// Beyond the knee of each material's power law the long-life line of the
// rating standards: from 1.0 at the knee to 0.85 at 10¹⁰, then 0.85. Hand
// values: knee = c^(−1/e); YN = 1 − 0.15·(lg NE − lg knee)/(10 − lg knee).
TEST(BendingLife, LongLifeLineBeyondTheKnee) {
    struct Case {
        const char* name;
        int m;
        double above;  // at NE 1e9 (the power law alone gives 0.573 at 1e8 for m0)
    };
    const Case cases[] = {
        {"m0, knee 3.12e6", 0, 0.892791},
        {"m1, knee 3.15e6", 1, 0.892830},
        {"m2, knee 3.74e6", 2, 0.893763},
        {"m3, knee 3.54e6", 3, 0.893469},
    };
    for (const Case& c : cases) {
        auto above = bendingLifeFactor({.cycles = 1e9, .material = c.m});
        auto far = bendingLifeFactor({.cycles = 5e10, .material = c.m});
        ASSERT_TRUE(above && far) << c.name;
        EXPECT_NEAR(*above, c.above, 1e-6) << c.name;
        EXPECT_EQ(*far, 0.85) << c.name;
    }
    // At 1e8 the line lies between: m0 = 1 − 0.15·(8 − 6.494564)/(10 − 6.494564) = 0.935581
    auto m0 = bendingLifeFactor({.cycles = 1e8, .material = 0});
    ASSERT_TRUE(m0);
    EXPECT_NEAR(*m0, 0.935581, 1e-6);
}

// ---- YS, YX ---------------------------------------------------------------------

TEST(BendingStressCorrection, EachRowOnItsShift) {
    // zv 100 (ln 100 = 4.605170): q_j = S_j·4.605170 + I_j, no undercut
    // question (both limits below 0); q_0 needs the question, q_5 is skipped.
    struct Case {
        double x, q;
    };
    const Case cases[] = {
        {-0.7, 3.706606}, {-0.6, 5.355167}, {-0.5, 4.777766}, {-0.4, 5.853780},
        {-0.2, 5.634817}, {-0.1, 5.901835}, {0.0, 5.835162},  {0.1, 6.489773},
        {0.2, 6.783295},  {0.3, 7.206444},  {0.4, 7.450851},  {0.5, 7.723405},
        {0.6, 8.000427},  {0.7, 8.183348},  {0.8, 8.491689},  {0.9, 8.534688},
    };
    for (const Case& c : cases) {
        auto r = ys(c.x, 100);
        ASSERT_EQ(r.kind, StressCorrection::Kind::Factors) << "x " << c.x << ": " << r.message.text;
        EXPECT_NEAR(r.q, c.q, 2e-6) << "x " << c.x;
    }
}

TEST(BendingStressCorrection, SkippedRowFiveInterpolatesRowsFourAndSix) {
    // I_5 as stored refused every shift between −0.4 and −0.2.
    struct Case {
        double x, q;
    };
    const Case cases[] = {
        {-0.3, 5.744299},   // (5.853780 + 5.634817)/2
        {-0.35, 5.799039},  // 5.853780 + 0.05·(5.634817 − 5.853780)/0.2
        {-0.25, 5.689558},  // 5.853780 + 0.15·(5.634817 − 5.853780)/0.2
    };
    for (const Case& c : cases) {
        auto r = ys(c.x, 100);
        ASSERT_EQ(r.kind, StressCorrection::Kind::Factors) << "x " << c.x << ": " << r.message.text;
        EXPECT_NEAR(r.q, c.q, 2e-6) << "x " << c.x;
    }
}

TEST(BendingStressCorrection, QuestionsOutsideTheTable) {
    // zv 20, ln 20 = 2.995732
    struct Case {
        const char* name;
        double x, zv;
        StressCorrectionQuestion question;
        double q;  // after "No"
    };
    const Case cases[] = {
        {"x 0.9000001", 0.9000001, 20, StressCorrectionQuestion::ShiftTooLarge, 7.746213},  // q_16
        {"x 1.0999999", 1.0999999, 20, StressCorrectionQuestion::ShiftTooLarge, 7.746213},  // q_16
        {"x 1.1", 1.1, 20, StressCorrectionQuestion::ShiftTooLarge, 7.263588},              // q_15
        {"x 1.1999999", 1.1999999, 20, StressCorrectionQuestion::ShiftTooLarge, 7.263588},  // q_15
        {"x 1.2", 1.2, 20, StressCorrectionQuestion::ShiftTooLarge, 6.825323},              // q_14
        {"x 3", 3.0, 20, StressCorrectionQuestion::ShiftTooLarge, 6.825323},                // q_14
        {"x -0.8", -0.8, 100, StressCorrectionQuestion::ShiftTooSmall, 3.760606},           // q_0
        {"x -1.5", -1.5, 100, StressCorrectionQuestion::ShiftTooSmall, 3.760606},           // q_0
    };
    for (const Case& c : cases) {
        auto asked = ys(c.x, c.zv);
        ASSERT_EQ(asked.kind, StressCorrection::Kind::Question) << c.name;
        EXPECT_EQ(asked.question, c.question) << c.name;
        EXPECT_EQ(asked.message.caption, "注意") << c.name;
        auto r = ys(c.x, c.zv, 0, true);
        ASSERT_EQ(r.kind, StressCorrection::Kind::Factors) << c.name;
        EXPECT_NEAR(r.q, c.q, 2e-6) << c.name;
    }
    EXPECT_EQ(ys(-0.8, 100).message.text, "修正系数太小，可能根切！\n是否放弃选择?");
    EXPECT_EQ(ys(1.0, 20).message.text, "齿轮过修正，可能齿顶太薄！\n是否放弃选择?");
    // x 0.9 ends on the last row without reading past the table:
    // q_17 = 0.550292·2.995732 + 6.0005 = 7.649028, YS = 1.69012·e^(−0.058098·7.649028) = 1.083727
    auto last = ys(0.9, 20);
    ASSERT_EQ(last.kind, StressCorrection::Kind::Factors);
    EXPECT_NEAR(last.q, 7.649028, 2e-6);
    EXPECT_NEAR(last.yS, 1.083727, 2e-6);
}

TEST(BendingStressCorrection, UndercutLimits) {
    // x 0, zv 20: q_8 = 1.40125·2.995732 − 0.617833 = 3.579937; the limits are
    // 5.47719 − 3.1193 = 2.35789 and 6.90281 − 2.1807 = 4.72211: the warning question.
    auto asked = ys(0, 20);
    ASSERT_EQ(asked.kind, StressCorrection::Kind::Question);
    EXPECT_EQ(asked.question, StressCorrectionQuestion::UndercutRisk);
    EXPECT_EQ(asked.message.text, "修正系数太小，须考虑根切问题！\n是否放弃选择？");
    auto r = ys(0, 20, 0, false, true);
    ASSERT_EQ(r.kind, StressCorrection::Kind::Factors);
    EXPECT_NEAR(r.q, 3.579937, 2e-6);
    EXPECT_NEAR(r.yS, 1.372745, 2e-6);  // 1.69012·e^(−0.058098·3.579937)
    EXPECT_DOUBLE_EQ(r.yX, 1.0);

    // x −0.6, zv 20: q_2 = 2.033060·2.995732 − 4.00742 = 2.083083 < 2.35789
    auto refused = ys(-0.6, 20);
    ASSERT_EQ(refused.kind, StressCorrection::Kind::Refusal);
    EXPECT_EQ(refused.message.text, "修正系数太小，超越根切限制条件！");
    // The range question answered No, then the undercut limit refuses:
    // x −0.8 at zv 20: q_0 = 0.585410.
    EXPECT_EQ(ys(-0.8, 20, 0, true).kind, StressCorrection::Kind::Refusal);
}

TEST(BendingStressCorrection, MaterialsAndInternalPair) {
    // x −0.3, zv 100: q = 5.744299; YS = Bm·e^(Km·q)
    struct Case {
        int m;
        double yS;
    };
    const Case cases[] = {
        {0, 1.210541},  // 1.69012·e^(−0.058098·5.744299)
        {1, 1.207589},  // 1.6318·e^(−0.0524098·5.744299)
        {2, 1.205235},  // 1.52036·e^(−0.0404353·5.744299)
        {3, 1.182235},  // 1.41857·e^(−0.0317258·5.744299)
    };
    for (const Case& c : cases) {
        auto r = ys(-0.3, 100, c.m);
        ASSERT_EQ(r.kind, StressCorrection::Kind::Factors);
        EXPECT_NEAR(r.yS, c.yS, 2e-6) << "material " << c.m;
    }
    // Internal pair: YS 2.074 without any question, YX still by mn.
    auto internal = stressCorrection({.x = -1.0, .zv = 5, .material = 3, .mesh = MeshType::Internal, .mn = 40,
                                      .rangeAnsweredNo = false, .undercutAnsweredNo = false});
    ASSERT_EQ(internal.kind, StressCorrection::Kind::Factors);
    EXPECT_DOUBLE_EQ(internal.yS, 2.074);
    EXPECT_DOUBLE_EQ(internal.yX, 0.7);
    EXPECT_EQ(ys(0, 100, 4).kind, StressCorrection::Kind::Refusal);
}

TEST(BendingSizeFactor, ModuleBands) {
    struct Case {
        double mn;
        int m;
        double yX;
    };
    const Case cases[] = {
        {4, 0, 1.0}, {4, 1, 1.0}, {4, 2, 1.0}, {4, 3, 1.0},
        {5, 0, 1.0},
        // just above 5: intercept − slope·5 = 1.0 for every material
        {5.000001, 0, 0.99999999}, {5.000001, 1, 0.99999999},
        {5.000001, 2, 0.99999999}, {5.000001, 3, 0.99999999},
        {30, 0, 0.86},        // 1.028 − 0.0056·30
        {30.000001, 0, 0.85},
        {30, 2, 0.75},        // 1.05 − 0.01·30
        {30.000001, 2, 0.75},
        {25, 3, 0.7},         // 1.075 − 0.015·25
        {25.000001, 3, 0.7},
        {40, 3, 0.7},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(sizeFactor(c.mn, c.m), c.yX, 1e-7) << "mn " << c.mn << " material " << c.m;
    }
}

// ---- σF, σFP, SF ------------------------------------------------------------------

TEST(BendingStress, StressLimitAndSafety) {
    // 3292.7586/(40·2) · 2.744676 · 0.7 = 41.159483·1.921273 = 79.078611
    BendingStressInput in{.ft = 3292.7586, .b = 40, .mn = 2, .kA = 1, .kV = 1, .kFalpha = 1, .kFbeta = 1,
                          .yFa = 2.744676, .yEps = 0.7, .yBeta = 1};
    auto s = bendingStress(in);
    ASSERT_TRUE(s);
    EXPECT_NEAR(*s, 79.078611, 1e-6);

    BendingStressInput zero = in;
    zero.yFa = 0;
    BendingStressInput nan = in;
    nan.kV = kNaN;
    for (const BendingStressInput& bad : {zero, nan}) {
        auto r = bendingStress(bad);
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error().text, "计算结果错误，请重新计算！");
    }

    // 500·2.5·1.372745·1.0 = 1715.93125
    auto p = permissibleBendingStress({.sigmaFlim = 500, .yN = 2.5, .yS = 1.372745, .yX = 1.0});
    ASSERT_TRUE(p);
    EXPECT_NEAR(*p, 1715.93125, 1e-9);
    EXPECT_FALSE(permissibleBendingStress({.sigmaFlim = -1, .yN = 2.5, .yS = 1, .yX = 1}));
    EXPECT_NEAR(*safetyFactor(1715.93125, 79.078611), 21.699057, 1e-6);
    EXPECT_EQ(*safetyFactor(0, 79.078611), 0.0);  // SF before the limit
}
