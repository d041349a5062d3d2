// ZC1 worm drives whose grinding-disc arc centre lies below zero (L1 < 0),
// through the whole worm chain as a designer runs it: the preliminary design
// typed in and saved, the ZC1 geometry calculated and saved, the design
// rated and its report appended. Both are real drives of large lead angle
// on a small diameter factor:
// - 500 kW at 750 r/min, u 8 (Z1 4, Z2 32), sand-cast tin bronze (the first
//   row of the material table: σHlim 265, σFlim 115, ZE 147), KA 1.25 (a
//   steady motor on a machine with slight shocks), Zρ read off the ZC chart
//   at thumb 47 (2.601); the lists offer m 25/31.5/40 and d1 200/224 for
//   m' 36.74 and d1' 207.71: m 31.5 (its large-lead question answered No),
//   d1 224. a 616, γ 29.3578°; L1 −1.5263 mm.
// - 0.75 kW at 1450 r/min, u 7 (Z1 4, Z2 28), the same bronze, KA 1, Zρ
//   2.601; m' 3.42, d1' 24.48: m 5 and d1 25 from the lists, both questions
//   answered No. a 82.5, γ 38.6598°; L1 −0.2898 mm.
// The geometry values are those of calc_arc_geometry_test (by hand); the
// rating's speed and torque by hand: v = π·d'1·n1/60000/cos γ', T1 =
// 9550·N/n1 (π = 3.141592654).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fw/file.h"
#include "fw/format.h"
#include "fw/text.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"
#include "worm/calc/cw_file.h"
#include "worm/calc/worm_geometry.h"
#include "worm/calc/worm_preliminary.h"
#include "worm/calc/worm_rating.h"
#include "worm/cc1cw_gm_dlg.h"
#include "worm/ccw_ka_dlg.h"
#include "worm/ccw_met_dlg.h"
#include "worm/ccw_pr_dlg.h"
#include "worm/ccw_pro_dlg.h"
#include "worm/ccw_rating_dlgs.h"
#include "worm/cw_zlo_dlg.h"
#include "worm/tests/worm_dlg_test_support.h"

namespace fs = std::filesystem;
using fwtest::Running;
using namespace worm;
using worm::test::bytesOf;
using worm::test::num;

namespace {

struct Drive {
    const char* name;
    const char* n1;
    const char* u;
    const char* power;
    int kaDriven;                       // the driven machine's radio (the motor runs steady)
    double m, d1;                       // chosen from the lists
    std::vector<const char*> askedNo;   // the questions the choices ask, answered No
    double a;                           // = a' (x2 = 0)
    double l1, l2, l3, dh;              // the ZC1 setting
    const char* l1Line;                 // as the geometry report prints it
    double v, rho, t1;                  // rating: sliding speed, friction angle, worm torque
    const char* span;                   // mm
};

const Drive kDrives[] = {
    {"500 kW at 750 r/min, m 31.5, d1 224", "750", "8", "500", CCwKaDlg::IDC_DRIVEN_SLIGHT, 31.5, 224,
     {kAskModuleLarge}, 616, -1.5263, 133.3190, 100.6810, 167.3, "L1 =\t\t-1.53+Δv mm", 10.0926, 1.33, 6366.6667,
     "1000"},
    {"0.75 kW at 1450 r/min, m 5, d1 25", "1450", "7", "0.75", CCwKaDlg::IDC_DRIVEN_STEADY, 5, 25,
     {kAskModuleLarge, kAskDiameterSmall}, 82.5, -0.2898, 15.5009, 142.4991, 16, "L1 =\t\t-0.29+Δv mm", 2.4307,
     2.5, 4.9397, "150"},
};

class Zc1ChainTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(m_s.allUsed()) << "a queued script, answer or file was not used"; }
    template <class D>
    int run(fwtest::Script script) { return worm::test::runDialog<D>(m_s, std::move(script), m_reportPath); }
    static void typeLeave(Running& d, int id, const char* text) {
        d.type(id, text);
        d.leave();
    }

    // The companion dialogs both steps run: the ZC contact chart at thumb
    // 47, the first material row, the service conditions of the drive.
    void zcChartAt47() {
        m_s.onDialog(CCwZloDlg2::IDD, [](Running& chart) {
            chart.drag(CCwZloDlg::IDC_VERT, 47);
            chart.click(IDOK);
        });
    }
    void firstMaterial() { m_s.onDialog(CCwMetDlg::IDD, [](Running& m) { m.click(IDOK); }); }
    void serviceConditions(const Drive& c) {
        m_s.onDialog(CCwKaDlg::IDD, [&c](Running& k) {
            k.click(c.kaDriven);
            k.click(IDOK);
        });
    }

    void preliminary(const Drive& c) {
        using D = CcwPrDlg;
        m_s.answerSave(m_file);
        int r = run<D>([&](Running& d) {
            typeLeave(d, D::IDC_TITLE, c.name);
            typeLeave(d, D::IDC_N1, c.n1);
            typeLeave(d, D::IDC_U, c.u);
            EXPECT_EQ(d.text(D::IDC_Z1), "4");
            typeLeave(d, D::IDC_P, c.power);
            zcChartAt47();
            d.click(D::IDC_ZC);
            EXPECT_EQ(d.text(D::IDC_ZRHO), "2.601");
            firstMaterial();
            d.click(D::IDC_MATERIAL);
            serviceConditions(c);
            d.click(D::IDC_KA_BUTTON);
            d.click(D::IDC_CALC);
            for (const char* q : c.askedNo) m_s.expectMessage(q, IDNO);
            d.selectText(D::IDC_MODULE, fw::format("%.2f", c.m));
            d.selectText(D::IDC_DIAMETER, fw::format("%.1f", c.d1));
            EXPECT_NEAR(num(d, D::IDC_A), c.a, 1e-9);
            d.click(IDOK);
        });
        ASSERT_EQ(r, IDOK);
    }

    void geometry(const Drive& c) {
        using D = CC1cwGmDlg;
        int r = run<D>([&](Running& d) {
            m_s.answerOpen(m_file);
            d.click(D::IDC_LOAD);
            typeLeave(d, D::IDC_AW, fw::formatNumber(c.a).c_str());
            EXPECT_EQ(d.text(D::IDC_HINT), geometry::kNoteCalculate);
            d.click(D::IDC_CALC);   // no refusal: L1 below zero is a result
            EXPECT_TRUE(d.enabled(IDOK));
            EXPECT_NEAR(num(d, D::IDC_L1), c.l1, 5e-5);
            EXPECT_NEAR(num(d, D::IDC_L2), c.l2, 5e-5);
            EXPECT_NEAR(num(d, D::IDC_L3), c.l3, 5e-5);
            EXPECT_NEAR(num(d, D::IDC_DH), c.dh, 1e-9);
            m_s.answerSave(m_file);
            m_s.expectMessage(familyTexts(Family::Zc1).overwriteNotice);
            d.click(IDOK);
        });
        ASSERT_EQ(r, IDOK);
    }

    void rating(const Drive& c) {
        using D = CCwproDlg;
        int r = run<D>([&](Running& d) {
            m_s.answerOpen(m_file);
            d.click(D::IDC_LOAD);
            EXPECT_EQ(d.text(D::IDC_AW), fw::formatNumber(c.a));
            d.click(D::IDC_V_BUTTON);
            EXPECT_NEAR(num(d, D::IDC_V), c.v, 5e-5);
            EXPECT_NEAR(num(d, D::IDC_RHO), c.rho, 1e-12);
            d.click(D::IDC_EFFICIENCY_OK);
            for (int id : {D::IDC_T1_BUTTON, D::IDC_FT1_BUTTON, D::IDC_FT2_BUTTON, D::IDC_FX1_BUTTON,
                           D::IDC_FX2_BUTTON, D::IDC_FR1_BUTTON, D::IDC_FR2_BUTTON})
                d.click(id);
            EXPECT_NEAR(num(d, D::IDC_T1), c.t1, 5e-5);
            firstMaterial();
            d.click(D::IDC_ZE_BUTTON);
            m_s.onDialog(CCwZhDlg::IDD, [](Running& z) { z.click(IDOK); });
            d.click(D::IDC_ZH_BUTTON);
            d.click(D::IDC_ZN_BUTTON);
            zcChartAt47();
            d.click(D::IDC_ZRHO_BUTTON);
            serviceConditions(c);
            d.click(D::IDC_KA_BUTTON);
            for (int id : {D::IDC_SIGMA_H_BUTTON, D::IDC_SIGMA_HP_BUTTON, D::IDC_SH_BUTTON}) d.click(id);
            firstMaterial();
            d.click(D::IDC_ULIM_BUTTON);
            d.click(D::IDC_SW_BUTTON);
            typeLeave(d, D::IDC_SPAN, c.span);
            d.click(D::IDC_E_BUTTON);
            d.click(D::IDC_I_BUTTON);
            m_s.onDialog(CCwStatuDlg::IDD, [](Running& s) { s.click(IDOK); });
            d.click(D::IDC_DELTA_LIM_BUTTON);
            d.click(D::IDC_S_PRIME_BUTTON);
            for (int id : {D::IDC_SH, D::IDC_SW, D::IDC_S_PRIME}) EXPECT_GT(num(d, id), 0) << id;
            m_s.answerSave(m_report);
            d.click(IDOK);
        });
        ASSERT_EQ(r, IDOK);
    }

    fwtest::Session m_s;
    fwtest::Installation m_inst{"dlg-zc1-chain"};
    fs::path m_file = m_inst.data("zc1.cwb"), m_report = m_inst.data("zc1.cwt");
    std::string m_reportPath;
};

TEST_F(Zc1ChainTest, ArcCentreBelowZeroIsCalculatedSavedAndRated) {
    for (const Drive& c : kDrives) {
        SCOPED_TRACE(c.name);
        preliminary(c);
        auto pre = loadForPreliminary(bytesOf(m_file));
        ASSERT_TRUE(pre) << pre.error().text;
        EXPECT_EQ(pre->pre.type, WormType::ZC);
        EXPECT_EQ(pre->pre.z1, 4);
        EXPECT_EQ(pre->pre.m, c.m);
        EXPECT_EQ(pre->pre.d1, c.d1);
        geometry(c);
        auto saved = loadForRating(bytesOf(m_file));
        ASSERT_TRUE(saved) << saved.error().text;
        EXPECT_EQ(saved->geom->status, kGeomStatusZc1);
        EXPECT_NEAR(saved->geom->arcAxial, c.l1, 5e-5);
        rating(c);
        EXPECT_EQ(m_reportPath, m_report.string());
        // One report file: the preliminary, the ZC1 geometry with L1 as
        // computed, and the rating, in that order.
        const auto bytes = bytesOf(m_report);
        const std::string report = fw::utf8FromGbk(std::string(bytes.begin(), bytes.end()));
        const std::size_t pre1 = report.find("圆弧圆柱蜗杆传动预定计算报告");
        const std::size_t geom = report.find("ZC1圆环面包络圆弧圆柱蜗杆传动几何计算报告");
        const std::size_t l1 = report.find(c.l1Line);
        const std::size_t rated = report.find("圆弧圆柱蜗杆传动强度校核报告");
        ASSERT_NE(pre1, std::string::npos);
        ASSERT_NE(l1, std::string::npos) << report;
        ASSERT_NE(rated, std::string::npos);
        EXPECT_LT(pre1, geom);
        EXPECT_LT(geom, l1);
        EXPECT_LT(l1, rated);
        EXPECT_NE(report.find(std::string(c.span) + ".00mm", rated), std::string::npos);
        EXPECT_EQ(report.find("nan"), std::string::npos);
        EXPECT_EQ(report.find("inf"), std::string::npos);
        fs::remove(m_file);
        fs::remove(m_report);
    }
}

}  // namespace
