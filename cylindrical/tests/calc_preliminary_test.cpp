#include "cylindrical/calc/preliminary.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace cylindrical;
using kavrin::AngleTriple;

namespace {

// The worked example of docs/examples-preliminary.md: 10 kW at 960 r/min,
// i = 3.2, Z1 = 20, symmetric support above 350 HB (φd slider 20 → 0.65),
// moderate shocks (K1 slider 8 → 2.6, K2 slider 0 → 2.3).
PreliminaryInput example() {
    return {.i = 3.2, .t = 318.3, .z1 = 20, .z2 = 64, .sigmaHP = 1300, .sigmaFP = 450,
            .phiD = 0.65, .k1 = 2.6, .k2 = 2.3, .meshType = MeshType::External};
}

TEST(Preliminary, WorkedExample) {
    auto r = preliminary(example());
    ASSERT_TRUE(r) << r.error().message;
    // Hand calculation (docs/examples-preliminary.md):
    // φa = 2·0.65/4.2 = 0.309524; a_H = 4.2·226·∛(9.8·2.6·318.3/((1300·3.2)²·0.309524)) = 108.9957;
    // m_H = 2·108.9957/84 = 2.595137; YFS = 8.5561·20^−0.361711 = 2.895203;
    // m_F = 12.1·∛(2.3·318.3·2.895203/(0.65·450·400·3.2)) = 2.156525.
    EXPECT_NEAR(r->mH, 2.5951365769599484, 1e-12);
    EXPECT_NEAR(r->mF, 2.15652540557804, 1e-12);
    EXPECT_EQ(r->ms, r->mH);
    EXPECT_EQ(r->mn, 2.5);
    // β = arccos(2.5/2.595137) = 15.5620585° = 15°33′43.4″.
    EXPECT_EQ(r->beta, (AngleTriple{15, 33, 43}));
    EXPECT_NEAR(r->a, 108.99573623231782, 1e-10);
}

TEST(Preliminary, RefusalsInTheirOrder) {
    struct Case { const char* name; PreliminaryInput in; const char* message; };
    auto with = [](auto f) { PreliminaryInput in = example(); f(in); return in; };
    const Case cases[] = {
        // The dialog's defaults: no torque yet.
        {"defaults", PreliminaryInput{}, kMsgNoTorque},
        {"no contact limit", with([](auto& in) { in.sigmaHP = 0; }), kMsgNoSigmaHP},
        {"no bending limit", with([](auto& in) { in.sigmaFP = 0; }), kMsgNoSigmaFP},
        {"no ratio", with([](auto& in) { in.i = 0; }), kMsgNoRatio},
        {"no pinion teeth", with([](auto& in) { in.z1 = 0; }), kMsgNoZ1},
        {"torque tested first", with([](auto& in) { in.t = -1; in.i = 0; }), kMsgNoTorque},
        // Internal pairs need i > 1 and Z2 > Z1: i = 1 divided by zero before.
        {"internal i = 1", with([](auto& in) { in.meshType = MeshType::Internal; in.i = 1; in.z2 = 20; }), kMsgInternalPair},
        {"internal Z2 = Z1", with([](auto& in) { in.meshType = MeshType::Internal; in.z2 = 20; }), kMsgInternalPair},
        {"internal i < 1", with([](auto& in) { in.meshType = MeshType::Internal; in.i = 0.5; }), kMsgInternalPair},
    };
    for (const auto& c : cases) {
        auto r = preliminary(c.in);
        ASSERT_FALSE(r) << c.name;
        EXPECT_EQ(r.error().message, c.message) << c.name;
        EXPECT_EQ(r.error().place, RefusalPlace::HintLine) << c.name;
    }
}

TEST(Preliminary, ModuleBelowHalfIsTheCalculationError) {
    // A tiny torque gives ms < 0.5: mn would round to 0 and β to 90°.
    PreliminaryInput in = example();
    in.t = 0.5;
    auto r = preliminary(in);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().message, kMsgCalcError);
    EXPECT_EQ(r.error().place, RefusalPlace::ModuleLabel);
}

TEST(Preliminary, NonFiniteArithmeticIsRefused) {
    // φd = 0 divides by zero in both strength formulas.
    PreliminaryInput in = example();
    in.phiD = 0;
    auto r = preliminary(in);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().message, kMsgCalcError);
}

TEST(Preliminary, InternalPairUsesTheToothDifference) {
    PreliminaryInput in = example();
    in.meshType = MeshType::Internal;
    auto r = preliminary(in);
    ASSERT_TRUE(r) << r.error().message;
    EXPECT_TRUE(std::isfinite(r->ms));
    EXPECT_DOUBLE_EQ(r->a, (64 - 20) * r->ms / 2);
    // Contact: a_H with i − 1 and m_H = 2 a_H / (Z2 − Z1).
    double phiA = 2 * 0.65 / 2.2;
    double aH = 2.2 * 226 * std::cbrt(9.8 * 2.6 * 318.3 / (std::pow(1300 * 3.2, 2) * phiA));
    EXPECT_NEAR(r->mH, 2 * aH / 44, 1e-12);
}

TEST(Preliminary, ModuleGrowsWithTorqueAndShrinksWithStrength) {
    double last = 0;
    for (double t : {100.0, 300.0, 1000.0, 3000.0}) {
        PreliminaryInput in = example();
        in.t = t;
        double ms = preliminary(in)->ms;
        EXPECT_GT(ms, last) << t;
        last = ms;
    }
    PreliminaryInput stronger = example();
    stronger.sigmaHP = 1500;
    stronger.sigmaFP = 600;
    EXPECT_LT(preliminary(stronger)->ms, preliminary(example())->ms);
}

TEST(PreliminarySteps, ModuleRoundsDownToHalves) {
    struct Case { double ms; double mn; };
    // Edge cases of the preliminary design: 2.49 → 2.0, 2.5 → 2.5, 2.99 → 2.5.
    const Case cases[] = {{2.49, 2.0}, {2.5, 2.5}, {2.99, 2.5}, {3.0, 3.0}, {0.49, 0.0}, {10.7, 10.5}};
    for (const auto& c : cases) EXPECT_EQ(roundModuleDown(c.ms), c.mn) << c.ms;
}

TEST(PreliminarySteps, HelixAngle) {
    // A module that is a multiple of 0.5 needs no helix angle.
    EXPECT_EQ(helixAngle(2.5, 2.5), (AngleTriple{0, 0, 0}));
    // arccos(0.5) = 60°.
    EXPECT_EQ(helixAngle(1.5, 3.0), (AngleTriple{60, 0, 0}));
    // cos 10.999999° · 3: the seconds round to 60 and carry into 11°0′0″.
    EXPECT_EQ(helixAngle(3 * std::cos(10.999999 * 3.141592653589793 / 180), 3.0), (AngleTriple{11, 0, 0}));
    EXPECT_FALSE(helixAngle(0, 2.5));
    EXPECT_FALSE(helixAngle(3.0, 2.5));
    EXPECT_FALSE(helixAngle(2.0, std::nan("")));
}

TEST(PreliminarySteps, TeethFromRatio) {
    struct Case { const char* name; int z1; double i; std::optional<int> z2; };
    const Case cases[] = {
        {"exact", 20, 3.2, 64},
        // 4/3 as a 15-digit field shows it: 3 × 1.33333333333333 = 3.99999999999999.
        {"ratio rounded through its field", 3, 1.33333333333333, 4},
        {"integer part", 3, 1.3, 3},
        {"below one tooth", 3, 0.2, 0},
        {"no pinion", 0, 3.2, std::nullopt},
        {"no ratio", 20, 0, std::nullopt},
        {"absurd ratio", 20, 1e300, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(gearTeeth(c.z1, c.i), c.z2) << c.name;
    auto t = teethFromRatio(3, 1.33333333333333);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->z2, 4);
    EXPECT_DOUBLE_EQ(t->i, 4.0 / 3);
}

TEST(PreliminarySteps, PairEnteredTheWrongWayRoundIsSwapped) {
    auto p = pairFromTeeth(20, 15);
    EXPECT_TRUE(p.swapped);
    EXPECT_EQ(p.z1, 15);
    EXPECT_EQ(p.z2, 20);
    EXPECT_DOUBLE_EQ(p.i, 20.0 / 15);
    auto q = pairFromTeeth(20, 64);
    EXPECT_FALSE(q.swapped);
    EXPECT_DOUBLE_EQ(q.i, 3.2);
}

TEST(PreliminarySteps, TorqueAndPower) {
    // 9549 × 10 kW / 300 r/min = 318.3 N·m, and back.
    EXPECT_DOUBLE_EQ(torqueFromPower(10, 300), 318.3);
    EXPECT_DOUBLE_EQ(powerFromTorque(318.3, 300), 10);
}

TEST(PreliminarySteps, ChosenModule) {
    ModuleInput base{.mn = 2.5, .ms = 2.5951365769599484, .beta = {15, 33, 43}, .z1 = 20, .z2 = 64,
                     .meshType = MeshType::External};
    // The calculated mn: β stays, no hint.
    auto same = chooseModule(base);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->beta, (AngleTriple{15, 33, 43}));
    EXPECT_FALSE(same->a);

    // mn larger than ms: ms = mn, β = 0, a from the new ms.
    ModuleInput larger = base;
    larger.mn = 3;
    auto up = chooseModule(larger);
    ASSERT_TRUE(up);
    EXPECT_EQ(up->ms, 3);
    EXPECT_EQ(up->beta, (AngleTriple{0, 0, 0}));
    EXPECT_EQ(up->a, 84 * 3 / 2.0);
    EXPECT_FALSE(up->smallerModule);

    // A smaller mn than cos β · ms warns and gives a larger helix angle.
    ModuleInput smaller = base;
    smaller.mn = 2;
    auto down = chooseModule(smaller);
    ASSERT_TRUE(down);
    EXPECT_TRUE(down->smallerModule);
    EXPECT_EQ(down->beta, kavrin::splitDegreesCarry(std::acos(2 / base.ms) * 57.29577951308232));

    ModuleInput zero = base;
    zero.mn = 0;
    EXPECT_FALSE(chooseModule(zero));
    zero.mn = -1;
    EXPECT_FALSE(chooseModule(zero));
}

TEST(PreliminarySteps, NormalModuleFromHelixAngle) {
    EXPECT_DOUBLE_EQ(normalModule(3.0, {60, 0, 0}), 1.5);
    EXPECT_DOUBLE_EQ(normalModule(3.0, {0, 0, 0}), 3.0);
}

TEST(PreliminarySliders, MappingAndRanges) {
    EXPECT_DOUBLE_EQ(sliderValue({0.8, 1.4}, 0), 0.8);
    EXPECT_DOUBLE_EQ(sliderValue({0.8, 1.4}, 40), 1.4);
    EXPECT_DOUBLE_EQ(sliderValue({0.4, 0.9}, 20), 0.65);
    EXPECT_DOUBLE_EQ(sliderValue({2.5, 3.0}, 8), 2.6);

    // The φd table: arrangement by hardness class.
    struct PhiCase { int support, hardness; Range r; };
    const PhiCase phi[] = {{0, 0, {0.8, 1.4}}, {0, 1, {0.4, 0.9}}, {1, 0, {0.4, 1.2}},
                           {1, 1, {0.2, 0.6}}, {2, 0, {0.4, 0.8}}, {2, 1, {0.2, 0.6}}};
    for (const auto& c : phi)
        EXPECT_EQ(phiDRange(kavrin::Support(c.support), kavrin::Hardness(c.hardness)), c.r) << c.support << "/" << c.hardness;
    // The K table by load nature.
    struct KCase { int nature; Range k1, k2; };
    const KCase k[] = {{0, {2.0, 2.4}, {1.8, 2.3}}, {1, {2.5, 3.0}, {2.3, 2.9}}, {2, {3.5, 4.2}, {3.2, 4.0}}};
    for (const auto& c : k) {
        EXPECT_EQ(kRanges(kavrin::LoadNature(c.nature)).k1, c.k1) << c.nature;
        EXPECT_EQ(kRanges(kavrin::LoadNature(c.nature)).k2, c.k2) << c.nature;
    }
    // Beyond the table: the nearest row.
    EXPECT_EQ(phiDRange(kavrin::Support(5), kavrin::Hardness(7)), (Range{0.2, 0.6}));
    EXPECT_EQ(kRanges(kavrin::LoadNature(-1)).k1, (Range{2.0, 2.4}));
}

}  // namespace

namespace cylindrical {
namespace {

// The rules the dialog's handlers call: the field limits of the allowable
// stresses (MPa) and the input-speed rule (ratio from the speeds only while
// it is still 1 and an output speed is given).
TEST(PreliminaryRules, StressLimitsAndTheSpeedRule) {
    EXPECT_TRUE(pre_q::kSigmaHP.admits(500));
    EXPECT_TRUE(pre_q::kSigmaHP.admits(10000));
    EXPECT_FALSE(pre_q::kSigmaHP.admits(499.9));
    EXPECT_FALSE(pre_q::kSigmaHP.admits(10000.1));
    EXPECT_TRUE(pre_q::kSigmaFP.admits(100));
    EXPECT_FALSE(pre_q::kSigmaFP.admits(1000.5));
    struct Case {
        double i, no;
        bool applies;
    } cases[] = {{1.0, 300, true}, {1.0, 0, false}, {3.2, 300, false}, {0, 300, false}};
    for (const auto& c : cases) EXPECT_EQ(ratioFromSpeedsApplies(c.i, c.no), c.applies) << c.i << " " << c.no;
}

// Stored numbers of the shared enums: the radio order, and nothing beyond the last.
TEST(PreliminaryRules, EnumsKeepTheStoredNumbers) {
    EXPECT_EQ(kMeshExternal, 0);
    EXPECT_EQ(kMeshInternal, 1);
    EXPECT_EQ(kavrin::fromInt(2, kavrin::Support::Cantilever), kavrin::Support::Cantilever);
    EXPECT_EQ(kavrin::fromInt(3, kavrin::Support::Cantilever), std::nullopt);
    EXPECT_EQ(kavrin::fromInt(-1, kavrin::LoadNature::HeavyShocks), std::nullopt);
    EXPECT_EQ(kavrin::toInt(kavrin::Hardness::Above350HB), 1);
}

}  // namespace
}  // namespace cylindrical
