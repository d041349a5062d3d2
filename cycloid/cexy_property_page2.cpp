#include "cycloid/cexy_property_page2.h"

#include <cmath>

#include "common/dialogs/quantity_field.h"
#include "cycloid/ccdest_part_mat_dlg.h"
#include "cycloid/cdest_part_di_dlg.h"
#include "cycloid/cexy_property_sheet.h"
#include "fw/format.h"

using namespace cycloid;
namespace q = cycloid::cex_q;
using P2 = CCexyPropertyPage2;

namespace {
constexpr const char* kMsgTooBig = "机型超大，超出程序设计范围，若需要扩充，\n请与开发者联系。";
constexpr const char* kX1Items[] = {"2", "3"};
constexpr int kX2Values[] = {6, 8, 10, 12, 16};
// What the buttons compute must be given, within its range.
constexpr kavrin::Quantity givenDfc = givenQuantity(q::kDfc), givenDw = givenQuantity(q::kDw),
                           givenDac = givenQuantity(q::kDac), givenDwHole = givenQuantity(q::kDwHole);
int x2Index(int x2) {
    for (int k = 0; k < 5; ++k)
        if (kX2Values[k] == x2) return k;
    return -1;
}
}  // namespace

CCexyPropertyPage2::CCexyPropertyPage2() : CexyWizardPage(IDD, 2) {
    onKillFocus(IDC_DSP, [this] { OnKillfocusDsp(); });
    onKillFocus(IDC_L, [this] { OnKillfocusL(); });
    onSelChange(IDC_X1, [this] { OnSelchangeX1(); });
    onSelChange(IDC_X2, [this] { OnSelchangeX2(); });
    onKillFocus(IDC_DJ, [this] { OnKillfocusDj(); });
    onKillFocus(IDC_DT, [this] { OnKillfocusDt(); });
    onKillFocus(IDC_DI, [this] { OnKillfocusDi(); });
    onKillFocus(IDC_DW_CIRCLE, [this] { OnKillfocusDw(); });
    onKillFocus(IDC_DSW, [this] { OnKillfocusDsw(); });
    onKillFocus(IDC_DRW, [this] { OnKillfocusDrw(); });
    onClick(IDC_DJ_BUTTON, [this] { OnDjButton(); });
    onClick(IDC_DFC_BUTTON, [this] { OnDfcButton(); });
    onClick(IDC_DAC_BUTTON, [this] { OnDacButton(); });
    onClick(IDC_DW_CIRCLE_BUTTON, [this] { OnDwButton(); });
    onClick(IDC_DSW_BUTTON, [this] { OnDswButton(); });
    onClick(IDC_DW_HOLE_BUTTON, [this] { OnDwHoleButton(); });
    onClick(IDC_PINS_LEFT_OUT, [this] { OnPinsLeftOut(); });
}

void CCexyPropertyPage2::DoDataExchange(fw::Exchange& dx) {
    if (dx.saving()) return;   // every value is taken by its own handler
    dx.number(IDC_DRP, m_drp);
    kavrin::number(dx, IDC_DSP, m_dsp, q::kDsp);
    kavrin::number(dx, IDC_L, m_l, givenQuantity(q::kL));
    dx.number(IDC_DP, m_dp);
    dx.number(IDC_DJ, m_dj);
    dx.number(IDC_DFC, m_dfc);
    dx.number(IDC_DAC, m_dac);
    kavrin::number(dx, IDC_DI, m_Di, givenQuantity(q::kDi));
    kavrin::number(dx, IDC_DW_CIRCLE, m_Dw, givenQuantity(q::kDw));
    kavrin::number(dx, IDC_DT, m_dt, q::kDt);
    kavrin::number(dx, IDC_DSW, m_dsw, givenQuantity(q::kDsw));
    kavrin::number(dx, IDC_DRW, m_drw, givenQuantity(q::kDrw));
    dx.number(IDC_DW_HOLE, m_dw);
    dx.number(IDC_EI, m_EI);
    dx.number(IDC_ES, m_ES);
    dx.integer(IDC_NZ, m_Nz);
    dx.number(IDC_QMAX, m_Qmax);
    dx.number(IDC_EPS, m_epsMax);
    dx.number(IDC_SF, m_Sf);
    dx.check(IDC_PINS_LEFT_OUT, m_pinsLeftOut);
    dx.text(IDC_HINT, m_strHint);
    int x1 = m_X1 == 3 ? 1 : 0;
    dx.comboIndex(IDC_X1, x1);
    int x2 = x2Index(m_X2);
    dx.comboIndex(IDC_X2, x2);
}

bool CCexyPropertyPage2::OnInitDialog() {
    if (m_X1 == 0) m_X1 = 2;
    if (m_X2 == 0) m_X2 = 6;
    return fw::PropertyPage::OnInitDialog();
}

CCexyPropertyPage2::Basis CCexyPropertyPage2::basisOf(const CexDesignRecord& r) {
    const CexBlock1& b = r.b1;
    return {b.a, b.bc, b.Rp, b.Rrp, b.Tc};
}

CCexyPropertyPage2::Basis CCexyPropertyPage2::currentBasis() { return basisOf(g_cexRecord); }

void CCexyPropertyPage2::takeBlock2() {
    const CexBlock2& b = g_cexRecord.b2;
    m_dac = b.dac;
    m_dt = b.dt;
    m_Dw = b.Dw;
    m_dfc = b.dfc;
    m_Di = b.dDi;
    m_drw = b.drw;
    m_dsp = b.dsp;
    m_dsw = b.dsw;
    m_EI = b.EI_dw;
    m_ES = b.ES_dw;
    m_dj = b.dj;
    m_dw = b.dw;
    m_l = b.l;
    if (b.X1 == 2 || b.X1 == 3) m_X1 = b.X1;
    if (x2Index(b.X2) >= 0) m_X2 = b.X2;
    if (b.Kw > 0) m_Kw = b.Kw;
    if (b.sigmaFlim > 0) m_sigmaFlim = b.sigmaFlim;
    m_Sf = b.Sf;
    m_epsMax = b.epsMax;
    m_Qmax = b.Qmax;
    m_pinsLeftOut = b.pinsLeftOut;
    m_Nz = b.Nz;
    m_inputMask = 0;
    const std::pair<double, int> bits[] = {{m_dj, kDj},   {m_dfc, kDfc}, {m_dac, kDac}, {m_Dw, kDw},
                                           {m_dsw, kDsw}, {m_drw, kDrw}, {m_dw, kDwHole}};
    for (auto [v, bit] : bits)
        if (v > 0) m_inputMask |= bit;
    if (!(m_Di > 0)) m_inputMask &= ~kDw;
}

bool CCexyPropertyPage2::OnSetActive() {
    const CexBlock1& b1 = g_cexRecord.b1;
    // The first visit takes what the record holds (a loaded or earlier design).
    if (!m_hasBasis) {
        takeBlock2();
        // Results of an incomplete block are not taken as they are; those of
        // a complete one stand for the values they were made from.
        if (g_cexRecord.b2.status != kStatus2) m_inputMask &= kDrp | kDp | kDsp | kL;
        m_basis = basisOf(cexMadeFrom(2));
        m_hasBasis = true;
    }
    if (!(m_basis == currentBasis())) {
        // Page 1 changed what these results were computed from.
        m_inputMask &= kDrp | kDp | kDsp | kL;
        m_basis = currentBasis();
    }
    const bool thin = b1.K2 < 1.3;
    enable(IDC_PINS_LEFT_OUT, thin);
    m_pinsLeftOut = thin ? g_cexRecord.b2.pinsLeftOut : 0;
    m_drp = 2 * b1.Rrp;
    m_dp = 2 * b1.Rp;
    m_dsp = g_cexRecord.b2.dsp;
    auto setBit = [this](int bit, bool on) { m_inputMask = on ? (m_inputMask | bit) : (m_inputMask & ~bit); };
    setBit(kDrp, m_drp > 0);
    setBit(kDp, m_dp > 0);
    setBit(kDsp, m_dsp > 0);
    const int proposed = proposedOutputPins(m_dp);
    if (proposed != m_X2) invalidate(kDsw | kDrw | kDwHole);
    m_X2 = proposed;
    if (g_cexRecord.b2.l > 0)
        m_l = g_cexRecord.b2.l;
    else
        m_l = (m_X1 == 3 ? 4 : 3.5) * b1.bc;
    m_inputMask |= kL;
    enablingRule();
    Store();
    UpdateData(false);
    return fw::PropertyPage::OnSetActive();
}

bool CCexyPropertyPage2::resultsCurrent() const {
    return (m_inputMask & kAll) == kAll && m_hasBasis && m_basis == currentBasis();
}

void CCexyPropertyPage2::storeValues() {
    CexBlock2& b = g_cexRecord.b2;
    b.dac = m_dac;
    b.dt = m_dt;
    b.Dw = m_Dw;
    b.dfc = m_dfc;
    b.dDi = m_Di;
    b.dp = m_dp;
    b.drp = m_drp;
    b.drw = m_drw;
    b.dsp = m_dsp;
    b.dsw = m_dsw;
    b.EI_dw = m_EI;
    b.ES_dw = m_ES;
    b.dj = m_dj;
    b.dw = m_dw;
    b.l = m_l;
    b.X1 = m_X1;
    b.X2 = m_X2;
    b.Qmax = m_Qmax;
    b.Nz = m_Nz;
    b.epsMax = m_epsMax;
    b.Sf = m_Sf;
    b.sigmaFlim = m_sigmaFlim;
    b.Kw = m_Kw;
    b.pinsLeftOut = m_pinsLeftOut ? 1 : 0;
}

// ---- helpers ----

void CCexyPropertyPage2::setHint(const std::string& text) {
    m_strHint = text;
    setText(IDC_HINT, text);
}

void CCexyPropertyPage2::enablingRule() {
    for (int id : {IDC_DJ_BUTTON, IDC_DJ, IDC_DFC_BUTTON, IDC_DAC_BUTTON, IDC_DW_CIRCLE_BUTTON, IDC_DW_CIRCLE,
                   IDC_DSW_BUTTON, IDC_DSW, IDC_DRW, IDC_DW_HOLE, IDC_DW_HOLE_BUTTON})
        enable(id, false);
    std::string hint;
    const int m = m_inputMask;
    auto has = [m](int bits) { return (m & bits) == bits; };
    if (has(0x0F)) {
        enable(IDC_DJ_BUTTON, true);
        enable(IDC_DJ, true);
        hint = "预定摆线针轮副所需的径向间隙。";
    }
    if (has(0x1F)) {
        enable(IDC_DFC_BUTTON, true);
        enable(IDC_DAC_BUTTON, true);
        hint = "计算摆线轮齿根圆、齿顶圆....";
    }
    if (has(0x7F)) {
        enable(IDC_DW_CIRCLE_BUTTON, true);
        enable(IDC_DW_CIRCLE, true);
        hint = "确定柱销孔分布圆直径、柱销数和轴承安装孔直径...";
    }
    if (has(0xFF)) {
        enable(IDC_DSW_BUTTON, true);
        enable(IDC_DSW, true);
        hint = "计算柱销直径。";
    }
    if (has(0x1FF)) {
        enable(IDC_DRW, true);
        hint = "输入柱销套外径。";
    }
    if (has(0x3FF)) {
        enable(IDC_DW_HOLE, true);
        enable(IDC_DW_HOLE_BUTTON, true);
        hint = "计算柱销孔直径。";
    }
    setHint(hint);
}

void CCexyPropertyPage2::after() {
    Store();
    enablingRule();
    UpdateData(false);
}

void CCexyPropertyPage2::invalidate(int bits) { m_inputMask &= ~bits; }

OutputPinInputs CCexyPropertyPage2::pinInputs() const {
    const CexBlock1& b1 = g_cexRecord.b1;
    OutputPinInputs in;
    in.a = b1.a;
    in.Di = m_Di;
    in.Dw = m_Dw;
    in.dfc = m_dfc;
    in.dp = m_dp;
    in.X2 = m_X2;
    in.X1 = m_X1;
    in.Tc = b1.Tc;
    in.bc = b1.bc;
    in.l = m_l;
    in.mu = m_mu;
    in.E = m_E;
    in.sigmaFlim = m_sigmaFlim;
    in.Kw = m_Kw;
    return in;
}

// ---- edits and combos ----

void CCexyPropertyPage2::OnKillfocusDsp() {
    double v = m_dsp;
    if (!readField(IDC_DSP, v) || v == m_dsp) return;
    if (!kavrin::takeInRange(*this, IDC_DSP, v, q::kDsp)) return;
    const double ratio = (m_drp + v) / (2 * m_drp);
    if (ratio < 0.75)
        fw::MessageBox(fw::format("针齿销偏小，恐怕刚性不足!\n建议针齿销直径在%.0f～%.0f之间", 0.8 * m_drp, 0.9 * m_drp),
                       fw::MB_OK | fw::MB_ICONEXCLAMATION);
    else if (ratio > 0.9 && ratio != 1)
        fw::MessageBox("恐怕针齿套太薄，若考虑针销不宜减小，可取消外套(dsp=drp)。", fw::MB_OK | fw::MB_ICONINFORMATION);
    m_dsp = v;
    m_inputMask |= kDsp;
    after();
}

void CCexyPropertyPage2::OnKillfocusL() {
    double v = m_l;
    if (!readField(IDC_L, v) || v == m_l) return;
    if (!(v > 0)) {
        fw::MessageBox("针齿销的支承跨距必须大于0，输入数据无效！", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        UpdateData(false);
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_L, v, givenQuantity(q::kL))) return;
    m_l = v;
    m_inputMask |= kL;
    invalidate(kDsw | kDrw | kDwHole);
    after();
}

void CCexyPropertyPage2::OnSelchangeX1() {
    int sel = combo(IDC_X1).curSel();
    if (sel < 0) return;
    m_X1 = sel == 1 ? 3 : 2;
    m_l = 3.5 * g_cexRecord.b1.bc;
    invalidate(kDsw | kDrw | kDwHole);
    after();
    setHint(fw::format("针齿销支承点数为:%d,针齿销支承跨距约调整为:%.0f", m_X1, m_l));
}

void CCexyPropertyPage2::OnSelchangeX2() {
    int sel = combo(IDC_X2).curSel();
    if (sel < 0 || sel > 4) return;
    if (kX2Values[sel] != m_X2) invalidate(kDsw | kDrw | kDwHole);
    m_X2 = kX2Values[sel];
    after();
}

void CCexyPropertyPage2::OnKillfocusDj() {
    double v = m_dj;
    if (!readField(IDC_DJ, v) || v == m_dj) return;
    if (!given(q::kPresetDj).admits(v)) {   // above 0.02 and at most 1 mm
        fw::MessageBox("给出的预定间隙太小，\n建议先执行左边的按纽，\n从得到的推荐值略作调整。", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        invalidate(kDj);
        UpdateData(false);
        enablingRule();
        Store();
        return;
    }
    m_dj = v;
    m_inputMask |= kDj;
    invalidate(kDfc | kDac | kDw | kDsw | kDrw | kDwHole);
    after();
}

void CCexyPropertyPage2::OnKillfocusDt() {
    double v = m_dt;
    if (!readField(IDC_DT, v) || v == m_dt) return;
    if (!kavrin::takeInRange(*this, IDC_DT, v, q::kDt)) return;
    if (v > g_cexRecord.b1.bc / 2 &&
        fw::MessageBox("建议间隔环厚度不大于0.5倍摆线轮厚度！\n是(Yes)否(No)重选？", fw::MB_YESNO | fw::MB_ICONQUESTION) ==
            fw::IDYES) {
        UpdateData(false);
        return;
    }
    m_dt = v;
    after();
}

void CCexyPropertyPage2::OnKillfocusDi() {
    double v = m_Di;
    if (!readField(IDC_DI, v) || v == m_Di) return;
    if (v < 0.4 * m_dp || v > 0.5 * m_dp) {
        fw::MessageBox(fw::format("轴承孔直径请在%.1f～%.1fmm范围选择！", 0.4 * m_dp, 0.5 * m_dp), fw::MB_OK | fw::MB_ICONEXCLAMATION);
        UpdateData(false);
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_DI, v, givenQuantity(q::kDi))) return;
    m_Di = v;
    invalidate(kDsw | kDrw | kDwHole);
    after();
}

void CCexyPropertyPage2::OnKillfocusDw() {
    double v = m_Dw;
    if (!readField(IDC_DW_CIRCLE, v) || v == m_Dw) return;
    if (!(m_Di > 0)) {
        fw::MessageBox("请先用按纽启动计算得到优化值，必要时作微量调整。", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        UpdateData(false);
        return;
    }
    if (v < 0.9 * (0.4 * m_dp + m_dfc) / 2 || v > 1.1 * (m_dfc + 0.5 * m_dp) / 2) {
        fw::MessageBox("给定的柱销孔分布圆直径偏离推荐值太多，请按推荐值选用", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        UpdateData(false);
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_DW_CIRCLE, v, givenQuantity(q::kDw))) return;
    m_Dw = v;
    m_inputMask |= kDw;
    invalidate(kDsw | kDrw | kDwHole);
    after();
}

void CCexyPropertyPage2::singlePass(const char* lowSafetyFormat, double shownDiameter) {
    (void)shownDiameter;
    auto r = checkOutputPins(pinInputs(), m_drw, m_dsw, m_Qmax);
    if (!r) return;
    m_epsMax = r->epsMax;
    m_Qmax = r->Qmax;
    m_Nz = r->Nz;
    m_Sf = r->Sf;
    if (m_Sf < 1) fw::MessageBox(fw::format(lowSafetyFormat, shownDiameter, m_Sf), fw::MB_OK | fw::MB_ICONINFORMATION);
}

void CCexyPropertyPage2::OnKillfocusDsw() {
    double v = m_dsw;
    if (!readField(IDC_DSW, v) || v == m_dsw) return;
    if (!(m_drw > 0)) {
        fw::MessageBox("请用按纽启动计算得到优化值，必要时作微量调整。", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        invalidate(kDsw);
        UpdateData(false);
        return;
    }
    if (!(m_Qmax > 0)) {
        fw::MessageBox("请先点击计算按纽初步确定dsw值，以后再作调整。", fw::MB_OK | fw::MB_ICONINFORMATION);
        UpdateData(false);
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_DSW, v, givenQuantity(q::kDsw))) return;
    if (!checkOutputPins(pinInputs(), m_drw, v, m_Qmax)) {
        fw::MessageBox(kMsgNoPinResult, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        UpdateData(false);
        return;
    }
    m_dsw = v;
    singlePass("结构设计所分配的柱销直径为：%.2fmm,\n抗弯安全系数仅%.2f,\n需要调整机构尺寸。", m_dsw);
    if ((m_drw + m_dsw) / 2 / m_drw > 0.9) m_strHint = "柱销直径调整较大，请注意注销套是否太薄！";
    m_inputMask |= kDsw;
    const std::string hint = m_strHint;
    after();
    if (hint == "柱销直径调整较大，请注意注销套是否太薄！") setHint(hint);
}

void CCexyPropertyPage2::OnKillfocusDrw() {
    double v = m_drw;
    if (!readField(IDC_DRW, v) || v == m_drw) return;
    if (!(m_dsw > 0)) {
        fw::MessageBox("请用按纽启动计算得到优化值，必要时作微量调整。", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        invalidate(kDrw);
        UpdateData(false);
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_DRW, v, givenQuantity(q::kDrw))) return;
    if (!checkOutputPins(pinInputs(), v, m_dsw, m_Qmax)) {
        fw::MessageBox(kMsgNoPinResult, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        UpdateData(false);
        return;
    }
    if ((m_dsw + v) / 2 / v > 0.9)
        fw::MessageBox("柱销套直径被调整偏小，应注意检查柱销套是否太薄？", fw::MB_OK | fw::MB_ICONINFORMATION);
    m_drw = v;
    singlePass("结构设计所分配的柱销直径为：%.2fmm,\n抗弯安全系数仅%.2f,\n需要调整机构尺寸。", m_dsw);
    m_inputMask |= kDrw;
    invalidate(kDwHole);
    after();
}

// ---- buttons ----

void CCexyPropertyPage2::OnDjButton() {
    auto dj = presetRadialClearance(m_drp, m_dp, g_cexRecord.b1.a);
    if (!dj) {
        fw::MessageBox(kMsgTooBig, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    if (*dj != m_dj) invalidate(kDfc | kDac | kDw | kDsw | kDrw | kDwHole);
    m_dj = *dj;
    m_inputMask |= kDj;
    after();
}

void CCexyPropertyPage2::OnDfcButton() {
    const double dfc = rootDiameter(m_dp, g_cexRecord.b1.a, m_drp, m_dj);
    const double Dw = proposedPinHoleCircle(m_dp, dfc);
    if (!cexDerivedAdmitted({{&givenDfc, dfc}, {&givenDw, Dw}})) return;
    m_dfc = dfc;
    m_Dw = Dw;
    m_inputMask |= kDfc;
    invalidate(kDw | kDsw | kDrw | kDwHole);
    after();
}

void CCexyPropertyPage2::OnDacButton() {
    const double dac = tipDiameter(m_dp, g_cexRecord.b1.a, m_drp, m_dj);
    if (!cexDerivedAdmitted({{&givenDac, dac}})) return;
    m_dac = dac;
    m_inputMask |= kDac;
    after();
}

void CCexyPropertyPage2::OnDwButton() {
    CDestPartDiDlg dlg(this);
    dlg.setRange(0.4 * m_dp, 0.5 * m_dp);
    if (dlg.DoModal() == fw::IDOK) {
        m_Di = dlg.m_Di;
        if (m_Di == 0.4 * m_dp)
            setHint("轴承安装孔直径已经是最小选择！");
        else if (m_Di == 0.5 * m_dp)
            setHint("轴承安装孔直径已经是最大选择！");
        else
            setHint("");
    } else if (!(m_Dw > 0) || !(m_Di > 0)) {
        fw::MessageBox("未确定摆线轮轴承孔直径，不能用计算确定\n柱销分布圆直径推荐值！", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        invalidate(kDw);
        enablingRule();
        Store();
        return;
    }
    if (!cexDerivedAdmitted({{&givenDw, (m_dfc + m_Di) / 2}})) {
        invalidate(kDw);
        enablingRule();
        Store();
        return;
    }
    m_Dw = (m_dfc + m_Di) / 2;
    m_inputMask |= kDw;
    invalidate(kDsw | kDrw | kDwHole);
    const std::string hint = m_strHint;
    after();
    if (!hint.empty()) setHint(hint);
}

void CCexyPropertyPage2::OnDswButton() {
    CCDestPartMatDlg dlg(this);
    dlg.m_mu = m_mu;
    dlg.m_E = m_E;
    dlg.m_sigmaF = m_sigmaFlim;
    dlg.m_Kw = m_Kw;
    if (dlg.DoModal() != fw::IDOK) {
        fw::MessageBox("为优化确定柱销直径必须先选定并确认材料性能！", fw::MB_OK | fw::MB_ICONINFORMATION);
        return;
    }
    if (m_X2 == 0 || !(m_Dw > 0)) {
        fw::MessageBox("未确定柱销中心分布圆直径和柱销个数，\n暂无法优化确定柱销直径!", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    OutputPinInputs in = pinInputs();
    in.mu = dlg.m_mu;
    in.E = dlg.m_E;
    in.sigmaFlim = dlg.m_sigmaF;
    in.Kw = dlg.m_Kw;
    auto r = designOutputPins(in);
    if (!r) {
        fw::MessageBox(kMsgNoPinResult, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    m_mu = in.mu;
    m_E = in.E;
    m_sigmaFlim = in.sigmaFlim;
    m_Kw = in.Kw;
    m_drw = r->drw;
    m_dsw = r->dsw;
    m_Qmax = r->Qmax;
    m_epsMax = r->epsMax;
    m_Nz = r->Nz;
    m_Sf = r->Sf;
    if (m_Sf < 1)
        fw::MessageBox(fw::format("结构设计所分配的柱销套直径为：%.2fmm,\n抗弯安全系数仅%.2f,\n需要调整机构尺寸。", m_drw, m_Sf),
                       fw::MB_OK | fw::MB_ICONINFORMATION);
    m_inputMask |= kDsw | kDrw;
    invalidate(kDwHole);
    after();
}

void CCexyPropertyPage2::OnDwHoleButton() {
    const double dw = pinHoleDiameter(g_cexRecord.b1.a, m_drw, m_dp);
    if (!cexDerivedAdmitted({{&givenDwHole, dw}})) return;
    m_dw = dw;
    m_ES = pinHoleUpperDeviation(m_dw);
    m_EI = 0;
    m_inputMask |= kDwHole;
    after();
    setHint("摆线轮上柱销孔公差采用H7，若采用其它请在图面设计决定。");
}

void CCexyPropertyPage2::OnPinsLeftOut() {
    m_pinsLeftOut = checked(IDC_PINS_LEFT_OUT) ? 1 : 0;
    g_cexRecord.b2.pinsLeftOut = m_pinsLeftOut;
    Store();
}
