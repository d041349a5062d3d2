#include "cylindrical/cy_geom_pro_sheet.h"

#include "common/calc/data_folder.h"
#include "common/calc/design_file.h"
#include "cylindrical/calc/characteristic.h"
#include "cylindrical/calc/geometry_design.h"
#include "cylindrical/calc/geometry_report.h"
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
    // The sections of this run are noted afresh (see doSave).
    currentDesign().sheetSections.clear();
}

CCyGeomProSheet::~CCyGeomProSheet() = default;

bool CCyGeomProSheet::OnInitDialog() { return fw::PropertySheet::OnInitDialog(); }

std::filesystem::path CCyGeomProSheet::GetDefaultDir() { return kavrin::GetDefaultDir(); }

void CCyGeomProSheet::WinHelp(std::uintptr_t data, unsigned) { fw::htmlHelp("Kavrin.chm", fw::HH_HELP_CONTEXT, data); }

bool CCyGeomProSheet::doSave() {
    // Cancel leaves page 1 without its leave copy; take the entries now.
    if (m_page1.initialised() && GetActivePage() == &m_page1) m_page1.storeEntries();
    CurrentDesign& cur = currentDesign();
    // What the loaders would refuse is not saved: the user learns which
    // field is wrong before choosing a name, and the old file stays.
    refreshContactRatios(cur.geom);
    if (auto fault = geometryDesignFault(cur.pre, cur.geom)) {
        fw::MessageBox(*fault, {}, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }

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

    SaveNames names = geometrySaveNames(fd.path());
    if (names.renamed)
        fw::MessageBox(saveRenamedNotice(names.data), {}, fw::MB_OK | fw::MB_ICONINFORMATION);

    auto bytes = geometryDesignSaveBytes(cur.pre, cur.geom, fw::nowSeconds());
    if (!bytes) {
        fw::MessageBox(bytes.error(), {}, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    // One design, one report: the sections this sheet wrote to another report
    // go to the design's own, together with the data file or not at all.
    std::string carried;
    for (const auto& section : cur.sheetSections)
        if (std::filesystem::path(section.report) != names.report) carried += section.utf8;
    if (carried.empty()) {
        if (auto w = fw::writeFile(names.data, *bytes); !w) {
            fw::MessageBox(w.error().saveMessage(), {}, fw::MB_OK | fw::MB_ICONEXCLAMATION);
            return false;
        }
    } else if (auto w = kavrin::saveDesignAndReport(names.data, *bytes, names.report, carried,
                                                    fw::SaveTransaction::Mode::Append);
               !w) {
        const std::string message = w.error().dataFile ? w.error().error.saveMessage()
                                                       : pageReportOpenFailure(names.report);
        fw::MessageBox(message, {}, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    for (auto& section : cur.sheetSections) section.report = names.report.string();
    cur.pre.status = kCyPreStatus;
    cur.geom.status = kCyGeomStatus;
    cur.dataPath = names.data.string();
    cur.reportPath = names.report.string();
    m_strDataPath = cur.dataPath;
    m_strReportPath = cur.reportPath;
    return true;
}
