#include "bevel/geometry/calc/spiral_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>

#include "fw/file.h"

using namespace bevel;

namespace {

constexpr double kPi = 3.141592653589793;

// The worked pair: Z1 14, Z2 39, m 4.5, α 20°, βm 35°, ha* 1, c* 0.188,
// φR 0.25, χ 0, uniform clearance taper.
SpiralInput workedPair() {
    SpiralInput in;
    in.z1 = 14;
    in.z2 = 39;
    in.m = 4.5;
    return in;
}

SpiralResult compute(const SpiralInput& in) {
    auto r = spiralGeometry(in, spiralCones(in));
    EXPECT_TRUE(r) << (r ? "" : r.error());
    return r ? *r : SpiralResult{};
}

std::string dms(double radians) { return kavrin::formatDms(kavrin::splitRadiansDms(radians)); }

// The shipped tables, from their text source.
CutterTables shippedTables() {
    std::ifstream in(std::string(KAVRIN_SOURCE_DIR) + "/tools/cuttertables/cutter_tables.txt");
    std::ostringstream text;
    text << in.rdbuf();
    auto t = parseCutterTableSource(text.str());
    EXPECT_TRUE(t) << (t ? "" : t.error());
    return t ? *t : CutterTables{};
}

std::filesystem::path tempFolder(const char* name) {
    const char* root = std::getenv("KAVRIN_TEST_TMP");
    auto dir = (root ? std::filesystem::path(root) : std::filesystem::temp_directory_path()) / "spiral_calc" / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

TEST(SpiralGeometry, WorkedPairByHand) {
    // By hand: δ1 = arctan(14/39) = 19.74683°; R = 63/(2 sin δ1) = 93.233;
    // b = R/4 = 23.308; h = 2.188·4.5 = 9.846; da1 = 63 + 9 cos δ1 = 71.471;
    // Zp = 2R/m = 41.44; εβ = b tan35°/(4.5π·0.875) = 1.319; αt =
    // arctan(tan20°/cos35°) = 23.96°, αa1 = 32.76°, αa2 = 25.63° → εα = 1.513;
    // Zv1 = 14/(cos δ1 cos³35°) = 27.062; θf1 = arctan(5.346/R) = 3°16′54.4″.
    const SpiralInput in = workedPair();
    const SpiralResult r = compute(in);
    EXPECT_EQ(dms(r.cones.delta1), "19°44′48.6″");
    EXPECT_NEAR(r.cones.r, 93.233, 5e-4);
    EXPECT_NEAR(r.cones.b, 23.308, 5e-4);
    EXPECT_NEAR(r.h, 9.846, 1e-12);
    EXPECT_NEAR(r.da1, 71.471, 5e-4);
    EXPECT_NEAR(r.zp, 41.44, 5e-3);
    EXPECT_NEAR(r.epsBeta, 1.319, 5e-4);
    EXPECT_EQ(r.betaMin, 0);  // εβ ≥ 1.25: no question
    EXPECT_NEAR(r.epsAlpha, 1.513, 5e-4);
    EXPECT_NEAR(r.zv1, 27.062, 5e-4);
    EXPECT_EQ(dms(r.thetaF1), " 3°16′54.4″");
    EXPECT_EQ(r.dThetaF, 0);
    EXPECT_EQ(r.thetaA1, r.thetaF2);
    EXPECT_EQ(r.thetaA2, r.thetaF1);
    EXPECT_DOUBLE_EQ(r.deltaF1, r.cones.delta1 - r.thetaF1);
}

TEST(SpiralGeometry, TaperCodes) {
    SpiralInput in = workedPair();
    in.taper = kTaperDouble;
    // By hand: L = 1512·√(63 sin δ2)/(Zp·b) + 355.6/(Zp·m) = 13.95 + 1.91;
    // Δθf = 6668/41.437 − L = 146.96′.
    SpiralResult r = compute(in);
    EXPECT_NEAR(r.dThetaF, 146.96, 5e-3);
    EXPECT_NEAR(r.thetaF1, std::atan(r.hf1 / r.cones.r) + r.dThetaF * kPi / 10800, 1e-15);

    in.taper = kTaperUniformDepth;
    r = compute(in);
    EXPECT_NEAR(r.h, 9.846 * 0.75, 1e-12);  // 7.3845 → 7.385
    EXPECT_NEAR(r.ha1, 4.5 * 0.75, 1e-12);
    for (double t : {r.thetaF1, r.thetaF2, r.thetaA1, r.thetaA2, r.dThetaF}) EXPECT_EQ(t, 0);
    EXPECT_EQ(r.deltaA1, r.cones.delta1);
    EXPECT_EQ(r.deltaF2, r.cones.delta2);
}

TEST(SpiralGeometry, DuplexTaperNeedsAStandardPressureAngle) {
    SpiralInput in = workedPair();
    in.taper = kTaperDouble;
    in.alpha = {20, 30, 0};
    auto refused = spiralGeometry(in, spiralCones(in));
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), kMsgSpiralStandardAlpha);

    in.alpha = {22, 30, 0};
    const SpiralResult r = compute(in);
    const double L = 1512 * std::sqrt(r.cones.d1 * std::sin(r.cones.delta2)) / (r.zp * r.cones.b) + 355.6 / (r.zp * 4.5);
    EXPECT_NEAR(r.dThetaF, 4868 / r.zp - L, 1e-12);
}

TEST(SpiralGeometry, EqualToothNumbersGiveFortyFiveDegrees) {
    SpiralInput in = workedPair();
    in.z2 = 14;
    const SpiralResult r = compute(in);
    EXPECT_EQ(r.cones.delta1, 0.7853981633974483);
    EXPECT_EQ(r.cones.delta2, 0.7853981633974483);
    ConeGeomRecord g;
    fillSpiralRecord(g, in, r);
    EXPECT_EQ(g.delta1, (AngleDms{45, 0, 0}));
    EXPECT_EQ(g.delta2, (AngleDms{45, 0, 0}));
}

TEST(SpiralGeometry, ZerolPair) {
    SpiralInput in = workedPair();
    in.betaM = {0, 0, 0};
    const SpiralResult r = compute(in);
    EXPECT_EQ(r.epsBeta, 0);
    EXPECT_EQ(r.betaMin, 0);
    EXPECT_NEAR(r.zv1, 14 / std::cos(r.cones.delta1), 1e-12);
    auto heel = heelFromCutter(in, r.cones.r, r.cones.b, 127.0);
    ASSERT_TRUE(heel);
    EXPECT_GT(heel->beta, 0);
    ConeGeomRecord g;
    fillSpiralRecord(g, in, r);
    EXPECT_EQ(g.toothSystem, 3);
    EXPECT_EQ(g.status, kConeGeomStatus);
}

TEST(SpiralGeometry, SmallFaceContactOffersTheSmallestSpiralAngle) {
    SpiralInput in = workedPair();
    in.betaM = {20, 0, 0};
    const SpiralResult r = compute(in);
    ASSERT_LT(r.epsBeta, 1.25);
    // tan βmin = 1.25·π·m·(1 − φR/2)/b.
    EXPECT_NEAR(std::tan(r.betaMin), 1.25 * kPi * 4.5 * 0.875 / r.cones.b, 1e-12);
}

TEST(SpiralGeometry, NonFiniteResultsAreRefused) {
    SpiralInput in = workedPair();
    in.haStar = std::numeric_limits<double>::quiet_NaN();
    auto r = spiralGeometry(in, spiralCones(in));
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error(), kMsgSpiralIncomplete);
}

TEST(SpiralGeometry, HeelAngleFromTheCutter) {
    // By hand: Rm = R − b/2 = 81.579; sin β = (R + Rm(d0 sin35° − Rm)/R)/d0.
    const SpiralInput in = workedPair();
    const SpiralResult r = compute(in);
    auto h = heelFromCutter(in, r.cones.r, r.cones.b, 127.0);
    ASSERT_TRUE(h);
    EXPECT_EQ(dms(h->beta), "42°22′18.1″");
    EXPECT_NEAR(h->s1, 7.069, 5e-4);  // π·m/2 with χ 0
    EXPECT_NEAR(h->s2, 7.069, 5e-4);
    h = heelFromCutter(in, r.cones.r, r.cones.b, 228.6);
    ASSERT_TRUE(h);
    EXPECT_EQ(dms(h->beta), "36°41′19.4″");
    // A cutter far too small: the sine leaves ±1.
    auto small = heelFromCutter(in, r.cones.r, r.cones.b, 20.0);
    ASSERT_FALSE(small);
    EXPECT_EQ(small.error(), kMsgCutterTooSmall);
    EXPECT_FALSE(heelFromCutter(in, r.cones.r, r.cones.b, 0.0));
}

TEST(SpiralGeometry, RecordFill) {
    const SpiralInput in = workedPair();
    const SpiralResult r = compute(in);
    ConeGeomRecord g;
    fillSpiralRecord(g, in, r);
    EXPECT_EQ(g.toothSystem, 4);
    EXPECT_EQ(g.z1, 14);
    EXPECT_EQ(g.taper, kTaperEqualClearance);
    EXPECT_EQ(g.r, r.cones.r);
    EXPECT_EQ(g.delta1, kavrin::splitRadiansDms(r.cones.delta1));
    g.toothSystem = 5;  // a loaded system stays
    fillSpiralRecord(g, in, r);
    EXPECT_EQ(g.toothSystem, 5);
    SpiralInput depth = in;
    depth.taper = kTaperUniformDepth;
    ConeGeomRecord g3;
    fillSpiralRecord(g3, depth, compute(depth));
    EXPECT_EQ(g3.toothSystem, 6);

    auto h = heelFromCutter(in, r.cones.r, r.cones.b, 127.0);
    ASSERT_TRUE(h);
    CutterRow c{9, 2, 127.0, 30, 0, 51, 102, 13.5, 38, 6};
    fillSpiralCutter(g, 0, c, *h);
    EXPECT_EQ(g.cutterRow, 9);
    EXPECT_EQ(g.cutterBand, 2);
    EXPECT_EQ(g.d0, 127.0);
    EXPECT_EQ(g.betaOuter, kavrin::splitRadiansDms(h->beta));
}

TEST(SpiralGeometry, TrackbarPositions) {
    EXPECT_EQ(spiralPositionForPhiR(0.25), 27);
    EXPECT_EQ(spiralPositionForPhiR(0.15), 0);
    EXPECT_EQ(spiralPositionForPhiR(0.3333333333333333), 50);  // the band's width over its width
    EXPECT_EQ(spiralPositionForPhiR(5.0), 50);
    EXPECT_EQ(spiralPositionForPhiR(-1.0), 0);
    EXPECT_EQ(spiralPositionForPhiR(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(spiralPositionForPhiR(std::numeric_limits<double>::infinity()), 0);
    EXPECT_DOUBLE_EQ(spiralPhiRForPosition(50), 0.3333333333333333);
}

TEST(SpiralCutters, ShippedTablesFollowTheirRules) {
    const CutterTables t = shippedTables();
    // Row 9, 127.00: depth 0.1·127 + 1 = 13.7 → 13.5; width 38.1 → 38;
    // module 13.5/2.188 = 6.17 → 6.00; R 50.8 → 51 to 127/114.3 → 114/101.6 → 102.
    EXPECT_EQ(t.t[kXPD][9][0], 127.0);
    EXPECT_EQ(t.t[kXPD][9][1], 13.5);
    EXPECT_EQ(t.t[kXPD][9][2], 38.0);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(t.t[kXPM][9][c], 6.0);
        EXPECT_EQ(t.t[kXPRmin][9][c], 51.0);
    }
    EXPECT_EQ(t.t[kXPRmax][9][0], 127.0);
    EXPECT_EQ(t.t[kXPRmax][9][1], 114.0);
    EXPECT_EQ(t.t[kXPRmax][9][2], 102.0);
    EXPECT_EQ(t.t[kXPM][0][2], 0.0);   // 12.70 has no band 2
    EXPECT_EQ(t.t[kXPM][16][0], 0.0);  // 457.20 has no band 0
    EXPECT_EQ(t.t[kXPBtmax][5][2], 0.0);
}

TEST(SpiralCutters, WorkedPairList) {
    const CutterTables t = shippedTables();
    const SpiralInput in = workedPair();
    const SpiralResult r = compute(in);
    const auto rows = cutterRows(t, r.cones.r, 35.0);
    ASSERT_EQ(rows.size(), 4u);
    const double d0[] = {127.0, 152.4, 190.5, 228.6};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(rows[i].d0, d0[i]);
        EXPECT_EQ(rows[i].band, 2);
    }
    EXPECT_EQ(rows[0].row, 9);
    const auto cols = cutterColumns(rows[0]);
    EXPECT_EQ(cols[0], "127.00");
    EXPECT_EQ(cols[1], ">30.00");
    EXPECT_EQ(cols[2], "51～102");
    EXPECT_EQ(cols[3], "13.50");
    EXPECT_EQ(cols[4], "38.00");
    EXPECT_EQ(cols[5], "6.00");
    CutterRow closed = rows[0];
    closed.betaMin = 15;
    closed.betaMax = 30;
    EXPECT_EQ(cutterColumns(closed)[1], "15.00～30.00");
}

TEST(SpiralCutters, BandLimits) {
    const CutterTables t = shippedTables();
    auto has = [&](double r, double beta, int row, int band) {
        for (const auto& c : cutterRows(t, r, beta))
            if (c.row == row && c.band == band) return true;
        return false;
    };
    EXPECT_TRUE(has(51.0, 35, 9, 2));    // R at the lower limit
    EXPECT_FALSE(has(102.0, 35, 9, 2));  // R at the upper limit
    EXPECT_TRUE(has(60.0, 15.0, 9, 0));  // βm 15° is in band 0 and band 1
    EXPECT_TRUE(has(60.0, 15.0, 9, 1));
    EXPECT_TRUE(has(60.0, 80.0, 9, 2));  // open upper limit
    // Absent bands never list.
    for (double beta : {0.0, 20.0, 40.0}) {
        EXPECT_FALSE(has(6.0, beta, 0, 2));
        EXPECT_FALSE(has(300.0, beta, 16, 0));
    }
    // Z1 10, Z2 25, m 0.5, βm 35°: R 6.73, below every listed cutter.
    SpiralInput in;
    in.z1 = 10;
    in.z2 = 25;
    in.m = 0.5;
    const SpiralCones c = spiralCones(in);
    EXPECT_NEAR(c.r, 6.73, 5e-3);
    EXPECT_TRUE(cutterRows(t, c.r, 35).empty());
    // A cleared table lets nothing qualify.
    EXPECT_TRUE(cutterRows(CutterTables{}, 93.2, 35).empty());
}

TEST(SpiralCutters, TableFiles) {
    const auto dir = tempFolder("tables");
    const CutterTables t = shippedTables();
    for (std::size_t i = 0; i < kCutterTableFiles.size(); ++i)
        ASSERT_TRUE(fw::writeFile(dir / kCutterTableFiles[i], cutterTableBytes(t.t[i])));
    auto loaded = loadCutterTables(dir);
    EXPECT_TRUE(loaded.messages.empty());
    EXPECT_EQ(loaded.tables.t, t.t);
    // Byte layout: row r, column c at (3r + c)·8, little-endian.
    auto bytes = cutterTableBytes(t.t[kXPD]);
    ASSERT_EQ(bytes.size(), 408u);
    EXPECT_EQ(bytes[9 * 24 + 7], 0x40);  // 127.0 = 0x405FC00000000000
    EXPECT_EQ(bytes[9 * 24 + 6], 0x5F);
    EXPECT_EQ(bytes[9 * 24 + 5], 0xC0);

    // A missing file, a short file and a NaN are each refused and cleared;
    // a longer file is read only as far as its table.
    std::filesystem::remove(dir / "xp3.dat");
    auto shortBytes = cutterTableBytes(t.t[kXPBtmax]);
    shortBytes.resize(407);
    ASSERT_TRUE(fw::writeFile(dir / "xp4.dat", shortBytes));
    CutterTable nan = t.t[kXPRmin];
    nan[16][2] = std::numeric_limits<double>::quiet_NaN();
    ASSERT_TRUE(fw::writeFile(dir / "xp5.dat", cutterTableBytes(nan)));
    auto longer = cutterTableBytes(t.t[kXPRmax]);
    longer.resize(1000, 0xFF);
    ASSERT_TRUE(fw::writeFile(dir / "xp6.dat", longer));
    loaded = loadCutterTables(dir);
    ASSERT_EQ(loaded.messages.size(), 3u);
    EXPECT_EQ(loaded.messages[0], "不能打开文件xp3.dat,");
    EXPECT_EQ(loaded.messages[1], "不能打开文件xp4.dat,");
    EXPECT_EQ(loaded.messages[2], "不能打开文件xp5.dat,");
    EXPECT_EQ(loaded.tables.t[kXPBtmin], CutterTable{});
    EXPECT_EQ(loaded.tables.t[kXPRmin], CutterTable{});
    EXPECT_EQ(loaded.tables.t[kXPRmax], t.t[kXPRmax]);

    // No installation folder: every table gets the registry message.
    loaded = loadCutterTables(std::nullopt);
    ASSERT_EQ(loaded.messages.size(), 6u);
    EXPECT_EQ(loaded.messages[5], kMsgCutterRegistry);
}

TEST(SpiralCutters, SourceParserRefusesBadText) {
    EXPECT_FALSE(parseCutterTableSource(""));
    EXPECT_FALSE(parseCutterTableSource("xp1.dat\n1 2 3\n"));
    EXPECT_FALSE(parseCutterTableSource("xp2.dat\n"));
    EXPECT_FALSE(parseCutterTableSource("xp1.dat\n1 2 x\n"));
}

}  // namespace

namespace {

// The worked pair calculated with the first listed cutter (127.00, band 2).
ConeGeomRecord workedRecord(const SpiralInput& in, const CutterRow& cutter) {
    const SpiralResult r = compute(in);
    ConeGeomRecord g;
    fillSpiralRecord(g, in, r);
    auto h = heelFromCutter(in, r.cones.r, r.cones.b, cutter.d0);
    EXPECT_TRUE(h);
    if (h) fillSpiralCutter(g, 0, cutter, *h);
    g.date = "2026年12月10日";
    g.number = "KV-S01";
    g.title = "弧齿锥齿轮副";
    return g;
}
const CutterRow kFirstCutter{9, 2, 127.0, 30, 0, 51, 102, 13.5, 38, 6};

TEST(SpiralReport, WorkedPairLineByLine) {
    // Values by hand (see WorkedPairByHand): δ2 = 90° − δ1 = 70°15′11.4″;
    // θf = arctan(5.346/93.233) = 3°16′54.4″ for both; δa1 = δ1 + θa1 =
    // 23°1′43.0″; δa2 = 73°32′5.8″; δf1 = 16°27′54.2″; δf2 = 66°58′17.0″;
    // Aa1 = R cos δ1 − 4.5 sin δ1 = 86.2296, Aa2 = 27.2646, printed to 0.001
    // mm as the report's other lengths (whole millimetres, "86", before the
    // mend); "%2.1f" pads nothing, so 5.8″ stays "5.8";
    // Zv2 = 39/(cos δ2 cos³35°) = 210.004; β = 42°22′18.1″ → "42°22′18″";
    // z = 2 cos δ1 cos35°/sin²20° = 13.18 ≤ 14.
    const std::string expected = std::string() +
        "\n\t*************************** 弧齿齿圆锥齿轮几何计算报告*****************************\n"
        "\n\t标题:\t弧齿锥齿轮副\t编号:\tKV-S01\n"
        "\t执行程序: Kavrin Ver4.00\t日期:\t2026年12月10日\n\n"
        "\t项目                     符号或计算公式                                结果\n"
        "\t———————————————————————————————————————————\n"
        "\t齿数:                    Z1= (预定)                                   14\n"
        "\t                        Z2= (预定)                                    39\n"
        "\t模数:                    mt= (预定)                                   4.500mm\n"
        "\t齿形角:                  α= (预定)                                   20°0′0″\n"
        "\t齿顶高系数:              ha*= (预定)                                  1.000\n"
        "\t齿顶隙系数:              c*= (预定)                                   0.188\n"
        "\t螺旋角:                  βm= (预定,程序调整)                          35°0′0″\n"
        "\t高变位系数:              χ1= (预定,程序调整)                          0.000\n"
        "\t                        χ2= (预定,程序调整)                          0.000\n"
        "\t切向变位系数:            χτ1= (预定,程序调整)                        0.000\n"
        "\t                        χτ2= (预定,程序调整)                        0.000\n"
        "\t分锥角:                  δ1= arctg(Z1/Z2)=                           19°44′48.6″\n"
        "\t                        δ2= 90°-δ1=                                70°15′11.4″\n"
        "\t分度圆直径:              d1= m·Z1=                                   63.000mm\n"
        "\t                        d2= m·Z2=                                    175.500mm\n"
        "\t锥距:                    R= d1/2sin(δ1)=                             93.233mm\n"
        "\t齿宽系数:                φR= (计算,程序调整)                          0.250\n"
        "\t齿宽:                    b= φR·R=                                   23.308mm\n"
        "\t齿顶高:                  ha1= (ha*+χ1)m=                             4.500mm\n"
        "\t                        ha2= (ha*+χ2)m=                              4.500mm\n"
        "\t齿根高:                  hf1= h-ha1=                                  5.346mm\n"
        "\t                        hf2= h-ha2=                                  5.346mm\n"
        "\t全齿高:                  h= (2ha*+C*)m=                               9.846mm\n"
        "\t齿顶圆直径:              da1= d1+2ha1·cos(δ1)=                      71.471mm\n"
        "\t                        da2= d2+2ha2·cos(δ2)=                       178.541mm\n"
        "\t齿根角增量:              Δθf= (程序处理)                             0.00′\n"
        "\t齿根角:                  θf1= arctg(hf1/R)+Δθf=                     3°16′54.4″\n"
        "\t                        θf2= arctg(hf2/R)+Δθf=                      3°16′54.4″\n"
        "\t齿顶角:                  θa1= θf2=                                   3°16′54.4″\n"
        "\t                        θa2= θf1=                                    3°16′54.4″\n"
        "\t顶锥角:                  δa1＝δ1+θa1=                              23° 1′43.0″\n"
        "\t                        δa2= δ2+θa2=                               73°32′5.8″\n"
        "\t根锥角:                  δf1＝δ1-θf1=                              16°27′54.2″\n"
        "\t                        δf2=δ2-θf2=                                66°58′17.0″\n"
        "\t外锥高:                  Aa1=Rcos(δ1)-ha1sin(δ1)=                   86.230mm\n"
        "\t                        Aa2=Rcos(δ2)-ha2sin(δ2)=                    27.265mm\n"
        "\t分度圆弧齿厚:            s1= (π/2+2χ1 tgα/cosβ +χτ1)m=           7.069mm\n"
        "\t                        s2= π·m-s1=                                 7.069mm\n"
        "\t当量齿数:                Zv1= z1/[cos(δ1)cos^3(β)]=                 27.062\n"
        "\t                        Zv2= z2/[cos(δ2)cos^3(β)]=                  210.004\n"
        "\t端面重合度:              εα＝(程序处理)                              1.513\n"
        "\t齿向重合度:              εβ＝b tg(βm)/[πm(1-0.5φr)]=              1.319\n"
        "\t平面齿轮齿数:            Zp=2R/m=                                     41.44\n"
        "\t大端螺旋角:              β= (程序处理)                                42°22′18″\n"
        "\t齿型制:                                                               弧齿格利森\n"
        "\t———————————————————————————————————————————\n"
        "\t铣刀盘选择方案：\n"
        "\t    刀盘名义直径:127.00mm\n"
        "\t    螺旋角>30°,加工锥距51～102mm,最大齿高:13.50mm,最大齿宽:38.00mm,最大模数:6.00mm\n"
        "\n\t!小齿轮齿数验算 Z1≥2ha*×Cos(δ1)*cos(βm)/Sin^2(α)＝13.2\n"
        "\t________小齿轮齿数足量\n";
    const std::string report = spiralReport(workedRecord(workedPair(), kFirstCutter), kFirstCutter);
    // Line by line, so a difference names its line.
    std::istringstream a(report), b(expected);
    std::string la, lb;
    int line = 0;
    while (std::getline(b, lb)) {
        ++line;
        ASSERT_TRUE(std::getline(a, la)) << "line " << line;
        EXPECT_EQ(la, lb) << "line " << line;
    }
    EXPECT_EQ(report, expected);
}

TEST(SpiralReport, Variants) {
    auto has = [](const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; };
    // Zerol: εβ is 0, so the face-contact line comes.
    SpiralInput zerol = workedPair();
    zerol.betaM = {0, 0, 0};
    std::string r = spiralReport(workedRecord(zerol, kFirstCutter), kFirstCutter);
    EXPECT_TRUE(has(r, "\n\t! 齿向重合度偏小，增大螺旋角或齿宽将改善平稳性\n"));
    EXPECT_TRUE(has(r, "零度弧齿格利森\n"));
    EXPECT_FALSE(has(spiralReport(workedRecord(workedPair(), kFirstCutter), kFirstCutter), "齿向重合度偏小"));

    // Uniform depth: four formula-free angle lines, no Δθf.
    SpiralInput depth = workedPair();
    depth.taper = kTaperUniformDepth;
    r = spiralReport(workedRecord(depth, kFirstCutter), kFirstCutter);
    EXPECT_FALSE(has(r, "Δθf"));
    EXPECT_TRUE(has(r, "\t齿根角:                  θf1=                                         0° 0′0.0″\n"));
    EXPECT_TRUE(has(r, "\t齿顶角:                  θa1＝                                        0° 0′0.0″\n"));
    EXPECT_TRUE(has(r, "洛－卡氏\n"));

    // A custom cutter prints only its diameter.
    const CutterRow custom = customCutter(200.0);
    r = spiralReport(workedRecord(workedPair(), custom), custom);
    EXPECT_TRUE(has(r, "\t铣刀盘选择方案：\n\t    自定义刀盘名义直径:200.00mm\n\n"));
    EXPECT_FALSE(has(r, "\t    刀盘名义直径:"));
    EXPECT_FALSE(has(r, "加工锥距"));

    // A closed spiral-angle band prints both limits.
    const CutterRow band1{9, 1, 127.0, 15, 30, 51, 114, 13.5, 38, 6};
    r = spiralReport(workedRecord(workedPair(), band1), band1);
    EXPECT_TRUE(has(r, "\t    螺旋角15～30°,加工锥距51～114mm,"));

    // Z1 12, Z2 36, α 20°, βm 35°: z = 2 cos18.43° cos35°/sin²20° = 13.29 > 12.
    SpiralInput few = workedPair();
    few.z1 = 12;
    few.z2 = 36;
    r = spiralReport(workedRecord(few, kFirstCutter), kFirstCutter);
    EXPECT_TRUE(has(r, "\n\t!小齿轮齿数验算 Z1 < 2ha*×Cos(δ1)*cos(βm)/Sin^2(α)＝13.3\n"
                       "\t________小齿轮齿数偏小，可能根切，宜增大齿数!\n"));
}

}  // namespace
