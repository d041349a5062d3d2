// The pair correction page: ratio class, standard centre distance, the rules
// of its fields and the profile-shift distribution.
#include <gtest/gtest.h>

#include <cmath>

#include "cylindrical/calc/shift_distribution.h"

namespace cylindrical {
namespace {

// An external spur pair as loading a preliminary design leaves it.
PairState pair(int z1, int z2, double mn) {
    PairState s;
    s.z1 = z1;
    s.z2 = z2;
    s.mn = mn;
    return helixChanged(s).state;
}

TEST(RatioClass, BandEdgesBelongToTheLowerClass) {
    struct Case {
        int z1, z2;
        std::optional<int> cls;
        const char* why;
    } cases[] = {
        {20, 20, 0, "u = 1: lowest band"},
        {20, 24, 0, "u = 1.2: upper edge of class 0"},
        {100, 121, 1, "u = 1.21: just above 1.2"},
        {20, 32, 1, "u = 1.6: upper edge of class 1"},
        {100, 161, 2, "u = 1.61"},
        {20, 44, 2, "u = 2.2: upper edge of class 2"},
        {100, 221, 3, "u = 2.21"},
        {20, 60, 3, "u = 3.0: upper edge of class 3"},
        {100, 301, 4, "u = 3.01: just above 3.0"},
        {0, 40, std::nullopt, "Z1 = 0 keeps the previous class"},
        {40, 20, std::nullopt, "Z2 < Z1 keeps the previous class"},
    };
    for (const auto& c : cases) EXPECT_EQ(ratioClass(c.z1, c.z2), c.cls) << c.why;
}

TEST(RatioClass, SplitTableAndItsEnds) {
    // C1, C2 by class as the distribution table gives them.
    EXPECT_EQ(shiftSplit(0).c1, 0.06);
    EXPECT_EQ(shiftSplit(0).c2, 0.445);
    EXPECT_EQ(shiftSplit(1).c2, 0.3775);
    EXPECT_EQ(shiftSplit(3).c1, 0.325);
    EXPECT_EQ(shiftSplit(4).c2, 0.12);
    EXPECT_EQ(shiftSplit(9).c1, 0.4);  // beyond the table: its last row
}

// The worked external pair: Z1 = 20, Z2 = 40, mn = 2, β = 0, αn = 20°, a = ad = 60.
TEST(Distribution, ExternalPairAtStandardCentreDistance) {
    PairState s = pair(20, 40, 2);
    EXPECT_DOUBLE_EQ(s.ad, 60);
    EXPECT_DOUBLE_EQ(s.a, 60);
    auto u = distribute(s);
    EXPECT_NEAR(u.state.alphaWtDeg, 20, 1e-9);
    EXPECT_EQ(u.state.sumX, 0);
    EXPECT_EQ(u.state.ratioClass, 2);
    EXPECT_DOUBLE_EQ(u.state.xn1, 0.25);
    EXPECT_DOUBLE_EQ(u.state.xn2, -0.25);
    EXPECT_EQ(u.resultText, kMsgCheckResult);
    EXPECT_TRUE(u.shiftsChanged);
}

// Z1 = 20, Z2 = 34, mn = 2, αn = 20°, β = 0, a = 15 internal: yn = 0.5,
// xn1 = 0.4026, xn2 = 1.0129 (worked by hand: αwt = 28.7566°, Σx = 0.6104).
TEST(Distribution, InternalPairWithCentreDistanceRaised) {
    auto in = internalMeshChosen(pair(20, 34, 2));
    EXPECT_DOUBLE_EQ(in.state.ad, 14);
    PairState s = in.state;
    s.a = 15;
    auto u = centreDistanceChanged(s);
    EXPECT_DOUBLE_EQ(u.state.yn, 0.5);
    EXPECT_DOUBLE_EQ(u.state.yt, 0.5);
    EXPECT_NEAR(u.state.xn1, 0.4026, 5e-5);
    EXPECT_NEAR(u.state.xn2, 1.0129, 1e-4);
    EXPECT_NEAR(u.state.xn2 - u.state.xn1, u.state.sumX, 1e-12) << "internal: xn2 = Σx + xn1";
}

TEST(Distribution, SumThresholdDependsOnTheRule) {
    // Choose a so that Σx is about 5e-5: Σx = 60·Δinv/tan αn/2 → Δinv ≈ 6.07e-7.
    PairState s = pair(20, 40, 2);
    double alphaT = s.alphaTRad;
    double target = std::tan(alphaT) - alphaT + 5e-5 * 2 * std::tan(s.alphaNRad) / 60;
    double wt = alphaT;
    for (int i = 0; i < 60; ++i) wt -= (std::tan(wt) - wt - target) / (std::tan(wt) * std::tan(wt));
    s.a = s.ad * std::cos(alphaT) / std::cos(wt);
    auto button = distribute(s, kSumXZeroButton);
    EXPECT_NEAR(button.state.sumX, 5e-5, 1e-7) << "1e-6 keeps it";
    auto field = centreDistanceChanged(s);
    EXPECT_EQ(field.state.sumX, 0) << "1e-4 clears it";
    EXPECT_DOUBLE_EQ(field.state.xn1, 0.25);
}

TEST(Distribution, OverCorrectionIsRefusedWhereverItComesFrom) {
    PairState s = distribute(pair(20, 40, 2)).state;
    PairState tooSmall = s;
    tooSmall.a = 56;  // cos 20° · 60 / 56 = 1.0068
    auto field = centreDistanceChanged(tooSmall);
    EXPECT_EQ(field.warning, kMsgOverCorrection);
    EXPECT_EQ(field.state.xn1, s.xn1) << "previous results stay";
    EXPECT_FALSE(field.shiftsChanged);
    auto button = distribute(tooSmall);
    EXPECT_EQ(button.warning, kMsgOverCorrection);
    EXPECT_TRUE(std::isfinite(button.state.alphaWtDeg));
    // αn raised to 30° with a = 57: cos αt · 60 / 57 = 0.91 < 1 is fine, but
    // αn lowered to 10° makes cos 10° · 60 / 57 = 1.036.
    PairState angle = s;
    angle.a = 57;
    angle.alphaN = {10, 0, 0};
    auto rule = pressureAngleChanged(angle);
    EXPECT_EQ(rule.warning, kMsgOverCorrection);
    EXPECT_EQ(rule.state.alphaWtDeg, s.alphaWtDeg);
    EXPECT_EQ(std::string(kCaptionWarning), "KAVRIN 警告");
}

// Each refusal names its real cause; a refused value (the design centre
// distance itself) is not taken: the page shows its previous value again.
TEST(Distribution, ZeroCentreDistanceAndZeroPressureAngleAreRefused) {
    PairState s = distribute(pair(20, 40, 2)).state;
    struct Case {
        const char* name;
        void (*spoil)(PairState&);
        const char* text;
        bool refused;
    } cases[] = {
        {"a = 0", [](PairState& p) { p.a = 0; }, kMsgCentreDistancePositive, true},
        {"a < 0", [](PairState& p) { p.a = -5; }, kMsgCentreDistancePositive, true},
        // cos αt·ad/a ≈ 5e-307: αwt = acos(…) = 90° in double, no mesh.
        {"a = 1e308", [](PairState& p) { p.a = 1e308; }, kMsgCentreDistanceTooLarge, true},
        {"ad = 0", [](PairState& p) { p.ad = 0; }, kMsgBasicsFirst, false},
        {"αn = 0", [](PairState& p) { p.alphaNRad = p.alphaTRad = 0; }, kMsgPressureAngleRange, false},
    };
    for (const auto& c : cases) {
        PairState bad = s;
        c.spoil(bad);
        auto u = distribute(bad);
        EXPECT_EQ(u.resultText, c.text) << c.name;
        EXPECT_EQ(u.refused, c.refused) << c.name;
        EXPECT_EQ(u.state.xn1, s.xn1) << c.name;
        EXPECT_TRUE(std::isfinite(u.state.sumX)) << c.name;
    }
    // The angle rules refuse an angle beyond its range and keep the pair.
    PairState helix = s;
    helix.beta = {60, 30, 0};
    auto h = helixChanged(helix);
    EXPECT_TRUE(h.refused);
    EXPECT_EQ(h.resultText, kMsgHelixTooLarge);
    for (kavrin::AngleTriple alphaN : {kavrin::AngleTriple{0, 0, 0}, kavrin::AngleTriple{30, 0, 1}}) {
        PairState angle = s;
        angle.alphaN = alphaN;
        auto a = pressureAngleChanged(angle);
        EXPECT_TRUE(a.refused) << alphaN.deg << "°" << alphaN.sec << "″";
        EXPECT_EQ(a.resultText, kMsgPressureAngleRange);
    }
    PairState thirty = s;
    thirty.alphaN = {30, 0, 0};
    EXPECT_FALSE(pressureAngleChanged(thirty).refused) << "30° itself is in range";
    // The centre-distance field with ad = 0: a goes to 0 with the same text.
    PairState noPair;
    noPair.a = 50;
    auto field = centreDistanceChanged(noPair);
    EXPECT_EQ(field.resultText, kMsgBasicsFirst);
    EXPECT_EQ(field.state.a, 0);
}

TEST(MeshRules, ExternalRadioRefusesEqualTeethWhileOtherRulesAcceptThem) {
    PairState s = pair(30, 30, 2);
    EXPECT_DOUBLE_EQ(s.ad, 60) << "the helix rule accepts Z1 = Z2";
    EXPECT_EQ(teethChanged(s, GearSide::Gear).resultText, "");
    EXPECT_EQ(moduleChanged(s).resultText, "");
    auto u = externalMeshChosen(s);
    EXPECT_EQ(u.resultText, kMsgBasicsFirst);
    EXPECT_FALSE(u.shiftsChanged);
}

TEST(MeshRules, InternalRadioMakesASpurPair) {
    PairState s;
    s.z1 = 20, s.z2 = 60, s.mn = 3;
    s.beta = {15, 30, 0};
    s.alphaN = {20, 0, 0};
    s = helixChanged(s).state;
    ASSERT_GT(s.mt, s.mn);
    auto u = internalMeshChosen(s);
    EXPECT_EQ(u.state.meshType, MeshType::Internal);
    EXPECT_EQ(u.state.beta, (kavrin::AngleTriple{0, 0, 0}));
    EXPECT_EQ(u.state.betaRad, 0);
    EXPECT_EQ(u.state.mt, u.state.mn);
    EXPECT_EQ(u.state.alphaT, u.state.alphaN);
    EXPECT_EQ(u.state.alphaTRad, u.state.alphaNRad);
    EXPECT_EQ(u.state.zv1, 20);
    EXPECT_DOUBLE_EQ(u.state.ad, 60);  // (60 − 20)·3/2
    EXPECT_EQ(u.resultText, kMsgCheckResult) << "the distribution ran";
}

TEST(FieldRules, TeethAndModuleRules) {
    PairState s = pair(20, 40, 2);
    s.z2 = 10;  // Z2 < Z1
    auto u = teethChanged(s, GearSide::Gear);
    EXPECT_EQ(u.resultText, kMsgTeethOrder);
    EXPECT_EQ(u.state.ad, 0);
    EXPECT_EQ(u.state.a, 0);
    PairState m = pair(20, 40, 2);
    m.mn = 0;
    auto mu = moduleChanged(m);
    EXPECT_EQ(mu.resultText, kMsgTeethOrder);
    EXPECT_EQ(mu.state.ad, 0);
}

TEST(FieldRules, HelixRuleRecomputesAndAsksForTheUpdate) {
    PairState s;
    s.z1 = 20, s.z2 = 40, s.mn = 2;
    s.beta = {60, 0, 0};  // cos β = 0.5
    auto u = helixChanged(s);
    EXPECT_NEAR(u.state.mt, 4, 1e-12);
    EXPECT_NEAR(u.state.zv1, 160, 1e-9);  // 20 / 0.125
    EXPECT_NEAR(u.state.ad, 120, 1e-9);
    EXPECT_EQ(u.state.alphaWtRad, u.state.alphaTRad);
    // αt = atan(tan 20° / 0.5) = 36.0523°: 36°3′8″ by truncation.
    EXPECT_EQ(u.state.alphaT, (kavrin::AngleTriple{36, 3, 8}));
    EXPECT_EQ(u.resultText, kMsgUpdateShifts);
    PairState bad;
    EXPECT_EQ(helixChanged(bad).resultText, std::string(kMsgTeethOrder) + "\n并" + kMsgUpdateShifts);
}

TEST(FieldRules, HandEditedShiftsKeepTheSum) {
    PairState s = distribute(pair(20, 40, 2)).state;
    s.sumX = 0.3;
    s.xn1 = 0.2;
    EXPECT_DOUBLE_EQ(pinionShiftEdited(s).state.xn2, 0.1);
    s.xn2 = 0.25;
    EXPECT_DOUBLE_EQ(gearShiftEdited(s).state.xn1, 0.05);
    s.meshType = MeshType::Internal;
    EXPECT_DOUBLE_EQ(gearShiftEdited(s).state.xn1, -0.05);  // xn2 − Σx
    EXPECT_EQ(pinionShiftEdited(s).resultText, kMsgCheckShifts);
}

TEST(FieldRules, LeavingNeedsALoadedPair) {
    EXPECT_FALSE(pairComplete(PairState{}));
    EXPECT_TRUE(pairComplete(pair(20, 40, 2)));
    EXPECT_EQ(std::string(kMsgLoadPreliminary), "请先装入预定计算数据！");
}

// Tooth counts near the int limit: Z1 ± Z2 is taken in double, so the sum
// of 2·10⁹ + 2·10⁹ is 4·10⁹, not an overflow (the sanitizer build aborts on
// one). By hand: ad = 4·10⁹ × 2 / 2 = 4·10⁹ mm; internal 2·10⁹ − 10⁹ = 10⁹.
TEST(StandardCentreDistance, HugeToothCountsDoNotOverflow) {
    EXPECT_EQ(standardCentreDistance(2000000000, 2000000000, 2, MeshType::External), 4e9);
    EXPECT_EQ(standardCentreDistance(1000000000, 2000000000, 2, MeshType::Internal), 1e9);
    PairState s = pair(2000000000, 2000000000, 2);
    EXPECT_EQ(s.ad, 4e9);
    s.a = s.ad + 1;
    PairUpdate u = distribute(s);
    EXPECT_TRUE(std::isfinite(u.state.sumX));
    EXPECT_TRUE(std::isfinite(u.state.xn1));
}

}  // namespace
}  // namespace cylindrical
