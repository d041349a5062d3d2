// Geometry of the ordinary worm pair. The public example: axial module 3,
// z1 2, z2 30, d1 44, αn 20° (a worm-gear formula sheet after DIN, where its
// rules agree with these; its roots use 1.25·m, ours 1.2·m). Other values by
// hand from the formulas (π = 3.141592654).
#include <gtest/gtest.h>

#include <cmath>

#include "worm/calc/worm_geometry.h"
#include "worm/calc/worm_preliminary.h"

using namespace worm;
using namespace worm::geometry;

namespace {

CwPreRecord example(WormType type) {
    CwPreRecord p;
    p.type = type;
    p.z1 = 2;
    p.z2 = 30;
    p.m = 3;
    p.q = 44.0 / 3;
    p.d1 = 44;
    p.d2 = 90;
    p.a = 67;
    p.gamma = 7.76517;
    return p;
}

TEST(WormGeometry, PublicExampleStartValues) {
    auto g = ordinaryStart(example(WormType::ZN));
    ASSERT_TRUE(g) << g.error().text;
    // As published.
    EXPECT_NEAR(g->gammaW, 7.76517, 1e-9);
    EXPECT_EQ(g->aw, 67);
    EXPECT_EQ(g->x2, 0);
    EXPECT_NEAR(g->mn1, 2.97249, 5e-6);
    EXPECT_NEAR(g->pz1, 18.84956, 5e-6);
    EXPECT_EQ(g->da1, 50);
    EXPECT_EQ(g->d1w, 44);
    EXPECT_EQ(g->d2, 90);
    EXPECT_EQ(g->da2, 96);
    EXPECT_EQ(g->de2, 99);
    EXPECT_EQ(g->rg, 19);
    // Our dedendum 1.2·m.
    EXPECT_NEAR(g->df1, 36.8, 1e-12);
    EXPECT_NEAR(g->df2, 82.8, 1e-12);
    // By hand from the formulas.
    EXPECT_NEAR(g->alphaX, 20.17024, 5e-6);
    EXPECT_EQ(g->b1, 41);
    EXPECT_EQ(g->b2, 26);
    EXPECT_NEAR(g->theta, 62.6645, 5e-5);
    EXPECT_NEAR(g->sn, 4.6692, 5e-5);
    EXPECT_NEAR(g->hcn1, 3.0023, 5e-5);
    EXPECT_NEAR(g->epsA, 1.8066, 5e-5);
    EXPECT_EQ(g->db, 0);
    EXPECT_EQ(g->status, kGeomStatusOrdinary);

    auto za = ordinaryStart(example(WormType::ZA));
    ASSERT_TRUE(za);
    EXPECT_EQ(za->alphaX, 20);
    EXPECT_NEAR(za->alphaN, 19.83096, 5e-6);
    EXPECT_NEAR(za->epsA, 1.8172, 5e-5);

    auto zi = ordinaryStart(example(WormType::ZL));
    ASSERT_TRUE(zi);
    EXPECT_NEAR(zi->gammaB, 21.3969, 5e-5);
    EXPECT_NEAR(zi->db, 15.3127, 5e-5);
    EXPECT_NEAR(zi->pbn, 8.7752, 5e-5);
}

TEST(WormGeometry, TypeRules) {
    auto zc = ordinaryStart(example(WormType::ZC));
    ASSERT_FALSE(zc);
    EXPECT_EQ(zc.error().text, kMsgZcDesign);
    for (WormType t : {WormType::ZN, WormType::ZL, WormType::ZK}) {
        for (auto [gamma, alphaN] : {std::pair{29.99, 20.0}, {30.0, 25.0}, {45.0, 25.0}}) {
            CwPreRecord p = example(t);
            p.gamma = gamma;
            p.q = 2 / std::tan(toRadians(gamma));
            p.d1 = p.q * p.m;
            auto g = ordinaryStart(p);
            // Such a small q makes b2 larger than da1 at γ 45: refused for θ.
            if (!g) {
                EXPECT_EQ(g.error().text, kMsgFaceWidth) << gamma;
                continue;
            }
            EXPECT_EQ(g->alphaN, alphaN) << gamma;
        }
        CwPreRecord p = example(t);
        p.gamma = 45.01;
        auto g = ordinaryStart(p);
        ASSERT_FALSE(g);
        EXPECT_EQ(g.error().text, kMsgLeadAngle);
    }
    // θ: m 10, d1 25 (q 2.5): b2 = floor(20·(√3.5 + 0.5)) = 47 above da1 45.
    CwPreRecord p = example(WormType::ZA);
    p.m = 10;
    p.d1 = 25;
    p.q = 2.5;
    p.d2 = 300;
    p.a = 162.5;
    auto g = ordinaryStart(p);
    ASSERT_FALSE(g);
    EXPECT_EQ(g.error().text, kMsgFaceWidth);
}

TEST(WormGeometry, ShiftedExample) {
    auto g = *ordinaryStart(example(WormType::ZN));
    // a' 68.5: x = (137/3 − 30 − 44/3)/2 = 0.5 (0.5000000000000036 in double).
    EXPECT_TRUE(centreAccepted(g, 68.5));
    EXPECT_TRUE(centreAccepted(g, 65.5));
    EXPECT_FALSE(centreAccepted(g, 68.6));
    EXPECT_FALSE(centreAccepted(g, 65.4));
    g.aw = 68.5;
    EXPECT_EQ(centreStep(g), CentreStep::Advise);
    calculateOrdinary(g);
    EXPECT_NEAR(g.x2, 0.5, 1e-12);
    EXPECT_NEAR(g.d1w, 47, 1e-12);
    EXPECT_NEAR(g.gammaW, 7.2750, 5e-5);
    EXPECT_NEAR(g.dm2, 93, 1e-12);
    EXPECT_NEAR(g.ha2, 4.5, 1e-12);
    EXPECT_NEAR(g.hf2, 2.1, 1e-12);
    EXPECT_NEAR(g.da2, 99, 1e-12);
    EXPECT_NEAR(g.df2, 85.8, 1e-12);
    EXPECT_NEAR(g.de2, 102, 1e-12);
    EXPECT_NEAR(g.rg, 19, 1e-12);
    EXPECT_NEAR(g.epsA, 1.6549, 5e-5);
    // Worm values stay.
    EXPECT_EQ(g.da1, 50);
    EXPECT_EQ(g.b2, 26);
    g.aw = 67;
    EXPECT_EQ(centreStep(g), CentreStep::Fine);
    g.aw = 70;
    EXPECT_EQ(centreStep(g), CentreStep::Advise);
    g.aw = 70.1;
    EXPECT_EQ(centreStep(g), CentreStep::TooFar);
    EXPECT_EQ(noteAdvise(3), "建议中心距调整小于1.50,最大不要超过3.00");
}

TEST(WormGeometry, OutsideDiameterBounds) {
    auto g = *ordinaryStart(example(WormType::ZN));
    Bounds b = outsideDiameterBounds(g);
    // 2·(67 − 13/tan 31.33°) and 2·(67 − 19·sin 31.33°)
    EXPECT_NEAR(b.lower, 2 * (67 - 13 / std::tan(toRadians(g.theta / 2))), 1e-12);
    EXPECT_NEAR(b.upper, 2 * (67 - 19 * std::sin(toRadians(g.theta / 2))), 1e-12);
    EXPECT_LT(b.lower, g.de2);
    EXPECT_GT(b.upper, g.de2);
}

}  // namespace
