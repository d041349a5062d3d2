#include "bevel/preliminary/pellun_type.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "bevel/preliminary/a196_dlg.h"
#include "bevel/preliminary/a197_dlg.h"
#include "bevel/preliminary/a198_dlg.h"
#include "bevel/preliminary/a199_dlg.h"
#include "bevel/preliminary/c80_dlg.h"
#include "bevel/preliminary/c81_dlg.h"
#include "bevel/preliminary/calc/cone_pre_ranges.h"
#include "bevel/preliminary/calc/pre_report.h"
#include "bevel/preliminary/calc/sizing.h"
#include "bevel/preliminary/ka_dlg.h"
#include "bevel/preliminary/khbita_dlg.h"
#include "bevel/preliminary/kwbita_dlg.h"
#include "bevel/preliminary/yf_dlg.h"
#include "common/calc/data_folder.h"
#include "common/calc/design_file.h"
#include "common/dialogs/quantity_field.h"
#include "fw/clock.h"
#include "fw/file.h"
#include "fw/format.h"
#include "fw/text.h"
#include "resources/pellun/module.h"

using namespace bevel;

namespace {

constexpr const char* kHelpTopic = "Kavrin.chm::/ConPreDlg.htm";
constexpr const char* kSaveTitle = "《Ondrel》保存圆锥齿轮计算数据文件";
constexpr const char* kOpenTitle = "《Ondrel》打开圆锥齿轮计算数据文件";
constexpr const char* kSaveFilter = "圆锥齿轮预定计算数据文件(*.cng)|*.cng|All File(*.*)|*.*|";
constexpr const char* kOpenFilter = "锥齿轮计算数据文件(*.cng)|*.cng|All File(*.*)|*.*|";
constexpr const char* kAskData = "计算数据尚未保存，是(Yes)否(No)保存数据？";
constexpr const char* kAskReport = "报告尚未输出，是(Yes)否(No)保存数据？";
constexpr const char* kHintFewTeeth = "建议齿数Z1不少于9个，否则计算结果可能有问题。";
constexpr double kPowerConstant = 9549;

// The rows of the tooth-system table: ha*, c*, βm degrees, whether the α and
// βm fields are edited, and the hint shown after the choice.
struct ToothSystem {
    double ha, c;
    std::uint32_t betaDeg;
    bool alphaFields, betaFields;
    const char* hint;
};
const std::array<ToothSystem, kToothSystemCount> kSystems = {{
    {1.0, 0.2, 0, false, true,
     "建议采用等顶隙收缩齿；确定所有参数后最后计算大端模数m。\n标准齿根圆角半径Rf=0.2m; 对于短齿制：ha*=0.8,c*=0.3,Rf=0.31m"},
    {1.0, 0.188, 0, true, true,
     "建议采用等顶隙收缩齿，螺旋角由计算确定；确定所有参数后最后计算大端模数m。\n齿形角可以选用α=14°30′或 25°"},
    {1.0, 0.2, 0, false, true, "建议采用等顶隙收缩齿；确定所有参数后最后计算大端模数m。螺旋角由计算确定。"},
    {1.0, 0.188, 0, true, false,
     "建议采用等顶隙收缩齿，m<2.5mm时可采用双重收缩；对于重载齿轮可选用α=22°30′或 25°;\n确定所有参数后最后计算大端模数m。"},
    {0.85, 0.188, 35, false, false, "建议采用等顶隙收缩齿;确定所有参数后最后计算大端模数m。"},
    {0.82, 0.2, 35, false, true, "建议采用等顶隙收缩齿;中点螺旋角βm>30°\n确定所有参数后最后计算大端模数m。"},
    {1.0, 0.25, 10, true, true,
     "建议采用等高齿;中点螺旋角βm = 10°～30°，轻载精密传动时取α= 16°；\n确定所有参数后最后计算大端模数m。"},
    {1.0, 0.15, 35, true, true,
     "建议采用等高齿;中点螺旋角βm = 30°～45°由刀盘确定，轻载传动时取α= 17°30′；\n确定所有参数后最后计算大端模数m。"},
}};

void exclaim(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONEXCLAMATION); }
void inform(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONINFORMATION); }

// The record's fixed-width texts hold code page 936 bytes: a text is cut on a
// whole GBK character so that it fits its field with the terminating zero.
template <std::size_t N>
void copyText(char (&field)[N], const std::string& text) {
    fw::copyToField(std::span<char>(field, N), text);
}
template <std::size_t N>
std::string fieldText(const char (&field)[N]) {
    return fw::readField(std::span<const char>(field, N));
}

}  // namespace

CPellunType::CPellunType(fw::Window* parent) : fw::Dialog(pellun::module(), IDD, parent) {
    for (int k = 0; k < kToothSystemCount; ++k) onClick(IDC_SYSTEM + k, [this, k] { OnToothSystem(k); });
    for (int id : {IDC_ALPHA_DEG, IDC_ALPHA_MIN, IDC_ALPHA_SEC}) onKillFocus(id, [this] { OnEnKillfocusAlpha(); });
    for (int id : {IDC_BETA_DEG, IDC_BETA_MIN, IDC_BETA_SEC}) onKillFocus(id, [this] { OnEnKillfocusBeta(); });
    onKillFocus(IDC_HA, [this] { OnEnKillfocusHa(); });
    onKillFocus(IDC_C, [this] { OnEnKillfocusC(); });
    onKillFocus(IDC_Z1, [this] { OnEnKillfocusZ1(); });
    onKillFocus(IDC_Z2, [this] { OnEnKillfocusZ2(); });
    onKillFocus(IDC_I, [this] { OnEnKillfocusI(); });
    onKillFocus(IDC_N1, [this] { OnEnKillfocusN1(); });
    onKillFocus(IDC_N2, [this] { OnEnKillfocusN2(); });
    onKillFocus(IDC_P, [this] { OnEnKillfocusP(); });
    onKillFocus(IDC_T, [this] { OnEnKillfocusT(); });
    onKillFocus(IDC_SIGMA_H, [this] {
        OnEnKillfocusPositive(&CPellunType::m_sigmaHlim, kBitSigmaH, "输入接触疲劳强度极限:%f数据无效,未接受输入!", true);
    });
    onKillFocus(IDC_SIGMA_F, [this] {
        OnEnKillfocusPositive(&CPellunType::m_sigmaFlim, kBitSigmaF, "输入弯曲疲劳强度极限:%f数据无效,未接受输入!", true);
    });
    onKillFocus(IDC_KA, [this] {
        OnEnKillfocusPositive(&CPellunType::m_ka, kBitKA, "输入工况系数:%f数据无效,未接受输入!", true);
    });
    onKillFocus(IDC_KHB, [this] {
        OnEnKillfocusPositive(&CPellunType::m_khBeta, kBitKHbeta, "输入接触强度齿向分布系数:%f数据无效,未接受输入!", true);
    });
    onKillFocus(IDC_KWB, [this] {
        OnEnKillfocusPositive(&CPellunType::m_kwBeta, kBitKwbeta, "输入弯曲强度齿向分布系数:%f数据无效,未接受输入!", true);
    });
    onKillFocus(IDC_X1, [this] { OnEnKillfocusX1(); });
    onKillFocus(IDC_XT1, [this] { OnEnKillfocusXt1(); });
    onKillFocus(IDC_YF, [this] { OnEnKillfocusYf(); });
    onKillFocus(IDC_MT, [this] { OnEnKillfocusMt(); });
    onKillFocus(IDC_TITLE, [this] { takeText(IDC_TITLE, m_strTitle, m_szTitle); });
    onKillFocus(IDC_NUMBER, [this] { takeText(IDC_NUMBER, m_strNumber, m_szNumber); });
    onSetFocus(IDC_DATE, [this] {
        m_strDate = fw::todayText();
        copyText(m_szDate, m_strDate);
        setText(IDC_DATE, m_strDate);
    });
    onKillFocus(IDC_DATE, [this] { takeText(IDC_DATE, m_strDate, m_szDate); });
    onClick(IDC_KA_BUTTON, [this] { OnBnClickedKa(); });
    onClick(IDC_KHB_BUTTON, [this] { OnBnClickedKhbita(); });
    onClick(IDC_KWB_BUTTON, [this] { OnBnClickedKwbita(); });
    onClick(IDC_RADIAL, [this] { OnBnClickedRadial(); });
    onClick(IDC_TANGENTIAL, [this] { OnBnClickedTangential(); });
    onClick(IDC_FORM_FACTOR, [this] { OnBnClickedFormFactor(); });
    onClick(IDC_MODULE, [this] { OnBnClickedModule(); });
    onClick(IDC_LOAD, [this] { OnBnClickedLoad(); });
    onClick(IDC_HELP_BUTTON, [] { fw::htmlHelp(kHelpTopic); });
}

// ---- values, record and enabling ----

// Every field exchanges with its quantity's one range (cone_pre_ranges.h),
// the range the record check reads on load and before every save.
void CPellunType::DoDataExchange(fw::Exchange& dx) {
    using namespace cone_pre;
    dx.radio(IDC_SYSTEM, m_toothSystem);
    // Whole numbers in their ranges, held unsigned.
    kavrin::integer(dx, IDC_ALPHA_DEG, m_alphaDeg, kAlphaDeg);
    kavrin::integer(dx, IDC_ALPHA_MIN, m_alphaMin, kAlphaMin);
    kavrin::integer(dx, IDC_ALPHA_SEC, m_alphaSec, kAlphaSec);
    kavrin::integer(dx, IDC_BETA_DEG, m_betaDeg, kBetaDeg);
    kavrin::integer(dx, IDC_BETA_MIN, m_betaMin, kBetaMin);
    kavrin::integer(dx, IDC_BETA_SEC, m_betaSec, kBetaSec);
    // A number field still showing its member keeps the member's full
    // precision: the field shows 15 digits, the member may hold 17.
    auto number = [&](int id, double& v, const kavrin::Quantity& q) {
        if (dx.saving() && text(id) == fw::formatNumber(v)) return;
        kavrin::number(dx, id, v, q);
    };
    // A field whose handler refuses a value with its own hint ("数值无效,未接受
    // 输入!" for a value not above 0, for i one below 1): such a value passes
    // to the handler; the range refuses the rest here.
    auto handled = [&](int id, double& v, const kavrin::Quantity& q, double refusedBelow = 0) {
        if (dx.saving() && !dx.failed() && text(id) != fw::formatNumber(v)) {
            auto typed = fw::parseNumber(text(id));
            if (typed && std::isfinite(*typed) && (*typed <= 0 || *typed < refusedBelow)) {
                v = *typed;
                return;
            }
        }
        number(id, v, q);
    };
    number(IDC_HA, m_ha, kHaStar);
    number(IDC_C, m_c, kCStar);
    kavrin::integer(dx, IDC_Z1, m_z1, kZ1);
    kavrin::integer(dx, IDC_Z2, m_z2, kZ2);
    handled(IDC_N1, m_n1, kN1);
    handled(IDC_N2, m_n2, kN2);
    handled(IDC_I, m_i, kI, 1);
    handled(IDC_P, m_p, kP);
    handled(IDC_T, m_t, kT);
    handled(IDC_SIGMA_H, m_sigmaHlim, kSigmaHlim);
    handled(IDC_SIGMA_F, m_sigmaFlim, kSigmaFlim);
    handled(IDC_KA, m_ka, kKa);
    handled(IDC_KHB, m_khBeta, kKhBeta);
    handled(IDC_KWB, m_kwBeta, kKwBeta);
    number(IDC_X1, m_x1, kX1);
    number(IDC_XT1, m_xt1, kXt1);
    // x2 and xτ2 are shown only.
    if (!dx.saving()) {
        dx.number(IDC_X2, m_x2);
        dx.number(IDC_XT2, m_xt2);
    }
    number(IDC_YF, m_yf, kYf);
    handled(IDC_MT, m_mt, kMt);
    dx.text(IDC_TITLE, m_strTitle, 63);
    dx.text(IDC_NUMBER, m_strNumber, 63);
    dx.text(IDC_DATE, m_strDate, 19);
}

ConePreRecord CPellunType::record() const {
    ConePreRecord r;
    r.mask = m_mask;
    r.alphaDeg = static_cast<std::int32_t>(m_alphaDeg);
    r.alphaMin = static_cast<std::int32_t>(m_alphaMin);
    r.alphaSec = static_cast<std::int32_t>(m_alphaSec);
    r.betaDeg = static_cast<std::int32_t>(m_betaDeg);
    r.betaMin = static_cast<std::int32_t>(m_betaMin);
    r.betaSec = static_cast<std::int32_t>(m_betaSec);
    r.cStar = m_c;
    r.haStar = m_ha;
    r.mt = m_mt;
    r.toothSystem = m_toothSystem;
    r.z1 = m_z1;
    r.z2 = m_z2;
    r.n1 = m_n1;
    r.n2 = m_n2;
    r.i = m_i;
    r.p = m_p;
    r.t = m_t;
    r.yf = m_yf;
    r.sigmaHlim = m_sigmaHlim;
    r.sigmaFlim = m_sigmaFlim;
    r.x1 = m_x1;
    r.x2 = m_x2;
    r.xt2 = m_xt2;
    r.xt1 = m_xt1;
    r.ka = m_ka;
    r.khBeta = m_khBeta;
    r.kwBeta = m_kwBeta;
    r.date = fieldText(m_szDate);
    r.status = kConePreStatus;
    r.number = fieldText(m_szNumber);
    r.title = fieldText(m_szTitle);
    return r;
}

void CPellunType::applyValues(const ConePreRecord& r) {
    m_mask = r.mask;
    m_alphaDeg = static_cast<std::uint32_t>(r.alphaDeg);
    m_alphaMin = static_cast<std::uint32_t>(r.alphaMin);
    m_alphaSec = static_cast<std::uint32_t>(r.alphaSec);
    m_betaDeg = static_cast<std::uint32_t>(r.betaDeg);
    m_betaMin = static_cast<std::uint32_t>(r.betaMin);
    m_betaSec = static_cast<std::uint32_t>(r.betaSec);
    m_c = r.cStar;
    m_ha = r.haStar;
    m_mt = r.mt;
    m_toothSystem = r.toothSystem;
    m_z1 = r.z1;
    m_z2 = r.z2;
    m_n1 = r.n1;
    m_n2 = r.n2;
    m_i = r.i;
    m_p = r.p;
    m_t = r.t;
    m_yf = r.yf;
    m_sigmaHlim = r.sigmaHlim;
    m_sigmaFlim = r.sigmaFlim;
    m_x1 = r.x1;
    m_x2 = r.x2;
    m_xt2 = r.xt2;
    m_xt1 = r.xt1;
    m_ka = r.ka;
    m_khBeta = r.khBeta;
    m_kwBeta = r.kwBeta;
}

double CPellunType::alphaDegrees() const { return m_alphaDeg + m_alphaMin / 60.0 + m_alphaSec / 3600.0; }
double CPellunType::betaDegrees() const { return (m_betaSec / 60.0 + m_betaMin) / 60.0 + m_betaDeg; }

void CPellunType::setHint(const std::string& text) { setText(IDC_HINT, text); }

// A text field left: its text goes into the record's field, cut on a whole
// code page 936 character; the field and the string then hold exactly what
// the record and the report will hold.
void CPellunType::takeText(int id, std::string& value, std::span<char> field) {
    fw::copyToField(field, text(id));
    value = fw::readField(field);
    if (text(id) != value) setText(id, value);
}

void CPellunType::enableIds(std::initializer_list<int> ids, bool on) {
    for (int id : ids) enable(id, on);
}

void CPellunType::applyEnabling() {
    if ((m_mask & kMaskInputs) == kMaskInputs)
        enableIds({IDC_X1, IDC_RADIAL, IDC_XT1, IDC_TANGENTIAL}, true);
    else
        enableIds({IDC_X1, IDC_RADIAL, IDC_XT1, IDC_TANGENTIAL, IDC_FORM_FACTOR, IDC_YF, IDC_MODULE, IDC_MT}, false);
    if (m_mask == kMaskComplete)
        enableIds({IDC_FORM_FACTOR, IDC_YF}, true);
    else
        enableIds({IDC_FORM_FACTOR, IDC_YF, IDC_MODULE, IDC_MT}, false);
}

void CPellunType::fillRecord() { m_record = record(); }

void CPellunType::show() { UpdateData(false); }

void CPellunType::refresh() {
    applyEnabling();
    fillRecord();
    show();
}

bool CPellunType::readFields() { return UpdateData(true); }

// Results computed from other inputs than the current ones are dropped, so
// they are neither shown nor saved: the form factor was read for Z1, i, βm,
// χ1 and χτ1 (the module then waits for a new one), the module for every
// input.
void CPellunType::resetResultsIfChanged(const ConePreRecord& before) {
    ConePreRecord now = record();
    const bool formFactorInputs = now.z1 != before.z1 || now.i != before.i || now.betaDeg != before.betaDeg ||
                                  now.betaMin != before.betaMin || now.betaSec != before.betaSec ||
                                  now.x1 != before.x1 || now.xt1 != before.xt1;
    if (formFactorInputs && m_yf != 0) {
        m_yf = 0;
        enableIds({IDC_MODULE, IDC_MT}, false);
    }
    now.mt = before.mt;
    now.cStar = before.cStar;
    now.mask = before.mask;
    now.haStar = before.haStar;
    now.alphaDeg = before.alphaDeg;
    now.alphaMin = before.alphaMin;
    now.alphaSec = before.alphaSec;
    if (writeConePreRecord(now) != writeConePreRecord(before)) m_mt = 0;
}

const kavrin::Quantity* CPellunType::coupledOutOfRange() const {
    using namespace cone_pre;
    struct Coupled {
        const kavrin::Quantity& q;
        double v;
    };
    for (Coupled c : {Coupled{kI, m_i}, Coupled{kN1, m_n1}, Coupled{kN2, m_n2}, Coupled{kP, m_p}, Coupled{kT, m_t},
                      Coupled{kZ1, double(m_z1)}, Coupled{kZ2, double(m_z2)}})
        if (!c.q.admits(c.v)) return &c.q;
    return nullptr;
}

// The torque at the output speed; while only T is given, the power follows it.
void CPellunType::coupleTorque() {
    if ((m_mask & kBitT) && !(m_mask & kBitP)) {
        m_p = m_t * m_n2 / kPowerConstant;
        if (m_p > 0) m_mask |= kBitP;
        return;
    }
    m_t = kPowerConstant * m_p / m_n2;
    if (m_t > 0) m_mask |= kBitT;
}

// A refused entry: the hint, the values from before the edit, then the fields
// shown again (or the whole dialog recomputed).
void CPellunType::refuse(const ConePreRecord& before, const std::string& hint, bool refreshAll) {
    setHint(hint);
    applyValues(before);
    if (refreshAll)
        refresh();
    else
        show();
}

// The end of an edit that moved tooth numbers, ratio, speeds, power or
// torque: refused when any of them left its range (a value too large to be
// finite among them), naming the one that did; otherwise taken and
// recomputed.
void CPellunType::acceptIfInRange(const ConePreRecord& before) {
    if (const kavrin::Quantity* q = coupledOutOfRange()) {
        refuse(before, cone_pre::couplingRefusal(*q));
        return;
    }
    resetResultsIfChanged(before);
    refresh();
}

// ---- opening, tooth system ----

bool CPellunType::OnInitDialog() {
    m_strDate = fw::todayText();
    copyText(m_szDate, m_strDate);
    m_szTitle[0] = m_szNumber[0] = '\0';
    enableIds({IDC_ALPHA_DEG, IDC_ALPHA_MIN, IDC_ALPHA_SEC, IDC_X1, IDC_RADIAL, IDC_XT1, IDC_TANGENTIAL, IDC_MODULE,
               IDC_MT, IDC_FORM_FACTOR},
              false);
    enableIds({IDC_BETA_DEG, IDC_BETA_MIN, IDC_BETA_SEC}, true);
    setHint(kSystems[0].hint);
    fillRecord();
    m_mask = kMaskToothSystem;
    applyEnabling();
    show();
    return true;
}

void CPellunType::OnToothSystem(int index) {
    m_alphaDeg = m_alphaMin = m_alphaSec = m_betaDeg = m_betaMin = m_betaSec = 0;
    m_c = m_ha = m_p = m_mt = m_i = m_n1 = m_n2 = m_t = 0;
    m_sigmaHlim = m_sigmaFlim = m_ka = m_khBeta = m_kwBeta = m_x1 = m_x2 = m_xt1 = m_xt2 = m_yf = 0;
    m_z1 = m_z2 = 0;
    m_reportWritten = m_dataSaved = 0;
    m_mask = 0;
    enableIds({IDC_HA, IDC_C, IDC_ALPHA_DEG, IDC_ALPHA_MIN, IDC_ALPHA_SEC, IDC_X1, IDC_RADIAL, IDC_X2, IDC_XT1,
               IDC_TANGENTIAL, IDC_XT2, IDC_BETA_DEG, IDC_BETA_MIN, IDC_BETA_SEC},
              true);
    setHint("");
    const ToothSystem& row = kSystems[static_cast<std::size_t>(index)];
    m_toothSystem = index;
    m_ha = row.ha;
    m_c = row.c;
    m_alphaDeg = 20;
    m_betaDeg = row.betaDeg;
    m_mask = kMaskToothSystem;
    applyEnabling();
    fillRecord();
    enableIds({IDC_HA, IDC_C, IDC_X1, IDC_RADIAL, IDC_X2, IDC_XT1, IDC_TANGENTIAL, IDC_XT2}, false);
    enableIds({IDC_ALPHA_DEG, IDC_ALPHA_MIN, IDC_ALPHA_SEC}, row.alphaFields);
    enableIds({IDC_BETA_DEG, IDC_BETA_MIN, IDC_BETA_SEC}, row.betaFields);
    setHint(row.hint);
    show();
}

// ---- field handlers ----

void CPellunType::OnEnKillfocusAlpha() {
    const ConePreRecord before = record();
    if (!readFields()) return;
    const double a = alphaDegrees();
    if (!cone_pre::kAlpha.admits(a)) {
        refuse(before, fw::format("压力角 α=%f 超出齿形制规范范围，输入未被接受！", a), true);
        return;
    }
    m_mask |= kBitAlpha;
    m_record.alphaDeg = static_cast<std::int32_t>(m_alphaDeg);
    m_record.alphaMin = static_cast<std::int32_t>(m_alphaMin);
    m_record.alphaSec = static_cast<std::int32_t>(m_alphaSec);
    refresh();
}

void CPellunType::OnEnKillfocusBeta() {
    const ConePreRecord before = record();
    if (!readFields()) return;
    resetResultsIfChanged(before);
    fillRecord();
    show();
}

void CPellunType::OnEnKillfocusHa() {
    const ConePreRecord before = record();
    if (!readFields()) return;
    if (!cone_pre::kHaStarTyped.admits(m_ha)) {
        refuse(before, fw::format("齿顶高系数 ha*=%f 超出齿形制规范范围，输入未被接受！", m_ha), true);
        return;
    }
    m_mask |= kBitHa;
    refresh();
}

void CPellunType::OnEnKillfocusC() {
    const ConePreRecord before = record();
    if (!readFields()) return;
    if (!cone_pre::kCStarTyped.admits(m_c)) {
        refuse(before, fw::format("齿顶隙系数 c*=%f 超出齿形制规范范围，输入未被接受！", m_c), true);
        return;
    }
    m_mask |= kBitC;
    refresh();
}

void CPellunType::OnEnKillfocusZ1() {
    const ConePreRecord before = record();
    if (!readFields()) return;
    const std::string refusal = fw::format("小齿轮齿数Z1=%d无效,未接受输入!", static_cast<int>(m_z1));
    // A pinion larger than the gear already given is refused too.
    if (m_z1 == 0 || (m_z2 > 0 && m_z1 > m_z2)) {
        refuse(before, refusal);
        return;
    }
    m_mask |= kBitZ1;
    const std::uint32_t fewest = m_toothSystem <= 3 ? 13 : m_toothSystem <= 5 ? 12 : 10;
    if (m_z1 < fewest)
        setHint(fw::format("小齿轮齿数Z1=%d太少，需考虑增大压力角α及加工条件!", static_cast<int>(m_z1)));
    if (m_z2 > 0 && m_z2 >= m_z1) {
        m_i = static_cast<double>(m_z2) / m_z1;
        if (m_n1 > 0) {
            m_n2 = m_n1 / m_i;
            m_mask |= kBitN2;
            coupleTorque();
        }
    }
    acceptIfInRange(before);
}

void CPellunType::OnEnKillfocusZ2() {
    const ConePreRecord before = record();
    if (!readFields()) return;
    const std::string refusal =
        fw::format("Z2=%d数值无效! Z2取值应大于0且不小于Z1,未接受输入", static_cast<int>(m_z2));
    if (m_z2 == 0 || m_z2 < m_z1) {
        refuse(before, refusal);
        return;
    }
    m_mask |= kBitZ2;
    if (m_z1 > 0) {
        m_i = static_cast<double>(m_z2) / m_z1;
        if (m_n1 > 0) {
            m_n2 = m_n1 / m_i;
            m_mask |= kBitN2;
            coupleTorque();
        }
    } else if (m_i > 0) {
        const double z1 = std::trunc(m_z2 / m_i + 0.5);
        if (z1 < 1) {
            // The ratio would leave no pinion: keep Z1 and i.
            setHint(kHintFewTeeth);
        } else {
            m_z1 = static_cast<std::uint32_t>(z1);
            m_i = static_cast<double>(m_z2) / m_z1;
            m_mask |= kBitZ1;
            if (m_z1 < 9) setHint(kHintFewTeeth);
            m_n2 = m_n1 / m_i;
            if (m_n2 > 0) {
                m_mask |= kBitN2;
                coupleTorque();
            }
        }
    }
    acceptIfInRange(before);
}

void CPellunType::OnEnKillfocusI() {
    const ConePreRecord before = record();
    if (!readFields()) return;
    const std::string refusal = fw::format("传动比 i=%f数值无效,未接受输入!", m_i);
    // A ratio below 1, or one that makes a gear beyond the largest tooth number, is refused.
    const bool tooLarge = m_z1 > 0 && !(std::trunc(m_z1 * m_i + 0.5) <= kMaxTeeth);
    if (!(m_i >= 1) || tooLarge) {
        refuse(before, refusal);
        return;
    }
    if (m_z1 > 0) {
        m_z2 = static_cast<std::uint32_t>(std::trunc(m_z1 * m_i + 0.5));
        m_i = static_cast<double>(m_z2) / m_z1;
        m_mask |= kBitZ2;
    }
    if (m_n1 > 0) {
        m_n2 = m_n1 / m_i;
        m_mask |= kBitN2;
        coupleTorque();
    }
    acceptIfInRange(before);
}

void CPellunType::OnEnKillfocusN1() {
    const ConePreRecord before = record();
    if (!readFields()) return;
    const std::string refusal = fw::format("输入转速 n1=%f数值无效,未接受输入!", m_n1);
    if (!(m_n1 > 0)) {
        refuse(before, refusal);
        return;
    }
    m_mask |= kBitN1;
    if (m_i > 0) {
        m_n2 = m_n1 / m_i;
        m_mask |= kBitN2;
        coupleTorque();
    }
    acceptIfInRange(before);
}

void CPellunType::OnEnKillfocusN2() {
    const ConePreRecord before = record();
    if (!readFields()) return;
    const std::string refusal = fw::format("输出转速 n2=%f数值无效,未接受输入!", m_n2);
    if (!(m_n2 > 0)) {
        refuse(before, refusal);
        return;
    }
    m_mask |= kBitN2;
    coupleTorque();
    if (m_i > 0) {
        m_n1 = m_n2 * m_i;
        m_mask |= kBitN1;
    }
    acceptIfInRange(before);
}

void CPellunType::OnEnKillfocusP() {
    const ConePreRecord before = record();
    if (!readFields()) return;
    const std::string refusal = fw::format("传动功率 P=%f数值无效,未接受输入!", m_p);
    if (!(m_p > 0)) {
        refuse(before, refusal);
        return;
    }
    m_mask |= kBitP;
    if (m_n2 > 0) {
        m_t = kPowerConstant * m_p / m_n2;
        m_mask |= kBitT;
    }
    acceptIfInRange(before);
}

void CPellunType::OnEnKillfocusT() {
    const ConePreRecord before = record();
    if (!readFields()) return;
    const std::string refusal = fw::format("输出扭矩 T=%f数值无效,未接受输入!", m_t);
    if (!(m_t > 0)) {
        refuse(before, refusal);
        return;
    }
    m_mask |= kBitT;
    if (m_n2 > 0) {
        m_p = m_t * m_n2 / kPowerConstant;
        m_mask |= kBitP;
    }
    acceptIfInRange(before);
}

void CPellunType::OnEnKillfocusPositive(double CPellunType::*member, std::int32_t bit, const char* refusal,
                                        bool refreshOnRefusal) {
    const ConePreRecord before = record();
    if (!readFields()) return;
    if (!(this->*member > 0)) {
        refuse(before, fw::format(refusal, this->*member), refreshOnRefusal);
        return;
    }
    m_mask |= bit;
    resetResultsIfChanged(before);
    refresh();
}

void CPellunType::OnEnKillfocusX1() {
    const ConePreRecord before = record();
    if (!readFields()) return;
    m_x2 = -m_x1;
    m_mask |= kBitX;
    resetResultsIfChanged(before);
    refresh();
}

void CPellunType::OnEnKillfocusXt1() {
    const ConePreRecord before = record();
    if (!readFields()) return;
    m_xt2 = -m_xt1;
    m_mask |= kBitXt;
    resetResultsIfChanged(before);
    refresh();
}

void CPellunType::OnEnKillfocusYf() {
    const ConePreRecord before = record();
    if (!readFields()) return;
    resetResultsIfChanged(before);
    enableIds({IDC_MODULE, IDC_MT}, m_yf >= 0);
    fillRecord();
    show();
}

void CPellunType::OnEnKillfocusMt() {
    const ConePreRecord before = record();
    if (!readFields()) return;
    if (!(m_mt > 0)) {
        refuse(before, fw::format("m=%f数值无效,未接受输入!", m_mt));
        return;
    }
    const double c = clearanceForModule(m_toothSystem, m_mt, m_c);
    if (!cone_pre::kCStar.admits(c)) {
        refuse(before, cone_pre::couplingRefusal(cone_pre::kCStar));
        return;
    }
    m_c = c;
    fillRecord();
    show();
}

// ---- factor buttons ----

void CPellunType::OnBnClickedKa() {
    const ConePreRecord before = record();
    CKaDlg dlg;
    if (dlg.DoModal() == IDOK && dlg.m_dKa > 0 && cone_pre::kKa.admits(dlg.m_dKa)) {
        m_ka = dlg.m_dKa;
        m_mask |= kBitKA;
    }
    resetResultsIfChanged(before);
    refresh();
}

void CPellunType::OnBnClickedKhbita() {
    const ConePreRecord before = record();
    CKhbitaDlg dlg;
    if (dlg.DoModal() == IDOK && dlg.m_value > 0 && cone_pre::kKhBeta.admits(dlg.m_value)) {
        m_khBeta = dlg.m_value;
        m_mask |= kBitKHbeta;
    }
    resetResultsIfChanged(before);
    refresh();
}

void CPellunType::OnBnClickedKwbita() {
    const ConePreRecord before = record();
    CKwbitaDlg dlg;
    if (dlg.DoModal() == IDOK && dlg.m_value > 0 && cone_pre::kKwBeta.admits(dlg.m_value)) {
        m_kwBeta = dlg.m_value;
        m_mask |= kBitKwbeta;
    }
    resetResultsIfChanged(before);
    refresh();
}

// ---- calculation buttons ----

namespace {

// Runs the chart of a shift; true with the value read when it ends with IDOK.
std::optional<double> readShiftChart(ShiftSource source, double u, int z1) {
    auto run = [&](auto dlg) -> std::optional<double> {
        if (dlg.DoModal(u, z1) == IDOK) return dlg.m_value;
        return std::nullopt;
    };
    switch (source) {
    case ShiftSource::ChartA196: return run(CA196Dlg());
    case ShiftSource::ChartA198: return run(CA198Dlg());
    case ShiftSource::ChartA197: return run(CA197Dlg());
    case ShiftSource::ChartA199: return run(CA199Dlg());
    case ShiftSource::ChartC80: return run(CC80Dlg());
    case ShiftSource::ChartC81: return run(CC81Dlg());
    case ShiftSource::Formula: break;
    }
    return std::nullopt;
}

}  // namespace

void CPellunType::OnBnClickedRadial() {
    const ConePreRecord before = record();
    if (m_toothSystem == 6 && !helixValidForSystem6(betaDegrees())) {
        inform(kMsgHelixRange);
        m_betaDeg = 10;
        // A new βm, as if typed: the form factor and module sized for the old one go.
        resetResultsIfChanged(before);
        fillRecord();
        show();
        return;
    }
    const Shift s = radialShift(m_toothSystem, m_i, betaDegrees());
    if (s.ratioChecked && !ratioValid(m_i)) {
        inform(kMsgRatioCheck);
    } else {
        std::optional<double> x1;
        if (s.source == ShiftSource::Formula)
            x1 = s.value;
        else
            x1 = readShiftChart(s.source, m_i, static_cast<int>(m_z1));
        if (s.hint) setHint(s.hint);
        if (x1 && !cone_pre::kX1.admits(*x1)) {
            exclaim(kavrin::resultNotTaken(cone_pre::kX1));
            x1.reset();
        }
        if (x1) {
            m_x1 = *x1;
            m_x2 = -m_x1;
            m_mask |= kBitX;
        }
    }
    resetResultsIfChanged(before);
    refresh();
}

void CPellunType::OnBnClickedTangential() {
    const ConePreRecord before = record();
    const Shift s = tangentialShift(m_toothSystem, m_i, betaDegrees());
    if (s.ratioChecked && !ratioValid(m_i)) {
        inform(kMsgRatioCheck);
    } else {
        std::optional<double> xt1;
        if (s.source == ShiftSource::Formula)
            xt1 = s.value;
        else
            xt1 = readShiftChart(s.source, m_i, static_cast<int>(m_z1));
        if (s.hint) setHint(s.hint);
        if (xt1 && !cone_pre::kXt1.admits(*xt1)) {
            // Not taken, and not marked as given either.
            exclaim(kavrin::resultNotTaken(cone_pre::kXt1));
            resetResultsIfChanged(before);
            refresh();
            return;
        }
        if (xt1) {
            m_xt1 = *xt1;
            m_xt2 = -m_xt1;
        }
        // Cancel in a chart accepts the current value.
        m_mask |= kBitXt;
    }
    resetResultsIfChanged(before);
    refresh();
}

void CPellunType::OnBnClickedFormFactor() {
    const ConePreRecord before = record();
    const VirtualTeeth v = virtualTeeth(m_z1, m_i, betaDegrees());
    if (!std::isfinite(v.zv) || !std::isfinite(v.fraction)) {
        exclaim(kMsgCalcError);
        return;
    }
    if (!virtualTeethEnough(v.zv)) {
        inform(kMsgUndercut);
        return;
    }
    CYfDlg dlg;
    if (dlg.DoModal(v.fraction, betaDegrees(), v.zv, m_x1) == IDOK) {
        const double yf = formFactor(dlg.m_value, m_xt1);
        if (!cone_pre::kYf.admits(yf)) {
            exclaim(formFactorRefusal(m_xt1));
            return;
        }
        m_yf = yf;
    }
    resetResultsIfChanged(before);
    enableIds({IDC_MODULE, IDC_MT}, m_yf > 0);
    fillRecord();
    show();
}

void CPellunType::OnBnClickedModule() {
    ModuleInputs in{.system = m_toothSystem, .z1 = m_z1, .i = m_i, .t = m_t, .ka = m_ka, .khBeta = m_khBeta,
                    .kwBeta = m_kwBeta, .sigmaHlim = m_sigmaHlim, .sigmaFlim = m_sigmaFlim, .yf = m_yf};
    auto r = moduleStep(in, m_c);
    if (!r) {
        switch (r.error()) {
        case ModuleRefusal::Ratio: inform(kMsgRatioCheck); break;
        case ModuleRefusal::NoPinionTeeth:
            setHint(fw::format("小齿轮齿数Z1=%d无效,未接受输入!", static_cast<int>(m_z1)));
            break;
        case ModuleRefusal::NotFinite: exclaim(kMsgCalcError); break;
        case ModuleRefusal::ModuleOutOfRange:
        case ModuleRefusal::ClearanceOutOfRange: exclaim(moduleRangeRefusal(r.error())); break;
        }
        return;
    }
    m_mt = r->module.mt;
    m_c = r->cStar;
    fillRecord();
    show();
}

// ---- save, load, cancel ----

void CPellunType::OnOK() {
    // What the loader would refuse is never written: the user is told which
    // value is wrong before a file is chosen, and the old files stay.
    fillRecord();
    if (auto fault = checkConePreRecord(m_record)) {
        exclaim(conePreSaveRefusal(*fault));
        return;
    }
    if (m_strDataPath.empty()) m_strDataPath = "*.cng";
    fw::FileDialog fd(fw::FileMode::Save, "cng", m_strDataPath, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kSaveFilter,
                      this);
    fd.setTitle(kSaveTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return;
    const ConeDataName name = normaliseConeDataName(fd.path());
    if (name.changed) inform(coneRenameNotice(name.path));
    const std::filesystem::path report = coneReportName(name.path);
    fillRecord();
    // The data file and its report replace their old files together or not at all.
    auto saved = kavrin::saveDesignAndReport(name.path, conePreFileBytes(m_record, fw::nowSeconds()), report,
                                             conePreReport(m_record), fw::SaveTransaction::Mode::Replace);
    if (!saved) {
        // A data file that could not be created says so; one that was open
        // and could not be written says what failed ("创建文件错误:…").
        exclaim(saved.error().dataFile ? saved.error().error.saveMessage() : std::string(kMsgReportOpen));
        return;
    }
    m_strDataPath = name.path.string();
    m_strReportPath = report.string();
    m_dataSaved = 1;
    m_reportWritten = 1;
    fw::Dialog::OnOK();
}

void CPellunType::OnBnClickedLoad() {
    fw::FileDialog fd(fw::FileMode::Open, "cng", "*.cng", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kOpenFilter, this);
    fd.setTitle(kOpenTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return;
    const std::filesystem::path path = fd.path();
    if (!hasConeDataExtension(path)) return exclaim(kMsgConeNotCurrentFile);
    // The preliminary record is all a load takes; a later step's records may follow.
    auto bytes = kavrin::readDesignFile(path, ConePreRecord::kSize);
    if (!bytes) return (void)fw::MessageBox(bytes.error().openMessage(), MB_OK);
    auto body = kavrin::splitDesignFile(*bytes, ConePreRecord::kSize);
    if (body && body->oldFile) fw::MessageBox(kavrin::kMsgOldFile, MB_OK);
    auto loaded = loadConePreFile(*bytes);
    if (!loaded) {
        // A wrong header word has no icon; a wrong status or value the exclamation.
        const bool notBevel = loaded.error() == kMsgConeNotBevelData;
        fw::MessageBox(loaded.error(), notBevel ? MB_OK : MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // Accepted: now the paths and every value change.
    const ConePreRecord& r = loaded->record;
    m_strDataPath = path.string();
    m_strReportPath = coneReportName(path).string();
    applyValues(r);
    m_strNumber = r.number;
    m_strTitle = r.title;
    m_strDate = r.date;
    copyText(m_szNumber, m_strNumber);
    copyText(m_szTitle, m_strTitle);
    copyText(m_szDate, m_strDate);
    m_strNumber = fieldText(m_szNumber);
    m_strTitle = fieldText(m_szTitle);
    m_strDate = fieldText(m_szDate);
    applyEnabling();
    fillRecord();
    show();
}

void CPellunType::OnCancel() {
    if (!m_dataSaved && fw::MessageBox(kAskData, MB_YESNO | MB_ICONQUESTION) == IDYES) return;
    if (!m_reportWritten && fw::MessageBox(kAskReport, MB_YESNO | MB_ICONINFORMATION) == IDYES) return;
    EndDialog(IDCANCEL);
}
