// How the view runs a calculator: the command paths of the command table,
// generic over the few members each kind of calculator offers.
#pragma once
#include <memory>
#include <string>

#include "fw/fw.h"
#include "shell/kavrin_view.h"

namespace shell_text {
inline constexpr const char* ReportFailed = "报告文件操作失败！";
inline constexpr const char* WizardSaveFailed = "未能成功储存数据！";
inline constexpr const char* WizardReportFailed = "报告文件操作出错!";
inline constexpr const char* AskSaveGeometry = "退出圆柱齿轮几何计算程序，是(Yes)否(No)保存数据？";
inline constexpr const char* AskSaveCycloid = "退出摆线优化设计计算程序，是(Yes)否(No)保存数据？";
inline constexpr const char* GeometryCaption = "《Ondrel》 Kavrin  齿轮几何计算程序";
inline constexpr const char* NotAvailable = "该计算程序尚未提供，敬请期待。";
}  // namespace shell_text

// A calculator whose issue has not landed: a short information box.
void calculatorNotAvailable(CKavrinView& view);

// Modal calculator: constructed with no parent; on IDOK (it saved its design
// file and report) the report is loaded. Destroyed on return, every path.
template <class Dlg>
void runModalCalculator(CKavrinView& view) {
    Dlg dlg(nullptr);
    if (dlg.DoModal() != IDOK) return;
    view.loadCalculatorReport(std::string(dlg.m_strReportPath), shell_text::ReportFailed);
}

// Modal tool without a report (the involute converter, the CAD data tool).
template <class Dlg>
void runModalTool(CKavrinView&) {
    Dlg dlg(nullptr);
    dlg.DoModal();
}

// The geometry sheet: the view's window as parent, no Apply button. OK, or
// Cancel answered Yes, saves; the report is loaded only when the save worked.
template <class Sheet>
void runGeometrySheet(CKavrinView& view) {
    Sheet sheet(shell_text::GeometryCaption, view.parentWindow());
    sheet.removeApplyButton();
    int r = sheet.DoModal();
    bool save = r == IDOK ||
                (r == IDCANCEL && fw::MessageBox(shell_text::AskSaveGeometry, MB_YESNO | MB_ICONQUESTION) == IDYES);
    if (!save || !sheet.doSave()) return;
    view.loadCalculatorReport(std::string(sheet.m_strReportPath), shell_text::ReportFailed);
}

// The cycloid wizard: on the heap, published while it runs, wizard mode.
template <class Wizard>
void runCycloidWizard(CKavrinView& view, int captionStringId, Wizard*& published) {
    auto wizard = std::make_unique<Wizard>(captionStringId, nullptr);
    published = wizard.get();
    wizard->SetWizardMode();
    int r = wizard->DoModal();
    if (r == ID_WIZFINISH) {
        if (!wizard->SaveDesignAndReport()) fw::MessageBox(shell_text::WizardSaveFailed, MB_OK | MB_ICONEXCLAMATION);
        else view.loadCalculatorReport(std::string(wizard->m_strReportPath), shell_text::WizardReportFailed);
    } else if (r == IDCANCEL &&
               fw::MessageBox(shell_text::AskSaveCycloid, MB_YESNO | MB_ICONQUESTION) == IDYES) {
        if (wizard->SaveDesignAndReport())
            view.loadCalculatorReport(std::string(wizard->m_strReportPath), shell_text::ReportFailed);
    }
    published = nullptr;
}

// 32789 / 32798: the manual or the worked examples from the `mentloc` folder.
void openHelpDocument(CKavrinView& view, const char* fileName);
// 32802: the update check under the wait cursor, then its message.
void runUpdateCheck(CKavrinView& view);
