// The cycloidal bevel geometry: the worked pair worked by hand from the
// formulas with our cutter table (an independent script, double precision),
// the spiral angles along the tooth (at Rp the reference angle itself, at the
// ends against a construction of the head in coordinates), the undefined
// reference points, the height modification and the tangential shift rules,
// the cutter list row and the report section.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "bevel/geometry/calc/cycloidal_geometry.h"
#include "bevel/geometry/calc/cycloidal_report.h"
#include "bevel/geometry/tests/cycloidal_fixtures.h"
#include "common/calc/angle_split.h"
#include "fw/file.h"

using namespace bevel;
using namespace bevel::aol;

namespace {

constexpr double kPi = 3.141592653589793;



std::string dms(double radians) { return kavrin::formatDms(kavrin::splitRadiansDms(radians)); }
double degrees(double radians) { return radians * 180 / kPi; }

// The heads of the shipped table, from its text source.
std::vector<CutterHeadRecord> shippedHeads() {
    std::ifstream in(std::filesystem::path(KAVRIN_SOURCE_DIR) / "help/tables/entc.txt", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    auto heads = parseCutterTable(text.str());
    EXPECT_TRUE(heads);
    return heads ? *heads : std::vector<CutterHeadRecord>{};
}

// The spiral angle at L by another route: the head's centre M = (ρ, 0) and
// the point N = (ρp, 0) on the x axis of the crown-gear plane (apex at the
// origin); the tooth point X is where the circle |X| = L meets the circle
// |X − M| = √Q; the angle follows from the vectors X→O and X→N.
double spiralAngleByCoordinates(double rho, double rhoP, double q, double l) {
    const double x = (l * l - q + rho * rho) / (2 * rho);
    const double y = std::sqrt(l * l - x * x);
    const double xnX = rhoP - x, xnY = -y;
    const double cosOXN = (-x * xnX + -y * xnY) / (l * std::hypot(xnX, xnY));
    return std::asin(cosOXN);
}

}  // namespace

TEST(CycloidalGeometry, WorkedPair) {
    const Inputs in = workedCycloidalPair();
    const Cone c = cone(in);
    EXPECT_EQ(dms(c.delta1), "21°48′5.1″");
    EXPECT_NEAR(c.r, 94.240, 5e-4);
    EXPECT_NEAR(c.b, 28.272, 5e-4);
    EXPECT_NEAR(c.zc, 37.696, 5e-4);
    EXPECT_NEAR(c.rp, 82.507, 5e-4);
    EXPECT_NEAR(c.ri, 65.968, 5e-4);
    EXPECT_EQ(dms(c.betaP1Deg * kPi / 180), "37°28′26.4″");
    auto ref = referencePoint(c, rb49(), 1);
    ASSERT_TRUE(ref);
    EXPECT_NEAR(ref->mp, 3.519, 5e-4);
    EXPECT_EQ(dms(ref->betaP), "36°29′32.3″");
    // The ends with both sides of the triangle M X N squared (before the
    // mend, Q + Eb gave 19°51′29.6″ and 47°34′52.2″).
    EXPECT_EQ(dms(ref->betaI), "20° 6′28.4″");
    EXPECT_EQ(dms(ref->beta), "47°25′24.3″");
    EXPECT_NEAR(degrees(ref->betaI), 20.107892970988196, 1e-11);
    EXPECT_NEAR(degrees(ref->beta), 47.42340841093549, 1e-11);
    EXPECT_NEAR(ref->h, 7.916, 5e-4);
    EXPECT_NEAR(49 / ref->h, 6.190, 5e-4);
    const double xmin = x1Min(in, c, *ref, rb49(), 1, 0);
    EXPECT_NEAR(xmin, 0.11626607930572218, 1e-12);
    const Results r = finish(in, c, *ref, xmin);
    EXPECT_NEAR(r.xt1, 0.030, 1e-12);
    EXPECT_NEAR(r.da1, 77.295, 5e-4);
    EXPECT_NEAR(r.da2, 177.310, 5e-4);
    EXPECT_NEAR(r.s1, 8.629, 5e-4);
    EXPECT_NEAR(r.epsBeta, 1.526, 5e-4);
    EXPECT_NEAR(r.epsAlpha, 1.484, 5e-4);
    EXPECT_NEAR(r.s1 + r.s2, kPi * 5, 1e-12);
    EXPECT_EQ(r.x2, -r.x1);
    EXPECT_NEAR(r.hf1, ref->h - r.ha1, 1e-12);
}

// The spiral angle along the tooth of the worked pair, against the head
// drawn in coordinates (a separate formula; the expected numbers also come
// from a short script of that construction, double precision).
TEST(CycloidalGeometry, SpiralAnglesAgreeWithTheHeadInCoordinates) {
    const Inputs in = workedCycloidalPair();
    const Cone c = cone(in);
    auto ref = referencePoint(c, rb49(), 1);
    ASSERT_TRUE(ref);
    const double q = rb49().q[1];
    struct Case { const char* name; double l, degrees; };
    const Case cases[] = {
        {"Ri", c.ri, 20.1078929709882},
        {"Rp", c.rp, 36.49235092750229},
        {"R", c.r, 47.42340841093549},
        {"mid", (c.ri + c.r) / 2, 0},
    };
    for (const Case& k : cases) {
        auto b = spiralAngleAt(*ref, rb49(), 1, k.l);
        ASSERT_TRUE(b) << k.name;
        EXPECT_NEAR(*b, spiralAngleByCoordinates(ref->rho, ref->rhoP, q, k.l), 1e-12) << k.name;
        if (k.degrees != 0) { EXPECT_NEAR(degrees(*b), k.degrees, 1e-11) << k.name; }
    }
    // The head's module here is not its own (mp·z0/2 = 7.04 against Eb 7.5),
    // so at Rp the angle is near βp but not βp (by 3.33e-5°; the unmended
    // sum Q + Eb put it 2.8e-3° off).
    EXPECT_NEAR(degrees(*spiralAngleAt(*ref, rb49(), 1, c.rp)) - degrees(ref->betaP), 3.3297e-5, 1e-8);
    // The angle grows from the toe to the heel.
    EXPECT_LT(ref->betaI, ref->betaP);
    EXPECT_LT(ref->betaP, ref->beta);
}

// Where the module at the reference point is the head's own (Eb = mp·z0/2)
// the construction puts the tooth through the reference point at βp: the
// angle at L = Rp is βp. One design per head and blade group of entc.ndt,
// the module mt chosen so that Rp² = Q + (Zc² − z0²)·(Eb/z0)².
TEST(CycloidalGeometry, AtTheReferencePointTheSpiralAngleIsBetaP) {
    const auto heads = shippedHeads();
    ASSERT_EQ(heads.size(), 11u);
    int designs = 0;
    for (std::size_t k = 0; k < heads.size(); ++k)
        for (int g = 0; g < 3; ++g) {
            const CutterHeadRecord& head = heads[k];
            const auto gi = static_cast<std::size_t>(g);
            ASSERT_NEAR(head.eb[gi], head.mp[gi] * head.z0 / 2, 1e-12) << "Eb of the table";
            Inputs in = workedCycloidalPair();
            in.z1 = 13 + static_cast<int>(k);
            in.z2 = 2 * in.z1 + g;
            const double zc = std::hypot(in.z1, in.z2);
            const double z0 = head.z0, eb = head.eb[gi];
            const double rp = std::sqrt(head.q[gi] + (zc * zc - z0 * z0) * (eb / z0) * (eb / z0));
            in.mt = 2 * rp / (zc * (1 - 0.415 * in.phiR));
            const Cone c = cone(in);
            SCOPED_TRACE(testing::Message() << "Rb " << head.rb << " group " << g << " mt " << in.mt);
            ASSERT_NEAR(c.rp, rp, 1e-9);
            auto ref = referencePoint(c, head, g);
            ASSERT_TRUE(ref);
            EXPECT_NEAR(ref->mp, head.mp[gi], 1e-12);
            auto atRp = spiralAngleAt(*ref, head, g, c.rp);
            ASSERT_TRUE(atRp);
            EXPECT_NEAR(degrees(*atRp), degrees(ref->betaP), 1e-9);
            ++designs;
        }
    EXPECT_EQ(designs, 33);
}

TEST(CycloidalGeometry, CutterListOfTheWorkedHead) {
    EXPECT_EQ(cutterListRow(0, rb49(), 1),
              "EN 4-49  46.50～52.00  49/3      3.75        3.20～4.40     7.50       0.75");
    EXPECT_EQ(cutterListRow(1, rb49(), 1), "TC 4-49  46.50～52.00  49/3      3.75        3.20～4.40     7.50 ");
    EXPECT_EQ(cutterListHeader(0), " 刀盘号  刀盘半径范围 刀片号 参考点法面模数   模数范围   滚动圆半径 刀尖圆角半径");
    EXPECT_EQ(cutterListHeader(1), " 刀盘号  刀盘半径范围 刀片号 参考点法面模数   模数范围   滚动圆半径");
}

TEST(CycloidalGeometry, UndefinedReferencePointsAreRefused) {
    const Inputs in = workedCycloidalPair();
    const Cone c = cone(in);
    // A head too large for the gear: Rp² < Q.
    CutterHeadRecord big = rb49();
    big.q = {20000, 20000, 20000};
    EXPECT_FALSE(referencePoint(c, big, 0));
    // Zc² ≤ z0²: a crown gear with fewer teeth than blade groups.
    CutterHeadRecord many = rb49();
    many.z0 = 40;
    EXPECT_FALSE(referencePoint(c, many, 1));
    // cos βp beyond 1: a tiny Q makes mp too large.
    CutterHeadRecord tiny = rb49();
    tiny.q = {1, 1, 1};
    tiny.eb = {0.1, 0.1, 0.1};
    EXPECT_FALSE(referencePoint(c, tiny, 1));
    // A very small gear: Ri ≤ 0 when the face width exceeds R.
    Inputs wide = in;
    wide.faceWidthEdited = true;
    wide.b = 200;
    EXPECT_FALSE(referencePoint(cone(wide), rb49(), 1));
    EXPECT_FALSE(referencePoint(c, rb49(), 3));
}

TEST(CycloidalGeometry, HeightModificationAndTangentialShiftRules) {
    // x1min is 0 when Δh is negative: a large ρa0 eats the whole depth margin.
    const Inputs in = workedCycloidalPair();
    const Cone c = cone(in);
    auto ref = referencePoint(c, rb49(), 1);
    ASSERT_TRUE(ref);
    CutterHeadRecord blunt = rb49();
    blunt.rhoA0 = {20, 20, 20};
    EXPECT_EQ(x1Min(in, c, *ref, blunt, 1, 0), 0);
    // More tilt lowers sin²(α − Δα) and so raises x1min.
    EXPECT_GT(x1Min(in, c, *ref, rb49(), 1, 3), x1Min(in, c, *ref, rb49(), 1, 0));
    // u = 2.5 → xτ1 = 1.5/50 = 0.03; u = 1.9 → 0.
    struct Case { int z1, z2; double xt1; };
    for (const Case k : {Case{10, 25, 0.03}, Case{10, 19, 0}, Case{10, 20, 0.02}}) {
        Inputs p = in;
        p.z1 = k.z1;
        p.z2 = k.z2;
        const Results r = finish(p, cone(p), *ref, 0);
        EXPECT_NEAR(r.xt1, k.xt1, 1e-15) << k.z2;
        EXPECT_EQ(r.xt2, -r.xt1);
    }
    // The blade buttons pair up into groups.
    EXPECT_EQ(bladeGroup(0), bladeGroup(1));
    EXPECT_EQ(bladeGroup(2), bladeGroup(3));
    EXPECT_EQ(bladeGroup(4), bladeGroup(5));
    EXPECT_EQ(bladeGroup(5), 2);
}

TEST(CycloidalReport, WorkedPairSection) {
    const Inputs in = workedCycloidalPair();
    const Cone c = cone(in);
    auto ref = referencePoint(c, rb49(), 1);
    ASSERT_TRUE(ref);
    const double x1 = x1Min(in, c, *ref, rb49(), 1, 0);
    const Results res = finish(in, c, *ref, x1);
    ConeGeomRecord g;
    g.alphaDeg = 20;
    g.betaDeg = 35;
    g.title = "摆线齿锥齿轮副";
    g.number = "AOL-01";
    g.date = "2026年12月10日";
    fillRecord(g, in, c, *ref, res, Choice{.cutterType = 0, .headIndex = 2, .group = 1, .tiltDeg = 0});
    EXPECT_EQ(g.status, 202);
    EXPECT_EQ(g.toothSystem, 7);
    EXPECT_EQ(g.cutterRow, 2);
    EXPECT_EQ(g.cutterBand, 1);
    EXPECT_EQ(g.cutterChoice, 0);
    EXPECT_EQ(g.taper, 3);
    const std::string text = cycloidalReport(g, rb49(), 1);
    const char* lines[] = {
        "\n\t*************************** 奥利康圆锥齿轮几何计算报告******************************\n",
        "\n\t标题: 摆线齿锥齿轮副\t编号: AOL-01\n",
        "\t执行程序: Kavrin Ver4.00\t日期: 2026年12月10日\n\n",
        "\t齿数:                    Z1= (预定)                                   14\n",
        "\t齿形角:                  α= (预定)                                   20°0′0″\n",
        "\t分锥角:                  δ1=arctg(Z1/Z2)=                            21°48′5.1″\n",
        "\t锥距:                    R= d1/2sin(δ1)=                             94.240mm\n",
        "\t初定参考点点螺旋角:       βp'= 0.914(βm+6)°=                        37°28′26.40″\n",
        "\t刀片号:                  (程序选定)                                   49/3\n",
        "\t使用加工范围:                                                         3.20～4.40mm\n",
        "\t刀盘滚动圆半径:          Ebω= (程序选定)                              7.5mm\n",
        "\t参考点螺旋角:            βp= (程序选定)                               36°29′32.3″\n",
        "\t高变位系数:              χ1= (程序调整)                               0.116\n",
        "\t                        Ak2= R·cos(δ2)-ha2·sin(δ2)=               32.112mm\n",
        "\t大端螺旋角:              β= (程序计算)                                47°25′24.3″\n",
        "\t小端螺旋角:              βi= (程序计算)                               20° 6′28.4″\n",
        // Contact ratios are numbers, without a unit.
        "\t端面重合度:              εα= (程序计算)                              1.484\n",
        "\t齿向重合度:              εβ= (程序计算)                              1.526\n",
        "\t                        s2= (程序计算)                                7.079mm\n",
    };
    for (const char* l : lines) EXPECT_NE(text.find(l), std::string::npos) << l;
    EXPECT_EQ(text.rfind("\t                        s2="), text.size() - std::string("\t                        s2= (程序计算)                                7.079mm\n").size());
    // The file form: GBK with CR LF, and back without loss.
    const std::string gbk = fw::gbkFileText(text);
    EXPECT_EQ(gbk.find("\n"), gbk.find("\r\n") + 1);
    EXPECT_EQ(gbk.find("\r\n\t***"), 0u);
    EXPECT_EQ(gbk.find("\n\n"), std::string::npos);  // every line end is CR LF
}

// An angle a hair below a whole degree is printed as that degree: rounded to
// the shown 0.1″ first, then split (it printed "34°59′60.0″").
TEST(CycloidalReport, AnglesAreRoundedBeforeTheyAreSplit) {
    const Inputs in = workedCycloidalPair();
    const Cone c = cone(in);
    auto ref = referencePoint(c, rb49(), 1);
    ASSERT_TRUE(ref);
    const Results res = finish(in, c, *ref, x1Min(in, c, *ref, rb49(), 1, 0));
    ConeGeomRecord g;
    g.alphaDeg = 20;
    g.betaDeg = 35;
    fillRecord(g, in, c, *ref, res, Choice{.cutterType = 0, .headIndex = 2, .group = 1, .tiltDeg = 0});
    g.betaOuter = {34, 59, 59.99999999};
    g.betaInner = {20, 6, 59.96};
    g.delta2 = {68, 11, 54.94};
    const std::string text = cycloidalReport(g, rb49(), 1);
    for (const char* line : {
             "\t大端螺旋角:              β= (程序计算)                                35° 0′0.0″\n",
             "\t小端螺旋角:              βi= (程序计算)                               20° 7′0.0″\n",
             "\t                        δ2＝90°-δ1=                                68°11′54.9″\n",
         })
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(text.find("60.0″"), std::string::npos);
}
