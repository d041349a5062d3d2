#include "bevel/geometry/aol_dlg.h"

#include <algorithm>
#include <cmath>

#include "bevel/geometry/aol_entc_dlg.h"
#include "bevel/geometry/aol_tilt_dlg.h"
#include "bevel/geometry/aol_x_dlg.h"
#include "bevel/geometry/calc/cycloidal_report.h"
#include "bevel/geometry/cone_geom_files.h"
#include "common/dialogs/quantity_field.h"
#include "common/calc/angle_split.h"
#include "common/calc/data_folder.h"
#include "fw/clock.h"
#include "fw/format.h"
#include "fw/registry.h"
#include "resources/belmar/module.h"

using namespace bevel;

namespace {

constexpr double kPhiSpan = 0.08333333333333331;  // 1/3 − 1/4 in double precision
constexpr double kThird = 0.3333333333333333;
constexpr int kAolNoFieldBits = 0xFF80;  // completion bits 0x80 to 0x8000
constexpr const char* kMsgHeadUnsettled = "刀盘参数未完全确定，需重新计算!";
constexpr const char* kMsgCheckUnsettled = "检验结果不确定,请重新计算!";
constexpr const char* kMsgAlphaCutter = "刀盘类型与齿形角不符：EN型α＝20°0′0″，TC型α＝17°30′0″!";
constexpr const char* kMsgAlphaAdvice = "若选用EN型刀盘建议α = 20°，\n若选用TC型刀盘建议α = 17.5°。";
constexpr const char* kMsgBetaAdvice = "建议中点螺旋角取为：βm = 30°～45°";
constexpr int kAlphaIds[] = {CBelmarAolDlg::IDC_ALPHA_D, CBelmarAolDlg::IDC_ALPHA_M, CBelmarAolDlg::IDC_ALPHA_S};
constexpr int kBetaIds[] = {CBelmarAolDlg::IDC_BETA_D, CBelmarAolDlg::IDC_BETA_M, CBelmarAolDlg::IDC_BETA_S};
constexpr const char* kMsgRegistry = "文件系统发生非许可改变，程序不能继续进行。\n重新安装软件！";

void warn(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONEXCLAMATION); }
void inform(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONINFORMATION); }

std::string today() { return fw::todayText(); }

// The installation folder straight from the registry (no fallback).
std::optional<std::filesystem::path> installFolder() {
    auto v = fw::registry::readString(fw::registry::Hive::LocalMachine, kavrin::kInstallKey, kavrin::kInstallValue);
    if (!v || v->empty() || v->size() > 260) return std::nullopt;
    return std::filesystem::path(*v);
}

// The chosen head of entc.ndt, with the message of a failure shown.
std::optional<CutterHeadRecord> readHead(int index) {
    auto dir = installFolder();
    if (!dir) {
        fw::MessageBox(kMsgRegistry, MB_OK | MB_ICONSTOP);
        return std::nullopt;
    }
    auto head = readCutterHead(*dir / kCutterTableName, index);
    if (!head) {
        fw::MessageBox(head.error().openMessage(), MB_OK);
        return std::nullopt;
    }
    return *head;
}

// An angle shown to 0.1″: rounded first, then split.
void setDms(fw::Dialog& d, int idD, int idM, int idS, const kavrin::AngleDms& shown) {
    const kavrin::AngleDms a = kavrin::roundDms(shown, 1);
    d.setText(idD, fw::format("%.0f", a.deg));
    d.setText(idM, fw::format("%.0f", a.min));
    d.setText(idS, fw::format("%.1f", a.sec));
}

}  // namespace

CBelmarAolDlg::CBelmarAolDlg(fw::Window* parent) : fw::Dialog(belmar::module(), IDD, parent) {
    onKillFocus(IDC_TITLE, [this] { if (readFields()) m_geom.title = m_title; });
    onKillFocus(IDC_NUMBER, [this] { if (readFields()) m_geom.number = m_number; });
    onSetFocus(IDC_DATE, [this] {
        m_date = today();
        m_geom.date = m_date;
        setText(IDC_DATE, m_date);
    });
    onKillFocus(IDC_DATE, [this] {
        if (readFields() && !m_date.empty()) m_geom.date = m_date;
    });
    onKillFocus(IDC_Z1, [this] { OnZ1(); });
    onKillFocus(IDC_Z2, [this] { OnZ2(); });
    onKillFocus(IDC_M, [this] { OnModule(); });
    onKillFocus(IDC_ALPHA_D, [this] { OnAlpha(0); });
    onKillFocus(IDC_ALPHA_M, [this] { OnAlpha(1); });
    onKillFocus(IDC_ALPHA_S, [this] { OnAlpha(2); });
    onKillFocus(IDC_BETA_D, [this] { OnBeta(0); });
    onKillFocus(IDC_BETA_M, [this] { OnBeta(1); });
    onKillFocus(IDC_BETA_S, [this] { OnBeta(2); });
    onKillFocus(IDC_HA_STAR, [this] { OnHaStar(); });
    onKillFocus(IDC_PHI, [this] { OnPhi(); });
    onReleased(IDC_PHI_SLIDER, [this] { OnSlider(); });
    onKillFocus(IDC_B, [this] { OnFaceWidth(); });
    onClick(IDC_EN, [this] { OnCutterType(0); });
    onClick(IDC_TC, [this] { OnCutterType(1); });
    onClick(IDC_LOAD_PRE, [this] { OnLoadPreliminary(); });
    onClick(IDC_LOAD_SAVED, [this] { OnLoadSaved(); });
    onClick(IDC_CALC, [this] { calculate(); });
    onClick(IDC_HELP_BUTTON, [] { fw::htmlHelp(kHelpTopic); });
    onClick(IDC_PICTURE, [this] {
        CBelmarAolimgDlg img(this);
        img.DoModal();
    });
}

bool CBelmarAolDlg::OnInitDialog() {
    trackbar(IDC_PHI_SLIDER).setRange(0, 50);
    trackbar(IDC_PHI_SLIDER).setPageSize(2);
    trackbar(IDC_PHI_SLIDER).setTicFreq(2);
    setSlider();
    enable(IDC_B, false);
    m_number.clear();
    m_title.clear();
    m_date = today();
    m_geom.date = m_date;
    // The record holds the angles the fields show (a refused part comes back from it).
    m_geom.alphaDeg = static_cast<std::int32_t>(m_alpha[0]);
    m_geom.alphaMin = static_cast<std::int32_t>(m_alpha[1]);
    m_geom.alphaSec = static_cast<std::int32_t>(m_alpha[2]);
    m_geom.betaDeg = static_cast<std::int32_t>(m_betaM[0]);
    m_geom.betaMin = static_cast<std::int32_t>(m_betaM[1]);
    m_geom.betaSec = static_cast<std::int32_t>(m_betaM[2]);
    m_alphaChecked = alphaDms();
    m_betaChecked = betaDms();
    m_z1Untouched = m_z1;
    m_z2Untouched = m_z2;
    m_mtUntouched = m_mt;
    UpdateData(false);
    showResults();
    return true;
}

// Values the program put in (a load): each is checked when its field is first left.
void CBelmarAolDlg::forgetChecks() {
    m_alphaChecked.reset();
    m_betaChecked.reset();
    m_z1Untouched.reset();
    m_z2Untouched.reset();
    m_mtUntouched.reset();
}

void CBelmarAolDlg::DoDataExchange(fw::Exchange& dx) {
    dx.text(IDC_TITLE, m_title, 63);
    dx.text(IDC_NUMBER, m_number, 63);
    dx.text(IDC_DATE, m_date, 19);
    // Every field in its quantity's range (cone_geom_ranges.h), the range of
    // the record's check; the handlers' own rules judge what lies at or
    // below their floor.
    dx.unsignedInt(IDC_Z1, m_z1, 0, kConeTeethMax);
    dx.unsignedInt(IDC_Z2, m_z2, 0, kConeTeethMax);
    using namespace cone_geom;
    kavrin::numberOwnBelow(dx, IDC_M, m_mt, kCycloidalInputs.mt, 0);
    dx.unsignedInt(IDC_ALPHA_D, m_alpha[0], 0, kConeAlphaDegMax);
    dx.unsignedInt(IDC_ALPHA_M, m_alpha[1], 0, 59);
    dx.unsignedInt(IDC_ALPHA_S, m_alpha[2], 0, 59);
    dx.unsignedInt(IDC_BETA_D, m_betaM[0], 0, kConeHelixDegMax);
    dx.unsignedInt(IDC_BETA_M, m_betaM[1], 0, 59);
    dx.unsignedInt(IDC_BETA_S, m_betaM[2], 0, 59);
    kavrin::numberOwnBelow(dx, IDC_PHI, m_phiR, kPhiR, 0);
    kavrin::numberOwnBelow(dx, IDC_B, m_b, kB, 0);
    kavrin::number(dx, IDC_HA_STAR, m_haStar, kHaStar);
    dx.radio(IDC_EN, m_cutterType);
    dx.radio(IDC_TAPER_FIRST, m_taper);
    dx.trackbar(IDC_PHI_SLIDER, m_sliderPos);
}

bool CBelmarAolDlg::readFields() { return UpdateData(true); }

double CBelmarAolDlg::alphaDegrees() const { return m_alpha[0] + m_alpha[1] / 60.0 + m_alpha[2] / 3600.0; }
double CBelmarAolDlg::betaDegrees() const { return m_betaM[0] + m_betaM[1] / 60.0 + m_betaM[2] / 3600.0; }

bool CBelmarAolDlg::alphaFitsCutter() const {
    if (m_cutterType == 0) return m_alpha[0] == 20 && m_alpha[1] == 0 && m_alpha[2] == 0;
    return m_alpha[0] == 17 && m_alpha[1] == 30 && m_alpha[2] == 0;
}

void CBelmarAolDlg::setSlider() {
    const double p = std::trunc((m_phiR - 0.25) * 50 / kPhiSpan);
    m_sliderPos = std::isfinite(p) ? static_cast<int>(std::clamp(p, 0.0, 50.0)) : 0;
    trackbar(IDC_PHI_SLIDER).setPos(m_sliderPos);
}

void CBelmarAolDlg::resetInputs() {
    m_title.clear();
    m_number.clear();
    m_date.clear();
    m_z1 = m_z2 = 0;
    m_alpha[0] = 20;
    m_alpha[1] = m_alpha[2] = 0;
    m_betaM[0] = m_betaM[1] = m_betaM[2] = 0;
    m_mt = 0;
    m_phiR = 0.25;
    m_b = 2.5;
    m_taper = 3;
    m_cone = {};
    m_ref = {};
    m_res = {};
    m_tilt = 0;
    m_haStar = 1.0;
    m_cutterType = 0;
    // The bits that belong to no field; each field's bit comes from its value
    // as the load takes it (a value a typed field would refuse gets none).
    m_mask = kAolNoFieldBits;
    m_saved = m_widthEdited = m_calculated = 0;
}

void CBelmarAolDlg::OnZ1() {
    if (!readFields()) return;
    if (m_z1Untouched == m_z1) return;  // still the empty count of a fresh dialog
    m_z1Untouched.reset();
    if (m_z1 == 0) {
        warn(fw::format("小齿轮齿数z1=%d无效!", 0));
        m_z1 = static_cast<std::uint32_t>(std::max(0, m_geom.z1));
        UpdateData(false);
        return;
    }
    if (m_z1 < 10) inform(fw::format("小齿轮齿数z1=%d太少，需考虑增大压力角α\n及加工条件!", m_z1));
    const bool changed = m_geom.z1 != static_cast<std::int32_t>(m_z1) || m_z2 < m_z1;
    if (m_z2 < m_z1) {
        m_z2 = m_z1;
        m_geom.z1 = static_cast<std::int32_t>(m_z1);
        m_geom.z2 = static_cast<std::int32_t>(m_z2);
        inform("小齿轮齿数应小于大齿轮齿数，请确定大齿轮齿数z2!");
        m_mask |= 0x3;
    } else {
        m_geom.z1 = static_cast<std::int32_t>(m_z1);
        m_mask |= 0x1;
    }
    m_pre.i = static_cast<double>(m_z2) / m_z1;
    if (changed) m_calculated = 0;
    UpdateData(false);
}

void CBelmarAolDlg::OnZ2() {
    if (!readFields()) return;
    if (m_z2Untouched == m_z2) return;
    m_z2Untouched.reset();
    if (m_z2 == 0) {
        warn(fw::format("小齿轮齿数z2=%d无效!", 0));
        m_z2 = static_cast<std::uint32_t>(std::max(0, m_geom.z2));
        UpdateData(false);
        return;
    }
    const std::int32_t oldZ2 = m_geom.z2;
    if (m_mask & 0x1) {
        if (m_z2 < m_z1) {
            inform("齿数Z2应大于或等于Z1!");
            m_z2 = m_z1;
        }
        m_geom.z2 = static_cast<std::int32_t>(m_z2);
        m_mask |= 0x2;
        if (m_z1 > 0) m_pre.i = static_cast<double>(m_z2) / m_z1;
    } else {
        m_geom.z2 = static_cast<std::int32_t>(m_z2);
        m_mask |= 0x2;
        inform("请输入小齿轮齿数Z1!");
    }
    if (m_geom.z2 != oldZ2) m_calculated = 0;
    UpdateData(false);
}

void CBelmarAolDlg::OnModule() {
    if (!readFields()) return;
    if (m_mtUntouched == m_mt) return;
    m_mtUntouched.reset();
    if (m_mt > 0 && m_mt <= kConeModuleMax) {
        m_mask |= 0x4;
        if (m_geom.mt != m_mt) m_calculated = 0;
        m_geom.mt = m_mt;
    } else {
        warn("模数无效！");
        m_mask &= ~0x4;
    }
    UpdateData(false);
}

// The whole angle is checked, from whichever of its three fields is left.
void CBelmarAolDlg::OnAlpha(int part) {
    if (!readFields()) return;
    if (m_alphaChecked == alphaDms()) return;
    std::int32_t* rec[] = {&m_geom.alphaDeg, &m_geom.alphaMin, &m_geom.alphaSec};
    if (alphaFitsCutter()) {
        for (int i = 0; i < 3; ++i) {
            if (*rec[i] != static_cast<std::int32_t>(m_alpha[i])) m_calculated = 0;
            *rec[i] = static_cast<std::int32_t>(m_alpha[i]);
        }
        m_mask |= 0x8;
    } else {
        warn(kMsgAlphaCutter);
        m_alpha[part] = static_cast<std::uint32_t>(std::max(0, *rec[part]));
        editAgain(kAlphaIds[part]);
    }
    m_alphaChecked = alphaDms();
    UpdateData(false);
}

void CBelmarAolDlg::OnBeta(int part) {
    if (!readFields()) return;
    if (m_betaChecked == betaDms()) return;
    std::int32_t* rec[] = {&m_geom.betaDeg, &m_geom.betaMin, &m_geom.betaSec};
    const double b = betaDegrees();
    if (b <= 0) {
        warn("βm的选值非法!");
        m_betaM[part] = static_cast<std::uint32_t>(std::max(0, *rec[part]));
        // The degrees clear the bit, unless what came back is a βm above 0
        // (then it stands as it was, not a refused value).
        if (part == 0 && betaDegrees() <= 0) m_mask &= ~0x10;
        editAgain(kBetaIds[part]);
    } else {
        if (b < 30 || b > 45) warn("βm的选值不符合规范值，请注意考虑!");
        for (int i = 0; i < 3; ++i) {
            if (*rec[i] != static_cast<std::int32_t>(m_betaM[i])) m_calculated = 0;
            *rec[i] = static_cast<std::int32_t>(m_betaM[i]);
        }
        m_mask |= 0x10;
    }
    m_betaChecked = betaDms();
    UpdateData(false);
}

void CBelmarAolDlg::OnHaStar() {
    if (!readFields()) return;
    if (m_geom.haStar != m_haStar) m_calculated = 0;
    m_geom.haStar = m_haStar;
    if (m_haStar > 0 && m_haStar <= 1)
        m_mask |= 0x20;
    else
        m_mask &= ~0x20;
}

void CBelmarAolDlg::OnPhi() {
    if (!readFields()) return;
    if (m_phiR >= 0.25 && m_phiR <= kThird) {
        if (m_geom.phiR != m_phiR) m_calculated = 0;
        m_geom.phiR = m_phiR;
        setSlider();
        m_mask |= 0x40;
    } else {
        warn(m_phiR > kThird ? "齿宽系数偏大，可能小端齿顶变尖!" : "齿宽系数偏小，不能发挥摆线齿设计优点!");
        m_phiR = m_geom.phiR;
    }
    UpdateData(false);
}

void CBelmarAolDlg::OnSlider() {
    m_sliderPos = trackbar(IDC_PHI_SLIDER).pos();
    m_phiR = 0.25 + m_sliderPos * kPhiSpan / 50;
    if (m_geom.phiR != m_phiR) m_calculated = 0;
    m_geom.phiR = m_phiR;
    m_mask |= 0x40;
    UpdateData(false);
}

void CBelmarAolDlg::OnFaceWidth() {
    const double previous = m_b;
    if (!readFields()) return;
    const double r = m_cone.r;
    if (!(r > 0)) {
        inform("当前锥距数据非法，先计算一次再调整齿宽!");
        m_b = previous;
    } else if (!(m_b > 0)) {
        warn("齿宽太小!");
        m_b = previous;
    } else if (m_b >= r) {
        warn("齿宽太大!");
        m_b = previous;
    } else {
        m_phiR = m_b / r;
        setSlider();
        m_geom.b = m_b;
        m_geom.phiR = m_phiR;
        m_widthEdited = 1;
        if (m_b != previous) m_calculated = 0;
    }
    UpdateData(false);
}

void CBelmarAolDlg::OnCutterType(int type) {
    readFields();
    if (m_geom.cutterChoice != type || m_cutterType != type) m_calculated = 0;
    m_cutterType = type;
    if (type == 0) {
        m_alpha[0] = 20;
        m_alpha[1] = 0;
    } else {
        m_alpha[0] = 17;
        m_alpha[1] = 30;
    }
    m_alpha[2] = 0;
    m_geom.alphaDeg = static_cast<std::int32_t>(m_alpha[0]);
    m_geom.alphaMin = static_cast<std::int32_t>(m_alpha[1]);
    m_geom.alphaSec = 0;
    m_geom.cutterChoice = type;
    m_mask |= 0x8;
    m_alphaChecked = alphaDms();
    UpdateData(false);
}

// α and βm of the record into the fields, with the cutter type and advice.
void CBelmarAolDlg::takeAngles() {
    m_alpha[0] = static_cast<std::uint32_t>(std::max(0, m_geom.alphaDeg));
    m_alpha[1] = static_cast<std::uint32_t>(std::max(0, m_geom.alphaMin));
    m_alpha[2] = static_cast<std::uint32_t>(std::max(0, m_geom.alphaSec));
    const double a = alphaDegrees();
    if (a == 20) {
        m_cutterType = 0;
        m_mask |= 0x8;
    } else if (a == 17.5) {
        m_cutterType = 1;
        m_mask |= 0x8;
    } else {
        inform(kMsgAlphaAdvice);
    }
    m_betaM[0] = static_cast<std::uint32_t>(std::max(0, m_geom.betaDeg));
    m_betaM[1] = static_cast<std::uint32_t>(std::max(0, m_geom.betaMin));
    m_betaM[2] = static_cast<std::uint32_t>(std::max(0, m_geom.betaSec));
    const double b = betaDegrees();
    if (b >= 30 && b <= 45)
        m_mask |= 0x10;
    else
        inform(kMsgBetaAdvice);
}

void CBelmarAolDlg::OnLoadPreliminary() {
    auto loaded = runConeLoad(this, ConeKind::Cycloidal, ConeLoad::Preliminary);
    if (!loaded) return;
    m_pre = loaded->pre;
    m_dataPath = loaded->data;
    m_strReportPath = loaded->report.string();
    m_geom.toothSystem = 7;
    m_geom.taper = 3;
    resetInputs();
    m_number = m_pre.number;
    m_title = m_pre.title;
    m_date = m_pre.date;
    m_geom.number = m_number;
    m_geom.title = m_title;
    m_geom.date = m_date;
    m_geom.alphaDeg = m_pre.alphaDeg;
    m_geom.alphaMin = m_pre.alphaMin;
    m_geom.alphaSec = m_pre.alphaSec;
    m_geom.betaDeg = m_pre.betaDeg;
    m_geom.betaMin = m_pre.betaMin;
    m_geom.betaSec = m_pre.betaSec;
    takeAngles();
    m_geom.cutterChoice = m_cutterType;
    m_haStar = m_pre.haStar;
    m_geom.haStar = m_haStar;
    if (m_haStar > 0 && m_haStar <= 1) m_mask |= 0x20;
    m_mt = m_pre.mt;
    m_geom.mt = m_mt;
    if (m_mt > 0 && m_mt <= kConeModuleMax) m_mask |= 0x4;
    m_phiR = 0.25;
    m_geom.phiR = m_phiR;
    setSlider();
    m_mask |= 0x40;
    m_z1 = m_pre.z1;
    m_z2 = m_pre.z2;
    m_geom.z1 = static_cast<std::int32_t>(m_z1);
    m_geom.z2 = static_cast<std::int32_t>(m_z2);
    if (m_z1 != 0) m_mask |= 0x1;
    if (m_z2 != 0) m_mask |= 0x2;
    listBox(IDC_CUTTER_LIST).resetContent();
    forgetChecks();
    UpdateData(false);
    showResults();
}

void CBelmarAolDlg::OnLoadSaved() {
    auto loaded = runConeLoad(this, ConeKind::Cycloidal, ConeLoad::Saved);
    if (!loaded) return;
    const ConeGeomRecord& g = loaded->geom;
    const int group = std::clamp(g.cutterBand, 0, 2);
    const int index = std::clamp(g.cutterRow, 0, kCutterHeadCount - 1);
    // The head belongs to the design: without it nothing is taken.
    auto head = readHead(index);
    if (!head) return;
    m_pre = loaded->pre;
    m_geom = g;
    m_dataPath = loaded->data;
    m_strReportPath = loaded->report.string();
    m_head = *head;
    m_group = group;
    m_headIndex = index;
    m_taper = 3;
    m_mask &= kAolNoFieldBits;
    m_title = g.title;
    m_number = g.number;
    m_date = g.date;
    takeAngles();
    m_cutterType = g.cutterChoice == 1 ? 1 : 0;
    m_taper = std::clamp(g.taper, 0, 3);
    auto toRad = [](const kavrin::AngleDms& a) { return (a.deg + a.min / 60 + a.sec / 3600) * 3.141592653589793 / 180; };
    m_cone.delta1 = toRad(g.delta1);
    m_cone.delta2 = toRad(g.delta2);
    m_cone.d1 = g.d1;
    m_cone.d2 = g.d2;
    m_cone.r = g.r;
    m_cone.b = g.b;
    m_cone.zc = g.zp;
    m_cone.rp = g.rp;
    m_cone.ri = g.ri;
    m_cone.betaP1Deg = g.betaP0.deg + g.betaP0.min / 60 + g.betaP0.sec / 3600;
    m_ref.mp = g.mp;
    m_ref.betaP = toRad(g.betaP);
    m_ref.betaI = toRad(g.betaInner);
    m_ref.beta = toRad(g.betaOuter);
    m_ref.h = g.h;
    m_res.x1 = g.x1;
    m_res.x2 = g.x2;
    m_res.xt1 = g.xt1;
    m_res.xt2 = g.xt2;
    m_res.dh = g.d0;
    m_res.ha1 = g.ha1;
    m_res.ha2 = g.ha2;
    m_res.hf1 = g.hf1;
    m_res.hf2 = g.hf2;
    m_res.da1 = g.da1;
    m_res.da2 = g.da2;
    m_res.ak1 = g.ak1;
    m_res.ak2 = g.ak2;
    m_res.s1 = g.s1;
    m_res.s2 = g.s2;
    m_res.epsAlpha = g.epsAlpha;
    m_res.epsBeta = g.epsBeta;
    m_tilt = g.tilt;
    m_b = g.b;
    m_phiR = g.phiR;
    setSlider();
    if (m_phiR >= 0.25 && m_phiR <= kThird) m_mask |= 0x40;  // as the typed φR
    m_haStar = g.haStar;
    if (m_haStar > 0 && m_haStar <= 1) m_mask |= 0x20;
    m_mt = g.mt;
    if (m_mt > 0) m_mask |= 0x4;
    m_z1 = static_cast<std::uint32_t>(std::max(0, g.z1));
    m_z2 = static_cast<std::uint32_t>(std::max(0, g.z2));
    if (m_z1 != 0) m_mask |= 0x1;
    if (m_z2 != 0) m_mask |= 0x2;
    fillCutterList();
    forgetChecks();
    UpdateData(false);
    showResults();
}

void CBelmarAolDlg::fillCutterList() {
    auto& list = listBox(IDC_CUTTER_LIST);
    list.resetContent();
    list.addString(aol::cutterListHeader(m_cutterType));
    list.addString(aol::cutterListRow(m_cutterType, m_head, m_group));
}

bool CBelmarAolDlg::calculate() {
    if (!readFields()) return false;
    // 1. Every input valid.
    if ((m_mask & 0xFFFF) != 0xFFFF) {
        warn("输入的预定数据不齐全或有非法数据，请重新计算!");
        m_calculated = 0;
        return false;
    }
    aol::Inputs in;
    in.z1 = static_cast<int>(m_z1);
    in.z2 = static_cast<int>(m_z2);
    in.alphaDeg = alphaDegrees();
    in.betaMDeg = betaDegrees();
    in.mt = m_mt;
    in.phiR = m_phiR;
    in.b = m_b;
    in.faceWidthEdited = m_widthEdited != 0;
    in.haStar = m_haStar;
    // 2–5. Cone, face width (with its question), reference point.
    aol::Cone c = aol::cone(in);
    if (!m_widthEdited) {
        const int answer = fw::MessageBox(
            fw::format("当前的齿宽计算值是%.2f,是否需要修正齿宽值?如果需要，\n请按\"是\",回到主窗口后，直接修改齿宽并重新计算。", c.b),
            MB_YESNO | MB_ICONQUESTION);
        if (answer == IDYES) {
            m_cone = c;  // the width check needs R
            m_b = c.b;
            m_calculated = 0;
            enable(IDC_B, true);
            UpdateData(false);
            setFocus(IDC_B);
            return false;
        }
    }
    // 7. The cutter head.
    CBelmarAolentcDlg entc(this);
    if (entc.DoModal(c.rp, c.betaP1Deg, c.zc) != IDOK) {
        warn(kMsgHeadUnsettled);
        return false;
    }
    const int index = entc.m_radiusButton;
    const int group = bladeGroup(entc.m_bladeButton);
    // 8. Its record.
    auto head = readHead(index);
    if (!head) return false;
    // 9–11. Reference point, spiral angles, whole depth.
    auto ref = aol::referencePoint(c, *head, group);
    if (!ref) {
        warn(kMsgHeadUnsettled);
        return false;
    }
    // 12. The cutter-tilt check.
    const double rbh = head->rb / ref->h, betaPDeg = ref->betaP * 180 / 3.141592653589793,
                 delta2Deg = c.delta2 * 180 / 3.141592653589793;
    double tilt = 0;
    {
        CBelmarAolC87Dlg c87(this);
        const int r87 = c87.DoModal(rbh, betaPDeg, delta2Deg);
        if (r87 == 1) {
            tilt = c87.m_tilt;
        } else if (r87 == 3) {
            CBelmarAolC88Dlg c88(this);
            const int r88 = c88.DoModal(rbh, betaPDeg, delta2Deg);
            if (r88 == 1) {
                tilt = c88.m_tilt;
            } else if (r88 == 3) {
                CBelmarAolC89Dlg c89(this);
                const int r89 = c89.DoModal(rbh, betaPDeg, delta2Deg);
                if (r89 == 1) {
                    tilt = c89.m_tilt;
                } else {
                    inform(r89 == CBelmarAolTiltDlg::IDC_FAILED
                               ? "当前大锥齿轮半锥角仍不满足检验条件,\n请改变螺旋角、齿高或齿数等重新计算!"
                               : kMsgCheckUnsettled);
                    return false;
                }
            } else {
                inform(kMsgCheckUnsettled);
                return false;
            }
        } else {
            inform(kMsgCheckUnsettled);
            return false;
        }
    }
    // 13. Height modification of a small pinion.
    double x1 = 0;
    if (in.z1 <= 15) {
        // A χmin beyond χ1's range is no result: its field would refuse it.
        const double xmin = aol::x1Min(in, c, *ref, *head, group, tilt);
        if (!cone_geom::kX1.admits(xmin)) {
            warn(coneResultRefusedMessage(fw::format("%s＝%.4f超出允许范围（%g～%g）。", std::string(cone_geom::kX1.name).c_str(),
                                                     xmin, cone_geom::kX1.lower(), cone_geom::kX1.upper())));
            return false;
        }
        CBelmarAolXDlg xd(this);
        xd.DoModal(xmin);
        x1 = xd.m_x;
    }
    // 14–19.
    const aol::Results res = aol::finish(in, c, *ref, x1);
    // 21 first on a copy: results the record's check refuses (a dedendum
    // or an addendum not above 0, a value that is not finite) are not taken.
    ConeGeomRecord candidate = m_geom;
    candidate.title = m_title;
    candidate.number = m_number;
    candidate.date = m_date;
    aol::fillRecord(candidate, in, c, *ref, res,
                    {.cutterType = m_cutterType, .headIndex = index, .group = group, .tiltDeg = tilt, .taper = m_taper});
    if (auto checked = checkConeGeomRecord(candidate, ConeKind::Cycloidal); !checked) {
        warn(coneResultRefusedMessage(checked.error()));
        return false;
    }
    m_cone = c;
    m_ref = *ref;
    m_res = res;
    m_tilt = tilt;
    m_head = *head;
    m_group = group;
    m_headIndex = index;
    m_b = c.b;
    // 20. The cutter list.
    fillCutterList();
    // 21. The record.
    m_geom = candidate;
    m_calculated = 1;
    UpdateData(false);
    showResults();
    return true;
}

void CBelmarAolDlg::showResults() {
    auto num = [this](int id, double v, const char* fmt = "%.3f") { setText(id, fw::format(fmt, v)); };
    num(IDC_X1, m_res.x1, "%.4f");
    num(IDC_X2, m_res.x2, "%.4f");
    num(IDC_XT1, m_res.xt1, "%.4f");
    num(IDC_XT2, m_res.xt2, "%.4f");
    num(IDC_D1, m_cone.d1);
    num(IDC_D2, m_cone.d2);
    num(IDC_R, m_cone.r);
    num(IDC_RI, m_cone.ri);
    num(IDC_AK1, m_res.ak1);
    num(IDC_AK2, m_res.ak2);
    num(IDC_HA1, m_res.ha1);
    num(IDC_HA2, m_res.ha2);
    num(IDC_HF1, m_res.hf1);
    num(IDC_HF2, m_res.hf2);
    num(IDC_H, m_ref.h);
    num(IDC_DH, m_res.dh);
    num(IDC_DA1, m_res.da1);
    num(IDC_DA2, m_res.da2);
    num(IDC_ZC, m_cone.zc);
    num(IDC_RP, m_cone.rp);
    num(IDC_MP, m_ref.mp);
    num(IDC_EPS_ALPHA, m_res.epsAlpha);
    num(IDC_EPS_BETA, m_res.epsBeta);
    num(IDC_S1, m_res.s1);
    num(IDC_S2, m_res.s2);
    num(IDC_TILT, m_tilt, "%.2f");
    using kavrin::splitRadiansDms;
    setDms(*this, IDC_DELTA1_D, IDC_DELTA1_M, IDC_DELTA1_S, splitRadiansDms(m_cone.delta1));
    setDms(*this, IDC_DELTA2_D, IDC_DELTA2_M, IDC_DELTA2_S, splitRadiansDms(m_cone.delta2));
    setDms(*this, IDC_BETA_OUT_D, IDC_BETA_OUT_M, IDC_BETA_OUT_S, splitRadiansDms(m_ref.beta));
    setDms(*this, IDC_BETA_I_D, IDC_BETA_I_M, IDC_BETA_I_S, splitRadiansDms(m_ref.betaI));
    setDms(*this, IDC_BETA_P1_D, IDC_BETA_P1_M, IDC_BETA_P1_S,
           splitRadiansDms(m_cone.betaP1Deg * 3.141592653589793 / 180));
    setDms(*this, IDC_BETA_P_D, IDC_BETA_P_M, IDC_BETA_P_S, splitRadiansDms(m_ref.betaP));
}

void CBelmarAolDlg::OnOK() {
    if (!m_calculated) m_saved = 0;
    const std::string report = aol::cycloidalReport(m_geom, m_head, m_group);
    auto saved = runConeSave(this, ConeKind::Cycloidal, m_calculated != 0, m_dataPath, m_pre, m_geom, report);
    if (!saved) return;
    m_dataPath = saved->data;
    m_strReportPath = saved->report.string();
    m_saved = 1;
    EndDialog(IDOK);
}

void CBelmarAolDlg::OnCancel() {
    if (!m_saved && fw::MessageBox("计算数据尚未保存!是否先保存数据?", MB_YESNO | MB_ICONQUESTION) == IDYES) return;
    EndDialog(IDCANCEL);
}
