// The characteristic parameters page: contact ratios, span measurement,
// chordal dimensions, the pin dimension of an internal gear, the face width.
#include <gtest/gtest.h>

#include <cmath>

#include "cylindrical/calc/characteristic.h"
#include "cylindrical/calc/geometry_report.h"
#include "cylindrical/calc/shift_distribution.h"

namespace cylindrical {
namespace {

CharacteristicInput externalSpur() {
    CharacteristicInput in;
    in.pair.z1 = 20, in.pair.z2 = 40, in.pair.mn = 2, in.pair.alphaNRad = kTwentyDegRad;
    in.pair.haStar = 1, in.pair.a = in.pair.ad = 60;
    in.alphaWtDeg = 20;
    in.b = 32;
    return in;
}

TEST(SpanCount, RoundingRule) {
    struct Case {
        double kPrime;
        std::optional<int> k;
        const char* why;
    } cases[] = {
        {1.3, 2, "below 2: ceil"},
        {0.2, 1, "below 2: ceil"},
        {2.4, 2, "from 2: floor(k' + 0.5)"},
        {2.5, 3, "from 2: floor(k' + 0.5)"},
        {2.0, 2, "2 itself"},
        {0.0, std::nullopt, "k' ≤ 0 has no count"},
        {-1.5, std::nullopt, "k' ≤ 0 has no count"},
        {std::nan(""), std::nullopt, "not finite"},
        {HUGE_VAL, std::nullopt, "not finite"},
    };
    for (const auto& c : cases) EXPECT_EQ(spanCount(c.kPrime), c.k) << c.kPrime << ": " << c.why;
}

TEST(Characteristic, StandardExternalSpurPair) {
    auto c = characteristic(externalSpur(), kPinFactorListing);
    ASSERT_TRUE(c) << c.error();
    // Worked example: Z' = Z, k' = 20·20°/180° + 0.5 = 2.7222, k1 = 3,
    // W1 = (inv 20°·20 + 2.5π)·cos 20°·2 = 15.3209 mm.
    EXPECT_NEAR(c->span1.zPrime, 20, 1e-12);
    EXPECT_NEAR(c->span1.kPrime, 2.7222, 5e-5);
    EXPECT_EQ(c->span1.k, 3);
    ASSERT_TRUE(c->span1.w);
    EXPECT_NEAR(*c->span1.w, 15.3209, 5e-5);
    EXPECT_EQ(c->span2.k, 5);  // k' = 40·20/180 + 0.5 = 4.944
    // εα = [20(tan 31.3213° − tan 20°) + 40(tan 26.4986° − tan 20°)]/2π = 1.6352 (by hand).
    EXPECT_NEAR(c->epsAlpha, 1.6352, 5e-5);
    EXPECT_EQ(c->epsBeta, 0) << "spur pair";
    EXPECT_EQ(c->epsGamma, c->epsAlpha);
    // Standard gear: chordal thickness mn·Z·sin(π/2Z) = 3.1403, height 2 + Z(1 − cos(π/2Z)) = 2.0308.
    EXPECT_NEAR(c->sn1, 40 * std::sin(3.141592653589793 / 40), 1e-12);
    EXPECT_NEAR(c->hn1, 2 + 20 * (1 - std::cos(3.141592653589793 / 40)), 1e-12);
    EXPECT_TRUE(c->hn2 && c->sn2);
    EXPECT_FALSE(c->pin);
}

TEST(Characteristic, OverlapRatioOfAHelicalPairIgnoresTheSignOfBeta) {
    CharacteristicInput in = externalSpur();
    in.pair.betaRad = 15 * 3.141592653589793 / 180;
    auto plus = characteristic(in, kPinFactorListing);
    in.pair.betaRad = -in.pair.betaRad;
    auto minus = characteristic(in, kPinFactorListing);
    ASSERT_TRUE(plus && minus);
    EXPECT_NEAR(plus->epsBeta, 32 * std::sin(15 * 3.141592653589793 / 180) / 3.141592653589793 / 2, 1e-12);
    EXPECT_EQ(minus->epsBeta, plus->epsBeta);
}

TEST(Characteristic, UnreachableSpanShowsADash) {
    // A shift so negative that (1 + 2x/Z')² < cos²αn: tan αx has no value.
    // (xn2 stays 0: a gear shift of +1.5 would leave the pinion no chordal
    // height, which the page refuses.)
    CharacteristicInput in = externalSpur();
    in.pair.xn1 = -1.5;
    in.pair.xn2 = 0;
    auto c = characteristic(in, kPinFactorListing);
    ASSERT_TRUE(c) << c.error();
    EXPECT_FALSE(c->span1.k);
    EXPECT_FALSE(c->span1.w);
    std::string listing = characteristicListing(in, *c);
    EXPECT_NE(listing.find("跨测齿数:  k1=                      —\n"), std::string::npos) << listing;
    EXPECT_NE(listing.find("公法线长度:W1=W1*+ΔW1=       —\n"), std::string::npos);
    std::string report = characteristicReportSection(in, *c, {});
    EXPECT_NE(report.find("\t跨测齿数:     k1=                                                  —\n"), std::string::npos);
    EXPECT_EQ(listing.find("nan"), std::string::npos);
    EXPECT_EQ(report.find("nan"), std::string::npos);
}

// Page 4 stops with the real cause, and never shows a contact ratio or a
// length a pair cannot have.
TEST(Characteristic, RefusalsNameTheirCause) {
    struct Case {
        const char* name;
        void (*spoil)(CharacteristicInput&);
        const char* message;
    } cases[] = {
        {"αn = 0", [](CharacteristicInput& c) { c.pair.alphaNRad = 0; }, kMsgPressureAngleRange},
        {"no pair", [](CharacteristicInput& c) { c.pair.z1 = 0; }, kMsgNoPairData},
        // αwt far above the tip pressure angles: the tips never meet.
        {"εα ≤ 0", [](CharacteristicInput& c) { c.alphaWtDeg = 60; }, kMsgNoContact},
        // A working pressure angle of 1°: εα = [20(tan 31.32° − tan 1°) + 40(tan 26.50° − tan 1°)]/2π ≈ 4.9.
        {"εα above 3.5", [](CharacteristicInput& c) { c.alphaWtDeg = 1; }, kMsgContactRatioTooLarge},
    };
    for (const auto& c : cases) {
        CharacteristicInput in = externalSpur();
        c.spoil(in);
        auto r = characteristic(in, kPinFactorListing);
        ASSERT_FALSE(r) << c.name;
        EXPECT_EQ(r.error(), c.message) << c.name;
    }
}

CharacteristicInput internalPair(int z2) {
    PairState s;
    s.z1 = 20, s.z2 = z2, s.mn = 2;
    s = internalMeshChosen(helixChanged(s).state).state;
    s.a = s.ad + 1;
    s = centreDistanceChanged(s).state;
    CharacteristicInput in;
    in.pair = {.z1 = s.z1, .z2 = s.z2, .mn = s.mn, .betaRad = 0, .alphaNRad = s.alphaNRad, .haStar = 1,
               .cStar = 0.25, .xn1 = s.xn1, .xn2 = s.xn2, .yn = s.yn, .a = s.a, .ad = s.ad,
               .meshType = MeshType::Internal};
    in.alphaWtDeg = s.alphaWtDeg;
    in.b = 20;
    return in;
}

TEST(Characteristic, InternalGearPinDimensionDependsOnThePinDiameter) {
    for (int z2 : {34, 35}) {
        CharacteristicInput in = internalPair(z2);
        auto listing = characteristic(in, kPinFactorListing);
        auto report = characteristic(in, kPinFactorReport);
        ASSERT_TRUE(listing && report) << z2;
        ASSERT_TRUE(listing->pin && report->pin);
        EXPECT_DOUBLE_EQ(listing->pin->dp, 3.3);
        EXPECT_DOUBLE_EQ(report->pin->dp, 3.36);
        EXPECT_NE(listing->pin->mp, report->pin->mp);
        EXPECT_FALSE(listing->hn2) << "internal: no gear chordal height";
        EXPECT_FALSE(listing->sn2);
        EXPECT_GT(listing->epsAlpha, 1);
    }
}

// Pins inside an internal gear and the pinion's chordal height, worked out by
// hand from the textbook formulas: m 2.5, Z 17/51, internal, a 43, xn1 0.3,
// so ad 42.5, αwt = acos(ad·cos 20°/a), xn2 = xn1 + (Z2 − Z1)(inv αwt −
// inv 20°)/(2·tan 20°) = 0.508537, yn 0.2; inv αM = inv αt + e2/d2 −
// dp/(mn·Z2·cos αn), e2 = mt(π/2 + 2·xn2·tan αn); odd Z2: M = db2/cos αM ·
// cos(π/(2·Z2)) − dp; hn1 takes the internal pinion's addendum ha* + xn2 − yn.
TEST(Characteristic, InternalPairPinsAndPinionChordalHeight) {
    const double an = 20 * 3.141592653589793 / 180;
    const double ad = 42.5, a = 43, xn1 = 0.3;
    const double awt = std::acos(ad * std::cos(an) / a);
    const double inv = [](double x) { return std::tan(x) - x; }(awt) - (std::tan(an) - an);
    CharacteristicInput in;
    in.pair = {.z1 = 17, .z2 = 51, .mn = 2.5, .betaRad = 0, .alphaNRad = an, .haStar = 1, .cStar = 0.25,
               .xn1 = xn1, .xn2 = xn1 + 34 * inv / (2 * std::tan(an)), .yn = 0.2, .a = a, .ad = ad,
               .meshType = MeshType::Internal};
    in.alphaWtDeg = awt * 180 / 3.141592653589793;
    in.b = 20;
    struct Case {
        double factor, mp;
    };
    for (const Case& c : {Case{kPinFactorListing, 124.542}, Case{kPinFactorReport, 124.261}}) {
        auto r = characteristic(in, c.factor);
        ASSERT_TRUE(r && r->pin) << c.factor;
        EXPECT_NEAR(r->pin->mp, c.mp, 5e-4) << "dp " << c.factor << "·mn";
        EXPECT_NEAR(r->hn1, 3.3889, 5e-5);
    }
}

TEST(Characteristic, EmptyPageIsRefusedInsteadOfShowingNaN) {
    auto c = characteristic(CharacteristicInput{}, kPinFactorListing);
    ASSERT_FALSE(c);
    EXPECT_EQ(c.error(), kMsgNoPairData);
}

TEST(FaceWidth, HintAndStoredFactor) {
    // ψd = 0.8 of d1 = 40 gives 32 mm; 30 mm is a reduction.
    auto f = faceWidthChanged(30, 0.8, 2, 20);
    EXPECT_TRUE(f.reduced);
    EXPECT_DOUBLE_EQ(f.psiD, 0.75);
    EXPECT_DOUBLE_EQ(f.b, 30);
    EXPECT_FALSE(faceWidthChanged(32, 0.8, 2, 20).reduced);
    auto empty = faceWidthChanged(30, 0.8, 0, 0);
    EXPECT_EQ(empty.psiD, 0.8) << "no d1: ψd stays";
    EXPECT_EQ(std::string(kMsgFaceWidthReduced), "提示： 减少齿宽将影响齿轮设计能力!");
}

}  // namespace
}  // namespace cylindrical
