// The scenes: real dialogs and sheets, filled as a user would see them.
// Add a scene: write a function below that builds the dialog (or sheet),
// hands it to shooter.shoot(name, dlg, fill), and add one line to the list
// in scenes() under its deliverable's heading. The PNG is <name>.png.
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "samples.h"
#include "shooter.h"
#include "cycloid/cex_design.h"  // kavrin: cycloid design wizard
#include "cycloid/cexy_property_sheet.h"
#include "cycloid/cdest_cexd_a_dlg.h"
#include "cycloid/cdest_cexd_bc_dlg.h"
#include "cycloid/cdest_cexd_k1_dlg.h"
#include "cycloid/cdest_cexd_k2_dlg.h"
#include "cycloid/cdest_cexd_rp_dlg.h"
#include "cycloid/ccdest_part_mat_dlg.h"
#include "cycloid/cdest_part_di_dlg.h"
#include "cycloid/dorrith_dlg.h"
#include "cycloid/parametdlg.h"
#include "resources/kavrin/module.h"
#include "fw/file.h"  // kavrin: profile CAD data tool
#include "profiletool/ctool_cy_dwdata_dlg.h"
#include "cylindrical/cy_geom_pro_sheet.h"  // corvane: geometry sheet
#include "cylindrical/calc/cutting_check.h"  // corvane: cutter scheme and check results
#include "cylindrical/cygeom_check_dlg.h"
#include "cylindrical/cygeom_cut_dlg.h"
#include "cylindrical/cypre_dlg.h"  // corvane: preliminary design
#include "cylindrical/tests/worked_example.h"
#include "cylindrical/invdlg.h"     // corvane: involute converter
#include "cylindrical/cy_proof_dlg.h"  // corvane: strength rating
#include "measurement/cy_measure_one_dlg.h"  // corvane: single gear measurement
#include "smallmodule/csmcy_bita_dlg.h"  // corvane: small-module pairs
#include "smallmodule/csmcy_dlg.h"
#include "fw/format.h"
#include "worm/calc/worm_geometry.h"
#include "worm/ccw_gm_dlg.h"            // tarv: ordinary worm pair geometry
#include "worm/ccw_pr_dlg.h"            // tarv: worm preliminary design
#include "worm/ccw_pro_dlg.h"           // tarv: worm strength rating
#include "worm/ccw_rating_dlgs.h"       // tarv: the rating's small dialogs
#include "worm/cccw_gm_dlg.h"           // tarv: ZC3 geometry and its face-width dialog
#include "worm/cw_pic_dlg.h"            // tarv: worm pair pictures
#include "worm/cw_zlo_dlg.h"            // tarv: contact-factor charts
#include "measurement/cy_measure_tow_dlg.h"  // corvane: gear pair measurement
#include "bevel/rating/sirrow_chart_dlgs.h"   // sirrow: the rating's charts
#include "bevel/rating/sirrow_option_dlgs.h"  // sirrow: arrangement, grade, cutter factor
#include "bevel/rating/sirrow_wyf_dlg.h"
#include "bevel/rating/sirrow_dlg.h"  // sirrow: the rating dialog
#include "measurement/cymeasure_rdlg.h"      // corvane: root fillet of the profile output
#include "bevel/geometry/belmar_len_dlg.h"  // belmar: straight bevel geometry
#include "bevel/geometry/belmar_len_img_dlg.h"  // belmar: symbols picture
#include "bevel/geometry/aol_dlg.h"  // belmar: cycloidal bevel geometry and its sub-dialogs
#include "bevel/geometry/aol_entc_dlg.h"
#include "bevel/geometry/aol_tilt_dlg.h"
#include "bevel/geometry/aol_x_dlg.h"
#include "bevel/preliminary/a196_dlg.h"  // pellun: chart dialogs
#include "bevel/preliminary/a197_dlg.h"
#include "bevel/preliminary/a198_dlg.h"
#include "bevel/preliminary/a199_dlg.h"
#include "bevel/preliminary/c80_dlg.h"
#include "bevel/preliminary/c81_dlg.h"
#include "bevel/preliminary/yf_dlg.h"
#include "bevel/preliminary/khbita_dlg.h"  // pellun: face load factors
#include "bevel/preliminary/kwbita_dlg.h"
#include "bevel/preliminary/pellun_type.h"  // pellun: preliminary design
#include "bevel/geometry/belmar_arc_dlg.h"  // belmar: spiral bevel geometry

namespace shots {

namespace {

using namespace samples;

// ---- samples ----

void sampleDialog(Shooter& shooter) {
    fw::Dialog dlg(samples::module(), IDD_ALL_KINDS);
    shooter.shoot("samples-dialog", dlg, [](fw::Dialog& d) {
        d.setText(IDC_Z1, "23");
        d.setText(IDC_M, "2.5");
        d.setText(IDC_ALPHA, "20");
        d.setText(IDC_A, "125.000");
        d.checkRadio(IDC_R_POWER, IDC_R_TORQUE, IDC_R_POWER);
        d.setCheck(IDC_CHECK, true);
        d.combo(IDC_GRADE).setCurSel(1);
        d.combo(IDC_FACTOR).setText("1.25");
        d.listBox(IDC_LIST).setCurSel(1);
        auto& v = d.listView(IDC_VIEW);
        v.insertColumn(0, "检查项目", fw::Align::Left, 110);
        v.insertColumn(1, "结果", fw::Align::Center, 60);
        v.insertColumn(2, "解决方法", fw::Align::Left, 90);
        const char* rows[][3] = {{"齿顶变尖", "通过", "Ok!"}, {"根切", "通过", "Ok!"}, {"过渡曲线干涉", "不通过", "增大变位系数"}};
        for (int r = 0; r < 3; ++r) {
            v.insertItem(r, rows[r][0]);
            v.setItemText(r, 1, rows[r][1]);
            v.setItemText(r, 2, rows[r][2]);
        }
        auto& t = d.trackbar(IDC_SLIDER);
        t.setRange(0, 200);
        t.setTicFreq(20);
        t.setPos(60);
        d.datePicker(IDC_DATE).setDate({2024, 5, 6});
        d.setText(IDC_HINT, "按强度计算得到许用模数与中心距，请以此为最小条件进行结构设计");
        d.setFocus(IDC_M);
    });
}

class SamplePage : public fw::PropertyPage {
public:
    SamplePage(int id, unsigned wizardButtons = 0) : fw::PropertyPage(samples::module(), id), m_buttons(wizardButtons) {}
    bool OnSetActive() override {
        if (sheet()->isWizard()) sheet()->SetWizardButtons(m_buttons);
        return fw::PropertyPage::OnSetActive();
    }

private:
    unsigned m_buttons;
};

void sampleSheet(Shooter& shooter) {
    SamplePage p1(IDD_SHEET_P1), p2(IDD_SHEET_P2);
    fw::PropertySheet sheet("几何计算");
    sheet.AddPage(&p1);
    sheet.AddPage(&p2);
    sheet.setHelpButton(true);
    shooter.shoot("samples-sheet", sheet, [&](fw::PropertySheet&) {
        p1.setText(IDC_Z1, "3.2");
        p1.setText(IDC_A, "160");
        p1.setText(IDC_M, "4");
        p1.setCheck(IDC_CHECK, true);
    });
}

void sampleWizard(Shooter& shooter) {
    SamplePage p1(IDD_WIZ_P1, PSWIZB_NEXT), p2(IDD_WIZ_P2, PSWIZB_BACK | PSWIZB_FINISH);
    fw::PropertySheet sheet("设计向导");
    sheet.AddPage(&p1);
    sheet.AddPage(&p2);
    sheet.SetWizardMode();
    sheet.setHelpButton(true);
    shooter.shoot("samples-wizard", sheet, [&](fw::PropertySheet&) {
        p1.setText(IDC_NAME, "减速器高速级");
        p1.setText(IDC_NOTE, "斜齿圆柱齿轮");
    });
}

// ---- kavrin: the cycloid design wizard ----

// The wizard as the shell runs it, on its first page.
void cycloidWizard(Shooter& shooter) {
    CCexyPropertySheet sheet(kavrin::IDS_CEXY_CAPTION, nullptr);
    g_pCexySheet = &sheet;
    sheet.SetWizardMode();
    shooter.shoot("kavrin-cycloid-wizard", sheet, [](fw::PropertySheet&) {});
    g_pCexySheet = nullptr;
}

// Page 1 with the worked example: P 10 kW, n0 1500 r/min, Zc 11, η 0.9,
// K1 0.5, Rp 100, Rrp 10, a 50/12, bc 15.
void cycloidPage1(Shooter& shooter) {
    using P = CCexyPropertyPage1;
    g_cexRecord = {};
    CCexyPropertySheet sheet(kavrin::IDS_CEXY_CAPTION, nullptr);
    g_pCexySheet = &sheet;
    sheet.SetWizardMode();
    shooter.shoot("kavrin-cycloid-page1", sheet, [&sheet](fw::PropertySheet&) {
        P& p = sheet.m_page1;
        p.userTyped(P::IDC_TITLE, "摆线针轮减速器");
        p.userTyped(P::IDC_NUMBER, "CX-2026-01");
        p.userTyped(P::IDC_P, "10");
        p.userTyped(P::IDC_N0, "1500");
        p.userTyped(P::IDC_ZC, "11");
        p.userFocus(P::IDC_TITLE);   // the geometry controls open after the tooth count
        p.userTyped(P::IDC_RP, "100");
        p.userTyped(P::IDC_RRP, "10");
        p.m_K1 = 0.5;
        p.userTyped(P::IDC_A, "4.16666666666667");
        p.userFocus(P::IDC_TITLE);
        p.userTyped(P::IDC_BC, "15");
        p.userFocus(P::IDC_TITLE);
    });
    g_pCexySheet = nullptr;
    g_cexRecord = {};
}

// Page 2 with the example of page 1, every part computed (bore 80, the
// default material).
void cycloidPage2(Shooter& shooter) {
    using P = CCexyPropertyPage2;
    g_cexRecord = {};
    auto& b1 = g_cexRecord.b1;
    b1.a = 50.0 / 12;
    b1.bc = 15;
    b1.i = 11;
    b1.K1 = 0.5;
    b1.K2 = 2.5882;
    b1.n0 = 1500;
    b1.eta = 0.9;
    b1.P = 10;
    b1.Rp = 100;
    b1.Rrp = 10;
    b1.Tc = 630.234;
    b1.Zc = 11;
    b1.Zp = 12;
    b1.status = cycloid::kStatus1;
    CCexyPropertySheet sheet(kavrin::IDS_CEXY_CAPTION, nullptr, 1);
    g_pCexySheet = &sheet;
    sheet.SetWizardMode();
    shooter.shoot("kavrin-cycloid-page2", sheet, [&sheet](fw::PropertySheet&) {
        P& p = sheet.m_page2;
        p.userTyped(P::IDC_DSP, "16");
        p.userTyped(P::IDC_DT, "5");
        p.userFocus(P::IDC_L);
        p.userClick(P::IDC_DJ_BUTTON);
        p.userClick(P::IDC_DFC_BUTTON);
        p.userClick(P::IDC_DAC_BUTTON);
        p.m_Di = 80;
        p.userTyped(P::IDC_DW_CIRCLE, "125.7303");
        p.userFocus(P::IDC_L);
        // The output pins as the dsw button gives them with the default material.
        cycloid::OutputPinInputs in{.a = 50.0 / 12, .Di = 80, .Dw = p.m_Dw, .dfc = p.m_dfc, .dp = 200, .X2 = 10,
                                    .X1 = 2, .Tc = 630.234, .bc = 15, .l = 52.5};
        if (auto r = cycloid::designOutputPins(in)) {
            p.m_drw = r->drw;
            p.m_dsw = r->dsw;
            p.m_Qmax = r->Qmax;
            p.m_epsMax = r->epsMax;
            p.m_Nz = r->Nz;
            p.m_Sf = r->Sf;
            p.m_inputMask |= P::kDsw | P::kDrw;
            p.UpdateData(false);
        }
        p.userTyped(P::IDC_DT, "4");   // an accepted input brings the controls up to date
        p.userFocus(P::IDC_L);
        p.userClick(P::IDC_DW_HOLE_BUTTON);
    });
    g_pCexySheet = nullptr;
    g_cexRecord = {};
}

// Pages 3 and 4 with the chain of the example: IT7, both sliders at 25,
// the three clearances, then the optimum.
void cycloidPages34(Shooter& shooter, const char* name, int page) {
    using P3 = CCexyPropertyPage3;
    g_cexRecord = {};
    auto& b1 = g_cexRecord.b1;
    b1.a = 50.0 / 12;
    b1.bc = 15;
    b1.K1 = 0.5;
    b1.Rp = 100;
    b1.Rrp = 10;
    b1.Zc = 11;
    b1.Zp = 12;
    g_cexRecord.b2.Dw = 125.73033333333333;
    CCexyPropertySheet sheet(kavrin::IDS_CEXY_CAPTION, nullptr, 2);
    g_pCexySheet = &sheet;
    sheet.SetWizardMode();
    shooter.shoot(name, sheet, [&sheet, page](fw::PropertySheet&) {
        P3& p = sheet.m_page3;
        p.userSelect(P3::IDC_GRADE, 3);
        p.userTrackbarMove(P3::IDC_DWL_SLIDER, 25);
        p.userTrackbarRelease(P3::IDC_DWL_SLIDER);
        p.userTrackbarMove(P3::IDC_DPT_SLIDER, 25);
        p.userTrackbarRelease(P3::IDC_DPT_SLIDER);
        p.userClick(P3::IDC_DC_BUTTON);
        p.userClick(P3::IDC_DJ_BUTTON);
        p.userClick(P3::IDC_DELTA_BUTTON);
        if (page == 3) {
            sheet.userClick(fw::ID_WIZNEXT);
            sheet.m_page4.userClick(CCexyPropertyPage4::IDC_CALC);
        }
    });
    g_pCexySheet = nullptr;
    g_cexRecord = {};
}
void cycloidPage3(Shooter& s) { cycloidPages34(s, "kavrin-cycloid-page3", 2); }
void cycloidPage4(Shooter& s) { cycloidPages34(s, "kavrin-cycloid-page4", 3); }

// Pages 5 and 6 on the chain's record, page 6 calculated with the default
// material.
void cycloidPages56(Shooter& shooter, const char* name, int page) {
    g_cexRecord = {};
    auto& b1 = g_cexRecord.b1;
    b1.a = 50.0 / 12;
    b1.bc = 15;
    b1.K1 = 0.5;
    b1.Rp = 100;
    b1.Rrp = 10;
    b1.Tc = 630.234;
    b1.Zc = 11;
    b1.Zp = 12;
    auto& b2 = g_cexRecord.b2;
    b2.dp = 200;
    b2.drp = 20;
    b2.dsp = 16;
    b2.l = 52.5;
    b2.X1 = 2;
    auto& b4 = g_cexRecord.b4;
    b4.drp = 0.375;
    b4.drrp = 0.52;
    b4.dj = 0.145;
    CCexyPropertySheet sheet(kavrin::IDS_CEXY_CAPTION, nullptr, page);
    g_pCexySheet = &sheet;
    sheet.SetWizardMode();
    shooter.shoot(name, sheet, [&sheet, page](fw::PropertySheet&) {
        using P6 = CCexyPropertyPage6;
        if (page != 5) return;
        P6& p = sheet.m_page6;
        p.userTyped(P6::IDC_E, "206000");
        p.userTyped(P6::IDC_MU, "0.3");
        p.userTyped(P6::IDC_SHP, "1200");
        p.userTyped(P6::IDC_SFP, "180");
        p.userFocus(P6::IDC_TO);
        p.m_bits |= P6::kTo;   // the torque bit of "提取数据"
        p.userTyped(P6::IDC_E, "206001");
        p.userFocus(P6::IDC_TO);
        p.userTyped(P6::IDC_E, "206000");
        p.userFocus(P6::IDC_TO);
        p.userClick(P6::IDC_CALC);
    });
    g_pCexySheet = nullptr;
    g_cexRecord = {};
}
void cycloidPage5(Shooter& s) { cycloidPages56(s, "kavrin-cycloid-page5", 4); }
void cycloidPage6(Shooter& s) { cycloidPages56(s, "kavrin-cycloid-page6", 5); }

// The custom profile designer in mode 4 (Δrrp 0.1, Δrp 0.05) after a
// calculation with the start values.
void cycloidDesigner(Shooter& shooter) {
    using D = CDorrithDlg;
    D dlg;
    shooter.shoot("kavrin-cycloid-designer", dlg, [](fw::Dialog& d) {
        d.userClick(D::IDC_MODE4);
        d.userTyped(D::IDC_DRRP, "0.1");
        d.userFocus(D::IDC_PARAMS);
        d.userTyped(D::IDC_DRP, "0.05");
        d.userFocus(D::IDC_PARAMS);
        d.userClick(D::IDC_CALC);
    });
}

void cycloidDesignerTable(Shooter& shooter) {
    ParametDlg dlg;
    shooter.shoot("kavrin-cycloid-designer-k1", dlg);
}

void cycloidBearingDialog(Shooter& shooter) {
    CDestPartDiDlg dlg;
    dlg.setRange(80, 100);
    shooter.shoot("kavrin-cycloid-bearing", dlg);
}

void cycloidMaterialDialog(Shooter& shooter) {
    CCDestPartMatDlg dlg;
    shooter.shoot("kavrin-cycloid-material", dlg);
}

template <class D>
void rangeDialog(Shooter& shooter, const char* name, double low, double high, int pos) {
    D dlg;
    dlg.setRange(low, high);
    shooter.shoot(name, dlg, [pos](fw::Dialog& d) {
        d.userTrackbarMove(D::IDC_SLIDER, pos);
        d.userTrackbarRelease(D::IDC_SLIDER);
    });
}
void cycloidK1Dialog(Shooter& s) { rangeDialog<CDestCexdK1Dlg>(s, "kavrin-cycloid-k1", 0.42, 0.55, 30); }
void cycloidK2Dialog(Shooter& s) { rangeDialog<CDestCexdK2Dlg>(s, "kavrin-cycloid-k2", 2.85, 3.85, 20); }
void cycloidRpDialog(Shooter& s) { rangeDialog<CDestCexdRpDlg>(s, "kavrin-cycloid-rp", 72.8763, 111.4578, 25); }
void cycloidBcDialog(Shooter& s) { rangeDialog<CDestCexdBcDlg>(s, "kavrin-cycloid-bc", 10, 20, 25); }
void cycloidADialog(Shooter& shooter) {
    CDestCexdADlg dlg;
    dlg.setChoices(4.5, 50.0 / 12, 4);
    shooter.shoot("kavrin-cycloid-a", dlg);
}

// ---- corvane: the geometry sheet with the external example pair ----

// Page 1 typed as a user would (Z1 20, Z2 40, mn 2, αn 20°, a = ad = 60) and
// distributed, then the page `index` shown with its listing calculated.
void geometrySheetPage(Shooter& shooter, const char* name, int index) {
    using P1 = CCyGeomProPage1;
    CCyGeomProSheet sheet("《Ondrel》 Kavrin  齿轮几何计算程序", nullptr);
    sheet.removeApplyButton();
    shooter.shoot(name, sheet, [&sheet, index](fw::PropertySheet&) {
        P1& p1 = sheet.m_page1;
        p1.userTyped(P1::IDC_TITLE, "减速器高速级");
        p1.userTyped(P1::IDC_NUMBER, "JS-100");
        p1.userTyped(P1::IDC_Z1, "20");
        p1.userTyped(P1::IDC_Z2, "40");
        p1.userTyped(P1::IDC_MN, "2");
        p1.userFocus(P1::IDC_A);
        p1.userClick(P1::IDC_DISTRIBUTE);
        if (index == 0) return;
        sheet.userSelectPage(index);
        if (index == 1) sheet.m_page2.userClick(CCyGeomProPage2::kIds.calc);
        if (index == 2) sheet.m_page3.userClick(CCyGeomProPage3::kIds.calc);
        if (index == 3) sheet.m_page4.userClick(CCyGeomProPage4::IDC_CALC);
    });
}
void geometrySheetPage1(Shooter& s) { geometrySheetPage(s, "corvane-geometry-sheet-page1", 0); }
void geometrySheetPage2(Shooter& s) { geometrySheetPage(s, "corvane-geometry-sheet-page2", 1); }
void geometrySheetPage3(Shooter& s) { geometrySheetPage(s, "corvane-geometry-sheet-page3", 2); }
void geometrySheetPage4(Shooter& s) { geometrySheetPage(s, "corvane-geometry-sheet-page4", 3); }

// ---- corvane: the cutter scheme and check results of the internal example ----

// Z1 = 20, Z2 = 34, mn = 2, αn = 20°, a = 15 (xn1 = 0.4026, xn2 = 1.0129),
// pinion hobbed, the internal gear shaped by a cutter z0 = 17, x0 = 0.
cylindrical::DesignedPair internalCheckExample() {
    return {.z1 = 20, .z2 = 34, .mn = 2, .alphaN = 20 * 3.141592653589793 / 180, .beta = 0, .haStar = 1,
            .xn1 = 0.4026, .xn2 = 1.0129, .a = 15, .internal = true};
}
cylindrical::CutterScheme internalCheckScheme() {
    return {.pinionHobbed = 1, .gearHobbed = 0, .sameCutter = 0, .cutter1 = {},
            .cutter2 = {.z0 = 17, .d0 = 34, .da0 = 39, .ha0 = 1.25, .x0 = 0}};
}

void cutterSchemeDialog(Shooter& shooter) {
    using D = CCygeomCutDlg;
    D dlg;
    dlg.setInputs(2, cylindrical::kCutModeInternalPair, 1.0);
    shooter.shoot("corvane-cutter-scheme", dlg, [](fw::Dialog& d) {
        d.userClick(D::IDC_PINION_HOBBED);
        d.userTyped(D::IDC_Z02, "17");
        d.userTyped(D::IDC_X02, "0");
        d.userFocus(D::IDC_HA02);
    });
}

void checkResultDialog(Shooter& shooter) {
    CCyGeomCheckDlg dlg;
    auto r = cylindrical::checkDesignedPair(internalCheckExample(), internalCheckScheme());
    if (r) dlg.setContents(r->rows.items, r->rows.results, r->rows.solutions, internalCheckScheme(),
                           cylindrical::kCutModeInternalPair);
    shooter.shoot("corvane-check-results", dlg);
}

// ---- corvane: the preliminary design with the worked example ----

// The worked example typed as a user would, then calculated (the tests' script).
void preliminaryDialog(Shooter& shooter) {
    CypreDlg dlg(nullptr);
    shooter.shoot("corvane-preliminary", dlg, [](fw::Dialog& d) {
        cylindrical_test::UserInput user{d};
        cylindrical_test::enterWorkedExample(user);
    });
}

// ---- corvane: the involute converter at 20° ----

void involuteDialog(Shooter& shooter) {
    using D = CInvdlg;
    D dlg(nullptr);
    shooter.shoot("corvane-involute", dlg, [](fw::Dialog& d) {
        d.userTyped(D::IDC_DECIMAL, "20");
        d.userClick(D::IDC_TO_INV);
    });
}

// ---- corvane: the strength rating of the example pair ----

// The helical example typed in with its torque, and the four forces.
void proofForces(fw::Dialog& d) {
    using D = CCyProofDlg;
    const std::pair<int, const char*> inputs[] = {{D::IDC_Z1, "20"},  {D::IDC_Z2, "40"},         {D::IDC_MN, "2"},
                                                  {D::IDC_ALPHAN, "20"}, {D::IDC_EPS_ALPHA, "1.6"}, {D::IDC_B, "30"},
                                                  {D::IDC_BETA, "15"}, {D::IDC_N1, "1450"},        {D::IDC_T, "65.8552"}};
    for (const auto& [id, text] : inputs) d.userTyped(id, text);
    d.userFocus(D::IDC_TITLE);
    d.userTyped(D::IDC_TITLE, "减速器");
    for (int id : {D::IDC_CALC_FT, D::IDC_CALC_FR, D::IDC_CALC_FX, D::IDC_CALC_FN}) d.userClick(id);
}

void proofAfterForces(Shooter& shooter) {
    CCyProofDlg dlg(nullptr);
    shooter.shoot("corvane-strength-rating-forces", dlg, [](fw::Dialog& d) { proofForces(d); });
}

// Both groups filled as the factor dialogs would leave them (values of the
// chain test's pinion).
void proofGroupsFilled(Shooter& shooter) {
    CCyProofDlg dlg(nullptr);
    shooter.shoot("corvane-strength-rating-filled", dlg, [](fw::Dialog& d) {
        using D = CCyProofDlg;
        proofForces(d);
        const std::pair<int, const char*> shown[] = {
            {D::IDC_KA, "2.25"},        {D::IDC_KA_F, "2.25"},       {D::IDC_KV, "1.0153"},     {D::IDC_KV_F, "1.0153"},
            {D::IDC_KHALPHA, "1"},      {D::IDC_KFALPHA, "1"},       {D::IDC_KHBETA, "1.0564"}, {D::IDC_KFBETA, "1.0564"},
            {D::IDC_ZH, "2.4247"},      {D::IDC_ZE, "191.6457"},     {D::IDC_ZEPS, "0.7525"},   {D::IDC_ZN, "0.9985"},
            {D::IDC_ZL, "1.1598"},      {D::IDC_ZV, "0.9705"},       {D::IDC_ZR, "0.966"},      {D::IDC_ZW, "1.0696"},
            {D::IDC_SIGMAH, "1064.4876"}, {D::IDC_SIGMAHP, "1509.7454"}, {D::IDC_SH, "1.4183"},
            {D::IDC_YFA, "2.3571"},     {D::IDC_YBETA, "0.875"},     {D::IDC_YEPS, "0.7"},      {D::IDC_YN, "1.5557"},
            {D::IDC_YS, "1.2461"},      {D::IDC_YX, "1"},            {D::IDC_SIGMAF, "184.6954"},
            {D::IDC_SIGMAFP, "872.35"}, {D::IDC_SF, "4.7232"},
        };
        for (const auto& [id, text] : shown) d.setText(id, text);
        for (int id : {CCyProofDlg::IDC_SIGMAH_BTN, CCyProofDlg::IDC_SIGMAHP_BTN, CCyProofDlg::IDC_SH_BTN,
                       CCyProofDlg::IDC_SIGMAF_BTN, CCyProofDlg::IDC_SIGMAFP_BTN, CCyProofDlg::IDC_SF_BTN})
            d.enable(id, true);
    });
}

// ---- corvane: the single gear measurement after a trial ----

void measureOneDialog(Shooter& shooter) {
    using D = CCyMeasureOneDlg;
    D dlg(nullptr);
    shooter.shoot("corvane-measure-single", dlg, [](fw::Dialog& d) {
        d.userTyped(D::IDC_TITLE, "测绘齿轮");
        d.userTyped(D::IDC_NUMBER, "CH-020");
        d.userTyped(D::IDC_MN, "2");
        d.userTyped(D::IDC_Z, "20");
        d.userTyped(D::IDC_DA, "44");
        d.userFocus(D::IDC_ALPHA_N);
        d.userClick(D::IDC_TRIAL);
        d.userTyped(D::IDC_DWS, "0.05");
        d.userTyped(D::IDC_DWI, "0.1");
        d.userFocus(D::IDC_TITLE);
    });
}

// ---- corvane: the small-module pair in each mounting pattern ----

// The pattern chosen, the inputs written into the fields (no kill-focus, so
// no questions) and, except for pattern 2 whose split dialog would open,
// calculated: mn 0.5, u 2, a' as the examples of each pattern.
void smallModule(Shooter& shooter, const char* name, int pattern, const char* sigma, const char* aw) {
    using D = CSmcyDlg;
    D dlg;
    shooter.shoot(name, dlg, [=](fw::Dialog& d) {
        auto& s = static_cast<D&>(d);
        switch (pattern) {
        case 0: s.OnBnClickedSmcyPRad1(); break;
        case 1: s.OnBnClickedSmcyPRad2(); break;
        case 2: s.OnBnClickedSmcyPRad3(); break;
        default: s.OnBnClickedSmcyPRad4(); break;
        }
        s.setText(D::IDC_TITLE, "仪表减速器");
        s.setText(D::IDC_NUMBER, "SM-001");
        if (sigma) s.setText(D::IDC_SIGMA, sigma);
        s.setText(D::IDC_U, "2");
        s.setText(D::IDC_AW, aw);
        s.combo(D::IDC_MODULE).setCurSel(8);
        s.OnCbnKillfocusSmcyMoleCmb();
        if (pattern != 2) s.OnBnClickedSmcyCunt();
    });
}
void smallModule0(Shooter& s) { smallModule(s, "corvane-small-module-pattern0", 0, nullptr, "12.75"); }
void smallModule1(Shooter& s) { smallModule(s, "corvane-small-module-pattern1", 1, "10", "13"); }
void smallModule2(Shooter& s) { smallModule(s, "corvane-small-module-pattern2", 2, "45", "15"); }
void smallModule3(Shooter& s) { smallModule(s, "corvane-small-module-pattern3", 3, nullptr, "17.7"); }

// The helix split of Σ = 45° with the user's own pinion angle chosen.
void smallModuleSplit(Shooter& shooter) {
    CSmcyBitaDlg dlg;
    dlg.m_lower = 22.5;
    dlg.m_upper = 45;
    shooter.shoot("corvane-small-module-split", dlg, [](fw::Dialog& d) {
        d.userClick(CSmcyBitaDlg::IDC_OPTION_USER);
        d.userTyped(CSmcyBitaDlg::IDC_BETAP1, "30");
        d.userFocus(IDOK);
    });
}

// ---- tarv ----

// A chart opened at d1/a 0.4 with the cross-hair moved to Zρ 3.06.
template <class Chart>
void contactChart(Shooter& shooter, const char* name) {
    Chart dlg(nullptr);
    dlg.m_d1a = 0.4;
    shooter.shoot(name, dlg, [](fw::Dialog& d) {
        d.userTrackbarMove(CCwZloDlg::IDC_VERT, 20);
        d.userTrackbarRelease(CCwZloDlg::IDC_VERT);
    });
}
// The worm chain's preliminary design with its inputs typed in and the
// results of the calculation shown (the lists as after the module choice).
void wormPreliminary(Shooter& shooter) {
    using D = CcwPrDlg;
    D dlg(nullptr);
    shooter.shoot("tarv-preliminary", dlg, [](fw::Dialog& d) {
        d.userTyped(D::IDC_TITLE, "蜗杆减速器");
        d.userTyped(D::IDC_NUMBER, "TV-01");
        const std::pair<int, const char*> shown[] = {
            {D::IDC_N1, "1450"}, {D::IDC_N2, "72.5"}, {D::IDC_U, "20"}, {D::IDC_P, "7.5"}, {D::IDC_T, "987.8276"},
            {D::IDC_SIGMA_H, "265"}, {D::IDC_SIGMA_F, "115"}, {D::IDC_ZE, "147"}, {D::IDC_KA, "1"},
            {D::IDC_ZRHO, "3.06"}, {D::IDC_D1A, "0.3407"}, {D::IDC_Z1, "2"}, {D::IDC_Z2, "40"},
            {D::IDC_M_CALC, "7.7627"}, {D::IDC_Q, "8.875"}, {D::IDC_D1_CALC, "66.6077"}, {D::IDC_A, "195.5"},
            {D::IDC_D2, "320"}, {D::IDC_GAMMA, "12.6996"}};
        for (auto [id, t] : shown) d.setText(id, t);
        for (const char* m : {"6.30", "8.00", "10.00", "7.00", "12.00"}) d.combo(D::IDC_MODULE).addString(m);
        d.combo(D::IDC_MODULE).setCurSel(1);
        for (const char* m : {"63.0", "71.0", "60.0", "67.0"}) d.combo(D::IDC_DIAMETER).addString(m);
        d.combo(D::IDC_DIAMETER).setCurSel(1);
        d.setText(D::IDC_HINT, "计算结果蜗杆导程角≤15°，效率不太高，如果满意此计算结果请注意保存数据！");
    });
}

// The ordinary geometry with the public example loaded as an involute (ZI)
// worm: the start values the load shows.
void wormOrdinaryGeometry(Shooter& shooter) {
    using D = CCwGmDlg;
    worm::CwPreRecord pre;
    pre.type = worm::WormType::ZL;
    pre.z1 = 2;
    pre.z2 = 30;
    pre.m = 3;
    pre.q = 44.0 / 3;
    pre.d1 = 44;
    pre.d2 = 90;
    pre.a = 67;
    pre.gamma = 7.76517;
    const worm::CwGeomRecord g = *worm::geometry::ordinaryStart(pre);
    D dlg(nullptr);
    shooter.shoot("tarv-ordinary-geometry-zi", dlg, [g](fw::Dialog& d) {
        auto n = [](double v) { return fw::format("%.6g", v); };
        const std::pair<int, double> shown[] = {
            {D::IDC_AW, g.aw}, {D::IDC_THETA, g.theta}, {D::IDC_RHO, g.rho}, {D::IDC_DE2, g.de2}, {D::IDC_MX, g.mx},
            {D::IDC_MN1, g.mn1}, {D::IDC_GAMMA, g.gamma}, {D::IDC_PZ1, g.pz1}, {D::IDC_PX1, g.px1}, {D::IDC_B1, g.b1},
            {D::IDC_HA_STAR, g.haStar}, {D::IDC_ALPHA_X, g.alphaX}, {D::IDC_ALPHA_N, g.alphaN}, {D::IDC_Q, g.q},
            {D::IDC_D1, g.d1}, {D::IDC_BETA_M2, g.betaM2}, {D::IDC_MS, g.ms}, {D::IDC_MN2, g.mn2}, {D::IDC_D2, g.d2},
            {D::IDC_B2, g.b2}, {D::IDC_RG, g.rg}, {D::IDC_A, g.a}, {D::IDC_X2, g.x2}, {D::IDC_D1W, g.d1w},
            {D::IDC_GAMMA_W, g.gammaW}, {D::IDC_HA1, g.ha1}, {D::IDC_HF1, g.hf1}, {D::IDC_H1, g.h1},
            {D::IDC_SN, g.sn}, {D::IDC_HCN1, g.hcn1}, {D::IDC_DA1, g.da1}, {D::IDC_DF1, g.df1}, {D::IDC_HA2, g.ha2},
            {D::IDC_HF2, g.hf2}, {D::IDC_H2, g.h2}, {D::IDC_DM2, g.dm2}, {D::IDC_DA2, g.da2}, {D::IDC_DF2, g.df2},
            {D::IDC_EPS_A, g.epsA}, {D::IDC_DB, g.db}, {D::IDC_GAMMA_B, g.gammaB}, {D::IDC_PBN, g.pbn}};
        for (auto [id, v] : shown) d.setText(id, n(v));
        d.setText(D::IDC_Z1, "2");
        d.setText(D::IDC_Z2, "30");
        d.setText(D::IDC_TYPE, worm::geometry::ordinaryTypeText(g.type));
        const std::pair<int, const char*> labels[] = {
            {D::IDC_DB_LABEL, "基圆直径  d"}, {D::IDC_DB_SUB, "b1"}, {D::IDC_DB_EQ, "="}, {D::IDC_DB_UNIT, "mm"},
            {D::IDC_GB_LABEL, "基圆柱导程角γ"}, {D::IDC_GB_EQ, "="}, {D::IDC_GB_UNIT, "°"}, {D::IDC_GB_SUB, "b"},
            {D::IDC_PBN_LABEL, "法向基节  p"}, {D::IDC_PBN_SUB, "bn"}, {D::IDC_PBN_EQ, "="}, {D::IDC_PBN_UNIT, "mm"}};
        // The involute worm's base values and their labels, as its load shows them.
        for (auto [id, t] : labels) {
            d.setText(id, t);
            d.show(id);
        }
        for (int id : {D::IDC_DB, D::IDC_GAMMA_B, D::IDC_PBN}) d.show(id);
        d.setText(D::IDC_TITLE, "蜗杆副示例");
        d.setText(D::IDC_NUMBER, "EX-1");
        d.setText(D::IDC_HINT, worm::geometry::noteLoaded(3));
        d.enable(D::IDC_AW, true);
    });
}

void wormPairPicture(Shooter& shooter) {
    CCwPicDlg dlg(CCwPicDlg::IDD_PAIR, nullptr);
    shooter.shoot("tarv-pair-picture", dlg);
}
// The ZC3 face width between its limits (k 13, m 5: 85 to 105), thumb at 25.
void wormFaceWidth(Shooter& shooter) {
    using D = CCcwB1Dlg;
    D dlg(nullptr);
    shooter.shoot("tarv-face-width", dlg, [](fw::Dialog& d) {
        d.setText(D::IDC_LOW, "85");
        d.setText(D::IDC_HIGH, "105");
        d.trackbar(D::IDC_BAR).setRange(0, 50);
        d.trackbar(D::IDC_BAR).setTicFreq(5);
        d.trackbar(D::IDC_BAR).setPos(25);
        d.setText(D::IDC_B1, "95");
    });
}
void wormLifeFactor(Shooter& shooter) {
    CCwZhDlg dlg(nullptr);
    shooter.shoot("tarv-life-factor", dlg);
}

void wormZc1Profile(Shooter& shooter) {
    CCwPicDlg dlg(CCwPicDlg::IDD_ZC1, nullptr);
    shooter.shoot("tarv-zc1-profile", dlg);
}
void wormZc3Profile(Shooter& shooter) {
    CCwPicDlg dlg(CCwPicDlg::IDD_ZC3, nullptr);
    shooter.shoot("tarv-zc3-profile", dlg);
}

// The rating of the worm chain with every stage shown.
void wormRating(Shooter& shooter) {
    using D = CCwproDlg;
    D dlg(nullptr);
    shooter.shoot("tarv-rating", dlg, [](fw::Dialog& d) {
        const std::pair<int, const char*> shown[] = {
            {D::IDC_D1W, "71"}, {D::IDC_DM2, "320"}, {D::IDC_GAMMA_W, "12.6996"}, {D::IDC_ALPHA_N, "19.5"},
            {D::IDC_ALPHA_X, "20"}, {D::IDC_U, "20"}, {D::IDC_AW, "195.5"}, {D::IDC_M, "8"}, {D::IDC_POWER, "7.5"},
            {D::IDC_N1, "1450"}, {D::IDC_V, "5.5256"}, {D::IDC_RHO, "1.67"}, {D::IDC_ETA1, "0.87963"},
            {D::IDC_ETA2, "0.97"}, {D::IDC_ETA3, "0.96"}, {D::IDC_ETA, "0.81911"}, {D::IDC_RHO_LOW, "1.50"},
            {D::IDC_RHO_HIGH, "1.67"}, {D::IDC_ETA1_LOW, "0.83"}, {D::IDC_ETA1_HIGH, "0.93"},
            {D::IDC_T1, "49.3966"}, {D::IDC_FT1, "1391.45"}, {D::IDC_FT2, "5057.64"}, {D::IDC_FX1, "5057.64"},
            {D::IDC_FX2, "1391.45"}, {D::IDC_FR1, "1840.83"}, {D::IDC_FR2, "1840.83"}, {D::IDC_ZE, "147"},
            {D::IDC_ZH, "1.16499"}, {D::IDC_ZN, "0.74931"}, {D::IDC_SIGMA_HLIM, "265"}, {D::IDC_ZRHO, "3.06"},
            {D::IDC_KA, "1"}, {D::IDC_SIGMA_H, "148.031"}, {D::IDC_SIGMA_HP, "231.33"}, {D::IDC_SH, "1.5627"},
            {D::IDC_ULIM, "115"}, {D::IDC_SW, "10.5504"}, {D::IDC_SPAN, "300"}, {D::IDC_E, "206000"},
            {D::IDC_I, "353418"}, {D::IDC_DELTA_LIM, "0.032"}, {D::IDC_S_PRIME, "0.7896"},
            {D::IDC_TITLE, "蜗杆减速器"}, {D::IDC_NUMBER, "TV-01"},
            {D::IDC_HINT, "点击“刚度安全系数”按钮，计算刚度安全系数蜗杆刚度较小，但为提高效率也可用。"}};
        for (auto [id, t] : shown) d.setText(id, t);
        d.trackbar(D::IDC_RHO_BAR).setPos(50);
        d.trackbar(D::IDC_ETA1_BAR).setPos(25);
    });
}

void contactChart1(Shooter& shooter) { contactChart<CCwZloDlg1>(shooter, "tarv-contact-chart-1"); }
void contactChart2(Shooter& shooter) { contactChart<CCwZloDlg2>(shooter, "tarv-contact-chart-2"); }


// ---- kavrin: the profile CAD data tool after reading a designed pair ----

// The geometry example as the geometry sheet saved it (Z1 20, Z2 40, mn 2,
// αn 20°, x 0), copied to a temporary design file, typed into the path field
// and read.
void profileTool(Shooter& shooter) {
    auto example = fw::readFile(std::filesystem::path(KAVRIN_SOURCE_DIR) / "fuzz/corpus/profile_source/design_example.cyb");
    if (!example) return;
    const char* tmp = std::getenv("KAVRIN_TEST_TMP");
    const std::filesystem::path dir = std::filesystem::path(tmp ? tmp : "/tmp") / "screenshots";
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / "example-pair.cyb";
    if (!fw::writeFile(file, *example)) return;
    using D = CToolCyDwdataDlg;
    D dlg(nullptr);
    shooter.shoot("kavrin-profile-tool", dlg, [file](fw::Dialog& d) {
        d.userTyped(D::IDC_PATH, file.string());
        d.userFocus(D::IDC_BROWSE);
        d.userClick(D::IDC_READ);
        d.userClick(D::IDC_Z2);
    });
}

// ---- corvane: the gear pair measurement after a trial (a' 61) ----

void measureFilletDialog(Shooter& shooter) {
    using D = CCymeasureRdlg;
    D dlg(nullptr);
    dlg.m_jf = 0.5;  // c*·mn of the Z 20 gear
    shooter.shoot("corvane-measure-fillet", dlg, [](fw::Dialog& d) {
        d.userTyped(D::IDC_RF, "0.3");
        d.userFocus(D::IDC_SHRINKAGE);
    });
}

void measureTowDialog(Shooter& shooter) {
    using D = CCYMeasureTowDlg;
    D dlg(nullptr);
    shooter.shoot("corvane-measure-pair", dlg, [](fw::Dialog& d) {
        d.userTyped(D::IDC_TITLE, "测绘齿轮对");
        for (auto [id, text] : {std::pair{D::IDC_MN, "2"}, {D::IDC_Z1, "20"}, {D::IDC_DA1, "44"}, {D::IDC_Z2, "40"},
                                {D::IDC_DA2, "84"}, {D::IDC_AW, "61"}}) {
            d.userFocus(id);
            d.userTyped(id, text);
        }
        d.userFocus(D::IDC_TITLE);
        d.userClick(D::IDC_TRIAL);
    });
}

}  // namespace

// ---- belmar: bevel gear geometry ----

// The straight dialog with the worked pair calculated (Z1 20, Z2 40, m 4).
void belmarStraight(Shooter& shooter) {
    CBelmarLenDlg dlg(nullptr);
    bevel::StraightInput& in = dlg.m_in;
    in.z1 = 20;
    in.z2 = 40;
    in.m = 4;
    const bevel::StraightCones cones = bevel::straightCones(in);
    in.b = cones.b;
    if (auto r = bevel::straightGeometry(in, cones, 0)) bevel::fillStraightRecord(dlg.m_geom, in, *r);
    dlg.m_coneR = cones.r;
    shooter.shoot("belmar-straight", dlg, [](fw::Dialog&) {});
}

void belmarPicture(Shooter& shooter, const char* name, int mode) {
    CBelmarLenImgDlg dlg(nullptr);
    dlg.setMode(mode);
    shooter.shoot(name, dlg, [](fw::Dialog&) {});
}
void belmarPictureStraight(Shooter& s) { belmarPicture(s, "belmar-picture-straight", CBelmarLenImgDlg::kModeStraight); }
void belmarPictureSpiral(Shooter& s) { belmarPicture(s, "belmar-picture-spiral", CBelmarLenImgDlg::kModeSpiral); }

// ---- pellun: the bevel preliminary design and its charts ----

// The example pair (spiral Gleason, Z1 20, Z2 50, n1 1450, T 500), then the
// shifts, the form factor 2.5 and the module computed.
void pellunPreliminary(Shooter& shooter) {
    using D = CPellunType;
    D dlg(nullptr);
    shooter.shoot("pellun-preliminary", dlg, [](fw::Dialog& d) {
        d.userClick(D::IDC_SYSTEM + 4);
        const std::pair<int, const char*> inputs[] = {
            {D::IDC_TITLE, "电动葫芦弧齿锥齿轮副"}, {D::IDC_NUMBER, "KV-B01"}, {D::IDC_DATE, "2025年12月10日"},
            {D::IDC_Z1, "20"}, {D::IDC_Z2, "50"}, {D::IDC_N1, "1450"}, {D::IDC_T, "500"}, {D::IDC_KA, "1.25"},
            {D::IDC_KHB, "1.5"}, {D::IDC_KWB, "1.35"}, {D::IDC_SIGMA_H, "1500"}, {D::IDC_SIGMA_F, "480"}};
        for (const auto& [id, text] : inputs) d.userTyped(id, text);
        for (const auto& [id, text] : {std::pair{D::IDC_X1, "0.3276"}, {D::IDC_XT1, "0.045"}, {D::IDC_YF, "2.5"}}) {
            d.userFocus(D::IDC_TITLE);  // the field before takes its entry
            d.userTyped(id, text);
        }
        d.userFocus(D::IDC_TITLE);
        d.userClick(D::IDC_MODULE);
    });
}

// A chart at an input with the cross-hair at vertical position 100.
template <class Dlg>
void ratioChart(Shooter& shooter, const char* name, double u, int z) {
    Dlg dlg(nullptr);
    dlg.prepare(u, z);
    shooter.shoot(name, dlg, [](fw::Dialog& d) {
        d.userTrackbarMove(Dlg::IDC_V_SLIDER, 100);
        d.userTrackbarRelease(Dlg::IDC_V_SLIDER);
    });
}
void chartA196(Shooter& s) { ratioChart<CA196Dlg>(s, "pellun-chart-3006", 2.5, 20); }
void chartA198(Shooter& s) { ratioChart<CA198Dlg>(s, "pellun-chart-3010", 2.5, 20); }
void chartA197(Shooter& s) { ratioChart<CA197Dlg>(s, "pellun-chart-3017", 3.5, 20); }
void chartA199(Shooter& s) { ratioChart<CA199Dlg>(s, "pellun-chart-3020", 3.5, 20); }
void chartC80(Shooter& s) { ratioChart<CC80Dlg>(s, "pellun-chart-3013", 2.5, 20); }
void chartC81(Shooter& s) { ratioChart<CC81Dlg>(s, "pellun-chart-3019", 2.5, 20); }

// The form factor chart (the preliminary design's, or the rating's copy) at
// Zv 39.19, χ1 0.33, βm 35°, read at 147.
template <class Chart>
void formFactorChart(Shooter& shooter, const char* name) {
    Chart dlg(nullptr);
    dlg.prepare(0.702219, 35, 39.189113, 0.3276);
    shooter.shoot(name, dlg, [](fw::Dialog& d) {
        d.userTrackbarMove(Chart::IDC_V_SLIDER, 147);
        d.userTrackbarRelease(Chart::IDC_V_SLIDER);
    });
}
void chartYf(Shooter& s) { formFactorChart<CYfDlg>(s, "pellun-chart-3039"); }

void faceLoadContact(Shooter& shooter) {
    CKhbitaDlg dlg(nullptr);
    shooter.shoot("pellun-face-load-3047", dlg);
}
void faceLoadBending(Shooter& shooter) {
    CKwbitaDlg dlg(nullptr);
    shooter.shoot("pellun-face-load-3049", dlg, [](fw::Dialog& d) { d.userClick(1007); });
}

// ---- belmar: spiral bevel geometry ----

// The worked pair (Z1 14, Z2 39, m 4.5, α 20°, βm 35°, φR 0.25) calculated:
// the face width is taken as set, so no question comes up.
void belmarSpiralWorkedPair(Shooter& shooter) {
    using D = CBelmarArcDlg;
    D dlg(nullptr);
    dlg.m_in.z1 = 14;
    dlg.m_in.z2 = 39;
    dlg.m_in.m = 4.5;
    dlg.m_in.b = 0.25 * 63 / (2 * std::sin(std::atan(14.0 / 39.0)));  // φR·R, R = d1/(2 sin δ1)
    dlg.m_in.faceWidthSet = true;
    dlg.m_mask = 0x7F;
    shooter.shoot("belmar-spiral-geometry", dlg, [](fw::Dialog& d) {
        d.setText(D::IDC_TITLE, "减速器弧齿锥齿轮副");
        d.setText(D::IDC_NUMBER, "KV-S01");
        d.userClick(D::IDC_CALC);
    });
}

// The same pair with a cutter of the user's own, 200 mm.
void belmarSpiralCustomCutter(Shooter& shooter) {
    using D = CBelmarArcDlg;
    D dlg(nullptr);
    dlg.m_in.z1 = 14;
    dlg.m_in.z2 = 39;
    dlg.m_in.m = 4.5;
    dlg.m_in.b = 0.25 * 63 / (2 * std::sin(std::atan(14.0 / 39.0)));
    dlg.m_in.faceWidthSet = true;
    dlg.m_mask = 0x7F;
    shooter.shoot("belmar-spiral-custom-cutter", dlg, [](fw::Dialog& d) {
        d.userClick(D::IDC_CALC);
        d.userTyped(D::IDC_CUSTOM_D0, "200");
        d.userFocus(D::IDC_TITLE);
    });
}

void mainWindowScenes(Shooter& shooter);   // app_scenes.cpp
// The zone factor chart at βm 35°, read at 100 (ZH 2.15).
void sirrowZoneChart(Shooter& shooter) {
    CSirrowC97Dlg dlg(nullptr);
    dlg.prepare(35);
    shooter.shoot("sirrow-chart-9021", dlg, [](fw::Dialog& d) {
        d.userTrackbarMove(CSirrowC97Dlg::IDC_V_SLIDER, 100);
        d.userTrackbarRelease(CSirrowC97Dlg::IDC_V_SLIDER);
    });
}

// The contact ratio factor chart at εα 1.6, εβ 2.0, read at 100 (Zε 0.85).
void sirrowContactRatioChart(Shooter& shooter) {
    CSirrowZetaDlg dlg(nullptr);
    dlg.prepare(1.6, 2.0);
    shooter.shoot("sirrow-chart-9025", dlg, [](fw::Dialog& d) {
        d.userTrackbarMove(CSirrowZetaDlg::IDC_V_SLIDER, 100);
        d.userTrackbarRelease(CSirrowZetaDlg::IDC_V_SLIDER);
    });
}

void sirrowFormFactorChart(Shooter& s) { formFactorChart<CSirrowWyfDlg>(s, "sirrow-chart-9033"); }

// The rating dialog with the example pair rated: both columns filled.
void sirrowRatingFilled(Shooter& shooter) {
    CSirrowDlg dlg(nullptr);
    shooter.shoot("sirrow-rating-filled", dlg, [](fw::Dialog& d) {
        auto& r = static_cast<CSirrowDlg&>(d);
        r.m_e = {.alphaN = 20, .betaM = 35, .m = 5, .z1 = 17, .z2 = 43, .x1 = 0.3, .x2 = -0.3, .xt1 = 0.1,
                 .xt2 = -0.1, .epsAlpha = 1.25, .epsBeta = 1.8, .b = 34, .r = 115.59, .phiR = 0.2941,
                 .delta1 = 21.5729, .delta2 = 68.4271, .date = "2026年12月10日", .number = "ZC-01",
                 .title = "锥齿轮示例"};
        r.m_dT = 250;
        r.m_dT2 = 632.3529;
        r.m_dN1 = 960;
        r.m_dFtm = 6896.4804;
        r.m_dFr1 = 1074.0937;
        r.m_dFr2 = 5617.3908;
        r.m_dFx1 = 5617.3908;
        r.m_dFx2 = 1074.0937;
        r.m_dKa = r.m_dWKa = 1.25;
        r.m_dKv = r.m_dWKv = 1.4;
        r.m_dKbeta = 1.5;
        r.m_dWKbeta = 1.35;
        r.m_dZH = 2.15;
        r.m_dZE = 191.6457;
        r.m_dZeps = 0.85;
        r.m_dZN = 1.1525;
        r.m_dZL = 1.1598;
        r.m_dZv = 0.9794;
        r.m_dZR = 1.0060;
        r.m_dZW = 1.0696;
        r.m_dSigmaH = 1065.6878;
        r.m_dSigmaHP = 2113.0504;
        r.m_dSH = 1.9828;
        r.m_dYF = 2.5365;
        r.m_dYeps = 0.84;
        r.m_dYbeta = 0.75;
        r.m_dY0 = 0.9;
        r.m_dYN = 1.0054;
        r.m_dYx = 0.7408;
        r.m_dSigmaF = 231.2868;
        r.m_dSigmaFP = 372.4292;
        r.m_dSF = 1.6102;
        r.UpdateData(false);
    });
}

void sirrowArrangement(Shooter& shooter) {
    CSirrowDTypeDlg dlg(nullptr);
    shooter.shoot("sirrow-arrangement-9002", dlg);
}

// The cutter factor with curved teeth, D0 150 mm, βm 35°, b 30 mm.
void sirrowCutterFactor(Shooter& shooter) {
    CSirrowY0Dlg dlg(nullptr);
    dlg.m_dBetaM = 35;
    dlg.m_dB = 30;
    shooter.shoot("sirrow-cutter-factor-9041", dlg, [](fw::Dialog& d) {
        d.userClick(CSirrowY0Dlg::IDC_CURVED);
        d.userTyped(CSirrowY0Dlg::IDC_D0, "150");
        d.userFocus(IDOK);
    });
}

// ---- belmar: the cycloidal bevel sub-dialogs ----

// The worked pair's head: Rp 144.6 and βp' 37.47° on the Rb 88 curve, Zc 37.7;
// Rb 88 pressed, then blade button 2.
void aolCutterHead(Shooter& shooter) {
    using D = CBelmarAolentcDlg;
    D dlg(nullptr);
    dlg.prepare(144.6, 37.47, 37.696);
    shooter.shoot("belmar-aol-cutter-head", dlg, [](fw::Dialog& d) {
        d.userClick(D::IDC_RB_FIRST + 7);
        d.userClick(D::IDC_BLADE_FIRST + 2);
    });
}

// Chart C87 at rb/h 6.19 and δ2 68.2°, the vertical thumb moved to 140.
void aolTiltC87(Shooter& shooter) {
    CBelmarAolC87Dlg dlg(nullptr);
    dlg.prepare(6.19, 36.49, 68.2);
    shooter.shoot("belmar-aol-tilt-c87", dlg, [](fw::Dialog& d) {
        d.userTrackbarMove(CBelmarAolC87Dlg::IDC_V_SLIDER, 140);
        d.userTrackbarRelease(CBelmarAolC87Dlg::IDC_V_SLIDER);
    });
}

// The calculator with the worked pair (Z1 14, Z2 35, mt 5, EN, βm 35°, φR 0.3,
// Rb 49 with blade button 2, tilt passed on C87, x1min confirmed).
void aolGeometry(Shooter& shooter) {
    using D = CBelmarAolDlg;
    D dlg(nullptr);
    shooter.shoot("belmar-aol-geometry", dlg, [](fw::Dialog& d) {
        auto& g = static_cast<D&>(d);
        auto head = bevel::readCutterHead(std::filesystem::path(KAVRIN_BINARY_DIR) / "kavrin-home" / "entc.ndt", 2);
        if (!head) return;
        bevel::aol::Inputs in{.z1 = 14, .z2 = 35, .alphaDeg = 20, .betaMDeg = 35, .mt = 5, .phiR = 0.3};
        g.m_z1 = 14;
        g.m_z2 = 35;
        g.m_mt = 5;
        g.m_betaM[0] = 35;
        g.m_phiR = 0.3;
        g.m_sliderPos = 30;  // (0.3 − 0.25)·50/(1/12)
        g.m_title = "摆线齿锥齿轮副";
        g.m_number = "AOL-01";
        g.m_cone = bevel::aol::cone(in);
        auto ref = bevel::aol::referencePoint(g.m_cone, *head, 1);
        if (!ref) return;
        g.m_ref = *ref;
        g.m_res = bevel::aol::finish(in, g.m_cone, *ref, bevel::aol::x1Min(in, g.m_cone, *ref, *head, 1, 0));
        g.m_head = *head;
        g.m_group = 1;
        g.m_b = g.m_cone.b;
        g.UpdateData(false);
        g.showResults();
        g.fillCutterList();
    });
}

void aolHeightModification(Shooter& shooter) {
    CBelmarAolXDlg dlg(nullptr);
    dlg.m_xmin = 0.1194;
    shooter.shoot("belmar-aol-height-modification", dlg);
}

void aolSymbols(Shooter& shooter) {
    CBelmarAolimgDlg dlg(nullptr);
    shooter.shoot("belmar-aol-symbols", dlg);
}

const std::vector<Scene>& scenes() {
    static const std::vector<Scene> list = {
        // the main program: splash, main window with two reports and the Window menu, About box
        {"kavrin-main-window", &mainWindowScenes},
        // samples (the backend's own)
        {"samples-dialog", &sampleDialog},
        {"samples-sheet", &sampleSheet},
        {"samples-wizard", &sampleWizard},
        // kavrin
        {"kavrin-cycloid-wizard", &cycloidWizard},
        {"kavrin-cycloid-page1", &cycloidPage1},
        {"kavrin-cycloid-k1", &cycloidK1Dialog},
        {"kavrin-cycloid-k2", &cycloidK2Dialog},
        {"kavrin-cycloid-rp", &cycloidRpDialog},
        {"kavrin-cycloid-bc", &cycloidBcDialog},
        {"kavrin-cycloid-a", &cycloidADialog},
        {"kavrin-cycloid-page2", &cycloidPage2},
        {"kavrin-cycloid-bearing", &cycloidBearingDialog},
        {"kavrin-cycloid-material", &cycloidMaterialDialog},
        {"kavrin-cycloid-page3", &cycloidPage3},
        {"kavrin-cycloid-page4", &cycloidPage4},
        {"kavrin-cycloid-page5", &cycloidPage5},
        {"kavrin-cycloid-page6", &cycloidPage6},
        {"kavrin-cycloid-designer", &cycloidDesigner},
        {"kavrin-cycloid-designer-k1", &cycloidDesignerTable},
        {"kavrin-profile-tool", &profileTool},
        // corvane
        {"corvane-geometry-sheet-page1", &geometrySheetPage1},
        {"corvane-geometry-sheet-page2", &geometrySheetPage2},
        {"corvane-geometry-sheet-page3", &geometrySheetPage3},
        {"corvane-geometry-sheet-page4", &geometrySheetPage4},
        {"corvane-cutter-scheme", &cutterSchemeDialog},
        {"corvane-check-results", &checkResultDialog},
        {"corvane-preliminary", &preliminaryDialog},
        {"corvane-involute", &involuteDialog},
        {"corvane-strength-rating-forces", &proofAfterForces},
        {"corvane-strength-rating-filled", &proofGroupsFilled},
        {"corvane-measure-single", &measureOneDialog},
        {"corvane-small-module-pattern0", &smallModule0},
        {"corvane-small-module-pattern1", &smallModule1},
        {"corvane-small-module-pattern2", &smallModule2},
        {"corvane-small-module-pattern3", &smallModule3},
        {"corvane-small-module-split", &smallModuleSplit},
        {"corvane-measure-pair", &measureTowDialog},
        {"corvane-measure-fillet", &measureFilletDialog},
        // pellun
        // belmar, sirrow
        {"belmar-straight", &belmarStraight},
        {"belmar-picture-straight", &belmarPictureStraight},
        {"belmar-picture-spiral", &belmarPictureSpiral},
        // tarv
        {"tarv-preliminary", &wormPreliminary},
        {"tarv-ordinary-geometry-zi", &wormOrdinaryGeometry},
        {"tarv-pair-picture", &wormPairPicture},
        {"tarv-face-width", &wormFaceWidth},
        {"tarv-life-factor", &wormLifeFactor},
        {"tarv-zc1-profile", &wormZc1Profile},
        {"tarv-zc3-profile", &wormZc3Profile},
        {"tarv-rating", &wormRating},
        {"tarv-contact-chart-1", &contactChart1},
        {"tarv-contact-chart-2", &contactChart2},
        {"pellun-preliminary", &pellunPreliminary},
        {"pellun-chart-3006", &chartA196},
        {"pellun-chart-3010", &chartA198},
        {"pellun-chart-3017", &chartA197},
        {"pellun-chart-3020", &chartA199},
        {"pellun-chart-3013", &chartC80},
        {"pellun-chart-3019", &chartC81},
        {"pellun-chart-3039", &chartYf},
        {"pellun-face-load-3047", &faceLoadContact},
        {"pellun-face-load-3049", &faceLoadBending},
        {"sirrow-chart-9021", &sirrowZoneChart},
        {"sirrow-chart-9025", &sirrowContactRatioChart},
        {"sirrow-chart-9033", &sirrowFormFactorChart},
        {"sirrow-arrangement-9002", &sirrowArrangement},
        {"sirrow-rating-filled", &sirrowRatingFilled},
        {"sirrow-cutter-factor-9041", &sirrowCutterFactor},
        {"belmar-aol-geometry", &aolGeometry},
        {"belmar-aol-cutter-head", &aolCutterHead},
        {"belmar-aol-tilt-c87", &aolTiltC87},
        {"belmar-aol-height-modification", &aolHeightModification},
        {"belmar-aol-symbols", &aolSymbols},
        // belmar, sirrow, tarv
        {"belmar-spiral-geometry", &belmarSpiralWorkedPair},
        {"belmar-spiral-custom-cutter", &belmarSpiralCustomCutter},
    };
    return list;
}

}  // namespace shots
