#include "bevel/geometry/belmar_arc_dlg.h"

#include <algorithm>
#include <cmath>

#include "bevel/geometry/belmar_len_img_dlg.h"
#include "bevel/geometry/cone_geom_files.h"
#include "common/calc/data_folder.h"
#include "fw/clock.h"
#include "fw/format.h"
#include "resources/belmar/module.h"

using namespace bevel;

namespace {

constexpr const char* kHelpTopic = "Kavrin.chm::/ConGeomArcDlg.htm";
constexpr const char* kHintChoose = "(核对计算结果，选择列表中适用加工范围的刀盘直径)";
constexpr double kPhiRLow = 0.15;                  // trackbar band 0.15 to 1/3
constexpr double kPhiRSpan = 0.18333333333333332;  // over 50 steps
constexpr double kPhiRHigh = 0.3333333333333333;
constexpr double kPhiRSpiral = 0.25;               // least φR of a spiral (non-zerol) pair
constexpr std::int32_t kArcZ1 = 0x01, kArcZ2 = 0x02, kArcC = 0x04, kArcHa = 0x08, kArcM = 0x10, kArcAlpha = 0x20,
                       kArcPhiR = 0x40;

void exclaim(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONEXCLAMATION); }
void inform(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONINFORMATION); }
void plain(const std::string& text) { fw::MessageBox(text, MB_OK); }
bool askYes(const std::string& text, unsigned icon) { return fw::MessageBox(text, MB_YESNO | icon) == IDYES; }
std::string fixed(double v, int places) { return fw::format("%.*f", places, v); }

// Trackbar position of a φR, clamped to 0–50 (0 for a value that is not finite).
int trackFor(double phiR) {
    const double pos = (phiR - kPhiRLow) * 50 / kPhiRSpan;
    if (!std::isfinite(pos)) return 0;
    return static_cast<int>(std::clamp(pos, 0.0, 50.0));
}

double degreesOf(const kavrin::AngleTriple& a) { return a.deg + a.min / 60.0 + a.sec / 3600.0; }

void keepNumber(fw::Exchange& dx, int id, double& v) {
    double typed = v;
    dx.number(id, typed);
    if (dx.saving() && fw::format("%.15g", typed) != fw::format("%.15g", v)) v = typed;
}

}  // namespace

CBelmarArcDlg::CBelmarArcDlg(fw::Window* parent) : fw::Dialog(belmar::module(), IDD, parent) {
    onKillFocus(IDC_Z1, [this] { OnZ1(); });
    onKillFocus(IDC_Z2, [this] { OnZ2(); });
    onKillFocus(IDC_M, [this] { OnM(); });
    onKillFocus(IDC_C, [this] {
        if (!UpdateData(true)) return;
        m_mask = m_in.cStar > 0 && m_in.cStar < 0.5 ? m_mask | kArcC : m_mask & ~kArcC;
        changed();
    });
    onKillFocus(IDC_HA, [this] {
        if (!UpdateData(true)) return;
        m_mask = m_in.haStar > 0 && m_in.haStar <= 1 ? m_mask | kArcHa : m_mask & ~kArcHa;
        changed();
    });
    onKillFocus(IDC_ALPHA_DEG, [this] { OnAlpha(true); });
    onKillFocus(IDC_ALPHA_MIN, [this] { OnAlpha(false); });
    for (int id : {IDC_X1, IDC_X2, IDC_XT1, IDC_XT2, IDC_ALPHA_SEC, IDC_BETA_DEG, IDC_BETA_MIN, IDC_BETA_SEC, IDC_TITLE,
                   IDC_NUMBER})
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
    onReleased(IDC_PHIR_TRACK, [this] { OnTrack(); });
    onKillFocus(IDC_PHIR, [this] { OnPhiR(); });
    onKillFocus(IDC_B, [this] { OnFaceWidth(); });
    onClick(IDC_TAPER1, [this] { OnTaper(kTaperEqualClearance); });
    onClick(IDC_TAPER2, [this] { OnTaper(kTaperDouble); });
    onClick(IDC_TAPER3, [this] { OnTaper(kTaperUniformDepth); });
    onClick(IDC_LOAD_PRE, [this] { OnLoadPreliminary(); });
    onClick(IDC_LOAD_SAVED, [this] { OnLoadSaved(); });
    onClick(IDC_CALC, [this] { OnCalc(); });
    onClick(IDC_HELP_BUTTON, [] { fw::htmlHelp(kHelpTopic); });
    onClick(IDC_PICTURE, [this] {
        CBelmarLenImgDlg img(this);
        img.DoModal(CBelmarLenImgDlg::kModeSpiral);
    });
}

bool CBelmarArcDlg::OnInitDialog() {
    trackbar(IDC_PHIR_TRACK).setRange(0, 50);
    trackbar(IDC_PHIR_TRACK).setTicFreq(2);
    trackbar(IDC_PHIR_TRACK).setPageSize(2);
    m_track = trackFor(m_in.phiR);
    enable(IDC_B, false);
    enable(IDC_TAPER0, false);
    m_strTitle.clear();
    m_strNumber.clear();
    m_strDate = fw::todayText();
    fw::ListView& list = listView(IDC_CUTTERS);
    list.insertColumn(0, "刀盘直径d0", fw::Align::Center, 110);
    list.insertColumn(1, "螺旋角推荐值βm", fw::Align::Center, 150);
    list.insertColumn(2, "锥距推荐值R", fw::Align::Center, 150);
    list.insertColumn(3, "加工最大齿高", fw::Align::Center, 110);
    list.insertColumn(4, "加工最大齿宽", fw::Align::Center, 110);
    list.insertColumn(5, "加工最大模数", fw::Align::Center, 110);
    enable(IDC_CUSTOM, false);
    m_geom.toothSystem = 0;
    showValues();
    return true;
}

void CBelmarArcDlg::DoDataExchange(fw::Exchange& dx) {
    dx.text(IDC_TITLE, m_strTitle, 63);
    dx.text(IDC_NUMBER, m_strNumber, 63);
    dx.text(IDC_DATE, m_strDate, 19);
    dx.unsignedInt(IDC_Z1, m_in.z1);
    dx.unsignedInt(IDC_Z2, m_in.z2);
    keepNumber(dx, IDC_C, m_in.cStar);
    keepNumber(dx, IDC_HA, m_in.haStar);
    keepNumber(dx, IDC_M, m_in.m);
    keepNumber(dx, IDC_X1, m_in.x1);
    keepNumber(dx, IDC_X2, m_in.x2);
    keepNumber(dx, IDC_XT1, m_in.xt1);
    keepNumber(dx, IDC_XT2, m_in.xt2);
    dx.integer(IDC_ALPHA_DEG, m_in.alpha.deg);
    dx.integer(IDC_ALPHA_MIN, m_in.alpha.min);
    dx.integer(IDC_ALPHA_SEC, m_in.alpha.sec);
    dx.integer(IDC_BETA_DEG, m_in.betaM.deg);
    dx.integer(IDC_BETA_MIN, m_in.betaM.min);
    dx.integer(IDC_BETA_SEC, m_in.betaM.sec);
    keepNumber(dx, IDC_PHIR, m_in.phiR);
    keepNumber(dx, IDC_B, m_in.b);
    keepNumber(dx, IDC_CUSTOM, m_d0);
    dx.trackbar(IDC_PHIR_TRACK, m_track);
    int taper = m_in.taper;
    dx.radio(IDC_TAPER0, taper);
    if (dx.saving() && taper >= 0) m_in.taper = taper;
}

void CBelmarArcDlg::showValues() {
    UpdateData(false);
    showResults();
}

void CBelmarArcDlg::showResults() {
    const ConeGeomRecord& g = m_geom;
    auto angle = [this](int deg, int min, int sec, const AngleDms& a) {
        setText(deg, fixed(a.deg, 0));
        setText(min, fixed(a.min, 0));
        setText(sec, fixed(a.sec, 1));
    };
    angle(IDC_DELTA1, IDC_DELTA1 + 1, IDC_DELTA1 + 2, g.delta1);
    angle(IDC_DELTA2, IDC_DELTA2 + 1, IDC_DELTA2 + 2, g.delta2);
    angle(IDC_THETA_A1, IDC_THETA_A1 - 1, IDC_THETA_A1 - 2, g.thetaA1);
    angle(IDC_THETA_A2, IDC_THETA_A2 - 1, IDC_THETA_A2 - 2, g.thetaA2);
    angle(IDC_THETA_F1, IDC_THETA_F1 - 1, IDC_THETA_F1 - 2, g.thetaF1);
    angle(IDC_THETA_F2, IDC_THETA_F2 - 1, IDC_THETA_F2 - 2, g.thetaF2);
    angle(IDC_DELTA_A1, IDC_DELTA_A1 + 1, IDC_DELTA_A1 + 2, g.deltaA1);
    angle(IDC_DELTA_A2, IDC_DELTA_A2 + 1, IDC_DELTA_A2 + 2, g.deltaA2);
    angle(IDC_DELTA_F1, IDC_DELTA_F1 + 1, IDC_DELTA_F1 + 2, g.deltaF1);
    angle(IDC_DELTA_F2, IDC_DELTA_F2 + 1, IDC_DELTA_F2 + 2, g.deltaF2);
    angle(IDC_BETA_HEEL_DEG, IDC_BETA_HEEL_MIN, IDC_BETA_HEEL_SEC, g.betaOuter);
    struct Shown {
        int id;
        double v;
        int places;
    };
    for (const Shown& s : {Shown{IDC_D1, g.d1, 3}, {IDC_D2, g.d2, 3}, {IDC_R, g.r, 3}, {IDC_HA1, g.ha1, 3},
                           {IDC_HA2, g.ha2, 3}, {IDC_HF1, g.hf1, 3}, {IDC_HF2, g.hf2, 3}, {IDC_H, g.h, 3},
                           {IDC_DA1, g.da1, 3}, {IDC_DA2, g.da2, 3}, {IDC_AK1, g.ak1, 3}, {IDC_AK2, g.ak2, 3},
                           {IDC_S1, g.s1, 3}, {IDC_S2, g.s2, 3}, {IDC_DTHETA, g.dThetaF, 2},
                           {IDC_EPS_BETA, g.epsBeta, 3}, {IDC_EPS_ALPHA, g.epsAlpha, 3}, {IDC_ZV1, g.zv1, 3},
                           {IDC_ZV2, g.zv2, 3}, {IDC_ZP, g.zp, 2}})
        setText(s.id, fixed(s.v, s.places));
}

void CBelmarArcDlg::changed() {
    if (!(m_in == m_calculatedFrom)) m_calculated = false;
}

void CBelmarArcDlg::ResetInputs() {
    m_in = SpiralInput{};
    m_track = trackFor(m_in.phiR);
    m_mask = 0xFFEC;
    m_calculated = m_saved = false;
}

bool CBelmarArcDlg::ValidateInputs() {
    struct Check {
        std::int32_t bit;
        const char* message;
        int box;
    };
    for (const Check& c : {Check{kArcZ1, "小齿轮指数Z1数值无效!", IDC_Z1}, {kArcZ2, "大齿轮指数Z2数值无效!", IDC_Z2},
                           {kArcC, "齿顶隙C数值无效!", IDC_C}, {kArcHa, "齿顶高系数ha数值无效!", IDC_HA},
                           {kArcM, "模数 m 数值无效!", IDC_M}, {kArcAlpha, "齿型角 α 数值无效!", IDC_ALPHA_DEG},
                           {kArcPhiR, "齿宽系数 φR 数值无效!", IDC_PHIR}})
        if (!(m_mask & c.bit)) {
            exclaim(c.message);
            setFocus(c.box);
            return false;
        }
    return true;
}

void CBelmarArcDlg::OnZ1() {
    const SpiralInput before = m_in;
    if (!UpdateData(true)) return;
    if (m_in.z1 == 0) {
        exclaim(fw::format("小齿轮齿数z1=%d无效!", 0));
        m_in.z1 = before.z1;
        showValues();
        return;
    }
    const bool fresh = m_in.z1 != before.z1;
    const int betaDeg = m_in.betaM.deg;
    if (fresh && (m_in.z1 < 10 || (betaDeg != 0 && m_in.z1 < 13) || (betaDeg == 0 && m_in.z1 < 15)))
        inform(fw::format("小齿轮齿数z1=%u太少，需考虑增大压力角α\n或采用非零度弧齿及加工条件!", m_in.z1));
    if (m_in.z2 < m_in.z1) {
        m_in.z2 = m_in.z1;
        if (fresh) inform("小齿轮齿数应小于大齿轮齿数，请确定大齿轮齿数z2!");
        m_mask |= kArcZ2;
    }
    m_mask |= kArcZ1;
    m_pre.i = static_cast<double>(m_in.z2) / m_in.z1;
    changed();
    showValues();
}

void CBelmarArcDlg::OnZ2() {
    const SpiralInput before = m_in;
    if (!UpdateData(true)) return;
    if (m_in.z2 == 0) {
        exclaim(fw::format("大齿轮齿数z2=%d无效!", 0));
        m_in.z2 = before.z2;
        showValues();
        return;
    }
    const bool fresh = m_in.z2 != before.z2;
    if (m_mask & kArcZ1) {
        if (m_in.z2 < m_in.z1) {
            inform("齿数Z2应大于或等于Z1！");
            m_in.z2 = m_in.z1;
        }
        m_pre.i = static_cast<double>(m_in.z2) / m_in.z1;
    } else if (fresh) {
        inform("请输入小齿轮齿数Z1!");
    }
    m_mask |= kArcZ2;
    changed();
    showValues();
}

void CBelmarArcDlg::OnM() {
    const double before = m_in.m;
    if (!UpdateData(true)) return;
    if (m_in.m <= 0) {
        if (m_in.m != before) exclaim("模数无效!");
        m_mask &= ~kArcM;
    } else if (m_in.m <= 2.5 && m_in.betaM.deg >= 25) {
        exclaim("模数小于等于2.5时若采用小刀盘加工，建议βm应小于25°!");
        m_in.m = before;
        showValues();
    } else {
        m_mask |= kArcM;
    }
    changed();
}

void CBelmarArcDlg::OnAlpha(bool fromDegrees) {
    if (!UpdateData(true)) return;
    const double alpha = degreesOf(m_in.alpha);
    const bool ok = fromDegrees ? alpha >= 14.5 && alpha <= 25 : alpha >= 14.5;
    // The refusal is shown once for each refused angle, not again whenever the
    // focus leaves the box it returned to.
    if (!ok && !(m_alphaRefused && *m_alphaRefused == m_in.alpha)) {
        exclaim("齿型角应大于或等于14.5°!");
        m_alphaRefused = m_in.alpha;
    }
    if (ok) m_alphaRefused.reset();
    m_mask = ok ? m_mask | kArcAlpha : m_mask & ~kArcAlpha;
    changed();
}

void CBelmarArcDlg::OnTrack() {
    if (!UpdateData(true)) return;
    m_in.phiR = m_track * kPhiRSpan / 50 + kPhiRLow;
    if (m_in.phiR >= kPhiRLow && m_in.phiR < kPhiRSpiral && m_in.betaM.deg != 0 &&
        askYes("除采用零度弧齿外，恐怕齿宽系数偏小!是否增加φR值?", MB_ICONEXCLAMATION)) {
        m_in.phiR = kPhiRSpiral;
        m_track = 27;
    }
    if (m_geom.r > 0) m_in.b = m_in.phiR * m_geom.r;
    m_mask |= kArcPhiR;
    changed();
    showValues();
}

void CBelmarArcDlg::OnPhiR() {
    const double before = m_in.phiR;
    if (!UpdateData(true)) return;
    if (m_in.phiR > kPhiRHigh) {
        exclaim("齿宽系数偏大，可能小端齿顶变尖!");
        m_in.phiR = kPhiRHigh;
    } else if (m_in.phiR < kPhiRLow) {
        exclaim("齿宽系数偏小，不能发挥弧型齿设计优点!");
        m_in.phiR = kPhiRLow;
    }
    if (m_in.phiR != before && m_in.phiR >= kPhiRLow && m_in.phiR < kPhiRSpiral && m_in.betaM.deg != 0 &&
        askYes("除采用零度弧齿外，恐怕齿宽系数偏小!是否增加φR值?", MB_ICONQUESTION))
        m_in.phiR = kPhiRSpiral;
    m_track = trackFor(m_in.phiR);
    m_mask |= kArcPhiR;
    if (m_geom.r > 0) m_in.b = m_in.phiR * m_geom.r;
    changed();
    showValues();
}

void CBelmarArcDlg::OnFaceWidth() {
    if (!UpdateData(true)) return;
    if (m_in.b > 10 * m_in.m) m_in.b = 10 * m_in.m;
    const double r = m_geom.r;
    if (!(r > 0)) {
        inform("当前锥距数据非法，先计算一次再调整齿宽!");
        enable(IDC_B, false);
        m_in.faceWidthSet = false;
        changed();
        return;
    }
    m_in.phiR = m_in.b / r;
    m_track = trackFor(m_in.phiR);
    const bool spiral = m_in.betaM.deg != 0;
    const bool outside = spiral ? (m_in.phiR < 0.25 || m_in.phiR > kPhiRHigh)
                                : (m_in.phiR < kPhiRLow || m_in.phiR > kPhiRSpiral);
    if (outside) {
        inform(spiral ? "建议齿宽取值使齿宽系数φ＝0.25～0.334!" : "建议齿宽取值使齿宽系数φ＝0.15～0.25!");
        m_in.faceWidthSet = false;
        enable(IDC_PHIR_TRACK, true);
    } else {
        m_in.faceWidthSet = true;
        enable(IDC_PHIR_TRACK, false);
    }
    changed();
    showValues();
}

void CBelmarArcDlg::OnTaper(int code) {
    if (!UpdateData(true)) return;
    m_in.taper = code;
    m_geom.taper = code;
    if (m_calculated) {
        const char* text = "按“开始计算”按钮重新计算，以便更新数据!";
        if (code == kTaperEqualClearance) plain(text);
        else inform(text);
        m_calculated = false;
    }
    changed();
}

void CBelmarArcDlg::OnLoadPreliminary() {
    auto loaded = runConeLoad(this, ConeKind::Spiral, ConeLoad::Preliminary);
    if (!loaded) return;
    const ConePreRecord& r = loaded->pre;
    // A refused record changes nothing: module and system are tested before the reset.
    if (!(r.mt > 0)) {
        fw::MessageBox("模数值无效,请先预定计算确定模数值!", MB_OK | MB_ICONSTOP);
        return;
    }
    ResetInputs();
    m_pre = r;
    m_geom = ConeGeomRecord{};
    m_strDataPath = loaded->data.string();
    m_strReportPath = loaded->report.string();
    m_geom.toothSystem = r.toothSystem;
    m_in.taper = r.toothSystem == 3 ? (r.mt > 0 && r.mt <= 2.5 ? kTaperDouble : kTaperEqualClearance)
                 : r.toothSystem == 6 ? kTaperUniformDepth
                                      : kTaperEqualClearance;
    m_strTitle = r.title;
    m_strNumber = r.number;
    m_strDate = r.date;
    m_in.alpha = {r.alphaDeg, r.alphaMin, r.alphaSec};
    m_in.betaM = {r.betaDeg, r.betaMin, r.betaSec};
    m_in.cStar = r.cStar;
    m_in.haStar = r.haStar;
    m_in.m = r.mt;
    m_in.x1 = r.x1;
    m_in.x2 = r.x2;
    m_in.xt1 = r.xt1;
    m_in.xt2 = r.xt2;
    m_in.z1 = r.z1;
    m_in.z2 = r.z2;
    m_mask = 0xFFEC & ~(kArcAlpha | kArcC | kArcHa);
    if (r.alphaDegrees() > 0) m_mask |= kArcAlpha;
    if (r.cStar > 0 && r.cStar < 0.3) m_mask |= kArcC;
    if (r.haStar > 0 && r.haStar <= 1) m_mask |= kArcHa;
    m_mask |= kArcM;
    if (r.z1 != 0) m_mask |= kArcZ1;
    if (r.z2 != 0) m_mask |= kArcZ2;
    if (r.mt < 2.5 && r.betaDeg > 25)
        fw::MessageBox("模数小于等于2.5mm轻载齿轮时建议采用βm小于25°齿型制,\n考虑经济性,可采用直线齿型或零度格利森。",
                       MB_OK | MB_ICONSTOP);
    m_in.phiR = kPhiRSpiral;
    m_track = 27;
    m_mask |= kArcPhiR;
    m_cutters.clear();
    listView(IDC_CUTTERS).deleteAllItems();
    enable(IDC_B, false);
    showValues();
}

void CBelmarArcDlg::OnLoadSaved() {
    auto loaded = runConeLoad(this, ConeKind::Spiral, ConeLoad::Saved);
    if (!loaded) return;
    const ConeGeomRecord& g = loaded->geom;
    exclaim(fw::format("所选择的数据文件是%s圆锥齿轮,想改变齿型制,\n请先修改预定计算!",
                       kConeToothSystems[static_cast<std::size_t>(g.toothSystem)].savedName));
    m_pre = loaded->pre;
    m_geom = g;
    m_strDataPath = loaded->data.string();
    m_strReportPath = loaded->report.string();
    m_in.taper = g.toothSystem == 6 ? kTaperUniformDepth : g.taper;
    m_strTitle = g.title;
    m_strNumber = g.number;
    m_strDate = g.date;
    m_in.alpha = {g.alphaDeg, g.alphaMin, g.alphaSec};
    m_in.betaM = {g.betaDeg, g.betaMin, g.betaSec};
    m_in.cStar = g.cStar;
    m_in.haStar = g.haStar;
    m_in.m = g.mt;
    m_in.z1 = static_cast<std::uint32_t>(g.z1);
    m_in.z2 = static_cast<std::uint32_t>(g.z2);
    m_in.x1 = g.x1;
    m_in.x2 = g.x2;
    m_in.xt1 = g.xt1;
    m_in.xt2 = g.xt2;
    m_in.phiR = g.phiR;
    m_in.b = g.b;
    m_d0 = g.d0;
    m_track = trackFor(g.phiR);
    m_mask = 0;
    if (g.z1 != 0) m_mask |= kArcZ1;
    if (g.z2 != 0) m_mask |= kArcZ2;
    if (g.cStar > 0 && g.cStar <= 0.3) m_mask |= kArcC;
    if (g.haStar > 0 && g.haStar <= 1) m_mask |= kArcHa;
    if (g.mt > 0) m_mask |= kArcM;
    if (degreesOf(m_in.alpha) > 0) m_mask |= kArcAlpha;
    if (g.phiR >= 0.25 && g.phiR <= kPhiRHigh) m_mask |= kArcPhiR;
    // The cutter list comes back with the next issue's custom cutter; a
    // tabulated cutter is listed again for the restored pair.
    m_cutters.clear();
    listView(IDC_CUTTERS).deleteAllItems();
    showValues();
}

void CBelmarArcDlg::fillCutterList() {
    std::vector<std::string> messages;
    const CutterTables tables = loadCutterTables(kavrin::GetDefaultDir(), messages);
    for (const std::string& m : messages) plain(m);
    m_cutters = cutterList(tables, m_out.cones.r, degreesOf(m_in.betaM));
    fw::ListView& list = listView(IDC_CUTTERS);
    list.deleteAllItems();
    for (std::size_t i = 0; i < m_cutters.size(); ++i) {
        const auto cols = cutterColumns(m_cutters[i]);
        const int row = list.insertItem(static_cast<int>(i), cols[0]);
        for (int c = 1; c < 6; ++c) list.setItemText(row, c, cols[static_cast<std::size_t>(c)]);
    }
    m_chosen = 0;
    if (!m_cutters.empty()) list.select(0);
}

void CBelmarArcDlg::OnCalc() {
    if (!UpdateData(true)) return;
    if (!ValidateInputs()) {
        m_calculated = false;
        return;
    }
    if (spiralSmallModuleAdvice(m_in)) plain(kMsgSpiralSmallModule);
    const SpiralCones cones = spiralCones(m_in);
    m_geom.r = cones.r;
    if (!m_in.faceWidthSet) {
        m_in.b = cones.b;
        if (askYes(fw::format("当前的齿宽计算值是%.2f,是否需要修正齿宽值?如果需要，\n请按“是”,回到主窗口后，直接修改齿宽并重"
                              "新计算。",
                              cones.b),
                   MB_ICONQUESTION)) {
            enable(IDC_B, true);
            m_calculated = false;
            showValues();
            setFocus(IDC_B);
            return;
        }
    }
    auto result = spiralGeometry(m_in, cones);
    if (!result) {
        // A non-standard α of the duplex taper and results that are not finite stop here; results and flag stay.
        plain(result.error());
        return;
    }
    if (result->betaMin > 0) {
        const AngleDms least = kavrin::splitRadiansDms(result->betaMin);
        askYes(fw::format("为保证齿向重合度大于1.25，最好调整螺旋角大于%.0f°%.0f′%.0f″\n或调整齿宽，若调整，请重新计算!",
                          least.deg, least.min, least.sec),
               MB_ICONQUESTION);
    }
    m_out = *result;
    fillCutterList();
    if (m_cutters.empty()) {
        // No listed cutter fits: entry 0 of an empty list is never taken.
        inform(kMsgSpiralNoCutter);
        enable(IDC_CUSTOM, true);
        m_calculated = false;
        return;
    }
    m_d0 = m_cutters[0].d0;
    auto heel = heelFromCutter(m_in, cones, m_d0);
    if (!heel) {
        plain(heel.error());
        return;
    }
    m_heel = *heel;
    fillSpiralRecord(m_geom, m_in, m_out, m_heel, m_chosen, m_cutters[0]);
    m_geom.date = m_strDate;
    m_geom.number = m_strNumber;
    m_geom.title = m_strTitle;
    m_calculated = true;
    m_calculatedFrom = m_in;
    enable(IDC_CUSTOM, true);
    setText(IDC_HINT, kHintChoose);
    showValues();
}

void CBelmarArcDlg::OnCancel() {
    if (!m_saved && askYes("计算数据尚未保存，是否先保存？", MB_ICONQUESTION)) return;
    EndDialog(IDCANCEL);
}
