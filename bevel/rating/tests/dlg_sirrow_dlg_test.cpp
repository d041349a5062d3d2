// The bevel rating dialog run headless: the pair typed in, torque and forces
// (values worked by hand, π 3.141592654), the mends of the entries and the
// gear radios, a load of the geometry fixture and the loads that fail, the
// date edit, the report name rules and an appended second report, the factor
// buttons' mends (a chart never read, Cancel, stale column results, the form
// factor on a gear change), and Cancel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>

#include "bevel/rating/calc/rating_factors.h"
#include "bevel/rating/calc/rating_ranges.h"
#include "bevel/rating/sirrow_chart_dlgs.h"
#include "bevel/rating/sirrow_dlg.h"
#include "bevel/rating/sirrow_factor_dialogs.h"
#include "bevel/rating/sirrow_kbita_dlg.h"
#include "bevel/rating/sirrow_option_dlgs.h"
#include "bevel/rating/sirrow_wkbita_dlg.h"
#include "bevel/rating/sirrow_wyf_dlg.h"
#include "fw/bounds.h"
#include "fw/clock.h"
#include "fw/format.h"
#include "fw/text.h"
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

// The pair with its load: T 250, n1 960.
void typeLoad(Running& d) {
    typePair(d);
    d.type(D::IDC_T, "250");
    d.leave();
    d.type(D::IDC_N1, "960");
    d.leave();
}

// Runs the pair to its forces (arrangement 0) with T 250 and n1 960.
void toForces(fwtest::Session& s, Running& d) {
    typeLoad(d);
    s.onDialog(9002, [](Running& a) { a.click(IDOK); });
    d.click(D::IDC_FORCES);
}

void answerOk(fwtest::Session& s, int idd) {
    s.onDialog(idd, [](Running& x) { x.click(IDOK); });
}
void readChart(fwtest::Session& s, int idd, int slider, int pos) {
    s.onDialog(idd, [slider, pos](Running& c) {
        c.drag(slider, pos);
        c.click(IDOK);
    });
}
void typeLimit(fwtest::Session& s, int field, const char* value) {
    s.onDialog(CSirrowHlmtDlg::IDD, [field, value](Running& l) {
        l.type(field, value);
        l.click(IDOK);
    });
}

// The answers of the two life dialogs; each opens and is left with OK by default.
struct LifeAnswers {
    fwtest::Script contact = [](Running& z) { z.click(IDOK); };   // CSirrowHznDlg
    fwtest::Script bending = [](Running& y) { y.click(IDOK); };   // CSirrowWynDlg
};

// The forces (arrangement 0), then every factor of both columns from its
// dialog (ZH and Zε read at 100, YF at 120, grade 7, the life dialogs by
// `lives`, every other dialog as it opens), then stress, limit (σHlim 1500,
// σFlim 480) and safety of each column: both verdicts stand.
void rateColumns(fwtest::Session& s, Running& d, const LifeAnswers& lives = {}) {
    answerOk(s, CSirrowDTypeDlg::IDD);
    d.click(D::IDC_FORCES);
    answerOk(s, CSirrowKaDlg::IDD);
    d.click(D::IDC_KA);
    s.onDialog(CSirrowPreciDlg::IDD, [](Running& p) {
        p.select(CSirrowPreciDlg::IDC_GRADE, 2);
        p.click(IDOK);
    });
    d.click(D::IDC_KV);
    answerOk(s, CSirrowKbitaDlg::IDD);
    d.click(D::IDC_KBETA);
    answerOk(s, CSirrowWkbitaDlg::IDD);
    d.click(D::IDC_WKBETA);
    readChart(s, CSirrowC97Dlg::IDD, CSirrowC97Dlg::IDC_V_SLIDER, 100);
    d.click(D::IDC_ZH);
    answerOk(s, CSirrowZeDlg::IDD);
    d.click(D::IDC_ZE);
    readChart(s, CSirrowZetaDlg::IDD, CSirrowZetaDlg::IDC_V_SLIDER, 100);
    d.click(D::IDC_ZEPS);
    s.onDialog(CSirrowHznDlg::IDD, lives.contact);
    d.click(D::IDC_ZN);
    for (auto [idd, button] : {std::pair{CSirrowZlDlg::IDD, D::IDC_ZL}, std::pair{CSirrowHzrDlg::IDD, D::IDC_ZR},
                               std::pair{CSirrowZwDlg::IDD, D::IDC_ZW}}) {
        answerOk(s, idd);
        d.click(button);
    }
    readChart(s, CSirrowWyfDlg::IDD, CSirrowWyfDlg::IDC_V_SLIDER, 120);
    d.click(D::IDC_YF);
    d.click(D::IDC_YEPS);
    d.click(D::IDC_YBETA);
    answerOk(s, CSirrowY0Dlg::IDD);
    d.click(D::IDC_Y0);
    s.onDialog(CSirrowWynDlg::IDD, lives.bending);
    d.click(D::IDC_YN);
    d.click(D::IDC_YX);
    d.click(D::IDC_SIGMA_H);
    typeLimit(s, kavrin::LimitStrengthDialog::IDC_SIGMA_HLIM, "1500");
    d.click(D::IDC_SIGMA_HP);
    d.click(D::IDC_SH);
    d.click(D::IDC_SIGMA_F);
    typeLimit(s, kavrin::LimitStrengthDialog::IDC_SIGMA_FLIM, "480");
    d.click(D::IDC_SIGMA_FP);
    d.click(D::IDC_SF);
}

// The pair typed in and rated whole.
void rateExample(fwtest::Session& s, Running& d, const LifeAnswers& lives = {}) {
    typeLoad(d);
    rateColumns(s, d, lives);
    const auto& dlg = static_cast<const D&>(d.dialog());
    ASSERT_GT(dlg.m_dSH, 0);
    ASSERT_GT(dlg.m_dSF, 0);
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

// An entry outside its range is refused by its field at once, naming the
// field and its range: the value stays and the forces stay enabled (φR 2
// gives no cone factor, αn 90° no force, Z1 above the largest tooth number,
// βm 95°). An entry emptied to 0 is not given: its bit clears.
TEST_F(SirrowDlgTest, EntriesOutsideTheirRangesAreRefusedByTheirFields) {
    namespace q = bevel::rating_range;
    struct Row { int id; const char* text; const kavrin::Quantity& qty; bool count; };
    const Row rows[] = {{D::IDC_PHIR, "2.0", q::kPhiR, false},
                        {D::IDC_ALPHA, "90", q::kAlphaN, false},
                        {D::IDC_Z1, "1001", q::kZ1, true},
                        {D::IDC_BETA, "95", q::kBetaM, false},
                        {D::IDC_N1, "1e-300", q::kN1, false}};
    for (const Row& row : rows) {
        s.onDialog(D::IDD, [&](Running& d) {
            auto& dlg = static_cast<D&>(d.dialog());
            typeLoad(d);
            ASSERT_TRUE(d.enabled(D::IDC_FORCES)) << row.text;
            const bevel::RatingEntries before = dlg.m_e;
            s.answerMessage(IDOK);
            d.type(row.id, row.text);
            d.leave();
            ASSERT_FALSE(s.messages().empty());
            const std::string range = row.count ? fw::integerBoundsText(row.qty.bounds) : fw::numberBoundsText(row.qty.bounds);
            EXPECT_TRUE(s.messages().back().text.ends_with("：" + range)) << s.messages().back().text;
            EXPECT_EQ(dlg.m_e.phiR, before.phiR) << row.text;
            EXPECT_EQ(dlg.m_e.alphaN, before.alphaN) << row.text;
            EXPECT_EQ(dlg.m_e.z1, before.z1) << row.text;
            EXPECT_EQ(dlg.m_e.betaM, before.betaM) << row.text;
            EXPECT_EQ(dlg.m_dN1, 960) << row.text;
            EXPECT_TRUE(d.enabled(D::IDC_FORCES)) << row.text;
            d.end(IDCANCEL);
        });
        D dlg;
        dlg.DoModal();
    }
    s.onDialog(D::IDD, [](Running& d) {
        auto& dlg = static_cast<D&>(d.dialog());
        typeLoad(d);
        d.type(D::IDC_DELTA1, "0");
        d.leave();
        EXPECT_FALSE(d.enabled(D::IDC_FORCES));
        EXPECT_EQ(dlg.m_nEntryMask & bevel::entry_bit::delta1, 0u);
        d.end(IDCANCEL);
    });
    D dlg;
    dlg.DoModal();
}

// A torque in its range whose other torque would leave it is refused,
// naming that torque: T 10¹⁰ N·m makes T2 = T·43/17 too large; T stays.
TEST_F(SirrowDlgTest, ATorqueWhoseOutputTorqueLeavesItsRangeIsRefused) {
    s.expectMessage(bevel::rating_range::couplingRefusal(bevel::rating_range::kT2));
    s.onDialog(D::IDD, [](Running& d) {
        auto& dlg = static_cast<D&>(d.dialog());
        typeLoad(d);
        d.type(D::IDC_T, "1e10");
        d.leave();
        EXPECT_EQ(dlg.m_dT, 250);
        EXPECT_NEAR(dlg.m_dT2, 250.0 * 43 / 17, 1e-9);
        EXPECT_EQ(d.text(D::IDC_T), "250");
        d.end(IDCANCEL);
    });
    D dlg;
    dlg.DoModal();
}

// Found by a tester: the module field took "1e300", and the refusal of Yx
// then printed m with 300 digits. The field refuses it, naming itself and
// its range; m stays 5 and Yx follows it.
TEST_F(SirrowDlgTest, ModuleOf1e300IsRefusedByItsField) {
    s.onDialog(D::IDD, [this](Running& d) {
        auto& dlg = static_cast<D&>(d.dialog());
        toForces(s, d);
        s.answerMessage(IDOK);
        d.type(D::IDC_M, "1e300");
        d.leave();
        ASSERT_EQ(s.messages().size(), 1u);
        EXPECT_TRUE(s.messages()[0].text.ends_with("：" + fw::numberBoundsText(bevel::rating_range::kM.bounds)))
            << s.messages()[0].text;
        EXPECT_EQ(s.messages()[0].icon, fw::MessageIcon::Exclamation);
        EXPECT_EQ(dlg.m_e.m, 5);
        d.type(D::IDC_M, "5");
        d.leave();
        d.click(D::IDC_YX);
        EXPECT_NEAR(dlg.m_dYx, 0.7408, 5e-5);
        EXPECT_EQ(s.messages().size(), 1u);
        d.end(IDCANCEL);
    });
    D dlg;
    dlg.DoModal();
}

// Every entry field refuses exactly the values outside the range its
// quantity has in rating_ranges.h, the range the load checks (1e300, −1e300,
// 1e-300, each bound and one step beyond and within it, and 0 for "not
// given"), with its name and that range.
TEST_F(SirrowDlgTest, EveryEntryFieldRefusesExactlyOutsideItsRange) {
    namespace q = bevel::rating_range;
    struct Row { int id; const kavrin::Quantity& qty; bool count = false; };
    const Row rows[] = {{D::IDC_M, q::kM},          {D::IDC_Z1, q::kZ1, true},   {D::IDC_Z2, q::kZ2, true},
                        {D::IDC_ALPHA, q::kAlphaN}, {D::IDC_BETA, q::kBetaM},    {D::IDC_EPS_ALPHA, q::kEpsAlpha},
                        {D::IDC_EPS_BETA, q::kEpsBeta}, {D::IDC_B, q::kB},        {D::IDC_R, q::kR},
                        {D::IDC_PHIR, q::kPhiR},    {D::IDC_DELTA1, q::kDelta1}, {D::IDC_DELTA2, q::kDelta2},
                        {D::IDC_X1, q::kX1},        {D::IDC_X2, q::kX2},         {D::IDC_XT1, q::kXt1},
                        {D::IDC_XT2, q::kXt2},      {D::IDC_T, q::kT},           {D::IDC_T2, q::kT2},
                        {D::IDC_N1, q::kN1}};
    s.tolerate([](Running& x) { x.end(IDCANCEL); });
    s.onDialog(D::IDD, [&](Running& d) {
        for (const Row& row : rows) {
            const double lo = row.qty.lower(), hi = row.qty.upper();
            std::vector<std::string> texts;
            if (row.count) {
                for (double v : {lo - 1, lo, lo + 1, hi - 1, hi, hi + 1, 0.0})
                    texts.push_back(std::to_string(static_cast<long long>(v)));
            } else {
                auto step = [](double b) { return 1e-9 * std::max(1.0, std::abs(b)); };
                for (double v : {1e300, -1e300, 1e-300, lo - step(lo), lo, lo + step(lo), hi - step(hi), hi,
                                 hi + step(hi), 0.0})
                    texts.push_back(fw::formatNumber(v));
            }
            const std::string range =
                row.count ? fw::integerBoundsText(row.qty.bounds) : fw::numberBoundsText(row.qty.bounds);
            for (const std::string& text : texts) {
                typeLoad(d);  // the pair and its load, every entry in range
                const double v = *fw::parseNumber(text);
                const std::size_t before = s.messages().size();
                d.type(row.id, text);
                d.focus(D::IDC_HELP);
                // The field's own refusal (a torque whose other torque would
                // leave the range is refused as a coupling, not counted here).
                const bool refused = s.messages().size() > before &&
                                     s.messages().back().text.ends_with("：" + range) &&
                                     !s.messages().back().text.starts_with("输入未被接受");
                EXPECT_EQ(refused, !row.qty.admits(v)) << row.qty.name << " " << text;
                if (refused) d.type(row.id, "0"), d.focus(D::IDC_HELP);
            }
        }
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
        s.onDialog(D::IDD, [this](Running& d) {
            rateExample(s, d);
            d.click(IDOK);
        });
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

// NE 6e10 from both life dialogs (NL typed; 10^7 typed into the editable
// box × 6000) lies past 1e10: ZN and YN stand at the curves' long-life value
// 0.85, the permissible stresses and verdicts are formed from them, and the
// report prints what the dialog holds.
TEST_F(SirrowDlgTest, LongLifeRatesBothColumnsOnTheLongLifeLine) {
    const auto report = inst.data("long.tng");
    LifeAnswers sixE10;
    sixE10.contact = [](Running& z) {
        z.type(CSirrowHznDlg::IDC_NE, "6e10");
        z.click(IDOK);
    };
    sixE10.bending = [](Running& y) {
        y.type(CSirrowWynDlg::IDC_CYCLES, "10^7");
        y.type(CSirrowWynDlg::IDC_MULTIPLIER, "6000");
        y.click(IDOK);
    };
    s.answerSave(report);
    s.answerMessage(IDOK);  // the saved notice
    s.onDialog(D::IDD, [&](Running& d) {
        rateExample(s, d, sixE10);
        d.click(IDOK);
    });
    D dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    // The curves at 6e10: 调质钢 for YN, group 0 with pitting allowed for ZN.
    EXPECT_DOUBLE_EQ(*bevel::bendingLifeFactor(0, 6e10), 0.85);
    EXPECT_DOUBLE_EQ(bevel::contactLifeFactor(0, 0, 6e10), 0.85);
    EXPECT_DOUBLE_EQ(dlg.m_dYN, 0.85);
    EXPECT_DOUBLE_EQ(dlg.m_dZN, 0.85);
    EXPECT_NEAR(dlg.m_dSigmaHP, 1500 * dlg.m_dZN * dlg.m_dZL * dlg.m_dZv * dlg.m_dZR * dlg.m_dZW, 1e-9);
    EXPECT_NEAR(dlg.m_dSigmaFP, 480 * dlg.m_dYN * dlg.m_dYx, 1e-9);
    EXPECT_NEAR(dlg.m_dSH, dlg.m_dSigmaHP / dlg.m_dSigmaH, 1e-12);
    EXPECT_NEAR(dlg.m_dSF, dlg.m_dSigmaFP / dlg.m_dSigmaF, 1e-12);
    const std::string text = fw::utf8FromGbk(readBytes(report));
    const std::string gap(53, ' ');
    for (const std::string& line : {
             "Zn=" + gap + "0.8500\r\n",
             "Yn=" + gap + "0.8500\r\n",
             "σHlim=" + std::string(49, ' ') + fw::format("%.4f MPa\r\n", dlg.m_dSigmaHP),
             "σWlim=" + std::string(49, ' ') + fw::format("%.4f MPa\r\n", dlg.m_dSigmaFP),
             "Sh=" + gap + fw::format("%.4f\r\n", dlg.m_dSH),
             "Sw=" + gap + fw::format("%.4f\r\n", dlg.m_dSF),
         })
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST_F(SirrowDlgTest, ReportNamesKeptOrCompleted) {
    struct Case { const char* chosen; const char* written; bool notice; };
    // "gear" comes back from the save dialog with its default extension.
    for (Case c : {Case{"x.tng", "x.tng", false}, Case{"gear", "gear.tng", false}}) {
        const auto chosen = inst.data(c.chosen);
        const auto written = inst.data(c.written);
        s.answerSave(chosen);
        s.onDialog(D::IDD, [this](Running& d) {
            rateExample(s, d);
            d.click(IDOK);
        });
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
    s.onDialog(D::IDD, [this](Running& d) {
        rateExample(s, d);
        d.click(IDOK);
    });
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
    s.onDialog(D::IDD, [this](Running& d) {
        rateExample(s, d);
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

TEST_F(SirrowDlgTest, FactorTakenAgainWithTheSameValueKeepsTheVerdicts) {
    // Each row: a factor taken again after the whole rating, and which
    // columns' stress, limit and safety factor it must clear (a new value)
    // or keep (the value it already had).
    struct Case {
        const char* name;
        int button;
        std::function<void(fwtest::Session&)> script;
        bool contact, bending;
    };
    const auto zoneChart = [](int pos) {
        return [pos](fwtest::Session& s) { readChart(s, CSirrowC97Dlg::IDD, CSirrowC97Dlg::IDC_V_SLIDER, pos); };
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
        {"ZH new", D::IDC_ZH, zoneChart(50), true, false},
        {"ZH same", D::IDC_ZH, zoneChart(100), false, false},  // 2.15 again
        {"Yε same", D::IDC_YEPS, none, false, false},
        {"Yx same", D::IDC_YX, none, false, false},            // 0.7408 again
        {"Kv new", D::IDC_KV, grade(4), true, true},           // both columns
        {"Kv same", D::IDC_WKV, grade(2), false, false},
    };
    for (const Case& c : cases) {
        s.onDialog(D::IDD, [&](Running& d) {
            auto& dlg = static_cast<D&>(d.dialog());
            rateExample(s, d);
            c.script(s);
            d.click(c.button);
            for (double v : {dlg.m_dSigmaH, dlg.m_dSigmaHP, dlg.m_dSH}) EXPECT_EQ(v == 0, c.contact) << c.name;
            for (double v : {dlg.m_dSigmaF, dlg.m_dSigmaFP, dlg.m_dSF}) EXPECT_EQ(v == 0, c.bending) << c.name;
            EXPECT_EQ(dlg.contactVerdictStands(), !c.contact) << c.name;
            EXPECT_EQ(dlg.bendingVerdictStands(), !c.bending) << c.name;
            if (c.contact) {
                for (int id : {D::IDC_SIGMA_HP, D::IDC_SH}) EXPECT_FALSE(d.enabled(id)) << c.name;
            }
            if (c.bending) {
                for (int id : {D::IDC_SIGMA_FP, D::IDC_SF}) EXPECT_FALSE(d.enabled(id)) << c.name;
            }
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

// ---- stages: what each reads, and the report that waits for them ----------------

// Every input a later stage reads, from the lists of the forces step and of
// each column's factors and stresses: the entries, the load and its dialog,
// the drive arrangement, every factor dialog, the gear radios and the two
// limit dialogs. Changed after the whole rating, each must clear the stages
// that read it (Cleared), may clear more (Either: an entry clears the forces
// and everything after them) or must leave a stage alone (Kept); while a
// verdict is cleared the report is refused and nothing is written, and once
// the columns are rated again the report is written.
TEST_F(SirrowDlgTest, EveryInputOfALaterStageClearsItAndTheReportWaits) {
    enum class Then { Cleared, Kept, Either };
    using Change = std::function<void(fwtest::Session&, Running&)>;
    struct Row {
        const char* input;
        Change change;
        Then forces, contact, bending;
        bool newLimit = false;  // a limit dialog: the stress stays, the limit is the new one
    };
    const auto entry = [](int id, const char* text) -> Change {
        return [id, text](fwtest::Session&, Running& d) {
            d.type(id, text);
            d.leave();
        };
    };
    const auto button = [](int id, std::function<void(fwtest::Session&)> script) -> Change {
        return [id, script](fwtest::Session& s, Running& d) {
            script(s);
            d.click(id);
        };
    };
    const auto chart = [](int idd, int slider, int pos) {
        return [=](fwtest::Session& s) { readChart(s, idd, slider, pos); };
    };
    const auto dialog = [](int idd, std::function<void(Running&)> steps) {
        return [=](fwtest::Session& s) {
            s.onDialog(idd, [steps](Running& x) {
                steps(x);
                x.click(IDOK);
            });
        };
    };
    const auto limit = [](int field, const char* value) {
        return [=](fwtest::Session& s) { typeLimit(s, field, value); };
    };
    using T = Then;
    const Row rows[] = {
        // The forces step: Ftm = 2000·T/(m·Z1)/(1 − 0.5·φR); Fr, Fx from αn,
        // βm, δ1, δ2; ZM from Z1, Z2. Both columns stand on it.
        {"T", entry(D::IDC_T, "260"), T::Cleared, T::Cleared, T::Cleared},
        {"T2", entry(D::IDC_T2, "700"), T::Cleared, T::Cleared, T::Cleared},
        {"torque dialog", button(D::IDC_TORQUE, dialog(CSirrowTDlg::IDD, [](Running& t) {
             t.type(CSirrowTDlg::IDC_SPEED, "1000");
             t.type(CSirrowTDlg::IDC_POWER, "30");
         })),
         T::Cleared, T::Cleared, T::Cleared},
        {"m", entry(D::IDC_M, "5.5"), T::Cleared, T::Cleared, T::Cleared},
        {"Z1", entry(D::IDC_Z1, "18"), T::Cleared, T::Cleared, T::Cleared},
        {"Z2", entry(D::IDC_Z2, "45"), T::Cleared, T::Cleared, T::Cleared},
        {"φR", entry(D::IDC_PHIR, "0.28"), T::Cleared, T::Cleared, T::Cleared},
        {"αn", entry(D::IDC_ALPHA, "22"), T::Cleared, T::Either, T::Either},
        {"βm", entry(D::IDC_BETA, "30"), T::Cleared, T::Cleared, T::Cleared},  // ZH, Yε, Yβ, Y0, YF, σF
        {"δ1", entry(D::IDC_DELTA1, "22"), T::Cleared, T::Cleared, T::Either},  // ZR
        {"δ2", entry(D::IDC_DELTA2, "68"), T::Cleared, T::Either, T::Either},
        {"arrangement", button(D::IDC_FORCES, dialog(CSirrowDTypeDlg::IDD, [](Running& a) {
             a.click(CSirrowDTypeDlg::IDC_DTYPE2);
         })),
         T::Kept, T::Kept, T::Kept},  // the forces again; the stresses read Ftm only
        // Entries the columns read beside the forces.
        {"b", entry(D::IDC_B, "30"), T::Either, T::Cleared, T::Cleared},         // σH, σF, Y0
        {"εα", entry(D::IDC_EPS_ALPHA, "1.3"), T::Either, T::Cleared, T::Cleared},  // Zε, Yε
        {"εβ", entry(D::IDC_EPS_BETA, "1.6"), T::Either, T::Cleared, T::Cleared},   // Zε, Yβ
        {"n1", entry(D::IDC_N1, "1000"), T::Either, T::Cleared, T::Cleared},        // Kv, Zv
        {"R", entry(D::IDC_R, "120"), T::Either, T::Cleared, T::Either},            // ZR
        {"χ1", entry(D::IDC_X1, "0.1"), T::Either, T::Either, T::Cleared},          // YF
        {"χ2", entry(D::IDC_X2, "0.2"), T::Either, T::Either, T::Either},           // YF of the gear
        {"χτ1", entry(D::IDC_XT1, "0.05"), T::Either, T::Either, T::Cleared},       // YF
        {"χτ2", entry(D::IDC_XT2, "0.05"), T::Either, T::Either, T::Either},
        // The load factors of both columns.
        {"Ka", button(D::IDC_KA, dialog(CSirrowKaDlg::IDD, [](Running& k) {
             k.click(1206);
             k.click(1210);
             k.drag(CSirrowKaDlg::IDC_SLIDER, 10);
         })),
         T::Kept, T::Cleared, T::Cleared},
        {"Kv grade", button(D::IDC_WKV, dialog(CSirrowPreciDlg::IDD, [](Running& p) {
             p.select(CSirrowPreciDlg::IDC_GRADE, 4);
         })),
         T::Kept, T::Cleared, T::Cleared},
        // The contact column.
        {"KHβ", button(D::IDC_KBETA, dialog(CSirrowKbitaDlg::IDD, [](Running& k) { k.select(3088, 1); })), T::Kept,
         T::Cleared, T::Kept},
        {"ZH chart", button(D::IDC_ZH, chart(CSirrowC97Dlg::IDD, CSirrowC97Dlg::IDC_V_SLIDER, 50)), T::Kept,
         T::Cleared, T::Kept},
        {"ZE", button(D::IDC_ZE, dialog(CSirrowZeDlg::IDD, [](Running& z) { z.click(CSirrowZeDlg::IDC_PAIR + 1); })),
         T::Kept, T::Cleared, T::Kept},
        {"Zε chart", button(D::IDC_ZEPS, chart(CSirrowZetaDlg::IDD, CSirrowZetaDlg::IDC_V_SLIDER, 50)), T::Kept,
         T::Cleared, T::Kept},
        {"ZN", button(D::IDC_ZN, dialog(CSirrowHznDlg::IDD, [](Running& z) {
             z.type(CSirrowHznDlg::IDC_NE, "10000000");
         })),
         T::Kept, T::Cleared, T::Kept},
        {"ZL and Zv", button(D::IDC_ZL, dialog(CSirrowZlDlg::IDD, [](Running& z) {
             z.click(CSirrowZlDlg::IDC_LUBRICANT);  // mineral oil
         })),
         T::Kept, T::Cleared, T::Kept},
        {"ZR", button(D::IDC_ZR, dialog(CSirrowHzrDlg::IDD, [](Running& z) { z.type(CSirrowHzrDlg::IDC_RA, "0.8"); })),
         T::Kept, T::Cleared, T::Kept},
        {"ZW", button(D::IDC_ZW, dialog(CSirrowZwDlg::IDD, [](Running& z) { z.type(CSirrowZwDlg::IDC_HB, "200"); })),
         T::Kept, T::Cleared, T::Kept},
        {"σHlim", button(D::IDC_SIGMA_HP, limit(kavrin::LimitStrengthDialog::IDC_SIGMA_HLIM, "1400")), T::Kept,
         T::Cleared, T::Kept, true},
        // The bending column.
        {"KFβ", button(D::IDC_WKBETA, dialog(CSirrowWkbitaDlg::IDD, [](Running& k) { k.select(3088, 1); })),
         T::Kept, T::Kept, T::Cleared},
        {"YF chart", button(D::IDC_YF, chart(CSirrowWyfDlg::IDD, CSirrowWyfDlg::IDC_V_SLIDER, 140)), T::Kept,
         T::Kept, T::Cleared},
        {"gear radio", button(D::IDC_GEAR, chart(CSirrowWyfDlg::IDD, CSirrowWyfDlg::IDC_V_SLIDER, 130)), T::Kept,
         T::Kept, T::Cleared},
        {"Y0", button(D::IDC_Y0, dialog(CSirrowY0Dlg::IDD, [](Running& y) {
             y.click(CSirrowY0Dlg::IDC_CURVED);
             y.type(CSirrowY0Dlg::IDC_D0, "150");
             y.leave();
         })),
         T::Kept, T::Kept, T::Cleared},
        {"YN", button(D::IDC_YN, dialog(CSirrowWynDlg::IDD, [](Running& y) { y.click(1244); })), T::Kept, T::Kept,
         T::Cleared},
        {"σFlim", button(D::IDC_SIGMA_FP, limit(kavrin::LimitStrengthDialog::IDC_SIGMA_FLIM, "450")), T::Kept,
         T::Kept, T::Cleared, true},
        // Read by no stage.
        {"title", entry(D::IDC_TITLE, "另一个标题"), T::Kept, T::Kept, T::Kept},
    };
    int n = 0;
    for (const Row& row : rows) {
        const auto report = inst.data("stage" + std::to_string(n++) + ".tng");
        s.onDialog(D::IDD, [&](Running& d) {
            auto& dlg = static_cast<D&>(d.dialog());
            rateExample(s, d);
            const double ftm = dlg.m_dFtm, sH = dlg.m_dSH, sF = dlg.m_dSF;
            row.change(s, d);
            auto check = [&](Then then, bool cleared, bool standsAsBefore, const char* stage) {
                if (then == Then::Cleared) { EXPECT_TRUE(cleared) << row.input << ": " << stage << " kept"; }
                if (then == Then::Kept) { EXPECT_TRUE(standsAsBefore) << row.input << ": " << stage << " changed"; }
            };
            check(row.forces, dlg.m_dFtm == 0 && !d.enabled(D::IDC_KA), dlg.m_dFtm == ftm, "forces");
            // A column is cleared when its verdict is gone: the safety factor
            // 0 and, unless a new limit was just computed (it keeps the
            // stress and shows the new limit), its stress and limit too.
            auto columnCleared = [&](double stress, double limit, double safety, int limitButton, int safetyButton) {
                const bool verdictGone = safety == 0;
                const bool newLimit = row.newLimit && stress > 0 && limit > 0 && d.enabled(safetyButton);
                return verdictGone &&
                       (newLimit || (stress == 0 && limit == 0 && !d.enabled(limitButton) && !d.enabled(safetyButton)));
            };
            const bool contactCleared =
                columnCleared(dlg.m_dSigmaH, dlg.m_dSigmaHP, dlg.m_dSH, D::IDC_SIGMA_HP, D::IDC_SH);
            const bool bendingCleared =
                columnCleared(dlg.m_dSigmaF, dlg.m_dSigmaFP, dlg.m_dSF, D::IDC_SIGMA_FP, D::IDC_SF);
            check(row.contact, contactCleared, dlg.m_dSH == sH && dlg.contactVerdictStands(), "contact");
            check(row.bending, bendingCleared, dlg.m_dSF == sF && dlg.bendingVerdictStands(), "bending");
            if (contactCleared || bendingCleared) {
                // The report waits: refused before a name is asked for.
                const std::size_t before = s.messages().size();
                s.answerMessage(IDOK);
                d.click(IDOK);
                EXPECT_FALSE(d.ended()) << row.input;
                ASSERT_EQ(s.messages().size(), before + 1) << row.input;
                const std::string& text = s.messages().back().text;
                EXPECT_EQ(text.rfind("尚未按当前数据算出", 0), 0u) << row.input << ": " << text;
                EXPECT_EQ(text.find("接触强度安全系数Sh") != std::string::npos, contactCleared) << row.input;
                EXPECT_EQ(text.find("弯曲强度安全系数Sw") != std::string::npos, bendingCleared) << row.input;
                EXPECT_EQ(s.messages().back().icon, fw::MessageIcon::Exclamation) << row.input;
                rateColumns(s, d);
                EXPECT_TRUE(dlg.contactVerdictStands() && dlg.bendingVerdictStands()) << row.input;
            }
            s.answerSave(report);
            s.answerMessage(IDOK);  // the saved notice
            d.click(IDOK);
            EXPECT_TRUE(d.ended()) << row.input;
        });
        D dlg;
        EXPECT_EQ(dlg.DoModal(), IDOK) << row.input;
        EXPECT_TRUE(std::filesystem::exists(report)) << row.input;
    }
}

// Cancel in a factor dialog changes nothing, whatever was chosen in it: not
// the factor, not its bit, not the verdicts (the work-hardening dialog on
// first use and after a valid ZW; the form factor button).
TEST_F(SirrowDlgTest, CancelInAFactorDialogChangesNothing) {
    struct Row {
        const char* name;
        int button, idd;
        std::function<void(Running&)> choose;
    };
    const Row rows[] = {
        {"ZW", D::IDC_ZW, CSirrowZwDlg::IDD, [](Running& z) { z.type(CSirrowZwDlg::IDC_HB, "100"); }},
        {"YF", D::IDC_YF, CSirrowWyfDlg::IDD, [](Running& c) { c.drag(CSirrowWyfDlg::IDC_V_SLIDER, 20); }},
        {"Ka", D::IDC_KA, CSirrowKaDlg::IDD, [](Running& k) { k.drag(CSirrowKaDlg::IDC_SLIDER, 10); }},
        {"KHβ", D::IDC_KBETA, CSirrowKbitaDlg::IDD, [](Running& k) { k.select(3088, 2); }},
        {"KFβ", D::IDC_WKBETA, CSirrowWkbitaDlg::IDD, [](Running& k) { k.select(3088, 2); }},
        {"ZH", D::IDC_ZH, CSirrowC97Dlg::IDD, [](Running& c) { c.drag(CSirrowC97Dlg::IDC_V_SLIDER, 10); }},
        {"ZE", D::IDC_ZE, CSirrowZeDlg::IDD, [](Running& z) { z.click(CSirrowZeDlg::IDC_PAIR + 2); }},
        {"Zε", D::IDC_ZEPS, CSirrowZetaDlg::IDD, [](Running& c) { c.drag(CSirrowZetaDlg::IDC_V_SLIDER, 10); }},
        {"ZN", D::IDC_ZN, CSirrowHznDlg::IDD, [](Running& z) { z.type(CSirrowHznDlg::IDC_NE, "1000"); }},
        {"ZL", D::IDC_ZL, CSirrowZlDlg::IDD, [](Running& z) { z.click(CSirrowZlDlg::IDC_CLASS); }},
        {"ZR", D::IDC_ZR, CSirrowHzrDlg::IDD, [](Running& z) { z.type(CSirrowHzrDlg::IDC_RA, "0.4"); }},
        {"Y0", D::IDC_Y0, CSirrowY0Dlg::IDD, [](Running& y) { y.click(CSirrowY0Dlg::IDC_STRAIGHT); }},
        {"YN", D::IDC_YN, CSirrowWynDlg::IDD, [](Running& y) { y.click(1245); }},
        {"Kv", D::IDC_WKV, CSirrowPreciDlg::IDD, [](Running& p) { p.select(CSirrowPreciDlg::IDC_GRADE, 4); }},
        {"σHlim", D::IDC_SIGMA_HP, CSirrowHlmtDlg::IDD, [](Running& l) { l.type(1283, "900"); }},
        {"σFlim", D::IDC_SIGMA_FP, CSirrowHlmtDlg::IDD, [](Running& l) { l.type(1284, "300"); }},
        {"arrangement", D::IDC_FORCES, CSirrowDTypeDlg::IDD, [](Running& a) { a.click(CSirrowDTypeDlg::IDC_DTYPE3); }},
        {"torque", D::IDC_TORQUE, CSirrowTDlg::IDD, [](Running& t) { t.type(CSirrowTDlg::IDC_POWER, "99"); }},
    };
    for (const Row& row : rows) {
        s.onDialog(D::IDD, [&](Running& d) {
            auto& dlg = static_cast<D&>(d.dialog());
            rateExample(s, d);
            const auto contact = dlg.contactBasis(), bending = dlg.bendingBasis();
            const auto contactMask = dlg.m_nContactMask, bendMask = dlg.m_nBendMask, entries = dlg.m_nEntryMask;
            const double sH = dlg.m_dSH, sF = dlg.m_dSF, fr1 = dlg.m_dFr1;
            s.onDialog(row.idd, [&row](Running& x) {
                row.choose(x);
                x.click(IDCANCEL);
            });
            d.click(row.button);
            EXPECT_EQ(dlg.contactBasis(), contact) << row.name;
            EXPECT_EQ(dlg.bendingBasis(), bending) << row.name;
            EXPECT_EQ(dlg.m_nContactMask, contactMask) << row.name;
            EXPECT_EQ(dlg.m_nBendMask, bendMask) << row.name;
            EXPECT_EQ(dlg.m_nEntryMask, entries) << row.name;
            EXPECT_EQ(dlg.m_dSH, sH) << row.name;
            EXPECT_EQ(dlg.m_dSF, sF) << row.name;
            EXPECT_EQ(dlg.m_dFr1, fr1) << row.name;
            EXPECT_TRUE(dlg.contactVerdictStands() && dlg.bendingVerdictStands()) << row.name;
            d.end(IDCANCEL);
        });
        D dlg;
        dlg.DoModal();
    }
}

TEST_F(SirrowDlgTest, WorkHardeningCancelOnFirstUseSetsNoFactor) {
    s.onDialog(D::IDD, [this](Running& d) {
        auto& dlg = static_cast<D&>(d.dialog());
        toForces(s, d);
        s.onDialog(CSirrowZwDlg::IDD, [](Running& z) { z.click(IDCANCEL); });
        d.click(D::IDC_ZW);  // the dialog's own default would give 1.27704 − 0.0005926·350 = 1.0696
        EXPECT_EQ(dlg.m_dZW, 0);
        EXPECT_EQ(dlg.m_nContactMask & bevel::contact_bit::zW, 0u);
        s.onDialog(CSirrowZwDlg::IDD, [](Running& z) {
            z.type(CSirrowZwDlg::IDC_HB, "200");
            z.click(IDOK);
        });
        d.click(D::IDC_ZW);
        EXPECT_NEAR(dlg.m_dZW, 1.27704 - 0.0005926 * 200, 1e-12);
        s.onDialog(CSirrowZwDlg::IDD, [](Running& z) {
            z.click(CSirrowZwDlg::IDC_PINION + 1);  // a soft pinion would give 1.0
            z.click(IDCANCEL);
        });
        d.click(D::IDC_ZW);
        EXPECT_NEAR(dlg.m_dZW, 1.27704 - 0.0005926 * 200, 1e-12);
        EXPECT_NE(dlg.m_nContactMask & bevel::contact_bit::zW, 0u);
        d.end(IDCANCEL);
    });
    D dlg;
    dlg.DoModal();
}

// Yx past its module range: a message that names the range, Yx 0 and its bit
// clear, so the bending column never reaches its limit.
TEST_F(SirrowDlgTest, SizeFactorRefusedAboveTheModuleRange) {
    s.onDialog(D::IDD, [this](Running& d) {
        auto& dlg = static_cast<D&>(d.dialog());
        typePair(d);
        d.type(D::IDC_M, "30");
        d.leave();
        d.type(D::IDC_T, "250");
        d.leave();
        d.type(D::IDC_N1, "960");
        d.leave();
        answerOk(s, CSirrowDTypeDlg::IDD);
        d.click(D::IDC_FORCES);
        dlg.m_nBendMask = bevel::bending_bit::kComplete;  // every other bending factor stands
        s.expectMessage("尺寸系数Yx只适用于大端模数0<m≤25mm，当前m=30.00mm，不能确定弯曲疲劳许用应力！");
        d.click(D::IDC_YX);
        EXPECT_EQ(dlg.m_dYx, 0);
        EXPECT_EQ(dlg.m_nBendMask & bevel::bending_bit::yX, 0u);
        EXPECT_FALSE(d.enabled(D::IDC_SIGMA_F));
        EXPECT_EQ(d.text(D::IDC_V_YX), "0");
        // At 25 mm the polynomial still holds: 0.4994866.
        d.type(D::IDC_M, "25");
        d.leave();
        answerOk(s, CSirrowDTypeDlg::IDD);
        d.click(D::IDC_FORCES);
        d.click(D::IDC_YX);
        EXPECT_NEAR(dlg.m_dYx, 0.4994866, 5e-7);
        d.end(IDCANCEL);
    });
    D dlg;
    dlg.DoModal();
    EXPECT_EQ(s.messages().at(0).icon, fw::MessageIcon::Exclamation);
}

// A report before both verdicts: refused, and no file dialog opens.
TEST_F(SirrowDlgTest, ReportRefusedUntilBothColumnsAreRated) {
    s.expectMessage("尚未按当前数据算出接触强度安全系数Sh和弯曲强度安全系数Sw，不能输出报告。请计算后再保存！");
    s.onDialog(D::IDD, [](Running& d) {
        d.click(IDOK);
        EXPECT_FALSE(d.ended());
        d.end(IDCANCEL);
    });
    D dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(dlg.m_strReportPath.empty());
}

// Leaving the dialog checks no field, and a notice about a kept value comes
// once per change: "abc" in m, then 取消 brings only the dialog's question;
// εβ 0 beside βm 35° is told once, however often the field is left.
TEST_F(SirrowDlgTest, CancelLeavesAndANoticeComesOncePerChange) {
    s.onDialog(D::IDD, [](Running& d) {
        d.type(D::IDC_M, "abc");
        d.click(IDCANCEL);
        EXPECT_TRUE(d.ended());
    });
    s.expectMessage("计算数据尚未保存,是(Yes)否(No)保存数据?", IDNO);
    D first;
    EXPECT_EQ(first.DoModal(), IDCANCEL);
    EXPECT_EQ(s.messages().size(), 1u);

    s.onDialog(D::IDD, [this](Running& d) {
        typePair(d);
        s.expectMessage("齿向重合度数值非法!");
        d.type(D::IDC_EPS_BETA, "0");
        d.leave();
        for (int n = 0; n < 3; ++n) {
            d.focus(D::IDC_EPS_BETA);
            d.leave();
        }
        EXPECT_NE(d.focused(), D::IDC_EPS_BETA);
        s.expectMessage("计算数据尚未保存,是(Yes)否(No)保存数据?", IDNO);
        d.escape();
    });
    D second;
    EXPECT_EQ(second.DoModal(), IDCANCEL);
    EXPECT_EQ(s.messages().size(), 3u);
}

}  // namespace
