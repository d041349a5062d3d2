// Tooth-profile points of measured single gears, with the inputs the
// single-gear dialog hands over after its trial (c* 0.25, αn 20°, β 0).
#include <gtest/gtest.h>

#include <cmath>

#include "measurement/calc/profile_data.h"
#include "measurement/calc/single_measure.h"

using namespace measurement;

namespace {

constexpr double kTol = 1e-6;

ProfileInput fromTrial(GearType type, std::uint32_t z, double da, double rf, double shrinkage = 0) {
    auto r = singleTrial({.type = type, .mn = 2, .z = z, .da = da});
    EXPECT_TRUE(r) << r.error();
    return {.internal = type == GearType::Internal, .z = static_cast<std::int32_t>(z), .filletRadius = rf,
            .shrinkage = shrinkage, .d = r->d, .da = da, .df = r->df, .db = r->db, .alphaT = r->alphaTRad,
            .xt = r->xn * std::cos(r->betaRad)};
}

double radius(ProfilePoint p) { return std::hypot(p.x, p.y); }

}  // namespace

// Z 20, df 35: rf + Rf = 17.8 ≤ rb 18.79: P0, P1 on the radial line at θ0.
TEST(MeasuredProfile, FilletInsideTheBaseCircle) {
    auto p = profilePoints(fromTrial(GearType::External, 20, 44, 0.3));
    ASSERT_TRUE(p);
    EXPECT_NEAR(std::atan2(p->flank[0].x, p->flank[0].y), 0.063635432, 1e-9);
    EXPECT_NEAR(std::atan2(p->flank[1].x, p->flank[1].y), 0.063635432, 1e-9);
    EXPECT_NEAR(radius(p->flank[0]), 17.797472, kTol);
    EXPECT_NEAR(radius(p->flank[1]), 18.793852, kTol);
    EXPECT_NEAR(p->flank[15].x, 2.753631, kTol);
    EXPECT_NEAR(p->flank[15].y, 21.826991, kTol);
    EXPECT_NEAR(p->centre.x, 0.832393, kTol);
    EXPECT_NEAR(p->centre.y, 17.780526, kTol);
    EXPECT_NEAR(p->root.x, 0.818364, kTol);
    EXPECT_NEAR(p->root.y, 17.480855, kTol);
    EXPECT_NEAR(p->diameter, 40, kTol);
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(p->flankMirror[i], (ProfilePoint{-p->flank[i].x, p->flank[i].y}));
    EXPECT_EQ(p->centreMirror, (ProfilePoint{-p->centre.x, p->centre.y}));
    // λ 2 scales every radius by 1.02; Rf stays.
    auto s = profilePoints(fromTrial(GearType::External, 20, 44, 0.3, 2));
    ASSERT_TRUE(s);
    EXPECT_NEAR(radius(s->flank[15]), 22.44, kTol);
    EXPECT_EQ(s->rf, 0.3);
    EXPECT_NEAR(s->diameter, 40.8, kTol);
}

// Z 40, df 75: rf + Rf > rb, P0 at √(rb² + s²).
TEST(MeasuredProfile, FilletBeyondTheBaseCircle) {
    auto p = profilePoints(fromTrial(GearType::External, 40, 84, 0.3));
    ASSERT_TRUE(p);
    EXPECT_NEAR(radius(p->flank[0]), 37.769428, kTol);
    EXPECT_NEAR(radius(p->flank[15]), 42, kTol);
    EXPECT_NEAR(p->centre.x, 0.634381, kTol);
    EXPECT_NEAR(p->centre.y, 37.794676, kTol);
}

// Internal Z 60 (xn −0.173151, df 124.307396): from r 58 outward.
TEST(MeasuredProfile, InternalGear) {
    auto p = profilePoints(fromTrial(GearType::Internal, 60, 116, 0.3));
    ASSERT_TRUE(p);
    EXPECT_NEAR(radius(p->flank[0]), 58, kTol);
    EXPECT_NEAR(radius(p->flank[15]), 61.977671, kTol);
    EXPECT_NEAR(p->centre.x, 2.846508, kTol);
    EXPECT_NEAR(p->centre.y, 61.788165, kTol);
    // rf − Rf (62.15 − 6) inside the base circle (56.38): refused, nothing computed.
    EXPECT_FALSE(profilePoints(fromTrial(GearType::Internal, 60, 116, 6)));
}
