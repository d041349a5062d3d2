#include "cycloid/cexy_property_page6.h"

#include <algorithm>
#include <cmath>

#include "common/dialogs/quantity_field.h"
#include "cycloid/ccdest_part_mat_dlg.h"
#include "cycloid/cexy_property_sheet.h"
#include "fw/format.h"

using namespace cycloid;
namespace q = cycloid::cex_q;

namespace {
bool sameInputs(const StrengthInputs& x, const StrengthInputs& y) {
    return x.K1 == y.K1 && x.Zc == y.Zc && x.Zp == y.Zp && x.bc == y.bc && x.rp == y.rp && x.rrp == y.rrp &&
           x.a == y.a && x.dsp == y.dsp && x.Lp == y.Lp && x.X1 == y.X1 && x.pinsLeftOut == y.pinsLeftOut &&
           x.drrp == y.drrp && x.drp == y.drp && x.E == y.E && x.mu == y.mu && x.sigmaHp == y.sigmaHp &&
           x.sigmaFp == y.sigmaFp && x.To == y.To;
}
}  // namespace

CCexyPropertyPage6::CCexyPropertyPage6() : CexyWizardPage(IDD, 6) {
    onClick(IDC_FETCH, [this] { OnFetch(); });
    onClick(IDC_CALC, [this] { OnCalc(); });
    onKillFocus(IDC_E, [this] { OnKillfocusMaterial(IDC_E, m_E, kE, q::kE); });
    onKillFocus(IDC_MU, [this] { OnKillfocusMaterial(IDC_MU, m_mu, kMu, q::kMu); });
    onKillFocus(IDC_SHP, [this] { OnKillfocusMaterial(IDC_SHP, m_sigmaHp, kShp, q::kSigmaHp); });
    onKillFocus(IDC_SFP, [this] { OnKillfocusMaterial(IDC_SFP, m_sigmaFp, kSfp, q::kSigmaFp); });
    onKillFocus(IDC_TO, [this] { OnKillfocusTo(); });
}

void CCexyPropertyPage6::DoDataExchange(fw::Exchange& dx) {
    if (dx.saving()) return;   // every value is taken by its own handler
    dx.number(IDC_K1, m_K1);
    dx.unsignedInt(IDC_ZC, m_Zc);
    dx.unsignedInt(IDC_ZP, m_Zp);
    dx.number(IDC_BC, m_bc);
    dx.number(IDC_RP, m_rp);
    dx.number(IDC_RRP, m_rrp);
    dx.number(IDC_DSP, m_dsp);
    dx.number(IDC_LP, m_Lp);
    dx.integer(IDC_X1, m_X1);
    dx.number(IDC_DRRP, m_drrp);
    dx.number(IDC_DRP, m_drp);
    kavrin::number(dx, IDC_E, m_E, givenQuantity(q::kE));
    kavrin::number(dx, IDC_MU, m_mu, givenQuantity(q::kMu));
    kavrin::number(dx, IDC_SHP, m_sigmaHp, givenQuantity(q::kSigmaHp));
    kavrin::number(dx, IDC_SFP, m_sigmaFp, givenQuantity(q::kSigmaFp));
    kavrin::number(dx, IDC_TO, m_To, givenQuantity(q::kTo));
    dx.number(IDC_DMAX, m_deltaMax);
    dx.number(IDC_FMAX, m_fmax);
    dx.integer(IDC_ZN, m_Zn);
    dx.number(IDC_SIGMA_H, m_sigmaH);
    dx.number(IDC_SH, m_SH);
    dx.number(IDC_SIGMA_F, m_sigmaF);
    dx.number(IDC_SF, m_SF);
    dx.number(IDC_THETA, m_theta);
    dx.text(IDC_HINT, m_strHint);
}

StrengthInputs CCexyPropertyPage6::inputs() const {
    StrengthInputs in;
    in.K1 = m_K1;
    in.Zc = m_Zc;
    in.Zp = m_Zp;
    in.bc = m_bc;
    in.rp = m_rp;
    in.rrp = m_rrp;
    in.a = g_cexRecord.b1.a;
    in.dsp = m_dsp;
    in.Lp = m_Lp;
    in.X1 = m_X1;
    in.pinsLeftOut = g_cexRecord.b2.pinsLeftOut == 1;
    in.drrp = m_drrp;
    in.drp = m_drp;
    in.E = m_E;
    in.mu = m_mu;
    in.sigmaHp = m_sigmaHp;
    in.sigmaFp = m_sigmaFp;
    in.To = m_To;
    return in;
}

namespace {
// Whether the check of `in` gives the results of block 6 again.
bool sameResults(const StrengthInputs& in, const CexBlock6& b) {
    if (in.X1 != 2 && in.X1 != 3) return false;
    const auto r = strengthCheck(in);
    auto close = [](double x, double y) { return std::fabs(x - y) <= 1e-4 * std::max(std::fabs(x), std::fabs(y)); };
    return r && r->Zn == b.Zn && close(r->fmax, b.Fmax) && close(r->sigmaH, b.sigmaH) && close(r->SH, b.SH) &&
           close(r->sigmaF, b.sigmaF) && close(r->SF, b.SF);
}
}  // namespace

bool CCexyPropertyPage6::OnSetActive() {
    const CexBlock1& b1 = g_cexRecord.b1;
    const CexBlock2& b2 = g_cexRecord.b2;
    const CexBlock4& b4 = g_cexRecord.b4;
    m_bc = b1.bc;
    m_K1 = b1.K1;
    m_rp = b1.Rp;
    m_rrp = b1.Rrp;
    m_To = b1.Tc;
    m_Zc = b1.Zc;
    m_Zp = b1.Zp;
    m_dsp = b2.dsp;
    m_Lp = b2.l;
    m_drp = b4.drp;
    m_drrp = b4.drrp;
    m_X1 = b2.X1;
    const bool ok = m_bc > 0 && m_dsp > 0 && m_drp > 0 && m_drrp > 0 && m_K1 > 0 && m_K1 < 1 && m_Lp > 0 &&
                    m_rp > 0 && m_rrp > 0 && m_To > 0 && m_Zc != 0 && m_Zp != 0 && m_Zc < m_Zp && m_X1 != 0;
    if (!ok) {
        fw::MessageBox(m_drp == 0 || m_drrp == 0 ? kMsgNoModification : kMsgBadData, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    const CexBlock6& b6 = g_cexRecord.b6;
    if (!m_hasResult && b6.status == kStatus6) {
        // A loaded or earlier design: its results stand for the values they were made with.
        m_E = b6.E;
        m_mu = b6.mu;
        m_sigmaHp = b6.sigmaHp;
        m_sigmaFp = b6.sigmaFp;
        m_deltaMax = b6.deltaMax;
        m_fmax = b6.Fmax;
        m_Zn = b6.Zn;
        m_sigmaH = b6.sigmaH;
        m_SH = b6.SH;
        m_sigmaF = b6.sigmaF;
        m_SF = b6.SF;
        m_theta = b6.theta;
        // The record's values these results were made from.
        const CexDesignRecord& from = cexMadeFrom(6);
        m_basis = inputs();
        m_basis.K1 = from.b1.K1;
        m_basis.Zc = from.b1.Zc;
        m_basis.Zp = from.b1.Zp;
        m_basis.bc = from.b1.bc;
        m_basis.rp = from.b1.Rp;
        m_basis.rrp = from.b1.Rrp;
        m_basis.a = from.b1.a;
        m_basis.To = from.b1.Tc;
        m_basis.dsp = from.b2.dsp;
        m_basis.Lp = from.b2.l;
        m_basis.X1 = from.b2.X1;
        m_basis.pinsLeftOut = from.b2.pinsLeftOut == 1;
        m_basis.drp = from.b4.drp;
        m_basis.drrp = from.b4.drrp;
        m_hasResult = true;
        // The torque may have been typed on this page: results that the
        // record's values do not give again (to the digits shown) are stale.
        if (!sameResults(m_basis, b6)) clearResults();
    }
    if (m_hasResult && !resultsCurrent()) clearResults();   // earlier pages changed their inputs
    enable(IDC_CALC, m_ready);
    Store();
    UpdateData(false);
    return fw::PropertyPage::OnSetActive();
}

void CCexyPropertyPage6::clearResults() {
    m_deltaMax = m_fmax = m_sigmaH = m_SH = m_sigmaF = m_SF = m_theta = 0;
    m_Zn = 0;
    m_hasResult = false;
}

bool CCexyPropertyPage6::resultsCurrent() const { return m_hasResult && sameInputs(m_basis, inputs()); }

void CCexyPropertyPage6::storeValues() {
    CexBlock6& b = g_cexRecord.b6;
    b.deltaMax = m_deltaMax;
    b.E = m_E;
    b.Fmax = m_fmax;
    b.mu = m_mu;
    b.SF = m_SF;
    b.SH = m_SH;
    b.sigmaFp = m_sigmaFp;
    b.sigmaHp = m_sigmaHp;
    b.Zn = m_Zn;
    b.sigmaF = m_sigmaF;
    b.sigmaH = m_sigmaH;
    b.theta = m_theta;
}

void CCexyPropertyPage6::readyFromBits() {
    m_ready = (m_bits & kAllBits) == kAllBits;
    enable(IDC_CALC, m_ready);
    m_strHint = m_ready ? "操作“计算”按钮执行计算" : kHintMaterial;
}

void CCexyPropertyPage6::OnFetch() {
    CCDestPartMatDlg dlg(this);
    if (m_mu > 0) dlg.m_mu = m_mu;
    if (m_E > 0) dlg.m_E = m_E;
    if (m_sigmaFp > 0) dlg.m_sigmaF = m_sigmaFp;
    if (m_sigmaHp > 0) dlg.m_sigmaH = m_sigmaHp;
    if (dlg.DoModal() != fw::IDOK) return;
    if (dlg.m_mu != m_mu || dlg.m_E != m_E || dlg.m_sigmaF != m_sigmaFp || dlg.m_sigmaH != m_sigmaHp)
        clearResults();   // the results no longer belong to the material
    m_mu = dlg.m_mu;
    m_E = dlg.m_E;
    m_sigmaFp = dlg.m_sigmaF;
    m_sigmaHp = dlg.m_sigmaH;
    const std::pair<bool, int> bits[] = {{m_mu > 0, kMu}, {m_E > 0, kE}, {m_sigmaFp > 0, kSfp}, {m_sigmaHp > 0, kShp},
                                         {m_To > 0, kTo}};
    for (auto [on, bit] : bits) m_bits = on ? (m_bits | bit) : (m_bits & ~bit);
    readyFromBits();
    Store();
    UpdateData(false);
}

void CCexyPropertyPage6::OnKillfocusMaterial(int id, double& member, int bit, const kavrin::Quantity& material) {
    double v = member;
    if (!readField(id, v) || v == member) return;
    // A value of 0 or less leaves the property not given (0; the page's rule
    // below), any other lies within its range.
    if (v > 0 && !kavrin::takeInRange(*this, id, v, givenQuantity(material))) return;
    if (!(v > 0)) v = 0;
    member = v;
    clearResults();   // the results no longer belong to the inputs
    if (v > 0) {
        m_bits |= bit;
        if ((m_bits & kAllBits) == kAllBits) readyFromBits();
    } else {
        m_bits &= ~bit;
        readyFromBits();
    }
    Store();
    UpdateData(false);
}

void CCexyPropertyPage6::OnKillfocusTo() {
    double v = m_To;
    if (!readField(IDC_TO, v) || v == m_To) return;
    if (!(v > 0)) {
        fw::MessageBox("数据不正确！输出扭矩不能小于、等于0！", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        UpdateData(false);
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_TO, v, givenQuantity(q::kTo))) return;
    m_To = v;
    clearResults();
    Store();
    UpdateData(false);
}

void CCexyPropertyPage6::OnCalc() {
    if (m_X1 != 2 && m_X1 != 3) {
        fw::MessageBox("对不起！本程序只涉及2点或3点支承方式的针齿销强度计算。", fw::MB_OK | fw::MB_ICONINFORMATION);
        return;
    }
    std::optional<StrengthResult> r;
    {
        fw::WaitCursor wait;
        r = strengthCheck(inputs());
    }
    if (!r) {
        fw::MessageBox(kMsgNoResult, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    m_fmax = r->fmax;
    m_deltaMax = r->deltaMax;
    m_Zn = r->Zn;
    m_sigmaH = r->sigmaH;
    m_SH = r->SH;
    m_sigmaF = r->sigmaF;
    m_SF = r->SF;
    m_theta = r->theta;
    m_basis = inputs();
    m_hasResult = true;
    m_strHint = fw::format("清检查计算结果！针齿销变形量的转角θ=%.2f～%.2f°为合适。", 0.057295779505601045,
                           0.17188733851680316);
    Store();
    UpdateData(false);
}
