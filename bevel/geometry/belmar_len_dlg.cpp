#include "bevel/geometry/belmar_len_dlg.h"

#include <cmath>

#include "bevel/geometry/belmar_len_img_dlg.h"
#include "bevel/geometry/cone_geom_files.h"
#include "common/dialogs/quantity_field.h"
#include "fw/clock.h"
#include "fw/format.h"
#include "resources/belmar/module.h"

using namespace bevel;

namespace {

constexpr const char* kHelpTopic = "Kavrin.chm::/ConGeomLinDlg.htm";
constexpr const char* kAskUnsaved = "计算数据尚未保存，是(Yes)否(No)保存数据？";
constexpr const char* kMsgRecalculate = "按“开始计算”按钮重新计算，以便更新数据!";

void exclaim(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONEXCLAMATION); }
void inform(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONINFORMATION); }
bool askYes(const std::string& text, unsigned icon) { return fw::MessageBox(text, MB_YESNO | icon) == IDYES; }

std::string fixed(double v, int places) { return fw::format("%.*f", places, v); }

}  // namespace

CBelmarLenDlg::CBelmarLenDlg(fw::Window* parent) : fw::Dialog(belmar::module(), IDD, parent) {
    onKillFocus(IDC_Z1, [this] { OnZ1(); });
    onKillFocus(IDC_Z2, [this] { OnZ2(); });
    onKillFocus(IDC_C, [this] { OnC(); });
    onKillFocus(IDC_HA, [this] { OnHa(); });
    onKillFocus(IDC_M, [this] { OnM(); });
    onKillFocus(IDC_ALPHA_DEG, [this] { OnAlphaDeg(); });
    onKillFocus(IDC_RF, [this] { OnRf(); });
    onKillFocus(IDC_PHIR, [this] { OnPhiR(); });
    onKillFocus(IDC_B, [this] { OnFaceWidth(); });
    onReleased(IDC_PHIR_TRACK, [this] { OnTrack(); });
    for (int id : {IDC_X1, IDC_X2, IDC_XT1, IDC_XT2, IDC_ALPHA_MIN, IDC_ALPHA_SEC, IDC_BETA_DEG, IDC_BETA_MIN,
                   IDC_BETA_SEC, IDC_TITLE, IDC_NUMBER})
        onKillFocus(id, [this] {
            if (UpdateData(true)) changed();
        });
    onSetFocus(IDC_DATE, [this] {
        m_strDate = fw::todayText();
        setText(IDC_DATE, m_strDate);
    });
    onKillFocus(IDC_DATE, [this] {
        const std::string typed = text(IDC_DATE);
        if (!typed.empty()) m_strDate = typed;
    });
    onClick(IDC_UNEQUAL, [this] { OnClearance(kTaperUnequalClearance); });
    onClick(IDC_EQUAL, [this] { OnClearance(kTaperEqualClearance); });
    onClick(IDC_LOAD_PRE, [this] { OnLoadPreliminary(); });
    onClick(IDC_LOAD_SAVED, [this] { OnLoadSaved(); });
    onClick(IDC_CALC, [this] { OnCalc(); });
    onClick(IDC_HELP_BUTTON, [] { fw::htmlHelp(kHelpTopic); });
    onClick(IDC_PICTURE, [this] {
        CBelmarLenImgDlg img(this);
        img.DoModal(CBelmarLenImgDlg::kModeStraight);
    });
}

bool CBelmarLenDlg::OnInitDialog() {
    trackbar(IDC_PHIR_TRACK).setRange(0, kPhiRTrackMax);
    trackbar(IDC_PHIR_TRACK).setPageSize(2);
    trackbar(IDC_PHIR_TRACK).setTicFreq(2);
    m_track = 0;
    enable(IDC_B, false);
    m_strTitle.clear();
    m_strNumber.clear();
    m_strDate = fw::todayText();
    m_z1Untouched = m_in.z1;
    m_z2Untouched = m_in.z2;
    showValues();
    return true;
}

void CBelmarLenDlg::DoDataExchange(fw::Exchange& dx) {
    dx.text(IDC_TITLE, m_strTitle, 63);
    dx.text(IDC_NUMBER, m_strNumber, 63);
    dx.text(IDC_DATE, m_strDate, 19);
    dx.unsignedInt(IDC_Z1, m_in.z1, 0, kConeTeethMax);
    dx.unsignedInt(IDC_Z2, m_in.z2, 0, kConeTeethMax);
    // Every field in its quantity's range (cone_geom_ranges.h), the range
    // of the record's check; the handlers' own rules judge what lies at or
    // below their floor.
    using namespace cone_geom;
    kavrin::numberOwnBelow(dx, IDC_M, m_in.m, kStraightInputs.mt, 0);
    kavrin::number(dx, IDC_HA, m_in.haStar, kHaStar);
    kavrin::number(dx, IDC_C, m_in.cStar, kStraightInputs.cStar);
    kavrin::number(dx, IDC_X1, m_in.x1, kStraightInputs.x1);
    kavrin::number(dx, IDC_X2, m_in.x2, kStraightInputs.x2);
    kavrin::number(dx, IDC_XT1, m_in.xt1, kStraightInputs.xt1);
    kavrin::number(dx, IDC_XT2, m_in.xt2, kStraightInputs.xt2);
    kavrin::integer(dx, IDC_ALPHA_DEG, m_in.alpha.deg, kAlphaDeg);
    kavrin::integer(dx, IDC_ALPHA_MIN, m_in.alpha.min, kAlphaMin);
    kavrin::integer(dx, IDC_ALPHA_SEC, m_in.alpha.sec, kAlphaSec);
    kavrin::integer(dx, IDC_BETA_DEG, m_in.beta.deg, kBetaDeg);
    kavrin::integer(dx, IDC_BETA_MIN, m_in.beta.min, kBetaMin);
    kavrin::integer(dx, IDC_BETA_SEC, m_in.beta.sec, kBetaSec);
    kavrin::numberOwnBelow(dx, IDC_PHIR, m_in.phiR, kPhiR, 0);
    kavrin::numberOwnBelow(dx, IDC_B, m_in.b, kB, 0);
    kavrin::numberOwnBelow(dx, IDC_RF, m_rf, kRf, 0);
    dx.radio(IDC_UNEQUAL, m_in.taper);
    dx.trackbar(IDC_PHIR_TRACK, m_track);
}

void CBelmarLenDlg::showValues() {
    UpdateData(false);
    showResults();
}

// The results as the record holds them (the last calculation or the loaded design).
void CBelmarLenDlg::showResults() {
    const ConeGeomRecord& g = m_geom;
    auto angle = [this](int first, const AngleDms& shown) {
        const AngleDms a = kavrin::roundDms(shown, 1);  // rounded first, then split
        setText(first, fixed(a.deg, 0));
        setText(first + 1, fixed(a.min, 0));
        setText(first + 2, fixed(a.sec, 1));
    };
    angle(IDC_DELTA1, g.delta1);
    angle(IDC_DELTA2, g.delta2);
    angle(IDC_THETA_A1, g.thetaA1);
    angle(IDC_THETA_A2, g.thetaA2);
    angle(IDC_DELTA_A1, g.deltaA1);
    angle(IDC_DELTA_A2, g.deltaA2);
    angle(IDC_THETA_F1, g.thetaF1);
    angle(IDC_THETA_F2, g.thetaF2);
    angle(IDC_DELTA_F1, g.deltaF1);
    angle(IDC_DELTA_F2, g.deltaF2);
    struct Shown {
        int id;
        double v;
        int places;
    };
    for (const Shown& s : {Shown{IDC_D1, g.d1, 3}, {IDC_D2, g.d2, 3}, {IDC_R, g.r, 3}, {IDC_HA1, g.ha1, 3},
                           {IDC_HA2, g.ha2, 3}, {IDC_HF1, g.hf1, 3}, {IDC_HF2, g.hf2, 3}, {IDC_H, g.h, 3},
                           {IDC_DA1, g.da1, 3}, {IDC_DA2, g.da2, 3}, {IDC_AK1, g.ak1, 2}, {IDC_AK2, g.ak2, 2},
                           {IDC_S1, g.s1, 3}, {IDC_S2, g.s2, 3}, {IDC_SBAR1, g.sBar1, 3}, {IDC_SBAR2, g.sBar2, 3},
                           {IDC_HBAR1, g.hBar1, 3}, {IDC_HBAR2, g.hBar2, 3}, {IDC_EPS_ALPHA, g.epsAlpha, 3},
                           {IDC_EPS_BETA, g.epsBeta, 3}, {IDC_ZV1, g.zv1, 3}, {IDC_ZV2, g.zv2, 3},
                           {IDC_RTAU, g.rTau, 3}})
        setText(s.id, fixed(s.v, s.places));
}

void CBelmarLenDlg::changed() {
    if (!(m_in == m_calculatedFrom)) m_calculated = false;
}

void CBelmarLenDlg::OnZ1() {
    const StraightInput before = m_in;
    if (!UpdateData(true)) return;
    if (m_z1Untouched == m_in.z1) return;  // still the fresh dialog's empty count
    m_z1Untouched.reset();
    if (m_in.z1 == 0) {
        exclaim(fw::format("小齿轮齿数z1=%d无效!", 0));
        m_in.z1 = before.z1;
        showValues();
        return;
    }
    // Warnings and notices come once per change, not on every leave.
    const bool fresh = m_in.z1 != before.z1;
    if (fresh && m_in.z1 < 13) inform(fw::format("小齿轮齿数z1=%u太少，需考虑增大压力角α及加工条件!", m_in.z1));
    if (m_in.z2 < m_in.z1) {
        if (fresh) inform("小齿轮齿数应小于大齿轮齿数，请确定大齿轮齿数Z2!");
        m_in.z2 = m_in.z1;
        m_mask |= kStraightZ2;
    }
    m_mask |= kStraightZ1;
    m_pre.i = static_cast<double>(m_in.z2) / m_in.z1;
    changed();
    showValues();
}

void CBelmarLenDlg::OnZ2() {
    const StraightInput before = m_in;
    if (!UpdateData(true)) return;
    if (m_z2Untouched == m_in.z2) return;  // still the fresh dialog's empty count
    m_z2Untouched.reset();
    if (m_in.z2 == 0) {
        exclaim(fw::format("小齿轮齿数z2=%d无效!", 0));
        m_in.z2 = before.z2;
        showValues();
        return;
    }
    const bool fresh = m_in.z2 != before.z2;
    if (m_mask & kStraightZ1) {
        if (m_in.z2 < m_in.z1) {
            inform("齿数Z2应大于或等于Z1!");
            m_in.z2 = m_in.z1;
        }
        m_pre.i = static_cast<double>(m_in.z2) / m_in.z1;
    } else if (fresh) {
        inform("请输入小齿轮齿数Z1!");
    }
    m_mask |= kStraightZ2;
    changed();
    showValues();
}

void CBelmarLenDlg::OnC() {
    const double before = m_in.cStar;
    if (!UpdateData(true)) return;
    const bool ok = m_in.cStar > 0 && m_in.cStar <= kStraightCMax;
    if (!ok && m_in.cStar != before) inform("取值不当!顶隙系数应选取适当的值。");
    m_mask = ok ? (m_mask | kStraightC) : (m_mask & ~kStraightC);
    changed();
}

void CBelmarLenDlg::OnHa() {
    const double before = m_in.haStar;
    if (!UpdateData(true)) return;
    const bool ok = m_in.haStar > kStraightHaMin && m_in.haStar <= kStraightHaMax;
    if (!ok && m_in.haStar != before) inform("取值不当!齿顶高系数应选取适当的值。");
    m_mask = ok ? (m_mask | kStraightHa) : (m_mask & ~kStraightHa);
    changed();
}

void CBelmarLenDlg::OnM() {
    const double before = m_in.m;
    if (!UpdateData(true)) return;
    const bool ok = m_in.m > 0 && m_in.m <= kConeModuleMax;
    if (!ok && m_in.m != before) inform("模数无效。");
    m_mask = ok ? (m_mask | kStraightM) : (m_mask & ~kStraightM);
    changed();
}

void CBelmarLenDlg::OnAlphaDeg() {
    if (!UpdateData(true)) return;
    m_mask = m_in.alpha.deg != 0 ? (m_mask | kStraightAlpha) : (m_mask & ~kStraightAlpha);
    changed();
}

void CBelmarLenDlg::OnRf() {
    const double before = m_rf;
    if (!UpdateData(true)) return;
    const bool ok = m_rf > 0;
    const bool fresh = m_rf != before;
    if (!ok && fresh) inform("齿根圆角半径系数偏小或非法!");
    else if (ok && fresh && m_rf > kStraightRfWarn) inform("齿根圆角半径系数偏大，可能影响齿廓!");
    m_mask = ok ? (m_mask | kStraightRf) : (m_mask & ~kStraightRf);
}

void CBelmarLenDlg::OnPhiR() {
    if (!UpdateData(true)) return;
    if (m_in.phiR > kPhiRMax || m_in.phiR < kPhiRMin) {
        exclaim(m_in.phiR > kPhiRMax ? "齿宽系数偏大，可能小端齿顶变尖!" : "齿宽系数偏小或非法!");
        m_in.phiR = kPhiRMin;
    } else {
        m_track = positionForPhiR(m_in.phiR);
    }
    changed();
    showValues();
}

void CBelmarLenDlg::OnTrack() {
    if (!UpdateData(true)) return;
    m_in.phiR = phiRForPosition(m_track);
    if (m_coneR > 0) m_in.b = m_in.phiR * m_coneR;
    changed();
    showValues();
}

void CBelmarLenDlg::OnFaceWidth() {
    const StraightInput before = m_in;
    if (!UpdateData(true)) return;
    if (m_coneR <= 0) {
        inform("当前锥距数据非法，先计算一次再调整齿宽!");
        show(IDC_B, false);
        m_in.faceWidthSet = false;
        changed();
        return;
    }
    const double q = m_in.b / m_coneR;
    if (q >= kPhiRMin && q <= kPhiRMax) {
        m_in.phiR = q;
        m_track = positionForPhiR(q);
        m_in.faceWidthSet = true;
    } else {
        inform(q < kPhiRMin ? "齿宽太小!" : "齿宽太大!");
        m_in.phiR = before.phiR;
        m_in.b = m_in.phiR * m_coneR;
    }
    changed();
    showValues();
}

void CBelmarLenDlg::OnClearance(int type) {
    if (!UpdateData(true)) return;
    m_in.taper = type;
    if (m_calculated) {
        if (type == kTaperUnequalClearance) inform(kMsgRecalculate);
        else exclaim(kMsgRecalculate);
        m_calculated = false;
    }
    changed();
}

void CBelmarLenDlg::OnLoadPreliminary() {
    auto loaded = runConeLoad(this, ConeKind::Straight, ConeLoad::Preliminary);
    if (!loaded) return;
    m_z1Untouched.reset();
    m_z2Untouched.reset();
    const ConePreRecord& r = loaded->pre;
    m_pre = r;
    m_strDataPath = loaded->data.string();
    m_strReportPath = loaded->report.string();
    // Everything back to the defaults, then the record's values.
    m_in = StraightInput{};
    m_geom = ConeGeomRecord{};
    m_rf = 0.12;
    m_coneR = 0;
    m_track = 0;
    m_mask = 0;
    m_calculated = m_saved = false;
    m_geom.toothSystem = r.toothSystem;
    m_in.alpha = {r.alphaDeg, r.alphaMin, r.alphaSec};
    m_in.beta = {r.betaDeg, r.betaMin, r.betaSec};
    m_in.cStar = r.cStar;
    m_in.haStar = r.haStar;
    m_in.m = r.mt;
    m_in.x1 = r.x1;
    m_in.x2 = r.x2;
    m_in.xt1 = r.xt1;
    m_in.xt2 = r.xt2;
    m_in.z1 = r.z1;
    m_in.z2 = r.z2;
    if (r.alphaDeg != 0) m_mask |= kStraightAlpha;
    if (r.cStar > 0 && r.cStar <= kStraightCMax) m_mask |= kStraightC;
    if (r.haStar > kStraightHaMin && r.haStar <= kStraightHaMax) m_mask |= kStraightHa;
    if (r.mt > 0 && r.mt <= kConeModuleMax) m_mask |= kStraightM;
    if (r.z1 != 0) m_mask |= kStraightZ1;
    if (r.z2 != 0) m_mask |= kStraightZ2;
    m_in.phiR = kPhiRMin;
    m_mask |= kStraightRf;
    m_strTitle = r.title;
    m_strNumber = r.number;
    m_strDate = r.date;
    enable(IDC_B, false);
    showValues();
}

void CBelmarLenDlg::OnLoadSaved() {
    auto loaded = runConeLoad(this, ConeKind::Straight, ConeLoad::Saved);
    if (!loaded) return;
    m_z1Untouched.reset();
    m_z2Untouched.reset();
    const ConeGeomRecord& g = loaded->geom;
    exclaim(fw::format("所选择的数据文件是%s圆锥齿轮,想改变齿型制,\n请先修改预定计算!",
                       kConeToothSystems[static_cast<std::size_t>(g.toothSystem)].savedName));
    m_pre = loaded->pre;
    m_geom = g;
    m_strDataPath = loaded->data.string();
    m_strReportPath = loaded->report.string();
    m_in.z1 = static_cast<std::uint32_t>(g.z1);
    m_in.z2 = static_cast<std::uint32_t>(g.z2);
    m_in.m = g.mt;
    m_in.alpha = {g.alphaDeg, g.alphaMin, g.alphaSec};
    m_in.beta = {g.betaDeg, g.betaMin, g.betaSec};
    m_in.haStar = g.haStar;
    m_in.cStar = g.cStar;
    m_in.x1 = g.x1;
    m_in.x2 = g.x2;
    m_in.xt1 = g.xt1;
    m_in.xt2 = g.xt2;
    m_in.phiR = g.phiR;
    m_in.b = g.b;
    m_in.taper = g.taper;
    m_rf = g.rf;
    m_coneR = g.r;
    m_strTitle = g.title;
    m_strNumber = g.number;
    m_strDate = g.date;
    m_mask = 0;
    if (g.z1 != 0) m_mask |= kStraightZ1;
    if (g.z2 != 0) m_mask |= kStraightZ2;
    // The rules of the typed fields (the record's check already holds them).
    if (g.cStar > 0 && g.cStar <= kStraightCMax) m_mask |= kStraightC;
    if (g.haStar > kStraightHaMin && g.haStar <= kStraightHaMax) m_mask |= kStraightHa;
    if (g.mt > 0 && g.mt <= kConeModuleMax) m_mask |= kStraightM;
    if (g.alphaDeg != 0) m_mask |= kStraightAlpha;
    if (g.rf > 0 && g.rf <= kStraightRfWarn) m_mask |= kStraightRf;
    if (g.phiR >= kPhiRMin && g.phiR <= kPhiRMax) m_track = positionForPhiR(g.phiR);
    showValues();
}

void CBelmarLenDlg::OnCalc() {
    if (!UpdateData(true)) return;
    if (m_mask != kStraightMaskComplete) {
        inform(kMsgStraightIncomplete);
        m_calculated = false;
        return;
    }
    const StraightCones cones = straightCones(m_in);
    m_coneR = cones.r;
    if (!m_in.faceWidthSet) {
        m_in.b = cones.b;
        if (askYes(fw::format("当前的齿宽计算值是%.2f,是否需要修正齿宽值?如果需要，\n请按\"是\",回到主窗口后，直接修改齿宽并"
                              "重新计算,\n计算结果将可能要自动修正螺旋角。",
                              cones.b),
                   MB_ICONQUESTION)) {
            enable(IDC_B, true);
            show(IDC_B, true);
            m_calculated = false;
            showValues();
            setFocus(IDC_B);
            return;
        }
    }
    double beta = helixOf(m_in);
    const double limit = helixLimit(m_in.m, cones.r, cones.b);
    if (beta > 0 && std::tan(beta) < limit &&
        askYes("计算结果表明，当前所选用的螺旋角太小,是否\n调整螺旋角，若调整，请案按\"是\"。", MB_ICONINFORMATION)) {
        beta = std::atan(limit);
        const double deg = beta * 180 / 3.141592653589793;
        m_in.beta.deg = static_cast<int>(deg);
        m_in.beta.min = static_cast<int>((deg - m_in.beta.deg) * 60);
        m_in.beta.sec = static_cast<int>(((deg - m_in.beta.deg) * 60 - m_in.beta.min) * 60);
        if (askYes(fw::format("计算的最小螺旋角应为：%d°%d′%d″，\n若需要继续手工调整，选择\"是\",并重新计算。否则将继续。",
                              m_in.beta.deg, m_in.beta.min, m_in.beta.sec),
                   MB_ICONQUESTION)) {
            m_calculated = false;
            showValues();
            setFocus(IDC_BETA_DEG);
            return;
        }
    }
    auto result = straightGeometry(m_in, cones, beta);
    if (!result) {
        // Previous results and the calculated flag stay.
        inform(result.error());
        return;
    }
    // Results a gear engineer would reject (a negative dedendum, a root cone
    // through the axis) are not taken: the record's check names the first.
    ConeGeomRecord g = m_geom;
    fillStraightRecord(g, m_in, *result);
    g.rf = m_rf;
    g.date = m_strDate;
    g.number = m_strNumber;
    g.title = m_strTitle;
    if (auto checked = checkConeGeomRecord(g, ConeKind::Straight); !checked) {
        exclaim(coneResultRefusedMessage(checked.error()));
        return;
    }
    m_geom = g;
    m_calculated = true;
    m_calculatedFrom = m_in;
    showValues();
}

void CBelmarLenDlg::OnOK() {
    if (!UpdateData(true)) return;
    if (!calculated()) m_saved = false;
    // Texts and rf do not need a new calculation; they go in as shown.
    m_geom.rf = m_rf;
    m_geom.date = m_strDate;
    m_geom.number = m_strNumber;
    m_geom.title = m_strTitle;
    auto saved = runConeSave(this, ConeKind::Straight, calculated(), m_strDataPath, m_pre, m_geom,
                             straightReport(m_geom));
    if (!saved) return;
    m_pre = preRecordForSave(m_pre, m_geom);
    m_strDataPath = saved->data.string();
    m_strReportPath = saved->report.string();
    m_saved = true;
    EndDialog(IDOK);
}

void CBelmarLenDlg::OnCancel() {
    if (!m_saved && askYes(kAskUnsaved, MB_ICONQUESTION)) return;
    EndDialog(IDCANCEL);
}
