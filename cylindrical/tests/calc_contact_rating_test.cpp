// Contact stress rating: the factors from their dialogs' answers, σH, σHP
// and SH. Expected values are worked out by hand from the factor tables and
// formulas (arithmetic in the comments), never by the code under test.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cylindrical/calc/contact_rating.h"

using namespace cylindrical;

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

// ---- Kv ---------------------------------------------------------------------

TEST(ContactDynamicFactor, AllEightGrades) {
    // mn 2, Z1 20, n1 1450, β 0: v = π·2·20·1450/60000 = 3.036873 m/s;
    // εβ 0: Kv = A·v·20/100 + 1 = 1 + 0.6073746·A.
    struct Case {
        int index;
        double kv;
    };
    const Case cases[] = {
        {0, 1.013666},  // A 0.0225
        {1, 1.018980},  // A 0.03125
        {2, 1.028486},  // A 0.0469
        {3, 1.037961},  // A 0.0625, grade 6 (the dialog's default)
        {4, 1.056941},  // A 0.09375
        {5, 1.080781},  // A 0.133
        {6, 1.106291},  // A 0.175
        {7, 1.162169},  // A 0.267
    };
    for (const Case& c : cases) {
        auto r = dynamicFactor({.mn = 2, .z1 = 20, .n1 = 1450, .betaDeg = 0, .epsBeta = 0, .gradeIndex = c.index});
        ASSERT_TRUE(r) << "grade index " << c.index;
        EXPECT_NEAR(r->v, 3.03687, 5e-6);
        EXPECT_NEAR(r->kV, c.kv, 1e-6) << "grade index " << c.index;
    }
}

TEST(ContactDynamicFactor, OverlapBlendsTowardsTheSecondRow) {
    // grade 6, εβ 1: Kv = KvB = 1 + 0.03167·0.6073746 = 1.019236
    auto r = dynamicFactor({.mn = 2, .z1 = 20, .n1 = 1450, .betaDeg = 0, .epsBeta = 1, .gradeIndex = 3});
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->kV, 1.019236, 1e-6);
    EXPECT_FALSE(dynamicFactor({.mn = 2, .z1 = 20, .n1 = 1450, .gradeIndex = 8}));
    EXPECT_FALSE(dynamicFactor({.mn = 2, .z1 = 20, .n1 = 1450, .gradeIndex = -1}));
}

// Past one full overlap (εβ ≥ 1) the load-sharing blends of Kv, KHα and Zε
// take εβ = 1; Kv, KHα and KHβ never fall below 1. Hand values: β 15°,
// αn 20°, εα 1.5, so with εβ capped t = 1/εα.
TEST(ContactOverlap, FactorsTakeAtMostOneFullOverlap) {
    for (double eb : {1.0, 1.65, 2.0, 4.7, 6.0}) {
        // grade 6: Kv = KvB = 1 + 0.03167·v·Z1/100 (v 3.036873 m/s) = 1.019236
        auto kv = dynamicFactor({.mn = 2, .z1 = 20, .n1 = 1450, .betaDeg = 0, .epsBeta = eb, .gradeIndex = 3});
        ASSERT_TRUE(kv);
        EXPECT_NEAR(kv->kV, 1.019236, 1e-6) << "εβ " << eb;
        // Zε = √(cos αn·cos β/(εα·cos αt)) = 0.804145 (0.735913, 9 % low, at εβ 1.65 uncapped)
        EXPECT_NEAR(contactRatioFactor({.epsAlpha = 1.5, .epsBeta = eb, .betaDeg = 15, .alphaNDeg = 20}),
                    0.804145, 1e-6) << "εβ " << eb;
        // grade 8, helical: KHα = 0.992285·εα^−0.420629·εα/cos β = 1.299316;
        // grade 9: εα/cos β = 1.552914
        auto k8 = transverseLoadFactors({.epsAlpha = 1.5, .epsBeta = eb, .betaDeg = 15, .gradeIndex = 5});
        auto k9 = transverseLoadFactors({.epsAlpha = 1.5, .epsBeta = eb, .betaDeg = 15, .gradeIndex = 6});
        ASSERT_TRUE(k8 && k9);
        EXPECT_NEAR(k8->kHalpha, 1.299316, 1e-6) << "εβ " << eb;
        EXPECT_NEAR(k9->kHalpha, 1.552914, 1e-6) << "εβ " << eb;
    }
    // A dynamic factor of a fast grade-10 pair still blends below one overlap.
    auto kv = dynamicFactor({.mn = 2, .z1 = 20, .n1 = 1450, .betaDeg = 0, .epsBeta = 0.5, .gradeIndex = 7});
    ASSERT_TRUE(kv);
    // KvA = 1 + 0.267·v·0.2 = 1.162169, KvB = 1 + 0.1625·v·0.2 = 1.098698: mean 1.130434
    EXPECT_NEAR(kv->kV, 1.130434, 1e-6);
}

// ---- KHα, KFα ---------------------------------------------------------------

TEST(ContactTransverseLoad, BothSidesOfEachGradeEdge) {
    // εα 1.6. Spur (εβ 0): t = 0 + 1·2.4/3 = 0.8, Yε′ = 0.8/1.6 + 0.2 = 0.7;
    //   middle: a = 1.166 − 0.166·1.6 = 0.9004, KHα = 0.9004/0.8 = 1.1255,
    //   KFα = 0.993314·1.6^−0.322546/0.7 = 0.853588/0.7 = 1.219412;
    //   last: KHα = 1/0.8 = 1.25, KFα = 1/0.7 = 1.428571.
    // Helical (εβ 0.5, β 12°): t = 0.5/1.6 + 0.5·2.4/3 = 0.7125, cos 12° = 0.978148;
    //   middle: a = 0.992285·1.6^−0.420629 = 0.814286, KHα = 0.814286/(0.7125·0.978148) = 1.168391;
    //   last: KHα = 1/0.696930 = 1.434864.
    struct Case {
        const char* name;
        double epsBeta, beta;
        int grade;
        double kH, kF;
    };
    const Case cases[] = {
        {"spur 7", 0, 0, 7, 1.0, 1.0},
        {"spur 8", 0, 0, 8, 1.1255, 1.219412},
        {"spur 9", 0, 0, 9, 1.25, 1.428571},
        {"spur 10", 0, 0, 10, 1.25, 1.428571},
        {"helical 6", 0.5, 12, 6, 1.0, 1.0},
        {"helical 7", 0.5, 12, 7, 1.168391, 1.219412},
        {"helical 8", 0.5, 12, 8, 1.168391, 1.219412},
        {"helical 9", 0.5, 12, 9, 1.434864, 1.428571},
    };
    for (const Case& c : cases) {
        auto r = transverseLoadFactors({.epsAlpha = 1.6, .epsBeta = c.epsBeta, .betaDeg = c.beta, .gradeIndex = c.grade - 3});
        ASSERT_TRUE(r) << c.name;
        EXPECT_NEAR(r->kHalpha, c.kH, 1e-6) << c.name;
        EXPECT_NEAR(r->kFalpha, c.kF, 1e-6) << c.name;
    }
}

TEST(ContactTransverseLoad, InfiniteFactorIsNotUsable) {
    // εα 2, εβ 1: t = 0.5 + 0 = 0.5; εα 4, εβ 0: t = 0 + 1·0/3 = 0 → 1/(t·cos β) = +inf.
    auto r = transverseLoadFactors({.epsAlpha = 4, .epsBeta = 0, .betaDeg = 0, .gradeIndex = 6});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->kHalpha, 0.0);
    EXPECT_NEAR(r->kFalpha, 1 / (0.8 / 4 + 0.2), 1e-12);  // 1/0.4 = 2.5
}

// ---- KHβ --------------------------------------------------------------------

TEST(ContactFaceLoad, ThresholdAndMounting) {
    struct Case {
        const char* name;
        double b;  // Z1 20, mn 2, β 0: ψd = b/40
        int s, m;
        double kH;
        bool notice;
    };
    const Case cases[] = {
        // 0.90991·e^(0.206037·0.4) = 0.90991·1.085905 = 0.988077: a face load
        // factor below 1 would lower the load, so it counts as 1.0
        {"psi 0.4 = min, s0 m0", 16, 0, 0, 1.0, false},
        {"psi just below min", 15.9999, 0, 0, 1.0, true},
        {"psi 0.3, s0 m0", 12, 0, 0, 1.0, true},
        // 0.96246·e^(0.204295·0.3) = 0.96246·1.063210 = 1.023293
        {"psi 0.3, s0 m1", 12, 0, 1, 1.023293, false},
        // 1.0256·e^(0.215713·0.5) = 1.0256·1.113888 = 1.142403
        {"psi 0.5, s1 m3", 20, 1, 3, 1.142403, false},
    };
    for (const Case& c : cases) {
        auto r = faceLoadFactor({.b = c.b, .z1 = 20, .mn = 2, .betaDeg = 0, .flankPairing = c.s, .mounting = c.m});
        ASSERT_TRUE(r) << c.name;
        EXPECT_NEAR(r->kHbeta, c.kH, 1e-6) << c.name;
        EXPECT_EQ(r->notice.has_value(), c.notice) << c.name;
        if (r->notice) {
            EXPECT_EQ(r->notice->text, "齿宽系数较小，齿向载荷影响不大，可增加齿宽！");
        }
    }
    EXPECT_FALSE(faceLoadFactor({.b = 16, .z1 = 20, .mn = 2, .flankPairing = 2, .mounting = 0}));
    EXPECT_FALSE(faceLoadFactor({.b = 16, .z1 = 20, .mn = 2, .flankPairing = 0, .mounting = 4}));
}

// ---- ZH ---------------------------------------------------------------------

TEST(ContactZoneFactor, ToothSumRuleAndRecordAngle) {
    // Even S, αn 20°, β 0: ZH = √(2/tan 20°)/cos 20° = 2.344134/0.939693 = 2.494573.
    // 20/41: cos αwt = cos 20°·61/60 = 0.955354, αwt = 17.1853°,
    //   ZH = √(2·cos 20°·0.955354/(cos 20°·sin 17.1853°))/cos 20° = 2.706199.
    struct Case {
        const char* name;
        unsigned z2;
        std::optional<double> recordAlphaWt;
        double alphaWt, zH;
        bool fromRecord;
    };
    const Case cases[] = {
        {"20/40", 40, std::nullopt, 20.0, 2.494573, false},
        {"20/41 typed in", 41, std::nullopt, 17.1853, 2.706199, false},
        {"20/41 from its geometry file", 41, 20.0, 20.0, 2.494573, true},
    };
    for (const Case& c : cases) {
        auto r = zoneFactor({.z1 = 20, .z2 = c.z2, .betaDeg = 0, .alphaNDeg = 20, .recordAlphaWtDeg = c.recordAlphaWt});
        ASSERT_TRUE(r) << c.name;
        EXPECT_NEAR(r->alphaWtDeg, c.alphaWt, 5e-5) << c.name;
        EXPECT_NEAR(r->zH, c.zH, 1e-6) << c.name;
        EXPECT_EQ(r->fromRecord, c.fromRecord) << c.name;
        EXPECT_NE(r->hint.find(c.fromRecord ? "几何计算数据" : "齿数和"), std::string::npos) << c.name;
    }
}

TEST(ContactZoneFactor, RefusedWhereTheRuleBreaksDown) {
    struct Case {
        const char* name;
        unsigned z1, z2;
        MeshType mesh;
        std::optional<double> record;
    };
    const Case cases[] = {
        // ⌊S/2⌋ = 0 divided by zero.
        {"internal Z2 − Z1 = 1", 20, 21, MeshType::Internal, std::nullopt},
        {"internal Z2 = Z1", 20, 20, MeshType::Internal, std::nullopt},
        // S 5: cos αwt = cos 20°·5/4 = 1.1746 > 1.
        {"internal 20/25", 20, 25, MeshType::Internal, std::nullopt},
        // S 15: cos 20°·15/14 = 1.0068 > 1.
        {"internal 20/35", 20, 35, MeshType::Internal, std::nullopt},
        {"record angle 0", 20, 41, MeshType::External, 0.0},
        {"record angle NaN", 20, 41, MeshType::External, kNaN},
    };
    for (const Case& c : cases) {
        auto r = zoneFactor({.z1 = c.z1, .z2 = c.z2, .betaDeg = 0, .alphaNDeg = 20, .mesh = c.mesh, .recordAlphaWtDeg = c.record});
        ASSERT_FALSE(r) << c.name;
        EXPECT_EQ(r.error().place, RatingMessage::Place::HintLine) << c.name;
        EXPECT_FALSE(r.error().text.empty()) << c.name;
    }
    // S 17: cos 20°·17/16 = 0.998424 ≤ 1, rated.
    EXPECT_TRUE(zoneFactor({.z1 = 20, .z2 = 37, .betaDeg = 0, .alphaNDeg = 20, .mesh = MeshType::Internal, .recordAlphaWtDeg = std::nullopt}));
}

// ---- ZE ---------------------------------------------------------------------

TEST(ContactElasticity, SteelAndRefusals) {
    // steel-steel: √(1/(π·2·0.91/210000)) = √(36728.7) = 191.6457
    auto zE = elasticityFactor({.e1 = 210000, .e2 = 210000, .nu1 = 0.3, .nu2 = 0.3});
    ASSERT_TRUE(zE);
    EXPECT_NEAR(*zE, 191.6457, 5e-4);

    const ElasticityInput bad[] = {
        {0, 210000, 0.3, 0.3},
        {210000, 210000, 0.3, 0},
        {-210000, 210000, 0.3, 0.3},  // E ≤ 0
        {210000, kInf, 0.3, 0.3},
        {210000, 210000, 1.0, 1.0},   // ν = 1: division by zero, +inf
        {210000, 210000, 1.5, 1.5},   // negative sum: NaN
    };
    for (const ElasticityInput& in : bad) {
        auto r = elasticityFactor(in);
        ASSERT_FALSE(r) << in.e1 << " " << in.e2 << " " << in.nu1 << " " << in.nu2;
        EXPECT_EQ(r.error().text, "材料力学指标值不正确，请继续选定！");
    }
}

// ---- Zε ---------------------------------------------------------------------

TEST(ContactRatio, SpurAndHelical) {
    // spur, εα 1.6: √(0.8·cos 20°/cos 20°) = √0.8 = 0.894427
    EXPECT_NEAR(contactRatioFactor({.epsAlpha = 1.6, .epsBeta = 0, .betaDeg = 0, .alphaNDeg = 20}), 0.894427, 1e-6);
    // εα 4, εβ 0: t = 0, Zε = 0, not usable
    EXPECT_EQ(contactRatioFactor({.epsAlpha = 4, .epsBeta = 0, .betaDeg = 0, .alphaNDeg = 20}), 0.0);
}

// ---- ZN ---------------------------------------------------------------------

TEST(ContactLife, ThresholdsOfEveryRow) {
    struct Case {
        const char* name;
        int c, p;
        double ne, zN;
    };
    const Case cases[] = {
        // 3.6314·(7e5)^−0.0623017 = 3.6314·0.432355 = 1.570054
        {"c0 pitting, 7e5", 0, 0, 7e5, 1.570054},
        {"c0 pitting, just below 7e5", 0, 0, 699999.9, 1.6},
        // 3.7552·(1e5)^−0.0742437 = 3.7552·0.425384 = 1.597403
        {"c0 no pitting, 1e5", 0, 1, 1e5, 1.597403},
        {"c0 no pitting, below", 0, 1, 99999, 1.6},
        // 3.4202·(1e5)^−0.0838968 = 1.301870
        {"c1, 1e5", 1, 0, 1e5, 1.301870},
        {"c1, below", 1, 1, 99999, 1.3},
        // 1.55645·(1e5)^−0.0302237 = 1.099048
        {"c2, 1e5", 2, 1, 1e5, 1.099048},
        {"c2, below", 2, 0, 99999, 1.1},
    };
    for (const Case& c : cases) {
        auto r = contactLifeFactor({.materialClass = c.c, .pitting = c.p, .cycles = c.ne});
        ASSERT_TRUE(r) << c.name;
        EXPECT_NEAR(*r, c.zN, 1e-6) << c.name;
    }
}

// Past the knee of each row (where its power law reaches 1) the factor runs
// log-linear in NE from 1.0 to 0.85 at 10¹⁰ and stays 0.85. Hand values:
// knee = c^(−1/e); ZN = 1 − 0.15·(lg NE − lg knee)/(10 − lg knee).
TEST(ContactLife, LongLifeLineBeyondTheKnee) {
    struct Case {
        const char* name;
        int c, p;
        double below, above;  // at NE 1e6 (power law) and 1e9 (long-life line)
    };
    const Case cases[] = {
        {"c0 pitting, knee 9.77e8", 0, 0, 1.535550, 0.998472},
        {"c0 no pitting, knee 5.49e7", 0, 1, 1.346390, 0.916366},
        {"c1, knee 2.32e6 (power law 0.601 at 1e9)", 1, 0, 1.073175, 0.891272},
        {"c2, knee 2.28e6", 2, 0, 1.025163, 0.891176},
    };
    for (const Case& c : cases) {
        auto below = contactLifeFactor({.materialClass = c.c, .pitting = c.p, .cycles = 1e6});
        auto above = contactLifeFactor({.materialClass = c.c, .pitting = c.p, .cycles = 1e9});
        auto far = contactLifeFactor({.materialClass = c.c, .pitting = c.p, .cycles = 1e12});
        ASSERT_TRUE(below && above && far) << c.name;
        EXPECT_NEAR(*below, c.below, 1e-6) << c.name;
        EXPECT_NEAR(*above, c.above, 1e-6) << c.name;
        EXPECT_EQ(*far, 0.85) << c.name;
    }
}

TEST(ContactLife, NoLifeIsRefused) {
    // NE ≤ 0 used to give the flat value.
    for (double ne : {0.0, -1e6, kNaN}) {
        auto r = contactLifeFactor({.materialClass = 0, .pitting = 0, .cycles = ne});
        ASSERT_FALSE(r) << ne;
        EXPECT_EQ(r.error().text, "未正确给定设计寿命！");
        EXPECT_EQ(r.error().caption, "注意");
    }
}

// ---- ZL, ZV -------------------------------------------------------------------

TEST(ContactLubricant, ClassOilAndFlanks) {
    // mn 2, Z1 20, n1 1450: v = 3.036873.
    // class 4, ν50 220: ZL = 0.761874·220^0.0602386 = 0.761874·1.383899 = 1.054356;
    //   ZV = 0.942212·3.036873^0.0266505 = 0.942212·1.030047 = 0.970522.
    struct Case {
        const char* name;
        int l, h;
        double zL;
    };
    const Case cases[] = {
        {"mineral", 0, 0, 1.054356},
        {"synthetic, hard", 1, 0, 1.159792},  // ×1.1
        {"synthetic, quenched", 1, 1, 1.476099},  // ×1.4
    };
    for (const Case& c : cases) {
        auto r = lubricantFactors({.limitClass = 4, .lubricant = c.l, .flankState = c.h, .viscosity = 220, .z1 = 20, .mn = 2, .n1 = 1450});
        ASSERT_TRUE(r) << c.name;
        EXPECT_NEAR(r->zL, c.zL, 2e-6) << c.name;
        EXPECT_NEAR(r->zV, 0.970522, 2e-6) << c.name;
    }
    EXPECT_FALSE(lubricantFactors({.limitClass = 5, .z1 = 20, .mn = 2, .n1 = 1450}));
}

// ---- ZR -----------------------------------------------------------------------

TEST(ContactRoughness, DistanceFactorTableEdges) {
    struct Case {
        double a, f;  // f read off the table of a
    };
    const Case cases[] = {
        {80, 0.9286},       // below the table
        {99.999, 0.9286},
        {100, 0.9286},      // row 100
        {125, 0.8643},      // (0.9286 + 0.8)/2
        {150, 0.8},         // row 150, from both neighbours
        {149.999, 0.80000257},  // 0.8 + 0.001·0.1286/50
        {150.001, 0.79999857},  // 0.8 − 0.001·0.0714/50
        {200, 0.7286},
        {250, 0.6714},
        {300, 0.625},
        {350, 0.5893},
        {400, 0.5571},
        {450, 0.5357},      // (0.5571 + 0.5143)/2
        {500, 0.5143},
        {600, 0.475},
        {700, 0.4518},      // (0.475 + 0.4286)/2
        {800, 0.4286},
        {1000, 0.39286},
        {1250, 0.36073},    // (0.39286 + 0.3286)/2
        {1500, 0.3286},
        {1750, 0.3143},     // (0.3 + 0.3286)/2
        {2000, 0.3},
        {2000.001, 0.3},
        {3000, 0.3},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(roughnessDistanceFactor(c.a), c.f, 1e-7) << "a = " << c.a;
    }
}

TEST(ContactRoughness, FactorFromCentreDistance) {
    // Z1 20, Z2 40, mn 2: a = 30·2 = 60 → f 0.9286; Ra 3.2: R = 2.97152;
    // class 4: ZR = 1.02227 − 0.0516571·ln 2.97152 = 1.02227 − 0.0516571·1.089074 = 0.966012
    auto r = roughnessFactor({.limitClass = 4, .ra = 3.2, .z1 = 20, .z2 = 40, .mn = 2, .betaDeg = 0});
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(r->a, 60);
    EXPECT_DOUBLE_EQ(r->f, 0.9286);
    EXPECT_NEAR(r->zR, 0.966012, 1e-6);
    // Ra 0 gives ln 0: not usable, stored as 0.
    auto zero = roughnessFactor({.limitClass = 4, .ra = 0, .z1 = 20, .z2 = 40, .mn = 2});
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->zR, 0.0);
}

// ---- ZW -----------------------------------------------------------------------

TEST(ContactWorkHardening, HardnessBands) {
    struct Case {
        int p, g;
        double hb, zW;
    };
    const Case cases[] = {
        {0, 1, 100, 1.2},
        {0, 1, 129.99, 1.2},
        {0, 1, 130, 1.200002},   // 1.27704 − 0.0005926·130
        {0, 1, 350, 1.06963},    // 1.27704 − 0.0005926·350
        {0, 1, 350.01, 1.0},
        {0, 1, 400, 1.0},
        {0, 0, 200, 1.0},        // hard pair
        {1, 1, 200, 1.0},        // soft pinion
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(workHardeningFactor({.pinionFlank = c.p, .gearFlank = c.g, .gearHardness = c.hb}), c.zW, 1e-9)
            << c.p << c.g << " HB " << c.hb;
    }
}

// ---- σH, σHP, SH --------------------------------------------------------------

TEST(ContactStress, ExternalPairAndErrors) {
    // Z1 20, Z2 40, mn 2, b 40, Ft 3292.7586: d1 = 40, u = 2,
    // X = 3·3292.7586/(40·40·2) = 3.087 (all K = 1);
    // σH = √3.087 · 2.494573 · 191.6457 · 0.894427 = 1.756986·427.6024 = 751.2868
    ContactStressInput in{.z1 = 20, .z2 = 40, .mn = 2, .betaDeg = 0, .b = 40, .ft = 3292.7586,
                          .kA = 1, .kV = 1, .kHalpha = 1, .kHbeta = 1,
                          .zH = 2.494573, .zE = 191.6457, .zEps = 0.894427};
    auto s = contactStress(in);
    ASSERT_TRUE(s);
    EXPECT_NEAR(*s, 751.2868, 1e-3);

    // Internal pair with u < 1: X < 0.
    ContactStressInput negative = in;
    negative.mesh = MeshType::Internal;
    negative.z2 = 10;
    // A factor that is not finite.
    ContactStressInput infinite = in;
    infinite.kHalpha = kInf;
    ContactStressInput noFace = in;
    noFace.b = 0;
    for (const ContactStressInput& bad : {negative, infinite, noFace}) {
        auto r = contactStress(bad);
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error().text, "计算结果错误，请重新计算！");
        EXPECT_EQ(r.error().caption, "警告");
    }
}

TEST(ContactStress, PermissibleAndSafety) {
    // 1200·1.0·1.05·0.97·0.96·1.0 = 1173.312
    auto p = permissibleContactStress({.sigmaHlim = 1200, .zN = 1.0, .zL = 1.05, .zV = 0.97, .zR = 0.96, .zW = 1.0});
    ASSERT_TRUE(p);
    EXPECT_NEAR(*p, 1173.312, 1e-9);
    auto bad = permissibleContactStress({.sigmaHlim = 0, .zN = 1, .zL = 1, .zV = 1, .zR = 1, .zW = 1});
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error().text, "数据无效，请重新计算！");
    // A factor left at 0: σHP 0, the safety button stays disabled.
    auto zero = permissibleContactStress({.sigmaHlim = 1200, .zN = 0, .zL = 1, .zV = 1, .zR = 1, .zW = 1});
    ASSERT_TRUE(zero);
    EXPECT_EQ(*zero, 0.0);

    EXPECT_NEAR(*safetyFactor(1173.312, 751.2965), 1.561716, 1e-6);  // 1173.312/751.2965
    EXPECT_EQ(*safetyFactor(0, 751.2965), 0.0);  // before the limit
    EXPECT_FALSE(safetyFactor(1173.312, 0));
}
