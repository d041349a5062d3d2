// Geometry of the arc-profile worm pairs ZC1 and ZC3. Expected values by
// hand from the formulas (π = 3.141592654) for the design: type ZC, Z1 2,
// Z2 41, m 5, d1 50, q 10, a 127.5, γ 11.3099°.
#include <gtest/gtest.h>

#include <cmath>

#include "fw/text.h"
#include "worm/calc/arc_geometry.h"
#include "worm/calc/cw_record_check.h"
#include "worm/calc/worm_geometry.h"

using namespace worm;
using namespace worm::arc;

namespace {

CwPreRecord design(std::int32_t z1 = 2, double m = 5, double d1 = 50, std::int32_t z2 = 41) {
    CwPreRecord p;
    p.type = WormType::ZC;
    p.z1 = z1;
    p.z2 = z2;
    p.m = m;
    p.d1 = d1;
    p.q = d1 / m;
    p.d2 = z2 * m;
    p.a = (p.d1 + p.d2) / 2;
    p.gamma = std::atan(z1 / p.q) * 180 / 3.141592654;
    return p;
}

TEST(ArcGeometry, Zc1LoadAndCalculation) {
    auto z = zc1Start(design());
    ASSERT_TRUE(z) << z.error().text;
    const CwGeomRecord& g = z->g;
    EXPECT_NEAR(g.gamma, 11.3099, 5e-5);
    EXPECT_NEAR(g.alphaX, 23.4069, 5e-5);
    EXPECT_EQ(z->haStar, 1);
    EXPECT_NEAR(g.hf1, 5.8, 1e-12);
    EXPECT_EQ(g.da1, 60);
    EXPECT_EQ(g.da2, 215);
    EXPECT_EQ(g.de2, 219);
    EXPECT_NEAR(g.df1, 38.4, 1e-12);
    EXPECT_NEAR(g.df2, 193.4, 1e-12);
    EXPECT_EQ(g.au, 170);
    EXPECT_NEAR(g.sx, 6.2832, 5e-5);
    EXPECT_NEAR(g.sn, 6.1612, 5e-5);
    EXPECT_NEAR(g.rho, 28.4558, 5e-4);
    EXPECT_NEAR(g.rhoDisc, 25.1347, 5e-5);   // with Au 170, inside its range
    Bounds b = discRadiusRange(*z);
    EXPECT_NEAR(b.lower, 22.0004, 5e-5);
    EXPECT_NEAR(b.upper, 28.1690, 5e-5);
    EXPECT_EQ(g.b1, 82);
    EXPECT_EQ(g.b2, 39);
    EXPECT_NEAR(g.theta, 81.0832, 5e-5);
    EXPECT_NEAR(g.epsA, 1.6584, 5e-5);
    EXPECT_EQ(zc1NoteLoaded(*z), "调整中心距: 最多增加不超过5.00mm。\n ρ值要在22～28范围内取整数。\n");

    Zc1 c = *z;
    EXPECT_TRUE(zc1CentreAccepted(c.g, 130));
    EXPECT_TRUE(zc1CentreAccepted(c.g, 127.5));
    EXPECT_TRUE(zc1CentreAccepted(c.g, 132.5));
    EXPECT_FALSE(zc1CentreAccepted(c.g, 127.4));
    c.g.aw = 130;
    ASSERT_TRUE(zc1Calculate(c));
    EXPECT_NEAR(c.g.x2, 0.5, 1e-12);
    EXPECT_NEAR(c.g.d1w, 55, 1e-12);
    EXPECT_NEAR(c.g.gammaW, 10.3048, 5e-5);
    EXPECT_NEAR(c.g.ha2, 7.5, 1e-12);
    EXPECT_NEAR(c.g.hf2, 3.3, 1e-12);
    EXPECT_NEAR(c.g.da2, 220, 1e-12);
    EXPECT_NEAR(c.g.df2, 198.4, 1e-12);
    EXPECT_NEAR(c.g.dm2, 210, 1e-12);
    EXPECT_NEAR(c.g.de2, 225, 1e-12);
    EXPECT_NEAR(c.g.rg, 20, 1e-12);
    EXPECT_NEAR(c.g.epsA, 1.5677, 5e-5);
    EXPECT_NEAR(c.g.rho, 28.4558, 5e-5);   // the ρn of the load again
    EXPECT_NEAR(c.g.dh, 40, 1e-12);
    EXPECT_NEAR(c.g.arcAxial, 13.8949, 5e-5);
    EXPECT_NEAR(c.g.arcRadial, 34.8209, 5e-5);
    EXPECT_NEAR(c.g.l3, 135.1791, 5e-5);
    // ds 700 after the calculation: Au 370, ρn from ρ with it, L3 again.
    c.g.ds = 700;
    c.g.au = grindingCentre(700, c.g.d1, c.g.ha1);
    EXPECT_EQ(c.g.au, 370);
    c.g.rho = normalRadius(c);
    zc1ArcCentre(c);
    EXPECT_NEAR(c.g.rho, 28.1282, 5e-5);
    EXPECT_NEAR(c.g.l3, 335.1791, 5e-5);
    // a' below a, or beyond a + m, refused by the calculation.
    c.g.aw = 127.4;
    EXPECT_FALSE(zc1Calculate(c));
    c.g.aw = 132.6;
    auto r = zc1Calculate(c);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error(), "中心距调整的合适范围: 0～5.0 mm\n请再作调整！");
}

TEST(ArcGeometry, Zc1Rules) {
    // αn 21 after the load.
    Zc1 z = *zc1Start(design());
    ASSERT_TRUE(zc1SetAlphaN(z, 21, false));
    EXPECT_NEAR(z.g.alphaX, 21.3787, 5e-5);
    EXPECT_NEAR(z.g.rho, 34.4174, 5e-4);
    EXPECT_NEAR(z.g.rhoDisc, 29.3102, 5e-4);
    EXPECT_NEAR(z.g.epsA, 1.7645, 5e-5);
    // Z1 4: ha* 0.9 at load and in the calculation.
    Zc1 four = *zc1Start(design(4));
    EXPECT_EQ(four.haStar, 0.9);
    EXPECT_NEAR(four.g.ha1, 4.5, 1e-12);
    ASSERT_TRUE(zc1Calculate(four));
    EXPECT_NEAR(four.g.ha2, 4.5, 1e-12);
    // m 6.3, d1 56: Au = (300 + 56)/2 − 6.3 = 171.7, taken as 172.
    EXPECT_EQ(zc1Start(design(2, 6.3, 56))->g.au, 172);
    // Types 0 to 3 refused; m 10, d1 28: b2 49 above da1 48.
    CwPreRecord za = design();
    za.type = WormType::ZA;
    EXPECT_EQ(zc1Start(za).error().text, kMsgNotZc);
    EXPECT_EQ(zc1Start(za).error().icon, Icon::Stop);
    EXPECT_EQ(zc1Start(design(2, 10, 28)).error().text, geometry::kMsgFaceWidth);
}

// ZC1 pairs of large lead angle on a small q: the disc's arc radius
// ρ = 1/(1/ρn + K) falls short of e = Px1·cos γ − Sn, so the arc centre's
// axial coordinate L1 = ρ·cos αn − e lies below zero. It is a coordinate of
// the grinding setting, not a length: the calculation keeps it, the record
// stores it, the report prints it. Nothing after it reads L1, and the other
// setting values stay what the pair needs: L2 = ρ·sin αn + d1/2 beyond the
// worm's root, L3 = Au − L2 above zero, dH = df1 + 0.32·m. By hand (π =
// 3.141592654, αn 23°, ds 300, a' = a), m 4.5 beside m 5 as the neighbour
// whose centre lies above zero.
TEST(ArcGeometry, Zc1ArcCentreAtOrBelowZeroIsAResult) {
    struct Case {
        const char* what;
        std::int32_t z1, z2;
        double m, d1;
        double au, rhoDisc, l1, l2, l3, dh;
        const char* line;   // the report's L1 line
    };
    const Case cases[] = {
        // 500 kW at 750 r/min: γ 29.3578°, K 0.012130, ρn 161.3444, e 51.7508.
        {"m 31.5, d1 224, Z1 4, Z2 32", 4, 32, 31.5, 224, 234, 54.5619, -1.5263, 133.3190, 100.6810, 167.3,
         "L1 =\t\t-1.53+Δv mm\n"},
        // γ 38.6598°, K 0.091158, ρn 25.6102, e 7.3595.
        {"m 5, d1 25, Z1 4, Z2 28", 4, 28, 5, 25, 158, 7.6802, -0.2898, 15.5009, 142.4991, 16,
         "L1 =\t\t-0.29+Δv mm\n"},
        {"m 4.5, d1 25, Z1 4, Z2 28", 4, 28, 4.5, 25, 158, 8.1695, 0.6364, 15.6921, 142.3079, 16.9,
         "L1 =\t\t0.64+Δv mm\n"},
        // γ 51.3402°, K 0.049802, ρn 102.4409, e 23.5504.
        {"m 20, d1 160, Z1 10, Z2 50", 10, 50, 20, 160, 212, 16.7888, -8.0963, 86.5599, 125.4401, 124,
         "L1 =\t\t-8.10+Δv mm\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto z = zc1Start(design(c.z1, c.m, c.d1, c.z2));
        ASSERT_TRUE(z) << z.error().text;
        ASSERT_TRUE(zc1Calculate(*z));
        const CwGeomRecord& g = z->g;
        EXPECT_EQ(g.au, c.au);
        EXPECT_NEAR(g.rhoDisc, c.rhoDisc, 5e-5);
        EXPECT_NEAR(g.arcAxial, c.l1, 5e-5);
        EXPECT_NEAR(g.arcRadial, c.l2, 5e-5);
        EXPECT_GT(g.arcRadial, g.df1 / 2);
        EXPECT_NEAR(g.l3, c.l3, 5e-5);
        EXPECT_NEAR(g.dh, c.dh, 1e-9);
        EXPECT_FALSE(checkGeomRecord(g));
        EXPECT_NE(zc1Report(*z).find(c.line), std::string::npos);
        // Every ρ of its range and both ends of the disc's range give a
        // setting again (L1 does not depend on Au; L3 grows with it).
        const Bounds b = discRadiusRange(*z);
        for (double rho : {b.lower, b.upper})
            for (int ds : {300, 700}) {
                Zc1 edited = *z;
                edited.g.ds = ds;
                edited.g.au = grindingCentre(ds, edited.g.d1, edited.g.ha1);
                edited.g.rhoDisc = rho;
                edited.g.rho = normalRadius(edited);
                zc1ArcCentre(edited);
                EXPECT_FALSE(checkGeomRecord(edited.g)) << rho << " " << ds;
            }
    }
}

TEST(ArcGeometry, Zc3LoadCalculationAndFaceWidth) {
    auto s = zc3Start(design());
    ASSERT_TRUE(s);
    CwGeomRecord g = *s;
    EXPECT_NEAR(g.alphaN, 22.5986, 5e-5);
    EXPECT_EQ(g.da2, 215);
    EXPECT_EQ(g.de2, 220);
    EXPECT_NEAR(g.df1, 38, 1e-12);
    EXPECT_NEAR(g.sx, 6.2832, 5e-5);
    EXPECT_EQ(g.rho, 25);
    EXPECT_NEAR(g.arcAxial, 26.1542, 5e-5);
    EXPECT_NEAR(g.arcRadial, 34.7683, 5e-5);
    EXPECT_EQ(g.b1, 83);
    EXPECT_EQ(g.b2, 38);
    EXPECT_NEAR(g.theta, 78.5930, 5e-5);
    EXPECT_NEAR(g.epsA, 1.6781, 5e-5);
    // a' = a refused by both steps; a + 0.5·m and a + 1.5·m taken.
    EXPECT_FALSE(zc3CentreAccepted(g, 127.5));
    EXPECT_FALSE(zc3Calculate(g));
    EXPECT_TRUE(zc3CentreAccepted(g, 130));
    EXPECT_TRUE(zc3CentreAccepted(g, 135));
    g.aw = 132.5;
    ASSERT_TRUE(zc3Calculate(g));
    EXPECT_NEAR(g.x2, 1, 1e-12);
    EXPECT_NEAR(g.d1w, 60, 1e-12);
    EXPECT_NEAR(g.gammaW, 9.4623, 5e-5);
    EXPECT_NEAR(g.dm2, 215, 1e-12);
    EXPECT_NEAR(g.ha2, 10, 1e-12);
    EXPECT_NEAR(g.hf2, 1.0, 1e-12);
    EXPECT_NEAR(g.da2, 225, 1e-12);
    EXPECT_NEAR(g.df2, 203, 1e-12);
    EXPECT_NEAR(g.de2, 230, 1e-12);
    EXPECT_NEAR(g.rg, 20, 1e-12);
    EXPECT_NEAR(g.epsA, 1.4676, 5e-5);
    FaceWidth f = zc3FaceWidth(g);
    EXPECT_EQ(f.k, 13);
    EXPECT_EQ(f.bmin, 85);
    EXPECT_EQ(f.bmax, 105);
    EXPECT_EQ(faceWidthAt(85, 105, 0), 85);
    EXPECT_EQ(faceWidthAt(85, 105, 25), 95);
    EXPECT_EQ(faceWidthAt(85, 105, 50), 105);
    EXPECT_EQ(faceWidthAt(85, 105, 3), 86);   // 1.2 cut toward zero
}

TEST(ArcGeometry, Zc3Rules) {
    CwGeomRecord three = *zc3Start(design(3));
    EXPECT_NEAR(three.rho, 5.3 * 5, 1e-12);
    EXPECT_EQ(three.b1, std::floor((0.1 * 41 + 13.5) * 5));
    EXPECT_EQ(zc3FaceWidth(three).k, 13.5);
    for (auto [m, extra] : {std::pair{6.0, 20}, {6.3, 30}, {9.0, 30}, {14.0, 40}, {16.0, 50}}) {
        CwGeomRecord g = *zc3Start(design(2, m, 20 * m));
        FaceWidth f = zc3FaceWidth(g);
        EXPECT_EQ(f.bmax - f.bmin, extra) << m;
    }
    CwPreRecord zk = design();
    zk.type = WormType::ZK;
    EXPECT_EQ(zc3Start(zk).error().text, kMsgNotZc);
}

// Every value line of the ZC3 report puts its value at column 68 after the
// tab (code page 936 columns), the labels wider than their 22 columns
// ("蜗杆分度圆（中圆）直径:", "蜗杆螺牙分度圆法向弦齿厚:") included.
TEST(ArcGeometry, Zc3ReportValuesStandAtColumn68) {
    CwGeomRecord g = *zc3Start(design());
    g.aw = 132.5;
    ASSERT_TRUE(zc3Calculate(g));
    const std::string report = zc3Report(g);
    int lines = 0;
    bool wide[2] = {false, false};
    std::size_t from = 0;
    for (std::size_t end; (end = report.find('\n', from)) != std::string::npos; from = end + 1) {
        const std::string line = report.substr(from, end - from);
        if (line.find('=') == std::string::npos || line.find("*") != std::string::npos) continue;
        const std::size_t value = line.rfind(' ') + 1;
        ASSERT_EQ(line[0], '\t') << line;
        EXPECT_EQ(fw::gbkWidth(line.substr(1, value - 1)), 68u) << line;
        ++lines;
        if (line.find("蜗杆分度圆（中圆）直径:") != std::string::npos) wide[0] = true;
        if (line.find("蜗杆螺牙分度圆法向弦齿厚:") != std::string::npos) wide[1] = true;
    }
    EXPECT_GT(lines, 30);
    EXPECT_TRUE(wide[0] && wide[1]);
}

}  // namespace
