#include "bevel/geometry/calc/straight_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fw/file.h"
#include "fw/text.h"

using namespace bevel;

namespace {

// The worked pair: Z1 20, Z2 40, m 4, α 20°, β 0, ha* 1, c* 0.2, χ 0,
// φR 0.25, equal tip clearance, face width not changed.
StraightInput workedPair() {
    StraightInput in;
    in.z1 = 20;
    in.z2 = 40;
    in.m = 4;
    return in;
}

StraightResult compute(const StraightInput& in, double beta) {
    auto r = straightGeometry(in, straightCones(in), beta);
    EXPECT_TRUE(r);
    return r ? *r : StraightResult{};
}

std::string dms(double radians) { return kavrin::formatDms(kavrin::splitRadiansDms(radians)); }

TEST(StraightGeometry, WorkedPairByHand) {
    // Hand calculation: δ1 = arctan 0.5 = 26.5650512°; R = 80/(2 sin δ1) =
    // 89.4427; b = R/4 = 22.3607; h = 2.2·4 = 8.8; da1 = 80 + 8 cos δ1 =
    // 87.155; da2 = 160 + 8 sin δ1 = 163.578; θf1 = arctan(4.8/89.4427) =
    // 3.0718° = 3°4′18.7″; δa1 = δ1 + θf2 = 29°38′12.9″; Ak1 = 80 − 4 sin δ1
    // = 78.21; s1 = 2π = 6.283; s̄1 = 6.283 − 6.283³·0.8/(6·6400) = 6.278;
    // h̄1 = 4 + 6.283²·0.8944/320 = 4.110; Zv1 = 20/cos δ1 = 22.361;
    // εα: αa1 = arccos(20 cos20°/(20 + 2·0.8944)) = 30.33°, αa2 =
    // arccos(40 cos20°/(40 + 2·0.4472)) = 23.19°: εα = [20(0.5851 − 0.3640)/0.8944
    // + 40(0.4284 − 0.3640)/0.4472]/2π = 1.712.
    const StraightInput in = workedPair();
    const StraightResult r = compute(in, 0);
    EXPECT_EQ(dms(r.cones.delta1), "26°33′54.2″");
    EXPECT_NEAR(r.cones.r, 89.443, 5e-4);
    EXPECT_NEAR(r.cones.b, 22.361, 5e-4);
    EXPECT_NEAR(r.h, 8.8, 1e-12);
    EXPECT_NEAR(r.da1, 87.155, 5e-4);
    EXPECT_NEAR(r.da2, 163.578, 5e-4);
    EXPECT_EQ(dms(r.thetaF1), " 3° 4′18.7″");
    EXPECT_EQ(r.thetaA2, r.thetaF1);
    EXPECT_EQ(dms(r.deltaA1), "29°38′12.9″");
    EXPECT_NEAR(r.ak1, 78.21, 5e-3);
    EXPECT_NEAR(r.s1, 6.283, 5e-4);
    EXPECT_NEAR(r.sBar1, 6.278, 5e-4);
    EXPECT_NEAR(r.hBar1, 4.110, 5e-4);
    EXPECT_NEAR(r.zv1, 22.361, 5e-4);
    EXPECT_NEAR(r.epsAlpha, 1.712, 5e-4);
    EXPECT_EQ(r.epsBeta, 0);
    EXPECT_EQ(r.rTau, 0);
    // T = π·4·(R − b)/(R·b) = 0.421 (β = 0 lies below it).
    EXPECT_NEAR(helixLimit(in.m, r.cones.r, r.cones.b), 0.421, 5e-4);
}

TEST(StraightGeometry, EqualTeethAndUnequalClearance) {
    StraightInput in = workedPair();
    in.z2 = 20;
    EXPECT_EQ(dms(straightCones(in).delta1), "45° 0′0.0″");
    EXPECT_EQ(dms(straightCones(in).delta2), "45° 0′0.0″");
    in = workedPair();
    in.taper = kTaperUnequalClearance;
    const StraightResult r = compute(in, 0);
    EXPECT_DOUBLE_EQ(r.thetaA1, std::atan(4.0 / r.cones.r));  // arctan(ha1/R)
}

TEST(StraightGeometry, ResultsThatAreNotFiniteAreRefused) {
    StraightInput in = workedPair();
    in.z1 = 12;
    in.x1 = -2;  // cos αa1 above 1
    auto r = straightGeometry(in, straightCones(in), 0);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error(), "输入的预定数据不齐全或有非法数据，请重新计算!");
}

TEST(StraightGeometry, TrackbarMapping) {
    EXPECT_EQ(phiRForPosition(0), 0.25);
    EXPECT_EQ(phiRForPosition(50), 0.3333333333333333);
    EXPECT_EQ(positionForPhiR(0.25), 0);
    EXPECT_EQ(positionForPhiR(0.3), 30);
}

ConeGeomRecord recordOf(const StraightInput& in, double beta) {
    ConeGeomRecord g;
    fillStraightRecord(g, in, compute(in, beta));
    g.toothSystem = 0;
    g.rf = 0.12;
    g.date = "2026年12月10日";
    g.number = "ZX-01";
    g.title = "直齿锥齿轮副";
    return g;
}

void expectGolden(const std::string& report, const char* name) {
    const auto path = std::filesystem::path(KAVRIN_SOURCE_DIR) / "bevel/geometry/tests/fixtures" / name;
    const std::string text = fw::gbkFileText(report);
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    if (std::getenv("KAVRIN_UPDATE_GOLDEN")) { ASSERT_TRUE(fw::writeFile(path, bytes)); }
    auto golden = fw::readFile(path);
    ASSERT_TRUE(golden) << path;
    EXPECT_EQ(bytes, *golden) << name;
}

TEST(StraightReport, WorkedPairGolden) {
    const std::string t = straightReport(recordOf(workedPair(), 0));
    // The hand values of the worked pair appear in their lines.
    for (const char* piece : {"26°33′54.2″", "89.443mm", "22.361mm", "8.800mm", "87.155mm", "163.578mm",
                              " 3° 4′18.7″", "29°38′12.9″", "78.21mm", "6.283mm", "6.278mm", "4.110mm", "22.361\n",
                              "1.712\n", "tgβ< π(R-b)m/Rb=                           0.421", "15.3\n", "小齿轮齿数足量",
                              "标准、自定义直齿"})
        EXPECT_NE(t.find(piece), std::string::npos) << piece;
    expectGolden(t, "straight_worked_pair.tng");
}

TEST(StraightReport, SkewTeethAboveTheLimitGolden) {
    StraightInput in = workedPair();
    in.beta = {25, 0, 0};
    const std::string t = straightReport(recordOf(in, helixOf(in)));
    EXPECT_NE(t.find("tgβ≥ π(R-b)m/Rb=                           0.421"), std::string::npos);
    EXPECT_NE(t.find("齿向重合度≥1"), std::string::npos);
    expectGolden(t, "straight_skew_teeth.tng");
}

}  // namespace
