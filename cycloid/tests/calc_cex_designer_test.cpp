// The custom tooth-profile designer's calculations. Start values: Zc 5,
// Zp 6, a 0.65, K1 0.42, dp = 2·6·0.65/0.42 = 18.5714, pin diameter
// sin 30°·18.5714/1.5 = 6.1905; worked out by hand from the formulas
// (π = 3.141592654): da = 1.3 + 18.5714 − 6.1905 = 13.681, df = 11.081,
// φ0 = arccos(2.0584/2.94) = 45.562°, dm = ceil(14.017) = 15.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "cex_test_support.h"
#include "cycloid/calc/cex_designer.h"

using namespace cycloid;
using namespace cextest;

namespace {
DesignerInputs mode1() {
    DesignerInputs in = designerStart();
    in.mode = 1;
    in.delta = 0.5;
    in.dc = in.delta * in.dp * 3.141592654 / 180;
    in.K1m = in.Zp * in.a / in.rpm;
    return in;
}
// The angular modification measured apart from the program's rod search:
// the profile turned by δ written out here, the rod diameter from the
// normal at φ0 (central differences), then the centre on the tooth-space
// axis whose nearest profile point lies dm/2 away, found by a dense scan,
// a golden-section refinement and bisection on the centre.
struct TurnedDesign {
    unsigned Zc, Zp;
    double a, rp, rrp, deltaDeg;
    double K() const { return Zp * a / rp; }
    std::pair<double, double> at(double phi) const {
        const double pi = 3.141592654, iH = static_cast<double>(Zp) / Zc, tau = deltaDeg * pi / 180;
        const double S = std::sqrt(1 + K() * K() - 2 * K() * std::cos(phi));
        const double A = rp - rrp / S, B = a - K() * rrp / S;
        return {A * std::cos((1 - iH) * phi - tau) - B * std::cos(iH * phi + tau),
                A * std::sin((1 - iH) * phi - tau) + B * std::sin(iH * phi + tau)};
    }
    double distance(double phi, double c) const {
        auto [x, y] = at(phi);
        return std::hypot(x - c, y);
    }
    // Nearest point of the flank 0 ≤ φ ≤ π to (c, 0): distance and φ.
    std::pair<double, double> nearest(double c) const {
        const double pi = 3.141592654;
        const int n = 4000;
        double best = 1e300, bestPhi = 0;
        for (int i = 0; i <= n; ++i) {
            const double phi = pi * i / n;
            if (double d = distance(phi, c); d < best) best = d, bestPhi = phi;
        }
        double lo = std::max(0.0, bestPhi - pi / n), hi = std::min(pi, bestPhi + pi / n);
        const double g = (std::sqrt(5.0) - 1) / 2;
        for (int k = 0; k < 100; ++k) {
            const double m1 = hi - g * (hi - lo), m2 = lo + g * (hi - lo);
            if (distance(m1, c) < distance(m2, c))
                hi = m2;
            else
                lo = m1;
        }
        const double phi = (lo + hi) / 2;
        return {distance(phi, c), phi};
    }
    double rodDiameter() const {
        const double phi0 = std::acos((1 + Zp * K() * K()) / ((Zp + 1) * K())), h = 1e-6;
        auto [x, y] = at(phi0);
        const double dx = at(phi0 + h).first - at(phi0 - h).first, dy = at(phi0 + h).second - at(phi0 - h).second;
        const double c = x + y * dy / dx;   // where the normal meets the axis
        return std::ceil(2 * std::hypot(x - c, y));
    }
    struct Rods {
        double dm, RL, phimDeg, Lm;
    };
    Rods rods() const {
        const double dm = rodDiameter();
        double lo = std::hypot(at(0).first, at(0).second), hi = rp + 2 * dm;
        for (int k = 0; k < 200; ++k) {
            const double c = (lo + hi) / 2;
            (nearest(c).first < dm / 2 ? lo : hi) = c;
        }
        const double c = (lo + hi) / 2, pi = 3.141592654;
        return {dm, c, nearest(c).second * 180 / pi, 2 * c * std::sin((Zp / 2 - 1) * pi / Zc) + dm};
    }
};

double at(const std::vector<std::uint8_t>& b, std::size_t off) {
    double v;
    std::memcpy(&v, &b[off], 8);
    return v;
}
}  // namespace

TEST(CexDesigner, StartValuesAndCalculation) {
    DesignerInputs in = designerStart();
    EXPECT_NEAR(in.dp, 18.5714, 5e-5);
    EXPECT_NEAR(in.dPin, 6.1905, 5e-5);
    EXPECT_DOUBLE_EQ(in.K1, 0.42);
    EXPECT_DOUBLE_EQ(in.i, 5);
    auto r = designerCalculate(in);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->da, 13.681, 5e-4);
    EXPECT_NEAR(r->df, 11.081, 5e-4);
    EXPECT_NEAR(r->phi0 * 180 / 3.141592654, 45.562, 5e-4);
    EXPECT_DOUBLE_EQ(r->dm, 15);
    EXPECT_NEAR(r->phim, 49.998, 5e-4);
    EXPECT_NEAR(r->RL, 13.098, 5e-4);
    EXPECT_NEAR(r->Lm, 39.913, 5e-4);
    EXPECT_LT(r->searchSteps, 150);
}

TEST(CexDesigner, AngularModificationMeasuresTheTurnedProfile) {
    struct Case {
        const char* name;
        unsigned Zc;
        double a, dp, dPin, delta;
    } cases[] = {
        {"start values, δ 0.5°", 5, 0.65, 0, 0, 0.5},
        {"Zc 11, dp 200, pins 20, δ 0.1°", 11, 50.0 / 12, 200, 20, 0.1},
        {"Zc 11, dp 200, pins 20, δ 0.3°", 11, 50.0 / 12, 200, 20, 0.3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesignerInputs in = designerStart();
        in.Zc = c.Zc;
        in.Zp = c.Zc + 1;
        in.i = c.Zc;
        in.a = c.a;
        if (c.dp > 0) in.dp = c.dp, in.dPin = c.dPin;
        in.rpm = in.dp / 2;
        in.rrpm = in.dPin / 2;
        in.K1 = in.K1m = in.Zp * in.a / in.rpm;
        in.mode = 1;
        in.delta = c.delta;
        auto r1 = designerCalculate(in);
        ASSERT_TRUE(r1);
        const auto want = TurnedDesign{in.Zc, in.Zp, in.a, in.rpm, in.rrpm, c.delta}.rods();
        EXPECT_DOUBLE_EQ(r1->dm, want.dm);
        EXPECT_NEAR(r1->RL, want.RL, 1e-4);
        EXPECT_NEAR(r1->phim, want.phimDeg, 0.01);
        EXPECT_NEAR(r1->Lm, want.Lm, 2e-4);
        // The unturned profile's rods are another measurement.
        in.mode = 0;
        auto r0 = designerCalculate(in);
        ASSERT_TRUE(r0);
        const auto flat = TurnedDesign{in.Zc, in.Zp, in.a, in.rpm, in.rrpm, 0}.rods();
        EXPECT_NEAR(r0->Lm, flat.Lm, 2e-4);
        EXPECT_GT(std::fabs(r1->Lm - r0->Lm), 0.02);
        EXPECT_GT(std::fabs(r1->RL - r0->RL), 0.02);
        EXPECT_GT(std::fabs(r1->phim - r0->phim), 0.1);
    }
}

TEST(CexDesigner, CalculationRefusals) {
    // a = 1.6: K1′ = 6·1.6/9.2857 = 1.034, no φ0.
    DesignerInputs in = designerStart();
    in.a = 1.6;
    in.K1m = in.Zp * in.a / in.rpm;
    EXPECT_GT(in.K1m, 1);
    EXPECT_FALSE(designerCalculate(in));
    in = designerStart();
    in.K1m = 0.1;   // below 1/Zp
    EXPECT_FALSE(designerCalculate(in));
}

TEST(CexDesigner, SideClearances) {
    // Mode 3, Zc 11, a 4, dp 200, pin 20, Δrp 0.3: the pin is thin for its pitch.
    EXPECT_FALSE(sideClearanceA(200, 4, 20, 11, 0.3));
    EXPECT_DOUBLE_EQ(*sideClearanceA(200, 4, 20, 11, 0), 0);
    auto a = sideClearanceA(200, 4, 40, 11, 0.3);
    ASSERT_TRUE(a);
    EXPECT_TRUE(std::isfinite(*a));
    EXPECT_DOUBLE_EQ(*sideClearanceB(200, 4, 40, 11, 0.05, 0.05), 0);
    auto b = sideClearanceB(200, 4, 40, 11, 0.1, 0.2);
    ASSERT_TRUE(b);
    EXPECT_TRUE(std::isfinite(*b));
}

TEST(CexDesigner, PdaFileMatchesTheFixture) {
    DesignerInputs in = mode1();
    auto r = designerCalculate(in);
    ASSERT_TRUE(r);
    auto bytes = pdaFileBytes(in, *r);
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 6896u);
    EXPECT_EQ(*bytes, fileBytes(fixture("designer_mode1.PDA")));
    // Block 5 carries the rods of the turned profile (make_pda_fixture.py).
    EXPECT_NEAR(at(*bytes, 368 + 24), 39.86044, 5e-5);   // Lm, 39.91296 unturned
    EXPECT_NEAR(at(*bytes, 368 + 40), 45.72995, 5e-5);   // φm, 49.99792 unturned
    EXPECT_NEAR(at(*bytes, 368 + 48), 13.06991, 5e-5);   // RL, 13.09752 unturned
    std::int32_t mode;
    std::memcpy(&mode, &(*bytes)[280 + 56], 4);
    EXPECT_EQ(mode, 1);
    // Points 0, 200 and 400 unrotated, the others turned by δ.
    Profile std0{in.rpm, in.rrpm, in.K1m, in.a, 0, in.Zc, in.Zp};
    EXPECT_DOUBLE_EQ(at(*bytes, 480), std0.at(0).x);
    EXPECT_DOUBLE_EQ(at(*bytes, 480 + 200 * 16), std0.at(3.141592654).x);
    EXPECT_DOUBLE_EQ(at(*bytes, 480 + 400 * 16 + 8), std0.at(2 * 3.141592654).y);
    EXPECT_NE(at(*bytes, 480 + 16 + 8), std0.at(0).y);
}

TEST(CexDesigner, PdaBlocksByMode) {
    DesignerInputs in = designerStart();
    in.mode = 4;
    in.drp = 0.05;
    in.drrp = 0.1;
    in.dj = 0.05;
    in.dc = 0.2;
    in.rpm = in.dp / 2 + in.drp;
    in.rrpm = in.dPin / 2 + in.drrp;
    in.K1m = in.Zp * in.a / in.rpm;
    auto r = designerCalculate(in);
    ASSERT_TRUE(r);
    auto b = pdaFileBytes(in, *r);
    ASSERT_TRUE(b);
    EXPECT_DOUBLE_EQ(at(*b, 280 + 32), 0.05);
    EXPECT_DOUBLE_EQ(at(*b, 280 + 40), 0.1);
    EXPECT_DOUBLE_EQ(at(*b, 280 + 24), 0.05);
    EXPECT_DOUBLE_EQ(at(*b, 280 + 8), 0.2);
    EXPECT_DOUBLE_EQ(at(*b, 280 + 0), 0);
    EXPECT_DOUBLE_EQ(at(*b, 368 + 56), r->dm / 2);
}

TEST(CexDesigner, PdaNames) {
    bool renamed = false;
    EXPECT_EQ(pdaFileName("/d/work.old/gear", &renamed), "/d/work.old/gear.PDA");
    EXPECT_TRUE(renamed);
    EXPECT_EQ(pdaFileName("/d/gear.v2.txt", &renamed), "/d/gear.PDA");
    EXPECT_EQ(pdaFileName("/d/gear.PDA", &renamed), "/d/gear.PDA");
    EXPECT_FALSE(renamed);
}

TEST(CexDesigner, ReportLines) {
    DesignerInputs in = designerStart();
    in.mode = 3;
    in.drp = 0.3;
    in.dj = 0.3;
    in.rpm = in.dp / 2 - in.drp;
    in.K1m = in.Zp * in.a / in.rpm;
    auto r = designerCalculate(in);
    ASSERT_TRUE(r);
    std::string t = designerReportText(in, *r, {2026, 12, 10, 14});
    EXPECT_NE(t.find("\t\t执行程序:Dorrith V2.0\t\t完成时间:2026年12月10日14时\n"), std::string::npos);
    EXPECT_NE(t.find("负移距修形齿廓\n\t负移距量:                  ΔRp =                                  -0.300mm\n"),
              std::string::npos);
    in.dcAvailable = false;
    t = designerReportText(in, *r, {2026, 12, 10, 14});
    EXPECT_NE(t.find("Δc =                                   — mm\n"), std::string::npos);
    in.mode = 4;
    in.drrp = 0.4;
    t = designerReportText(in, *r, {2026, 12, 10, 14});
    EXPECT_NE(t.find("\t修形方式:                                                          正等距加正移距修形齿廓\n"
                     "\t正移距量:                  ΔRp =                                  0.300 mm\n"
                     "\t正等距量:                  ΔRrp =                                 0.400 mm\n"),
              std::string::npos);
}

// Golden reports (make_designer_reports.py) for modes 1, 3 (Δrp printed
// with its minus sign) and 4.
TEST(CexDesigner, GoldenReports) {
    struct Case {
        int mode;
        double delta, drp, drrp;
        const char* file;
    } cases[] = {{1, 0.5, 0, 0, "designer_mode1.cxt"},
                 {3, 0, 0.3, 0, "designer_mode3.cxt"},
                 {4, 0, 0.05, 0.1, "designer_mode4.cxt"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        DesignerInputs in = designerStart();
        in.mode = c.mode;
        in.delta = c.delta;
        in.drp = c.drp;
        in.drrp = c.drrp;
        if (c.mode == 1) {
            in.dc = c.delta * in.dp * 3.141592654 / 180;
        } else if (c.mode == 3) {
            in.dj = c.drp;
            in.rpm = in.dp / 2 - c.drp;
            in.dc = *sideClearanceA(in.dp, in.a, in.dPin, in.Zc, c.drp);
        } else {
            in.dj = c.drrp - c.drp;
            in.rpm = in.dp / 2 + c.drp;
            in.rrpm = in.dPin / 2 + c.drrp;
            in.dc = *sideClearanceB(in.dp, in.a, in.dPin, in.Zc, c.drp, c.drrp);
        }
        in.K1m = in.Zp * in.a / in.rpm;
        auto r = designerCalculate(in);
        ASSERT_TRUE(r);
        std::string gbk = fw::gbkFromUtf8(designerReportText(in, *r, {2026, 12, 10, 14}));
        std::string crlf;
        for (char ch : gbk) {
            if (ch == '\n') crlf += '\r';
            crlf += ch;
        }
        auto golden = fileBytes(fixture(c.file));
        EXPECT_EQ(crlf, std::string(golden.begin(), golden.end()));
    }
}
