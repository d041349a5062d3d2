#include "worm/cccw_gm_dlg.h"

#include "fw/clock.h"
#include "fw/format.h"
#include "resources/tarv/module.h"
#include "worm/calc/arc_geometry.h"
#include "worm/calc/worm_geometry.h"
#include "worm/cw_geometry_files.h"
#include "worm/cw_pic_dlg.h"
#include "worm/cw_dialog_helpers.h"

using namespace worm;
namespace geo = worm::geometry;

namespace {
constexpr const char* kHelpTopic = "Kavrin.chm::/TarGmZc3Dlg.htm";
}  // namespace

CCcwGmdlg::CCcwGmdlg(fw::Window* parent) : fw::Dialog(tarv::module(), IDD, parent) {
    onClick(IDC_LOAD, [this] { OnLoad(); });
    onKillFocus(IDC_AW, [this] { OnKillfocusAw(); });
    onKillFocus(IDC_THETA, [this] {
        double v = m_geom.theta;
        if (readNumberField(*this, IDC_THETA, v)) takeEdited(IDC_THETA, &CwGeomRecord::theta, v);
    });
    onKillFocus(IDC_DE2, [this] { OnKillfocusDe2(); });
    onClick(IDC_B1_BUTTON, [this] { OnFaceWidth(); });
    onClick(IDC_CALC, [this] { OnCalc(); });
    onClick(IDOK, [this] { OnSave(); });
    onClick(IDC_PICTURE, [this] { CCwPicDlg(CCwPicDlg::IDD_PAIR, this).DoModal(); });
    onClick(IDC_PROFILE, [this] { CCwPicDlg(CCwPicDlg::IDD_ZC3, this).DoModal(); });
    onClick(IDC_HELP, [] { fw::htmlHelp(kHelpTopic); });
    onSelChange(IDC_HAND, [this] { m_geom.hand = combo(IDC_HAND).curSel() == 1 ? 1 : 0; });
    onKillFocus(IDC_TITLE, [this] { m_geom.title = text(IDC_TITLE); });
    onKillFocus(IDC_NUMBER, [this] { m_geom.number = text(IDC_NUMBER); });
    onSetFocus(IDC_DATE, [this] { setText(IDC_DATE, fw::todayText()); });
    onKillFocus(IDC_DATE, [this] {
        std::string t = text(IDC_DATE);
        if (t.empty()) setText(IDC_DATE, m_geom.date);
        else m_geom.date = t;
    });
}

bool CCcwGmdlg::OnInitDialog() {
    m_geom.date = fw::todayText();
    combo(IDC_HAND).setCurSel(0);
    m_note = geo::kNoteStart;
    UpdateData(false);
    refreshEnabled();
    return true;
}

void CCcwGmdlg::DoDataExchange(fw::Exchange& dx) {
    if (dx.saving()) return;   // the editable values have their own handlers
    CwGeomRecord& g = m_geom;
    dx.text(IDC_TITLE, g.title, kTextWidth - 1);
    dx.text(IDC_NUMBER, g.number, kTextWidth - 1);
    dx.text(IDC_DATE, g.date, kDateWidth - 1);
    dx.text(IDC_HINT, m_note);
    dx.text(IDC_TYPE, m_typeText);
    dx.integer(IDC_Z1, g.z1);
    dx.integer(IDC_Z2, g.z2);
    const std::pair<int, double*> shown[] = {
        {IDC_AW, &g.aw}, {IDC_THETA, &g.theta}, {IDC_DE2, &g.de2}, {IDC_B1, &g.b1}, {IDC_MX, &g.mx},
        {IDC_MN1, &g.mn1}, {IDC_MN2, &g.mn2}, {IDC_GAMMA, &g.gamma}, {IDC_GAMMA_W, &g.gammaW}, {IDC_PX1, &g.px1},
        {IDC_PZ1, &g.pz1}, {IDC_ALPHA_X, &g.alphaX}, {IDC_ALPHA_N, &g.alphaN}, {IDC_Q, &g.q}, {IDC_D1, &g.d1},
        {IDC_D1W, &g.d1w}, {IDC_D2, &g.d2}, {IDC_DM2, &g.dm2}, {IDC_B2, &g.b2}, {IDC_RG, &g.rg}, {IDC_A, &g.a},
        {IDC_X2, &g.x2}, {IDC_HA1, &g.ha1}, {IDC_HF1, &g.hf1}, {IDC_H1, &g.h1}, {IDC_HA2, &g.ha2},
        {IDC_HF2, &g.hf2}, {IDC_H2, &g.h2}, {IDC_DA1, &g.da1}, {IDC_DF1, &g.df1}, {IDC_DA2, &g.da2},
        {IDC_DF2, &g.df2}, {IDC_SN, &g.sn}, {IDC_SX, &g.sx}, {IDC_RHO, &g.rho}, {IDC_CX, &g.arcAxial},
        {IDC_CY, &g.arcRadial}, {IDC_EPS_A, &g.epsA}, {IDC_BETA_M2, &g.betaM2}, {IDC_HA_STAR, &g.haStar}};
    for (auto [id, v] : shown) dx.number(id, *v);
}

void CCcwGmdlg::refreshEnabled() {
    enable(IDC_AW, m_loaded);
    enable(IDC_B1_BUTTON, m_loaded);
    for (int id : {IDC_THETA, IDC_DE2, IDC_CALC}) enable(id, m_loaded && m_accepted);
    enable(IDOK, m_calculated);
}

void CCcwGmdlg::OnLoad() {
    std::string path = m_dataPath;
    auto pre = loadGeometryDesign(this, Family::Zc3, path);
    if (!pre) return;
    auto start = arc::zc3Start(*pre);
    if (!start) return showRefusal(start.error());
    m_pre = *pre;
    m_geom = *start;
    m_dataPath = path;
    m_typeText = arc::kZc3TypeText;
    m_loaded = true;
    m_accepted = m_calculated = false;
    combo(IDC_HAND).setCurSel(0);
    m_note = arc::zc3NoteLoaded(m_geom.mx);
    UpdateData(false);
    refreshEnabled();
}

void CCcwGmdlg::OnKillfocusAw() {
    if (!m_loaded) return;
    const double before = m_geom.aw;
    double aw = before;
    if (!readNumberField(*this, IDC_AW, aw)) return;
    if (!arc::zc3CentreAccepted(m_geom, aw)) {
        m_note = arc::zc3NoteCentre(m_geom.mx);
        inform(std::string(geo::kMsgCentreUnfit) + m_note);
        UpdateData(false);
        editAgain(IDC_AW);
        return;
    }
    if (aw != before) m_calculated = false;
    m_geom.aw = aw;
    m_accepted = true;
    m_note = geo::kNoteCalculate;
    UpdateData(false);
    refreshEnabled();
}

void CCcwGmdlg::OnKillfocusDe2() {
    const double before = m_geom.de2;
    double v = before;
    if (!readNumberField(*this, IDC_DE2, v)) return;
    const geo::Bounds b = geo::outsideDiameterBounds(m_geom);
    const char* refusal = !(v > b.lower) ? geo::kMsgDe2Small : !(v < b.upper) ? geo::kMsgDe2Large : nullptr;
    if (refusal) {
        warn(refusal);
        UpdateData(false);
        editAgain(IDC_DE2);
        return;
    }
    takeEdited(IDC_DE2, &CwGeomRecord::de2, v);
}

// A value taken over as typed (θ, de2, b1): only when the record with it
// passes its check; a refused value is put back (and a field, `id`, is
// edited again).
void CCcwGmdlg::takeEdited(int id, double CwGeomRecord::*member, double v) {
    CwGeomRecord edited = m_geom;
    edited.*member = v;
    if (auto refusal = geo::editRefusal(edited, true)) {
        warn(*refusal);
        UpdateData(false);
        if (id) editAgain(id);
        return;
    }
    m_geom.*member = v;
}

void CCcwGmdlg::OnFaceWidth() {
    const arc::FaceWidth f = arc::zc3FaceWidth(m_geom);
    CCcwB1Dlg dlg(this);
    if (dlg.DoModal(f.bmin, f.bmax) == IDOK) takeEdited(0, &CwGeomRecord::b1, dlg.m_b1);
    UpdateData(false);
}

void CCcwGmdlg::OnCalc() {
    auto r = arc::zc3Calculate(m_geom);
    if (!r) {
        // The centre distance outside its range clears the calculated state;
        // a result the record's check refuses leaves the previous results.
        warn(r.error());
        if (!arc::zc3CentreInRange(m_geom)) m_calculated = false;
        refreshEnabled();
        return;
    }
    m_note += geo::kNoteDone;
    m_calculated = true;
    UpdateData(false);
    refreshEnabled();
}

void CCcwGmdlg::OnSave() {
    auto report = saveGeometryDesign(this, Family::Zc3, m_calculated, m_dataPath, m_pre, m_geom, arc::zc3Report(m_geom));
    if (!report) return;
    m_strReportPath = *report;
    EndDialog(IDOK);
}

// ---- CCcwB1Dlg ----

CCcwB1Dlg::CCcwB1Dlg(fw::Window* parent) : fw::Dialog(tarv::module(), IDD, parent) {
    onReleased(IDC_BAR, [this] { OnReleased(); });
    onKillFocus(IDC_B1, [this] { OnKillfocusB1(); });
}

int CCcwB1Dlg::DoModal(int bmin, int bmax) {
    m_min = bmin;
    m_max = bmax;
    return fw::Dialog::DoModal();
}

bool CCcwB1Dlg::OnInitDialog() {
    setText(IDC_HIGH, fw::format("%d", m_max));
    setText(IDC_LOW, fw::format("%d", m_min));
    fw::Trackbar& t = trackbar(IDC_BAR);
    t.setPageSize(1);
    t.setTicFreq(5);
    t.setRange(0, 50);
    t.setPos(0);
    m_b1 = static_cast<std::uint32_t>(m_min);
    UpdateData(false);
    return true;
}

void CCcwB1Dlg::DoDataExchange(fw::Exchange& dx) { dx.unsignedInt(IDC_B1, m_b1); }

void CCcwB1Dlg::OnReleased() {
    m_b1 = static_cast<std::uint32_t>(arc::faceWidthAt(m_min, m_max, trackbar(IDC_BAR).pos()));
    UpdateData(false);
}

void CCcwB1Dlg::OnKillfocusB1() {
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    std::uint32_t v = m_b1;
    dx.unsignedInt(IDC_B1, v);
    if (dx.failed()) return;
    if (v < std::uint32_t(m_min) || v > std::uint32_t(m_max)) {
        fw::MessageBox(arc::kMsgFaceWidthRange, MB_OK | MB_ICONINFORMATION);
        UpdateData(false);
        editAgain(IDC_B1);
        return;
    }
    m_b1 = v;
}
