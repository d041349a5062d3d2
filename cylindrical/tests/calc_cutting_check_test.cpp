// Cutter scheme rules and the cutting and interference checks of a pair.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/calc/involute.h"
#include "cylindrical/calc/cutter_scheme.h"
#include "cylindrical/calc/cutting_check.h"

namespace cylindrical {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kDeg = kPi / 180;
const double kAlpha20 = 20 * kDeg;

Cutter makeCutter(int z0, double ha0, double x0, double m) {
    double d0 = cutterReferenceDiameter(z0, m);
    return {.z0 = z0, .d0 = d0, .da0 = cutterTipDiameter(d0, ha0, x0, m), .ha0 = ha0, .x0 = x0};
}

// The cutter of the worked internal example: z0 = 17, x0 = 0, ha0* = 1.25, m = 2.
const Cutter kCutter17 = makeCutter(17, 1.25, 0, 2);

// Worked examples of the geometry page (module 2, spur, αn = 20°).
// External: a = ad = 60, distribution class 2 gives xn1 = 0.25, xn2 = −0.25.
DesignedPair externalExample() {
    return {.z1 = 20, .z2 = 40, .mn = 2, .alphaN = kAlpha20, .beta = 0, .haStar = 1,
            .xn1 = 0.25, .xn2 = -0.25, .a = 60, .internal = false};
}
// Internal: ad = 14, a = 15 so yn = 0.5; Σx = 0.6103, class 2 gives
// xn1 = 0.4026, xn2 = 1.0129.
DesignedPair internalExample() {
    return {.z1 = 20, .z2 = 34, .mn = 2, .alphaN = kAlpha20, .beta = 0, .haStar = 1,
            .xn1 = 0.4026, .xn2 = 1.0129, .a = 15, .internal = true};
}

CutterScheme pinionHobbedGearShaped(const Cutter& c2) {
    return {.pinionHobbed = 1, .gearHobbed = 0, .sameCutter = 0, .cutter1 = {}, .cutter2 = c2};
}

bool hasNonFinite(const std::string& s) {
    return s.find("nan") != std::string::npos || s.find("inf") != std::string::npos;
}

// ------------------------------------------------------------ cutter dialog --

TEST(CutterScheme, DiametersOfACutter) {
    // d0 = 17·2 = 34; da0 = 34 + 2·(1.25 + 0)·2 = 39; with x0 = 0.1: 39.4.
    EXPECT_DOUBLE_EQ(kCutter17.d0, 34);
    EXPECT_DOUBLE_EQ(kCutter17.da0, 39);
    EXPECT_DOUBLE_EQ(makeCutter(17, 1.25, 0.1, 2).da0, 39.4);
}

TEST(CutterScheme, FieldRefusals) {
    EXPECT_FALSE(acceptCutterTeeth(0));  // "齿数必须是大于0的整数"
    EXPECT_TRUE(acceptCutterTeeth(17));
    EXPECT_FALSE(acceptCutterAddendum(0));  // "齿顶高系数必须是大于0.0，一般为1.25"
    EXPECT_FALSE(acceptCutterAddendum(-1.25));
    EXPECT_TRUE(acceptCutterAddendum(1.25));
}

TEST(CutterScheme, OkRuleByMode) {
    const Cutter none{.ha0 = 1.25};  // the dialog's start: z0 = 0, ha0* = 1.25
    const Cutter noAddendum = {.z0 = 17, .d0 = 34, .da0 = 34, .ha0 = 0};
    struct Case {
        const char* name;
        int mode;
        CutterScheme scheme;
        CutterOk expected;
    };
    const std::vector<Case> cases = {
        // OK pressed at once: no usable cutter, counts as cancelled.
        {"external, nothing entered", kCutModeExternalPair, {.cutter1 = none, .cutter2 = none},
         CutterOk::Cancel},
        // The mended fault: one gear shaped with a cutter of 0 teeth stays open.
        {"external, gear cutter missing", kCutModeExternalPair,
         {.cutter1 = kCutter17, .cutter2 = none}, CutterOk::StayOpen},
        {"external, gear cutter without addendum", kCutModeExternalPair,
         {.cutter1 = kCutter17, .cutter2 = noAddendum}, CutterOk::StayOpen},
        {"external, gear hobbed", kCutModeExternalPair,
         {.gearHobbed = 1, .cutter1 = kCutter17, .cutter2 = none}, CutterOk::Accept},
        {"external, both shaped", kCutModeExternalPair,
         {.cutter1 = kCutter17, .cutter2 = kCutter17}, CutterOk::Accept},
        // Internal pair: the internal gear is always shaped, its hobbed flag is ignored.
        {"internal, pinion hobbed", kCutModeInternalPair,
         {.pinionHobbed = 1, .cutter1 = none, .cutter2 = kCutter17}, CutterOk::Accept},
        {"internal, internal-gear cutter missing", kCutModeInternalPair,
         {.pinionHobbed = 1, .gearHobbed = 1, .cutter1 = kCutter17, .cutter2 = none},
         CutterOk::StayOpen},
        {"internal, pinion cutter missing", kCutModeInternalPair,
         {.cutter1 = none, .cutter2 = kCutter17}, CutterOk::StayOpen},
        // Single gears: only their own cutter counts.
        {"single external", kCutModeSingleExternal,
         {.sameCutter = 1, .cutter1 = kCutter17, .cutter2 = kCutter17}, CutterOk::Accept},
        {"single internal", kCutModeSingleInternal, {.cutter1 = none, .cutter2 = kCutter17},
         CutterOk::Accept},
        {"single internal, only cutter 1", kCutModeSingleInternal,
         {.cutter1 = kCutter17, .cutter2 = none}, CutterOk::StayOpen},
        {"single external, nothing", kCutModeSingleExternal, {.cutter1 = none, .cutter2 = none},
         CutterOk::Cancel},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cutterOkRule(c.mode, c.scheme), c.expected) << c.name;
}

TEST(CutterScheme, CancelMarksBothGearsHobbed) {
    CutterScheme s{.cutter1 = kCutter17, .cutter2 = {}};
    markHobbed(s);
    EXPECT_EQ(s.pinionHobbed, 1);
    EXPECT_EQ(s.gearHobbed, 1);
    EXPECT_EQ(s.cutter1, kCutter17);
}

// ------------------------------------------------------------- single tests --

TEST(CuttingTests, HobbedUndercutOfSeventeenTeeth) {
    // xmin = 1 − 17·sin²20°/2 = 0.005690.
    Outcome o = undercutHobbed({.z = 17, .alpha = kAlpha20, .haStar = 1, .xn = 0});
    EXPECT_EQ(o.verdict, Verdict::Fail);
    EXPECT_NEAR(o.value, 0.00569, 5e-6);
    EXPECT_TRUE(undercutHobbed({.z = 17, .alpha = kAlpha20, .haStar = 1, .xn = 0.01}).passed());
    // Non-strict: xn equal to xmin passes.
    EXPECT_TRUE(undercutHobbed({.z = 17, .alpha = kAlpha20, .haStar = 1, .xn = o.value}).passed());
}

TEST(CuttingTests, TipThicknessAtItsLimitPasses) {
    // Pinion of the external example: da1 = 45, db1 = 40·cos 20°, Sa1 = 1.19.
    TipThickness in{.z = 20, .mn = 2, .xn = 0.25, .alphaN = kAlpha20, .alphaT = kAlpha20, .da = 45,
                    .alphaAt = std::acos(40 * std::cos(kAlpha20) / 45)};
    Outcome o = tipThickness(in);
    ASSERT_EQ(o.verdict, Verdict::Pass);
    EXPECT_NEAR(o.value, 1.19015, 1e-5);
    // Sa does not depend on mn: find mn with 0.32·mn == Sa exactly.
    double mn = o.value / 0.32;
    for (int k = 0; k < 8 && 0.32 * mn != o.value; ++k)
        mn = std::nextafter(mn, 0.32 * mn < o.value ? 10.0 : 0.0);
    ASSERT_EQ(0.32 * mn, o.value);
    in.mn = mn;
    EXPECT_EQ(tipThickness(in).verdict, Verdict::Pass);
    while (0.32 * in.mn <= o.value) in.mn = std::nextafter(in.mn, 10.0);
    EXPECT_EQ(tipThickness(in).verdict, Verdict::Fail);
}

// A helical gear is generated by a rack whose addendum in the transverse
// section is ha*·cos β, and its profile shift is a normal shift. Expected
// values worked out by hand from the textbook formulas (αn 20°, ha* 1):
//   xmin  = ha* − z·sin²αt/(2·cos β)
//   G(4)  = tan αt − 4·(ha* − xn)·cos β/(z·sin 2αt)
//   G(6)  = z1·tan αt − 4·(ha* − xn1)·cos β/sin 2αt
//   Sa    = da·(π/(2z) + 2·xn·tan αn/z + inv αt − inv αat)
// With β = 0 each is the spur formula, whose results do not change.
TEST(CuttingTests, HobbedChecksOfHelicalGearsCarryTheHelix) {
    auto alphaT = [](double betaDeg) { return std::atan(std::tan(kAlpha20) / std::cos(betaDeg * kDeg)); };
    struct Case {
        const char* name;
        double betaDeg;
        double undercutXmin, fillet4, fillet6;
    };
    // z 12 / xn 0 for test 1; zi 20, xn 0.1 for test 4; z1 17, xn1 0.2 for test 6.
    const Case cases[] = {
        {"β 30°: z 12, x 0 is not undercut (the spur form says 0.0993)", 30, -0.040041, 0.0, 0.0},
        {"β 15°", 15, 0.0, 0.113344, 1.721923},
        {"spur, unchanged", 0, 0.0, 0.083940, 1.209178},
    };
    for (const auto& c : cases) {
        const double at = alphaT(c.betaDeg), beta = c.betaDeg * kDeg;
        if (c.undercutXmin != 0) {
            Outcome o = undercutHobbed({.z = 12, .alpha = at, .haStar = 1, .xn = 0, .beta = beta});
            EXPECT_NEAR(o.value, c.undercutXmin, 1e-6) << c.name;
            EXPECT_TRUE(o.passed()) << c.name;
        }
        if (c.fillet4 != 0) {
            ExternalFillet in{.zi = 20, .zj = 40, .alphaWt = at, .alphaAtj = at + 0.1,
                              .cut = HobCut{.alphaT = at, .haStar = 1, .xn = 0.1, .beta = beta}};
            EXPECT_NEAR(filletExternal(in).value, c.fillet4, 1e-6) << c.name;
            InternalMesh pair{.z = 17, .ra = 20, .alphaA = at + 0.1, .zInternal = 60, .raInternal = 60,
                              .alphaAInternal = at, .alphaW = at, .a = 40};
            Generation hob = HobCut{.alphaT = at, .haStar = 1, .xn = 0.2, .beta = beta};
            EXPECT_NEAR(filletPinionInInternal(pair, hob).value, c.fillet6, 1e-6) << c.name;
        }
    }
    // Test 3 of a helical pinion: z 20, mn 2, β 15°, xn 0.25, da = d + 2·mn·(1 + xn).
    const double at = alphaT(15), mt = 2 / std::cos(15 * kDeg), da = 20 * mt + 2 * 2 * 1.25;
    TipThickness tip{.z = 20, .mn = 2, .xn = 0.25, .alphaN = kAlpha20, .alphaT = at, .da = da,
                     .alphaAt = std::acos(20 * mt * std::cos(at) / da)};
    EXPECT_NEAR(tipThickness(tip).value, 1.287477, 1e-6);  // 1.302374 with tan αt
}

TEST(CuttingTests, ExternalFilletOfAHobbedGear) {
    // zi = 10, zj = 100, αwt = 20°, αatj = 25°, xn = 0:
    // L = tan 20° − (tan 25° − tan 20°)·10 = −0.6594, G = tan 20° − 4/(10·sin 40°) = −0.258.
    ExternalFillet in{.zi = 10, .zj = 100, .alphaWt = kAlpha20, .alphaAtj = 25 * kDeg,
                      .cut = HobCut{.alphaT = kAlpha20, .haStar = 1, .xn = 0}};
    Outcome o = filletExternal(in);
    EXPECT_EQ(o.verdict, Verdict::Fail);
    EXPECT_NEAR(o.value, -0.2583, 1e-4);
    EXPECT_NEAR(o.limit, -0.6594, 1e-4);
    in.zj = 1;  // L = tan 20° − (tan 25° − tan 20°)/10 = 0.354 ≥ G
    EXPECT_EQ(filletExternal(in).verdict, Verdict::Pass);
}

TEST(CuttingTests, InternalGearFilletAtEquality) {
    // The cutter's side equal to the pair's side passes (G ≥ L); a cutter
    // tip angle one ulp smaller makes G just below L and fails.
    InternalMesh pair{.z = 20, .ra = 23, .alphaA = 35 * kDeg, .zInternal = 34, .raInternal = 33.8,
                      .alphaAInternal = 19 * kDeg, .alphaW = 28.7 * kDeg, .a = 15};
    InternalMesh cutter = pair;
    EXPECT_EQ(filletInternalGear(pair, cutter).verdict, Verdict::Pass);
    cutter.alphaA = std::nextafter(cutter.alphaA, 0.0);
    Outcome o = filletInternalGear(pair, cutter);
    EXPECT_LT(o.value, o.limit);
    EXPECT_EQ(o.verdict, Verdict::Fail);
}

TEST(CuttingTests, UndefinedQuantitiesCountAsPassed) {
    // Test 9: a pinion tip radius far too small for the internal gear makes
    // (ra2² − ra1² − a²)/(2·ra1·a) = (900 − 1 − 25)/10 > 1.
    InternalMesh overlap{.z = 20, .ra = 1, .alphaA = 30 * kDeg, .zInternal = 34, .raInternal = 30,
                         .alphaAInternal = 20 * kDeg, .alphaW = 25 * kDeg, .a = 5};
    Outcome o = profileOverlap(overlap);
    EXPECT_EQ(o.verdict, Verdict::Undefined);
    EXPECT_TRUE(o.passed());
    // Test 11: K = cos 10° / cos 40° > 1 with u < 1 gives a negative radicand.
    InternalMesh radial = overlap;
    radial.alphaA = 10 * kDeg;
    radial.alphaAInternal = 40 * kDeg;
    EXPECT_EQ(radialInterference(radial).verdict, Verdict::Undefined);
    EXPECT_TRUE(radialInterference(radial).passed());
}

TEST(CuttingTests, CutterWorkingAngleOfTheInternalExample) {
    // inv αw02 = 2·(1.0129 − 0)·tan 20°/(34 − 17) + inv 20°: αw02 = 30.75454°
    // (found by bisection); the search overshoots by less than one step.
    auto aw = cutterWorkingAngleInternal(
        {.z = 34, .xn = 1.0129, .z0 = 17, .x0 = 0, .alphaN = kAlpha20, .alphaT = kAlpha20},
        kavrin::kInvStepCheck);
    ASSERT_TRUE(aw);
    EXPECT_NEAR(*aw / kDeg, 30.7545403, 3e-6);
    // z − z0 ≤ 0 has no working angle (the search would never end).
    EXPECT_FALSE(cutterWorkingAngleInternal(
        {.z = 34, .xn = 1, .z0 = 34, .x0 = 0, .alphaN = kAlpha20, .alphaT = kAlpha20}, 4e-8));
    // A negative involute (xn + x0 strongly negative) gives no angle either.
    EXPECT_FALSE(cutterWorkingAngleExternal(
        {.z = 20, .xn = 0.25, .z0 = 17, .x0 = -1.1, .alphaN = kAlpha20, .alphaT = kAlpha20}, 4e-8));
}

// ------------------------------------------------------------ designed pair --

TEST(DesignedPairCheck, ExternalExampleWithoutCutters) {
    auto r = checkDesignedPairHobbed(externalExample());
    ASSERT_TRUE(r) << r.error();
    EXPECT_TRUE(r->rows.items.empty());
    ASSERT_TRUE(r->alphaWt);
    EXPECT_NEAR(*r->alphaWt, kAlpha20, 1e-12);
    EXPECT_EQ(r->summary,
              "\t    小齿轮无根切  ——OK!\n"
              "\t    大齿轮无根切  ——OK!\n"
              "\t    小齿轮齿顶厚: Sa1 = 1.19 mm  ——OK!\n"
              "\t    小齿轮齿根过渡线无干涉  ——OK!\n"
              "\t    大齿轮齿根过渡线无干涉  ——OK!\n"
              "\t    若齿轮插齿加工，请选用插齿刀参数再做校验!\n");
}

TEST(DesignedPairCheck, ExternalExampleHobbedRows) {
    CutterScheme s;
    markHobbed(s);
    auto r = checkDesignedPair(externalExample(), s);
    ASSERT_TRUE(r) << r.error();
    const std::vector<std::string> items = {"1.根切校验:", "", "2.齿顶厚校验:", "3.过度曲线干涉校验:", ""};
    const std::vector<std::string> results = {
        "小齿轮无根切!", "大齿轮无根切!", "小齿轮齿顶厚: Sa1 = 1.19 mm; ", "小齿轮齿根过渡线无干涉!",
        "大齿轮齿根过渡线与小齿轮齿顶无干涉!"};
    EXPECT_EQ(r->rows.items, items);
    EXPECT_EQ(r->rows.results, results);
    EXPECT_EQ(r->rows.solutions, std::vector<std::string>(5, "Ok!"));
    EXPECT_EQ(r->summary,
              "小齿轮无根切！ 大齿轮无根切！ 小齿轮齿顶厚: Sa1 = 1.19 mm; "
              "小齿轮齿根过渡线无干涉！ 大齿轮齿根过渡线无干涉！ ");
}

TEST(DesignedPairCheck, SeventeenTeethHobbedPinionIsUndercut) {
    // Z1 = 17, xn1 = 0 at a = ad: xmin = 0.00569 shown as 0.01.
    DesignedPair p{.z1 = 17, .z2 = 40, .mn = 2, .alphaN = kAlpha20, .a = 57};
    CutterScheme s;
    markHobbed(s);
    auto r = checkDesignedPair(p, s);
    ASSERT_TRUE(r) << r.error();
    EXPECT_EQ(r->rows.results[0], "小齿轮滚齿根切");
    EXPECT_EQ(r->rows.solutions[0], "加大χn1至0.01、增加齿数");
    EXPECT_EQ(r->summary.rfind("小齿轮滚齿根切！χn1≥0.01避免根切;大齿轮无根切！ ", 0), 0u) << r->summary;
    auto hobbed = checkDesignedPairHobbed(p);
    ASSERT_TRUE(hobbed);
    EXPECT_EQ(hobbed->summary.rfind("\t    小齿轮滚齿根切! χn1≥0.01避免根切;\n\t    大齿轮无根切  ——OK!\n", 0), 0u)
        << hobbed->summary;
}

TEST(DesignedPairCheck, ExternalPairShapedBySameCutter) {
    // Z1 = 12 shaped with z0 = 25, ha0* = 1.25: xmin = ½(√(27.5² + 744·cos²20°) − 37) = 0.2964.
    DesignedPair p{.z1 = 12, .z2 = 40, .mn = 2, .alphaN = kAlpha20, .a = 52};
    Cutter c = makeCutter(25, 1.25, 0, 2);
    auto r = checkDesignedPair(p, {.sameCutter = 1, .cutter1 = c, .cutter2 = c});
    ASSERT_TRUE(r) << r.error();
    EXPECT_EQ(r->rows.results[0], "小齿轮插齿根切");
    EXPECT_EQ(r->rows.solutions[0], "χn1≥0.30避免根切;");
    EXPECT_EQ(r->rows.results[3], "小齿轮齿根过渡线与大齿轮齿顶无干涉!");
    EXPECT_EQ(r->rows.results[4], "大齿轮齿根过渡线与小齿轮齿顶无干涉!");
    EXPECT_EQ(r->summary.rfind("小齿轮插齿根切!χn1≥0.30避免根切;大齿轮无根切！ ", 0), 0u) << r->summary;
}

TEST(DesignedPairCheck, InternalExampleQuantities) {
    auto p = designedPairQuantities(internalExample());
    ASSERT_TRUE(p) << p.error();
    // da2 = 68 − 2·2·(1 − 0.4026 − 0.5) = 67.6104 (the geometry pages' sign);
    // da1 = 40 + 2·2·(1 + 1.0129 − 0.5) = 46.0516; αwt = arccos(14·cos 20°/15).
    EXPECT_NEAR(p->da2, 67.6104, 1e-9);
    EXPECT_NEAR(p->da1, 46.0516, 1e-9);
    EXPECT_NEAR(p->alphaWt / kDeg, 28.7118951, 1e-6);
    EXPECT_NEAR(pinionTipThickness(*p).value, 0.74700, 1e-5);
}

TEST(DesignedPairCheck, InternalExampleAllRowsPass) {
    auto r = checkDesignedPair(internalExample(), pinionHobbedGearShaped(kCutter17));
    ASSERT_TRUE(r) << r.error();
    const std::vector<std::string> items = {"1.根切校验:", "2.齿顶厚校验:", "3.过度曲线干涉校验:", "",
                                            "4.渐开线干涉校验:", "", "5.齿廓重迭干涉校验:", "",
                                            "6.径向干涉校验:", ""};
    const std::vector<std::string> results = {
        "小齿轮无根切!", "小齿轮齿顶厚: Sa1 = 0.75 mm; ", "内齿轮齿根过渡线与小齿轮齿顶无干涉",
        "小齿轮齿根过渡线与内齿轮齿顶无干涉", "无渐开线干涉", "内齿轮插齿时无渐开线干涉",
        "内齿轮与小齿轮无重迭干涉", "内齿轮无插齿重迭干涉", "内齿轮和小齿轮无径向干涉",
        "内齿轮无插齿径向干涉"};
    std::vector<std::string> solutions(10, "Ok!");
    solutions[5] = "OK!";  // that row's pass solution is spelt so
    EXPECT_EQ(r->rows.items, items);
    EXPECT_EQ(r->rows.results, results);
    EXPECT_EQ(r->rows.solutions, solutions);
    EXPECT_EQ(r->summary,
              "小齿轮无根切！ 小齿轮齿顶厚: Sa1 = 0.75 mm; 内齿轮齿根过渡线无干涉！ "
              "小齿轮齿根过渡线无干涉！ 无渐开线干涉！ 无刀具渐开线干涉！ 无重迭干涉！ "
              "无插齿齿廓重迭干涉！无径向干涉！ 内齿轮无径向顶切！ ");
    ASSERT_TRUE(r->alphaWt);
    EXPECT_NEAR(*r->alphaWt / kDeg, 28.7118951, 1e-6);
}

TEST(DesignedPairCheck, InternalPairWithSmallToothDifferenceInterferes) {
    // Z1 = 28, Z2 = 34, standard (a = ad = 6): by hand, tests 6, 7, 8, 9, 11
    // and 12 fail (e.g. test 7: 1 − tan αat2/tan 20° = 0.846 > 28/34);
    // test 10 passes (δ2 = 0.541 ≤ 0.555).
    DesignedPair p{.z1 = 28, .z2 = 34, .mn = 2, .alphaN = kAlpha20, .a = 6, .internal = true};
    auto r = checkDesignedPair(p, pinionHobbedGearShaped(kCutter17));
    ASSERT_TRUE(r) << r.error();
    const std::vector<std::string> results = {
        "小齿轮无根切!", "小齿轮齿顶厚: Sa1 = 1.46 mm; ", "内齿轮齿根过渡线与小齿轮齿顶无干涉",
        "小齿轮齿根过渡线与内齿轮齿顶干涉", "内外齿轮啮合发生渐开线干涉", "内齿轮插齿时渐开线干涉，发生范成顶切",
        "内齿轮与小齿轮发生重迭干涉", "内齿轮无插齿重迭干涉", "内齿轮和小齿轮径向干涉", "内齿轮插齿径向进刀顶切"};
    const std::vector<std::string> solutions = {
        "Ok!", "Ok!", "Ok!", "减少小齿轮变位系数绝对值、减少齿顶高", "增大齿形角、增大变位系数,减小传动比",
        "增大齿形角、增大变位系数,增加刀具齿数", "减少齿顶高、增大传动比、加大内齿轮变位系数、减少小齿轮变位系数",
        "Ok!", "减少齿顶高、增大传动比、加大内齿轮变位系数、减少小齿轮变位系数",
        "减少齿顶高、增大插齿传动比、加大内齿轮变位系数"};
    EXPECT_EQ(r->rows.results, results);
    EXPECT_EQ(r->rows.solutions, solutions);
    EXPECT_EQ(r->summary,
              "小齿轮无根切！ 小齿轮齿顶厚: Sa1 = 1.46 mm; 内齿轮齿根过渡线无干涉！ "
              "小齿轮齿根过渡线与内齿轮齿顶干涉！ 发生渐开线干涉！ 刀具渐开线干涉，内齿轮插齿发生范成顶切！ "
              "内齿轮与小齿轮发生重迭干涉！ 无插齿齿廓重迭干涉！内齿轮和小齿轮径向干涉！ 内齿轮插齿径向进刀顶切！");
}

TEST(DesignedPairCheck, InternalExampleWithoutCutters) {
    auto r = checkDesignedPairHobbed(internalExample());
    ASSERT_TRUE(r) << r.error();
    EXPECT_FALSE(r->alphaWt);  // the page keeps its αwt
    EXPECT_EQ(r->summary,
              "\t    小齿轮无根切  ——OK\n"
              "\t    小齿轮齿顶厚: Sa1 = 0.75 mm  ——OK!\n"
              "\t    没有选择插齿刀参数，故未做齿廓干涉校验，请注意重新校验!\n");
}

TEST(DesignedPairCheck, Refusals) {
    auto with = [](DesignedPair p, auto edit) {
        edit(p);
        return p;
    };
    const DesignedPair ext = externalExample();
    const DesignedPair in = internalExample();
    const CutterScheme hobbedPinion = pinionHobbedGearShaped(kCutter17);
    struct Case {
        const char* name;
        DesignedPair pair;
        CutterScheme scheme;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"Z1 = 0", with(ext, [](auto& p) { p.z1 = 0; }), {}, kMsgEnterBasicsFirst},
        {"Z2 < Z1", with(ext, [](auto& p) { p.z2 = 19; p.z1 = 20; }), {}, kMsgEnterBasicsFirst},
        {"mn = 0", with(ext, [](auto& p) { p.mn = 0; }), {}, kMsgEnterBasicsFirst},
        {"a = 0", with(ext, [](auto& p) { p.a = 0; }), {}, kMsgEnterBasicsFirst},
        {"a < 0", with(ext, [](auto& p) { p.a = -60; }), {}, kMsgEnterBasicsFirst},
        {"internal Z1 = Z2 (ad = 0)", with(in, [](auto& p) { p.z2 = 20; }), hobbedPinion,
         kMsgEnterBasicsFirst},
        {"αn = 0", with(ext, [](auto& p) { p.alphaN = 0; }), {}, kMsgEnterBasicsFirst},
        // a below ad·cos αt: no working pressure angle.
        {"over-corrected", with(ext, [](auto& p) { p.a = 56; }), {}, kMsgOverCorrected},
        // Standard internal gear Z2 = 30: da2 = 56 < db2 = 56.382.
        {"internal tip inside base",
         with(in, [](auto& p) { p.z2 = 30; p.xn1 = p.xn2 = 0; p.a = 10; }), hobbedPinion,
         kMsgTipInternalInsideBase},
        // Z2 = z02: the cutter's involute equation divides by zero.
        {"z02 = Z2", in, pinionHobbedGearShaped(makeCutter(34, 1.25, 0, 2)), kMsgCutterTeethInternal},
        {"z02 > Z2", in, pinionHobbedGearShaped(makeCutter(40, 1.25, 0, 2)), kMsgCutterTeethInternal},
        // da02 = 34 + 2·(1.25 − 2)·2 = 31 < d02·cos 20° = 31.95.
        {"cutter tip inside base", in, pinionHobbedGearShaped(makeCutter(17, 1.25, -2, 2)),
         kMsgCutter2TipInsideBase},
        {"shaped gear without cutter", in, pinionHobbedGearShaped(Cutter{.ha0 = 1.25}), kMsgNoValidCutter},
        {"shaped pinion without cutter", ext, {.gearHobbed = 1, .cutter1 = {}, .cutter2 = {}}, kMsgNoValidCutter},
        // inv αw01 = 2·(0.25 − 1.1)·tan 20°/37 + inv 20° < 0.
        {"no cutter working angle", ext,
         {.gearHobbed = 1, .cutter1 = makeCutter(17, 1.25, -1.1, 2), .cutter2 = {}}, kMsgCutterNoWorkingAngle},
    };
    for (const auto& c : cases) {
        auto r = checkDesignedPair(c.pair, c.scheme);
        ASSERT_FALSE(r) << c.name;
        EXPECT_EQ(r.error(), c.message) << c.name;
    }
    // The run without cutters refuses the pair alike.
    EXPECT_EQ(checkDesignedPairHobbed(cases[0].pair).error(), kMsgEnterBasicsFirst);
    EXPECT_EQ(checkDesignedPairHobbed(cases[8].pair).error(), kMsgTipInternalInsideBase);
}

TEST(DesignedPairCheck, NeverShowsNonFiniteNumbers) {
    // A sweep over odd pairs and cutters: each run is refused or prints
    // finite numbers only.
    const std::vector<CutterScheme> schemes = {
        {.pinionHobbed = 1, .gearHobbed = 1, .cutter1 = {}, .cutter2 = {}},
        {.cutter1 = kCutter17, .cutter2 = kCutter17},
        {.cutter1 = makeCutter(12, 1.25, -0.8, 2), .cutter2 = makeCutter(12, 1.25, -0.8, 2)},
        {.cutter1 = makeCutter(60, 1.25, 0.5, 2), .cutter2 = makeCutter(60, 1.25, 0.5, 2)},
    };
    int accepted = 0;
    for (bool internal : {false, true})
        for (int z1 : {8, 20})
            for (int z2 : {20, 34, 90})
                for (double factor : {0.9, 1.0, 1.06, 1.3})
                    for (double xn1 : {-1.0, 0.0, 1.2})
                        for (double xn2 : {-1.0, 0.0, 1.2})
                            for (const auto& s : schemes) {
                                double ad = (internal ? z2 - z1 : z1 + z2);
                                DesignedPair p{.z1 = z1, .z2 = z2, .mn = 2, .alphaN = kAlpha20,
                                               .xn1 = xn1, .xn2 = xn2, .a = ad * factor,
                                               .internal = internal};
                                for (auto r : {checkDesignedPair(p, s), checkDesignedPairHobbed(p)}) {
                                    if (!r) {
                                        EXPECT_FALSE(r.error().empty());
                                        continue;
                                    }
                                    ++accepted;
                                    EXPECT_FALSE(hasNonFinite(r->summary)) << r->summary;
                                    for (const auto& t : r->rows.results) EXPECT_FALSE(hasNonFinite(t)) << t;
                                    for (const auto& t : r->rows.solutions) EXPECT_FALSE(hasNonFinite(t)) << t;
                                    if (r->alphaWt) {
                                        EXPECT_TRUE(std::isfinite(*r->alphaWt));
                                    }
                                }
                            }
    EXPECT_GT(accepted, 100);  // the sweep reaches the tests, not only refusals
}

}  // namespace
}  // namespace cylindrical
