#include "bevel/geometry/belmar_arc_dlg.h"

#include <cmath>

#include "bevel/geometry/belmar_len_img_dlg.h"
#include "bevel/geometry/cone_geom_files.h"
#include "common/dialogs/quantity_field.h"
#include "common/calc/design_file.h"
#include "fw/file.h"
#include "fw/clock.h"
#include "fw/format.h"
#include "resources/belmar/module.h"

using namespace bevel;

namespace {

constexpr const char* kHelpTopic = "Kavrin.chm::/ConGeomArcDlg.htm";
constexpr const char* kAskUnsaved = "计算数据尚未保存，是否先保存？";
constexpr const char* kMsgRecalculate = "按“开始计算”按钮重新计算，以便更新数据!";
constexpr const char* kMsgAlphaLow = "齿型角应大于或等于14.5°!";
constexpr const char* kAskPhiR = "除采用零度弧齿外，恐怕齿宽系数偏小!是否增加φR值?";
constexpr const char* kHintChoose = "(核对计算结果，选择列表中适用加工范围的刀盘直径)";
constexpr const char* kHintCustom = "(核对计算结果，欲重新确定刀盘参数，请点“开始计算”)";
constexpr const char* kSmallModuleAdvice = "模数小于等于2.5时若采用小刀盘加工，建议βm应小于25°!";

void exclaim(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONEXCLAMATION); }
void inform(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONINFORMATION); }
void plain(const std::string& text) { fw::MessageBox(text, MB_OK); }

std::string fixed(double v, int places) { return fw::format("%.*f", places, v); }

double degreesOf(const kavrin::AngleTriple& a) {
    return static_cast<unsigned>(a.deg) + static_cast<unsigned>(a.min) / 60.0 + static_cast<unsigned>(a.sec) / 3600.0;
}

std::int32_t setBit(std::int32_t mask, std::int32_t bit, bool on) { return on ? (mask | bit) : (mask & ~bit); }

}  // namespace

CBelmarArcDlg::CBelmarArcDlg(fw::Window* parent) : fw::Dialog(belmar::module(), IDD, parent) {
    onKillFocus(IDC_Z1, [this] { OnZ1(); });
    onKillFocus(IDC_Z2, [this] { OnZ2(); });
    onKillFocus(IDC_C, [this] { OnC(); });
    onKillFocus(IDC_HA, [this] { OnHa(); });
    onKillFocus(IDC_M, [this] { OnM(); });
    onKillFocus(IDC_ALPHA_DEG, [this] { OnAlpha(true); });
    onKillFocus(IDC_ALPHA_MIN, [this] { OnAlpha(false); });
    onKillFocus(IDC_PHIR, [this] { OnPhiR(); });
    onKillFocus(IDC_B, [this] { OnFaceWidth(); });
    onReleased(IDC_PHIR_TRACK, [this] { OnTrack(); });
    for (int id : {IDC_BETA_DEG, IDC_BETA_MIN, IDC_BETA_SEC}) onKillFocus(id, [this, id] { OnBetaM(id); });
    for (int id : {IDC_X1, IDC_X2, IDC_XT1, IDC_XT2, IDC_ALPHA_SEC, IDC_TITLE, IDC_NUMBER})
        onKillFocus(id, [this] {
            if (UpdateData(true)) changed();
        });
    onSetFocus(IDC_DATE, [this] {
        m_strDate = fw::todayText();
        setText(IDC_DATE, m_strDate);
    });
    onKillFocus(IDC_DATE, [this] {
        const std::string typed = text(IDC_DATE);
        if (!typed.empty() && UpdateData(true)) changed();
    });
    onClick(IDC_TAPER_CLEARANCE, [this] { OnTaper(kTaperEqualClearance); });
    onClick(IDC_TAPER_DUPLEX, [this] { OnTaper(kTaperDouble); });
    onClick(IDC_TAPER_DEPTH, [this] { OnTaper(kTaperUniformDepth); });
    onClick(IDC_LOAD_PRE, [this] { OnLoadPreliminary(); });
    onClick(IDC_LOAD_SAVED, [this] { OnLoadSaved(); });
    onClick(IDC_CALC, [this] { OnCalc(); });
    onClick(IDC_HELP_BUTTON, [] { fw::htmlHelp(kHelpTopic); });
    onKillFocus(IDC_CUSTOM_D0, [this] { OnCustomCutter(); });
    onClick(IDC_PICTURE, [this] {
        CBelmarLenImgDlg img(this);
        img.DoModal(CBelmarLenImgDlg::kModeSpiral);
    });
    onClick(IDC_CUTTERS, [this] { OnCutterListClick(); });
}

bool CBelmarArcDlg::OnInitDialog() {
    auto& track = trackbar(IDC_PHIR_TRACK);
    track.setTicFreq(2);
    track.setPageSize(2);
    track.setRange(0, kSpiralTrackMax);
    m_track = spiralPositionForPhiR(m_in.phiR);
    enable(IDC_B, false);
    m_strNumber.clear();
    m_strTitle.clear();
    m_strDate = fw::todayText();
    auto& list = listView(IDC_CUTTERS);
    int col = 0;
    for (auto [title, width] : {std::pair{"刀盘直径d0", 110}, {"螺旋角推荐值βm", 150}, {"锥距推荐值R", 150},
                                {"加工最大齿高", 110}, {"加工最大齿宽", 110}, {"加工最大模数", 110}})
        list.insertColumn(col++, title, fw::Align::Center, width);
    enable(IDC_CUSTOM_D0, false);
    enable(IDC_TAPER_UNEQUAL, false);
    m_geom.toothSystem = 0;
    m_alphaChecked = m_in.alpha;
    m_betaChecked = m_in.betaM;
    m_bNoticed.reset();
    m_z1Untouched = m_in.z1;
    m_z2Untouched = m_in.z2;
    m_mUntouched = m_in.m;
    showValues();
    return true;
}

// Values the program put in (a load): each angle is checked when first left.
void CBelmarArcDlg::forgetChecks() {
    m_alphaChecked.reset();
    m_betaChecked.reset();
    m_bNoticed.reset();
    m_pairRefused.reset();
    m_z1Untouched.reset();
    m_z2Untouched.reset();
    m_mUntouched.reset();
}

void CBelmarArcDlg::DoDataExchange(fw::Exchange& dx) {
    dx.text(IDC_TITLE, m_strTitle, 63);
    dx.text(IDC_NUMBER, m_strNumber, 63);
    if (dx.saving()) {
        std::string date = m_strDate;
        dx.text(IDC_DATE, date, 19);
        if (!date.empty()) m_strDate = date;
    } else {
        dx.text(IDC_DATE, m_strDate, 19);
    }
    // Every field in its quantity's range (cone_geom_ranges.h), the range
    // of the record's check; the handlers' own rules judge what lies at or
    // below their floor.
    using namespace cone_geom;
    dx.integer(IDC_Z1, m_in.z1, 0, kConeTeethMax);
    dx.integer(IDC_Z2, m_in.z2, 0, kConeTeethMax);
    kavrin::number(dx, IDC_C, m_in.cStar, kSpiralInputs.cStar);
    kavrin::number(dx, IDC_HA, m_in.haStar, kHaStar);
    kavrin::numberOwnBelow(dx, IDC_M, m_in.m, kSpiralInputs.mt, 0);
    kavrin::number(dx, IDC_X1, m_in.x1, kSpiralInputs.x1);
    kavrin::number(dx, IDC_X2, m_in.x2, kSpiralInputs.x2);
    kavrin::number(dx, IDC_XT1, m_in.xt1, kSpiralInputs.xt1);
    kavrin::number(dx, IDC_XT2, m_in.xt2, kSpiralInputs.xt2);
    kavrin::integer(dx, IDC_ALPHA_DEG, m_in.alpha.deg, kAlphaDeg);
    kavrin::integer(dx, IDC_ALPHA_MIN, m_in.alpha.min, kAlphaMin);
    kavrin::integer(dx, IDC_ALPHA_SEC, m_in.alpha.sec, kAlphaSec);
    kavrin::integer(dx, IDC_BETA_DEG, m_in.betaM.deg, kBetaMDeg);
    kavrin::integer(dx, IDC_BETA_MIN, m_in.betaM.min, kBetaMMin);
    kavrin::integer(dx, IDC_BETA_SEC, m_in.betaM.sec, kBetaMSec);
    kavrin::numberOwnBelow(dx, IDC_PHIR, m_in.phiR, kPhiR, 0);
    kavrin::numberOwnBelow(dx, IDC_B, m_in.b, kB, 0);
    if (!dx.saving() || m_d0 != 0 || !text(IDC_CUSTOM_D0).empty())
        kavrin::numberOwnBelow(dx, IDC_CUSTOM_D0, m_d0, kD0, kD0.lower());
    dx.radio(IDC_TAPER_UNEQUAL, m_in.taper);
    dx.trackbar(IDC_PHIR_TRACK, m_track);
}

void CBelmarArcDlg::showValues() {
    UpdateData(false);
    showResults();
}

void CBelmarArcDlg::showResults() {
    const ConeGeomRecord& g = m_shown;
    auto angle = [this](int deg, int min, int sec, const AngleDms& shown) {
        const AngleDms a = kavrin::roundDms(shown, 1);  // rounded first, then split
        setText(deg, fixed(a.deg, 0));
        setText(min, fixed(a.min, 0));
        setText(sec, fixed(a.sec, 1));
    };
    angle(IDC_DELTA1_DEG, IDC_DELTA1_MIN, IDC_DELTA1_SEC, g.delta1);
    angle(IDC_DELTA2_DEG, IDC_DELTA2_MIN, IDC_DELTA2_SEC, g.delta2);
    angle(IDC_THETA_A1_DEG, IDC_THETA_A1_MIN, IDC_THETA_A1_SEC, g.thetaA1);
    angle(IDC_THETA_A2_DEG, IDC_THETA_A2_MIN, IDC_THETA_A2_SEC, g.thetaA2);
    angle(IDC_DELTA_A1_DEG, IDC_DELTA_A1_MIN, IDC_DELTA_A1_SEC, g.deltaA1);
    angle(IDC_DELTA_A2_DEG, IDC_DELTA_A2_MIN, IDC_DELTA_A2_SEC, g.deltaA2);
    angle(IDC_THETA_F1_DEG, IDC_THETA_F1_MIN, IDC_THETA_F1_SEC, g.thetaF1);
    angle(IDC_THETA_F2_DEG, IDC_THETA_F2_MIN, IDC_THETA_F2_SEC, g.thetaF2);
    angle(IDC_DELTA_F1_DEG, IDC_DELTA_F1_MIN, IDC_DELTA_F1_SEC, g.deltaF1);
    angle(IDC_DELTA_F2_DEG, IDC_DELTA_F2_MIN, IDC_DELTA_F2_SEC, g.deltaF2);
    angle(IDC_BETA_HEEL_DEG, IDC_BETA_HEEL_MIN, IDC_BETA_HEEL_SEC, g.betaOuter);
    struct Shown {
        int id;
        double v;
        int places;
    };
    for (const Shown& s : {Shown{IDC_D1, g.d1, 3}, {IDC_D2, g.d2, 3}, {IDC_R, g.r, 3}, {IDC_HA1, g.ha1, 3},
                           {IDC_HA2, g.ha2, 3}, {IDC_HF1, g.hf1, 3}, {IDC_HF2, g.hf2, 3}, {IDC_H, g.h, 3},
                           {IDC_DA1, g.da1, 3}, {IDC_DA2, g.da2, 3}, {IDC_AK1, g.ak1, 3}, {IDC_AK2, g.ak2, 3},
                           {IDC_S1, g.s1, 3}, {IDC_S2, g.s2, 3}, {IDC_DTHETA_F, g.dThetaF, 2},
                           {IDC_EPS_BETA, g.epsBeta, 3}, {IDC_EPS_ALPHA, g.epsAlpha, 3}, {IDC_ZV1, g.zv1, 3},
                           {IDC_ZV2, g.zv2, 3}, {IDC_ZP, g.zp, 2}})
        setText(s.id, fixed(s.v, s.places));
}

// An accepted input that results depend on: the results are stale until
// the next calculation.
void CBelmarArcDlg::changed() {
    if (!(m_in == m_calculatedFrom)) m_calculated = false;
}

void CBelmarArcDlg::ResetInputs() {
    m_in = SpiralInput{};
    m_shown = ConeGeomRecord{};
    m_strTitle.clear();
    m_strNumber.clear();
    m_strDate.clear();
    m_track = 0;
    m_d0 = 0;
    m_mask = kSpiralMaskReset;
    m_saved = false;
    m_calculated = false;
    forgetChecks();
}

bool CBelmarArcDlg::ValidateInputs() {
    struct Check {
        std::int32_t bit;
        const char* message;
        int focus;
    };
    for (const Check& c : {Check{kSpiralZ1, "小齿轮指数Z1数值无效!", IDC_Z1}, {kSpiralZ2, "大齿轮指数Z2数值无效!", IDC_Z2},
                           {kSpiralC, "齿顶隙C数值无效!", IDC_C}, {kSpiralHa, "齿顶高系数ha数值无效!", IDC_HA},
                           {kSpiralM, "模数 m 数值无效!", IDC_M}, {kSpiralAlpha, "齿型角 α 数值无效!", IDC_ALPHA_DEG},
                           {kSpiralPhiR, "齿宽系数 φR 数值无效!", IDC_PHIR}})
        if (!(m_mask & c.bit)) {
            exclaim(c.message);
            setFocus(c.focus);
            return false;
        }
    return true;
}

void CBelmarArcDlg::OnZ1() {
    const std::int32_t before = m_in.z1;
    if (!UpdateData(true)) return;
    if (m_z1Untouched == m_in.z1) return;  // still the fresh dialog's empty value
    m_z1Untouched.reset();
    if (m_in.z1 == 0) {
        exclaim(fw::format("小齿轮齿数z1=%d无效!", m_in.z1));
        m_in.z1 = before;
        showValues();
        return;
    }
    const int betaDeg = m_in.betaM.deg;
    if (m_in.z1 < 10 || (betaDeg != 0 && m_in.z1 < 13) || (betaDeg == 0 && m_in.z1 < 15))
        inform(fw::format("小齿轮齿数z1=%d太少，需考虑增大压力角α\n或采用非零度弧齿及加工条件!", m_in.z1));
    if (m_in.z2 < m_in.z1) {
        m_in.z2 = m_in.z1;
        m_geom.z2 = m_in.z2;
        inform("小齿轮齿数应小于大齿轮齿数，请确定大齿轮齿数z2!");
        m_mask |= kSpiralZ1 | kSpiralZ2;
    } else {
        m_mask |= kSpiralZ1;
    }
    m_geom.z1 = m_in.z1;
    m_pre.i = static_cast<double>(m_in.z2) / m_in.z1;
    changed();
    showValues();
}

void CBelmarArcDlg::OnZ2() {
    const std::int32_t before = m_in.z2;
    if (!UpdateData(true)) return;
    if (m_z2Untouched == m_in.z2) return;  // still the fresh dialog's empty value
    m_z2Untouched.reset();
    if (m_in.z2 == 0) {
        exclaim(fw::format("大齿轮齿数z2=%d无效!", m_in.z2));
        m_in.z2 = before;
        showValues();
        return;
    }
    if (m_mask & kSpiralZ1) {
        if (m_in.z2 < m_in.z1) {
            inform("齿数Z2应大于或等于Z1！");
            m_in.z2 = m_in.z1;
        }
        m_geom.z2 = m_in.z2;
        m_mask |= kSpiralZ2;
        m_pre.i = static_cast<double>(m_in.z2) / m_in.z1;
    } else {
        m_geom.z2 = m_in.z2;
        m_mask |= kSpiralZ2;
        inform("请输入小齿轮齿数Z1!");
    }
    changed();
    showValues();
}

void CBelmarArcDlg::OnC() {
    if (!UpdateData(true)) return;
    m_geom.cStar = m_in.cStar;
    m_mask = setBit(m_mask, kSpiralC, m_in.cStar > 0 && m_in.cStar < 0.5);
    changed();
}

void CBelmarArcDlg::OnHa() {
    if (!UpdateData(true)) return;
    m_geom.haStar = m_in.haStar;
    m_mask = setBit(m_mask, kSpiralHa, m_in.haStar > 0 && m_in.haStar <= 1);
    changed();
}

void CBelmarArcDlg::OnM() {
    const double before = m_in.m;
    if (!UpdateData(true)) return;
    if (m_mUntouched == m_in.m) return;  // still the fresh dialog's empty value
    m_mUntouched.reset();
    if (!(m_in.m > 0) || m_in.m > kConeModuleMax) {
        exclaim("模数无效!");
        m_mask &= ~kSpiralM;
    } else if (smallModuleWithLargeHelix(m_in)) {
        refusePair(m_in.m == before);
        m_in.m = before;
        showValues();
        return;
    } else {
        m_geom.mt = m_in.m;
        m_mask |= kSpiralM;
    }
    changed();
}

// The small-module advice for the pair as read; `stands` when the refusal
// leaves it as it is (nothing typed, a loaded pair).
void CBelmarArcDlg::refusePair(bool stands) {
    const std::pair<double, kavrin::AngleTriple> pair{m_in.m, m_in.betaM};
    if (!(m_pairRefused == pair)) exclaim(kSmallModuleAdvice);
    if (stands)
        m_pairRefused = pair;
    else
        m_pairRefused.reset();
}

// βm typed after the module: the pair m ≤ 2.5, βm ≥ 25° is refused
// whichever of the two comes last; the previous βm comes back.
void CBelmarArcDlg::OnBetaM(int id) {
    const kavrin::AngleTriple before = m_in.betaM;
    if (!UpdateData(true)) return;
    if (m_betaChecked == m_in.betaM) return;
    if ((m_mask & kSpiralM) && smallModuleWithLargeHelix(m_in)) {
        refusePair(m_in.betaM == before);
        m_in.betaM = before;
        m_betaChecked = before;
        showValues();
        (void)id;
        return;
    }
    m_betaChecked = m_in.betaM;
    m_geom.betaDeg = m_in.betaM.deg;
    m_geom.betaMin = m_in.betaM.min;
    m_geom.betaSec = m_in.betaM.sec;
    changed();
}

// α from its degree or minutes box: the degrees accept 14.5° ≤ α ≤ 25°,
// the minutes α ≥ 14.5°. Leaving either with the whole α as it was last
// checked checks nothing again.
void CBelmarArcDlg::OnAlpha(bool degrees) {
    if (!UpdateData(true)) return;
    if (m_alphaChecked == m_in.alpha) return;
    m_alphaChecked = m_in.alpha;
    const bool accepted = degrees ? spiralAlphaAccepted(m_in.alpha) : degreesOf(m_in.alpha) >= 14.5;
    if (accepted) {
        if (degrees) m_geom.alphaDeg = m_in.alpha.deg;
        m_mask |= kSpiralAlpha;
    } else {
        m_mask &= ~kSpiralAlpha;
        exclaim(kMsgAlphaLow);
    }
    if (!degrees) m_geom.alphaMin = m_in.alpha.min;
    changed();
}

bool CBelmarArcDlg::askRaisePhiR(unsigned icon, bool& asked) {
    if (!(m_in.phiR >= kSpiralPhiRMin && m_in.phiR < 0.25 && m_in.betaM.deg != 0)) return false;
    asked = true;
    if (fw::MessageBox(kAskPhiR, MB_YESNO | icon) != IDYES) return false;
    m_in.phiR = 0.25;
    return true;
}

void CBelmarArcDlg::OnTrack() {
    m_track = trackbar(IDC_PHIR_TRACK).pos();
    m_in.phiR = spiralPhiRForPosition(m_track);
    bool asked = false;
    if (askRaisePhiR(MB_ICONEXCLAMATION, asked)) m_track = 27;
    m_geom.phiR = m_in.phiR;
    if (m_shown.r > 0) m_in.b = m_in.phiR * m_shown.r;
    m_bNoticed = asked && m_shown.r > 0 ? std::optional<double>(m_in.b) : std::nullopt;
    m_mask |= kSpiralPhiR;
    changed();
    showValues();
}

void CBelmarArcDlg::OnPhiR() {
    if (!UpdateData(true)) return;
    bool noticed = false;
    if (m_in.phiR > kSpiralPhiRMax) {
        exclaim("齿宽系数偏大，可能小端齿顶变尖!");
        m_in.phiR = kSpiralPhiRMax;
        noticed = true;
    } else if (m_in.phiR < kSpiralPhiRMin) {
        exclaim("齿宽系数偏小，不能发挥弧型齿设计优点!");
        m_in.phiR = kSpiralPhiRMin;
        noticed = true;
    }
    askRaisePhiR(MB_ICONQUESTION, noticed);
    m_geom.phiR = m_in.phiR;
    m_track = spiralPositionForPhiR(m_in.phiR);
    m_mask |= kSpiralPhiR;
    if (m_shown.r > 0) m_in.b = m_in.phiR * m_shown.r;
    m_bNoticed = noticed && m_shown.r > 0 ? std::optional<double>(m_in.b) : std::nullopt;
    changed();
    showValues();
}

void CBelmarArcDlg::OnFaceWidth() {
    if (!UpdateData(true)) return;
    if (m_in.b > 10 * m_in.m) m_in.b = 10 * m_in.m;
    const double r = m_shown.r;
    if (!(r > 0)) {
        inform("当前锥距数据非法，先计算一次再调整齿宽!");
        enable(IDC_B, false);
        m_in.faceWidthSet = false;
        changed();
        showValues();
        return;
    }
    m_in.phiR = m_in.b / r;
    m_track = spiralPositionForPhiR(m_in.phiR);
    const bool zerol = m_in.betaM.deg == 0;
    const char* advice = nullptr;
    if (!zerol && (m_in.phiR < 0.25 || m_in.phiR > kSpiralPhiRMax))
        advice = "建议齿宽取值使齿宽系数φ＝0.25～0.334!";
    else if (zerol && (m_in.phiR < kSpiralPhiRMin || m_in.phiR > 0.25))
        advice = "建议齿宽取值使齿宽系数φ＝0.15～0.25!";
    // A width still as the program derived it from a φR that was already
    // noticed or asked about: the advice would be a second notice about it.
    const bool noticedAlready = m_bNoticed && *m_bNoticed == m_in.b;
    m_bNoticed.reset();
    if (advice) {
        if (!noticedAlready) inform(advice);
        m_in.faceWidthSet = false;
        enable(IDC_PHIR_TRACK, true);
    } else {
        m_in.faceWidthSet = true;
        m_geom.b = m_in.b;
        m_geom.phiR = m_in.phiR;
        enable(IDC_PHIR_TRACK, false);
    }
    changed();
    showValues();
}

void CBelmarArcDlg::OnTaper(int code) {
    m_in.taper = code;
    m_geom.taper = code;
    if (m_calculated) {
        fw::MessageBox(kMsgRecalculate, code == kTaperEqualClearance ? MB_OK : MB_OK | MB_ICONINFORMATION);
        m_calculated = false;
    }
}

void CBelmarArcDlg::OnLoadPreliminary() {
    auto loaded = runConeLoad(this, ConeKind::Spiral, ConeLoad::Preliminary);
    if (!loaded) return;
    const ConePreRecord& p = loaded->pre;
    // A refused file changes nothing: both tests before the reset.
    if (!(p.mt > 0)) {
        fw::MessageBox("模数值无效,请先预定计算确定模数值!", MB_OK | MB_ICONSTOP);
        return;
    }
    if (p.toothSystem < 3 || p.toothSystem > 6) {
        fw::MessageBox(coneWrongSystemMessage(kConeToothSystems[static_cast<std::size_t>(
                                                  p.toothSystem >= 0 && p.toothSystem < kToothSystemCount ? p.toothSystem : 0)]
                                                  .preliminaryName),
                       MB_OK | MB_ICONSTOP);
        return;
    }
    ResetInputs();
    m_strDataPath = loaded->data.string();
    m_strReportPath = loaded->report.string();
    m_pre = p;
    m_geom.toothSystem = p.toothSystem;
    switch (p.toothSystem) {
    case 3: m_in.taper = p.mt <= 2.5 ? kTaperDouble : kTaperEqualClearance; break;
    case 6: m_in.taper = kTaperUniformDepth; break;
    default: m_in.taper = kTaperEqualClearance; break;
    }
    m_geom.taper = m_in.taper;
    m_strTitle = p.title;
    m_strNumber = p.number;
    m_strDate = p.date;
    m_in.alpha = {p.alphaDeg, p.alphaMin, p.alphaSec};
    m_in.betaM = {p.betaDeg, p.betaMin, p.betaSec};
    m_in.cStar = p.cStar;
    m_in.haStar = p.haStar;
    m_in.m = p.mt;
    m_in.x1 = p.x1;
    m_in.x2 = p.x2;
    m_in.xt1 = p.xt1;
    m_in.xt2 = p.xt2;
    m_in.z1 = static_cast<std::int32_t>(p.z1);
    m_in.z2 = static_cast<std::int32_t>(p.z2);
    m_geom.alphaDeg = p.alphaDeg;
    m_geom.alphaMin = p.alphaMin;
    m_geom.alphaSec = p.alphaSec;
    m_geom.betaDeg = p.betaDeg;
    m_geom.betaMin = p.betaMin;
    m_geom.betaSec = p.betaSec;
    m_geom.cStar = p.cStar;
    m_geom.haStar = p.haStar;
    m_geom.mt = p.mt;
    m_geom.x1 = p.x1;
    m_geom.x2 = p.x2;
    m_geom.xt1 = p.xt1;
    m_geom.xt2 = p.xt2;
    m_geom.z1 = m_in.z1;
    m_geom.z2 = m_in.z2;
    m_mask = setBit(m_mask, kSpiralAlpha, spiralAlphaAccepted(m_in.alpha));  // as the typed α
    m_mask = setBit(m_mask, kSpiralC, p.cStar > 0 && p.cStar < 0.3);
    m_mask = setBit(m_mask, kSpiralHa, p.haStar > 0 && p.haStar <= 1);
    m_mask = setBit(m_mask, kSpiralM, p.mt <= kConeModuleMax);
    m_mask = setBit(m_mask, kSpiralZ1, p.z1 != 0);
    m_mask = setBit(m_mask, kSpiralZ2, p.z2 != 0);
    if (p.mt < 2.5 && p.betaDeg > 25)
        fw::MessageBox("模数小于等于2.5mm轻载齿轮时建议采用βm小于25°齿型制,\n考虑经济性,可采用直线齿型或零度格利森。",
                       MB_OK | MB_ICONSTOP);
    m_in.phiR = 0.25;
    m_geom.phiR = 0.25;
    m_track = 27;
    m_mask |= kSpiralPhiR;
    m_cutters.clear();
    fillCutterList();
    showValues();
}

void CBelmarArcDlg::OnLoadSaved() {
    auto loaded = runConeLoad(this, ConeKind::Spiral, ConeLoad::Saved);
    if (!loaded) return;
    const ConeGeomRecord& g = loaded->geom;
    // A refused file changes nothing.
    if (g.toothSystem < 3 || g.toothSystem > 6) {
        exclaim(coneWrongSystemMessage(
            kConeToothSystems[static_cast<std::size_t>(g.toothSystem >= 0 && g.toothSystem < kToothSystemCount ? g.toothSystem : 0)]
                .savedName));
        return;
    }
    exclaim(fw::format("所选择的数据文件是%s圆锥齿轮,想改变齿型制,\n请先修改预定计算!",
                       kConeToothSystems[static_cast<std::size_t>(g.toothSystem)].savedName));
    m_pre = loaded->pre;
    m_geom = g;
    m_strDataPath = loaded->data.string();
    m_strReportPath = loaded->report.string();
    m_strTitle = g.title;
    m_strNumber = g.number;
    m_strDate = g.date;
    m_in.alpha = {g.alphaDeg, g.alphaMin, g.alphaSec};
    m_in.betaM = {g.betaDeg, g.betaMin, g.betaSec};
    m_in.cStar = g.cStar;
    m_in.haStar = g.haStar;
    m_in.m = g.mt;
    m_in.z1 = g.z1;
    m_in.z2 = g.z2;
    m_in.x1 = g.x1;
    m_in.x2 = g.x2;
    m_in.xt1 = g.xt1;
    m_in.xt2 = g.xt2;
    m_in.phiR = g.phiR;
    m_in.b = g.b;
    m_in.taper = g.toothSystem == 6 ? kTaperUniformDepth : g.taper;
    m_geom.taper = m_in.taper;
    m_shown = g;
    m_d0 = g.d0;
    m_track = spiralPositionForPhiR(g.phiR);
    m_mask = setBit(m_mask, kSpiralZ1, g.z1 != 0);
    m_mask = setBit(m_mask, kSpiralZ2, g.z2 != 0);
    m_mask = setBit(m_mask, kSpiralC, g.cStar > 0 && g.cStar <= 0.3);
    m_mask = setBit(m_mask, kSpiralHa, g.haStar > 0 && g.haStar <= 1);
    m_mask = setBit(m_mask, kSpiralM, g.mt > 0 && g.mt <= kConeModuleMax);
    m_mask = setBit(m_mask, kSpiralAlpha, spiralAlphaAccepted(m_in.alpha));  // as the typed α
    m_mask = setBit(m_mask, kSpiralPhiR, g.phiR >= 0.25 && g.phiR <= kSpiralPhiRMax);
    m_cutters.clear();
    fillCutterList();
    int headerKind = 0;  // an old file without header counts as an early kind
    if (auto bytes = fw::readFile(loaded->data, kConeGeomFileSize)) {
        auto body = kavrin::splitDesignFile(*bytes, ConePreRecord::kSize + ConeGeomRecord::kSize);
        if (body && !body->oldFile) headerKind = body->header.kind;
    }
    restoreCutter(g, headerKind);
    if (m_calculated) m_calculatedFrom = m_in;
    forgetChecks();
    showValues();
}

// The cutter of a saved design: found again by its table row and band; the
// saved index counts only when it names that entry. Without such an entry
// (or in an early file) a diameter of at least 12.7 mm comes back as a
// custom cutter; otherwise the list stays empty and a save needs a new
// calculation.
void CBelmarArcDlg::restoreCutter(const ConeGeomRecord& g, int headerKind) {
    auto asCustom = [&] {
        if (g.d0 >= kSmallestCutter) {
            m_cutters = {bevel::customCutter(g.d0)};
            m_chosen = 0;
            m_d0 = g.d0;
            setText(IDC_CUTTER_HINT, kHintCustom);
        } else {
            m_cutters.clear();
            m_chosen = 0;
            m_calculated = false;
        }
        fillCutterList();
    };
    if (headerKind <= 2 || g.cutterBand == kCustomCutterBand) {
        asCustom();
        return;
    }
    if (!rebuildCutterList(g.r, degreesOf(m_in.betaM))) exclaim(m_missingTables);
    int found = -1;
    auto names = [&](int i) {
        return i >= 0 && i < static_cast<int>(m_cutters.size()) &&
               m_cutters[static_cast<std::size_t>(i)].row == g.cutterRow &&
               m_cutters[static_cast<std::size_t>(i)].band == g.cutterBand;
    };
    if (names(g.cutterChoice))
        found = g.cutterChoice;
    else
        for (int i = 0; i < static_cast<int>(m_cutters.size()) && found < 0; ++i)
            if (names(i)) found = i;
    if (found < 0) {
        asCustom();
        return;
    }
    m_chosen = found;
    m_d0 = m_cutters[static_cast<std::size_t>(found)].d0;
    fillCutterList();
    setText(IDC_CUTTER_HINT, kHintChoose);
}

// The heel spiral angle and the thicknesses for entry `index` of `list`;
// a cutter too small for the pair changes nothing.
bool CBelmarArcDlg::recomputeFromCutter(const std::vector<CutterRow>& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.size())) return false;
    const CutterRow& c = list[static_cast<std::size_t>(index)];
    auto heel = heelFromCutter(m_in, m_shown.r, m_shown.b, c.d0);
    if (!heel) {
        if (heel.error() == kMsgCutterTooSmall)
            plain(heel.error());
        else
            exclaim(heel.error());
        showValues();
        return false;
    }
    // A thickness the cutter makes impossible is not taken either.
    ConeGeomRecord probe = m_shown;
    fillSpiralCutter(probe, index, c, *heel);
    if (probe.status == kConeGeomStatus) {
        if (auto checked = checkConeGeomRecord(probe, ConeKind::Spiral); !checked) {
            exclaim(coneResultRefusedMessage(checked.error()));
            showValues();
            return false;
        }
    }
    m_cutters = list;
    m_chosen = index;
    m_d0 = c.d0;
    fillSpiralCutter(m_geom, index, c, *heel);
    fillSpiralCutter(m_shown, index, c, *heel);
    fillCutterList();
    showValues();
    return true;
}

void CBelmarArcDlg::OnCustomCutter() {
    const double before = m_d0;
    if (!UpdateData(true)) return;
    const double typed = m_d0;
    m_d0 = before;
    if (!(typed >= kSmallestCutter)) {
        plain(kMsgCutterTooSmall);
        showValues();
        return;
    }
    if (typed == before) return;
    for (std::size_t i = 0; i < m_cutters.size(); ++i)
        if (m_cutters[i].band != kCustomCutterBand && m_cutters[i].d0 == typed) {
            recomputeFromCutter(m_cutters, static_cast<int>(i));
            return;
        }
    if (recomputeFromCutter({bevel::customCutter(typed)}, 0)) setText(IDC_CUTTER_HINT, kHintCustom);
}

void CBelmarArcDlg::OnCutterListClick() {
    auto& list = listView(IDC_CUTTERS);
    const int selected = list.firstSelected();
    if (customCutter() || m_cutters.empty() || selected < 0 || selected == m_chosen) {
        fillCutterList();  // the chosen entry stays marked
        return;
    }
    if (!recomputeFromCutter(m_cutters, selected)) fillCutterList();
}

void CBelmarArcDlg::OnOK() {
    const bool computed = calculated() && m_chosen >= 0 && m_chosen < static_cast<int>(m_cutters.size());
    std::string report;
    if (computed) {
        m_geom.date = m_strDate;
        m_geom.number = m_strNumber;
        m_geom.title = m_strTitle;
        report = spiralReport(m_geom, m_cutters[static_cast<std::size_t>(m_chosen)]);
    }
    auto saved = runConeSave(this, ConeKind::Spiral, computed, m_strDataPath, m_pre, m_geom, report);
    if (!saved) {
        if (!computed) m_saved = false;
        return;
    }
    m_strDataPath = saved->data.string();
    m_strReportPath = saved->report.string();
    m_saved = true;
    EndDialog(IDOK);
}

bool CBelmarArcDlg::rebuildCutterList(double r, double betaMDeg) {
    LoadedCutterTables loaded = loadCutterTables(cutterTableFolder());
    for (const std::string& message : loaded.messages)
        fw::MessageBox(message, message == kMsgCutterRegistry ? MB_OK | MB_ICONSTOP : MB_OK);
    m_cutters = cutterRows(loaded.tables, r, betaMDeg);
    m_chosen = 0;
    fillCutterList();
    m_missingTables = missingCutterTablesMessage(loaded.tables);
    return m_missingTables.empty();
}

void CBelmarArcDlg::fillCutterList() {
    auto& list = listView(IDC_CUTTERS);
    list.deleteAllItems();
    for (std::size_t i = 0; i < m_cutters.size(); ++i) {
        const int row = static_cast<int>(i);
        if (m_cutters[i].band == kCustomCutterBand) {
            list.insertItem(row, "自定义刀盘");
            continue;
        }
        const auto cols = cutterColumns(m_cutters[i]);
        list.insertItem(row, cols[0]);
        for (int c = 1; c < 6; ++c) list.setItemText(row, c, cols[static_cast<std::size_t>(c)]);
    }
    if (m_chosen >= 0 && m_chosen < static_cast<int>(m_cutters.size())) {
        list.select(m_chosen);
        list.ensureVisible(m_chosen);
    }
}

void CBelmarArcDlg::OnCalc() {
    // Step 1.
    if (!ValidateInputs()) {
        m_calculated = false;
        return;
    }
    // Step 2.
    if (m_in.m < 2.5 && m_in.betaM.deg > 25) plain("模数小于等于2.5时若限制于小刀盘加工，建议βm小于或等于25°");
    // Steps 3 to 6.
    const SpiralCones cones = spiralCones(m_in);
    if (!m_in.faceWidthSet) {
        m_in.b = cones.b;
        if (fw::MessageBox(fw::format("当前的齿宽计算值是%.2f,是否需要修正齿宽值?如果需要，\n请按“是”,回到主窗口后，"
                                      "直接修改齿宽并重新计算。",
                                      cones.b),
                           MB_YESNO | MB_ICONQUESTION) == IDYES) {
            m_shown.r = cones.r;  // the face width box needs R
            enable(IDC_B, true);
            m_calculated = false;
            showValues();
            setFocus(IDC_B);
            return;
        }
    }
    // Steps 7 to 14, 18 and 19.
    auto result = spiralGeometry(m_in, cones);
    if (!result) {
        if (result.error() == kMsgSpiralStandardAlpha)
            plain(result.error());
        else
            exclaim(result.error());
        return;
    }
    const SpiralResult& r = *result;
    // Results a gear engineer would reject are not shown or taken: the
    // record's check names the first (the cutter's part comes below).
    ConeGeomRecord shown = m_geom;
    fillSpiralRecord(shown, m_in, r);
    if (auto checked = checkConeGeomDimensions(shown, ConeKind::Spiral); !checked) {
        exclaim(coneResultRefusedMessage(checked.error()));
        return;
    }
    if (r.betaMin > 0) {
        const AngleDms m = kavrin::roundDms(kavrin::splitRadiansDms(r.betaMin), 0);
        fw::MessageBox(fw::format("为保证齿向重合度大于1.25，最好调整螺旋角大于%.0f°%.0f′%.0f″\n或调整齿宽，若调整，请重新计算!",
                                  m.deg, m.min, m.sec),
                       MB_YESNO | MB_ICONQUESTION);
    }
    // Step 15: the cutter list; a custom cutter stays when no tabulated
    // cutter suits the pair.
    const std::vector<CutterRow> custom = customCutter() ? m_cutters : std::vector<CutterRow>{};
    rebuildCutterList(cones.r, spiralBetaMDegrees(m_in));
    if (m_cutters.empty() && !custom.empty()) {
        m_cutters = custom;
        m_chosen = 0;
        fillCutterList();
    }
    if (m_cutters.empty()) {
        m_shown = shown;
        m_calculated = false;
        enable(IDC_CUSTOM_D0, true);
        // A missing table is named; otherwise no tabulated cutter suits the pair.
        if (!m_missingTables.empty())
            exclaim(m_missingTables);
        else
            inform(kMsgNoCutter);
        showValues();
        return;
    }
    const CutterRow& cutter = m_cutters[static_cast<std::size_t>(m_chosen)];
    // Steps 16 and 17.
    auto heel = heelFromCutter(m_in, cones.r, cones.b, cutter.d0);
    if (!heel) {
        if (heel.error() == kMsgCutterTooSmall)
            plain(heel.error());
        else
            exclaim(heel.error());
        return;
    }
    // Step 20.
    ConeGeomRecord g = shown;
    fillSpiralCutter(g, m_chosen, cutter, *heel);
    g.date = m_strDate;
    g.number = m_strNumber;
    g.title = m_strTitle;
    if (auto checked = checkConeGeomRecord(g, ConeKind::Spiral); !checked) {
        exclaim(coneResultRefusedMessage(checked.error()));
        return;
    }
    m_d0 = cutter.d0;
    m_geom = g;
    m_shown = m_geom;
    // Step 21.
    m_calculated = true;
    m_calculatedFrom = m_in;
    enable(IDC_CUSTOM_D0, true);
    setText(IDC_CUTTER_HINT, kHintChoose);
    showValues();
}

void CBelmarArcDlg::OnCancel() {
    if (!m_saved && fw::MessageBox(kAskUnsaved, MB_YESNO | MB_ICONQUESTION) == IDYES) return;
    EndDialog(IDCANCEL);
}
