#include "shell/kavrin_view.h"

#include "shell/command_table.h"

CKavrinView::CKavrinView() {
    for (const CalculatorCommand& c : commandTable())
        onCommand(c.id, [this, run = c.run] { run(*this); });
}

void CKavrinView::PreCreateWindow(CreateStyle& cs) {
    fw::EditView::PreCreateWindow(cs);
    cs.wantReturn = false;
}

fw::Window* CKavrinView::parentWindow() const { return frame(); }

bool CKavrinView::loadCalculatorReport(const std::string& path, std::string_view failMessage) {
    m_strReportPath = path;
    fw::Document* doc = GetDocument();
    if (!doc) return false;
    if (!doc->OnOpenDocument(path)) {
        fw::MessageBox(failMessage, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    doc->SetPathName(path);
    doc->SetTitle(path);
    doc->UpdateAllViews();
    return true;
}
