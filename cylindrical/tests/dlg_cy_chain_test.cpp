// The cylindrical chain run headless through its dialogs: the preliminary
// design saved by CypreDlg, loaded, distributed and saved by the geometry
// sheet; the cutting and interference check of the internal example with its
// report section; and the rule that a redistribution makes the last verdicts
// stale.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cylindrical/calc/cy_pre_record.h"
#include "cylindrical/calc/geometry_design.h"
#include "cylindrical/cy_current_design.h"
#include "cylindrical/cy_geom_pro_sheet.h"
#include "cylindrical/cy_proof_dlg.h"
#include "cylindrical/cygeom_check_dlg.h"
#include "cylindrical/cygeom_cut_dlg.h"
#include "cylindrical/cypre_dlg.h"
#include "fw/file.h"
#include "fw/text.h"
#include "cylindrical/tests/design_fixture.h"
#include "cylindrical/tests/proof_test_support.h"
#include "fwtest/script.h"
#include "cylindrical/tests/worked_example.h"

using namespace cylindrical;
namespace fs = std::filesystem;
using P1 = CCyGeomProPage1;
using Cut = CCygeomCutDlg;

namespace {

using cylindrical_test::enterWorkedExample;

constexpr const char* kCaption = "《Ondrel》 Kavrin  齿轮几何计算程序";

std::vector<std::uint8_t> bytesOf(const fs::path& p) {
    auto r = fw::readFile(p);
    return r ? *r : std::vector<std::uint8_t>{};
}

std::string reportMessage(const fs::path& report) {
    return "计算记录已以\n" + report.string() + "\n文件名输出报告！";
}

class CyChain : public cylindrical_test::DesignTest {
protected:
    CyChain() : DesignTest("cy_chain") {}
};

// ---- preliminary design → geometry sheet → design file ----


// Every field of two preliminary records, one by one, so a failure names it.
void expectSamePreliminary(const CyPreRecord& got, const CyPreRecord& want) {
#define SAME(f) EXPECT_EQ(got.f, want.f) << #f
    SAME(z1); SAME(z2); SAME(betaMin); SAME(betaDeg); SAME(betaSec); SAME(support); SAME(hardness);
    SAME(loadNature); SAME(k2Pos); SAME(k2Lower); SAME(k2Upper); SAME(phiDPos); SAME(phiDLower);
    SAME(phiDUpper); SAME(i); SAME(t); SAME(a); SAME(ni); SAME(no); SAME(p); SAME(phiD); SAME(k1);
    SAME(k2); SAME(k1Pos); SAME(k1Lower); SAME(k1Upper); SAME(sigmaHP); SAME(sigmaFP); SAME(mn);
    SAME(ms); SAME(meshType); SAME(status); SAME(date); SAME(number); SAME(title);
#undef SAME
    EXPECT_EQ(writeCyPreRecord(got), writeCyPreRecord(want)) << "the reserved bytes too";
}

TEST_F(CyChain, PreliminaryDesignThroughTheSheetToTheDesignFile) {
    const fs::path pre = data("gear.cyb"), preReport = data("gear.cyt");
    {
        fwtest::Session s;
        s.answerSave(data("gear"));
        s.expectMessage(reportMessage(preReport));
        s.onDialog(CypreDlg::IDD, [](fwtest::Running& d) {
            enterWorkedExample(d);
            d.click(fw::IDOK);  // 保存返回
        });
        CypreDlg dlg(nullptr);
        ASSERT_EQ(dlg.DoModal(), fw::IDOK);
        EXPECT_TRUE(s.allUsed());
    }
    auto preFile = bytesOf(pre);
    ASSERT_EQ(preFile.size(), 440u);
    auto saved = loadCyPreFile(preFile);
    ASSERT_TRUE(saved) << saved.error();
    const CyPreRecord savedPre = saved->record;
    // The worked example: Z2 = 64, mn = 2.5, ms = 2.595137, β = 15°33′43″, a = 108.9957.
    EXPECT_EQ(savedPre.z2, 64);
    EXPECT_DOUBLE_EQ(savedPre.mn, 2.5);
    EXPECT_NEAR(savedPre.ms, 2.595137, 1e-6);
    EXPECT_EQ(savedPre.betaDeg, 15);
    EXPECT_EQ(savedPre.betaMin, 33);
    EXPECT_EQ(savedPre.betaSec, 43);
    EXPECT_NEAR(savedPre.a, 108.9957, 1e-4);

    // The sheet loads the saved file, takes the housing's 110 mm and saves.
    fwtest::Session s;
    s.answerOpen(pre);
    s.onSheet([](fwtest::Running& d) {
        ASSERT_TRUE(d.click(P1::IDC_LOAD_PRE));
        EXPECT_EQ(d.text(P1::IDC_TITLE), "带式输送机减速器高速级");
        EXPECT_EQ(d.text(P1::IDC_Z2), "64");
        EXPECT_EQ(d.text(P1::IDC_BETA_DEG), "15");
        d.type(P1::IDC_A, "110");
        d.leave();  // the centre-distance rule distributes
        ASSERT_TRUE(d.click(P1::IDC_DISTRIBUTE));
        EXPECT_EQ(d.text(P1::IDC_A), "110");
        d.click(fw::IDOK);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    ASSERT_EQ(sheet.DoModal(), fw::IDOK);
    s.answerSave(data("gear2"));
    ASSERT_TRUE(sheet.doSave());
    EXPECT_TRUE(s.allUsed());
    EXPECT_EQ(sheet.m_strReportPath, data("gear2.cyt").string()) << "a design saved as gear2 has gear2's report";

    auto file = bytesOf(data("gear2.cyb"));
    ASSERT_EQ(file.size(), 776u);
    auto loaded = loadGeometryDesign(file);
    ASSERT_TRUE(loaded) << loaded.error();
    expectSamePreliminary(loaded->pre, savedPre);
    EXPECT_EQ(loaded->geom, currentDesign().geom);
    EXPECT_EQ(loaded->geom.status, 102);
    EXPECT_EQ(loaded->geom.z1, 20);
    EXPECT_EQ(loaded->geom.z2, 64);
    EXPECT_DOUBLE_EQ(loaded->geom.a, 110);
    EXPECT_DOUBLE_EQ(loaded->geom.psiD, savedPre.phiD) << "ψd comes with the preliminary design";
    // a > ad = 84·2.595137/2 = 108.9957: a positive total shift shared out.
    EXPECT_GT(loaded->geom.sumX, 0);
    EXPECT_NEAR(loaded->geom.xn1 + loaded->geom.xn2, loaded->geom.sumX, 1e-12);
    // The preliminary file itself is untouched.
    EXPECT_EQ(bytesOf(pre), preFile);
}

// One design, one report: a design named with two dots keeps its report
// "x.v2.cyt" through every step (the preliminary save, the sheet's save and
// the rating's load), never "x.cyt".
TEST_F(CyChain, ADesignNameWithTwoDotsKeepsOneReport) {
    const fs::path design = data("x.v2.cyb"), report = data("x.v2.cyt");
    {
        fwtest::Session s;
        s.answerSave(design);
        s.expectMessage(reportMessage(report));
        s.onDialog(CypreDlg::IDD, [](fwtest::Running& d) {
            enterWorkedExample(d);
            d.click(fw::IDOK);
        });
        CypreDlg dlg(nullptr);
        ASSERT_EQ(dlg.DoModal(), fw::IDOK);
        EXPECT_EQ(dlg.m_strReportPath, report.string());
    }
    {
        fwtest::Session s;
        s.answerOpen(design);
        s.onSheet([](fwtest::Running& d) {
            ASSERT_TRUE(d.click(P1::IDC_LOAD_PRE));
            ASSERT_TRUE(d.click(P1::IDC_DISTRIBUTE));
            d.click(fw::IDOK);
        });
        CCyGeomProSheet sheet(kCaption, nullptr);
        ASSERT_EQ(sheet.DoModal(), fw::IDOK);
        s.answerSave(design);
        ASSERT_TRUE(sheet.doSave());
        EXPECT_EQ(sheet.m_strReportPath, report.string());
    }
    {
        // The rating: the loaded pair (helical), rated for contact.
        fwtest::Session s;
        s.answerOpen(design);
        proof_test::queueContactRating(s);
        s.answerSave(report);
        s.onDialog(CCyProofDlg::IDD, [](fwtest::Running& d) {
            using R = CCyProofDlg;
            ASSERT_TRUE(d.click(R::IDC_LOAD));
            // Page 4 never computed the contact ratios: εα given, εβ from b.
            d.type(R::IDC_EPS_ALPHA, "1.6");
            d.type(R::IDC_B, "30");
            d.leave();
            proof_test::computeForces(d, true);
            proof_test::clickContactFactors(d);
            for (int id : {R::IDC_SIGMAH_BTN, R::IDC_SIGMAHP_BTN, R::IDC_SH_BTN}) ASSERT_TRUE(d.click(id)) << id;
            d.click(fw::IDOK);
        });
        CCyProofDlg dlg(nullptr);
        ASSERT_EQ(dlg.DoModal(), fw::IDOK);
        EXPECT_EQ(s.files().back().request.initialName, "x.v2.cyt") << "the report the load derived is offered";
        EXPECT_EQ(dlg.m_strReportPath, report.string());
    }
    EXPECT_FALSE(fs::exists(data("x.cyt")));
}

// ---- the internal example with its cutting and interference check ----

// Page 1 with the internal pair Z1 = 20, Z2 = 34, mn = 2, αn = 20°, a = 15 typed in.
void enterInternalPair(fwtest::Running& d) {
    d.type(P1::IDC_TITLE, "内齿圈传动");
    d.leave();
    d.type(P1::IDC_NUMBER, "NC-020");
    d.leave();
    d.type(P1::IDC_DATE, "2025年12月10日");
    d.leave();
    d.type(P1::IDC_Z1, "20");
    d.type(P1::IDC_Z2, "34");
    d.type(P1::IDC_MN, "2");
    d.leave();
    ASSERT_TRUE(d.click(P1::IDC_INTERNAL));
    EXPECT_EQ(d.text(P1::IDC_AD), "14") << "(34 − 20)·2/2";
    d.type(P1::IDC_A, "15");
    d.leave();
    // yn = 0.5; u = 1.7 is class 2: xn1 = 0.25 + 0.25·0.6103, xn2 = Σx + xn1.
    EXPECT_EQ(d.text(P1::IDC_YN), "0.5");
    EXPECT_TRUE(d.text(P1::IDC_XN1).starts_with("0.4025")) << d.text(P1::IDC_XN1);
    EXPECT_TRUE(d.text(P1::IDC_XN2).starts_with("1.0128")) << d.text(P1::IDC_XN2);
}

// The cutter dialog: pinion hobbed, the internal gear shaped with cutter 2
// (z0 = 17, x0 = 0, ha0* = 1.25); then the check dialog is closed.
void queueCutterAndCheck(fwtest::Session& s) {
    s.onDialog(Cut::IDD, [](fwtest::Running& d) {
        EXPECT_FALSE(d.enabled(Cut::IDC_GEAR_HOBBED)) << "an internal gear is always shaped";
        d.click(Cut::IDC_PINION_HOBBED);
        d.type(Cut::IDC_Z02, "17");
        d.leave();
        d.type(Cut::IDC_X02, "0");
        d.leave();
        d.type(Cut::IDC_HA02, "1.25");
        d.leave();
        EXPECT_EQ(d.text(Cut::IDC_D02), "34");
        EXPECT_EQ(d.text(Cut::IDC_DA02), "39");
        d.click(fw::IDOK);
    });
    s.onDialog(CCyGeomCheckDlg::IDD, [](fwtest::Running& d) {
        auto rows = d.rows(CCyGeomCheckDlg::IDC_CHECK_LIST);
        EXPECT_EQ(rows.size(), 10u);
        for (const auto& r : rows) {
            ASSERT_EQ(r.size(), 3u);
            EXPECT_TRUE(r[2] == "Ok!" || r[2] == "OK!") << r[1] << " / " << r[2];
        }
        d.click(fw::IDOK);
    });
}

// The summary of the check (static 1035), with cutters, internal rows 0 to 9
// in order, all passing; Sa1 = 0.75 mm worked out by hand.
const char* const kInternalSummary =
    "小齿轮无根切！ "
    "小齿轮齿顶厚: Sa1 = 0.75 mm; "
    "内齿轮齿根过渡线无干涉！ "
    "小齿轮齿根过渡线无干涉！ "
    "无渐开线干涉！ "
    "无刀具渐开线干涉！ "
    "无重迭干涉！ "
    "无插齿齿廓重迭干涉！"
    "无径向干涉！ "
    "内齿轮无径向顶切！ ";

TEST_F(CyChain, InternalCheckSectionMatchesTheGoldenFile) {
    const fs::path report = data("ring.cyt");
    ASSERT_TRUE(fw::writeFile(report, std::vector<std::uint8_t>{}));  // the report dialog wants an existing file
    fwtest::Session s;
    queueCutterAndCheck(s);
    s.answerSave(report);
    s.expectMessage(reportMessage(report));
    s.onSheet([](fwtest::Running& d) {
        enterInternalPair(d);
        ASSERT_TRUE(d.click(P1::IDC_CHECK));
        EXPECT_EQ(d.text(P1::IDC_RESULT), kInternalSummary);
        ASSERT_TRUE(d.click(P1::IDC_REPORT));
        d.click(fw::IDCANCEL);
    });
    CCyGeomProSheet sheet(kCaption, nullptr);
    sheet.DoModal();
    EXPECT_TRUE(s.allUsed());
    ASSERT_TRUE(sheet.m_page1.checkSection());
    EXPECT_EQ(sheet.m_page1.checkSection()->items.size(), 10u);

    auto golden = bytesOf(fs::path(KAVRIN_SOURCE_DIR) / "cylindrical/tests/fixtures/geometry_internal_check_section.cyt");
    auto written = bytesOf(report);
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(std::string(written.begin(), written.end()), std::string(golden.begin(), golden.end()))
        << "compare " << report;
}

// Verdicts belong to the shifts they were found for: a page-1 change that
// resets or redistributes the shifts empties them, and the report prints
// "未进行切齿校验!" again until the check runs anew.
TEST_F(CyChain, RedistributionMakesTheVerdictsStale) {
    struct Case {
        const char* name;
        std::function<void(fwtest::Running&)> change;
    } cases[] = {
        // The centre-distance rule distributes again.
        {"new a", [](fwtest::Running& d) { d.type(P1::IDC_A, "15.5"); d.leave(); }},
        // "更新设计数据" distributes again (same a: the same shifts, still a new distribution).
        {"distribute", [](fwtest::Running& d) { d.click(P1::IDC_DISTRIBUTE); }},
        // The tooth-count rule resets the distribution.
        {"new Z1", [](fwtest::Running& d) { d.type(P1::IDC_Z1, "19"); d.leave(); }},
        // A hand edit of one shift recomputes the other.
        {"hand shift", [](fwtest::Running& d) { d.type(P1::IDC_XN1, "0.3"); d.leave(); }},
    };
    const std::string noCheck = fw::gbkFromUtf8("\t校验结果：\r\n\t未进行切齿校验!");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshDesign();
        const fs::path report = data(std::string("stale-") + std::to_string(&c - cases) + ".cyt");
        ASSERT_TRUE(fw::writeFile(report, std::vector<std::uint8_t>{}));
        fwtest::Session s;
        queueCutterAndCheck(s);
        s.answerSave(report);
        s.expectMessage(reportMessage(report));
        bool clearedOnPage = false;
        CCyGeomProSheet sheet(kCaption, nullptr);
        s.onSheet([&](fwtest::Running& d) {
            enterInternalPair(d);
            ASSERT_TRUE(d.click(P1::IDC_CHECK));
            ASSERT_TRUE(sheet.m_page1.checkSection());
            c.change(d);
            clearedOnPage = !sheet.m_page1.checkSection().has_value();
            ASSERT_TRUE(d.click(P1::IDC_REPORT));
            d.click(fw::IDCANCEL);
        });
        sheet.DoModal();
        EXPECT_TRUE(s.allUsed());
        EXPECT_TRUE(clearedOnPage);
        auto written = bytesOf(report);
        std::string text(written.begin(), written.end());
        EXPECT_TRUE(text.ends_with(noCheck)) << fw::utf8FromGbk(text);
        EXPECT_EQ(text.find(fw::gbkFromUtf8("插齿刀方案")), std::string::npos);
    }
}

}  // namespace
