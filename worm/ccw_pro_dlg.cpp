#include "worm/ccw_pro_dlg.h"

#include <cmath>
#include <filesystem>

#include "common/calc/data_folder.h"
#include "common/calc/design_file.h"
#include "common/calc/quantity.h"
#include "fw/clock.h"
#include "fw/format.h"
#include "resources/tarv/module.h"
#include "worm/calc/cw_file.h"
#include "worm/calc/cw_record_check.h"
#include "worm/ccw_ka_dlg.h"
#include "worm/ccw_met_dlg.h"
#include "worm/ccw_rating_dlgs.h"
#include "worm/cw_zlo_dlg.h"
#include "worm/cw_dialog_helpers.h"

using namespace worm;
using namespace worm::rating;

namespace {

constexpr const char* kHelpTopic = "Kavrin.chm::/TarProofDlg.htm";
constexpr const char* kReportTitle = "《Ondrel》输出蜗杆副强度校核报告文件";
constexpr const char* kReportFilter = "圆柱蜗杆传动强度校核报告(*.cwt)|*.cwt|All File(*.*)|*.*|";
constexpr const char* kAskExtension = "储存的文件格式应为*.cwt，是否更改扩展名？";
constexpr const char* kAskCancel = "尚未输出报告，是(Yes)否(No)保存数据?";
constexpr const char* kMsgNoRoot = "蜗杆齿根圆直径 df1 = d'1 − 2.4·m 应为正值，请检查d'1和m！";

bool askYes(const std::string& text) { return fw::MessageBox(text, MB_YESNO | MB_ICONQUESTION) == IDYES; }
std::string rangeLabel(double v) { return fw::format("%.2f", v); }

}  // namespace

std::array<std::tuple<int, double*, Quantity>, 10> CCwproDlg::inputs() {
    using enum Quantity;
    return {{{IDC_D1W, &m_r.d1w, D1w}, {IDC_DM2, &m_r.dm2, Dm2}, {IDC_GAMMA_W, &m_r.gammaW, GammaW},
             {IDC_ALPHA_N, &m_r.alphaN, AlphaN}, {IDC_ALPHA_X, &m_r.alphaX, AlphaX}, {IDC_U, &m_r.u, U},
             {IDC_AW, &m_r.aw, Aw}, {IDC_M, &m_r.m, M}, {IDC_POWER, &m_r.power, Power}, {IDC_N1, &m_r.n1, N1}}};
}

CCwproDlg::CCwproDlg(fw::Window* parent) : fw::Dialog(tarv::module(), IDD, parent) {
    using enum Quantity;
    // Captured as plain copies: lambdas cannot capture structured bindings in clang 14.
    for (const auto& input : inputs()) {
        const int id = std::get<0>(input);
        double* const member = std::get<1>(input);
        const Quantity q = std::get<2>(input);
        onKillFocus(id, [this, id, member, q] { OnInput(id, *member, q); });
    }
    onClick(IDC_LOAD, [this] { OnLoad(); });
    onClick(IDC_POWER_BUTTON, [this] { OnPower(); });
    onClick(IDC_V_BUTTON, [this] { OnSpeed(); });
    onReleased(IDC_RHO_BAR, [this] { OnRho(); });
    onReleased(IDC_ETA1_BAR, [this] { OnEta(IDC_ETA1_BAR, m_eta1, m_eta1Range); });
    onReleased(IDC_ETA2_BAR, [this] { OnEta(IDC_ETA2_BAR, m_eta2, m_eta2Range); });
    onReleased(IDC_ETA3_BAR, [this] { OnEta(IDC_ETA3_BAR, m_eta3, m_eta3Range); });
    onClick(IDC_SLIDING, [this] { OnBearings(Bearings::Sliding); });
    onClick(IDC_ROLLING, [this] { OnBearings(Bearings::Rolling); });
    onClick(IDC_WORM_ABOVE, [this] { OnPosition(WormPosition::Above); });
    onClick(IDC_WORM_BELOW, [this] { OnPosition(WormPosition::Below); });
    onClick(IDC_DRIVE_WORM, [this] { OnDrive(Drive::Worm); });
    onClick(IDC_DRIVE_GEAR, [this] { OnDrive(Drive::WormGear); });
    onClick(IDC_EFFICIENCY_OK, [this] {
        markDone(Efficiency);
        refresh();
    });
    onClick(IDC_T1_BUTTON, [this] { OnTorque(); });
    const std::pair<int, Quantity> forceButtons[] = {{IDC_FT1_BUTTON, Ft1}, {IDC_FT2_BUTTON, Ft2},
                                                     {IDC_FX1_BUTTON, Fx1}, {IDC_FX2_BUTTON, Fx2},
                                                     {IDC_FR1_BUTTON, Fr1}, {IDC_FR2_BUTTON, Fr2}};
    for (const auto& button : forceButtons) {
        const Quantity q = button.second;
        onClick(button.first, [this, q] { OnForce(q); });
    }
    onClick(IDC_ZE_BUTTON, [this] { OnZe(); });
    onClick(IDC_ZH_BUTTON, [this] { OnZh(); });
    onClick(IDC_ZN_BUTTON, [this] { OnZn(); });
    onClick(IDC_ZRHO_BUTTON, [this] { OnZrho(); });
    onClick(IDC_KA_BUTTON, [this] { OnKa(); });
    onClick(IDC_SIGMA_H_BUTTON, [this] { OnSigmaH(); });
    onClick(IDC_SIGMA_HP_BUTTON, [this] { OnSigmaHp(); });
    onClick(IDC_SH_BUTTON, [this] { OnSh(); });
    onClick(IDC_ULIM_BUTTON, [this] { OnUlim(); });
    onClick(IDC_SW_BUTTON, [this] { OnBending(); });
    onKillFocus(IDC_SPAN, [this] { OnSpan(); });
    onClick(IDC_E_BUTTON, [this] {
        take(E, m_r.e, kSteelModulus);
        refresh();
    });
    onClick(IDC_I_BUTTON, [this] { OnInertia(); });
    onClick(IDC_DELTA_LIM_BUTTON, [this] { OnDeltaLim(); });
    onClick(IDC_S_PRIME_BUTTON, [this] { OnStiffness(); });
    onClick(IDOK, [this] { OnReport(); });
    onClick(IDCANCEL, [this] { OnCancelAsk(); });
    onClick(IDC_HELP, [] { fw::htmlHelp(kHelpTopic); });
    onKillFocus(IDC_TITLE, [this] { m_r.title = text(IDC_TITLE); });
    onKillFocus(IDC_NUMBER, [this] { m_r.number = text(IDC_NUMBER); });
    onSetFocus(IDC_DATE, [this] { setText(IDC_DATE, fw::todayText()); });
    onKillFocus(IDC_DATE, [this] {
        std::string t = text(IDC_DATE);
        if (t.empty()) setText(IDC_DATE, m_r.date);
        else m_r.date = t;
    });
}

bool CCwproDlg::OnInitDialog() {
    m_r.date = fw::todayText();
    m_r.rho = 0.83;
    m_r.eta = 0.65;
    m_hint = kHintStart;
    for (int id : {IDC_RHO_BAR, IDC_ETA1_BAR, IDC_ETA2_BAR, IDC_ETA3_BAR}) {
        fw::Trackbar& t = trackbar(id);
        t.setRange(0, kTrackbarPositions);
        t.setTicFreq(5);
        t.setPageSize(2);
        t.setPos(0);
    }
    setText(IDC_ETA1_LOW, "0.7");
    setText(IDC_ETA1_HIGH, "0.9");
    setText(IDC_RHO_LOW, "0.83");
    setText(IDC_RHO_HIGH, "1.17");
    setText(IDC_ETA2_LOW, "0.97");
    setText(IDC_ETA2_HIGH, "0.98");
    setText(IDC_ETA3_LOW, "0.98");
    setText(IDC_ETA3_HIGH, "0.99");
    refresh();
    return true;
}

void CCwproDlg::DoDataExchange(fw::Exchange& dx) {
    if (dx.saving()) return;   // every value is taken by its own handler
    dx.radio(IDC_DRIVE_WORM, m_drive);
    dx.radio(IDC_WORM_ABOVE, m_position);
    dx.radio(IDC_SLIDING, m_bearings);
    dx.text(IDC_TITLE, m_r.title, kTextWidth - 1);
    dx.text(IDC_NUMBER, m_r.number, kTextWidth - 1);
    dx.text(IDC_DATE, m_r.date, kDateWidth - 1);
    dx.text(IDC_HINT, m_hint);
    const std::pair<int, double*> shown[] = {
        {IDC_D1W, &m_r.d1w}, {IDC_DM2, &m_r.dm2}, {IDC_GAMMA_W, &m_r.gammaW}, {IDC_ALPHA_N, &m_r.alphaN},
        {IDC_ALPHA_X, &m_r.alphaX}, {IDC_U, &m_r.u}, {IDC_AW, &m_r.aw}, {IDC_M, &m_r.m}, {IDC_POWER, &m_r.power},
        {IDC_N1, &m_r.n1}, {IDC_RHO, &m_r.rho}, {IDC_ETA1, &m_eta1}, {IDC_ETA2, &m_eta2}, {IDC_ETA3, &m_eta3},
        {IDC_ETA, &m_r.eta}, {IDC_V, &m_r.v}, {IDC_T1, &m_r.t1}, {IDC_FT1, &m_r.f.ft1}, {IDC_FT2, &m_r.f.ft2},
        {IDC_FX1, &m_r.f.fx1}, {IDC_FX2, &m_r.f.fx2}, {IDC_FR1, &m_r.f.fr1}, {IDC_FR2, &m_r.f.fr2},
        {IDC_ZE, &m_r.ze}, {IDC_ZH, &m_r.zh}, {IDC_ZN, &m_r.zn}, {IDC_SIGMA_HLIM, &m_r.sigmaHlim},
        {IDC_ZRHO, &m_r.zrho}, {IDC_KA, &m_r.ka}, {IDC_SIGMA_H, &m_r.sigmaH}, {IDC_SIGMA_HP, &m_r.sigmaHp},
        {IDC_SH, &m_r.sh}, {IDC_ULIM, &m_r.ulim}, {IDC_SW, &m_r.sw}, {IDC_SPAN, &m_r.span}, {IDC_E, &m_r.e},
        {IDC_I, &m_r.inertia}, {IDC_DELTA_LIM, &m_r.deltaLim}, {IDC_S_PRIME, &m_r.sPrime}};
    for (auto [id, v] : shown) dx.number(id, *v);
    // The typed inputs and the span read their quantities' ranges (inputRange).
    auto name = [&dx](int id, Quantity field) {
        if (const kavrin::Quantity* q = inputRange(field)) dx.named(id, q->name, q->bounds);
    };
    for (const auto& input : inputs()) name(std::get<0>(input), std::get<2>(input));
    name(IDC_SPAN, Quantity::Span);
}

// ---- helpers ----

bool CCwproDlg::readField(int id, double& v) {
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    double read = v;
    dx.number(id, read);
    if (dx.failed()) return false;
    v = read;
    return true;
}

void CCwproDlg::refresh() {
    const Enabling e = enabling(inputMask(m_done), ratingMask(m_done));
    enable(IDC_V_BUTTON, e.speed);
    for (int id : {IDC_RHO_BAR, IDC_ETA1_BAR, IDC_ETA2_BAR, IDC_ETA3_BAR, IDC_EFFICIENCY_OK}) enable(id, e.efficiency);
    for (int id : {IDC_T1_BUTTON, IDC_FT1_BUTTON, IDC_FT2_BUTTON, IDC_FX1_BUTTON, IDC_FX2_BUTTON, IDC_FR1_BUTTON,
                   IDC_FR2_BUTTON})
        enable(id, e.forces);
    for (int id : {IDC_ZE_BUTTON, IDC_ZH_BUTTON, IDC_ZN_BUTTON, IDC_ZRHO_BUTTON, IDC_KA_BUTTON, IDC_ULIM_BUTTON,
                   IDC_E_BUTTON, IDC_I_BUTTON, IDC_DELTA_LIM_BUTTON})
        enable(id, e.factors);
    enable(IDC_SIGMA_H_BUTTON, e.stresses);
    enable(IDC_SIGMA_HP_BUTTON, e.stresses);
    enable(IDC_SH_BUTTON, e.contactSafety);
    enable(IDC_SW_BUTTON, e.bendingSafety);
    enable(IDC_S_PRIME_BUTTON, e.stiffnessSafety);
    if (*e.hint) {
        m_hint = e.hint;
        // The verdict on the stiffness belongs to the S' shown.
        if (e.stiffnessSafety && done(Quantity::SPrime)) m_hint += stiffnessRemark(m_r.sPrime);
    }
    UpdateData(false);
}

void CCwproDlg::changed(Quantities q) { clear(staleAfter(q, m_loaded)); }

void CCwproDlg::clear(Quantities stale) {
    using enum Quantity;
    const bool wasDone = (m_done & stale) != 0;
    auto zero = [&](Quantity q, std::initializer_list<double*> values) {
        if (stale & bit(q))
            for (double* v : values) *v = 0;
    };
    zero(Speed, {&m_r.v});
    zero(T1, {&m_r.t1, &m_t2});
    zero(Ft1, {&m_r.f.ft1});
    zero(Ft2, {&m_r.f.ft2});
    zero(Fx1, {&m_r.f.fx1});
    zero(Fx2, {&m_r.f.fx2});
    zero(Fr1, {&m_r.f.fr1});
    zero(Fr2, {&m_r.f.fr2});
    zero(Ze, {&m_r.ze, &m_r.sigmaHlim});
    zero(Zh, {&m_r.zh});
    zero(Zn, {&m_r.zn});
    zero(Zrho, {&m_r.zrho});
    zero(Ka, {&m_r.ka});
    zero(SigmaH, {&m_r.sigmaH});
    zero(SigmaHp, {&m_r.sigmaHp});
    zero(Sh, {&m_r.sh});
    zero(Ulim, {&m_r.ulim});
    zero(Span, {&m_r.span});
    zero(E, {&m_r.e});
    zero(I, {&m_r.inertia});
    zero(DeltaLim, {&m_r.deltaLim});
    zero(Sw, {&m_r.sw});
    zero(SPrime, {&m_r.sPrime});
    m_done &= ~stale;
    if (wasDone) m_hint = kHintRedo;   // refresh replaces it with the next stage's text
}

void CCwproDlg::take(Quantity q, double& member, double v) {
    if (v != member || !done(q)) {
        member = v;
        changed(bit(q));
    }
    markDone(q);
}

void CCwproDlg::markDone(Quantity q) {
    m_done |= bit(q);
    if ((m_done & kForceBits) == kForceBits) m_done |= bit(Quantity::Forces);
}

// A result is a positive number a report can hold (fewer than 16 digits
// before the point); anything else stops its step naming the value.
bool CCwproDlg::usable(const char* name, double v) {
    if (usableNumber(v) && v > 0 && kavrin::printable(v)) return true;
    const char* rule = !usableNumber(v) ? "不是有效数值" : !(v > 0) ? "应为正值" : "超出数值范围";
    warn(resultRefusal({name, rule}));
    return false;
}

void CCwproDlg::showRanges() {
    setText(IDC_RHO_LOW, rangeLabel(m_rhoRange.lower));
    setText(IDC_RHO_HIGH, rangeLabel(m_rhoRange.upper));
    setText(IDC_ETA1_LOW, rangeLabel(m_eta1Range.lower));
    setText(IDC_ETA1_HIGH, rangeLabel(m_eta1Range.upper));
    setText(IDC_ETA2_LOW, rangeLabel(m_eta2Range.lower));
    setText(IDC_ETA2_HIGH, fw::format("%g", m_eta2Range.upper));
    setText(IDC_ETA3_LOW, rangeLabel(m_eta3Range.lower));
    setText(IDC_ETA3_HIGH, rangeLabel(m_eta3Range.upper));
}

void CCwproDlg::updateEta() { m_r.eta = m_eta1 * m_eta2 * m_eta3; }

bool CCwproDlg::setScrewEfficiency() {
    auto eta1 = screwEfficiency(m_drive, m_r.gammaW, m_r.rho);
    if (!eta1) return false;
    m_eta1 = *eta1;
    m_eta1Range = screwEfficiencyRange(m_eta1);
    trackbar(IDC_ETA1_BAR).setPos(kTrackbarPositions / 2);
    return true;
}

// ---- handlers ----

// An input field: an angle of 90° or more is refused; a value ≤ 0 only
// leaves its bit unset; a changed value makes what is computed from it stale.
void CCwproDlg::OnInput(int id, double& member, Quantity q) {
    double v = member;
    if (!readField(id, v)) return;
    if (auto refusal = inputRefusal(q, v)) {
        warn(*refusal);
        refresh();
        return editAgain(id);
    }
    if (v == member) return;
    member = v;
    m_done = v > 0 ? (m_done | bit(q)) : (m_done & ~bit(q));
    changed(bit(q));
    refresh();
}

void CCwproDlg::OnPower() {
    CCwNDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    Quantities changedInputs = 0;
    if (dlg.m_power != m_r.power) changedInputs |= bit(Quantity::Power);
    if (dlg.m_n1 != m_r.n1) changedInputs |= bit(Quantity::N1);
    m_r.power = dlg.m_power;
    m_r.n1 = dlg.m_n1;
    m_done |= bit(Quantity::Power) | bit(Quantity::N1);
    changed(changedInputs);
    refresh();
}

void CCwproDlg::OnSpeed() {
    const double v = slidingSpeed(m_r.d1w, m_r.n1, m_r.gammaW);
    if (!usable("节圆滑动线速度 v", v)) return;
    const Friction fr = frictionAt(v);
    const double rhoBefore = m_r.rho;
    m_r.rho = fr.rho;
    if (!setScrewEfficiency()) {
        m_r.rho = rhoBefore;
        return warn(efficiencyRefusal(m_drive));
    }
    m_r.v = v;
    m_rhoRange = fr.range;
    trackbar(IDC_RHO_BAR).setPos(positionOf(m_r.rho, m_rhoRange));
    updateEta();
    // A new speed sets ρ and η1 afresh: the efficiency is confirmed again.
    changed(bit(Quantity::Speed));
    markDone(Quantity::Speed);
    showRanges();
    refresh();
}

void CCwproDlg::OnRho() {
    fw::Trackbar& bar = trackbar(IDC_RHO_BAR);
    const double before = m_r.rho;
    m_r.rho = m_rhoRange.at(bar.pos());
    if (!setScrewEfficiency()) {
        m_r.rho = before;
        bar.setPos(positionOf(before, m_rhoRange));
        return warn(efficiencyRefusal(m_drive));
    }
    updateEta();
    changed(bit(Quantity::EtaChoice));
    showRanges();
    refresh();
}

void CCwproDlg::OnEta(int bar, double& eta, const Range& range) {
    eta = range.at(trackbar(bar).pos());
    updateEta();
    changed(bit(Quantity::EtaChoice));
    refresh();
}

void CCwproDlg::OnBearings(Bearings b) {
    m_bearings = b;
    m_eta2Range = bearingRange(b);
    m_eta2 = m_eta2Range.lower;
    trackbar(IDC_ETA2_BAR).setPos(0);
    updateEta();
    changed(bit(Quantity::EtaChoice));
    showRanges();
    refresh();
}

void CCwproDlg::OnPosition(WormPosition p) {
    m_position = p;
    m_eta3Range = splashRange(p);
    m_eta3 = m_eta3Range.lower;
    trackbar(IDC_ETA3_BAR).setPos(0);
    updateEta();
    changed(bit(Quantity::EtaChoice));
    showRanges();
    refresh();
}

// The driving direction starts the rating again from the speed: every stage
// and factor but the span (and the moment of inertia while the worm drives)
// is cleared; T1 and T2 stay shown until recomputed.
void CCwproDlg::OnDrive(Drive d) {
    m_drive = d;
    Quantities keep = bit(Quantity::Span) | (d == Drive::Worm ? bit(Quantity::I) : 0);
    const double t1 = m_r.t1, t2 = m_t2;
    clear(~Quantities{0x3FF} & ~keep);
    m_r.t1 = t1;
    m_t2 = t2;
    m_hint = kHintRedo;
    refresh();
}

void CCwproDlg::OnTorque() {
    const Torques t = torques(m_drive, m_r.power, m_r.n1, m_r.eta, m_r.u);
    if (!usable("蜗杆上扭矩 T1", t.t1) || !usable("蜗轮上扭矩 T2", t.t2)) return;
    if (t.t2 != m_t2) {
        m_t2 = t.t2;
        changed(bit(Quantity::T1));
    }
    take(Quantity::T1, m_r.t1, t.t1);
    refresh();
}

void CCwproDlg::OnForce(Quantity q) {
    if (!done(Quantity::T1)) return;
    const Forces f = forces({m_r.t1, m_t2}, m_r.d1w, m_r.dm2, m_r.alphaX);
    using enum Quantity;
    const std::tuple<Quantity, const char*, double, double*> all[] = {
        {Ft1, "圆周力 Ft1", f.ft1, &m_r.f.ft1}, {Ft2, "圆周力 Ft2", f.ft2, &m_r.f.ft2},
        {Fx1, "轴向力 Fx1", f.fx1, &m_r.f.fx1}, {Fx2, "轴向力 Fx2", f.fx2, &m_r.f.fx2},
        {Fr1, "径向力 Fr1", f.fr1, &m_r.f.fr1}, {Fr2, "径向力 Fr2", f.fr2, &m_r.f.fr2}};
    for (const auto& [which, name, v, member] : all) {
        if (which != q) continue;
        if (!usable(name, v)) return;
        take(q, *member, v);
    }
    refresh();
}

void CCwproDlg::OnZe() {
    CCwMetDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    const auto& row = dlg.material();
    if (row.sigmaHlim != m_r.sigmaHlim) {
        m_r.sigmaHlim = row.sigmaHlim;
        changed(bit(Quantity::Ze));
    }
    take(Quantity::Ze, m_r.ze, row.ze);
    refresh();
}

void CCwproDlg::OnZh() {
    CCwZhDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    take(Quantity::Zh, m_r.zh, dlg.m_zh);
    refresh();
}

void CCwproDlg::OnZn() {
    const double zn = speedFactor(m_r.n1, m_r.u);
    if (!usable("速度系数 Zn", zn)) return;
    take(Quantity::Zn, m_r.zn, zn);
    refresh();
}

void CCwproDlg::OnZrho() {
    WormType type = m_pre.type;
    double d1a = m_pre.d1a;
    if (!m_loaded) {
        CCwZtypeDlg t(this);
        type = t.DoModal() == IDOK ? t.m_type : WormType::ZA;
        d1a = m_r.d1w / m_r.aw;
    }
    if (auto z = runContactChart(type, d1a, this)) take(Quantity::Zrho, m_r.zrho, *z);
    refresh();
}

void CCwproDlg::OnKa() {
    CCwKaDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    take(Quantity::Ka, m_r.ka, dlg.m_ka);
    refresh();
}

void CCwproDlg::OnSigmaH() {
    const double v = contactStress(m_t2, m_r.ka, m_r.aw, m_r.ze, m_r.zrho);
    if (!usable("计算接触应力 σH", v)) return;
    take(Quantity::SigmaH, m_r.sigmaH, v);
    refresh();
}

void CCwproDlg::OnSigmaHp() {
    const double v = m_r.zh * m_r.zn * m_r.sigmaHlim;
    if (!usable("许用接触应力 σ'H", v)) return;
    take(Quantity::SigmaHp, m_r.sigmaHp, v);
    refresh();
}

void CCwproDlg::OnSh() {
    const double v = m_r.sigmaHp / m_r.sigmaH;
    if (!usable("接触安全系数 SH", v)) return;
    take(Quantity::Sh, m_r.sh, v);
    refresh();
}

void CCwproDlg::OnUlim() {
    CCwMetDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    take(Quantity::Ulim, m_r.ulim, dlg.material().sigmaFlim);
    refresh();
}

void CCwproDlg::OnBending() {
    double b2 = m_geom.b2;
    if (!m_loaded) {
        CCwproB2Dlg dlg(this);
        if (dlg.DoModal() != IDOK) return;
        b2 = dlg.m_b2;
    }
    const double sw = bendingSafety(m_r.ulim, m_r.f.ft2, m_r.ka, m_r.m, b2);
    if (!usable("弯曲安全系数 Sw", sw)) return;
    take(Quantity::Sw, m_r.sw, sw);
    refresh();
}

void CCwproDlg::OnSpan() {
    double v = m_r.span;
    if (!readField(IDC_SPAN, v)) return;
    if (v == m_r.span) return;
    // 0 or less: "输入数据无效!"; beyond any worm shaft: the field's name and range.
    if (auto refusal = spanRefusal(v)) {
        warn(*refusal);
        refresh();
        return editAgain(IDC_SPAN);
    }
    take(Quantity::Span, m_r.span, v);
    refresh();
}

void CCwproDlg::OnInertia() {
    const double df = m_loaded ? m_geom.df1 : m_r.d1w - 2.4 * m_r.m;
    if (!(df > 0)) return warn(kMsgNoRoot);
    const double inertia = rootInertia(df);
    if (!usable("危险截面惯性矩 I", inertia)) return;
    take(Quantity::I, m_r.inertia, inertia);
    refresh();
}

void CCwproDlg::OnDeltaLim() {
    CCwStatuDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    take(Quantity::DeltaLim, m_r.deltaLim, deflectionLimit(dlg.m_state, m_r.m));
    refresh();
}

void CCwproDlg::OnStiffness() {
    const auto s = stiffnessSafety(m_r.f.ft1, m_r.f.ft2, m_r.span, m_r.e, m_r.inertia, m_r.deltaLim);
    if (!s) return warn(s.error());
    if (!usable("刚性安全系数 S'", *s)) return;
    take(Quantity::SPrime, m_r.sPrime, *s);
    refresh();
}

// ---- files ----

void CCwproDlg::OnLoad() {
    fw::FileDialog fd(fw::FileMode::Open, "cwb", isCwbName(m_dataPath) ? m_dataPath : "*.cwb",
                      OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kRatingOpenFilter, this);
    fd.setTitle(kOpenTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return;
    const std::filesystem::path path = fd.path();
    if (!isCwbName(path) && !askYes(kMsgRatingAskFormat)) return;
    auto bytes = readDesignFile(path);
    if (!bytes) return warn(msgOpenFailed(path));
    if (isOldFile(*bytes)) fw::MessageBox(kMsgOldFile, MB_OK | MB_ICONINFORMATION);
    auto loaded = loadForRating(*bytes);
    if (!loaded) return warn(loaded.error().text);
    // Accepted: the design, the inputs and the paths change.
    m_pre = loaded->pre;
    m_geom = *loaded->geom;
    m_loaded = true;
    m_dataPath = path.string();
    m_reportPath = reportNameOf(path).string();
    m_r.type = m_pre.type;
    m_r.d1w = m_geom.d1w;
    m_r.dm2 = m_geom.dm2;
    m_r.gammaW = m_geom.gammaW;   // the pitch cylinder's lead angle, as d'1
    m_r.alphaN = m_geom.alphaN;
    m_r.alphaX = m_geom.alphaX;
    m_r.u = m_pre.u;
    m_r.aw = m_geom.aw;
    m_r.m = m_geom.mx;
    m_r.power = m_pre.p;
    m_r.n1 = m_pre.n1;
    m_r.title = m_pre.title;
    m_r.number = m_pre.number;
    m_r.date = m_pre.date;
    // A new design: every input is given (the load's check holds them above
    // zero) and every result is stale, the span kept.
    const double span = m_r.span;
    const bool spanDone = done(Quantity::Span);
    clear(~Quantities{0});
    m_done = 0x3FF;
    m_r.span = span;
    if (spanDone) m_done |= bit(Quantity::Span);
    refresh();
}

void CCwproDlg::OnReport() {
    // Every value the report prints belongs to the inputs shown.
    if ((m_done & kReportReady) != kReportReady) return inform(kMsgNotCalculated);
    fw::FileDialog fd(fw::FileMode::Save, "cwt",
                      kavrin::hasDataExtension(m_reportPath, kExtReport) ? m_reportPath : "*.cwt", OFN_HIDEREADONLY,
                      kReportFilter, this);
    fd.setTitle(kReportTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return;
    std::filesystem::path path = fd.path();
    if (!kavrin::hasDataExtension(path, kExtReport) && askYes(kAskExtension))
        path = kavrin::normaliseDataName(path, kExtReport).path;
    if (auto r = commitReport(path, ratingReport(m_r), ReportMode::Append); !r)
        return warn(r.error().step == fw::FileStep::Open ? msgOpenFailed(path) : r.error().saveMessage());
    m_strReportPath = path.string();
    m_reportWritten = true;
    EndDialog(IDOK);
}

void CCwproDlg::OnCancelAsk() {
    if (!m_reportWritten && askYes(kAskCancel)) return;
    EndDialog(IDCANCEL);
}
