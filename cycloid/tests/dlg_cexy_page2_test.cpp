// Page 2 of the cycloid wizard with the worked example of page 1 (Zc 11,
// Zp 12, Rp 100, Rrp 10, a 50/12, bc 15, Tc 630.234), driven through the
// scripted backend; the figures are those of calc_cex_parts_test (worked out
// by hand from the formulas).
#include <gtest/gtest.h>

#include <functional>

#include "cex_test_support.h"
#include "cycloid/ccdest_part_mat_dlg.h"
#include "cycloid/cdest_part_di_dlg.h"
#include "cycloid/cex_design.h"
#include "cycloid/cexy_property_sheet.h"
#include "fw/format.h"
#include "fwtest/script.h"

using namespace cycloid;
using namespace cextest;
using P = CCexyPropertyPage2;

namespace {

class Page2Test : public ::testing::Test {
protected:
    void SetUp() override {
        g_cexRecord = {};
        g_cexRecord.b1 = filledRecord().b1;
    }
    void TearDown() override { g_cexRecord = {}; }
    void run(const std::function<void(fwtest::Running&, P&)>& script) {
        CCexyPropertySheet sheet(109, nullptr, 1);
        g_pCexySheet = &sheet;
        sheet.SetWizardMode();
        s.onSheet([&](fwtest::Running& r) {
            script(r, sheet.m_page2);
            if (!r.ended()) r.end(IDCANCEL);
        });
        sheet.DoModal();
        g_pCexySheet = nullptr;
    }
    static void put(fwtest::Running& r, int id, const char* text) {
        r.type(id, text);
        r.focus(id == P::IDC_DT ? P::IDC_DSP : P::IDC_DT);
    }
    // dsp 16, then Δj, dfc, dac, the bearing 80, the output pins with the
    // default material, dw.
    void example(fwtest::Running& r) {
        put(r, P::IDC_DSP, "16");
        r.click(P::IDC_DJ_BUTTON);
        r.click(P::IDC_DFC_BUTTON);
        r.click(P::IDC_DAC_BUTTON);
        s.onDialog(CDestPartDiDlg::IDD, [](fwtest::Running& d) {
            d.select(CDestPartDiDlg::IDC_BORE, 1);
            d.click(IDOK);
        });
        r.click(P::IDC_DW_CIRCLE_BUTTON);
        s.onDialog(CCDestPartMatDlg::IDD, [](fwtest::Running& d) { d.click(IDOK); });
        r.click(P::IDC_DSW_BUTTON);
        r.click(P::IDC_DW_HOLE_BUTTON);
    }
    fwtest::Session s;
};

TEST_F(Page2Test, TheExample) {
    run([&](fwtest::Running& r, P& p) {
        EXPECT_EQ(r.text(P::IDC_DRP), "20");
        EXPECT_EQ(r.text(P::IDC_DP), "200");
        EXPECT_EQ(r.selection(P::IDC_X2), 2);   // 10 output pins for dp 200
        EXPECT_EQ(r.text(P::IDC_L), "52.5");
        EXPECT_FALSE(r.enabled(P::IDC_DJ_BUTTON));
        EXPECT_FALSE(r.enabled(P::IDC_PINS_LEFT_OUT));   // K2 2.59
        put(r, P::IDC_DSP, "16");
        EXPECT_EQ(r.text(P::IDC_HINT), "预定摆线针轮副所需的径向间隙。");
        r.click(P::IDC_DJ_BUTTON);
        EXPECT_NEAR(p.m_dj, 0.103, 1e-12);
        r.click(P::IDC_DFC_BUTTON);
        EXPECT_NEAR(p.m_dfc, 171.4607, 5e-5);
        EXPECT_DOUBLE_EQ(p.m_Dw, 131);
        r.click(P::IDC_DAC_BUTTON);
        EXPECT_NEAR(p.m_dac, 188.1273, 5e-5);
        s.onDialog(CDestPartDiDlg::IDD, [](fwtest::Running& d) {
            EXPECT_EQ(d.text(CDestPartDiDlg::IDC_DIMIN), "80.00");
            EXPECT_EQ(d.text(CDestPartDiDlg::IDC_DIMAX), "100.00");
            auto items = d.items(CDestPartDiDlg::IDC_BORE);
            ASSERT_FALSE(items.empty());
            EXPECT_EQ(items.front(), "76.50");
            EXPECT_EQ(items.back(), "100.00");
            EXPECT_EQ(d.selection(CDestPartDiDlg::IDC_BORE), 0);
            d.select(CDestPartDiDlg::IDC_BORE, 1);
            d.click(IDOK);
        });
        r.click(P::IDC_DW_CIRCLE_BUTTON);
        EXPECT_DOUBLE_EQ(p.m_Di, 80);
        EXPECT_NEAR(p.m_Dw, 125.7303, 5e-5);
        EXPECT_EQ(p.m_X2, 10);
        s.onDialog(CCDestPartMatDlg::IDD, [](fwtest::Running& d) {
            EXPECT_EQ(d.text(CCDestPartMatDlg::IDC_MU), "0.3");
            EXPECT_EQ(d.text(CCDestPartMatDlg::IDC_E), "206000");
            EXPECT_EQ(d.text(CCDestPartMatDlg::IDC_SF), "180");
            EXPECT_EQ(d.text(CCDestPartMatDlg::IDC_KW), "1.35");
            d.click(IDOK);
        });
        r.click(P::IDC_DSW_BUTTON);
        EXPECT_NEAR(p.m_drw, 25.3695, 5e-5);
        EXPECT_NEAR(p.m_dsw, 17.7586, 5e-5);
        EXPECT_NEAR(p.m_Qmax, 2539.34, 5e-3);
        EXPECT_NEAR(p.m_epsMax, 0.13193, 5e-6);
        EXPECT_EQ(p.m_Nz, 4);
        EXPECT_NEAR(p.m_Sf, 4.399, 5e-4);
        r.click(P::IDC_DW_HOLE_BUTTON);
        EXPECT_NEAR(p.m_dw, 33.8528, 5e-5);
        EXPECT_DOUBLE_EQ(p.m_ES, 0.025);
        EXPECT_EQ(r.text(P::IDC_HINT), "摆线轮上柱销孔公差采用H7，若采用其它请在图面设计决定。");
        // δt is the last value the block needs.
        EXPECT_FALSE(r.buttonEnabled(fw::ID_WIZNEXT));
        put(r, P::IDC_DT, "5");
        EXPECT_EQ(g_cexRecord.b2.status, 402);
        EXPECT_TRUE(r.buttonEnabled(fw::ID_WIZNEXT));
        EXPECT_TRUE(r.buttonEnabled(fw::ID_WIZBACK));
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Page2Test, NoPinCarriesLoadOrMaterialUnusable) {
    g_cexRecord.b1.P = 0.2;
    g_cexRecord.b1.Tc = 9549 * 0.2 * 11 * 0.9 / 1500;   // 12.605
    run([&](fwtest::Running& r, P& p) {
        put(r, P::IDC_DSP, "16");
        r.click(P::IDC_DJ_BUTTON);
        r.click(P::IDC_DFC_BUTTON);
        r.click(P::IDC_DAC_BUTTON);
        s.onDialog(CDestPartDiDlg::IDD, [](fwtest::Running& d) {
            d.select(CDestPartDiDlg::IDC_BORE, 1);
            d.click(IDOK);
        });
        r.click(P::IDC_DW_CIRCLE_BUTTON);
        const int mask = p.m_inputMask;
        s.onDialog(CCDestPartMatDlg::IDD, [](fwtest::Running& d) { d.click(IDOK); });
        s.expectMessage(P::kMsgNoPinResult);
        r.click(P::IDC_DSW_BUTTON);
        EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Exclamation);
        EXPECT_EQ(p.m_inputMask, mask);
        EXPECT_DOUBLE_EQ(p.m_drw, 0);
        EXPECT_DOUBLE_EQ(g_cexRecord.b2.dsw, 0);
    });
    g_cexRecord.b1 = filledRecord().b1;
    run([&](fwtest::Running& r, P& p) {
        example(r);
        const double dsw = p.m_dsw;
        // A Poisson's ratio of 1.2 is no material's: refused in the dialog.
        s.answerMessage(IDOK);
        s.onDialog(CCDestPartMatDlg::IDD, [&](fwtest::Running& d) {
            d.type(CCDestPartMatDlg::IDC_MU, "1.2");
            d.leave();
            EXPECT_TRUE(endsWith(s.messages().back().text, fw::numberBoundsText(given(cex_q::kMu))));
            EXPECT_EQ(d.text(CCDestPartMatDlg::IDC_MU), "0.3");
            d.click(IDCANCEL);
        });
        s.expectMessage("为优化确定柱销直径必须先选定并确认材料性能！");
        r.click(P::IDC_DSW_BUTTON);
        EXPECT_DOUBLE_EQ(p.m_dsw, dsw);
        EXPECT_DOUBLE_EQ(p.m_mu, 0.3);
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Page2Test, RulesOfTheEdits) {
    run([&](fwtest::Running& r, P& p) {
        put(r, P::IDC_DSP, "16");
        const char* msg = "给出的预定间隙太小，\n建议先执行左边的按纽，\n从得到的推荐值略作调整。";
        struct Row {
            const char* text;
            bool accepted;
        } rows[] = {{"0.021", true}, {"0.02", false}, {"1", true}, {"1.01", false}};
        for (const Row& row : rows) {
            SCOPED_TRACE(row.text);
            if (!row.accepted) s.expectMessage(msg);
            put(r, P::IDC_DJ, row.text);
            EXPECT_EQ((p.m_inputMask & P::kDj) != 0, row.accepted);
            if (row.accepted) { EXPECT_EQ(r.text(P::IDC_DJ), row.text); }
        }
        EXPECT_DOUBLE_EQ(p.m_dj, 1);
        // The X1 combo always gives 3.5·bc.
        r.select(P::IDC_X1, 1);
        EXPECT_EQ(p.m_X1, 3);
        EXPECT_DOUBLE_EQ(p.m_l, 52.5);
        EXPECT_EQ(r.text(P::IDC_HINT), "针齿销支承点数为:3,针齿销支承跨距约调整为:52");
        s.expectMessage("针齿销的支承跨距必须大于0，输入数据无效！");
        put(r, P::IDC_L, "0");
        EXPECT_EQ(r.text(P::IDC_L), "52.5");
        // δt above bc/2: Yes chooses again.
        s.expectMessage("建议间隔环厚度不大于0.5倍摆线轮厚度！\n是(Yes)否(No)重选？", IDYES);
        put(r, P::IDC_DT, "8");
        EXPECT_DOUBLE_EQ(p.m_dt, 0);
        s.expectMessage("建议间隔环厚度不大于0.5倍摆线轮厚度！\n是(Yes)否(No)重选？", IDNO);
        put(r, P::IDC_DT, "8");
        EXPECT_DOUBLE_EQ(p.m_dt, 8);
        s.expectMessage("轴承孔直径请在80.0～100.0mm范围选择！");
        put(r, P::IDC_DI, "101");
        EXPECT_DOUBLE_EQ(p.m_Di, 0);
        s.expectMessage("针齿销偏小，恐怕刚性不足!\n建议针齿销直径在16～18之间");
        put(r, P::IDC_DSP, "9");
        EXPECT_DOUBLE_EQ(p.m_dsp, 9);
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Page2Test, ActivationProposalsAndTheCheck) {
    // drp 121 is beyond the tables; dp 800 is not.
    g_cexRecord.b1.Rrp = 60.5;
    run([&](fwtest::Running& r, P&) {
        put(r, P::IDC_DSP, "90");
        s.expectMessage("机型超大，超出程序设计范围，若需要扩充，\n请与开发者联系。");
        r.click(P::IDC_DJ_BUTTON);
    });
    g_cexRecord = {};
    g_cexRecord.b1 = filledRecord().b1;
    g_cexRecord.b1.Rp = 400;
    g_cexRecord.b1.K2 = 1.2;
    g_cexRecord.b2.pinsLeftOut = 1;
    g_cexRecord.b2.X1 = 3;
    run([&](fwtest::Running& r, P& p) {
        EXPECT_EQ(r.text(P::IDC_DP), "800");
        EXPECT_EQ(p.m_X2, 16);
        EXPECT_DOUBLE_EQ(p.m_l, 60);   // 4·bc with X1 = 3
        EXPECT_TRUE(r.enabled(P::IDC_PINS_LEFT_OUT));
        EXPECT_TRUE(r.checked(P::IDC_PINS_LEFT_OUT));
        put(r, P::IDC_DSP, "16");
        r.click(P::IDC_DJ_BUTTON);
        EXPECT_TRUE(p.m_inputMask & P::kDj);
        r.click(P::IDC_PINS_LEFT_OUT);
        EXPECT_EQ(g_cexRecord.b2.pinsLeftOut, 0);
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Page2Test, ChangedPageOneMakesTheResultsStale) {
    run([&](fwtest::Running& r, P& p) {
        example(r);
        put(r, P::IDC_DT, "5");
        EXPECT_EQ(g_cexRecord.b2.status, 402);
        // Back to page 1, which changes a; then page 2 again.
        EXPECT_TRUE(r.back());
        static_cast<CCexyPropertyPage1*>(r.sheet()->GetPage(0))->m_a = 4;
        r.sheet()->SetActivePage(1);
        EXPECT_EQ(r.activePage(), 1);
        EXPECT_EQ(p.m_inputMask & ~0xF, 0);
        EXPECT_EQ(g_cexRecord.b2.status, 0);
        EXPECT_FALSE(r.buttonEnabled(fw::ID_WIZNEXT));
        EXPECT_FALSE(r.enabled(P::IDC_DFC_BUTTON));
        EXPECT_NE(r.text(P::IDC_DSW), "0");   // the values stay shown
        // Computing again completes the block.
        example(r);
        EXPECT_EQ(g_cexRecord.b2.status, 402);
    });
}

TEST(CexPartDialogs, MaterialMappingsAndRefusals) {
    fwtest::Session s;
    CCDestPartMatDlg dlg;
    s.onDialog(CCDestPartMatDlg::IDD, [&](fwtest::Running& d) {
        using M = CCDestPartMatDlg;
        EXPECT_EQ(d.position(M::IDC_SF_SLIDER), 71);    // (180 − 80)/140·100 = 71.4
        EXPECT_EQ(d.position(M::IDC_SH_SLIDER), 57);    // (1200 − 800)/700·100 = 57.1
        EXPECT_EQ(d.position(M::IDC_KW_SLIDER), 0);
        d.drag(M::IDC_SF_SLIDER, 50);
        EXPECT_EQ(d.text(M::IDC_SF), "150");
        d.drag(M::IDC_SH_SLIDER, 100);
        EXPECT_EQ(d.text(M::IDC_SH), "1500");
        d.drag(M::IDC_KW_SLIDER, 100);
        EXPECT_EQ(d.text(M::IDC_KW), "1.5");
        d.type(M::IDC_SF, "220");
        d.leave();
        EXPECT_EQ(d.position(M::IDC_SF_SLIDER), 100);
        for (int id : {M::IDC_MU, M::IDC_E, M::IDC_SF, M::IDC_SH}) {
            s.expectMessage(M::kMsgNotPositive);
            d.type(id, "0");
            d.leave();
        }
        EXPECT_EQ(d.text(M::IDC_MU), "0.3");
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_sigmaF, 220);
    EXPECT_DOUBLE_EQ(dlg.m_Kw, 1.5);
    EXPECT_TRUE(s.allUsed());
}

TEST(CexPartDialogs, BearingTypedBoreAndSlidingRange) {
    fwtest::Session s;
    CDestPartDiDlg dlg;
    dlg.setRange(80, 100);
    s.onDialog(CDestPartDiDlg::IDD, [&](fwtest::Running& d) {
        using D = CDestPartDiDlg;
        s.expectMessage(D::kMsgOutside, IDNO);
        d.type(D::IDC_BORE, "120");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_BORE), "76.50");
        // Sliding: bores accepted from 64 to 80.
        d.click(D::IDC_SLIDING);
        EXPECT_EQ(d.items(D::IDC_BORE).front(), "75.00");
        d.type(D::IDC_BORE, "66");
        d.leave();
        s.expectMessage(D::kMsgOutside, IDYES);
        d.type(D::IDC_BORE, "90");
        d.leave();
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_Di, 90);
    EXPECT_TRUE(s.allUsed());
}

}  // namespace
