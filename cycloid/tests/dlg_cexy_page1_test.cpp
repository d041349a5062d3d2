// Page 1 of the cycloid wizard and its recommendation dialogs, driven as a
// user would through the scripted backend. Expected values are worked out
// by hand from the formulas (π = 3.141592654): Tc = 9549·10·11·0.9/1500 =
// 630.234; c = 630234^(1/3) = 85.7368, Rp range 72.88 to 111.46;
// K2 = sin(15°)·100/10 = 2.5882; a = 100·0.5/12 = 4.1666….
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "cex_test_support.h"
#include "cycloid/cdest_cexd_a_dlg.h"
#include "cycloid/cdest_cexd_bc_dlg.h"
#include "cycloid/cdest_cexd_k1_dlg.h"
#include "cycloid/cdest_cexd_k2_dlg.h"
#include "cycloid/cdest_cexd_rp_dlg.h"
#include "cycloid/cex_design.h"
#include "cycloid/cexy_property_sheet.h"
#include "fw/format.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"

using namespace cycloid;
using namespace cextest;
using P = CCexyPropertyPage1;

namespace {

class Page1Test : public ::testing::Test {
protected:
    void SetUp() override {
        g_cexRecord = {};
        g_strCexDesignPath.clear();
    }
    void TearDown() override {
        g_cexRecord = {};
        g_strCexDesignPath.clear();
    }
    // Runs the wizard on page 1; the script ends it.
    void run(const std::function<void(fwtest::Running&, P&)>& script) {
        CCexyPropertySheet sheet(109, nullptr);
        g_pCexySheet = &sheet;
        sheet.SetWizardMode();
        s.onSheet([&](fwtest::Running& r) {
            script(r, sheet.m_page1);
            if (!r.ended()) r.end(IDCANCEL);
        });
        sheet.DoModal();
        g_pCexySheet = nullptr;
    }
    static void put(fwtest::Running& r, int id, const char* text) {
        r.type(id, text);
        r.focus(P::IDC_TITLE == id ? P::IDC_NUMBER : P::IDC_TITLE);
    }
    // P 10 kW, n0 1500 r/min, Zc 11, η 0.9.
    static void transmission(fwtest::Running& r) {
        put(r, P::IDC_P, "10");
        put(r, P::IDC_N0, "1500");
        put(r, P::IDC_ZC, "11");
    }
    fwtest::Session s;
};

TEST_F(Page1Test, TransmissionInputs) {
    run([&](fwtest::Running& r, P& p) {
        EXPECT_EQ(r.text(P::IDC_HINT), "先输入各项传动参数，后确定几何参数");
        EXPECT_FALSE(r.enabled(P::IDC_K1_BUTTON));
        EXPECT_FALSE(r.buttonEnabled(fw::ID_WIZNEXT));
        put(r, P::IDC_ZC, "11");
        EXPECT_EQ(r.text(P::IDC_ZP), "12");
        EXPECT_EQ(r.text(P::IDC_I), "11");
        put(r, P::IDC_ZP, "10");
        EXPECT_EQ(r.text(P::IDC_ZC), "9");
        put(r, P::IDC_ZC, "9");   // unchanged: nothing asked
        put(r, P::IDC_ZP, "12");
        EXPECT_EQ(r.text(P::IDC_ZC), "11");
        // Too few teeth: refused, the old value back.
        s.expectMessage("一般摆轮齿数不宜小于9，所输入的齿数太少，\n使设计有困难，须重新给定！", IDRETRY);
        put(r, P::IDC_ZC, "7");
        EXPECT_EQ(r.text(P::IDC_ZC), "11");
        s.expectMessage("建议针齿数取偶数！");
        s.expectMessage("一般针齿数不宜小于10，所输入的齿数太少，\n使设计有困难，须重新给定！", IDCANCEL);
        put(r, P::IDC_ZP, "9");
        EXPECT_EQ(r.text(P::IDC_ZP), "12");
        s.expectMessage("一般针齿数不宜小于10，所输入的齿数太少，\n使设计有困难，须重新给定！", IDCANCEL);
        put(r, P::IDC_ZP, "8");
        EXPECT_EQ(p.m_Zp, 12u);
        // Advice for an even disc count or an odd pin count.
        s.expectMessage("建议摆线轮齿数应取奇数！");
        put(r, P::IDC_ZC, "12");
        EXPECT_EQ(r.text(P::IDC_ZP), "13");
        put(r, P::IDC_ZP, "13");   // unchanged: nothing
        put(r, P::IDC_ZC, "11");
        // Power and speed.
        s.expectMessage("输入数据无效！", IDRETRY);
        put(r, P::IDC_P, "-1");
        EXPECT_EQ(r.text(P::IDC_P), "0");
        EXPECT_EQ(p.m_inputMask & P::kBitP, 0);
        put(r, P::IDC_P, "10");
        EXPECT_EQ(r.text(P::IDC_HINT), "先输入各项传动参数，后确定几何参数");
        s.expectMessage("输入数据无效！", IDRETRY);
        put(r, P::IDC_N0, "-5");
        put(r, P::IDC_N0, "1500");
        EXPECT_EQ(r.text(P::IDC_TC), "630.234");
        EXPECT_EQ(r.text(P::IDC_HINT), "对已激活的按钮操作，确定或更改其几何参数。");
        for (int id : {P::IDC_K1_BUTTON, P::IDC_K2_BUTTON, P::IDC_RP_BUTTON, P::IDC_RP, P::IDC_RRP_BUTTON, P::IDC_RRP,
                       P::IDC_A_BUTTON, P::IDC_A})
            EXPECT_TRUE(r.enabled(id)) << id;
        EXPECT_FALSE(r.enabled(P::IDC_BC_BUTTON));   // Rp not yet set
        EXPECT_DOUBLE_EQ(g_cexRecord.b1.Tc, 9549.0 * 10 * 11 * 0.9 / 1500);
        EXPECT_EQ(g_cexRecord.b1.Zp, 12u);
    });
    EXPECT_TRUE(s.allUsed());
}

// What page 1 takes is what a reload takes: power and speed within their
// ranges, a torque they give outside its range refused, tooth counts stop at
// 999 and 1000, each refusal naming its field.
TEST_F(Page1Test, ValuesTheRecordCouldNotHold) {
    run([&](fwtest::Running& r, P& p) {
        transmission(r);
        const std::string tc = r.text(P::IDC_TC);
        const std::string torque = "输出扭矩超出数值范围，请检查功率、输入转速和齿数！";
        struct Case {
            int id;
            const char* text;
            std::string message;   // its end: the field's name comes before it
        } cases[] = {
            {P::IDC_P, "1e306", fw::numberBoundsText(given(cex_q::kP))},
            {P::IDC_N0, "1e-305", fw::numberBoundsText(given(cex_q::kN0))},
            {P::IDC_ZC, "1000", "摆线轮齿数 Zc：请输入 9 到 999 之间的整数。"},
            {P::IDC_ZP, "1002", "针齿数 Zp：请输入 10 到 1000 之间的整数。"},
            {P::IDC_ZC, "4294967294", "摆线轮齿数 Zc：请输入 9 到 999 之间的整数。"},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            s.answerMessage(IDOK);
            put(r, c.id, c.text);
            EXPECT_TRUE(endsWith(s.messages().back().text, c.message)) << s.messages().back().text;
            r.focus(P::IDC_TITLE);   // left unedited: the value in use comes back
            EXPECT_EQ(r.text(P::IDC_TC), tc);
            EXPECT_DOUBLE_EQ(g_cexRecord.b1.Tc, 630.234);
            EXPECT_EQ(g_cexRecord.b1.Zc, 11u);
        }
        EXPECT_DOUBLE_EQ(p.m_P, 10);
        // 9549·10⁶·11·0.9/1500 = 6.3e7 N·m is a torque; at 1 r/min (9.5e10 N·m) it is not.
        put(r, P::IDC_P, "1000000");
        s.expectMessage(torque);
        put(r, P::IDC_N0, "1");
        EXPECT_DOUBLE_EQ(g_cexRecord.b1.n0, 1500);
        EXPECT_NEAR(g_cexRecord.b1.Tc, 63023400, 1e-5);
        put(r, P::IDC_P, "10");
        put(r, P::IDC_ZC, "999");
        EXPECT_EQ(g_cexRecord.b1.Zp, 1000u);
        EXPECT_FALSE(checkRecord(g_cexRecord));
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Page1Test, EfficiencyEditSliderAndQuestion) {
    struct Case {
        int answer;
        double low, high;
        const char* eta;   // the η field afterwards
    } cases[] = {{IDABORT, 0.9, 0.95, "0.9"}, {IDRETRY, 0.85, 0.99, "0.82"}, {IDIGNORE, 0.8, 0.9, "0.82"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        g_cexRecord = {};
        run([&](fwtest::Running& r, P& p) {
            transmission(r);
            s.expectMessage("机构效率估值太低！一般大于85%。", c.answer);
            put(r, P::IDC_ETA, "0.82");
            EXPECT_EQ(s.messages().back().buttons, fw::MessageButtons::AbortRetryIgnore);
            EXPECT_DOUBLE_EQ(p.m_effLow, c.low);
            EXPECT_DOUBLE_EQ(p.m_effHigh, c.high);
            EXPECT_EQ(r.text(P::IDC_ETA_LOW), fw::format("%.2f", c.low));
            EXPECT_EQ(r.text(P::IDC_ETA_HIGH), fw::format("%.2f", c.high));
            EXPECT_EQ(r.text(P::IDC_ETA), c.eta);
        });
    }
    run([&](fwtest::Running& r, P& p) {
        transmission(r);
        for (const char* eta : {"0.8", "0.97"}) {
            put(r, P::IDC_ETA, eta);
            EXPECT_DOUBLE_EQ(p.m_effLow, 0.9);
            EXPECT_DOUBLE_EQ(p.m_effHigh, 0.95);
        }
        EXPECT_EQ(r.position(P::IDC_ETA_SLIDER), 50);
        EXPECT_NEAR(p.m_Tc, 9549 * 10 * 11 * 0.97 / 1500, 1e-9);
        // η 0.925 puts the slider in the middle; the slider at 10 gives 0.91.
        put(r, P::IDC_ETA, "0.925");
        EXPECT_EQ(r.position(P::IDC_ETA_SLIDER), 25);
        r.drag(P::IDC_ETA_SLIDER, 10);
        EXPECT_EQ(r.text(P::IDC_ETA), "0.91");
        EXPECT_NEAR(p.m_Tc, 9549 * 10 * 11 * 0.91 / 1500, 1e-9);
        // Refusals.
        s.expectMessage("机构效率估值太低！");
        put(r, P::IDC_ETA, "0.7");
        EXPECT_EQ(r.text(P::IDC_ETA), "0.91");
        // Only what a reload keeps: up to 0.99.
        for (const char* high : {"1.2", "1", "0.991"}) {
            s.expectMessage("机构效率估值太高！预定传动效率不能大于0.99。");
            put(r, P::IDC_ETA, high);
            EXPECT_EQ(r.text(P::IDC_ETA), "0.91");
        }
        EXPECT_DOUBLE_EQ(g_cexRecord.b1.eta, 0.91);
        // The refusal of a text names its field and gives it back for an
        // edit; left again unedited it shows the value it holds.
        s.expectMessage("预定传动效率η：请输入一个数值。");
        put(r, P::IDC_ETA, "0.9x");
        EXPECT_EQ(r.focused(), P::IDC_ETA);
        EXPECT_EQ(r.text(P::IDC_ETA), "0.9x");
        r.focus(P::IDC_TITLE);
        EXPECT_EQ(r.text(P::IDC_ETA), "0.91");
        put(r, P::IDC_ETA, "0.99");
        EXPECT_DOUBLE_EQ(g_cexRecord.b1.eta, 0.99);
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Page1Test, PinCircleAndSleeve) {
    run([&](fwtest::Running& r, P& p) {
        transmission(r);
        s.onDialog(CDestCexdRpDlg::IDD, [](fwtest::Running& d) {
            EXPECT_EQ(d.text(CDestCexdRpDlg::IDC_LOW), "72.88");
            EXPECT_EQ(d.text(CDestCexdRpDlg::IDC_HIGH), "111.46");
            EXPECT_EQ(d.text(CDestCexdRpDlg::IDC_RANGE), "72.88～111.46");
            d.type(CDestCexdRpDlg::IDC_VALUE, "100");
            d.click(IDOK);
        });
        r.click(P::IDC_RP_BUTTON);
        EXPECT_EQ(r.text(P::IDC_HINT), "按轴承钢材料取值。");
        EXPECT_EQ(r.text(P::IDC_RP), "100");
        EXPECT_FALSE(r.enabled(P::IDC_BC_BUTTON));   // K1 not yet set
        // Rrp 10 gives K2; Rrp 0 is refused.
        put(r, P::IDC_RRP, "10");
        EXPECT_NEAR(p.m_K2, 2.5882, 5e-5);
        EXPECT_FALSE(r.enabled(P::IDC_K2_BUTTON));
        s.expectMessage("输入数据无效！", IDRETRY);
        put(r, P::IDC_RRP, "0");
        EXPECT_EQ(r.text(P::IDC_RRP), "10");
        EXPECT_NEAR(g_cexRecord.b1.K2, 2.5882, 5e-5);
        // A sleeve too big for the circle.
        s.expectMessage("针齿套半径太大或分布圆太小，针齿壳设计有困难！");
        put(r, P::IDC_RRP, "30");
        EXPECT_EQ(r.text(P::IDC_RRP), "10");
        // The Rrp button from K2.
        p.m_K2 = 2.0;
        r.click(P::IDC_RRP_BUTTON);
        EXPECT_NEAR(p.m_Rrp, std::sin(3.141592654 / 12) * 100 / 2.0, 1e-12);
        // Rp typed outside its range: Cancel brings the old one back.
        s.expectMessage("针齿中心圆半径超出建议的范围！", IDCANCEL);
        put(r, P::IDC_RP, "150");
        EXPECT_EQ(r.text(P::IDC_RP), "100");
        EXPECT_DOUBLE_EQ(g_cexRecord.b1.Rp, 100);
    });
    EXPECT_TRUE(s.allUsed());
}

// Rp outside its range answered OK ("edit again"): the value is not taken,
// left unedited the field shows the Rp in use again, K1 and K2 stay with it;
// a value taken afterwards brings K1 and K2 along.
TEST_F(Page1Test, RpEditedAgainIsNotTaken) {
    run([&](fwtest::Running& r, P& p) {
        transmission(r);
        put(r, P::IDC_RP, "100");
        put(r, P::IDC_RRP, "10");
        s.onDialog(CDestCexdK1Dlg::IDD, [](fwtest::Running& d) {
            d.type(CDestCexdK1Dlg::IDC_VALUE, "0.5");
            d.click(IDOK);
        });
        r.click(P::IDC_K1_BUTTON);
        put(r, P::IDC_A, "4");   // K1 = 12·4/100 = 0.48
        EXPECT_NEAR(p.m_K1, 0.48, 1e-12);
        s.expectMessage("针齿中心圆半径超出建议的范围！", IDOK);
        put(r, P::IDC_RP, "150");
        EXPECT_EQ(r.focused(), P::IDC_RP);
        EXPECT_DOUBLE_EQ(p.m_Rp, 100);
        r.focus(P::IDC_TITLE);   // left unedited: nothing asked, the old Rp back
        EXPECT_EQ(r.text(P::IDC_RP), "100");
        EXPECT_DOUBLE_EQ(g_cexRecord.b1.Rp, 100);
        EXPECT_NEAR(g_cexRecord.b1.K1, 0.48, 1e-12);
        EXPECT_TRUE(r.enabled(P::IDC_BC));
        // Edited again to another value outside: asked again; then one inside.
        s.expectMessage("针齿中心圆半径超出建议的范围！", IDOK);
        put(r, P::IDC_RP, "140");
        r.type(P::IDC_RP, "110");
        r.focus(P::IDC_TITLE);
        EXPECT_DOUBLE_EQ(g_cexRecord.b1.Rp, 110);
        EXPECT_NEAR(g_cexRecord.b1.K1, 4.0 * 12 / 110, 1e-12);
        EXPECT_NEAR(g_cexRecord.b1.K2, std::sin(3.141592654 / 12) * 110 / 10, 1e-12);
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Page1Test, EccentricityButtonAndEdit) {
    run([&](fwtest::Running& r, P& p) {
        transmission(r);
        // K1 0.5 from its dialog (Zc 11: 0.42 to 0.55).
        s.onDialog(CDestCexdK1Dlg::IDD, [](fwtest::Running& d) {
            EXPECT_EQ(d.text(CDestCexdK1Dlg::IDC_LOW), "0.42");
            EXPECT_EQ(d.text(CDestCexdK1Dlg::IDC_HIGH), "0.55");
            d.type(CDestCexdK1Dlg::IDC_VALUE, "0.5");
            d.click(IDOK);
        });
        r.click(P::IDC_K1_BUTTON);
        EXPECT_DOUBLE_EQ(p.m_K1, 0.5);
        put(r, P::IDC_RP, "100");
        // The computed choice: a = 100·0.5/12 to the edit's 15 digits.
        s.expectMessage("建议采用标准偏心距: 4.00 或 4.50。");
        s.onDialog(CDestCexdADlg::IDD, [](fwtest::Running& d) {
            EXPECT_TRUE(d.checked(CDestCexdADlg::IDC_COMPUTED));
            EXPECT_EQ(d.text(CDestCexdADlg::IDC_UPPER_VALUE), "4.5");
            EXPECT_EQ(d.text(CDestCexdADlg::IDC_COMPUTED_VALUE), "4.16666666666667");
            EXPECT_EQ(d.text(CDestCexdADlg::IDC_LOWER_VALUE), "4");
            d.click(IDOK);
        });
        r.click(P::IDC_A_BUTTON);
        EXPECT_DOUBLE_EQ(p.m_a, 4.16666666666667);
        EXPECT_NEAR(p.m_K1, 0.5, 1e-12);
        EXPECT_FALSE(r.enabled(P::IDC_K1_BUTTON));
        // a = 2.2 and a = 2 both offer 2 and 2.5 (Rp 52.8 and 48, outside their range).
        for (double rp : {52.8, 48.0}) {
            p.m_K1 = 0.5;
            p.m_Rp = rp;
            s.expectMessage("建议采用标准偏心距: 2.00 或 2.50。");
            s.onDialog(CDestCexdADlg::IDD, [](fwtest::Running& d) {
                d.click(CDestCexdADlg::IDC_UPPER);
                d.click(IDOK);
            });
            r.click(P::IDC_A_BUTTON);
            EXPECT_DOUBLE_EQ(p.m_a, 2.5);
        }
        // Out of the series: no dialog.
        p.m_Rp = 100;
        p.m_K1 = 0.07;   // a = 0.58
        s.expectMessage("最小偏心距须等于0.65mm，可改变K1或rp值调整机构设计。");
        r.click(P::IDC_A_BUTTON);
        EXPECT_DOUBLE_EQ(p.m_a, 0.65);
        p.m_K1 = 1.6;   // a = 13.3
        s.expectMessage("最大偏心距只限于13mm，可改变K1或rp值调整机构设计。");
        r.click(P::IDC_A_BUTTON);
        EXPECT_DOUBLE_EQ(p.m_a, 13);
        // The edit: 0.6 → 0.65 and 14 → 13 with the hint; 2 shows no series hint.
        p.m_K1 = 0.5;
        put(r, P::IDC_A, "0.6");
        EXPECT_EQ(r.text(P::IDC_A), "0.65");
        EXPECT_EQ(r.text(P::IDC_HINT), "最小偏心距须等于0.65mm，可改变K1或rp值调整机构设计。");
        put(r, P::IDC_A, "14");
        EXPECT_EQ(r.text(P::IDC_A), "13");
        EXPECT_EQ(r.text(P::IDC_HINT), "最大偏心距只限于13mm，可改变K1或rp值调整机构设计。");
        put(r, P::IDC_A, "4.2");   // K1 = 0.504 within the band
        EXPECT_EQ(r.text(P::IDC_HINT), "建议采用标准偏心距: 4.00 或 4.50。");
        EXPECT_NEAR(p.m_K1, 0.504, 1e-12);
        r.focus(P::IDC_A);
        put(r, P::IDC_A, "4");
        EXPECT_EQ(r.text(P::IDC_HINT), "建议采用标准偏心距: 4.00 或 4.50。");   // unchanged: 4 is a series value
        // K1' = 12·5/100 = 0.6 above the band: Abort restores a, Ignore accepts.
        s.expectMessage("检查短幅系数大于最大推荐值，是否减小偏心距？", IDABORT);
        put(r, P::IDC_A, "5");
        EXPECT_EQ(r.text(P::IDC_A), "4");
        // Retry is "edit again": a is not taken, the field is given back.
        s.expectMessage("检查短幅系数大于最大推荐值，是否减小偏心距？", IDRETRY);
        put(r, P::IDC_A, "5");
        EXPECT_EQ(r.focused(), P::IDC_A);
        EXPECT_DOUBLE_EQ(p.m_a, 4);
        r.focus(P::IDC_TITLE);
        EXPECT_EQ(r.text(P::IDC_A), "4");
        EXPECT_DOUBLE_EQ(g_cexRecord.b1.a, 4);
        s.expectMessage("检查短幅系数大于最大推荐值，是否减小偏心距？", IDIGNORE);
        put(r, P::IDC_A, "5");
        EXPECT_NEAR(p.m_K1, 0.6, 1e-12);
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Page1Test, WidthAndTheBandsOfLargeCounts) {
    run([&](fwtest::Running& r, P& p) {
        transmission(r);
        EXPECT_FALSE(r.enabled(P::IDC_BC_BUTTON));
        EXPECT_FALSE(r.enabled(P::IDC_BC));
        // Rp set, K1 set: the width dialog offers 0.1·Rp to 0.2·Rp.
        p.m_K1 = 0.5;
        put(r, P::IDC_RP, "100");
        EXPECT_TRUE(r.enabled(P::IDC_BC_BUTTON));
        s.onDialog(CDestCexdBcDlg::IDD, [](fwtest::Running& d) {
            EXPECT_EQ(d.text(CDestCexdBcDlg::IDC_VALUE), "10");
            d.drag(CDestCexdBcDlg::IDC_SLIDER, 25);
            EXPECT_EQ(d.text(CDestCexdBcDlg::IDC_VALUE), "15");
            d.click(IDOK);
        });
        r.click(P::IDC_BC_BUTTON);
        EXPECT_DOUBLE_EQ(p.m_bc, 15);
        // Without Rp the width cannot be judged.
        p.m_Rp = 0;
        s.expectMessage("未确定针齿圆半径，不能确定齿宽的合理值。请先输入rp值！");
        r.click(P::IDC_BC_BUTTON);
        s.expectMessage("未确定针齿圆半径，不能确定齿宽的合理值。请先输入rp值！");
        put(r, P::IDC_BC, "14");
        EXPECT_EQ(r.text(P::IDC_BC), "15");
        p.m_Rp = 100;
        s.expectMessage("建议齿宽在10.0～20.0之间取值。");
        put(r, P::IDC_BC, "25");
        EXPECT_DOUBLE_EQ(p.m_bc, 25);   // the value stays
        s.expectMessage("建议齿宽在10.0～20.0之间取值。");
        put(r, P::IDC_BC, "8");
        put(r, P::IDC_BC, "12");
        // Zc 89, Zp 90: the last bands.
        put(r, P::IDC_ZC, "89");
        s.onDialog(CDestCexdK1Dlg::IDD, [](fwtest::Running& d) {
            EXPECT_EQ(d.text(CDestCexdK1Dlg::IDC_LOW), "0.75");
            EXPECT_EQ(d.text(CDestCexdK1Dlg::IDC_HIGH), "0.90");
            d.click(IDCANCEL);
        });
        r.click(P::IDC_K1_BUTTON);
        s.onDialog(CDestCexdK2Dlg::IDD, [](fwtest::Running& d) {
            EXPECT_EQ(d.text(CDestCexdK2Dlg::IDC_LOW), "0.990");
            EXPECT_EQ(d.text(CDestCexdK2Dlg::IDC_HIGH), "1.500");
            d.click(IDCANCEL);
        });
        r.click(P::IDC_K2_BUTTON);
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(Page1Test, TextsAreCutAtACharacterBoundary) {
    run([&](fwtest::Running& r, P&) {
        std::string title;
        for (int k = 0; k < 40; ++k) title += "摆";   // 80 bytes in code page 936
        r.type(P::IDC_TITLE, title);
        r.focus(P::IDC_P);
        std::string stored = fw::readField(std::span<const char>(g_cexRecord.b1.title.data(), 64));
        EXPECT_EQ(stored, title.substr(0, 31 * 3));   // 31 characters, 62 bytes, then the zero
        EXPECT_EQ(g_cexRecord.b1.title[62], 0);
        r.type(P::IDC_DATE, "2026年12月10日下午三时");
        r.focus(P::IDC_P);
        EXPECT_EQ(fw::readField(std::span<const char>(g_cexRecord.b1.date.data(), 20)), "2026年12月10日下午");
    });
}

// ---- the recommendation dialogs on their own ----

TEST(CexRecommendDialogs, KDialogTrackbarAndOutOfRange) {
    fwtest::Session s;
    CDestCexdK1Dlg dlg;
    dlg.setRange(0.42, 0.55);
    s.onDialog(CDestCexdK1Dlg::IDD, [&](fwtest::Running& d) {
        EXPECT_EQ(d.text(CDestCexdK1Dlg::IDC_VALUE), "0.42");
        d.drag(CDestCexdK1Dlg::IDC_SLIDER, 25);
        EXPECT_EQ(d.text(CDestCexdK1Dlg::IDC_VALUE), "0.485");
        // Outside, No: value and position back.
        s.expectMessage("预定k1值超出建议范围，是否决定采用给定值？", IDNO);
        d.type(CDestCexdK1Dlg::IDC_VALUE, "0.7");
        d.leave();
        EXPECT_EQ(d.text(CDestCexdK1Dlg::IDC_VALUE), "0.485");
        EXPECT_EQ(d.position(CDestCexdK1Dlg::IDC_SLIDER), 25);
        EXPECT_TRUE(d.enabled(CDestCexdK1Dlg::IDC_SLIDER));
        // Outside, Yes: kept, the trackbar disabled; back inside enables it.
        s.expectMessage("预定k1值超出建议范围，是否决定采用给定值？", IDYES);
        d.type(CDestCexdK1Dlg::IDC_VALUE, "0.7");
        d.leave();
        EXPECT_FALSE(d.enabled(CDestCexdK1Dlg::IDC_SLIDER));
        d.type(CDestCexdK1Dlg::IDC_VALUE, "0.5");
        d.leave();
        EXPECT_TRUE(d.enabled(CDestCexdK1Dlg::IDC_SLIDER));
        EXPECT_EQ(d.position(CDestCexdK1Dlg::IDC_SLIDER), 30);   // 50·0.08/0.13 = 30.8
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_value, 0.5);
    EXPECT_TRUE(s.allUsed());
}

TEST(CexRecommendDialogs, RpDialogRetryAndCancel) {
    fwtest::Session s;
    CDestCexdRpDlg dlg;
    dlg.setRange(72.87628, 111.45784);
    s.onDialog(CDestCexdRpDlg::IDD, [&](fwtest::Running& d) {
        d.drag(CDestCexdRpDlg::IDC_SLIDER, 25);
        EXPECT_NEAR(dlg.m_value, (72.87628 + 111.45784) / 2, 1e-9);
        s.expectMessage("所选定的针齿分布圆半径超出推荐\n的数值范围，建议重新选定。", IDRETRY);
        d.type(CDestCexdRpDlg::IDC_VALUE, "60");
        d.leave();
        EXPECT_NEAR(dlg.m_value, (72.87628 + 111.45784) / 2, 1e-9);
        s.expectMessage("所选定的针齿分布圆半径超出推荐\n的数值范围，建议重新选定。", IDCANCEL);
        d.type(CDestCexdRpDlg::IDC_VALUE, "60");
        d.leave();
        EXPECT_EQ(d.position(CDestCexdRpDlg::IDC_SLIDER), 0);
        s.expectMessage("所选定的针齿分布圆半径超出推荐\n的数值范围，建议重新选定。", IDCANCEL);
        d.type(CDestCexdRpDlg::IDC_VALUE, "120");
        d.leave();
        EXPECT_EQ(d.position(CDestCexdRpDlg::IDC_SLIDER), 50);
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dlg.m_value, 120);
}

// The range of the chain's torque, 0.85·c to 1.3·c with c = 630234^(1/3):
// the offered bound, shown to 15 digits and confirmed or typed back, is
// taken; a value that is no length is refused with the field's name.
TEST(CexRecommendDialogs, WhatTheRpDialogOffersItAccepts) {
    const Band range = rpRange(630.234);
    EXPECT_EQ(fw::format("%.15g", range.low), "72.8762810437505");
    for (const char* typed : {"", "72.8762810437505", "111.457841596324"}) {
        SCOPED_TRACE(typed);
        fwtest::Session s;
        CDestCexdRpDlg dlg;
        dlg.setRange(range.low, range.high);
        s.onDialog(CDestCexdRpDlg::IDD, [&](fwtest::Running& d) {
            EXPECT_EQ(d.text(CDestCexdRpDlg::IDC_VALUE), "72.8762810437505");
            if (*typed) d.type(CDestCexdRpDlg::IDC_VALUE, typed);
            d.focus(CDestCexdRpDlg::IDC_VALUE);
            d.click(IDOK);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_TRUE(s.allUsed());
        EXPECT_NEAR(dlg.m_value, *typed == '1' ? range.high : range.low, 1e-12);
    }
    fwtest::Session s;
    CDestCexdRpDlg dlg;
    dlg.setRange(range.low, range.high);
    s.onDialog(CDestCexdRpDlg::IDD, [&](fwtest::Running& d) {
        s.answerMessage(IDOK);
        d.type(CDestCexdRpDlg::IDC_VALUE, "-80");
        d.leave();
        // Refused by the radius's range, naming the field.
        EXPECT_TRUE(endsWith(s.messages().back().text, "：" + fw::numberBoundsText(given(cex_q::kRp))));
        EXPECT_EQ(s.messages().back().text.rfind("针齿中心圆半径", 0), 0u);
        EXPECT_DOUBLE_EQ(dlg.m_value, range.low);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(s.allUsed());
}

TEST(CexRecommendDialogs, WidthNoteAndEccentricityChoice) {
    fwtest::Session s;
    CDestCexdBcDlg bc;
    bc.setRange(10, 20);
    s.onDialog(CDestCexdBcDlg::IDD, [&](fwtest::Running& d) {
        d.drag(CDestCexdBcDlg::IDC_SLIDER, 10);
        EXPECT_EQ(d.text(CDestCexdBcDlg::IDC_VALUE), "12");   // 10/0.1·(0.1 + 0.1·10/50)
        s.expectMessage("建议齿宽在10.0～20.0范围内取值！");
        d.type(CDestCexdBcDlg::IDC_VALUE, "30");
        d.leave();
        d.click(IDOK);
    });
    EXPECT_EQ(bc.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(bc.m_value, 30);

    for (auto [radio, expected] : {std::pair{CDestCexdADlg::IDC_UPPER, 2.5}, std::pair{CDestCexdADlg::IDC_COMPUTED, 2.2},
                                   std::pair{CDestCexdADlg::IDC_LOWER, 2.0}}) {
        CDestCexdADlg a;
        a.setChoices(2.5, 2.2, 2.0);
        s.onDialog(CDestCexdADlg::IDD, [radio = radio](fwtest::Running& d) {
            d.click(radio);
            d.click(IDOK);
        });
        EXPECT_EQ(a.DoModal(), IDOK);
        EXPECT_DOUBLE_EQ(a.chosen(), expected);
    }
}

// ---- loading ----

class Page1LoadTest : public Page1Test {
protected:
    std::filesystem::path put(const char* name, const CexDesignRecord& r) {
        std::filesystem::create_directories(inst.data());
        auto p = inst.data(name);
        writeBytes(p, designFileBytes(r, 0));
        return p;
    }
    fwtest::Installation inst{"cycloid_page1"};
};

TEST_F(Page1LoadTest, ASavedFileRefillsThePage) {
    CexDesignRecord rec = filledRecord();
    rec.b1.eta = 0.97;
    s.answerOpen(put("gear.cxd", rec));
    run([&](fwtest::Running& r, P& p) {
        EXPECT_FALSE(r.buttonEnabled(fw::ID_WIZNEXT));
        r.click(P::IDC_LOAD);
        EXPECT_EQ(r.text(P::IDC_P), "10");
        EXPECT_EQ(r.text(P::IDC_ZC), "11");
        EXPECT_EQ(r.text(P::IDC_ZP), "12");
        EXPECT_EQ(r.text(P::IDC_TC), "630.234");
        EXPECT_EQ(r.text(P::IDC_TITLE), "摆线针轮减速器");
        EXPECT_EQ(r.text(P::IDC_DATE), "2026年12月10日");
        EXPECT_EQ(r.text(P::IDC_ETA), "0.97");
        EXPECT_EQ(r.text(P::IDC_ETA_LOW), "0.90");
        EXPECT_EQ(r.text(P::IDC_ETA_HIGH), "0.99");
        EXPECT_EQ(p.m_inputMask, 63);
        EXPECT_TRUE(r.enabled(P::IDC_BC_BUTTON));
        EXPECT_EQ(g_cexRecord.b1.status, 401);
        EXPECT_TRUE(r.buttonEnabled(fw::ID_WIZNEXT));
        EXPECT_EQ(r.position(P::IDC_ETA_SLIDER), 38);
    });
    // The open dialog starts in the installation's data folder.
    ASSERT_EQ(s.files().size(), 1u);
    EXPECT_EQ(s.files()[0].request.folder, inst.data());
    EXPECT_EQ(s.files()[0].request.title, "《Ondrel》打开摆线设计数据文件");
}

TEST_F(Page1LoadTest, UnreasonableEfficiencyAndIncompleteBlock) {
    CexDesignRecord rec = filledRecord();
    rec.b1.eta = 1.2;
    s.answerOpen(put("eta.cxd", rec));
    run([&](fwtest::Running& r, P& p) {
        r.click(P::IDC_LOAD);
        EXPECT_DOUBLE_EQ(p.m_eta, 0.95);
        EXPECT_EQ(r.text(P::IDC_HINT), "原定机构效率不合理，请重新调整。");
        EXPECT_DOUBLE_EQ(g_cexRecord.b1.eta, 0.95);
        // The torque belongs to the replacing efficiency: 9549·10·11·0.95/1500.
        EXPECT_NEAR(g_cexRecord.b1.Tc, 665.2470, 5e-5);
    });
    g_cexRecord = {};
    CexDesignRecord part = filledRecord();
    part.b1.status = 0;
    s.answerOpen(put("part.cxd", part));
    s.expectMessage(kMsgIncomplete);
    run([&](fwtest::Running& r, P&) {
        r.click(P::IDC_LOAD);
        EXPECT_FALSE(r.buttonEnabled(fw::ID_WIZNEXT));
        EXPECT_EQ(r.sheet()->wizardButtons(), kWizDisabledFinish);
        EXPECT_EQ(r.text(P::IDC_P), "0");
    });
    EXPECT_TRUE(s.allUsed());
}

}  // namespace
