// The custom tooth-profile designer through the scripted backend, and its
// command in the shell. Start values and figures as in calc_cex_designer_test
// (worked out by hand).
#include <gtest/gtest.h>

#include <functional>

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
