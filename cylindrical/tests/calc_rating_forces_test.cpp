// Torque, tooth forces and overlap ratio of the strength rating, and the
// rule that only finite, positive factors reach the completion masks.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cylindrical/calc/rating_forces.h"

using namespace cylindrical;

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TEST(RatingTorque, FromPowerAndSpeed) {
    // 9549 · 10 / 1450 = 65.855172…
    auto t = ratingTorque(10, 1450);
    ASSERT_TRUE(t);
    EXPECT_NEAR(*t, 65.8552, 5e-5);
}

TEST(RatingTorque, RefusesSpeedAndPowerNotPositive) {
    struct Case {
        const char* name;
        double p, n;
        const char* text;
    };
    const Case cases[] = {
        {"n 0", 10, 0, "输入的转速值不正确！"},
        {"n negative", 10, -5, "输入的转速值不正确！"},
        {"n NaN", 10, kNaN, "输入的转速值不正确！"},
        // P ≤ 0 used to set the torque flag with T ≤ 0.
        {"P 0", 0, 1450, "输入的功率值不正确！"},
        {"P negative", -3, 1450, "输入的功率值不正确！"},
        {"P infinite", kInf, 1450, "输入的功率值不正确！"},
    };
    for (const Case& c : cases) {
        auto t = ratingTorque(c.p, c.n);
        ASSERT_FALSE(t) << c.name;
        EXPECT_EQ(t.error().text, c.text) << c.name;
        EXPECT_EQ(t.error().caption, "注意") << c.name;
        EXPECT_EQ(t.error().icon, RatingMessage::Icon::Exclamation) << c.name;
    }
}

TEST(RatingForces, SpurAndHelicalVectors) {
    const double t = 9549.0 * 10 / 1450;  // the torque of the vector above
    struct Case {
        const char* name;
        double beta;
        double ft, fr, fx, fn;  // hand: Ft = 2000·T·cos β/40, Fr = Ft·tan 20°/cos β, Fx = Ft·tan β, Fn = Ft/(cos β·cos 20°)
    };
    const Case cases[] = {
        {"beta 0", 0, 3292.7586, 1198.4661, 0.0, 3504.0805},
        // cos 15° = 0.965926: Ft 3180.5606, tan 15° = 0.267949: Fx 852.2286; Fr and Fn as for β 0
        {"beta 15", 15, 3180.5606, 1198.4661, 852.2286, 3504.0805},
    };
    for (const Case& c : cases) {
        auto ft = tangentialForce({.torque = t, .z1 = 20, .mn = 2, .betaDeg = c.beta});
        ASSERT_TRUE(ft) << c.name;
        EXPECT_NEAR(*ft, c.ft, 5e-5) << c.name;
        auto fr = radialForce(*ft, 20, c.beta);
        auto fx = axialForce(*ft, c.beta);
        auto fn = normalForce(*ft, 20, c.beta);
        ASSERT_TRUE(fr && fx && fn) << c.name;
        EXPECT_NEAR(*fr, c.fr, 5e-5) << c.name;
        EXPECT_NEAR(*fx, c.fx, 5e-5) << c.name;
        EXPECT_NEAR(*fn, c.fn, 5e-5) << c.name;
    }
}

TEST(RatingForces, FollowersWantTheTangentialForceFirst) {
    for (auto r : {radialForce(0, 20, 0), axialForce(0, 15), normalForce(0, 20, 0)}) {
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error().text, "请先计算圆周力");
        EXPECT_EQ(r.error().place, RatingMessage::Place::HintLine);
    }
}

TEST(RatingForces, TangentialForceWithoutTeethOrModuleIsRefused) {
    EXPECT_FALSE(tangentialForce({.torque = 65.8, .z1 = 0, .mn = 2, .betaDeg = 0}));
    EXPECT_FALSE(tangentialForce({.torque = 65.8, .z1 = 20, .mn = 0, .betaDeg = 0}));
    EXPECT_FALSE(tangentialForce({.torque = 0, .z1 = 20, .mn = 2, .betaDeg = 0}));
}

TEST(RatingOverlapRatio, OnlyWithAModule) {
    // 30 · sin 15° / (π · 2) = 30 · 0.258819 / 6.283185 = 1.235770
    auto eps = overlapRatio(30, 15, 2);
    ASSERT_TRUE(eps);
    EXPECT_NEAR(*eps, 1.2358, 5e-5);
    // β typed before mn: no εβ (its flag stays clear), never NaN.
    EXPECT_FALSE(overlapRatio(30, 15, 0));
    EXPECT_FALSE(overlapRatio(30, 15, kNaN));
    // A spur pair has εβ = 0 with its flag set.
    auto spur = overlapRatio(30, 0, 2);
    ASSERT_TRUE(spur);
    EXPECT_EQ(*spur, 0.0);
}

TEST(RatingMasks, OnlyFinitepositiveFactorsSetTheirBit) {
    struct Case {
        const char* name;
        double value;
        double stored;
        bool bit;
    };
    const Case cases[] = {
        {"positive", 1.25, 1.25, true},
        {"zero", 0.0, 0.0, false},
        {"negative", -2.0, 0.0, false},
        // +inf used to pass "> 0" and reach σH.
        {"+inf", kInf, 0.0, false},
        {"NaN", kNaN, 0.0, false},
    };
    for (const Case& c : cases) {
        double slot = 7.0;
        std::uint16_t mask = 0x0f0;
        const bool set = storeFactor(c.value, slot, mask, contact_bit::zE);
        EXPECT_EQ(set, c.bit) << c.name;
        EXPECT_EQ(slot, c.stored) << c.name;
        EXPECT_EQ(mask, c.bit ? 0x0f0 : 0x0d0) << c.name;  // only its own bit moves
    }
}

TEST(RatingMasks, CompleteMasks) {
    EXPECT_TRUE(contactMaskComplete(0xfff));
    EXPECT_FALSE(contactMaskComplete(0xff7));
    EXPECT_TRUE(bendingMaskComplete(0x3ff));
    EXPECT_FALSE(bendingMaskComplete(0x3df));
    EXPECT_FALSE(bendingMaskComplete(0x1ff));
}
