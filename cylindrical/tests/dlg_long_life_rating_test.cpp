// The worked example's pair (docs/examples.htm) rated for a long industrial
// life: the preliminary design and the geometry sheet as the document does
// them, then the strength rating with NE 6e10 in both life dialogs. The
// document's own road, step by step by name, is shell/tests/
// worked_example_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "common/dialogs/application_factor_dialog.h"
#include "common/calc/rating_tables.h"
#include "common/dialogs/bending_life_dialog.h"
#include "common/dialogs/contact_life_dialog.h"
#include "common/dialogs/work_hardening_dialog.h"
#include "cylindrical/calc/geometry_design.h"
#include "cylindrical/cy_geom_pro_page2.h"
#include "cylindrical/cy_geom_pro_page3.h"
#include "cylindrical/cy_geom_pro_page4.h"
#include "cylindrical/cy_geom_pro_sheet.h"
#include "cylindrical/cy_proof_dlg.h"
#include "cylindrical/cygeom_check_dlg.h"
#include "cylindrical/cygeom_cut_dlg.h"
#include "cylindrical/cypre_dlg.h"
#include "cylindrical/tests/design_fixture.h"
#include "cylindrical/tests/proof_test_support.h"
#include "cylindrical/tests/worked_example.h"
#include "cylindrical/tests/worked_example_document.h"
#include "fw/file.h"
#include "fw/format.h"
#include "fw/text.h"
#include "fwtest/script.h"

using namespace cylindrical;
namespace fs = std::filesystem;

namespace {

using P1 = CCyGeomProPage1;
using P2 = CCyGeomProPage2;
using P3 = CCyGeomProPage3;
using P4 = CCyGeomProPage4;
using Cut = CCygeomCutDlg;
using R = CCyProofDlg;

constexpr const char* kCaption = "《Ondrel》 Kavrin  齿轮几何计算程序";

std::string fileText(const fs::path& p) {
    auto r = fw::readFile(p);
    return r ? std::string(r->begin(), r->end()) : std::string();
}

// The report at p as lines.
std::vector<std::string> reportLines(const fs::path& p) { return worked_example::reportLines(fw::utf8FromGbk(fileText(p))); }

// The answers of the rating's two life dialogs.
struct LifeAnswers {
    fwtest::Script contact;   // the contact life dialog (1034)
    fwtest::Script bending;   // the bending life dialog (1029)
};

class WorkedExamplePair : public cylindrical_test::DesignTest {
protected:
    WorkedExamplePair() : DesignTest("worked_example") {}

    // The preliminary design saved as `design` with its report, then the
    // geometry sheet: load, a = 110, distribute, check, the four report
    // sections, save.
    void designPair(const fs::path& design, const fs::path& report) {
        {
            fwtest::Session s;
            s.answerSave(design.parent_path() / design.stem());
            s.answerMessage(fw::IDOK);
            s.onDialog(CypreDlg::IDD, [](fwtest::Running& d) {
                cylindrical_test::enterWorkedExample(d);
                d.click(fw::IDOK);
            });
            CypreDlg dlg(nullptr);
            ASSERT_EQ(dlg.DoModal(), fw::IDOK);
        }
        fwtest::Session s;
        s.answerOpen(design);
        // Both gears hobbed: no shaper cutter is chosen.
        s.onDialog(Cut::IDD, [](fwtest::Running& d) { d.click(fw::IDCANCEL); });
        s.answerSave(report);
        for (int i = 0; i < 4; ++i) s.answerMessage(fw::IDOK);
        s.onSheet([](fwtest::Running& d) {
            ASSERT_TRUE(d.click(P1::IDC_LOAD_PRE));
            d.type(P1::IDC_A, "110");
            d.leave();
            ASSERT_TRUE(d.click(P1::IDC_DISTRIBUTE));
            ASSERT_TRUE(d.click(P1::IDC_CHECK));
            d.click(P1::IDC_REPORT);
            ASSERT_TRUE(d.page(1));
            d.click(P2::kIds.report);
            ASSERT_TRUE(d.page(2));
            d.click(P3::kIds.report);
            ASSERT_TRUE(d.page(3));
            d.click(P4::IDC_CALC);
            d.click(P4::IDC_REPORT);
            d.click(fw::IDOK);
        });
        CCyGeomProSheet sheet(kCaption, nullptr);
        ASSERT_EQ(sheet.DoModal(), fw::IDOK);
        s.answerSave(design);
        ASSERT_TRUE(sheet.doSave());
        EXPECT_TRUE(s.allUsed());
    }

    // The strength rating of the pinion (torque, forces, every factor,
    // contact and bending, save), the life dialogs answered by `lives`;
    // returns what the rating reported.
    RatingReportData ratePinion(const fs::path& design, const fs::path& report, const LifeAnswers& lives) {
        using namespace proof_test;
        fwtest::Session s;
        s.answerOpen(design);
        answerTorque(s, "960", "10");
        // The driven conveyor with moderate shocks: KA at the low end of 1.25 to 1.50.
        s.onDialog(kKaDlg, [](fwtest::Running& f) {
            f.click(kavrin::ApplicationFactorDialog::IDC_DRIVEN + 1);
            f.click(fw::IDOK);
        });
        for (int id : {kGradeDlg, kGradeDlg, kFaceLoadDlg, kZeDlg}) ok(s, id);
        s.onDialog(kZnDlg, lives.contact);
        for (int id : {kZlDlg, kZrDlg}) ok(s, id);
        // Both flanks case-hardened: no work hardening.
        s.onDialog(kZhwDlg, [](fwtest::Running& f) {
            f.click(kavrin::WorkHardeningDialog::IDC_GEAR);
            f.click(fw::IDOK);
        });
        ok(s, kShiftDlg);
        s.onDialog(kWynDlg, lives.bending);
        ok(s, kWysDlg);
        s.onDialog(kLimitDlg, [](fwtest::Running& f) {
            f.type(kSigmaHlim, "1500");
            f.click(fw::IDOK);
        });
        s.onDialog(kLimitDlg, [](fwtest::Running& f) {
            f.type(kSigmaFlim, "500");
            f.click(fw::IDOK);
        });
        s.answerSave(report);
        s.onDialog(R::IDD, [](fwtest::Running& d) {
            ASSERT_TRUE(d.click(R::IDC_LOAD));
            computeForces(d, true);
            clickContactFactors(d);
            clickBendingFactors(d, true);
            for (int id : {R::IDC_SIGMAH_BTN, R::IDC_SIGMAHP_BTN, R::IDC_SH_BTN, R::IDC_SIGMAF_BTN,
                           R::IDC_SIGMAFP_BTN, R::IDC_SF_BTN})
                ASSERT_TRUE(d.click(id)) << id;
            d.click(fw::IDOK);
        });
        R dlg(nullptr);
        EXPECT_EQ(dlg.DoModal(), fw::IDOK);
        EXPECT_TRUE(s.allUsed());
        return dlg.values();
    }
};

// The pair rated for a long industrial life: NE 6e10 in both life
// dialogs (10＾7 × 6000 typed, then OK; 6e10 typed), past 1e10, where the
// life curves stand at 0.85. The report is the document's but for the lines
// NE reaches: ZN and YN, the permissible stresses formed from them and the
// safety factors.
TEST_F(WorkedExamplePair, ALongLifeIsRatedOnTheLongLifeLine) {
    const fs::path design = data("gear.cyb"), report = data("gear.cyt");
    designPair(design, report);
    const std::uintmax_t designed = fs::file_size(report);
    const LifeAnswers sixE10{[](fwtest::Running& f) {
                                 f.type(kavrin::ContactLifeDialog::IDC_NE, "6e10");
                                 f.click(fw::IDOK);
                             },
                             [](fwtest::Running& f) {
                                 f.click(kavrin::BendingLifeDialog::IDC_MATERIAL + 1);   // 渗碳钢
                                 f.selectText(kavrin::BendingLifeDialog::IDC_CYCLES, "10＾7");
                                 f.type(kavrin::BendingLifeDialog::IDC_MULTIPLIER, "6000");
                                 f.click(fw::IDOK);
                             }};
    const RatingReportData v = ratePinion(design, report, sixE10);
    ASSERT_GT(fs::file_size(report), designed) << "the rating was appended";

    // The curves' value at 6e10: the long-life end, for ZN (class 0, pitting
    // allowed) and YN (case-hardened) alike.
    EXPECT_DOUBLE_EQ(*kavrin::rating::bendingLifeFactor(1, 6e10), 0.85);
    EXPECT_DOUBLE_EQ(v.yN, 0.85);
    EXPECT_DOUBLE_EQ(v.zN, 0.85);
    // The limits and verdicts are formed from those factors.
    EXPECT_NEAR(v.sigmaHP, 1500 * v.zN * v.zL * v.zV * v.zR * v.zW, 1e-9);
    EXPECT_NEAR(v.sigmaFP, 500 * v.yN * v.yS * v.yX, 1e-9);
    EXPECT_NEAR(v.sH, v.sigmaHP / v.sigmaH, 1e-12);
    EXPECT_NEAR(v.sF, v.sigmaFP / v.sigmaF, 1e-12);

    // The document's report with the six lines NE reaches written from them.
    const std::vector<std::pair<std::string, double>> reached = {
        {"Zn=", v.zN}, {"σHlim=", v.sigmaHP}, {"Sh=", v.sH}, {"Yn=", v.yN}, {"σWlim=", v.sigmaFP}, {"Sw=", v.sF},
    };
    std::vector<std::string> want = worked_example::documentedReport(worked_example::documentText());
    for (const auto& [symbol, value] : reached) {
        int found = 0;
        for (std::string& line : want) {
            const std::size_t at = line.find(symbol);
            if (at == std::string::npos) continue;
            // "…symbol   0.9985" or "…symbol   1622.7687 MPa": the number after the blanks.
            const std::size_t from = line.find_first_not_of(' ', at + symbol.size());
            const std::size_t to = line.find(' ', from);
            line.replace(from, (to == std::string::npos ? line.size() : to) - from, fw::format("%.4f", value));
            ++found;
        }
        EXPECT_EQ(found, 1) << symbol;
    }
    const auto got = reportLines(report);
    for (std::size_t k = 0; k < std::max(want.size(), got.size()); ++k)
        EXPECT_EQ(k < got.size() ? got[k] : "<missing>", k < want.size() ? want[k] : "<none>") << "report line " << k;
    const std::string text = fw::utf8FromGbk(fileText(report));
    EXPECT_NE(text.find("Zn=                              0.8500\r\n"), std::string::npos);
    EXPECT_NE(text.find("Yn=                              0.8500\r\n"), std::string::npos);
}

}  // namespace
