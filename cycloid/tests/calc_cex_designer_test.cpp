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
