#include "profiletool/ctool_cy_dwdata_dlg.h"

#include <initializer_list>

#include "common/calc/data_file_header.h"
#include "common/calc/data_folder.h"
#include "common/calc/design_file.h"
#include "fw/file.h"
#include "fw/format.h"
#include "resources/kavrin/module.h"

using namespace profiletool;

namespace {

constexpr const char* kHelpTopic = "Kavrin.chm::/CyDwdataDlg.htm";
constexpr const char* kOpenTitle = "《Ondrel》打开指定的数据文件";
constexpr const char* kOpenFilter = "圆柱齿轮计算数据文件(*.cyb)|*.cyb|All File(*.*)|*.*|";
constexpr const char* kSaveTitle = "《Ondrel》保存圆柱齿轮齿廓绘图数据文件";
constexpr const char* kSaveFilter = "圆柱齿轮齿廓绘图数据文件(*.cyd)|*.cyd|All File(*.*)|*.*|";

void warn(const std::string& text, unsigned icon = MB_ICONEXCLAMATION) { fw::MessageBox(text, MB_OK | icon); }

// A field read back keeps its member when its text still reads as it.
void exchangeNumber(fw::Exchange& dx, int id, double& v) {
    if (!dx.saving()) return dx.number(id, v);
    double t = v;
    dx.number(id, t);
    if (!dx.failed() && fw::formatNumber(t) != fw::formatNumber(v)) v = t;
}

}  // namespace

CToolCyDwdataDlg::CToolCyDwdataDlg(fw::Window* parent) : fw::Dialog(kavrin::module(), IDD, parent) {
    onClick(IDC_BROWSE, [this] { OnBnClickedBrowse(); });
    onKillFocus(IDC_PATH, [this] { OnEnKillfocusPath(); });
    onClick(IDC_READ, [this] { OnBnClickedRead(); });
    onClick(IDC_Z1, [this] { OnZChoice(0); });
    onClick(IDC_Z2, [this] { OnZChoice(1); });
    onKillFocus(IDC_FILLET, [this] { OnEnKillfocusFillet(); });
    onKillFocus(IDC_SHRINKAGE, [this] { OnEnKillfocusShrinkage(); });
    onClick(IDOK, [this] { OnBnClickedOk(); });
    onClick(IDC_HELP, [this] { OnBnClickedHelp(); });
}

bool CToolCyDwdataDlg::OnInitDialog() {
    for (int id : std::initializer_list<int>{IDC_READ, IDOK, IDC_FILLET, IDC_SHRINKAGE}) enable(id, false);
    UpdateData(false);
    return true;
}

void CToolCyDwdataDlg::DoDataExchange(fw::Exchange& dx) {
    dx.text(IDC_PATH, m_inputPath);
    if (!dx.saving()) {
        dx.text(IDC_HINT, m_hint);
        dx.number(IDC_CSTAR, m_cStar);
        dx.radio(IDC_Z1, m_zChoice);
    }
    if (!dx.saving() || isEnabled(IDC_FILLET)) exchangeNumber(dx, IDC_FILLET, m_rp);
    if (!dx.saving() || isEnabled(IDC_SHRINKAGE)) exchangeNumber(dx, IDC_SHRINKAGE, m_lambda);
}

void CToolCyDwdataDlg::setHint(const std::string& text) {
    m_hint = text;
    setText(IDC_HINT, text);
}

void CToolCyDwdataDlg::enableAfterRead(bool on) {
    for (int id : std::initializer_list<int>{IDOK, IDC_FILLET, IDC_SHRINKAGE}) enable(id, on);
}

// ---- the file ----

void CToolCyDwdataDlg::checkPath() {
    if (auto hint = checkSourcePath(m_inputPath)) {
        setHint(*hint);
        enable(IDC_READ, false);
        enable(IDOK, false);
        return;
    }
    enable(IDC_READ, true);
    enable(IDOK, false);
}

void CToolCyDwdataDlg::OnBnClickedBrowse() {
    fw::FileDialog fd(fw::FileMode::Open, "cyb", "*.cyb", OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kOpenFilter, this);
    fd.setTitle(kOpenTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return;
    m_inputPath = fd.path().string();
    setText(IDC_PATH, m_inputPath);
    checkPath();
}

void CToolCyDwdataDlg::OnEnKillfocusPath() {
    m_inputPath = text(IDC_PATH);
    if (m_inputPath.empty()) return;
    checkPath();
}

void CToolCyDwdataDlg::OnBnClickedRead() {
    auto refuseRead = [&](const std::string& hint, Disable d) {
        setHint(hint);
        enable(IDOK, false);
        if (d != Disable::ReadOk) {
            enable(IDC_FILLET, false);
            enable(IDC_SHRINKAGE, false);
        }
        if (d != Disable::OkFilletShrinkage) enable(IDC_READ, false);
    };
    auto bytes = fw::readFile(m_inputPath, kMaxSourceBytes);
    if (!bytes) return refuseRead(bytes.error().openMessage(), Disable::ReadOkFilletShrinkage);
    auto r = readProfileSource(*bytes);
    if (!r) return refuseRead(r.error().hint, r.error().disable);
    // Accepted: the values, the choice and the defaults follow the file.
    if (auto h = kavrin::readHeader(*bytes)) m_headerWord = h->word;
    m_source = r->source;
    m_read = true;
    m_gearKind = m_source.gearKind;
    m_zChoice = m_gearChoice = r->zChoice;
    enable(IDC_Z1, r->z1Enabled);
    enable(IDC_Z2, r->z2Enabled);
    m_cStar = m_source.cStar;
    m_rp = defaultFillet(m_source);
    m_lambda = defaultShrinkage(m_source);
    enableAfterRead(true);
    m_hint = r->hint + kHintConfirm;
    UpdateData(false);
}

void CToolCyDwdataDlg::OnZChoice(int choice) { m_zChoice = m_gearChoice = choice; }

// ---- rp and λ ----

void CToolCyDwdataDlg::OnEnKillfocusFillet() {
    const double before = m_rp;
    if (!UpdateData(true)) return;
    if (!filletAccepted(m_rp, m_source.mn)) {
        warn(filletRangeMessage(filletRange(m_source.mn)), MB_ICONINFORMATION);
        m_rp = before;
        UpdateData(false);
        editAgain(IDC_FILLET);
    }
}

void CToolCyDwdataDlg::OnEnKillfocusShrinkage() {
    const double before = m_lambda;
    if (!UpdateData(true)) return;
    if (!shrinkageAccepted(m_lambda)) {
        warn(kMsgShrinkage, MB_ICONINFORMATION);
        m_lambda = before;
        UpdateData(false);
        editAgain(IDC_SHRINKAGE);
    }
}

// ---- the point file ----

void CToolCyDwdataDlg::OnBnClickedOk() {
    if (!m_read || !UpdateData(true)) return;
    auto points = toolProfile(m_source, m_gearChoice, m_rp, m_lambda);
    if (!points) return warn(kMsgConversionFailed);
    fw::FileDialog fd(fw::FileMode::Save, "cyd", "*.cyd", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kSaveFilter, this);
    fd.setTitle(kSaveTitle);
    fd.setInitialFolder(kavrin::GetDataDir());
    if (fd.DoModal() != IDOK) return;
    const CydName name = cydName(fd.path());
    if (name.changed) warn(kMsgCydName);
    m_outputPath = name.path.string();
    if (auto w = fw::writeFile(name.path, measurement::writeProfileDataRecord(*points)); !w) {
        warn(w.error().saveMessage());
        warn(kMsgConversionFailed);
        return;
    }
    EndDialog(IDOK);
}

void CToolCyDwdataDlg::OnBnClickedHelp() { fw::htmlHelp(kHelpTopic); }
