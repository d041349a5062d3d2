// The custom tooth-profile designer through the scripted backend, and its
// command in the shell. Start values and figures as in calc_cex_designer_test
// (worked out by hand).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "cex_test_support.h"
#include "cycloid/dorrith_dlg.h"
#include "cycloid/parametdlg.h"
#include "fw/format.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"
#include "shell/command_table.h"
#include "shell/kavrin_app.h"
#include "shell/kavrin_view.h"
#include "shell/tests/shell_fixture.h"

using namespace cycloid;
using namespace cextest;
using D = CDorrithDlg;

namespace {

class DorrithTest : public ::testing::Test {
protected:
    void SetUp() override { dir = freshDir(::testing::UnitTest::GetInstance()->current_test_info()->name()); }
    int run(const std::function<void(fwtest::Running&, D&)>& script) {
        D dlg;
        s.onDialog(D::IDD, [&](fwtest::Running& r) {
            script(r, dlg);
            if (!r.ended()) r.end(IDCANCEL);
        });
        int code = dlg.DoModal();
        reportPath = dlg.m_strReportPath;
        return code;
    }
    static void put(fwtest::Running& r, int id, const char* text) {
        r.type(id, text);
        r.focus(D::IDC_PARAMS);   // a button: taking the focus there runs no handler
    }
    fwtest::Session s;
    std::filesystem::path dir;
    std::string reportPath;
};

TEST_F(DorrithTest, StartValuesAndModes) {
    run([&](fwtest::Running& r, D& d) {
        EXPECT_NEAR(d.m_dp, 18.5714, 5e-5);
        EXPECT_NEAR(d.m_dPin, 6.1905, 5e-5);
        EXPECT_EQ(r.text(D::IDC_K1), "0.42");
        EXPECT_EQ(r.text(D::IDC_I), "5");
        EXPECT_EQ(r.text(D::IDC_HINT), D::kModeTexts[0]);
        EXPECT_FALSE(r.enabled(D::IDC_CALC));
        EXPECT_FALSE(r.enabled(fw::IDOK));
        put(r, D::IDC_ZC, "11");
        EXPECT_EQ(d.m_Zp, 12u);
        r.click(D::IDC_MODE0 + 4);
        EXPECT_EQ(d.m_Zc, 5u);   // a mode starts again from the start values
        EXPECT_EQ(r.text(D::IDC_HINT), D::kModeTexts[4]);
        EXPECT_TRUE(r.enabled(D::IDC_DRRP));
        EXPECT_TRUE(r.enabled(D::IDC_DRP));
        EXPECT_FALSE(r.enabled(D::IDC_DELTA));
        EXPECT_EQ(d.m_bits, 1);
        r.click(D::IDC_MODE0 + 1);
        EXPECT_TRUE(r.enabled(D::IDC_DELTA));
        EXPECT_FALSE(r.enabled(D::IDC_DRRP));
        EXPECT_EQ(d.m_bits, 2 | 4);
    });
}

TEST_F(DorrithTest, Handlers) {
    run([&](fwtest::Running& r, D& d) {
        s.expectMessage("本程序只是用一齿差行星摆线传动，摆线轮齿数调整为奇数。");
        put(r, D::IDC_ZC, "10");
        EXPECT_EQ(d.m_Zc, 11u);
        EXPECT_EQ(d.m_Zp, 12u);
        s.expectMessage("本程序只是用一齿差行星摆线传动，针齿数调整为偶数。");
        put(r, D::IDC_ZP, "13");
        EXPECT_EQ(d.m_Zp, 14u);
        EXPECT_EQ(d.m_Zc, 13u);
        put(r, D::IDC_ZC, "89");
        EXPECT_EQ(d.m_Zc, 89u);
        EXPECT_NE(r.text(D::IDC_HINT).find("注意：建议摆线轮齿数不要大于87"), std::string::npos);
        // A failed range check stops the handler: nothing else changes.
        const double dp = d.m_dp;
        s.expectMessage(fw::format("摆线轮齿数 Zc：请输入 %d 到 %d 之间的整数。", 5, 121).c_str());   // names its field
        put(r, D::IDC_ZC, "200");
        EXPECT_NEAR(d.m_dp, dp, 1e-9);
        put(r, D::IDC_ZC, "11");
        // dp giving K1 1.02 is refused and K1 kept.
        put(r, D::IDC_ZC, "5");
        const double k1 = d.m_K1;
        s.expectMessage("影响短幅系数K1取值太大，或影响针齿分布太密，未调整其它参数为适宜值之前不宜减小针齿圆直径！");
        put(r, D::IDC_DP, fw::format("%.15g", 2 * 6 * 0.65 / 1.02).c_str());
        EXPECT_DOUBLE_EQ(d.m_K1, k1);
        s.expectMessage("影响短幅系数K1取值太小，未调整其它参数为适宜值之前不宜增大针齿圆直径！");
        put(r, D::IDC_DP, "30");
        // A pin too thick for its pitch: the notices.
        s.expectMessage("请注意针齿可的结构强度是否可靠，若不合适，请重新调整针齿圆直径dp、\n针齿直径drp、中心距a或重新选择合适的K1值。");
        put(r, D::IDC_DPIN, "8");   // the box keeps the focus there; leaving it unchanged asks nothing more
        s.expectMessage("请注意针齿壳的结构强度是否可靠，若不合适，请重新调整针齿圆直径dp、\n针齿直径drp、中心距a或重新选择合适的K1值。");
        put(r, D::IDC_A, "0.66");
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(DorrithTest, ModeFourNeedsAPositiveDifference) {
    run([&](fwtest::Running& r, D& d) {
        r.click(D::IDC_MODE0 + 4);
        put(r, D::IDC_DRRP, "0.05");
        s.expectMessage("修形齿廓将造成径向配合过盈，修形量应保证Δrrp-Δrp>0");
        put(r, D::IDC_DRP, "0.05");
        EXPECT_DOUBLE_EQ(d.m_drp, 0);
        EXPECT_DOUBLE_EQ(d.m_dj, 0);
        EXPECT_FALSE(r.enabled(D::IDC_CALC));
        put(r, D::IDC_DRP, "0.02");
        EXPECT_NEAR(d.m_dj, 0.03, 1e-12);
        EXPECT_TRUE(r.enabled(D::IDC_CALC));
    });
    EXPECT_TRUE(s.allUsed());
}

// The side clearances as the designer defines them, written out here.
double sideA(double dp, double a, double pin, unsigned Zc, double drp) {
    const double beta = 3.141592654 / (2 * Zc), e = dp / 2 - a - drp;
    const double h = (2 * e * std::cos(beta) - std::sqrt(pin * pin - std::pow(2 * e * std::sin(beta), 2))) / 2;
    return 2 * std::sqrt((e + drp) * (e + drp) + h * h - 2 * h * (e + drp) * std::cos(beta)) - pin;
}
double sideB(double dp, double a, double pin, unsigned Zc, double drp, double drrp) {
    const double beta = 3.141592654 / (2 * Zc), A = drp + dp / 2 - a;
    const double h = (2 * A * std::cos(beta) - std::sqrt(std::pow(2 * (drrp + pin / 2), 2) - std::pow(2 * A * std::sin(beta), 2))) / 2;
    return 2 * std::sqrt((A - drp) * (A - drp) + h * h - 2 * h * (A - drp) * std::cos(beta)) - pin;
}

// Every input the calculation reads, in every mode that has a modification
// (the inputs of Δc and of the rod measurement): after a calculation, an
// accepted change clears the results, disables the point file and the
// report, and Δc, Δj follow the new inputs; calculating again brings the
// results back.
TEST_F(DorrithTest, EveryInputMakesTheResultsStale) {
    struct Mode {
        int mode;
        std::vector<std::pair<int, const char*>> setUp;   // the modification
    };
    const Mode modes[] = {
        {1, {{D::IDC_DELTA, "0.5"}}},
        {2, {{D::IDC_DRRP, "0.1"}}},
        {3, {{D::IDC_DRP, "0.3"}}},
        {4, {{D::IDC_DRRP, "0.1"}, {D::IDC_DRP, "0.05"}}},
    };
    struct Input {
        int id;
        const char* text;
        int onlyMode;   // 0: every mode
    };
    const Input inputs[] = {
        {D::IDC_ZC, "7", 0},      {D::IDC_ZP, "10", 0},     {D::IDC_DP, "19", 0},     {D::IDC_DPIN, "5.8", 0},
        {D::IDC_A, "0.7", 0},     {D::IDC_DELTA, "0.4", 1}, {D::IDC_DRRP, "0.12", 2}, {D::IDC_DRP, "0.25", 3},
        {D::IDC_DRRP, "0.12", 4}, {D::IDC_DRP, "0.04", 4},
    };
    for (const Mode& m : modes) {
        for (const Input& in : inputs) {
            if (in.onlyMode != 0 && in.onlyMode != m.mode) continue;
            SCOPED_TRACE(fw::format("mode %d, field %d = %s", m.mode, in.id, in.text));
            fwtest::Session session;
            D dlg;
            session.onDialog(D::IDD, [&](fwtest::Running& r) {
                r.click(D::IDC_MODE0 + m.mode);
                put(r, D::IDC_DPIN, "6");   // clear of the pin-spacing notice
                for (auto [id, text] : m.setUp) put(r, id, text);
                r.click(D::IDC_CALC);
                ASSERT_TRUE(dlg.m_calculated);
                ASSERT_GT(dlg.m_Lm, 0);
                ASSERT_TRUE(r.enabled(D::IDC_EXPORT));
                put(r, in.id, in.text);
                for (int id : {D::IDC_DA, D::IDC_DF, D::IDC_DM, D::IDC_LM, D::IDC_RL}) EXPECT_EQ(r.text(id), "0") << id;
                EXPECT_FALSE(dlg.m_calculated);
                EXPECT_FALSE(r.enabled(D::IDC_EXPORT));
                EXPECT_FALSE(r.enabled(fw::IDOK));
                r.click(fw::IDOK);   // no report without a new calculation and export
                EXPECT_FALSE(r.ended());
                const double dp = dlg.m_dp, a = dlg.m_a, pin = dlg.m_dPin;
                double dc = 0, dj = 0;
                switch (m.mode) {
                case 1: dc = dlg.m_delta * dp * 3.141592654 / 180; break;
                case 2: dc = 2 * dlg.m_drrp, dj = dlg.m_drrp; break;
                case 3: dc = sideA(dp, a, pin, dlg.m_Zc, dlg.m_drp), dj = dlg.m_drp; break;
                default: dc = sideB(dp, a, pin, dlg.m_Zc, dlg.m_drp, dlg.m_drrp), dj = dlg.m_drrp - dlg.m_drp; break;
                }
                EXPECT_NEAR(dlg.m_dc, dc, 1e-12);
                EXPECT_NEAR(dlg.m_dj, dj, 1e-12);
                r.click(D::IDC_CALC);
                EXPECT_TRUE(dlg.m_calculated);
                EXPECT_GT(dlg.m_Lm, 0);
                EXPECT_TRUE(r.enabled(D::IDC_EXPORT));
                r.end(IDCANCEL);
            });
            dlg.DoModal();
            EXPECT_TRUE(session.allUsed());
        }
    }
}

// The modification mode is an input too: choosing another one after a
// calculation clears the results until the new mode is calculated.
TEST_F(DorrithTest, AnotherModeMakesTheResultsStale) {
    struct Change {
        int from, to;
        std::vector<std::pair<int, const char*>> setUp;   // the modification calculated first
    };
    const Change changes[] = {
        {0, 1, {}},
        {1, 0, {{D::IDC_DELTA, "0.5"}}},
        {2, 0, {{D::IDC_DRRP, "0.1"}}},
        {3, 0, {{D::IDC_DRP, "0.3"}}},
        {4, 0, {{D::IDC_DRRP, "0.1"}, {D::IDC_DRP, "0.05"}}},
    };
    for (const Change& c : changes) {
        const int from = c.from, to = c.to;
        SCOPED_TRACE(fw::format("mode %d to %d", from, to));
        fwtest::Session session;
        D dlg;
        session.onDialog(D::IDD, [&](fwtest::Running& r) {
            r.click(D::IDC_MODE0 + from);
            put(r, D::IDC_DPIN, "6");
            for (auto [id, text] : c.setUp) put(r, id, text);
            r.click(D::IDC_CALC);
            ASSERT_TRUE(dlg.m_calculated);
            r.click(D::IDC_MODE0 + to);
            for (int id : {D::IDC_DA, D::IDC_DF, D::IDC_DM, D::IDC_LM, D::IDC_RL}) EXPECT_EQ(r.text(id), "0") << id;
            EXPECT_FALSE(dlg.m_calculated);
            EXPECT_FALSE(r.enabled(D::IDC_EXPORT));
            r.end(IDCANCEL);
        });
        dlg.DoModal();
    }
}

// The two cases found: mode 1 with δ and then Zc; mode 4 with a changed.
TEST_F(DorrithTest, SideClearanceFollowsItsInputs) {
    run([&](fwtest::Running& r, D& d) {
        r.click(D::IDC_MODE0 + 1);
        put(r, D::IDC_DELTA, "0.5");
        EXPECT_NEAR(d.m_dc, 0.5 * 18.5714286 * 3.141592654 / 180, 1e-7);   // 0.16207
        put(r, D::IDC_ZC, "11");   // dp = 2·0.65·12/0.42 = 37.1429
        EXPECT_NEAR(d.m_dp, 37.1428571, 1e-7);
        EXPECT_NEAR(d.m_dc, 0.5 * 37.1428571 * 3.141592654 / 180, 1e-7);   // 0.32413
        r.click(D::IDC_CALC);
        s.answerSave(dir / "m1");
        r.click(D::IDC_EXPORT);
        s.answerSave(dir / "m1.cxt");
        s.expectMessage(fw::format("报告文件已存为%s！", (dir / "m1.cxt").string().c_str()));
        r.click(fw::IDOK);
    });
    auto b = fileBytes(dir / "m1.cxt");
    std::string text = fw::utf8FromGbk(std::string(b.begin(), b.end()));
    EXPECT_NE(text.find("Δc =                                   0.3241 mm"), std::string::npos);
    run([&](fwtest::Running& r, D& d) {
        r.click(D::IDC_MODE0 + 4);
        put(r, D::IDC_DPIN, "6");
        put(r, D::IDC_DRRP, "0.1");
        put(r, D::IDC_DRP, "0.05");
        const double before = d.m_dc;
        EXPECT_NEAR(before, sideB(d.m_dp, 0.65, 6, 5, 0.05, 0.1), 1e-12);
        put(r, D::IDC_A, "0.5");
        EXPECT_NEAR(d.m_dc, sideB(d.m_dp, 0.5, 6, 5, 0.05, 0.1), 1e-12);
        EXPECT_GT(std::fabs(d.m_dc - before), 1e-3);
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(DorrithTest, ThinPinShowsNoSideClearance) {
    run([&](fwtest::Running& r, D& d) {
        r.click(D::IDC_MODE0 + 3);
        put(r, D::IDC_ZC, "11");
        put(r, D::IDC_A, "4");    // K1 = 2·4·12/dp
        put(r, D::IDC_DP, "200");
        put(r, D::IDC_DPIN, "20");
        put(r, D::IDC_DRP, "0.3");
        EXPECT_FALSE(d.m_dcAvailable);
        EXPECT_DOUBLE_EQ(d.m_dc, 0);
        EXPECT_EQ(r.text(D::IDC_DC), "—");
        EXPECT_NEAR(d.m_dj, 0.3, 1e-12);
    });
}

TEST_F(DorrithTest, CalculateExportAndReport) {
    fwtest::Installation inst{"dorrith"};
    const int code = run([&](fwtest::Running& r, D& d) {
        put(r, D::IDC_A, "0.66");   // an input brings the bits up
        put(r, D::IDC_A, "0.65");
        ASSERT_TRUE(r.enabled(D::IDC_CALC));
        r.click(D::IDC_CALC);
        EXPECT_NEAR(d.m_da, 13.681, 5e-4);
        EXPECT_NEAR(d.m_df, 11.081, 5e-4);
        EXPECT_DOUBLE_EQ(d.m_dm, 15);
        EXPECT_NEAR(d.m_phim, 49.998, 5e-4);
        EXPECT_NEAR(d.m_RL, 13.098, 5e-4);
        EXPECT_NEAR(d.m_Lm, 39.913, 5e-4);
        EXPECT_TRUE(r.enabled(D::IDC_EXPORT));
        EXPECT_FALSE(r.enabled(fw::IDOK));
        // Enter before an export writes nothing.
        r.enter();
        EXPECT_FALSE(r.ended());
        // Export: Cancel writes nothing, a name without extension gets it.
        s.cancelFile();
        r.click(D::IDC_EXPORT);
        EXPECT_FALSE(r.enabled(fw::IDOK));
        std::filesystem::create_directories(dir / "work.old");
        s.answerSave(dir / "work.old" / "gear");
        r.click(D::IDC_EXPORT);
        EXPECT_EQ(fileBytes(dir / "work.old" / "gear.PDA").size(), 6896u);
        EXPECT_TRUE(r.enabled(fw::IDOK));
        // Any input disables export and finish again.
        put(r, D::IDC_A, "0.66");
        EXPECT_FALSE(r.enabled(D::IDC_EXPORT));
        EXPECT_FALSE(r.enabled(fw::IDOK));
        put(r, D::IDC_A, "0.65");
        r.click(D::IDC_CALC);
        s.answerSave(dir / "x.y.pda");
        s.expectMessage("自定义设计摆线齿廓数据文件指定以“.PDA”格式文件存盘！");
        r.click(D::IDC_EXPORT);
        EXPECT_TRUE(std::filesystem::exists(dir / "x.PDA"));
        // The report: Cancel keeps the dialog; a folder that is missing fails; then it is written.
        s.cancelFile();
        r.click(fw::IDOK);
        EXPECT_FALSE(r.ended());
        s.answerSave(dir / "none" / "r.cxt");
        s.expectMessage(D::kMsgReportError);
        r.click(fw::IDOK);
        EXPECT_FALSE(r.ended());
        s.answerSave(dir / "report");
        s.expectMessage(fw::format("报告文件已存为%s！", (dir / "report.cxt").string().c_str()));
        r.click(fw::IDOK);
        EXPECT_TRUE(r.ended());
    });
    EXPECT_EQ(code, IDOK);
    EXPECT_EQ(reportPath, (dir / "report.cxt").string());
    auto b = fileBytes(dir / "report.cxt");
    std::string text = fw::utf8FromGbk(std::string(b.begin(), b.end()));
    EXPECT_NE(text.find("无修形的理论齿廓\r\n"), std::string::npos);
    EXPECT_NE(text.find("Lm =                                    39.913 mm\r\n"), std::string::npos);
    // The point file and the report dialogs open in the data folder, titled
    // by what they save.
    ASSERT_EQ(s.files().size(), 6u);
    for (const auto& f : s.files()) {
        EXPECT_EQ(f.request.folder, inst.data());
        EXPECT_EQ(f.request.title, f.request.defaultExt == "PDA" ? "《Ondrel》保存自定义摆线齿廓数据文件"
                                                                 : "《Ondrel》保存自定义摆线齿廓报告文件");
    }
    EXPECT_TRUE(s.allUsed());
}

TEST_F(DorrithTest, ImpossibleEccentricityIsAnError) {
    run([&](fwtest::Running& r, D& d) {
        put(r, D::IDC_A, "1.6");
        EXPECT_GT(d.m_K1m, 1);
        s.expectMessage(D::kMsgCalcError);
        r.click(D::IDC_CALC);
        EXPECT_DOUBLE_EQ(d.m_dm, 0);
        EXPECT_FALSE(r.enabled(D::IDC_EXPORT));
    });
    EXPECT_TRUE(s.allUsed());
}

TEST_F(DorrithTest, RecommendationTable) {
    run([&](fwtest::Running& r, D&) {
        s.onDialog(ParametDlg::IDD, [](fwtest::Running& p) {
            auto rows = p.rows(ParametDlg::IDC_TABLE);
            ASSERT_EQ(rows.size(), 1u);
            EXPECT_EQ(rows[0][0], " K1:");
            EXPECT_EQ(rows[0][4], "0.75～0.9");
            p.click(IDOK);
        });
        r.click(D::IDC_PARAMS);
    });
    EXPECT_TRUE(s.allUsed());
}

class DorrithShellTest : public ShellTest {};

TEST_F(DorrithShellTest, TheCommandShowsTheReportAfterOk) {
    CKavrinApp a;
    ASSERT_TRUE(a.InitInstance());
    app.key("Escape");
    const CalculatorCommand* c = findCommand(32796);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->available);
    s.onDialog(D::IDD, [&](fwtest::Running& r) {
        r.type(D::IDC_A, "0.66");
        r.focus(D::IDC_DP);
        r.click(D::IDC_CALC);
        s.answerSave(dir / "gear");
        r.click(D::IDC_EXPORT);
        s.answerSave(dir / "gear");
        s.expectMessage(fw::format("报告文件已存为%s！", (dir / "gear.cxt").string().c_str()));
        r.click(fw::IDOK);
    });
    c->run(dynamic_cast<CKavrinView&>(*app.activeView()));
    EXPECT_EQ(app.activeTitle(), (dir / "gear.cxt").string());
}

}  // namespace
