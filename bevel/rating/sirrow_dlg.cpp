#include "bevel/rating/sirrow_dlg.h"

#include <cmath>
#include <cstring>
#include <utility>

#include "bevel/rating/calc/cutter_factor.h"
#include "bevel/rating/calc/rating_report.h"
#include "bevel/rating/sirrow_chart_dlgs.h"
#include "bevel/rating/sirrow_factor_dialogs.h"
#include "bevel/rating/sirrow_kbita_dlg.h"
#include "bevel/rating/sirrow_option_dlgs.h"
#include "bevel/rating/sirrow_wkbita_dlg.h"
#include "bevel/rating/sirrow_wyf_dlg.h"
#include "common/calc/chart_scale.h"
#include "common/calc/data_folder.h"
#include "common/calc/design_file.h"
#include "common/calc/report.h"
#include "common/dialogs/quantity_field.h"
#include "fw/clock.h"
#include "fw/format.h"
#include "fw/text.h"
#include "resources/sirrow/module.h"

using namespace bevel;

namespace {

constexpr const char* kDataFilter = "锥齿轮计算数据文件(*.cng)|*.cng|All File(*.*)|*.*|";
constexpr const char* kReportFilter = "圆锥齿轮计算报告文件(*.tng)|*.tng|All File(*.*)|*.*|";
constexpr const char* kMsgCancelQuestion = "计算数据尚未保存,是(Yes)否(No)保存数据?";

unsigned iconFlags(RatingNotice::Icon icon) {
    switch (icon) {
        case RatingNotice::Icon::Information: return MB_ICONINFORMATION;
        case RatingNotice::Icon::Exclamation: return MB_ICONEXCLAMATION;
        case RatingNotice::Icon::None: break;
    }
    return 0;
}

void showNotice(const RatingNotice& n) { fw::MessageBox(n.text, n.caption, MB_OK | iconFlags(n.icon)); }

const int kFactorButtons[] = {CSirrowDlg::IDC_KA,   CSirrowDlg::IDC_KV,    CSirrowDlg::IDC_KBETA, CSirrowDlg::IDC_ZH,
                              CSirrowDlg::IDC_ZE,   CSirrowDlg::IDC_ZEPS,  CSirrowDlg::IDC_ZN,    CSirrowDlg::IDC_ZL,
                              CSirrowDlg::IDC_ZR,   CSirrowDlg::IDC_ZW,    CSirrowDlg::IDC_WKA,   CSirrowDlg::IDC_WKV,
                              CSirrowDlg::IDC_WKBETA, CSirrowDlg::IDC_YF,  CSirrowDlg::IDC_YEPS,  CSirrowDlg::IDC_YBETA,
                              CSirrowDlg::IDC_Y0,   CSirrowDlg::IDC_YN,    CSirrowDlg::IDC_YX};

}  // namespace

CSirrowDlg::CSirrowDlg(fw::Window* parent) : fw::Dialog(sirrow::module(), IDD, parent) {
    onClick(IDC_LOAD, [this] { OnLoad(); });
    onClick(IDC_TORQUE, [this] { OnTorque(); });
    onClick(IDC_FORCES, [this] { OnForces(); });
    onClick(IDC_PINION, [this] { OnGearRadio(0); });
    onClick(IDC_GEAR, [this] { OnGearRadio(1); });
    onClick(IDC_HELP, [] { fw::htmlHelp("Kavrin.chm::/SirrowDlg.htm"); });
    for (int id : {IDC_M, IDC_Z1, IDC_Z2, IDC_ALPHA, IDC_B, IDC_EPS_ALPHA, IDC_BETA, IDC_PHIR, IDC_R, IDC_DELTA1,
                   IDC_DELTA2, IDC_N1, IDC_X1, IDC_X2, IDC_XT1, IDC_XT2})
        onKillFocus(id, [this, id] { OnEntry(id); });
    onKillFocus(IDC_EPS_BETA, [this] { OnEntryEpsBeta(); });
    onKillFocus(IDC_T, [this] { OnEntryT(); });
    onKillFocus(IDC_T2, [this] { OnEntryT2(); });
    onKillFocus(IDC_TITLE, [this] { UpdateData(true); });
    onKillFocus(IDC_NUMBER, [this] { UpdateData(true); });
    onSetFocus(IDC_DATE, [this] { OnDateFocus(); });
    onKillFocus(IDC_DATE, [this] { OnDateLeave(); });
    onClick(IDC_KA, [this] { OnKa(); });
    onClick(IDC_WKA, [this] { OnKa(); });
    onClick(IDC_KV, [this] { OnKv(false); });
    onClick(IDC_WKV, [this] { OnKv(true); });
    onClick(IDC_KBETA, [this] { OnKbeta(); });
    onClick(IDC_WKBETA, [this] { OnWKbeta(); });
    onClick(IDC_ZH, [this] { OnZH(); });
    onClick(IDC_ZE, [this] { OnZE(); });
    onClick(IDC_ZEPS, [this] { OnZeps(); });
    onClick(IDC_ZN, [this] { OnZN(); });
    onClick(IDC_ZL, [this] { OnZL(); });
    onClick(IDC_ZR, [this] { OnZR(); });
    onClick(IDC_ZW, [this] { OnZW(); });
    onClick(IDC_YF, [this] { OnYF(false); });
    onClick(IDC_YEPS, [this] { OnYeps(); });
    onClick(IDC_YBETA, [this] { OnYbeta(); });
    onClick(IDC_Y0, [this] { OnY0(); });
    onClick(IDC_YN, [this] { OnYN(); });
    onClick(IDC_YX, [this] { OnYx(); });
    onClick(IDC_SIGMA_H, [this] { OnSigmaH(); });
    onClick(IDC_SIGMA_HP, [this] { OnSigmaHP(); });
    onClick(IDC_SH, [this] { OnSH(); });
    onClick(IDC_SIGMA_F, [this] { OnSigmaF(); });
    onClick(IDC_SIGMA_FP, [this] { OnSigmaFP(); });
    onClick(IDC_SF, [this] { OnSF(); });
}

void CSirrowDlg::DoDataExchange(fw::Exchange& dx) {
    dx.text(IDC_TITLE, m_e.title, 63);
    dx.text(IDC_NUMBER, m_e.number, 63);
    dx.text(IDC_DATE, m_e.date, 19);
    dx.radio(IDC_PINION, m_nGear);
    // The entries, each in its one range (rating_ranges.h), the range the
    // load checks too; the results and factors below are the program's.
    namespace q = rating_range;
    kavrin::number(dx, IDC_ALPHA, m_e.alphaN, q::kAlphaN);
    kavrin::number(dx, IDC_B, m_e.b, q::kB);
    kavrin::number(dx, IDC_BETA, m_e.betaM, q::kBetaM);
    kavrin::number(dx, IDC_DELTA1, m_e.delta1, q::kDelta1);
    kavrin::number(dx, IDC_DELTA2, m_e.delta2, q::kDelta2);
    kavrin::number(dx, IDC_EPS_ALPHA, m_e.epsAlpha, q::kEpsAlpha);
    kavrin::number(dx, IDC_EPS_BETA, m_e.epsBeta, q::kEpsBeta);
    kavrin::number(dx, IDC_PHIR, m_e.phiR, q::kPhiR);
    kavrin::number(dx, IDC_M, m_e.m, q::kM);
    kavrin::integer(dx, IDC_Z1, m_e.z1, q::kZ1);
    kavrin::integer(dx, IDC_Z2, m_e.z2, q::kZ2);
    kavrin::number(dx, IDC_R, m_e.r, q::kR);
    kavrin::number(dx, IDC_X1, m_e.x1, q::kX1);
    kavrin::number(dx, IDC_X2, m_e.x2, q::kX2);
    kavrin::number(dx, IDC_XT1, m_e.xt1, q::kXt1);
    kavrin::number(dx, IDC_XT2, m_e.xt2, q::kXt2);
    kavrin::number(dx, IDC_T, m_dT, q::kT);
    kavrin::number(dx, IDC_T2, m_dT2, q::kT2);
    kavrin::number(dx, IDC_N1, m_dN1, q::kN1);
    dx.number(IDC_FTM, m_dFtm);
    dx.number(IDC_FR1, m_dFr1);
    dx.number(IDC_FR2, m_dFr2);
    dx.number(IDC_FX1, m_dFx1);
    dx.number(IDC_FX2, m_dFx2);
    dx.number(IDC_V_KA, m_dKa);
    dx.number(IDC_V_KV, m_dKv);
    dx.number(IDC_V_KBETA, m_dKbeta);
    dx.number(IDC_V_ZH, m_dZH);
    dx.number(IDC_V_ZE, m_dZE);
    dx.number(IDC_V_ZEPS, m_dZeps);
    dx.number(IDC_V_ZN, m_dZN);
    dx.number(IDC_V_ZL, m_dZL);
    dx.number(IDC_V_ZV, m_dZv);
    dx.number(IDC_V_ZR, m_dZR);
    dx.number(IDC_V_ZW, m_dZW);
    dx.number(IDC_V_SIGMA_H, m_dSigmaH);
    dx.number(IDC_V_SIGMA_HP, m_dSigmaHP);
    dx.number(IDC_V_SH, m_dSH);
    dx.number(IDC_V_WKA, m_dWKa);
    dx.number(IDC_V_WKV, m_dWKv);
    dx.number(IDC_V_WKBETA, m_dWKbeta);
    dx.number(IDC_V_YF, m_dYF);
    dx.number(IDC_V_YEPS, m_dYeps);
    dx.number(IDC_V_YBETA, m_dYbeta);
    dx.number(IDC_V_Y0, m_dY0);
    dx.number(IDC_V_YN, m_dYN);
    dx.number(IDC_V_YX, m_dYx);
    dx.number(IDC_V_SIGMA_F, m_dSigmaF);
    dx.number(IDC_V_SIGMA_FP, m_dSigmaFP);
    dx.number(IDC_V_SF, m_dSF);
}

bool CSirrowDlg::OnInitDialog() {
    std::memset(m_szTitle, 0, sizeof m_szTitle);
    std::memset(m_szNumber, 0, sizeof m_szNumber);
    m_e.date = fw::todayText();
    fw::copyToField(m_szDate, m_e.date);
    show();
    enableFactorButtons(false);
    for (int id : {IDC_SIGMA_H, IDC_SIGMA_HP, IDC_SH, IDC_SIGMA_F, IDC_SIGMA_FP, IDC_SF, IDC_FORCES}) enable(id, false);
    return true;
}

// ---- verdicts -----------------------------------------------------------------

std::vector<double> CSirrowDlg::contactBasis() const {
    return {m_dT, m_dN1, m_e.m, double(m_e.z1), double(m_e.z2), m_e.phiR, m_e.alphaN, m_e.betaM, m_e.delta1,
            m_e.delta2, m_e.b, m_e.epsAlpha, m_e.epsBeta, m_e.r, m_dFtm, m_dZM, m_dConeH, m_dKa, m_dKv, m_dKbeta,
            m_dZH, m_dZE, m_dZeps, m_dZN, m_dZL, m_dZv, m_dZR, m_dZW, m_dSigmaH, m_dSigmaHP};
}

std::vector<double> CSirrowDlg::bendingBasis() const {
    return {m_dT, m_dN1, m_e.m, double(m_e.z1), double(m_e.z2), m_e.phiR, m_e.alphaN, m_e.betaM, m_e.delta1,
            m_e.delta2, m_e.b, m_e.epsAlpha, m_e.epsBeta, m_e.x1, m_e.x2, m_e.xt1, m_e.xt2, double(m_nGear),
            m_dFtm, m_dConeH, m_dWKa, m_dWKv, m_dWKbeta, m_dYF, m_dYeps, m_dYbeta, m_dY0, m_dYN, m_dYx, m_dSigmaF,
            m_dSigmaFP};
}

bool CSirrowDlg::contactVerdictStands() const { return m_dSH > 0 && m_contactVerdictFrom == contactBasis(); }
bool CSirrowDlg::bendingVerdictStands() const { return m_dSF > 0 && m_bendingVerdictFrom == bendingBasis(); }

// A verdict whose values changed is not shown beside the new values.
void CSirrowDlg::dropStaleVerdicts() {
    if (m_dSH != 0 && !contactVerdictStands()) clearContactResults();
    if (m_dSF != 0 && !bendingVerdictStands()) clearBendingResults();
}

void CSirrowDlg::show() {
    dropStaleVerdicts();
    UpdateData(false);
}

// ---- enabling -----------------------------------------------------------------

void CSirrowDlg::enableForces() { enable(IDC_FORCES, (m_nEntryMask & entry_bit::kComplete) == entry_bit::kComplete); }

void CSirrowDlg::enableFactorButtons(bool on) {
    for (int id : kFactorButtons) enable(id, on);
}

void CSirrowDlg::clearContactResults() {
    m_dSigmaH = m_dSigmaHP = m_dSH = 0;
    for (int id : {IDC_SIGMA_H, IDC_SIGMA_HP, IDC_SH}) enable(id, false);
}

void CSirrowDlg::clearBendingResults() {
    m_dSigmaF = m_dSigmaFP = m_dSF = 0;
    for (int id : {IDC_SIGMA_F, IDC_SIGMA_FP, IDC_SF}) enable(id, false);
}

void CSirrowDlg::contactRule() {
    if ((m_nContactMask & contact_bit::kComplete) == contact_bit::kComplete && m_bForces)
        enable(IDC_SIGMA_H, true);
    else
        clearContactResults();
    show();
}

void CSirrowDlg::bendingRule() {
    if ((m_nBendMask & bending_bit::kComplete) == bending_bit::kComplete && m_bForces)
        enable(IDC_SIGMA_F, true);
    else
        clearBendingResults();
    show();
}

void CSirrowDlg::storeContact(double v, double& slot, std::uint16_t bit, const kavrin::Quantity& q) {
    if (auto taken = factorInRange(q, v); !taken) return showNotice(taken.error());
    const double stored = usableFactor(v) ? v : 0;
    if (stored != slot) clearContactResults();
    slot = stored;
    if (stored > 0)
        m_nContactMask |= bit;
    else
        m_nContactMask &= ~static_cast<std::uint32_t>(bit);
    contactRule();
}

void CSirrowDlg::storeBending(double v, double& slot, std::uint16_t bit, const kavrin::Quantity& q) {
    if (auto taken = factorInRange(q, v); !taken) return showNotice(taken.error());
    const double stored = usableFactor(v) ? v : 0;
    if (stored != slot) clearBendingResults();
    slot = stored;
    if (stored > 0)
        m_nBendMask |= bit;
    else
        m_nBendMask &= ~static_cast<std::uint32_t>(bit);
    bendingRule();
}

// A geometry or load entry changed after the forces: the forces, the
// stresses and every factor that reads the pair's geometry or speed are no
// longer the pair's (Ka, ZE, ZN, ZL, ZW, YN and the limits read none).
void CSirrowDlg::entryChanged() {
    if (!m_bForces) return;
    m_bForces = false;
    m_dFtm = m_dFr1 = m_dFr2 = m_dFx1 = m_dFx2 = 0;
    m_dZM = m_dConeH = m_dConeF = 0;
    m_dKv = m_dWKv = m_dKbeta = m_dWKbeta = m_dZH = m_dZeps = m_dZv = m_dZR = 0;
    m_dYF = m_dYeps = m_dYbeta = m_dYx = 0;
    m_dY0 = 1.0;
    m_nContactMask &= ~static_cast<std::uint32_t>(contact_bit::kV | contact_bit::kBeta | contact_bit::zH |
                                                  contact_bit::zEps | contact_bit::zV | contact_bit::zR);
    m_nBendMask &= ~static_cast<std::uint32_t>(bending_bit::kV | bending_bit::kBeta | bending_bit::yF |
                                               bending_bit::yEps | bending_bit::yBeta | bending_bit::yX);
    enableFactorButtons(false);
    clearContactResults();
    clearBendingResults();
    enableForces();
    show();
}

// ---- entries ------------------------------------------------------------------

void CSirrowDlg::OnEntry(int) {
    const RatingEntries before = m_e;
    const double n1 = m_dN1;
    if (!UpdateData(true)) return;
    m_nEntryMask = completionMask(m_e, m_dT, m_dN1);
    const bool changed = before.m != m_e.m || before.z1 != m_e.z1 || before.z2 != m_e.z2 ||
                         before.alphaN != m_e.alphaN || before.b != m_e.b || before.epsAlpha != m_e.epsAlpha ||
                         before.betaM != m_e.betaM || before.epsBeta != m_e.epsBeta || before.phiR != m_e.phiR ||
                         before.r != m_e.r || before.delta1 != m_e.delta1 || before.delta2 != m_e.delta2 ||
                         before.x1 != m_e.x1 || before.x2 != m_e.x2 || before.xt1 != m_e.xt1 ||
                         before.xt2 != m_e.xt2 || n1 != m_dN1;
    if (changed) entryChanged();
    enableForces();
}

void CSirrowDlg::OnEntryEpsBeta() {
    const RatingEntries before = m_e;
    if (!UpdateData(true)) return;
    if (!spiralEntriesAgree(m_e.betaM, m_e.epsBeta)) {
        fw::MessageBox("齿向重合度数值非法!", MB_OK | MB_ICONEXCLAMATION);
    }
    m_nEntryMask = completionMask(m_e, m_dT, m_dN1);
    if (before.epsBeta != m_e.epsBeta) entryChanged();
    enableForces();
}

void CSirrowDlg::OnEntryT() {
    const double before = m_dT;
    if (!UpdateData(true)) return;
    if (m_dT > 0) {
        const double t2 = outputTorque(m_dT, m_e.z1, m_e.z2);
        if (!rating_range::kT2.admits(t2)) {
            m_dT = before;
            show();
            return showNotice({RatingNotice::Icon::Exclamation, rating_range::couplingRefusal(rating_range::kT2), ""});
        }
        m_dT2 = t2;
    }
    m_nEntryMask = completionMask(m_e, m_dT, m_dN1);
    if (before != m_dT) entryChanged();
    enableForces();
    show();
}

void CSirrowDlg::OnEntryT2() {
    const double before = m_dT, t2Before = m_dT2;
    if (!UpdateData(true)) return;
    if (m_dT2 > 0) {
        const double t = inputTorque(m_dT2, m_e.z1, m_e.z2);
        if (t > 0 && !rating_range::kT.admits(t)) {
            m_dT2 = t2Before;
            show();
            return showNotice({RatingNotice::Icon::Exclamation, rating_range::couplingRefusal(rating_range::kT), ""});
        }
        if (t > 0) m_dT = t;
    }
    m_nEntryMask = completionMask(m_e, m_dT2 > 0 ? m_dT : 0, m_dN1);
    if (before != m_dT) entryChanged();
    enableForces();
    show();
}

void CSirrowDlg::OnDateFocus() { setText(IDC_DATE, fw::todayText()); }

void CSirrowDlg::OnDateLeave() {
    UpdateData(true);
    if (!m_e.date.empty()) fw::copyToField(m_szDate, m_e.date);
}

// ---- load ---------------------------------------------------------------------

void CSirrowDlg::OnLoad() {
    fw::FileDialog fd(fw::FileMode::Open, "cng", "*.cng", fw::OFN_FILEMUSTEXIST | fw::OFN_HIDEREADONLY, kDataFilter,
                      this);
    fd.setTitle("《Ondrel》打开圆锥齿轮计算数据文件");
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return;
    const std::filesystem::path path = fd.path();
    auto bytes = kavrin::readDesignFile(path, kRatingRecordBytes);
    if (!bytes) {
        fw::MessageBox(fw::format("不能打开文件%s,ERROR = %u", path.string().c_str(), bytes.error().code()),
                       MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    auto loaded = loadRatingDesign(*bytes);
    if (!loaded) {
        showNotice(loaded.error());
        return;
    }
    if (loaded->oldFile) fw::MessageBox(kavrin::kMsgOldFile, MB_OK | MB_ICONINFORMATION);
    // Everything checked: reset, then the pair, the paths and the texts.
    const int limitClass = m_nLimitClass;
    const double t2 = m_dT2;
    m_e = loaded->entries;
    m_nGear = 0;
    m_dT = m_dN1 = 0;
    m_dFtm = m_dFr1 = m_dFr2 = m_dFx1 = m_dFx2 = m_dZM = m_dConeH = m_dConeF = 0;
    m_dKa = m_dKv = m_dKbeta = m_dZH = m_dZE = m_dZeps = m_dZN = m_dZL = m_dZv = m_dZR = m_dZW = 0;
    m_dSigmaH = m_dSigmaHP = m_dSH = 0;
    m_dWKa = m_dWKv = m_dWKbeta = m_dYF = m_dYeps = m_dYbeta = m_dYN = m_dYx = 0;
    m_dY0 = 1.0;
    m_dSigmaF = m_dSigmaFP = m_dSF = 0;
    m_nContactMask = m_nBendMask = 0;
    m_nLimitClass = limitClass;
    m_dT2 = t2;
    m_bForces = false;
    fw::copyToField(m_szTitle, m_e.title);
    fw::copyToField(m_szNumber, m_e.number);
    fw::copyToField(m_szDate, m_e.date);
    m_strDataPath = path.string();
    m_strReportPath = kavrin::designReportName(path, ".cng", ".tng").string();
    m_nEntryMask = completionMask(m_e, m_dT, m_dN1);
    enableForces();
    enableFactorButtons(false);
    contactRule();
    bendingRule();
    m_bReportWritten = false;
    show();
}

// ---- torque and forces ----------------------------------------------------------

void CSirrowDlg::OnTorque() {
    CSirrowTDlg dlg;
    if (dlg.DoModal(m_dN1) != IDOK) return;
    auto t = ratingTorque(dlg.m_dP, dlg.m_dN);
    // A speed or torque outside its range is refused as one not above 0,
    // with the range it left.
    const kavrin::Quantity* outside = nullptr;
    if (t && !rating_range::kN1.admits(dlg.m_dN)) outside = &rating_range::kN1;
    if (t && !outside && !rating_range::kT.admits(*t)) outside = &rating_range::kT;
    if (t && !outside && !rating_range::kT2.admits(outputTorque(*t, m_e.z1, m_e.z2))) outside = &rating_range::kT2;
    if (!t || outside) {
        showNotice(t ? RatingNotice{RatingNotice::Icon::Exclamation, rating_range::couplingRefusal(*outside), ""}
                     : t.error());
        m_nEntryMask &= ~(entry_bit::torque | entry_bit::n1);
        enableForces();
        return;
    }
    const bool changed = m_dN1 != dlg.m_dN || m_dT != *t;
    m_dN1 = dlg.m_dN;
    m_dT = *t;
    m_dT2 = outputTorque(m_dT, m_e.z1, m_e.z2);
    m_nEntryMask |= entry_bit::torque | entry_bit::n1;
    if (changed) entryChanged();
    enableForces();
    show();
}

void CSirrowDlg::OnForces() {
    const ForceInput in{.torque = m_dT, .m = m_e.m, .z1 = m_e.z1, .z2 = m_e.z2, .phiR = m_e.phiR,
                        .alphaNDeg = m_e.alphaN, .betaMDeg = m_e.betaM, .delta1Deg = m_e.delta1,
                        .delta2Deg = m_e.delta2};
    auto ftm = meanTangentialForce(in);
    if (!ftm) {
        showNotice(ftm.error());
        return;
    }
    // The output torque shown beside the forces stays in its range.
    if (!rating_range::kT2.admits(outputTorque(m_dT, m_e.z1, m_e.z2)))
        return showNotice({RatingNotice::Icon::Exclamation, rating_range::couplingRefusal(rating_range::kT2), ""});
    m_dFtm = *ftm;
    show();
    CSirrowDTypeDlg dtype;
    if (dtype.DoModal() != IDOK) return;
    auto forces = gearForces(in, m_dFtm, static_cast<DriveArrangement>(dtype.m_nDType));
    if (!forces) {
        showNotice(forces.error());
        return;
    }
    m_nDType = dtype.m_nDType;
    m_dFr1 = forces->fr1;
    m_dFr2 = forces->fr2;
    m_dFx1 = forces->fx1;
    m_dFx2 = forces->fx2;
    m_dZM = forces->zM;
    m_dConeH = forces->coneH;
    m_dConeF = forces->coneF;
    m_dT2 = outputTorque(m_dT, m_e.z1, m_e.z2);
    m_bForces = true;
    enableFactorButtons(true);
    contactRule();
    bendingRule();
}

void CSirrowDlg::OnGearRadio(int gear) {
    // Before the forces the form factor cannot be read (no pair yet): the
    // radio only stores the choice.
    m_nGear = gear;
    if (m_bForces) OnYF(true);
}

// ---- load factors ----------------------------------------------------------------

void CSirrowDlg::OnKa() {
    CSirrowKaDlg dlg;
    if (dlg.DoModal() != IDOK || !(dlg.m_dKa > 0)) return;
    if (auto taken = factorInRange(rating_range::kKa, dlg.m_dKa); !taken) return showNotice(taken.error());
    storeContact(dlg.m_dKa, m_dKa, contact_bit::kA, rating_range::kKa);
    storeBending(dlg.m_dKa, m_dWKa, bending_bit::kA, rating_range::kKa);
}

void CSirrowDlg::OnKv(bool) {
    CSirrowPreciDlg dlg;
    // Cancel changes nothing on either button.
    if (dlg.DoModal() != IDOK) return;
    const double kv = loadFactorAtLeastOne(dynamicFactor(dlg.m_nPrecision, pitchLineSpeed(m_e.m, m_e.z1, m_dN1)));
    if (auto taken = factorInRange(rating_range::kKv, kv); !taken) return showNotice(taken.error());
    if (kv > 0) {
        storeContact(kv, m_dKv, contact_bit::kV, rating_range::kKv);
        storeBending(kv, m_dWKv, bending_bit::kV, rating_range::kKv);
    }
    show();
}

void CSirrowDlg::OnKbeta() {
    CSirrowKbitaDlg dlg;
    if (dlg.DoModal() == IDOK && dlg.m_value > 0)
        storeContact(loadFactorAtLeastOne(dlg.m_value), m_dKbeta, contact_bit::kBeta, rating_range::kKHbeta);
    show();
}

void CSirrowDlg::OnWKbeta() {
    CSirrowWkbitaDlg dlg;
    if (dlg.DoModal() == IDOK) storeBending(loadFactorAtLeastOne(dlg.m_value), m_dWKbeta, bending_bit::kBeta, rating_range::kKFbeta);
    show();
}

// ---- contact factors --------------------------------------------------------------

void CSirrowDlg::OnZH() {
    CSirrowC97Dlg dlg;
    if (dlg.DoModal(m_e.betaM) != IDOK) return;
    storeContact(dlg.m_value, m_dZH, contact_bit::zH, rating_range::kZH);  // a chart never read clears the bit
}

void CSirrowDlg::OnZE() {
    CSirrowZeDlg dlg;
    if (dlg.DoModal() != IDOK) return;
    auto ze = elasticityFactor(dlg.m_dE1, dlg.m_dE2, dlg.m_dNu1, dlg.m_dNu2);
    if (!ze) {
        showNotice(ze.error());
        return;
    }
    storeContact(*ze, m_dZE, contact_bit::zE, rating_range::kZE);
}

void CSirrowDlg::OnZeps() {
    CSirrowZetaDlg dlg;
    if (dlg.DoModal(m_e.epsAlpha, m_e.epsBeta) != IDOK) return;
    storeContact(dlg.m_value, m_dZeps, contact_bit::zEps, rating_range::kZeps);
}

void CSirrowDlg::OnZN() {
    CSirrowHznDlg dlg;
    if (dlg.DoModal() != IDOK) return;
    storeContact(contactLifeFactor(dlg.m_nMaterial, dlg.m_nPitting, dlg.m_dNe), m_dZN, contact_bit::zN,
                 rating_range::kZN);
}

void CSirrowDlg::OnZL() {
    CSirrowZlDlg dlg;
    if (dlg.DoModal(m_nLimitClass) != IDOK) return;
    m_nLimitClass = dlg.m_nClass;
    const auto r = lubricantFactors(dlg.m_nClass, dlg.m_nLubricant, dlg.m_nFlanks, dlg.m_dNu50, m_e.m, m_e.z1, m_dN1);
    // Both or neither: a ZL or Zv out of its range takes neither.
    for (auto [q, v] : {std::pair{&rating_range::kZL, r.zL}, std::pair{&rating_range::kZv, r.zV}})
        if (auto taken = factorInRange(*q, v); !taken) return showNotice(taken.error());
    storeContact(r.zL, m_dZL, contact_bit::zL, rating_range::kZL);
    storeContact(r.zV, m_dZv, contact_bit::zV, rating_range::kZv);
}

void CSirrowDlg::OnZR() {
    CSirrowHzrDlg dlg;
    if (dlg.DoModal(m_nLimitClass) != IDOK) return;
    m_nLimitClass = dlg.m_nClass;
    storeContact(roughnessFactor(dlg.m_nClass, dlg.m_dRa, m_e.delta1, m_e.phiR, m_e.r).zR, m_dZR, contact_bit::zR,
                 rating_range::kZR);
}

void CSirrowDlg::OnZW() {
    CSirrowZwDlg dlg;
    // Cancel changes nothing, on first use as after a valid ZW.
    if (dlg.DoModal() != IDOK) return;
    storeContact(workHardeningFactor(dlg.m_nPinion, dlg.m_nGear, dlg.m_dHb), m_dZW, contact_bit::zW,
                 rating_range::kZW);
}

// ---- bending factors ---------------------------------------------------------------

void CSirrowDlg::OnYF(bool gearChanged) {
    const FormFactorChart chart =
        formFactorChart(m_nGear == 1, m_e.z1, m_e.z2, m_e.betaM, m_e.x1, m_e.x2, m_e.xt1, m_e.xt2);
    // After a gear radio the other gear's form factor never stays under this
    // gear's banner, whatever the chart answers; the YF button alone changes
    // nothing on Cancel.
    if (gearChanged) storeBending(0, m_dYF, bending_bit::yF, rating_range::kYF);
    if (chart.zv <= 0) return;
    CSirrowWyfDlg dlg;
    if (dlg.DoModal(chart.s, m_e.betaM, chart.zv, chart.x) == IDOK)
        storeBending(formFactor(dlg.m_value, chart.xt), m_dYF, bending_bit::yF, rating_range::kYF);
    show();
}

void CSirrowDlg::OnYeps() {
    storeBending(contactRatioBendingFactor(m_e.betaM, m_e.epsAlpha), m_dYeps, bending_bit::yEps, rating_range::kYeps);
}

void CSirrowDlg::OnYbeta() {
    storeBending(spiralAngleFactor(m_e.betaM, m_e.epsBeta), m_dYbeta, bending_bit::yBeta, rating_range::kYbeta);
}

void CSirrowDlg::OnY0() {
    CSirrowY0Dlg dlg;
    if (dlg.DoModal(m_e.betaM, m_e.b) != IDOK) return;
    if (!rating_range::kY0.admits(dlg.m_dY0)) return showNotice({RatingNotice::Icon::Exclamation,
                                                                   rating_range::factorRefusal(rating_range::kY0), ""});
    if (dlg.m_dY0 != m_dY0) clearBendingResults();
    m_dY0 = dlg.m_dY0;
    bendingRule();
}

void CSirrowDlg::OnYN() {
    CSirrowWynDlg dlg;
    if (dlg.DoModal() != IDOK) return;
    auto yn = bendingLifeFactor(dlg.m_nMaterial, dlg.m_dNe);
    if (!yn) {
        showNotice(yn.error());
        return;
    }
    storeBending(*yn, m_dYN, bending_bit::yN, rating_range::kYN);
}

void CSirrowDlg::OnYx() {
    // Past the module range of its polynomial Yx is refused, so the bending
    // column cannot reach its limit.
    auto yx = sizeFactor(m_e.m);
    if (!yx) showNotice(yx.error());
    storeBending(yx ? *yx : 0, m_dYx, bending_bit::yX, rating_range::kYx);
}

// ---- stresses -----------------------------------------------------------------------

void CSirrowDlg::OnSigmaH() {
    m_dSigmaH = contactStress({.zH = m_dZH, .zE = m_dZE, .zEps = m_dZeps, .zM = m_dZM, .cone = m_dConeH,
                               .ftm = m_dFtm, .kA = m_dKa, .kV = m_dKv, .kBeta = m_dKbeta, .b = m_e.b, .m = m_e.m,
                               .z1 = m_e.z1});
    m_dSH = 0;
    enable(IDC_SH, false);
    enable(IDC_SIGMA_HP, m_dSigmaH > 0);
    show();
}

void CSirrowDlg::OnSigmaHP() {
    CSirrowHlmtDlg dlg;
    if (dlg.DoModal(0) == IDOK) {
        m_dSigmaHP = permissibleContactStress(dlg.m_dSigmaHlim, m_dZN, m_dZL, m_dZv, m_dZR, m_dZW);
        m_dSH = 0;
    }
    enable(IDC_SH, m_dSigmaHP > 0 && m_dSigmaH > 0);
    show();
}

void CSirrowDlg::OnSH() {
    m_dSH = safetyFactor(m_dSigmaHP, m_dSigmaH);
    m_contactVerdictFrom = contactBasis();
    show();
}

void CSirrowDlg::OnSigmaF() {
    m_dSigmaF = bendingStress({.kA = m_dWKa, .kV = m_dWKv, .kBeta = m_dWKbeta, .cone = m_dConeH, .yF = m_dYF,
                               .yEps = m_dYeps, .yBeta = m_dYbeta, .y0 = m_dY0, .ftm = m_dFtm, .b = m_e.b,
                               .m = m_e.m, .betaMDeg = m_e.betaM});
    m_dSF = 0;
    enable(IDC_SF, false);
    enable(IDC_SIGMA_FP, m_dSigmaF > 0);
    show();
}

void CSirrowDlg::OnSigmaFP() {
    CSirrowHlmtDlg dlg;
    if (dlg.DoModal(1) == IDOK) {
        m_dSigmaFP = permissibleBendingStress(dlg.m_dSigmaFlim, m_dYN, m_dYx);
        m_dSF = 0;
    }
    enable(IDC_SF, m_dSigmaFP > 0 && m_dSigmaF > 0);
    show();
}

void CSirrowDlg::OnSF() {
    m_dSF = safetyFactor(m_dSigmaFP, m_dSigmaF);
    m_bendingVerdictFrom = bendingBasis();
    show();
}

// ---- report, cancel -------------------------------------------------------------------

RatingReport CSirrowDlg::reportData() const {
    RatingReport r;
    r.gear = m_nGear == 1;
    r.title = m_e.title;
    r.drawingNumber = m_e.number;
    r.date = m_e.date;
    r.z1 = m_e.z1;
    r.z2 = m_e.z2;
    r.alphaNDeg = m_e.alphaN;
    r.m = m_e.m;
    r.betaMDeg = m_e.betaM;
    r.epsAlpha = m_e.epsAlpha;
    r.epsBeta = m_e.epsBeta;
    r.b = m_e.b;
    r.torque = m_dT;
    r.outputTorque = outputTorque(m_dT, m_e.z1, m_e.z2);
    r.n1 = m_dN1;
    r.ftm = m_dFtm;
    r.arrangement = static_cast<DriveArrangement>(m_nDType);
    r.fr1 = m_dFr1;
    r.fr2 = m_dFr2;
    r.fx1 = m_dFx1;
    r.fx2 = m_dFx2;
    r.kA = m_dKa;
    r.kV = m_dKv;
    r.kBeta = m_dKbeta;
    r.zH = m_dZH;
    r.zE = m_dZE;
    r.zEps = m_dZeps;
    r.zN = m_dZN;
    r.zL = m_dZL;
    r.zV = m_dZv;
    r.zR = m_dZR;
    r.zW = m_dZW;
    r.sigmaH = m_dSigmaH;
    r.sigmaHP = m_dSigmaHP;
    r.sH = m_dSH;
    r.yF = m_dYF;
    r.yEps = m_dYeps;
    r.yBeta = m_dYbeta;
    r.yN = m_dYN;
    r.y0 = m_dY0;
    r.yX = m_dYx;
    r.sigmaF = m_dSigmaF;
    r.sigmaFP = m_dSigmaFP;
    r.sF = m_dSF;
    return r;
}

void CSirrowDlg::OnOK() {
    // The report is the pair's verdict: both safety factors, computed from
    // the values it prints.
    if (auto refusal = reportRefusal(contactVerdictStands(), bendingVerdictStands())) {
        fw::MessageBox(*refusal, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // No value its field or a load refuses reaches the report.
    std::optional<std::string> why = entriesRefusal(m_e);
    for (auto [q, v] : {std::pair{&rating_range::kT, m_dT}, std::pair{&rating_range::kN1, m_dN1}})
        if (!why && !rating_range::given(*q).admits(v)) why = kavrin::quantityRefusal(rating_range::given(*q));
    if (why) {
        fw::MessageBox(*why, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    fw::FileDialog fd(fw::FileMode::Save, "tng", m_strReportPath.empty() ? "*.tng" : m_strReportPath,
                      fw::OFN_HIDEREADONLY, kReportFilter, this);
    fd.setTitle("《Ondrel》保存报告到指定文件");
    fd.setInitialFolder(m_strReportPath.empty() ? kavrin::GetDataDir() : std::filesystem::path(m_strReportPath));
    if (fd.DoModal() != IDOK) return;
    std::filesystem::path report = fd.path();
    if (!kavrin::hasDataExtension(report, ".tng")) {
        report = kavrin::saveReportName(report, ".tng");
        fw::MessageBox(fw::format("所指定的文件名不是有效格式，现以%s文件名保存！", report.string().c_str()));
    }
    if (!kavrin::writeReport(report, ratingReportText(reportData()), fw::TextFileWriter::Mode::Append)) {
        fw::MessageBox("不能打开文件!", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_strReportPath = report.string();
    m_bReportWritten = true;
    fw::MessageBox(kavrin::savedNotice(report), MB_OK | MB_ICONINFORMATION);
    EndDialog(IDOK);
}

void CSirrowDlg::OnCancel() {
    if (m_bReportWritten) {
        EndDialog(IDCANCEL);
        return;
    }
    if (fw::MessageBox(kMsgCancelQuestion, MB_YESNO | MB_ICONQUESTION) == IDNO) EndDialog(IDCANCEL);
}
