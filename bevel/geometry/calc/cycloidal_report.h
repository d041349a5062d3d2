// The report section of a cycloidal bevel gear pair, appended to the design's
// .tng report on save (UTF-8 here; the writer stores it as code page 936, CR LF).
#pragma once
#include <string>

#include "bevel/geometry/calc/cone_geom_record.h"
#include "bevel/geometry/calc/cutter_head_record.h"

namespace bevel::aol {

// Every value from the calculated record and the chosen head (group g).
std::string cycloidalReport(const ConeGeomRecord& g, const CutterHeadRecord& head, int group);

}  // namespace bevel::aol
