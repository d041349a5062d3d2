// The scenes: real dialogs and sheets, filled as a user would see them.
// Add a scene: write a function below that builds the dialog (or sheet),
// hands it to shooter.shoot(name, dlg, fill), and add one line to the list
// in scenes() under its deliverable's heading. The PNG is <name>.png.
#include "samples.h"
#include "shooter.h"
#include "cycloid/cex_design.h"  // kavrin: cycloid design wizard
#include "cycloid/cexy_property_sheet.h"
#include "cycloid/cdest_cexd_a_dlg.h"
#include "cycloid/cdest_cexd_bc_dlg.h"
#include "cycloid/cdest_cexd_k1_dlg.h"
#include "cycloid/cdest_cexd_k2_dlg.h"
#include "cycloid/cdest_cexd_rp_dlg.h"
#include "resources/kavrin/module.h"
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
#include "worm/ccw_pr_dlg.h"            // tarv: worm preliminary design
#include "worm/cw_zlo_dlg.h"            // tarv: contact-factor charts

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

void contactChart1(Shooter& shooter) { contactChart<CCwZloDlg1>(shooter, "tarv-contact-chart-1"); }
void contactChart2(Shooter& shooter) { contactChart<CCwZloDlg2>(shooter, "tarv-contact-chart-2"); }

}  // namespace

const std::vector<Scene>& scenes() {
    static const std::vector<Scene> list = {
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
        // pellun
        // belmar, sirrow
        // tarv
        {"tarv-preliminary", &wormPreliminary},
        {"tarv-contact-chart-1", &contactChart1},
        {"tarv-contact-chart-2", &contactChart2},
    };
    return list;
}

}  // namespace shots
