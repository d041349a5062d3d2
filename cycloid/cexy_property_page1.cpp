#include "cycloid/cexy_property_page1.h"

#include <cmath>

#include "common/dialogs/quantity_field.h"
#include "cycloid/calc/cex_preliminary.h"
#include "cycloid/calc/cex_ranges.h"
#include "cycloid/cdest_cexd_a_dlg.h"
#include "cycloid/cdest_cexd_bc_dlg.h"
#include "cycloid/cdest_cexd_k1_dlg.h"
#include "cycloid/cdest_cexd_k2_dlg.h"
#include "cycloid/cdest_cexd_rp_dlg.h"
#include "cycloid/cexy_property_sheet.h"
#include "fw/clock.h"
#include "fw/format.h"
#include "fw/text.h"

using namespace cycloid;
using namespace cycloid::cex_q;

namespace {
constexpr const char* kHintGeometry = "对已激活的按钮操作，确定或更改其几何参数。";
constexpr const char* kHintTransmission = "先输入各项传动参数，后确定几何参数";
constexpr const char* kMsgInvalid = "输入数据无效！";
constexpr const char* kMsgNoRp = "未确定针齿圆半径，不能确定齿宽的合理值。请先输入rp值！";
constexpr const char* kMsgNeedRpK1 = "请先确定针齿圆半径或短幅系数！";
constexpr const char* kMsgMinA = "最小偏心距须等于0.65mm，可改变K1或rp值调整机构设计。";
constexpr const char* kMsgMaxA = "最大偏心距只限于13mm，可改变K1或rp值调整机构设计。";
constexpr const char* kMsgSeries = "建议采用标准偏心距: %.2f 或 %.2f。";
constexpr const char* kMsgEtaHigh = "机构效率估值太高！预定传动效率不能大于0.99。";
constexpr const char* kMsgTorqueRange = "输出扭矩超出数值范围，请检查功率、输入转速和齿数！";
constexpr int kTransmissionBits = CCexyPropertyPage1::kBitP | CCexyPropertyPage1::kBitN0 |
                                  CCexyPropertyPage1::kBitEta | CCexyPropertyPage1::kBitZc |
                                  CCexyPropertyPage1::kBitZp;
constexpr int kTorqueBits = CCexyPropertyPage1::kBitP | CCexyPropertyPage1::kBitN0 | CCexyPropertyPage1::kBitEta;

template <std::size_t N>
std::string fieldText(const std::array<char, N>& f) {
    return fw::readField(std::span<const char>(f.data(), N));
}
template <std::size_t N>
void putField(std::array<char, N>& f, const std::string& utf8) {
    fw::copyToField(std::span<char>(f.data(), N), utf8);
}
}  // namespace

CCexyPropertyPage1::CCexyPropertyPage1() : CexyWizardPage(IDD, 1) {
    onKillFocus(IDC_TITLE, [this] { OnKillfocusTitle(); });
    onKillFocus(IDC_NUMBER, [this] { OnKillfocusNumber(); });
    onKillFocus(IDC_DATE, [this] { OnKillfocusDate(); });
    onSetFocus(IDC_DATE, [this] { OnSetfocusDate(); });
    onKillFocus(IDC_ZC, [this] { OnKillfocusZc(); });
    onKillFocus(IDC_ZP, [this] { OnKillfocusZp(); });
    onKillFocus(IDC_P, [this] { OnKillfocusP(); });
    onKillFocus(IDC_N0, [this] { OnKillfocusN0(); });
    onKillFocus(IDC_ETA, [this] { OnKillfocusEta(); });
    onReleased(IDC_ETA_SLIDER, [this] { OnReleasedEtaSlider(); });
    onClick(IDC_K1_BUTTON, [this] { OnK1Button(); });
    onClick(IDC_K2_BUTTON, [this] { OnK2Button(); });
    onClick(IDC_BC_BUTTON, [this] { OnBcButton(); });
    onKillFocus(IDC_BC, [this] { OnKillfocusBc(); });
    onClick(IDC_RP_BUTTON, [this] { OnRpButton(); });
    onKillFocus(IDC_RP, [this] { OnKillfocusRp(); });
    onClick(IDC_RRP_BUTTON, [this] { OnRrpButton(); });
    onKillFocus(IDC_RRP, [this] { OnKillfocusRrp(); });
    onClick(IDC_A_BUTTON, [this] { OnAButton(); });
    onKillFocus(IDC_A, [this] { OnKillfocusA(); });
    onClick(IDC_LOAD, [this] { OnLoad(); });
    // A later run of the wizard in the same process goes on from the record.
    if (mask1(g_cexRecord.b1) != 0) takeBlock1();
}

// Numbers are taken by their own handlers as they are typed; the exchange
// only shows the members.
void CCexyPropertyPage1::DoDataExchange(fw::Exchange& dx) {
    if (dx.saving()) return;
    dx.text(IDC_TITLE, m_strTitle, 63);
    dx.text(IDC_NUMBER, m_strNumber, 63);
    dx.text(IDC_DATE, m_strDate, 19);
    kavrin::number(dx, IDC_P, m_P, givenQuantity(kP));
    kavrin::number(dx, IDC_N0, m_n0, givenQuantity(kN0));
    dx.number(IDC_I, m_i);
    dx.unsignedInt(IDC_ZC, m_Zc);
    dx.unsignedInt(IDC_ZP, m_Zp);
    dx.number(IDC_TC, m_Tc);
    dx.number(IDC_ETA, m_eta);
    dx.trackbar(IDC_ETA_SLIDER, m_sliderPos);
    dx.number(IDC_K1, m_K1);
    dx.number(IDC_K2, m_K2);
    kavrin::number(dx, IDC_BC, m_bc, givenQuantity(kBc));
    kavrin::number(dx, IDC_RP, m_Rp, givenQuantity(kRp));
    kavrin::number(dx, IDC_RRP, m_Rrp, givenQuantity(kRrp));
    dx.number(IDC_A, m_a);
    dx.text(IDC_HINT, m_strHint);
}

bool CCexyPropertyPage1::OnInitDialog() {
    auto& t = trackbar(IDC_ETA_SLIDER);
    t.setRange(kSliderMin, kSliderMax);
    t.setTicFreq(5);
    t.setPageSize(2);
    if (fieldText(g_cexRecord.b1.title).empty()) {
        m_strTitle.clear();
        m_title = {};
    }
    if (fieldText(g_cexRecord.b1.number).empty()) {
        m_strNumber.clear();
        m_number = {};
    }
    if (m_strDate.empty()) {
        m_strDate = fw::todayText();
        putField(m_date, m_strDate);
    }
    showEfficiencyRange();
    enablingRule();
    return fw::PropertyPage::OnInitDialog();
}

bool CCexyPropertyPage1::OnSetActive() {
    StoreDecision d = Store();
    if (g_pCexySheet) g_pCexySheet->SetWizardButtons(d.status == kStatus1 ? kWizNext : kWizDisabledFinish);
    enable(IDC_BC_BUTTON, m_Rp > 0);
    enable(IDC_BC, m_Rp > 0);
    showValues();
    return fw::PropertyPage::OnSetActive();
}

void CCexyPropertyPage1::storeValues() {
    CexBlock1& b = g_cexRecord.b1;
    b.a = m_a;
    b.bc = m_bc;
    b.i = m_i;
    b.K1 = m_K1;
    b.K2 = m_K2;
    b.n0 = m_n0;
    b.eta = m_eta;
    b.P = m_P;
    b.Rp = m_Rp;
    b.Rrp = m_Rrp;
    b.Tc = m_Tc;
    b.Zc = m_Zc;
    b.Zp = m_Zp;
    b.title = m_title;
    b.number = m_number;
    b.date = m_date;
}

// ---- helpers ----

bool CCexyPropertyPage1::readCount(int id, unsigned& value, unsigned low, unsigned high) {
    auto v = fw::parseInteger(text(id));
    if (!v || *v < 0) {
        cexRefuseField(*this, id, fw::dx_text::NotUnsigned);
        editAgain(id);
        return false;
    }
    // Counts below `low` get the page's own refusal; above `high` no design.
    if (*v > static_cast<long long>(high)) {
        cexRefuseField(*this, id, fw::integerBoundsText({double(low), double(high)}));
        editAgain(id);
        return false;
    }
    value = static_cast<unsigned>(*v);
    return true;
}

bool CCexyPropertyPage1::takeTorque(double P, double i, double eta, double n0, int mask) {
    if ((mask & kTorqueBits) != kTorqueBits) return true;
    const double tc = outputTorque(P, i, eta, n0);
    // Before the tooth counts are typed i is 0, and so is the torque; once
    // they are, it lies within its range (kTc).
    if (!kTc.admits(tc) || (i > 0 && !(tc > 0))) {
        fw::MessageBox(kMsgTorqueRange, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    m_Tc = tc;
    return true;
}

void CCexyPropertyPage1::refusal(const char* text) {
    fw::MessageBox(text, fw::MB_RETRYCANCEL | fw::MB_ICONEXCLAMATION);
}

void CCexyPropertyPage1::setHint(const std::string& text) {
    m_strHint = text;
    setText(IDC_HINT, text);
}

void CCexyPropertyPage1::showValues() { UpdateData(false); }

void CCexyPropertyPage1::setEfficiencyRange(double low, double high) {
    m_effLow = low;
    m_effHigh = high;
    showEfficiencyRange();
}

void CCexyPropertyPage1::showEfficiencyRange() {
    setText(IDC_ETA_LOW, fw::format("%.2f", m_effLow));
    setText(IDC_ETA_HIGH, fw::format("%.2f", m_effHigh));
}

void CCexyPropertyPage1::enablingRule() {
    const bool on = (m_inputMask & kTransmissionBits) == kTransmissionBits;
    for (int id : {IDC_K1_BUTTON, IDC_K1, IDC_K2_BUTTON, IDC_K2, IDC_RP_BUTTON, IDC_RP, IDC_RRP_BUTTON, IDC_RRP,
                   IDC_A_BUTTON, IDC_A})
        enable(id, on);
    if (on) {
        if (m_Rp > 0) {
            enable(IDC_BC_BUTTON, true);
            enable(IDC_BC, true);
        }
        setHint(kHintGeometry);
    } else {
        enable(IDC_BC_BUTTON, false);
        enable(IDC_BC, false);
        setHint(kHintTransmission);
    }
}

void CCexyPropertyPage1::afterInput() {
    enablingRule();
    Store();
    showValues();
}

// ---- texts ----

void CCexyPropertyPage1::OnKillfocusTitle() {
    std::string t = text(IDC_TITLE);
    if (t.empty()) return;
    putField(m_title, t);
    m_strTitle = fieldText(m_title);
    Store();
}

void CCexyPropertyPage1::OnKillfocusNumber() {
    std::string t = text(IDC_NUMBER);
    if (t.empty()) return;
    putField(m_number, t);
    m_strNumber = fieldText(m_number);
    Store();
}

void CCexyPropertyPage1::OnKillfocusDate() {
    putField(m_date, text(IDC_DATE));
    m_strDate = fieldText(m_date);
    Store();
}

void CCexyPropertyPage1::OnSetfocusDate() {
    m_strDate = fw::todayText();
    setText(IDC_DATE, m_strDate);
}

// ---- transmission inputs ----

void CCexyPropertyPage1::OnKillfocusZc() {
    unsigned v = m_Zc;
    if (!readCount(IDC_ZC, v, static_cast<unsigned>(kZc.lower()), static_cast<unsigned>(kZc.upper()))) return;
    if (v == m_Zc) return;
    if (v % 2 == 0) fw::MessageBox("建议摆线轮齿数应取奇数！", fw::MB_OK | fw::MB_ICONINFORMATION);
    if (v < 9) {
        refusal("一般摆轮齿数不宜小于9，所输入的齿数太少，\n使设计有困难，须重新给定！");
        showValues();
        return;
    }
    if (!takeTorque(m_P, v, m_eta, m_n0, m_inputMask | kBitZc | kBitZp)) {
        showValues();
        return;
    }
    m_Zc = v;
    m_Zp = v + 1;
    m_i = v;
    m_inputMask |= kBitZc | kBitZp;
    afterInput();
}

void CCexyPropertyPage1::OnKillfocusZp() {
    unsigned v = m_Zp;
    if (!readCount(IDC_ZP, v, static_cast<unsigned>(kZp.lower()), static_cast<unsigned>(kZp.upper()))) return;
    if (v == m_Zp) return;
    if (v % 2 == 1) fw::MessageBox("建议针齿数取偶数！", fw::MB_OK | fw::MB_ICONINFORMATION);
    if (v < 10) {
        refusal("一般针齿数不宜小于10，所输入的齿数太少，\n使设计有困难，须重新给定！");
        showValues();
        return;
    }
    if (!takeTorque(m_P, v - 1, m_eta, m_n0, m_inputMask | kBitZc | kBitZp)) {
        showValues();
        return;
    }
    m_Zp = v;
    m_Zc = v - 1;
    m_i = v - 1;
    m_inputMask |= kBitZc | kBitZp;
    afterInput();
}

void CCexyPropertyPage1::OnKillfocusP() {
    double v = m_P;
    if (!readField(IDC_P, v)) return;
    if (v == m_P) return;
    if (!(v > 0)) {
        refusal(kMsgInvalid);
        showValues();
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_P, v, givenQuantity(kP))) return;
    if (!takeTorque(v, m_i, m_eta, m_n0, m_inputMask | kBitP)) {
        showValues();
        return;
    }
    m_P = v;
    m_inputMask |= kBitP;
    afterInput();
}

void CCexyPropertyPage1::OnKillfocusN0() {
    double v = m_n0;
    if (!readField(IDC_N0, v)) return;
    if (v == m_n0) return;
    if (!(v > 0)) {
        refusal(kMsgInvalid);
        showValues();
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_N0, v, givenQuantity(kN0))) return;
    if (!takeTorque(m_P, m_i, m_eta, v, m_inputMask | kBitN0)) {
        showValues();
        return;
    }
    m_n0 = v;
    m_inputMask |= kBitN0;
    afterInput();
}

void CCexyPropertyPage1::OnKillfocusEta() {
    double v = m_eta;
    if (!readField(IDC_ETA, v)) return;
    if (v == m_eta && (m_inputMask & kBitEta)) return;
    // The efficiency's range (0.8 to 0.99): the page's two refusals.
    if (v > kEta.upper()) {   // what a loaded design may hold; above 1 it would raise the torque
        fw::MessageBox(kMsgEtaHigh, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        showValues();
        return;
    }
    if (v < kEta.lower()) {
        fw::MessageBox("机构效率估值太低！", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        showValues();
        return;
    }
    if (v > 0.8 && v < 0.85) {
        int answer = fw::MessageBox("机构效率估值太低！一般大于85%。", fw::MB_ABORTRETRYIGNORE | fw::MB_ICONQUESTION);
        if (answer == fw::IDABORT) {
            setEfficiencyRange(0.9, 0.95);
            showValues();
            return;
        }
        if (answer == fw::IDRETRY) {
            setFocus(IDC_ETA);
            setEfficiencyRange(0.85, 0.99);
        } else {
            setEfficiencyRange(0.8, 0.9);
        }
    } else {
        setEfficiencyRange(0.9, 0.95);
    }
    if (!takeTorque(m_P, m_i, v, m_n0, m_inputMask | kBitEta)) {
        showValues();
        return;
    }
    m_eta = v;
    m_sliderPos = positionFromValue({m_effLow, m_effHigh}, m_eta);
    m_inputMask |= kBitEta;
    afterInput();
}

void CCexyPropertyPage1::OnReleasedEtaSlider() {
    const int pos = trackbar(IDC_ETA_SLIDER).pos();
    const double eta = valueFromPosition({m_effLow, m_effHigh}, pos);
    if (!takeTorque(m_P, m_i, eta, m_n0, m_inputMask | kBitEta)) {
        trackbar(IDC_ETA_SLIDER).setPos(m_sliderPos);
        return;
    }
    m_sliderPos = pos;
    m_eta = eta;
    m_inputMask |= kBitEta;
    afterInput();
}

// ---- geometry ----

void CCexyPropertyPage1::OnK1Button() {
    Band band = k1Band(m_Zc);
    CDestCexdK1Dlg dlg(this);
    dlg.setRange(band.low, band.high);
    if (dlg.DoModal() == fw::IDOK) {
        const double a = m_Rp > 0 ? dlg.m_value * m_Rp / m_Zp : m_a;
        if (cexDerivedAdmitted({{&kA, a}})) {
            m_K1 = dlg.m_value;
            m_a = a;
        }
    }
    Store();
    showValues();
}

void CCexyPropertyPage1::OnK2Button() {
    Band band = k2Band(m_Zp);
    CDestCexdK2Dlg dlg(this);
    dlg.setRange(band.low, band.high);
    if (dlg.DoModal() == fw::IDOK) {
        m_K2 = dlg.m_value;
        if (m_K2 > 3.85)
            fw::MessageBox("针径系数偏大，你有足够的空间余地来增大针齿套半径！", fw::MB_OK | fw::MB_ICONINFORMATION);
        else if (m_K2 < 1.3)
            fw::MessageBox("针径系数较小，你可能对针齿壳设计需要采取抽齿方案！", fw::MB_OK | fw::MB_ICONINFORMATION);
    }
    Store();
    showValues();
}

void CCexyPropertyPage1::OnBcButton() {
    if (!(m_Rp > 0)) {
        fw::MessageBox(kMsgNoRp, fw::MB_OK | fw::MB_ICONERROR);
        return;
    }
    CDestCexdBcDlg dlg(this);
    dlg.setRange(0.1 * m_Rp, 0.2 * m_Rp);
    if (dlg.DoModal() == fw::IDOK) m_bc = dlg.m_value;
    Store();
    showValues();
}

void CCexyPropertyPage1::OnKillfocusBc() {
    double v = m_bc;
    if (!readField(IDC_BC, v)) return;
    if (v == m_bc) return;
    if (!(m_Rp > 0)) {
        fw::MessageBox(kMsgNoRp, fw::MB_OK | fw::MB_ICONERROR);
        showValues();
        return;
    }
    if (!(v > 0)) {
        refusal(kMsgInvalid);
        showValues();
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_BC, v, givenQuantity(kBc))) return;
    if (v / m_Rp < 0.1 || v / m_Rp > 0.2)
        fw::MessageBox(fw::format("建议齿宽在%.1f～%.1f之间取值。", 0.1 * m_Rp, 0.2 * m_Rp),
                       fw::MB_OK | fw::MB_ICONEXCLAMATION);
    m_bc = v;
    Store();
    showValues();
}

void CCexyPropertyPage1::OnRpButton() {
    Band range = rpRange(m_Tc);
    CDestCexdRpDlg dlg(this);
    dlg.setRange(range.low, range.high);
    setHint("按轴承钢材料取值。");
    if (dlg.DoModal() == fw::IDOK) {
        const double rp = dlg.m_value;
        const bool width = m_K1 > 0;
        const double a = width ? m_K1 * rp / m_Zp : m_a;
        const double k2 = m_Rrp > 0 ? pinCoefficient(m_Zp, rp, m_Rrp) : m_K2;
        if (cexDerivedAdmitted({{&kA, a}, {&kK2, k2}})) {
            m_Rp = rp;
            m_a = a;
            enable(IDC_BC_BUTTON, width);
            enable(IDC_BC, width);
            if (m_Rrp > 0) {
                m_K2 = k2;
                enable(IDC_K2_BUTTON, false);
            }
        }
    }
    Store();
    showValues();
}

void CCexyPropertyPage1::OnKillfocusRp() {
    const double old = m_Rp;
    double v = m_Rp;
    if (!readField(IDC_RP, v)) return;
    if (v == m_Rp) return;
    Band range = rpRange(m_Tc);
    if (!withinBand(range, v)) {
        // OK means "edit again": the value is not taken (it would leave K1
        // and K2 from the old Rp); Cancel puts the old one back.
        if (fw::MessageBox("针齿中心圆半径超出建议的范围！", fw::MB_OKCANCEL | fw::MB_ICONEXCLAMATION) == fw::IDOK)
            editAgain(IDC_RP);
        else
            setNumber(IDC_RP, old);
        enable(IDC_BC_BUTTON, m_Rp > 0);
        enable(IDC_BC, m_Rp > 0);
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_RP, v, givenQuantity(kRp))) return;
    // K1 and K2 follow the new radius: within their ranges, or nothing is taken.
    if (!cexDerivedAdmitted({{&kK1, m_a > 0 ? m_a * m_Zp / v : m_K1},
                             {&kK2, m_Rrp > 0 ? pinCoefficient(m_Zp, v, m_Rrp) : m_K2}})) {
        showValues();
        return;
    }
    m_Rp = v;
    enable(IDC_BC_BUTTON, true);
    enable(IDC_BC, true);
    if (m_a > 0) {
        m_K1 = m_a * m_Zp / m_Rp;
        if (m_K1 < 0.42 || m_K1 > 0.9)
            fw::MessageBox("检验短幅系数超出推荐范围，\n建议调整偏心距或针齿圆半径！", fw::MB_OK | fw::MB_ICONINFORMATION);
        enable(IDC_K1_BUTTON, false);
    }
    if (m_Rrp > 0) {
        m_K2 = pinCoefficient(m_Zp, m_Rp, m_Rrp);
        const char* note = nullptr;
        if (m_K2 < 0.99)
            note = "针径系数K2值太小，建议增大针齿圆半径或或减小针齿套半径！";
        else if (m_K2 <= 1.3)
            note = "针径系数K2值较小，可能要采取抽齿设计方案！";
        else if (m_K2 > 4)
            note = "有足够空间余地分布针齿，可增大针齿套半径或减小分布圆半径！";
        if (note) fw::MessageBox(note, fw::MB_OK | fw::MB_ICONINFORMATION);
    }
    enable(IDC_K2_BUTTON, false);
    Store();
    showValues();
}

void CCexyPropertyPage1::OnRrpButton() {
    if (!(m_Rp > 0) || !(m_K2 > 0)) {
        fw::MessageBox("请先确定针齿圆半径和针径系数！", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        enable(IDC_K2_BUTTON, true);
        return;
    }
    const double rrp = pinSleeveRadius(m_Zp, m_Rp, m_K2);
    if (!cexDerivedAdmitted({{&kRrp, rrp}})) return;
    m_Rrp = rrp;
    enable(IDC_K2_BUTTON, false);
    Store();
    showValues();
}

void CCexyPropertyPage1::OnKillfocusRrp() {
    double v = m_Rrp;
    if (!readField(IDC_RRP, v)) return;
    if (v == m_Rrp) return;
    if (!(m_Rp > 0)) {
        fw::MessageBox("请先确定针齿圆半径！", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        showValues();
        return;
    }
    if (!(v > 0)) {   // K2' would be infinite or negative
        refusal(kMsgInvalid);
        showValues();
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_RRP, v, givenQuantity(kRrp))) return;
    double k2 = pinCoefficient(m_Zp, m_Rp, v);
    if (k2 < 0.99) {
        fw::MessageBox("针齿套半径太大或分布圆太小，针齿壳设计有困难！", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        showValues();
        return;
    }
    if (!cexDerivedAdmitted({{&kK2, k2}})) {
        showValues();
        return;
    }
    if (k2 <= 1.3)
        fw::MessageBox("针径系数较小，可能要采取抽齿方案。", fw::MB_OK | fw::MB_ICONEXCLAMATION);
    else if (k2 > 3.85)
        fw::MessageBox("有足够空间余地分布针齿，可增大针齿套半径或减小rp设计！", fw::MB_OK | fw::MB_ICONEXCLAMATION);
    m_Rrp = v;
    m_K2 = k2;
    enable(IDC_K2_BUTTON, false);
    Store();
    showValues();
}

void CCexyPropertyPage1::OnAButton() {
    if (!(m_Rp > 0) || !(m_K1 > 0)) {
        fw::MessageBox(kMsgNeedRpK1, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    double a = m_Rp * m_K1 / m_Zp;
    if (a < kMinEccentricity) {
        fw::MessageBox(kMsgMinA, fw::MB_OK | fw::MB_ICONINFORMATION);
        m_a = kMinEccentricity;
    } else if (a >= kMaxEccentricity) {
        fw::MessageBox(kMsgMaxA, fw::MB_OK | fw::MB_ICONINFORMATION);
        m_a = kMaxEccentricity;
    } else if (auto n = eccentricityNeighbours(a)) {
        fw::MessageBox(fw::format(kMsgSeries, n->lower, n->upper), fw::MB_OK | fw::MB_ICONINFORMATION);
        CDestCexdADlg dlg(this);
        dlg.setChoices(n->upper, a, n->lower);
        if (dlg.DoModal() == fw::IDOK && cexDerivedAdmitted({{&kK1, m_Zp * dlg.chosen() / m_Rp}})) {
            m_a = dlg.chosen();
            m_K1 = m_Zp * m_a / m_Rp;
            enable(IDC_K1_BUTTON, false);
        }
    }
    Store();
    showValues();
}

void CCexyPropertyPage1::OnKillfocusA() {
    const double old = m_a;
    double v = m_a;
    if (!readField(IDC_A, v)) return;
    if (v == m_a) return;
    if (!(m_Rp > 0) || !(m_K1 > 0)) {
        fw::MessageBox(kMsgNeedRpK1, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        showValues();
        return;
    }
    if (v < kMinEccentricity) {
        setHint(kMsgMinA);
        m_a = kMinEccentricity;
    } else if (v >= kMaxEccentricity) {
        setHint(kMsgMaxA);
        m_a = kMaxEccentricity;
    } else {
        // K1 follows the new eccentricity: within its range, or a is not taken.
        if (!cexDerivedAdmitted({{&kK1, m_Zp * v / m_Rp}})) {
            showValues();
            return;
        }
        if (betweenStandardEccentricities(v)) {
            auto n = eccentricityNeighbours(v);
            setHint(fw::format(kMsgSeries, n->lower, n->upper));
        }
        m_a = v;
        const double k1 = m_Zp * v / m_Rp;
        Band band = k1Band(m_Zc);
        bool accept = true;
        if (k1 < band.low || k1 > band.high) {
            int answer = fw::MessageBox(k1 < band.low ? "检查短幅系数小于最小推荐值，是否增大偏心距？"
                                                      : "检查短幅系数大于最大推荐值，是否减小偏心距？",
                                        fw::MB_ABORTRETRYIGNORE | fw::MB_ICONQUESTION);
            if (answer == fw::IDABORT) {
                m_a = old;
                accept = false;
            } else if (answer == fw::IDRETRY) {
                // Edit again: the value is not taken, K1 stays with the old a.
                m_a = old;
                editAgain(IDC_A);
                accept = false;
            }
        }
        if (accept) {
            m_K1 = k1;
            enable(IDC_K1_BUTTON, false);
        }
    }
    Store();
    showValues();
}

// ---- loading ----

void CCexyPropertyPage1::takeBlock1() {
    const CexBlock1& b = g_cexRecord.b1;
    m_title = b.title;
    m_number = b.number;
    m_date = b.date;
    m_strTitle = fieldText(m_title);
    m_strNumber = fieldText(m_number);
    m_strDate = fieldText(m_date);
    m_a = b.a;
    m_bc = b.bc;
    m_i = b.i;
    m_K1 = b.K1;
    m_K2 = b.K2;
    m_P = b.P;
    m_n0 = b.n0;
    m_Rp = b.Rp;
    m_Rrp = b.Rrp;
    m_Tc = b.Tc;
    m_Zp = b.Zp;
    m_Zc = b.Zc;
    m_eta = b.eta;
    m_inputMask = 0;
    if (m_P > 0) m_inputMask |= kBitP;
    if (m_n0 > 0) m_inputMask |= kBitN0;
    if (m_Tc > 0) m_inputMask |= kBitEta;
    if (m_Zp > 0) m_inputMask |= kBitZc;
    if (m_Zc > 0) m_inputMask |= kBitZp;
    if (m_eta > 0) m_inputMask |= kBitEtaLoaded;
    if (loadedEfficiency(m_eta) != m_eta) {
        m_eta = loadedEfficiency(m_eta);
        m_strHint = "原定机构效率不合理，请重新调整。";
        // The torque follows the efficiency that replaces the stored one.
        if (m_P > 0 && m_n0 > 0 && m_i > 0) m_Tc = outputTorque(m_P, m_i, m_eta, m_n0);
    }
    Band r = loadedEfficiencyRange(m_eta);
    m_effLow = r.low;
    m_effHigh = r.high;
    m_sliderPos = positionFromValue(r, m_eta);
}

void CCexyPropertyPage1::OnLoad() {
    CexLoad r = cexLoadDesign(this);
    if (r == CexLoad::Incomplete) {
        if (g_pCexySheet) g_pCexySheet->SetWizardButtons(kWizDisabledFinish);
        return;
    }
    if (r != CexLoad::Loaded) return;
    takeBlock1();
    showEfficiencyRange();
    const std::string hint = m_strHint;
    enablingRule();
    if (hint == "原定机构效率不合理，请重新调整。") setHint(hint);
    StoreDecision d = Store();
    if (g_pCexySheet) g_pCexySheet->SetWizardButtons(d.status == kStatus1 ? kWizNext : kWizDisabledFinish);
    showValues();
}
