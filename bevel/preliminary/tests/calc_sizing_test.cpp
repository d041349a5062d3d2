// Expected values: worked by hand from the sizing formulas (the figures of
// the design notes for this calculator), rounded as printed there.
#include "bevel/preliminary/calc/sizing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace bevel;

namespace {

TEST(BevelSizing, RadialShiftBySystem) {
    struct Case { const char* source; int system; double i, beta; ShiftSource from; double x1; const char* hint; };
    const Case cases[] = {
        {"0.46·(1 − 1/6.25)", 1, 2.5, 0, ShiftSource::Formula, 0.3864, nullptr},
        {"0.46·(1 − 1/6.25)", 3, 2.5, 0, ShiftSource::Formula, 0.3864, nullptr},
        {"0.39·(1 − 1/6.25)", 4, 2.5, 35, ShiftSource::Formula, 0.3276, nullptr},
        {"0.4·(1 − 1/6.25), βm 20°", 6, 2.5, 20, ShiftSource::Formula, 0.336, nullptr},
        {"βm exactly 10°", 6, 2.5, 10, ShiftSource::Formula, 0.47, nullptr},
        {"standard system", 0, 2.5, 0, ShiftSource::Formula, 0, kHintRadialStandard},
        {"cycloidal system", 7, 2.5, 35, ShiftSource::Formula, 0, kHintRadialCycloid},
        {"ENIMS straight", 2, 2.5, 0, ShiftSource::ChartA196, 0, nullptr},
        {"ENIMS curved", 5, 2.5, 35, ShiftSource::ChartA198, 0, nullptr},
    };
    for (const auto& c : cases) {
        Shift s = radialShift(c.system, c.i, c.beta);
        EXPECT_EQ(s.source, c.from) << c.source;
        EXPECT_NEAR(s.value, c.x1, 1e-12) << c.source;
        EXPECT_EQ(s.ratioChecked, c.system != 0) << c.source;
        EXPECT_STREQ(s.hint ? s.hint : "", c.hint ? c.hint : "") << c.source;
    }
    EXPECT_FALSE(ratioValid(0));
    EXPECT_FALSE(ratioValid(0.999));
    EXPECT_TRUE(ratioValid(1));
    for (double beta : {9.99, 30.01, 35.0}) EXPECT_FALSE(helixValidForSystem6(beta)) << beta;
    for (double beta : {10.0, 20.0, 30.0}) EXPECT_TRUE(helixValidForSystem6(beta)) << beta;
}

TEST(BevelSizing, TangentialShiftBySystem) {
    struct Case { const char* source; int system; double i, beta; ShiftSource from; double xt1; const char* hint; };
    const Case cases[] = {
        {"0.18·cos 20°", 6, 1.2, 20, ShiftSource::Formula, 0.169145, nullptr},
        {"i 1.5: none", 6, 1.5, 20, ShiftSource::Formula, 0, nullptr},
        {"(2.5 − 1)/50", 7, 2.5, 35, ShiftSource::Formula, 0.03, nullptr},
        {"i below 2", 7, 1.8, 35, ShiftSource::Formula, 0, kHintTangentialCycloid},
        {"standard", 0, 2.5, 0, ShiftSource::Formula, 0, kHintTangentialStandard},
        {"Gleason straight", 1, 2.5, 0, ShiftSource::ChartC80, 0, nullptr},
        {"Gleason zerol", 3, 2.5, 0, ShiftSource::ChartC80, 0, nullptr},
        {"ENIMS straight", 2, 2.5, 0, ShiftSource::ChartA197, 0, nullptr},
        {"Gleason spiral", 4, 2.5, 35, ShiftSource::ChartC81, 0, nullptr},
        {"ENIMS curved", 5, 2.5, 35, ShiftSource::ChartA199, 0, nullptr},
    };
    for (const auto& c : cases) {
        Shift s = tangentialShift(c.system, c.i, c.beta);
        EXPECT_EQ(s.source, c.from) << c.source;
        EXPECT_NEAR(s.value, c.xt1, 5e-7) << c.source;
        EXPECT_STREQ(s.hint ? s.hint : "", c.hint ? c.hint : "") << c.source;
    }
}

TEST(BevelSizing, VirtualTeethAndFormFactor) {
    VirtualTeeth v = virtualTeeth(20, 2.5, 35);
    EXPECT_NEAR(v.zv, 39.189113, 5e-7);
    EXPECT_NEAR(v.fraction, 0.702219, 5e-7);
    EXPECT_NEAR(virtualTeeth(8, 1, 0).zv, 11.313708, 5e-7);  // 8·√2
    EXPECT_TRUE(virtualTeethEnough(virtualTeeth(8, 1, 0).zv));
    EXPECT_FALSE(virtualTeethEnough(virtualTeeth(7, 1, 0).zv));  // 9.899
    EXPECT_TRUE(virtualTeethEnough(11));
    EXPECT_NEAR(formFactor(2.5, 0.03), 2.449698, 5e-7);
    EXPECT_EQ(formFactor(2.5, 0), 2.5);
    EXPECT_NEAR(formFactor(2.44625, 0.045), 2.366153, 5e-7);
}

TEST(BevelSizing, MinimumModule) {
    ModuleInputs in{.system = 0, .z1 = 20, .i = 2.5, .t = 500, .ka = 1.25, .khBeta = 1.5, .kwBeta = 1.35,
                    .sigmaHlim = 1500, .sigmaFlim = 480, .yf = 2.5};
    for (int system : {0, 1, 2, 3}) {
        in.system = system;
        auto r = minimumModule(in);
        ASSERT_TRUE(r) << system;
        EXPECT_NEAR(r->d1H, 61.716865, 5e-7);
        EXPECT_NEAR(r->d1F, 88.607907, 5e-7);
        EXPECT_NEAR(r->mt, 4.4303953481222145, 1e-13);
    }
    for (int system : {4, 5, 6, 7}) {
        in.system = system;
        auto r = minimumModule(in);
        ASSERT_TRUE(r) << system;
        EXPECT_NEAR(r->d1H, 51.430721, 5e-7);
        EXPECT_NEAR(r->d1F, 73.931649, 5e-7);
        EXPECT_NEAR(r->mt, 3.6965824540232974, 1e-13);
    }
    in.system = 4;
    in.yf = formFactor(2.44625, 0.045);  // the chart read at thumb 147, corrected
    auto r = minimumModule(in);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->d1F, 72.587970, 5e-7);
    EXPECT_NEAR(r->mt, 3.629399, 5e-7);
    EXPECT_NEAR(clearanceForModule(1, 3.5, 0.188), 0.202286, 5e-7);
    EXPECT_EQ(clearanceForModule(4, 3.5, 0.188), 0.188);
    EXPECT_EQ(clearanceForModule(3, 0, 0.2), 0.2);
}

TEST(BevelSizing, ModuleRefusesWhatCannotGiveAFiniteModule) {
    ModuleInputs in{.system = 4, .z1 = 20, .i = 2.5, .t = 500, .ka = 1.25, .khBeta = 1.5, .kwBeta = 1.35,
                    .sigmaHlim = 1500, .sigmaFlim = 480, .yf = 2.5};
    auto ratio = in; ratio.i = 0;
    auto noTeeth = in; noTeeth.z1 = 0;
    auto overflow = in; overflow.t = 1e300; overflow.ka = 1e10;
    auto zeroStress = in; zeroStress.sigmaHlim = 0;
    EXPECT_EQ(minimumModule(ratio).error(), ModuleRefusal::Ratio);
    EXPECT_EQ(minimumModule(noTeeth).error(), ModuleRefusal::NoPinionTeeth);
    EXPECT_EQ(minimumModule(overflow).error(), ModuleRefusal::NotFinite);
    EXPECT_EQ(minimumModule(zeroStress).error(), ModuleRefusal::NotFinite);
}

}  // namespace
