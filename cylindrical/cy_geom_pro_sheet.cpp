#include "cylindrical/cy_geom_pro_sheet.h"

#include "common/calc/data_folder.h"
#include "common/calc/design_file.h"
#include "cylindrical/calc/characteristic.h"
#include "cylindrical/calc/geometry_design.h"
#include "cylindrical/calc/preliminary.h"
#include "cylindrical/calc/shift_distribution.h"
#include "cylindrical/cy_current_design.h"
#include "fw/clock.h"
#include "fw/file.h"

using namespace cylindrical;

CCyGeomProSheet::CCyGeomProSheet(const char* caption, fw::Window* parent)
    : fw::PropertySheet(caption ? caption : "", parent, 0) {
    AddPage(&m_page1);
    AddPage(&m_page2);
    AddPage(&m_page3);
    AddPage(&m_page4);
    setHelpButton(true);
}

CCyGeomProSheet::~CCyGeomProSheet() = default;

bool CCyGeomProSheet::OnInitDialog() { return fw::PropertySheet::OnInitDialog(); }

std::filesystem::path CCyGeomProSheet::GetDefaultDir() { return kavrin::GetDefaultDir(); }

void CCyGeomProSheet::WinHelp(std::uintptr_t data, unsigned) { fw::htmlHelp("Kavrin.chm", fw::HH_HELP_CONTEXT, data); }

bool CCyGeomProSheet::doSave() {
    // Cancel leaves page 1 without its leave copy; take the entries now.
    if (m_page1.initialised() && GetActivePage() == &m_page1) m_page1.storeEntries();

    fw::FileDialog fd(fw::FileMode::Save, "cyb", {}, fw::OFN_HIDEREADONLY | fw::OFN_OVERWRITEPROMPT,
                      "圆柱齿轮几何计算数据文件(*.cyb)|*.cyb|All File(*.*)|*.*|", this);
    fd.setTitle("《Ondrel》保存圆柱齿轮数据文件");
    if (g_strDataPath.empty()) {
        fd.setInitialFolder(GetDefaultDir() / "data");
        fd.request().initialName = "*.cyb";
    } else {
        fd.setInitialFolder(g_strDataPath);
    }
    if (fd.DoModal() != fw::IDOK) return false;

    SaveNames names = geometrySaveNames(fd.path(), g_strReportPath);
    if (names.renamed)
        fw::MessageBox(saveRenamedNotice(names.data), {}, fw::MB_OK | fw::MB_ICONINFORMATION);
    // A design that never had a report gets the one named after its file.
    if (names.report.empty()) names.report = kavrin::designReportName(names.data, kavrin::kExtCyData, kavrin::kExtCyReport);

    refreshContactRatios(g_curGeomRecord);
    // What the loaders would refuse is not saved: a pair without teeth or
    // module, or a value that is not finite.
    if (!finiteCyPreRecord(g_curPreRecord) || !finiteCyGeomRecord(g_curGeomRecord)) {
        fw::MessageBox(kMsgCalcError, {}, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    if (!acceptableCyPreRecord(g_curPreRecord, -60, 60) || !plausible(g_curGeomRecord)) {
        fw::MessageBox(kMsgTeethOrder, {}, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    auto written = fw::writeFile(names.data, geometryDesignFileBytes(g_curPreRecord, g_curGeomRecord, fw::nowSeconds()));
    if (!written) {
        fw::MessageBox(written.error().saveMessage(), {}, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    g_curPreRecord.status = kCyPreStatus;
    g_curGeomRecord.status = kCyGeomStatus;
    g_strDataPath = names.data.string();
    g_strReportPath = names.report.string();
    m_strDataPath = g_strDataPath;
    m_strReportPath = g_strReportPath;
    return true;
}
