// The bevel rating's factors, stresses and safety factors. Expected values
// are worked by hand from the rating's tables and formulas (π 3.141592654),
// the chain on the example pair m 5, Z1 17, Z2 43, αn 20°, βm 35°, εα 1.25,
// εβ 1.8, b 34, R 115.59, φR 0.2941, δ1 21.5729°, T 250 N·m, n1 960.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "bevel/rating/calc/cutter_factor.h"
#include "bevel/rating/calc/rating_factors.h"
#include "bevel/rating/calc/rating_forces.h"
#include "common/calc/rating_tables.h"

namespace {

using namespace bevel;

TEST(BevelRatingFactors, DynamicFactorByGradeAndBand) {
    // Rows: grade 5..9; columns: (0,1], (1,3], (3,5], (5,8], (8,12], (12,18], (18,25].
    const double table[5][7] = {{1, 1.1, 1.15, 1.2, 1.3, 1.5, 1.7},
                                {1, 1.2, 1.3, 1.4, 1.5, 1.7, 1.8},
                                {1, 1.3, 1.4, 1.5, 1.7, 1.8, 1.9},
                                {1.1, 1.4, 1.5, 1.7, 1.8, 1.9, 2.0},
                                {1.2, 1.5, 1.7, 1.8, 1.9, 2.0, 2.2}};
    // Each band at its upper edge (inside) and just above its lower edge.
    const double upper[7] = {1, 3, 5, 8, 12, 18, 25};
    const double lower[7] = {1e-9, 1 + 1e-9, 3 + 1e-9, 5 + 1e-9, 8 + 1e-9, 12 + 1e-9, 18 + 1e-9};
    for (int g = 0; g < 5; ++g)
        for (int k = 0; k < 7; ++k) {
            EXPECT_EQ(dynamicFactor(g, upper[k]), table[g][k]) << "grade " << g + 5 << " v " << upper[k];
            EXPECT_EQ(dynamicFactor(g, lower[k]), table[g][k]) << "grade " << g + 5 << " v " << lower[k];
        }
    EXPECT_EQ(dynamicFactor(2, 4), 1.4);   // grade 7, v 4
    // Above 25 m/s the last band (the fastest drives get the largest factor).
    EXPECT_EQ(dynamicFactor(2, 30), 1.9);
    EXPECT_EQ(dynamicFactor(4, 1e9), 2.2);
    EXPECT_EQ(dynamicFactor(4, std::numeric_limits<double>::infinity()), 2.2);
    // Not above 0: the first band; grade index out of range: 0.
    EXPECT_EQ(dynamicFactor(4, 0), 1.2);
    EXPECT_EQ(dynamicFactor(4, std::nan("")), 1.2);
    EXPECT_EQ(dynamicFactor(5, 4), 0);
    EXPECT_EQ(dynamicFactor(-1, 4), 0);
    // The pitch-line speed of the example: π·5·17·960/60000.
    EXPECT_NEAR(pitchLineSpeed(5, 17, 960), 4.2726, 5e-5);
    EXPECT_EQ(dynamicFactor(2, pitchLineSpeed(5, 17, 960)), 1.4);
}

TEST(BevelRatingFactors, LoadFactorsNeverBelowOne) {
    EXPECT_EQ(loadFactorAtLeastOne(0.9), 1.0);
    EXPECT_EQ(loadFactorAtLeastOne(1.35), 1.35);
    EXPECT_EQ(loadFactorAtLeastOne(0), 0);
    EXPECT_EQ(loadFactorAtLeastOne(-2), 0);
    EXPECT_EQ(loadFactorAtLeastOne(std::nan("")), 0);
}

TEST(BevelRatingFactors, ElasticityFactorAndItsRefusals) {
    // Steel on steel, E 210000, ν 0.3: √(1/(π·2·0.91/210000)) = 191.6457.
    auto ze = elasticityFactor(210000, 210000, 0.3, 0.3);
    ASSERT_TRUE(ze.has_value());
    EXPECT_NEAR(*ze, 191.6457, 5e-5);
    struct Case { const char* name; double e1, e2, nu1, nu2; };
    const Case refused[] = {
        {"E1 0", 0, 210000, 0.3, 0.3}, {"ν2 0", 210000, 210000, 0.3, 0},
        {"ν 1 both (was +∞)", 210000, 210000, 1, 1}, {"negative moduli (was NaN)", -210000, -210000, 0.3, 0.3},
        {"NaN", std::nan(""), 210000, 0.3, 0.3},
    };
    for (const auto& c : refused) {
        auto r = elasticityFactor(c.e1, c.e2, c.nu1, c.nu2);
        ASSERT_FALSE(r.has_value()) << c.name;
        EXPECT_EQ(r.error().text, "材料力学指标值不正确，请继续选定！") << c.name;
    }
}

TEST(BevelRatingFactors, ContactLifeFactorTable) {
    struct Case { const char* name; int group, pitting; double nl, zn; double tol; };
    const Case cases[] = {
        {"group 0 allowed, 5e5", 0, 0, 5e5, 1.6, 0},
        {"group 0 not allowed, 5e5", 0, 1, 5e5, 1.4175, 5e-5},       // 3.7552·(5e5)^−0.0742437
        {"group 0 allowed, 7e5", 0, 0, 7e5, 1.5701, 5e-5},           // 3.6314·(7e5)^−0.0623018
        {"group 0 allowed, just below 7e5", 0, 0, 7e5 - 1, 1.6, 0},
        {"group 0 not allowed, 1e5", 0, 1, 1e5, 1.5974, 5e-5},
        {"group 0 not allowed, below 1e5", 0, 1, 99999, 1.6, 0},
        {"group 1, 1e5", 1, 0, 1e5, 1.3019, 5e-5},
        {"group 1, below", 1, 0, 99999, 1.3, 0},
        {"group 2, 1e5", 2, 0, 1e5, 1.0990, 5e-5},
        {"group 2, below", 2, 0, 99999, 1.1, 0},
        {"chain: group 0 allowed, 1e8", 0, 0, 1e8, 1.1525, 5e-5},
        // Past the knee (where the power law reaches 1) the long-life line:
        // 0.85 from 10^10 on.
        {"group 0 allowed, 1e10", 0, 0, 1e10, 0.85, 1e-12},
        {"group 0 allowed, 1e12", 0, 0, 1e12, 0.85, 1e-12},
        {"NL 0", 0, 0, 0, 0, 0},
        {"NL negative", 1, 0, -5, 0, 0},
        {"group 3", 3, 0, 1e6, 0, 0},
    };
    for (const auto& c : cases) EXPECT_NEAR(contactLifeFactor(c.group, c.pitting, c.nl), c.zn, c.tol) << c.name;
    // The bevel exponent −0.0623018: 3.6314·(10^8)^−0.0623018, not −0.0623017.
    EXPECT_NEAR(contactLifeFactor(0, 0, 1e8), 3.6314 * std::pow(1e8, -0.0623018), 1e-12);
    // Between the knee and 10^10 the line falls from 1 to 0.85.
    const double knee = std::pow(3.6314, 1 / 0.0623018);
    EXPECT_NEAR(contactLifeFactor(0, 0, knee), 1.0, 1e-9);
    const double mid = contactLifeFactor(0, 0, std::sqrt(knee * 1e10));
    EXPECT_NEAR(mid, 0.925, 1e-9);
}

TEST(BevelRatingFactors, LubricantAndVelocityFactors) {
    // Class 4, synthetic oil, hard flanks, 220 cSt: 0.761874·220^0.0602386·1.1 = 1.1598;
    // Zv = 0.942212·4.2726^0.0266505 = 0.9794.
    auto r = lubricantFactors(4, 1, 0, 220, 5, 17, 960);
    EXPECT_NEAR(r.v, 4.2726, 5e-5);
    EXPECT_NEAR(r.zL, 1.1598, 5e-5);
    EXPECT_NEAR(r.zV, 0.9794, 5e-5);
    // Mineral oil: no multiplier; quenched and tempered with synthetic: 1.4.
    EXPECT_NEAR(lubricantFactors(4, 0, 0, 220, 5, 17, 960).zL, 1.1598 / 1.1, 5e-5);
    EXPECT_NEAR(lubricantFactors(4, 1, 1, 220, 5, 17, 960).zL, 1.1598 / 1.1 * 1.4, 5e-5);
    // Class 0: 0.599842·100^0.113182 = 1.0025; v 0 gives Zv 0 (not usable).
    EXPECT_NEAR(lubricantFactors(0, 0, 0, 100, 5, 17, 960).zL, 0.599842 * std::pow(100, 0.113182), 1e-12);
    EXPECT_EQ(lubricantFactors(0, 0, 0, 100, 5, 17, 0).zV, 0);
    EXPECT_EQ(lubricantFactors(5, 0, 0, 100, 5, 17, 960).zL, 0);
}

TEST(BevelRatingFactors, RoughnessSizeTableAndFactor) {
    // f by a: below 100 and at 100 0.9286; linear between rows; 0.3 from 2000 on.
    struct F { double a, f; };
    for (F c : {F{80, 0.9286}, F{100, 0.9286}, F{700, 0.4518}, F{2000, 0.3}, F{2500, 0.3}, F{125, 0.8643}})
        EXPECT_NEAR(kavrin::rating::roughnessDistanceFactor(c.a), c.f, 5e-5) << c.a;
    // The chain: a = (sin δ1 + cos δ1)(1 − 0.5φR)R = 127.9371, f 0.8567, class 4, Ra 1.6: ZR 1.0060.
    auto r = roughnessFactor(4, 1.6, 21.5729, 0.2941, 115.59);
    EXPECT_NEAR(r.a, 127.9371, 5e-5);
    EXPECT_NEAR(r.f, 0.8567, 5e-5);
    EXPECT_NEAR(r.zR, 1.0060, 5e-5);
    EXPECT_EQ(roughnessFactor(5, 1.6, 21.5729, 0.2941, 115.59).zR, 0);
}

TEST(BevelRatingFactors, WorkHardeningFactor) {
    struct Case { int p, g; double hb, zw; };
    for (Case c : {Case{0, 1, 100, 1.2}, Case{0, 1, 130, 1.2000}, Case{0, 1, 350, 1.0696}, Case{0, 1, 351, 1.0},
                   Case{0, 0, 200, 1}, Case{1, 1, 200, 1}, Case{1, 0, 200, 1}})
        EXPECT_NEAR(workHardeningFactor(c.p, c.g, c.hb), c.zw, 5e-5) << c.p << c.g << " HB " << c.hb;
}

TEST(BevelRatingFactors, FormFactorChartOfPinionAndGear) {
    // Pinion: Zv1 = 17/cos(atan(17/43))/cos³35° = 33.2576, s 0.6469 (thumb 129).
    auto p = formFactorChart(false, 17, 43, 35, 0.3, -0.3, 0.1, -0.1);
    EXPECT_NEAR(p.zv, 33.2576, 5e-5);
    EXPECT_NEAR(p.s, 0.6469, 5e-5);
    EXPECT_EQ(p.x, 0.3);
    EXPECT_EQ(p.xt, 0.1);
    // Gear: its own pitch angle atan(43/17): 212.7795 (not 84.1221).
    auto g = formFactorChart(true, 17, 43, 35, 0.3, -0.3, 0.1, -0.1);
    EXPECT_NEAR(g.zv, 212.7795, 5e-5);
    EXPECT_EQ(g.x, -0.3);
    EXPECT_EQ(g.xt, -0.1);
    // No tooth numbers (the radios before the forces), βm 90°: nothing.
    EXPECT_EQ(formFactorChart(false, 0, 0, 35, 0, 0, 0, 0).zv, 0);
    EXPECT_EQ(formFactorChart(true, 17, -43, 35, 0, 0, 0, 0).zv, 0);
    EXPECT_EQ(formFactorChart(false, 17, 43, 90, 0, 0, 0, 0).zv, 0);
    // YF0 2.75 (thumb 120), xt1 0.1: 2.75·1.00562/e^0.0864337 = 2.5365; xt 0 keeps YF0.
    EXPECT_NEAR(formFactor(2.75, 0.1), 2.5365, 5e-5);
    EXPECT_EQ(formFactor(2.75, 0), 2.75);
    EXPECT_EQ(formFactor(0, 0.1), 0);
}

TEST(BevelRatingFactors, BendingFactorsWithoutDialogs) {
    EXPECT_NEAR(contactRatioBendingFactor(35, 1.25), 0.84, 1e-12);
    EXPECT_EQ(contactRatioBendingFactor(0, 1.25), 1);
    // Yβ: 1 − βm·min(εβ,1)/120, floor 1 − 0.25·min(εβ,1).
    struct Case { double beta, eps, yb; };
    for (Case c : {Case{35, 2, 0.75},        // the uncorrected rule gave 0.7083
                   Case{35, 1.8, 0.75}, Case{35, 0.5, 0.875} /* floor 1 − 0.125 above 1 − 17.5/120 */, Case{0, 0, 1}, Case{10, 2, 1 - 10.0 / 120},
                   Case{60, 1, 0.75}})
        EXPECT_NEAR(spiralAngleFactor(c.beta, c.eps), c.yb, 1e-12) << c.beta << " " << c.eps;
}

TEST(BevelRatingFactors, SizeFactorOnlyWithinItsModuleRange) {
    // The polynomial evaluated apart (Python, the coefficients as printed):
    // 0.74084 at 5 mm, 0.63375 at 10, 0.49949 at 25; it falls to 0.32 at 30
    // and below 0 near 32.6, where a bending limit would be meaningless.
    struct Case { double m, yx; };
    for (Case c : {Case{1, 1.0537255}, Case{5, 0.7408404}, Case{10, 0.6337461}, Case{25, 0.4994866}}) {
        auto r = sizeFactor(c.m);
        ASSERT_TRUE(r.has_value()) << c.m;
        EXPECT_NEAR(*r, c.yx, 5e-7) << c.m;
    }
    for (double m : {25.0001, 30.0, 33.0, 0.0, -5.0, std::nan(""), double(INFINITY)}) {
        auto r = sizeFactor(m);
        ASSERT_FALSE(r.has_value()) << m;
        EXPECT_EQ(r.error().text.rfind("尺寸系数Yx只适用于大端模数0<m≤25mm，当前m=", 0), 0u) << r.error().text;
        EXPECT_EQ(r.error().icon, RatingNotice::Icon::Exclamation);
    }
    EXPECT_EQ(sizeFactor(30).error().text, "尺寸系数Yx只适用于大端模数0<m≤25mm，当前m=30.00mm，不能确定弯曲疲劳许用应力！");
}

TEST(BevelRatingFactors, BendingLifeFactor) {
    struct Case { int material; double ne, yn; double tol; };
    for (Case c : {Case{0, 5000, 2.5, 0}, Case{0, 1e4, 2.5186, 5e-5}, Case{1, 3e6, 1.0054, 5e-5},
                   Case{0, 1e12, 0.85, 1e-12}, Case{4, 1e6, 0, 0}}) {
        auto r = bendingLifeFactor(c.material, c.ne);
        ASSERT_TRUE(r.has_value()) << c.material << " " << c.ne;
        EXPECT_NEAR(*r, c.yn, c.tol) << c.material << " " << c.ne;
    }
    for (double ne : {0.0, -1.0, std::nan("")}) {
        auto r = bendingLifeFactor(0, ne);
        ASSERT_FALSE(r.has_value()) << ne;
        EXPECT_EQ(r.error().text, "未正确给定设计寿命！");
        EXPECT_EQ(r.error().caption, "注意");
        EXPECT_EQ(r.error().icon, RatingNotice::Icon::Information);
    }
}

TEST(BevelRatingFactors, ChainOfTheExamplePair) {
    const double ftm = 6896.4804;  // 2000·T/(m·(1 − 0.5φR)·Z1)
    const double zm = meanConeFactorZM(17, 43), cone = coneFactor(0.2941);
    EXPECT_NEAR(zm, 1.0370, 5e-5);
    EXPECT_NEAR(cone, 1.1724, 5e-5);
    const double zE = *elasticityFactor(210000, 210000, 0.3, 0.3);
    const double sigmaH = contactStress({.zH = 2.15, .zE = zE, .zEps = 0.85, .zM = zm, .cone = cone, .ftm = ftm,
                                         .kA = 1.25, .kV = 1.4, .kBeta = 1.5, .b = 34, .m = 5, .z1 = 17});
    EXPECT_NEAR(sigmaH, 1065.6878, 5e-4);
    const double zN = contactLifeFactor(0, 0, 1e8);
    const auto lub = lubricantFactors(4, 1, 0, 220, 5, 17, 960);
    const double zR = roughnessFactor(4, 1.6, 21.5729, 0.2941, 115.59).zR;
    const double zW = workHardeningFactor(0, 1, 350);
    const double sigmaHP = permissibleContactStress(1500, zN, lub.zL, lub.zV, zR, zW);
    EXPECT_NEAR(sigmaHP, 2113.0504, 5e-4);
    EXPECT_NEAR(safetyFactor(sigmaHP, sigmaH), 1.9828, 5e-5);

    const double yF = formFactor(2.75, 0.1);
    const double yEps = contactRatioBendingFactor(35, 1.25);
    const double yBeta = spiralAngleFactor(35, 1.8);
    const double y0 = cutterFactorY0(cutterRatio(150, 35, 34));
    EXPECT_EQ(y0, 0.9);
    BendingStressInput bend{.kA = 1.25, .kV = 1.4, .kBeta = 1.35, .cone = cone, .yF = yF, .yEps = yEps,
                            .yBeta = yBeta, .y0 = y0, .ftm = ftm, .b = 34, .m = 5, .betaMDeg = 35};
    const double sigmaF = bendingStress(bend);
    EXPECT_NEAR(sigmaF, 231.2868, 5e-4);
    bend.yBeta = 1 - 35.0 / 120;  // the uncorrected Yβ 0.7083
    EXPECT_NEAR(bendingStress(bend), 218.4375, 5e-4);
    const double sigmaFP = permissibleBendingStress(500, *bendingLifeFactor(1, 3e6), *sizeFactor(5));
    EXPECT_NEAR(sigmaFP, 372.4292, 5e-4);
    EXPECT_NEAR(safetyFactor(sigmaFP, sigmaF), 1.6102, 5e-5);
}

TEST(BevelRatingFactors, StressesAndSafetyRefuseWhatIsNotUsable) {
    // A face width of 0 (division by zero) or a missing factor gives 0, not ∞ or NaN.
    EXPECT_EQ(contactStress({.zH = 2.15, .zE = 190, .zEps = 0.85, .zM = 1, .cone = 1.17, .ftm = 6896, .kA = 1,
                             .kV = 1, .kBeta = 1, .b = 0, .m = 5, .z1 = 17}),
              0);
    EXPECT_EQ(bendingStress({.kA = 1, .kV = 1, .kBeta = 1, .cone = 1, .yF = 2, .yEps = 1, .yBeta = 1, .y0 = 1,
                             .ftm = 6896, .b = 0, .m = 5, .betaMDeg = 35}),
              0);
    EXPECT_EQ(safetyFactor(2113, 0), 0);
    EXPECT_EQ(safetyFactor(0, 1065), 0);
    EXPECT_EQ(meanConeFactorZM(-17, 43), 0);
    EXPECT_EQ(coneFactor(2.0), 0);
    EXPECT_EQ(coneFactor(2.5), 0);
}

// A result of 16 or more digits before the point is no result, as one that
// is not finite: a stress from the largest entries each range takes.
TEST(BevelRatingFactors, AResultNoReportCanPrintIsNoResult) {
    EXPECT_TRUE(usableFactor(1e14));
    EXPECT_FALSE(usableFactor(1e15));
    EXPECT_FALSE(usableFactor(std::numeric_limits<double>::infinity()));
    const double sigmaH = contactStress({.zH = 10, .zE = 1000, .zEps = 10, .zM = 30, .cone = 2, .ftm = 8e13, .kA = 10,
                                         .kV = 10, .kBeta = 10, .b = 0.01, .m = 0.05, .z1 = 1});
    EXPECT_EQ(sigmaH, 0);  // about 2·10¹⁸ MPa
    auto ftm = meanTangentialForce({.torque = 1e8, .m = 0.05, .z1 = 1, .z2 = 1000, .phiR = 1, .alphaNDeg = 20,
                                    .betaMDeg = 0, .delta1Deg = 0.06, .delta2Deg = 89.94});
    ASSERT_TRUE(ftm);  // 8·10¹² N still prints
    EXPECT_LT(*ftm, 1e15);
}

// A factor above 0 outside its range is not taken: a ZE from moduli of
// 10⁻³⁰⁰ MPa, a YN of 10⁻¹¹ cycles (98). The refusal names it.
TEST(BevelRatingFactors, FactorsOutsideTheirRangesAreRefused) {
    namespace q = rating_range;
    EXPECT_TRUE(factorInRange(q::kZE, 189.8));
    EXPECT_TRUE(factorInRange(q::kZE, 0));  // not usable: the caller clears its bit
    auto ze = elasticityFactor(1e-300, 1e-300, 0.3, 0.3);
    ASSERT_TRUE(ze);
    auto refused = factorInRange(q::kZE, *ze);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().text, "弹性系数 ZE 的计算结果超出 1 到 1000 的范围，未被采用。请检查所选的数据！");
    EXPECT_EQ(refused.error().icon, RatingNotice::Icon::Exclamation);
    EXPECT_TRUE(factorInRange(q::kZN, contactLifeFactor(0, 0, 1e300)));  // the long-life line: 0.85
    auto yn = bendingLifeFactor(1, 1e-11);
    ASSERT_TRUE(yn);
    EXPECT_FALSE(factorInRange(q::kYN, *yn));
    // Every factor of the example chain is taken.
    EXPECT_TRUE(factorInRange(q::kYx, *sizeFactor(5)));
    EXPECT_TRUE(factorInRange(q::kYbeta, spiralAngleFactor(35, 1.8)));
}

}  // namespace
