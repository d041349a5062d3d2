// The worm strength rating dialog (template 2030), run headless on the chain
// design (make_rating.py writes the design and the golden report).
#include "worm/ccw_pro_dlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>

#include "fw/file.h"
#include "fw/format.h"
#include "fw/text.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"
#include "worm/calc/arc_geometry.h"
#include "worm/calc/cw_file.h"
#include "worm/calc/cw_ranges.h"
#include "worm/ccw_ka_dlg.h"
#include "worm/ccw_met_dlg.h"
#include "worm/ccw_rating_dlgs.h"
#include "worm/cw_zlo_dlg.h"
#include "worm/tests/worm_dlg_test_support.h"

namespace fs = std::filesystem;
using D = CCwproDlg;
using fwtest::Running;
using namespace worm;
using namespace worm::rating;

namespace {

constexpr const char* kAskCancel = "尚未输出报告，是(Yes)否(No)保存数据?";

using worm::test::bytesOf;
using worm::test::fixture;
using worm::test::num;

class CCwproDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_file = m_data / "chain.cwb";
        ASSERT_TRUE(fw::writeFile(m_file, fixture("cw_chain_geom.cwb")));
    }
    void TearDown() override {
        EXPECT_TRUE(m_s.allUsed()) << "a queued script, answer or file was not used";
    }
    int run(fwtest::Script script) { return worm::test::runDialog<D>(m_s, std::move(script), m_reportPath); }
    void load(Running& d, const fs::path& file) {
        m_s.answerOpen(file);
        d.click(D::IDC_LOAD);
    }
    void leave(Running& d) {
        m_s.expectMessage(kAskCancel, IDNO);
        d.click(IDCANCEL);
    }
    // The report waits for a calculation: refused, the dialog stays open.
    void reportRefused(Running& d) {
        m_s.expectMessage(kMsgNotCalculated);
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
    }
    // Speed, efficiency and the seven forces.
    void forcesStage(Running& d) {
        d.click(D::IDC_V_BUTTON);
        d.click(D::IDC_EFFICIENCY_OK);
        for (int id : {D::IDC_T1_BUTTON, D::IDC_FX1_BUTTON, D::IDC_FX2_BUTTON, D::IDC_FT1_BUTTON, D::IDC_FT2_BUTTON,
                       D::IDC_FR1_BUTTON, D::IDC_FR2_BUTTON})
            d.click(id);
    }
    // The chain's factors, stresses and safety factors (without a span: all
    // but the stiffness step).
    void ratingStage(Running& d, bool withSpan = true) {
        m_s.onDialog(CCwMetDlg::IDD, [](Running& m) { m.click(IDOK); });
        d.click(D::IDC_ZE_BUTTON);
        m_s.onDialog(CCwZhDlg::IDD, [](Running& z) {
            EXPECT_EQ(z.text(CCwZhDlg::IDC_HOURS), "20000");
            EXPECT_EQ(z.text(CCwZhDlg::IDC_DUTY), "50");
            z.click(IDOK);
        });
        d.click(D::IDC_ZH_BUTTON);
        d.click(D::IDC_ZN_BUTTON);
        m_s.onDialog(CCwZloDlg1::IDD, [](Running& c) {
            EXPECT_EQ(c.position(CCwZloDlg::IDC_HORZ), 15);  // d1/a 0.3407 of the preliminary record
            c.drag(CCwZloDlg::IDC_VERT, 20);
            c.click(IDOK);
        });
        d.click(D::IDC_ZRHO_BUTTON);
        m_s.onDialog(CCwKaDlg::IDD, [](Running& k) { k.click(IDOK); });
        d.click(D::IDC_KA_BUTTON);
        EXPECT_EQ(d.text(D::IDC_HINT), kHintStresses);
        d.click(D::IDC_SIGMA_H_BUTTON);
        d.click(D::IDC_SIGMA_HP_BUTTON);
        d.click(D::IDC_SH_BUTTON);
        EXPECT_EQ(d.text(D::IDC_HINT), kHintContactSafety);
        EXPECT_FALSE(d.enabled(D::IDC_SW_BUTTON));   // needs U
        m_s.onDialog(CCwMetDlg::IDD, [](Running& m) { m.click(IDOK); });
        d.click(D::IDC_ULIM_BUTTON);
        EXPECT_TRUE(d.enabled(D::IDC_SW_BUTTON));
        d.click(D::IDC_SW_BUTTON);
        if (withSpan) {
            d.type(D::IDC_SPAN, "300");
            d.leave();
        }
        d.click(D::IDC_E_BUTTON);
        d.click(D::IDC_I_BUTTON);
        m_s.onDialog(CCwStatuDlg::IDD, [](Running& s) { s.click(IDOK); });
        d.click(D::IDC_DELTA_LIM_BUTTON);
        if (!withSpan) return;
        EXPECT_EQ(d.text(D::IDC_HINT), kHintStiffness);
        d.click(D::IDC_S_PRIME_BUTTON);
    }

    fwtest::Session m_s;
    fwtest::Installation m_inst{"dlg-ccwpro"};
    fs::path m_data = m_inst.data(), m_file;
    std::string m_reportPath;
};

TEST_F(CCwproDlgTest, ChainVectorAndItsReport) {
    ASSERT_TRUE(fw::writeFile(m_data / "chain.cwt", std::vector<std::uint8_t>{'G', '\r', '\n'}));
    int r = run([&](Running& d) {
        EXPECT_EQ(d.text(D::IDC_HINT), kHintStart);
        EXPECT_FALSE(d.enabled(D::IDC_V_BUTTON));
        load(d, m_file);
        EXPECT_EQ(d.text(D::IDC_D1W), "71");
        EXPECT_EQ(d.text(D::IDC_DM2), "320");
        EXPECT_NEAR(num(d, D::IDC_GAMMA_W), 12.6996, 5e-5);
        EXPECT_EQ(d.text(D::IDC_AW), "195.5");
        EXPECT_EQ(d.text(D::IDC_M), "8");
        EXPECT_EQ(d.text(D::IDC_POWER), "7.5");
        EXPECT_EQ(d.text(D::IDC_N1), "1450");
        EXPECT_TRUE(d.enabled(D::IDC_V_BUTTON));
        EXPECT_FALSE(d.enabled(D::IDC_EFFICIENCY_OK));
        d.click(D::IDC_V_BUTTON);
        EXPECT_NEAR(num(d, D::IDC_V), 5.5256, 5e-5);
        EXPECT_EQ(d.text(D::IDC_RHO), "1.67");
        EXPECT_EQ(d.text(D::IDC_RHO_LOW), "1.50");
        EXPECT_EQ(d.text(D::IDC_RHO_HIGH), "1.67");
        EXPECT_EQ(d.position(D::IDC_RHO_BAR), 50);
        EXPECT_NEAR(num(d, D::IDC_ETA1), 0.87963, 5e-6);
        EXPECT_NEAR(num(d, D::IDC_ETA), 0.81911, 5e-6);
        EXPECT_EQ(d.position(D::IDC_ETA1_BAR), 25);
        EXPECT_FALSE(d.enabled(D::IDC_T1_BUTTON));
        forcesStage(d);
        EXPECT_NEAR(num(d, D::IDC_T1), 49.3966, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_FT1), 1391.4522, 5e-4);
        EXPECT_NEAR(num(d, D::IDC_FT2), 5057.6418, 2e-3);
        EXPECT_EQ(d.text(D::IDC_FX1), d.text(D::IDC_FT2));   // computed before Ft2, still Ft2
        EXPECT_EQ(d.text(D::IDC_FX2), d.text(D::IDC_FT1));
        EXPECT_NEAR(num(d, D::IDC_FR1), 1840.8311, 1e-3);
        EXPECT_TRUE(d.enabled(D::IDC_ZE_BUTTON));
        ratingStage(d);
        EXPECT_NEAR(num(d, D::IDC_ZH), 1.16499, 5e-6);
        EXPECT_NEAR(num(d, D::IDC_ZN), 0.74931, 5e-6);
        EXPECT_NEAR(num(d, D::IDC_SIGMA_H), 148.0310, 2e-4);
        EXPECT_NEAR(num(d, D::IDC_SIGMA_HP), 231.3295, 2e-4);
        EXPECT_NEAR(num(d, D::IDC_SH), 1.5627, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_SW), 10.5504, 5e-5);
        EXPECT_NEAR(num(d, D::IDC_I), 353418.2, 0.05);
        EXPECT_EQ(d.text(D::IDC_DELTA_LIM), "0.032");
        EXPECT_NEAR(num(d, D::IDC_S_PRIME), 0.7896, 5e-5);
        EXPECT_EQ(d.text(D::IDC_HINT), std::string(kHintStiffness) + "蜗杆刚度较小，但为提高效率也可用。");
        m_s.answerSave(m_data / "chain.cwt");
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    EXPECT_EQ(m_reportPath, (m_data / "chain.cwt").string());
    const auto& req = m_s.files().at(1).request;
    EXPECT_EQ(req.initialName, (m_data / "chain.cwt").string());
    EXPECT_EQ(req.flags & OFN_OVERWRITEPROMPT, 0u);
    auto expected = std::vector<std::uint8_t>{'G', '\r', '\n'};
    auto golden = fixture("cw_chain_rating.cwt");
    expected.insert(expected.end(), golden.begin(), golden.end());
    EXPECT_EQ(bytesOf(m_data / "chain.cwt"), expected);
}

TEST_F(CCwproDlgTest, WormGearDrivingClearsTheRating) {
    int r = run([&](Running& d) {
        load(d, m_file);
        forcesStage(d);
        ratingStage(d);
        const std::string t1 = d.text(D::IDC_T1);
        d.click(D::IDC_DRIVE_GEAR);
        EXPECT_EQ(d.text(D::IDC_HINT), kHintRedo);
        for (int id : {D::IDC_FT1, D::IDC_FT2, D::IDC_FX1, D::IDC_FX2, D::IDC_FR1, D::IDC_FR2, D::IDC_ZE, D::IDC_ZH,
                       D::IDC_ZN, D::IDC_ZRHO, D::IDC_KA, D::IDC_SIGMA_HLIM, D::IDC_SIGMA_H, D::IDC_SIGMA_HP,
                       D::IDC_SH, D::IDC_ULIM, D::IDC_SW, D::IDC_E, D::IDC_I, D::IDC_DELTA_LIM, D::IDC_S_PRIME})
            EXPECT_EQ(d.text(id), "0") << id;
        EXPECT_EQ(d.text(D::IDC_T1), t1);
        EXPECT_EQ(d.text(D::IDC_SPAN), "300");
        EXPECT_EQ(d.text(D::IDC_ETA2), "0.97");
        EXPECT_TRUE(d.enabled(D::IDC_V_BUTTON));
        EXPECT_FALSE(d.enabled(D::IDC_EFFICIENCY_OK));
        EXPECT_FALSE(d.enabled(D::IDC_T1_BUTTON));
        EXPECT_FALSE(d.enabled(D::IDC_ZE_BUTTON));
        // Worm gear driving: η1 = tan(γ' − ρ)/tan γ'.
        d.click(D::IDC_V_BUTTON);
        EXPECT_NEAR(num(d, D::IDC_ETA1), std::tan((12.6996 - 1.67) * 3.141592654 / 180) /
                                              std::tan(12.6996 * 3.141592654 / 180), 1e-4);
        leave(d);
    });
    EXPECT_EQ(r, IDCANCEL);
}

TEST_F(CCwproDlgTest, StaleStagesAfterChangedInputsAndEfficiencies) {
    int r = run([&](Running& d) {
        load(d, m_file);
        forcesStage(d);
        EXPECT_TRUE(d.enabled(D::IDC_ZE_BUTTON));
        // A moved efficiency trackbar: efficiency and forces again.
        d.drag(D::IDC_ETA2_BAR, 50);
        EXPECT_EQ(d.text(D::IDC_ETA2), "0.98");
        EXPECT_FALSE(d.enabled(D::IDC_T1_BUTTON));
        EXPECT_TRUE(d.enabled(D::IDC_EFFICIENCY_OK));
        EXPECT_EQ(d.text(D::IDC_FT1), "0");
        forcesStage(d);
        d.click(D::IDC_ROLLING);
        EXPECT_EQ(d.text(D::IDC_ETA2_HIGH), "0.995");
        EXPECT_FALSE(d.enabled(D::IDC_T1_BUTTON));
        forcesStage(d);
        // A changed input: back to the speed.
        d.type(D::IDC_N1, "960");
        d.leave();
        EXPECT_TRUE(d.enabled(D::IDC_V_BUTTON));
        EXPECT_FALSE(d.enabled(D::IDC_EFFICIENCY_OK));
        EXPECT_EQ(d.text(D::IDC_FT2), "0");
        // An input of 0 leaves its bit unset.
        d.type(D::IDC_U, "0");
        d.leave();
        EXPECT_FALSE(d.enabled(D::IDC_V_BUTTON));
        leave(d);
    });
    EXPECT_EQ(r, IDCANCEL);
}

TEST_F(CCwproDlgTest, TypedInputsSelfLockingAndTheChartRatio) {
    int r = run([&](Running& d) {
        const std::pair<int, const char*> inputs[] = {{D::IDC_D1W, "10"}, {D::IDC_DM2, "100"}, {D::IDC_GAMMA_W, "2"},
                                                      {D::IDC_ALPHA_N, "20"}, {D::IDC_ALPHA_X, "20"},
                                                      {D::IDC_U, "40"}, {D::IDC_AW, "55"}, {D::IDC_M, "2.5"}};
        for (auto [id, t] : inputs) {
            d.type(id, t);
            d.leave();
        }
        m_s.onDialog(CCwNDlg::IDD, [](Running& n) {
            n.type(CCwNDlg::IDC_POWER, "0");
            n.type(CCwNDlg::IDC_N1, "10");
            n.click(IDOK);   // refused
            n.type(CCwNDlg::IDC_POWER, "0.1");
            n.click(IDOK);
        });
        m_s.expectMessage("输入数据无效！");
        d.click(D::IDC_POWER_BUTTON);
        EXPECT_EQ(d.text(D::IDC_POWER), "0.1");
        EXPECT_TRUE(d.enabled(D::IDC_V_BUTTON));
        // v = π·10·10/60000/cos 2° ≈ 0.0052 m/s: the first band, ρ 6.83 > γ' 2°.
        d.click(D::IDC_V_BUTTON);
        EXPECT_EQ(d.text(D::IDC_RHO), "6.83");
        d.click(D::IDC_DRIVE_GEAR);
        m_s.expectMessage(kMsgSelfLocking);
        d.click(D::IDC_V_BUTTON);
        EXPECT_FALSE(d.enabled(D::IDC_EFFICIENCY_OK));
        d.click(D::IDC_DRIVE_WORM);
        d.click(D::IDC_V_BUTTON);
        d.click(D::IDC_EFFICIENCY_OK);
        for (int id : {D::IDC_T1_BUTTON, D::IDC_FT1_BUTTON, D::IDC_FT2_BUTTON, D::IDC_FX1_BUTTON, D::IDC_FX2_BUTTON,
                       D::IDC_FR1_BUTTON, D::IDC_FR2_BUTTON})
            d.click(id);
        // No file: the worm type is asked for, the chart gets d'1/a' = 10/55.
        m_s.onDialog(CCwZtypeDlg::IDD, [](Running& t) {
            t.click(CCwZtypeDlg::IDC_ZC);
            t.click(IDOK);
        });
        m_s.onDialog(CCwZloDlg2::IDD, [](Running& c) {
            EXPECT_EQ(c.position(CCwZloDlg::IDC_HORZ), 0);   // 0.18 lies below the chart
            c.click(IDOK);                                    // unmoved: no Zρ
        });
        d.click(D::IDC_ZRHO_BUTTON);
        EXPECT_EQ(d.text(D::IDC_ZRHO), "0");
        // The span refuses a value ≤ 0.
        m_s.expectMessage("输入数据无效!");
        d.type(D::IDC_SPAN, "-5");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_SPAN), "0");
        leave(d);
    });
    EXPECT_EQ(r, IDCANCEL);
}

// The ZC3 pair of the arc-worm vector at a' 132.5: γ' 9.4623°, not γ 11.3099°;
// a file that cannot be read: "打开文件%s出错！".
TEST_F(CCwproDlgTest, ZcPairTakesThePitchLeadAngle) {
    auto pre = loadForPreliminary(fixture("cw_zc.cwb"));
    ASSERT_TRUE(pre);
    auto g = arc::zc3Start(pre->pre);
    ASSERT_TRUE(g);
    g->aw = 132.5;
    ASSERT_TRUE(arc::zc3Calculate(*g));
    const fs::path file = m_data / "zc3.cwb";
    ASSERT_TRUE(fw::writeFile(file, geometryFileBytes(pre->pre, *g, 0)));
    fs::create_directories(m_data / "folder.cwb");
    int r = run([&](Running& d) {
        load(d, file);
        EXPECT_NEAR(num(d, D::IDC_GAMMA_W), 9.4623, 5e-5);
        EXPECT_EQ(d.text(D::IDC_D1W), "60");
        m_s.expectMessage(msgOpenFailed(m_data / "folder.cwb"));
        load(d, m_data / "folder.cwb");
        EXPECT_EQ(d.text(D::IDC_D1W), "60");
        leave(d);
    });
    EXPECT_EQ(r, IDCANCEL);
}

TEST_F(CCwproDlgTest, LoadsAndReportNames) {
    const fs::path pre = m_data / "pre.cwb";
    ASSERT_TRUE(fw::writeFile(pre, fixture("cw_pre.cwb")));
    const fs::path txt = m_data / "chain.txt";
    ASSERT_TRUE(fw::writeFile(txt, fixture("cw_chain_geom.cwb")));
    fs::create_directories(m_data / "folder.cwt");
    int r = run([&](Running& d) {
        // A preliminary-only file: refused, nothing changes.
        m_s.expectMessage(kMsgNoGeometry);
        load(d, pre);
        EXPECT_EQ(d.text(D::IDC_D1W), "0");
        // A name without ".cwb": No ends the load, Yes goes on.
        m_s.expectMessage(kMsgRatingAskFormat, IDNO);
        load(d, txt);
        EXPECT_EQ(d.text(D::IDC_D1W), "0");
        m_s.expectMessage(kMsgRatingAskFormat, IDYES);
        load(d, txt);
        EXPECT_EQ(d.text(D::IDC_D1W), "71");
        forcesStage(d);
        ratingStage(d);
        // The report: a name without ".cwt" asks; an unopenable one stays open.
        m_s.answerSave(m_data / "folder.cwt");
        m_s.expectMessage(msgOpenFailed(m_data / "folder.cwt"));
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        EXPECT_EQ(m_s.files().back().request.initialName, (m_data / "chain.cwt").string());
        m_s.expectMessage(kAskCancel, IDYES);
        d.click(IDCANCEL);
        EXPECT_FALSE(d.ended());
        m_s.answerSave(m_data / "out.txt");
        m_s.expectMessage("储存的文件格式应为*.cwt，是否更改扩展名？", IDYES);
        d.click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(m_reportPath, (m_data / "out.cwt").string());
    EXPECT_TRUE(fs::exists(m_data / "out.cwt"));
    EXPECT_FALSE(fs::exists(m_data / "out.txt"));
}

// What each stage reads, as the rating's formulas list it: v (d'1, n1, γ'),
// η from v (ρ, η1) and the efficiency choices, T1 and T2 (N, n1, η, u), Ft1
// (T1, d'1), Ft2 (T2, dm2), Fx1 = Ft2, Fx2 = Ft1, Fr (Fx1, αx), Zn (n1, u),
// σH (T2, KA, a', ZE, Zρ), σ'H (Zh, Zn, σHlim), SH (σ'H, σH), Sw (U, Ft2, KA,
// m, b2), δlim (m), S' (Ft1, Ft2, L, E, I, δlim). After a full rating each
// input, factor dialog, trackbar and radio below changes one value: what is
// computed from it (and only that) shows 0, the buttons of the stages that
// need it are disabled, and the report waits for a new calculation.
TEST_F(CCwproDlgTest, EveryInputALaterStageReadsClearsThatStage) {
    using Act = std::function<void(Running&, fwtest::Session&)>;
    auto typed = [](int id, const char* t) -> Act {
        return [id, t](Running& d, fwtest::Session&) {
            d.type(id, t);
            d.leave();
        };
    };
    auto material = [](int button, int row) -> Act {
        return [button, row](Running& d, fwtest::Session& s) {
            s.onDialog(CCwMetDlg::IDD, [row](Running& m) {
                m.click(CCwMetDlg::kRowIds[std::size_t(row)]);
                m.click(IDOK);
            });
            d.click(button);
        };
    };
    auto dragged = [](int bar, int pos) -> Act {
        return [bar, pos](Running& d, fwtest::Session&) { d.drag(bar, pos); };
    };
    auto clicked = [](int id) -> Act { return [id](Running& d, fwtest::Session&) { d.click(id); }; };
    using ids = std::vector<int>;
    const ids forces{D::IDC_FT1, D::IDC_FT2, D::IDC_FX1, D::IDC_FX2, D::IDC_FR1, D::IDC_FR2};
    auto with = [](ids a, const ids& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    // From the torque on: T1, the forces and all that reads them.
    const ids fromTorque = with(with({D::IDC_T1}, forces), {D::IDC_SIGMA_H, D::IDC_SH, D::IDC_SW, D::IDC_S_PRIME});
    const ids fromSpeed = with({D::IDC_V}, fromTorque);
    const ids speedButtons{D::IDC_EFFICIENCY_OK, D::IDC_T1_BUTTON, D::IDC_ZE_BUTTON, D::IDC_SIGMA_H_BUTTON,
                           D::IDC_SH_BUTTON, D::IDC_SW_BUTTON, D::IDC_S_PRIME_BUTTON};
    const ids torqueButtons{D::IDC_ZE_BUTTON, D::IDC_KA_BUTTON, D::IDC_SIGMA_H_BUTTON, D::IDC_SH_BUTTON,
                            D::IDC_SW_BUTTON, D::IDC_S_PRIME_BUTTON};
    const ids contactButtons{D::IDC_SH_BUTTON, D::IDC_SW_BUTTON, D::IDC_S_PRIME_BUTTON};
    struct Row {
        const char* change;
        Act act;
        ids cleared;    // shown as 0 afterwards
        ids own;        // the changed values themselves
        ids disabled;   // stage buttons that wait for a cleared value
    };
    const std::vector<Row> rows{
        {"d'1", typed(D::IDC_D1W, "72"), fromSpeed, {}, speedButtons},
        {"γ'", typed(D::IDC_GAMMA_W, "13"), fromSpeed, {}, speedButtons},
        {"n1", typed(D::IDC_N1, "960"), with(fromSpeed, {D::IDC_ZN, D::IDC_SIGMA_HP}), {}, speedButtons},
        {"N (power dialog)",
         [](Running& d, fwtest::Session& s) {
             s.onDialog(CCwNDlg::IDD, [](Running& n) {
                 n.type(CCwNDlg::IDC_POWER, "10");
                 n.type(CCwNDlg::IDC_N1, "1450");
                 n.click(IDOK);
             });
             d.click(D::IDC_POWER_BUTTON);
         },
         fromTorque, {}, torqueButtons},
        {"u", typed(D::IDC_U, "21"), with(fromTorque, {D::IDC_ZN, D::IDC_SIGMA_HP}), {}, torqueButtons},
        {"dm2", typed(D::IDC_DM2, "330"),
         {D::IDC_FT2, D::IDC_FX1, D::IDC_FR1, D::IDC_FR2, D::IDC_SW, D::IDC_S_PRIME}, {}, torqueButtons},
        {"αx", typed(D::IDC_ALPHA_X, "21"), {D::IDC_FR1, D::IDC_FR2}, {}, torqueButtons},
        {"αn (printed only)", typed(D::IDC_ALPHA_N, "21"), {}, {}, {}},
        {"a'", typed(D::IDC_AW, "196"), {D::IDC_SIGMA_H, D::IDC_SH}, {}, contactButtons},
        {"m", typed(D::IDC_M, "8.5"), {D::IDC_SW, D::IDC_DELTA_LIM, D::IDC_S_PRIME}, {}, {D::IDC_S_PRIME_BUTTON}},
        {"ρ trackbar", dragged(D::IDC_RHO_BAR, 0), fromTorque, {}, with({D::IDC_T1_BUTTON}, torqueButtons)},
        {"η1 trackbar", dragged(D::IDC_ETA1_BAR, 40), fromTorque, {}, with({D::IDC_T1_BUTTON}, torqueButtons)},
        {"η2 trackbar", dragged(D::IDC_ETA2_BAR, 50), fromTorque, {}, with({D::IDC_T1_BUTTON}, torqueButtons)},
        {"η3 trackbar", dragged(D::IDC_ETA3_BAR, 50), fromTorque, {}, with({D::IDC_T1_BUTTON}, torqueButtons)},
        {"rolling bearings", clicked(D::IDC_ROLLING), fromTorque, {}, with({D::IDC_T1_BUTTON}, torqueButtons)},
        {"worm below", clicked(D::IDC_WORM_BELOW), fromTorque, {}, with({D::IDC_T1_BUTTON}, torqueButtons)},
        {"ZE (material dialog)", material(D::IDC_ZE_BUTTON, 2), {D::IDC_SIGMA_H, D::IDC_SIGMA_HP, D::IDC_SH},
         {D::IDC_ZE, D::IDC_SIGMA_HLIM}, contactButtons},
        {"Zh (life-factor dialog)",
         [](Running& d, fwtest::Session& s) {
             s.onDialog(CCwZhDlg::IDD, [](Running& z) {
                 z.type(CCwZhDlg::IDC_HOURS, "40000");
                 z.leave();
                 z.click(IDOK);
             });
             d.click(D::IDC_ZH_BUTTON);
         },
         {D::IDC_SIGMA_HP, D::IDC_SH}, {D::IDC_ZH}, contactButtons},
        {"Zρ (contact chart)",
         [](Running& d, fwtest::Session& s) {
             s.onDialog(CCwZloDlg1::IDD, [](Running& c) {
                 c.drag(CCwZloDlg::IDC_VERT, 30);
                 c.click(IDOK);
             });
             d.click(D::IDC_ZRHO_BUTTON);
         },
         {D::IDC_SIGMA_H, D::IDC_SH}, {D::IDC_ZRHO}, contactButtons},
        {"KA (service-conditions dialog)",
         [](Running& d, fwtest::Session& s) {
             s.onDialog(CCwKaDlg::IDD, [](Running& k) {
                 k.click(CCwKaDlg::IDC_DRIVER_HEAVY);
                 k.click(CCwKaDlg::IDC_DRIVEN_LARGE);
                 k.click(IDOK);
             });
             d.click(D::IDC_KA_BUTTON);
         },
         {D::IDC_SIGMA_H, D::IDC_SH, D::IDC_SW}, {D::IDC_KA}, contactButtons},
        {"U (material dialog)", material(D::IDC_ULIM_BUTTON, 2), {D::IDC_SW}, {D::IDC_ULIM}, {}},
        {"span L", typed(D::IDC_SPAN, "600"), {D::IDC_S_PRIME}, {}, {}},
        {"δlim (heat-treatment dialog)",
         [](Running& d, fwtest::Session& s) {
             s.onDialog(CCwStatuDlg::IDD, [](Running& t) {
                 t.click(CCwStatuDlg::IDC_TEMPERED);
                 t.click(IDOK);
             });
             d.click(D::IDC_DELTA_LIM_BUTTON);
         },
         {D::IDC_S_PRIME}, {D::IDC_DELTA_LIM}, {}},
    };
    const ids results{D::IDC_V,  D::IDC_T1,         D::IDC_FT1,  D::IDC_FT2,     D::IDC_FX1,     D::IDC_FX2,
                      D::IDC_FR1, D::IDC_FR2,       D::IDC_ZE,   D::IDC_SIGMA_HLIM, D::IDC_ZH,   D::IDC_ZN,
                      D::IDC_ZRHO, D::IDC_KA,       D::IDC_SIGMA_H, D::IDC_SIGMA_HP, D::IDC_SH,  D::IDC_ULIM,
                      D::IDC_SW, D::IDC_E,          D::IDC_I,    D::IDC_DELTA_LIM, D::IDC_S_PRIME};
    auto holds = [](const ids& v, int id) { return std::find(v.begin(), v.end(), id) != v.end(); };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.change);
        int r = run([&](Running& d) {
            load(d, m_file);
            forcesStage(d);
            ratingStage(d);
            std::map<int, std::string> before;
            for (int id : results) before[id] = d.text(id);
            row.act(d, m_s);
            for (int id : results) {
                if (holds(row.cleared, id)) {
                    EXPECT_EQ(d.text(id), "0") << id;
                } else if (holds(row.own, id)) {
                    EXPECT_NE(d.text(id), before[id]) << id;
                } else {
                    EXPECT_EQ(d.text(id), before[id]) << id;
                }
            }
            for (int id : row.disabled) EXPECT_FALSE(d.enabled(id)) << id;
            // The verdict on the stiffness goes with S'.
            if (holds(row.cleared, D::IDC_S_PRIME)) {
                EXPECT_EQ(d.text(D::IDC_HINT).find("蜗杆刚度"), std::string::npos) << d.text(D::IDC_HINT);
            }
            if (!row.cleared.empty()) reportRefused(d);
            leave(d);
        });
        EXPECT_EQ(r, IDCANCEL);
    }
    EXPECT_FALSE(fs::exists(m_data / "chain.cwt"));
}

// Span 300 → 600, KA 1 → 2.25 and another material after a full rating: the
// old σH, SH, Sw and S' never reach the report; recomputed, the report
// prints the new ones beside the new inputs, and the stiffness verdict is
// the new S''s.
TEST_F(CCwproDlgTest, ChangedSpanFactorAndMaterialReachTheReportOnlyRecomputed) {
    int r = run([&](Running& d) {
        load(d, m_file);
        forcesStage(d);
        ratingStage(d);
        d.type(D::IDC_SPAN, "600");
        d.leave();
        m_s.onDialog(CCwKaDlg::IDD, [](Running& k) {
            k.click(CCwKaDlg::IDC_DRIVER_HEAVY);
            k.click(CCwKaDlg::IDC_DRIVEN_LARGE);
            k.click(IDOK);
        });
        d.click(D::IDC_KA_BUTTON);
        m_s.onDialog(CCwMetDlg::IDD, [](Running& m) {
            m.click(CCwMetDlg::kRowIds[2]);
            m.click(IDOK);
        });
        d.click(D::IDC_ZE_BUTTON);
        EXPECT_EQ(d.text(D::IDC_KA), "2.25");
        for (int id : {D::IDC_SIGMA_H, D::IDC_SIGMA_HP, D::IDC_SH, D::IDC_SW, D::IDC_S_PRIME})
            EXPECT_EQ(d.text(id), "0") << id;
        for (int id : {D::IDC_SH_BUTTON, D::IDC_SW_BUTTON, D::IDC_S_PRIME_BUTTON}) EXPECT_FALSE(d.enabled(id)) << id;
        m_s.expectMessage(kMsgNotCalculated);
        d.click(IDOK);
        ASSERT_FALSE(d.ended());
        d.click(D::IDC_SIGMA_H_BUTTON);
        d.click(D::IDC_SIGMA_HP_BUTTON);
        d.click(D::IDC_SH_BUTTON);
        d.click(D::IDC_SW_BUTTON);
        d.click(D::IDC_S_PRIME_BUTTON);
        // σH ∝ √KA·ZE: 148.0310·1.5·152.2/147; σ'H 231.3295·310/265; Sw 10.5504/2.25; S' 0.7896/8.
        EXPECT_NEAR(num(d, D::IDC_SIGMA_H), 148.0310 * 1.5 * 152.2 / 147, 2e-3);
        EXPECT_NEAR(num(d, D::IDC_SIGMA_HP), 231.3295 * 310 / 265, 2e-3);
        EXPECT_NEAR(num(d, D::IDC_SW), 10.5504 / 2.25, 1e-4);
        EXPECT_NEAR(num(d, D::IDC_S_PRIME), 0.7896 / 8, 1e-4);
        EXPECT_EQ(d.text(D::IDC_HINT), std::string(kHintStiffness) + "蜗杆刚度太小！");
        m_s.answerSave(m_data / "chain.cwt");
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    const auto bytes = bytesOf(m_data / "chain.cwt");
    const std::string report = fw::utf8FromGbk(std::string(bytes.begin(), bytes.end()));
    for (const char* v : {"2.25", "600.00mm", "0.10", "4.69"}) EXPECT_NE(report.find(v), std::string::npos) << v;
    EXPECT_EQ(report.find("148.03"), std::string::npos);
    EXPECT_EQ(report.find("10.55"), std::string::npos);
}

// Values that are numbers but no worm drive: the angle fields refuse 90° and
// more, γ' + ρ at 90° or above stops the speed step with its cause, and a
// torque, force or life factor that overflows stops its step; the old value
// stays and nothing is marked done.
// The power dialog and the input fields take what the records' ranges take
// (cw_ranges.h): a power of 1e308 or a speed of 1e-300 is refused at its
// field naming the range, a typed d'1 of 1e300 with the records' words.
TEST_F(CCwproDlgTest, TypedInputsOutsideTheirRangeAreRefused) {
    for (auto [power, n1, bounds] : {std::tuple{"1e308", "1450", &worm::ranges::kP},
                                     {"7.5", "1e-300", &worm::ranges::kN1}}) {
        SCOPED_TRACE(power);
        int r = run([&](Running& d) {
            load(d, m_file);
            const std::string before = d.text(D::IDC_POWER);
            m_s.onDialog(CCwNDlg::IDD, [&, power = power, n1 = n1](Running& p) {
                p.type(CCwNDlg::IDC_POWER, power);
                p.type(CCwNDlg::IDC_N1, n1);
                m_s.answerMessage(IDOK);
                p.click(IDOK);
                EXPECT_FALSE(p.ended());
                p.click(IDCANCEL);
            });
            d.click(D::IDC_POWER_BUTTON);
            ASSERT_FALSE(m_s.messages().empty());
            EXPECT_NE(m_s.messages().back().text.find(fw::numberBoundsText(bounds->bounds)), std::string::npos)
                << m_s.messages().back().text;
            EXPECT_EQ(d.text(D::IDC_POWER), before);
            leave(d);
        });
        EXPECT_EQ(r, IDCANCEL);
    }
    const struct {
        int field;
        worm::rating::Quantity q;
        double v;
    } typedCases[] = {{D::IDC_D1W, worm::rating::Quantity::D1w, 1e300},
                      {D::IDC_AW, worm::rating::Quantity::Aw, 1e-300},
                      {D::IDC_M, worm::rating::Quantity::M, 1e300},
                      {D::IDC_U, worm::rating::Quantity::U, 70.5}};
    for (const auto& c : typedCases) {
        const kavrin::Quantity& qty = *worm::rating::inputRange(c.q);
        SCOPED_TRACE(qty.name);
        int r = run([&](Running& d) {
            load(d, m_file);
            const std::string before = d.text(c.field);
            m_s.expectMessage(std::string(qty.name) + worm::ranges::rangeRule(qty) + "！");
            d.type(c.field, fw::formatNumber(c.v));
            d.leave();
            EXPECT_EQ(d.text(c.field), before);
            leave(d);
        });
        EXPECT_EQ(r, IDCANCEL);
    }
}

// The span L takes 1 to 10⁷ mm: a span beyond any worm shaft is refused as
// it leaves its field, naming 跨距 L and that range, and put back; the
// stiffness step then waits and no report is written. Each bound is taken
// and rated (S' falls with L³: 0.7896·(300/L)³).
TEST_F(CCwproDlgTest, SpanOutsideItsRangeIsRefusedAtItsField) {
    const std::string rangeRefusal = "跨距 L应在1～10000000mm之间！";
    int r = run([&](Running& d) {
        load(d, m_file);
        forcesStage(d);
        for (const char* typed : {"1e16", "1e300", "10000000.01", "0.999"}) {
            SCOPED_TRACE(typed);
            m_s.expectMessage(rangeRefusal);
            d.type(D::IDC_SPAN, typed);
            d.leave();
            EXPECT_EQ(d.text(D::IDC_SPAN), "0");
            EXPECT_EQ(d.focused(), D::IDC_SPAN);
        }
        EXPECT_EQ(m_s.messages().back().icon, fw::MessageIcon::Exclamation);
        d.focus(D::IDC_TITLE);
        ratingStage(d);   // the span 300 on the way
        for (const char* typed : {"1e16", "-5"}) {
            SCOPED_TRACE(typed);
            m_s.expectMessage(typed[0] == '-' ? kMsgSpan : rangeRefusal.c_str());
            d.type(D::IDC_SPAN, typed);
            d.leave();
            EXPECT_EQ(d.text(D::IDC_SPAN), "300");
            EXPECT_NEAR(num(d, D::IDC_S_PRIME), 0.7896, 5e-5);
        }
        d.focus(D::IDC_TITLE);
        for (auto [typed, sPrime] : {std::pair{"10000000", 0.7896 * 2.7e-14}, {"1", 0.7896 * 2.7e7}}) {
            SCOPED_TRACE(typed);
            d.type(D::IDC_SPAN, typed);
            d.leave();
            EXPECT_EQ(d.text(D::IDC_SPAN), typed);
            EXPECT_EQ(d.text(D::IDC_S_PRIME), "0");
            d.click(D::IDC_S_PRIME_BUTTON);
            EXPECT_NEAR(num(d, D::IDC_S_PRIME) / sPrime, 1, 1e-4);
        }
        d.type(D::IDC_SPAN, "10000000");
        d.leave();
        d.click(D::IDC_S_PRIME_BUTTON);
        m_s.answerSave(m_data / "chain.cwt");
        d.click(IDOK);
    });
    ASSERT_EQ(r, IDOK);
    const auto bytes = bytesOf(m_data / "chain.cwt");
    const std::string report = fw::utf8FromGbk(std::string(bytes.begin(), bytes.end()));
    EXPECT_NE(report.find("L=                                     10000000.00mm"), std::string::npos) << report;
    EXPECT_NE(report.find("蜗杆刚度校验"), std::string::npos);
}

// Every step rated but the stiffness, the span typed beyond any worm shaft:
// refused, so the stiffness step stays disabled and the report is refused
// with nothing written.
TEST_F(CCwproDlgTest, RefusedSpanLeavesNoReport) {
    int r = run([&](Running& d) {
        load(d, m_file);
        forcesStage(d);
        ratingStage(d, false);
        EXPECT_EQ(d.text(D::IDC_HINT), kHintBendingSafety);
        m_s.expectMessage("跨距 L应在1～10000000mm之间！");
        d.type(D::IDC_SPAN, "1e16");
        d.leave();
        EXPECT_EQ(d.text(D::IDC_SPAN), "0");
        EXPECT_FALSE(d.enabled(D::IDC_S_PRIME_BUTTON));
        d.focus(D::IDC_TITLE);
        reportRefused(d);
        leave(d);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_FALSE(fs::exists(m_data / "chain.cwt"));
}

TEST_F(CCwproDlgTest, ResultsThatAreNoNumberStopTheirStep) {
    struct Case {
        const char* what;
        std::function<void(Running&, fwtest::Session&)> act;
        std::string message;
        int field;            // shows `shown` afterwards
        const char* shown;
    };
    auto power = [](const char* n, const char* n1, const char* d1w, bool forces) {
        return [n, n1, d1w, forces](Running& d, fwtest::Session& s) {
            if (d1w) {
                d.type(D::IDC_D1W, d1w);
                d.leave();
            }
            s.onDialog(CCwNDlg::IDD, [n, n1](Running& p) {
                p.type(CCwNDlg::IDC_POWER, n);
                p.type(CCwNDlg::IDC_N1, n1);
                p.click(IDOK);
            });
            d.click(D::IDC_POWER_BUTTON);
            d.click(D::IDC_V_BUTTON);
            d.click(D::IDC_EFFICIENCY_OK);
            d.click(D::IDC_T1_BUTTON);
            if (forces) d.click(D::IDC_FT1_BUTTON);
        };
    };
    auto life = [](const char* hours, const char* duty) {
        return [hours, duty](Running& d, fwtest::Session& s) {
            s.onDialog(CCwZhDlg::IDD, [hours, duty](Running& z) {
                z.type(CCwZhDlg::IDC_HOURS, hours);
                z.type(CCwZhDlg::IDC_DUTY, duty);
                z.click(IDOK);
                EXPECT_FALSE(z.ended());
                z.click(IDCANCEL);
            });
            d.click(D::IDC_ZH_BUTTON);
        };
    };
    auto typed = [](int id, const char* t) {
        return [id, t](Running& d, fwtest::Session&) {
            d.type(id, t);
            d.leave();
        };
    };
    const std::vector<Case> cases{
        {"γ' 90", typed(D::IDC_GAMMA_W, "90"), "γ'应在0°～90°之间！", D::IDC_GAMMA_W, nullptr},
        {"γ' 1e308", typed(D::IDC_GAMMA_W, "1e308"), "γ'应在0°～90°之间！", D::IDC_GAMMA_W,
         nullptr},
        {"αn 90", typed(D::IDC_ALPHA_N, "90"), "αn应在0°～90°之间！", D::IDC_ALPHA_N, nullptr},
        {"αx 95", typed(D::IDC_ALPHA_X, "95"), "αx应在0°～90°之间！", D::IDC_ALPHA_X, nullptr},
        // v ≈ 618 m/s: ρ 0.83, γ' + ρ = 90.33°.
        {"γ' + ρ above 90°",
         [](Running& d, fwtest::Session&) {
             d.type(D::IDC_GAMMA_W, "89.5");
             d.leave();
             d.click(D::IDC_V_BUTTON);
         },
         kMsgLeadPlusFriction, D::IDC_V, "0"},
        // The largest power at the slowest speed on the thinnest worm: T1
        // about 10¹¹ N·m, Ft1 about 10¹⁷ N, which no report holds.
        {"N 1e5 at 0.01 r/min, d'1 0.001: Ft1 1.9e17", power("100000", "0.01", "0.001", true),
         "计算结果无效：圆周力 Ft1超出数值范围！", D::IDC_FT1, "0"},
        {"Lh = q = 1e-200: Zh inf", life("1e-200", "1e-200"), kMsgLifeFactor, D::IDC_ZH, "0"},
        {"Lh 1e308, q 100: Zh 0", life("1e308", "100"), kMsgLifeFactor, D::IDC_ZH, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int r = run([&](Running& d) {
            load(d, m_file);
            if (c.field == D::IDC_ZH) forcesStage(d);
            const std::string before = d.text(c.field);
            m_s.expectMessage(c.message);
            c.act(d, m_s);
            EXPECT_EQ(d.text(c.field), c.shown ? std::string(c.shown) : before);
            if (c.field == D::IDC_T1 || c.field == D::IDC_FT1) {
                EXPECT_FALSE(d.enabled(D::IDC_ZE_BUTTON));
            }
            leave(d);
        });
        EXPECT_EQ(r, IDCANCEL);
    }
    // The worm gear driving a self-locking pair keeps its own message.
    EXPECT_NE(std::string(kMsgLeadPlusFriction), kMsgSelfLocking);
}

}  // namespace
