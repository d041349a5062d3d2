// The preliminary design arithmetic of a worm drive. Expected values are
// worked by hand from the formulas (π = 3.141592654).
#include <gtest/gtest.h>

#include <cmath>

#include "worm/calc/worm_preliminary.h"
#include "worm/calc/worm_tables.h"

using namespace worm;

namespace {

TEST(WormPreliminary, ThreadsFromRatio) {
    struct Case {
        double u;
        std::int32_t current;
        std::int32_t z1;
        bool ask;
    };
    const Case cases[] = {
        {41, 2, 1, false},   // u > 40
        {28, 2, 1, true},    // 28..40: 1, may become 2
        {40, 3, 1, true},
        {27.5, 3, 3, false}, // between the bands: kept
        {27, 1, 2, true},    // 25..27
        {20, 1, 2, true},    // 14..24 (the band the "and" reading never reached)
        {14, 1, 2, true},
        {24.5, 5, 5, false},
        {10, 1, 3, true},    // 9..13
        {7, 1, 4, false},
        {8, 1, 4, false},
        {5, 1, 6, false},
        {6, 2, 6, false},
        {8.5, 2, 2, false},
    };
    for (const Case& c : cases) {
        StartsChoice s = startsFromRatio(c.u, c.current);
        EXPECT_EQ(s.z1, c.z1) << c.u;
        EXPECT_EQ(s.ask, c.ask) << c.u;
    }
    // 27.5 keeps Z1 = 3: Z2 = floor(3·27.5 + 0.5) = 83, u = 83/3.
    Teeth t = teethFromRatio(3, 27.5);
    EXPECT_EQ(t.z2, 83);
    EXPECT_DOUBLE_EQ(t.u, 83.0 / 3);
    EXPECT_EQ(startsQuestion(2), "根据传动比要求现选定蜗杆头数Z1=2, \n如果设计允许机构尺寸偏大，可指定Z1=3,\n你想改为3吗？");
}

TEST(WormPreliminary, CompletionMaskFollowsPositiveInputs) {
    PreliminaryInput in{.n1 = 1450, .n2 = 72.5, .p = 7.5, .t = 987.8, .sigmaHlim = 265, .sigmaFlim = 115,
                        .ze = 147, .ka = 1, .zrho = 3.06};
    EXPECT_EQ(completionMask(in), kMaskComplete);
    in.p = 0;  // P back to 0 clears its bit (and T's when T follows it)
    EXPECT_EQ(completionMask(in), kMaskComplete - kBitP);
    in.t = 0;
    EXPECT_EQ(completionMask(in), kMaskComplete - kBitP - kBitT);
}

// The chain vector: ZA, n1 1450, u 20 (Z1 2, Z2 40), P 7.5, material row 1,
// KA 1.0, Zρ 3.06; by hand: n2 = 72.5, T = 9549·7.5/72.5 = 987.8276,
// X = (1.15·3.06·147/265)² = 3.81050, Y = 10.0625^0.25 = 1.78103,
// a = 10·∛(987.8276·3.8105·1.78103) = 188.5586, d1' = 0.68·a^0.875 = 66.6077,
// d2 = 2a − d1' = 310.5095, m' = d2/40 = 7.7627, q = 8.5804, γ = 13.1207°.
TEST(WormPreliminary, CentreDistanceOfTheChainVector) {
    PreliminaryInput in{.type = WormType::ZA, .n1 = 1450, .u = 20, .p = 7.5, .z1 = 2, .z2 = 40};
    in.n2 = in.n1 / in.u;
    in.t = torqueFromPower(in.p, in.n2);
    in.d1a = diameterRatioFromRatio(in.u);
    EXPECT_NEAR(in.n2, 72.5, 1e-12);
    EXPECT_NEAR(in.t, 987.8276, 5e-5);
    EXPECT_NEAR(in.d1a, 0.4538, 5e-5);
    const auto& row1 = wormGearMaterials()[0];
    in.sigmaHlim = row1.sigmaHlim;
    in.sigmaFlim = row1.sigmaFlim;
    in.ze = row1.ze;
    EXPECT_EQ(row1.sigmaHlim, 265);
    EXPECT_EQ(row1.sigmaFlim, 115);
    EXPECT_EQ(row1.ze, 147);
    in.ka = applicationFactor(DriverShock::Steady, DrivenShock::Steady);
    EXPECT_EQ(in.ka, 1.0);
    in.zrho = 3.06;
    auto c = centreDistance(in);
    ASSERT_TRUE(c);
    const PreliminaryResult& r = c->result;
    EXPECT_NEAR(r.a, 188.5586, 5e-5);
    EXPECT_NEAR(r.d1Calc, 66.6077, 5e-5);
    EXPECT_NEAR(r.d2, 310.5095, 5e-5);
    EXPECT_NEAR(r.mCalc, 7.7627, 5e-5);
    EXPECT_NEAR(r.q, 8.5804, 5e-5);
    EXPECT_NEAR(r.gamma, 13.1207, 5e-5);
    EXPECT_EQ(r.m, r.mCalc);
    EXPECT_EQ(leadBand(r.gamma), LeadBand::Small);
    EXPECT_EQ(moduleItems(r.mCalc), (std::vector<std::string>{"6.30", "8.00", "10.00", "7.00", "12.00"}));
    EXPECT_EQ(diameterItems(r.d1Calc), (std::vector<std::string>{"63.0", "71.0", "60.0", "67.0"}));
    // Module 8: q = 66.6077/8 = 8.3260, γ = 13.5072°; d2 = 320, a = 193.3039.
    EXPECT_NEAR(r.d1Calc / 8, 8.3260, 5e-5);
    EXPECT_NEAR(leadAngle(2, r.d1Calc / 8), 13.5072, 5e-5);
    // Diameter 71: q = 8.875, γ = 12.6996°.
    EXPECT_NEAR(leadAngle(2, 8.875), 12.6996, 5e-5);
}

TEST(WormPreliminary, LeadAngleBands) {
    EXPECT_EQ(leadBand(30.01), LeadBand::Large);
    EXPECT_EQ(leadBand(30), LeadBand::Normal);
    EXPECT_EQ(leadBand(15), LeadBand::Normal);
    EXPECT_EQ(leadBand(14.99), LeadBand::Small);
    EXPECT_EQ(leadBand(3.51), LeadBand::Small);
    EXPECT_EQ(leadBand(3.5), LeadBand::SelfLocking);
}

// One more thread keeps the module: Z1 1 → 2 at u 41 gives Z2 82, and
// a = 82·m·0.5/(1 − 0.5·d1/a), d1' = (d1/a)·a.
TEST(WormPreliminary, OneMoreThreadKeepsTheModule) {
    PreliminaryInput in{.u = 41, .d1a = 0.4, .z1 = 1, .z2 = 41};
    auto s = withOneMoreStart(in, 5.0);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->z1, 2);
    EXPECT_EQ(s->z2, 82);
    EXPECT_DOUBLE_EQ(s->u, 41);
    EXPECT_DOUBLE_EQ(s->result.a, 82 * 5.0 * 0.5 / 0.8);   // 256.25
    EXPECT_DOUBLE_EQ(s->result.d1Calc, 0.4 * 256.25);       // 102.5
    EXPECT_DOUBLE_EQ(s->result.d2, 410);
    EXPECT_DOUBLE_EQ(s->result.q, 20.5);
    EXPECT_DOUBLE_EQ(s->result.mCalc, 5);
    EXPECT_DOUBLE_EQ(s->result.d1, s->result.d1Calc);
}

// One more thread is no result where its sizes leave their ranges: at u 41,
// d1/a 1.999 and m 5, Z2 82 gives a = 205 / 0.0005 = 410000 mm, past the
// 10⁵ mm of a centre distance; and none past ten threads.
TEST(WormPreliminary, OneMoreThreadOutsideItsRangesIsNoResult) {
    PreliminaryInput in{.u = 41, .d1a = 1.999, .z1 = 1, .z2 = 41};
    EXPECT_FALSE(withOneMoreStart(in, 5.0));
    in.d1a = 0.4;
    EXPECT_TRUE(withOneMoreStart(in, 5.0));
    in.z1 = 10;   // the most threads a worm takes
    EXPECT_FALSE(withOneMoreStart(in, 5.0));
}

// The lists never search past their series.
TEST(WormPreliminary, SeriesListsStayInsideTheirSeries) {
    EXPECT_EQ(moduleItems(45), (std::vector<std::string>{"25.00", "31.50", "40.00", "12.00", "14.00"}));
    EXPECT_EQ(moduleItems(35), (std::vector<std::string>{"25.00", "31.50", "40.00", "12.00", "14.00"}));
    EXPECT_EQ(moduleItems(0.8), (std::vector<std::string>{"1.00", "1.25", "1.60", "1.50", "3.00"}));
    EXPECT_EQ(moduleItems(8), (std::vector<std::string>{"6.30", "8.00", "10.00", "7.00", "12.00"}));
    EXPECT_EQ(moduleItems(std::nan("")), (std::vector<std::string>{"1.00", "1.25", "1.60", "1.50", "3.00"}));
    EXPECT_EQ(diameterItems(500), (std::vector<std::string>{"355.0", "400.0", "190.0", "300.0"}));
    EXPECT_EQ(diameterItems(10), (std::vector<std::string>{"18.0", "20.0", "30.0", "38.0"}));
    EXPECT_EQ(diameterItems(66.6077), (std::vector<std::string>{"63.0", "71.0", "60.0", "67.0"}));
}

TEST(WormPreliminary, TablesOfTheCompanionDialogs) {
    EXPECT_EQ(applicationFactor(DriverShock::Light, DrivenShock::Slight), 1.35);
    EXPECT_EQ(applicationFactor(DriverShock::Heavy, DrivenShock::Large), 2.25);
    EXPECT_EQ(applicationFactor(DriverShock::Moderate, DrivenShock::Steady), 1.25);
    EXPECT_EQ(wormGearMaterials()[11].sigmaFlim, 628);
    EXPECT_EQ(wormGearMaterials()[2].ze, 152.2);
}

TEST(WormPreliminary, NoResultThatIsNotFinite) {
    PreliminaryInput in{.n1 = 1450, .n2 = 72.5, .p = 7.5, .t = 987.8, .sigmaHlim = 265, .sigmaFlim = 115,
                        .ze = 147, .ka = 1, .zrho = 3.06, .z1 = 2, .z2 = 0};
    EXPECT_FALSE(centreDistance(in));
}

}  // namespace
