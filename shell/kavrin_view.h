// CKavrinView: the report view (a plain-text edit view) that also carries the
// calculator command table.
#pragma once
#include <string>
#include <string_view>

#include "fw/app.h"

class CKavrinView : public fw::EditView {
public:
    CKavrinView();
    void PreCreateWindow(CreateStyle& cs) override;

    // A calculator saved its report at path: open it into this view's
    // document in place, record its path (recent files) and take the full
    // path as title. On a read failure shows failMessage and leaves the
    // document as it was. Returns whether the report was loaded.
    bool loadCalculatorReport(const std::string& path, std::string_view failMessage);

    // The window calculators take as parent (the report's frame).
    fw::Window* parentWindow() const;

    // The path of the report most recently taken from a calculator.
    std::string m_strReportPath;
};
