#include "measurement/calc/profile_data.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fw/file.h"

using namespace measurement;

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kAlpha = 20 * kPi / 180;

// The example pair Z1 20, Z2 40, mn 2, αn 20°, β 0, x 0, ha* 1, c* 0.25,
// external, Rf 0.5, λ 0 (values worked out from the profile formulas).
ProfileInput pinion() {
    return {.internal = false, .z = 20, .filletRadius = 0.5, .shrinkage = 0, .d = 40, .da = 44, .df = 35,
            .db = 40 * std::cos(kAlpha), .alphaT = kAlpha, .xt = 0};
}
ProfileInput gear() {
    return {.internal = false, .z = 40, .filletRadius = 0.5, .shrinkage = 0, .d = 80, .da = 84, .df = 75,
            .db = 80 * std::cos(kAlpha), .alphaT = kAlpha, .xt = 0};
}

void expectPoint(ProfilePoint p, double x, double y, const char* what) {
    EXPECT_NEAR(p.x, x, 5e-6) << what;
    EXPECT_NEAR(p.y, y, 5e-6) << what;
}

TEST(ProfileData, FilletInsideTheBaseCircle) {
    auto r = profilePoints(pinion());
    ASSERT_TRUE(r);
    EXPECT_EQ(r->type, 0);
    EXPECT_EQ(r->z, 20);
    EXPECT_EQ(r->rf, 0.5);
    EXPECT_EQ(r->diameter, 40);
    expectPoint(r->flank[0], 1.14422, 17.95664, "P0");
    expectPoint(r->flank[1], 1.19515, 18.75581, "P1");
    expectPoint(r->flank[15], 2.75363, 21.82699, "P15");
    expectPoint(r->centre, 0.64524, 17.98843, "centre");
    expectPoint(r->root, 0.62731, 17.48875, "root");
    // P0 and P1 on one radial line; the root point on the root circle.
    EXPECT_NEAR(r->flank[0].x / r->flank[0].y, r->flank[1].x / r->flank[1].y, 1e-12);
    EXPECT_NEAR(std::hypot(r->root.x, r->root.y), 17.5, 1e-12);
    EXPECT_NEAR(std::hypot(r->flank[15].x, r->flank[15].y), 22, 1e-12);
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(r->flankMirror[i].x, -r->flank[i].x);
        EXPECT_EQ(r->flankMirror[i].y, r->flank[i].y);
    }
    EXPECT_EQ(r->centreMirror.x, -r->centre.x);
    EXPECT_EQ(r->rootMirror.x, -r->root.x);
}

TEST(ProfileData, FilletBeyondTheBaseCircle) {
    auto r = profilePoints(gear());
    ASSERT_TRUE(r);
    expectPoint(r->flank[0], 0.95500, 37.91775, "P0");
    expectPoint(r->centre, 0.46135, 37.99720, "centre");
    // The first flank point lies on the circle √(rb² + s²), outside rb.
    EXPECT_GT(std::hypot(r->flank[0].x, r->flank[0].y), 40 * std::cos(kAlpha));
    EXPECT_NEAR(std::hypot(r->flank[15].x, r->flank[15].y), 42, 1e-12);
}

TEST(ProfileData, ShrinkageScalesRadiiNotTheFillet) {
    ProfileInput in = pinion();
    in.shrinkage = 2;
    auto r = profilePoints(in);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->rf, 0.5);
    EXPECT_NEAR(r->diameter, 40.8, 1e-12);
    EXPECT_NEAR(std::hypot(r->root.x, r->root.y), 17.5 * 1.02, 1e-12);
    EXPECT_NEAR(std::hypot(r->flank[15].x, r->flank[15].y), 22 * 1.02, 1e-12);
}

TEST(ProfileData, InternalGearFromTheTipOutward) {
    // Internal gear Z 60, mn 2: d 120, tip 116 (inside), root 125.
    ProfileInput in{.internal = true, .z = 60, .filletRadius = 0.5, .shrinkage = 0, .d = 120, .da = 116,
                    .df = 125, .db = 120 * std::cos(kAlpha), .alphaT = kAlpha, .xt = 0};
    auto r = profilePoints(in);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->type, 1);
    EXPECT_NEAR(std::hypot(r->flank[0].x, r->flank[0].y), 58, 1e-12);
    EXPECT_GT(std::hypot(r->flank[15].x, r->flank[15].y), 58);
    EXPECT_NEAR(std::hypot(r->root.x, r->root.y), 62.5, 1e-12);
    EXPECT_NEAR(std::hypot(r->centre.x, r->centre.y), 62, 1e-12);
}

// The points of an internal gear are centred on one of its teeth (the help
// page and the record say so): at a radius ρ the flank lies half a tooth,
// π/(2z) + inv αρ − inv α, from the y axis; centred on a space it would lie
// π/(2z) − (inv αρ − inv α) from it.
TEST(ProfileData, InternalGearPointsAreCentredOnATooth) {
    ProfileInput in{.internal = true, .z = 60, .filletRadius = 0.5, .shrinkage = 0, .d = 120, .da = 116,
                    .df = 125, .db = 120 * std::cos(kAlpha), .alphaT = kAlpha, .xt = 0};
    auto r = profilePoints(in);
    ASSERT_TRUE(r);
    auto inv = [](double a) { return std::tan(a) - a; };
    for (const ProfilePoint& p : {r->flank[0], r->flank[8], r->flank[15]}) {
        const double rho = std::hypot(p.x, p.y);
        const double halfTooth = kPi / 120 + inv(std::acos(in.db / (2 * rho))) - inv(kAlpha);
        EXPECT_NEAR(std::atan2(std::abs(p.x), p.y), halfTooth, 1e-9) << rho;
    }
    // At the tip circle (ρ 58) that is 0.015803 rad, not the space's 0.036557.
    EXPECT_NEAR(std::atan2(std::abs(r->flank[0].x), r->flank[0].y), 0.015803, 1e-6);
}

TEST(ProfileData, DataWithoutAProfileAreRefused) {
    struct Case {
        const char* name;
        ProfileInput in;
    };
    ProfileInput zeroZ = pinion(), tipInside = pinion(), bigFillet{.internal = true, .z = 60, .filletRadius = 10,
                                                                   .d = 120, .da = 116, .df = 125,
                                                                   .db = 120 * std::cos(kAlpha), .alphaT = kAlpha};
    zeroZ.z = 0;
    tipInside.da = 36;   // tip circle inside the base circle
    const Case cases[] = {{"Z 0", zeroZ}, {"tip inside base", tipInside}, {"fillet too large", bigFillet}};
    for (const Case& c : cases) EXPECT_FALSE(profilePoints(c.in)) << c.name;
}

// make_profile_fixture.py computes the pinion's record on its own.
TEST(ProfileData, RecordMatchesFixtureByteForByte) {
    auto fixture = fw::readFile(std::filesystem::path(KAVRIN_SOURCE_DIR) / "measurement/tests/fixtures/pinion_z20.cyd");
    ASSERT_TRUE(fixture);
    ASSERT_EQ(fixture->size(), 600u);
    auto r = profilePoints(pinion());
    ASSERT_TRUE(r);
    EXPECT_EQ(writeProfileDataRecord(*r), *fixture);
    auto back = readProfileDataRecord(*fixture);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, *r);
}

}  // namespace
