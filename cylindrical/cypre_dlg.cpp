#include "cylindrical/cypre_dlg.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "common/calc/data_folder.h"
#include "fw/clock.h"
#include "fw/file.h"
#include "fw/format.h"
#include "common/calc/design_file.h"
#include "common/dialogs/quantity_field.h"
#include "cylindrical/calc/preliminary_extra.h"
#include "cylindrical/calc/preliminary_report.h"
#include "cylindrical/cy_current_design.h"
#include "resources/corvane/module.h"

using namespace cylindrical;

namespace {

constexpr const char* kHelpTopic = "Kavrin.chm::/CyPreDlg.htm";
constexpr const char* kSaveTitle = "《Ondrel》保存圆柱齿轮数据文件";
constexpr const char* kOpenTitle = "《Ondrel》 打开圆柱齿轮数据文件";
constexpr const char* kSaveFilter = "圆柱齿轮计算数据文件(*.cyb)|*.cyb|All File(*.*)|*.*|";
constexpr const char* kOpenFilter = "圆柱齿轮计算数据文件(*.cyb)|*.cyb|All File(*.*)|*.*||";
constexpr const char* kAskSave = "设计数据尚未保存，是(Yes)否(No)保存数据？";

// Two values read the same in a field (the field shows up to 15 digits, so a
// value written there comes back as the shown one).
bool sameShown(double a, double b) { return fw::formatNumber(a) == fw::formatNumber(b); }

bool sameInputs(const PreliminaryInput& a, const PreliminaryInput& b) {
    return sameShown(a.i, b.i) && sameShown(a.t, b.t) && a.z1 == b.z1 && a.z2 == b.z2 &&
           sameShown(a.sigmaHP, b.sigmaHP) && sameShown(a.sigmaFP, b.sigmaFP) && sameShown(a.phiD, b.phiD) &&
           sameShown(a.k1, b.k1) && sameShown(a.k2, b.k2) && a.meshType == b.meshType;
}

std::string rangeLabel(double v) { return fw::format("%.1f", v); }

void setupSlider(fw::Trackbar& t) {
    t.setRange(0, kSliderMax);
    t.setTicFreq(2);
    t.setLineSize(1);
    t.setPageSize(1);
    t.setPos(0);
}

void refuse(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONEXCLAMATION); }

}  // namespace

CypreDlg::CypreDlg(fw::Window* parent) : fw::Dialog(corvane::module(), IDD, parent) {
    onClick(IDC_BY_POWER, [this] { OnLoadMode(0); });
    onClick(IDC_BY_TORQUE, [this] { OnLoadMode(1); });
    onKillFocus(IDC_I, [this] { OnEnKillfocusI(); });
    onKillFocus(IDC_Z1, [this] { OnEnKillfocusZ1(); });
    onKillFocus(IDC_Z2, [this] { OnEnKillfocusZ2(); });
    onKillFocus(IDC_NI, [this] { OnEnKillfocusNi(); });
    onChange(IDC_T, [this] { OnEnChangeT(); });
    onChange(IDC_NO, [this] { OnEnChangeNo(); });
    onKillFocus(IDC_P, [this] { OnEnKillfocusP(); });
    for (int id : {IDC_BETA_DEG, IDC_BETA_MIN, IDC_BETA_SEC}) onKillFocus(id, [this, id] { OnEnKillfocusBeta(id); });
    onKillFocus(IDC_MN, [this] { OnEnKillfocusMn(); });
    onChange(IDC_SIGMA_HP, [this] { OnEnChangeSigmaHP(); });
    onChange(IDC_SIGMA_FP, [this] { OnEnChangeSigmaFP(); });
    for (int id : {IDC_SYMMETRIC, IDC_ASYMMETRIC, IDC_CANTILEVER, IDC_SOFT, IDC_HARD})
        onClick(id, [this] { OnSupportOrHardness(); });
    for (int id : {IDC_STEADY, IDC_MODERATE, IDC_HEAVY}) onClick(id, [this] { OnLoadNature(); });
    onReleased(IDC_PHID_SLIDER, [this] { OnReleasedPhiD(); });
    onReleased(IDC_K1_SLIDER, [this] { OnReleasedK1(); });
    onReleased(IDC_K2_SLIDER, [this] { OnReleasedK2(); });
    onClick(IDC_EXTERNAL, [this] { OnMeshType(); });
    onClick(IDC_INTERNAL, [this] { OnMeshType(); });
    onChange(IDC_TITLE, [this] { m_title = text(IDC_TITLE); });
    onChange(IDC_NUMBER, [this] { m_number = text(IDC_NUMBER); });
    onSetFocus(IDC_DATE, [this] { OnDateSetFocus(); });
    onKillFocus(IDC_DATE, [this] { OnDateKillFocus(); });
    onClick(IDC_CALC, [this] { OnBnClickedCalc(); });
    onClick(IDC_LOAD, [this] { OnBnClickedLoad(); });
    onClick(IDOK, [this] { OnBnClickedSave(); });
    onClick(IDCANCEL, [this] { OnBnClickedCancel(); });
    onClick(ID_HELP, [] { fw::htmlHelp(kHelpTopic); });
}

bool CypreDlg::OnInitDialog() {
    m_lastFinite = numbers();
    m_date = fw::todayText();
    for (int id : {IDC_PHID_SLIDER, IDC_K1_SLIDER, IDC_K2_SLIDER}) setupSlider(trackbar(id));
    showPhiDRange();
    showKRanges();
    enableLoadMode();
    enable(IDC_A, false);
    showFields();
    return true;
}

void CypreDlg::DoDataExchange(fw::Exchange& dx) {
    // Every field reads its range from the record's table (cy_pre_ranges.h).
    // A speed or power at or below 0 goes on to its handler's own hint.
    dx.radio(IDC_BY_POWER, m_loadMode);
    kavrin::number(dx, IDC_I, m_in.i, pre_q::kI);
    kavrin::number(dx, IDC_T, m_in.t, pre_q::kT);
    kavrin::integer(dx, IDC_Z1, m_in.z1, pre_q::kZ1);
    kavrin::integer(dx, IDC_Z2, m_in.z2, pre_q::kZ2);
    kavrin::numberOwnBelow(dx, IDC_NI, m_ni, pre_q::kNi, 0);
    kavrin::number(dx, IDC_NO, m_no, pre_q::kNo);
    kavrin::numberOwnBelow(dx, IDC_P, m_p, pre_q::kP, 0);
    kavrin::integer(dx, IDC_BETA_DEG, m_out.beta.deg, pre_q::kBetaDeg);
    kavrin::integer(dx, IDC_BETA_MIN, m_out.beta.min, pre_q::kBetaMin);
    kavrin::integer(dx, IDC_BETA_SEC, m_out.beta.sec, pre_q::kBetaSec);
    kavrin::number(dx, IDC_MN, m_out.mn, pre_q::kMn);
    // The computed fields are shown only: reading them back would cut the
    // results to the digits shown.
    if (!dx.saving()) {
        dx.number(IDC_A, m_out.a);
        dx.number(IDC_MS, m_out.ms);
        dx.number(IDC_PHID, m_in.phiD);
    }
    dx.radio(IDC_SYMMETRIC, m_support);
    dx.radio(IDC_SOFT, m_hardness);
    dx.trackbar(IDC_PHID_SLIDER, m_phiDPos);
    dx.radio(IDC_STEADY, m_loadNature);
    dx.trackbar(IDC_K1_SLIDER, m_k1Pos);
    kavrin::number(dx, IDC_SIGMA_HP, m_in.sigmaHP, pre_q::kSigmaHP);
    kavrin::number(dx, IDC_SIGMA_FP, m_in.sigmaFP, pre_q::kSigmaFP);
    dx.radio(IDC_EXTERNAL, m_in.meshType);
    dx.text(IDC_TITLE, m_title, 63);
    dx.text(IDC_NUMBER, m_number, 63);
    dx.text(IDC_DATE, m_date, 19);
    dx.trackbar(IDC_K2_SLIDER, m_k2Pos);
}

// ---- helpers ----

bool CypreDlg::takeFields() {
    if (UpdateData(true)) return true;
    showRadios();
    return false;
}

void CypreDlg::showRadios() {
    fw::Exchange dx(*this, fw::Exchange::Direction::Load);
    dx.radio(IDC_BY_POWER, m_loadMode);
    dx.radio(IDC_SYMMETRIC, m_support);
    dx.radio(IDC_SOFT, m_hardness);
    dx.radio(IDC_STEADY, m_loadNature);
    dx.radio(IDC_EXTERNAL, m_in.meshType);
}

void CypreDlg::showK() {
    setText(IDC_K1, fw::format("%.6g", m_in.k1));
    setText(IDC_K2, fw::format("%.6g", m_in.k2));
}

CypreDlg::Numbers CypreDlg::numbers() const { return {m_in, m_out, m_ni, m_p, m_no}; }

void CypreDlg::setNumbers(const Numbers& n) {
    m_in = n.in;
    m_out = n.out;
    m_ni = n.ni;
    m_p = n.p;
    m_no = n.no;
}

// nullopt when every number lies inside its range; otherwise the hint that
// refuses them: kMsgCalcError for a number that is not finite, else the
// first value outside its range (a torque that P and no give above its range).
std::optional<std::string> CypreDlg::numbersFault(const Numbers& n) {
    for (double v : {n.in.i, n.in.t, n.in.sigmaHP, n.in.sigmaFP, n.in.phiD, n.in.k1, n.in.k2, n.out.mH, n.out.mF,
                     n.out.ms, n.out.mn, n.out.a, n.ni, n.p, n.no})
        if (!std::isfinite(v)) return std::string(kMsgCalcError);
    using namespace pre_q;
    if (const kavrin::Quantity* q = firstRefused({{&kI, n.in.i}, {&kT, n.in.t}, {&kNi, n.ni}, {&kNo, n.no},
                                                  {&kP, n.p}, {&kMs, n.out.ms}, {&kMn, n.out.mn}, {&kA, n.out.a},
                                                  {&kSigmaHP, n.in.sigmaHP}, {&kSigmaFP, n.in.sigmaFP},
                                                  {&kPhiD, n.in.phiD}, {&kK1, n.in.k1}, {&kK2, n.in.k2}}))
        return kavrin::resultNotTaken(*q);
    return std::nullopt;
}

void CypreDlg::showFields() {
    const Numbers n = numbers();
    if (auto fault = numbersFault(n)) {
        setNumbers(m_lastFinite);
        setHint(*fault);
    } else {
        m_lastFinite = n;
    }
    UpdateData(false);
    showK();
    refreshCalculated();
}

void CypreDlg::enableLoadMode() {
    const bool byPower = m_loadMode == 0;
    enable(IDC_NI, byPower);
    enable(IDC_P, byPower);
    enable(IDC_T, !byPower);
    enable(IDC_NO, !byPower);
    enable(IDC_Z2, true);
}

void CypreDlg::showPhiDRange() {
    setText(IDC_PHID_LOW, rangeLabel(m_phiDRange.lower));
    setText(IDC_PHID_HIGH, rangeLabel(m_phiDRange.upper));
}

void CypreDlg::showKRanges() {
    setText(IDC_K1_LOW, rangeLabel(m_k1Range.lower));
    setText(IDC_K1_HIGH, rangeLabel(m_k1Range.upper));
    setText(IDC_K2_LOW, rangeLabel(m_k2Range.lower));
    setText(IDC_K2_HIGH, rangeLabel(m_k2Range.upper));
}

void CypreDlg::applyMode1Speeds() {
    if (!(m_in.i > 0)) return;
    if (m_loadMode == 0) m_no = outputSpeed(m_ni, m_in.i);
    else m_ni = inputSpeed(m_no, m_in.i);
}

void CypreDlg::refreshCalculated() {
    if (m_calculated && !sameInputs(m_in, m_calculatedFrom)) m_calculated = false;
}

void CypreDlg::markCalculated() {
    m_calculated = true;
    m_calculatedFrom = m_in;
}

// ---- load mode and field handlers ----

void CypreDlg::OnLoadMode(int mode) {
    if (!takeFields()) return;
    m_loadMode = mode;
    enableLoadMode();
    m_out.mn = m_out.a = 0;
    setBeta({});
    m_calculated = false;
    setHint("");
    showFields();
}

void CypreDlg::OnEnKillfocusI() {
    if (!takeFields()) return;
    if (auto t = teethFromRatio(m_in.z1, m_in.i)) {
        m_in.z2 = t->z2;
        m_in.i = t->i;
    }
    if (m_ni > 0 && m_in.i > 0) m_no = outputSpeed(m_ni, m_in.i);
    torqueFollowsPower();
    powerFollowsTorque();
    showFields();
}

void CypreDlg::OnEnKillfocusZ1() {
    if (!takeFields()) return;
    if (m_in.z1 <= 0) {
        setHint(kMsgTeethPositive);
        m_in.z1 = 0;
        showFields();
        return;
    }
    if (auto t = teethFromRatio(m_in.z1, m_in.i)) {
        m_in.z2 = t->z2;
        m_in.i = t->i;
        applyMode1Speeds();
        torqueFollowsPower();
    }
    showFields();
}

void CypreDlg::OnEnKillfocusZ2() {
    if (!takeFields()) return;
    if (m_in.z2 <= 0) {
        setHint(kMsgTeethPositive);
        m_in.z2 = 0;
        showFields();
        return;
    }
    if (m_in.z1 >= 1) {
        Pair p = pairFromTeeth(m_in.z1, m_in.z2);
        if (p.swapped) setHint(kMsgZ1Pinion);
        m_in.z1 = p.z1;
        m_in.z2 = p.z2;
        m_in.i = p.i;
    }
    applyMode1Speeds();
    torqueFollowsPower();
    showFields();
}

void CypreDlg::OnEnKillfocusNi() {
    const double before = m_ni;
    if (!takeFields()) return;
    if (!(m_ni > 0)) {
        // Not taken: the speed (and what follows from it) stays as it was.
        // A speed typed is edited again (left again unchanged, the field
        // shows the speed taken); a field left as it was only gets the hint.
        setHint(kMsgNoSpeed);
        const bool typed = m_ni != before;
        m_ni = before;
        if (typed) editAgain(IDC_NI);
        else showFields();
        return;
    }
    if (ratioFromSpeedsApplies(m_in.i, m_no)) {
        m_in.i = ratioFromSpeeds(m_ni, m_no);
    } else if (m_in.i > 0) {
        m_no = outputSpeed(m_ni, m_in.i);
    } else {
        setHint(kMsgNoRatio);  // no output speed from a ratio of 0
        showFields();
        return;
    }
    // By power the torque follows P at the new output speed; a torque given
    // directly gives the power.
    if (m_loadMode == 0 && m_p > 0) torqueFollowsPower();
    else if (m_loadMode != 0 && m_in.t > 0) m_p = powerFromTorque(m_in.t, m_no);
    else setHint(kMsgNoTorqueOrPower);
    showFields();
}

// T and no are read on every change, the whole text; a text written by the
// dialog itself reads as the member it shows and changes nothing.
void CypreDlg::OnEnChangeT() {
    if (text(IDC_T).empty()) return;
    // Only a torque inside its range is taken; leaving the field refuses any other.
    double t = kavrin::typedValue(text(IDC_T), pre_q::kT.bounds).value_or(0);
    if (!(t > 0) || sameShown(t, m_in.t)) return;
    m_in.t = t;
    if (m_no > 0) {
        m_p = powerFromTorque(m_in.t, m_no);
        enable(IDC_P, false);
    }
    showFields();
}

void CypreDlg::OnEnChangeNo() {
    if (text(IDC_NO).empty()) {
        setHint(kMsgNoSpeedRatio);
        return;
    }
    double no = kavrin::typedValue(text(IDC_NO), pre_q::kNo.bounds).value_or(0);
    if (!(no > 0) || sameShown(no, m_no)) return;
    m_no = no;
    if (m_ni > 0) {
        m_in.i = ratioFromSpeeds(m_ni, m_no);
        if (auto z2 = gearTeeth(m_in.z1, m_in.i)) m_in.z2 = *z2;
        if (m_p > 0) m_in.t = torqueFromPower(m_p, m_no);
        else setHint(kMsgNoTorqueOrPower);
    }
    showFields();
}

void CypreDlg::OnEnKillfocusP() {
    const double before = m_p;
    if (!takeFields()) return;
    if (!(m_p > 0)) {
        // Not taken: the power and the torque it gave stay as they were. A
        // power typed is edited again (left again unchanged, the field shows
        // the power taken); a field left as it was only gets the hint.
        setHint(kMsgPowerPositive);
        const bool typed = m_p != before;
        m_p = before;
        if (typed) editAgain(IDC_P);
        else showFields();
        return;
    }
    if (m_no > 0) m_in.t = torqueFromPower(m_p, m_no);
    else if (m_loadMode == 0) m_in.t = 0;  // no torque from a power without an output speed
    showFields();
}

// By power (mode 0) the output torque is derived: it follows P and the output
// speed after every accepted change of either, never the other way round.
void CypreDlg::torqueFollowsPower() {
    if (m_loadMode == 0 && m_p > 0 && m_no > 0) m_in.t = torqueFromPower(m_p, m_no);
}

// By torque (mode 1) the power is derived: it follows T and the output speed.
void CypreDlg::powerFollowsTorque() {
    if (m_loadMode == 1 && m_in.t > 0 && m_no > 0) m_p = powerFromTorque(m_in.t, m_no);
}

void CypreDlg::OnEnKillfocusBeta(int id) {
    const kavrin::AngleTriple before = beta();
    if (!takeFields()) return;
    if (kavrin::tripleToDegrees(beta()) > kPreBetaMaxDeg) {
        setBeta(before);
        fw::Exchange dx(*this, fw::Exchange::Direction::Save);
        dx.fail(id, "螺旋角不能大于60°。");  // edit again; left unchanged, the angle taken comes back
        return;
    }
    m_out.mn = normalModule(m_out.ms, beta());
    setHint(kMsgRoundModule);
    showFields();
}

void CypreDlg::OnEnKillfocusMn() {
    const double before = m_out.mn;
    if (!takeFields()) return;
    auto c = chooseModule({.mn = m_out.mn, .ms = m_out.ms, .beta = beta(), .z1 = m_in.z1, .z2 = m_in.z2, .meshType = m_in.meshType});
    if (!c) {
        // Nothing chosen yet and nothing calculated: leaving the field is no refusal.
        if (m_out.mn == 0 && m_out.ms == 0) return;
        setHint(c.error());
        m_out.mn = before;
        showFields();
        return;
    }
    setHint(c->smallerModule ? kMsgSmallerModule : "");
    m_out.ms = c->ms;
    setBeta(c->beta);
    if (c->a) m_out.a = *c->a;
    showFields();
}

void CypreDlg::OnEnChangeSigmaHP() {
    auto typed = kavrin::typedValue(text(IDC_SIGMA_HP), pre_q::kSigmaHP.bounds);
    const double v = typed.value_or(0);
    if (!typed || sameShown(v, m_in.sigmaHP)) return;
    m_in.sigmaHP = v;
    setHint(kMsgRecalculate);
    refreshCalculated();
}

void CypreDlg::OnEnChangeSigmaFP() {
    auto typed = kavrin::typedValue(text(IDC_SIGMA_FP), pre_q::kSigmaFP.bounds);
    const double v = typed.value_or(0);
    if (!typed || sameShown(v, m_in.sigmaFP)) return;
    m_in.sigmaFP = v;
    setHint(kMsgRecalculate);
    refreshCalculated();
}

void CypreDlg::OnSupportOrHardness() {
    if (!takeFields()) return;
    m_phiDRange = phiDRange(m_support, m_hardness);
    m_in.phiD = m_phiDRange.lower;
    m_phiDPos = 0;
    showPhiDRange();
    showFields();
}

void CypreDlg::OnLoadNature() {
    if (!takeFields()) return;
    KRanges r = kRanges(m_loadNature);
    m_k1Range = r.k1;
    m_k2Range = r.k2;
    m_in.k1 = r.k1.lower;
    m_in.k2 = r.k2.lower;
    m_k1Pos = m_k2Pos = 0;
    showKRanges();
    showFields();
}

// The sliders write only their own field, so a field being typed in keeps its text.
void CypreDlg::OnReleasedPhiD() {
    m_phiDPos = trackbar(IDC_PHID_SLIDER).pos();
    m_in.phiD = sliderValue(m_phiDRange, m_phiDPos);
    fw::Exchange dx(*this, fw::Exchange::Direction::Load);
    dx.number(IDC_PHID, m_in.phiD);
    refreshCalculated();
}

void CypreDlg::OnReleasedK1() {
    m_k1Pos = trackbar(IDC_K1_SLIDER).pos();
    m_in.k1 = sliderValue(m_k1Range, m_k1Pos);
    showK();
    refreshCalculated();
}

void CypreDlg::OnReleasedK2() {
    m_k2Pos = trackbar(IDC_K2_SLIDER).pos();
    m_in.k2 = sliderValue(m_k2Range, m_k2Pos);
    showK();
    refreshCalculated();
}

void CypreDlg::OnMeshType() {
    if (!takeFields()) return;
    refreshCalculated();
    OnBnClickedCalc();
}

void CypreDlg::OnDateSetFocus() { setText(IDC_DATE, fw::todayText()); }

void CypreDlg::OnDateKillFocus() { m_date = text(IDC_DATE); }

// ---- calculation ----

void CypreDlg::OnBnClickedCalc() {
    // Every field is read whole first: a text that is no number ("12abc",
    // "1e999") is refused with the framework's message, never half taken.
    if (!takeFields()) return;
    auto r = preliminary(m_in);
    if (!r) {
        if (r.error().place == RefusalPlace::ModuleLabel) setText(IDC_MN_LABEL, r.error().message);
        else setHint(r.error().message);
        return;
    }
    m_out.ms = r->ms;
    m_out.mn = r->mn;
    setBeta(r->beta);
    m_out.a = r->a;
    setText(IDC_MN_LABEL, item(IDC_MN_LABEL).node().text);
    markCalculated();
    showFields();
    setHint(kMsgCalcDone);
}

// ---- save and load ----

CyPreRecord CypreDlg::record() const {
    CyPreRecord r;
    r.z1 = m_in.z1;
    r.z2 = m_in.z2;
    r.betaMin = m_out.beta.min;
    r.betaDeg = m_out.beta.deg;
    r.betaSec = m_out.beta.sec;
    r.support = kavrin::toInt(m_support);
    r.hardness = kavrin::toInt(m_hardness);
    r.loadNature = kavrin::toInt(m_loadNature);
    r.k2Pos = m_k2Pos;
    r.k2Lower = m_k2Range.lower;
    r.k2Upper = m_k2Range.upper;
    r.phiDPos = m_phiDPos;
    r.phiDLower = m_phiDRange.lower;
    r.phiDUpper = m_phiDRange.upper;
    r.i = m_in.i;
    r.t = m_in.t;
    r.a = m_out.a;
    r.ni = m_ni;
    r.no = m_no;
    r.p = m_p;
    r.phiD = m_in.phiD;
    r.k1 = m_in.k1;
    r.k2 = m_in.k2;
    r.k1Pos = m_k1Pos;
    r.k1Lower = m_k1Range.lower;
    r.k1Upper = m_k1Range.upper;
    r.sigmaHP = m_in.sigmaHP;
    r.sigmaFP = m_in.sigmaFP;
    r.mn = m_out.mn;
    r.ms = m_out.ms;
    r.meshType = kavrin::toInt(m_in.meshType);
    r.status = kCyPreStatus;
    r.date = m_date;
    r.number = m_number;
    r.title = m_title;
    return r;
}

void CypreDlg::applyRecord(const CyPreRecord& r) {
    m_in.z1 = r.z1;
    m_in.z2 = r.z2;
    setBeta({r.betaDeg, r.betaMin, r.betaSec});
    // The loader has checked every index; an index it let through shows as its nearest choice.
    m_support = static_cast<kavrin::Support>(std::clamp(r.support, 0, kavrin::toInt(kavrin::Support::Cantilever)));
    m_hardness = static_cast<kavrin::Hardness>(std::clamp(r.hardness, 0, kavrin::toInt(kavrin::Hardness::Above350HB)));
    m_loadNature =
        static_cast<kavrin::LoadNature>(std::clamp(r.loadNature, 0, kavrin::toInt(kavrin::LoadNature::HeavyShocks)));
    m_k2Pos = r.k2Pos;
    m_k2Range = {r.k2Lower, r.k2Upper};
    m_phiDPos = r.phiDPos;
    m_phiDRange = {r.phiDLower, r.phiDUpper};
    m_in.i = r.i;
    m_in.t = r.t;
    m_out.a = r.a;
    m_ni = r.ni;
    m_no = r.no;
    m_p = r.p;
    m_in.phiD = r.phiD;
    m_in.k1 = r.k1;
    m_in.k2 = r.k2;
    m_k1Pos = r.k1Pos;
    m_k1Range = {r.k1Lower, r.k1Upper};
    m_in.sigmaHP = r.sigmaHP;
    m_in.sigmaFP = r.sigmaFP;
    m_out.mn = r.mn;
    m_out.ms = r.ms;
    m_in.meshType = kavrin::meshTypeOf(r.meshType);
    m_date = r.date;
    m_number = r.number;
    m_title = r.title;
    // The range labels follow the tables of the loaded choices.
    Range phiD = phiDRange(static_cast<kavrin::Support>(r.support), static_cast<kavrin::Hardness>(r.hardness));
    KRanges k = kRanges(static_cast<kavrin::LoadNature>(r.loadNature));
    setText(IDC_PHID_LOW, rangeLabel(phiD.lower));
    setText(IDC_PHID_HIGH, rangeLabel(phiD.upper));
    setText(IDC_K1_LOW, rangeLabel(k.k1.lower));
    setText(IDC_K1_HIGH, rangeLabel(k.k1.upper));
    setText(IDC_K2_LOW, rangeLabel(k.k2.lower));
    setText(IDC_K2_HIGH, rangeLabel(k.k2.upper));
    setText(IDC_MN_LABEL, item(IDC_MN_LABEL).node().text);
}

void CypreDlg::OnBnClickedLoad() {
    fw::FileDialog fd(fw::FileMode::Open, "cyb", m_dataPath.empty() ? "*.cyb" : m_dataPath,
                      OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kOpenFilter, this);
    fd.setTitle(kOpenTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return;
    const std::filesystem::path path = fd.path();
    if (!kavrin::hasDataExtension(path, kavrin::kExtCyData)) return refuse(kavrin::kMsgNotCybFile);
    auto bytes = kavrin::readDesignFile(path, CyPreRecord::kSize);
    if (!bytes) return refuse(bytes.error().openMessage());
    auto body = kavrin::splitDesignFile(*bytes, CyPreRecord::kSize);
    if (body && body->oldFile) fw::MessageBox(kavrin::kMsgOldFile, MB_OK | MB_ICONINFORMATION);
    auto loaded = loadCyPreFile(*bytes);
    if (!loaded) return refuse(loaded.error());
    // Accepted: now the members, the shared paths and the fields change.
    applyRecord(loaded->record);
    m_dataPath = path.string();
    currentDesign().dataPath = m_dataPath;
    currentDesign().reportPath = kavrin::loadReportName(path, kavrin::kExtCyData, kavrin::kExtCyReport).string();
    markCalculated();
    showFields();
}

void CypreDlg::OnBnClickedSave() {
    if (!takeFields()) return;
    refreshCalculated();
    if (!m_calculated) {
        setHint(kMsgRecalculate);
        return;
    }
    // What the loaders would refuse is not written: the user learns which
    // field is wrong before choosing a name, and the old file stays.
    const CyPreRecord rec = record();
    if (auto fault = checkCyPreRecord(rec)) return refuse(*fault);
    fw::FileDialog fd(fw::FileMode::Save, "cyb", m_dataPath, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kSaveFilter,
                      this);
    fd.setTitle(kSaveTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return;
    auto name = kavrin::normaliseDataName(fd.path(), kavrin::kExtCyData);
    if (name.changed) fw::MessageBox(kavrin::renameNotice(fd.path(), name.path), MB_OK | MB_ICONINFORMATION);
    const std::filesystem::path report = kavrin::designReportName(name.path, kavrin::kExtCyData, kavrin::kExtCyReport);
    auto fileBytes = cyPreSaveBytes(rec, fw::nowSeconds());
    if (!fileBytes) return refuse(fileBytes.error());
    // The data file and its report replace their old files together or not at all.
    if (auto w = kavrin::saveDesignAndReport(name.path, *fileBytes, report, preliminaryReportText(rec),
                                             fw::SaveTransaction::Mode::Replace);
        !w) {
        if (w.error().dataFile) return refuse(w.error().error.saveMessage());
        fw::MessageBox(kavrin::kMsgReportCreate, kavrin::kCaptionReportCreate, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_dataPath = name.path.string();
    m_strReportPath = report.string();
    currentDesign().dataPath = m_dataPath;
    currentDesign().reportPath = m_strReportPath;
    m_saved = 1;
    fw::MessageBox(kavrin::savedNotice(report), MB_OK | MB_ICONINFORMATION);
    EndDialog(IDOK);
}

void CypreDlg::OnBnClickedCancel() {
    if (!m_saved && fw::MessageBox(kAskSave, MB_YESNO | MB_ICONQUESTION) == IDYES) return;
    EndDialog(IDCANCEL);
}
