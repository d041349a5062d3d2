#include "measurement/cy_measure_one_dlg.h"

#include <cmath>
#include <filesystem>

#include "common/calc/data_folder.h"
#include "common/calc/design_file.h"
#include "common/dialogs/quantity_field.h"
#include "fw/clock.h"
#include "fw/file.h"
#include "fw/format.h"
#include "cylindrical/cygeom_check_dlg.h"
#include "cylindrical/cygeom_cut_dlg.h"
#include "measurement/calc/measure_record_check.h"
#include "measurement/calc/measure_save.h"
#include "measurement/calc/profile_data.h"
#include "measurement/cymeasure_rdlg.h"
#include "measurement/measure_dialog_support.h"
#include "measurement/calc/single_report.h"
#include "resources/corvane/module.h"

using namespace measurement;

namespace {

constexpr const char* kHelpTopic = "Kavrin.chm::/CyMeasurOneDlg.htm";
constexpr const char* kSignExternal = "－";
constexpr const char* kSignInternal = "＋";
constexpr double kPi = 3.141592653589793;
constexpr double kRadToDeg = 180 / kPi;

}  // namespace

CCyMeasureOneDlg::CCyMeasureOneDlg(fw::Window* parent) : fw::Dialog(corvane::module(), IDD, parent) {
    onClick(IDC_EXTERNAL, [this] { OnGearType(GearType::External); });
    onClick(IDC_INTERNAL, [this] { OnGearType(GearType::Internal); });
    onClick(IDC_MODE_HELIX, [this] { OnSolveMode(SolveMode::HelixGiven); });
    onClick(IDC_MODE_SHIFT, [this] { OnSolveMode(SolveMode::ShiftGiven); });
    onKillFocus(IDC_MN, [this] { OnKillfocusMn(); });
    onKillFocus(IDC_Z, [this] { OnKillfocusZ(); });
    onKillFocus(IDC_DA, [this] { OnKillfocusDa(); });
    onKillFocus(IDC_XN, [this] { OnKillfocusXn(); });
    onKillFocus(IDC_ALPHA_N, [this] { OnKillfocusAlphaN(); });
    onKillFocus(IDC_BETA_DEG, [this] { OnKillfocusBetaDeg(); });
    onKillFocus(IDC_BETA_MIN, [this] { OnKillfocusBetaMinSec(IDC_BETA_MIN); });
    onKillFocus(IDC_BETA_SEC, [this] { OnKillfocusBetaMinSec(IDC_BETA_SEC); });
    onSelChange(IDC_HASTAR, [this] { OnSelchangeHaStar(); });
    onKillFocus(IDC_HASTAR, [this] { OnKillfocusHaStar(); });
    onSelChange(IDC_CSTAR, [this] { OnSelchangeCStar(); });
    onKillFocus(IDC_CSTAR, [this] { OnKillfocusCStar(); });
    onSelChange(IDC_HELIX_UNIT, [this] { OnSelchangeHelixUnit(); });
    onSelChange(IDC_SHIFT_STEP, [this] { OnSelchangeShiftStep(); });
    onReleased(IDC_HELIX_SLIDER, [this] { OnReleasedHelix(); });
    onReleased(IDC_SHIFT_SLIDER, [this] { OnReleasedShift(); });
    onKillFocus(IDC_DP, [this] { OnKillfocusDp(); });
    onKillFocus(IDC_DWS, [this] { OnKillfocusDeviation(IDC_DWS); });
    onKillFocus(IDC_DWI, [this] { OnKillfocusDeviation(IDC_DWI); });
    onChange(IDC_TITLE, [this] { m_title = text(IDC_TITLE); });
    onChange(IDC_NUMBER, [this] { m_number = text(IDC_NUMBER); });
    onDateChange(IDC_DATE, [this] { m_date = datePicker(IDC_DATE).date(); });
    onClick(IDC_TRIAL, [this] { OnTrial(); });
    onClick(IDC_LOAD, [this] { OnLoad(); });
    onClick(IDC_HELP, [] { fw::htmlHelp(kHelpTopic); });
    onClick(IDC_CHECK, [this] { OnCheck(); });
    onClick(IDC_PROFILE, [this] { OnProfile(); });
}

bool CCyMeasureOneDlg::OnInitDialog() {
    m_date = fw::today();
    fw::Trackbar& helix = trackbar(IDC_HELIX_SLIDER);
    helix.setRange(0, kHelixSliderMax);
    helix.setTicFreq(5);
    helix.setPageSize(1);
    helix.setPos(0);
    fw::Trackbar& shift = trackbar(IDC_SHIFT_SLIDER);
    shift.setRange(0, kShiftSliderMax);
    shift.setTicFreq(5);
    shift.setPageSize(2);
    shift.setPos(kShiftSliderCentre);
    combo(IDC_HELIX_UNIT).setCurSel(0);
    combo(IDC_SHIFT_STEP).setCurSel(0);
    combo(IDC_CSTAR).setCurSel(0);
    combo(IDC_HASTAR).setCurSel(1);
    UpdateData(false);
    for (int id : std::initializer_list<int>{IDC_TRIAL, static_cast<int>(IDOK), IDC_DWS, IDC_DWI, IDC_DP, IDC_SHIFT_STEP, IDC_SHIFT_SLIDER,
                   IDC_XN, IDC_CHECK, IDC_PROFILE})
        enable(id, false);
    showSigns();
    setHint(kMsgIntro);
    return true;
}

void CCyMeasureOneDlg::DoDataExchange(fw::Exchange& dx) {
    dx.text(IDC_TITLE, m_title, 63);
    dx.text(IDC_NUMBER, m_number, 63);
    dx.date(IDC_DATE, m_date);
    if (dx.saving()) return;
    // Inputs are taken field by field when they lose the focus; here they are only shown.
    int type = static_cast<int>(m_in.type), mode = static_cast<int>(m_in.mode);
    dx.radio(IDC_EXTERNAL, type);
    dx.radio(IDC_MODE_HELIX, mode);
    kavrin::number(dx, IDC_MN, m_in.mn, measure_q::kMn);
    dx.unsignedInt(IDC_Z, m_in.z);
    kavrin::number(dx, IDC_DA, m_in.da, measure_q::kDa);
    kavrin::number(dx, IDC_XN, m_in.xn, measure_q::kXn);
    kavrin::number(dx, IDC_ALPHA_N, m_in.alphaNDeg, measure_q::kAlphaN);
    showBeta();
    dx.number(IDC_DWS, m_dws);
    dx.number(IDC_DWI, m_dwi);
    showCombos();
}

// ---- helpers ----

bool CCyMeasureOneDlg::readNumberField(int id, double& v) {
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    dx.number(id, v);
    return !dx.failed();
}

void CCyMeasureOneDlg::refresh() {
    const bool complete = completionMask(m_in) == kMaskComplete;
    enable(IDC_TRIAL, complete);
    if (complete) {
        setHint(kMsgRunTrial);
    } else {
        enable(IDOK, false);
        setHint(kMsgIntroIncomplete);
    }
    enable(IDC_CHECK, false);
    enable(IDC_PROFILE, false);
    // The check button is off: its verdicts no longer belong to the inputs.
    m_check = {};
}

void CCyMeasureOneDlg::acceptedEdit() {
    refresh();
    enable(IDOK, false);
}

void CCyMeasureOneDlg::disableAfterTypeChange() {
    for (int id : std::initializer_list<int>{IDC_TRIAL, static_cast<int>(IDOK), IDC_DWS, IDC_DWI, IDC_DP, IDC_SHIFT_STEP, IDC_SHIFT_SLIDER,
                   IDC_XN, IDC_CHECK, IDC_PROFILE})
        enable(id, false);
}

void CCyMeasureOneDlg::enableSolveMode() {
    const bool helix = m_in.mode == SolveMode::HelixGiven;
    for (int id : std::initializer_list<int>{IDC_HELIX_UNIT, IDC_HELIX_SLIDER, IDC_BETA_DEG, IDC_BETA_MIN, IDC_BETA_SEC}) enable(id, helix);
    for (int id : std::initializer_list<int>{IDC_SHIFT_STEP, IDC_SHIFT_SLIDER, IDC_XN}) enable(id, !helix);
}

void CCyMeasureOneDlg::showSigns() {
    const char* sign = m_in.type == GearType::Internal ? kSignInternal : kSignExternal;
    for (int id : std::initializer_list<int>{IDC_SIGN_WS, IDC_SIGN_WI, IDC_SIGN_MS, IDC_SIGN_MI}) setText(id, sign);
}

void CCyMeasureOneDlg::showBeta() {
    setInteger(IDC_BETA_DEG, m_in.beta.deg);
    setInteger(IDC_BETA_MIN, m_in.beta.min);
    setNumber(IDC_BETA_SEC, m_in.beta.sec);
}

void CCyMeasureOneDlg::showCombos() {
    setText(IDC_HASTAR, m_haText);
    setText(IDC_CSTAR, m_cText);
}

void CCyMeasureOneDlg::showResults() {
    if (!m_haveResults) return;
    const SingleResult& r = m_out;
    setText(IDC_MT, fixed(r.mt));
    setText(IDC_D, fixed(r.d));
    setText(IDC_HA, fixed(r.ha));
    setText(IDC_HF, fixed(r.hf));
    setText(IDC_DF, fixed(r.df));
    setText(IDC_DB, fixed(r.db));
    setText(IDC_ZV, fixed(r.zv, 3));
    setText(IDC_ALPHA_AT, fixed(r.alphaAtRad * kRadToDeg));
    setText(IDC_ALPHA_T, fixed(r.alphaTRad * kRadToDeg));
    setText(IDC_DA_CALC, fixed(r.daCalc));
    setInteger(IDC_KW, r.kw);
    setText(IDC_W, fixed(r.w));
    setText(IDC_HC, fixed(r.hc));
    setText(IDC_SC, fixed(r.sc));
    setText(IDC_MP, fixed(r.mp));
    setNumber(IDC_DP, r.dp);
    setText(IDC_DMS, fixed(m_dms));
    setText(IDC_DMI, fixed(m_dmi));
    setNumber(IDC_XN, m_in.xn);
    showBeta();
}

void CCyMeasureOneDlg::placeHelixSlider() {
    fw::Trackbar& t = trackbar(IDC_HELIX_SLIDER);
    const int step = t.rangeMax() / kHelixSliderMax;
    switch (m_helixUnit) {
    case 0: t.setPos(step * static_cast<int>(m_in.beta.deg)); break;
    case 1: t.setPos(step * static_cast<int>(m_in.beta.min)); break;
    default: t.setPos(static_cast<int>(std::trunc(t.rangeMax() * m_in.beta.sec / 60))); break;
    }
}

void CCyMeasureOneDlg::placeShiftSlider() {
    fw::Trackbar& t = trackbar(IDC_SHIFT_SLIDER);
    t.setPos(sliderFromShift(m_in.xn, t.rangeMax()));
}

bool CCyMeasureOneDlg::calculate(SolveMode mode) {
    SingleInput in = m_in;
    in.mode = mode;
    auto r = singleTrial(in);
    if (!r) {
        setHint(r.error());
        if (r.error() == kMsgInternalInterference) refuse(r.error());
        return false;
    }
    m_out = *r;
    m_haveResults = true;
    m_check = {};  // verdicts of earlier results
    // What the trial worked out becomes the field's value.
    if (mode == SolveMode::HelixGiven) m_in.xn = m_out.xn;
    else m_in.beta = m_out.beta;
    m_calculatedFrom = m_in;
    convertDeviations();
    showResults();
    setHint(m_out.hint);
    enable(IDC_CHECK, true);
    return true;
}

void CCyMeasureOneDlg::convertDeviations() {
    const PinGear g = pinGear(m_calculatedFrom, m_out);
    m_dms = pinDeviation(g, m_out.dp, m_dws).value_or(0);
    m_dmi = pinDeviation(g, m_out.dp, m_dwi).value_or(0);
}

// ---- radios ----

void CCyMeasureOneDlg::OnGearType(GearType t) {
    m_in.type = t;
    showSigns();
    refresh();
    disableAfterTypeChange();
    setHint(kMsgTypeChanged);
}

void CCyMeasureOneDlg::OnSolveMode(SolveMode m) {
    m_in.mode = m;
    enableSolveMode();
    refresh();
    enable(IDOK, false);
}

// ---- fields ----

void CCyMeasureOneDlg::OnKillfocusMn() {
    double v = m_in.mn;
    if (!readNumberField(IDC_MN, v)) return restore(IDC_MN, m_in.mn);
    if (v == m_in.mn) return;
    if (auto refusal = moduleRefusal(v)) {
        refuse(*refusal);
        restore(IDC_MN, m_in.mn);
        return editAgain(IDC_MN);
    }
    m_in.mn = v;
    acceptedEdit();
}

void CCyMeasureOneDlg::OnKillfocusZ() {
    std::uint32_t v = m_in.z;
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    dx.unsignedInt(IDC_Z, v, 0, kTeethMax);
    if (dx.failed()) return setInteger(IDC_Z, m_in.z);
    if (v == m_in.z) return;
    if (v == 0) {
        refuse(kMsgTeeth);
        setInteger(IDC_Z, m_in.z);
        return editAgain(IDC_Z);
    }
    m_in.z = v;
    acceptedEdit();
}

void CCyMeasureOneDlg::OnKillfocusDa() {
    double v = m_in.da;
    if (!readNumberField(IDC_DA, v)) return restore(IDC_DA, m_in.da);
    if (v == m_in.da) return;
    if (auto refusal = tipRefusal(measure_q::kDa, v)) {
        refuse(*refusal);
        restore(IDC_DA, m_in.da);
        return editAgain(IDC_DA);
    }
    m_in.da = v;
    acceptedEdit();
}

void CCyMeasureOneDlg::OnKillfocusXn() {
    double v = m_in.xn;
    if (!readNumberField(IDC_XN, v)) return restore(IDC_XN, m_in.xn);
    if (v == m_in.xn) return;
    if (auto refusal = shiftRefusal(measure_q::kXn, v)) {
        refuse(*refusal);
        restore(IDC_XN, m_in.xn);
        return editAgain(IDC_XN);
    }
    m_in.xn = v;
    acceptedEdit();
    if (std::fabs(v) > 1) setHint(text(IDC_HINT) + kMsgShiftLarge);
    placeShiftSlider();
}

void CCyMeasureOneDlg::OnKillfocusAlphaN() {
    double v = m_in.alphaNDeg;
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    kavrin::number(dx, IDC_ALPHA_N, v, measure_q::kAlphaN);
    if (dx.failed()) return restore(IDC_ALPHA_N, m_in.alphaNDeg);
    if (v == m_in.alphaNDeg) return;
    m_in.alphaNDeg = v;
    acceptedEdit();
}

void CCyMeasureOneDlg::OnKillfocusBetaDeg() {
    std::uint32_t v = m_in.beta.deg;
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    kavrin::integer(dx, IDC_BETA_DEG, v, measure_q::kBetaDeg);
    if (dx.failed()) return setInteger(IDC_BETA_DEG, m_in.beta.deg);
    if (v == m_in.beta.deg) return;
    if (v == 0 && (m_in.beta.min > 0 || m_in.beta.sec > 0)) {
        fw::MessageBox(kMsgDegreesFirst, MB_OKCANCEL | MB_ICONEXCLAMATION);
        setInteger(IDC_BETA_DEG, m_in.beta.deg);
        return editAgain(IDC_BETA_DEG);
    }
    m_in.beta.deg = v;
    if (m_helixUnit == 0) placeHelixSlider();
    acceptedEdit();
}

void CCyMeasureOneDlg::OnKillfocusBetaMinSec(int id) {
    const bool minutes = id == IDC_BETA_MIN;
    double v = minutes ? m_in.beta.min : m_in.beta.sec;
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    if (minutes) {
        std::uint32_t m = m_in.beta.min;
        kavrin::integer(dx, id, m, measure_q::kBetaMin);
        v = m;
    } else {
        kavrin::number(dx, id, v, measure_q::kBetaSec);
    }
    if (dx.failed()) return showBeta();
    if (v == (minutes ? m_in.beta.min : m_in.beta.sec)) return;
    if (m_in.beta.deg == 0 && v != 0) {
        refuse(kMsgMinutesNeedDegrees);
        showBeta();
        return editAgain(id);
    }
    if (minutes) m_in.beta.min = static_cast<std::uint32_t>(v);
    else m_in.beta.sec = v;
    if (m_helixUnit == (minutes ? 1 : 2)) {
        fw::Trackbar& t = trackbar(IDC_HELIX_SLIDER);
        const int step = t.rangeMax() / kHelixSliderMax;
        t.setPos(static_cast<int>(std::trunc(step * v)));
    }
    acceptedEdit();
}

void CCyMeasureOneDlg::OnSelchangeHaStar() {
    const int sel = combo(IDC_HASTAR).curSel();
    if (sel < 0) return;
    m_haText = combo(IDC_HASTAR).itemText(sel);
    m_in.haStar = fw::parseNumber(m_haText).value_or(1.0);
    acceptedEdit();
}

void CCyMeasureOneDlg::OnKillfocusHaStar() {
    const std::string t = text(IDC_HASTAR);
    if (t == m_haText) return;
    auto v = fw::parseNumber(t);
    if (!v || !measure_q::kHaStar.admits(*v)) {
        refuse(kMsgHaStar);
        setText(IDC_HASTAR, m_haText);
        return editAgain(IDC_HASTAR);
    }
    m_haText = t;
    m_in.haStar = *v;
    acceptedEdit();
}

void CCyMeasureOneDlg::OnSelchangeCStar() {
    const int sel = combo(IDC_CSTAR).curSel();
    if (sel < 0) return;
    m_cText = combo(IDC_CSTAR).itemText(sel);
    m_in.cStar = fw::parseNumber(m_cText).value_or(0.25);
    acceptedEdit();
}

void CCyMeasureOneDlg::OnKillfocusCStar() {
    const std::string t = text(IDC_CSTAR);
    if (t == m_cText) return;
    auto v = fw::parseNumber(t);
    if (!v || !measure_q::kCStar.admits(*v)) {
        refuse(kMsgCStar);
        setText(IDC_CSTAR, m_cText);
        return editAgain(IDC_CSTAR);
    }
    m_cText = t;
    m_in.cStar = *v;
    acceptedEdit();
}

void CCyMeasureOneDlg::OnSelchangeHelixUnit() {
    m_helixUnit = std::max(0, combo(IDC_HELIX_UNIT).curSel());
    placeHelixSlider();
}

void CCyMeasureOneDlg::OnSelchangeShiftStep() {
    m_shiftStep = std::max(0, combo(IDC_SHIFT_STEP).curSel());
    trackbar(IDC_SHIFT_SLIDER).setPageSize(m_shiftStep == 0 ? 10 : 1);
    placeShiftSlider();
}

// The sliders calculate at once, but only with a complete input; when the
// calculation stops the results shown no longer belong to the slider's value.
void CCyMeasureOneDlg::OnReleasedHelix() {
    const fw::Trackbar& t = trackbar(IDC_HELIX_SLIDER);
    const int pos = t.pos();
    switch (m_helixUnit) {
    case 0: m_in.beta.deg = static_cast<std::uint32_t>(pos); break;
    case 1: m_in.beta.min = static_cast<std::uint32_t>(pos); break;
    default: m_in.beta.sec = pos * 60.0 / t.rangeMax(); break;
    }
    showBeta();
    if (completionMask(m_in) != kMaskComplete) return setHint(kMsgIncomplete);
    m_check = {};
    if (!calculate(SolveMode::HelixGiven))
        for (int id : std::initializer_list<int>{static_cast<int>(IDOK), IDC_CHECK, IDC_PROFILE}) enable(id, false);
}

void CCyMeasureOneDlg::OnReleasedShift() {
    const fw::Trackbar& t = trackbar(IDC_SHIFT_SLIDER);
    m_in.xn = shiftFromSlider(t.pos(), t.rangeMax());
    setNumber(IDC_XN, m_in.xn);
    if (completionMask(m_in) != kMaskComplete) return setHint(kMsgIncomplete);
    m_check = {};
    if (!calculate(SolveMode::ShiftGiven))
        for (int id : std::initializer_list<int>{static_cast<int>(IDOK), IDC_CHECK, IDC_PROFILE}) enable(id, false);
}

void CCyMeasureOneDlg::OnKillfocusDp() {
    double v = m_out.dp;
    if (!readNumberField(IDC_DP, v)) return setNumber(IDC_DP, m_out.dp);
    if (v == m_out.dp || !m_haveResults) return;
    if (auto msg = pinRefusal(m_in.type, m_calculatedFrom.mn, v)) {
        refuse(*msg);
        setNumber(IDC_DP, m_out.dp);
        return editAgain(IDC_DP);
    }
    auto mp = pinDimension(pinGear(m_calculatedFrom, m_out), v);
    if (!mp) {
        setHint(kMsgNoPin);
        return setNumber(IDC_DP, m_out.dp);
    }
    SingleResult pinned = m_out;
    pinned.dp = v;
    pinned.mp = *mp;
    if (auto fault = singleResultFault(m_calculatedFrom, pinned)) {
        setHint(*fault);
        return setNumber(IDC_DP, m_out.dp);
    }
    m_out = pinned;
    convertDeviations();
    showResults();
}

void CCyMeasureOneDlg::OnKillfocusDeviation(int id) {
    double& w = id == IDC_DWS ? m_dws : m_dwi;
    double v = w;
    if (!readNumberField(id, v)) return restore(id, w);
    if (auto refusal = deviationRefusal(v)) {
        refuse(*refusal);
        restore(id, w);
        return editAgain(id);
    }
    w = v;
    if (!m_haveResults) return;
    convertDeviations();
    setText(IDC_DMS, fixed(m_dms));
    setText(IDC_DMI, fixed(m_dmi));
}

// ---- trial, save, load ----

void CCyMeasureOneDlg::OnTrial() {
    if (completionMask(m_in) != kMaskComplete) return refuse(kMsgIncomplete);
    setHint("");
    if (!calculate(m_in.mode)) return;
    for (int id : std::initializer_list<int>{static_cast<int>(IDOK), IDC_DP, IDC_DWI, IDC_DWS, IDC_PROFILE})
        enable(id, true);
}

SingleMeasure CCyMeasureOneDlg::state() const {
    return {.in = m_calculatedFrom, .out = m_out, .dWs = m_dws, .dWi = m_dwi, .dMs = m_dms, .dMi = m_dmi,
            .title = m_title, .number = m_number, .date = daySeconds(m_date.year, m_date.month, m_date.day)};
}

void CCyMeasureOneDlg::OnOK() {
    if (!m_haveResults || !isEnabled(IDOK) || !(m_in == m_calculatedFrom)) return;
    // The check the load makes: what cannot be loaded again is not written.
    const CyMeasureRecord rec = singleRecord(state());
    if (auto fault = singleRecordFault(kind(), rec)) return refuse(saveRefusal(*fault));
    const auto chosen = askSavePath(this, m_dataPath);
    if (!chosen) return;
    const std::filesystem::path& path = *chosen;
    auto report = measureReportPath(path);
    if (!report) return refuse(kMsgNotCylindricalFile);
    const fw::Date d = m_date;
    const std::string text =
        singleReportText(kind(), rec, {d.year, d.month, d.day}, singleCheckSection(m_check, m_in.type));
    m_dataPath = path.string();
    if (auto w = saveMeasure(kind(), rec, text, path, *report, fw::nowSeconds()); !w) {
        if (w.error().fault)
            refuse(saveRefusal(*w.error().fault));
        else if (w.error().reportFile)
            fw::MessageBox(kavrin::kMsgReportCreate, kavrin::kCaptionReportCreate, MB_OK | MB_ICONEXCLAMATION);
        else
            refuse(w.error().error.saveMessage());
        return;
    }
    m_strReportPath = report->string();
    EndDialog(IDOK);
}

void CCyMeasureOneDlg::applyRecord(std::int32_t k, const CyMeasureRecord& r) {
    const SingleMeasure m = singleMeasure(k, r);
    m_in = m.in;
    m_out = m.out;
    m_haveResults = true;
    m_calculatedFrom = m_in;
    m_dws = m.dWs;
    m_dwi = m.dWi;
    m_dms = m.dMs;
    m_dmi = m.dMi;
    m_title = m.title;
    m_number = m.number;
    const CivilDate cd = civilDate(m.date);
    m_date = {cd.year, cd.month, cd.day};
}

void CCyMeasureOneDlg::OnLoad() {
    const auto chosen = askOpenPath(this);
    if (!chosen) return;
    const std::filesystem::path& path = *chosen;
    if (!measureReportPath(path)) return refuse(kMsgNotCylindricalFile);
    auto bytes = readMeasureBytes(path, kMsgNotMeasureFile);
    if (!bytes) return refuse(bytes.error());
    auto loaded = loadSingleMeasureFile(*bytes);
    if (!loaded) return showLoadRefusal(loaded.error());
    // Accepted: now the fields change.
    applyRecord(loaded->kind, loaded->record);
    m_dataPath = path.string();
    UpdateData(false);
    const bool internal = m_in.type == GearType::Internal;
    enable(IDC_EXTERNAL, !internal);
    enable(IDC_INTERNAL, internal);
    selectCoefficient(combo(IDC_CSTAR), loaded->record.cStar, {0.25, 0.3, 0.35}, m_cText);
    selectCoefficient(combo(IDC_HASTAR), loaded->record.haStar, {0.8, 1.0}, m_haText);
    showSigns();
    showResults();
    placeHelixSlider();
    OnSolveMode(m_in.mode);
}

// ---- cutting check and tooth-profile output ----

void CCyMeasureOneDlg::OnCheck() {
    if (!m_haveResults) return;
    const SingleInput& in = m_calculatedFrom;
    const SingleCheckInput c{.type = in.type, .z = static_cast<int>(in.z), .mn = in.mn, .xn = m_out.xn,
                             .haStar = in.haStar, .alphaN = in.alphaNDeg / kRadToDeg, .alphaT = m_out.alphaTRad,
                             .beta = m_out.betaRad, .da = in.da, .db = m_out.db};
    const int mode = static_cast<int>(in.type) + cylindrical::kCutModeSingleExternal;
    CCygeomCutDlg cut(this);
    const bool shaped = cut.DoModal(in.mn, mode, in.haStar) == IDOK;
    auto run = shaped ? checkSingleShaped(c, cut.scheme()) : checkSingleHobbed(c);
    if (!run) return setHint(run.error());
    apply(m_check, std::move(*run));
    setHint(m_check.hint);
    if (!shaped) return;
    CCyGeomCheckDlg result(this);
    result.DoModal(m_check.items, m_check.results, m_check.solutions, m_check.scheme, mode);
}

namespace {

constexpr const char* kMsgNoFillet = "未定义有效的齿根过度圆角半径，不能输出确定的图形数据！";
constexpr const char* kMsgProfileUndefined = "齿顶圆、齿根圆与基圆的尺寸不能构成齿廓，不能输出图形数据！";
constexpr const char* kProfileTitle = "《Ondrel》保存圆柱齿轮齿廓绘图数据文件";
constexpr const char* kProfileFilter = "圆柱齿轮齿廓绘图数据文件(*.cyd)|*.cyd|All File(*.*)|*.*|";
constexpr const char* kMsgUseCyd = "为在CAD中识别文件，请使用“*.cyd”文件格式";

// The name up to its first '.' (after the first character) with ".cyd";
// folders are never cut.
std::filesystem::path cydName(const std::filesystem::path& p) {
    const std::string name = p.filename().string();
    const auto dot = name.find('.', 1);
    return p.parent_path() / ((dot == std::string::npos ? name : name.substr(0, dot)) + ".cyd");
}

}  // namespace

void CCyMeasureOneDlg::OnProfile() {
    if (!m_haveResults) return;
    const SingleInput& in = m_calculatedFrom;
    CCymeasureRdlg fillet(this);
    if (fillet.DoModal(in.cStar * in.mn) != IDOK) return refuse(kMsgNoFillet);
    const ProfileInput p{.internal = in.type == GearType::Internal, .z = static_cast<std::int32_t>(in.z),
                         .filletRadius = fillet.m_rf, .shrinkage = fillet.m_shrinkage, .d = m_out.d, .da = in.da,
                         .df = m_out.df, .db = m_out.db, .alphaT = m_out.alphaTRad,
                         .xt = m_out.xn * std::cos(m_out.betaRad)};
    auto points = profilePoints(p);
    if (!points) return refuse(kMsgProfileUndefined);
    const std::string initial = m_dataPath.empty() ? std::string("*.cyd") : cydName(m_dataPath).string();
    fw::FileDialog fd(fw::FileMode::Save, "cyd", initial, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kProfileFilter,
                      this);
    fd.setTitle(kProfileTitle);
    fd.setInitialFolder(m_dataPath.empty() ? kavrin::GetDataDir()
                                           : std::filesystem::path(m_dataPath).parent_path());
    if (fd.DoModal() != IDOK) return;
    std::filesystem::path path = fd.path();
    const std::string name = path.filename().string();
    const auto at = name.find(".cyd");
    if (at == std::string::npos || at < 1) {
        refuse(kMsgUseCyd);
        path = cydName(path);
    }
    if (auto w = fw::writeFile(path, writeProfileDataRecord(*points)); !w) refuse(w.error().saveMessage());
}
