#include "cylindrical/cy_current_design.h"

#include "cylindrical/calc/geometry_report.h"

namespace cylindrical {

CurrentDesign& currentDesign() {
    static CurrentDesign design;
    return design;
}

fw::Expected<void, fw::FileError> appendSheetSection(const std::filesystem::path& report, const std::string& utf8) {
    auto r = appendReportSection(report, utf8);
    if (r) currentDesign().sheetSections.push_back({report.string(), utf8});
    return r;
}

}  // namespace cylindrical
