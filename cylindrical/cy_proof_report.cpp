// CCyProofDlg: "保存返回" names the report, appends the rating of the chosen
// gear to it and ends the dialog with IDOK.
#include "common/calc/data_folder.h"
#include "common/calc/design_file.h"
#include "cylindrical/cy_current_design.h"
#include "cylindrical/cy_proof_dlg.h"
#include "cylindrical/calc/rating_rules.h"
#include "fw/format.h"

using namespace cylindrical;

namespace {

constexpr const char* kReportFilter = "圆柱齿计算报告文件(*.cyt)|*.cyt|All File(*.*)|*.*|";

// A name holding ".cyt" stays; a design's name gets its own report
// ("x.v2.cyb" → "x.v2.cyt"); any other name is cut at its first '.'
// (folders are never cut) and gets ".cyt".
std::filesystem::path ratingReportName(const std::filesystem::path& chosen) {
    if (kavrin::hasDataExtension(chosen, kavrin::kExtCyReport)) return chosen;
    return kavrin::designReportName(chosen, kavrin::kExtCyData, kavrin::kExtCyReport);
}

}  // namespace

// The values as they stand; u from the tooth counts as they stand now.
RatingReportData CCyProofDlg::reportData() const {
    RatingReportData d = m_v;
    d.u = m_v.z1 != 0 ? static_cast<double>(m_v.z2) / m_v.z1 : 0;
    return d;
}

void CCyProofDlg::OnOK() {
    // Only a rating is written, and only one whose results belong to the
    // inputs printed beside them.
    if (const char* refusal = reportRefusal({m_v.sH > 0, m_contactCleared}, {m_v.sF > 0, m_bendingCleared})) {
        fw::MessageBox(refusal, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    fw::FileDialog fd(fw::FileMode::Save, "cyt", {}, fw::OFN_HIDEREADONLY, kReportFilter, this);
    fd.setTitle("《Ondrel》保存圆柱齿轮计算报告文件");
    if (currentDesign().reportPath.empty()) {
        // "*.cyt" is only the dialog's initial name.
        fd.setInitialFolder(kavrin::GetDataDir());
        fd.request().initialName = "*.cyt";
    } else {
        fd.setInitialFolder(currentDesign().reportPath);
    }
    if (fd.DoModal() != IDOK) return;
    const std::filesystem::path report = ratingReportName(fd.path());
    currentDesign().reportPath = report.string();
    if (auto r = appendRatingReport(report, reportData()); !r) {
        fw::MessageBox(fw::format("不能打开文件%s", report.string().c_str()), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_strDataPath = currentDesign().dataPath;
    m_strReportPath = currentDesign().reportPath;
    EndDialog(IDOK);
}
