// The current design of the cylindrical calculators: one preliminary record,
// one geometry record and the paths and texts of the design, shared by every
// calculator of this library for as long as the library is loaded. Nothing
// frees or resets them in between; each calculator says which of them it sets.
//
// Who writes what:
//   - the preliminary design (CypreDlg): its successful save sets
//     g_strDataPath and g_strReportPath, and so does an accepted load;
//   - the geometry sheet: both records, the paths, title, number and date.
#pragma once
#include <string>

#include "cylindrical/calc/cy_geom_record.h"
#include "cylindrical/calc/cy_pre_record.h"

// Preliminary record of the current design (status 101 once complete).
extern cylindrical::CyPreRecord g_curPreRecord;
// Geometry record of the current design (status 102 once complete).
extern cylindrical::CyGeomRecord g_curGeomRecord;

// Full path of the current design data file (.cyb); empty at start.
extern std::string g_strDataPath;
// Full path of the current report (.cyt); empty at start.
extern std::string g_strReportPath;
// Title, drawing number and date text ("%d年%d月%d日") of the design.
extern std::string g_strTitle;
extern std::string g_strDrawingNo;
extern std::string g_strDate;
