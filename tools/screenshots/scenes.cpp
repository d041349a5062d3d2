// The scenes: real dialogs and sheets, filled as a user would see them.
// Add a scene: write a function below that builds the dialog (or sheet),
// hands it to shooter.shoot(name, dlg, fill), and add one line to the list
// in scenes() under its deliverable's heading. The PNG is <name>.png.
#include "samples.h"
#include "shooter.h"
#include "cylindrical/cy_geom_pro_sheet.h"  // corvane: geometry sheet
#include "cylindrical/calc/cutting_check.h"  // corvane: cutter scheme and check results
#include "cylindrical/cygeom_check_dlg.h"
#include "cylindrical/cygeom_cut_dlg.h"
#include "cylindrical/cypre_dlg.h"  // corvane: preliminary design
#include "cylindrical/invdlg.h"     // corvane: involute converter
#include "cylindrical/cy_proof_dlg.h"  // corvane: strength rating
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

// The entries of docs/examples.htm typed as a user would, then calculated.
void preliminaryDialog(Shooter& shooter) {
    using D = CypreDlg;
    D dlg(nullptr);
    shooter.shoot("corvane-preliminary", dlg, [](fw::Dialog& d) {
        d.userTyped(D::IDC_TITLE, "带式输送机减速器高速级");
        d.userTyped(D::IDC_NUMBER, "KV-001");
        d.userTyped(D::IDC_DATE, "2025年12月10日");
        d.userTyped(D::IDC_Z1, "20");
        d.userTyped(D::IDC_I, "3.2");
        d.userTyped(D::IDC_NI, "960");
        d.userTyped(D::IDC_P, "10");
        d.userFocus(D::IDC_SIGMA_HP);
        d.userClick(D::IDC_HARD);
        d.userTrackbarMove(D::IDC_PHID_SLIDER, 20);
        d.userTrackbarRelease(D::IDC_PHID_SLIDER);
        d.userClick(D::IDC_MODERATE);
        d.userTrackbarMove(D::IDC_K1_SLIDER, 8);
        d.userTrackbarRelease(D::IDC_K1_SLIDER);
        d.userClick(D::IDC_CALC);
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
    shooter.shoot("corvane-strength-rating-filled", dlg, [&dlg](fw::Dialog& d) {
        proofForces(d);
        dlg.m_kA = dlg.m_kAF = 2.25;
        dlg.m_kV = dlg.m_kVF = 1.0153;
        dlg.m_kHalpha = dlg.m_kFalpha = 1.0;
        dlg.m_kHbeta = dlg.m_kFbeta = 1.0564;
        dlg.m_zH = 2.4247, dlg.m_zE = 191.6457, dlg.m_zEps = 0.7525, dlg.m_zN = 0.9985;
        dlg.m_zL = 1.1598, dlg.m_zV = 0.9705, dlg.m_zR = 0.966, dlg.m_zW = 1.0696;
        dlg.m_sigmaH = 1064.4876, dlg.m_sigmaHP = 1509.7454, dlg.m_sH = 1.4183;
        dlg.m_yFa = 2.3571, dlg.m_yBeta = 0.875, dlg.m_yEps = 0.7, dlg.m_yN = 1.5557, dlg.m_yS = 1.2461,
        dlg.m_yX = 1.0;
        dlg.m_sigmaF = 184.6954, dlg.m_sigmaFP = 872.35, dlg.m_sF = 4.7232;
        dlg.UpdateData(false);
        for (int id : {CCyProofDlg::IDC_SIGMAH_BTN, CCyProofDlg::IDC_SIGMAHP_BTN, CCyProofDlg::IDC_SH_BTN,
                       CCyProofDlg::IDC_SIGMAF_BTN, CCyProofDlg::IDC_SIGMAFP_BTN, CCyProofDlg::IDC_SF_BTN})
            d.enable(id, true);
    });
}

}  // namespace

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

// The form factor chart at Zv 39.19, χ1 0.33, βm 35°, read at 147.
void chartYf(Shooter& shooter) {
    CYfDlg dlg(nullptr);
    dlg.prepare(0.702219, 35, 39.189113, 0.3276);
    shooter.shoot("pellun-chart-3039", dlg, [](fw::Dialog& d) {
        d.userTrackbarMove(CYfDlg::IDC_V_SLIDER, 147);
        d.userTrackbarRelease(CYfDlg::IDC_V_SLIDER);
    });
}

void faceLoadContact(Shooter& shooter) {
    CKhbitaDlg dlg(nullptr);
    shooter.shoot("pellun-face-load-3047", dlg);
}
void faceLoadBending(Shooter& shooter) {
    CKwbitaDlg dlg(nullptr);
    shooter.shoot("pellun-face-load-3049", dlg, [](fw::Dialog& d) { d.userClick(1007); });
}

const std::vector<Scene>& scenes() {
    static const std::vector<Scene> list = {
        // samples (the backend's own)
        {"samples-dialog", &sampleDialog},
        {"samples-sheet", &sampleSheet},
        {"samples-wizard", &sampleWizard},
        // kavrin
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
        // pellun
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
        // belmar, sirrow, tarv
    };
    return list;
}

}  // namespace shots
