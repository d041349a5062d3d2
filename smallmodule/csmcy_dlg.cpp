#include "smallmodule/csmcy_dlg.h"

#include <cmath>
#include <initializer_list>

#include "common/calc/data_folder.h"
#include "common/calc/design_file.h"
#include "common/calc/involute.h"
#include "common/dialogs/quantity_field.h"
#include "fw/clock.h"
#include "fw/file.h"
#include "fw/format.h"
#include "resources/corvane/module.h"
#include "smallmodule/calc/smcy_entry.h"
#include "smallmodule/calc/smcy_report.h"
#include "smallmodule/csmcy_bita_dlg.h"

using namespace smallmodule;

namespace {

constexpr const char* kHelpTopic = "Kavrin.chm::/CySmcyDlg.htm";
constexpr const char* kSaveTitle = "《Ondrel》保存圆柱齿轮数据文件";
constexpr const char* kOpenTitle = "《Ondrel》打开圆柱齿轮数据文件";
constexpr const char* kFilter = "渐开线圆柱齿轮设计计算数据文件(*.cyb)|*.cyb|All File(*.*)|*.*|";

constexpr const char* kMsgUnsaved = "计算结果尚未保存！\n是否先保存以完成本次设计？";
constexpr const char* kMsgAskBeta1 = "如果采用斜齿，还需在Z1参数栏里输入β1。\n是否输入β1？";
constexpr const char* kMsgPressCalc = "需点击“计算”键进行计算。";
constexpr const char* kMsgSigma1Large = "轴错角应≤18°\n若需要较大轴错角，请采用两斜齿轮和角方式。";
constexpr const char* kMsgSigma1Zero = "轴错角应>0,\n若需要轴错角为0，请采用平行轴方式。";
constexpr const char* kMsgSigma2Right = "轴错角应>0°并<90°\n若需要垂直轴错角，请采用“垂直交错轴”选项。";
constexpr const char* kMsgSigma2Zero = "轴错角应>0°并<90°\n若需要平行轴，请采用“平行轴”选项。";
constexpr const char* kMsgSigma2Small =
    "因轴错角较小，可提高制造经济性，\n是否采用“小齿轮斜齿,大齿轮直齿组合“选项。";
constexpr const char* kMsgUOne = "注意：当前你所给定的齿数比U = 1!\n是否确定设计等速传动？";
constexpr const char* kMsgAwNotPositive = "啮合轴距不能≤0!\n请重新输入。";
constexpr const char* kMsgFNegative = "材料摩擦系数不能＜0!\n请重新输入。";
constexpr const char* kMsgFAboveOne = "材料摩擦系数不能＞1!\n请重新输入。";
constexpr const char* kMsgBetaRight = "螺旋角应小于90°!\n请重新输入。";
constexpr const char* kMsgDeviationLarge = "公法线偏差应在0～1mm之间！\n请重新输入。";
constexpr const char* kMsgFZero = "材料摩擦系数若等于0，效率η=1,\n将表示无摩擦理想状态。\n是否重新输入？";
constexpr const char* kMsgFLarge = "材料摩擦系数太大，传动效率欠佳！\n建议采用更有效材料与润滑措施。\n是否重新输入？";
constexpr const char* kMsgBetaSign = "螺旋角只取绝对值，\n方向由“左旋”或“右旋”来定义。";
constexpr const char* kMsgBetaLarge = "建议螺旋角不要太大，≤18°为佳。\n是否重新输入？";
constexpr const char* kMsgDeviationSign = "从标准查取公法线公差值,\n不需输入“-”号！\n";
constexpr const char* kMsgNotCyb = "所选文件不是圆柱齿轮数据文件格式";
constexpr const char* kMsgSaved = "数据已存为二进制文件：%s,\n报告已存为文本文件：%s";
constexpr const char* kMsgUnknownUnit = "未知角度单位!";

constexpr const char* kPatternHints[] = {
    "平行轴:\nΣ=0\n取u=1～10\n取f=0～0.4\n取β=0～18°\nβ1=β2\n旋向相反\n取0<χn1<Σχn\n",
    "直/斜齿轮对:\nΣ≈β1≤18°\nβ2=0°\n取u=1～10\n取f=0～0.4\n取0<χn1<Σχn\n啮合状态:\na'=a:\n 正常啮合\na'≠a:\n 非正常啮合\n",
    "和角斜齿对:\nΣ≈β1+β2\n取0°<Σ<90°\n取u=1～10\n取f=0～0.4\n取0<χn1<Σχn\na'=a:\n 正常啮合\na'≠a:\n 非正常啮合\n",
    "垂直交错轴:\nΣ≈β1+β2\nΣ=90°\n取u=1～10\n取f=0～0.4\n取0<χn1<Σxn\n旋转反向见图\na'=a:\n 正常啮合\na'≠a:\n 非正常啮合\n",
};
constexpr int kPatternBitmaps[] = {CSmcyDlg::IDB_PARALLEL, CSmcyDlg::IDB_HELICAL_SPUR, CSmcyDlg::IDB_HELICAL_SUM,
                                   CSmcyDlg::IDB_PERPENDICULAR};
constexpr int kPatternRadios[] = {CSmcyDlg::IDC_PATTERN0, CSmcyDlg::IDC_PATTERN1, CSmcyDlg::IDC_PATTERN2,
                                  CSmcyDlg::IDC_PATTERN3};


bool ask(const char* text) { return fw::MessageBox(text, MB_YESNO | MB_ICONQUESTION) == IDYES; }
void inform(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONINFORMATION); }

// A field read back keeps its member when its text still reads as the
// member shown (the field shows 15 digits; results are not cut to them).
void exchangeNumber(fw::Exchange& dx, int id, double& v) {
    if (!dx.saving()) return dx.number(id, v);
    double t = v;
    dx.number(id, t);
    if (!dx.failed() && fw::formatNumber(t) != fw::formatNumber(v)) v = t;
}
void exchangeNumber(fw::Exchange& dx, int id, double& v, const kavrin::Quantity& q) {
    if (!dx.saving()) return kavrin::number(dx, id, v, q);
    double t = v;
    kavrin::number(dx, id, t, q);
    if (!dx.failed() && fw::formatNumber(t) != fw::formatNumber(v)) v = t;
}
// A field whose handler refuses some values with its own message (a' not
// above 0): such a value passes to the handler; the range refuses the rest.
void exchangeHandled(fw::Exchange& dx, int id, double& v, const kavrin::Quantity& q, bool handlerRefuses(double)) {
    if (dx.saving() && !dx.failed()) {
        auto typed = fw::parseNumber(dx.dialog().text(id));
        if (typed && std::isfinite(*typed) && handlerRefuses(*typed)) return exchangeNumber(dx, id, v);
    }
    exchangeNumber(dx, id, v, q);
}
void showNumber(fw::Exchange& dx, int id, double v) {
    if (!dx.saving()) dx.number(id, v);
}
void showInteger(fw::Exchange& dx, int id, std::int32_t v) {
    if (!dx.saving()) dx.integer(id, v);
}

}  // namespace

CSmcyDlg::CSmcyDlg(fw::Window* parent) : fw::Dialog(corvane::module(), IDD, parent) {
    m_out.g1.z = 17;
    onClick(IDC_PATTERN0, [this] { OnBnClickedSmcyPRad1(); });
    onClick(IDC_PATTERN1, [this] { OnBnClickedSmcyPRad2(); });
    onClick(IDC_PATTERN2, [this] { OnBnClickedSmcyPRad3(); });
    onClick(IDC_PATTERN3, [this] { OnBnClickedSmcyPRad4(); });
    onKillFocus(IDC_SIGMA, [this] { OnEnKillfocusSmcySigmaEdt(); });
    onKillFocus(IDC_U, [this] { OnEnKillfocusSmcyUEdt(); });
    onKillFocus(IDC_MODULE, [this] { OnCbnKillfocusSmcyMoleCmb(); });
    onKillFocus(IDC_AW, [this] { OnEnKillfocusSmcyApEdt(); });
    onKillFocus(IDC_F, [this] { OnEnKillfocusSmcyFEdt(); });
    onKillFocus(IDC_BETA1, [this] { OnEnKillfocusSmcyBita1Edt(); });
    onKillFocus(IDC_XN1, [this] { OnEnKillfocusSmcyXn1Edt(); });
    onKillFocus(IDC_XN2, [this] { OnEnKillfocusSmcyXn2Edt(); });
    onKillFocus(IDC_DWS1, [this] { OnEnKillfocusSmcyDtw1sEdt(); });
    onKillFocus(IDC_DWI1, [this] { OnEnKillfocusSmcyDtw1iEdt(); });
    onKillFocus(IDC_DWS2, [this] { OnEnKillfocusSmcyDtw2sEdt(); });
    onKillFocus(IDC_DWI2, [this] { OnEnKillfocusSmcyDtw2iEdt(); });
    onKillFocus(IDC_TITLE, [this] { OnEnKillfocusSmcyTileEdt(); });
    onKillFocus(IDC_NUMBER, [this] { OnEnKillfocusSmcyCodeEdt(); });
    onDateChange(IDC_DATE, [this] { OnDtnDatetimechangeSmcyDateDtpk(); });
    onClick(IDOK, [this] { OnBnClickedOk(); });
    onClick(IDCANCEL, [this] { OnBnClickedCancel(); });
    onClick(IDC_CALC, [this] { OnBnClickedSmcyCunt(); });
    onClick(IDC_LOAD, [this] { OnBnClickedSmcyLoad(); });
    onClick(IDC_HELP, [this] { OnBnClickedSmcyHelp(); });
}

CSmcyDlg::~CSmcyDlg() = default;

int CSmcyDlg::DoModal() { return fw::Dialog::DoModal(); }

bool CSmcyDlg::OnInitDialog() {
    m_date = fw::nowSeconds();
    m_rhoF = 0.2 * m_in.mn;
    m_mask = initialEntryMask(Pattern::Parallel);
    m_calculated = false;
    for (int id : std::initializer_list<int>{IDC_SIGMA, IDC_CALC, IDOK, IDC_XN1, IDC_XN2, IDC_DWS1, IDC_DWI1, IDC_DWS2, IDC_DWI2,
                   IDC_RACK_ALPHA_LABEL, IDC_RACK_MODULE_LABEL, IDC_RACK_ALPHA_UNIT, IDC_RACK_MODULE_UNIT})
        enable(id, false);
    m_strHint += kPatternHints[0];
    m_in.pattern = Pattern::Parallel;
    m_bitmap = picture(IDC_PICTURE).bitmap();
    show();
    return true;
}

void CSmcyDlg::DoDataExchange(fw::Exchange& dx) {
    dx.text(IDC_TITLE, m_strTitle, CySmRecord::kTextWidth - 1);
    dx.text(IDC_NUMBER, m_strNumber, CySmRecord::kTextWidth - 1);
    fw::Date day = dateOfSeconds(m_date);
    dx.date(IDC_DATE, day);
    if (dx.saving() && !dx.failed()) m_date = secondsOfDate(day, m_date);
    if (!dx.saving()) dx.text(IDC_HINT, m_strHint);
    showNumber(dx, IDC_ALPHA, m_in.alpha);
    showNumber(dx, IDC_HA, m_in.haStar);
    showNumber(dx, IDC_C, m_in.cStar);
    showNumber(dx, IDC_RHO, m_rhoF);
    // Every typed field exchanges with its quantity's one range
    // (cy_sm_ranges.h), the range the record check reads on load and before
    // every save; the handlers' own rules come on top.
    exchangeNumber(dx, IDC_SIGMA, m_in.sigma, sm_q::kSigma);
    exchangeNumber(dx, IDC_U, m_in.u, sm_q::kU);
    showNumber(dx, IDC_A, m_out.a);
    dx.comboIndex(IDC_MODULE, m_moduleIndex);
    exchangeHandled(dx, IDC_AW, m_in.aw, sm_q::kAw, [](double v) { return v <= 0; });
    exchangeNumber(dx, IDC_F, m_in.f);
    showNumber(dx, IDC_SUMX, m_out.sumX);
    if (!dx.saving()) dx.radio(IDC_PATTERN0, m_in.pattern);   // set by the radio handlers only
    showNumber(dx, IDC_MT1, m_out.g1.mt);
    showNumber(dx, IDC_MT2, m_out.g2.mt);
    showNumber(dx, IDC_BETAP1, m_out.g1.betaP);
    showNumber(dx, IDC_BETAP2, m_out.g2.betaP);
    // β1 is typed in pattern 0 only; in the other patterns it shows the result.
    if (!dx.saving() || isEnabled(IDC_BETA1)) exchangeNumber(dx, IDC_BETA1, m_in.beta1);
    showNumber(dx, IDC_BETA2, m_out.g2.beta);
    showInteger(dx, IDC_Z1, m_out.g1.z);
    showInteger(dx, IDC_Z2, m_out.g2.z);
    const std::pair<int, const SmGear*> gears[] = {{0, &m_out.g1}, {1, &m_out.g2}};
    for (auto [i, g] : gears) {
        showNumber(dx, i ? IDC_AT2 : IDC_AT1, g->alphaT);
        showNumber(dx, i ? IDC_AWT2 : IDC_AWT1, g->alphaWt);
        showNumber(dx, i ? IDC_BB2 : IDC_BB1, g->betaB);
        showNumber(dx, i ? IDC_D2 : IDC_D1, g->d);
        showNumber(dx, i ? IDC_DW2 : IDC_DW1, g->dw);
        showNumber(dx, i ? IDC_DB2 : IDC_DB1, g->db);
        showNumber(dx, i ? IDC_DA2 : IDC_DA1, g->da);
        showNumber(dx, i ? IDC_DF2 : IDC_DF1, g->df);
        showNumber(dx, i ? IDC_AAT2 : IDC_AAT1, g->alphaAt);
        showNumber(dx, i ? IDC_W2 : IDC_W1, g->w);
        showInteger(dx, i ? IDC_KW2 : IDC_KW1, g->kw);
        showNumber(dx, i ? IDC_MP2 : IDC_MP1, g->mp);
    }
    // The shift and deviation edits are read only while they are enabled
    // (after a calculation); their handlers check what is read.
    if (!dx.saving() || isEnabled(IDC_XN1)) exchangeNumber(dx, IDC_XN1, m_out.g1.xn);
    if (!dx.saving() || isEnabled(IDC_XN2)) exchangeNumber(dx, IDC_XN2, m_out.g2.xn);
    const std::pair<int, double*> deviations[] = {
        {IDC_DWS1, &m_dev.dWs1}, {IDC_DWI1, &m_dev.dWi1}, {IDC_DWS2, &m_dev.dWs2}, {IDC_DWI2, &m_dev.dWi2}};
    for (auto [id, v] : deviations)
        if (!dx.saving() || isEnabled(id)) exchangeNumber(dx, id, *v);
    showNumber(dx, IDC_DMS1, m_dev.dMs1);
    showNumber(dx, IDC_DMI1, m_dev.dMi1);
    showNumber(dx, IDC_DMS2, m_dev.dMs2);
    showNumber(dx, IDC_DMI2, m_dev.dMi2);
    showNumber(dx, IDC_ALPHANP, m_out.alphaNP);
    showNumber(dx, IDC_MNP, m_out.mnP);
    showNumber(dx, IDC_EPS, m_out.eps);
    showNumber(dx, IDC_ETA, m_out.eta);
    showNumber(dx, IDC_B, m_out.b);
    showNumber(dx, IDC_DMP, m_out.dmp);
}

// ---- helpers ----

void CSmcyDlg::refuse(const std::string& text) { fw::MessageBox(text, MB_OK | MB_ICONEXCLAMATION); }

void CSmcyDlg::enableResults(bool on) {
    for (int id : std::initializer_list<int>{IDOK, IDC_XN1, IDC_XN2, IDC_DWS1, IDC_DWI1, IDC_DWS2, IDC_DWI2}) enable(id, on);
}

// Results computed from other inputs than the shown ones cannot be saved.
void CSmcyDlg::markStaleIfChanged() {
    if (m_calculated && !(m_in == m_calculatedFrom)) {
        m_calculated = false;
        enableResults(false);
    }
}

void CSmcyDlg::SetCurrentBmp(int bitmapId) {
    m_bitmap = bitmapId;
    picture(IDC_PICTURE).setBitmap(bitmapId);
}

double CSmcyDlg::invFunc(double angle, int unit) {
    auto v = kavrin::invFunc(angle, unit);
    if (!v) {
        fw::MessageBox(kMsgUnknownUnit, MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    return *v;
}

double CSmcyDlg::arcInvFunc(double value, int unit) {
    if (!kavrin::isKnownAngleUnit(unit)) {
        fw::MessageBox(kMsgUnknownUnit, MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    return kavrin::arcInvFunc(value, unit).value_or(0);
}

int CSmcyDlg::CheckOddEven(int z) const { return kavrin::CheckOddEven(z); }

double CSmcyDlg::GetOptimizeBita(double u, double sigmaDegrees) {
    return smallmodule::GetOptimizeBita(u, sigmaDegrees * 3.141592653589793 / 180).value_or(0);
}

unsigned CSmcyDlg::MinGeersSet(double mn, double u) const { return smallmodule::MinGeersSet(mn, u); }

std::filesystem::path CSmcyDlg::GetDefaultDir() const { return kavrin::GetDefaultDir(); }

// ---- patterns ----

bool CSmcyDlg::OnPRadIntSet() {
    if (m_calculated && ask(kMsgUnsaved)) return false;
    resetInputs();
    return true;
}

void CSmcyDlg::resetInputs() {
    m_strHint = "提示：\n";
    m_in.sigma = 0;
    m_in.u = 1;
    m_moduleIndex = 0;
    m_in.mn = kModules[0];
    m_in.aw = 0;
    m_in.f = 0.05;
    m_in.beta1 = 0;
    const SmResult fresh;
    m_out = fresh;
    m_out.g1.z = 17;
    m_calculated = false;
}

void CSmcyDlg::OnPatternRadio(int pattern, bool askFirst) {
    // Yes to the question keeps the pattern, its results and its state.
    if (!askFirst) {
        resetInputs();
    } else if (!OnPRadIntSet()) {
        checkRadio(IDC_PATTERN0, IDC_PATTERN3, kPatternRadios[static_cast<int>(m_in.pattern)]);
        return;
    }
    m_in.pattern = static_cast<Pattern>(pattern);
    SetCurrentBmp(kPatternBitmaps[pattern]);
    setText(IDC_A_LABEL, pattern == 0 ? "未变位轴距a =" : "无间隙轴距a =");
    const bool crossed = pattern != 0;
    for (int id : std::initializer_list<int>{IDC_RACK_ALPHA_LABEL, IDC_RACK_MODULE_LABEL, IDC_RACK_ALPHA_UNIT, IDC_RACK_MODULE_UNIT, IDC_XN1,
                   IDC_XN2})
        enable(id, crossed);
    enable(IDC_SIGMA, pattern == 1 || pattern == 2);
    enable(IDC_BETA1, pattern == 0);
    if (pattern == 0) m_in.sigma = 0;
    if (pattern == 3) m_in.sigma = 90;
    m_mask = initialEntryMask(m_in.pattern);
    EntryCheckOnce();
    m_strHint += kPatternHints[pattern];
    show();
}

void CSmcyDlg::EntryCheckOnce() {
    markStaleIfChanged();
    if (!entryComplete(m_mask)) {
        enable(IDC_CALC, false);
        m_calculated = false;
        enableResults(false);
        return;
    }
    if (m_in.pattern == Pattern::Parallel && m_in.beta1 == 0 && ask(kMsgAskBeta1)) {
        setFocus(IDC_BETA1);
        show();
        return;
    }
    enable(IDC_CALC, true);
    inform(kMsgPressCalc);
}

// ---- input validators ----

void CSmcyDlg::OnEnKillfocusSmcySigmaEdt() {
    const double before = m_in.sigma;
    if (!UpdateData(true)) return;
    if (m_in.sigma == before) return;
    auto refuseSigma = [&](const char* text) {
        refuse(text);
        m_in.sigma = before;
        m_mask = afterAxisAngleRefusal(m_mask);
        EntryCheckOnce();
        show();
        editAgain(IDC_SIGMA);
    };
    if (m_in.pattern == Pattern::HelicalSpur) {
        if (m_in.sigma > 18) return refuseSigma(kMsgSigma1Large);
        if (m_in.sigma <= 0) return refuseSigma(kMsgSigma1Zero);
        m_in.beta1 = m_in.sigma;
        m_out.g2.beta = 0;
    } else if (m_in.pattern == Pattern::HelicalSum) {
        if (m_in.sigma == 90) return refuseSigma(kMsgSigma2Right);
        if (m_in.sigma == 0) return refuseSigma(kMsgSigma2Zero);
        if (m_in.sigma <= 18 && ask(kMsgSigma2Small)) {
            m_in.sigma = before;
            show();
            return;
        }
    }
    m_mask |= kBitSigma;
    EntryCheckOnce();
    show();
}

void CSmcyDlg::OnEnKillfocusSmcyUEdt() {
    const double before = m_in.u;
    if (!UpdateData(true)) return;
    if (acceptedBefore(m_mask, kBitU, m_in.u == before)) return;
    if (m_in.u == 1 && !ask(kMsgUOne)) {
        m_in.u = before;
        show();
        return editAgain(IDC_U);
    }
    m_mask |= kBitU;
    EntryCheckOnce();
    show();
}

void CSmcyDlg::OnCbnKillfocusSmcyMoleCmb() {
    const int before = m_moduleIndex;
    if (!UpdateData(true)) return;
    const int index = combo(IDC_MODULE).curSel();
    if (index < 0 || index >= kModuleCount) return;
    if (acceptedBefore(m_mask, kBitModule, index == before)) return;
    m_moduleIndex = index;
    m_in.mn = kModules[static_cast<std::size_t>(index)];
    m_rhoF = 0.2 * m_in.mn;
    m_mask |= kBitModule;
    EntryCheckOnce();
    show();
}

void CSmcyDlg::OnEnKillfocusSmcyApEdt() {
    const double before = m_in.aw;
    if (!UpdateData(true)) return;
    if (m_in.aw == before) return;
    if (m_in.aw <= 0) {
        refuse(kMsgAwNotPositive);
        m_in.aw = before;
        show();
        return editAgain(IDC_AW);
    }
    m_mask |= kBitAw;
    EntryCheckOnce();
    show();
}

void CSmcyDlg::OnEnKillfocusSmcyFEdt() {
    const double before = m_in.f;
    if (!UpdateData(true)) return;
    if (acceptedBefore(m_mask, kBitF, m_in.f == before)) return;
    if (!sm_q::kF.admits(m_in.f)) {
        inform(m_in.f < 0 ? kMsgFNegative : kMsgFAboveOne);
        m_in.f = before;
        show();
        return editAgain(IDC_F);
    }
    if ((m_in.f == 0 && ask(kMsgFZero)) || (m_in.f > 0.4 && ask(kMsgFLarge))) {
        m_in.f = before;
        show();
        return editAgain(IDC_F);
    }
    m_mask |= kBitF;
    EntryCheckOnce();
    show();
}

void CSmcyDlg::OnEnKillfocusSmcyBita1Edt() {
    if (m_in.pattern != Pattern::Parallel) return;
    const double before = m_in.beta1;
    if (!UpdateData(true)) return;
    if (acceptedBefore(m_mask, kBitBeta1, m_in.beta1 == before)) return;
    if (m_in.beta1 < 0) {
        inform(kMsgBetaSign);
        m_in.beta1 = -m_in.beta1;
    }
    if (!sm_q::kBeta1.admits(m_in.beta1)) {
        refuse(kMsgBetaRight);
        m_in.beta1 = before;
        show();
        return editAgain(IDC_BETA1);
    }
    if (m_in.beta1 > 18 && ask(kMsgBetaLarge)) {
        m_in.beta1 = before;
        show();
        return editAgain(IDC_BETA1);
    }
    m_out.g2.beta = m_in.beta1;
    m_mask |= kBitBeta1;
    EntryCheckOnce();
    show();
}

void CSmcyDlg::OnDeviation(int id) {
    struct Target {
        int id;
        double SmDeviations::*dw;
        double SmDeviations::*dm;
        int gear;
    };
    static constexpr Target kTargets[] = {
        {IDC_DWS1, &SmDeviations::dWs1, &SmDeviations::dMs1, 1},
        {IDC_DWI1, &SmDeviations::dWi1, &SmDeviations::dMi1, 1},
        {IDC_DWS2, &SmDeviations::dWs2, &SmDeviations::dMs2, 2},
        {IDC_DWI2, &SmDeviations::dWi2, &SmDeviations::dMi2, 2},
    };
    const Target* t = nullptr;
    for (const Target& k : kTargets)
        if (k.id == id) t = &k;
    if (!t) return;
    const double before = m_dev.*(t->dw);
    if (!UpdateData(true)) return;
    double& dw = m_dev.*(t->dw);
    // A value the field already held says nothing: leaving the 0 it starts
    // with (or a value the program put there) brings no sign hint.
    if (dw == before) return;
    if (!(std::abs(dw) <= sm_q::kDWs1.upper())) {
        refuse(kMsgDeviationLarge);
        dw = before;
        show();
        return editAgain(id);
    }
    if (dw <= 0) {
        inform(kMsgDeviationSign);
        dw = std::abs(dw);
    }
    if (dw != before) {
        const SmGear& g = t->gear == 1 ? m_out.g1 : m_out.g2;
        auto dm = rodDeviation(dw, {g.z, g.alphaT, g.betaB, g.xn, g.w}, m_in.mn, m_out.dmp, m_in.alpha);
        if (!dm) refuse(dm.error().message);
        else m_dev.*(t->dm) = *dm;
    }
    show();
}

// ---- shift edits ----

void CSmcyDlg::OnEnKillfocusSmcyXn1Edt() { editShiftField(&SmResult::g1, ShiftEdit::Xn1, kMsgXn1Pointed); }

void CSmcyDlg::OnEnKillfocusSmcyXn2Edt() { editShiftField(&SmResult::g2, ShiftEdit::Xn2, kMsgXn2Pointed); }

// A typed shift of one gear: the calculation redone from it, or the value
// from before with the refusal.
void CSmcyDlg::editShiftField(SmGear SmResult::*gear, ShiftEdit edit, const char* pointedTip) {
    if (!m_calculated) return;
    const double before = (m_out.*gear).xn;
    if (!UpdateData(true)) return;
    const double typed = (m_out.*gear).xn;
    if (typed == before) return;
    (m_out.*gear).xn = before;
    auto r = editShift(m_in, m_out, edit, typed);
    if (!r) {
        refuse(r.error().message);
        show();
        return editAgain(edit == ShiftEdit::Xn1 ? IDC_XN1 : IDC_XN2);
    }
    m_out = r->result;
    show();
    if (r->pointedTip) refuse(pointedTip);
}

// ---- texts and date ----

// These read back their own field only: a half-typed number elsewhere is
// checked when its own field is left.
void CSmcyDlg::OnEnKillfocusSmcyTileEdt() {
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    dx.text(IDC_TITLE, m_strTitle, CySmRecord::kTextWidth - 1);
}

void CSmcyDlg::OnEnKillfocusSmcyCodeEdt() {
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    dx.text(IDC_NUMBER, m_strNumber, CySmRecord::kTextWidth - 1);
}

void CSmcyDlg::OnDtnDatetimechangeSmcyDateDtpk() {
    fw::Exchange dx(*this, fw::Exchange::Direction::Save);
    fw::Date day = dateOfSeconds(m_date);
    dx.date(IDC_DATE, day);
    m_date = secondsOfDate(day, m_date);
}

// ---- calculation ----

bool CSmcyDlg::calculate(const HelixSplit& split) {
    auto r = smallmodule::calculate(m_in, split);
    if (!r) {
        refuse(r.error().message);
        // A combination without a gear pair keeps the shown results and
        // their state; a refused tooth count ends the calculated state.
        return r.error().undefined ? m_calculated : false;
    }
    m_out = *r;
    m_in.u = r->u;
    m_in.aw = r->aw;
    m_in.beta1 = r->g1.beta;
    m_calculatedFrom = m_in;
    return true;
}

bool CSmcyDlg::DoCuntPattern0() { return calculate({}); }
bool CSmcyDlg::DoCuntPattern1() { return calculate({}); }
bool CSmcyDlg::DoCuntPattern3() { return calculate({}); }

bool CSmcyDlg::DoCuntPattern2() {
    CSmcyBitaDlg split(this);
    HelixSplit s;
    if (split.DoModal(m_in.sigma) == IDOK) {
        s.option = static_cast<SplitOption>(split.m_option);
        s.userBetaP1 = split.m_betaP1;
    }
    return calculate(s);
}

void CSmcyDlg::OnBnClickedSmcyCunt() {
    if (!UpdateData(true)) return;
    bool ok = false;
    switch (m_in.pattern) {
    case Pattern::Parallel: ok = DoCuntPattern0(); break;
    case Pattern::HelicalSpur: ok = DoCuntPattern1(); break;
    case Pattern::HelicalSum: ok = DoCuntPattern2(); break;
    case Pattern::Perpendicular: ok = DoCuntPattern3(); break;
    }
    m_calculated = ok;
    enableResults(ok);
    show();
}

// ---- save and load ----

CySmRecord CSmcyDlg::record() const {
    CySmRecord r;
    r.in = m_in;
    r.moduleIndex = m_moduleIndex;
    r.out = m_out;
    r.dev = m_dev;
    r.rhoF = m_rhoF;
    r.title = m_strTitle;
    r.number = m_strNumber;
    r.date = m_date;
    return r;
}

void CSmcyDlg::applyRecord(const CySmRecord& r) {
    m_in = r.in;
    m_moduleIndex = r.moduleIndex;
    m_out = r.out;
    m_dev = r.dev;
    m_rhoF = r.rhoF;
    m_strTitle = r.title;
    m_strNumber = r.number;
    m_date = r.date;
}

void CSmcyDlg::OnBnClickedOk() {
    if (!UpdateData(true)) return;
    markStaleIfChanged();
    if (!m_calculated) return;
    const CySmRecord rec = record();
    // The check the load makes: what cannot be loaded again is not written.
    if (auto fault = cySmRecordFault(rec)) return refuse(saveRefusal(*fault));
    fw::FileDialog fd(fw::FileMode::Save, "cyb", m_dataPath.empty() ? std::string("*.cyb") : m_dataPath,
                      OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter, this);
    fd.setTitle(kSaveTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return;
    const std::filesystem::path data = fd.path();
    if (!kavrin::hasDataExtension(data, kavrin::kExtCyData)) return refuse(kMsgNotCyb);
    const std::filesystem::path report = kavrin::loadReportName(data, kavrin::kExtCyData, kavrin::kExtCyReport);
    // The data file and its report replace their old files together or not at all.
    if (auto w = saveCySmFile(rec, data, report, fw::nowSeconds()); !w) {
        if (w.error().fault) return refuse(saveRefusal(*w.error().fault));
        const kavrin::DesignSaveError& e = w.error().error;
        return refuse(e.dataFile ? e.error.saveMessage() : std::string(kMsgReportCreate));
    }
    m_dataPath = data.string();
    m_strReportPath = report.string();
    inform(fw::format(kMsgSaved, m_dataPath.c_str(), m_strReportPath.c_str()));
    EndDialog(IDOK);
}

void CSmcyDlg::OnBnClickedSmcyLoad() {
    if (m_calculated && ask(kMsgUnsaved)) return;
    fw::FileDialog fd(fw::FileMode::Open, "cyb", "*.cyb", OFN_HIDEREADONLY, kFilter, this);
    fd.setTitle(kOpenTitle);
    fd.setInitialFolder(kavrin::GetDefaultDir());
    if (fd.DoModal() != IDOK) return;
    const std::filesystem::path path = fd.path();
    if (!kavrin::hasDataExtension(path, kavrin::kExtCyData)) return refuse(kMsgNotCyb);
    auto bytes = kavrin::readDesignFile(path, CySmRecord::kSize);
    if (!bytes) return refuse(bytes.error().openMessage());
    auto loaded = loadCySmFile(*bytes);
    if (!loaded) return refuse(loaded.error());
    // Accepted: the pattern switches without a second question, then every
    // field takes the file's value.
    OnPatternRadio(static_cast<int>(loaded->in.pattern), false);
    applyRecord(*loaded);
    m_dataPath = path.string();
    m_strReportPath = kavrin::loadReportName(path, kavrin::kExtCyData, kavrin::kExtCyReport).string();
    m_mask |= kAllEntryBits;
    m_calculated = true;
    m_calculatedFrom = m_in;
    enableResults(true);
    show();
}

void CSmcyDlg::OnBnClickedSmcyHelp() { fw::htmlHelp(kHelpTopic); }

void CSmcyDlg::OnBnClickedCancel() { EndDialog(IDCANCEL); }
