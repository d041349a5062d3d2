// The pinion and gear pages: dimensions of each gear from the record.
#include <gtest/gtest.h>

#include <cmath>

#include "cylindrical/calc/gear_geometry.h"
#include "cylindrical/calc/shift_distribution.h"

namespace cylindrical {
namespace {

constexpr double kDeg = 180 / 3.141592653589793;

PairGeometryInput externalSpur() {
    PairGeometryInput in;
    in.z1 = 20, in.z2 = 40, in.mn = 2, in.alphaNRad = kTwentyDegRad;
    in.haStar = 1, in.cStar = 0.25, in.a = 60, in.ad = 60;
    return in;
}

// The internal pair Z1 = 20, Z2 = 34, mn = 2, a = 15 after the distribution
// (yn = 0.5, xn1 = 0.4026, xn2 = 1.0129).
PairGeometryInput internalPair() {
    PairState s;
    s.z1 = 20, s.z2 = 34, s.mn = 2;
    s = internalMeshChosen(helixChanged(s).state).state;
    s.a = 15;
    s = centreDistanceChanged(s).state;
    PairGeometryInput in;
    in.z1 = s.z1, in.z2 = s.z2, in.mn = s.mn, in.alphaNRad = s.alphaNRad, in.haStar = 1, in.cStar = 0.25;
    in.xn1 = s.xn1, in.xn2 = s.xn2, in.yn = s.yn, in.a = s.a, in.ad = s.ad, in.meshType = MeshType::Internal;
    return in;
}

TEST(GearGeometry, PinionOfTheStandardExternalPair) {
    // Worked example: d1 = 40, ha1 = 2, hf1 = 2.5, da1 = 44, df1 = 35, dw1 = 40,
    // db1 = 40 cos 20° = 37.588, αat1 = acos(37.588/44) = 31.3213°.
    auto g = pinionGeometry(externalSpur());
    ASSERT_TRUE(g) << g.error();
    EXPECT_DOUBLE_EQ(g->d, 40);
    EXPECT_DOUBLE_EQ(g->ha, 2);
    EXPECT_DOUBLE_EQ(g->hf, 2.5);
    EXPECT_DOUBLE_EQ(g->da, 44);
    EXPECT_DOUBLE_EQ(g->df, 35);
    EXPECT_DOUBLE_EQ(g->dw, 40);
    EXPECT_NEAR(g->db, 37.588, 5e-4);
    EXPECT_NEAR(g->alphaAtRad * kDeg, 31.3213, 5e-5);
    EXPECT_NEAR(g->alphaTRad * kDeg, 20, 1e-12);
}

TEST(GearGeometry, GearOfTheStandardExternalPair) {
    auto g = gearGeometry(externalSpur());
    ASSERT_TRUE(g);
    EXPECT_DOUBLE_EQ(g->d, 80);
    EXPECT_DOUBLE_EQ(g->da, 84);
    EXPECT_DOUBLE_EQ(g->df, 75);
    EXPECT_DOUBLE_EQ(g->dw, 80);
}

TEST(GearGeometry, InternalGearTipInsideRootOutsideItsReferenceCircle) {
    PairGeometryInput in = internalPair();
    auto g = gearGeometry(in);
    ASSERT_TRUE(g) << g.error();
    EXPECT_LT(g->da, g->d);
    EXPECT_GT(g->df, g->d);
    // da2 = d2 − 2·mn·(ha* − xn1 − yn) = 68 − 4·(1 − 0.4026 − 0.5) = 67.610;
    // the sign of yn printed elsewhere, +yn, would give 63.610 < db2 = 63.899.
    EXPECT_NEAR(g->da, 67.610, 5e-4);
    EXPECT_NEAR(g->db, 63.899, 5e-4);
    EXPECT_NEAR(g->df, 68 + 2 * 2 * (1.25 + in.xn2), 1e-12);
    EXPECT_NEAR(gearTipDiameter(in, g->d), g->da, 1e-12) << "pages 3 and 4 agree";
    // Pinion of an internal pair: ha1 = (ha* + xn2 − yn)·mn.
    auto p = pinionGeometry(in);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->ha, (1 + in.xn2 - 0.5) * 2, 1e-12);
}

TEST(GearGeometry, IncompletePairsAndTipsInsideTheBaseCircleAreRefused) {
    struct Case {
        const char* name;
        void (*spoil)(PairGeometryInput&);
        const char* message;
    } cases[] = {
        {"ad = 0 (page shown before page 1)", [](PairGeometryInput& p) { p.ad = 0; }, kMsgNoPairData},
        {"mn = 0", [](PairGeometryInput& p) { p.mn = 0; }, kMsgNoPairData},
        {"Z1 = 0", [](PairGeometryInput& p) { p.z1 = 0; }, kMsgNoPairData},
        // A standard internal gear Z2 = 30: da2 = 56 < db2 = 56.382.
        {"internal Z2 = 30 standard",
         [](PairGeometryInput& p) {
             p.meshType = MeshType::Internal;
             p.z2 = 30;
             p.ad = p.a = 10;
         },
         kMsgTipInsideBase},
        // The listing names the real cause, not "请先装入预定计算数据！".
        {"αn = 0", [](PairGeometryInput& p) { p.alphaNRad = 0; }, kMsgPressureAngleRange},
        {"a = 0", [](PairGeometryInput& p) { p.a = 0; }, kMsgCentreDistancePositive},
        {"β 70°", [](PairGeometryInput& p) { p.betaRad = 70 * 3.141592653589793 / 180; }, kMsgHelixTooLarge},
        // A pinion shift of −10: hf1 = (1 + 0.25 + 10)·2 = 22.5, df1 = 40 − 45 < 0.
        {"df1 below zero", [](PairGeometryInput& p) { p.xn1 = -10; }, "齿根圆直径 df1不大于零，请修正变位系数或中心距！"},
    };
    for (const auto& c : cases) {
        PairGeometryInput in = externalSpur();
        c.spoil(in);
        auto g = c.message == kMsgTipInsideBase ? gearGeometry(in) : pinionGeometry(in);
        ASSERT_FALSE(g) << c.name;
        EXPECT_EQ(g.error(), c.message) << c.name;
    }
}

TEST(GearGeometry, InputFromTheRecord) {
    CyGeomRecord r;
    r.z1 = 20, r.z2 = 40, r.mn = 2, r.alphaNDeg = 20, r.betaDeg = 8, r.betaMin = 6, r.betaSec = 34;
    r.cStarIndex = 1, r.haStar = 0.8, r.a = 61, r.ad = 60.6;
    PairGeometryInput in = pairGeometryInput(r);
    EXPECT_NEAR(in.betaRad * kDeg, 8 + 6 / 60.0 + 34 / 3600.0, 1e-12);
    EXPECT_NEAR(in.alphaNRad, kTwentyDegRad, 1e-15);
    EXPECT_EQ(in.cStar, 0.3);
    auto g = pinionGeometry(in);
    ASSERT_TRUE(g);
    EXPECT_NEAR(g->mt, 2 / std::cos(in.betaRad), 1e-12);
    EXPECT_NEAR(g->dw, g->d * 61 / 60.6, 1e-12);
}

}  // namespace
}  // namespace cylindrical
