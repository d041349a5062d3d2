#include "bevel/geometry/calc/spiral_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "fw/file.h"

using namespace bevel;

namespace {

// The tables as shipped (their text source).
CutterTables standardCutterTables() {
    auto text = fw::readFile(std::filesystem::path(KAVRIN_SOURCE_DIR) / "bevel/geometry/data/xp_tables.txt");
    EXPECT_TRUE(text);
    auto t = parseCutterText(text ? std::string(text->begin(), text->end()) : std::string());
    EXPECT_TRUE(t) << (t ? "" : t.error());
    return t ? *t : CutterTables{};
}

// The worked pair: Z1 14, Z2 39, m 4.5, α 20°, βm 35°, ha* 1, c* 0.188,
// φR 0.25, x 0 (values worked by hand).
SpiralInput workedPair(std::int32_t taper = kTaperEqualClearance) {
    SpiralInput in;
    in.z1 = 14;
    in.z2 = 39;
    in.m = 4.5;
    in.taper = taper;
    return in;
}

SpiralResult compute(const SpiralInput& in) {
    auto r = spiralGeometry(in, spiralCones(in));
    EXPECT_TRUE(r) << (r ? "" : r.error());
    return r ? *r : SpiralResult{};
}

std::string dms(double radians) { return kavrin::formatDms(kavrin::splitRadiansDms(radians)); }

TEST(SpiralGeometry, WorkedPairByHand) {
    const SpiralResult r = compute(workedPair());
    EXPECT_EQ(dms(r.cones.delta1), "19°44′48.6″");
    EXPECT_NEAR(r.cones.r, 93.233, 5e-4);
    EXPECT_NEAR(r.cones.b, 23.308, 5e-4);
    EXPECT_NEAR(r.h, 9.846, 5e-4);
    EXPECT_NEAR(r.da1, 71.471, 5e-4);
    EXPECT_NEAR(r.zp, 41.44, 5e-3);
    EXPECT_NEAR(r.epsBeta, 1.319, 5e-4);
    EXPECT_NEAR(r.epsAlpha, 1.513, 5e-4);
    EXPECT_NEAR(r.zv1, 27.062, 5e-4);
    EXPECT_EQ(dms(r.thetaF1), " 3°16′54.4″");
    EXPECT_EQ(r.betaMin, 0);  // εβ above 1.25: no advice
}

TEST(SpiralGeometry, TaperCodes) {
    EXPECT_NEAR(compute(workedPair(kTaperDouble)).dThetaF, 146.96, 5e-3);
    const SpiralResult u = compute(workedPair(kTaperUniformDepth));
    EXPECT_NEAR(u.h, 7.385, 5e-4);
    for (double theta : {u.thetaF1, u.thetaF2, u.thetaA1, u.thetaA2}) EXPECT_EQ(theta, 0);
    EXPECT_EQ(u.deltaA1, u.cones.delta1);
    EXPECT_EQ(u.dThetaF, 0);
    SpiralInput in = workedPair(kTaperDouble);
    in.alpha = {20, 30, 0};
    auto refused = spiralGeometry(in, spiralCones(in));
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), "请选取规范的齿形角：20°,22°30′或25°;\n重新计算!");
    // 22°30′ takes K = 4868: Δθf = 4868/Zp − L, L = 6668/Zp − 146.96 at 20°.
    in.alpha = {22, 30, 0};
    const SpiralResult k = compute(in);
    const double zp = k.zp;
    EXPECT_NEAR(k.dThetaF, 146.96 - (6668 - 4868) / zp, 5e-3);
}

TEST(SpiralGeometry, EqualTeethZerolAndAdvice) {
    SpiralInput in = workedPair();
    in.z2 = 14;
    EXPECT_EQ(spiralCones(in).delta1, 0.7853981633974483);
    in = workedPair();
    in.betaM = {0, 0, 0};
    const SpiralResult z = compute(in);
    EXPECT_EQ(z.epsBeta, 0);
    EXPECT_EQ(z.betaMin, 0);
    EXPECT_NEAR(z.zv1, 14 / std::cos(z.cones.delta1), 1e-12);
    auto heel = heelFromCutter(in, z.cones, 127.0);
    ASSERT_TRUE(heel);
    EXPECT_GT(heel->beta, 0);  // the heel spiral angle of a zerol pair is not 0

    in = workedPair();
    in.m = 2.4;
    in.betaM = {26, 0, 0};
    EXPECT_TRUE(spiralSmallModuleAdvice(in));
    in.m = 2.5;
    EXPECT_FALSE(spiralSmallModuleAdvice(in));
    in.m = 2.4;
    in.betaM = {25, 59, 0};
    EXPECT_FALSE(spiralSmallModuleAdvice(in));
}

TEST(SpiralGeometry, HeelAngleFromTheFirstListedCutter) {
    const SpiralInput in = workedPair();
    const SpiralCones cones = spiralCones(in);
    const auto list = cutterList(standardCutterTables(), cones.r, 35.0);
    ASSERT_EQ(list.size(), 4u);
    const double expected[] = {127.00, 152.40, 190.50, 228.60};
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].d0, expected[i]);
        EXPECT_EQ(cutterColumns(list[i])[1], ">30.00");
    }
    auto heel = heelFromCutter(in, cones, list[0].d0);
    ASSERT_TRUE(heel);
    EXPECT_EQ(dms(heel->beta), "42°22′18.1″");
    EXPECT_NEAR(heel->s1, 7.069, 5e-4);
    // A cutter far too small for the cone distance.
    auto small = heelFromCutter(in, cones, 12.7);
    ASSERT_FALSE(small);
    EXPECT_EQ(small.error(), "选用的铣刀盘名义直径太小，程序不支持。");
}

TEST(CutterTables, ShippedTablesFollowTheirRules) {
    const CutterTables t = standardCutterTables();
    // 127.00 (row 9): depth 13.5, width 38, module 6.00, R 51–127/114/102.
    EXPECT_EQ(t.xpd[9][0], 127.0);
    EXPECT_EQ(t.xpd[9][1], 13.5);
    EXPECT_EQ(t.xpd[9][2], 38);
    EXPECT_EQ(t.xpm[9][1], 6.0);
    EXPECT_EQ(t.rMin[9][0], 51);
    EXPECT_EQ(t.rMax[9][0], 127);
    EXPECT_EQ(t.rMax[9][1], 114);
    EXPECT_EQ(t.rMax[9][2], 102);
    EXPECT_EQ(t.xpm[0][2], 0);
    EXPECT_EQ(t.xpm[16][0], 0);
    CutterRow row;
    for (const CutterRow& c : cutterList(t, 51, 35))
        if (c.d0 == 127.0) row = c;
    EXPECT_EQ(cutterColumns(row)[0], "127.00");
    EXPECT_EQ(cutterColumns(row)[2], "51～102");
}

TEST(CutterTables, BandLimitsAndAbsentBands) {
    const CutterTables t = standardCutterTables();
    auto has = [&](double r, double beta, double d0) {
        for (const CutterRow& c : cutterList(t, r, beta))
            if (c.d0 == d0) return true;
        return false;
    };
    EXPECT_TRUE(has(51, 35, 127.0));    // at the lower limit
    EXPECT_FALSE(has(102, 35, 127.0));  // at the upper limit
    EXPECT_FALSE(has(6, 35, 12.70));    // band 2 of 12.70 is absent
    EXPECT_TRUE(has(6, 20, 12.70));
    // Z1 10, Z2 25, m 0.5, βm 35°: R 6.73 has no cutter.
    SpiralInput in;
    in.z1 = 10;
    in.z2 = 25;
    in.m = 0.5;
    const double r = spiralCones(in).r;
    EXPECT_NEAR(r, 6.73, 5e-3);
    EXPECT_TRUE(cutterList(t, r, 35).empty());
}

TEST(CutterTables, TextSourceRefusals) {
    EXPECT_FALSE(parseCutterText("[xp1.dat]\n1 2 3\n"));
    EXPECT_FALSE(parseCutterText(""));
    std::string text = "[xp1.dat]\n";
    for (int i = 0; i < 17; ++i) text += "1 2 nan\n";
    EXPECT_FALSE(parseCutterText(text));
}

TEST(CutterTables, FilesReadBackAndBrokenOnesAreCleared) {
    const char* tmp = std::getenv("KAVRIN_TEST_TMP");
    const auto dir = std::filesystem::path(tmp ? tmp : "/tmp") / "bevel_cutter_tables";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const CutterTables t = standardCutterTables();
    const CutterTable* tables[] = {&t.xpd, &t.xpm, &t.btMin, &t.btMax, &t.rMin, &t.rMax};
    for (std::size_t i = 0; i < 6; ++i) ASSERT_TRUE(fw::writeFile(dir / kCutterTableFiles[i], cutterTableBytes(*tables[i])));
    std::vector<std::string> messages;
    const CutterTables back = loadCutterTables(dir, messages);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(back.rMax, t.rMax);
    EXPECT_EQ(back.xpd, t.xpd);

    std::filesystem::remove(dir / "xp3.dat");
    auto shortTable = cutterTableBytes(t.btMax);
    shortTable.resize(400);
    ASSERT_TRUE(fw::writeFile(dir / "xp4.dat", shortTable));
    auto nan = cutterTableBytes(t.rMin);
    const double bad = NAN;
    std::memcpy(nan.data() + 8, &bad, 8);
    ASSERT_TRUE(fw::writeFile(dir / "xp5.dat", nan));
    const CutterTables broken = loadCutterTables(dir, messages);
    EXPECT_EQ(messages, (std::vector<std::string>{"不能打开文件xp3.dat,", "不能打开文件xp4.dat,", "不能打开文件xp5.dat,"}));
    EXPECT_EQ(broken.btMin, CutterTable{});
    EXPECT_EQ(broken.rMin, CutterTable{});
    EXPECT_TRUE(cutterList(broken, 93, 35).empty());
}

}  // namespace
