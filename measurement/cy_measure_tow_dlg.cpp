#include "measurement/cy_measure_tow_dlg.h"

#include <cmath>
#include <filesystem>

#include "common/calc/data_folder.h"
#include "common/calc/design_file.h"
#include "common/dialogs/quantity_field.h"
#include "fw/clock.h"
#include "cylindrical/cygeom_check_dlg.h"
#include "cylindrical/cygeom_cut_dlg.h"
#include "measurement/calc/measure_record_check.h"
#include "measurement/calc/measure_save.h"
#include "measurement/calc/pair_report.h"
#include "measurement/measure_dialog_support.h"
#include "resources/corvane/module.h"

using namespace measurement;

namespace {

constexpr const char* kHelpTopic = "Kavrin.chm::/CyMeasurToweDlg.htm";
constexpr const char* kMsgPairDegreesFirst = "微小的螺旋角设计没有意义，并带来技术上的繁琐，请先确定度数。";
constexpr const char* kMsgMinutesFirst = "微量的螺旋角设计没有意义，并带来技术上的繁琐，请先确定度数。";
constexpr const char* kMsgReportFailed = "创建文件错误:不能打开或建立报告文件！";
constexpr double kRadToDeg = 180 / 3.141592653589793;

const std::initializer_list<int> kAfterTrial = {CCYMeasureTowDlg::IDC_DP, CCYMeasureTowDlg::IDC_DWS1,
                                                CCYMeasureTowDlg::IDC_DWI1, CCYMeasureTowDlg::IDC_DWS2,
                                                CCYMeasureTowDlg::IDC_DWI2, CCYMeasureTowDlg::IDC_XN1,
                                                CCYMeasureTowDlg::IDC_XN2};

}  // namespace

CCYMeasureTowDlg::CCYMeasureTowDlg(fw::Window* parent) : fw::Dialog(corvane::module(), IDD, parent) {
    onClick(IDC_EXTERNAL, [this] { OnMesh(MeshType::External); });
    onClick(IDC_INTERNAL, [this] { OnMesh(MeshType::Internal); });
    onKillFocus(IDC_MN, [this] { OnKillfocusNumber(IDC_MN, m_in.mn); });
    onKillFocus(IDC_DA1, [this] { OnKillfocusNumber(IDC_DA1, m_in.da1); });
    onKillFocus(IDC_DA2, [this] { OnKillfocusNumber(IDC_DA2, m_in.da2); });
    onKillFocus(IDC_Z1, [this] { OnKillfocusTeeth(IDC_Z1, m_in.z1); });
    onKillFocus(IDC_Z2, [this] { OnKillfocusTeeth(IDC_Z2, m_in.z2); });
    onKillFocus(IDC_AW, [this] { OnKillfocusAw(); });
    onKillFocus(IDC_ALPHA_N, [this] { OnKillfocusAlphaN(); });
    for (int id : {IDC_BETA_DEG, IDC_BETA_MIN, IDC_BETA_SEC}) onKillFocus(id, [this, id] { OnKillfocusBeta(id); });
    onSelChange(IDC_HASTAR, [this] { OnCoefficientList(IDC_HASTAR, false); });
    onKillFocus(IDC_HASTAR, [this] { OnCoefficientList(IDC_HASTAR, true); });
    onSelChange(IDC_CSTAR, [this] { OnCoefficientList(IDC_CSTAR, false); });
    onKillFocus(IDC_CSTAR, [this] { OnCoefficientList(IDC_CSTAR, true); });
    onSelChange(IDC_HELIX_UNIT, [this] { OnSelchangeUnit(); });
    onReleased(IDC_HELIX_SLIDER, [this] { OnReleasedHelix(); });
    onKillFocus(IDC_XN1, [this] { OnKillfocusShift(IDC_XN1); });
    onKillFocus(IDC_XN2, [this] { OnKillfocusShift(IDC_XN2); });
    onKillFocus(IDC_DP, [this] { OnKillfocusDp(); });
    for (int id : {IDC_DWS1, IDC_DWI1, IDC_DWS2, IDC_DWI2}) onKillFocus(id, [this, id] { OnKillfocusDeviation(id); });
    onChange(IDC_TITLE, [this] { m_title = text(IDC_TITLE); });
    onChange(IDC_NUMBER, [this] { m_number = text(IDC_NUMBER); });
    onDateChange(IDC_DATE, [this] { m_date = datePicker(IDC_DATE).date(); });
    onClick(IDC_TRIAL, [this] { OnTrial(); });
    onClick(IDC_LOAD, [this] { OnLoad(); });
    onClick(IDC_HELP, [] { fw::htmlHelp(kHelpTopic); });
    onClick(IDC_CHECK, [this] { OnCheck(); });
}

bool CCYMeasureTowDlg::OnInitDialog() {
    m_date = fw::today();
    fw::Trackbar& t = trackbar(IDC_HELIX_SLIDER);
    t.setRange(0, kHelixSliderMax);
    t.setPageSize(1);
    t.setTicFreq(5);
    t.setPos(0);
    combo(IDC_HELIX_UNIT).setCurSel(0);
    combo(IDC_CSTAR).setCurSel(0);
    combo(IDC_HASTAR).setCurSel(1);
    UpdateData(false);
    for (int id : kAfterTrial) enable(id, false);
    for (int id : std::initializer_list<int>{IDC_TRIAL, IDOK, IDC_CHECK}) enable(id, false);
    showSigns();
    return true;
}

void CCYMeasureTowDlg::DoDataExchange(fw::Exchange& dx) {
    dx.text(IDC_TITLE, m_title, 63);
    dx.text(IDC_NUMBER, m_number, 63);
    dx.date(IDC_DATE, m_date);
    if (dx.saving()) return;
    int mesh = static_cast<int>(m_in.mesh);
    dx.radio(IDC_EXTERNAL, mesh);
    kavrin::number(dx, IDC_MN, m_in.mn, measure_q::kMn);
    dx.unsignedInt(IDC_Z1, m_in.z1);
    dx.unsignedInt(IDC_Z2, m_in.z2);
    kavrin::number(dx, IDC_DA1, m_in.da1, measure_q::kDa1);
    kavrin::number(dx, IDC_DA2, m_in.da2, measure_q::kDa2);
    kavrin::number(dx, IDC_AW, m_in.aw, measure_q::kAw);
    kavrin::number(dx, IDC_ALPHA_N, m_in.alphaNDeg, measure_q::kAlphaN);
    dx.number(IDC_DWS1, m_dev.ws[0]);
    dx.number(IDC_DWI1, m_dev.wi[0]);
    dx.number(IDC_DWS2, m_dev.ws[1]);
    dx.number(IDC_DWI2, m_dev.wi[1]);
    setText(IDC_HASTAR, m_haText);
    setText(IDC_CSTAR, m_cText);
    showBeta();
}

// ---- helpers ----

void CCYMeasureTowDlg::refresh() {
    const bool complete = pairMask(m_in) == kPairMaskComplete;
    enable(IDC_TRIAL, complete);
    if (complete) {
        setHint(kMsgPairRunTrial);
    } else {
        for (int id : kAfterTrial) enable(id, false);
        enable(IDOK, false);
        setHint("");
    }
    enable(IDC_CHECK, false);
    m_check = {};  // the verdicts no longer belong to the inputs
}

void CCYMeasureTowDlg::acceptedEdit() {
    refresh();
    if (pairMask(m_in) == kPairMaskComplete) setHint(kMsgRecalculatePair);
    enable(IDOK, false);
    showReference();
}

void CCYMeasureTowDlg::showSigns() {
    const char* s2 = m_in.mesh == MeshType::Internal ? "＋" : "－";
    for (int id : {IDC_SIGN_WS1, IDC_SIGN_WI1, IDC_SIGN_MS1, IDC_SIGN_MI1}) setText(id, "－");
    for (int id : {IDC_SIGN_WS2, IDC_SIGN_WI2, IDC_SIGN_MS2, IDC_SIGN_MI2}) setText(id, s2);
}

void CCYMeasureTowDlg::showBeta() {
    setInteger(IDC_BETA_DEG, m_in.beta.deg);
    setInteger(IDC_BETA_MIN, m_in.beta.min);
    setNumber(IDC_BETA_SEC, m_in.beta.sec);
}

void CCYMeasureTowDlg::showReference() {
    if (auto ref = referenceCentre(m_in)) {
        setText(IDC_MT, fixed(ref->mt));
        setText(IDC_A, fixed(ref->a));
    }
}

void CCYMeasureTowDlg::showResults() {
    if (!m_haveResults) return;
    const PairResult& r = m_out;
    setText(IDC_MT, fixed(r.mt));
    setText(IDC_A, fixed(r.a));
    setText(IDC_ALPHA_T, fixed(r.alphaTRad * kRadToDeg));
    setText(IDC_ALPHA_W, fixed(r.alphaWRad * kRadToDeg));
    setText(IDC_YT, fixed(r.yt));
    setText(IDC_XN_SUM, fixed(r.xnSum));
    setText(IDC_EPSILON, fixed(r.epsilon));
    setNumber(IDC_DP, r.dp);
    setNumber(IDC_DA2, r.g[1].da);
    const int ids[2][16] = {
        {IDC_D1, IDC_HA1, IDC_HF1, IDC_DW1, IDC_DB1, IDC_ZV1, IDC_ALPHA_AT1, IDC_HC1, IDC_SC1, IDC_KW1, IDC_W1,
         IDC_MP1, IDC_DMS1, IDC_DMI1, IDC_XN1, 0},
        {IDC_D2, IDC_HA2, IDC_HF2, IDC_DW2, IDC_DB2, IDC_ZV2, IDC_ALPHA_AT2, IDC_HC2, IDC_SC2, IDC_KW2, IDC_W2,
         IDC_MP2, IDC_DMS2, IDC_DMI2, IDC_XN2, 0}};
    for (int i = 0; i < 2; ++i) {
        const GearSide& g = r.g[i];
        const int* id = ids[i];
        setText(id[0], fixed(g.d));
        setText(id[1], fixed(g.ha));
        setText(id[2], fixed(g.hf));
        setText(id[3], fixed(g.dw));
        setText(id[4], fixed(g.db));
        setText(id[5], fixed(g.zv, 3));
        setText(id[6], fixed(g.alphaAtRad * kRadToDeg));
        setText(id[7], fixed(g.hc));
        setText(id[8], fixed(g.sc));
        setInteger(id[9], g.kw);
        setText(id[10], fixed(g.w));
        setText(id[11], fixed(g.mp));
        setText(id[12], fixed(g.dMs));
        setText(id[13], fixed(g.dMi));
        setText(id[14], fixed(g.xn, 6));
    }
}

void CCYMeasureTowDlg::placeSlider() {
    fw::Trackbar& t = trackbar(IDC_HELIX_SLIDER);
    const int step = t.rangeMax() / kHelixSliderMax;
    if (m_unit == 0) t.setPos(step * static_cast<int>(m_in.beta.deg));
    else if (m_unit == 1) t.setPos(static_cast<int>(m_in.beta.min));
    else t.setPos(static_cast<int>(std::trunc(t.rangeMax() * m_in.beta.sec / 60)));
}

// ---- handlers ----

void CCYMeasureTowDlg::OnMesh(MeshType m) {
    if (m == m_in.mesh) return;
    m_in.mesh = m;
    showSigns();
    acceptedEdit();
}

void CCYMeasureTowDlg::OnKillfocusNumber(int id, double& member) {
    double v = member;
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    dx.number(id, v);
    if (dx.failed()) return setNumber(id, member);
    if (v == member) return;
    const std::optional<std::string> refused =
        id == IDC_MN ? moduleRefusal(v) : tipRefusal(id == IDC_DA1 ? measure_q::kDa1 : measure_q::kDa2, v);
    if (refused) {
        refuse(*refused);
        setNumber(id, member);
        return editAgain(id);
    }
    member = v;
    acceptedEdit();
}

void CCYMeasureTowDlg::OnKillfocusTeeth(int id, std::uint32_t& member) {
    std::uint32_t v = member;
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    dx.unsignedInt(id, v, 0, kTeethMax);
    if (dx.failed()) return setInteger(id, member);
    if (v == member) return;
    if (v == 0) {
        refuse(kMsgTeeth);
        setInteger(id, member);
        return editAgain(id);
    }
    member = v;
    acceptedEdit();
}

void CCYMeasureTowDlg::OnKillfocusAw() {
    double v = m_in.aw;
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    dx.number(IDC_AW, v);
    if (dx.failed()) return setNumber(IDC_AW, m_in.aw);
    if (v == m_in.aw) return;
    if (auto refusal = centreRefusal(m_in, v)) {
        fw::MessageBox(*refusal, MB_OK | MB_ICONINFORMATION);
        setNumber(IDC_AW, m_in.aw);
        return editAgain(IDC_AW);
    }
    m_in.aw = v;
    acceptedEdit();
}

void CCYMeasureTowDlg::OnKillfocusAlphaN() {
    double v = m_in.alphaNDeg;
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    kavrin::number(dx, IDC_ALPHA_N, v, measure_q::kAlphaN);
    if (dx.failed()) return setNumber(IDC_ALPHA_N, m_in.alphaNDeg);
    if (v == m_in.alphaNDeg) return;
    m_in.alphaNDeg = v;
    acceptedEdit();
}

void CCYMeasureTowDlg::OnKillfocusBeta(int id) {
    HelixAngle b = m_in.beta;
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    if (id == IDC_BETA_DEG) kavrin::integer(dx, id, b.deg, measure_q::kBetaDeg);
    else if (id == IDC_BETA_MIN) kavrin::integer(dx, id, b.min, measure_q::kBetaMin);
    else kavrin::number(dx, id, b.sec, measure_q::kBetaSec);
    if (dx.failed()) return showBeta();
    if (b == m_in.beta) return;
    if (b.deg == 0 && (b.min > 0 || b.sec > 0)) {
        refuse(id == IDC_BETA_DEG ? kMsgPairDegreesFirst : kMsgMinutesFirst);
        showBeta();
        return editAgain(id);
    }
    m_in.beta = b;
    placeSlider();
    acceptedEdit();
}

void CCYMeasureTowDlg::OnCoefficientList(int id, bool typed) {
    const bool ha = id == IDC_HASTAR;
    std::string& shown = ha ? m_haText : m_cText;
    double& member = ha ? m_in.haStar : m_in.cStar;
    std::string t;
    if (typed) {
        t = text(id);
    } else {
        const int sel = combo(id).curSel();
        if (sel < 0) return;
        t = combo(id).itemText(sel);
    }
    if (t == shown) return;
    auto v = fw::parseNumber(t);
    if (!v || !(ha ? measure_q::kHaStar : measure_q::kCStar).admits(*v)) {
        refuse(ha ? kMsgHaStar : kMsgCStar);
        setText(id, shown);
        if (typed) editAgain(id);
        return;
    }
    shown = t;
    member = *v;
    acceptedEdit();
}

void CCYMeasureTowDlg::OnSelchangeUnit() {
    m_unit = std::max(0, combo(IDC_HELIX_UNIT).curSel());
    placeSlider();
}

void CCYMeasureTowDlg::OnReleasedHelix() {
    const fw::Trackbar& t = trackbar(IDC_HELIX_SLIDER);
    const int pos = t.pos();
    if (m_unit == 0) m_in.beta.deg = static_cast<std::uint32_t>(pos);
    else if (m_unit == 1) m_in.beta.min = static_cast<std::uint32_t>(pos);
    else m_in.beta.sec = pos == 0 ? 0 : pos * 59.0 / t.rangeMax();
    showBeta();
    acceptedEdit();
}

void CCYMeasureTowDlg::OnKillfocusShift(int id) {
    if (!m_haveResults) return;
    const int i = id == IDC_XN1 ? 0 : 1;
    double v = m_out.g[i].xn;
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    dx.number(id, v);
    if (dx.failed()) return showResults();
    if (v == m_out.g[i].xn) return;
    if (auto refusal = shiftRefusal(measure_q::kGear[i].xn, v)) {
        refuse(*refusal);
        showResults();
        return editAgain(id);
    }
    const double xn1 = i == 0 ? v : otherShiftFromXn2(m_in.mesh, m_out.xnSum, v);
    const double xn2 = i == 1 ? v : otherShiftFromXn1(m_in.mesh, m_out.xnSum, v);
    auto r = pairRecompute(m_calculatedFrom, m_out, xn1, xn2, m_dev);
    if (!r) {
        setHint(r.error());
        return showResults();
    }
    m_out = *r;
    m_check = {};  // verdicts of the shifts before the edit
    showResults();
    setHint(m_out.hint);
}

void CCYMeasureTowDlg::OnKillfocusDp() {
    if (!m_haveResults) return;
    double v = m_out.dp;
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    dx.number(IDC_DP, v);
    if (dx.failed() || v == m_out.dp) return setNumber(IDC_DP, m_out.dp);
    if (auto msg = pairPinRefusal(m_calculatedFrom.mn, v)) {
        refuse(*msg);
        setNumber(IDC_DP, m_out.dp);
        return editAgain(IDC_DP);
    }
    auto r = pairPinEdit(m_calculatedFrom, m_out, v, m_dev);
    if (!r) {
        setHint(kMsgNoPin);
        return setNumber(IDC_DP, m_out.dp);
    }
    if (auto fault = pairResultFault(m_calculatedFrom, *r)) {
        setHint(*fault);
        return setNumber(IDC_DP, m_out.dp);
    }
    m_out = *r;
    showResults();
}

void CCYMeasureTowDlg::OnKillfocusDeviation(int id) {
    double& w = id == IDC_DWS1 ? m_dev.ws[0] : id == IDC_DWI1 ? m_dev.wi[0] : id == IDC_DWS2 ? m_dev.ws[1] : m_dev.wi[1];
    double v = w;
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    dx.number(id, v);
    if (dx.failed()) return setNumber(id, w);
    if (auto refusal = deviationRefusal(v)) {
        refuse(*refusal);
        setNumber(id, w);
        return editAgain(id);
    }
    w = v;
    if (!m_haveResults) return;
    if (auto r = pairPinEdit(m_calculatedFrom, m_out, m_out.dp, m_dev)) m_out = *r;
    showResults();
}

void CCYMeasureTowDlg::OnTrial() {
    if (pairMask(m_in) != kPairMaskComplete) return refuse(missingInputs(m_in));
    if (auto q = workingAngleQuestion(m_in))
        if (fw::MessageBox(*q, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    auto r = pairTrial(m_in, m_dev);
    if (!r) return setHint(r.error());
    m_out = *r;
    m_haveResults = true;
    m_calculatedFrom = m_in;
    m_check = {};
    showResults();
    setHint(m_out.hint);
    for (int id : kAfterTrial) enable(id, true);
    enable(IDOK, true);
    enable(IDC_CHECK, true);
}

void CCYMeasureTowDlg::OnCheck() {
    if (!m_haveResults) return;
    const PairInput& in = m_calculatedFrom;
    const PairResult& o = m_out;
    const cylindrical::PairQuantities q{
        .z1 = static_cast<int>(in.z1), .z2 = static_cast<int>(in.z2), .mn = in.mn, .mt = o.mt,
        .alphaN = in.alphaNDeg / kRadToDeg, .alphaT = o.alphaTRad, .beta = o.betaRad, .haStar = in.haStar,
        .xn1 = o.g[0].xn, .xn2 = o.g[1].xn, .da1 = o.g[0].da, .da2 = o.g[1].da, .alphaAt1 = o.g[0].alphaAtRad,
        .alphaAt2 = o.g[1].alphaAtRad, .alphaWt = o.alphaWRad, .a = in.aw,
        .internal = in.mesh == MeshType::Internal};
    const int mode = static_cast<int>(in.mesh);
    CCygeomCutDlg cut(this);
    const bool shaped = cut.DoModal(in.mn, mode, in.haStar) == IDOK;
    auto run = shaped ? checkPairShaped(q, cut.scheme()) : checkPairHobbed(q);
    if (!run) return setHint(run.error());
    apply(m_check, std::move(*run));
    setHint(m_check.hint);
    if (!shaped) return;
    CCyGeomCheckDlg result(this);
    result.DoModal(m_check.items, m_check.results, m_check.solutions, m_check.scheme, mode);
}

PairMeasure CCYMeasureTowDlg::state() const {
    return {.in = m_calculatedFrom, .out = m_out, .dev = m_dev, .title = m_title, .number = m_number,
            .date = daySeconds(m_date.year, m_date.month, m_date.day)};
}

void CCYMeasureTowDlg::OnOK() {
    if (!m_haveResults || !isEnabled(IDOK) || !(m_in == m_calculatedFrom)) return;
    // The check the load makes: what cannot be loaded again is not written.
    const CyMeasureRecord rec = pairRecord(state());
    if (auto fault = pairRecordFault(rec)) return refuse(saveRefusal(*fault));
    const auto chosen = askSavePath(this, m_dataPath);
    if (!chosen) return;
    const std::filesystem::path& path = *chosen;
    auto report = measureReportPath(path);
    if (!report) return refuse(kMsgNotCylindricalFile);
    const std::string text = pairReportText(rec, {m_date.year, m_date.month, m_date.day},
                                            pairCheckSection(m_check, m_calculatedFrom.mesh == MeshType::Internal));
    m_dataPath = path.string();
    if (auto w = saveMeasure(kKindPair, rec, text, path, *report, fw::nowSeconds()); !w) {
        if (w.error().fault) refuse(saveRefusal(*w.error().fault));
        else refuse(w.error().reportFile ? std::string(kMsgReportFailed) : w.error().error.saveMessage());
        return;
    }
    m_strReportPath = report->string();
    EndDialog(IDOK);
}

void CCYMeasureTowDlg::OnLoad() {
    const auto chosen = askOpenPath(this);
    if (!chosen) return;
    const std::filesystem::path& path = *chosen;
    if (!measureReportPath(path)) return refuse(kMsgNotCylindricalFile);
    auto bytes = readMeasureBytes(path, kMsgNotPairFile);
    if (!bytes) return refuse(bytes.error());
    auto loaded = loadPairMeasureFile(*bytes);
    if (!loaded) return showLoadRefusal(loaded.error());
    // Accepted: the fields change now.
    const CyMeasureRecord& r = loaded->record;
    const PairMeasure m = pairMeasure(r);
    m_in = m.in;
    m_out = m.out;
    m_dev = m.dev;
    m_haveResults = true;
    m_calculatedFrom = m_in;
    m_title = m.title;
    m_number = m.number;
    const CivilDate cd = civilDate(m.date);
    m_date = {cd.year, cd.month, cd.day};
    const bool internal = m_in.mesh == MeshType::Internal;
    m_dataPath = path.string();
    selectCoefficient(combo(IDC_CSTAR), r.cStar, {0.25, 0.3, 0.35}, m_cText);
    selectCoefficient(combo(IDC_HASTAR), r.haStar, {0.8, 1.0}, m_haText);
    UpdateData(false);
    enable(IDC_EXTERNAL, !internal);
    enable(IDC_INTERNAL, internal);
    showSigns();
    m_unit = 0;
    combo(IDC_HELIX_UNIT).setCurSel(0);
    placeSlider();
    refresh();
    showResults();
    enable(IDOK, false);
}
