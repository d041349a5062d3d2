// CCyProofDlg: members, inputs, loading, torque, forces and the enabling
// rules. The factor and stress actions are in cy_proof_factors.cpp, the
// report in cy_proof_report.cpp.
#include "cylindrical/cy_proof_dlg.h"

#include <cstring>
#include <utility>

#include "common/calc/angle_split.h"
#include "common/calc/data_folder.h"
#include "common/calc/design_file.h"
#include "common/calc/gear_kinds.h"
#include "common/dialogs/quantity_field.h"
#include "cylindrical/calc/geometry_design.h"
#include "cylindrical/calc/rating_forces.h"
#include "cylindrical/calc/rating_ranges.h"
#include "cylindrical/calc/rating_rules.h"
#include "cylindrical/cy_current_design.h"
#include "cylindrical/factor_dialogs.h"
#include "fw/clock.h"
#include "fw/file.h"
#include "fw/format.h"
#include "fw/text.h"
#include "resources/corvane/module.h"

using namespace cylindrical;

namespace {

constexpr const char* kDesignFilter = "圆柱齿轮计算数据文件(*.cyb)|*.cyb|All File(*.*)|*.*|";
constexpr const char* kMsgBetaTooLarge = "压力角太大！";
constexpr const char* kMsgLoadedBetaTooLarge = "压力角太大,请修正设计！";
constexpr const char* kMsgInternalSpurOnly = "建议螺旋角取0°";
constexpr const char* kMsgCancelQuestion = "报告未输出，是(Yes)否(No)保存数据？";
// The rating's own words for the loader's refusals.
constexpr const char* kMsgMeasureData = "所用数据文件是圆柱齿轮测绘计算数据。不适用设计验算!";
constexpr const char* kMsgNoDesignData = "所用数据文件不包含圆柱齿轮设计计算数据。";
constexpr const char* kMsgUnfinished = "所载入的文件包含未完成的几何计算数据，\n无法利用这些数据做强度验算。";

std::string ratingLoadMessage(const std::string& loaderMessage) {
    if (loaderMessage == kMsgMeasurementFile) return kMsgMeasureData;
    if (loaderMessage == kMsgUnfinishedGeometry) return kMsgUnfinished;
    return kMsgNoDesignData;
}

// The character buffers hold code page 936, cut on a character boundary and
// always zero-terminated.
template <std::size_t N>
void copyText(char (&field)[N], const std::string& utf8) {
    fw::copyToField(std::span<char>(field, N), utf8);
}

// A text as a field of N bytes holds it (code page 936, cut on a character boundary).
template <std::size_t N>
std::string fitted(const std::string& utf8) {
    char field[N] = {};
    copyText(field, utf8);
    return fw::readField(field);
}

// The quantity a typed number field of the rating holds.
const kavrin::Quantity& fieldQuantity(int id) {
    switch (id) {
    case CCyProofDlg::IDC_MN: return rating_q::kMn;
    case CCyProofDlg::IDC_B: return rating_q::kB;
    case CCyProofDlg::IDC_N1: return rating_q::kN1;
    default: return rating_q::kTorque;
    }
}

unsigned iconFlags(RatingMessage::Icon icon) {
    switch (icon) {
    case RatingMessage::Icon::Information: return MB_ICONINFORMATION;
    case RatingMessage::Icon::Exclamation: return MB_ICONEXCLAMATION;
    case RatingMessage::Icon::Question: return MB_ICONQUESTION;
    case RatingMessage::Icon::None: break;
    }
    return 0;
}

}  // namespace

CCyProofDlg::CCyProofDlg(fw::Window* parent) : fw::Dialog(corvane::module(), IDD, parent) {
    onKillFocus(IDC_MN, [this] { OnKillfocusMn(); });
    onKillFocus(IDC_Z1, [this] { OnKillfocusZ1(); });
    onChange(IDC_Z2, [this] { OnChangeZ2(); });
    onKillFocus(IDC_BETA, [this] { OnKillfocusBeta(); });
    onKillFocus(IDC_ALPHAN, [this] { OnKillfocusAlphaN(); });
    onKillFocus(IDC_EPS_ALPHA, [this] { OnKillfocusEpsAlpha(); });
    onKillFocus(IDC_B, [this] { OnKillfocusB(); });
    onChange(IDC_T, [this] { OnChangeT(); });
    onChange(IDC_N1, [this] { OnChangeN1(); });
    for (int id : {IDC_T, IDC_N1, IDC_Z2}) onKillFocus(id, [this, id] { OnKillfocusTyped(id); });
    onClick(IDC_EXTERNAL, [this] { OnExternal(); });
    onClick(IDC_INTERNAL, [this] { OnInternal(); });
    onClick(IDC_PINION, [this] { OnRatedGear(0); });
    onClick(IDC_GEAR, [this] { OnRatedGear(1); });
    for (int id : {IDC_TITLE, IDC_DRAWING_NO, IDC_DATE}) onChange(id, [this, id] { OnHeadChanged(id); });
    onSetFocus(IDC_DATE, [this] { OnSetfocusDate(); });
    onClick(IDC_LOAD, [this] { OnLoad(); });
    onClick(IDC_TORQUE, [this] { OnTorque(); });
    onClick(IDC_CALC_FT, [this] { OnForceFt(); });
    onClick(IDC_CALC_FR, [this] { OnForceFr(); });
    onClick(IDC_CALC_FX, [this] { OnForceFx(); });
    onClick(IDC_CALC_FN, [this] { OnForceFn(); });
    onClick(IDC_HELP_BTN, [this] { OnHelp(); });
    registerFactorActions();
}

bool CCyProofDlg::OnInitDialog() {
    UpdateData(false);
    enable(IDC_EPS_BETA, false);
    for (int id : {IDC_CALC_FT, IDC_CALC_FR, IDC_CALC_FX, IDC_CALC_FN}) enable(id, false);
    checkFactorButtons();
    checkContactMask();
    checkBendingMask();
    for (int id : {IDC_SIGMAH_BTN, IDC_SIGMAHP_BTN, IDC_SH_BTN, IDC_SIGMAF_BTN, IDC_SIGMAFP_BTN, IDC_SF_BTN})
        enable(id, false);
    return true;
}

void CCyProofDlg::DoDataExchange(fw::Exchange& dx) {
    // The ranges of rating_ranges.h: the geometry record's for the pair (its
    // check and these fields agree), the rating's own for the load.
    dx.number(IDC_BETA, m_v.betaDeg);
    kavrin::number(dx, IDC_MN, m_v.mn, rating_q::kMn);
    kavrin::number(dx, IDC_ALPHAN, m_v.alphaNDeg, rating_q::kAlphaN);
    kavrin::number(dx, IDC_EPS_ALPHA, m_v.epsAlpha, rating_q::kEpsAlpha);
    kavrin::number(dx, IDC_B, m_v.b, rating_q::kB);
    dx.radio(IDC_EXTERNAL, m_mesh);
    dx.unsignedInt(IDC_Z1, m_v.z1, 0, kavrin::kMaxTeeth);
    dx.unsignedInt(IDC_Z2, m_v.z2, 0, kavrin::kMaxTeeth);
    kavrin::number(dx, IDC_N1, m_v.n1, rating_q::kN1);
    kavrin::number(dx, IDC_T, m_v.torque, rating_q::kTorque);
    dx.text(IDC_TITLE, m_v.title, 63);
    dx.text(IDC_DRAWING_NO, m_v.drawingNo, 63);
    dx.text(IDC_DATE, m_v.date, 19);
    dx.radio(IDC_PINION, m_v.ratedGear);
    if (dx.saving()) return;
    // Computed values are shown only: reading them back through their text
    // would round them to the shown digits.
    struct Shown {
        int id;
        double* v;
    };
    const Shown shown[] = {
        {IDC_EPS_BETA, &m_v.epsBeta}, {IDC_FT, &m_v.ft},         {IDC_FR, &m_v.fr},           {IDC_FX, &m_v.fx},
        {IDC_FN, &m_v.fn},            {IDC_KA, &m_v.kA},         {IDC_KV, &m_v.kV},           {IDC_KHALPHA, &m_v.kHalpha},
        {IDC_KHBETA, &m_v.kHbeta},    {IDC_ZH, &m_v.zH},         {IDC_ZE, &m_v.zE},           {IDC_ZEPS, &m_v.zEps},
        {IDC_ZN, &m_v.zN},            {IDC_ZL, &m_v.zL},         {IDC_ZV, &m_v.zV},           {IDC_ZR, &m_v.zR},
        {IDC_ZW, &m_v.zW},            {IDC_SIGMAF, &m_v.sigmaF}, {IDC_SIGMAFP, &m_v.sigmaFP}, {IDC_SF, &m_v.sF},
        {IDC_KA_F, &m_kAF},         {IDC_KV_F, &m_kVF},      {IDC_KFALPHA, &m_v.kFalpha}, {IDC_KFBETA, &m_kFbeta},
        {IDC_YFA, &m_v.yFa},          {IDC_YBETA, &m_v.yBeta},   {IDC_YEPS, &m_v.yEps},       {IDC_YN, &m_v.yN},
        {IDC_YS, &m_v.yS},            {IDC_YX, &m_v.yX},         {IDC_SIGMAH, &m_v.sigmaH},   {IDC_SIGMAHP, &m_v.sigmaHP},
        {IDC_SH, &m_v.sH},
    };
    for (const auto& s : shown) dx.number(s.id, *s.v);
}

// ---- small helpers -----------------------------------------------------------

CCyProofDlg::InputState CCyProofDlg::inputState() const {
    return {m_v.z1, m_v.z2, m_v.mn, m_v.betaDeg, m_v.alphaNDeg, m_v.epsAlpha, m_v.epsBeta, m_v.b, m_v.n1, m_v.torque, m_mesh};
}

void CCyProofDlg::finishInput(const InputState& before) {
    if (inputState() != before)
        reset();
    else
        refresh();
}

bool CCyProofDlg::setFlagIfPositive(InputFlag f, double& v) {
    const bool ok = isUsableValue(v);
    if (!ok) v = 0;
    setFlag(f, ok);
    return ok;
}

void CCyProofDlg::updateOverlapRatio() {
    auto eps = overlapRatio(m_v.b, m_v.betaDeg, m_v.mn);
    m_v.epsBeta = eps.value_or(0);
    setFlag(FlagEpsBeta, eps.has_value());
}

void CCyProofDlg::updateRatio() {
    if (m_v.z1 != 0 && m_v.z2 != 0) m_v.u = static_cast<double>(m_v.z2) / m_v.z1;
}

void CCyProofDlg::hint(const std::string& text) { setText(IDC_HINT, text); }

void CCyProofDlg::show(const RatingMessage& m) {
    if (m.place == RatingMessage::Place::HintLine)
        hint(m.text);
    else
        fw::MessageBox(m.text, m.caption, MB_OK | iconFlags(m.icon));
}

// ---- inputs -------------------------------------------------------------------

void CCyProofDlg::OnKillfocusMn() {
    const InputState before = inputState();
    if (!UpdateData(true)) return;
    setFlagIfPositive(FlagMn, m_v.mn);
    updateOverlapRatio();
    finishInput(before);
}

void CCyProofDlg::OnKillfocusZ1() {
    const InputState before = inputState();
    if (!UpdateData(true)) return;
    setFlag(FlagZ1, m_v.z1 != 0);
    updateRatio();
    finishInput(before);
}

// Z2, T and n1 are read on every change through the strict parser: text that
// is no number in the field's range yet ("", "-", "12abc", "1e999") gives 0
// with the flag clear, and stays in the field as typed; leaving the field
// refuses it (OnKillfocusTyped).
void CCyProofDlg::OnChangeZ2() {
    const auto v = integerOf(IDC_Z2);
    const std::uint32_t z2 = v && *v > 0 && *v <= kavrin::kMaxTeeth ? static_cast<std::uint32_t>(*v) : 0;
    // Our own write-back of the same value needs nothing.
    if (z2 == m_v.z2 && flag(FlagZ2) == (z2 != 0)) return;
    const std::string typed = text(IDC_Z2);
    const InputState before = inputState();
    m_v.z2 = z2;
    setFlag(FlagZ2, z2 != 0);
    updateRatio();
    finishInput(before);
    keepTyped(IDC_Z2, typed);
}

void CCyProofDlg::keepTyped(int id, const std::string& typed) {
    if (text(id) != typed) setText(id, typed);
}

void CCyProofDlg::OnKillfocusTyped(int id) {
    if (text(id).empty()) return;  // not given yet
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    if (id == IDC_Z2) {
        std::uint32_t z2 = m_v.z2;
        dx.unsignedInt(id, z2, 0, kavrin::kMaxTeeth);
    } else {
        double v = id == IDC_T ? m_v.torque : m_v.n1;
        kavrin::number(dx, id, v, fieldQuantity(id));
    }
}

void CCyProofDlg::OnKillfocusBeta() {
    const InputState before = inputState();
    if (!UpdateData(true)) return;
    const HelixChoice helix = helixChoice(m_v.betaDeg);
    if (!helix.helical) {
        if (helix.tooLarge) hint(kMsgBetaTooLarge);
        m_v.betaDeg = 0;
        m_v.fx = 0;
        setFlag(FlagHelical, false);
        enable(IDC_CALC_FX, false);
    } else {
        setFlag(FlagHelical, true);
        m_v.yBeta = 1.0;
        enable(IDC_CALC_FX, true);
    }
    updateOverlapRatio();
    finishInput(before);
}

void CCyProofDlg::OnKillfocusAlphaN() {
    const InputState before = inputState();
    if (!UpdateData(true)) return;
    setFlagIfPositive(FlagAlphaN, m_v.alphaNDeg);
    finishInput(before);
}

void CCyProofDlg::OnKillfocusEpsAlpha() {
    const InputState before = inputState();
    if (!UpdateData(true)) return;
    setFlagIfPositive(FlagEpsAlpha, m_v.epsAlpha);
    finishInput(before);
}

void CCyProofDlg::OnKillfocusB() {
    const InputState before = inputState();
    if (!UpdateData(true)) return;
    setFlagIfPositive(FlagB, m_v.b);
    updateOverlapRatio();
    finishInput(before);
}

void CCyProofDlg::OnChangeT() {
    double t = numberOf(IDC_T).value_or(0);
    if (!isUsableValue(t) || !rating_q::kTorque.admits(t)) t = 0;
    if (t == m_v.torque && flag(FlagT) == (t > 0)) return;
    const std::string typed = text(IDC_T);
    const InputState before = inputState();
    m_v.torque = t;
    setFlag(FlagT, t > 0);
    finishInput(before);
    keepTyped(IDC_T, typed);
}

void CCyProofDlg::OnChangeN1() {
    double n = numberOf(IDC_N1).value_or(0);
    if (!isUsableValue(n) || !rating_q::kN1.admits(n)) n = 0;
    if (n == m_v.n1 && flag(FlagN1) == (n > 0)) return;
    const std::string typed = text(IDC_N1);
    const InputState before = inputState();
    m_v.n1 = n;
    setFlag(FlagN1, n > 0);
    finishInput(before);
    keepTyped(IDC_N1, typed);
}

// The form factor and stress correction dialogs start from the rated gear's
// virtual teeth and shift: its factors, and the bending results they gave,
// belong to the gear that was rated.
void CCyProofDlg::OnRatedGear(int gear) {
    if (m_v.ratedGear == gear) return;
    m_v.ratedGear = gear;
    for (auto [slot, bit] : {std::pair{&m_v.yFa, bending_bit::yFa}, std::pair{&m_v.yS, bending_bit::yS},
                             std::pair{&m_v.yX, bending_bit::yX}}) {
        *slot = 0;
        m_bendingMask &= static_cast<std::uint16_t>(~bit);
    }
    clearStages(Stages::Bending);
    checkBendingMask();
    UpdateData(false);
}

void CCyProofDlg::OnExternal() {
    const InputState before = inputState();
    m_mesh = MeshType::External;
    enable(IDC_BETA, true);
    enable(IDC_EPS_BETA, true);
    if (m_v.betaDeg == 0) {
        m_v.epsBeta = 0;
        setFlag(FlagEpsBeta, true);
        m_v.fx = 0;
        m_v.yBeta = 1.0;
        enable(IDC_CALC_FX, false);
        enable(IDC_YBETA_BTN, false);
        hint("");
    } else {
        enable(IDC_CALC_FX, true);
        enable(IDC_YBETA_BTN, true);
    }
    finishInput(before);
}

void CCyProofDlg::OnInternal() {
    const InputState before = inputState();
    if (m_v.betaDeg == 0) {
        m_mesh = MeshType::Internal;
        m_v.epsBeta = 0;
        setFlag(FlagEpsBeta, true);
        m_v.fx = 0;
        m_v.yBeta = 1.0;
        enable(IDC_EPS_BETA, false);
        enable(IDC_CALC_FX, false);
        enable(IDC_YBETA_BTN, false);
        hint("");
    } else {
        hint(kMsgInternalSpurOnly);
        m_mesh = MeshType::External;
    }
    finishInput(before);
    // The radio shows the mesh type that stands, also when it was refused.
    checkRadio(IDC_EXTERNAL, IDC_INTERNAL, m_mesh == MeshType::External ? IDC_EXTERNAL : IDC_INTERNAL);
}

void CCyProofDlg::OnHeadChanged(int id) {
    const std::string t = text(id);
    if (id == IDC_TITLE) {
        m_v.title = t;
    } else if (id == IDC_DRAWING_NO) {
        m_v.drawingNo = t;
    } else {
        m_v.date = t;
    }
}

void CCyProofDlg::OnSetfocusDate() { setText(IDC_DATE, fw::todayText()); }

// ---- loading ------------------------------------------------------------------

void CCyProofDlg::OnLoad() {
    fw::FileDialog fd(fw::FileMode::Open, "cyb", {}, fw::OFN_FILEMUSTEXIST | fw::OFN_HIDEREADONLY, kDesignFilter,
                      this);
    fd.setTitle("《Ondrel》打开圆柱齿轮计算数据文件");
    if (currentDesign().dataPath.empty()) {
        // "*.cyb" is only the dialog's initial name, never a current path.
        fd.setInitialFolder(kavrin::GetDataDir());
        fd.request().initialName = "*.cyb";
    } else {
        fd.setInitialFolder(currentDesign().dataPath);
    }
    if (fd.DoModal() != IDOK) return;
    const std::filesystem::path path = fd.path();
    if (!kavrin::hasDataExtension(path, kavrin::kExtCyData)) {
        fw::MessageBox(kavrin::kMsgNotCybFile, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    auto bytes = kavrin::readDesignFile(path, CyPreRecord::kSize + CyGeomRecord::kSize);
    if (!bytes) {
        fw::MessageBox(fw::format("不能打开文件%s,ERROR = %u", path.string().c_str(), bytes.error().code()),
                       MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    auto design = loadGeometryDesign(*bytes);
    if (!design) {
        fw::MessageBox(ratingLoadMessage(design.error()), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (design->oldFile) fw::MessageBox(kavrin::kMsgOldFile, MB_OK | MB_ICONINFORMATION);
    // Everything checked: now the current design, the paths and the fields.
    currentDesign().pre = design->pre;
    currentDesign().geom = design->geom;
    currentDesign().dataPath = path.string();
    currentDesign().reportPath = kavrin::loadReportName(path, kavrin::kExtCyData, kavrin::kExtCyReport).string();
    applyDesign(design->geom);
    m_strDataPath = currentDesign().dataPath;
    m_strReportPath = currentDesign().reportPath;
}

void CCyProofDlg::applyDesign(const CyGeomRecord& g) {
    // Step 9: clear the dialog.
    const std::int32_t limitClass = m_limitClass;
    const int rated = m_v.ratedGear;
    m_xn1 = m_xn2 = m_v.u = 0;
    m_v.betaDeg = m_v.mn = m_v.alphaNDeg = m_v.epsAlpha = m_v.epsBeta = m_v.b = 0;
    m_v.ft = m_v.fr = m_v.fx = m_v.fn = 0;
    m_v.n1 = m_v.torque = 0;
    m_mesh = MeshType::External;
    m_v.z1 = m_v.z2 = 0;
    for (auto& f : m_flags) f = 0;
    m_contactMask = 0;
    m_limitClass = limitClass;
    m_v.ratedGear = rated;

    // Step 10: the record's values.
    m_v.title = fitted<64>(g.title);
    m_v.drawingNo = fitted<64>(g.number);
    m_v.date = fitted<20>(g.date);
    m_v.betaDeg = kavrin::tripleToDegrees({g.betaDeg, g.betaMin, g.betaSec});
    m_v.z1 = g.z1 > 0 ? static_cast<std::uint32_t>(g.z1) : 0;
    m_v.z2 = g.z2 > 0 ? static_cast<std::uint32_t>(g.z2) : 0;
    m_v.u = m_v.z1 != 0 ? static_cast<double>(m_v.z2) / m_v.z1 : 0;
    m_v.mn = g.mn;
    m_v.alphaNDeg = kavrin::tripleToDegrees({g.alphaNDeg, g.alphaNMin, g.alphaNSec});
    m_v.epsAlpha = g.epsAlpha;
    m_v.epsBeta = g.epsBeta;
    m_v.b = g.b;
    m_xn1 = g.xn1;
    m_xn2 = g.xn2;
    m_mesh = kavrin::meshTypeOf(g.meshType);

    // Step 11: the flags.
    setFlag(FlagAlphaN, m_v.alphaNDeg > 0);
    hint("");
    if (m_v.betaDeg > 0) {
        if (m_v.betaDeg > kMaxHelixAngleDeg) hint(kMsgLoadedBetaTooLarge);
        setFlag(FlagHelical, m_v.betaDeg <= kMaxHelixAngleDeg);
    } else {
        m_v.betaDeg = 0;
        m_v.epsBeta = 0;
        m_v.fx = 0;
        setFlag(FlagHelical, false);
        setFlag(FlagEpsBeta, true);
    }
    setFlag(FlagB, m_v.b > 0);
    setFlag(FlagZ1, m_v.z1 != 0);
    setFlag(FlagZ2, m_v.z2 != 0);
    setFlag(FlagEpsAlpha, m_v.epsAlpha > 0);
    if (m_v.epsBeta > 0) {
        setFlag(FlagEpsBeta, true);
        enable(IDC_EPS_BETA, true);
    }
    setFlag(FlagMn, m_v.mn > 0);
    setFlag(FlagT, false);
    setFlag(FlagN1, false);
    m_loaded = LoadedPair{m_v.z1, m_v.z2, m_v.mn, m_v.betaDeg, m_v.alphaNDeg, m_mesh, g.alphaWtDeg, g.a};

    // Step 12.
    enable(IDC_EPS_BETA, true);
    enable(IDC_BETA, true);
    enable(IDC_CALC_FX, true);
    reset();
    // A new design: nothing of it was rated yet.
    m_contactCleared = m_bendingCleared = false;
}

// ---- torque and forces -----------------------------------------------------------

void CCyProofDlg::OnTorque() {
    CCyProofTDlg dlg(this);
    if (dlg.DoModal() != IDOK) return;
    const InputState before = inputState();
    m_v.n1 = dlg.m_dN;
    auto t = ratingTorque(dlg.m_dP, m_v.n1);
    if (!isUsableValue(m_v.n1) || !rating_q::kN1.admits(m_v.n1)) m_v.n1 = 0;
    m_v.torque = t ? *t : 0;
    // A speed in its range stays given even when the torque is refused, as
    // its field would take it; the torque has to be given again.
    setFlag(FlagN1, m_v.n1 > 0);
    setFlag(FlagT, t.has_value());
    if (!t) show(t.error());
    finishInput(before);
}

void CCyProofDlg::OnForceFt() {
    auto ft = tangentialForce({.torque = m_v.torque, .z1 = m_v.z1, .mn = m_v.mn, .betaDeg = m_v.betaDeg});
    if (!ft) return show(ft.error());
    m_v.ft = *ft;
    hint("");
    UpdateData(false);
}

void CCyProofDlg::OnForceFr() {
    auto fr = radialForce(m_v.ft, m_v.alphaNDeg, m_v.betaDeg);
    if (!fr) return show(fr.error());
    m_v.fr = *fr;
    hint("");
    UpdateData(false);
    checkFactorButtons();
}

void CCyProofDlg::OnForceFx() {
    auto fx = axialForce(m_v.ft, m_v.betaDeg);
    if (!fx) return show(fx.error());
    m_v.fx = *fx;
    hint("");
    UpdateData(false);
    checkFactorButtons();
}

void CCyProofDlg::OnForceFn() {
    auto fn = normalForce(m_v.ft, m_v.alphaNDeg, m_v.betaDeg);
    if (!fn) return show(fn.error());
    m_v.fn = *fn;
    UpdateData(false);
    checkFactorButtons();
}

// ---- the state machine --------------------------------------------------------------

void CCyProofDlg::clearContactSafety() {
    if (m_v.sH != 0) m_contactCleared = true;
    m_v.sH = 0;
}

void CCyProofDlg::clearBendingSafety() {
    if (m_v.sF != 0) m_bendingCleared = true;
    m_v.sF = 0;
}

void CCyProofDlg::clearStages(Stages stages) {
    if (stages != Stages::Bending) {
        if (m_v.sigmaH != 0 || m_v.sigmaHP != 0 || m_v.sH != 0) m_contactCleared = true;
        m_v.sigmaH = m_v.sigmaHP = m_v.sH = 0;
        enable(IDC_SIGMAHP_BTN, false);
        enable(IDC_SH_BTN, false);
    }
    if (stages != Stages::Contact) {
        if (m_v.sigmaF != 0 || m_v.sigmaFP != 0 || m_v.sF != 0) m_bendingCleared = true;
        m_v.sigmaF = m_v.sigmaFP = m_v.sF = 0;
        enable(IDC_SIGMAFP_BTN, false);
        enable(IDC_SF_BTN, false);
    }
}

void CCyProofDlg::setFactor(double v, double& slot, std::uint16_t& mask, std::uint16_t bit, Stages stages) {
    const double old = slot;
    storeFactor(v, slot, mask, bit);
    if (slot != old) clearStages(stages);
}

void CCyProofDlg::reset() {
    clearStages(Stages::Both);
    m_v.ft = m_v.fr = m_v.fx = m_v.fn = 0;
    m_v.kA = m_v.kV = m_v.kHalpha = m_v.kHbeta = m_v.zH = m_v.zE = m_v.zEps = m_v.zN = m_v.zL = m_v.zV = m_v.zR = m_v.zW = 0;
    m_kAF = m_kVF = m_v.kFalpha = m_kFbeta = m_v.yFa = m_v.yEps = m_v.yN = m_v.yS = m_v.yX = 0;
    m_v.sigmaH = m_v.sigmaHP = m_v.sH = m_v.sigmaF = m_v.sigmaFP = m_v.sF = 0;
    m_v.yBeta = 1.0;
    m_contactMask = 0;
    m_bendingMask = initialBendingMask(m_v.betaDeg, flag(FlagHelical));
    refresh();
}

void CCyProofDlg::refresh() {
    checkForceButtons();
    checkFactorButtons();
    checkContactMask();
    checkBendingMask();
    UpdateData(false);
}

void CCyProofDlg::checkForceButtons() {
    const bool complete = flag(FlagAlphaN) && flag(FlagB) && flag(FlagEpsAlpha) && flag(FlagEpsBeta) &&
                          flag(FlagN1) && flag(FlagMn) && flag(FlagT) && flag(FlagZ1) && flag(FlagZ2);
    const ForceButtons b = forceButtons(complete, m_v.betaDeg);
    enable(IDC_CALC_FT, b.ft);
    enable(IDC_CALC_FR, b.fr);
    enable(IDC_CALC_FX, b.fx);
    enable(IDC_CALC_FN, b.fn);
}

void CCyProofDlg::checkFactorButtons() {
    const FactorButtons b = factorButtons({m_v.ft, m_v.fr, m_v.fx, m_v.fn}, flag(FlagHelical), m_v.betaDeg);
    for (int id : {IDC_H_KA, IDC_H_KV, IDC_H_KALPHA, IDC_H_KBETA, IDC_ZH_BTN, IDC_ZE_BTN, IDC_ZEPS_BTN, IDC_ZN_BTN,
                   IDC_ZL_BTN, IDC_ZR_BTN, IDC_ZW_BTN, IDC_F_KA, IDC_F_KV, IDC_F_KALPHA, IDC_F_KBETA, IDC_YFA_BTN,
                   IDC_YEPS_BTN, IDC_YN_BTN, IDC_YS_BTN})
        enable(id, b.factors);
    enable(IDC_YBETA_BTN, b.yBeta);
}

void CCyProofDlg::applyStressButtons(const StressButtons& b, std::initializer_list<int> ids) {
    if (b.stress) enable(*ids.begin(), true);
    if (b.closeAll)
        for (int id : ids) enable(id, false);
}

void CCyProofDlg::checkContactMask() {
    applyStressButtons(contactStressButtons(m_contactMask), {IDC_SIGMAH_BTN, IDC_SIGMAHP_BTN, IDC_SH_BTN});
}

void CCyProofDlg::checkBendingMask() {
    applyStressButtons(bendingStressButtons(m_bendingMask), {IDC_SIGMAF_BTN, IDC_SIGMAFP_BTN, IDC_SF_BTN});
}

void CCyProofDlg::OnHelp() { fw::htmlHelp("Kavrin.chm::/CyProofDlg.htm"); }

void CCyProofDlg::OnCancel() {
    if (fw::MessageBox(kMsgCancelQuestion, MB_YESNO | MB_ICONQUESTION) == IDNO) EndDialog(IDCANCEL);
}
