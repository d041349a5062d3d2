#include "worm/ccw_gm_dlg.h"

#include <filesystem>

#include "common/calc/data_folder.h"
#include "fw/clock.h"
#include "fw/format.h"
#include "resources/tarv/module.h"
#include "worm/calc/cw_file.h"
#include "worm/calc/worm_geometry.h"
#include "worm/cw_geometry_files.h"
#include "worm/cw_pic_dlg.h"
#include "worm/cw_dialog_helpers.h"

using namespace worm;
namespace geo = worm::geometry;

namespace {

constexpr const char* kHelpTopic = "Kavrin.chm::/TarGmGenDlg.htm";

}  // namespace

CCwGmDlg::CCwGmDlg(fw::Window* parent) : fw::Dialog(tarv::module(), IDD, parent) {
    onClick(IDC_LOAD, [this] { OnLoad(); });
    onKillFocus(IDC_AW, [this] { OnKillfocusAw(); });
    onKillFocus(IDC_THETA, [this] { OnKillfocusTheta(); });
    onKillFocus(IDC_RHO, [this] { OnKillfocusRho(); });
    onKillFocus(IDC_DE2, [this] { OnKillfocusDe2(); });
    onClick(IDC_CALC, [this] { OnCalc(); });
    onClick(IDC_PICTURE, [this] { OnPicture(); });
    onClick(IDC_HELP, [] { fw::htmlHelp(kHelpTopic); });
    onClick(IDOK, [this] { OnSave(); });
    onSelChange(IDC_HAND, [this] { m_geom.hand = combo(IDC_HAND).curSel() == 1 ? 1 : 0; });
    onKillFocus(IDC_TITLE, [this] { m_geom.title = text(IDC_TITLE); });
    onKillFocus(IDC_NUMBER, [this] { m_geom.number = text(IDC_NUMBER); });
    onSetFocus(IDC_DATE, [this] { OnDateSetFocus(); });
    onKillFocus(IDC_DATE, [this] { OnDateKillFocus(); });
}

bool CCwGmDlg::OnInitDialog() {
    m_geom.date = fw::todayText();
    combo(IDC_HAND).setCurSel(0);
    setNote(geo::kNoteStart);
    UpdateData(false);
    showTypeLabels();
    refreshEnabled();
    return true;
}

void CCwGmDlg::DoDataExchange(fw::Exchange& dx) {
    // Members -> fields; the four editable values have their own handlers.
    if (dx.saving()) return;
    CwGeomRecord& g = m_geom;
    dx.text(IDC_TITLE, g.title, kTextWidth - 1);
    dx.text(IDC_NUMBER, g.number, kTextWidth - 1);
    dx.text(IDC_DATE, g.date, kDateWidth - 1);
    dx.text(IDC_HINT, m_note);
    dx.text(IDC_TYPE, m_typeText);
    dx.integer(IDC_Z1, g.z1);
    dx.integer(IDC_Z2, g.z2);
    const std::pair<int, double*> shown[] = {
        {IDC_AW, &g.aw}, {IDC_THETA, &g.theta}, {IDC_RHO, &g.rho}, {IDC_DE2, &g.de2}, {IDC_MX, &g.mx},
        {IDC_MN1, &g.mn1}, {IDC_GAMMA, &g.gamma}, {IDC_PZ1, &g.pz1}, {IDC_PX1, &g.px1}, {IDC_B1, &g.b1},
        {IDC_HA_STAR, &g.haStar}, {IDC_ALPHA_X, &g.alphaX}, {IDC_ALPHA_N, &g.alphaN}, {IDC_Q, &g.q},
        {IDC_D1, &g.d1}, {IDC_BETA_M2, &g.betaM2}, {IDC_MS, &g.ms}, {IDC_MN2, &g.mn2}, {IDC_D2, &g.d2},
        {IDC_B2, &g.b2}, {IDC_RG, &g.rg}, {IDC_A, &g.a}, {IDC_X2, &g.x2}, {IDC_D1W, &g.d1w},
        {IDC_GAMMA_W, &g.gammaW}, {IDC_HA1, &g.ha1}, {IDC_HF1, &g.hf1}, {IDC_H1, &g.h1}, {IDC_SN, &g.sn},
        {IDC_HCN1, &g.hcn1}, {IDC_DA1, &g.da1}, {IDC_DF1, &g.df1}, {IDC_HA2, &g.ha2}, {IDC_HF2, &g.hf2},
        {IDC_H2, &g.h2}, {IDC_DM2, &g.dm2}, {IDC_DA2, &g.da2}, {IDC_DF2, &g.df2}, {IDC_EPS_A, &g.epsA},
        {IDC_DB, &g.db}, {IDC_GAMMA_B, &g.gammaB}, {IDC_PBN, &g.pbn}};
    for (auto [id, v] : shown) dx.number(id, *v);
}

// ---- helpers ----

void CCwGmDlg::setNote(const std::string& t) {
    m_note = t;
    setText(IDC_HINT, t);
}

void CCwGmDlg::refreshEnabled() {
    enable(IDC_AW, m_loaded);
    for (int id : {IDC_THETA, IDC_DE2, IDC_RHO, IDC_CALC}) enable(id, m_loaded && m_accepted);
    enable(IDOK, m_calculated);
    // The pressure angle the type fixes is shown only.
    enable(IDC_ALPHA_N, m_geom.type != WormType::ZA);
    enable(IDC_ALPHA_X, m_geom.type == WormType::ZA);
}

void CCwGmDlg::showTypeLabels() {
    const bool zi = m_loaded && m_geom.type == WormType::ZL;
    const std::pair<int, const char*> labels[] = {
        {IDC_DB_LABEL, "基圆直径  d"}, {IDC_DB_SUB, "b1"},   {IDC_DB_EQ, "="},      {IDC_DB_UNIT, "mm"},
        {IDC_GB_LABEL, "基圆柱导程角γ"}, {IDC_GB_EQ, "="},   {IDC_GB_UNIT, "°"},    {IDC_GB_SUB, "b"},
        {IDC_PBN_LABEL, "法向基节  p"}, {IDC_PBN_SUB, "bn"}, {IDC_PBN_EQ, "="},     {IDC_PBN_UNIT, "mm"}};
    for (auto [id, t] : labels) {
        setText(id, zi ? t : "");
        show(id, zi);
    }
    // The base values belong to the involute worm only: for the other types
    // their fields would stand as bare zeros.
    for (int id : {IDC_DB, IDC_GAMMA_B, IDC_PBN}) show(id, zi);
}

// ---- handlers ----

void CCwGmDlg::OnLoad() {
    std::string path = m_dataPath;
    auto pre = loadGeometryDesign(this, Family::Ordinary, path);
    if (!pre) return;
    auto start = geo::ordinaryStart(*pre);
    if (!start) return showRefusal(start.error());
    // Accepted: the design, the path and the fields change.
    m_pre = *pre;
    m_geom = *start;
    m_typeText = geo::ordinaryTypeText(m_geom.type);
    m_dataPath = path;
    m_loaded = true;
    m_accepted = false;
    m_calculated = false;
    combo(IDC_HAND).setCurSel(0);
    m_note = geo::noteLoaded(m_geom.mx);
    UpdateData(false);
    showTypeLabels();
    refreshEnabled();
}

void CCwGmDlg::OnKillfocusAw() {
    if (!m_loaded) return;
    const double before = m_geom.aw;
    double aw = before;
    if (!readNumberField(*this, IDC_AW, aw)) return;
    setNote(geo::noteCentre(m_geom.mx));
    if (!geo::centreAccepted(m_geom, aw)) {
        inform(geo::kMsgCentreUnfit);
        m_geom.aw = before;
        UpdateData(false);
        editAgain(IDC_AW);
        return;
    }
    // A changed a' makes the results stale.
    if (aw != before) m_calculated = false;
    m_geom.aw = aw;
    m_accepted = true;
    setNote(geo::kNoteCalculate);
    UpdateData(false);
    refreshEnabled();
}

void CCwGmDlg::OnKillfocusTheta() { takeEdit(IDC_THETA, &CwGeomRecord::theta); }

void CCwGmDlg::OnKillfocusRho() { takeEdit(IDC_RHO, &CwGeomRecord::rho); }

// θ and ρf are taken over as typed, when the record with them passes its
// check; a refused value is put back.
void CCwGmDlg::takeEdit(int id, double CwGeomRecord::*member) {
    double v = m_geom.*member;
    if (!readNumberField(*this, id, v)) return;
    CwGeomRecord edited = m_geom;
    edited.*member = v;
    if (auto refusal = geo::editRefusal(edited, true)) {
        warn(*refusal);
        UpdateData(false);
        editAgain(id);
        return;
    }
    m_geom.*member = v;
}

void CCwGmDlg::OnKillfocusDe2() {
    const double before = m_geom.de2;
    double v = before;
    if (!readNumberField(*this, IDC_DE2, v)) return;
    const geo::Bounds b = geo::outsideDiameterBounds(m_geom);
    const char* refusal = !(v > b.lower) ? geo::kMsgDe2Small : !(v < b.upper) ? geo::kMsgDe2Large : nullptr;
    if (refusal) {
        warn(refusal);
        m_geom.de2 = before;
        UpdateData(false);
        editAgain(IDC_DE2);
        return;
    }
    takeEdit(IDC_DE2, &CwGeomRecord::de2);
}

void CCwGmDlg::OnCalc() {
    switch (geo::centreStep(m_geom)) {
    case geo::CentreStep::TooFar:
        warn(geo::kMsgCentreTooFar);
        m_calculated = false;
        refreshEnabled();
        return;
    case geo::CentreStep::Advise: m_note = geo::noteAdvise(m_geom.mx); break;
    case geo::CentreStep::Fine: break;
    }
    if (auto r = geo::calculateOrdinary(m_geom); !r) return warn(r.error());
    m_note += geo::kNoteDone;
    m_calculated = true;
    UpdateData(false);
    refreshEnabled();
}

void CCwGmDlg::OnSave() {
    auto report = saveGeometryDesign(this, Family::Ordinary, m_calculated, m_dataPath, m_pre, m_geom,
                                     geo::ordinaryReport(m_geom));
    if (!report) return;
    m_strReportPath = *report;
    EndDialog(IDOK);
}

void CCwGmDlg::OnPicture() {
    CCwPicDlg dlg(CCwPicDlg::IDD_PAIR, this);
    dlg.DoModal();
}

void CCwGmDlg::OnDateSetFocus() { setText(IDC_DATE, fw::todayText()); }

void CCwGmDlg::OnDateKillFocus() {
    std::string t = text(IDC_DATE);
    if (t.empty()) setText(IDC_DATE, m_geom.date);
    else m_geom.date = t;
}
