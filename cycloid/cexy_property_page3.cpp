#include "cycloid/cexy_property_page3.h"

#include "common/dialogs/quantity_field.h"
#include "cycloid/calc/cex_clearance.h"
#include "cycloid/cexy_property_sheet.h"
#include "fw/format.h"

using namespace cycloid;
namespace q = cycloid::cex_q;

namespace {
// What the buttons compute must be given, within its range.
constexpr kavrin::Quantity givenDc = givenQuantity(q::kDc), givenDj = givenQuantity(q::kDj),
                           givenDelta = givenQuantity(q::kDelta);
}  // namespace

CCexyPropertyPage3::CCexyPropertyPage3() : CexyWizardPage(IDD, 3) {
    onSelChange(IDC_GRADE, [this] { OnSelchangeGrade(); });
    onReleased(IDC_DWL_SLIDER, [this] { OnReleasedSlider(IDC_DWL_SLIDER); });
    onReleased(IDC_DPT_SLIDER, [this] { OnReleasedSlider(IDC_DPT_SLIDER); });
    onClick(IDC_DC_BUTTON, [this] { OnDcButton(); });
    onClick(IDC_DJ_BUTTON, [this] { OnDjButton(); });
    onClick(IDC_DELTA_BUTTON, [this] { OnDeltaButton(); });
    onKillFocus(IDC_DR, [this] { OnKillfocusDR(); });
    onKillFocus(IDC_DFES, [this] { OnKillfocusDfEs(); });
    onKillFocus(IDC_DC, [this] { OnKillfocusDc(); });
    onKillFocus(IDC_DJ, [this] { OnKillfocusDj(); });
    onKillFocus(IDC_DELTA, [this] { OnKillfocusDelta(); });
}

void CCexyPropertyPage3::DoDataExchange(fw::Exchange& dx) {
    if (dx.saving()) return;   // every value is taken by its own handler
    dx.number(IDC_DW, m_DW);
    dx.number(IDC_DP, m_dp);
    dx.number(IDC_DRP, m_drp);
    kavrin::number(dx, IDC_DR, m_dR, givenQuantity(q::kDR));
    dx.number(IDC_DELTA, m_delta);
    kavrin::number(dx, IDC_DC, m_dc, givenQuantity(q::kDc));
    kavrin::number(dx, IDC_DFES, m_dfEs, givenQuantity(q::kDfEs));
    dx.number(IDC_DJ, m_dj);
    dx.number(IDC_DWL, m_dwl);
    dx.trackbar(IDC_DWL_SLIDER, m_dwlPos);
    dx.number(IDC_DPT, m_dpt);
    dx.trackbar(IDC_DPT_SLIDER, m_dptPos);
    dx.comboIndex(IDC_GRADE, m_grade);
    dx.text(IDC_HINT, m_strHint);
}

bool CCexyPropertyPage3::OnInitDialog() {
    for (int id : {IDC_DWL_SLIDER, IDC_DPT_SLIDER}) {
        auto& t = trackbar(id);
        t.setRange(0, 50);
        t.setTicFreq(5);
        t.setPageSize(2);
    }
    for (int id : {IDC_GRADE, IDC_DC, IDC_DJ, IDC_DELTA, IDC_DELTA_BUTTON, IDC_DJ_BUTTON, IDC_DC_BUTTON})
        enable(id, false);
    return fw::PropertyPage::OnInitDialog();
}

CCexyPropertyPage3::Basis CCexyPropertyPage3::basisOf(const CexDesignRecord& r) {
    return {r.b2.Dw, 2 * r.b1.Rp, 2 * r.b1.Rrp};
}

CCexyPropertyPage3::Basis CCexyPropertyPage3::currentBasis() { return basisOf(g_cexRecord); }

bool CCexyPropertyPage3::OnSetActive() {
    const CexBlock3& b3 = g_cexRecord.b3;
    if (!m_hasBasis) {
        // The first visit takes what the record holds (a loaded or earlier design).
        m_delta = b3.delta;
        m_dc = b3.dc;
        m_dfEs = b3.dfEs;
        m_dj = b3.dj;
        m_dwl = b3.dwl;
        m_dpt = b3.dpt;
        m_dR = b3.dR;
        m_grade = (b3.grade >= 0 && b3.grade <= 4) ? b3.grade : 0;
        const std::pair<bool, int> given[] = {{m_dR > 0, kDR},   {m_dfEs < 0, kDfEs}, {m_dwl > 0, kDwl}, {m_dpt > 0, kDpt},
                                              {m_dc > 0, kDc},   {m_dj > 0, kDj},     {m_delta > 0, kDelta}};
        for (auto [on, bit] : given)
            if (on) m_flags |= bit;
        // Results of an incomplete block are not taken as they are; those of
        // a complete one stand for the values they were made from.
        if (b3.status != kStatus3) m_flags &= ~kResults;
        m_basis = basisOf(cexMadeFrom(3));
        m_hasBasis = true;
    }
    if (!(m_basis == currentBasis())) {
        // Earlier pages changed what these results were computed from.
        m_flags &= ~kResults;
        m_stale = true;
        m_basis = currentBasis();
    }
    m_DW = g_cexRecord.b2.Dw;
    m_dp = 2 * g_cexRecord.b1.Rp;
    m_drp = 2 * g_cexRecord.b1.Rrp;
    auto setFlag = [this](int bit, bool on) { m_flags = on ? (m_flags | bit) : (m_flags & ~bit); };
    setFlag(kDW, m_DW > 0);
    setFlag(kDp, m_dp > 0);
    setFlag(kDrp, m_drp > 0);
    // No band is looked up for sizes of 0 or less.
    enable(IDC_GRADE, (m_flags & (kDW | kDp | kDrp)) == (kDW | kDp | kDrp));
    const bool unlocked = (m_flags & 0x7F) == 0x7F;
    for (int id : {IDC_DC, IDC_DJ, IDC_DELTA, IDC_DELTA_BUTTON, IDC_DJ_BUTTON, IDC_DC_BUTTON}) enable(id, unlocked);
    Store();
    UpdateData(false);
    return fw::PropertyPage::OnSetActive();
}

bool CCexyPropertyPage3::resultsCurrent() const { return !m_stale || (m_flags & kResults) == kResults; }

void CCexyPropertyPage3::storeValues() {
    if (m_stale && (m_flags & kResults) == kResults) m_stale = false;
    CexBlock3& b = g_cexRecord.b3;
    b.delta = m_delta;
    b.dc = m_dc;
    b.dfEs = m_dfEs;
    b.dj = m_dj;
    b.dwl = m_dwl;
    b.dpt = m_dpt;
    b.DW = m_DW;
    b.dR = m_dR;
    b.grade = m_grade;
}

void CCexyPropertyPage3::setHint(const std::string& text) {
    m_strHint = text;
    setText(IDC_HINT, text);
}

void CCexyPropertyPage3::done() {
    Store();
    UpdateData(false);
}

void CCexyPropertyPage3::buttonUpdate() {
    const bool on = (m_flags & 0x7F) == 0x7F;
    for (int id : {IDC_DC, IDC_DJ, IDC_DELTA, IDC_DELTA_BUTTON, IDC_DJ_BUTTON, IDC_DC_BUTTON}) enable(id, on);
    m_strHint = "确定径向间隙、侧间隙和转角修形量。";
    UpdateData(false);
}

void CCexyPropertyPage3::OnSelchangeGrade() {
    const int index = combo(IDC_GRADE).curSel();
    if (index <= 0) {
        combo(IDC_GRADE).setCurSel(m_grade);
        return;
    }
    if (m_drp > 120 || m_dp > 800) {
        fw::MessageBox(kMsgTooBig, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        combo(IDC_GRADE).setCurSel(m_grade);
        return;
    }
    auto dR = lubricationClearance(m_drp, index);
    auto dfEs = rootDeviation(m_dp);
    if (!dR || !dfEs) {
        combo(IDC_GRADE).setCurSel(m_grade);
        return;
    }
    m_grade = index;
    m_dR = *dR;
    m_dfEs = *dfEs;
    m_flags |= kDR | kDfEs;
    Store();
    buttonUpdate();
}

void CCexyPropertyPage3::OnReleasedSlider(int slider) {
    const bool pinHole = slider == IDC_DWL_SLIDER;
    auto range = pinHole ? pinHoleToleranceRange(m_dp) : pitchToleranceRange(m_dp);
    if (!range) {
        fw::MessageBox(kMsgTooBig, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        trackbar(slider).setPos(pinHole ? m_dwlPos : m_dptPos);
        return;
    }
    const int pos = trackbar(slider).pos();
    setText(pinHole ? IDC_DWL_MIN : IDC_DPT_MIN, fw::format("%.3f", range->min));
    setText(pinHole ? IDC_DWL_MAX : IDC_DPT_MAX, fw::format("%.3f", range->max));
    if (pinHole) {
        m_dwlPos = pos;
        m_dwl = toleranceAt(*range, pos);
        m_flags |= kDwl;
    } else {
        m_dptPos = pos;
        m_dpt = toleranceAt(*range, pos);
        m_flags |= kDpt;
    }
    UpdateData(false);
    Store();
    buttonUpdate();
}

void CCexyPropertyPage3::OnDcButton() {
    const double dc = sideClearance(m_dwl, m_dp, m_DW, m_dpt, m_dR);
    if (!cexDerivedAdmitted({{&givenDc, dc}})) return;
    m_dc = dc;
    setHint("补偿分度误差与传动间隙的计算侧隙。");
    m_flags |= kDc;
    done();
}

void CCexyPropertyPage3::OnDjButton() {
    const double dj = radialClearance(m_dfEs, m_dR);
    if (!cexDerivedAdmitted({{&givenDj, dj}})) return;
    m_dj = dj;
    setHint("补偿偏心距误差和保证齿根侧隙的计算侧隙。");
    m_flags |= kDj;
    done();
}

void CCexyPropertyPage3::OnDeltaButton() {
    const double delta = angularModification(m_dc, m_dp);
    if (!cexDerivedAdmitted({{&givenDelta, delta}})) return;
    m_delta = delta;
    m_flags |= kDelta;
    done();
}

void CCexyPropertyPage3::OnKillfocusDR() {
    double v = m_dR;
    if (!readField(IDC_DR, v) || v == m_dR) return;
    if (!(v > 0 && v < 1)) {
        fw::MessageBox("输入数据无效！\n 此项间隙值必须为大于0小于1的正数。", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        UpdateData(false);
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_DR, v, givenQuantity(q::kDR))) return;
    m_dR = v;
    m_flags |= kDR;
    buttonUpdate();
    Store();
}

void CCexyPropertyPage3::OnKillfocusDfEs() {
    double v = m_dfEs;
    if (!readField(IDC_DFES, v) || v == m_dfEs) return;
    if (!(v > -1 && v < 0)) {
        fw::MessageBox("输入数据无效！\n此项偏差值必须为小于0大于-1的负数。", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        UpdateData(false);
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_DFES, v, givenQuantity(q::kDfEs))) return;
    m_dfEs = v;
}

void CCexyPropertyPage3::OnKillfocusDc() {
    double v = m_dc;
    if (!readField(IDC_DC, v) || v == m_dc) return;
    if (!(v > 0)) {
        fw::MessageBox("提供的侧间隙不能为小于或等于零!", fw::MB_OK | fw::MB_ICONINFORMATION);
        UpdateData(false);
        return;
    }
    if (!kavrin::takeInRange(*this, IDC_DC, v, givenQuantity(q::kDc))) return;
    m_dc = v;
    m_flags |= kDc;
    done();
}

void CCexyPropertyPage3::OnKillfocusDj() {
    double v = m_dj;
    if (!readField(IDC_DJ, v) || v == m_dj) return;
    if (!q::kTypedDj.admits(v)) {   // 0 to below 1 mm
        fw::MessageBox("此项间隙值只限于0或小于1的正数！", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        UpdateData(false);
        return;
    }
    m_dj = v;
    setHint("自定义径向间隙");
    m_flags |= kDj;
    done();
}

void CCexyPropertyPage3::OnKillfocusDelta() {
    double v = m_delta;
    if (!readField(IDC_DELTA, v) || v == m_delta) return;
    if (!q::kTypedDelta.admits(v)) {   // 0 to below 1°
        fw::MessageBox("此项间隙值只限于0或小于1的正数\n单位为度！", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        UpdateData(false);
        return;
    }
    // The side clearance of the angle (0 for δ = 0) within its range.
    const double dc = sideClearanceOfAngle(v, m_dp);
    if (!cexDerivedAdmitted({{&q::kDc, dc}})) {
        UpdateData(false);
        return;
    }
    m_delta = v;
    m_dc = dc;
    setHint("自定义侧间隙");
    m_flags |= kDelta;
    done();
}
