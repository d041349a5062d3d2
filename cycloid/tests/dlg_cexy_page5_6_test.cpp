// Pages 5 and 6 of the cycloid wizard through the scripted backend, on the
// chain's record (blocks 1, 2 and 4 of make_cex_fixtures.py: K1 0.5, Zc 11,
// Zp 12, a 50/12, dp 200, drp 20, dsp 16, l 52.5, X1 2, Δrp 0.375,
// Δrrp 0.52, Δj 0.145); the figures are those of calc_cex_check_test,
// worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "cex_test_support.h"
#include "cycloid/ccdest_part_mat_dlg.h"
#include "cycloid/cex_design.h"
#include "cycloid/cexy_property_sheet.h"
#include "fw/format.h"
#include "fwtest/script.h"

using namespace cycloid;
using namespace cextest;
using P5 = CCexyPropertyPage5;
using P6 = CCexyPropertyPage6;

namespace {

class Pages56Test : public ::testing::Test {
protected:
    void SetUp() override {
        g_cexRecord = filledRecord();
        g_cexRecord.b2.pinsLeftOut = 0;
        g_cexRecord.b5 = {};
        g_cexRecord.b6 = {};
    }
    void TearDown() override { g_cexRecord = {}; }
    // Runs the wizard from page 4 and turns to `page` (index); the script ends it.
    void run(int page, const std::function<void(fwtest::Running&, CCexyPropertySheet&)>& script,
             bool expectTurn = true) {
        CCexyPropertySheet sheet(109, nullptr, page);
        g_pCexySheet = &sheet;
        sheet.SetWizardMode();
        s.onSheet([&](fwtest::Running& r) {
            if (expectTurn) { EXPECT_EQ(r.activePage(), page); }
            script(r, sheet);
            if (!r.ended()) r.end(IDCANCEL);
        });
        sheet.DoModal();
        g_pCexySheet = nullptr;
    }
    static void put(fwtest::Running& r, int id, const char* text, int away) {
        r.type(id, text);
        r.focus(away);
    }
    fwtest::Session s;
};

TEST_F(Pages56Test, Page5SetUpAndRoundOff) {
    run(4, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
        P5& p = sheet.m_page5;
        EXPECT_EQ(r.text(P5::IDC_PHI), "53");
        EXPECT_EQ(r.text(P5::IDC_N), "5");
        EXPECT_NEAR(p.m_x, 9.2018, 5e-5);
        EXPECT_NEAR(p.m_y, 88.1981, 5e-5);
        EXPECT_NEAR(p.m_KA, -2.16521, 5e-6);
        EXPECT_NEAR(p.m_Rt, 21.9462, 5e-5);
        EXPECT_NEAR(p.m_RL, 108.1220, 5e-5);
        EXPECT_NEAR(p.m_Ln, 257.9353, 5e-5);
        EXPECT_DOUBLE_EQ(p.m_EI, -0.115);
        EXPECT_EQ(g_cexRecord.b5.status, 405);
        EXPECT_NEAR(g_cexRecord.b5.dac, 188.1273 - 0.145, 1e-9);
        EXPECT_TRUE(r.buttonEnabled(fw::ID_WIZNEXT));
        // No rod typed yet.
        s.expectMessage("量棒直径未作调整！");
        r.click(P5::IDC_ROUND_OFF);
        // The rod's range.
        for (const char* t : {"18.28", "27.44"}) {
            s.expectMessage(P5::kMsgRodTooFar);
            put(r, P5::IDC_RT, t, P5::IDC_N);
        }
        EXPECT_NEAR(p.m_Rt, 21.9462, 5e-5);
        put(r, P5::IDC_RT, "18.3", P5::IDC_N);
        put(r, P5::IDC_RT, "27.43", P5::IDC_N);
        EXPECT_DOUBLE_EQ(p.m_Rt, 27.43);
        put(r, P5::IDC_RT, "22", P5::IDC_N);
        r.click(P5::IDC_ROUND_OFF);
        EXPECT_NEAR(p.m_phi, 52.215, 5e-4);
        EXPECT_NEAR(p.m_Ln, 258.160, 5e-4);
        EXPECT_EQ(r.text(P5::IDC_HINT), "测量参数已作更改，检查后保存数据!");
        EXPECT_DOUBLE_EQ(g_cexRecord.b5.rodRadius, 22);
        EXPECT_NEAR(g_cexRecord.b5.Ln, 258.160, 5e-4);
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Pages56Test, Page5CountsAndDeviations) {
    run(4, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
        P5& p = sheet.m_page5;
        put(r, P5::IDC_N, "7", P5::IDC_RT);
        EXPECT_EQ(p.m_n, 3u);
        EXPECT_EQ(r.text(P5::IDC_HINT), "改变跨测齿数必须重新执行计算！");
        put(r, P5::IDC_N, "10", P5::IDC_RT);
        EXPECT_EQ(p.m_n, 5u);
        for (const char* t : {"9", "2"}) {   // 9 folds to 1
            s.expectMessage("跨测齿数必须大于2!");
            put(r, P5::IDC_N, t, P5::IDC_RT);
            EXPECT_EQ(p.m_n, 5u);
        }
        s.expectMessage("上偏差不符合配合要求!");
        put(r, P5::IDC_ES, "0.01", P5::IDC_RT);
        s.expectMessage("上偏差不符合配合要求!");
        put(r, P5::IDC_ES, "-0.145", P5::IDC_RT);
        put(r, P5::IDC_ES, "-0.01", P5::IDC_RT);
        EXPECT_DOUBLE_EQ(p.m_ES, -0.01);
        s.expectMessage("下偏差不符合配合要求!");
        put(r, P5::IDC_EI, "-0.01", P5::IDC_RT);
        put(r, P5::IDC_EI, "-0.2", P5::IDC_RT);
        EXPECT_DOUBLE_EQ(p.m_EI, -0.2);
    });
    EXPECT_TRUE(s.allUsed());
}

// A changed span count or a typed rod radius makes the span (and for a rod
// its measuring point) stale: cleared, block 5 incomplete with Next off,
// until the round-off computes them for what the fields show.
TEST_F(Pages56Test, Page5CountAndRodMakeTheSpanStale) {
    const double pi = 3.141592654;
    run(4, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
        P5& p = sheet.m_page5;
        const double RL = p.m_RL, Rt0 = p.m_Rt;
        put(r, P5::IDC_N, "4", P5::IDC_RT);
        EXPECT_EQ(r.text(P5::IDC_LN), "0");
        EXPECT_NEAR(p.m_RL, RL, 1e-12);   // the rods are still those of the set-up
        EXPECT_EQ(g_cexRecord.b5.status, 0);
        EXPECT_FALSE(r.buttonEnabled(fw::ID_WIZNEXT));
        r.click(P5::IDC_ROUND_OFF);
        EXPECT_NEAR(p.m_Ln, 2 * RL * std::sin(4 * pi / 11) + 2 * Rt0, 1e-9);
        EXPECT_EQ(g_cexRecord.b5.status, 405);
        EXPECT_EQ(g_cexRecord.b5.n, 4);
        EXPECT_NEAR(g_cexRecord.b5.Ln, p.m_Ln, 1e-12);
        EXPECT_TRUE(r.buttonEnabled(fw::ID_WIZNEXT));
        // A rod typed after the count, without the round-off: nothing of the
        // old rod goes into block 5 as complete.
        put(r, P5::IDC_RT, "22", P5::IDC_N);
        for (int id : {P5::IDC_PHI, P5::IDC_X, P5::IDC_Y, P5::IDC_KA, P5::IDC_RL, P5::IDC_LN})
            EXPECT_EQ(r.text(id), "0") << id;
        EXPECT_EQ(g_cexRecord.b5.status, 0);
        EXPECT_FALSE(r.buttonEnabled(fw::ID_WIZNEXT));
        r.click(P5::IDC_ROUND_OFF);
        // The rod of 22 over 5 teeth spans 258.160 (calc_cex_check_test); over 4:
        const double RL22 = (258.160 - 44) / (2 * std::sin(5 * pi / 11));
        EXPECT_NEAR(p.m_Ln, 2 * RL22 * std::sin(4 * pi / 11) + 44, 1e-3);
        EXPECT_NEAR(p.m_phi, 52.215, 5e-4);
        EXPECT_EQ(g_cexRecord.b5.status, 405);
        // Nothing stale: nothing to do.
        s.expectMessage("量棒直径未作调整！");
        r.click(P5::IDC_ROUND_OFF);
        // Back to (the shown digits of) the set-up's rod.
        put(r, P5::IDC_RT, fw::format("%.15g", Rt0).c_str(), P5::IDC_N);
        r.click(P5::IDC_ROUND_OFF);
        EXPECT_NEAR(p.m_RL, RL, 1e-4);
        EXPECT_EQ(g_cexRecord.b5.status, 405);
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Pages56Test, Page5RefusedForIllegalData) {
    g_cexRecord.b1.K1 = 0.05;   // below 1/Zp: no measuring point
    run(3, [&](fwtest::Running& r, CCexyPropertySheet&) {
        s.expectMessage(P5::kMsgIncomplete);
        r.next();
        EXPECT_EQ(r.activePage(), 3);
    }, false);
    EXPECT_TRUE(s.allUsed());
}

class Page6Test : public Pages56Test {
protected:
    static void fetchDefaults(fwtest::Session& s, fwtest::Running& r) {
        s.onDialog(CCDestPartMatDlg::IDD, [](fwtest::Running& d) { d.click(IDOK); });
        r.click(P6::IDC_FETCH);
    }
};

TEST_F(Page6Test, TheChain) {
    run(5, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
        P6& p = sheet.m_page6;
        EXPECT_FALSE(r.enabled(P6::IDC_CALC));
        EXPECT_FALSE(r.buttonEnabled(fw::ID_WIZFINISH));
        fetchDefaults(s, r);
        EXPECT_TRUE(r.enabled(P6::IDC_CALC));
        EXPECT_EQ(r.text(P6::IDC_HINT), "操作“计算”按钮执行计算");
        r.click(P6::IDC_CALC);
        // tests/fixtures/strength_check.py
        EXPECT_NEAR(p.m_fmax, 5201.6997, 5e-4);
        EXPECT_NEAR(p.m_deltaMax, 0.02456621, 5e-8);
        EXPECT_EQ(p.m_Zn, 3);
        EXPECT_NEAR(p.m_sigmaH, 1187.9020, 5e-4);
        EXPECT_NEAR(p.m_SH, 1.01018, 5e-6);
        EXPECT_NEAR(p.m_sigmaF, 94.0078, 5e-4);
        EXPECT_NEAR(p.m_SF, 1.91474, 5e-6);
        EXPECT_NEAR(p.m_theta, 0.0556531, 5e-8);
        EXPECT_EQ(r.text(P6::IDC_HINT), "清检查计算结果！针齿销变形量的转角θ=0.06～0.17°为合适。");
        EXPECT_EQ(g_cexRecord.b6.status, 406);
        EXPECT_TRUE(r.buttonEnabled(fw::ID_WIZFINISH));
        // A material edit after the calculation: not saved until calculated again.
        put(r, P6::IDC_E, "0", P6::IDC_MU);
        EXPECT_FALSE(r.enabled(P6::IDC_CALC));
        EXPECT_EQ(r.text(P6::IDC_HINT), P6::kHintMaterial);
        EXPECT_EQ(g_cexRecord.b6.status, 0);
        put(r, P6::IDC_E, "206000", P6::IDC_MU);
        EXPECT_TRUE(r.enabled(P6::IDC_CALC));
        EXPECT_EQ(g_cexRecord.b6.status, 0);
        r.click(P6::IDC_CALC);
        EXPECT_EQ(g_cexRecord.b6.status, 406);
        s.expectMessage("数据不正确！输出扭矩不能小于、等于0！");
        put(r, P6::IDC_TO, "0", P6::IDC_MU);
        EXPECT_DOUBLE_EQ(p.m_To, 630.234);
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Page6Test, NoValidResultChangesNothing) {
    struct Case {
        const char* what;
        std::function<void()> change;
    } cases[] = {
        {"a small torque never settles",
         [] {
             g_cexRecord.b1.Tc = 10;
             g_cexRecord.b4.drrp = 0.4;
         }},
        {"no contact end",
         [] {
             g_cexRecord.b4.drrp = 0.3;
             g_cexRecord.b4.drp = 0.5;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        c.change();
        run(5, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
            fetchDefaults(s, r);
            s.expectMessage(P6::kMsgNoResult);
            r.click(P6::IDC_CALC);
            EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Exclamation);
            EXPECT_DOUBLE_EQ(sheet.m_page6.m_fmax, 0);
            EXPECT_TRUE(r.enabled(P6::IDC_CALC));
            EXPECT_EQ(g_cexRecord.b6.status, 0);
        });
    }
    EXPECT_TRUE(s.allUsed());
}

// Designs whose loaded pins all sit on the convex flank, or with pins left
// out, are computed (strength_check.py).
TEST_F(Page6Test, ConvexPinsAndPinsLeftOut) {
    struct Case {
        const char* what;
        std::function<void()> change;
        int Zn;
        double sigmaH, SH;
    } cases[] = {
        {"thick pins",
         [] {
             g_cexRecord.b1.Rrp = 15;
             g_cexRecord.b2.dsp = 24;
             g_cexRecord.b4.drrp = 0.51375;
             g_cexRecord.b4.drp = 0.36875;
         },
         2, 1068.9489, 1.12260},
        {"pins left out", [] { g_cexRecord.b2.pinsLeftOut = 1; }, 1, 1432.3512, 0.83778},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        c.change();
        run(5, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
            fetchDefaults(s, r);
            r.click(P6::IDC_CALC);
            EXPECT_EQ(sheet.m_page6.m_Zn, c.Zn);
            EXPECT_NEAR(sheet.m_page6.m_sigmaH, c.sigmaH, 5e-4);
            EXPECT_NEAR(sheet.m_page6.m_SH, c.SH, 5e-6);
            EXPECT_EQ(g_cexRecord.b6.status, 406);
        });
    }
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Page6Test, ActivationAndSupports) {
    g_cexRecord.b4.drp = 0;
    // Page 6 is reached from page 4 directly, so page 5's own checks stay out.
    run(3, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
        s.expectMessage(P6::kMsgNoModification);
        EXPECT_FALSE(sheet.SetActivePage(5));
        EXPECT_EQ(r.activePage(), 3);
    });
    for (int k = 0; k < 2; ++k) {
        SetUp();
        if (k == 0) {
            g_cexRecord.b1.Zp = 11;   // Zp not above Zc
        } else {
            g_cexRecord.b1.K1 = 1;    // √(1 − K1²) needs K1 below 1
        }
        run(3, [&](fwtest::Running& r, CCexyPropertySheet& sheet) {
            s.expectMessage(P6::kMsgBadData);
            EXPECT_FALSE(sheet.SetActivePage(5));
            EXPECT_EQ(r.activePage(), 3);
        });
    }
    SetUp();
    g_cexRecord.b2.X1 = 4;
    run(5, [&](fwtest::Running& r, CCexyPropertySheet&) {
        fetchDefaults(s, r);
        s.expectMessage("对不起！本程序只涉及2点或3点支承方式的针齿销强度计算。");
        r.click(P6::IDC_CALC);
    });
    EXPECT_TRUE(s.allUsed());
}

}  // namespace
