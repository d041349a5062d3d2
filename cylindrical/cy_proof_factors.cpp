// CCyProofDlg: the factor and stress actions of the contact and bending
// groups. Each runs its factor dialog (or none), hands the answer to the
// rating calculations and stores the result with its mask bit.
#include <cmath>

#include "cylindrical/cy_proof_dlg.h"
#include "cylindrical/factor_dialogs.h"

using namespace cylindrical;

namespace {

constexpr const char* kHintMotion =
    "按国家标准GB10095 《渐开线圆柱齿轮 精度》选定齿轮的精度级，当运动精度、平稳性精度、接触精度选不同的精度级时，"
    "此处主要针对运动精度与平稳性精度级。";
constexpr const char* kHintContact =
    "按国家标准GB10095 《渐开线圆柱齿轮 精度》选定齿轮的精度级，当运动精度、平稳性精度、接触精度选不同的精度级时，"
    "此处主要针对接触精度级。";

// The loaded pair counts as unchanged while its values agree to rounding
// (a field shows 15 significant digits).
bool same(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::fmax(std::fabs(a), std::fabs(b)); }

}  // namespace

bool CCyProofDlg::loadedPairUnchanged() const {
    return m_loaded && m_loaded->z1 == m_v.z1 && m_loaded->z2 == m_v.z2 && same(m_loaded->mn, m_v.mn) &&
           same(m_loaded->beta, m_v.betaDeg) && same(m_loaded->alphaN, m_v.alphaNDeg) && m_loaded->mesh == m_mesh;
}

void CCyProofDlg::registerFactorActions() {
    for (int id : {IDC_H_KA, IDC_F_KA}) onClick(id, [this] { OnApplicationFactor(); });
    for (int id : {IDC_H_KV, IDC_F_KV}) onClick(id, [this] { OnDynamicFactor(); });
    for (int id : {IDC_H_KALPHA, IDC_F_KALPHA}) onClick(id, [this] { OnTransverseLoadFactors(); });
    for (int id : {IDC_H_KBETA, IDC_F_KBETA}) onClick(id, [this] { OnFaceLoadFactors(); });
    onClick(IDC_ZH_BTN, [this] { OnZoneFactor(); });
    onClick(IDC_ZE_BTN, [this] { OnElasticityFactor(); });
    onClick(IDC_ZEPS_BTN, [this] { OnContactRatioFactor(); });
    onClick(IDC_ZN_BTN, [this] { OnContactLifeFactor(); });
    onClick(IDC_ZL_BTN, [this] { OnLubricantFactors(); });
    onClick(IDC_ZR_BTN, [this] { OnRoughnessFactor(); });
    onClick(IDC_ZW_BTN, [this] { OnWorkHardeningFactor(); });
    onClick(IDC_SIGMAH_BTN, [this] { OnContactStress(); });
    onClick(IDC_SIGMAHP_BTN, [this] { OnPermissibleContactStress(); });
    onClick(IDC_SH_BTN, [this] { OnContactSafety(); });
    onClick(IDC_YFA_BTN, [this] { OnToothFormFactor(); });
    onClick(IDC_YBETA_BTN, [this] { OnHelixAngleFactor(); });
    onClick(IDC_YEPS_BTN, [this] { OnBendingContactRatioFactor(); });
    onClick(IDC_YN_BTN, [this] { OnBendingLifeFactor(); });
    onClick(IDC_YS_BTN, [this] { OnStressCorrection(); });
    onClick(IDC_SIGMAF_BTN, [this] { OnBendingStress(); });
    onClick(IDC_SIGMAFP_BTN, [this] { OnPermissibleBendingStress(); });
    onClick(IDC_SF_BTN, [this] { OnBendingSafety(); });
}

MeshType CCyProofDlg::mesh() const { return m_mesh; }

double CCyProofDlg::ratedVirtualTeeth() const {
    return virtualToothNumber(m_v.ratedGear == 0 ? m_v.z1 : m_v.z2, m_v.betaDeg);
}

void CCyProofDlg::afterContactFactor() {
    checkContactMask();
    UpdateData(false);
}

void CCyProofDlg::afterBendingFactor() {
    checkBendingMask();
    UpdateData(false);
}

// ---- the four factors of both groups -------------------------------------------------

void CCyProofDlg::OnApplicationFactor() {
    CCyProofKaDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    setFactor(dlg.m_dKa, m_v.kA, m_contactMask, contact_bit::kA, Stages::Both);
    setFactor(dlg.m_dKa, m_kAF, m_bendingMask, bending_bit::kA, Stages::Both);
    checkBendingMask();
    afterContactFactor();
}

void CCyProofDlg::OnDynamicFactor() {
    CCyProofPrecisionDlg dlg(this);
    if (dlg.DoModal(kHintMotion) != IDOK) return;
    auto r = dynamicFactor(
        {.mn = m_v.mn, .z1 = m_v.z1, .n1 = m_v.n1, .betaDeg = m_v.betaDeg, .epsBeta = m_v.epsBeta, .gradeIndex = dlg.m_nGrade});
    if (!r) return show(r.error());
    setFactor(r->kV, m_v.kV, m_contactMask, contact_bit::kV, Stages::Both);
    setFactor(r->kV, m_kVF, m_bendingMask, bending_bit::kV, Stages::Both);
    checkBendingMask();
    afterContactFactor();
}

void CCyProofDlg::OnTransverseLoadFactors() {
    CCyProofPrecisionDlg dlg(this);
    if (dlg.DoModal(kHintContact) != IDOK) return;
    auto r = transverseLoadFactors(
        {.epsAlpha = m_v.epsAlpha, .epsBeta = m_v.epsBeta, .betaDeg = m_v.betaDeg, .gradeIndex = dlg.m_nGrade});
    if (!r) return show(r.error());
    setFactor(r->kHalpha, m_v.kHalpha, m_contactMask, contact_bit::kHalpha, Stages::Contact);
    setFactor(r->kFalpha, m_v.kFalpha, m_bendingMask, bending_bit::kFalpha, Stages::Bending);
    checkBendingMask();
    afterContactFactor();
}

void CCyProofDlg::OnFaceLoadFactors() {
    CCyProofKbitaDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    auto r = faceLoadFactor({.b = m_v.b, .z1 = m_v.z1, .mn = m_v.mn, .betaDeg = m_v.betaDeg, .flankPairing = dlg.m_nFlanks,
                             .mounting = dlg.m_nMounting});
    if (!r) return show(r.error());
    if (r->notice) show(*r->notice);
    setFactor(r->kHbeta, m_v.kHbeta, m_contactMask, contact_bit::kHbeta, Stages::Both);
    setFactor(r->kHbeta, m_kFbeta, m_bendingMask, bending_bit::kFbeta, Stages::Both);
    checkBendingMask();
    afterContactFactor();
}

// ---- contact group -------------------------------------------------------------------------

void CCyProofDlg::OnZoneFactor() {
    ZoneFactorInput in{.z1 = m_v.z1, .z2 = m_v.z2, .betaDeg = m_v.betaDeg, .alphaNDeg = m_v.alphaNDeg, .mesh = mesh(),
                       .recordAlphaWtDeg = std::nullopt};
    if (loadedPairUnchanged()) in.recordAlphaWtDeg = m_loaded->alphaWtDeg;
    auto r = zoneFactor(in);
    if (!r) return show(r.error());
    setFactor(r->zH, m_v.zH, m_contactMask, contact_bit::zH, Stages::Contact);
    hint(r->hint);
    afterContactFactor();
}

void CCyProofDlg::OnElasticityFactor() {
    CCyProofZeDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    auto r = elasticityFactor({.e1 = dlg.m_dE1, .e2 = dlg.m_dE2, .nu1 = dlg.m_dNu1, .nu2 = dlg.m_dNu2});
    if (!r) return show(r.error());
    setFactor(*r, m_v.zE, m_contactMask, contact_bit::zE, Stages::Contact);
    afterContactFactor();
}

void CCyProofDlg::OnContactRatioFactor() {
    const double z = contactRatioFactor(
        {.epsAlpha = m_v.epsAlpha, .epsBeta = m_v.epsBeta, .betaDeg = m_v.betaDeg, .alphaNDeg = m_v.alphaNDeg});
    setFactor(z, m_v.zEps, m_contactMask, contact_bit::zEps, Stages::Contact);
    afterContactFactor();
}

void CCyProofDlg::OnContactLifeFactor() {
    CCyProofZnDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    auto r = contactLifeFactor({.materialClass = dlg.m_nMaterial, .pitting = dlg.m_nPitting, .cycles = dlg.m_dNe});
    if (!r) return show(r.error());
    setFactor(*r, m_v.zN, m_contactMask, contact_bit::zN, Stages::Contact);
    afterContactFactor();
}

void CCyProofDlg::OnLubricantFactors() {
    CCyProofZlDlg dlg(this);
    if (dlg.DoModal(m_limitClass) != IDOK) return;
    m_limitClass = dlg.m_nClass;
    auto r = lubricantFactors({.limitClass = dlg.m_nClass, .lubricant = dlg.m_nLubricant,
                               .flankState = dlg.m_nFlanks, .viscosity = dlg.m_dNu50, .z1 = m_v.z1, .mn = m_v.mn,
                               .n1 = m_v.n1});
    if (!r) return show(r.error());
    setFactor(r->zL, m_v.zL, m_contactMask, contact_bit::zL, Stages::Contact);
    setFactor(r->zV, m_v.zV, m_contactMask, contact_bit::zV, Stages::Contact);
    afterContactFactor();
}

void CCyProofDlg::OnRoughnessFactor() {
    CCyProofZrDlg dlg(this);
    if (dlg.DoModal(m_limitClass) != IDOK) return;
    m_limitClass = dlg.m_nClass;
    auto r = roughnessFactor({.limitClass = dlg.m_nClass, .ra = dlg.m_dRa, .z1 = m_v.z1, .z2 = m_v.z2, .mesh = mesh(),
                              .mn = m_v.mn, .betaDeg = m_v.betaDeg,
                              .recordCentreDistance = loadedPairUnchanged() ? std::optional(m_loaded->a)
                                                                            : std::nullopt});
    if (!r) return show(r.error());
    setFactor(r->zR, m_v.zR, m_contactMask, contact_bit::zR, Stages::Contact);
    afterContactFactor();
}

void CCyProofDlg::OnWorkHardeningFactor() {
    CCyProofZhwDlg dlg(this);
    double zW = m_v.zW;
    if (dlg.DoModal() == IDOK)
        zW = workHardeningFactor({.pinionFlank = dlg.m_nPinion, .gearFlank = dlg.m_nGear, .gearHardness = dlg.m_dHb});
    // The bit follows the value that stands, also after Cancel.
    setFactor(zW, m_v.zW, m_contactMask, contact_bit::zW, Stages::Contact);
    afterContactFactor();
}

void CCyProofDlg::OnContactStress() {
    auto r = contactStress({.z1 = m_v.z1, .z2 = m_v.z2, .mn = m_v.mn, .betaDeg = m_v.betaDeg, .b = m_v.b, .mesh = mesh(),
                            .ft = m_v.ft, .kA = m_v.kA, .kV = m_v.kV, .kHalpha = m_v.kHalpha, .kHbeta = m_v.kHbeta,
                            .zH = m_v.zH, .zE = m_v.zE, .zEps = m_v.zEps});
    if (!r) {
        show(r.error());
        clearStages(Stages::Contact);
        UpdateData(false);
        return;
    }
    // SH reads σH: a new σH leaves no safety factor of the old one.
    if (*r != m_v.sigmaH) clearContactSafety();
    m_v.sigmaH = *r;
    UpdateData(false);
    enable(IDC_SIGMAHP_BTN, true);
}

void CCyProofDlg::OnPermissibleContactStress() {
    CCyProofLimtDlg dlg(this);
    if (dlg.DoModal(0) != IDOK) return;
    auto r = permissibleContactStress(
        {.sigmaHlim = dlg.m_dSigmaHlim, .zN = m_v.zN, .zL = m_v.zL, .zV = m_v.zV, .zR = m_v.zR, .zW = m_v.zW});
    if (!r) return show(r.error());
    if (usableOrZero(*r) != m_v.sigmaHP) clearContactSafety();
    m_v.sigmaHP = usableOrZero(*r);
    enable(IDC_SH_BTN, m_v.sigmaHP > 0);
    UpdateData(false);
}

void CCyProofDlg::OnContactSafety() {
    if (auto s = safetyFactor(m_v.sigmaHP, m_v.sigmaH)) m_v.sH = *s;
    if (m_v.sH > 0) m_contactCleared = false;
    UpdateData(false);
}

// ---- bending group -------------------------------------------------------------------------

void CCyProofDlg::OnToothFormFactor() {
    CCyProofShiftDlg dlg(this);
    if (dlg.DoModal(ratedVirtualTeeth(), m_v.ratedGear, m_xn1, m_xn2) != IDOK) return;
    auto r = toothFormFactor({.x = dlg.m_dX, .zv = dlg.m_dZv, .wholeDepth = dlg.m_dDepth, .mesh = mesh()});
    if (!r) return show(r.error());
    setFactor(*r, m_v.yFa, m_bendingMask, bending_bit::yFa, Stages::Bending);
    afterBendingFactor();
}

void CCyProofDlg::OnHelixAngleFactor() {
    setFactor(helixAngleFactor(m_v.epsBeta, m_v.betaDeg), m_v.yBeta, m_bendingMask, bending_bit::yBeta, Stages::Bending);
    afterBendingFactor();
}

void CCyProofDlg::OnBendingContactRatioFactor() {
    setFactor(bendingContactRatioFactor(m_v.epsAlpha), m_v.yEps, m_bendingMask, bending_bit::yEps, Stages::Bending);
    afterBendingFactor();
}

void CCyProofDlg::OnBendingLifeFactor() {
    CCyProofWynDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    auto r = bendingLifeFactor({.cycles = dlg.m_dNe, .material = dlg.m_nMaterial});
    if (!r) return show(r.error());
    setFactor(*r, m_v.yN, m_bendingMask, bending_bit::yN, Stages::Bending);
    afterBendingFactor();
}

void CCyProofDlg::OnStressCorrection() {
    CCyProofWysDlg dlg(this);
    if (dlg.DoModal(ratedVirtualTeeth(), m_v.ratedGear, m_xn1, m_xn2) != IDOK) return;
    StressCorrectionInput in{.x = dlg.m_dX, .zv = dlg.m_dZv, .material = dlg.m_nMaterial, .mesh = mesh(), .mn = m_v.mn};
    StressCorrection r = stressCorrection(in);
    // At most the range question and the undercut question, each once.
    while (r.kind == StressCorrection::Kind::Question) {
        if (fw::MessageBox(r.message.text, r.message.caption, MB_YESNO | MB_ICONQUESTION) != IDNO) return;
        if (r.question == StressCorrectionQuestion::UndercutRisk) {
            if (in.undercutAnsweredNo) return;
            in.undercutAnsweredNo = true;
        } else {
            if (in.rangeAnsweredNo) return;
            in.rangeAnsweredNo = true;
        }
        r = stressCorrection(in);
    }
    if (r.kind == StressCorrection::Kind::Refusal) return show(r.message);
    setFactor(r.yS, m_v.yS, m_bendingMask, bending_bit::yS, Stages::Bending);
    setFactor(r.yX, m_v.yX, m_bendingMask, bending_bit::yX, Stages::Bending);
    afterBendingFactor();
}

void CCyProofDlg::OnBendingStress() {
    auto r = bendingStress({.ft = m_v.ft, .b = m_v.b, .mn = m_v.mn, .kA = m_kAF, .kV = m_kVF, .kFalpha = m_v.kFalpha,
                            .kFbeta = m_kFbeta, .yFa = m_v.yFa, .yEps = m_v.yEps, .yBeta = m_v.yBeta});
    if (!r) {
        show(r.error());
        clearStages(Stages::Bending);
        UpdateData(false);
        return;
    }
    // SF reads σF: a new σF leaves no safety factor of the old one.
    if (*r != m_v.sigmaF) clearBendingSafety();
    m_v.sigmaF = *r;
    UpdateData(false);
    enable(IDC_SIGMAFP_BTN, true);
    enable(IDC_SF_BTN, true);
}

void CCyProofDlg::OnPermissibleBendingStress() {
    CCyProofLimtDlg dlg(this);
    if (dlg.DoModal(1) != IDOK) return;
    auto r = permissibleBendingStress({.sigmaFlim = dlg.m_dSigmaFlim, .yN = m_v.yN, .yS = m_v.yS, .yX = m_v.yX});
    if (!r) return show(r.error());
    if (usableOrZero(*r) != m_v.sigmaFP) clearBendingSafety();
    m_v.sigmaFP = usableOrZero(*r);
    enable(IDC_SF_BTN, m_v.sigmaFP > 0);
    UpdateData(false);
}

void CCyProofDlg::OnBendingSafety() {
    if (auto s = safetyFactor(m_v.sigmaFP, m_v.sigmaF)) m_v.sF = *s;
    if (m_v.sF > 0) m_bendingCleared = false;
    UpdateData(false);
}
