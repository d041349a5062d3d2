// Cutting and interference checks of measured gears: rows, hints and report
// lines of the single gear and the pair, with and without cutters.
#include "measurement/calc/measured_check.h"

#include <gtest/gtest.h>

#include <cmath>

#include "measurement/calc/pair_measure.h"

using namespace measurement;
using cylindrical::Cutter;
using cylindrical::CutterScheme;

namespace {

constexpr double kPi = 3.141592653589793;

// The single gear as its trial leaves it (spur, αn 20°).
SingleCheckInput single(GearType type, std::uint32_t z, double da) {
    SingleInput in{.type = type, .mn = 2, .z = z, .da = da};
    auto r = singleTrial(in);
    EXPECT_TRUE(r) << r.error();
    return {.type = type, .z = int(z), .mn = 2, .xn = r->xn, .haStar = 1, .alphaN = 20 * kPi / 180,
            .alphaT = r->alphaTRad, .beta = r->betaRad, .da = da, .db = r->db};
}

Cutter cutter(int z0, double x0 = 0, double ha0 = 1.25, double m = 2) {
    const double d0 = z0 * m;
    return {.z0 = z0, .d0 = d0, .da0 = d0 + 2 * (ha0 + x0) * m, .ha0 = ha0, .x0 = x0};
}

}  // namespace

// Z 12, xn 0: hob limit 1 − 12·sin²20°/2 = 0.298133; shaper limit with z0 25,
// ha0* 1.25: ½(√(27.5² + (144 + 600)·cos²20°) − 37) = 0.296399.
TEST(SingleCheck, ExternalGearHobbedAndShaped) {
    const SingleCheckInput in = single(GearType::External, 12, 28);
    auto hob = checkSingleHobbed(in);
    ASSERT_TRUE(hob) << hob.error();
    ASSERT_EQ(hob->reportLines.size(), 2u);
    EXPECT_EQ(hob->reportLines[0], "齿轮滚齿根切!变位系数增加至0.30才能避免根切");
    EXPECT_EQ(hob->reportLines[1], "小齿轮齿顶厚: Sa1 = 1.24 mm——OK!");
    EXPECT_EQ(hob->hint, hob->reportLines[0] + hob->reportLines[1]);
    EXPECT_EQ(hob->scheme.pinionHobbed, 1);

    CutterScheme s;
    s.cutter1 = cutter(25);
    auto shaped = checkSingleShaped(in, s);
    ASSERT_TRUE(shaped) << shaped.error();
    ASSERT_EQ(shaped->items.size(), 2u);
    EXPECT_EQ(shaped->results[0], "齿轮插齿根切");
    EXPECT_EQ(shaped->solutions[0], "增加变位系数至0.30,或增加齿数");
    EXPECT_EQ(shaped->hint.rfind("齿轮插齿根切!变位系数增加到0.30才能避免根切", 0), 0u);
    auto z20 = checkSingleShaped(single(GearType::External, 20, 44), s);
    ASSERT_TRUE(z20);
    EXPECT_EQ(z20->results[0], "齿轮无根切");
    EXPECT_EQ(z20->results[1], "齿顶厚: Sa1 = 1.39 mm; ");
    EXPECT_EQ(z20->hint, "齿轮无根切!齿顶厚: Sa1 = 1.39 mm; ");
}

// The helical form of the hob limit: Z 12, β 30°, xn 0 gives −0.040041 (no
// undercut), where sin²αn would give 0.30.
TEST(SingleCheck, HelicalHobLimitTakesTheTransverseAngle) {
    SingleCheckInput in = single(GearType::External, 12, 28);
    in.beta = 30 * kPi / 180;
    in.alphaT = std::atan(std::tan(in.alphaN) / std::cos(in.beta));
    in.da = 12 * 2 / std::cos(in.beta) + 4;
    in.db = 12 * 2 / std::cos(in.beta) * std::cos(in.alphaT);
    const auto o = cylindrical::undercutHobbed({.z = 12, .alpha = in.alphaT, .haStar = 1, .xn = 0, .beta = in.beta});
    EXPECT_NEAR(o.value, -0.040041, 1e-6);
    auto hob = checkSingleHobbed(in);
    ASSERT_TRUE(hob);
    EXPECT_EQ(hob->reportLines[0], "滚齿无根切  ——OK!");
}

// Internal Z 60 (xn −0.173151) shaped by cutter 2.
TEST(SingleCheck, InternalGearShaped) {
    const SingleCheckInput in = single(GearType::Internal, 60, 116);
    CutterScheme s;
    s.cutter2 = cutter(20);
    auto aw0 = cylindrical::cutterWorkingAngleInternal(
        {.z = 60, .xn = in.xn, .z0 = 20, .x0 = 0, .alphaN = in.alphaN, .alphaT = in.alphaN}, 1e-6);
    ASSERT_TRUE(aw0);
    EXPECT_NEAR(*aw0 * 180 / kPi, 18.522465, 1e-6);
    auto r = checkSingleShaped(in, s);
    ASSERT_TRUE(r) << r.error();
    EXPECT_EQ(r->results, (std::vector<std::string>{"内齿轮插齿时无渐开线干涉", "内齿轮无插齿重迭干涉", "内齿轮无插齿径向干涉"}));
    s.cutter2 = cutter(40);
    auto r40 = checkSingleShaped(in, s);
    ASSERT_TRUE(r40) << r40.error();
    EXPECT_EQ(r40->results[0], "内齿轮插齿时无渐开线干涉");
    EXPECT_EQ(r40->results[1], "内齿轮无插齿重迭干涉");
    EXPECT_EQ(r40->results[2], "内齿轮插齿径向进刀顶切");
    EXPECT_NE(r40->hint.find("内齿轮插齿径向进刀顶切!"), std::string::npos);
    // z02 ≥ Z is refused before any search.
    s.cutter2 = cutter(60);
    auto big = checkSingleShaped(in, s);
    ASSERT_FALSE(big);
    EXPECT_EQ(big.error(), cylindrical::kMsgCutterTeethInternal);
    auto hob = checkSingleHobbed(in);
    ASSERT_TRUE(hob);
    EXPECT_EQ(hob->hint, kMsgNoCutterInternal);
}

TEST(SingleCheck, ReportSectionFollowsTheLastRun) {
    CheckState st;
    EXPECT_EQ(singleCheckSection(st, GearType::External), "\t    没有进行切齿检验计算。");
    const SingleCheckInput in = single(GearType::External, 12, 28);
    apply(st, *checkSingleHobbed(in));
    EXPECT_EQ(singleCheckSection(st, GearType::External),
              "\t    齿轮滚齿根切!变位系数增加至0.30才能避免根切\n\t    小齿轮齿顶厚: Sa1 = 1.24 mm——OK!\n");
    CutterScheme s;
    s.cutter1 = cutter(25);
    apply(st, *checkSingleShaped(in, s));
    const std::string sec = singleCheckSection(st, GearType::External);
    EXPECT_EQ(sec.rfind("\t    1.根切校验:——齿轮插齿根切\n\t    2.齿顶厚校验:——齿顶厚: Sa1 = 1.24 mm; \n\n\t4.插齿刀参数方案:\n", 0), 0u)
        << sec;
    EXPECT_EQ(st.reportLines.size(), 2u);  // a run with cutters keeps the earlier lines
}

// The pair checks: run twice, the hint holds the second run only; without
// cutters an external pair writes six lines.
TEST(PairCheck, HintHoldsOnlyTheLastRun) {
    const PairInput in{.mesh = MeshType::External, .mn = 2, .z1 = 20, .z2 = 40, .da1 = 44, .da2 = 84, .aw = 61};
    auto r = pairTrial(in, {});
    ASSERT_TRUE(r);
    cylindrical::PairQuantities q{.z1 = 20, .z2 = 40, .mn = 2, .mt = r->mt, .alphaN = 20 * kPi / 180,
                                  .alphaT = r->alphaTRad, .beta = 0, .haStar = 1, .xn1 = r->g[0].xn,
                                  .xn2 = r->g[1].xn, .da1 = 44, .da2 = r->g[1].da, .alphaAt1 = r->g[0].alphaAtRad,
                                  .alphaAt2 = r->g[1].alphaAtRad, .alphaWt = r->alphaWRad, .a = 61};
    CutterScheme s;
    s.cutter1 = cutter(25);
    s.cutter2 = cutter(25);
    CheckState st;
    apply(st, *checkPairShaped(q, s));
    const std::string first = st.hint;
    apply(st, *checkPairShaped(q, s));
    EXPECT_EQ(st.hint, first);
    EXPECT_EQ(st.items.size(), 5u);
    auto hob = checkPairHobbed(q);
    ASSERT_TRUE(hob);
    ASSERT_EQ(hob->reportLines.size(), 6u);
    EXPECT_EQ(hob->reportLines[5], "若齿轮插齿加工，请选用插齿刀参数再做校验!");
    EXPECT_EQ(hob->reportLines[0], "小齿轮无根切 ——OK!");
}
