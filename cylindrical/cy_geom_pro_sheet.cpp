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
    CurrentDesign& cur = currentDesign();

    fw::FileDialog fd(fw::FileMode::Save, "cyb", {}, fw::OFN_HIDEREADONLY | fw::OFN_OVERWRITEPROMPT,
                      "圆柱齿轮几何计算数据文件(*.cyb)|*.cyb|All File(*.*)|*.*|", this);
    fd.setTitle("《Ondrel》保存圆柱齿轮数据文件");
    if (cur.dataPath.empty()) {
        fd.setInitialFolder(GetDefaultDir() / "data");
        fd.request().initialName = "*.cyb";
    } else {
        fd.setInitialFolder(cur.dataPath);
    }
    if (fd.DoModal() != fw::IDOK) return false;

    SaveNames names = geometrySaveNames(fd.path(), cur.reportPath);
    if (names.renamed)
        fw::MessageBox(saveRenamedNotice(names.data), {}, fw::MB_OK | fw::MB_ICONINFORMATION);
    // A design that never had a report gets the one named after its file.
    if (names.report.empty()) names.report = kavrin::designReportName(names.data, kavrin::kExtCyData, kavrin::kExtCyReport);

    refreshContactRatios(cur.geom);
    // What the loaders would refuse is not saved: a pair without teeth or
    // module, or a value that is not finite.
    if (!finiteCyPreRecord(cur.pre) || !finiteCyGeomRecord(cur.geom)) {
        fw::MessageBox(kMsgCalcError, {}, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    if (!acceptableCyPreRecord(cur.pre, -60, 60) || !plausible(cur.geom)) {
        fw::MessageBox(kMsgTeethOrder, {}, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    auto written = fw::writeFile(names.data, geometryDesignFileBytes(cur.pre, cur.geom, fw::nowSeconds()));
    if (!written) {
        fw::MessageBox(written.error().saveMessage(), {}, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    cur.pre.status = kCyPreStatus;
    cur.geom.status = kCyGeomStatus;
    cur.dataPath = names.data.string();
    cur.reportPath = names.report.string();
    m_strDataPath = cur.dataPath;
    m_strReportPath = cur.reportPath;
    return true;
}
