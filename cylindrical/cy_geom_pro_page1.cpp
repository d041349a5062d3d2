#include "cylindrical/cy_geom_pro_page1.h"

#include "common/dialogs/quantity_field.h"
#include "cylindrical/calc/cy_geom_ranges.h"
#include "cylindrical/calc/preliminary.h"

#include "common/calc/data_folder.h"
#include "common/calc/design_file.h"
#include "common/calc/record_check.h"
#include "cylindrical/cy_current_design.h"
#include "cylindrical/pair_check_action.h"
#include "fw/file.h"
#include "fw/format.h"
#include "fw/text.h"
#include "resources/corvane/module.h"

using namespace cylindrical;

namespace {

constexpr const char* kDesignFilter = "圆柱齿轮计算数据文件(*.cyb)|*.cyb|All File(*.*)|*.*|";
constexpr const char* kReportFilter = "圆柱齿轮计算报告文件(*.cyt)|*.cyt|All File(*.*)|*.*|";

void refuse(const std::string& text) { fw::MessageBox(text, {}, fw::MB_OK | fw::MB_ICONEXCLAMATION); }
void inform(const std::string& text) { fw::MessageBox(text, {}, fw::MB_OK | fw::MB_ICONINFORMATION); }

// Start a file dialog from the last path, or from the data folder with the
// pattern as its initial name (the pattern is never kept as a path).
void startFrom(fw::FileDialog& fd, const std::string& last, const char* pattern) {
    if (last.empty()) {
        fd.setInitialFolder(kavrin::GetDataDir());
        fd.request().initialName = pattern;
    } else {
        fd.setInitialFolder(last);
    }
}

using P = CCyGeomProPage1;

// The integer fields of the page, their ranges and the values they hold.
constexpr int kIntegerFields[] = {P::IDC_Z1,         P::IDC_Z2,         P::IDC_BETA_DEG,  P::IDC_BETA_MIN,
                                  P::IDC_BETA_SEC,   P::IDC_ALPHAN_DEG, P::IDC_ALPHAN_MIN, P::IDC_ALPHAN_SEC};

}  // namespace

const kavrin::Quantity& CCyGeomProPage1::integerQuantity(int id) {
    switch (id) {
    case IDC_Z1: return geom_q::kZ1;
    case IDC_Z2: return geom_q::kZ2;
    case IDC_BETA_DEG: return geom_q::kBetaDeg;
    case IDC_BETA_MIN: return geom_q::kBetaMin;
    case IDC_BETA_SEC: return geom_q::kBetaSec;
    case IDC_ALPHAN_DEG: return geom_q::kAlphaNDeg;
    case IDC_ALPHAN_MIN: return geom_q::kAlphaNMin;
    default: return geom_q::kAlphaNSec;
    }
}

int& CCyGeomProPage1::integerMember(PairState& s, int id) {
    switch (id) {
    case IDC_Z1: return s.z1;
    case IDC_Z2: return s.z2;
    case IDC_BETA_DEG: return s.beta.deg;
    case IDC_BETA_MIN: return s.beta.min;
    case IDC_BETA_SEC: return s.beta.sec;
    case IDC_ALPHAN_DEG: return s.alphaN.deg;
    case IDC_ALPHAN_MIN: return s.alphaN.min;
    default: return s.alphaN.sec;
    }
}

CCyGeomProPage1::CCyGeomProPage1() : fw::PropertyPage(corvane::module(), IDD) {
    onChange(IDC_Z1, [this] { OnEnChangeZ(GearSide::Pinion, IDC_Z1); });
    onChange(IDC_Z2, [this] { OnEnChangeZ(GearSide::Gear, IDC_Z2); });
    for (int id : {IDC_BETA_DEG, IDC_BETA_MIN, IDC_BETA_SEC}) onChange(id, [this, id] { OnEnChangeBeta(id); });
    for (int id : {IDC_ALPHAN_DEG, IDC_ALPHAN_MIN, IDC_ALPHAN_SEC})
        onChange(id, [this, id] { OnEnChangeAlphaN(id); });
    for (int id : kIntegerFields) onKillFocus(id, [this, id] { OnEnKillfocusInteger(id); });
    onKillFocus(IDC_MN, [this] { OnEnKillfocusMn(); });
    onKillFocus(IDC_A, [this] { OnEnKillfocusA(); });
    onKillFocus(IDC_XN1, [this] { OnEnKillfocusXn1(); });
    onKillFocus(IDC_XN2, [this] { OnEnKillfocusXn2(); });
    onSelChange(IDC_HASTAR, [this] { OnCbnSelchangeHaStar(); });
    onClick(IDC_EXTERNAL, [this] { OnBnClickedExternal(); });
    onClick(IDC_INTERNAL, [this] { OnBnClickedInternal(); });
    onClick(IDC_DISTRIBUTE, [this] { OnBnClickedDistribute(); });
    onClick(IDC_LOAD_PRE, [this] { OnBnClickedLoadPre(); });
    onClick(IDC_LOAD_GEOM, [this] { OnBnClickedLoadGeom(); });
    onClick(IDC_CHECK, [this] { OnBnClickedCheck(); });
    onClick(IDC_REPORT, [this] { OnBnClickedReport(); });
    for (int id : {IDC_TITLE, IDC_NUMBER, IDC_DATE}) onKillFocus(id, [this, id] { OnEnKillfocusText(id); });
    onSetFocus(IDC_DATE, [this] { OnEnSetfocusDate(); });
}

double CCyGeomProPage1::fieldNumber(int id, double current, const kavrin::Quantity& q) const {
    if (text(id) == fw::formatNumber(current)) return current;
    auto v = numberOf(id);
    return v && q.admits(*v) ? *v : current;
}

void CCyGeomProPage1::exchangeNumber(fw::Exchange& dx, int id, double& v, const kavrin::Quantity& q) {
    if (dx.saving() && text(id) == fw::formatNumber(v)) return;
    kavrin::number(dx, id, v, q);
}

void CCyGeomProPage1::DoDataExchange(fw::Exchange& dx) {
    dx.text(IDC_TITLE, m_szTitle);
    dx.text(IDC_NUMBER, m_szNumber);
    dx.text(IDC_DATE, m_szDate);
    for (int id : kIntegerFields) kavrin::integer(dx, id, integerMember(m_s, id), integerQuantity(id));
    exchangeNumber(dx, IDC_MN, m_s.mn, geom_q::kMn);
    dx.comboText(IDC_HASTAR, m_strHaStar);
    exchangeNumber(dx, IDC_A, m_s.a, geom_q::kA);
    exchangeNumber(dx, IDC_XN1, m_s.xn1, geom_q::kXn1);
    exchangeNumber(dx, IDC_XN2, m_s.xn2, geom_q::kXn2);
    dx.radio(IDC_EXTERNAL, m_s.meshType);
    if (dx.saving()) return;
    // Computed values are shown, never read back: a mirror neither loses
    // precision nor blocks leaving the page with a range check.
    dx.number(IDC_ZV1, m_s.zv1);
    dx.number(IDC_ZV2, m_s.zv2);
    dx.number(IDC_MT, m_s.mt);
    dx.integer(IDC_ALPHAT_DEG, m_s.alphaT.deg);
    dx.integer(IDC_ALPHAT_MIN, m_s.alphaT.min);
    dx.integer(IDC_ALPHAT_SEC, m_s.alphaT.sec);
    dx.number(IDC_AD, m_s.ad);
    dx.number(IDC_YN, m_s.yn);
    dx.number(IDC_YT, m_s.yt);
    dx.number(IDC_ALPHAWT, m_s.alphaWtDeg);
    dx.number(IDC_SUMX, m_s.sumX);
}

bool CCyGeomProPage1::OnInitDialog() {
    fw::copyToField(m_szDate, fw::todayText());
    m_szTitle[0] = m_szNumber[0] = '\0';
    UpdateData(false);
    setText(IDC_RESULT, m_strResult);
    m_initialised = true;
    return true;
}

void CCyGeomProPage1::storeEntries() { storePair(m_s, texts(), currentDesign().geom); }

bool CCyGeomProPage1::OnKillActive() {
    if (!UpdateData(true)) return false;
    storeEntries();
    if (pairComplete(m_s)) return true;
    setResult(kMsgLoadPreliminary);
    return false;
}

// ---- reading and showing ----

// Every field through the strict parser: a text that is no number, or an
// integer outside its field's range, leaves the page's value as it is (the
// field's own check refuses it when the field is left).
void CCyGeomProPage1::readFields() {
    for (int id : kIntegerFields)
        if (auto v = fieldInteger(id)) integerMember(m_s, id) = *v;
    m_s.mn = fieldNumber(IDC_MN, m_s.mn, geom_q::kMn);
    m_s.a = fieldNumber(IDC_A, m_s.a, geom_q::kA);
    m_s.xn1 = fieldNumber(IDC_XN1, m_s.xn1, geom_q::kXn1);
    m_s.xn2 = fieldNumber(IDC_XN2, m_s.xn2, geom_q::kXn2);
    m_s.meshType = checked(IDC_INTERNAL) ? MeshType::Internal : MeshType::External;
}

std::optional<int> CCyGeomProPage1::fieldInteger(int id) const {
    auto v = integerOf(id);
    if (!v || !integerQuantity(id).admits(static_cast<double>(*v))) return std::nullopt;
    return static_cast<int>(*v);
}

void CCyGeomProPage1::setResult(const std::string& text) {
    m_strResult = text;
    setText(IDC_RESULT, m_strResult);
}

void CCyGeomProPage1::apply(const PairUpdate& u, const PairState& before, Refill refill, int editedField) {
    // A rule whose result is not finite, or outside its range (a centre
    // distance that needs a shift sum beyond ±10), is refused: the page
    // shows its last such values again and names the value.
    if (auto fault = pairRangeFault(u.state)) {
        m_s = m_lastFinite;
        UpdateData(false);
        setResult(*fault);
        return;
    }
    if (u.refused) {
        // The value that started the rule is not taken: the page keeps its
        // values. A field being left is edited again (left unchanged, it
        // shows the page's value again); a field being typed in keeps its
        // text until it is left (and then refuses it); after a button the
        // fields show the page's values.
        m_s = before;
        if (refill == Refill::Fields) UpdateData(false);
        if (refill == Refill::EditAgain) editAgain(editedField);
    } else {
        m_s = m_lastFinite = u.state;
        if (u.shiftsChanged) m_check.reset();
        UpdateData(false);
    }
    if (u.resultText) setResult(*u.resultText);
    if (u.warning) fw::MessageBox(*u.warning, kCaptionWarning, fw::MB_OK | fw::MB_ICONEXCLAMATION);
}

DesignTexts CCyGeomProPage1::texts() const {
    return {fw::readField(m_szTitle), fw::readField(m_szNumber), fw::readField(m_szDate)};
}

DesignedPair CCyGeomProPage1::designedPair() const {
    return {.z1 = m_s.z1,
            .z2 = m_s.z2,
            .mn = m_s.mn,
            .alphaN = m_s.alphaNRad,
            .beta = m_s.betaRad,
            .haStar = m_s.haStar,
            .xn1 = m_s.xn1,
            .xn2 = m_s.xn2,
            .a = m_s.a,
            .internal = m_s.meshType == MeshType::Internal};
}

// ---- field rules ----
// A change notification whose field already holds the page's value comes
// from the page writing its own fields and changes nothing.

void CCyGeomProPage1::OnEnChangeZ(GearSide side, int id) {
    auto v = fieldInteger(id);
    if (!v || *v == (side == GearSide::Pinion ? m_s.z1 : m_s.z2)) return;
    const PairState before = m_s;
    readFields();
    apply(teethChanged(m_s, side), before, Refill::None);
}

void CCyGeomProPage1::OnEnChangeBeta(int id) {
    auto v = fieldInteger(id);
    if (!v || *v == integerMember(m_s, id)) return;
    const PairState before = m_s;
    readFields();
    apply(helixChanged(m_s), before, Refill::None);
}

void CCyGeomProPage1::OnEnChangeAlphaN(int id) {
    auto v = fieldInteger(id);
    if (!v || *v == integerMember(m_s, id)) return;
    const PairState before = m_s;
    readFields();
    apply(pressureAngleChanged(m_s), before, Refill::None);
}

// Leaving an integer field: its text must be a whole number in the field's
// range, and an angle part must leave the angle in its range. What the
// change handlers did not take is refused here, naming the field.
void CCyGeomProPage1::OnEnKillfocusInteger(int id) {
    int v = integerMember(m_s, id);
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    kavrin::integer(dx, id, v, integerQuantity(id));
    if (dx.failed() || v == integerMember(m_s, id)) return;
    // In the field's range, but its rule refused the angle it gives.
    const bool helix = id == IDC_BETA_DEG || id == IDC_BETA_MIN || id == IDC_BETA_SEC;
    dx.fail(id, helix ? "螺旋角不能超过±60°。" : "法面压力角须大于0°且不大于30°。");
}

// Leaving mn or a without changing it keeps the distribution (and shifts
// set by hand) as they are.
void CCyGeomProPage1::OnEnKillfocusMn() {
    const PairState before = m_s;
    if (!UpdateData(true) || m_s.mn == before.mn) return;
    apply(moduleChanged(m_s), before, Refill::EditAgain, IDC_MN);
}

void CCyGeomProPage1::OnEnKillfocusA() {
    const PairState before = m_s;
    if (!UpdateData(true) || m_s.a == before.a) return;
    apply(centreDistanceChanged(m_s), before, Refill::EditAgain, IDC_A);
}

void CCyGeomProPage1::OnEnKillfocusXn1() {
    const PairState before = m_s;
    if (!UpdateData(true)) return;
    apply(pinionShiftEdited(m_s), before, Refill::EditAgain, IDC_XN1);
}

void CCyGeomProPage1::OnEnKillfocusXn2() {
    const PairState before = m_s;
    if (!UpdateData(true)) return;
    apply(gearShiftEdited(m_s), before, Refill::EditAgain, IDC_XN2);
}

void CCyGeomProPage1::OnCbnSelchangeHaStar() {
    m_strHaStar = combo(IDC_HASTAR).text();
    if (auto v = fw::parseNumber(m_strHaStar)) m_s.haStar = *v;
}

void CCyGeomProPage1::OnBnClickedExternal() {
    const PairState before = m_s;
    readFields();
    apply(externalMeshChosen(m_s), before, Refill::Fields);
}

void CCyGeomProPage1::OnBnClickedInternal() {
    const PairState before = m_s;
    readFields();
    apply(internalMeshChosen(m_s), before, Refill::Fields);
}

void CCyGeomProPage1::OnBnClickedDistribute() {
    const PairState before = m_s;
    readFields();
    apply(distribute(m_s, kSumXZeroButton), before, Refill::Fields);
}

// ---- texts ----

void CCyGeomProPage1::OnEnKillfocusText(int id) {
    std::string t = text(id);
    if (id == IDC_TITLE) {
        fw::copyToField(m_szTitle, t);
        currentDesign().title = fw::readField(m_szTitle);
    } else if (id == IDC_NUMBER) {
        fw::copyToField(m_szNumber, t);
        currentDesign().drawingNo = fw::readField(m_szNumber);
    } else {
        fw::copyToField(m_szDate, t);
        currentDesign().date = fw::readField(m_szDate);
    }
}

void CCyGeomProPage1::OnEnSetfocusDate() {
    fw::copyToField(m_szDate, fw::todayText());
    setText(IDC_DATE, fw::readField(m_szDate));
}

void CCyGeomProPage1::takeTexts(const std::string& title, const std::string& number, const std::string& date) {
    fw::copyToField(m_szTitle, title);
    fw::copyToField(m_szNumber, number);
    fw::copyToField(m_szDate, date);
    currentDesign().title = fw::readField(m_szTitle);
    currentDesign().drawingNo = fw::readField(m_szNumber);
    currentDesign().date = fw::readField(m_szDate);
}

void CCyGeomProPage1::lockMeshType() {
    enable(IDC_EXTERNAL, m_s.meshType == MeshType::External);
    enable(IDC_INTERNAL, m_s.meshType == MeshType::Internal);
}

// ---- loaders: everything is checked before the current design changes ----

std::optional<std::filesystem::path> CCyGeomProPage1::chooseDesignFile(const char* title) {
    fw::FileDialog fd(fw::FileMode::Open, "cyb", {}, fw::OFN_FILEMUSTEXIST | fw::OFN_HIDEREADONLY, kDesignFilter,
                      this);
    fd.setTitle(title);
    startFrom(fd, currentDesign().dataPath, "*.cyb");
    if (fd.DoModal() != fw::IDOK) return std::nullopt;
    if (!kavrin::hasDataExtension(fd.path(), kavrin::kExtCyData)) {
        refuse(kavrin::kMsgNotCybFile);
        return std::nullopt;
    }
    return fd.path();
}

namespace {

// The file's bytes, or nullopt after the open failure was shown.
std::optional<std::vector<std::uint8_t>> readDesignFile(const std::filesystem::path& p) {
    auto bytes = kavrin::readDesignFile(p, CyPreRecord::kSize + CyGeomRecord::kSize);
    if (!bytes) {
        refuse(bytes.error().openMessage());
        return std::nullopt;
    }
    return std::move(*bytes);
}

void takePaths(const std::filesystem::path& data) {
    currentDesign().dataPath = data.string();
    currentDesign().reportPath = kavrin::loadReportName(data, kavrin::kExtCyData, kavrin::kExtCyReport).string();
}

}  // namespace

void CCyGeomProPage1::OnBnClickedLoadPre() {
    auto path = chooseDesignFile("《Ondrel》打开圆柱齿轮数据文件");
    if (!path) return;
    auto bytes = readDesignFile(*path);
    if (!bytes) return;
    auto loaded = loadPreliminaryForGeometry(*bytes);
    if (!loaded) return refuse(loaded.error());
    // A pair whose derived values leave their ranges (the standard centre
    // distance of the largest teeth and modules) is refused before anything changes.
    const PairUpdate update = pairFromPreliminary(loaded->pre, m_s);
    if (auto fault = pairRangeFault(update.state)) return refuse(kavrin::refusedOnLoad(*fault));
    if (loaded->oldFile) refuse(kavrin::kMsgOldFile);
    takePaths(*path);
    currentDesign().sheetSections.clear();
    currentDesign().pre = loaded->pre;
    currentDesign().geom.psiD = loaded->pre.phiD;
    takeTexts(loaded->pre.title, loaded->pre.number, loaded->pre.date);
    m_check.reset();
    apply(update, m_s, Refill::Fields);
    lockMeshType();
}

void CCyGeomProPage1::OnBnClickedLoadGeom() {
    auto path = chooseDesignFile("《Ondrel》打开指定的数据文件");
    if (!path) return;
    auto bytes = readDesignFile(*path);
    if (!bytes) return;
    auto loaded = loadGeometryDesign(*bytes);
    if (!loaded) return refuse(loaded.error());
    if (loaded->oldFile) refuse(kavrin::kMsgOldFile);
    takePaths(*path);
    currentDesign().sheetSections.clear();
    currentDesign().pre = loaded->pre;
    currentDesign().geom = loaded->geom;
    takeTexts(loaded->geom.title, loaded->geom.number, loaded->geom.date);
    m_check.reset();
    m_s = m_lastFinite = pairFromGeometry(loaded->geom, m_s);
    UpdateData(false);
    lockMeshType();
}

// ---- cutting and interference check ----

void CCyGeomProPage1::OnBnClickedCheck() {
    readFields();
    DesignedPair pair = designedPair();
    if (auto q = designedPairQuantities(pair); !q) return setResult(q.error());
    runCheck(pair);
}

void CCyGeomProPage1::runCheck(const DesignedPair& pair) {
    // The cutter choice, the check run and its verdicts: the run fills
    // m_check (the report prints it) and the result text. A refused run
    // leaves the state as it was and shows its reason.
    PairCheckState state = m_check ? pairCheckState(*m_check) : PairCheckState{};
    std::string summary = m_strResult;
    runDesignedPairCheck(this, pair, state, summary);
    if (state.done) m_check = pairCheckSection(state);
    setResult(summary);
}

// ---- report ----

void CCyGeomProPage1::OnBnClickedReport() {
    fw::FileDialog fd(fw::FileMode::Save, "cyt", {}, fw::OFN_OVERWRITEPROMPT | fw::OFN_FILEMUSTEXIST, kReportFilter,
                      this);
    fd.setTitle("《Ondrel》追加几何计算报告");
    startFrom(fd, currentDesign().reportPath, "*.cyt");
    if (fd.DoModal() != fw::IDOK) return;
    SaveNames names = pairReportNames(fd.path(), currentDesign().dataPath);
    PairCheckSection check = m_check.value_or(PairCheckSection{});
    check.resultText = m_strResult;
    if (auto r = appendSheetSection(names.report, pairReportSection(m_s, texts(), check)); !r)
        return refuse(pairReportOpenFailure(names.report));
    currentDesign().reportPath = names.report.string();
    if (names.renamed) currentDesign().dataPath = names.data.string();
    inform(kavrin::savedNotice(names.report));
}
