// The current design of the cylindrical calculators: one preliminary record,
// one geometry record and the paths and texts of the design, shared by every
// calculator of this library for as long as the library is loaded. Nothing
// frees or resets it in between; each calculator says which parts it sets.
//
// Who writes what:
//   - the preliminary design (CypreDlg): its successful save sets dataPath
//     and reportPath, and so does an accepted load;
//   - the geometry sheet: both records, the paths, title, drawing number and date;
//   - the strength rating: dataPath and reportPath after its save or load.
//
// Later libraries (bevel, worm, cycloid) keep theirs the same way: one struct,
// one accessor, owned by the library.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "fw/expected.h"
#include "fw/file.h"

#include "cylindrical/calc/cy_geom_record.h"
#include "cylindrical/calc/cy_pre_record.h"

namespace cylindrical {

struct CurrentDesign {
    CyPreRecord pre;          // preliminary record (status 101 once complete)
    CyGeomRecord geom;        // geometry record (status 102 once complete)
    std::string dataPath;     // full path of the design data file (.cyb); empty at start
    std::string reportPath;   // full path of the report (.cyt); empty at start
    std::string title;        // title, drawing number and date text ("%d年%d月%d日")
    std::string drawingNo;
    std::string date;
    // The report sections the geometry sheet appended since it opened or
    // loaded a design, each with the report it went to. A save under a new
    // name gives the design the report of that name and carries these
    // sections into it (one design, one report); the old report stays as it is.
    struct ReportSection {
        std::string report;
        std::string utf8;
    };
    std::vector<ReportSection> sheetSections;
};

// The library's one current design.
CurrentDesign& currentDesign();

// A geometry sheet page's report section appended to report and, once
// written, noted in the current design's sheetSections.
fw::Expected<void, fw::FileError> appendSheetSection(const std::filesystem::path& report, const std::string& utf8);

}  // namespace cylindrical
