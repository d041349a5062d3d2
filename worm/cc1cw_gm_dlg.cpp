#include "worm/cc1cw_gm_dlg.h"

#include <cmath>

#include "fw/clock.h"
#include "resources/tarv/module.h"
#include "worm/calc/worm_geometry.h"
#include "worm/cw_geometry_files.h"
#include "worm/cw_pic_dlg.h"
#include "worm/cw_dialog_helpers.h"

using namespace worm;
namespace geo = worm::geometry;

namespace {
constexpr const char* kHelpTopic = "Kavrin.chm::/TarGmZc1Dlg.htm";
}  // namespace

CC1cwGmDlg::CC1cwGmDlg(fw::Window* parent) : fw::Dialog(tarv::module(), IDD, parent) {
    onClick(IDC_LOAD, [this] { OnLoad(); });
    onSelChange(IDC_ALPHA_N_LIST, [this] { OnAlphaN(); });
    onKillFocus(IDC_AW, [this] { OnKillfocusAw(); });
    onKillFocus(IDC_B1, [this] { OnKillfocusB1(); });
    onKillFocus(IDC_THETA, [this] {
        double v = m_z.g.theta;
        if (readNumberField(*this, IDC_THETA, v)) takeEdited(IDC_THETA, &CwGeomRecord::theta, v);
    });
    onKillFocus(IDC_DE2, [this] {
        double v = m_z.g.de2;
        if (readNumberField(*this, IDC_DE2, v)) takeEdited(IDC_DE2, &CwGeomRecord::de2, v);
    });
    onKillFocus(IDC_RHO_DISC, [this] { OnKillfocusRho(); });
    onSetFocus(IDC_DS, [this] { setText(IDC_HINT, arc::kNoteDisc); });
    onKillFocus(IDC_DS, [this] { OnKillfocusDs(); });
    onClick(IDC_CALC, [this] { OnCalc(); });
    onClick(IDOK, [this] { OnSave(); });
    onClick(IDC_PICTURE, [this] { CCwPicDlg(CCwPicDlg::IDD_PAIR, this).DoModal(); });
    onClick(IDC_PROFILE, [this] { CCwPicDlg(CCwPicDlg::IDD_ZC1, this).DoModal(); });
    onClick(IDC_HELP, [] { fw::htmlHelp(kHelpTopic); });
    onSelChange(IDC_HAND, [this] { m_z.g.hand = combo(IDC_HAND).curSel() == 1 ? 1 : 0; });
    onKillFocus(IDC_TITLE, [this] { m_z.g.title = text(IDC_TITLE); });
    onKillFocus(IDC_NUMBER, [this] { m_z.g.number = text(IDC_NUMBER); });
    onSetFocus(IDC_DATE, [this] { setText(IDC_DATE, fw::todayText()); });
    onKillFocus(IDC_DATE, [this] {
        std::string t = text(IDC_DATE);
        if (t.empty()) setText(IDC_DATE, m_z.g.date);
        else m_z.g.date = t;
    });
}

bool CC1cwGmDlg::OnInitDialog() {
    m_z.g.date = fw::todayText();
    m_z.g.alphaN = arc::kZc1AlphaN;
    m_z.g.ds = arc::kDiscMin;
    combo(IDC_HAND).setCurSel(0);
    combo(IDC_ALPHA_N_LIST).setCurSel(2);
    m_note = geo::kNoteStart;
    UpdateData(false);
    refreshEnabled();
    return true;
}

void CC1cwGmDlg::DoDataExchange(fw::Exchange& dx) {
    if (dx.saving()) return;   // the editable values have their own handlers
    CwGeomRecord& g = m_z.g;
    dx.text(IDC_TITLE, g.title, kTextWidth - 1);
    dx.text(IDC_NUMBER, g.number, kTextWidth - 1);
    dx.text(IDC_DATE, g.date, kDateWidth - 1);
    dx.text(IDC_HINT, m_note);
    dx.text(IDC_TYPE, m_typeText);
    dx.integer(IDC_Z1, g.z1);
    dx.integer(IDC_Z2, g.z2);
    dx.integer(IDC_DS, g.ds);
    const std::pair<int, double*> shown[] = {
        {IDC_AW, &g.aw}, {IDC_B1, &g.b1}, {IDC_THETA, &g.theta}, {IDC_DE2, &g.de2}, {IDC_RHO_DISC, &g.rhoDisc},
        {IDC_AU, &g.au}, {IDC_MX, &g.mx}, {IDC_MN1, &g.mn1}, {IDC_MN2, &g.mn2}, {IDC_GAMMA, &g.gamma},
        {IDC_GAMMA_W, &g.gammaW}, {IDC_PX1, &g.px1}, {IDC_PZ1, &g.pz1}, {IDC_ALPHA_X, &g.alphaX}, {IDC_Q, &g.q},
        {IDC_D1, &g.d1}, {IDC_D1W, &g.d1w}, {IDC_D2, &g.d2}, {IDC_DM2, &g.dm2}, {IDC_B2, &g.b2}, {IDC_RG, &g.rg},
        {IDC_A, &g.a}, {IDC_X2, &g.x2}, {IDC_HA1, &g.ha1}, {IDC_HF1, &g.hf1}, {IDC_H1, &g.h1}, {IDC_HA2, &g.ha2},
        {IDC_HF2, &g.hf2}, {IDC_H2, &g.h2}, {IDC_DA1, &g.da1}, {IDC_DF1, &g.df1}, {IDC_DA2, &g.da2},
        {IDC_DF2, &g.df2}, {IDC_SN, &g.sn}, {IDC_SX, &g.sx}, {IDC_RHO_N, &g.rho}, {IDC_DH, &g.dh},
        {IDC_L1, &g.arcAxial}, {IDC_L2, &g.arcRadial}, {IDC_L3, &g.l3}, {IDC_EPS_A, &g.epsA},
        {IDC_SIGMA_U, &m_z.sigmaU}, {IDC_HA_STAR, &m_z.haStar}};
    for (auto [id, v] : shown) dx.number(id, *v);
}

void CC1cwGmDlg::refreshEnabled() {
    enable(IDC_AW, m_loaded);
    enable(IDC_B1, m_loaded);
    for (int id : {IDC_THETA, IDC_DE2, IDC_AU, IDC_RHO_DISC}) enable(id, m_loaded && m_accepted);
    enable(IDC_CALC, m_loaded && m_accepted);
    enable(IDOK, m_calculated);
    enable(IDC_DS, true);
}

void CC1cwGmDlg::OnLoad() {
    std::string path = m_dataPath;
    auto pre = loadGeometryDesign(this, Family::Zc1, path);
    if (!pre) return;
    auto start = arc::zc1Start(*pre);
    if (!start) return showRefusal(start.error());
    m_pre = *pre;
    m_z = *start;
    m_dataPath = path;
    m_typeText = arc::kZc1TypeText;
    m_loaded = true;
    m_accepted = m_calculated = m_rhoAccepted = m_dsAccepted = false;
    combo(IDC_HAND).setCurSel(0);
    combo(IDC_ALPHA_N_LIST).setCurSel(2);
    m_note = arc::zc1NoteLoaded(m_z);
    UpdateData(false);
    refreshEnabled();
}

// The αn list sets αn: the values that depend on it follow, and a
// calculation made with another αn is stale.
void CC1cwGmDlg::OnAlphaN() {
    const int i = combo(IDC_ALPHA_N_LIST).curSel();
    if (i < 0) return;
    const double alphaN = 21 + i;
    if (!m_loaded) {
        m_z.g.alphaN = alphaN;
        return;
    }
    if (auto r = arc::zc1SetAlphaN(m_z, alphaN, false); !r) {
        warn(r.error());
        combo(IDC_ALPHA_N_LIST).setCurSel(int(m_z.g.alphaN) - 21);
        return;
    }
    m_calculated = false;
    m_note = arc::zc1NoteLoaded(m_z);
    UpdateData(false);
    refreshEnabled();
}

void CC1cwGmDlg::OnKillfocusAw() {
    if (!m_loaded) return;
    const double before = m_z.g.aw;
    double aw = before;
    if (!readNumberField(*this, IDC_AW, aw)) return;
    m_note = arc::zc1NoteCentre(m_z.g);
    setText(IDC_HINT, m_note);
    if (!arc::zc1CentreAccepted(m_z.g, aw)) {
        inform(geo::kMsgCentreUnfit);
        UpdateData(false);
        editAgain(IDC_AW);
        return;
    }
    if (aw != before) m_calculated = false;
    m_z.g.aw = aw;
    m_accepted = true;
    m_note = geo::kNoteCalculate;
    UpdateData(false);
    refreshEnabled();
}

void CC1cwGmDlg::OnKillfocusB1() {
    double v = m_z.g.b1;
    if (!readNumberField(*this, IDC_B1, v)) return;
    const arc::WidthRange range = arc::zc1FaceWidthRange(m_z.g);
    const char* refusal = v < range.lower - geo::kTolerance   ? arc::kMsgNoShorterWorm
                          : v > range.upper + geo::kTolerance ? arc::kMsgFaceWidthRange
                                                              : nullptr;
    if (refusal) {
        inform(refusal);
        UpdateData(false);
        editAgain(IDC_B1);
        return;
    }
    takeEdited(IDC_B1, &CwGeomRecord::b1, v);
}

// A value taken over as typed (θ, de2, b1): only when the record with it
// passes its check; a refused value is put back.
void CC1cwGmDlg::takeEdited(int id, double CwGeomRecord::*member, double v) {
    CwGeomRecord edited = m_z.g;
    edited.*member = v;
    if (auto refusal = geo::editRefusal(edited, m_calculated)) {
        warn(*refusal);
        UpdateData(false);
        editAgain(id);
        return;
    }
    m_z.g.*member = v;
}

// ρn (and, after a calculation, the arc centre) follow ρ and Au; the new
// state is taken only when its record passes the check.
bool CC1cwGmDlg::takeDisc(int id, const arc::Zc1& z) {
    if (auto refusal = geo::editRefusal(z.g, m_calculated)) {
        warn(*refusal);
        UpdateData(false);
        editAgain(id);
        return false;
    }
    m_z = z;
    return true;
}

void CC1cwGmDlg::OnKillfocusRho() {
    double v = m_z.g.rhoDisc;
    if (!readNumberField(*this, IDC_RHO_DISC, v)) return;
    const arc::Bounds b = arc::discRadiusRange(m_z);
    if (!geo::within(v, b.lower, b.upper)) {
        inform(arc::zc1RadiusRangeText(b));
        m_rhoAccepted = false;
        UpdateData(false);
        editAgain(IDC_RHO_DISC);
        return;
    }
    arc::Zc1 z = m_z;
    z.g.rhoDisc = v;
    z.g.rho = arc::normalRadius(z);
    if (m_calculated) arc::zc1ArcCentre(z);
    if (!takeDisc(IDC_RHO_DISC, z)) return;
    m_rhoAccepted = true;
    UpdateData(false);
}

void CC1cwGmDlg::OnKillfocusDs() {
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    std::int32_t ds = m_z.g.ds;
    dx.integer(IDC_DS, ds);
    if (dx.failed()) return;
    if (ds < arc::kDiscMin || ds > arc::kDiscMax) {
        inform(arc::kMsgDisc);
        UpdateData(false);
        editAgain(IDC_DS);
        return;
    }
    arc::Zc1 z = m_z;
    z.g.ds = ds;
    z.g.au = arc::grindingCentre(ds, z.g.d1, z.g.ha1);
    // ρn follows ρ with the new Au, as the calculation makes it.
    if (m_rhoAccepted || m_calculated) z.g.rho = arc::normalRadius(z);
    if (m_calculated) arc::zc1ArcCentre(z);
    if (!takeDisc(IDC_DS, z)) return;
    m_dsAccepted = true;
    UpdateData(false);
}

void CC1cwGmDlg::OnCalc() {
    auto r = arc::zc1Calculate(m_z);
    if (!r) {
        // The centre distance outside its range clears the calculated state;
        // a result the record's check refuses leaves the previous results.
        warn(r.error());
        if (!arc::zc1CentreInRange(m_z.g)) m_calculated = false;
        refreshEnabled();
        return;
    }
    m_note += geo::kNoteDone;
    m_calculated = true;
    UpdateData(false);
    refreshEnabled();
}

void CC1cwGmDlg::OnSave() {
    auto report = saveGeometryDesign(this, Family::Zc1, m_calculated, m_dataPath, m_pre, m_z.g, arc::zc1Report(m_z));
    if (!report) return;
    m_strReportPath = *report;
    EndDialog(IDOK);
}
