#include "worm/ccw_pr_dlg.h"

#include <cstdlib>
#include <filesystem>

#include "common/calc/data_folder.h"
#include "common/dialogs/quantity_field.h"
#include "fw/clock.h"
#include "fw/format.h"
#include "resources/tarv/module.h"
#include "worm/calc/cw_file.h"
#include "worm/ccw_ka_dlg.h"
#include "worm/ccw_met_dlg.h"
#include "worm/cw_zlo_dlg.h"
#include "worm/cw_dialog_helpers.h"

using namespace worm;

namespace {

constexpr const char* kHelpTopic = "Kavrin.chm::/TarPreDlg.htm";
constexpr const char* kAskCancel = "数据尚未保存，是(Yes)否(No)保存数据？";

constexpr int kTypeIds[kWormTypeCount] = {CcwPrDlg::IDC_ZA, CcwPrDlg::IDC_ZN, CcwPrDlg::IDC_ZL, CcwPrDlg::IDC_ZK,
                                          CcwPrDlg::IDC_ZC};

}  // namespace

CcwPrDlg::CcwPrDlg(fw::Window* parent) : fw::Dialog(tarv::module(), IDD, parent) {
    onKillFocus(IDC_N1, [this] { OnKillfocusN1(); });
    onKillFocus(IDC_N2, [this] { OnKillfocusN2(); });
    onKillFocus(IDC_U, [this] { OnKillfocusU(); });
    onKillFocus(IDC_P, [this] { OnKillfocusP(); });
    onKillFocus(IDC_T, [this] { OnKillfocusT(); });
    onKillFocus(IDC_SIGMA_H, [this] { OnKillfocusLimit(IDC_SIGMA_H, &PreliminaryInput::sigmaHlim, ranges::kSigmaHlim); });
    onKillFocus(IDC_SIGMA_F, [this] { OnKillfocusLimit(IDC_SIGMA_F, &PreliminaryInput::sigmaFlim, ranges::kSigmaFlim); });
    onKillFocus(IDC_ZE, [this] { OnKillfocusLimit(IDC_ZE, &PreliminaryInput::ze, ranges::kZe); });
    for (int c = 0; c < kWormTypeCount; ++c)
        onClick(kTypeIds[c], [this, c] { OnWormType(static_cast<WormType>(c)); });
    onClick(IDC_MODE_POWER, [this] { OnLoadMode(LoadMode::PowerSpeedRatio); });
    onClick(IDC_MODE_TORQUE, [this] { OnLoadMode(LoadMode::TorqueSpeeds); });
    onClick(IDC_MATERIAL, [this] { OnMaterial(); });
    onClick(IDC_KA_BUTTON, [this] { OnKa(); });
    onClick(IDC_ZRHO_BUTTON, [this] { OnZrho(); });
    onKillFocus(IDC_TITLE, [this] { m_title = text(IDC_TITLE); });
    onKillFocus(IDC_NUMBER, [this] { m_number = text(IDC_NUMBER); });
    onSetFocus(IDC_DATE, [this] { OnDateSetFocus(); });
    onKillFocus(IDC_DATE, [this] { OnDateKillFocus(); });
    onClick(IDC_CALC, [this] { OnCalc(); });
    onSelChange(IDC_MODULE, [this] { OnModuleChosen(); });
    onSelChange(IDC_DIAMETER, [this] { OnDiameterChosen(); });
    onDropDown(IDC_MODULE, [this] { setHint(moduleSeriesText()); });
    onDropDown(IDC_DIAMETER, [this] { setHint(diameterSeriesText()); });
    onClick(IDC_LOAD, [this] { OnLoad(); });
    onClick(IDOK, [this] { OnSave(); });
    onClick(IDCANCEL, [this] { OnCancelAsk(); });
    onClick(IDC_HELP, [] { fw::htmlHelp(kHelpTopic); });
}

bool CcwPrDlg::OnInitDialog() {
    m_date = fw::todayText();
    show();
    enableLoadMode();
    enable(IDC_MODULE, false);
    enable(IDC_DIAMETER, false);
    enable(IDC_CALC, false);
    setHint("");
    return true;
}

void CcwPrDlg::DoDataExchange(fw::Exchange& dx) {
    // Only members -> fields: every input is taken by its own handler.
    if (dx.saving()) return;
    dx.radio(IDC_ZA, m_in.type);
    dx.radio(IDC_MODE_POWER, m_mode);
    dx.text(IDC_TITLE, m_title, kTextWidth - 1);
    dx.text(IDC_NUMBER, m_number, kTextWidth - 1);
    dx.text(IDC_DATE, m_date, kDateWidth - 1);
    kavrin::number(dx, IDC_N1, m_in.n1, ranges::kN1);
    kavrin::number(dx, IDC_N2, m_in.n2, ranges::kN2);
    dx.number(IDC_U, m_in.u);
    kavrin::number(dx, IDC_P, m_in.p, ranges::kP);
    kavrin::number(dx, IDC_T, m_in.t, ranges::kT);
    kavrin::number(dx, IDC_SIGMA_H, m_in.sigmaHlim, ranges::kSigmaHlim);
    kavrin::number(dx, IDC_SIGMA_F, m_in.sigmaFlim, ranges::kSigmaFlim);
    kavrin::number(dx, IDC_ZE, m_in.ze, ranges::kZe);
    dx.number(IDC_D1A, m_in.d1a);
    dx.number(IDC_KA, m_in.ka);
    dx.number(IDC_ZRHO, m_in.zrho);
    dx.integer(IDC_Z1, m_in.z1);
    dx.integer(IDC_Z2, m_in.z2);
    dx.number(IDC_M_CALC, m_out.mCalc);
    dx.number(IDC_Q, m_out.q);
    dx.number(IDC_D1_CALC, m_out.d1Calc);
    dx.number(IDC_A, m_out.a);
    dx.number(IDC_D2, m_out.d2);
    dx.number(IDC_GAMMA, m_out.gamma);
}

// ---- helpers ----

bool CcwPrDlg::readField(int id, double& v) {
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    double read = v;
    dx.number(id, read);
    if (dx.failed()) return false;
    v = read;
    return true;
}

bool CcwPrDlg::readField(int id, double& v, const kavrin::Quantity& q) {
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    double read = v;
    kavrin::numberOwnBelow(dx, id, read, q, 0);
    if (dx.failed()) return false;
    v = read;
    return true;
}

void CcwPrDlg::show() { UpdateData(false); }

void CcwPrDlg::setHint(const std::string& t) { setText(IDC_HINT, t); }

void CcwPrDlg::hintStep(const char* t) {
    const bool complete = completionMask(m_in) == kMaskComplete;
    enable(IDC_CALC, complete);
    if (complete) setHint(t);
    enable(IDC_MODULE, false);
    enable(IDC_DIAMETER, false);
    m_finished = false;
    show();
}

bool CcwPrDlg::askYes(const std::string& question) {
    return fw::MessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CcwPrDlg::teethFromRatio() {
    StartsChoice c = startsFromRatio(m_in.u, m_in.z1);
    m_in.z1 = c.z1;
    if (c.ask && askYes(startsQuestion(c.z1))) m_in.z1 = c.z1 + 1;
    Teeth t = worm::teethFromRatio(m_in.z1, m_in.u);
    m_in.z2 = t.z2;
    m_in.u = t.u;
}

void CcwPrDlg::enableLoadMode() {
    const bool power = m_mode == LoadMode::PowerSpeedRatio;
    enable(IDC_P, power);
    enable(IDC_U, power);
    enable(IDC_N2, !power);
    enable(IDC_T, !power);
}

void CcwPrDlg::fillModuleList() {
    fw::ComboBox& c = combo(IDC_MODULE);
    c.resetContent();
    for (const auto& s : moduleItems(m_out.mCalc)) c.addString(s);
}

void CcwPrDlg::fillDiameterList() {
    fw::ComboBox& c = combo(IDC_DIAMETER);
    c.resetContent();
    for (const auto& s : diameterItems(m_out.d1Calc)) c.addString(s);
    c.setCurSel(1);
}

void CcwPrDlg::applyMoreStarts(const MoreStarts& s) {
    m_in.z1 = s.z1;
    m_in.z2 = s.z2;
    m_in.u = s.u;
    m_out = s.result;
}

bool CcwPrDlg::keepsUsable(const PreliminaryInput& before, int field) {
    auto bad = unusableInput(m_in);
    if (!bad) return true;
    m_in = before;
    setHint(fw::format(kHintInputUnusable, bad->c_str()));
    show();
    editAgain(field);
    return false;
}

void CcwPrDlg::moreStarts(double m) {
    if (auto s = withOneMoreStart(m_in, m)) applyMoreStarts(*s);
    else if (m_in.z1 >= kMaxStarts) inform(kMsgMaxStarts);
    else inform(fw::format(kMsgMoreStartsUnusable, m_in.z1 + 1));
}

void CcwPrDlg::finish() {
    m_finished = true;
    m_finishedFrom = m_in;
}

// ---- field handlers ----

void CcwPrDlg::OnKillfocusN1() {
    const PreliminaryInput before = m_in;
    double v = m_in.n1;
    if (!readField(IDC_N1, v, ranges::kN1)) return;
    if (!(v > 0) || v == m_in.n1) return show();
    if (m_mode == LoadMode::PowerSpeedRatio) {
        m_in.n1 = v;
        if (m_in.u >= kRatioRange.lower) {
            teethFromRatio();
            m_in.n2 = m_in.n1 / m_in.u;
            if (m_in.p > 0) m_in.t = torqueFromPower(m_in.p, m_in.n2);
        }
    } else if (m_in.n2 > 0) {
        // The ratio the two speeds give must be one the ratio field takes.
        const double u = v / m_in.n2;
        if (!kRatioRange.contains(u)) {
            setHint(kHintRatioRange);
            show();
            return editAgain(IDC_N1);
        }
        m_in.n1 = v;
        m_in.u = u;
        teethFromRatio();
        m_in.n2 = m_in.n1 / m_in.u;
        m_in.d1a = diameterRatioFromRatio(m_in.u);
        if (m_in.t > 0) m_in.p = powerFromTorque(m_in.t, m_in.n2);
    } else {
        m_in.n1 = v;
    }
    if (!keepsUsable(before, IDC_N1)) return;
    hintStep(kHintInputs);
}

void CcwPrDlg::OnKillfocusN2() {
    const PreliminaryInput before = m_in;
    if (m_mode != LoadMode::TorqueSpeeds) return;
    double v = m_in.n2;
    if (!readField(IDC_N2, v, ranges::kN2)) return;
    if (!(v > 0) || v == m_in.n2) return show();
    if (m_in.n1 > 0) {
        const double u = m_in.n1 / v;
        if (!kRatioRange.contains(u)) {
            setHint(kHintRatioRange);
            show();
            return editAgain(IDC_N2);
        }
        m_in.u = u;
        teethFromRatio();
        m_in.n2 = m_in.n1 / m_in.u;
        m_in.d1a = diameterRatioFromRatio(m_in.u);
        m_in.p = powerFromTorque(m_in.t, m_in.n2);
    } else {
        m_in.n2 = v;
    }
    if (!keepsUsable(before, IDC_N2)) return;
    hintStep(kHintInputs);
}

void CcwPrDlg::OnKillfocusU() {
    const PreliminaryInput before = m_in;
    double v = m_in.u;
    if (!readField(IDC_U, v)) return;
    if (v == m_in.u) return show();
    if (!kRatioRange.contains(v)) {
        setHint(kHintRatioRange);
        show();
        return editAgain(IDC_U);
    }
    m_in.u = v;
    teethFromRatio();
    if (m_in.n1 > 0) {
        m_in.n2 = m_in.n1 / m_in.u;
        if (m_in.p > 0) m_in.t = torqueFromPower(m_in.p, m_in.n2);
    }
    m_in.d1a = diameterRatioFromRatio(m_in.u);
    if (!keepsUsable(before, IDC_U)) return;
    hintStep(kHintInputs);
}

void CcwPrDlg::OnKillfocusP() {
    const PreliminaryInput before = m_in;
    double v = m_in.p;
    if (!readField(IDC_P, v, ranges::kP)) return;
    if (!(v >= 0) || v == m_in.p) return show();
    m_in.p = v;
    if (m_in.n2 > 0) m_in.t = torqueFromPower(m_in.p, m_in.n2);
    if (!keepsUsable(before, IDC_P)) return;
    hintStep(kHintInputs);
}

void CcwPrDlg::OnKillfocusT() {
    const PreliminaryInput before = m_in;
    double v = m_in.t;
    if (!readField(IDC_T, v, ranges::kT)) return;
    if (!(v >= 0) || v == m_in.t) return show();
    m_in.t = v;
    m_in.p = powerFromTorque(m_in.t, m_in.n2);
    if (!keepsUsable(before, IDC_T)) return;
    hintStep(kHintInputs);
}

void CcwPrDlg::OnKillfocusLimit(int id, double PreliminaryInput::*member, const kavrin::Quantity& q) {
    double v = m_in.*member;
    if (!readField(id, v, q)) return;
    if (!(v > 0) || v == m_in.*member) return show();
    m_in.*member = v;
    hintStep(kHintInputs);
}

void CcwPrDlg::OnWormType(WormType type) {
    m_in.type = type;
    if (m_in.u > 0)
        if (auto z = runContactChart(type, m_in.d1a, this)) m_in.zrho = *z;
    hintStep(kHintInputs);
}

void CcwPrDlg::OnLoadMode(LoadMode mode) {
    m_mode = mode;
    enableLoadMode();
}

void CcwPrDlg::OnMaterial() {
    CCwMetDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    m_in.sigmaHlim = dlg.material().sigmaHlim;
    m_in.sigmaFlim = dlg.material().sigmaFlim;
    m_in.ze = dlg.material().ze;
    hintStep(kHintInputs);
}

void CcwPrDlg::OnKa() {
    CCwKaDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    m_in.ka = dlg.m_ka;
    hintStep(kHintInputs);
}

void CcwPrDlg::OnZrho() {
    auto z = runContactChart(m_in.type, m_in.d1a, this);
    if (!z) return;  // Cancel, or OK with the thumb unmoved: Zρ stays
    m_in.zrho = *z;
    hintStep(kHintInputs);
}

void CcwPrDlg::OnDateSetFocus() { setText(IDC_DATE, fw::todayText()); }

void CcwPrDlg::OnDateKillFocus() {
    std::string t = text(IDC_DATE);
    if (t.empty()) setText(IDC_DATE, m_date);
    else m_date = t;
}

// ---- calculation ----

void CcwPrDlg::OnCalc() {
    auto c = centreDistance(m_in);
    if (!c) return setHint(kHintNotFinite);
    m_out = c->result;
    m_in.d1a = c->d1a;
    fillModuleList();
    switch (leadBand(m_out.gamma)) {
    case LeadBand::Large: setHint(kHintLargeLead); break;
    case LeadBand::Small: setHint(kHintSmallLead); break;
    case LeadBand::SelfLocking:
        if (askYes(kAskSelfLocking))
            moreStarts(m_out.mCalc);
        break;
    case LeadBand::Normal: break;
    }
    hintStep(kHintChooseModule);
    enable(IDC_MODULE, true);
}

void CcwPrDlg::OnModuleChosen() {
    fw::ComboBox& c = combo(IDC_MODULE);
    if (c.curSel() < 0) return;
    const PreliminaryResult before = m_out;
    m_out.m = std::strtod(c.itemText(c.curSel()).c_str(), nullptr);
    m_out.q = m_out.d1Calc / m_out.m;
    m_out.gamma = leadAngle(m_in.z1, m_out.q);
    switch (leadBand(m_out.gamma)) {
    case LeadBand::Large:
        if (askYes(kAskModuleLarge)) {
            m_out = before;
            return show();
        }
        break;
    case LeadBand::Small: setHint(kHintModuleSmallLead); break;
    case LeadBand::SelfLocking:
        if (askYes(kAskSelfLocking)) {
            moreStarts(m_out.mCalc);
            hintStep(kHintChooseWormModule);
            enable(IDC_MODULE, true);
            return;
        }
        break;
    case LeadBand::Normal: break;
    }
    m_out.d2 = m_in.z2 * m_out.m;
    m_out.a = (m_out.d1Calc + m_out.d2) / 2;
    m_in.d1a = m_out.d1Calc / m_out.a;
    fillDiameterList();
    setHint(kHintChooseDiameter);
    enable(IDC_DIAMETER, true);
    show();
}

void CcwPrDlg::OnDiameterChosen() {
    fw::ComboBox& c = combo(IDC_DIAMETER);
    if (c.curSel() < 0) return;
    const PreliminaryResult before = m_out;
    m_out.d1 = std::strtod(c.itemText(c.curSel()).c_str(), nullptr);
    m_out.q = m_out.d1 / m_out.m;
    m_out.gamma = leadAngle(m_in.z1, m_out.q);
    switch (leadBand(m_out.gamma)) {
    case LeadBand::Large:
        if (askYes(kAskDiameterSmall)) {
            m_out = before;
            return show();
        }
        break;
    case LeadBand::Small:
        setHint(kHintDoneSmallLead);
        m_out.d2 = m_in.z2 * m_out.m;
        m_out.a = (m_out.d1 + m_out.d2) / 2;
        m_in.d1a = m_out.d1Calc / m_out.a;
        finish();
        return show();
    case LeadBand::SelfLocking:
        if (askYes(kAskSelfLocking)) {
            moreStarts(m_out.m);
            fillDiameterList();
            hintStep(kHintChooseCylinder);
            enable(IDC_DIAMETER, true);
            return;
        }
        break;
    case LeadBand::Normal: break;
    }
    m_out.a = (m_out.d1 + m_out.d2) / 2;
    m_in.d1a = m_out.d1Calc / m_out.a;
    finish();
    setHint(kHintDone);
    show();
}

// ---- save, load, cancel ----

void CcwPrDlg::OnSave() {
    if (!finished()) return inform(kMsgNotCalculated);
    const CwPreRecord rec = preliminaryRecord(m_in, m_out, m_title, m_number, m_date);
    // What the load would refuse is not written: the user is told which field.
    if (auto fault = checkPreRecord(rec)) return warn(saveRefusal(*fault));
    fw::FileDialog fd(fw::FileMode::Save, "cwb", isCwbName(m_dataPath) ? m_dataPath : "*.cwb",
                      OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kPreFilter, this);
    fd.setTitle(kSaveTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return;
    const SaveName name = preliminarySaveName(fd.path());
    if (name.changed) inform(kMsgPreRenamed);
    const std::filesystem::path report = reportNameOf(name.path);
    auto done = savePreliminaryFiles(name.path, rec, report, preliminaryReport(rec), fw::nowSeconds());
    if (!done) return warn(done.error().message());
    m_dataPath = name.path.string();
    m_strReportPath = report.string();
    EndDialog(IDOK);
}

void CcwPrDlg::OnLoad() {
    fw::FileDialog fd(fw::FileMode::Open, "cwb", isCwbName(m_dataPath) ? m_dataPath : "*.cwb",
                      OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kPreFilter, this);
    fd.setTitle(kOpenTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return;
    const std::filesystem::path path = fd.path();
    if (!isCwbName(path)) return warn(msgNotPreFile(path));
    auto bytes = readDesignFile(path);
    if (!bytes) return warn(bytes.error().openMessage());
    if (isOldFile(*bytes)) inform(kMsgOldFile);
    auto loaded = loadForPreliminary(*bytes);
    if (!loaded) return warn(loaded.error().text);
    // Accepted: now the members and the fields change.
    const CwPreRecord& r = loaded->pre;
    m_in = {.type = r.type, .n1 = r.n1, .n2 = r.n2, .u = r.u, .p = r.p, .t = r.t, .sigmaHlim = r.sigmaHlim,
            .sigmaFlim = r.sigmaFlim, .ze = r.ze, .ka = r.ka, .zrho = r.zrho, .d1a = r.d1a, .z1 = r.z1, .z2 = r.z2};
    m_out = {.mCalc = r.mCalc, .m = r.m, .q = r.q, .d1Calc = r.d1Calc, .d1 = r.d1, .a = r.a, .d2 = r.d2,
             .gamma = r.gamma};
    m_title = r.title;
    m_number = r.number;
    m_date = r.date;
    m_mode = LoadMode::PowerSpeedRatio;
    m_dataPath = path.string();
    fillModuleList();
    combo(IDC_MODULE).setCurSel(combo(IDC_MODULE).findStringExact(fw::format("%.2f", r.m)));
    fillDiameterList();
    combo(IDC_DIAMETER).setCurSel(combo(IDC_DIAMETER).findStringExact(fw::format("%.1f", r.d1)));
    enableLoadMode();
    enable(IDC_N2, false);
    enable(IDC_T, false);
    hintStep(kHintLoaded);
}

void CcwPrDlg::OnCancelAsk() {
    if (askYes(kAskCancel)) return;
    EndDialog(IDCANCEL);
}
