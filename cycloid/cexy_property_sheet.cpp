#include "cycloid/cexy_property_sheet.h"

#include "common/calc/data_folder.h"
#include "cycloid/calc/cex_files.h"
#include "cycloid/calc/cex_report.h"
#include "cycloid/cex_design.h"
#include "fw/clock.h"
#include "fw/format.h"
#include "resources/kavrin/module.h"

using namespace cycloid;

CCexyPropertySheet::CCexyPropertySheet(int captionStringId, fw::Window* parent, int startPage)
    : fw::PropertySheet(kavrin::module(), captionStringId, parent, startPage) {
    // Blocks of a record given from outside the pages stand for its own values.
    cexMadeFromRecordWhereUnknown();
    AddPage(&m_page1);
    AddPage(&m_page2);
    AddPage(&m_page3);
    AddPage(&m_page4);
    AddPage(&m_page5);
    AddPage(&m_page6);
    setHelpButton(true);
}

CCexyPropertySheet::~CCexyPropertySheet() = default;

bool CCexyPropertySheet::OnInitDialog() { return fw::PropertySheet::OnInitDialog(); }

void CCexyPropertySheet::WinHelp(std::uintptr_t data, unsigned) {
    fw::htmlHelp("Kavrin.chm", fw::HH_HELP_CONTEXT, data);
}

int CCexyPropertySheet::SaveDesignAndReport() {
    const CexDesignRecord& r = g_cexRecord;
    // What would not load again is not written.
    if (auto fault = checkRecord(r)) {
        fw::MessageBox(recordFaultMessage(*fault), fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return 0;
    }
    bool complete = r.b1.status == kStatus1 && r.b2.status == kStatus2 && r.b3.status == kStatus3 &&
                    r.b4.status == kStatus4 && r.b5.status == kStatus5;
    if (!complete && fw::MessageBox(kMsgAskIncompleteSave, fw::MB_YESNO | fw::MB_ICONQUESTION) != fw::IDYES) return 0;

    m_strDataDir = kavrin::GetDefaultDir().string();
    fw::FileDialog fd(fw::FileMode::Save, "cxd", {}, fw::OFN_HIDEREADONLY | fw::OFN_OVERWRITEPROMPT,
                      "摆线设计数据文件 (*.cxd)|*.cxd|All Files (*.*)|*.*||", this);
    fd.setTitle("《Ondrel》保存摆线设计数据文件");
    fd.setInitialFolder(std::filesystem::path(m_strDataDir) / "data");
    fd.request().initialName = g_strCexDesignPath.empty() ? std::string("*.cxd") : g_strCexDesignPath;
    if (fd.DoModal() != fw::IDOK) return 0;

    const std::string design = designFileName(fd.GetPathName());
    const std::string report = reportFileName(design);
    fw::MessageBox(fw::format(kMsgSaveNames, design.c_str(), report.c_str()), fw::MB_OK | fw::MB_ICONINFORMATION);

    const SaveResult saved = saveDesignAndReportFiles(design, designFileBytes(r, fw::nowSeconds()), report, cexReportText(r));
    switch (saved.outcome) {
    case SaveOutcome::Saved:
        m_strReportPath = report;
        return 1;
    case SaveOutcome::DesignFailed:
        // A save: the message says what could not be created or written.
        fw::MessageBox(saved.error.saveMessage(), fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return 0;
    case SaveOutcome::ReportFailed:
        fw::MessageBox(kMsgReportError, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return 0;
    }
    return 0;
}
