// The gear pair trial: working pressure angle, shift split, both gears'
// dimensions, contact ratio; the centre distance limits and the stops.
#include "measurement/calc/pair_measure.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace measurement;

namespace {

constexpr double kTol = 1e-6;
constexpr double kPi = 3.141592653589793;

PairInput pair(MeshType mesh, std::uint32_t z1, std::uint32_t z2, double da1, double da2, double aw) {
    return {.mesh = mesh, .mn = 2, .z1 = z1, .z2 = z2, .da1 = da1, .da2 = da2, .aw = aw};
}

}  // namespace

// Z1 20, Z2 40 at the reference distance: α' = αt, no shift; the pinion's
// span and chord as the single gear's hand calculation; Mp1 with the 4e-6 step.
TEST(PairTrial, ExternalAtReferenceDistance) {
    auto r = pairTrial(pair(MeshType::External, 20, 40, 44, 84, 60), {});
    ASSERT_TRUE(r) << r.error();
    EXPECT_NEAR(r->alphaWRad * 180 / kPi, 20, kTol);
    EXPECT_NEAR(r->xnSum, 0, kTol);
    EXPECT_NEAR(r->yt, 0, kTol);
    EXPECT_NEAR(r->deltaYn, 0, kTol);
    EXPECT_NEAR(r->g[0].xn, 0, kTol);
    EXPECT_NEAR(r->g[1].xn, 0, kTol);
    EXPECT_NEAR(r->g[1].da, 84, kTol);
    EXPECT_NEAR(r->epsilon, 1.635186, kTol);
    EXPECT_EQ(r->g[0].kw, 3u);
    EXPECT_NEAR(r->g[0].w, 15.320879, kTol);
    EXPECT_EQ(r->g[1].kw, 5u);
    EXPECT_NEAR(r->g[1].w, 27.689626, kTol);
    EXPECT_NEAR(r->g[0].mp, 44.449822, kTol);
    EXPECT_NEAR(r->g[1].mp, 84.494594, kTol);
    EXPECT_NEAR(r->g[0].sc, 2.774096, kTol);
    EXPECT_NEAR(r->g[0].hc, 1.495156, kTol);
}

TEST(PairTrial, ExternalWithCentreDistanceChange) {
    const PairInput in = pair(MeshType::External, 20, 40, 44, 84, 61);
    auto r = pairTrial(in, {});
    ASSERT_TRUE(r) << r.error();
    EXPECT_NEAR(std::cos(r->alphaTRad) * r->a / in.aw, 0.924288, kTol);
    EXPECT_NEAR(r->alphaWRad * 180 / kPi, 22.438791, kTol);
    EXPECT_NEAR(r->xnSum, 0.529771, kTol);
    EXPECT_NEAR(r->yt, 0.5, kTol);
    EXPECT_NEAR(r->deltaYn, 0.029771, kTol);
    EXPECT_NEAR(r->g[0].xn, 0.029771, kTol);
    EXPECT_NEAR(r->g[1].xn, 0.5, kTol);
    EXPECT_NEAR(r->g[1].da, 85.880917, kTol);
    EXPECT_NEAR(r->g[0].dw, 40.666667, kTol);
    EXPECT_NEAR(r->g[1].dw, 81.333333, kTol);
    EXPECT_NEAR(r->epsilon, 1.509859, kTol);
    EXPECT_EQ(r->g[1].kw, 6u);
    EXPECT_NEAR(r->g[1].w, 34.277929, kTol);
    EXPECT_NEAR(r->g[0].mp, 44.549974, kTol);
    EXPECT_NEAR(r->g[1].mp, 86.209475, kTol);
    // An xn1 edit keeps xnΣ and moves xn2.
    const double xn2 = otherShiftFromXn1(MeshType::External, r->xnSum, 0.1);
    auto re = pairRecompute(in, *r, 0.1, xn2, {});
    ASSERT_TRUE(re) << re.error();
    EXPECT_NEAR(re->xnSum, 0.529771, kTol);
    EXPECT_NEAR(re->g[0].xn + re->g[1].xn, re->xnSum, 1e-12);
    EXPECT_NEAR(re->g[1].xn, 0.429771, kTol);
}

TEST(PairTrial, InternalAtReferenceDistance) {
    auto r = pairTrial(pair(MeshType::Internal, 20, 60, 44, 116, 40), {});
    ASSERT_TRUE(r) << r.error();
    EXPECT_NEAR(r->xnSum, 0, 1e-12);
    EXPECT_NEAR(r->epsilon, 1.949662, kTol);
    EXPECT_EQ(r->g[1].kw, 7u);
    EXPECT_NEAR(r->g[1].w, 40.058373, kTol);
    EXPECT_NEAR(r->g[1].mp, 115.396996, kTol);
    EXPECT_NEAR(r->g[1].hc, 1.502398, kTol);
}

TEST(PairTrial, Stops) {
    struct Case {
        const char* name;
        PairInput in;
        const char* msg;
    };
    const Case cases[] = {
        // a' − a = −1.2·mn: r 1.021405, no working angle.
        {"r above 1", pair(MeshType::External, 10, 20, 24, 44, 27.6), kMsgWorkingAngleUndefined},
        // The computed da2 56 lies inside db2 56.381557.
        {"da2 inside db2", pair(MeshType::Internal, 20, 30, 44, 56, 10), kMsgPairTipInsideBase},
        {"internal Z2 ≤ Z1", pair(MeshType::Internal, 30, 30, 64, 56, 10), kMsgInternalTeeth},
        {"missing Z2 and a'", pair(MeshType::External, 20, 0, 44, 84, 0),
         "输入条件:\n缺少输入条件： 大齿轮齿数Z2;\n缺少输入条件：啮合中心距A';\n"},
    };
    for (const Case& c : cases) {
        auto r = pairTrial(c.in, {});
        ASSERT_FALSE(r) << c.name;
        EXPECT_EQ(r.error(), c.msg) << c.name;
    }
    EXPECT_EQ(workingAngleQuestion(pair(MeshType::External, 10, 20, 24, 44, 27.6)).value_or(""), kMsgSmallWorkingAngle);
}

TEST(PairTrial, CentreDistanceLimits) {
    PairInput in = pair(MeshType::External, 20, 40, 44, 84, 0);
    EXPECT_TRUE(centreDistanceAccepted(in, 63.6));    // +1.8·mn
    EXPECT_FALSE(centreDistanceAccepted(in, 63.62));  // +1.81·mn
    EXPECT_TRUE(centreDistanceAccepted(in, 57.6));    // −1.2·mn
    EXPECT_FALSE(centreDistanceAccepted(in, 57.58));
    in.mesh = MeshType::Internal;
    EXPECT_TRUE(centreDistanceAccepted(in, 20 + 2.4));
    EXPECT_FALSE(centreDistanceAccepted(in, 20 + 2.42));
}

// A span deviation of 0 gives a pin deviation of 0 (never the old value).
TEST(PairTrial, ZeroSpanDeviationGivesZeroPinDeviation) {
    const PairInput in = pair(MeshType::External, 20, 40, 44, 84, 60);
    SpanDeviations dev;
    dev.ws[0] = 0.05;
    auto r = pairTrial(in, dev);
    ASSERT_TRUE(r);
    EXPECT_GT(r->g[0].dMs, 0.12);
    dev.ws[0] = 0;
    auto again = pairPinEdit(in, *r, r->dp, dev);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->g[0].dMs, 0);
}
