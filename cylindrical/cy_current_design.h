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
#include <string>

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
};

// The library's one current design.
CurrentDesign& currentDesign();

}  // namespace cylindrical
