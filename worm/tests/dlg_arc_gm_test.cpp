// The ZC1 and ZC3 worm pair geometry dialogs (templates 2001, 2015, 2000),
// run headless on the ZC design of make_arc.py.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "fw/file.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"
#include "worm/calc/arc_geometry.h"
#include "worm/calc/cw_file.h"
#include "worm/calc/worm_geometry.h"
#include "worm/cc1cw_gm_dlg.h"
#include "worm/cccw_gm_dlg.h"
#include "worm/cw_pic_dlg.h"
#include "worm/tests/worm_dlg_test_support.h"

namespace fs = std::filesystem;
using fwtest::Running;
using namespace worm;
namespace geo = worm::geometry;

namespace {

using worm::test::bytesOf;
using worm::test::fixture;
using worm::test::num;

class ArcGmDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_file = m_inst.data("zc.cwb");
        ASSERT_TRUE(fw::writeFile(m_file, fixture("cw_zc.cwb")));
    }
    void TearDown() override { EXPECT_TRUE(m_s.allUsed()) << "a queued script, answer or file was not used"; }
    template <class D>
    int run(fwtest::Script script) { return worm::test::runDialog<D>(m_s, std::move(script), m_reportPath); }
    template <class D>
    void load(Running& d, const fs::path& file) {
        m_s.answerOpen(file);
        d.click(D::IDC_LOAD);
    }
    void typeLeave(Running& d, int id, const char* text) {
        d.type(id, text);
        d.leave();
    }

    fwtest::Installation m_inst{"dlg-arc-gm"};
    fwtest::Session m_s;
    fs::path m_file;
    std::string m_reportPath;
};

TEST_F(ArcGmDlgTest, Zc1VectorSavedAndReported) {
    using D = CC1cwGmDlg;
    int r = run<D>([&](Running& d) {
        load<D>(d, m_file);
        EXPECT_EQ(d.text(D::IDC_TYPE), arc::kZc1TypeText);
        EXPECT_EQ(d.text(D::IDC_HINT), "调整中心距: 最多增加不超过5.00mm。\n ρ值要在22～28范围内取整数。\n");
        EXPECT_EQ(d.text(D::IDC_ALPHA_N_LIST), "23");
        EXPECT_NEAR(num(d, D::IDC_ALPHA_X), 23.4069, 5e-5);
        EXPECT_EQ(d.text(D::IDC_AU), "170");
        EXPECT_NEAR(num(d, D::IDC_RHO_DISC), 25.1347, 5e-5);
        EXPECT_EQ(d.text(D::IDC_B1), "82");
        EXPECT_FALSE(d.enabled(D::IDC_CALC));
        EXPECT_FALSE(d.enabled(D::IDC_RHO_DISC));
        typeLeave(d, D::IDC_AW, "130");
        EXPECT_EQ(d.text(D::IDC_HINT), geo::kNoteCalculate);
        EXPECT_TRUE(d.enabled(D::IDC_RHO_DISC));
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_X2), "0.5");
        EXPECT_EQ(d.text(D::IDC_D1W), "55");
        EXPECT_NEAR(num(d, D::IDC_RHO_N), 28.4558, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_L3), 135.1791, 5e-5);
        EXPECT_EQ(d.text(D::IDC_DH), "40");
        m_s.answerSave(m_file);
        m_s.expectMessage(familyTexts(Family::Zc1).overwriteNotice);
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    EXPECT_EQ(m_reportPath, m_inst.data("zc.cwt").string());
    EXPECT_EQ(bytesOf(m_inst.data("zc.cwt")), fixture("cw_zc1.cwt"));
    auto loaded = loadForRating(bytesOf(m_file));
    ASSERT_TRUE(loaded) << loaded.error().text;
    const CwGeomRecord& g = *loaded->geom;
    EXPECT_EQ(g.status, kGeomStatusZc1);
    EXPECT_EQ(g.type, WormType::ZC);
    EXPECT_EQ(g.ds, 300);
    EXPECT_EQ(g.au, 170);
    EXPECT_NEAR(g.dh, 40, 1e-12);
    EXPECT_NEAR(g.arcAxial, 13.8949, 5e-5);
    EXPECT_NEAR(g.arcRadial, 34.8209, 5e-5);
    EXPECT_NEAR(g.l3, 135.1791, 5e-5);
    EXPECT_NEAR(g.rhoDisc, 25.1347, 5e-5);
    EXPECT_NEAR(g.rho, 28.4558, 5e-5);
    EXPECT_EQ(g.betaM2, 0.0);   // not a ZC1 field
}

TEST_F(ArcGmDlgTest, Zc1FieldRules) {
    using D = CC1cwGmDlg;
    int r = run<D>([&](Running& d) {
        load<D>(d, m_file);
        m_s.expectMessage(geo::kMsgCentreUnfit);
        typeLeave(d, D::IDC_AW, "127.4");
        EXPECT_EQ(d.text(D::IDC_AW), "127.5");
        EXPECT_EQ(d.text(D::IDC_HINT), "中心距调整范围：128～130mm。");
        m_s.expectMessage(arc::kMsgNoShorterWorm);
        typeLeave(d, D::IDC_B1, "80");
        EXPECT_EQ(d.text(D::IDC_B1), "82");
        typeLeave(d, D::IDC_B1, "90");
        EXPECT_EQ(d.text(D::IDC_B1), "90");
        // ds: 299 and 701 refused, 300 and 700 taken.
        for (const char* bad : {"299", "701"}) {
            m_s.expectMessage(arc::kMsgDisc);
            typeLeave(d, D::IDC_DS, bad);
            EXPECT_EQ(d.text(D::IDC_DS), "300");
        }
        d.focus(D::IDC_B1);   // the refusals kept the focus in ds
        d.focus(D::IDC_DS);
        EXPECT_EQ(d.text(D::IDC_HINT), arc::kNoteDisc);
        typeLeave(d, D::IDC_DS, "700");
        EXPECT_EQ(d.text(D::IDC_AU), "370");
        typeLeave(d, D::IDC_DS, "300");
        EXPECT_EQ(d.text(D::IDC_AU), "170");
        typeLeave(d, D::IDC_AW, "130");
        d.click(D::IDC_CALC);
        EXPECT_TRUE(d.enabled(IDOK));
        // ds 700 after the calculation: ρn and L3 follow the new Au.
        typeLeave(d, D::IDC_DS, "700");
        EXPECT_NEAR(num(d, D::IDC_RHO_N), 28.1282, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_L3), 335.1791, 5e-5);
        // ρ outside its range (with Au 370, by hand: K = 2·sin²γ/(d1·sin αn) +
        // tan²γ/(345·sin αn) = 0.0042341; 1/(1/24.503 + K) = 22.20 and
        // 1/(1/32.408 + K) = 28.50): the range message, put back.
        const std::string rho = d.text(D::IDC_RHO_DISC);
        m_s.expectMessage("磨轮轴面圆弧半径取值范围为：22.20～28.50mm。");
        typeLeave(d, D::IDC_RHO_DISC, "30");
        EXPECT_EQ(d.text(D::IDC_RHO_DISC), rho);
        typeLeave(d, D::IDC_RHO_DISC, "25");
        EXPECT_EQ(d.text(D::IDC_RHO_DISC), "25");
        // αn 21: the values that depend on it, and the calculation is stale.
        d.select(D::IDC_ALPHA_N_LIST, 0);
        EXPECT_FALSE(d.enabled(IDOK));
        EXPECT_NEAR(num(d, D::IDC_ALPHA_X), 21.3787, 5e-5);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(m_s.messages().at(0).icon, fw::MessageIcon::Information);
}

TEST_F(ArcGmDlgTest, Zc1AlphaNAfterLoadAndRefusedDesigns) {
    using D = CC1cwGmDlg;
    const fs::path za = m_inst.data("za.cwb");
    ASSERT_TRUE(fw::writeFile(za, fixture("cw_example_za.cwb")));
    int r = run<D>([&](Running& d) {
        m_s.expectMessage(arc::kMsgNotZc);
        load<D>(d, za);
        EXPECT_FALSE(d.enabled(D::IDC_AW));
        load<D>(d, m_file);
        d.select(D::IDC_ALPHA_N_LIST, 0);
        EXPECT_EQ(d.text(D::IDC_ALPHA_N_LIST), "21");
        EXPECT_NEAR(num(d, D::IDC_ALPHA_X), 21.3787, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_RHO_N), 34.4174, 5e-4);
        EXPECT_NEAR(num(d, D::IDC_RHO_DISC), 29.3102, 5e-4);
        EXPECT_NEAR(num(d, D::IDC_EPS_A), 1.7645, 5e-5);
        m_s.onDialog(CCwPicDlg::IDD_ZC1, [](Running& p) {
            EXPECT_FALSE(p.canvas().empty());
            p.click(IDOK);
        });
        d.click(D::IDC_PROFILE);
        d.click(D::IDC_HELP);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(m_s.messages().at(0).icon, fw::MessageIcon::Stop);
    EXPECT_EQ(m_s.helpCalls().at(0).target, "Kavrin.chm::/TarGmZc1Dlg.htm");
}

TEST_F(ArcGmDlgTest, Zc3VectorSavedAndReported) {
    using D = CCcwGmdlg;
    int r = run<D>([&](Running& d) {
        load<D>(d, m_file);
        EXPECT_EQ(d.text(D::IDC_TYPE), arc::kZc3TypeText);
        EXPECT_EQ(d.text(D::IDC_HINT), "调整中心距增加: 最少2.50mm,最多不超过7.50mm。");
        EXPECT_NEAR(num(d, D::IDC_ALPHA_N), 22.5986, 5e-5);
        EXPECT_EQ(d.text(D::IDC_B1), "83");
        EXPECT_EQ(d.text(D::IDC_DE2), "220");
        m_s.expectMessage(std::string(geo::kMsgCentreUnfit) + "中心距至少加大2.50mm，最大不超过7.50mm。");
        typeLeave(d, D::IDC_AW, "127.5");
        EXPECT_FALSE(d.enabled(D::IDC_CALC));
        typeLeave(d, D::IDC_AW, "132.5");
        d.click(D::IDC_CALC);
        EXPECT_EQ(d.text(D::IDC_X2), "1");
        EXPECT_EQ(d.text(D::IDC_D1W), "60");
        EXPECT_NEAR(num(d, D::IDC_GAMMA_W), 9.4623, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_EPS_A), 1.4676, 5e-5);
        m_s.answerSave(m_file);
        m_s.expectMessage(familyTexts(Family::Zc3).overwriteNotice);
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    EXPECT_EQ(bytesOf(m_inst.data("zc.cwt")), fixture("cw_zc3.cwt"));
    auto loaded = loadForRating(bytesOf(m_file));
    ASSERT_TRUE(loaded) << loaded.error().text;
    EXPECT_EQ(loaded->geom->status, kGeomStatusZc3);
    EXPECT_NEAR(loaded->geom->gammaW, 9.4623, 5e-5);
    EXPECT_NEAR(loaded->geom->arcAxial, 26.1542, 5e-5);
    EXPECT_EQ(loaded->geom->ds, 0);   // not a ZC3 field
}

TEST_F(ArcGmDlgTest, Zc3FaceWidth) {
    using D = CCcwGmdlg;
    int r = run<D>([&](Running& d) {
        load<D>(d, m_file);
        typeLeave(d, D::IDC_AW, "132.5");
        d.click(D::IDC_CALC);
        // k 13 (Z1 2, x2 1): bmin 85, bmax 105; Cancel keeps b1.
        m_s.onDialog(CCcwB1Dlg::IDD, [](Running& b) {
            EXPECT_EQ(b.text(CCcwB1Dlg::IDC_LOW), "85");
            EXPECT_EQ(b.text(CCcwB1Dlg::IDC_HIGH), "105");
            EXPECT_EQ(b.text(CCcwB1Dlg::IDC_B1), "85");
            b.drag(CCcwB1Dlg::IDC_BAR, 50);
            EXPECT_EQ(b.text(CCcwB1Dlg::IDC_B1), "105");
            b.click(IDCANCEL);
        });
        d.click(D::IDC_B1_BUTTON);
        EXPECT_EQ(d.text(D::IDC_B1), "83");
        m_s.onDialog(CCcwB1Dlg::IDD, [&](Running& b) {
            b.drag(CCcwB1Dlg::IDC_BAR, 25);
            EXPECT_EQ(b.text(CCcwB1Dlg::IDC_B1), "95");
            m_s.expectMessage(arc::kMsgFaceWidthRange);
            b.type(CCcwB1Dlg::IDC_B1, "84");
            b.leave();
            EXPECT_EQ(b.text(CCcwB1Dlg::IDC_B1), "95");
            b.drag(CCcwB1Dlg::IDC_BAR, 0);
            EXPECT_EQ(b.text(CCcwB1Dlg::IDC_B1), "85");
            b.click(IDOK);
        });
        d.click(D::IDC_B1_BUTTON);
        EXPECT_EQ(d.text(D::IDC_B1), "85");
        EXPECT_TRUE(d.enabled(IDOK));   // the face width is no input of the calculation
        d.click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
}

// ZC1 values that are no worm pair: de2 −7, b1 1e300, θ 0 and 1e308 are
// refused with their field and put back; the design saved afterwards holds
// the accepted values and loads again.
TEST_F(ArcGmDlgTest, Zc1EditedValuesThatAreNoWormPairAreRefused) {
    using D = CC1cwGmDlg;
    struct Case {
        int field;
        const char* text;
        std::string message;
    };
    const Case cases[] = {
        {D::IDC_DE2, "-7", "外圆直径 de2应为正值！"},
        {D::IDC_DE2, "100", "外圆直径 de2应大于喉圆直径da2！"},
        {D::IDC_B1, "1e300", arc::kMsgFaceWidthRange},
        {D::IDC_THETA, "0", "齿宽角 θ应在0°～180°之间！"},
        {D::IDC_THETA, "1e308", "齿宽角 θ应在0°～180°之间！"},
    };
    int r = run<D>([&](Running& d) {
        load<D>(d, m_file);
        typeLeave(d, D::IDC_AW, "130");
        d.click(D::IDC_CALC);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            const std::string before = d.text(c.field);
            m_s.expectMessage(c.message);
            typeLeave(d, c.field, c.text);
            EXPECT_EQ(d.text(c.field), before);
            EXPECT_EQ(d.focused(), c.field);
            d.leave();
        }
        EXPECT_TRUE(d.enabled(IDOK));
        m_s.answerSave(m_file);
        m_s.expectMessage(familyTexts(Family::Zc1).overwriteNotice);
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    auto saved = loadForRating(bytesOf(m_file));
    ASSERT_TRUE(saved) << saved.error().text;
    EXPECT_EQ(saved->geom->b1, 82);
    EXPECT_GT(saved->geom->de2, saved->geom->da2);
}

// A ZC1 pair of large module and lead angle (m 20, Z1 10, q 8: γ 51.34°):
// the arc centre lies at L1 < 0 whatever ρ in its range (−8.10 mm with the
// load's ρ 16.79), a coordinate the calculation shows as computed. A disc
// diameter that would make ρn negative (ρ 24 taken with ds 700, then ds
// 300: 1/ρn = 1/24 − K(Au 212) < 0) is put back. Cancelled: nothing saved.
TEST_F(ArcGmDlgTest, Zc1PairWithItsArcCentreBelowZeroIsCalculated) {
    using D = CC1cwGmDlg;
    CwPreRecord pre = loadForPreliminary(fixture("cw_zc.cwb"))->pre;
    pre.z1 = 10;
    pre.z2 = 50;
    pre.u = 5;
    pre.n2 = pre.n1 / 5;
    pre.m = pre.mCalc = 20;
    pre.q = 8;
    pre.d1 = pre.d1Calc = 160;
    pre.d2 = 1000;
    pre.a = 580;
    pre.d1a = 160.0 / 580;
    pre.gamma = std::atan(10.0 / 8) * 180 / 3.141592653589793;
    ASSERT_FALSE(checkPreRecord(pre));
    const fs::path file = m_inst.data("big.cwb");
    const auto bytes = preliminaryFileBytes(pre, 0);
    ASSERT_TRUE(fw::writeFile(file, bytes));
    int r = run<D>([&](Running& d) {
        load<D>(d, file);
        typeLeave(d, D::IDC_AW, "580");
        d.click(D::IDC_CALC);
        EXPECT_TRUE(d.enabled(IDOK));
        EXPECT_NEAR(num(d, D::IDC_L1), -8.0963, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_L2), 86.5599, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_L3), 125.4401, 5e-5);
        EXPECT_EQ(d.text(D::IDC_DH), "124");
        typeLeave(d, D::IDC_DS, "700");
        EXPECT_EQ(d.text(D::IDC_AU), "412");
        EXPECT_NEAR(num(d, D::IDC_L1), -8.0963, 5e-5);   // L1 does not read Au
        EXPECT_NEAR(num(d, D::IDC_L3), 325.4401, 5e-5);
        typeLeave(d, D::IDC_RHO_DISC, "24");
        EXPECT_EQ(d.text(D::IDC_RHO_DISC), "24");
        EXPECT_NEAR(num(d, D::IDC_RHO_N), 98.8645, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_L1), -1.4583, 5e-5);
        const std::string rhoN = d.text(D::IDC_RHO_N);
        m_s.expectMessage("蜗杆法面齿廓曲率半径 ρn应为正值！");
        typeLeave(d, D::IDC_DS, "300");
        EXPECT_EQ(d.text(D::IDC_DS), "700");
        EXPECT_EQ(d.text(D::IDC_AU), "412");
        EXPECT_EQ(d.text(D::IDC_RHO_N), rhoN);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(bytesOf(file), bytes);
}

}  // namespace
