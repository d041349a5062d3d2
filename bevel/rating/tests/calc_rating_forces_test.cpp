// Torque and forces of the bevel rating, by hand from the rating's formulas
// (π 3.141592654) on the example pair m 5, Z1 17, Z2 43, αn 20°, βm 35°,
// φR 0.2941, δ1 21.5729°, δ2 68.4271°, T 250 N·m.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "bevel/rating/calc/rating_forces.h"

namespace {

using namespace bevel;

const ForceInput kPair{.torque = 250, .m = 5, .z1 = 17, .z2 = 43, .phiR = 0.2941, .alphaNDeg = 20, .betaMDeg = 35,
                       .delta1Deg = 21.5729, .delta2Deg = 68.4271};

TEST(BevelRatingForces, TorqueFromPowerAndSpeed) {
    // 9550·25/960 = 248.6979; T2 = T·43/17 = 629.0594.
    auto t = ratingTorque(25, 960);
    ASSERT_TRUE(t.has_value());
    EXPECT_NEAR(*t, 248.6979, 5e-5);
    EXPECT_NEAR(outputTorque(*t, 17, 43), 629.0594, 5e-5);
    EXPECT_NEAR(inputTorque(629.0594362745097, 17, 43), 248.6979, 5e-5);
    for (auto [p, n] : {std::pair{0.0, 960.0}, std::pair{25.0, 0.0}, std::pair{-1.0, 960.0},
                        std::pair{std::nan(""), 960.0}, std::pair{25.0, 1e-320}}) {
        auto r = ratingTorque(p, n);
        ASSERT_FALSE(r.has_value()) << p << " " << n;
        EXPECT_EQ(r.error().text, "输入的数值非法!");
        EXPECT_EQ(r.error().icon, RatingNotice::Icon::Exclamation);
    }
    // The output torque only with both tooth numbers positive (T typed before Z1).
    EXPECT_EQ(outputTorque(250, 0, 43), 0);
    EXPECT_EQ(outputTorque(250, -17, 43), 0);
    EXPECT_EQ(inputTorque(629, 17, 0), 0);
}

TEST(BevelRatingForces, ForcesOfTheThreeArrangements) {
    auto ftm = meanTangentialForce(kPair);
    ASSERT_TRUE(ftm.has_value());
    EXPECT_NEAR(*ftm, 6896.4804, 5e-5);
    struct Case { DriveArrangement a; double fr1, fr2, fx1, fx2; };
    const Case cases[] = {
        {DriveArrangement::Straight, 2334.2814, 922.9305, 922.9305, 2334.2814},
        {DriveArrangement::FirstPairing, 1074.0937, 5617.3908, 5617.3908, 1074.0937},
        {DriveArrangement::SecondPairing, 4625.1691, -3364.0107, -3364.0107, 4625.1691},
    };
    for (const auto& c : cases) {
        auto f = gearForces(kPair, *ftm, c.a);
        ASSERT_TRUE(f.has_value());
        EXPECT_NEAR(f->fr1, c.fr1, 5e-4) << static_cast<int>(c.a);
        EXPECT_NEAR(f->fr2, c.fr2, 5e-4) << static_cast<int>(c.a);
        EXPECT_NEAR(f->fx1, c.fx1, 5e-4) << static_cast<int>(c.a);
        EXPECT_NEAR(f->fx2, c.fx2, 5e-4) << static_cast<int>(c.a);
        // u = 43/17: ZM 1.0370, cone factors 1.1724 and 1.3745.
        EXPECT_NEAR(f->zM, 1.0370, 5e-5);
        EXPECT_NEAR(f->coneH, 1.1724, 5e-5);
        EXPECT_NEAR(f->coneF, 1.3745, 5e-5);
    }
}

TEST(BevelRatingForces, RefusesWhatWouldDivideByZeroOrGoNegative) {
    struct Case { const char* name; ForceInput in; };
    auto with = [](auto change) { ForceInput in = kPair; change(in); return in; };
    const Case cases[] = {
        {"φR 2.0", with([](ForceInput& i) { i.phiR = 2.0; })},
        {"φR 2.5", with([](ForceInput& i) { i.phiR = 2.5; })},
        {"φR NaN", with([](ForceInput& i) { i.phiR = std::nan(""); })},
        {"Z1 0", with([](ForceInput& i) { i.z1 = 0; })},
        {"Z1 −17", with([](ForceInput& i) { i.z1 = -17; })},
        {"m 0", with([](ForceInput& i) { i.m = 0; })},
    };
    for (const auto& c : cases) {
        auto ftm = meanTangentialForce(c.in);
        ASSERT_FALSE(ftm.has_value()) << c.name;
        EXPECT_EQ(ftm.error().text, "输入的数值非法!") << c.name;
    }
    const Case angles[] = {
        {"αn 90", with([](ForceInput& i) { i.alphaNDeg = 90; })},
        {"αn 120", with([](ForceInput& i) { i.alphaNDeg = 120; })},
        {"βm 90", with([](ForceInput& i) { i.betaMDeg = 90; })},
        {"βm NaN", with([](ForceInput& i) { i.betaMDeg = std::nan(""); })},
        {"δ1 ∞", with([](ForceInput& i) { i.delta1Deg = std::numeric_limits<double>::infinity(); })},
    };
    for (const auto& c : angles) {
        auto f = gearForces(c.in, 6896.48, DriveArrangement::FirstPairing);
        ASSERT_FALSE(f.has_value()) << c.name;
        EXPECT_EQ(f.error().text, "输入的数值非法!") << c.name;
    }
    // βm 0 with the straight arrangement is fine.
    EXPECT_TRUE(gearForces(with([](ForceInput& i) { i.betaMDeg = 0; }), 6896.48, DriveArrangement::Straight));
}

}  // namespace
