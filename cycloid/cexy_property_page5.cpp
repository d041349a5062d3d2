#include "cycloid/cexy_property_page5.h"

#include <cmath>

#include "common/dialogs/quantity_field.h"
#include "cycloid/calc/cex_preliminary.h"
#include "cycloid/cexy_property_sheet.h"
#include "fw/format.h"

using namespace cycloid;
namespace q = cycloid::cex_q;

namespace {
constexpr kavrin::Quantity kGivenLn = givenQuantity(q::kLn);
}  // namespace

CCexyPropertyPage5::CCexyPropertyPage5() : CexyWizardPage(IDD, 5) {
    onClick(IDC_ROUND_OFF, [this] { OnRoundOff(); });
    onKillFocus(IDC_RT, [this] { OnKillfocusRt(); });
    onKillFocus(IDC_N, [this] { OnKillfocusN(); });
    onKillFocus(IDC_ES, [this] { OnKillfocusES(); });
    onKillFocus(IDC_EI, [this] { OnKillfocusEI(); });
}

void CCexyPropertyPage5::DoDataExchange(fw::Exchange& dx) {
    if (dx.saving()) return;   // every value is taken by its own handler
    dx.number(IDC_K1, m_K1);
    dx.unsignedInt(IDC_ZC, m_Zc);
    dx.unsignedInt(IDC_ZP, m_Zp);
    dx.number(IDC_A, m_a);
    dx.number(IDC_RP, m_rp);
    dx.number(IDC_RRP, m_rrp);
    dx.number(IDC_PHI, m_phi);
    dx.number(IDC_X, m_x);
    dx.number(IDC_Y, m_y);
    dx.number(IDC_KA, m_KA);
    kavrin::number(dx, IDC_RT, m_Rt, givenQuantity(q::kRt));
    dx.number(IDC_RL, m_RL);
    dx.unsignedInt(IDC_N, m_n);
    dx.number(IDC_LN, m_Ln);
    kavrin::number(dx, IDC_ES, m_ES, q::kSpanES);
    kavrin::number(dx, IDC_EI, m_EI, q::kSpanEI);
    dx.text(IDC_HINT, m_strHint);
}

bool CCexyPropertyPage5::OnInitDialog() {
    enable(IDC_ROUND_OFF, false);
    return fw::PropertyPage::OnInitDialog();
}

RodInputs CCexyPropertyPage5::inputs() const {
    return {m_K1, m_Zc, m_Zp, m_a, m_rp, m_rrp, g_cexRecord.b4.drp, g_cexRecord.b4.drrp};
}

void CCexyPropertyPage5::spanDeviation() {
    m_ES = 0;
    SpanDeviation d = spanLowerDeviation(m_Ln);
    m_EI = d.EI;
    if (d.note) m_strHint = "测量公差为推荐值，您可以按有关规范另予选择！";
}

bool CCexyPropertyPage5::OnSetActive() {
    const CexBlock1& b1 = g_cexRecord.b1;
    m_K1 = b1.K1;
    m_Zc = b1.Zc;
    m_Zp = b1.Zp;
    m_a = b1.a;
    m_rp = g_cexRecord.b2.dp / 2;
    m_rrp = g_cexRecord.b2.drp / 2;
    auto s = rodSetup(inputs());
    if (!s || !(s->Rt0 > 0) || !(s->Ln > 0) || !(s->RL > 0) || s->n == 0 || s->phi0 <= 0) {
        enable(IDC_ROUND_OFF, false);
        fw::MessageBox(kMsgIncomplete, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    m_setup = *s;
    m_phi0 = s->phi0;
    m_n = s->n;
    m_Rt = m_Rt0 = s->Rt0;
    m_rodChanged = false;
    m_result.n = m_n;
    takeResult(s->point, s->RL, s->Ln, s->phi0);
    m_strHint.clear();
    spanDeviation();
    enable(IDC_ROUND_OFF, true);
    Store();
    UpdateData(false);
    return fw::PropertyPage::OnSetActive();
}

void CCexyPropertyPage5::takeResult(const RodPoint& p, double RL, double Ln, double phiDegrees) {
    m_result.phi = phiDegrees;
    m_result.x = p.x;
    m_result.y = p.y;
    m_result.KA = p.KA;
    m_result.RL = RL;
    m_result.Ln = Ln;
    m_result.Rt = m_Rt;
    m_result.n = m_n;
    showResults();
}

void CCexyPropertyPage5::showResults() {
    const bool point = m_Rt == m_result.Rt;   // the measuring point and rods of this rod radius
    const bool span = point && m_n == m_result.n;
    m_phi = point ? m_result.phi : 0;
    m_x = point ? m_result.x : 0;
    m_y = point ? m_result.y : 0;
    m_KA = point ? m_result.KA : 0;
    m_RL = point ? m_result.RL : 0;
    m_Ln = span ? m_result.Ln : 0;
}

bool CCexyPropertyPage5::resultsCurrent() const { return m_Rt == m_result.Rt && m_n == m_result.n; }

void CCexyPropertyPage5::storeValues() {
    CexBlock5& b = g_cexRecord.b5;
    b.Ka = m_KA;
    b.Ln = m_Ln;
    b.n = static_cast<std::int32_t>(m_n);
    b.phiA = m_phi;
    b.RL = m_RL;
    b.rodRadius = m_Rt;
    b.Xa = m_x;
    b.Ya = m_y;
}

void CCexyPropertyPage5::OnKillfocusRt() {
    double v = m_Rt;
    if (!readField(IDC_RT, v) || v == m_Rt) return;
    if (!(std::fabs(m_Rt0 - v) <= 0.2 * v && v > m_rrp + 2 * g_cexRecord.b4.drrp)) {
        fw::MessageBox(kMsgRodTooFar, fw::MB_OK | fw::MB_ICONINFORMATION);
        UpdateData(false);
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_RT, v, givenQuantity(q::kRt))) return;
    m_Rt = v;
    if (v != m_Rt0) m_rodChanged = true;
    showResults();
    Store();   // the block waits for the round-off of this rod
    UpdateData(false);
}

void CCexyPropertyPage5::OnKillfocusN() {
    auto t = fw::parseInteger(text(IDC_N));
    if (!t || *t < 0) {
        cexRefuseField(*this, IDC_N, fw::dx_text::NotUnsigned);
        editAgain(IDC_N);
        return;
    }
    // Two or fewer: the page's own refusal below; above the range no count.
    if (*t > static_cast<long long>(q::kN.upper())) {
        cexRefuseField(*this, IDC_N, fw::integerBoundsText(given(q::kN)));
        editAgain(IDC_N);
        return;
    }
    const unsigned typed = static_cast<unsigned>(*t);
    if (typed == m_n) return;
    const unsigned n = foldedSpanCount(typed, m_Zc);
    if (n <= 2) {   // typed or folded: no span over two teeth or fewer
        fw::MessageBox("跨测齿数必须大于2!", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        UpdateData(false);
        return;
    }
    m_n = n;
    m_strHint = "改变跨测齿数必须重新执行计算！";
    showResults();
    Store();   // the span of the old count is not this count's
    UpdateData(false);
}

void CCexyPropertyPage5::OnKillfocusES() {
    double v = m_ES;
    if (!readField(IDC_ES, v) || v == m_ES) return;
    if (v <= -g_cexRecord.b4.dj || v > 0) {
        fw::MessageBox("上偏差不符合配合要求!", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        UpdateData(false);
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_ES, v, q::kSpanES)) return;
    m_ES = v;
}

void CCexyPropertyPage5::OnKillfocusEI() {
    double v = m_EI;
    if (!readField(IDC_EI, v) || v == m_EI) return;
    if (v >= m_ES) {
        fw::MessageBox("下偏差不符合配合要求!", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        UpdateData(false);
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_EI, v, q::kSpanEI)) return;
    m_EI = v;
}

// The round-off: the measuring point for a typed rod radius, or the span
// for a changed count; nothing to do when the results are those of the
// fields.
void CCexyPropertyPage5::OnRoundOff() {
    if (resultsCurrent()) {
        fw::MessageBox("量棒直径未作调整！", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    if (m_Rt == m_result.Rt) {
        // Only the count changed: the same rods over n teeth.
        const double Ln = spanOverRods(m_result.RL, m_n, m_Zc, m_Rt);
        if (!cexDerivedAdmitted({{&kGivenLn, Ln}})) return;
        takeResult({0, m_result.x, m_result.y, m_result.KA, m_Rt}, m_result.RL, Ln, m_result.phi);
    } else if (m_Rt == m_Rt0) {
        // Back to the rod of the set-up.
        const double Ln = spanOverRods(m_setup.RL, m_n, m_Zc, m_Rt);
        if (!cexDerivedAdmitted({{&kGivenLn, Ln}})) return;
        takeResult(m_setup.point, m_setup.RL, Ln, m_phi0);
    } else {
        std::optional<RoundOff> r;
        {
            fw::WaitCursor wait;
            r = roundOffRod(inputs(), m_setup, m_Rt, m_n);
        }
        if (!r) {
            fw::MessageBox(kMsgRodTooFar, fw::MB_OK | fw::MB_ICONINFORMATION);
            return;
        }
        takeResult(r->point, r->RL, r->Ln, r->point.phi * 180 / kCexPi);
    }
    m_strHint.clear();
    spanDeviation();
    m_strHint = "测量参数已作更改，检查后保存数据!";
    Store();
    UpdateData(false);
}
