// Force analysis and strength rating of the worm chain. Expected values by
// hand from the formulas (π = 3.141592654) on the chain design: ZA, m 8,
// Z1 2, Z2 40, d'1 71, dm2 320, a' 195.5, γ' 12.6996°, αx 20°, b2 58,
// df1 51.8; N 7.5, n1 1450, u 20.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "worm/calc/worm_rating.h"

using namespace worm::rating;

namespace {

TEST(WormRating, FrictionTable) {
    struct Case {
        double v, rho, lo, hi;
    };
    const Case cases[] = {
        {15, 1.33, 1.17, 1.33},        // the last band's top
        {15.000001, 0.83, 0.83, 1.17}, // above the table
        {1, 3.67, 3.17, 3.67},
        {5.5256, 1.67, 1.5, 1.67},
        {0.01, 6.83, 5.5, 6.83},       // at or below its first speed: the first band
        {0.005, 6.83, 5.5, 6.83},
        {0, 6.83, 5.5, 6.83},
    };
    for (const Case& c : cases) {
        Friction f = frictionAt(c.v);
        EXPECT_EQ(f.rho, c.rho) << c.v;
        EXPECT_EQ(f.range.lower, c.lo) << c.v;
        EXPECT_EQ(f.range.upper, c.hi) << c.v;
    }
    EXPECT_EQ(positionOf(1.67, {1.5, 1.67}), 50);
    EXPECT_EQ(positionOf(1.5, {1.5, 1.67}), 0);
}

TEST(WormRating, ChainVector) {
    const double v = slidingSpeed(71, 1450, 12.6996);
    EXPECT_NEAR(v, 5.5256, 5e-5);
    auto eta1 = screwEfficiency(Drive::Worm, 12.6996, 1.67);
    ASSERT_TRUE(eta1);
    EXPECT_NEAR(*eta1, 0.87963, 5e-6);
    const double eta = *eta1 * 0.97 * 0.96;
    EXPECT_NEAR(eta, 0.81911, 5e-6);
    Torques t = torques(Drive::Worm, 7.5, 1450, eta, 20);
    EXPECT_NEAR(t.t1, 49.3966, 5e-5);
    EXPECT_NEAR(t.t2, 809.2227, 2e-4);
    Forces f = forces(t, 71, 320, 20);
    EXPECT_NEAR(f.ft1, 1391.4522, 5e-4);
    EXPECT_NEAR(f.ft2, 5057.6418, 2e-3);
    EXPECT_EQ(f.fx1, f.ft2);
    EXPECT_EQ(f.fx2, f.ft1);
    EXPECT_NEAR(f.fr1, 1840.8311, 1e-3);
    EXPECT_EQ(f.fr2, f.fr1);
    const double zh = lifeFactor(20000, 50), zn = speedFactor(1450, 20);
    EXPECT_NEAR(zh, 1.16499, 5e-6);
    EXPECT_NEAR(zn, 0.74931, 5e-6);
    const double sH = contactStress(t.t2, 1, 195.5, 147, 3.06);
    const double sHp = zh * zn * 265;
    EXPECT_NEAR(sH, 148.0310, 2e-4);
    EXPECT_NEAR(sHp, 231.3295, 2e-4);
    EXPECT_NEAR(sHp / sH, 1.5627, 5e-5);
    EXPECT_NEAR(bendingSafety(115, f.ft2, 1, 8, 58), 10.5504, 5e-5);
    const double inertia = rootInertia(51.8);
    EXPECT_NEAR(inertia, 353418.2, 0.05);
    const double dl = deflectionLimit(WormHardening::Hardened, 8);
    EXPECT_DOUBLE_EQ(dl, 0.032);
    EXPECT_DOUBLE_EQ(deflectionLimit(WormHardening::QuenchedTempered, 8), 0.08);
    const double s = *stiffnessSafety(f.ft1, f.ft2, 300, kSteelModulus, inertia, dl);
    EXPECT_NEAR(s, 0.7896, 5e-5);
    EXPECT_STREQ(stiffnessRemark(s), "蜗杆刚度较小，但为提高效率也可用。");
    EXPECT_STREQ(stiffnessRemark(0.5), "蜗杆刚度太小！");
    EXPECT_STREQ(stiffnessRemark(1), "蜗杆刚度较好。");
}

// The span L between the worm's bearings: 1 to 10⁷ mm (no worm shaft is
// shorter or longer). The field and the stiffness step refuse the same
// spans with the same text; the chain's S' at 300 mm is 0.7896, and S'
// falls with L³ up to the bound.
TEST(WormRating, SpanRange) {
    const std::string range = "跨距 L应在1～10000000mm之间！";
    const struct {
        double span;
        std::string refusal;   // empty: taken
    } cases[] = {
        {0, kMsgSpan},      {-5, kMsgSpan},     {-1e300, kMsgSpan},  {std::nan(""), kMsgSpan},
        {1e-300, range},    {0.999, range},     {1 - 1e-9, range},   {1, ""},
        {300, ""},          {1e7, ""},          {1e7 + 1e-2, range}, {1e16, range},
        {1e300, range},
    };
    const Forces f = forces(torques(Drive::Worm, 7.5, 1450, 0.81911, 20), 71, 320, 20);
    const double inertia = rootInertia(51.8), dl = deflectionLimit(WormHardening::Hardened, 8);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.span);
        const auto refusal = spanRefusal(c.span);
        const auto s = stiffnessSafety(f.ft1, f.ft2, c.span, kSteelModulus, inertia, dl);
        if (c.refusal.empty()) {
            EXPECT_FALSE(refusal) << *refusal;
            ASSERT_TRUE(s) << s.error();
            EXPECT_NEAR(*s, 0.7896 * std::pow(300 / c.span, 3), 5e-5 * std::pow(300 / c.span, 3));
        } else {
            EXPECT_EQ(refusal.value_or(""), c.refusal);
            ASSERT_FALSE(s);
            EXPECT_EQ(s.error(), c.refusal);
        }
    }
    EXPECT_EQ(inputRange(Quantity::Span), &worm::ranges::kSpan);
}

TEST(WormRating, WormGearDrivingAndSelfLocking) {
    // γ' 12.6996°, ρ 1.67°: η1 = tan 11.0296°/tan 12.6996° with the worm gear driving.
    auto eta1 = screwEfficiency(Drive::WormGear, 12.6996, 1.67);
    ASSERT_TRUE(eta1);
    EXPECT_NEAR(*eta1, std::tan(11.0296 * 3.141592654 / 180) / std::tan(12.6996 * 3.141592654 / 180), 1e-9);
    Torques t = torques(Drive::WormGear, 7.5, 1450, 0.8, 20);
    EXPECT_NEAR(t.t1, 9550 * 0.8 * 7.5 / 1450, 1e-12);
    EXPECT_NEAR(t.t2, 20 * t.t1 / 0.8, 1e-12);
    // γ' ≤ ρ: the worm gear cannot drive.
    EXPECT_FALSE(screwEfficiency(Drive::WormGear, 3, 3));
    EXPECT_FALSE(screwEfficiency(Drive::WormGear, 2, 3.17));
    EXPECT_TRUE(screwEfficiency(Drive::Worm, 2, 3.17));
    // The η1 range stays inside 0 < η1 ≤ 1.
    Range r = screwEfficiencyRange(0.03);
    EXPECT_DOUBLE_EQ(r.lower, 0.015);
    EXPECT_DOUBLE_EQ(r.upper, 0.08);
    r = screwEfficiencyRange(0.98);
    EXPECT_DOUBLE_EQ(r.lower, 0.93);
    EXPECT_DOUBLE_EQ(r.upper, 1.0);
}

TEST(WormRating, StageEnabling) {
    Enabling e = enabling(kInputsComplete, 0);
    EXPECT_TRUE(e.speed);
    EXPECT_FALSE(e.efficiency);
    e = enabling(kInputsComplete | kStageSpeed | kStageEfficiency | kStageForces, 31);
    EXPECT_TRUE(e.factors);
    EXPECT_TRUE(e.stresses);
    EXPECT_FALSE(e.contactSafety);
    EXPECT_STREQ(e.hint, kHintStresses);
    e = enabling(kInputsComplete | kStageSpeed | kStageEfficiency | kStageForces, 255);
    EXPECT_FALSE(e.bendingSafety) << "Sw needs U";
    EXPECT_STREQ(e.hint, kHintContactSafety);
    e = enabling(kInputsComplete | kStageSpeed | kStageEfficiency | kStageForces, 255 | kRU);
    EXPECT_TRUE(e.bendingSafety);
    EXPECT_STREQ(e.hint, kHintBendingSafety);
    e = enabling(kInputsComplete | kStageSpeed | kStageEfficiency | kStageForces, kRatingComplete);
    EXPECT_TRUE(e.stiffnessSafety);
    EXPECT_STREQ(e.hint, kHintStiffness);
    e = enabling(kInputsComplete - kInN1, kRatingComplete);
    EXPECT_FALSE(e.speed);
    EXPECT_FALSE(e.stiffnessSafety);
}

}  // namespace
