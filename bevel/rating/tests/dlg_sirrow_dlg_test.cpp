// The bevel rating dialog run headless: the pair typed in, torque and forces
// (values worked by hand, π 3.141592654), the mends of the entries and the
// gear radios, a load of the geometry fixture and the loads that fail, the
// date edit, the report name rules and an appended second report, the factor
// buttons' mends (a chart never read, Cancel, stale column results, the form
// factor on a gear change), and Cancel.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>

#include "bevel/rating/sirrow_chart_dlgs.h"
#include "bevel/rating/sirrow_dlg.h"
#include "bevel/rating/sirrow_option_dlgs.h"
#include "bevel/rating/sirrow_wyf_dlg.h"
#include "fw/clock.h"
#include "fwtest/installation.h"
#include "fwtest/script.h"

using fwtest::Running;
using D = CSirrowDlg;

namespace {

class SirrowDlgTest : public ::testing::Test {
protected:
    fwtest::Installation inst{"sirrow_dlg"};
    fwtest::Session s;
    void TearDown() override { EXPECT_TRUE(s.allUsed()); }
};

// The example pair typed in: m 5, Z1 17, Z2 43, αn 20°, βm 35°, εα 1.25,
// εβ 1.8, b 34, R 115.59, φR 0.2941, δ1 21.5729°, δ2 68.4271°.
void typePair(Running& d) {
    const std::pair<int, const char*> entries[] = {
        {D::IDC_M, "5"},          {D::IDC_Z1, "17"},         {D::IDC_Z2, "43"},         {D::IDC_ALPHA, "20"},
        {D::IDC_BETA, "35"},      {D::IDC_EPS_ALPHA, "1.25"}, {D::IDC_EPS_BETA, "1.8"}, {D::IDC_B, "34"},
        {D::IDC_R, "115.59"},     {D::IDC_PHIR, "0.2941"},   {D::IDC_DELTA1, "21.5729"}, {D::IDC_DELTA2, "68.4271"},
    };
    for (auto [id, text] : entries) {
        d.type(id, text);
        d.leave();
    }
}

std::string readBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(SirrowDlgTest, TorqueForcesAndTheGearRadioBeforeThem) {
    s.onDialog(D::IDD, [this](Running& d) {
        auto& dlg = static_cast<D&>(d.dialog());
        EXPECT_FALSE(d.enabled(D::IDC_FORCES));
        EXPECT_FALSE(d.enabled(D::IDC_KA));
        // A gear radio before the forces only stores the choice (no chart runs).
        d.click(D::IDC_GEAR);
        EXPECT_EQ(dlg.m_nGear, 1);
        d.click(D::IDC_PINION);
        typePair(d);
        EXPECT_FALSE(d.enabled(D::IDC_FORCES));  // T and n1 still missing
        // Torque: n 960, P 25 → T 9550·25/960 = 248.6979, T2 = T·43/17 = 629.0594.
        s.onDialog(9001, [](Running& t) {
            t.type(1263, "960");  // speed
            t.type(1262, "25");   // power
            t.click(IDOK);
        });
        d.click(D::IDC_TORQUE);
        EXPECT_NEAR(dlg.m_dT, 248.6979, 5e-5);
        EXPECT_NEAR(dlg.m_dT2, 629.0594, 5e-5);
        EXPECT_EQ(dlg.m_dN1, 960);
        EXPECT_TRUE(d.enabled(D::IDC_FORCES));
        // T 250 typed: T2 follows.
        d.type(D::IDC_T, "250");
        d.leave();
        EXPECT_NEAR(dlg.m_dT2, 250.0 * 43 / 17, 1e-9);
        // Forces, arrangement 1: Ftm 6896.4804, Fr1 1074.0937, Fr2 5617.3908.
        s.onDialog(9002, [](Running& a) {
            a.click(4296);
            a.click(IDOK);
        });
        d.click(D::IDC_FORCES);
        EXPECT_NEAR(dlg.m_dFtm, 6896.4804, 5e-4);
        EXPECT_NEAR(dlg.m_dFr1, 1074.0937, 5e-4);
        EXPECT_NEAR(dlg.m_dFr2, 5617.3908, 5e-4);
        EXPECT_NEAR(dlg.m_dFx1, 5617.3908, 5e-4);
        EXPECT_NEAR(dlg.m_dFx2, 1074.0937, 5e-4);
        EXPECT_NEAR(dlg.m_dZM, 1.0370, 5e-5);
        EXPECT_TRUE(d.enabled(D::IDC_KA));
        EXPECT_TRUE(d.enabled(D::IDC_YX));
        // Yx at once: m 5 → 0.7408.
        d.click(D::IDC_YX);
        EXPECT_NEAR(dlg.m_dYx, 0.7408, 5e-5);
        // A changed face width marks the forces and the geometry factors stale.
        d.type(D::IDC_B, "30");
        d.leave();
        EXPECT_EQ(dlg.m_dFtm, 0);
        EXPECT_EQ(dlg.m_dYx, 0);
        EXPECT_FALSE(d.enabled(D::IDC_KA));
        d.end(IDCANCEL);
    });
    D dlg;
    dlg.DoModal();
}

TEST_F(SirrowDlgTest, PhiRTwoIsRefusedAtTheForces) {
    s.onDialog(D::IDD, [this](Running& d) {
        auto& dlg = static_cast<D&>(d.dialog());
        typePair(d);
        d.type(D::IDC_PHIR, "2.0");
        d.leave();
        d.type(D::IDC_T, "250");
        d.leave();
        d.type(D::IDC_N1, "960");
        d.leave();
        s.expectMessage("输入的数值非法!");
        d.click(D::IDC_FORCES);
        EXPECT_EQ(dlg.m_dFtm, 0);
        EXPECT_FALSE(d.enabled(D::IDC_KA));
        d.end(IDCANCEL);
    });
    D dlg;
    dlg.DoModal();
}

TEST_F(SirrowDlgTest, LoadFillsTheEntriesAndTheForcesWaitForTheLoad) {
    const auto fixture =
        std::filesystem::path(KAVRIN_SOURCE_DIR) / "bevel/geometry/tests/fixtures/conegeom_example.cng";
    const auto design = inst.data("pair.v2.cng");
    std::filesystem::copy_file(fixture, design);
    s.answerOpen(design);
    s.onDialog(D::IDD, [](Running& d) {
        auto& dlg = static_cast<D&>(d.dialog());
        d.click(D::IDC_LOAD);
        EXPECT_EQ(dlg.m_e.z1, 21);
        EXPECT_EQ(dlg.m_e.z2, 50);
        EXPECT_EQ(d.text(D::IDC_Z2), "50");
        EXPECT_EQ(dlg.m_e.title, "电动葫芦弧齿锥齿轮副几何");
        EXPECT_FALSE(d.enabled(D::IDC_FORCES));
        EXPECT_EQ(dlg.m_nEntryMask & (bevel::entry_bit::torque | bevel::entry_bit::n1), 0u);
        EXPECT_EQ(std::filesystem::path(dlg.m_strReportPath).filename(), "pair.v2.tng");
        d.end(IDCANCEL);
    });
    D dlg;
    dlg.DoModal();
}

TEST_F(SirrowDlgTest, ReportNameNoticeAndAppend) {
    const auto chosen = inst.data("a.b.txt");
    const auto report = inst.data("a.tng");
    for (int run = 0; run < 2; ++run) {
        s.answerSave(chosen);
        s.onDialog(D::IDD, [](Running& d) { d.click(IDOK); });
        s.expectMessage("所指定的文件名不是有效格式，现以" + report.string() + "文件名保存！");
        s.answerMessage(IDOK);  // the saved notice
        D dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_strReportPath, report.string());
    }
    const std::string text = readBytes(report);
    // Two reports, each ending with the closing line.
    const std::string tail = "\r\n\t******* \xCD\xEA\xA1\xA3OK!";  // "完。" in code page 936
    EXPECT_NE(text.find(tail), std::string::npos);
    EXPECT_NE(text.find(tail), text.rfind(tail));
}

TEST_F(SirrowDlgTest, ReportNamesKeptOrCompleted) {
    struct Case { const char* chosen; const char* written; bool notice; };
    // "gear" comes back from the save dialog with its default extension.
    for (Case c : {Case{"x.tng", "x.tng", false}, Case{"gear", "gear.tng", false}}) {
        const auto chosen = inst.data(c.chosen);
        const auto written = inst.data(c.written);
        s.answerSave(chosen);
        s.onDialog(D::IDD, [](Running& d) { d.click(IDOK); });
        if (c.notice) s.expectMessage("所指定的文件名不是有效格式，现以" + written.string() + "文件名保存！");
        s.answerMessage(IDOK);  // the saved notice
        D dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK) << c.chosen;
        EXPECT_EQ(dlg.m_strReportPath, written.string()) << c.chosen;
        EXPECT_TRUE(std::filesystem::exists(written)) << c.chosen;
    }
    // A folder "a.b" is never cut: the name is judged on the file name alone.
    std::filesystem::create_directories(inst.data("a.b"));
    s.answerSave(inst.data("a.b") / "r.txt");
    s.onDialog(D::IDD, [](Running& d) { d.click(IDOK); });
    s.expectMessage("所指定的文件名不是有效格式，现以" + (inst.data("a.b") / "r.tng").string() + "文件名保存！");
    s.answerMessage(IDOK);
    D dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strReportPath, (inst.data("a.b") / "r.tng").string());
}

TEST_F(SirrowDlgTest, UnopenableReportKeepsTheDialogOpen) {
    const auto folder = inst.data("taken.tng");  // a folder where the report would go
    std::filesystem::create_directories(folder);
    s.answerSave(folder);
    s.onDialog(D::IDD, [](Running& d) {
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        d.end(IDCANCEL);
    });
    s.expectMessage("不能打开文件!");
    D dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(SirrowDlgTest, ToothNumbersAndTorqueBeforeThem) {
    s.onDialog(D::IDD, [](Running& d) {
        auto& dlg = static_cast<D&>(d.dialog());
        // T typed before Z1: no output torque yet (no division by Z1 = 0).
        d.type(D::IDC_T, "250");
        d.leave();
        EXPECT_EQ(dlg.m_dT2, 0);
        // The tooth number edits take digits only, so no negative number gets
        // in (completionMask counts a tooth number only when positive).
        d.type(D::IDC_Z1, "-17");
        d.leave();
        EXPECT_GE(dlg.m_e.z1, 0);
        d.type(D::IDC_Z1, "17");
        d.leave();
        EXPECT_NE(dlg.m_nEntryMask & bevel::entry_bit::z1, 0u);
        d.end(IDCANCEL);
    });
    D dlg;
    dlg.DoModal();
}

// Runs the pair to its forces (arrangement 0) with T 250 and n1 960.
void toForces(fwtest::Session& s, Running& d) {
    typePair(d);
    d.type(D::IDC_T, "250");
    d.leave();
    d.type(D::IDC_N1, "960");
    d.leave();
    s.onDialog(9002, [](Running& a) { a.click(IDOK); });
    d.click(D::IDC_FORCES);
}

TEST_F(SirrowDlgTest, LifeFactorZeroClearsOnlyItsBitAndTheClassIsShared) {
    s.onDialog(D::IDD, [this](Running& d) {
        auto& dlg = static_cast<D&>(d.dialog());
        toForces(s, d);
        // Every contact factor but ZN stands.
        dlg.m_nContactMask = bevel::contact_bit::kComplete & ~static_cast<std::uint32_t>(bevel::contact_bit::zN);
        // NL 0: ZN 0, only bit 0x40 clear, 1144 stays disabled.
        s.onDialog(9027, [](Running& z) {
            z.type(1249, "0");
            z.click(IDOK);
        });
        d.click(D::IDC_ZN);
        EXPECT_EQ(dlg.m_dZN, 0);
        EXPECT_EQ(dlg.m_nContactMask, bevel::contact_bit::kComplete & ~static_cast<std::uint32_t>(bevel::contact_bit::zN));
        EXPECT_FALSE(d.enabled(D::IDC_SIGMA_H));
        // A valid ZN (group 0, pitting allowed, 10^8: 1.1525) enables 1144.
        s.onDialog(9027, [](Running& z) {
            z.type(1249, "100000000");
            z.click(IDOK);
        });
        d.click(D::IDC_ZN);
        EXPECT_NEAR(dlg.m_dZN, 1.1525, 5e-5);
        EXPECT_TRUE(d.enabled(D::IDC_SIGMA_H));
        // The σHlim class picked in the lubricant dialog opens the roughness dialog on it.
        s.onDialog(9028, [](Running& l) {
            l.click(1257);  // σHlim = 1000 MPa: class 2
            l.click(IDOK);
        });
        d.click(D::IDC_ZL);
        EXPECT_EQ(dlg.m_nLimitClass, 2);
        s.onDialog(9029, [](Running& r) {
            EXPECT_TRUE(r.checked(1271));  // class 2
            r.click(IDCANCEL);
        });
        d.click(D::IDC_ZR);
        d.end(IDCANCEL);
    });
    D dlg;
    dlg.DoModal();
}

TEST_F(SirrowDlgTest, ZoneFactorChartNeverReadClearsZH) {
    s.onDialog(D::IDD, [this](Running& d) {
        auto& dlg = static_cast<D&>(d.dialog());
        toForces(s, d);
        // Thumb 100: ZH = 1.7 + 0.9·100/200 = 2.15, bit 0x8 set.
        s.onDialog(CSirrowC97Dlg::IDD, [](Running& c) {
            c.drag(CSirrowC97Dlg::IDC_V_SLIDER, 100);
            c.click(IDOK);
        });
        d.click(D::IDC_ZH);
        EXPECT_NEAR(dlg.m_dZH, 2.15, 1e-12);
        EXPECT_NE(dlg.m_nContactMask & bevel::contact_bit::zH, 0u);
        // OK without moving the vertical thumb: result 0 clears ZH and its bit.
        s.onDialog(CSirrowC97Dlg::IDD, [](Running& c) { c.click(IDOK); });
        d.click(D::IDC_ZH);
        EXPECT_EQ(dlg.m_dZH, 0);
        EXPECT_EQ(dlg.m_nContactMask & bevel::contact_bit::zH, 0u);
        EXPECT_FALSE(d.enabled(D::IDC_SIGMA_H));
        d.end(IDCANCEL);
    });
    D dlg;
    dlg.DoModal();
}

TEST_F(SirrowDlgTest, BendingKvCancelChangesNothing) {
    s.onDialog(D::IDD, [this](Running& d) {
        auto& dlg = static_cast<D&>(d.dialog());
        toForces(s, d);
        // Grade 7 (index 2) at v = π·5·17·960/60000 = 4.2726 m/s: Kv 1.4 in both columns.
        s.onDialog(CSirrowPreciDlg::IDD, [](Running& p) {
            p.select(CSirrowPreciDlg::IDC_GRADE, 2);
            p.click(IDOK);
        });
        d.click(D::IDC_KV);
        ASSERT_NEAR(dlg.m_dWKv, 1.4, 1e-12);
        const auto contact = dlg.m_nContactMask, bend = dlg.m_nBendMask;
        for (int button : {D::IDC_WKV, D::IDC_KV}) {
            s.onDialog(CSirrowPreciDlg::IDD, [](Running& p) {
                p.select(CSirrowPreciDlg::IDC_GRADE, 0);  // grade 5 picked, then Cancel
                p.click(IDCANCEL);
            });
            d.click(button);
            EXPECT_NEAR(dlg.m_dKv, 1.4, 1e-12) << button;
            EXPECT_NEAR(dlg.m_dWKv, 1.4, 1e-12) << button;
            EXPECT_EQ(dlg.m_nContactMask, contact) << button;
            EXPECT_EQ(dlg.m_nBendMask, bend) << button;
        }
        d.end(IDCANCEL);
    });
    D dlg;
    dlg.DoModal();
}

TEST_F(SirrowDlgTest, ChangedFactorClearsItsColumnsResults) {
    // Each row: a factor taken after the column results stood, and which
    // columns' stress, limit and safety factor it must clear.
    struct Case {
        const char* name;
        int button;
        std::function<void(fwtest::Session&)> script;
        bool contact, bending;
    };
    const auto chart = [](int pos) {
        return [pos](fwtest::Session& s) {
            s.onDialog(CSirrowC97Dlg::IDD, [pos](Running& c) {
                c.drag(CSirrowC97Dlg::IDC_V_SLIDER, pos);
                c.click(IDOK);
            });
        };
    };
    const auto grade = [](int index) {
        return [index](fwtest::Session& s) {
            s.onDialog(CSirrowPreciDlg::IDD, [index](Running& p) {
                p.select(CSirrowPreciDlg::IDC_GRADE, index);
                p.click(IDOK);
            });
        };
    };
    const auto none = [](fwtest::Session&) {};
    const Case cases[] = {
        {"ZH new", D::IDC_ZH, chart(100), true, false},
        {"ZH same", D::IDC_ZH, chart(0), false, false},  // 2.6 again
        {"Yε new", D::IDC_YEPS, none, false, true},
        {"Yx same", D::IDC_YX, none, false, false},      // 0.7408 again
        {"Kv new", D::IDC_KV, grade(2), true, true},     // both columns
        {"Kv same", D::IDC_WKV, grade(4), false, false},
    };
    for (const Case& c : cases) {
        s.onDialog(D::IDD, [&](Running& d) {
            auto& dlg = static_cast<D&>(d.dialog());
            toForces(s, d);
            // The factors that the "same" rows take again, then stand-in results.
            chart(0)(s);
            d.click(D::IDC_ZH);  // ZH 2.6
            d.click(D::IDC_YX);  // Yx 0.7408
            grade(4)(s);
            d.click(D::IDC_KV);  // grade 9
            ASSERT_NEAR(dlg.m_dZH, 2.6, 1e-12);
            // Every other factor stands, so only a change clears the results.
            dlg.m_nContactMask = bevel::contact_bit::kComplete;
            dlg.m_nBendMask = bevel::bending_bit::kComplete;
            dlg.m_dSigmaH = 1000, dlg.m_dSigmaHP = 2000, dlg.m_dSH = 2;
            dlg.m_dSigmaF = 200, dlg.m_dSigmaFP = 400, dlg.m_dSF = 2;
            c.script(s);
            d.click(c.button);
            for (double v : {dlg.m_dSigmaH, dlg.m_dSigmaHP, dlg.m_dSH})
                EXPECT_EQ(v == 0, c.contact) << c.name;
            for (double v : {dlg.m_dSigmaF, dlg.m_dSigmaFP, dlg.m_dSF})
                EXPECT_EQ(v == 0, c.bending) << c.name;
            if (c.contact)
                for (int id : {D::IDC_SIGMA_HP, D::IDC_SH}) EXPECT_FALSE(d.enabled(id)) << c.name;
            if (c.bending)
                for (int id : {D::IDC_SIGMA_FP, D::IDC_SF}) EXPECT_FALSE(d.enabled(id)) << c.name;
            d.end(IDCANCEL);
        });
        D dlg;
        dlg.DoModal();
    }
}

TEST_F(SirrowDlgTest, FormFactorIsClearedBeforeItsChartRuns) {
    s.onDialog(D::IDD, [this](Running& d) {
        auto& dlg = static_cast<D&>(d.dialog());
        toForces(s, d);
        s.onDialog(CSirrowWyfDlg::IDD, [](Running& c) {
            c.drag(CSirrowWyfDlg::IDC_V_SLIDER, 120);
            c.click(IDOK);
        });
        d.click(D::IDC_YF);
        ASSERT_GT(dlg.m_dYF, 0);
        ASSERT_NE(dlg.m_nBendMask & bevel::bending_bit::yF, 0u);
        // The gear radio runs the gear's chart: the pinion's YF is gone while
        // it runs, and Cancel leaves it gone.
        s.onDialog(CSirrowWyfDlg::IDD, [&dlg](Running& c) {
            EXPECT_EQ(dlg.m_dYF, 0);
            EXPECT_EQ(dlg.m_nBendMask & bevel::bending_bit::yF, 0u);
            c.click(IDCANCEL);
        });
        d.click(D::IDC_GEAR);
        EXPECT_EQ(dlg.m_nGear, 1);
        EXPECT_EQ(dlg.m_dYF, 0);
        EXPECT_EQ(dlg.m_nBendMask & bevel::bending_bit::yF, 0u);
        EXPECT_FALSE(d.enabled(D::IDC_SIGMA_F));
        d.end(IDCANCEL);
    });
    D dlg;
    dlg.DoModal();
}

TEST_F(SirrowDlgTest, DateEditWritesTodayOnEntry) {
    s.onDialog(D::IDD, [](Running& d) {
        auto& dlg = static_cast<D&>(d.dialog());
        d.type(D::IDC_DATE, "");
        d.leave();
        d.focus(D::IDC_DATE);
        EXPECT_EQ(d.text(D::IDC_DATE), fw::todayText());
        d.type(D::IDC_DATE, "2025年1月2日");
        d.leave();
        EXPECT_EQ(dlg.m_e.date, "2025年1月2日");
        d.end(IDCANCEL);
    });
    D dlg;
    dlg.DoModal();
}

TEST_F(SirrowDlgTest, FailedLoadsKeepPathsAndFields) {
    const auto fixture =
        std::filesystem::path(KAVRIN_SOURCE_DIR) / "bevel/geometry/tests/fixtures/conegeom_example.cng";
    const auto design = inst.data("pair.cng");
    std::filesystem::copy_file(fixture, design);
    const auto shortFile = inst.data("short.cng");
    std::filesystem::copy_file(fixture, shortFile);
    std::filesystem::resize_file(shortFile, 1000);  // shorter than its records
    const auto folder = inst.data("folder.cng");     // cannot be opened as a file
    std::filesystem::create_directories(folder);
    s.answerOpen(design);
    s.answerOpen(shortFile);
    s.expectMessage(bevel::kMsgNoConeGeometry);
    s.answerOpen(folder);
    s.answerMessage(IDOK);
    s.onDialog(D::IDD, [&](Running& d) {
        auto& dlg = static_cast<D&>(d.dialog());
        d.click(D::IDC_LOAD);
        ASSERT_EQ(dlg.m_e.z1, 21);
        d.type(D::IDC_T, "250");
        d.leave();
        const auto dataPath = dlg.m_strDataPath, reportPath = dlg.m_strReportPath;
        const auto entries = dlg.m_nEntryMask;
        EXPECT_EQ(std::filesystem::path(reportPath).filename(), "pair.tng");
        for (const char* what : {"refused", "unopenable"}) {
            d.click(D::IDC_LOAD);
            EXPECT_EQ(dlg.m_strDataPath, dataPath) << what;
            EXPECT_EQ(dlg.m_strReportPath, reportPath) << what;
            EXPECT_EQ(dlg.m_e.z1, 21) << what;
            EXPECT_EQ(d.text(D::IDC_Z2), "50") << what;
            EXPECT_EQ(dlg.m_e.title, "电动葫芦弧齿锥齿轮副几何") << what;
            EXPECT_NEAR(dlg.m_dT, 250, 1e-9) << what;
            EXPECT_EQ(dlg.m_nEntryMask, entries) << what;
        }
        d.end(IDCANCEL);
    });
    D dlg;
    dlg.DoModal();
    ASSERT_EQ(s.messages().size(), 2u);
    EXPECT_EQ(s.messages()[1].text.rfind("不能打开文件" + folder.string() + ",ERROR = ", 0), 0u)
        << s.messages()[1].text;
}

TEST_F(SirrowDlgTest, CancelAsksUntilAReportIsWritten) {
    s.onDialog(D::IDD, [](Running& d) {
        d.click(IDCANCEL);
        EXPECT_FALSE(d.ended());  // Yes keeps the dialog open
        d.click(IDCANCEL);
    });
    s.expectMessage("计算数据尚未保存,是(Yes)否(No)保存数据?", IDYES);
    s.expectMessage("计算数据尚未保存,是(Yes)否(No)保存数据?", IDNO);
    D dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

}  // namespace
