// The calculation report of a measured single gear (".cyt").
#pragma once
#include <filesystem>
#include <string>

#include "fw/expected.h"
#include "fw/file.h"
#include "measurement/calc/cy_measure_record.h"

namespace measurement {

inline constexpr const char* kNoCheckLine = "\t    没有进行切齿检验计算。";

// The report of kind 0 or 1; `checkSection` is the text of section 3 after
// its heading (kNoCheckLine when no check has run).
std::string singleReportText(std::int32_t kind, const CyMeasureRecord& r, const CivilDate& date,
                             const std::string& checkSection = kNoCheckLine);

// One line of the report: item, symbol and value in their columns.
std::string measureLine(std::string_view item, std::string_view symbol, std::string_view value);

// "%d°%d′%d″" of an angle in decimal degrees, split by truncation after
// the rounding noise is taken off (a computed 20° prints 20°0′0″); the
// seconds never reach 60.
std::string angleText(double degrees);

}  // namespace measurement
